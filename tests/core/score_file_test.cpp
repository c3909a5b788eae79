// The high-score file: what start-up reads and writes, damaged and
// unusable files, failed saves, and where the file lives.

#include "fixture.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <optional>

namespace vexel::test {
namespace {

using ScoreFileTest = GameTest;

int lineCount(const std::string& text)
{
    return static_cast<int>(std::count(text.begin(), text.end(), '\n'));
}

// Files in the folder whose names start with the scores file's name and a
// dot: what an interrupted save would leave behind.
std::vector<std::string> leftovers(const fs::path& folder, const std::string& name)
{
    std::vector<std::string> found;
    for (const auto& entry : fs::directory_iterator(folder)) {
        const std::string file = entry.path().filename().string();
        if (file.rfind(name + ".", 0) == 0)
            found.push_back(file);
    }
    return found;
}

// Every diagnostic line names the file it is about.
void expectLinesName(const std::string& diag, const std::string& path, int lines)
{
    EXPECT_EQ(lineCount(diag), lines) << diag;
    std::istringstream in(diag);
    for (std::string line; std::getline(in, line);)
        EXPECT_NE(line.find(path), std::string::npos) << line;
}

// Loses a game with a score that beats the default table, so that Lost
// tries to save a changed table.
void loseWithRecord(Game& g, int score)
{
    g.state.score = score;
    g.moveTo(0, 3);
    g.fire({14});
    g.run(8);
}

TEST_F(ScoreFileTest, FirstRunWritesTheDefaultLine)
{
    Game& g = start();
    const std::string bytes = readBytes(scoresPath());
    EXPECT_EQ(bytes, std::string("\"00000000ZUVO ZUVO \"\r\n"));
    EXPECT_EQ(bytes.size(), 22U);
    EXPECT_EQ(g.state.highScores, DefaultTable);
    EXPECT_TRUE(g.diag.str().empty());
    EXPECT_TRUE(leftovers(dir.path(), "vexel.ini").empty());
}

TEST_F(ScoreFileTest, AMissingFolderIsCreated)
{
    const std::string path = dir.file("data/vexel/vexel.ini");
    Game g(path);
    g.start();
    EXPECT_EQ(readBytes(path), scoreLine(DefaultTable));
    EXPECT_TRUE(g.diag.str().empty());
}

TEST_F(ScoreFileTest, APresentFileIsReadWithoutBeingRewritten)
{
    const std::string bytes = scoreLine("00120042AAAAABBBBB") + "\"ignored\"\r\nmore\r\n";
    writeBytes(scoresPath(), bytes);
    const timespec past[2] = {{1000000000, 0}, {1000000000, 0}};
    ASSERT_EQ(::utimensat(AT_FDCWD, scoresPath().c_str(), past, 0), 0);
    struct stat before {};
    ASSERT_EQ(::stat(scoresPath().c_str(), &before), 0);

    for (int run = 0; run < 2; ++run) {
        Game& g = start();
        EXPECT_EQ(g.state.highScores, "00120042AAAAABBBBB");
        g.host.clickHighScores();
        EXPECT_EQ(g.host.dialogs().back().text,
                  "The high scores are:\n\n4-Way: 0042 by BBBBB\n2-Way: 0012 by AAAAA");
    }
    struct stat after {};
    ASSERT_EQ(::stat(scoresPath().c_str(), &after), 0);
    EXPECT_EQ(readBytes(scoresPath()), bytes);
    EXPECT_EQ(after.st_mtim.tv_sec, before.st_mtim.tv_sec);
    EXPECT_EQ(after.st_ino, before.st_ino);
}

TEST_F(ScoreFileTest, OddAndDamagedFilesLoadWithoutHarm)
{
    const std::string huge(100000, 'A');
    const struct {
        const char* what;
        std::string bytes;
        std::optional<std::string> table; // none: the default table is used
    } cases[] = {
        {"empty", "", {}},
        {"one character", "x", {}},
        {"one character line", "\"\r\n", {}},
        {"empty first line", "\r\n\"00120042AAAAABBBBB\"\r\n", {}},
        {"no quotes", "00120042AAAAABBBBB\r\n", "0120042AAAAABBBB"},
        {"short line", "\"0012\"\r\n", "0012"},
        {"long line", "\"00120042AAAAABBBBBCCCCC\"\r\n", "00120042AAAAABBBBBCCCCC"},
        {"no line end", "\"00120042AAAAABBBBB\"", "00120042AAAAABBBBB"},
        {"bare CR", "\"00120042AAAAABBBBB\"\rrest", "00120042AAAAABBBBB"},
        {"bare LF", "\"00120042AAAAABBBBB\"\nrest", "00120042AAAAABBBBB"},
        {"invalid UTF-8",
         "\"\xff\xfe\x80"
         "00000ZUVO ZUVO \xc3\"\r\n",
         "\xff\xfe\x80"
         "00000ZUVO ZUVO \xc3"},
        {"NUL bytes", std::string("\"0000\0\0\0\0ZUVO ZUVO \"\r\n", 24),
         std::string("0000\0\0\0\0ZUVO ZUVO ", 18)},
        {"huge line", huge, {}},
    };
    for (const auto& c : cases) {
        writeBytes(scoresPath(), c.bytes);
        Game& g = start();
        if (std::string(c.what) == "huge line") {
            // Read only up to the bound, and only the letters that are there.
            EXPECT_LE(g.state.highScores.size(), scores::MaxLineBytes);
            EXPECT_GE(g.state.highScores.size(), 18U);
            EXPECT_EQ(g.state.highScores.find_first_not_of('A'), std::string::npos);
        } else {
            EXPECT_EQ(g.state.highScores, c.table.value_or(DefaultTable)) << c.what;
        }
        EXPECT_EQ(readBytes(scoresPath()), c.bytes) << c.what;

        // Whatever the table, the display shows four fields of fixed width.
        g.host.clickHighScores();
        const std::string text = g.host.dialogs().back().text;
        EXPECT_EQ(text.rfind("The high scores are:\n\n4-Way: ", 0), 0U) << c.what;
        EXPECT_NE(text.find("\n2-Way: "), std::string::npos) << c.what;
        EXPECT_EQ(text.size(), 63U) << c.what;
    }
}

TEST_F(ScoreFileTest, AShortTableIsMendedByTheNextRecord)
{
    writeBytes(scoresPath(), "\"0012\"\r\n");
    Game& g = start();
    g.host.clickHighScores();
    // Fields past the end of the line read as spaces.
    EXPECT_EQ(g.host.dialogs().back().text.substr(0, 33), "The high scores are:\n\n4-Way:     ");
    g.host.queueAnswer("Ann");
    loseWithRecord(g, 1);
    EXPECT_EQ(g.state.highScores, "00120001     Ann  ");
    EXPECT_EQ(readBytes(scoresPath()), scoreLine("00120001     Ann  "));
}

TEST_F(ScoreFileTest, ADirectoryAtThePathIsLeftAlone)
{
    fs::create_directory(scoresPath());
    writeBytes(scoresPath() + "/inside", "keep");
    Game& g = start();
    EXPECT_EQ(g.state.highScores, DefaultTable);
    expectLinesName(g.diag.str(), scoresPath(), 1);

    // The game goes on; the save at its end fails and leaves nothing behind.
    loseWithRecord(g, 2);
    EXPECT_EQ(g.host.reloads(), 1);
    EXPECT_EQ(g.host.caption(), StartupCaption);
    EXPECT_TRUE(fs::is_directory(scoresPath()));
    EXPECT_EQ(readBytes(scoresPath() + "/inside"), "keep");
    EXPECT_TRUE(leftovers(dir.path(), "vexel.ini").empty());
    // The failed save, and the failed read of the game that follows.
    expectLinesName(g.diag.str(), scoresPath(), 3);
    EXPECT_EQ(g.state.highScores, DefaultTable);
}

TEST_F(ScoreFileTest, AFifoAtThePathDoesNotHangStartUp)
{
    ASSERT_EQ(::mkfifo(scoresPath().c_str(), 0600), 0);
    Game& g = start();
    EXPECT_EQ(g.state.highScores, DefaultTable);
    expectLinesName(g.diag.str(), scoresPath(), 1);
    struct stat info {};
    ASSERT_EQ(::stat(scoresPath().c_str(), &info), 0);
    EXPECT_TRUE(S_ISFIFO(info.st_mode));
}

TEST_F(ScoreFileTest, ASaveIntoARegularFileFailsAndTheGameGoesOn)
{
    // The parent of the path is a file, which no one, root included, can
    // create a file in.
    writeBytes(dir.file("notafolder"), "plain");
    const std::string path = dir.file("notafolder/vexel.ini");
    Game g(path);
    g.start();
    EXPECT_EQ(g.state.highScores, DefaultTable);
    expectLinesName(g.diag.str(), path, 1);
    g.host.queueAnswer("Cy");
    loseWithRecord(g, 3);
    EXPECT_EQ(g.host.reloads(), 1);
    EXPECT_EQ(readBytes(dir.file("notafolder")), "plain");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 1);
    g.resume();
    EXPECT_EQ(g.run(3), 3);
}

TEST_F(ScoreFileTest, AFailedSaveLeavesTheOldFileByteForByte)
{
    // A name so long that no temporary name can be made beside it: the save
    // fails before anything is written, even for root.
    const std::string name(250, 'v');
    const std::string path = dir.file(name);
    const std::string old = scoreLine("00120042AAAAABBBBB") + "tail\r\n";
    writeBytes(path, old);
    Game g(path);
    g.start();
    EXPECT_EQ(g.state.highScores, "00120042AAAAABBBBB");
    EXPECT_TRUE(g.diag.str().empty());
    g.host.queueAnswer("Dee");
    loseWithRecord(g, 50);
    EXPECT_EQ(g.host.dialogs().size(), 2U);
    EXPECT_EQ(readBytes(path), old);
    expectLinesName(g.diag.str(), path, 1);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 1);
    // The next game reads the table that the file still holds.
    EXPECT_EQ(g.state.highScores, "00120042AAAAABBBBB");
}

