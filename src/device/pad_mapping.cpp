#include "device/pad_mapping.h"

#include <cstdlib>

namespace vexel::device {

namespace {

constexpr int Up = 0, Down = 1, Left = 2, Right = 3;
constexpr int A = 8, Start = 9, B = 10, Back = 11;

} // namespace

PadKey PadMapper::keyOf(int source)
{
    switch (source) {
    case Up:
    case StickUp + Up:
        return PadKey::Up;
    case Down:
    case StickUp + Down:
        return PadKey::Down;
    case Left:
    case StickUp + Left:
        return PadKey::Left;
    case Right:
    case StickUp + Right:
        return PadKey::Right;
    case B:
        return PadKey::Escape;
    case Back:
        return PadKey::F10;
    default:
        return PadKey::Enter;
    }
}

bool PadMapper::heldElsewhere(int source) const
{
    for (int other = 0; other < Sources; ++other) {
        if (other != source && held_[other] && keyOf(other) == keyOf(source))
            return true;
    }
    return false;
}

void PadMapper::set(int source, bool down, std::int64_t nowMs, std::vector<PadKeyEvent>& out)
{
    if (held_[source] == down)
        return;
    held_[source] = down;
    if (down) {
        out.push_back({keyOf(source), true, false});
        const bool direction = source < A;
        repeating_ = direction ? source : -1;
        nextRepeat_ = nowMs + timing_.delayMs;
        return;
    }
    if (repeating_ == source)
        repeating_ = -1;
    // D-pad and stick pushed the same way are one key, let go with the last.
    if (!heldElsewhere(source))
        out.push_back({keyOf(source), false, false});
}

void PadMapper::button(PadButton which, bool down, std::int64_t nowMs, std::vector<PadKeyEvent>& out)
{
    switch (which) {
    case PadButton::DpadUp:
        return set(Up, down, nowMs, out);
    case PadButton::DpadDown:
        return set(Down, down, nowMs, out);
    case PadButton::DpadLeft:
        return set(Left, down, nowMs, out);
    case PadButton::DpadRight:
        return set(Right, down, nowMs, out);
    case PadButton::A:
        return set(A, down, nowMs, out);
    case PadButton::Start:
        return set(Start, down, nowMs, out);
    case PadButton::B:
        return set(B, down, nowMs, out);
    case PadButton::Back:
        return set(Back, down, nowMs, out);
    case PadButton::Other:
        return;
    }
}

void PadMapper::axis(PadAxis which, int value, std::int64_t nowMs, std::vector<PadKeyEvent>& out)
{
    if (which == PadAxis::Other)
        return;
    const int negative = StickUp + (which == PadAxis::LeftX ? Left : Up);
    const int positive = StickUp + (which == PadAxis::LeftX ? Right : Down);
    const int distance = std::abs(value);
    // Let go first, so that a stick flicked across the centre between two
    // readings gives a release and then the new press.
    for (const int source : {negative, positive}) {
        const bool thisWay = (source == positive) == (value > 0);
        if (held_[source] && (!thisWay || distance < LetGoBelow))
            set(source, false, nowMs, out);
    }
    if (distance >= PushAt)
        set(value > 0 ? positive : negative, true, nowMs, out);
}

void PadMapper::advance(std::int64_t nowMs, std::vector<PadKeyEvent>& out)
{
    if (repeating_ < 0 || nowMs < nextRepeat_)
        return;
    out.push_back({keyOf(repeating_), true, true});
    nextRepeat_ += timing_.intervalMs;
    if (nextRepeat_ <= nowMs)
        nextRepeat_ = nowMs + timing_.intervalMs;
}

void PadMapper::releaseAll(std::vector<PadKeyEvent>& out)
{
    for (int source = 0; source < Sources; ++source)
        set(source, false, 0, out);
    repeating_ = -1;
}

} // namespace vexel::device
