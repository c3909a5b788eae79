#pragma once

#include "app/moments.h"
#include "sound/cues.h"

#include <QObject>
#include <QTimer>

namespace vexel::device {
class SoundDevice;
}

namespace vexel::qt {

class GameWindow;

// The sounds of the game shown in one window. It hears the game's moments
// and lets them be heard only while the game is in front of the player:
// running, with no menu or dialog over it (the sounds of the game's end
// excepted, which come with its dialogs), the window open, Sound on in the
// View menu. It holds the device only while the game is in front of the
// player, and lets it go once the game has stood still or been covered for
// a moment and the last sound is over, so that a waiting game wakes
// nothing. Made by the game executable only:
// the headless window, --verify and the tests make no sound.
class SoundBridge final : public QObject, public MomentListener {
public:
    // The window and the device must outlive it: it must go before the
    // window does, as the window says goodbye to the window system on its
    // way out.
    SoundBridge(GameWindow& window, device::SoundDevice& device);
    ~SoundBridge() override;
    SoundBridge(const SoundBridge&) = delete;
    SoundBridge& operator=(const SoundBridge&) = delete;

    void moment(Moment what, int gun) override;

    // The device every window of the program plays through: the game's,
    // and those of replays watched from the History window. None until the
    // program shares one.
    static void share(device::SoundDevice* device);
    static device::SoundDevice* shared();
    // Sound on or off as last chosen in any window, for a new one to start with.
    static bool chosen();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool inView() const;
    void running(bool on);
    // Takes the device once back in the event loop, if the game is then in
    // front of the player.
    void takeSoon();
    void switched(bool on);
    // The game stopped in front of the player.
    void stood();
    void letGoWhenQuiet();

    GameWindow& window_;
    device::SoundDevice& device_;
    sound::Cues cues_;
    QTimer still_;
    bool closed_ = false;
};

} // namespace vexel::qt
