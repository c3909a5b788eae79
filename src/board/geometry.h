#pragma once

#include <cstddef>

namespace vexel::board {

inline constexpr int Size = 11; // squares per row and column
inline constexpr int SquareCount = Size * Size;
inline constexpr int Origin = 50; // client pixel of the first square
inline constexpr int Pitch = 24;  // squares overlap by one outline pixel
inline constexpr int SquareSize = 25;
inline constexpr int GunCount = 44;
inline constexpr int GunsPerSide = 11;
inline constexpr int PoolSize = 50; // Bullet(1)..Bullet(50)
inline constexpr int GuardCount = 4;
inline constexpr int GunDepth = 50;    // a gun's size across its band
inline constexpr int GunBreadth = 24;  // and along it
inline constexpr int FarGunEdge = 315; // first pixel past the board

// The sides of the board, in the order the guns are numbered: gun i stands
// on side i / 11 at place i % 11 (the column for the top and bottom guns,
// the row for the left and right ones).
enum Side { Top = 0, Left = 1, Bottom = 2, Right = 3 };

constexpr int gridIndex(int row, int col)
{
    return Size * row + col;
}
constexpr int squareLeft(int col)
{
    return Origin + Pitch * col;
}
constexpr int squareTop(int row)
{
    return Origin + Pitch * row;
}
constexpr Side sideOfGun(int gun)
{
    return static_cast<Side>(gun / GunsPerSide);
}
constexpr int placeOfGun(int gun)
{
    return gun % GunsPerSide;
}
constexpr int gunAt(Side side, int place)
{
    return GunsPerSide * side + place;
}

// Two-way play hides the guns above and below the board, and they start no
// charge while it lasts; the guns beside the board play on.
constexpr bool isTopOrBottom(Side side)
{
    return side == Top || side == Bottom;
}
constexpr bool silentInTwoWay(int gun)
{
    return isTopOrBottom(sideOfGun(gun));
}

} // namespace vexel::board
