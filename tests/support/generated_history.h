#pragma once

// Histories of real games for benchmarks: a scripted player steps out of
// the line of every bullet that closes in on it, as a person would, and
// after a while lets the guns win.

#include "history/game_record.h"
#include "history/problem.h"
#include "replay/replay.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace vexel::testsupport {

struct PlayedGame {
    replay::Replay game;
    std::string text;
};

// 240 such games, played once per process (about 42 minutes of play).
const std::vector<PlayedGame>& playedGames();

// The i-th generated game's row: the played game's, with a score and an
// end a minute apart that tell the rows apart.
history::GameRecord generatedRecord(std::size_t i, const PlayedGame& played);

// Writes a history of `count` generated games at `path` (made fresh, with
// no kept replays), in one transaction. With `compact` every replay text
// is cut to its first line, which keeps 100,000 games under 16 MiB.
std::optional<history::Problem> writeGeneratedHistory(const std::string& path, std::size_t count,
                                                      bool compact = false);

} // namespace vexel::testsupport
