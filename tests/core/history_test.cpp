// The history on a real SQLite file: rows, top tens and totals read back,
// kept replays taken in once, older layouts updated, newer ones left alone.

#include "history_support.h"
#include "scratch_folder.h"

#include "history/history_store.h"
#include "history/kept_replays.h"
#include "replay/replay_files.h"
#include "replay/replay_format.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <sys/stat.h>
#include <tuple>
#include <utime.h>

namespace vexel::testsupport {
namespace {

using history::GameRecord;
using history::HistoryStore;
using history::Problem;

// The fields a row is compared on, in one line.
std::string line(const GameRecord& r)
{
    return std::to_string(r.id) + " @" + std::to_string(r.endedUtc) + " " + std::to_string(r.ticks) + "t " +
           std::to_string(r.score) + "/" + std::to_string(r.level) + (r.twoWay ? " 2w" : " 4w") + " start " +
           (r.startShowBadSquares ? "b" : "-") + (r.startShowLevel ? "l" : "-") +
           (r.startTwoWay ? "t" : "-") + (r.setRecord ? " record '" + r.holder + "'" : "");
}

std::string ids(const std::vector<GameRecord>& rows)
{
    std::string text;
    for (const GameRecord& row : rows)
        text += (text.empty() ? "" : " ") + std::to_string(row.id);
    return text;
}

TEST(History, EveryLostGameLeavesOneRowWithItsReplay)
{
    ScratchFolder dir;
    const std::string path = history::historyPathFor(dir.file("vexel.ini"));
    EXPECT_EQ(path, dir.file("history.sqlite"));
    EXPECT_EQ(history::historyPathFor("vexel.ini"), "history.sqlite");
    HistoryStore store(path, dir.file("replays"));
    // A missing history reads as empty and is not made by reading.
    ASSERT_EQ(store.open(), std::nullopt);
    EXPECT_TRUE(store.games().empty());
    EXPECT_FALSE(std::filesystem::exists(path));

    struct Case {
        replay::Replay game;
        bool setRecord;
        std::int64_t ended;
        const char* row;
    };
    const Case cases[] = {
        {sampleGame(12, false, 700), false, 1000, "1 @1000 700t 12/1 4w start bl-"},
        {sampleGame(30, true, 2000, "Zoë and more"), true, 2000,
         "2 @2000 2000t 30/2 2w start blt record 'Zoë a'"},
        {sampleGame(3, false, 50, ""), true, 3000, "3 @3000 50t 3/1 4w start -l- record '     '"},
    };
    for (const Case& c : cases)
        ASSERT_EQ(store.add(sampleRecord(c.game, c.setRecord, c.ended), replay::writeReplay(c.game)),
                  std::nullopt);

    ASSERT_EQ(store.open(), std::nullopt);
    const std::vector<GameRecord> games = store.games();
    const std::vector<history::GameSummary> summaries = store.summaries();
    ASSERT_EQ(games.size(), std::size(cases));
    ASSERT_EQ(summaries.size(), std::size(cases));
    for (std::size_t i = 0; i < games.size(); ++i) {
        EXPECT_EQ(line(games[i]), cases[i].row);
        EXPECT_EQ(store.replayText(games[i].id), replay::writeReplay(cases[i].game));
        const history::GameSummary& s = summaries[i];
        EXPECT_EQ(std::tie(s.id, s.score, s.ticks, s.twoWay),
                  std::tie(games[i].id, games[i].score, games[i].ticks, games[i].twoWay));
    }
    EXPECT_EQ(store.replayText(99), "");

    // What the sqlite3 shell sees: the game's mark, its layout and WAL.
    const std::pair<const char*, const char*> pragmas[] = {
        {"PRAGMA application_id", "1448627272"}, {"PRAGMA user_version", "2"},
        {"PRAGMA journal_mode", "wal"},          {"SELECT count(*) FROM games", "3"},
        {"PRAGMA integrity_check", "ok"},
    };
    for (const auto& [sql, expected] : pragmas)
        EXPECT_EQ(querySql(path, sql), expected) << sql;
}

TEST(History, TopTensPutTheHigherScoreAndThenTheEarlierGameFirst)
{
    ScratchFolder dir;
    HistoryStore store(dir.file("history.sqlite"), {});
    // Scores in the order played; 2-way games are the negative ones. Ties
    // at 50 and 9 (4-way) and 20 (2-way).
    const int played[] = {9, 50, -20, 7, 50, 1, 2, 3, 4, -5, 50, 9, 60, 0, -20, 8, 11, 9, -30};
    std::int64_t ended = 100;
    for (const int score : played) {
        const replay::Replay game = sampleGame(std::abs(score), score < 0, 100);
        ASSERT_EQ(store.add(sampleRecord(game, false, ended), replay::writeReplay(game)), std::nullopt);
        // Games that end in the same second keep the order they were added in.
        ended += score == 50 ? 0 : 10;
    }
    ASSERT_EQ(store.open(), std::nullopt);
    EXPECT_EQ(ids(store.topTen(false)), "13 2 5 11 17 1 12 18 16 4");
    EXPECT_EQ(ids(store.topTen(true)), "19 3 15 10");

    const history::Totals t = store.totals();
    EXPECT_EQ(std::tie(t.games, t.ticks, t.fourWay.games, t.fourWay.best, t.twoWay.games, t.twoWay.best),
              std::make_tuple(19, 1900U, 15, 60, 4, 30));
    EXPECT_DOUBLE_EQ(t.fourWay.average, 273.0 / 15);
    EXPECT_DOUBLE_EQ(t.twoWay.average, 75.0 / 4);
}

void keepAs(const std::string& folder, const char* word, const replay::Replay& game, std::time_t modified)
{
    const std::string path = replay::replayPath(word, folder);
    writeBytes(path, replay::writeReplay(game));
    const utimbuf times{modified, modified};
    ASSERT_EQ(::utime(path.c_str(), &times), 0);
}

TEST(History, TheKeptReplaysBecomeTheFirstGamesOnce)
{
    ScratchFolder dir;
    const std::string folder = dir.file("replays");
    std::filesystem::create_directory(folder);
    // The last game was also the 2-way record: one game, two files.
    const replay::Replay record4 = sampleGame(40, false, 900, "Ann");
    const replay::Replay record2 = sampleGame(22, true, 600, "Bob");
    keepAs(folder, "best-4way", record4, 5000);
    keepAs(folder, "best-2way", record2, 9000);
    keepAs(folder, "last", record2, 9000);

    const std::vector<history::KeptGame> kept = history::keptGames(folder);
    ASSERT_EQ(kept.size(), 2U);
    EXPECT_EQ(line(kept[0].record), "0 @5000 900t 40/2 4w start b-- record 'Ann  '");
    EXPECT_EQ(line(kept[1].record), "0 @9000 600t 22/1 2w start b-t record 'Bob  '");

    // Left by a copy killed while it made the history: an old one goes, a
    // fresh one may still be another copy's at work.
    writeBytes(dir.file(".history.sqlite.tmp-Old123"), "half");
    std::filesystem::last_write_time(dir.file(".history.sqlite.tmp-Old123"),
                                     std::filesystem::file_time_type::clock::now() - std::chrono::minutes(5));
    writeBytes(dir.file(".history.sqlite.tmp-New456"), "half");
    HistoryStore store(dir.file("history.sqlite"), folder);
    ASSERT_EQ(store.create(), std::nullopt);
    EXPECT_FALSE(std::filesystem::exists(dir.file(".history.sqlite.tmp-Old123")));
    EXPECT_TRUE(std::filesystem::exists(dir.file(".history.sqlite.tmp-New456")));
    std::filesystem::remove(dir.file(".history.sqlite.tmp-New456"));
    // Made once: neither making it again nor a new last game brings the
    // old files in again.
    const replay::Replay next = sampleGame(5, false, 100);
    keepAs(folder, "last", next, 9500);
    ASSERT_EQ(store.create(), std::nullopt);
    ASSERT_EQ(store.add(sampleRecord(next, false, 9500), replay::writeReplay(next)), std::nullopt);
    ASSERT_EQ(store.open(), std::nullopt);
    const std::vector<GameRecord> games = store.games();
    ASSERT_EQ(games.size(), 3U);
    EXPECT_EQ(store.replayText(1), replay::writeReplay(record4));
    EXPECT_EQ(store.replayText(2), replay::writeReplay(record2));
    EXPECT_EQ(line(games[2]), "3 @9500 100t 5/1 4w start ---");

    // A replay that cannot be read is passed over; no folder, no games.
    writeBytes(replay::replayPath("best-4way", folder), "vexel-replay 1\nseed 1\n");
    EXPECT_EQ(history::keptGames(folder).size(), 2U);
    EXPECT_TRUE(history::keptGames(dir.file("nowhere")).empty());
    // Nothing is left beside the history but its own files.
    for (const std::string& name : entries(dir.path()))
        EXPECT_TRUE(name == "replays" || name.rfind("history.sqlite", 0) == 0) << name;
}

TEST(History, AnOlderLayoutIsBroughtUpToDateAndANewerOneLeftAlone)
{
    ScratchFolder dir;
    const std::string path = dir.file("history.sqlite");
    HistoryStore store(path, {});
    for (const int score : {4, 8, 15}) {
        const replay::Replay game = sampleGame(score, score == 8, 200);
        ASSERT_EQ(store.add(sampleRecord(game, false, score), replay::writeReplay(game)), std::nullopt);
    }
    // The first layout had no totals: the game counted the rows each time.
    ASSERT_EQ(querySql(path, "DROP TRIGGER games_counted; DROP TRIGGER games_uncounted; DROP TABLE totals; "
                             "PRAGMA user_version = 1;"),
              "");
    ASSERT_EQ(querySql(path, "PRAGMA user_version"), "1");
    // Read: brought up to date, with the totals of the rows already there.
    ASSERT_EQ(store.open(), std::nullopt);
    EXPECT_EQ(store.totals().games, 3);
    EXPECT_EQ(store.totals().fourWay.average, 9.5);
    EXPECT_EQ(querySql(path, "PRAGMA user_version"), "2");
    // Written: the totals follow every new row.
    const replay::Replay more = sampleGame(1, false, 100);
    ASSERT_EQ(store.add(sampleRecord(more, false, 99), replay::writeReplay(more)), std::nullopt);
    ASSERT_EQ(store.open(), std::nullopt);
    EXPECT_EQ(store.totals().fourWay.games, 3);
    EXPECT_EQ(querySql(path, "SELECT ticks FROM totals WHERE two_way = 0"), "500");

    // A later version's history: neither read nor written, byte for byte.
    ASSERT_EQ(querySql(path, "PRAGMA user_version = 3"), "");
    const std::string before = readBytes(path);
    const std::vector<std::string> files = entries(dir.path());
    const Problem newer{Problem::Kind::Newer, {}};
    EXPECT_EQ(store.add(sampleRecord(more, false, 100), replay::writeReplay(more)), newer);
    EXPECT_EQ(store.open(), newer);
    EXPECT_EQ(readBytes(path), before);
    EXPECT_EQ(entries(dir.path()), files);
}

} // namespace
} // namespace vexel::testsupport
