#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace vexel::device {

// What a pad says to the game: the keys of a keyboard. The Qt side turns
// them into real key events.
enum class PadKey { Up, Down, Left, Right, Enter, Escape, F10 };

// The controls that mean anything to the game, under SDL's names for the
// positions on an Xbox-style pad.
enum class PadButton { A, B, Start, Back, DpadUp, DpadDown, DpadLeft, DpadRight, Other };
enum class PadAxis { LeftX, LeftY, Other };

struct PadKeyEvent {
    PadKey key = PadKey::Enter;
    bool pressed = true; // false for a release
    bool repeat = false; // a press made by holding, as the keyboard's repeat makes
    friend bool operator==(const PadKeyEvent&, const PadKeyEvent&) = default;
};

// The desktop's key repeat: the first repeat after delayMs, then one every
// intervalMs.
struct RepeatTiming {
    int delayMs = 500;
    int intervalMs = 33;
};

// One pad's buttons and left stick as a keyboard. The D-pad and the stick
// give the arrows, one press per push and repeats while held, as a held
// arrow key does; A and Start give Enter, B Escape, Back F10. Like a
// keyboard, only the direction pressed last repeats, and any fresh press
// ends the repeat of the one before. Times are milliseconds on any clock
// that only goes forward.
class PadMapper {
public:
    // The stick counts as pushed from half way out and as let go again
    // below a quarter, so that a stick resting near the edge of the dead
    // zone does not chatter.
    static constexpr int PushAt = 16384;
    static constexpr int LetGoBelow = 8192;

    explicit PadMapper(RepeatTiming timing = {}) : timing_(timing) {}
    void setTiming(RepeatTiming timing) { timing_ = timing; }

    void button(PadButton which, bool down, std::int64_t nowMs, std::vector<PadKeyEvent>& out);
    // value as SDL gives it, -32768 to 32767; y grows downwards.
    void axis(PadAxis which, int value, std::int64_t nowMs, std::vector<PadKeyEvent>& out);
    // The repeat that has fallen due by now, if any: one at most, so that a
    // late call makes no burst of moves.
    void advance(std::int64_t nowMs, std::vector<PadKeyEvent>& out);
    // Lets go of everything held, as when the pad is unplugged.
    void releaseAll(std::vector<PadKeyEvent>& out);

private:
    // The D-pad's four directions, the stick's four, then A, Start, B, Back.
    static constexpr int Sources = 12;
    static constexpr int StickUp = 4;
    static PadKey keyOf(int source);
    void set(int source, bool down, std::int64_t nowMs, std::vector<PadKeyEvent>& out);
    bool heldElsewhere(int source) const;

    RepeatTiming timing_;
    std::array<bool, Sources> held_{};
    int repeating_ = -1;
    std::int64_t nextRepeat_ = 0;
};

} // namespace vexel::device
