#pragma once

namespace vexel::device {

// One file descriptor to wait on for a pad: readable when poke() was
// called, from any thread, or when a device node appears, goes or changes
// under /dev/input, where new pads show up. Nothing is polled: while
// neither happens, a waiter sleeps.
class PadWake {
public:
    PadWake();
    ~PadWake();
    PadWake(const PadWake&) = delete;
    PadWake& operator=(const PadWake&) = delete;

    int fd() const { return epoll_; }
    void poke();
    // Empties the fd; true when the system's devices changed since the
    // last drain.
    bool drain();
    // Empties only what poke() put there.
    void drainPokes();

private:
    void watchInput();

    int epoll_ = -1;
    int event_ = -1;
    int inotify_ = -1;
    int inputWatch_ = -1;
};

} // namespace vexel::device
