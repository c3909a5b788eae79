#pragma once

#include "qt/help_dialog.h"

#include <QList>

#include <string>

class QLabel;
class QScrollArea;
class QTableWidget;

namespace vexel::qt {

// Where the game keeps what it writes.
struct Places {
    std::string records;
    std::string replays;
    std::string history;
    std::string settings;
};

// "How to Play Vexel": the goal, the keys and a controller's buttons in a
// table, the title bar, the menus, and where the records, replays, history
// and settings are kept. It scrolls where the screen is too small for it.
class HowToPlayWindow final : public HelpDialog {
public:
    HowToPlayWindow(QWidget& window, const Places& places);

    // The text at `scale` times the desktop's size: the View menu's zoom,
    // so that a player who enlarges the board reads larger text too.
    void setTextScale(double scale);
    double textScale() const { return scale_; }
    void setPlaces(const Places& places);

    QLabel* goal() const { return goal_; }
    QTableWidget* keys() const { return keys_; }
    // The texts in the order shown, the table's excepted.
    QStringList texts() const;

protected:
    void fit() override;

private:
    QLabel* addText(const QString& text);
    QLabel* addHeading(const QString& text);
    void fillKeys();
    // The table no wider than `widest` where it can be.
    void sizeKeys(int widest);

    QScrollArea* scroll_ = nullptr;
    QWidget* content_ = nullptr;
    QLabel* goal_ = nullptr;
    QTableWidget* keys_ = nullptr;
    QList<QLabel*> headings_;
    QList<QLabel*> texts_;
    // The paths, each after its name.
    QList<QLabel*> places_;
    double scale_ = 0;
};

} // namespace vexel::qt