TEST_F(ScoreFileTest, AReadOnlyFolderKeepsTheOldFile)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "root writes into read-only folders";
    const std::string old = scoreLine("00120042AAAAABBBBB");
    writeBytes(scoresPath(), old);
    fs::permissions(dir.path(), fs::perms::owner_read | fs::perms::owner_exec);
    Game& g = start();
    loseWithRecord(g, 50);
    EXPECT_EQ(readBytes(scoresPath()), old);
    expectLinesName(g.diag.str(), scoresPath(), 1);
    EXPECT_TRUE(leftovers(dir.path(), "vexel.ini").empty());
}

void setVariable(const char* name, const std::optional<std::string>& value)
{
    if (value)
        ::setenv(name, value->c_str(), 1);
    else
        ::unsetenv(name);
}

// Puts the variables the scores path depends on back as they were.
class SavedEnvironment {
public:
    SavedEnvironment()
    {
        for (auto& [name, value] : saved_) {
            if (const char* now = std::getenv(name))
                value = now;
        }
    }
    ~SavedEnvironment()
    {
        for (const auto& [name, value] : saved_)
            setVariable(name, value);
    }

private:
    std::pair<const char*, std::optional<std::string>> saved_[2] = {{"XDG_DATA_HOME", {}}, {"HOME", {}}};
};

TEST(ScoresPath, FollowsXdgDataHomeOrFallsBackToHome)
{
    const std::optional<std::string> unset;
    const struct {
        std::optional<std::string> dataHome;
        const char* expected;
    } cases[] = {
        {"/srv/data", "/srv/data/vexel/vexel.ini"},
        {"/srv/data/", "/srv/data/vexel/vexel.ini"},
        {"", "/home/tester/.local/share/vexel/vexel.ini"},
        {"relative/data", "/home/tester/.local/share/vexel/vexel.ini"},
        {unset, "/home/tester/.local/share/vexel/vexel.ini"},
    };
    const char* before = std::getenv("XDG_DATA_HOME");
    const std::string beforeText = before ? before : "(unset)";
    {
        SavedEnvironment saved;
        setVariable("HOME", "/home/tester");
        for (const auto& c : cases) {
            setVariable("XDG_DATA_HOME", c.dataHome);
            EXPECT_EQ(scores::defaultScoresPath(), c.expected) << c.dataHome.value_or("(unset)");
        }
    }
    const char* after = std::getenv("XDG_DATA_HOME");
    EXPECT_EQ(after ? std::string(after) : "(unset)", beforeText);
}

} // namespace
} // namespace vexel::test
