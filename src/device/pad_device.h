#pragma once

#include "device/pad_mapping.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace vexel::device {

// Something a pad did, as the game's window should hear of it.
struct PadEvent {
    enum class Kind { Key, Plugged, Unplugged };
    Kind kind = Kind::Key;
    PadKeyEvent key{}; // for Kind::Key
    int pad = -1;      // SDL's instance id of the pad
    // When SDL handed the button or stick reading over, in microseconds
    // of the steady clock.
    std::int64_t readAtUs = 0;
};

// The game controllers, through SDL's game-controller API and its mapping
// database (SDL_GAMECONTROLLERCONFIG and SDL_GAMECONTROLLERCONFIG_FILE
// name pads it does not know). Every pad plugged in, virtual ones
// included, is a keyboard of its own.
//
// Nothing here runs by itself: SDL reports through an event watch, which
// may run on any thread and only takes note and makes wakeFd() readable.
// The owner calls service() when that fd is readable, when a settle time
// it was given has passed, and every polling period while it listens.
class PadDevice {
public:
    // Readings no more often than this: 125 a second.
    static constexpr int PollMs = 8;

    PadDevice();
    ~PadDevice();
    PadDevice(const PadDevice&) = delete;
    PadDevice& operator=(const PadDevice&) = delete;

    // Starts SDL's game controllers and the watch on the system's input
    // devices; false, with the reason in *error when given, if SDL could
    // not. Pads already plugged in are reported by the first service().
    bool open(std::string* error = nullptr);
    bool isOpen() const;

    // Readable when a pad came, went or spoke, or when the system's input
    // devices changed; -1 before open(). Waiting on it costs nothing while
    // nothing happens.
    int wakeFd() const;

    // Reads SDL and returns what happened since the last call. While not
    // listening, buttons and sticks are read and thrown away, whatever is
    // held counts as let go and any rumble stops: the player is in another
    // program.
    std::vector<PadEvent> service(bool listening);

    // Milliseconds after which service() should run once more, though the
    // fd stays quiet, or -1: a new device node shows up before SDL can open
    // it, so a system notification is followed up a few times.
    int settleMs() const;

    int padCount() const;
    void setRepeat(RepeatTiming timing);
    // A short rumble on every pad that can.
    void rumble();

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

} // namespace vexel::device
