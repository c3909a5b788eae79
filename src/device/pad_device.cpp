#include "device/pad_device.h"

#include "device/pad_wake.h"
#include "device/sdl_session.h"

#include <SDL.h>

#include <algorithm>
#include <chrono>
#include <map>
#include <mutex>

namespace vexel::device {

namespace {

// A rumble as short as a word, at three quarters of the motors' strength.
constexpr Uint16 RumbleStrength = 0xC000;
constexpr Uint32 RumbleMs = 250;
// How often, and how far apart, a device notification is followed up.
constexpr int SettleTries = 4;
constexpr int SettleGapMs = 250;

std::int64_t steadyUs()
{
    using namespace std::chrono;
    return duration_cast<microseconds>(steady_clock::now().time_since_epoch()).count();
}

PadButton buttonOf(Uint8 button)
{
    switch (button) {
    case SDL_CONTROLLER_BUTTON_A:
        return PadButton::A;
    case SDL_CONTROLLER_BUTTON_B:
        return PadButton::B;
    case SDL_CONTROLLER_BUTTON_START:
        return PadButton::Start;
    case SDL_CONTROLLER_BUTTON_BACK:
        return PadButton::Back;
    case SDL_CONTROLLER_BUTTON_DPAD_UP:
        return PadButton::DpadUp;
    case SDL_CONTROLLER_BUTTON_DPAD_DOWN:
        return PadButton::DpadDown;
    case SDL_CONTROLLER_BUTTON_DPAD_LEFT:
        return PadButton::DpadLeft;
    case SDL_CONTROLLER_BUTTON_DPAD_RIGHT:
        return PadButton::DpadRight;
    default:
        return PadButton::Other;
    }
}

PadAxis axisOf(Uint8 axis)
{
    return axis == SDL_CONTROLLER_AXIS_LEFTX   ? PadAxis::LeftX
           : axis == SDL_CONTROLLER_AXIS_LEFTY ? PadAxis::LeftY
                                               : PadAxis::Other;
}

// What the watch noted of one SDL event.
struct Noted {
    Uint32 type = 0;
    SDL_JoystickID pad = -1;
    Uint8 control = 0;
    int value = 0;
    std::int64_t atUs = 0;
};

} // namespace

struct PadDevice::Impl {
    struct Pad {
        SDL_GameController* controller = nullptr;
        PadMapper mapper;
    };

    static int watch(void* self, SDL_Event* event)
    {
        static_cast<Impl*>(self)->note(*event);
        return 0;
    }

    void note(const SDL_Event& event)
    {
        Noted noted{event.type, -1, 0, 0, steadyUs()};
        switch (event.type) {
        case SDL_CONTROLLERDEVICEADDED:
            // The event names a device index, which the next update may
            // renumber; the instance id stays.
            noted.pad = SDL_JoystickGetDeviceInstanceID(event.cdevice.which);
            break;
        case SDL_CONTROLLERDEVICEREMOVED:
            noted.pad = event.cdevice.which;
            break;
        case SDL_CONTROLLERBUTTONDOWN:
        case SDL_CONTROLLERBUTTONUP:
            noted.pad = event.cbutton.which;
            noted.control = event.cbutton.button;
            break;
        case SDL_CONTROLLERAXISMOTION:
            noted.pad = event.caxis.which;
            noted.control = event.caxis.axis;
            noted.value = event.caxis.value;
            break;
        default:
            return;
        }
        {
            const std::lock_guard<std::mutex> lock(mutex);
            noted_.push_back(noted);
        }
        wake.poke();
    }

    void plug(SDL_JoystickID id, std::int64_t atUs, std::vector<PadEvent>& out)
    {
        if (pads.count(id) != 0)
            return;
        for (int index = 0; index < SDL_NumJoysticks(); ++index) {
            if (SDL_JoystickGetDeviceInstanceID(index) != id || !SDL_IsGameController(index))
                continue;
            if (SDL_GameController* controller = SDL_GameControllerOpen(index)) {
                pads[id] = Pad{controller, PadMapper(timing)};
                out.push_back({PadEvent::Kind::Plugged, {}, id, atUs});
            }
            return;
        }
    }

    void unplug(SDL_JoystickID id, std::int64_t atUs, std::vector<PadEvent>& out)
    {
        const auto found = pads.find(id);
        if (found == pads.end())
            return;
        std::vector<PadKeyEvent> keys;
        found->second.mapper.releaseAll(keys);
        for (const PadKeyEvent& key : keys)
            out.push_back({PadEvent::Kind::Key, key, id, atUs});
        SDL_GameControllerClose(found->second.controller);
        pads.erase(found);
        out.push_back({PadEvent::Kind::Unplugged, {}, id, atUs});
    }

