#include "app/command_line.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vexel {
namespace {

using Action = CommandLine::Action;

CommandLine parse(std::vector<std::string> arguments)
{
    arguments.insert(arguments.begin(), "vexel");
    return parseCommandLine(arguments);
}

TEST(CommandLine, NoArgumentsRunWithDefaults)
{
    const CommandLine line = parse({});
    EXPECT_EQ(line.action, Action::Run);
    EXPECT_FALSE(line.scoresFile.has_value());
    EXPECT_FALSE(line.seed.has_value());
    EXPECT_EQ(line.toolkitArguments, std::vector<std::string>{"vexel"});
    EXPECT_TRUE(line.error.empty());
}

TEST(CommandLine, ValuesAreTakenInBothSpellings)
{
    struct Case {
        std::vector<std::string> arguments;
        std::string scoresFile;
        std::uint32_t seed;
    };
    const Case cases[] = {
        {{"--scores-file", "/tmp/a.ini", "--seed", "7"}, "/tmp/a.ini", 7},
        {{"--scores-file=/tmp/a.ini", "--seed=7"}, "/tmp/a.ini", 7},
        // A path may itself contain '=' or start with a dash when given apart.
        {{"--scores-file=/tmp/x=y.ini", "--seed", "0"}, "/tmp/x=y.ini", 0},
        {{"--scores-file", "-odd.ini", "--seed=4294967295"}, "-odd.ini", 4294967295U},
        // The last of a repeated option counts.
        {{"--seed=1", "--seed=2", "--scores-file=a", "--scores-file=b"}, "b", 2},
    };
    for (const Case& c : cases) {
        const CommandLine line = parse(c.arguments);
        SCOPED_TRACE(c.arguments.front());
        EXPECT_EQ(line.action, Action::Run) << line.error;
        EXPECT_EQ(line.scoresFile.value_or("<none>"), c.scoresFile);
        EXPECT_EQ(line.seed.value_or(12345), c.seed);
    }
}

TEST(CommandLine, SeedAcceptsOnlyPlainNumbersInRange)
{
    EXPECT_EQ(parseSeed("0"), 0U);
    EXPECT_EQ(parseSeed("007"), 7U);
    EXPECT_EQ(parseSeed("4294967295"), 4294967295U);
    for (const char* bad :
         {"", "-1", "+1", " 1", "1 ", "4294967296", "99999999999999999999999", "0x10", "1e3", "12a", "3.0"})
        EXPECT_FALSE(parseSeed(bad).has_value()) << '"' << bad << '"';

    const CommandLine line = parse({"--seed", "4294967296"});
    EXPECT_EQ(line.action, Action::Error);
    EXPECT_NE(line.error.find("'4294967296'"), std::string::npos) << line.error;
}

TEST(CommandLine, HelpAndVersionWinOverRunningButNotOverErrors)
{
    EXPECT_EQ(parse({"--help"}).action, Action::Help);
    EXPECT_EQ(parse({"-h"}).action, Action::Help);
    EXPECT_EQ(parse({"--version"}).action, Action::Version);
    EXPECT_EQ(parse({"--seed", "3", "--version"}).action, Action::Version);
    // Asking for both shows the help, which mentions the version option too.
    EXPECT_EQ(parse({"--version", "--help"}).action, Action::Help);
    EXPECT_EQ(parse({"--help", "--bogus"}).action, Action::Error);
    EXPECT_EQ(parse({"--version=1"}).action, Action::Error);
}

TEST(CommandLine, MistakesAreNamedInTheMessage)
{
    struct Case {
        std::vector<std::string> arguments;
        std::string mentions;
    };
    const Case cases[] = {
        {{"--bogus"}, "unknown option '--bogus'"},
        {{"--bogus=3"}, "unknown option '--bogus'"},
        {{"-x"}, "unknown option '-x'"},
        {{"-platformoffscreen"}, "unknown option '-platformoffscreen'"},
        {{"stray"}, "unexpected argument 'stray'"},
        {{"--scores-file"}, "'--scores-file' needs a path"},
        {{"--scores-file="}, "'--scores-file' needs a path"},
        {{"--seed"}, "'--seed' needs a number"},
        {{"--seed="}, "invalid seed ''"},
        {{"--seed", "abc"}, "invalid seed 'abc'"},
        {{"-platform"}, "'-platform' needs a value"},
        {{"--help=yes"}, "'--help' takes no value"},
    };
    for (const Case& c : cases) {
        const CommandLine line = parse(c.arguments);
        EXPECT_EQ(line.action, Action::Error) << c.arguments.front();
        EXPECT_NE(line.error.find(c.mentions), std::string::npos) << line.error;
    }
}

TEST(CommandLine, ToolkitOptionsPassThroughInOrder)
{
    const CommandLine line =
        parse({"-platform", "offscreen", "--seed", "9", "-style", "Fusion", "-qwindowgeometry", "400x400+0+0",
               "-display", ":1", "--scores-file=s.ini"});
    EXPECT_EQ(line.action, Action::Run) << line.error;
    const std::vector<std::string> expected = {"vexel",       "-platform", "offscreen",
                                               "-style",      "Fusion",    "-qwindowgeometry",
                                               "400x400+0+0", "-display",  ":1"};
    EXPECT_EQ(line.toolkitArguments, expected);
    EXPECT_EQ(line.seed, 9U);
    EXPECT_EQ(line.scoresFile, "s.ini");

    // A toolkit option's value is never read as one of ours.
    const CommandLine styled = parse({"-style", "--seed"});
    EXPECT_EQ(styled.action, Action::Run) << styled.error;
    EXPECT_FALSE(styled.seed.has_value());
}

TEST(CommandLine, ArgvFormKeepsTheProgramName)
{
    const char* argv[] = {"/usr/games/vexel", "--seed=5"};
    const CommandLine line = parseCommandLine(2, argv);
    EXPECT_EQ(line.action, Action::Run);
    EXPECT_EQ(line.seed, 5U);
    EXPECT_EQ(line.toolkitArguments, std::vector<std::string>{"/usr/games/vexel"});
}

TEST(CommandLine, TextsForHelpAndVersion)
{
    EXPECT_EQ(versionText("1.0.0"), "vexel 1.0.0\n");
    const std::string help = helpText("/home/p/.local/share/vexel/vexel.ini");
    for (const char* part : {"Usage: vexel", "--scores-file PATH", "--seed N", "--help", "--version",
                             "/home/p/.local/share/vexel/vexel.ini", "5489"})
        EXPECT_NE(help.find(part), std::string::npos) << part;
    EXPECT_EQ(help.back(), '\n');
}

} // namespace
} // namespace vexel
