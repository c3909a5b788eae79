#pragma once

// Games for the history's tests and benchmarks, and a look at its file
// through SQLite alone, as the sqlite3 shell would see it.

#include "history/game_record.h"
#include "replay/replay.h"

#include <cstdint>
#include <string>

namespace vexel::testsupport {

// A lost game with a few keys in it: enough to tell one replay text from
// another. It need not play back; the history keeps it as it is.
replay::Replay sampleGame(int score, bool twoWay, std::uint32_t ticks = 1000, const std::string& name = {});

// The game's row as the history should hold it, ended at `ended`.
history::GameRecord sampleRecord(const replay::Replay& game, bool setRecord, std::int64_t ended);

// The replay text of a short game of the real generator from `seed`, the
// player left alone until it is lost; empty if it never ends.
std::string playedReplay(std::uint32_t seed);

// The first column of the first row SQL gives, as text; "error: ..." when
// it fails. The file is opened, or made, as any SQLite client would.
std::string querySql(const std::string& path, const std::string& sql);

} // namespace vexel::testsupport
