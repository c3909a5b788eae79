// Loaded into a Qt program with LD_PRELOAD by startup_compare: once the
// program's windows have painted their first frame, it writes one line to
// the file descriptor named by VEXEL_PROBE_FD and ends the process at once.
// The program itself carries no measuring code, so the game is measured as
// it ships.

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>

#include <cstdlib>
#include <unistd.h>

namespace {

class FirstPaintWatcher final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            // Queued, so that it runs when the whole frame (every widget of
            // the window, then the flush) is done.
            QTimer::singleShot(0, [] { reportAndExit(); });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    static void reportAndExit()
    {
        const char* fdText = std::getenv("VEXEL_PROBE_FD");
        const int fd = fdText ? std::atoi(fdText) : -1;
        if (fd >= 0) {
            const char line[] = "painted\n";
            [[maybe_unused]] const ssize_t written = ::write(fd, line, sizeof line - 1);
        }
        ::_exit(0);
    }

    bool seen_ = false;
};

void installWatcher()
{
    QCoreApplication* application = QCoreApplication::instance();
    application->installEventFilter(new FirstPaintWatcher(application));
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(installWatcher)
