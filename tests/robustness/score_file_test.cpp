// The records file on disk: the first run creates its folder, a huge file
// is read only up to its bound, what is not a regular file is left alone,
// failed saves keep the old file, and where the file lives.

#include "game_fixture.h"

#include "scores/default_path.h"
#include "scores/score_file.h"
#include "scores/score_format.h"

#include <sys/stat.h>
#include <unistd.h>

#include <optional>

namespace vexel::test {
namespace {

// A game whose records are the file at path.
struct FileGame {
    explicit FileGame(const std::string& path) : file(path), game(file) {}
    scores::ScoreFile file;
    Game game;
};

long count(const fs::path& folder)
{
    return static_cast<long>(entries(folder).size());
}

// One diagnostic line per failure, each naming the file it is about.
void expectLinesName(const std::string& diag, const std::string& path, long lines)
{
    EXPECT_EQ(std::count(diag.begin(), diag.end(), '\n'), lines) << diag;
    std::istringstream in(diag);
    for (std::string line; std::getline(in, line);)
        EXPECT_NE(line.find(path), std::string::npos) << line;
}

TEST(ScoreFileTest, FirstRunCreatesTheFolderAndTheDefaultLine)
{
    ScratchFolder dir;
    const std::string path = dir.file("data/vexel/vexel.ini");
    FileGame f(path);
    EXPECT_EQ(readBytes(path), std::string("\"00000000ZUVO ZUVO \"\r\n")); // 22 bytes
    EXPECT_EQ(f.game.state.highScores, DefaultTable);
    EXPECT_TRUE(f.game.diag.str().empty());
    EXPECT_EQ(count(dir.file("data/vexel")), 1);
}

TEST(ScoreFileTest, APresentFileIsReadOnlyUpToItsBoundAndNotRewritten)
{
    ScratchFolder dir;
    const std::string path = dir.file("vexel.ini");
    const std::string huge(100000, 'A');
    writeBytes(path, huge);
    const auto past = fs::last_write_time(path) - std::chrono::hours(24);
    fs::last_write_time(path, past);
    FileGame f(path);
    // Read only up to the bound, and only the letters that are there.
    EXPECT_LE(f.game.state.highScores.size(), scores::MaxLineBytes);
    EXPECT_EQ(f.game.state.highScores.substr(0, 18), huge.substr(0, 18));
    EXPECT_EQ(f.game.state.highScores.find_first_not_of('A'), std::string::npos);
    EXPECT_EQ(readBytes(path), huge);
    EXPECT_EQ(fs::last_write_time(path), past);
}

TEST(ScoreFileTest, ADirectoryOrAFifoAtThePathIsLeftAlone)
{
    for (bool fifo : {false, true}) {
        ScratchFolder here;
        const std::string path = here.file("vexel.ini");
        if (fifo) {
            ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
        } else {
            fs::create_directory(path);
            writeBytes(path + "/inside", "keep");
        }
        FileGame f(path); // a FIFO must not hang start-up
        Game& g = f.game;
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
        EXPECT_EQ(count(here.path()), 1);
        expectLinesName(g.diag.str(), path, 3);
    }
}

// Each kind of path makes the save fail: 0, a parent that is a regular
// file, which no one, root included, can create a file in; 1, a name so long
// that no temporary name fits beside it; 2, a read-only folder.
void expectAFailedSaveToKeepTheOldFile(int kind)
{
    SCOPED_TRACE("kind " + std::to_string(kind));
    const std::string old = scoreLine("00120042AAAAABBBBB") + "tail\r\n";
    ScratchFolder here;
    const std::string oldPath = here.file(kind == 0   ? "notafolder"
                                          : kind == 1 ? std::string(250, 'v')
                                                      : "v.ini");
    const std::string path = kind == 0 ? oldPath + "/vexel.ini" : oldPath;
    writeBytes(oldPath, old);
    if (kind == 2)
        fs::permissions(here.path(), fs::perms::owner_read | fs::perms::owner_exec);
    FileGame f(path);
    Game& g = f.game;
    g.host.queueAnswer("Dee");
    g.state.score = 9000;
    loseGame(g);
    EXPECT_EQ(readBytes(oldPath), old);
    // Without a folder the file counts as missing, and every start-up
    // tries to write it too.
    expectLinesName(g.diag.str(), path, kind == 0 ? 3 : 1);
    EXPECT_EQ(count(here.path()), 1);
    EXPECT_EQ(g.state.highScores, kind == 0 ? DefaultTable : "00120042AAAAABBBBB");
    g.resume();
    EXPECT_EQ(g.run(3), 3);
}

TEST(ScoreFileTest, AFailedSaveLeavesTheOldFileAndTheGameGoesOn)
{
    expectAFailedSaveToKeepTheOldFile(0);
    expectAFailedSaveToKeepTheOldFile(1);
}

TEST(ScoreFileTest, ASaveIntoAReadOnlyFolderFailsAndKeepsTheOldFile)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "root writes into read-only folders (the save-fault tests cover this as nobody)";
    expectAFailedSaveToKeepTheOldFile(2);
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
