#pragma once

#include "history/problem.h"

#include <cstdint>
#include <functional>
#include <iosfwd>
#include <vector>

namespace vexel {
class GameOverWarnings;
}
namespace vexel::replay {
struct Replay;
}

namespace vexel::history {

class HistoryStore;

// Adds every lost game to the history, after its dialogs, the records and
// the replay files. A game that cannot be added costs nothing else: the
// player is told once, in the game over's box and on standard error, and
// the game goes on; the same problem is not told again until a game has
// been added.
class Keeper {
public:
    // Seconds since 1970-01-01 UTC: when the game was lost.
    using Clock = std::function<std::int64_t()>;

    Keeper(HistoryStore& store, GameOverWarnings& warnings, std::ostream& diagnostics, Clock clock = {});

    void keep(const replay::Replay& game, bool setRecord);

private:
    HistoryStore& store_;
    GameOverWarnings& warnings_;
    std::ostream& diagnostics_;
    Clock clock_;
    std::vector<Problem> told_;
};

} // namespace vexel::history
