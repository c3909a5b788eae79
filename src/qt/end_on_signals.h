#pragma once

#include <QObject>

class QSocketNotifier;

namespace vexel::qt {

class GameWindow;

// SIGTERM, SIGHUP (the session is ending) and SIGINT end the game from its
// event loop, as GameWindow::endProgram does, rather than wherever the
// signal lands: a game over in progress saves its record first. The handler
// itself only writes the signal's number to a pipe; the event loop, nested
// loops of dialogs included, picks it up from there. One at a time per
// process; the handlers in place before are put back when it goes.
class EndOnSignals final : public QObject {
public:
    explicit EndOnSignals(GameWindow& window);
    ~EndOnSignals() override;
    EndOnSignals(const EndOnSignals&) = delete;
    EndOnSignals& operator=(const EndOnSignals&) = delete;

    // The signal that ended the game, or 0.
    int received() const { return received_; }
    // Once the event loop has returned: ends the process by the signal that
    // ended the game, as if it had not been caught, so that whoever sent it
    // sees it do its work. Returns when no signal came.
    void passOn() const;

private:
    void readPipe();

    GameWindow& window_;
    QSocketNotifier* notifier_ = nullptr;
    int received_ = 0;
};

} // namespace vexel::qt
