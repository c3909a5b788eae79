#include "device/pad_virtual.h"

#include <SDL.h>

namespace vexel::device {

namespace {

SDL_GameControllerButton sdlButton(PadButton button)
{
    switch (button) {
    case PadButton::A:
        return SDL_CONTROLLER_BUTTON_A;
    case PadButton::B:
        return SDL_CONTROLLER_BUTTON_B;
    case PadButton::Start:
        return SDL_CONTROLLER_BUTTON_START;
    case PadButton::Back:
        return SDL_CONTROLLER_BUTTON_BACK;
    case PadButton::DpadUp:
        return SDL_CONTROLLER_BUTTON_DPAD_UP;
    case PadButton::DpadDown:
        return SDL_CONTROLLER_BUTTON_DPAD_DOWN;
    case PadButton::DpadLeft:
        return SDL_CONTROLLER_BUTTON_DPAD_LEFT;
    case PadButton::DpadRight:
        return SDL_CONTROLLER_BUTTON_DPAD_RIGHT;
    case PadButton::Other:
        break;
    }
    return SDL_CONTROLLER_BUTTON_GUIDE;
}

} // namespace

VirtualPad::VirtualPad(bool canRumble)
{
    SDL_VirtualJoystickDesc desc{};
    desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
    // A game controller type gives the pad SDL's standard mapping: its
    // buttons and axes are numbered as SDL's controller names them.
    desc.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
    desc.naxes = SDL_CONTROLLER_AXIS_MAX;
    desc.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
    desc.name = "Vexel virtual pad";
    desc.userdata = this;
    if (canRumble)
        desc.Rumble = &VirtualPad::rumble;
    const int index = SDL_JoystickAttachVirtualEx(&desc);
    if (index >= 0)
        id_ = SDL_JoystickGetDeviceInstanceID(index);
}

VirtualPad::~VirtualPad()
{
    detach();
}

int VirtualPad::rumble(void* self, unsigned short low, unsigned short high)
{
    if (low != 0 || high != 0)
        ++static_cast<VirtualPad*>(self)->rumbles_;
    return 0;
}

void VirtualPad::set(PadButton button, bool down)
{
    SDL_Joystick* joystick = SDL_JoystickFromInstanceID(id_);
    if (joystick != nullptr)
        SDL_JoystickSetVirtualButton(joystick, sdlButton(button), down ? SDL_PRESSED : SDL_RELEASED);
}

void VirtualPad::set(PadAxis axis, int value)
{
    SDL_Joystick* joystick = SDL_JoystickFromInstanceID(id_);
    const auto sdlAxis = axis == PadAxis::LeftX ? SDL_CONTROLLER_AXIS_LEFTX : SDL_CONTROLLER_AXIS_LEFTY;
    if (joystick != nullptr && axis != PadAxis::Other)
        SDL_JoystickSetVirtualAxis(joystick, sdlAxis, static_cast<Sint16>(value));
}

void VirtualPad::detach()
{
    if (id_ < 0)
        return;
    for (int index = 0; index < SDL_NumJoysticks(); ++index) {
        if (SDL_JoystickGetDeviceInstanceID(index) == id_ && SDL_JoystickIsVirtual(index)) {
            SDL_JoystickDetachVirtual(index);
            break;
        }
    }
    id_ = -1;
}

} // namespace vexel::device
