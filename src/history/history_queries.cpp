// What the window and `--history` read. Every query is served by an index
// or by the totals kept in step with the rows, so that none of them grows
// with the history except the lists of every game.

#include "history/history_store.h"

#include "history/schema.h"

namespace vexel::history {

namespace {

constexpr const char* RecordColumns =
    "SELECT id, ended_utc, ticks, score, level, two_way, start_show_bad_squares, start_show_level, "
    "start_two_way, set_record, holder FROM games ";

// A statement that cannot be made, on an open history, is a schema that
// cannot be read: kept as the read's problem.
Statement prepare(sqlite3* db, const std::string& sql, std::optional<Problem>& problem)
{
    sqlite3_stmt* raw = nullptr;
    if (db == nullptr)
        return Statement(nullptr);
    if (const int code = sqlite3_prepare_v2(db, sql.c_str(), -1, &raw, nullptr); code != SQLITE_OK) {
        if (!problem)
            problem = problemFrom(db, code);
        return Statement(nullptr);
    }
    return Statement(raw);
}

// The columns a summary and a record begin with, in this order.
void readSummary(sqlite3_stmt* row, GameSummary& summary)
{
    summary.id = sqlite3_column_int64(row, 0);
    summary.endedUtc = sqlite3_column_int64(row, 1);
    summary.ticks = static_cast<std::uint32_t>(sqlite3_column_int64(row, 2));
    summary.score = sqlite3_column_int(row, 3);
    summary.level = sqlite3_column_int(row, 4);
    summary.twoWay = sqlite3_column_int(row, 5) != 0;
}

GameRecord recordAt(sqlite3_stmt* row)
{
    GameRecord record;
    readSummary(row, record);
    record.startShowBadSquares = sqlite3_column_int(row, 6) != 0;
    record.startShowLevel = sqlite3_column_int(row, 7) != 0;
    record.startTwoWay = sqlite3_column_int(row, 8) != 0;
    record.setRecord = sqlite3_column_int(row, 9) != 0;
    if (const unsigned char* holder = sqlite3_column_text(row, 10))
        record.holder.assign(reinterpret_cast<const char*>(holder),
                             static_cast<std::size_t>(sqlite3_column_bytes(row, 10)));
    return record;
}

} // namespace

bool HistoryStore::nextRow(sqlite3_stmt* statement) const
{
    const int code = sqlite3_step(statement);
    if (code == SQLITE_ROW)
        return true;
    if (code != SQLITE_DONE && !readProblem_)
        readProblem_ = problemFrom(db_.get(), code);
    return false;
}

std::vector<GameRecord> HistoryStore::records(const char* sql, int twoWay) const
{
    std::vector<GameRecord> rows;
    const Statement statement = prepare(db_.get(), std::string(RecordColumns) + sql, readProblem_);
    if (!statement)
        return rows;
    if (twoWay >= 0)
        sqlite3_bind_int(statement.get(), 1, twoWay);
    while (nextRow(statement.get()))
        rows.push_back(recordAt(statement.get()));
    return rows;
}

std::vector<GameRecord> HistoryStore::games() const
{
    return records("ORDER BY id", -1);
}

std::vector<GameRecord> HistoryStore::topTen(bool twoWay) const
{
    // The order of the index: no sorting, whatever the size.
    return records("WHERE two_way = ? ORDER BY score DESC, id LIMIT 10", twoWay ? 1 : 0);
}

std::vector<GameSummary> HistoryStore::summaries() const
{
    std::vector<GameSummary> rows;
    const Statement count = prepare(db_.get(), "SELECT sum(games) FROM totals", readProblem_);
    if (count && sqlite3_step(count.get()) == SQLITE_ROW)
        rows.reserve(
            static_cast<std::size_t>(std::max<sqlite3_int64>(0, sqlite3_column_int64(count.get(), 0))));
    const Statement statement = prepare(
        db_.get(), "SELECT id, ended_utc, ticks, score, level, two_way FROM games ORDER BY id", readProblem_);
    if (!statement)
        return rows;
    while (nextRow(statement.get())) {
        GameSummary summary;
        readSummary(statement.get(), summary);
        rows.push_back(summary);
    }
    return rows;
}

Totals HistoryStore::totals() const
{
    Totals totals;
    const Statement statement =
        prepare(db_.get(),
                "SELECT two_way, games, ticks, score_sum, "
                "(SELECT max(score) FROM games WHERE games.two_way = totals.two_way) FROM totals",
                readProblem_);
    if (!statement)
        return totals;
    sqlite3_stmt* row = statement.get();
    while (nextRow(row)) {
        ModeTotals& mode = sqlite3_column_int(row, 0) != 0 ? totals.twoWay : totals.fourWay;
        mode.games = sqlite3_column_int64(row, 1);
        mode.best = sqlite3_column_int(row, 4);
        if (mode.games > 0)
            mode.average =
                static_cast<double>(sqlite3_column_int64(row, 3)) / static_cast<double>(mode.games);
        totals.games += mode.games;
        totals.ticks += static_cast<std::uint64_t>(std::max<sqlite3_int64>(0, sqlite3_column_int64(row, 2)));
    }
    return totals;
}

std::string HistoryStore::replayText(std::int64_t id) const
{
    const Statement statement =
        prepare(db_.get(), "SELECT text FROM replays WHERE game_id = ?", readProblem_);
    if (!statement)
        return {};
    sqlite3_bind_int64(statement.get(), 1, id);
    if (!nextRow(statement.get()))
        return {};
    const unsigned char* text = sqlite3_column_text(statement.get(), 0);
    if (text == nullptr)
        return {};
    return {reinterpret_cast<const char*>(text),
            static_cast<std::size_t>(sqlite3_column_bytes(statement.get(), 0))};
}

} // namespace vexel::history
