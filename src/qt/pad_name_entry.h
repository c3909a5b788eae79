#pragma once

#include <QObject>
#include <QString>

class QInputDialog;
class QLineEdit;

namespace vexel::qt {

// Marks a key event that came from a pad, in its native modifiers, which
// a key the window system made never carries together with a zero scan
// code: what the pad alone does tells by it.
constexpr quint32 PadKeyMark = 0x50AD0000;

// A name as the arcade enters it: a cursor over the name's places, the
// character after it changed in steps. The cursor counts characters.
struct ArcadeName {
    QString text;
    int cursor = 0;
    friend bool operator==(const ArcadeName&, const ArcadeName&) = default;
};

// One step of the arcade entry: Up and Down turn the character after the
// cursor through A to Z, 0 to 9 and space (a place past the end starts as
// a space, a small letter as its capital, any other character as a
// space); Left and Right move the cursor over the first `places` places,
// Right past the end leaving a space behind. Any other key changes
// nothing.
ArcadeName arcadeStep(const ArcadeName& name, int qtKey, int places);

// The record holder's prompt as the pad fills it in: the pad's arrows go
// through arcadeStep, the pad's Enter drops the spaces the entry left at
// the end before the prompt accepts. The keyboard's keys pass untouched.
class PadNameEntry final : public QObject {
public:
    // Once per prompt; later calls find the entry already there.
    static void attachTo(QInputDialog& dialog, int places);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    PadNameEntry(QLineEdit& field, int places);
    QLineEdit& field_;
    int places_;
};

} // namespace vexel::qt
