#include "board/builders.h"

#include "board/geometry.h"
#include "ui/scene.h"

namespace vexel::board {

using C = Scene::Collection;

void loadGrid(Scene& scene)
{
    for (int r = 0; r < Size; ++r) {
        for (int c = 0; c < Size; ++c) {
            const int n = c + Size * r;
            ShapeObject& square = n > 0 ? scene.create(C::Grid, n) : scene.Grid(0);
            square.Left = static_cast<float>(squareLeft(c));
            square.Top = static_cast<float>(squareTop(r));
            square.Visible = true;
            square.BackColor = colors::White;
            scene.bringToFront(C::Grid, n);
        }
    }
}

void loadBullet(Scene& scene)
{
    // Bullets keep the template's place and size until a gun fires them.
    for (int i = 1; i <= PoolSize; ++i) {
        ShapeObject& bullet = scene.create(C::Bullet, i);
        bullet.Visible = false;
        bullet.Tag = "4";
        scene.bringToFront(C::Bullet, i);
    }
}

void loadGuard(Scene& scene, int clientWidth, int clientHeight)
{
    for (int i = 0; i < GuardCount; ++i) {
        ShapeObject& guard = i > 0 ? scene.create(C::Guard, i) : scene.Guard(0);
        guard.Visible = true;
        scene.bringToFront(C::Guard, i);
    }
    // The top and left bands are one pixel deeper than the margin, the bottom
    // and right ones two: each covers the board's outermost outline on its side.
    const auto w = static_cast<float>(clientWidth);
    const auto h = static_cast<float>(clientHeight);
    auto place = [&scene](int i, float left, float top, float height, float width) {
        ShapeObject& guard = scene.Guard(i);
        guard.Left = left;
        guard.Top = top;
        guard.Height = height;
        guard.Width = width;
    };
    place(0, 0, 0, 51, w);
    place(1, 0, 0, h, 51);
    place(2, 0, h - 52, 52, w);
    place(3, w - 52, 0, h, 52);
}

void loadGun(Scene& scene, std::int16_t twoWay)
{
    const bool topAndBottomShown = twoWay == 0;
    // Top, left, height and width, in that order, as every shape is placed.
    auto place = [&scene](int gun, float top, float left, bool across, bool visible) {
        ShapeObject& shape = scene.Gun(static_cast<std::size_t>(gun));
        shape.Top = top;
        shape.Left = left;
        shape.Height = across ? GunBreadth : GunDepth;
        shape.Width = across ? GunDepth : GunBreadth;
        shape.Visible = visible;
    };
    for (int k = 0; k < GunsPerSide; ++k) {
        if (k > 0)
            scene.create(C::Gun, gunAt(Top, k));
        scene.create(C::Gun, gunAt(Left, k));
        scene.create(C::Gun, gunAt(Bottom, k));
        scene.create(C::Gun, gunAt(Right, k));

        // Guns above and below the board stand upright; those beside it lie
        // across their row.
        const auto along = static_cast<float>(Origin + Pitch * k);
        place(gunAt(Top, k), 0, along, false, topAndBottomShown);
        place(gunAt(Left, k), along, 0, true, true);
        place(gunAt(Bottom, k), FarGunEdge, along, false, topAndBottomShown);
        place(gunAt(Right, k), along, FarGunEdge, true, true);
    }
    for (int i = 0; i < GunCount; ++i) {
        ShapeObject& gun = scene.Gun(i);
        gun.BackColor = colors::Yellow;
        gun.Tag = "0";
        scene.bringToFront(C::Gun, i);
    }
}

} // namespace vexel::board
