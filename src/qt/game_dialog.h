#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QValidator>

#include <optional>
#include <unordered_map>

class QDialog;
class QKeyEvent;
class QWidget;

namespace vexel::qt {

// Where a dialog of the given frame size opens so that it covers none of
// the window's frame: to its right, else to its left, else below it, each
// centred on the window along the other axis and kept on the screen's
// usable area. Nothing when none of the three fits; the dialog then opens
// where the toolkit puts it, over the middle of the window.
std::optional<QPoint> placeBeside(const QRect& windowFrame, const QSize& dialogFrame, const QRect& available);

// Keeps keys from one of the game's dialogs that the player did not mean
// for it: every key in the dialog's first half second, when a key pressed
// to play may still arrive, and for as long as it lasts every key that was
// not pressed afresh after that, such as one held down since before the
// dialog opened. A held key repeats either as presses marked as repeats or,
// under X11, often as a release and a press with the same timestamp; both
// count as the key still held.
class DialogKeyGuard final : public QObject {
public:
    static constexpr qint64 DeafMs = 500;
    // Two events of one key this close together come from the keyboard's
    // repeat, not from a finger.
    static constexpr quint64 RepeatGapMs = 5;

    // Watches the dialog's keys from now until the guard is destroyed.
    explicit DialogKeyGuard(QDialog& dialog);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct KeyState {
        // The dialog was given this key's latest fresh press.
        bool owned = false;
        std::optional<quint64> releasedAt;
    };
    static int identity(const QKeyEvent& key);
    bool passes(const QKeyEvent& key) const;

    QDialog& dialog_;
    QElapsedTimer opened_;
    std::unordered_map<int, KeyState> keys_;
};

// Keeps a line edit to a number of characters counted as the stored name
// counts them, in code points: a length limit on the field itself counts
// UTF-16 units, so a character outside the Basic Multilingual Plane would
// use up two. Like that limit, a full field takes nothing more, and of a
// longer paste it keeps the start.
class CharacterLimit final : public QValidator {
public:
    CharacterLimit(int limit, QObject* parent);
    State validate(QString& input, int& pos) const override;

private:
    int limit_;
};

// Sizes the dialog, widened where it is narrower than a window manager's
// title bar needs to show its whole title beside the window's icon and
// three buttons; what is inside keeps its layout.
void fitTitle(QDialog& dialog);

// Moves the dialog, at its present size, to where placeBeside() puts it
// beside the window; leaves it where it is when there is no such place.
void moveBeside(QDialog& dialog, const QWidget& window);

// Runs one of the game's dialogs modally, beside the window where the
// screen has room and behind a DialogKeyGuard. Returns the dialog's result.
int runGameDialog(QDialog& dialog, const QWidget& window);

} // namespace vexel::qt
