#include "qt/replay_window.h"

#include "qt/game_dialog.h"
#include "qt/game_window.h"
#include "replay/playback.h"
#include "replay/replay_files.h"

#include <QApplication>
#include <QMessageBox>

namespace vexel::qt {

int watchReplay(GameWindow& window, const replay::Replay& replay)
{
    replay::Playback playback(replay, &window);
    replay::Viewer viewer(playback, window, [] { QCoreApplication::quit(); });
    window.attach(viewer, playback.scene());
    window.describe(playback.state());
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

} // namespace vexel::qt
