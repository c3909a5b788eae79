// The records file on disk, with real files and real processes: the first
// run creates its folder, a huge file is read only up to its bound, what
// cannot be read is never written over, links are followed and modes kept,
// two games share one file without losing a record, failed saves keep the
// old file and the new record, and where the file lives.

#include "child_process.h"
#include "game_fixture.h"

#include "scores/atomic_file.h"
#include "scores/default_path.h"
#include "scores/score_file.h"
#include "scores/score_format.h"

#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstring>
#include <map>
#include <optional>
#include <thread>

namespace vexel::test {
namespace {

using testsupport::ChildResult;
using testsupport::Conversation;
using testsupport::readLine;
using testsupport::report;
using testsupport::runInChild;

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

long lines(const std::string& text)
{
    return std::count(text.begin(), text.end(), '\n');
}

// Ends the running game with a score, typing name if asked for one, and
// says what the player saw: "prompt,display,warning" and the like.
std::string lose(Game& g, int score, const std::string& name = {})
{
    const std::size_t first = g.host.dialogs().size();
    if (!name.empty())
        g.host.queueAnswer(name);
    g.state.score = score;
    g.form.Lost();
    std::string seen;
    for (std::size_t i = first; i < g.host.dialogs().size(); ++i) {
        const HeadlessHost::Dialog& d = g.host.dialogs()[i];
        seen += std::string(seen.empty() ? "" : ",") + (d.kind == HeadlessHost::Dialog::Kind::Input ? "prompt"
                                                        : d.icon == MessageIcon::Warning     ? "warning"
                                                        : d.icon == MessageIcon::Information ? "display"
                                                                                             : "lost");
    }
    return seen;
}

// What stands at a path, in one line: inode, type and mode, owner, and the
// bytes of a file or where a link points.
std::string snapshot(const std::string& path)
{
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0)
        return "missing";
    std::string text = std::to_string(info.st_ino) + " " + std::to_string(info.st_mode) + " " +
                       std::to_string(info.st_uid) + ":" + std::to_string(info.st_gid);
    if (S_ISLNK(info.st_mode))
        text += " -> " + fs::read_symlink(path).string();
    if (S_ISREG(info.st_mode))
        text += " " + readBytes(path);
    return text;
}

TEST(ScoreFileTest, FirstRunCreatesTheFolderAndTheDefaultLine)
{
    ScratchFolder dir;
    const std::string path = dir.file("data/vexel/vexel.ini");
    FileGame f(path);
    EXPECT_EQ(readBytes(path), std::string("\"00000000ZUVO ZUVO \"\r\n")); // 22 bytes
    EXPECT_EQ(f.game.state.highScores, DefaultTable);
    EXPECT_TRUE(f.game.diag.str().empty());
    EXPECT_EQ(entries(dir.file("data/vexel")), (std::vector<std::string>{".vexel.ini.lock", "vexel.ini"}));
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

void makeSocket(const std::string& path)
{
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, path.c_str(), sizeof address.sun_path - 1);
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_GE(fd, 0);
    EXPECT_EQ(::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
    ::close(fd);
}

TEST(ScoreFileTest, WhatCannotBeReadIsNeverWrittenOver)
{
    // In a folder that anyone may write, played by an ordinary player:
    // nothing but the game's own care keeps these paths as they are.
    ScratchFolder dir;
    fs::permissions(dir.path(), fs::perms::all);
    const std::string notRegular = "not a regular file but a ";
    const std::string noTarget = "a symbolic link to a file that does not exist";
    std::vector<std::pair<std::string, std::string>> cases = {
        {"folder", notRegular + "folder"},
        {"fifo", notRegular + "named pipe"},
        {"socket", notRegular + "socket"},
        {"loop", std::strerror(ELOOP)},
        {"dangling", noTarget},
        {"into-missing-folder", noTarget},
        {"private", std::strerror(EACCES)},
    };
    fs::create_directory(dir.file("folder"));
    writeBytes(dir.file("folder/inside"), "keep");
    ASSERT_EQ(::mkfifo(dir.file("fifo").c_str(), 0666), 0);
    makeSocket(dir.file("socket"));
    fs::create_symlink("loop-back", dir.file("loop"));
    fs::create_symlink("loop", dir.file("loop-back"));
    fs::create_symlink("gone.ini", dir.file("dangling"));
    fs::create_symlink("nowhere/vexel.ini", dir.file("into-missing-folder"));
    writeBytes(dir.file("private"), scoreLine("00120042AAAAABBBBB"));
    fs::permissions(dir.file("private"), fs::perms::none);
    // Only root makes device nodes; the game once replaced one as root.
    if (::mknod(dir.file("device").c_str(), S_IFCHR | 0666, ::makedev(1, 3)) == 0)
        cases.emplace_back("device", notRegular + "device");
    else
        std::cout << "[ note ] no device node case: mknod: " << std::strerror(errno) << "\n";

    std::map<std::string, std::string> before;
    for (const std::string& name : entries(dir.path()))
        before[name] = snapshot(dir.file(name));

    const ChildResult child = runInChild([&](int fd) {
        if (::geteuid() == 0 && !testsupport::dropPrivileges())
            return 77;
        for (const auto& [name, reason] : cases) {
            FileGame f(dir.file(name));
            const std::string first = lose(f.game, 5, "Eve");
            const std::string second = lose(f.game, 1);
            const std::string warning = f.game.host.dialogs()[2].text;
            const bool oneLine =
                f.game.diag.str() == "vexel: cannot read the high scores from " + dir.file(name) + ": " +
                                         reason + "; it is left alone and no scores are saved there\n";
            report(fd, name + ": " + first + ";" + second + ", " + (oneLine ? "1 line" : f.game.diag.str()) +
                           ", " + f.game.state.highScores + ", " +
                           (warning == "The high scores cannot be kept.\n\n" + dir.file(name) +
                                           " cannot be read: " + reason +
                                           ".\nThe game leaves it as it is and saves no scores there."
                                ? "told why"
                                : warning) +
                           "\n");
        }
        return 0;
    });
    if (child.exited && child.status == 77)
        GTEST_SKIP() << "cannot give up root here";
    ASSERT_TRUE(child.exited && child.status == 0) << child.status;
    std::string expected;
    for (const auto& [name, reason] : cases)
        expected += name + ": prompt,display,warning;lost, 1 line, 00000005ZUVO Eve  , told why\n";
    EXPECT_EQ(child.message, expected);
    for (const auto& [name, was] : before)
        EXPECT_EQ(snapshot(dir.file(name)), was) << name;
    EXPECT_EQ(entries(dir.path()).size(), before.size());
    EXPECT_EQ(readBytes(dir.file("folder/inside")), "keep");
}

TEST(ScoreFileTest, ALinkIsFollowedAndTheFileKeepsItsModeAndOwner)
{
    ScratchFolder dir;
    fs::create_directories(dir.path() / "real");
    fs::create_directories(dir.path() / "play");
    const std::string target = dir.file("real/vexel.ini");
    writeBytes(target, scoreLine("00120042AAAAABBBBB"));
    fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write);
    // As root the file may belong to someone else, and must go on doing so.
    const bool root = ::geteuid() == 0;
    if (root) {
        ASSERT_EQ(::chown(target.c_str(), 65534, 65534), 0);
    }
    fs::create_symlink("../real/vexel.ini", dir.path() / "play" / "hop");
    fs::create_symlink("hop", dir.path() / "play" / "vexel.ini");

    FileGame f(dir.file("play/vexel.ini"));
    EXPECT_EQ(lose(f.game, 50, "Eve"), "prompt,display");
    EXPECT_EQ(fs::read_symlink(dir.path() / "play" / "vexel.ini"), "hop");
    EXPECT_EQ(readBytes(target), scoreLine("00120050AAAAAEve  "));
    struct stat info {};
    ASSERT_EQ(::stat(target.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0600U);
    if (root) {
        EXPECT_EQ(std::make_pair(info.st_uid, info.st_gid), std::make_pair(uid_t{65534}, gid_t{65534}));
    }
    EXPECT_EQ(entries(dir.path() / "play"), (std::vector<std::string>{"hop", "vexel.ini"}));
    EXPECT_EQ(entries(dir.path() / "real"), (std::vector<std::string>{".vexel.ini.lock", "vexel.ini"}));

    // A file that its owner may not write is not replaced, root or not.
    fs::permissions(target, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    const std::string was = snapshot(target);
    EXPECT_EQ(lose(f.game, 60, "Fay"), "prompt,display,warning");
    EXPECT_EQ(snapshot(target), was);
    EXPECT_EQ(f.game.diag.str(), "vexel: cannot save the high scores to " + dir.file("play/vexel.ini") +
                                     ": file not writable: " + std::strerror(EACCES) + "\n");
}

// One copy of the game in a process of its own, losing games on command:
// "SCORE MODE NAME" (mode 2 or 4, name - for none) answers with what the
// player saw and the table the game then holds.
int playOnCommand(const std::string& path, int commands, int reports)
{
    FileGame f(path);
    Game& g = f.game;
    report(reports, "ready " + g.state.highScores + "\n");
    for (std::string line; !(line = readLine(commands)).empty();) {
        std::istringstream in(line);
        int score = 0;
        int mode = 4;
        std::string name;
        in >> score >> mode >> name;
        if ((mode == 2) != (g.state.twoWay != 0))
            g.host.clickMenu(MenuItem::TwoWay);
        const std::string seen = lose(g, score, name == "-" ? "" : name);
        report(reports, seen + " " + g.state.highScores + "\n");
    }
    return 0;
}

TEST(ScoreFileTest, TwoGamesOnOneFileLoseNoRecord)
{
    ScratchFolder dir;
    const std::string path = dir.file("vexel.ini");
    Conversation a([&](int commands, int reports) { return playOnCommand(path, commands, reports); });
    ASSERT_EQ(a.receive(), "ready 00000000ZUVO ZUVO ");
    Conversation b([&](int commands, int reports) { return playOnCommand(path, commands, reports); });
    ASSERT_EQ(b.receive(), "ready 00000000ZUVO ZUVO ");

    EXPECT_EQ(a.ask("12 4 Ann"), "prompt,display 00000012ZUVO Ann  ");
    // Beaten already by the other copy: no name is asked for.
    EXPECT_EQ(b.ask("5 4 -"), "lost 00000012ZUVO Ann  ");
    EXPECT_EQ(b.ask("15 4 Cy"), "prompt,display 00000015ZUVO Cy   ");
    EXPECT_EQ(a.ask("7 2 Bob"), "prompt,display 00070015Bob  Cy   ");
    EXPECT_EQ(b.ask("0 4 -"), "lost 00070015Bob  Cy   ");
    EXPECT_EQ(a.ask("15 4 -"), "lost 00070015Bob  Cy   ");
    EXPECT_EQ(readBytes(path), scoreLine("00070015Bob  Cy   "));

    // A save waits for another one in progress, then merges what that one
    // stored: here the test itself holds the lock and saves a record.
    std::optional<scores::FileDescriptor> lock;
    ASSERT_EQ(scores::lockBeside(path, lock), 0);
    b.send("20 4 Dee");
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    EXPECT_EQ(readBytes(path), scoreLine("00070015Bob  Cy   "));
    writeBytes(path, scoreLine("09990015Zed  Cy   "));
    lock.reset();
    EXPECT_EQ(b.receive(), "prompt,display 09990020Zed  Dee  ");
    EXPECT_EQ(readBytes(path), scoreLine("09990020Zed  Dee  "));
    EXPECT_TRUE(a.finish().exited);
    EXPECT_TRUE(b.finish().exited);
}

// Each kind of path makes the save fail: 0, a parent that is a regular
// file, which no one, root included, can create a file in; 1, a name so long
// that no lock or temporary name fits beside it; 2, a read-only folder.
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
    EXPECT_EQ(lose(g, 9000, "Dee"), "prompt,display,warning");
    EXPECT_EQ(readBytes(oldPath), old);
    // One line, though every save failed: at start-up without a folder, and
    // three times in the game over.
    EXPECT_EQ(lines(g.diag.str()), 1) << g.diag.str();
    EXPECT_NE(g.diag.str().find(path), std::string::npos);
    EXPECT_EQ(count(here.path()), 1);
    // The record lives on in memory for the next game to save.
    EXPECT_EQ(g.state.highScores, kind == 0 ? "00009000ZUVO Dee  " : "00129000AAAAADee  ");
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

TEST(ScoreFileTest, ARecordThatCouldNotBeSavedIsSavedByTheNextGameOver)
{
    ScratchFolder dir;
    const std::string path = dir.file("vexel.ini");
    const std::string old = scoreLine("00120042AAAAABBBBB");
    writeBytes(path, old);
    const ChildResult child = runInChild([&](int fd) {
        // The kernel would end the game at the limit rather than fail the write.
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit{};
        ::getrlimit(RLIMIT_FSIZE, &limit);
        const rlimit full = limit;
        limit.rlim_cur = 0;
        FileGame f(path);
        auto play = [&](int score, const std::string& name) {
            const std::string seen = lose(f.game, score, name);
            return seen + " " + readBytes(path);
        };
        ::setrlimit(RLIMIT_FSIZE, &limit);
        const std::string failed = play(9000, "Dee");
        // The next game measures against the record in memory.
        const std::string again = play(8999, {});
        ::setrlimit(RLIMIT_FSIZE, &full);
        const std::string saved = play(1, {});
        report(fd, failed + "|" + again + "|" + saved + "|" + f.game.diag.str());
        return 0;
    });
    ASSERT_TRUE(child.exited) << "the game died of signal " << child.status;
    EXPECT_EQ(child.message, "prompt,display,warning " + old + "|lost " + old + "|lost " +
                                 scoreLine("00129000AAAAADee  ") + "|vexel: cannot save the high scores to " +
                                 path + ": write: " + std::strerror(EFBIG) + "\n");
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
