// Form1 members (declared in app/form1.h): the tick. Handlers live with the subsystem they belong to.

#include "app/form1.h"

#include "board/geometry.h"
#include "tick/tags.h"

namespace vexel {

namespace {

// The colour of each charge state, indexed by the state the gun enters.
constexpr const Color (&ChargeColor)[5] = colors::Charge;

constexpr float BulletStep = 3;
constexpr float BulletSize = 25;
constexpr float NearStart = 25; // a bullet here ends where the board begins

bool isWhole(float value)
{
    return value == static_cast<float>(static_cast<int>(value));
}

} // namespace

void Form1::Frame_Timer()
{
    // Fixed for the whole tick: a level reached below applies from the next.
    const double p = state_.twoWay != 0 ? state_.level * 0.001 + 0.004 : state_.level * 0.0005 + 0.002;
    for (int i = 0; i < board::GunCount; ++i)
        gunStep(i, p);
    squareReset();
    bulletFlight();
}

void Form1::gunStep(int i, double p)
{
    ShapeObject& gun = scene_.Gun(static_cast<std::size_t>(i));
    const int t = tagValue(gun.Tag);
    switch (t) {
    case 0: {
        // Every idle gun draws, even one that two-way play keeps silent, so
        // the random sequence does not depend on the mode.
        const float r = random_.draw();
        const bool mayFire = !(state_.twoWay != 0 && board::silentInTwoWay(i));
        if (r < p && mayFire) {
            gun.Tag = "1";
            gun.BackColor = ChargeColor[1];
        }
        break;
    }
    case 1:
    case 2:
    case 3:
        gun.Tag = std::to_string(t + 1);
        gun.BackColor = ChargeColor[t + 1];
        break;
    case 4:
        fire(i);
        break;
    default:
        break;
    }
}

void Form1::fire(int i)
{
    ShapeObject& gun = scene_.Gun(static_cast<std::size_t>(i));
    gun.Tag = "0";
    gun.BackColor = ChargeColor[0];
    tell(Moment::GunFired, i);

    // The cursor takes whatever bullet it points at, even one still flying.
    ShapeObject& bullet = scene_.Bullet(static_cast<std::size_t>(state_.nextBullet));
    const board::Side side = board::sideOfGun(i);
    bullet.Visible = true;
    bullet.Width = BulletSize;
    bullet.Height = BulletSize;
    bullet.Tag = std::string(1, static_cast<char>('0' + side));
    switch (side) {
    case board::Top:
        bullet.Top = NearStart;
        bullet.Left = gun.Left;
        break;
    case board::Left:
        bullet.Top = gun.Top;
        bullet.Left = NearStart;
        break;
    case board::Bottom:
        bullet.Top = board::FarGunEdge;
        bullet.Left = gun.Left;
        break;
    default:
        bullet.Top = gun.Top;
        bullet.Left = board::FarGunEdge;
        break;
    }

    ++state_.nextBullet;
    if (state_.nextBullet > board::PoolSize)
        state_.nextBullet = 1;
}

void Form1::squareReset()
{
    for (int i = 0; i < board::SquareCount; ++i) {
        ShapeObject& square = scene_.Grid(static_cast<std::size_t>(i));
        if (square.BackColor == colors::Yellow)
            square.BackColor = colors::White;
    }
}

bool Form1::testSquare(int row, int col)
{
    // Only a layout other than the game's could put a corner on the far
    // edge itself; such a test must not wrap into the next row or run off
    // the board.
    if (row >= board::Size || col >= board::Size)
        return false;
    ShapeObject& square = scene_.Grid(static_cast<std::size_t>(board::gridIndex(row, col)));
    if (square.BackColor == colors::Player) {
        Lost();
        return true;
    }
    if (isOn(state_.showBadSquares))
        square.BackColor = colors::Yellow;
    return false;
}

bool Form1::bulletFlight()
{
    for (int i = 1; i <= board::PoolSize; ++i) {
        ShapeObject& b = scene_.Bullet(static_cast<std::size_t>(i));
        if (b.Tag == "0")
            b.Top += BulletStep;
        else if (b.Tag == "1")
            b.Left += BulletStep;
        else if (b.Tag == "2")
            b.Top -= BulletStep;
        else if (b.Tag == "3")
            b.Left -= BulletStep;

        const int direction = tagValue(b.Tag);
        if (direction >= 4)
            continue;

        const float r = (b.Top - board::Origin) / board::Pitch;
        const float c = (b.Left - board::Origin) / board::Pitch;
        if (r >= 0 && r <= board::Size && c >= 0 && c <= board::Size) {
            const int row = static_cast<int>(r);
            const int col = static_cast<int>(c);
            // A game lost here has been replaced by a fresh one: stop before
            // touching anything, lest the new game be hit or painted.
            if (testSquare(row, col))
                return true;
            const bool rowWhole = isWhole(r);
            const bool colWhole = isWhole(c);
            if (rowWhole && !colWhole && c < board::Size - 1) {
                if (testSquare(row, static_cast<int>(c + 1)))
                    return true;
            } else if (!rowWhole && colWhole && r < board::Size - 1) {
                if (testSquare(static_cast<int>(r + 1), col))
                    return true;
            }
        }

        const bool escaped = (direction == 0 && r > board::Size) || (direction == 1 && c > board::Size) ||
                             (direction == 2 && r < 0) || (direction == 3 && c < 0);
        if (b.Visible && escaped) {
            b.Visible = false;
            addScore(1);
        }
    }
    return false;
}

} // namespace vexel
