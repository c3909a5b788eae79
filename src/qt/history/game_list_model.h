#pragma once

#include "history/game_record.h"

#include <QAbstractTableModel>

#include <cstdint>
#include <memory>
#include <vector>

namespace vexel::qt {

// Every game of the history as the History window lists it. The games are
// held once, without strings, and sorting reorders row numbers only; the
// texts are made for the rows the view asks for, which are the rows on
// screen. A list of 100,000 games costs little more to show than one of 100.
class GameListModel final : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column { Date, Score, Level, Mode, Length, ColumnCount };
    using Games = std::shared_ptr<const std::vector<history::GameSummary>>;

    explicit GameListModel(QObject* parent = nullptr);

    // The games oldest first, as the history hands them out.
    void setGames(Games games);
    const Games& games() const { return games_; }
    // The game shown in a row, or 0 for no row.
    std::int64_t gameId(int row) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    // Equal values keep the order in which the games were played.
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

private:
    const history::GameSummary& at(int row) const { return (*games_)[order_[static_cast<std::size_t>(row)]]; }

    Games games_;
    // Row number to index into games_.
    std::vector<std::uint32_t> order_;
    int sortColumn_ = Date;
    Qt::SortOrder sortOrder_ = Qt::AscendingOrder;
};

} // namespace vexel::qt
