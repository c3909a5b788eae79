#include "device/pad_wake.h"

#include <sys/epoll.h>
#include <sys/eventfd.h>
#include <sys/inotify.h>
#include <unistd.h>

#include <array>
#include <cstdint>
#include <cstring>

namespace vexel::device {

namespace {

constexpr std::uint32_t InputChanges = IN_CREATE | IN_DELETE | IN_ATTRIB;

void add(int epoll, int fd)
{
    if (fd < 0)
        return;
    epoll_event wanted{};
    wanted.events = EPOLLIN;
    wanted.data.fd = fd;
    epoll_ctl(epoll, EPOLL_CTL_ADD, fd, &wanted);
}

} // namespace

PadWake::PadWake()
{
    epoll_ = epoll_create1(EPOLL_CLOEXEC);
    event_ = eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC);
    inotify_ = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    add(epoll_, event_);
    add(epoll_, inotify_);
    watchInput();
}

PadWake::~PadWake()
{
    for (const int fd : {inotify_, event_, epoll_}) {
        if (fd >= 0)
            close(fd);
    }
}

void PadWake::watchInput()
{
    if (inotify_ < 0 || inputWatch_ >= 0)
        return;
    inputWatch_ = inotify_add_watch(inotify_, "/dev/input", InputChanges);
    // Without any input device yet, the folder itself may be missing:
    // /dev tells when it comes.
    if (inputWatch_ < 0)
        inotify_add_watch(inotify_, "/dev", IN_CREATE);
}

void PadWake::poke()
{
    const std::uint64_t one = 1;
    // A full counter is readable all the same.
    if (event_ >= 0 && write(event_, &one, sizeof one) < 0)
        return;
}

void PadWake::drainPokes()
{
    std::uint64_t count = 0;
    if (event_ >= 0 && read(event_, &count, sizeof count) < 0)
        count = 0;
}

bool PadWake::drain()
{
    drainPokes();
    bool changed = false;
    alignas(inotify_event) std::array<char, 4096> buffer{};
    while (inotify_ >= 0) {
        const ssize_t got = read(inotify_, buffer.data(), buffer.size());
        if (got <= 0)
            break;
        for (ssize_t at = 0; at < got;) {
            inotify_event event{};
            std::memcpy(&event, buffer.data() + at, sizeof event);
            const char* name = buffer.data() + at + sizeof event;
            if (event.wd == inputWatch_ || (event.len > 0 && std::strcmp(name, "input") == 0))
                changed = true;
            at += static_cast<ssize_t>(sizeof event + event.len);
        }
    }
    if (changed)
        watchInput();
    return changed;
}

} // namespace vexel::device
