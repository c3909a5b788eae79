#pragma once

#include "replay/replay.h"

#include <cstdint>
#include <functional>
#include <iosfwd>
#include <string_view>

namespace vexel {
class DefaultRandom;
struct GameState;
} // namespace vexel

namespace vexel::replay {

// Follows the game from each load to its loss and hands over the whole
// game when it is lost. The game calls it for every notification the
// window delivered; a tick costs one increment, and nothing is written
// until the game is over.
class Recorder {
public:
    // Receives each lost game, after its dialogs and the records' save;
    // setRecord says the game beat the record of its mode.
    using Keep = std::function<void(const Replay& game, bool setRecord)>;

    Recorder(const DefaultRandom& random, Keep keep, std::ostream& diagnostics);

    // The window has loaded a new game: the start state is what the
    // generator and the options hold now.
    void gameLoaded(const GameState& state);
    void tick() { ++ticks_; }
    void key(int keyCode, int shift);
    void option(MenuItem item);
    void highScores();
    // What was typed at the record prompt; empty for a cancel.
    void named(std::string_view typed);
    void gameOver(const GameState& state);

private:
    void add(Event event);
    // The game can no longer be kept within a replay's bounds.
    void giveUp(const char* why);

    const DefaultRandom& random_;
    const GameState* state_ = nullptr;
    Keep keep_;
    std::ostream& diagnostics_;
    Replay game_;
    std::uint64_t ticks_ = 0;
    bool named_ = false;
    const char* tooLarge_ = nullptr;
};

} // namespace vexel::replay
