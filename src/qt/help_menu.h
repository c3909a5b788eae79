#pragma once

#include "qt/about_box.h"
#include "qt/how_to_play.h"

#include <QObject>
#include <QPointer>

class QAction;
class QMainWindow;
class QMenu;

namespace vexel::qt {

class BoardView;

// The places a game started without --scores-file uses on this machine.
Places defaultPlaces();

// The Help menu, last on the menu bar: How to Play (F1), About Vexel and
// Qt's own About Qt. Each window is made when first asked for and kept,
// hidden, once closed.
class HelpMenu final : public QObject {
    Q_OBJECT

public:
    // Adds the Help menu to the window's menu bar. The How to Play text
    // follows the board's zoom.
    HelpMenu(QMainWindow& window, BoardView& board);

    QMenu* menu() const { return menu_; }
    QAction* howToPlayAction() const { return howToPlay_; }
    QAction* aboutAction() const { return about_; }
    QAction* aboutQtAction() const { return aboutQt_; }

    // Where this run keeps its files, for How to Play to tell.
    void setPlaces(const Places& places);

    // A key the game has had: true when it was the Help menu's (F1).
    bool key(int keyCode, int shift);

    void showHowToPlay();
    void showAbout();
    // Null until first shown.
    HowToPlayWindow* howToPlayWindow() const { return howToPlayWindow_; }
    AboutBox* aboutBox() const { return aboutBox_; }

signals:
    // One of the Help windows is opening: the player looks away from the
    // game.
    void opening();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QMainWindow& window_;
    BoardView& board_;
    QMenu* menu_ = nullptr;
    QAction* howToPlay_ = nullptr;
    QAction* about_ = nullptr;
    QAction* aboutQt_ = nullptr;
    Places places_;
    QPointer<HowToPlayWindow> howToPlayWindow_;
    QPointer<AboutBox> aboutBox_;
};

} // namespace vexel::qt
