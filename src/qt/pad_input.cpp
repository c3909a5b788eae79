#include "qt/pad_input.h"

#include "qt/game_window.h"
#include "qt/pad_name_entry.h"
#include "scores/score_table.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QInputDialog>
#include <QKeyEvent>
#include <QSocketNotifier>
#include <QStyleHints>
#include <QWindow>

#include <algorithm>

namespace vexel::qt {

namespace {

struct QtKey {
    int key;
    const char* text;
};

QtKey qtKeyOf(device::PadKey key)
{
    switch (key) {
    case device::PadKey::Up:
        return {Qt::Key_Up, ""};
    case device::PadKey::Down:
        return {Qt::Key_Down, ""};
    case device::PadKey::Left:
        return {Qt::Key_Left, ""};
    case device::PadKey::Right:
        return {Qt::Key_Right, ""};
    case device::PadKey::Enter:
        return {Qt::Key_Return, "\r"};
    case device::PadKey::Escape:
        return {Qt::Key_Escape, "\x1b"};
    case device::PadKey::F10:
        return {Qt::Key_F10, ""};
    }
    return {Qt::Key_unknown, ""};
}

// The desktop's key repeat. Qt tells the rate; of the delay before the
// first repeat it tells nothing, and the time it allows between the two
// presses of a double press is the nearest it has, kept to what keyboards
// are set to.
device::RepeatTiming desktopRepeat()
{
    const QStyleHints* hints = QGuiApplication::styleHints();
    const int rate = std::max(1, hints->keyboardAutoRepeatRate());
    return {std::clamp(hints->keyboardInputInterval(), 250, 1000), std::max(1, 1000 / rate)};
}

} // namespace

PadInput::PadInput(GameWindow& window, device::PadDevice& device, QObject* parent)
    : QObject(parent), window_(window), device_(device)
{
    device_.setRepeat(desktopRepeat());
    poll_.setTimerType(Qt::PreciseTimer);
    poll_.setInterval(device::PadDevice::PollMs);
    connect(&poll_, &QTimer::timeout, this, &PadInput::service);
    settle_.setSingleShot(true);
    connect(&settle_, &QTimer::timeout, this, &PadInput::service);
    if (device_.wakeFd() >= 0) {
        notifier_ = new QSocketNotifier(device_.wakeFd(), QSocketNotifier::Read, this);
        connect(notifier_, &QSocketNotifier::activated, this, &PadInput::service);
    }
    // Activation moves whenever a dialog or another program's window
    // comes or goes.
    connect(qApp, &QGuiApplication::focusWindowChanged, this, &PadInput::service);
    // Pads already plugged in wait in the fd: the first pass finds them.
}

PadInput::~PadInput() = default;

bool PadInput::listening() const
{
    for (const QWidget* active = QApplication::activeWindow(); active != nullptr;
         active = active->parentWidget()) {
        if (active == &window_)
            return true;
    }
    return false;
}

void PadInput::moment(Moment what, int)
{
    if (what == Moment::Lost)
        device_.rumble();
}

void PadInput::service()
{
    const bool listen = listening();
    wasListening_ = listen;
    for (const device::PadEvent& event : device_.service(listen)) {
        switch (event.kind) {
        case device::PadEvent::Kind::Key:
            lastReadAtUs_ = event.readAtUs;
            post(event.key);
            break;
        case device::PadEvent::Kind::Unplugged:
            // Gone in the middle of a game: the player may be reaching for
            // it, or for another.
            window_.lookedAway();
            break;
        case device::PadEvent::Kind::Plugged:
            break;
        }
    }
    schedule();
}

void PadInput::schedule()
{
    const bool poll = wasListening_ && device_.padCount() > 0;
    if (poll && !poll_.isActive())
        poll_.start();
    else if (!poll)
        poll_.stop();
    const int settle = device_.settleMs();
    if (settle >= 0 && !settle_.isActive())
        settle_.start(settle);
}

void PadInput::post(const device::PadKeyEvent& key)
{
    QWindow* target = QGuiApplication::focusWindow();
    if (target == nullptr)
        return;
    // The record holder's prompt takes the pad's arrows for the arcade
    // entry of a name.
    if (auto* prompt = qobject_cast<QInputDialog*>(QApplication::activeModalWidget()))
        PadNameEntry::attachTo(*prompt, static_cast<int>(scores::NameLength));
    const QtKey qtKey = qtKeyOf(key.key);
    auto* event =
        new QKeyEvent(key.pressed ? QEvent::KeyPress : QEvent::KeyRelease, qtKey.key, Qt::NoModifier, 0, 0,
                      PadKeyMark, QString::fromLatin1(qtKey.text), key.repeat);
    static const QElapsedTimer clock = [] {
        QElapsedTimer started;
        started.start();
        return started;
    }();
    event->setTimestamp(static_cast<quint64>(clock.elapsed()));
    // Posted, not sent: a key that opens a dialog runs the dialog's loop,
    // and the keys after it must wait their turn behind it.
    QCoreApplication::postEvent(target, event);
    ++posted_;
}

} // namespace vexel::qt
