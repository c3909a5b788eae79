#include "qt/key_input.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMenuBar>
#include <QWidget>

#include <utility>

namespace vexel::qt {

namespace {

struct KeyCode {
    int qtKey;
    int code;
};

// Keys whose code does not follow from the key's own number. Qt numbers
// printable keys by their character, so '%' is 0x25, which would read as
// Left if it were passed on as it is; every such key goes through here.
constexpr KeyCode Named[] = {
    {Qt::Key_Backspace, 8},
    {Qt::Key_Tab, 9},
    {Qt::Key_Backtab, 9},
    {Qt::Key_Clear, 12},
    {Qt::Key_Return, 13},
    {Qt::Key_Enter, 13},
    {Qt::Key_Shift, 16},
    {Qt::Key_Control, 17},
    {Qt::Key_Alt, 18},
    {Qt::Key_AltGr, 18},
    {Qt::Key_Pause, 19},
    {Qt::Key_CapsLock, 20},
    {Qt::Key_Escape, 27},
    {Qt::Key_Space, 32},
    {Qt::Key_PageUp, 33},
    {Qt::Key_PageDown, 34},
    {Qt::Key_End, 35},
    {Qt::Key_Home, 36},
    {Qt::Key_Left, 37},
    {Qt::Key_Up, 38},
    {Qt::Key_Right, 39},
    {Qt::Key_Down, 40},
    {Qt::Key_Select, 41},
    {Qt::Key_Print, 44},
    {Qt::Key_Insert, 45},
    {Qt::Key_Delete, 46},
    {Qt::Key_Help, 47},
    {Qt::Key_Meta, 91},
    {Qt::Key_Super_L, 91},
    {Qt::Key_Super_R, 92},
    {Qt::Key_Menu, 93},
    {Qt::Key_Sleep, 95},
    {Qt::Key_NumLock, 144},
    {Qt::Key_ScrollLock, 145},
    // Shifted digits keep the code of their digit key.
    {Qt::Key_ParenRight, 48},
    {Qt::Key_Exclam, 49},
    {Qt::Key_At, 50},
    {Qt::Key_NumberSign, 51},
    {Qt::Key_Dollar, 52},
    {Qt::Key_Percent, 53},
    {Qt::Key_AsciiCircum, 54},
    {Qt::Key_Ampersand, 55},
    {Qt::Key_Asterisk, 56},
    {Qt::Key_ParenLeft, 57},
    // Punctuation keys, unshifted and shifted.
    {Qt::Key_Semicolon, 186},
    {Qt::Key_Colon, 186},
    {Qt::Key_Equal, 187},
    {Qt::Key_Plus, 187},
    {Qt::Key_Comma, 188},
    {Qt::Key_Less, 188},
    {Qt::Key_Minus, 189},
    {Qt::Key_Underscore, 189},
    {Qt::Key_Period, 190},
    {Qt::Key_Greater, 190},
    {Qt::Key_Slash, 191},
    {Qt::Key_Question, 191},
    {Qt::Key_QuoteLeft, 192},
    {Qt::Key_AsciiTilde, 192},
    {Qt::Key_BracketLeft, 219},
    {Qt::Key_BraceLeft, 219},
    {Qt::Key_Backslash, 220},
    {Qt::Key_Bar, 220},
    {Qt::Key_BracketRight, 221},
    {Qt::Key_BraceRight, 221},
    {Qt::Key_Apostrophe, 222},
    {Qt::Key_QuoteDbl, 222},
};

// The number pad has codes of its own for digits and operators; its
// Enter, and its arrows with Num Lock off, are the main keys' codes.
int keypadCode(int qtKey)
{
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)
        return 96 + (qtKey - Qt::Key_0);
    switch (qtKey) {
    case Qt::Key_Asterisk:
        return 106;
    case Qt::Key_Plus:
        return 107;
    case Qt::Key_Minus:
        return 109;
    case Qt::Key_Period:
    case Qt::Key_Comma:
        return 110;
    case Qt::Key_Slash:
        return 111;
    default:
        return -1;
    }
}

} // namespace

int virtualKeyCode(int qtKey, Qt::KeyboardModifiers modifiers)
{
    if (modifiers.testFlag(Qt::KeypadModifier)) {
        const int code = keypadCode(qtKey);
        if (code >= 0)
            return code;
    }
    if ((qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) || (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9))
        return qtKey;
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24)
        return 112 + (qtKey - Qt::Key_F1);
    for (const KeyCode& entry : Named) {
        if (entry.qtKey == qtKey)
            return entry.code;
    }
    return 0;
}

int shiftState(Qt::KeyboardModifiers modifiers)
{
    int shift = 0;
    if (modifiers.testFlag(Qt::ShiftModifier))
        shift |= 1;
    if (modifiers.testFlag(Qt::ControlModifier))
        shift |= 2;
    if (modifiers.testFlag(Qt::AltModifier))
        shift |= 4;
    return shift;
}

KeyRouter::KeyRouter(QWidget& window, Delivery deliver, QObject* parent)
    : QObject(parent), window_(window), deliver_(std::move(deliver))
{
    QCoreApplication::instance()->installEventFilter(this);
}

QKeyEvent* windowKeyEvent(const QWidget& window, QObject* receiver, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::KeyPress && type != QEvent::KeyRelease && type != QEvent::ShortcutOverride)
        return nullptr;
    const auto* widget = qobject_cast<QWidget*>(receiver);
    if (widget == nullptr || widget->window() != &window)
        return nullptr;
    return static_cast<QKeyEvent*>(event);
}

bool KeyRouter::eventFilter(QObject* watched, QEvent* event)
{
    QKeyEvent* key = windowKeyEvent(window_, watched, event);
    // The menu bar never has the focus; a key sent to it comes from the
    // window's own menu handling, not from the player.
    if (key == nullptr || qobject_cast<QMenuBar*>(watched) != nullptr)
        return false;

    if (key->type() == QEvent::KeyPress)
        deliver_(virtualKeyCode(key->key(), key->modifiers()), shiftState(key->modifiers()));
    // Accepting the shortcut query claims the key for the game; the menu
    // bar learns of a lone Alt only through that query and its release, so
    // it never hears of either.
    key->accept();
    return true;
}

} // namespace vexel::qt
