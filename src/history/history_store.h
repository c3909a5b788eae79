#pragma once

#include "history/game_record.h"
#include "history/problem.h"
#include "history/sqlite_handle.h"

#include <cstdint>
#include <optional>
#include <string>
#include <sys/types.h>

namespace vexel::replay {
struct Replay;
}

namespace vexel::history {

// Every lost game, kept in an SQLite database beside the records. It is
// only ever written whole, one game in one transaction, and only once the
// file has been found to be this game's history in a layout this version
// knows: anything else at the path is left exactly as it is.
class HistoryStore final : public HistorySource {
public:
    // The kept replays in replaysFolder become the first games when the
    // history is made.
    HistoryStore(std::string path, std::string replaysFolder);
    ~HistoryStore() override;
    HistoryStore(const HistoryStore&) = delete;
    HistoryStore& operator=(const HistoryStore&) = delete;

    const std::string& path() const { return path_; }

    // Opens the history to read it. A missing history reads as empty and
    // is not made; one in an older layout is brought up to date first.
    // Only the header and the layout are looked at, whatever the size.
    std::optional<Problem> open();
    // What stopped a read since open(): damage in a page it touched.
    const std::optional<Problem>& readProblem() const { return readProblem_; }
    // Makes the history when there is none yet, with the kept replays in
    // it. Another copy of the game may be making it at the same moment:
    // one of the two is kept, whole.
    std::optional<Problem> create();
    // Adds one lost game in one transaction, making the history first
    // where there is none. The connection stays open for the next game;
    // the file is looked at again before every write.
    std::optional<Problem> add(const GameRecord& game, const std::string& replayText);
    // Lets the file go, with what the log holds written into it.
    void close();

    // HistorySource. Once open; empty where there is nothing to read.
    std::vector<GameRecord> games() const override;
    std::vector<GameSummary> summaries() const override;
    std::vector<GameRecord> topTen(bool twoWay) const override;
    Totals totals() const override;
    std::string replayText(std::int64_t id) const override;

private:
    std::optional<Problem> connect(bool forWriting);
    bool ownFileStill() const;
    static std::optional<Problem> checkHeader(sqlite3* db);
    // Checks, inside a transaction, what the header promised. An older
    // layout is brought up to date, or with `older` only reported there.
    std::optional<Problem> checkLayout(bool* older);
    std::optional<Problem> checkWhole();
    std::optional<Problem> write(const GameRecord& game, const std::string& replayText);
    std::optional<Problem> makeFresh(const std::string& tempPath);
    std::vector<GameRecord> records(const char* sql, int twoWay) const;
    // Steps through a query's rows; a row that cannot be read ends it and
    // is kept for readProblem().
    bool nextRow(sqlite3_stmt* statement) const;

    std::string path_;
    std::string replaysFolder_;
    Database db_;
    // The file the connection has open, to see that it is still the one
    // at the path.
    dev_t device_ = 0;
    ino_t inode_ = 0;
    bool writable_ = false;
    // Read without the log: see open().
    bool frozen_ = false;
    bool checkedWhole_ = false;
    mutable std::optional<Problem> readProblem_;
};

// The row a lost game leaves: the holder's five characters as the records
// keep them, when the game set a record.
GameRecord recordOf(const replay::Replay& game, bool setRecord, std::int64_t endedUtc);

} // namespace vexel::history
