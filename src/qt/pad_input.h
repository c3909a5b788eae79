#pragma once

#include "app/moments.h"
#include "device/pad_device.h"

#include <QObject>
#include <QTimer>

class QSocketNotifier;

namespace vexel::qt {

class GameWindow;

// The pads as more keyboards of the game's window. Their keys are posted
// to the window that has the focus exactly as the keyboard's arrive, so
// they meet whatever a key meets: the game first, the delivery gate, the
// dialogs' guard against stray keys, the menus; a replay records them as
// keys. Only while the game's window or one of its dialogs is active are
// the pads read, PadDevice::PollMs apart; otherwise, and whenever no pad
// is plugged in, nothing runs until the system or SDL tells of a device.
// A pad unplugged while a game runs pauses it as looking away does, and a
// lost game makes the pads rumble.
class PadInput final : public QObject, public MomentListener {
public:
    // The device must be open and outlive this; the window too.
    PadInput(GameWindow& window, device::PadDevice& device, QObject* parent = nullptr);
    ~PadInput() override;

    // MomentListener
    void moment(Moment what, int gun) override;

    // Whether the pads count now: the game's window, or a dialog or menu
    // of its own, is the active one.
    bool listening() const;
    bool polling() const { return poll_.isActive(); }
    // Key events posted so far, and the steady-clock time in microseconds
    // at which SDL read the last one's button.
    unsigned long keysPosted() const { return posted_; }
    std::int64_t lastReadAtUs() const { return lastReadAtUs_; }

private:
    void service();
    void post(const device::PadKeyEvent& key);
    void schedule();

    GameWindow& window_;
    device::PadDevice& device_;
    QSocketNotifier* notifier_ = nullptr;
    QTimer poll_;
    QTimer settle_;
    bool wasListening_ = false;
    unsigned long posted_ = 0;
    std::int64_t lastReadAtUs_ = 0;
};

} // namespace vexel::qt
