// What stands at the history's path is not a history this game may write:
// the player is told once, in a box and on standard error, the game and its
// records go on, and the file stays byte for byte.

#include "child_process.h"
#include "history_support.h"
#include "scratch_folder.h"

#include "headless/headless_host.h"
#include "history/history_command.h"
#include "history/history_store.h"
#include "history/keeper.h"
#include "replay/replay_format.h"
#include "ui/game_over_warnings.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstring>
#include <filesystem>
#include <functional>
#include <sstream>
#include <sys/resource.h>
#include <unistd.h>

namespace vexel::testsupport {
namespace {

namespace fs = std::filesystem;

// A history of `games` games, closed so that the file holds all of them.
void makeHistory(const std::string& path, int games)
{
    history::HistoryStore store(path, {});
    for (int i = 0; i < games; ++i) {
        const replay::Replay game = sampleGame(i, i % 3 == 0, 3000);
        ASSERT_EQ(store.add(sampleRecord(game, false, i), replay::writeReplay(game)), std::nullopt);
    }
}

// Two games lost into the history at path; what the player was shown and
// what went to standard error.
std::string keepTwoGames(const std::string& path)
{
    HeadlessHost host;
    std::ostringstream diagnostics;
    history::HistoryStore store(path, {});
    GameOverWarnings warnings;
    history::Keeper keeper(store, warnings, diagnostics, [] { return std::int64_t{1'700'000'000}; });
    for (const int score : {5, 6}) {
        keeper.keep(sampleGame(score, false, 500), false);
        warnings.show(host);
    }
    std::string told;
    for (const HeadlessHost::Dialog& dialog : host.dialogs())
        told += dialog.title + (dialog.icon == MessageIcon::Warning ? " (!): " : ": ") + dialog.text + "\n";
    return told + "stderr: " + diagnostics.str();
}

std::string toldAbout(const std::string& path, const std::string& reason)
{
    const std::string sentence = path + " " + reason;
    return "Vexel (!): This game could not be added to the history.\n\n" + sentence +
           "\nThe game goes on and the high scores are kept; the history file is left as it is.\n"
           "stderr: vexel: this game is not added to the history: " +
           sentence + "\n";
}

void overwrite(const std::string& path, std::size_t offset, const std::string& bytes)
{
    writeBytes(path, readBytes(path).replace(offset, bytes.size(), bytes));
}

std::string bytesAt(const std::string& path)
{
    return fs::is_regular_file(path) ? readBytes(path) : "(no file)";
}

TEST(HistoryFaults, WhatIsNotAWritableHistoryIsToldOnceAndLeftByteForByte)
{
    struct Case {
        const char* what;
        std::function<void(const std::string& path)> put;
        const char* reason;
        // The game's own history, damaged inside: opened to be checked.
        bool opened = false;
        // Damage `--history` never reads: it lists the history as it is.
        bool listed = false;
    };
    const Case cases[] = {
        {"a text file", [](const std::string& p) { writeBytes(p, "my notes\n"); },
         "is not a history of this game."},
        {"an empty file", [](const std::string& p) { writeBytes(p, ""); }, "is not a history of this game."},
        {"another program's database",
         [](const std::string& p) {
             querySql(p, "PRAGMA journal_mode = WAL; CREATE TABLE notes (x); INSERT INTO notes VALUES (1)");
         },
         "is not a history of this game."},
        {"a history with its header wiped",
         [](const std::string& p) {
             makeHistory(p, 3);
             overwrite(p, 0, std::string(100, '\0'));
         },
         "is not a history of this game."},
        {"a history cut short",
         [](const std::string& p) {
             makeHistory(p, 40);
             fs::resize_file(p, fs::file_size(p) / 2 / 4096 * 4096);
         },
         "is damaged: it is shorter than its pages."},
        {"a history cut in a page",
         [](const std::string& p) {
             makeHistory(p, 3);
             fs::resize_file(p, fs::file_size(p) - 1000);
         },
         "is damaged: its size does not fit its pages."},
        {"a history with a page overwritten",
         [](const std::string& p) {
             makeHistory(p, 40);
             overwrite(p, 5 * 4096, std::string(4096, '\xA5'));
         },
         "is damaged.", true},
        {"a history with a replay's page overwritten",
         [](const std::string& p) {
             makeHistory(p, 40);
             const int page = std::stoi(querySql(p, "SELECT max(pageno) FROM dbstat WHERE name = 'replays'"));
             overwrite(p, (page - 1) * 4096U, std::string(4096, '\xA5'));
         },
         "is damaged.", true, true},
        {"a newer version's history",
         [](const std::string& p) {
             makeHistory(p, 3);
             querySql(p, "PRAGMA user_version = 7");
         },
         "was written by a newer version of the game."},
        {"a link to nothing", [](const std::string& p) { fs::create_symlink("elsewhere.sqlite", p); },
         "cannot be read: a link to nothing."},
        {"a folder", [](const std::string& p) { fs::create_directory(p); },
         "cannot be read: not a regular file."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ScratchFolder dir;
        const std::string path = dir.file("history.sqlite");
        c.put(path);
        const std::string before = bytesAt(path);
        std::vector<std::string> files = entries(dir.path());
        if (c.opened)
            files.insert(files.end(), {"history.sqlite-shm", "history.sqlite-wal"});

        EXPECT_EQ(keepTwoGames(path), toldAbout(path, c.reason));
        EXPECT_TRUE(bytesAt(path) == before) << "the file changed";
        // No log, index or journal beside it: SQLite never wrote there.
        EXPECT_EQ(entries(dir.path()), files);
        // Reading it fails as well, and leaves it as it is. Opening looks
        // at the header and the layout alone; damage inside is met by the
        // read that touches it.
        history::HistoryStore reader(path, {});
        EXPECT_EQ(reader.open().has_value(), !c.opened);
        reader.close();
        std::ostringstream listing, errors;
        EXPECT_EQ(history::printHistory(path, {}, listing, errors), c.listed ? 0 : 1) << errors.str();
        EXPECT_EQ(listing.str().empty(), !c.listed);
        // SQLite's own words may follow where a read met the damage.
        const std::string reason(c.reason, std::strlen(c.reason) - 1);
        if (!c.listed) {
            EXPECT_NE(errors.str().find(path + " " + reason), std::string::npos) << errors.str();
        }
        // Watching the game whose replay lies in the damage is refused for it.
        if (c.listed) {
            std::string refused;
            for (int id = 1; id <= 40; ++id)
                refused += history::loadGameOrFile("game:" + std::to_string(id), {}, path).error;
            EXPECT_NE(refused.find(path + " " + reason), std::string::npos) << refused;
        }
        EXPECT_TRUE(bytesAt(path) == before) << "the file changed";
    }
}

TEST(HistoryFaults, AReadOnlyHistoryAndAFullDiskCostNoGame)
{
    ScratchFolder dir;
    fs::permissions(dir.path(), fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                                    fs::perms::others_read | fs::perms::others_exec);
    const std::string path = dir.file("history.sqlite");
    makeHistory(path, 5);
    const std::string before = readBytes(path);

    // A file-size limit below one page of the log beside the history.
    const ChildResult full = runInChild([&](int fd) {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlim_t limit = 4096;
        const rlimit cap{limit, limit};
        if (::setrlimit(RLIMIT_FSIZE, &cap) != 0)
            return 3;
        report(fd, keepTwoGames(path));
        return 0;
    });
    ASSERT_TRUE(full.exited && full.status == 0) << full.status;
    EXPECT_EQ(full.message.rfind("Vexel (!): This game could not be added to the history.\n\n" + path +
                                     " could not be written: ",
                                 0),
              0U)
        << full.message;
    // Once: the second game over met the same fault and said nothing more.
    EXPECT_EQ(full.message.find("This game", 20), std::string::npos) << full.message;
    EXPECT_TRUE(readBytes(path) == before) << "the file changed";
    EXPECT_EQ(querySql(path, "SELECT count(*) FROM games"), "5");

    fs::permissions(path, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    const ChildResult readOnly = runInChild([&](int fd) {
        if (::geteuid() == 0 && !dropPrivileges())
            return 77;
        // It can still be read, though SQLite may make nothing beside it.
        history::HistoryStore reader(path, {});
        const bool read = !reader.open() && reader.games().size() == 5;
        report(fd, keepTwoGames(path) + (read ? "read" : "not read"));
        return 0;
    });
    if (readOnly.exited && readOnly.status == 77)
        GTEST_SKIP() << "cannot give up root here";
    ASSERT_TRUE(readOnly.exited && readOnly.status == 0);
    EXPECT_EQ(readOnly.message, toldAbout(path, "may not be written.") + "read");
    EXPECT_TRUE(readBytes(path) == before) << "the file changed";
}

TEST(HistoryFaults, AFileWrittenOverWhileTheGameRunsIsLeftAsItIs)
{
    ScratchFolder dir;
    const std::string path = dir.file("history.sqlite");
    HeadlessHost host;
    std::ostringstream diagnostics;
    history::HistoryStore store(path, {});
    GameOverWarnings warnings;
    history::Keeper keeper(store, warnings, diagnostics);
    keeper.keep(sampleGame(1, false, 100), false);
    ASSERT_TRUE(warnings.paragraphs().empty()) << diagnostics.str();
    // In place, so that the game's open connection still holds the file.
    writeBytes(path, "my notes\n");
    keeper.keep(sampleGame(2, false, 100), false);
    warnings.show(host);
    store.close();
    ASSERT_EQ(host.dialogs().size(), 1U);
    EXPECT_NE(host.dialogs()[0].text.find(path + " is not a history of this game."), std::string::npos);
    EXPECT_EQ(readBytes(path), "my notes\n");
}

} // namespace
} // namespace vexel::testsupport
