#include "qt/replay_window.h"

#include "qt/game_window.h"
#include "replay/playback.h"

#include <QApplication>

namespace vexel::qt {

int watchReplay(GameWindow& window, const replay::Replay& replay)
{
    replay::Playback playback(replay, &window);
    replay::Viewer viewer(playback, window, [] { QCoreApplication::quit(); });
    window.attach(viewer, playback.scene());
    window.loadAndShow();
    return QApplication::exec();
}

} // namespace vexel::qt
