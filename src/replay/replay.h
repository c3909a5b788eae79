#pragma once

#include "ui/window_host.h"

#include <cstdint>
#include <string>
#include <vector>

namespace vexel::replay {

// One game as it can be played again: where the random sequence stood and
// which options were on when the game was loaded, everything the window
// handed the game until it was lost, and how it ended. The game is
// deterministic, so nothing else is needed to play it again exactly.
struct Start {
    std::uint32_t seed = 0;
    // Numbers the generator had handed out before this game: the games
    // played earlier in the same run.
    std::uint64_t drawn = 0;
    bool showBadSquares = false;
    bool showLevel = false;
    bool twoWay = false;
    bool operator==(const Start&) const = default;
};

struct Event {
    enum class Kind : std::uint8_t { Key, Option, HighScores, Name };
    // Ticks the game had been handed when the event reached it. The name
    // is typed during the tick that lost the game, which counts.
    std::uint32_t tick = 0;
    Kind kind = Kind::Key;
    std::uint8_t shift = 0;                   // Key: 1 Shift, 2 Ctrl, 4 Alt
    std::uint16_t keyCode = 0;                // Key
    MenuItem item = MenuItem::ShowBadSquares; // Option
    // What the event found, as a check that it comes where it was
    // recorded: the random numbers drawn so far in this game, and the
    // player's square. An event moved to another tick, or an earlier one
    // changed, finds the game elsewhere.
    std::uint64_t drawn = 0;
    std::uint8_t square = 0;
    // The line of the file the event came from, for messages; 0 when the
    // event was recorded rather than read.
    std::uint32_t line = 0;
    bool operator==(const Event& other) const
    {
        return tick == other.tick && kind == other.kind && shift == other.shift && keyCode == other.keyCode &&
               item == other.item && drawn == other.drawn && square == other.square;
    }
};

struct End {
    std::uint32_t ticks = 0;
    int score = 0;
    int level = 1;
    bool twoWay = false;
    bool operator==(const End&) const = default;
};

struct Replay {
    Start start;
    std::vector<Event> events;
    // What was typed at the record prompt, for the one Name event; the
    // window cannot tell a cancel from an empty answer, so both are empty.
    std::string name;
    End end;
    bool operator==(const Replay&) const = default;
};

// The bounds every replay keeps; the reader refuses anything beyond them,
// and the recorder keeps no replay of a game that would break one.
inline constexpr std::uint32_t MaxTicks = 4'000'000'000U;
// Each is a step of the generator to repeat before playing: bounded so
// that no file can make a check run for hours.
inline constexpr std::uint64_t MaxDrawn = std::uint64_t{1} << 34;
// A tick draws at most one number per gun.
inline constexpr std::uint64_t MaxGameDraws = std::uint64_t{44} * MaxTicks;
inline constexpr int MaxSquare = 120;
inline constexpr std::size_t MaxEvents = 1'000'000;
inline constexpr int MaxKeyCode = 0xFFFF;
inline constexpr int MaxShift = 7;
// Bytes of the typed name that are kept: far more than the five characters
// a holder's name takes, so the cut never changes the name.
inline constexpr std::size_t MaxNameBytes = 64;

// "score 42, level 3, 4-way, 731 ticks": how a result is shown, both by
// the checker and on a replay's last line.
std::string describe(const End& end);

} // namespace vexel::replay
