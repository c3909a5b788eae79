#pragma once

#include "view/settings.h"

#include <QObject>
#include <QPoint>
#include <QTimer>

#include <iosfwd>
#include <string>

class QAction;
class QMainWindow;
class QMenu;

namespace vexel::qt {

class BoardView;

// The View menu and what it does to a window and its board: the zoom
// steps, full screen, Colour-Safe Signals and Sound. None of it touches the game:
// the scene and the client area it knows stay as they are.
class ViewControls final : public QObject {
    Q_OBJECT

public:
    enum class Item { ZoomIn, ZoomOut, ActualSize, FullScreen, ColourSafe, Sound };

    // Adds the View menu to the window's menu bar.
    ViewControls(QMainWindow& window, BoardView& board);

    QMenu* menu() const { return menu_; }
    QAction* action(Item item) const { return actions_[static_cast<int>(item)]; }

    // Takes the settings kept at `path` and keeps every later change
    // there; a change that cannot be kept is told once on `diagnostics`.
    void rememberIn(const std::string& path, std::ostream& diagnostics);
    const view::ViewSettings& settings() const { return settings_; }

    // A key the game has had: true when it was one of the View menu's.
    bool key(int keyCode, int shift);

    void zoomIn();
    void zoomOut();
    void actualSize();
    void setFullScreen(bool on);
    bool fullScreen() const { return fullScreen_; }
    void setColourSafe(bool on);
    void setSound(bool on);

    // The largest step whose window fits the screen's available area.
    int zoomLimit() const;
    // Applies the chosen step again, as far as the screen allows: after the
    // window is shown or moved to another screen.
    void fitToScreen();

    // In full screen the menu bar shows only while the menus hold the
    // keyboard: the window tells when they take it and when they let go.
    void menusEntered();
    void menusLeft();
    // The window system may end full screen on its own.
    void windowStateChanged();

signals:
    // Sound was switched, from the menu or the kept settings.
    void soundSwitched(bool on);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildMenu();
    void zoomTo(int percent);
    void keepOnScreen();
    void putBack();
    void save();

    QMainWindow& window_;
    BoardView& board_;
    QMenu* menu_ = nullptr;
    QAction* actions_[6] = {};
    view::ViewSettings settings_;
    bool fullScreen_ = false;
    // Where the window's client area stood before full screen, to go back
    // there; the frame around it comes back with it.
    QPoint normalPlace_;
    // After full screen a window manager goes on moving the window for a
    // moment, to the last place asked of it (the screen's corner) and
    // past a place asked meanwhile; the window is put back once it has
    // been still for a while.
    QTimer settling_;
    std::string path_;
    std::ostream* diagnostics_ = nullptr;
    bool toldSaveFailure_ = false;
};

} // namespace vexel::qt
