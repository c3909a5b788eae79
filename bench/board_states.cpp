#include "board_states.h"

#include "board/geometry.h"
#include "tick/tags.h"

#include <stdexcept>

namespace vexel::bench {

namespace {

constexpr Color ChargeColor[] = {
    colors::Yellow, rgb(255, 192, 0), rgb(255, 128, 0), rgb(255, 64, 0), rgb(255, 0, 0),
};

bool inPlayerLine(int gun)
{
    // The player stays on the centre square: its column is place 5 of the
    // top and bottom guns, its row place 5 of the left and right ones.
    return board::placeOfGun(gun) == 5;
}

// A bullet flying in direction `side` along board line `line`, `travelled`
// pixels after it entered the board. Positions keep the game's own grid of
// 3-pixel steps from the start positions, so the hit test sees the same
// fractional coordinates as in play.
void placeBullet(Scene& scene, int index, int side, int line, int travelled)
{
    ShapeObject& bullet = scene.Bullet(static_cast<std::size_t>(index));
    const auto across = static_cast<float>(board::Origin + board::Pitch * line);
    const auto forward = static_cast<float>(52 + travelled);   // 25 + 3k, first tested at 52
    const auto backward = static_cast<float>(312 - travelled); // 315 - 3k, first tested at 312
    bullet.Visible = true;
    bullet.Width = board::SquareSize;
    bullet.Height = board::SquareSize;
    bullet.Tag = std::string(1, static_cast<char>('0' + side));
    switch (side) {
    case board::Top:
        bullet.Left = across;
        bullet.Top = forward;
        break;
    case board::Left:
        bullet.Top = across;
        bullet.Left = forward;
        break;
    case board::Bottom:
        bullet.Left = across;
        bullet.Top = backward;
        break;
    default:
        bullet.Top = across;
        bullet.Left = backward;
        break;
    }
}

void setGun(Scene& scene, int gun, int charge)
{
    ShapeObject& shape = scene.Gun(static_cast<std::size_t>(gun));
    shape.Tag = std::to_string(charge);
    shape.BackColor = ChargeColor[charge];
}

// Lines other than the player's, in an order that spreads bullets over the
// board.
constexpr int SafeLines[] = {0, 6, 1, 7, 2, 8, 3, 9, 4, 10};

// Travel that keeps a bullet on the board for SafeTicks more ticks: the
// farthest start, 237 pixels in, still leaves 24 pixels before the far edge.
int travelFor(int j)
{
    return 3 * ((7 * j) % 80);
}

void startRunning(Rig& rig)
{
    rig.host.show();
    rig.host.pressKey(keys::Enter);
    if (!rig.host.timerEnabled())
        throw std::logic_error("Enter did not start the game");
}

} // namespace

Rig::Rig(bool recorded)
{
    host.setRecording(false);
    form_ = std::make_unique<Form1>(state, host, random, records_, diagnostics);
    if (recorded)
        form_->record(recorder_);
    host.attach(*form_);
}

void Rig::snapshot()
{
    savedScene_ = form_->scene();
    savedState_ = state;
}

void Rig::restore()
{
    form_->scene() = savedScene_;
    state = savedState_;
}

void makeIdle(Rig& rig)
{
    startRunning(rig);
}

void makeBusy(Rig& rig)
{
    startRunning(rig);
    rig.host.clickMenu(MenuItem::ShowBadSquares);
    Scene& scene = rig.form().scene();
    for (int i = 1; i <= board::PoolSize; ++i) {
        const int j = i - 1;
        placeBullet(scene, i, j % 4, SafeLines[(j / 4) % 10], travelFor(j));
    }
    // Three guns in four charge, at staggered stages, so every tick advances
    // some and fires others.
    for (int gun = 0; gun < board::GunCount; ++gun) {
        if (!inPlayerLine(gun) && gun % 4 != 3)
            setGun(scene, gun, 1 + gun % 4);
    }
}

void makeTwoWay(Rig& rig)
{
    startRunning(rig);
    rig.host.clickMenu(MenuItem::TwoWay);
    Scene& scene = rig.form().scene();
    for (int i = 1; i <= 25; ++i) {
        const int j = i - 1;
        placeBullet(scene, i, j % 2 == 0 ? board::Left : board::Right, SafeLines[(j / 2) % 10], travelFor(j));
    }
    for (int gun = 0; gun < board::GunCount; ++gun) {
        const int side = board::sideOfGun(gun);
        if ((side == board::Left || side == board::Right) && !inPlayerLine(gun) && gun % 2 == 0)
            setGun(scene, gun, 1 + gun % 4);
    }
}

int visibleBullets(const Scene& scene)
{
    int count = 0;
    for (int i = 1; i <= board::PoolSize; ++i)
        count += scene.Bullet(static_cast<std::size_t>(i)).Visible ? 1 : 0;
    return count;
}

int chargingGuns(const Scene& scene)
{
    int count = 0;
    for (int gun = 0; gun < board::GunCount; ++gun)
        count += tagValue(scene.Gun(static_cast<std::size_t>(gun)).Tag) != 0 ? 1 : 0;
    return count;
}

} // namespace vexel::bench
