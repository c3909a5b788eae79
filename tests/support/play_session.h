#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace vexel {
class DefaultRandom;
class Form1;
class Scene;
class WindowHost;
struct GameState;
} // namespace vexel

namespace vexel::testsupport {

// The session's game and what it plays with; they live until playSession
// returns.
struct SessionGame {
    Form1& form;
    const GameState& state;
    const DefaultRandom& random;
    const WindowHost& window;
};

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
    // Runs once, before the first game is loaded.
    std::function<void(const SessionGame& game)> setUp;
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

// The key that steps out of the line of a bullet closing in on the player,
// or 0 when there is none.
int dodge(const Scene& scene, const GameState& state);

} // namespace vexel::testsupport
