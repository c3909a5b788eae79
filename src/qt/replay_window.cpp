#include "qt/replay_window.h"

#include "qt/game_dialog.h"
#include "qt/game_window.h"
#include "qt/sound_bridge.h"
#include "qt/view_controls.h"
#include "replay/playback.h"
#include "replay/replay_files.h"

#include <QApplication>
#include <QEvent>
#include <QMessageBox>

#include <memory>

namespace vexel::qt {

namespace {

// A replay is heard as its game was, through the program's device, with
// Sound as the window's View menu has it.
std::unique_ptr<SoundBridge> hear(GameWindow& window, replay::Playback& playback)
{
    if (SoundBridge::shared() == nullptr)
        return nullptr;
    auto bridge = std::make_unique<SoundBridge>(window, *SoundBridge::shared());
    playback.listen(*bridge);
    return bridge;
}

} // namespace

int watchReplay(GameWindow& window, const replay::Replay& replay)
{
    replay::Playback playback(replay, &window);
    replay::Viewer viewer(playback, window, [] { QCoreApplication::quit(); });
    window.attach(viewer, playback.scene());
    window.describe(playback.state());
    const auto sound = hear(window, playback);
    window.loadAndShow();
    return QApplication::exec();
}

int tellUnwatchable(const std::string& text, bool nothingYet)
{
    // The end box's title: this box stands in for the replay.
    QMessageBox box(nothingYet ? QMessageBox::Information : QMessageBox::Warning,
                    QCoreApplication::translate("Replay", "Vexel Replay"), QString::fromStdString(text),
                    QMessageBox::Ok);
    // A path is whatever was typed; none of it is markup.
    box.setTextFormat(Qt::PlainText);
    fitTitle(box);
    box.exec();
    return replay::VerifyUnreadable;
}

namespace {

// One replay watched beside the game: its own copy of the replay, the
// game that plays it, its sound and its window. Members go in reverse
// order, the sound first and the window last, so nothing outlives what it
// points to.
class SecondWindow final : public QObject {
public:
    SecondWindow(const replay::Replay& replay, QWidget& owner, bool autoPause)
        : QObject(&owner), window_(std::make_unique<GameWindow>()), replay_(replay),
          playback_(replay_, window_.get()), viewer_(playback_, *window_, [this] { window_->close(); })
    {
        window_->setWindowIcon(owner.windowIcon());
        window_->setAutoPause(autoPause);
        // Only the game's own window ends the program when it closes.
        window_->setAttribute(Qt::WA_QuitOnClose, false);
        window_->installEventFilter(this);
        window_->attach(viewer_, playback_.scene());
        // A window of its own keeps no settings: it starts with Sound as
        // last chosen in the game's.
        window_->view().setSound(SoundBridge::chosen());
        sound_ = hear(*window_, playback_);
        window_->loadAndShow();
    }

    ~SecondWindow() override
    {
        // Off the screen while the replay it shows is still whole, so that
        // nothing the window system says on the way reaches a game half gone.
        window_->removeEventFilter(this);
        window_->hide();
    }
    SecondWindow(const SecondWindow&) = delete;
    SecondWindow& operator=(const SecondWindow&) = delete;

    GameWindow& window() { return *window_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        // Deleted once back in the event loop: the close may come from
        // inside the replay's own tick.
        if (watched == window_.get() && event->type() == QEvent::Close)
            deleteLater();
        return false;
    }

private:
    std::unique_ptr<GameWindow> window_;
    replay::Replay replay_;
    replay::Playback playback_;
    replay::Viewer viewer_;
    std::unique_ptr<SoundBridge> sound_;
};

} // namespace

GameWindow* openReplayWindow(const replay::Replay& replay, QWidget& owner, bool autoPause)
{
    return &(new SecondWindow(replay, owner, autoPause))->window();
}

} // namespace vexel::qt
