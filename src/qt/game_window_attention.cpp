// GameWindow members: when the player looks away. A running game pauses
// as Enter pauses it when another application takes the focus, the window
// is minimised or hidden, or one of the menus opens.

#include "qt/game_window.h"

#include "qt/view_controls.h"

#include <QApplication>
#include <QEvent>
#include <QShowEvent>

namespace vexel::qt {

bool GameWindow::owns(const QWidget* window) const
{
    for (; window != nullptr; window = window->parentWidget()) {
        if (window == this)
            return true;
    }
    return false;
}

void GameWindow::lookedAway()
{
    // The pause Enter makes; a game already paused stays as it is, and
    // nothing here ever resumes one. While one of the game's dialogs is
    // open the gate drops it: nothing runs behind a dialog anyway.
    if (autoPause_ && timerEnabled())
        delivered(gate_.keyDown(keys::Enter, 0));
}

void GameWindow::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    // Activation moves to one of the game's dialogs whenever it opens; the
    // player has looked away only when it moves out of the game.
    if (event->type() == QEvent::ActivationChange && !owns(QApplication::activeWindow()))
        lookedAway();
    else if (event->type() == QEvent::WindowStateChange && isMinimized())
        lookedAway();
    if (event->type() == QEvent::WindowStateChange)
        view_->windowStateChanged();
}

void GameWindow::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    // Only now is the screen known, and with it how far the zoom may go.
    if (!event->spontaneous())
        view_->fitToScreen();
}

void GameWindow::hideEvent(QHideEvent* event)
{
    QMainWindow::hideEvent(event);
    // Hidden by the window system, not closed by the player.
    if (event->spontaneous())
        lookedAway();
}

} // namespace vexel::qt
