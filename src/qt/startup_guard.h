#pragma once

namespace vexel::qt {

// Where no window system can be reached, or the platform plugin cannot
// start, Qt ends the program with a fatal message and abort(), which leaves
// a core file. For as long as this object lives, which should span the
// making of the application object, that becomes one line on standard
// error saying what was tried and what is likely wrong, and exit status 1.
// The platform's messages that come before are held back for that line;
// when start-up goes well they are let through as they would have been.
class StartupGuard {
public:
    // With explain false the program ends with status and says nothing:
    // the window was wanted only to repeat what has already been said.
    explicit StartupGuard(int status = 1, bool explain = true);
    ~StartupGuard();
    StartupGuard(const StartupGuard&) = delete;
    StartupGuard& operator=(const StartupGuard&) = delete;
};

} // namespace vexel::qt
