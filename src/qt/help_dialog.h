#pragma once

#include <QDialog>
#include <QLabel>

#include <memory>

namespace vexel::qt {

class DialogKeyGuard;

// A paragraph of plain text that screen readers read as text, character
// by character, as well as by its name: Qt gives a label only the name.
class Prose final : public QLabel {
    Q_OBJECT

public:
    Prose(const QString& text, QWidget* parent);
};

// A window of the Help menu. It opens beside the game's window, as the
// game's dialogs do, but lets the game go on: it is read, not answered, and
// the menu or F1 that opened it has already paused a running game. Like the
// game's dialogs it takes no key in its first half second, nor one held
// since before it opened. Escape closes it; so does Enter, on its default
// button.
class HelpDialog : public QDialog {
public:
    explicit HelpDialog(QWidget& window);
    ~HelpDialog() override;

    // Shows the dialog beside the window, or brings it back to the front
    // when it is open already; either way its deaf half second starts anew,
    // since the key that asked for it may still be down.
    void present();

protected:
    // Sizes the dialog before it is placed; by default to what it holds,
    // and wide enough for its whole title.
    virtual void fit();
    void hideEvent(QHideEvent* event) override;

private:
    QWidget& window_;
    std::unique_ptr<DialogKeyGuard> guard_;
    bool titled_ = false;
};

} // namespace vexel::qt
