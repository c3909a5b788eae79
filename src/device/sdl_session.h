#pragma once

#include <cstdint>
#include <string>

namespace vexel::device {

// SDL serves Vexel for sound and game controllers only: Qt owns the window,
// the event loop and the process's signals. Every part of the device layer
// takes SDL through this, so that the hints that keep SDL out of Qt's way are
// set before the first SDL_Init of the process, whichever part comes first.
//
// The subsystems are SDL's own flags (SDL_INIT_AUDIO, SDL_INIT_GAMECONTROLLER
// ...). SDL counts initialisations per subsystem, so each successful acquire
// needs exactly one release.
class SdlSession {
public:
    // Sets the process-wide hints once. Safe to call more than once.
    static void prepare();

    // Initialises the subsystems; false, with SDL's reason in *error when it
    // is given, when SDL could not.
    static bool acquire(std::uint32_t subsystems, std::string* error = nullptr);
    static void release(std::uint32_t subsystems);

    // The version of the SDL library the program runs with, as
    // "major.minor.patch": that of the shared library loaded, which may be
    // newer than the headers it was built against. Needs no SDL_Init.
    static std::string version();
};

} // namespace vexel::device
