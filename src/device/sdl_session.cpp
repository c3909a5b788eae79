#include "device/sdl_session.h"

#include <SDL.h>

namespace vexel::device {

void SdlSession::prepare()
{
    // SIGINT, SIGTERM and SIGHUP end the game through Qt's loop, which closes
    // an open dialog first; SDL's own handlers would swallow them into an
    // SDL_QUIT event nobody reads.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    // The desktop's mixer lists the stream by the game's name.
    SDL_SetHint(SDL_HINT_APP_NAME, "Vexel");
    SDL_SetHint(SDL_HINT_AUDIO_DEVICE_APP_NAME, "Vexel");
    // No SDL window exists: Qt tells the device layer whether the game's
    // window is active, and pads are ignored otherwise by the layer itself.
    SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
}

bool SdlSession::acquire(std::uint32_t subsystems, std::string* error)
{
    prepare();
    if (SDL_InitSubSystem(subsystems) == 0)
        return true;
    if (error)
        *error = SDL_GetError();
    return false;
}

void SdlSession::release(std::uint32_t subsystems)
{
    SDL_QuitSubSystem(subsystems);
}

std::string SdlSession::version()
{
    SDL_version linked;
    SDL_GetVersion(&linked);
    return std::to_string(linked.major) + '.' + std::to_string(linked.minor) + '.' +
           std::to_string(linked.patch);
}

} // namespace vexel::device
