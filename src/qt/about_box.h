#pragma once

#include "qt/help_dialog.h"

class QLabel;
class QPushButton;

namespace vexel::qt {

// The licence the game is under, word for word as in LICENSE, which the
// build puts into the program.
QString licenceText();
// Its copyright line: who holds the copyright, as LICENSE names them.
QString copyrightLine();

// "About Vexel": the name and icon, the version --version prints, what the
// game is, its copyright and licence (the whole text a click away), the Qt
// and SDL it runs with, and who translated the language it speaks.
class AboutBox final : public HelpDialog {
public:
    explicit AboutBox(QWidget& window);

    // The texts in the order shown, the name first.
    QStringList texts() const;
    QPushButton* licenceButton() const { return licence_; }
    // Opens the licence in a window of its own, over this one.
    void showLicence();

private:
    QList<QLabel*> texts_;
    QPushButton* licence_ = nullptr;
};

} // namespace vexel::qt
