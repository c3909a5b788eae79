#pragma once

#include "ui/qt/game_window.h"

#include <QApplication>
#include <QDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QString>
#include <QTimer>

#include <functional>
#include <utility>
#include <vector>

namespace vexel::test {

// Answers the game's dialogs while they run their own event loops, and
// notes what each one showed and how the window behaved meanwhile.
class DialogAnswerer {
public:
    struct Seen {
        QString title;
        QString text;
        bool input = false;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        unsigned long ticksWhenSeen = 0;
        unsigned long droppedWhenSeen = 0;
        unsigned long ticksWhenAnswered = 0;
        unsigned long droppedWhenAnswered = 0;
    };

    DialogAnswerer(qt::GameWindow& window, QString typed = {}, int holdMs = 0)
        : window_(window), typed_(std::move(typed)), holdMs_(holdMs)
    {
        QObject::connect(&poll_, &QTimer::timeout, [this] { look(); });
        poll_.start(5);
    }

    // Runs while each dialog is open, just before it is answered.
    std::function<void()> whileOpen;
    const std::vector<Seen>& seen() const { return seen_; }

private:
    void look()
    {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr || dialog == current_)
            return;
        current_ = dialog;
        Seen seen;
        seen.title = dialog->windowTitle();
        seen.ticksWhenSeen = window_.ticksDelivered();
        seen.droppedWhenSeen = window_.droppedDeliveries();
        if (auto* box = qobject_cast<QMessageBox*>(dialog)) {
            seen.text = box->text();
            seen.icon = box->icon();
        } else if (auto* input = qobject_cast<QInputDialog*>(dialog)) {
            seen.input = true;
            seen.text = input->labelText();
            input->setTextValue(typed_);
        }
        // Hold the dialog open for a while so the timer has time to fire.
        QTimer::singleShot(holdMs_, dialog, [this, dialog, seen]() mutable {
            if (whileOpen)
                whileOpen();
            seen.ticksWhenAnswered = window_.ticksDelivered();
            seen.droppedWhenAnswered = window_.droppedDeliveries();
            seen_.push_back(seen);
            dialog->accept();
            // The next dialog may well be built at the same address.
            current_ = nullptr;
        });
    }

    qt::GameWindow& window_;
    QString typed_;
    int holdMs_;
    QTimer poll_;
    QDialog* current_ = nullptr;
    std::vector<Seen> seen_;
};

} // namespace vexel::test
