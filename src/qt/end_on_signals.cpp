#include "qt/end_on_signals.h"

#include "qt/game_window.h"

#include <QSocketNotifier>

#include <array>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace vexel::qt {

namespace {

constexpr std::array<int, 3> Ending = {SIGTERM, SIGHUP, SIGINT};

// Written by the handler, read by the event loop.
int wakeRead = -1;
int wakeWrite = -1;
std::array<struct sigaction, Ending.size()> previous{};

extern "C" void onEndingSignal(int signal)
{
    const int saved = errno;
    const auto number = static_cast<unsigned char>(signal);
    // A full pipe already holds a signal that has not been read yet.
    [[maybe_unused]] const ssize_t ignored = ::write(wakeWrite, &number, 1);
    errno = saved;
}

} // namespace

EndOnSignals::EndOnSignals(GameWindow& window) : window_(window)
{
    int fds[2];
    if (::pipe2(fds, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    wakeRead = fds[0];
    wakeWrite = fds[1];
    notifier_ = new QSocketNotifier(wakeRead, QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &EndOnSignals::readPipe);

    struct sigaction action {};
    action.sa_handler = onEndingSignal;
    sigemptyset(&action.sa_mask);
    // A second signal of the same kind ends the program at once, should
    // the orderly end hang.
    action.sa_flags = SA_RESTART | SA_RESETHAND;
    for (std::size_t i = 0; i < Ending.size(); ++i)
        ::sigaction(Ending[i], &action, &previous[i]);
}

EndOnSignals::~EndOnSignals()
{
    if (notifier_ == nullptr)
        return;
    for (std::size_t i = 0; i < Ending.size(); ++i)
        ::sigaction(Ending[i], &previous[i], nullptr);
    delete notifier_;
    ::close(wakeRead);
    ::close(wakeWrite);
    wakeRead = wakeWrite = -1;
}

void EndOnSignals::readPipe()
{
    const bool first = received_ == 0;
    unsigned char number = 0;
    while (::read(wakeRead, &number, 1) == 1) {
        if (received_ == 0)
            received_ = number;
    }
    if (first && received_ != 0)
        window_.endProgram();
}

void EndOnSignals::passOn() const
{
    if (received_ == 0)
        return;
    ::signal(received_, SIG_DFL);
    ::raise(received_);
}

} // namespace vexel::qt
