#include "qt/sound_bridge.h"

#include "device/sound_device.h"
#include "qt/game_window.h"
#include "qt/view_controls.h"

#include <QApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QWindow>

namespace vexel::qt {

namespace {

// How long a game stands still before the device is let go, and how often
// it looks again while the last sound plays out: long enough that a quick
// pause and resume keeps the device, short enough that a paused game goes
// quiet within its first second.
constexpr int StillMs = 500;
constexpr int PlayingOutMs = 200;

device::SoundDevice* sharedDevice = nullptr;
bool soundChosen = true;

} // namespace

void SoundBridge::share(device::SoundDevice* device)
{
    sharedDevice = device;
}

device::SoundDevice* SoundBridge::shared()
{
    return sharedDevice;
}

SoundBridge::SoundBridge(GameWindow& window, device::SoundDevice& device)
    : window_(window), device_(device), cues_(device, [this] { return inView(); })
{
    still_.setSingleShot(true);
    connect(&still_, &QTimer::timeout, this, &SoundBridge::letGoWhenQuiet);
    connect(&window, &GameWindow::runningChanged, this, &SoundBridge::running);
    connect(&window.view(), &ViewControls::soundSwitched, this, &SoundBridge::switched);
    cues_.setOn(window.view().settings().sound);
    soundChosen = cues_.on();
    // Every menu of the window, the game's and the View menu alike.
    for (QMenu* menu : window.findChildren<QMenu*>()) {
        connect(menu, &QMenu::aboutToShow, this, &SoundBridge::stood);
        connect(menu, &QMenu::aboutToHide, this, &SoundBridge::takeSoon);
    }
    // A dialog, or another program, took the keyboard, or gave it back.
    connect(qApp, &QGuiApplication::focusWindowChanged, this, [this](QWindow* focus) {
        if (focus == nullptr || focus != window_.windowHandle())
            stood();
        else
            takeSoon();
    });
    window.installEventFilter(this);
    if (window.timerEnabled())
        running(true);
}

SoundBridge::~SoundBridge()
{
    device_.want(this, false);
}

void SoundBridge::moment(Moment what, int gun)
{
    if (closed_)
        return;
    // Let go behind a menu or dialog while the game ran on: the end of the
    // game is heard all the same, and the game is heard again at once.
    const bool end = what == Moment::Lost || what == Moment::NewRecord;
    if (cues_.on() && !device_.isOpen() && (end || inView()))
        device_.want(this, true);
    cues_.moment(what, gun);
    // The sound server may be back by the next game.
    if (what == Moment::Lost)
        device_.tryAgain();
}

bool SoundBridge::inView() const
{
    return !closed_ && window_.timerEnabled() && QApplication::activePopupWidget() == nullptr &&
           QApplication::activeModalWidget() == nullptr;
}

bool SoundBridge::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == &window_ && event->type() == QEvent::Close) {
        closed_ = true;
        cues_.hush(true);
        still_.stop();
        device_.want(this, false);
    }
    return false;
}

void SoundBridge::running(bool on)
{
    if (!on) {
        stood();
        return;
    }
    takeSoon();
}

void SoundBridge::takeSoon()
{
    still_.stop();
    // Once back in the event loop: a window's load starts the timer for a
    // moment before the game's start-up stops it again, and opening the
    // device for that would only slow the start.
    QTimer::singleShot(0, this, [this] {
        if (inView() && cues_.on())
            device_.want(this, true);
    });
}

bool SoundBridge::chosen()
{
    return soundChosen;
}

void SoundBridge::switched(bool on)
{
    soundChosen = on;
    cues_.setOn(on);
    if (!on)
        device_.want(this, false);
    else if (window_.timerEnabled() && !closed_)
        device_.want(this, true);
}

void SoundBridge::stood()
{
    cues_.hush();
    if (!inView() && device_.isOpen())
        still_.start(StillMs);
}

void SoundBridge::letGoWhenQuiet()
{
    if (inView())
        return;
    if (device_.playing()) {
        still_.start(PlayingOutMs);
        return;
    }
    device_.want(this, false);
}

} // namespace vexel::qt
