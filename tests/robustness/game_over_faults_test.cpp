// A game over where the records, the replays and the history may each fail
// to keep what they were given: the game goes on, and what could not be kept
// is told in one box after the game's dialogs, each part once per problem.

#include "child_process.h"
#include "memory_store.h"
#include "scratch_folder.h"

#include "app/form1.h"
#include "app/game_state.h"
#include "headless/headless_host.h"
#include "history/history_store.h"
#include "history/keeper.h"
#include "replay/recorder.h"
#include "replay/replay_files.h"
#include "scores/score_file.h"
#include "ui/random_source.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <sstream>
#include <string>
#include <sys/resource.h>
#include <vector>

namespace vexel::testsupport {
namespace {

namespace fs = std::filesystem;

// The game wired as the window wires it: records, replays and history kept
// at each game over, and what they could not keep told in one box.
struct WiredGame {
    WiredGame(scores::RecordStore& records, const std::string& folder, const std::string& historyPath)
        : form(state, host, random, records, diagnostics), replays(folder, diagnostics, &form.warnings()),
          store(historyPath, folder), keeper(store, form.warnings(), diagnostics),
          recorder(
              random,
              [this](const replay::Replay& game, bool setRecord) {
                  replays.keep(game, setRecord);
                  keeper.keep(game, setRecord);
              },
              diagnostics)
    {
        form.record(recorder);
        host.attach(form);
        host.show();
    }
    // Plays the next game to its loss; its warning boxes, title and text.
    std::vector<std::string> lose()
    {
        const std::size_t first = host.dialogs().size();
        const int loads = host.reloads();
        host.pressKey(keys::Enter);
        for (int tick = 0; host.reloads() == loads && tick < 100000; ++tick)
            host.tick();
        std::vector<std::string> boxes;
        for (std::size_t i = first; i < host.dialogs().size(); ++i) {
            if (host.dialogs()[i].icon == MessageIcon::Warning)
                boxes.push_back(host.dialogs()[i].title + ": " + host.dialogs()[i].text);
        }
        return boxes;
    }

    GameState state;
    HeadlessHost host;
    DefaultRandom random;
    std::ostringstream diagnostics;
    Form1 form;
    replay::ReplayFolder replays;
    history::HistoryStore store;
    history::Keeper keeper;
    replay::Recorder recorder;
};

TEST(HistoryFaults, AGameLostBesideAForeignFileKeepsItsRecordsAndReplay)
{
    ScratchFolder dir;
    const std::string path = dir.file("history.sqlite");
    writeBytes(path, "not mine");

    MemoryStore records;
    WiredGame game(records, dir.file("replays"), path);
    HeadlessHost& host = game.host;
    game.lose();
    ASSERT_EQ(host.reloads(), 1);

    // The record's name and the high scores (the game beats the starting
    // table), then the one warning; records and replay kept, next game ready.
    ASSERT_EQ(host.dialogs().size(), 3U);
    EXPECT_EQ(host.dialogs()[0].kind, HeadlessHost::Dialog::Kind::Input);
    EXPECT_EQ(host.dialogs()[1].title, "Vexel High Scores");
    EXPECT_EQ(host.dialogs()[2].icon, MessageIcon::Warning);
    EXPECT_NE(host.dialogs()[2].text.find(path + " is not a history of this game."), std::string::npos);
    EXPECT_EQ(records.bytes.value_or(""), "\"00000012ZUVO      \"\r\n");
    EXPECT_TRUE(fs::exists(dir.file("replays/last.vxr")));
    EXPECT_EQ(readBytes(path), "not mine");
    EXPECT_EQ(host.caption(), "Vexel: Paused (press Enter to play) with 0 points");
}

TEST(HistoryFaults, WhatAGameOverCouldNotKeepIsToldInOneBoxOncePerProblem)
{
    // Bits: the records, the replays, the history cannot be kept.
    for (const int fails : {0, 4, 2, 1, 7}) {
        SCOPED_TRACE(fails);
        ScratchFolder dir;
        const std::string folder = dir.file("replays"), path = dir.file("history.sqlite");
        const std::string rename = std::string(": rename: ") + std::strerror(EISDIR);
        MemoryStore records;
        std::string box = "Vexel: ";
        if (fails & 4) {
            records.failSaves = scores::WriteFailure{scores::WriteStep::Write, ENOSPC};
            box += "The high scores could not be saved.\n\nmemory:vexel.ini: write: " +
                   std::string(std::strerror(ENOSPC)) +
                   ".\nThey are kept while the game runs, and the next game over tries again.\n\n";
        }
        // The game sets a 4-way record: both of its replays stand in the way.
        for (const char* name : {"/last.vxr", "/best-4way.vxr"}) {
            if (fails & 2) {
                fs::create_directories(folder + name + "/x");
                box += "cannot save the replay to " + folder + name + rename + "\n";
            }
        }
        box += fails & 2 ? "\n" : "";
        if (fails & 1) {
            writeBytes(path, "not mine");
            box += "This game could not be added to the history.\n\n" + path +
                   " is not a history of this game.\nThe game goes on and the high scores are kept; the "
                   "history file is left as it is.\n\n";
        }
        WiredGame game(records, folder, path);
        EXPECT_EQ(game.lose(),
                  fails ? std::vector{box.substr(0, box.size() - 2)} : std::vector<std::string>{});
        // The same problems at the next game over: no box, and the replays'
        // line on standard error again, as at every game over.
        EXPECT_EQ(game.lose(), std::vector<std::string>{});
        const std::string err = game.diagnostics.str(), line = folder + "/last.vxr" + rename + "\n";
        EXPECT_EQ(err.find(line) != err.rfind(line), (fails & 2) != 0) << err;
    }
}

TEST(HistoryFaults, UnderAFileSizeLimitEveryFailedSaveIsToldInOneBox)
{
    ScratchFolder dir;
    const ChildResult child = runInChild([&](int fd) {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit cap{0, 0};
        if (::setrlimit(RLIMIT_FSIZE, &cap) != 0)
            return 3;
        scores::ScoreFile records(dir.file("vexel.ini"));
        WiredGame game(records, dir.file("replays"), dir.file("history.sqlite"));
        const std::vector<std::string> first = game.lose();
        report(fd, std::to_string(first.size()) + std::to_string(game.lose().size()) + " " +
                       (first.empty() ? "" : first[0]));
        return 0;
    });
    ASSERT_TRUE(child.exited && child.status == 0) << child.status;
    // One box at the first game over, none at the second: the records, the
    // replays and the history, in that order.
    const std::string tooLarge = std::string(": write: ") + std::strerror(EFBIG);
    EXPECT_EQ(child.message.rfind("10 Vexel: The high scores could not be saved.\n\n" +
                                      dir.file("vexel.ini") + tooLarge +
                                      ".\nThey are kept while the game runs, and the next game over tries "
                                      "again.\n\ncannot save the replay to " +
                                      dir.file("replays/last.vxr") + tooLarge +
                                      "\ncannot save the replay to " + dir.file("replays/best-4way.vxr") +
                                      tooLarge + "\n\nThis game could not be added to the history.\n\n" +
                                      dir.file("history.sqlite") + " could not be written: ",
                                  0),
              0U)
        << child.message;
}

} // namespace
} // namespace vexel::testsupport
