#pragma once

#include "app/delivery_gate.h"
#include "ui/window_host.h"

#include <QMainWindow>
#include <QTimer>

#include <array>
#include <string>

class QAction;
class QDialog;
class QMenu;

namespace vexel {
class Scene;
struct GameState;
} // namespace vexel

namespace vexel::qt {

class BoardView;
class HelpMenu;
class ViewControls;

// The game's one window: the status line in the title bar, the Options and
// High Scores menus, the View and Help menus, the board, and the timer Frame. Every notification
// goes to the game through the core's delivery gate, which drops whatever
// arrives while a handler or one of the game's dialogs is still open: Qt
// keeps delivering timer ticks inside a dialog's own event loop.
class GameWindow final : public QMainWindow, public WindowHost {
    Q_OBJECT

public:
    explicit GameWindow(QWidget* parent = nullptr);
    ~GameWindow() override;

    // The game to notify and the scene to show. The scene object must stay
    // the same for the window's life; its contents may be rebuilt.
    void attach(FormEvents& events, const Scene& scene);

    // Loads the game into the window as defined, then puts it on screen.
    void loadAndShow();

    // Ends the program as closing the window would, but first closes an
    // open game dialog as the player would (OK, with what was typed), so
    // that the game finishes what the dialog was part of: a lost game saves
    // its record. Dialogs it would open after that are not shown.
    void endProgram();
    // Whether a running game pauses, as Enter pauses it, when the player
    // looks away: another application's window takes the focus, the window
    // is minimised or hidden, a menu of the menu bar opens, or a Help
    // window does. On unless switched off.
    void setAutoPause(bool on) { autoPause_ = on; }
    // Pauses a running game as Enter would, when auto-pause is on: the
    // player has looked away. Nothing ever resumes by itself.
    void lookedAway();
    // The game whose score, level, pause and square the board's accessible
    // description tells; it must outlive the window.
    void describe(const GameState& state);

    BoardView& board() { return *board_; }
    QMenu* optionsMenu() const { return optionsMenu_; }
    QAction* menuAction(MenuItem item) const { return options_[index(item)]; }
    QAction* highScoresAction() const { return highScores_; }
    ViewControls& view() { return *view_; }
    HelpMenu& help() { return *help_; }
    // "History", after High Scores; hidden until a history is offered.
    QAction* historyAction() const { return history_; }
    const QTimer& frameTimer() const { return frame_; }

    // Notifications handed to the game, and those dropped because it was busy.
    unsigned long ticksDelivered() const { return gate_.ticksDelivered(); }
    unsigned long droppedDeliveries() const { return gate_.dropped(); }
    bool busy() const { return gate_.busy(); }

    // WindowHost
    std::string caption() const override { return caption_; }
    void setCaption(const std::string& text) override;
    int clientWidth() const override;
    int clientHeight() const override;
    bool timerEnabled() const override { return frame_.isActive(); }
    void setTimerEnabled(bool enabled) override;
    bool checked(MenuItem item) const override;
    void setChecked(MenuItem item, bool on) override;
    void messageBox(const std::string& text, const std::string& title, MessageIcon icon) override;
    std::string inputBox(const std::string& prompt, const std::string& title) override;
    void reload() override;

signals:
    // After each tick the game has handled.
    void tickDelivered();
    // History was chosen; a running game has been paused first.
    void historyChosen();
    // The game's timer started or stopped: the game runs or stands still.
    void runningChanged(bool running);

protected:
    void changeEvent(QEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    static std::size_t index(MenuItem item) { return static_cast<std::size_t>(item); }
    void buildMenus();
    void loadGame();
    // Repaints what a delivered notification changed.
    void delivered(bool wasDelivered);
    void keyPressed(int keyCode, int shift);
    void frameElapsed();
    void optionChosen(MenuItem item, bool markNow);
    bool owns(const QWidget* window) const;
    void openOptionsMenu();
    // Opens a menu of the menu bar from the keyboard, on its first item.
    void openMenu(QMenu* menu);
    // The menu bar's item one step left (-1) or right (+1) of `from`,
    // around the end: a menu opens, an item of its own is shown chosen.
    void moveAlongMenuBar(QAction* from, int step);
    // Watches a menu of the menu bar: opening it is looking away, and the
    // arrows leave it along the menu bar.
    void watchMenu(QMenu* menu);
    // A key while the keyboard is on a menu bar item without a menu (High
    // Scores); false when the menus no longer hold the keyboard.
    bool menuKey(int keyCode);
    void leaveMenuBar();
    void updateDescription();

    DeliveryGate gate_;
    BoardView* board_ = nullptr;
    QMenu* optionsMenu_ = nullptr;
    std::array<QAction*, 3> options_{};
    QAction* highScores_ = nullptr;
    ViewControls* view_ = nullptr;
    HelpMenu* help_ = nullptr;
    const GameState* described_ = nullptr;
    // What the description last told: score, level, running, row, column.
    std::array<int, 5> describedAs_{-1, -1, -1, -1, -1};
    QAction* history_ = nullptr;
    QTimer frame_;
    std::string caption_;
    QDialog* openDialog_ = nullptr;
    bool ending_ = false;
    bool autoPause_ = true;
    bool menuKeys_ = false;
};

} // namespace vexel::qt
