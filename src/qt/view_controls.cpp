#include "qt/view_controls.h"

#include "qt/board_view.h"
#include "ui/texts.h"
#include "view/zoom.h"

#include <QAction>
#include <QCoreApplication>
#include <QLayout>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QTimer>
#include <QWindow>

#include <algorithm>
#include <ostream>

namespace vexel::qt {

namespace {

// Virtual-key codes of the keys the View menu answers, and the shift
// states they come with: 2 Ctrl, 3 Ctrl+Shift.
constexpr int PlusKey = 187; // the key of '=' and '+'
constexpr int MinusKey = 189;
constexpr int DigitZero = 48;
constexpr int KeypadZero = 96;
constexpr int KeypadPlus = 107;
constexpr int KeypadMinus = 109;
constexpr int F11 = 122;
constexpr int Escape = 27;
constexpr int Ctrl = 2;
constexpr int CtrlShift = 3;

} // namespace

ViewControls::ViewControls(QMainWindow& window, BoardView& board)
    : QObject(&window), window_(window), board_(board)
{
    buildMenu();
    settling_.setSingleShot(true);
    settling_.setInterval(250);
    connect(&settling_, &QTimer::timeout, this, &ViewControls::putBack);
    window_.installEventFilter(this);
}

void ViewControls::buildMenu()
{
    menu_ = window_.menuBar()->addMenu(QCoreApplication::translate("Menu", "View"));
    const auto add = [this](Item item, const QString& text, const QList<QKeySequence>& keys, auto slot) {
        QAction* action = menu_->addAction(text);
        // Shown beside the item; the keys themselves reach the game first
        // and come back here through key().
        action->setShortcuts(keys);
        connect(action, &QAction::triggered, this, slot);
        actions_[static_cast<int>(item)] = action;
        return action;
    };
    add(Item::ZoomIn, QCoreApplication::translate("Menu", "Zoom In"),
        {QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal),
         QKeySequence(QKeyCombination(Qt::ControlModifier | Qt::KeypadModifier, Qt::Key_Plus))},
        &ViewControls::zoomIn);
    add(Item::ZoomOut, QCoreApplication::translate("Menu", "Zoom Out"),
        {QKeySequence(Qt::CTRL | Qt::Key_Minus)}, &ViewControls::zoomOut);
    add(Item::ActualSize, QCoreApplication::translate("Menu", "Actual Size"),
        {QKeySequence(Qt::CTRL | Qt::Key_0)}, &ViewControls::actualSize);
    menu_->addSeparator();
    QAction* full = add(Item::FullScreen, QCoreApplication::translate("Menu", "Full Screen"),
                        {QKeySequence(Qt::Key_F11)}, [this](bool on) { setFullScreen(on); });
    full->setCheckable(true);
    menu_->addSeparator();
    QAction* safe = add(Item::ColourSafe, QCoreApplication::translate("Menu", "Colour-Safe Signals"), {},
                        &ViewControls::setColourSafe);
    safe->setCheckable(true);
    QAction* sound =
        add(Item::Sound, QCoreApplication::translate("Sound", "Sound"), {}, &ViewControls::setSound);
    sound->setCheckable(true);
    sound->setChecked(settings_.sound);
    for (QAction* action : actions_)
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
}

void ViewControls::rememberIn(const std::string& path, std::ostream& diagnostics)
{
    path_ = path;
    diagnostics_ = &diagnostics;
    const view::ViewSettings kept = view::loadSettings(path);
    settings_.colourSafe = kept.colourSafe;
    board_.setColourSafe(kept.colourSafe);
    action(Item::ColourSafe)->setChecked(kept.colourSafe);
    settings_.zoomPercent = kept.zoomPercent;
    fitToScreen();
    settings_.sound = kept.sound;
    action(Item::Sound)->setChecked(kept.sound);
    emit soundSwitched(kept.sound);
}

bool ViewControls::key(int keyCode, int shift)
{
    if ((keyCode == PlusKey && (shift == Ctrl || shift == CtrlShift)) ||
        (keyCode == KeypadPlus && shift == Ctrl))
        zoomIn();
    else if ((keyCode == MinusKey || keyCode == KeypadMinus) && shift == Ctrl)
        zoomOut();
    else if ((keyCode == DigitZero || keyCode == KeypadZero) && shift == Ctrl)
        actualSize();
    else if (keyCode == F11 && shift == 0)
        setFullScreen(!fullScreen_);
    else if (keyCode == Escape && shift == 0 && fullScreen_)
        setFullScreen(false);
    else
        return false;
    return true;
}

int ViewControls::zoomLimit() const
{
    const QScreen* screen = window_.screen();
    if (screen == nullptr)
        return view::ZoomSteps.back();
    const QRect available = screen->availableGeometry();
    // What the window adds to the board: its frame, once the window system
    // has given it one, and the menu bar.
    const QSize frame = window_.frameGeometry().size() - window_.geometry().size();
    const int menuBar =
        window_.menuBar()->isVisible() || !fullScreen_ ? window_.menuBar()->sizeHint().height() : 0;
    return view::largestFittingStep(available.width(), available.height(), frame.width(),
                                    frame.height() + menuBar, board_.devicePixelRatioF());
}

