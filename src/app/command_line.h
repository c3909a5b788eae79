#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vexel {

// What the command line asks for. It is read before any window system is
// touched, so that --help and --version work where no display is available.
struct CommandLine {
    enum class Action { Run, Help, Version, Error };

    Action action = Action::Run;
    std::optional<std::string> scoresFile;
    std::optional<std::uint32_t> seed;
    // Off with --no-auto-pause: the game runs on when the player looks away.
    bool autoPause = true;
    // A replay to watch in the window, or to check with no window at all:
    // a path, one of the words that name the kept replays, or game:N for
    // a game of the history.
    std::optional<std::string> replayFile;
    std::optional<std::string> verifyFile;
    // --history: print the best games and the totals kept in the history.
    bool printHistory = false;
    // The program name followed by the toolkit's own options, in their
    // original order, for the application object to digest.
    std::vector<std::string> toolkitArguments;
    // Set for Action::Error: one line saying what was wrong.
    std::string error;
};

// The exit status for a command line that could not be understood.
inline constexpr int UsageErrorStatus = 2;

CommandLine parseCommandLine(const std::vector<std::string>& arguments);
CommandLine parseCommandLine(int argc, const char* const* argv);

// A whole decimal number from 0 to 2^32 - 1 and nothing else: no sign, no
// blanks, no other base.
std::optional<std::uint32_t> parseSeed(std::string_view text);

// The default path is shown as it resolves for the person asking.
std::string helpText(std::string_view defaultScoresPath);
// The history's part of the help, after the rest.
std::string historyHelpText();
// The game controller's buttons, last.
std::string controllerHelpText();
std::string versionText(std::string_view version);

} // namespace vexel
