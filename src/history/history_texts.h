#pragma once

#include "history/game_record.h"
#include "history/problem.h"

#include <cstdint>
#include <string>

// Every text of the history that a player reads, in one place, each
// through the translation seam as a whole sentence.
namespace vexel::history::text {

// "PATH is damaged.": what is wrong with the file at path.
std::string describe(const std::string& path, const Problem& problem);

// The warning box at a game over that could not be added, and the line on
// standard error that goes with it.
std::string warningBox(const std::string& path, const Problem& problem);
std::string addFailureLine(const std::string& path, const Problem& problem);
// The line on standard error when the history cannot be read.
std::string readFailureLine(const std::string& path, const Problem& problem);

// `vexel --history`: a heading for each mode, a line for each of its best
// games (or one saying there are none), and a line of totals.
std::string topTenHeading(bool twoWay);
std::string topTenLine(int rank, const GameRecord& game);
std::string noGamesLine();
std::string totalsLine(const Totals& totals);

// A history game asked for on the command line that is not there.
std::string noSuchGame(std::int64_t id);
std::string notAGame(const std::string& argument);

// "2026-12-09 14:05" in the local time zone.
std::string localDateTime(std::int64_t utcSeconds);
// "1:02:03": hours, minutes and seconds of play.
std::string playingTime(std::uint64_t ticks);

} // namespace vexel::history::text
