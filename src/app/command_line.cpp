#include "app/command_line.h"

#include "ui/random_source.h"
#include "ui/texts.h"

#include <array>
#include <limits>
#include <sys/stat.h>

namespace vexel {

namespace {

// Options that belong to the toolkit and take a value. They are handed on
// untouched so that, for instance, -platform offscreen keeps working.
constexpr std::array<std::string_view, 4> ToolkitOptionsWithValue = {"-platform", "-style",
                                                                     "-qwindowgeometry", "-display"};

bool isToolkitOption(std::string_view argument)
{
    for (std::string_view option : ToolkitOptionsWithValue) {
        if (argument == option)
            return true;
    }
    return false;
}

std::string quoted(std::string_view text)
{
    return "'" + std::string(text) + "'";
}

// Walks the arguments once; the first problem found ends the walk, since
// later arguments may only make sense relative to an earlier one.
class Parser {
public:
    explicit Parser(const std::vector<std::string>& arguments) : arguments_(arguments) {}

    CommandLine run()
    {
        result_.toolkitArguments.push_back(arguments_.empty() ? std::string("vexel") : arguments_.front());
        bool optionsEnded = false;
        for (next_ = 1; next_ < arguments_.size() && result_.error.empty();) {
            const std::string& argument = arguments_[next_++];
            if (optionsEnded)
                fail(fill(translate("CommandLine", "unexpected argument %1"), {quoted(argument)}));
            else if (argument == "--")
                optionsEnded = true;
            else
                take(argument);
        }
        if (result_.scoresFile && result_.error.empty())
            refuseFolder(*result_.scoresFile);
        if (result_.printHistory && (result_.replayFile || result_.verifyFile))
            fail(translate("CommandLine", "option '--history' cannot be used with '--replay' or '--verify'"));

        if (!result_.error.empty())
            result_.action = CommandLine::Action::Error;
        else if (help_)
            result_.action = CommandLine::Action::Help;
        else if (version_)
            result_.action = CommandLine::Action::Version;
        return std::move(result_);
    }

private:
    void take(const std::string& argument)
    {
        const std::size_t equals = argument.find('=');
        const bool isLong = argument.rfind("--", 0) == 0;
        const std::string_view name =
            isLong && equals != std::string::npos ? std::string_view(argument).substr(0, equals) : argument;
        std::optional<std::string> inlineValue;
        if (isLong && equals != std::string::npos)
            inlineValue = argument.substr(equals + 1);

        if (name == "--help" || name == "-h") {
            help_ = true;
            refuseValue(name, inlineValue);
        } else if (name == "--version") {
            version_ = true;
            refuseValue(name, inlineValue);
        } else if (name == "--no-auto-pause") {
            result_.autoPause = false;
            refuseValue(name, inlineValue);
        } else if (name == "--history") {
            result_.printHistory = true;
            refuseValue(name, inlineValue);
        } else if (name == "--scores-file") {
            const std::string missing = translate("CommandLine", "option %1 needs a path");
            const std::optional<std::string> path = value(name, inlineValue, missing);
            if (path && path->empty())
                fail(fill(missing, {quoted(name)}));
            else if (path)
                result_.scoresFile = *path;
        } else if (name == "--seed") {
            const std::optional<std::string> text =
                value(name, inlineValue, translate("CommandLine", "option %1 needs a number"));
            if (!text)
                return;
            result_.seed = parseSeed(*text);
            if (!result_.seed)
                fail(fill(translate("CommandLine", "invalid seed %1: expected a whole number from 0 to %2"),
                          {quoted(*text), std::to_string(std::numeric_limits<std::uint32_t>::max())}));
        } else if (name == "--replay" || name == "--verify") {
            std::optional<std::string>& file = name == "--replay" ? result_.replayFile : result_.verifyFile;
            const std::string missing = translate("CommandLine", "option %1 needs a replay file");
            file = value(name, inlineValue, missing);
            if (file && file->empty())
                fail(fill(missing, {quoted(name)}));
            else if (result_.replayFile && result_.verifyFile)
                fail(translate("CommandLine", "options '--replay' and '--verify' cannot be used together"));
        } else if (isToolkitOption(argument)) {
            if (next_ >= arguments_.size()) {
                fail(fill(translate("CommandLine", "option %1 needs a value"), {quoted(argument)}));
                return;
            }
            result_.toolkitArguments.push_back(argument);
            result_.toolkitArguments.push_back(arguments_[next_++]);
        } else if (!argument.empty() && argument.front() == '-') {
            fail(fill(translate("CommandLine", "unknown option %1"), {quoted(name)}));
        } else {
            fail(fill(translate("CommandLine", "unexpected argument %1"), {quoted(argument)}));
        }
    }

    // The value of an option, given as --name=value or as the next argument;
    // missing says what is wrong without it, with %1 for the option.
    std::optional<std::string> value(std::string_view name, const std::optional<std::string>& inlineValue,
                                     std::string_view missing)
    {
        if (inlineValue)
            return inlineValue;
        if (next_ < arguments_.size())
            return arguments_[next_++];
        fail(fill(missing, {quoted(name)}));
        return std::nullopt;
    }

