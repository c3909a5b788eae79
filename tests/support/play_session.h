#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace vexel::testsupport {

// A long stretch of play by a scripted player: mostly dodging bullets,
// sometimes wandering, pausing, switching options, opening the high scores
// and typing odd names for records, while the game's own generator drives
// the guns. Every invariant of the board is checked after every tick.
struct SessionPlan {
    long ticks = 100000;
    std::uint32_t gameSeed = 5489U;
    std::uint32_t scriptSeed = 1U;
    // The records file; empty: the records are kept in memory.
    std::string scoresPath;
    // Runs after every delivered tick, with the count so far.
    std::function<void(long delivered)> afterTick;
};

struct SessionResult {
    long ticks = 0;
    long games = 1;
    long records = 0;
    long optionSwitches = 0;
    int bestScore = 0;
    // The first broken invariant, with its tick, and how many there were.
    long breaches = 0;
    std::string firstBreach;
    std::string diagnostics;
};

SessionResult playSession(const SessionPlan& plan);

} // namespace vexel::testsupport
