// The command line: the game's two options, help and version, the toolkit's
// own options, and every mistake named in the message.

#include "app/command_line.h"

#include <gtest/gtest.h>

namespace vexel {
namespace {

// What a command line comes to, in one line: the action, then the scores
// file, the seed and the toolkit's arguments, or the error message.
std::string outcome(std::vector<std::string> arguments)
{
    arguments.insert(arguments.begin(), "vexel");
    const CommandLine line = parseCommandLine(arguments);
    const char* actions[] = {"run", "help", "version", "error"};
    std::string text = actions[static_cast<int>(line.action)];
    if (line.action == CommandLine::Action::Error)
        return text + ": " + line.error;
    text += " " + line.scoresFile.value_or("-") + " " + (line.seed ? std::to_string(*line.seed) : "-");
    for (const std::string& argument : line.toolkitArguments)
        text += " " + argument;
    return text;
}

TEST(CommandLine, ArgumentsComeToWhatTheyAskFor)
{
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{}, "run - - vexel"},
        {{"--scores-file", "/tmp/a.ini", "--seed", "7"}, "run /tmp/a.ini 7 vexel"},
        {{"--scores-file=/tmp/a.ini", "--seed=007"}, "run /tmp/a.ini 7 vexel"},
        // A path may itself contain '=' or start with a dash when given apart.
        {{"--scores-file=/tmp/x=y.ini", "--seed", "0"}, "run /tmp/x=y.ini 0 vexel"},
        {{"--scores-file", "-odd.ini", "--seed=4294967295"}, "run -odd.ini 4294967295 vexel"},
        // The last of a repeated option counts.
        {{"--seed=1", "--seed=2", "--scores-file=a", "--scores-file=b"}, "run b 2 vexel"},
        // The toolkit's options keep their values and their order; a value
        // of theirs is never read as one of ours.
        {{"-platform", "offscreen", "--seed", "9", "-style", "Fusion", "-qwindowgeometry", "400x400+0+0",
          "-display", ":1", "--scores-file=s.ini"},
         "run s.ini 9 vexel -platform offscreen -style Fusion -qwindowgeometry 400x400+0+0 -display :1"},
        {{"-style", "--seed"}, "run - - vexel -style --seed"},
        // Help and version win over running, help over version (it mentions
        // --version too), but not over a mistake.
        {{"-h"}, "help - - vexel"},
        {{"--seed", "3", "--version"}, "version - 3 vexel"},
        {{"--version", "--help"}, "help - - vexel"},
        {{"--help", "--bogus"}, "error: unknown option '--bogus'"},
        {{"--bogus=3"}, "error: unknown option '--bogus'"},
        {{"-platformoffscreen"}, "error: unknown option '-platformoffscreen'"},
        {{"stray"}, "error: unexpected argument 'stray'"},
        {{"--scores-file"}, "error: option '--scores-file' needs a path"},
        {{"--scores-file="}, "error: option '--scores-file' needs a path"},
        {{"--seed"}, "error: option '--seed' needs a number"},
        {{"-platform"}, "error: option '-platform' needs a value"},
        {{"--help=yes"}, "error: option '--help' takes no value"},
        {{"--version=1"}, "error: option '--version' takes no value"},
        // "--" ends the options; the game takes no other arguments.
        {{"--seed", "3", "--"}, "run - 3 vexel"},
        {{"--", "--help"}, "error: unexpected argument '--help'"},
        {{"--scores-file", "--"}, "run -- - vexel"},
        // The records are a file: not a folder, nor what can only name one.
        {{"--scores-file", "."},
         "error: option '--scores-file' needs a file, not the folder '.' (for example "
         "'./vexel.ini')"},
        {{"--scores-file=/no/such/"},
         "error: option '--scores-file' needs a file, not the folder '/no/such/' "
         "(for example '/no/such/vexel.ini')"},
        {{"--no-auto-pause=1"}, "error: option '--no-auto-pause' takes no value"},
    };
    for (const auto& [arguments, expected] : cases)
        EXPECT_EQ(outcome(arguments), expected);

    // A seed is a plain decimal number that fits 32 bits.
    for (const char* bad :
         {"", "-1", "+1", " 1", "1 ", "4294967296", "99999999999999999999999", "0x10", "3.0"})
        EXPECT_EQ(outcome({"--seed", bad}).rfind("error: invalid seed '" + std::string(bad) + "'", 0), 0U)
            << bad;

    EXPECT_TRUE(parseCommandLine({"vexel", "--seed=1"}).autoPause);
    EXPECT_FALSE(parseCommandLine({"vexel", "--no-auto-pause", "--seed=1"}).autoPause);
    // A replay to watch or to check: a path or a word, kept as given.
    const CommandLine watch = parseCommandLine({"vexel", "--replay", "last", "--scores-file=s.ini"});
    EXPECT_EQ(watch.action, CommandLine::Action::Run);
    EXPECT_EQ(watch.replayFile, "last");
    EXPECT_EQ(watch.verifyFile, std::nullopt);
    EXPECT_EQ(parseCommandLine({"vexel", "--verify=-odd.vxr"}).verifyFile, "-odd.vxr");
    EXPECT_EQ(outcome({"--replay"}), "error: option '--replay' needs a replay file");
    EXPECT_EQ(outcome({"--verify="}), "error: option '--verify' needs a replay file");
    EXPECT_EQ(outcome({"--verify", "a.vxr", "--replay", "b.vxr"}),
              "error: options '--replay' and '--verify' cannot be used together");
    // The history: printed alone; a game of it is a replay like any other.
    EXPECT_TRUE(parseCommandLine({"vexel", "--scores-file=s.ini", "--history"}).printHistory);
    EXPECT_FALSE(parseCommandLine({"vexel"}).printHistory);
    EXPECT_EQ(parseCommandLine({"vexel", "--verify=game:12"}).verifyFile, "game:12");
    EXPECT_EQ(outcome({"--history=all"}), "error: option '--history' takes no value");
    EXPECT_EQ(outcome({"--history", "--replay", "game:1"}),
              "error: option '--history' cannot be used with '--replay' or '--verify'");

    const char* argv[] = {"/usr/games/vexel", "--seed=5"};
    EXPECT_EQ(parseCommandLine(2, argv).toolkitArguments, std::vector<std::string>{"/usr/games/vexel"});
}

} // namespace
} // namespace vexel
