#pragma once

#include "history/game_record.h"

#include <QWidget>

#include <cstdint>
#include <functional>

class QLabel;
class QPushButton;
class QTabWidget;
class QTableView;
class QTableWidget;

namespace vexel::replay {
struct Replay;
}

namespace vexel::qt {

class GameListModel;
class ProgressChart;

// Opens a replay in a window of its own, carried by `owner`, and returns
// that window. The game's window library gives the one that plays it.
using OpenReplay = std::function<QWidget*(const replay::Replay& replay, QWidget& owner)>;

// "Vexel History": the top ten of each mode and the totals, the progress
// chart, and every game in a sortable list, with Watch and Save Replay As…
// for the game chosen in the list or a top ten. What it first shows comes
// from the history's short answers (the top tens and the totals); every
// game, for the list and the chart, is read once the window has painted,
// so that a long history opens about as fast as a short one.
class HistoryWindow final : public QWidget {
    Q_OBJECT

public:
    enum Tab { BestTab, ProgressTab, ListTab };

    // The history must outlive the window. A game is watched in a window
    // of its own, opened by `openReplay`, carried by the parent when there
    // is one.
    HistoryWindow(const history::HistorySource& source, OpenReplay openReplay, QWidget* parent = nullptr);

    // Reads every game into the list and the chart, once.
    void loadGames();
    // Reads the history again when it has more games than are shown: a
    // game may have been lost while the window was open.
    void refresh();
    bool gamesLoaded() const { return loaded_; }

    QTabWidget* tabs() const { return tabs_; }
    QTableWidget* topTen(bool twoWay) const { return twoWay ? topTwoWay_ : topFourWay_; }
    QTableWidget* totals() const { return totals_; }
    QLabel* timePlayed() const { return timePlayed_; }
    QTableView* gameList() const { return list_; }
    GameListModel* listModel() const { return model_; }
    ProgressChart* chart() const { return chart_; }

    // The game Watch and Save Replay As… act on: the current row of the
    // list or of the top ten last chosen, as the tab shown says; 0 for none.
    std::int64_t chosenGame() const;
    // Plays the game in a window of its own; says why when it cannot.
    void watch(std::int64_t id);
    void saveReplayAs(std::int64_t id);

signals:
    // A game is being watched in this window.
    void watching(QWidget* window);

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    QWidget* buildBestTab();
    void fillTopTen(QTableWidget& table, bool twoWay);
    void fillTotals();
    void chosenChanged();
    void warn(const QString& text);

    const history::HistorySource& source_;
    OpenReplay openReplay_;
    QTabWidget* tabs_ = nullptr;
    QTableWidget* topFourWay_ = nullptr;
    QTableWidget* topTwoWay_ = nullptr;
    QTableWidget* lastTopTen_ = nullptr;
    QTableWidget* totals_ = nullptr;
    QLabel* timePlayed_ = nullptr;
    ProgressChart* chart_ = nullptr;
    QTableView* list_ = nullptr;
    GameListModel* model_ = nullptr;
    QPushButton* watch_ = nullptr;
    QPushButton* save_ = nullptr;
    std::int64_t shownGames_ = 0;
    bool painted_ = false;
    bool loaded_ = false;
};

} // namespace vexel::qt
