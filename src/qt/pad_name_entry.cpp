#include "qt/pad_name_entry.h"

#include <QInputDialog>
#include <QKeyEvent>
#include <QLineEdit>

#include <algorithm>

namespace vexel::qt {

namespace {

const QString Characters = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789 ");

bool isArrow(int key)
{
    return key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_Left || key == Qt::Key_Right;
}

// Where among the entry's characters the given one stands.
qsizetype placeOf(uint character)
{
    if (character >= U'a' && character <= U'z')
        character -= U'a' - U'A';
    const qsizetype at = character < 0x80 ? Characters.indexOf(QChar(character)) : -1;
    return at >= 0 ? at : Characters.size() - 1;
}

QString fromCharacters(const QList<uint>& text, qsizetype characters)
{
    return QString::fromUcs4(reinterpret_cast<const char32_t*>(text.constData()), characters);
}

// UTF-16 units of the first `characters` characters of text.
int unitsOf(const QList<uint>& text, int characters)
{
    return static_cast<int>(fromCharacters(text, characters).size());
}

} // namespace

ArcadeName arcadeStep(const ArcadeName& name, int qtKey, int places)
{
    QList<uint> text = name.text.toUcs4();
    int cursor = std::clamp(name.cursor, 0, std::max(0, std::min(places - 1, static_cast<int>(text.size()))));
    switch (qtKey) {
    case Qt::Key_Left:
        cursor = std::max(0, cursor - 1);
        break;
    case Qt::Key_Right:
        if (cursor + 1 >= places)
            break;
        if (cursor == text.size())
            text.append(uint{U' '});
        ++cursor;
        break;
    case Qt::Key_Up:
    case Qt::Key_Down: {
        if (cursor == text.size())
            text.append(uint{U' '});
        const qsizetype count = Characters.size();
        const qsizetype step = qtKey == Qt::Key_Up ? 1 : count - 1;
        text[cursor] = Characters[(placeOf(text[cursor]) + step) % count].unicode();
        break;
    }
    default:
        return name;
    }
    return {fromCharacters(text, text.size()), cursor};
}

PadNameEntry::PadNameEntry(QLineEdit& field, int places) : QObject(&field), field_(field), places_(places)
{
    field.installEventFilter(this);
}

void PadNameEntry::attachTo(QInputDialog& dialog, int places)
{
    auto* field = dialog.findChild<QLineEdit*>();
    static const char* const Attached = "vexelPadNameEntry";
    if (field == nullptr || field->property(Attached).toBool())
        return;
    field->setProperty(Attached, true);
    new PadNameEntry(*field, places);
}

bool PadNameEntry::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != &field_ || (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease))
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->nativeModifiers() != PadKeyMark || key->nativeScanCode() != 0)
        return false;
    if (key->key() == Qt::Key_Return && event->type() == QEvent::KeyPress) {
        QString text = field_.text();
        while (text.endsWith(QLatin1Char(' ')))
            text.chop(1);
        field_.setText(text);
        return false;
    }
    if (!isArrow(key->key()))
        return false;
    if (event->type() == QEvent::KeyPress) {
        const QList<uint> before = field_.text().left(field_.cursorPosition()).toUcs4();
        const ArcadeName next =
            arcadeStep({field_.text(), static_cast<int>(before.size())}, key->key(), places_);
        field_.setText(next.text);
        field_.setCursorPosition(unitsOf(next.text.toUcs4(), next.cursor));
    }
    return true;
}

} // namespace vexel::qt
