#include "qt/help_dialog.h"

#include "qt/game_dialog.h"

namespace vexel::qt {

HelpDialog::HelpDialog(QWidget& window) : QDialog(&window), window_(window) {}

HelpDialog::~HelpDialog() = default;

void HelpDialog::present()
{
    if (!isVisible()) {
        fit();
        moveBeside(*this, window_);
    }
    guard_ = std::make_unique<DialogKeyGuard>(*this);
    show();
    raise();
    activateWindow();
}

void HelpDialog::fit()
{
    // Once: the title's room goes into the layout, which keeps it.
    if (titled_)
        return;
    fitTitle(*this);
    titled_ = true;
}

void HelpDialog::hideEvent(QHideEvent* event)
{
    QDialog::hideEvent(event);
    guard_.reset();
}

} // namespace vexel::qt
