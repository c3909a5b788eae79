// Two copies of the game writing the history at the same moment, and
// writes killed at random moments: every game that was added is there once,
// and the database is whole after each.

#include "child_process.h"
#include "history_support.h"
#include "scratch_folder.h"

#include "history/history_store.h"
#include "replay/replay_format.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <iostream>
#include <random>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace vexel::testsupport {
namespace {

// "ok", or why the game could not be added.
std::string addOne(history::HistoryStore& store, int score)
{
    const replay::Replay game = sampleGame(score % 200, score % 2 == 0, 3000);
    const auto problem = store.add(sampleRecord(game, false, score), replay::writeReplay(game));
    return problem ? "failed: " + problem->detail : "ok";
}

// The rows, the totals kept beside them and SQLite's own check, in one line.
std::string stateOf(const std::string& path)
{
    return querySql(path, "SELECT count(*) FROM games") + " rows, " +
           querySql(path, "SELECT sum(games) FROM totals") + " counted, " +
           querySql(path, "SELECT count(*) FROM replays") + " replays, " +
           querySql(path, "PRAGMA integrity_check");
}

TEST(HistoryRaces, TwoCopiesEndingGamesAtTheSameMomentKeepEveryGame)
{
    ScratchFolder dir;
    const std::string path = dir.file("history.sqlite");
    // Each copy adds a game whenever told to; the first pair also finds no
    // history and makes it at the same moment.
    auto copy = [&path](int commands, int reports) {
        history::HistoryStore store(path, {});
        for (int score = 0; !readLine(commands).empty(); ++score)
            report(reports, addOne(store, score) + "\n");
        return 0;
    };
    Conversation first(copy);
    Conversation second(copy);
    constexpr int Rounds = 200;
    int failures = 0;
    for (int round = 0; round < Rounds; ++round) {
        first.send("go");
        second.send("go");
        for (Conversation* game : {&first, &second}) {
            const std::string answer = game->receive();
            if (answer != "ok" && failures++ == 0)
                ADD_FAILURE() << "round " << round << ": " << answer;
        }
    }
    for (Conversation* game : {&first, &second}) {
        const ChildResult ended = game->finish();
        EXPECT_TRUE(ended.exited && ended.status == 0);
    }
    EXPECT_EQ(failures, 0);
    EXPECT_EQ(stateOf(path), "400 rows, 400 counted, 400 replays, ok");
}

// A child that adds games until it is killed after `delay`.
void killedWrites(const std::string& path, std::chrono::microseconds delay)
{
    const pid_t pid = ::fork();
    if (pid == 0) {
        history::HistoryStore store(path, {});
        for (int score = 0;; ++score) {
            if (addOne(store, score) != "ok")
                ::_exit(2);
        }
    }
    std::this_thread::sleep_for(delay);
    ::kill(pid, SIGKILL);
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
}

TEST(HistoryRaces, WritesKilledAtRandomMomentsLeaveAWholeHistory)
{
    ScratchFolder dir;
    const std::string path = dir.file("history.sqlite");
    {
        history::HistoryStore store(path, {});
        ASSERT_EQ(addOne(store, 1), "ok");
    }
    // From before the first write to well into the third: opening, the
    // check of a new connection, and writes.
    const auto began = std::chrono::steady_clock::now();
    {
        history::HistoryStore store(path, {});
        for (int i = 0; i < 5; ++i)
            ASSERT_EQ(addOne(store, i), "ok");
    }
    const auto oneWrite =
        std::chrono::duration_cast<std::chrono::microseconds>((std::chrono::steady_clock::now() - began) / 5);
    const auto window = std::max(oneWrite * 3, std::chrono::microseconds(500));

    std::mt19937 engine(11U);
    std::uniform_int_distribution<long> moment(0, window.count());
    constexpr int Kills = 200;
    long rows = 0;
    int broken = 0;
    for (int i = 0; i < Kills; ++i) {
        killedWrites(path, std::chrono::microseconds(moment(engine)));
        const std::string count = querySql(path, "SELECT count(*) FROM games");
        const std::string state = stateOf(path);
        if (state != count + " rows, " + count + " counted, " + count + " replays, ok" && broken++ == 0)
            ADD_FAILURE() << "kill " << i << " left " << state;
        const long now = std::atol(count.c_str());
        EXPECT_GE(now, rows) << "kill " << i << " lost games";
        rows = now;
    }
    EXPECT_EQ(broken, 0);
    std::cout << "[ killed writes ] " << Kills << " kills within " << window.count()
              << " us (one write about " << oneWrite.count() << " us): " << rows << " games kept\n";
}

} // namespace
} // namespace vexel::testsupport