    void handle(const Noted& noted, bool listening, std::vector<PadEvent>& out)
    {
        if (noted.type == SDL_CONTROLLERDEVICEADDED)
            return plug(noted.pad, noted.atUs, out);
        if (noted.type == SDL_CONTROLLERDEVICEREMOVED)
            return unplug(noted.pad, noted.atUs, out);
        const auto found = pads.find(noted.pad);
        if (!listening || found == pads.end())
            return;
        std::vector<PadKeyEvent> keys;
        const std::int64_t nowMs = noted.atUs / 1000;
        if (noted.type == SDL_CONTROLLERAXISMOTION)
            found->second.mapper.axis(axisOf(noted.control), noted.value, nowMs, keys);
        else
            found->second.mapper.button(buttonOf(noted.control), noted.type == SDL_CONTROLLERBUTTONDOWN,
                                        nowMs, keys);
        for (const PadKeyEvent& key : keys)
            out.push_back({PadEvent::Kind::Key, key, noted.pad, noted.atUs});
    }

    // Going deaf: whatever is held is let go without a word, and a rumble
    // started for a lost game would otherwise run on until the next
    // update, which does not come while nobody listens.
    void stopListening()
    {
        std::vector<PadKeyEvent> dropped;
        for (auto& [id, pad] : pads) {
            pad.mapper.releaseAll(dropped);
            SDL_GameControllerRumble(pad.controller, 0, 0, 0);
        }
    }

    bool open = false;
    PadWake wake;
    std::mutex mutex;
    std::vector<Noted> noted_;
    std::map<SDL_JoystickID, Pad> pads;
    RepeatTiming timing;
    bool listening = false;
    int settleLeft = 0;
};

PadDevice::PadDevice() : impl_(std::make_unique<Impl>()) {}

PadDevice::~PadDevice()
{
    if (!impl_->open)
        return;
    SDL_DelEventWatch(&Impl::watch, impl_.get());
    for (auto& [id, pad] : impl_->pads)
        SDL_GameControllerClose(pad.controller);
    SdlSession::release(SDL_INIT_GAMECONTROLLER);
}

bool PadDevice::open(std::string* error)
{
    if (impl_->open)
        return true;
    if (!SdlSession::acquire(SDL_INIT_GAMECONTROLLER, error))
        return false;
    impl_->open = true;
    SDL_AddEventWatch(&Impl::watch, impl_.get());
    // Pads plugged in before the watch was there were told to nobody.
    const std::int64_t now = steadyUs();
    {
        const std::lock_guard<std::mutex> lock(impl_->mutex);
        for (int index = 0; index < SDL_NumJoysticks(); ++index) {
            if (SDL_IsGameController(index))
                impl_->noted_.push_back(
                    {SDL_CONTROLLERDEVICEADDED, SDL_JoystickGetDeviceInstanceID(index), 0, 0, now});
        }
    }
    impl_->wake.poke();
    return true;
}

bool PadDevice::isOpen() const
{
    return impl_->open;
}

int PadDevice::wakeFd() const
{
    return impl_->open ? impl_->wake.fd() : -1;
}

std::vector<PadEvent> PadDevice::service(bool listening)
{
    std::vector<PadEvent> out;
    if (!impl_->open)
        return out;
    if (impl_->wake.drain())
        impl_->settleLeft = SettleTries;
    else if (impl_->settleLeft > 0)
        --impl_->settleLeft;
    if (impl_->listening && !listening)
        impl_->stopListening();
    // What SDL reads now was pressed while nobody listened, when the
    // player was in another program.
    const bool heard = listening && impl_->listening;
    impl_->listening = listening;
    // SDL reads the pads, and finds new hardware, only when pumped; what it
    // reads reaches the watch on the way.
    SDL_PumpEvents();
    // The watch has seen every event; SDL's own queue is nobody's.
    SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
    std::vector<Noted> noted;
    {
        const std::lock_guard<std::mutex> lock(impl_->mutex);
        noted.swap(impl_->noted_);
    }
    // What the pump itself put in the fd is already in hand.
    impl_->wake.drainPokes();
    for (const Noted& one : noted)
        impl_->handle(one, heard, out);
    if (listening) {
        const std::int64_t nowUs = steadyUs();
        for (auto& [id, pad] : impl_->pads) {
            std::vector<PadKeyEvent> keys;
            pad.mapper.advance(nowUs / 1000, keys);
            for (const PadKeyEvent& key : keys)
                out.push_back({PadEvent::Kind::Key, key, id, nowUs});
        }
    }
    return out;
}

int PadDevice::settleMs() const
{
    return impl_->settleLeft > 0 ? SettleGapMs : -1;
}

int PadDevice::padCount() const
{
    return static_cast<int>(impl_->pads.size());
}

void PadDevice::setRepeat(RepeatTiming timing)
{
    impl_->timing = timing;
    for (auto& [id, pad] : impl_->pads)
        pad.mapper.setTiming(timing);
}

void PadDevice::rumble()
{
    for (auto& [id, pad] : impl_->pads)
        SDL_GameControllerRumble(pad.controller, RumbleStrength, RumbleStrength, RumbleMs);
}

} // namespace vexel::device
