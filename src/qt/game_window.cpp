#include "qt/game_window.h"

#include "app/game_state.h"
#include "app/window_definition.h"
#include "player/caption.h"
#include "qt/board_view.h"
#include "qt/help_menu.h"
#include "qt/key_input.h"
#include "qt/view_controls.h"

#include <QAction>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>

namespace vexel::qt {

namespace {

QString text(const std::string& utf8)
{
    return QString::fromStdString(utf8);
}

// Keys the window acts on itself, once the game has had them.
constexpr int F10 = 121;
constexpr int LetterQ = 81;
constexpr int CtrlOnly = 2;

} // namespace

GameWindow::GameWindow(QWidget* parent) : QMainWindow(parent)
{
    board_ = new BoardView(this);
    setCentralWidget(board_);
    buildMenus();
    // View comes after the game's own menus.
    view_ = new ViewControls(*this, *board_);
    watchMenu(view_->menu());
    // Help closes the menu bar, as on every desktop; its windows are read
    // with the game paused as the menus pause it.
    help_ = new HelpMenu(*this, *board_);
    watchMenu(help_->menu());
    connect(help_, &HelpMenu::opening, this, &GameWindow::lookedAway);
    // The window takes the size of the board plus the menu bar and keeps
    // it: the guards are sized from the client area once per game.
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    frame_.setTimerType(Qt::PreciseTimer);
    frame_.setInterval(window::TimerIntervalMs);
    connect(&frame_, &QTimer::timeout, this, &GameWindow::frameElapsed);

    new KeyRouter(
        *this, [this](int keyCode, int shift) { keyPressed(keyCode, shift); }, this);
    board_->setFocus();
    // The rest of the definition, the timer above all, is applied when the
    // game is loaded: nothing may tick before there is a board.
    setCaption(caption::running(0));
}

GameWindow::~GameWindow() = default;

void GameWindow::buildMenus()
{
    QMenu* options = menuBar()->addMenu(QCoreApplication::translate("Menu", "Options"));
    optionsMenu_ = options;
    watchMenu(options);
    const std::array<std::pair<MenuItem, QString>, 3> items = {{
        {MenuItem::ShowBadSquares, QCoreApplication::translate("Menu", "Show Bad Squares?")},
        {MenuItem::ShowLevel, QCoreApplication::translate("Menu", "Show Level?")},
        {MenuItem::TwoWay, QCoreApplication::translate("Menu", "2-Way?")},
    }};
    for (const auto& [item, label] : items) {
        QAction* action = options->addAction(label);
        action->setCheckable(true);
        connect(action, &QAction::triggered, this,
                [this, item = item](bool markNow) { optionChosen(item, markNow); });
        options_[index(item)] = action;
    }
    // A top-level item with no menu of its own: a click acts at once.
    highScores_ = menuBar()->addAction(QCoreApplication::translate("Menu", "High Scores"));
    connect(highScores_, &QAction::triggered, this, [this] { delivered(gate_.highScoresMenu()); });
    // The history is the window's, not the game's: the game never hears
    // of it but for the pause the Options menu makes too.
    history_ = menuBar()->addAction(QCoreApplication::translate("Menu", "History"));
    history_->setVisible(false);
    connect(history_, &QAction::triggered, this, [this] {
        lookedAway();
        emit historyChosen();
    });
}

void GameWindow::attach(FormEvents& events, const Scene& scene)
{
    gate_.attach(events);
    board_->setScene(&scene);
}

void GameWindow::loadGame()
{
    board_->invalidate();
    gate_.load(*this);
    board_->refresh();
}

void GameWindow::loadAndShow()
{
    loadGame();
    show();
}

void GameWindow::reload()
{
    // The same window stays where it is; only what it holds starts over.
    loadGame();
}

void GameWindow::delivered(bool wasDelivered)
{
    if (!wasDelivered)
        return;
    board_->refresh();
    updateDescription();
}

void GameWindow::describe(const GameState& state)
{
    described_ = &state;
    updateDescription();
}

void GameWindow::updateDescription()
{
    if (described_ == nullptr)
        return;
    // Most ticks change nothing a player is told: the text is only made
    // again, and announced, when one of its values moved.
    const std::array<int, 5> now{described_->score, described_->level, timerEnabled() ? 1 : 0,
                                 described_->playerRow, described_->playerCol};
    if (now == describedAs_)
        return;
    describedAs_ = now;
    // Rows and columns counted from 1, as a player names them.
    const QString text =
        (timerEnabled() ? QCoreApplication::translate(
                              "Board", "Score %1, level %2, running. Your square is in row %3, column %4.")
                        : QCoreApplication::translate(
                              "Board", "Score %1, level %2, paused. Your square is in row %3, column %4."))
            .arg(described_->score)
            .arg(described_->level)
            .arg(described_->playerRow + 1)
            .arg(described_->playerCol + 1);
    board_->setAccessibleDescription(text);
}

void GameWindow::keyPressed(int keyCode, int shift)
{
    if (menuKeys_ && menuKey(keyCode))
        return;
    delivered(gate_.keyDown(keyCode, shift));
    // The game has had the key, as it has every key; these are also the
    // window's.
    if (keyCode == F10 && shift == 0)
        openOptionsMenu();
    else if (keyCode == LetterQ && shift == CtrlOnly)
        close();
    else if (!view_->key(keyCode, shift))
        help_->key(keyCode, shift);
}

void GameWindow::frameElapsed()
{
    const bool ticked = gate_.timer();
    delivered(ticked);
    if (ticked)
        emit tickDelivered();
}

void GameWindow::optionChosen(MenuItem item, bool markNow)
{
    // Qt has already flipped the mark; the game flips it itself, so the
    // mark goes back to what the game last set before the game sees it.
    options_[index(item)]->setChecked(!markNow);
    delivered(gate_.menu(item));
}

void GameWindow::setCaption(const std::string& caption)
{
    caption_ = caption;
    setWindowTitle(text(caption));
}

int GameWindow::clientWidth() const
{
    // Shape pixels, whatever size the board is shown at.
    return window::ClientWidth;
}

int GameWindow::clientHeight() const
{
    return window::ClientHeight;
}

void GameWindow::setTimerEnabled(bool enabled)
{
    const bool was = frame_.isActive();
    // Starting a running QTimer would restart its interval.
    if (enabled && !frame_.isActive())
        frame_.start();
    else if (!enabled)
        frame_.stop();
    updateDescription();
    if (was != enabled)
        emit runningChanged(enabled);
}

bool GameWindow::checked(MenuItem item) const
{
    return options_[index(item)]->isChecked();
}

void GameWindow::setChecked(MenuItem item, bool on)
{
    options_[index(item)]->setChecked(on);
}

} // namespace vexel::qt
