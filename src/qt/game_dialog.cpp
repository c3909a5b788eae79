#include "qt/game_dialog.h"

#include "qt/key_input.h"

#include <QApplication>
#include <QBoxLayout>
#include <QDialog>
#include <QFontMetrics>
#include <QGridLayout>
#include <QKeyEvent>
#include <QScreen>
#include <QSpacerItem>
#include <QWidget>

#include <algorithm>

namespace vexel::qt {

namespace {

// Room left between the window's frame and the dialog's.
constexpr int Gap = 8;

// The start of a span of the given size centred on another span, moved
// inwards as far as needed to stay within [low, high].
int centred(int start, int length, int size, int low, int high)
{
    return std::max(low, std::min(start + (length - size) / 2, high - size + 1));
}

// The number of UTF-16 units that the first `characters` code points of
// text take.
qsizetype unitsOf(const QString& text, qsizetype characters)
{
    qsizetype at = 0;
    for (; characters > 0 && at < text.size(); --characters)
        at += text[at].isHighSurrogate() && at + 1 < text.size() && text[at + 1].isLowSurrogate() ? 2 : 1;
    return at;
}

// How wide a dialog must be for a window manager's title bar to show its
// whole title.
int titleBarWidth(const QString& title)
{
    // Window managers mostly draw titles in bold: measured in the bold
    // title-bar font, the title errs on the wide side.
    QFont font = QApplication::font("QMdiSubWindowTitleBar");
    font.setBold(true);
    const QFontMetrics metrics(font);
    // The icon and three buttons, each about a line and a half square, and
    // a line's height of frame and gaps on either side.
    const int line = metrics.height();
    return metrics.horizontalAdvance(title) + 4 * line * 3 / 2 + 2 * line;
}

} // namespace

CharacterLimit::CharacterLimit(int limit, QObject* parent) : QValidator(parent), limit_(limit) {}

QValidator::State CharacterLimit::validate(QString& input, int& pos) const
{
    qsizetype excess = input.toUcs4().size() - limit_;
    // What went over the limit came in just before the cursor: its end goes.
    while (excess > 0 && pos > 0) {
        const int length =
            pos >= 2 && input[pos - 1].isLowSurrogate() && input[pos - 2].isHighSurrogate() ? 2 : 1;
        input.remove(pos - length, length);
        pos -= length;
        --excess;
    }
    if (excess > 0) {
        input.truncate(unitsOf(input, limit_));
        pos = std::min(pos, static_cast<int>(input.size()));
    }
    return Acceptable;
}

void fitTitle(QDialog& dialog)
{
    // Some dialogs make their layout only when first sized.
    dialog.adjustSize();
    const int width = titleBarWidth(dialog.windowTitle());
    // Message and input boxes size themselves from their layouts when
    // shown, over any minimum set on the dialog, so the width goes into the
    // layout: an empty row of no height at its foot.
    if (auto* grid = qobject_cast<QGridLayout*>(dialog.layout())) {
        grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Fixed), grid->rowCount(),
                      0, 1, grid->columnCount());
    } else if (auto* box = qobject_cast<QBoxLayout*>(dialog.layout())) {
        box->addSpacerItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Fixed));
    } else {
        dialog.setMinimumWidth(std::max(dialog.minimumWidth(), width));
    }
    dialog.adjustSize();
}

std::optional<QPoint> placeBeside(const QRect& windowFrame, const QSize& dialogFrame, const QRect& available)
{
    const int besideTop = centred(windowFrame.top(), windowFrame.height(), dialogFrame.height(),
                                  available.top(), available.bottom());
    const int belowLeft = centred(windowFrame.left(), windowFrame.width(), dialogFrame.width(),
                                  available.left(), available.right());
    for (const QPoint at : {QPoint(windowFrame.right() + 1 + Gap, besideTop),
                            QPoint(windowFrame.left() - Gap - dialogFrame.width(), besideTop),
                            QPoint(belowLeft, windowFrame.bottom() + 1 + Gap)}) {
        if (available.contains(QRect(at, dialogFrame)))
            return at;
    }
    return std::nullopt;
}

DialogKeyGuard::DialogKeyGuard(QDialog& dialog) : dialog_(dialog)
{
    opened_.start();
    // Keys go to whichever widget of the dialog has the focus, and a key a
    // widget ignores travels on to its parents: only the application sees
    // them all first.
    QCoreApplication::instance()->installEventFilter(this);
}

int DialogKeyGuard::identity(const QKeyEvent& key)
{
    // The physical key where the platform names it: the character a key
    // gives may change while it is held, when Shift goes down or up.
    return key.nativeScanCode() != 0 ? -static_cast<int>(key.nativeScanCode()) : key.key();
}

bool DialogKeyGuard::passes(const QKeyEvent& key) const
{
    const auto found = keys_.find(identity(key));
    const KeyState state = found == keys_.end() ? KeyState{} : found->second;
    if (key.type() == QEvent::KeyRelease)
        return state.owned;
    const quint64 at = key.timestamp();
    const bool repeat = key.isAutoRepeat() || (state.releasedAt && at >= *state.releasedAt &&
                                               at - *state.releasedAt <= RepeatGapMs);
    if (repeat)
        return state.owned;
    return opened_.elapsed() >= DeafMs;
}

bool DialogKeyGuard::eventFilter(QObject* watched, QEvent* event)
{
    QKeyEvent* key = windowKeyEvent(dialog_, watched, event);
    if (key == nullptr)
        return false;
    const QEvent::Type type = key->type();
    const bool pass = passes(*key);
    // The shortcut query that comes before a press is only a question. A
    // repeat passes exactly when the dialog owns the key, so only a fresh
    // press changes what it owns.
    if (type == QEvent::KeyRelease)
        keys_[identity(*key)].releasedAt = key->timestamp();
    else if (type == QEvent::KeyPress)
        keys_[identity(*key)].owned = pass;
    if (pass)
        return false;
    // Accepting the shortcut query as well keeps a button's shortcut from
    // firing for a key the dialog must not see.
    key->accept();
    return true;
}

void moveBeside(QDialog& dialog, const QWidget& window)
{
    // The dialog's frame is not known before it is shown; the window's own
    // is the best guess for it.
    const QSize decoration = window.frameGeometry().size() - window.geometry().size();
    if (const QScreen* screen = window.screen()) {
        if (const auto at =
                placeBeside(window.frameGeometry(), dialog.size() + decoration, screen->availableGeometry()))
            dialog.move(*at);
    }
}

int runGameDialog(QDialog& dialog, const QWidget& window)
{
    fitTitle(dialog);
    moveBeside(dialog, window);
    const DialogKeyGuard guard(dialog);
    return dialog.exec();
}

} // namespace vexel::qt
