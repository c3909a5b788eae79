// What the window and `--history` read. Every query is served by an index
// or by the totals kept in step with the rows, so that none of them grows
// with the history except the lists of every game.

#include "history/history_store.h"

namespace vexel::history {

namespace {

constexpr const char* RecordColumns =
    "SELECT id, ended_utc, ticks, score, level, two_way, start_show_bad_squares, start_show_level, "
    "start_two_way, set_record, holder FROM games ";

Statement prepare(sqlite3* db, const std::string& sql)
{
    sqlite3_stmt* raw = nullptr;
    if (db == nullptr || sqlite3_prepare_v2(db, sql.c_str(), -1, &raw, nullptr) != SQLITE_OK)
        return Statement(nullptr);
    return Statement(raw);
}

GameRecord recordAt(sqlite3_stmt* row)
{
    GameRecord record;
    record.id = sqlite3_column_int64(row, 0);
    record.endedUtc = sqlite3_column_int64(row, 1);
    record.ticks = static_cast<std::uint32_t>(sqlite3_column_int64(row, 2));
    record.score = sqlite3_column_int(row, 3);
    record.level = sqlite3_column_int(row, 4);
    record.twoWay = sqlite3_column_int(row, 5) != 0;
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

std::vector<GameRecord> HistoryStore::records(const char* sql, int twoWay) const
{
    std::vector<GameRecord> rows;
    const Statement statement = prepare(db_.get(), std::string(RecordColumns) + sql);
    if (!statement)
        return rows;
    if (twoWay >= 0)
        sqlite3_bind_int(statement.get(), 1, twoWay);
    while (sqlite3_step(statement.get()) == SQLITE_ROW)
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
    const Statement count = prepare(db_.get(), "SELECT sum(games) FROM totals");
    if (count && sqlite3_step(count.get()) == SQLITE_ROW)
        rows.reserve(
            static_cast<std::size_t>(std::max<sqlite3_int64>(0, sqlite3_column_int64(count.get(), 0))));
    const Statement statement =
        prepare(db_.get(), "SELECT id, ended_utc, ticks, score, level, two_way FROM games ORDER BY id");
    if (!statement)
        return rows;
    sqlite3_stmt* row = statement.get();
    while (sqlite3_step(row) == SQLITE_ROW) {
        GameSummary summary;
        summary.id = sqlite3_column_int64(row, 0);
        summary.endedUtc = sqlite3_column_int64(row, 1);
        summary.ticks = static_cast<std::uint32_t>(sqlite3_column_int64(row, 2));
        summary.score = sqlite3_column_int(row, 3);
        summary.level = sqlite3_column_int(row, 4);
        summary.twoWay = sqlite3_column_int(row, 5) != 0;
        rows.push_back(summary);
    }
    return rows;
}

Totals HistoryStore::totals() const
{
    Totals totals;
    const Statement statement =
        prepare(db_.get(), "SELECT two_way, games, ticks, score_sum, "
                           "(SELECT max(score) FROM games WHERE games.two_way = totals.two_way) FROM totals");
    if (!statement)
        return totals;
    sqlite3_stmt* row = statement.get();
    while (sqlite3_step(row) == SQLITE_ROW) {
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
    const Statement statement = prepare(db_.get(), "SELECT text FROM replays WHERE game_id = ?");
    if (!statement)
        return {};
    sqlite3_bind_int64(statement.get(), 1, id);
    if (sqlite3_step(statement.get()) != SQLITE_ROW)
        return {};
    const unsigned char* text = sqlite3_column_text(statement.get(), 0);
    if (text == nullptr)
        return {};
    return {reinterpret_cast<const char*>(text),
            static_cast<std::size_t>(sqlite3_column_bytes(statement.get(), 0))};
}

} // namespace vexel::history
