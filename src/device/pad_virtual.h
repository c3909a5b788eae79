#pragma once

#include "device/pad_mapping.h"

namespace vexel::device {

// A pad made by SDL with no hardware behind it, for tests, benchmarks and
// trying the game without a controller at hand. SDL's game controllers
// must be running (a PadDevice opened). Every change is read at SDL's
// next update, as a real pad's would be.
class VirtualPad {
public:
    // canRumble: whether the pad says it has motors.
    explicit VirtualPad(bool canRumble = true);
    ~VirtualPad();
    VirtualPad(const VirtualPad&) = delete;
    VirtualPad& operator=(const VirtualPad&) = delete;

    bool attached() const { return id_ >= 0; }
    void set(PadButton button, bool down);
    void set(PadAxis axis, int value);
    // Pulls the plug; the pad is gone for good.
    void detach();
    // How many times the game asked for a rumble that was not a stop.
    int rumbles() const { return rumbles_; }

private:
    static int rumble(void* self, unsigned short low, unsigned short high);

    // SDL's instance id, which stays while device indexes move.
    int id_ = -1;
    int rumbles_ = 0;
};

} // namespace vexel::device
