#pragma once

#include <cstdint>

namespace vexel {

// A 24-bit colour. Colours that carry meaning in the game are compared
// exactly, so this is a plain value rather than a floating-point colour.
using Color = std::uint32_t;

constexpr Color rgb(unsigned r, unsigned g, unsigned b)
{
    return (Color(r & 0xFFU) << 16) | (Color(g & 0xFFU) << 8) | Color(b & 0xFFU);
}

constexpr unsigned red(Color c)
{
    return (c >> 16) & 0xFFU;
}
constexpr unsigned green(Color c)
{
    return (c >> 8) & 0xFFU;
}
constexpr unsigned blue(Color c)
{
    return c & 0xFFU;
}

namespace colors {
inline constexpr Color Black = rgb(0, 0, 0);
inline constexpr Color White = rgb(255, 255, 255);
inline constexpr Color Player = rgb(0, 255, 0);
// Bad squares and idle guns share this yellow.
inline constexpr Color Yellow = rgb(255, 255, 0);
inline constexpr Color Bullet = rgb(255, 128, 128);
// A gun in each charge state, indexed by the state: idle, then yellow
// through amber, orange and red-orange to red.
inline constexpr Color Charge[] = {Yellow, rgb(255, 192, 0), rgb(255, 128, 0), rgb(255, 64, 0),
                                   rgb(255, 0, 0)};
} // namespace colors

} // namespace vexel
