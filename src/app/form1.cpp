#include "app/form1.h"

#include "app/window_definition.h"
#include "board/builders.h"
#include "player/caption.h"

namespace vexel {

Form1::Form1(GameState& state, WindowHost& host, RandomSource& random, scores::RecordStore& records,
             std::ostream& diagnostics)
    : state_(state), host_(host), random_(random), records_(records), diagnostics_(diagnostics)
{
}

void Form1::load()
{
    // A load always starts from the window's definition: whatever shapes
    // the previous game created are gone.
    scene_ = Scene{};
    window::defineTemplates(scene_);
    ++loads_;
    if (recorder_)
        recorder_->gameLoaded(state_);
    Form_Load();
}

void Form1::menu(MenuItem item)
{
    if (recorder_)
        recorder_->option(item);
    switch (item) {
    case MenuItem::ShowBadSquares:
        mnuSBS_Click();
        break;
    case MenuItem::ShowLevel:
        mnuSL_Click();
        break;
    case MenuItem::TwoWay:
        mnuTW_Click();
        break;
    }
}

void Form1::Form_Load()
{
    using C = Scene::Collection;
    scene_.bringToFront(C::Grid, 0);
    scene_.bringToFront(C::Bullet, 0);
    scene_.bringToFront(C::Gun, 0);

    board::loadGrid(scene_);
    board::loadBullet(scene_);
    board::loadGuard(scene_, host_.clientWidth(), host_.clientHeight());
    board::loadGun(scene_, state_.twoWay);

    loadScores();

    state_.nextBullet = 1;
    state_.level = 1;
    state_.score = 0;
    state_.playerCol = 5;
    state_.playerRow = 5;

    host_.setTimerEnabled(false);
    host_.setCaption(caption::paused(0));
    setGrid(1);

    if (isOn(state_.showBadSquares))
        host_.setChecked(MenuItem::ShowBadSquares, true);
    if (isOn(state_.showLevel))
        host_.setChecked(MenuItem::ShowLevel, true);
    if (state_.twoWay != 0)
        host_.setChecked(MenuItem::TwoWay, true);
}

} // namespace vexel