    // The records are one file; a folder, or what can only name one, would
    // otherwise fail at the first save, far from the mistake.
    void refuseFolder(const std::string& path)
    {
        struct stat info {};
        if (path.back() != '/' && (::stat(path.c_str(), &info) != 0 || !S_ISDIR(info.st_mode)))
            return;
        fail(fill(translate("CommandLine",
                            "option '--scores-file' needs a file, not the folder %1 (for example %2)"),
                  {quoted(path), quoted(path + (path.back() == '/' ? "" : "/") + "vexel.ini")}));
    }

    void refuseValue(std::string_view name, const std::optional<std::string>& inlineValue)
    {
        if (inlineValue)
            fail(fill(translate("CommandLine", "option %1 takes no value"), {quoted(name)}));
    }

    void fail(std::string message)
    {
        if (result_.error.empty())
            result_.error = std::move(message);
    }

    const std::vector<std::string>& arguments_;
    std::size_t next_ = 1;
    bool help_ = false;
    bool version_ = false;
    CommandLine result_;
};

} // namespace

std::optional<std::uint32_t> parseSeed(std::string_view text)
{
    if (text.empty())
        return std::nullopt;
    std::uint64_t value = 0;
    for (char ch : text) {
        if (ch < '0' || ch > '9')
            return std::nullopt;
        value = value * 10 + static_cast<std::uint64_t>(ch - '0');
        // Checked on every digit, so a long run of digits cannot wrap.
        if (value > std::numeric_limits<std::uint32_t>::max())
            return std::nullopt;
    }
    return static_cast<std::uint32_t>(value);
}

CommandLine parseCommandLine(const std::vector<std::string>& arguments)
{
    return Parser(arguments).run();
}

CommandLine parseCommandLine(int argc, const char* const* argv)
{
    std::vector<std::string> arguments;
    for (int i = 0; i < argc; ++i)
        arguments.emplace_back(argv[i] ? argv[i] : "");
    return parseCommandLine(arguments);
}

std::string helpText(std::string_view defaultScoresPath)
{
    // Option names and the words a replay is named by stay as they are in
    // every language; so does the result line of --verify.
    return fill(translate("CommandLine",
                          "Usage: vexel [OPTION]...\n"
                          "Dodge the bullets of 44 guns on an 11 by 11 board.\n"
                          "\n"
                          "Options:\n"
                          "  --scores-file PATH  keep the high scores in the file PATH\n"
                          "                      (default: %1)\n"
                          "  --seed N            draw the guns' random numbers from seed N\n"
                          "                      (0 to 4294967295; default: %2)\n"
                          "  --no-auto-pause     play on when another window takes the focus, the\n"
                          "                      window is minimised or the Options, View or Help\n"
                          "                      menu opens\n"
                          "  --replay FILE       watch a replay: FILE is a path, or last, best-4way\n"
                          "                      or best-2way for the replays kept beside the\n"
                          "                      high scores\n"
                          "  --verify FILE       play a replay with no window, print its result as\n"
                          "                      'score N, level L, 4-way, T ticks' and exit with 0\n"
                          "                      when it matches the recorded end, 1 when not, 2\n"
                          "                      when FILE is no readable replay\n"
                          "  -h, --help          show this help and exit\n"
                          "      --version       show the version and exit\n"
                          "  --                  end the options\n"
                          "\n"
                          "The toolkit options -platform, -style, -qwindowgeometry and -display\n"
                          "are passed on with their value.\n"
                          "\n"
                          "Keys: Enter pauses and resumes; the arrow keys move the green square;\n"
                          "F10 opens the menus; Ctrl+Q quits.\n"),
                {defaultScoresPath, std::to_string(DefaultRandom::DefaultSeed)}) +
           historyHelpText() + controllerHelpText();
}

std::string controllerHelpText()
{
    return translate("Controller",
                     "\n"
                     "Game controllers: the D-pad or the left stick moves the green square and\n"
                     "walks the menus; A and Start are Enter, B is Escape, Back (Select) is F10.\n"
                     "In the record holder's name, up and down change the character at the cursor,\n"
                     "left and right move the cursor, A accepts and B cancels. A pad counts only\n"
                     "while Vexel's window is active; unplugging it pauses a running game.\n");
}

std::string historyHelpText()
{
    // A paragraph of its own, so that the rest of the help keeps its
    // translations.
    return translate("CommandLine",
                     "\n"
                     "History: every game played, kept in history.sqlite beside the high scores.\n"
                     "  --history           print the top ten of each mode and the totals, and exit\n"
                     "  --replay game:N     watch game N of the history\n"
                     "  --verify game:N     check game N of the history as --verify FILE does\n"
                     "The History menu shows every game, the top tens, the totals and a chart of\n"
                     "your progress, and plays any game again.\n");
}

std::string versionText(std::string_view version)
{
    return "vexel " + std::string(version) + "\n";
}

} // namespace vexel
