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
constexpr int sideOfGun(int gun)
{
    return gun / GunsPerSide;
}
constexpr int placeOfGun(int gun)
{
    return gun % GunsPerSide;
}

} // namespace vexel::board
