#pragma once

#include <string>

namespace vexel {

enum class MenuItem { ShowBadSquares, ShowLevel, TwoWay };
enum class MessageIcon { None, Information, Warning };

// Virtual-key codes as the game receives them.
namespace keys {
inline constexpr int Enter = 13;
inline constexpr int Left = 37;
inline constexpr int Up = 38;
inline constexpr int Right = 39;
inline constexpr int Down = 40;
} // namespace keys

// What the window tells the game. The window delivers these one at a time and
// never while one of them, or a dialog it opened, is still running.
class FormEvents {
public:
    virtual ~FormEvents() = default;
    // The window has been (re)created as defined and is about to be shown.
    virtual void load() = 0;
    virtual void keyDown(int keyCode, int shift) = 0;
    virtual void timer() = 0;
    virtual void menu(MenuItem item) = 0;
    virtual void highScoresMenu() = 0;
};

// Everything the game asks of its window besides the shapes, which it keeps
// in a Scene of its own. Implemented by the Qt window and by a headless
// window for tests and benchmarks.
class WindowHost {
public:
    virtual ~WindowHost() = default;

    virtual std::string caption() const = 0;
    virtual void setCaption(const std::string& text) = 0;

    virtual int clientWidth() const = 0;
    virtual int clientHeight() const = 0;

    virtual bool timerEnabled() const = 0;
    virtual void setTimerEnabled(bool enabled) = 0;

    virtual bool checked(MenuItem item) const = 0;
    virtual void setChecked(MenuItem item, bool on) = 0;

    // Modal. Returns when the player has dismissed the box.
    virtual void messageBox(const std::string& text, const std::string& title, MessageIcon icon) = 0;
    // Modal. Returns what was typed, or an empty text when cancelled.
    virtual std::string inputBox(const std::string& prompt, const std::string& title) = 0;

    // Unloads the window and shows it again: caption, timer and check marks
    // return to the window's definition and FormEvents::load runs before this
    // returns.
    virtual void reload() = 0;
};

} // namespace vexel
