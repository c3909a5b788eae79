// A pad's buttons and stick as keys: every rule in one table, each row a
// sequence of readings and the keys it must give, in order.

#include "device/pad_mapping.h"

#include <gtest/gtest.h>

#include <string>
#include <variant>
#include <vector>

using namespace vexel::device;

namespace {

struct Press {
    PadButton button;
    bool down;
    int atMs;
};
struct Tilt {
    PadAxis axis;
    int value;
    int atMs;
};
struct Wait {
    int atMs;
};
struct LetGo {};
using Step = std::variant<Press, Tilt, Wait, LetGo>;

PadKeyEvent down(PadKey key)
{
    return {key, true, false};
}
PadKeyEvent up(PadKey key)
{
    return {key, false, false};
}
PadKeyEvent again(PadKey key)
{
    return {key, true, true};
}

struct Row {
    std::string rule;
    std::vector<Step> steps;
    std::vector<PadKeyEvent> keys;
};

std::string name(PadKey key)
{
    static const char* const names[] = {"Up", "Down", "Left", "Right", "Enter", "Escape", "F10"};
    return names[static_cast<int>(key)];
}

std::string describe(const std::vector<PadKeyEvent>& keys)
{
    std::string text;
    for (const PadKeyEvent& key : keys)
        text += (key.pressed ? (key.repeat ? " again " : " down ") : " up ") + name(key.key);
    return text;
}

} // namespace

TEST(PadMapping, ButtonsAndStickGiveTheKeys)
{
    using B = PadButton;
    using K = PadKey;
    const std::vector<Row> rows = {
        {"the D-pad gives the arrows",
         {Press{B::DpadUp, true, 0}, Press{B::DpadUp, false, 10}, Press{B::DpadDown, true, 20},
          Press{B::DpadDown, false, 30}, Press{B::DpadLeft, true, 40}, Press{B::DpadLeft, false, 50},
          Press{B::DpadRight, true, 60}, Press{B::DpadRight, false, 70}},
         {down(K::Up), up(K::Up), down(K::Down), up(K::Down), down(K::Left), up(K::Left), down(K::Right),
          up(K::Right)}},
        {"A and Start give Enter, B Escape, Back F10; other buttons nothing",
         {Press{B::A, true, 0}, Press{B::A, false, 1}, Press{B::Start, true, 2}, Press{B::Start, false, 3},
          Press{B::B, true, 4}, Press{B::B, false, 5}, Press{B::Back, true, 6}, Press{B::Back, false, 7},
          Press{B::Other, true, 8}, Tilt{PadAxis::Other, 32767, 9}},
         {down(K::Enter), up(K::Enter), down(K::Enter), up(K::Enter), down(K::Escape), up(K::Escape),
          down(K::F10), up(K::F10)}},
        {"a button reported down twice is one press",
         {Press{B::A, true, 0}, Press{B::A, true, 5}, Press{B::A, false, 9}, Press{B::A, false, 12}},
         {down(K::Enter), up(K::Enter)}},
        {"the stick inside its dead zone gives nothing",
         {Tilt{PadAxis::LeftX, 16383, 0}, Tilt{PadAxis::LeftY, -16383, 5}, Tilt{PadAxis::LeftX, 0, 9}},
         {}},
        {"the stick pushed out is one press, let go below a quarter",
         {Tilt{PadAxis::LeftX, 16384, 0}, Tilt{PadAxis::LeftX, 30000, 5}, Tilt{PadAxis::LeftX, 9000, 10},
          Tilt{PadAxis::LeftX, 8191, 15}, Tilt{PadAxis::LeftY, -32768, 20}, Tilt{PadAxis::LeftY, 32767, 25},
          Tilt{PadAxis::LeftY, 0, 30}},
         {down(K::Right), up(K::Right), down(K::Up), up(K::Up), down(K::Down), up(K::Down)}},
        {"D-pad and stick held the same way are let go with the last",
         {Press{B::DpadLeft, true, 0}, Tilt{PadAxis::LeftX, -20000, 5}, Press{B::DpadLeft, false, 10},
          Tilt{PadAxis::LeftX, 0, 15}},
         {down(K::Left), down(K::Left), up(K::Left)}},
        {"a held direction repeats after the delay, at the rate",
         {Press{B::DpadRight, true, 1000}, Wait{1499}, Wait{1500}, Wait{1532}, Wait{1533}, Wait{1566},
          Press{B::DpadRight, false, 1570}, Wait{2000}},
         {down(K::Right), again(K::Right), again(K::Right), again(K::Right), up(K::Right)}},
        {"a late reading repeats once, not in a burst",
         {Tilt{PadAxis::LeftY, 32767, 0}, Wait{900}, Wait{910}, Wait{933}},
         {down(K::Down), again(K::Down), again(K::Down)}},
        {"only the direction pressed last repeats; a fresh press ends it",
         {Press{B::DpadUp, true, 0}, Press{B::DpadLeft, true, 100}, Wait{599}, Wait{600},
          Press{B::DpadLeft, false, 610}, Wait{1500}, Press{B::DpadDown, true, 1600}, Press{B::A, true, 1700},
          Wait{2500}},
         {down(K::Up), down(K::Left), again(K::Left), up(K::Left), down(K::Down), down(K::Enter)}},
        {"Enter, Escape and F10 never repeat",
         {Press{B::A, true, 0}, Press{B::B, true, 1}, Press{B::Back, true, 2}, Wait{5000}},
         {down(K::Enter), down(K::Escape), down(K::F10)}},
        {"letting go of everything releases each held key once and stops the repeat",
         {Press{B::DpadUp, true, 0}, Tilt{PadAxis::LeftY, -30000, 1}, Press{B::B, true, 2}, LetGo{},
          Wait{5000}, LetGo{}},
         {down(K::Up), down(K::Up), down(K::Escape), up(K::Up), up(K::Escape)}},
    };
    for (const Row& row : rows) {
        PadMapper mapper(RepeatTiming{500, 33});
        std::vector<PadKeyEvent> keys;
        for (const Step& step : row.steps) {
            if (const auto* press = std::get_if<Press>(&step))
                mapper.button(press->button, press->down, press->atMs, keys);
            else if (const auto* tilt = std::get_if<Tilt>(&step))
                mapper.axis(tilt->axis, tilt->value, tilt->atMs, keys);
            else if (const auto* wait = std::get_if<Wait>(&step))
                mapper.advance(wait->atMs, keys);
            else
                mapper.releaseAll(keys);
        }
        EXPECT_EQ(describe(keys), describe(row.keys)) << row.rule;
    }
}
