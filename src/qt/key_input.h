#pragma once

#include <QObject>
#include <Qt>

#include <functional>

class QEvent;
class QKeyEvent;
class QWidget;

namespace vexel::qt {

// The code the game expects for a key: the virtual-key code the key sends
// on a desktop where the game's key numbers come from (13 for both Enter
// keys, 37 to 40 for the arrows, letters and digits as their capitals and
// digits). Punctuation follows the US layout. Keys without such a code
// give 0, which the game ignores like any other key.
int virtualKeyCode(int qtKey, Qt::KeyboardModifiers modifiers);

// The modifier bits that come with a key-down: 1 Shift, 2 Ctrl, 4 Alt.
int shiftState(Qt::KeyboardModifiers modifiers);

// The event as a key event when it is a press, a release or the shortcut
// query that comes before a press, addressed to a widget of the given
// window; null for anything else.
QKeyEvent* windowKeyEvent(const QWidget& window, QObject* receiver, QEvent* event);

// Takes every key of one window before any of its widgets sees it and
// hands the presses to the game. Nothing in the window may use a key for
// itself: not focus changes on Tab, and above all not the menu bar, which
// in several styles grabs the keyboard when Alt is pressed and released on
// its own and would then swallow the arrow keys.
class KeyRouter final : public QObject {
public:
    using Delivery = std::function<void(int keyCode, int shift)>;

    // Watches the whole application, since keys go to whichever widget of
    // the window has the focus; keys for other windows (dialogs, open
    // menus) pass untouched.
    KeyRouter(QWidget& window, Delivery deliver, QObject* parent = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget& window_;
    Delivery deliver_;
};

} // namespace vexel::qt
