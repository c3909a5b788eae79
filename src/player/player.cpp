// Form1 members (declared in app/form1.h): the player's square and keys. Handlers live with their subsystem.

#include "app/form1.h"

#include "board/geometry.h"
#include "player/caption.h"

#include <cstdint>

namespace vexel {

void Form1::setGrid(int flag)
{
    const auto index = static_cast<std::int16_t>(state_.playerCol + board::Size * state_.playerRow);
    if (flag == 0)
        scene_.Grid(static_cast<std::size_t>(index)).BackColor = colors::White;
    if (flag == 1)
        scene_.Grid(static_cast<std::size_t>(index)).BackColor = colors::Player;
}

void Form1::Form_KeyDown(int keyCode, int /*shift: a modified key acts as the key alone*/)
{
    setGrid(0);
    switch (keyCode) {
    case keys::Enter:
        host_.setTimerEnabled(!host_.timerEnabled());
        if (!host_.timerEnabled())
            host_.setCaption(caption::paused(state_.score));
        else
            host_.setCaption(caption::runningWithLevel(state_.score, state_.level, isOn(state_.showLevel)));
        break;
    case keys::Left:
        if (state_.playerCol > 0)
            --state_.playerCol;
        break;
    case keys::Up:
        if (state_.playerRow > 0)
            --state_.playerRow;
        break;
    case keys::Right:
        if (state_.playerCol < board::Size - 1)
            ++state_.playerCol;
        break;
    case keys::Down:
        if (state_.playerRow < board::Size - 1)
            ++state_.playerRow;
        break;
    default:
        break;
    }
    setGrid(1);
}

} // namespace vexel
