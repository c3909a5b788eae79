// Form1 members (declared in app/form1.h): the Options menu. Handlers live with their subsystem.

#include "app/form1.h"

#include "board/geometry.h"

namespace vexel {

// Each toggle reads its check mark back rather than negating the field, so
// the field and the mark can never disagree.

void Form1::mnuSBS_Click()
{
    host_.setChecked(MenuItem::ShowBadSquares, !host_.checked(MenuItem::ShowBadSquares));
    state_.showBadSquares = host_.checked(MenuItem::ShowBadSquares);
}

void Form1::mnuSL_Click()
{
    host_.setChecked(MenuItem::ShowLevel, !host_.checked(MenuItem::ShowLevel));
    state_.showLevel = host_.checked(MenuItem::ShowLevel);
}

void Form1::mnuTW_Click()
{
    host_.setChecked(MenuItem::TwoWay, !host_.checked(MenuItem::TwoWay));
    state_.twoWay = host_.checked(MenuItem::TwoWay) ? std::int16_t{-1} : std::int16_t{0};
    // Only visibility changes: a hidden gun that is charging still fires.
    for (const board::Side side : {board::Top, board::Bottom}) {
        for (int k = 0; k < board::GunsPerSide; ++k)
            scene_.Gun(static_cast<std::size_t>(board::gunAt(side, k))).Visible = state_.twoWay == 0;
    }
}

} // namespace vexel
