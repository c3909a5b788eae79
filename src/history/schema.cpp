#include "history/schema.h"

#include "history/sqlite_handle.h"

#include <string>

namespace vexel::history {

namespace {

// Each step takes the layout from the version before it to its own. The
// first kept the games alone; the second keeps the totals in step with the
// rows, so that they cost the same at a hundred games as at a hundred
// thousand, even for rows added or removed with the sqlite3 shell.
constexpr const char* Steps[SchemaVersion] = {
    R"sql(
CREATE TABLE games (
    id INTEGER PRIMARY KEY AUTOINCREMENT,
    ended_utc INTEGER NOT NULL,
    ticks INTEGER NOT NULL,
    score INTEGER NOT NULL,
    level INTEGER NOT NULL,
    two_way INTEGER NOT NULL CHECK (two_way IN (0, 1)),
    start_show_bad_squares INTEGER NOT NULL,
    start_show_level INTEGER NOT NULL,
    start_two_way INTEGER NOT NULL,
    set_record INTEGER NOT NULL,
    holder TEXT NOT NULL
);
CREATE TABLE replays (
    game_id INTEGER PRIMARY KEY REFERENCES games (id),
    text TEXT NOT NULL
);
CREATE INDEX games_by_score ON games (two_way, score DESC, id);
)sql",
    R"sql(
CREATE TABLE totals (
    two_way INTEGER PRIMARY KEY,
    games INTEGER NOT NULL,
    ticks INTEGER NOT NULL,
    score_sum INTEGER NOT NULL
);
INSERT INTO totals
    SELECT mode, count(id), coalesce(sum(ticks), 0), coalesce(sum(score), 0)
    FROM (SELECT 0 AS mode UNION ALL SELECT 1) LEFT JOIN games ON two_way = mode
    GROUP BY mode;
CREATE TRIGGER games_counted AFTER INSERT ON games BEGIN
    UPDATE totals SET games = games + 1, ticks = ticks + NEW.ticks, score_sum = score_sum + NEW.score
    WHERE two_way = NEW.two_way;
END;
CREATE TRIGGER games_uncounted AFTER DELETE ON games BEGIN
    UPDATE totals SET games = games - 1, ticks = ticks - OLD.ticks, score_sum = score_sum - OLD.score
    WHERE two_way = OLD.two_way;
    DELETE FROM replays WHERE game_id = OLD.id;
END;
)sql",
};

} // namespace

Problem problemFrom(sqlite3* db, int code)
{
    const std::string words = db != nullptr ? sqlite3_errmsg(db) : sqlite3_errstr(code);
    switch (code & 0xFF) {
    case SQLITE_CORRUPT:
    case SQLITE_NOTADB:
        return {Problem::Kind::Damaged, words};
    case SQLITE_READONLY:
    case SQLITE_PERM:
        return {Problem::Kind::ReadOnly, words};
    case SQLITE_CANTOPEN:
        return {Problem::Kind::Unreadable, words};
    case SQLITE_ERROR:
        // A statement that does not fit the tables: someone else's layout.
        return {Problem::Kind::Foreign, words};
    default:
        return {Problem::Kind::Failed, words};
    }
}

std::optional<Problem> execute(sqlite3* db, const char* sql)
{
    const int code = sqlite3_exec(db, sql, nullptr, nullptr, nullptr);
    if (code != SQLITE_OK)
        return problemFrom(db, code);
    return std::nullopt;
}

std::optional<Problem> migrate(sqlite3* db, int from)
{
    for (int version = from; version < SchemaVersion; ++version) {
        if (auto problem = execute(db, Steps[version]))
            return problem;
    }
    const std::string stamp = "PRAGMA application_id = " + std::to_string(ApplicationId) +
                              "; PRAGMA user_version = " + std::to_string(SchemaVersion) + ";";
    return execute(db, stamp.c_str());
}

std::optional<Problem> insertGame(sqlite3* db, const GameRecord& game, const std::string& replayText)
{
    static constexpr const char* Sql[] = {
        "INSERT INTO games (ended_utc, ticks, score, level, two_way, start_show_bad_squares, "
        "start_show_level, start_two_way, set_record, holder) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)",
        "INSERT INTO replays (game_id, text) VALUES (last_insert_rowid(), ?)",
    };
    sqlite3_stmt* raw = nullptr;
    int code = sqlite3_prepare_v2(db, Sql[0], -1, &raw, nullptr);
    Statement row(raw);
    if (code != SQLITE_OK)
        return problemFrom(db, code);
    sqlite3_bind_int64(raw, 1, game.endedUtc);
    sqlite3_bind_int64(raw, 2, game.ticks);
    sqlite3_bind_int(raw, 3, game.score);
    sqlite3_bind_int(raw, 4, game.level);
    sqlite3_bind_int(raw, 5, game.twoWay ? 1 : 0);
    sqlite3_bind_int(raw, 6, game.startShowBadSquares ? 1 : 0);
    sqlite3_bind_int(raw, 7, game.startShowLevel ? 1 : 0);
    sqlite3_bind_int(raw, 8, game.startTwoWay ? 1 : 0);
    sqlite3_bind_int(raw, 9, game.setRecord ? 1 : 0);
    sqlite3_bind_text(raw, 10, game.holder.data(), static_cast<int>(game.holder.size()), SQLITE_STATIC);
    if ((code = sqlite3_step(raw)) != SQLITE_DONE)
        return problemFrom(db, code);

    code = sqlite3_prepare_v2(db, Sql[1], -1, &raw, nullptr);
    Statement replay(raw);
    if (code != SQLITE_OK)
        return problemFrom(db, code);
    sqlite3_bind_text(raw, 1, replayText.data(), static_cast<int>(replayText.size()), SQLITE_STATIC);
    if ((code = sqlite3_step(raw)) != SQLITE_DONE)
        return problemFrom(db, code);
    return std::nullopt;
}

} // namespace vexel::history
