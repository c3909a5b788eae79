// GameWindow members: the game's dialogs. Each holds the delivery gate
// while it is open, so that nothing reaches the game from the nested event
// loop, and the program's end closes the one open as the player would.

#include "qt/game_window.h"

#include "qt/board_view.h"
#include "qt/game_dialog.h"
#include "scores/score_table.h"

#include <QCoreApplication>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>

namespace vexel::qt {

namespace {

QString text(const std::string& utf8)
{
    return QString::fromStdString(utf8);
}

} // namespace

void GameWindow::endProgram()
{
    ending_ = true;
    if (openDialog_ != nullptr)
        openDialog_->accept();
    // Leaves every event loop, the dialog's too; the program ends once the
    // handler that opened the dialog has returned to the main one.
    QCoreApplication::exit(0);
}

void GameWindow::messageBox(const std::string& message, const std::string& title, MessageIcon icon)
{
    if (ending_)
        return;
    const DeliveryGate::Hold open = gate_.hold();
    // The dialog opens over the board as the game has left it.
    board_->refresh();
    const QMessageBox::Icon shown = icon == MessageIcon::Information ? QMessageBox::Information
                                    : icon == MessageIcon::Warning   ? QMessageBox::Warning
                                                                     : QMessageBox::NoIcon;
    QMessageBox box(shown, text(title), text(message), QMessageBox::Ok, this);
    // Holders' names are whatever was typed; none of it is markup.
    box.setTextFormat(Qt::PlainText);
    openDialog_ = &box;
    runGameDialog(box, *this);
    openDialog_ = nullptr;
}

std::string GameWindow::inputBox(const std::string& prompt, const std::string& title)
{
    if (ending_)
        return {};
    const DeliveryGate::Hold open = gate_.hold();
    board_->refresh();
    QInputDialog dialog(this);
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.setWindowTitle(text(title));
    dialog.setLabelText(text(prompt));
    dialog.setTextValue(QString());
    // The field takes no more than the name keeps, so that the player sees
    // the limit while typing.
    if (auto* field = dialog.findChild<QLineEdit*>())
        field->setValidator(new CharacterLimit(static_cast<int>(scores::NameLength), field));
    openDialog_ = &dialog;
    const int answer = runGameDialog(dialog, *this);
    openDialog_ = nullptr;
    if (answer != QDialog::Accepted)
        return {};
    return dialog.textValue().toStdString();
}

} // namespace vexel::qt
