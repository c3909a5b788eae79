// The high-score file: what start-up reads and writes, damaged and unusable
// files, failed saves, and where the file lives.

#include "fixture.h"

#include "scores/score_table.h"

#include <sys/stat.h>
#include <unistd.h>

#include <optional>

namespace vexel::test {
namespace {

using ScoreFileTest = GameTest;

long entries(const fs::path& folder)
{
    return std::distance(fs::directory_iterator(folder), fs::directory_iterator());
}

// One diagnostic line per failure, each naming the file it is about.
void expectLinesName(const std::string& diag, const std::string& path, long lines)
{
    EXPECT_EQ(std::count(diag.begin(), diag.end(), '\n'), lines) << diag;
    std::istringstream in(diag);
    for (std::string line; std::getline(in, line);)
        EXPECT_NE(line.find(path), std::string::npos) << line;
}

TEST_F(ScoreFileTest, FirstRunCreatesTheFolderAndTheDefaultLine)
{
    const std::string path = dir.file("data/vexel/vexel.ini");
    Game g(path);
    EXPECT_EQ(readBytes(path), std::string("\"00000000ZUVO ZUVO \"\r\n")); // 22 bytes
    EXPECT_EQ(g.state.highScores, DefaultTable);
    EXPECT_TRUE(g.diag.str().empty());
    EXPECT_EQ(entries(dir.file("data/vexel")), 1);
}

TEST_F(ScoreFileTest, APresentFileIsReadWithoutBeingRewritten)
{
    const std::string bytes = scoreLine("00120042AAAAABBBBB") + "\"ignored\"\r\nmore\r\n";
    writeBytes(scoresPath(), bytes);
    const auto past = fs::last_write_time(scoresPath()) - std::chrono::hours(24);
    fs::last_write_time(scoresPath(), past);
    Game& g = start();
    EXPECT_EQ(g.state.highScores, "00120042AAAAABBBBB");
    g.host.clickHighScores();
    EXPECT_EQ(g.host.dialogs().back().text,
              "The high scores are:\n\n4-Way: 0042 by BBBBB\n2-Way: 0012 by AAAAA");
    EXPECT_EQ(readBytes(scoresPath()), bytes);
    EXPECT_EQ(fs::last_write_time(scoresPath()), past);
    // Only the first line survives the next game over.
    g.host.queueAnswer("Eve");
    g.state.score = 50;
    loseGame(g);
    EXPECT_EQ(readBytes(scoresPath()), scoreLine("00120050AAAAAEve  "));
}

TEST_F(ScoreFileTest, OddAndDamagedFilesLoadWithoutHarm)
{
    const std::string huge(100000, 'A');
    const std::pair<std::string, std::optional<std::string>> cases[] = {
        // The bytes, and the table read from them; none: the default table.
        {"", {}},
        {"x", {}},
        {"\"\r\n", {}},
        {"\r\n\"00120042AAAAABBBBB\"\r\n", {}},
        {"00120042AAAAABBBBB\r\n", "0120042AAAAABBBB"}, // no quotes
        {"\"0012\"\r\n", "0012"},
        {"\"00120042AAAAABBBBBCCCCC\"\r\n", "00120042AAAAABBBBBCCCCC"},
        {"\"00120042AAAAABBBBB\"", "00120042AAAAABBBBB"},
        {"\"00120042AAAAABBBBB\"\rrest", "00120042AAAAABBBBB"},
        {"\"\xff\xfe\x80"
         "00000ZUVO ZUVO \xc3\"\r\n",
         "\xff\xfe\x80"
         "00000ZUVO ZUVO \xc3"},
        {std::string("\"0000\0\0\0\0ZUVO ZUVO \"\r\n", 22), std::string("0000\0\0\0\0ZUVO ZUVO ", 18)},
        {huge, huge.substr(0, 18)}, // checked apart
    };
    for (const auto& [bytes, table] : cases) {
        writeBytes(scoresPath(), bytes);
        Game& g = start();
        if (bytes == huge) {
            // Read only up to the bound, and only the letters that are there.
            EXPECT_LE(g.state.highScores.size(), scores::MaxLineBytes);
            EXPECT_EQ(g.state.highScores.substr(0, 18), *table);
            EXPECT_EQ(g.state.highScores.find_first_not_of('A'), std::string::npos);
        } else {
            EXPECT_EQ(g.state.highScores, table.value_or(DefaultTable)) << bytes;
        }
        EXPECT_EQ(readBytes(scoresPath()), bytes);
        // Whatever the table, the display shows four fields of fixed width,
        // with spaces for the characters past the end of a short line.
        g.host.clickHighScores();
        const std::string text = g.host.dialogs().back().text;
        EXPECT_EQ(text.rfind("The high scores are:\n\n4-Way: ", 0), 0U) << bytes;
        EXPECT_EQ(text.size(), 63U) << bytes;
    }
    // A record mends the short table field by field.
    writeBytes(scoresPath(), "\"0012\"\r\n");
    Game& g = start();
    g.host.queueAnswer("Ann");
    g.state.score = 1;
    loseGame(g);
    EXPECT_EQ(readBytes(scoresPath()), scoreLine("00120001     Ann  "));
}

TEST_F(ScoreFileTest, ADirectoryOrAFifoAtThePathIsLeftAlone)
{
    for (bool fifo : {false, true}) {
        TempDir here;
        const std::string path = here.file("vexel.ini");
        if (fifo) {
            ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
        } else {
            fs::create_directory(path);
            writeBytes(path + "/inside", "keep");
        }
        Game g(path); // a FIFO must not hang start-up
        EXPECT_EQ(g.state.highScores, DefaultTable);
        expectLinesName(g.diag.str(), path, 1);
        EXPECT_TRUE(fifo ? fs::is_fifo(path) : fs::is_directory(path));
        if (fifo)
            continue;
        // The game goes on; the save at its end fails, and so does the read
        // of the game that follows, and neither leaves anything behind.
        g.state.score = 2;
        loseGame(g);
        EXPECT_EQ(g.host.caption(), StartupCaption);
        EXPECT_EQ(readBytes(path + "/inside"), "keep");
        EXPECT_EQ(entries(here.path), 1);
        expectLinesName(g.diag.str(), path, 3);
    }
}

TEST_F(ScoreFileTest, AFailedSaveLeavesTheOldFileAndTheGameGoesOn)
{
    const std::string old = scoreLine("00120042AAAAABBBBB") + "tail\r\n";
    // Each case makes the save fail: a parent that is a regular file, which
    // no one, root included, can create a file in; a name so long that no
    // temporary name fits beside it; a read-only folder, which root ignores.
    for (int kind = 0; kind < 3; ++kind) {
        if (kind == 2 && ::geteuid() == 0)
            continue;
        TempDir here;
        const std::string oldPath = here.file(kind == 0   ? "notafolder"
                                              : kind == 1 ? std::string(250, 'v')
                                                          : "v.ini");
        const std::string path = kind == 0 ? oldPath + "/vexel.ini" : oldPath;
        writeBytes(oldPath, old);
        if (kind == 2)
            fs::permissions(here.path, fs::perms::owner_read | fs::perms::owner_exec);
        Game g(path);
        g.host.queueAnswer("Dee");
        g.state.score = 9000;
        loseGame(g);
        EXPECT_EQ(readBytes(oldPath), old) << kind;
        // Without a folder the file counts as missing, and every start-up
        // tries to write it too.
        expectLinesName(g.diag.str(), path, kind == 0 ? 3 : 1);
        EXPECT_EQ(entries(here.path), 1) << kind;
        EXPECT_EQ(g.state.highScores, kind == 0 ? DefaultTable : "00120042AAAAABBBBB") << kind;
        g.resume();
        EXPECT_EQ(g.run(3), 3);
    }
}

TEST(ScoresPath, FollowsXdgDataHomeOrFallsBackToHome)
{
    auto get = [](const char* name) {
        const char* value = std::getenv(name);
        return value ? std::optional<std::string>(value) : std::nullopt;
    };
    auto set = [](const char* name, const std::optional<std::string>& value) {
        value ? ::setenv(name, value->c_str(), 1) : ::unsetenv(name);
    };
    const std::optional<std::string> savedDataHome = get("XDG_DATA_HOME"), savedHome = get("HOME");
    const std::string fallback = "/home/tester/.local/share/vexel/vexel.ini";
    const std::pair<std::optional<std::string>, std::string> cases[] = {
        {"/srv/data", "/srv/data/vexel/vexel.ini"},
        {"/srv/data/", "/srv/data/vexel/vexel.ini"},
        {"", fallback},
        {"relative/data", fallback},
        {std::nullopt, fallback},
    };
    set("HOME", "/home/tester");
    for (const auto& [dataHome, expected] : cases) {
        set("XDG_DATA_HOME", dataHome);
        EXPECT_EQ(scores::defaultScoresPath(), expected) << dataHome.value_or("(unset)");
    }
    set("XDG_DATA_HOME", savedDataHome);
    set("HOME", savedHome);
}

} // namespace
} // namespace vexel::test
