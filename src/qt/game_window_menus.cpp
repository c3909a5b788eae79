// GameWindow members: the menu bar from the keyboard. F10 opens Options;
// the arrows then go along the menu bar, where High Scores is an item of
// its own with no menu, which Qt's menu bar cannot reach from a menu.

#include "qt/game_window.h"

#include "qt/help_menu.h"
#include "qt/view_controls.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>

namespace vexel::qt {

namespace {

constexpr int Escape = 27;

} // namespace

void GameWindow::watchMenu(QMenu* menu)
{
    // Opened by the mouse or by F10, a menu covers the board the game goes
    // on playing on.
    connect(menu, &QMenu::aboutToShow, this, &GameWindow::lookedAway);
    connect(menu, &QMenu::aboutToHide, this, [this] {
        // Once the menu has gone and the keyboard has not moved on along
        // the menu bar; in full screen the menu bar goes with it.
        QTimer::singleShot(0, this, [this] {
            if (!menuKeys_ && QApplication::activePopupWidget() == nullptr)
                view_->menusLeft();
        });
    });
    menu->installEventFilter(this);
}

void GameWindow::openOptionsMenu()
{
    openMenu(optionsMenu_);
}

void GameWindow::openMenu(QMenu* menu)
{
    menuKeys_ = false;
    view_->menusEntered();
    menuBar()->setActiveAction(menu->menuAction());
    // From the keyboard the menu opens on its first item, so that Enter
    // chooses at once.
    for (QAction* action : menu->actions()) {
        if (!action->isSeparator() && action->isEnabled()) {
            menu->setActiveAction(action);
            break;
        }
    }
}

void GameWindow::moveAlongMenuBar(QAction* from, int step)
{
    QList<QAction*> items;
    for (QAction* action : menuBar()->actions()) {
        if (action->isVisible() && !action->isSeparator())
            items << action;
    }
    const auto at = items.indexOf(from);
    if (at < 0 || items.isEmpty())
        return;
    const auto count = items.size();
    QAction* next = items[(at + step + count) % count];
    if (next->menu() != nullptr) {
        openMenu(next->menu());
    } else {
        // An item with no menu to open: the menu bar shows it chosen and
        // the window passes it the keys.
        menuBar()->setActiveAction(next);
        menuKeys_ = true;
    }
}

bool GameWindow::eventFilter(QObject* watched, QEvent* event)
{
    auto* menu = qobject_cast<QMenu*>(watched);
    if (event->type() != QEvent::KeyPress ||
        (menu != optionsMenu_ && menu != view_->menu() && menu != help_->menu()))
        return QMainWindow::eventFilter(watched, event);
    switch (static_cast<QKeyEvent*>(event)->key()) {
    case Qt::Key_Left:
    case Qt::Key_Right: {
        const int step = static_cast<QKeyEvent*>(event)->key() == Qt::Key_Left ? -1 : 1;
        menu->hide();
        moveAlongMenuBar(menu->menuAction(), step);
        return true;
    }
    case Qt::Key_Escape:
        // Straight back to the board; Qt would leave the menu bar holding
        // the keyboard until a second Escape.
        menu->hide();
        return true;
    default:
        return false;
    }
}

bool GameWindow::menuKey(int keyCode)
{
    // The mouse may have taken the menu bar elsewhere meanwhile.
    QAction* active = menuBar()->activeAction();
    if (active == nullptr || active->menu() != nullptr) {
        menuKeys_ = false;
        return false;
    }
    if (keyCode == keys::Left || keyCode == keys::Right) {
        moveAlongMenuBar(active, keyCode == keys::Left ? -1 : 1);
    } else if (keyCode == keys::Enter || keyCode == Escape) {
        leaveMenuBar();
        if (keyCode == keys::Enter)
            active->trigger();
    }
    // Any other key does nothing while the menus hold the keyboard.
    return true;
}

void GameWindow::leaveMenuBar()
{
    menuKeys_ = false;
    // Escape is the one way that also ends the menu bar's open-menu mode;
    // cleared any other way, it would open Options under the passing mouse.
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QCoreApplication::sendEvent(menuBar(), &escape);
    view_->menusLeft();
}

} // namespace vexel::qt
