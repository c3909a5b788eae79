#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vexel::history {

// One game as the full list and the progress chart show it: no strings,
// so that a vector of every game is one allocation.
struct GameSummary {
    // The game's number in the history, "game N": never reused.
    std::int64_t id = 0;
    // When the game was lost, in seconds since 1970-01-01 UTC.
    std::int64_t endedUtc = 0;
    std::uint32_t ticks = 0;
    int score = 0;
    int level = 1;
    // The mode the game was lost in, which is the mode its score counts for.
    bool twoWay = false;
};

// One lost game as the history keeps it: its summary and the rest of its
// row. The replay text is left out: it is the bulk of a row, and only
// watching or saving a game needs it.
struct GameRecord : GameSummary {
    // The three options as they stood when the game started.
    bool startShowBadSquares = false;
    bool startShowLevel = false;
    bool startTwoWay = false;
    // Whether the game set the record of its mode, and the holder's five
    // characters if it did.
    bool setRecord = false;
    std::string holder;
};

// What the History window and `--history` show, worked out from the rows.
struct ModeTotals {
    std::int64_t games = 0;
    int best = 0;
    double average = 0.0;
};

struct Totals {
    std::int64_t games = 0;
    // Ticks of every game added up; 50 ticks make a second.
    std::uint64_t ticks = 0;
    ModeTotals fourWay;
    ModeTotals twoWay;
};

// The history as the window reads it. The store implements it; the window
// takes it through this seam so that its tests can hand it rows directly.
class HistorySource {
public:
    virtual ~HistorySource() = default;
    // Every game, oldest first.
    virtual std::vector<GameRecord> games() const = 0;
    // Every game as the list shows it, oldest first.
    virtual std::vector<GameSummary> summaries() const = 0;
    // The best ten of a mode: higher score first, the earlier game first
    // at an equal score.
    virtual std::vector<GameRecord> topTen(bool twoWay) const = 0;
    virtual Totals totals() const = 0;
    // The replay text of a game, empty when there is no such game.
    virtual std::string replayText(std::int64_t id) const = 0;
};

} // namespace vexel::history
