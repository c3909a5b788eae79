#pragma once

#include "history/game_record.h"
#include "history/problem.h"

#include <optional>
#include <sqlite3.h>
#include <string>

namespace vexel::history {

// Brings a database from the layout `from` to this version's, inside the
// caller's transaction. A fresh database starts from 0.
std::optional<Problem> migrate(sqlite3* db, int from);

// Adds one game with its replay text, inside the caller's transaction.
std::optional<Problem> insertGame(sqlite3* db, const GameRecord& game, const std::string& replayText);

// A problem for what SQLite reported, in its words.
Problem problemFrom(sqlite3* db, int code);

// Runs SQL that returns no rows.
std::optional<Problem> execute(sqlite3* db, const char* sql);

} // namespace vexel::history
