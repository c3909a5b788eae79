#include "qt/game_window.h"

#include "app/window_definition.h"
#include "player/caption.h"
#include "qt/board_view.h"
#include "qt/key_input.h"

#include <QAction>
#include <QInputDialog>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>

namespace vexel::qt {

namespace {

// Holds the window busy for a scope, even if the game throws out of it.
class BusyScope {
public:
    explicit BusyScope(int& counter) : counter_(counter) { ++counter_; }
    ~BusyScope() { --counter_; }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

private:
    int& counter_;
};

QString text(const std::string& utf8)
{
    return QString::fromStdString(utf8);
}

} // namespace

GameWindow::GameWindow(QWidget* parent) : QMainWindow(parent)
{
    board_ = new BoardView(this);
    setCentralWidget(board_);
    buildMenus();
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
    setCaption(caption::Initial);
}

GameWindow::~GameWindow() = default;

void GameWindow::buildMenus()
{
    QMenu* options = menuBar()->addMenu(QStringLiteral("Options"));
    const std::array<std::pair<MenuItem, QString>, 3> items = {{
        {MenuItem::ShowBadSquares, QStringLiteral("Show Bad Squares?")},
        {MenuItem::ShowLevel, QStringLiteral("Show Level?")},
        {MenuItem::TwoWay, QStringLiteral("2-Way?")},
    }};
    for (const auto& [item, label] : items) {
        QAction* action = options->addAction(label);
        action->setCheckable(true);
        connect(action, &QAction::triggered, this,
                [this, item = item](bool markNow) { optionChosen(item, markNow); });
        options_[index(item)] = action;
    }
    // A top-level item with no menu of its own: a click acts at once.
    highScores_ = menuBar()->addAction(QStringLiteral("High Scores"));
    connect(highScores_, &QAction::triggered, this,
            [this] { deliver([this] { events_->highScoresMenu(); }); });
}

void GameWindow::attach(FormEvents& events, const Scene& scene)
{
    events_ = &events;
    board_->setScene(&scene);
}

void GameWindow::resetToDefinition()
{
    setCaption(caption::Initial);
    for (QAction* action : options_)
        action->setChecked(false);
    setTimerEnabled(true);
}

void GameWindow::loadGame()
{
    BusyScope busy(busy_);
    resetToDefinition();
    board_->invalidate();
    if (events_ != nullptr)
        events_->load();
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

template <class Handler> bool GameWindow::deliver(Handler&& handler)
{
    if (busy_ > 0 || events_ == nullptr) {
        ++dropped_;
        return false;
    }
    {
        BusyScope busy(busy_);
        handler();
    }
    board_->refresh();
    return true;
}

void GameWindow::keyPressed(int keyCode, int shift)
{
    deliver([&] { events_->keyDown(keyCode, shift); });
}

void GameWindow::frameElapsed()
{
    if (deliver([this] { events_->timer(); })) {
        ++ticks_;
        emit tickDelivered();
    }
}

void GameWindow::optionChosen(MenuItem item, bool markNow)
{
    // Qt has already flipped the mark; the game flips it itself, so the
    // mark goes back to what the game last set before the game sees it.
    options_[index(item)]->setChecked(!markNow);
    deliver([this, item] { events_->menu(item); });
}

void GameWindow::setCaption(const std::string& caption)
{
    caption_ = caption;
    setWindowTitle(text(caption));
}

int GameWindow::clientWidth() const
{
    return board_->width();
}

int GameWindow::clientHeight() const
{
    return board_->height();
}

void GameWindow::setTimerEnabled(bool enabled)
{
    // Starting a running QTimer would restart its interval.
    if (enabled && !frame_.isActive())
        frame_.start();
    else if (!enabled)
        frame_.stop();
}

bool GameWindow::checked(MenuItem item) const
{
    return options_[index(item)]->isChecked();
}

void GameWindow::setChecked(MenuItem item, bool on)
{
    options_[index(item)]->setChecked(on);
}

void GameWindow::messageBox(const std::string& message, const std::string& title, MessageIcon icon)
{
    BusyScope busy(busy_);
    // The dialog opens over the board as the game has left it.
    board_->refresh();
    QMessageBox box(icon == MessageIcon::Information ? QMessageBox::Information : QMessageBox::NoIcon,
                    text(title), text(message), QMessageBox::Ok, this);
    // Holders' names are whatever was typed; none of it is markup.
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

std::string GameWindow::inputBox(const std::string& prompt, const std::string& title)
{
    BusyScope busy(busy_);
    board_->refresh();
    QInputDialog dialog(this);
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.setWindowTitle(text(title));
    dialog.setLabelText(text(prompt));
    dialog.setTextValue(QString());
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.textValue().toStdString();
}

} // namespace vexel::qt
