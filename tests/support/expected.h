#pragma once

#include "ui/color.h"

#include <initializer_list>

namespace vexel::testsupport {

// What the game must show, written out here rather than taken from the
// game, so that the game is not checked against itself.

// The level that belongs to a score.
inline int expectedLevel(int score)
{
    int level = 1;
    for (int last : {10, 25, 50, 100, 250, 500, 1000, 2000, 3000, 5000, 7500})
        level += score > last ? 1 : 0;
    return level;
}

// A gun's colour in each charge state, from idle to armed.
inline constexpr Color ChargeColours[] = {rgb(255, 255, 0), rgb(255, 192, 0), rgb(255, 128, 0),
                                          rgb(255, 64, 0), rgb(255, 0, 0)};

} // namespace vexel::testsupport
