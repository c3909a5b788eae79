#pragma once

#include "ui/color.h"
#include "ui/scene.h"

#include <array>
#include <optional>

namespace vexel::view {

// The states the board shows, each of which Colour-Safe Signals tells by
// more than its colour.
enum class Signal {
    PlainSquare,
    BadSquare,
    Player,
    Bullet,
    IdleGun,
    Charge1,
    Charge2,
    Charge3,
    Charge4,
};

// What is painted over a shape's fill to tell its state. Sizes are client
// pixels; the painter scales them with the board.
enum class Mark {
    None,
    Hatch,        // diagonal stripes across the whole fill
    CentreBlock,  // a solid square in the middle
    Pips,         // `count` dots along the shape's long axis
    HeavyOutline, // the outline drawn `HeavyOutlineWidth` wide
};

struct SignalLook {
    Signal signal;
    ShapeKind kind;
    Color fill;
    Mark mark;
    int count;
    Color markColour;
};

inline constexpr Color HatchColour = rgb(102, 68, 0);
inline constexpr float HatchWidth = 2;
inline constexpr float HatchPeriod = 6;
inline constexpr float CentreBlockSize = 9;
inline constexpr float PipDiameter = 6;
inline constexpr float PipSpacing = 10;
inline constexpr float HeavyOutlineWidth = 3;

// Every state with its fill, which is the game's colour and never changes,
// and the mark that goes with it.
inline constexpr std::array<SignalLook, 9> SignalLooks = {{
    {Signal::PlainSquare, ShapeKind::Rectangle, colors::White, Mark::None, 0, colors::Black},
    {Signal::BadSquare, ShapeKind::Rectangle, colors::Yellow, Mark::Hatch, 0, HatchColour},
    {Signal::Player, ShapeKind::Rectangle, colors::Player, Mark::CentreBlock, 1, colors::Black},
    {Signal::Bullet, ShapeKind::Circle, colors::Bullet, Mark::HeavyOutline, 0, colors::Black},
    {Signal::IdleGun, ShapeKind::Oval, colors::Charge[0], Mark::None, 0, colors::Black},
    {Signal::Charge1, ShapeKind::Oval, colors::Charge[1], Mark::Pips, 1, colors::Black},
    {Signal::Charge2, ShapeKind::Oval, colors::Charge[2], Mark::Pips, 2, colors::Black},
    {Signal::Charge3, ShapeKind::Oval, colors::Charge[3], Mark::Pips, 3, colors::Black},
    {Signal::Charge4, ShapeKind::Oval, colors::Charge[4], Mark::Pips, 4, colors::Black},
}};

// The state a shape of a collection shows by its colour, if any: the
// guards, and the templates' colours, tell nothing.
std::optional<SignalLook> signalOf(Scene::Collection collection, Color fill);

} // namespace vexel::view
