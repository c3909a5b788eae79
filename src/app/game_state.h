#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace vexel {

// The window's game variables. The record outlives the window: a lost game
// reloads the window, and start-up resets only the fields of one game while
// the three options carry over.
struct GameState {
    // The running game's fields. Start-up sets them for every game, and it
    // runs before anything reads them; the zeros here never reach play.
    int playerCol = 0;
    int playerRow = 0;
    int score = 0;
    int level = 0;
    std::int16_t nextBullet = 0;
    std::string highScores;
    // Hold no value until their menu item is first used; unset counts as false.
    std::optional<bool> showBadSquares;
    std::optional<bool> showLevel;
    // 0 false, -1 true; every reader tests it for non-zero.
    std::int16_t twoWay = 0;
};

inline bool isOn(const std::optional<bool>& option)
{
    return option.value_or(false);
}

} // namespace vexel
