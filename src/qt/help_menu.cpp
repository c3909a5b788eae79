#include "qt/help_menu.h"

#include "history/problem.h"
#include "qt/board_view.h"
#include "replay/replay_files.h"
#include "scores/default_path.h"
#include "view/settings.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

namespace vexel::qt {

namespace {

// The virtual-key code of F1, the desktop's key for help.
constexpr int F1 = 112;

} // namespace

Places defaultPlaces()
{
    Places places;
    places.records = scores::defaultScoresPath();
    places.replays = replay::replaysFolderFor(places.records);
    places.history = history::historyPathFor(places.records);
    places.settings = view::defaultSettingsPath();
    return places;
}

HelpMenu::HelpMenu(QMainWindow& window, BoardView& board)
    : QObject(&window), window_(window), board_(board), places_(defaultPlaces())
{
    menu_ = window.menuBar()->addMenu(QCoreApplication::translate("HelpMenu", "Help"));
    howToPlay_ = menu_->addAction(QCoreApplication::translate("HelpMenu", "How to Play"));
    // Shown beside the item; F1 itself reaches the game first and comes
    // back here through key().
    howToPlay_->setShortcut(QKeySequence(Qt::Key_F1));
    howToPlay_->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    connect(howToPlay_, &QAction::triggered, this, &HelpMenu::showHowToPlay);
    menu_->addSeparator();
    about_ = menu_->addAction(QCoreApplication::translate("HelpMenu", "About Vexel"));
    connect(about_, &QAction::triggered, this, &HelpMenu::showAbout);
    aboutQt_ = menu_->addAction(QCoreApplication::translate("HelpMenu", "About Qt"));
    connect(aboutQt_, &QAction::triggered, this, [this] {
        emit opening();
        QApplication::aboutQt();
    });
    // A zoom step resizes the board; full screen does too, but keeps the
    // step, and the text with it.
    board.installEventFilter(this);
}

void HelpMenu::setPlaces(const Places& places)
{
    places_ = places;
    if (howToPlayWindow_)
        howToPlayWindow_->setPlaces(places);
}

bool HelpMenu::key(int keyCode, int shift)
{
    if (keyCode != F1 || shift != 0)
        return false;
    showHowToPlay();
    return true;
}

void HelpMenu::showHowToPlay()
{
    emit opening();
    if (!howToPlayWindow_)
        howToPlayWindow_ = new HowToPlayWindow(window_, places_);
    howToPlayWindow_->setTextScale(board_.zoom() / 100.0);
    howToPlayWindow_->present();
}

void HelpMenu::showAbout()
{
    emit opening();
    if (!aboutBox_)
        aboutBox_ = new AboutBox(window_);
    aboutBox_->present();
}

bool HelpMenu::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == &board_ && event->type() == QEvent::Resize && howToPlayWindow_)
        howToPlayWindow_->setTextScale(board_.zoom() / 100.0);
    return QObject::eventFilter(watched, event);
}

} // namespace vexel::qt