void ViewControls::zoomTo(int percent)
{
    const int shown = std::min(percent, zoomLimit());
    board_.setZoom(shown);
    action(Item::ZoomIn)
        ->setEnabled(!fullScreen_ && view::zoomedIn(shown) <= zoomLimit() && view::zoomedIn(shown) != shown);
    action(Item::ZoomOut)->setEnabled(!fullScreen_ && shown > view::ZoomSteps.front());
    action(Item::ActualSize)->setEnabled(!fullScreen_);
    if (!fullScreen_)
        QTimer::singleShot(0, this, &ViewControls::keepOnScreen);
}

void ViewControls::fitToScreen()
{
    zoomTo(settings_.zoomPercent);
}

void ViewControls::zoomIn()
{
    const int next = view::zoomedIn(board_.zoom());
    if (fullScreen_ || next == board_.zoom() || next > zoomLimit())
        return;
    settings_.zoomPercent = next;
    zoomTo(next);
    save();
}

void ViewControls::zoomOut()
{
    if (fullScreen_ || board_.zoom() == view::ZoomSteps.front())
        return;
    settings_.zoomPercent = view::zoomedOut(board_.zoom());
    zoomTo(settings_.zoomPercent);
    save();
}

void ViewControls::actualSize()
{
    if (fullScreen_)
        return;
    settings_.zoomPercent = view::ActualSize;
    zoomTo(settings_.zoomPercent);
    save();
}

void ViewControls::keepOnScreen()
{
    const QScreen* screen = window_.screen();
    if (screen == nullptr || fullScreen_ || !window_.isVisible())
        return;
    // A window grown by a zoom step may reach past the screen's edge.
    const QRect available = screen->availableGeometry();
    const QRect frame = window_.frameGeometry();
    QPoint topLeft = frame.topLeft();
    topLeft.setX(std::max(available.left(), std::min(topLeft.x(), available.right() + 1 - frame.width())));
    topLeft.setY(std::max(available.top(), std::min(topLeft.y(), available.bottom() + 1 - frame.height())));
    if (topLeft != frame.topLeft())
        window_.move(topLeft);
}

void ViewControls::setFullScreen(bool on)
{
    action(Item::FullScreen)->setChecked(on);
    if (on == fullScreen_)
        return;
    fullScreen_ = on;
    if (on) {
        // The window may take any size now; the board fills it.
        window_.layout()->setSizeConstraint(QLayout::SetDefaultConstraint);
        window_.setMinimumSize(0, 0);
        window_.setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        board_.setFillWindow(true);
        window_.menuBar()->hide();
        settling_.stop();
        normalPlace_ = window_.geometry().topLeft();
        // Where no window manager takes up the full-screen state, the
        // window covers the screen all the same.
        if (const QScreen* screen = window_.screen())
            window_.setGeometry(screen->geometry());
        window_.showFullScreen();
    } else {
        board_.setFillWindow(false);
        window_.menuBar()->show();
        window_.layout()->setSizeConstraint(QLayout::SetFixedSize);
        window_.showNormal();
        settling_.start();
        putBack();
    }
    fitToScreen();
}

void ViewControls::putBack()
{
    // The client area's place, not the frame's: a window manager frames a
    // full-screen window with nothing, and a frame's place asked for before
    // its frame is back lands the client area there instead, one border
    // and one title bar higher each time.
    if (window_.geometry().topLeft() != normalPlace_)
        window_.windowHandle()->setPosition(normalPlace_);
}

bool ViewControls::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == &window_ && event->type() == QEvent::Move && settling_.isActive() && !fullScreen_)
        settling_.start();
    return QObject::eventFilter(watched, event);
}

void ViewControls::setColourSafe(bool on)
{
    action(Item::ColourSafe)->setChecked(on);
    board_.setColourSafe(on);
    if (settings_.colourSafe == on)
        return;
    settings_.colourSafe = on;
    save();
}

void ViewControls::setSound(bool on)
{
    action(Item::Sound)->setChecked(on);
    if (settings_.sound == on)
        return;
    settings_.sound = on;
    emit soundSwitched(on);
    save();
}

void ViewControls::menusEntered()
{
    if (fullScreen_)
        window_.menuBar()->show();
}

void ViewControls::menusLeft()
{
    if (fullScreen_)
        window_.menuBar()->hide();
}

void ViewControls::windowStateChanged()
{
    if (fullScreen_ && !window_.isFullScreen() && !window_.isMinimized())
        setFullScreen(false);
}

void ViewControls::save()
{
    if (path_.empty())
        return;
    const auto failure = view::saveSettings(path_, settings_);
    if (failure && !toldSaveFailure_ && diagnostics_ != nullptr) {
        *diagnostics_ << vexel::fill(
                             vexel::translate("View", "vexel: cannot keep the view settings in %1: %2"),
                             {path_, *failure})
                      << '\n';
        toldSaveFailure_ = true;
    }
}

} // namespace vexel::qt
