#include "qt/history/game_list_model.h"

#include "qt/history/history_text.h"

#include <QCoreApplication>

#include <algorithm>
#include <numeric>

namespace vexel::qt {

namespace {

// The value a column sorts by; the game's number stands for its date,
// since numbers are handed out as games end.
std::int64_t sortKey(const history::GameSummary& game, int column)
{
    switch (column) {
    case GameListModel::Score:
        return game.score;
    case GameListModel::Level:
        return game.level;
    case GameListModel::Mode:
        return game.twoWay ? 1 : 0;
    case GameListModel::Length:
        return game.ticks;
    default:
        return game.id;
    }
}

} // namespace

GameListModel::GameListModel(QObject* parent) : QAbstractTableModel(parent) {}

void GameListModel::setGames(Games games)
{
    beginResetModel();
    games_ = std::move(games);
    order_.resize(games_ ? games_->size() : 0);
    std::iota(order_.begin(), order_.end(), std::uint32_t{0});
    endResetModel();
    sort(sortColumn_, sortOrder_);
}

std::int64_t GameListModel::gameId(int row) const
{
    if (row < 0 || row >= rowCount())
        return 0;
    return at(row).id;
}

int GameListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(order_.size());
}

int GameListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant GameListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const history::GameSummary& game = at(index.row());
    if (role == Qt::TextAlignmentRole) {
        const bool number = index.column() == Score || index.column() == Level || index.column() == Length;
        return QVariant::fromValue(Qt::AlignVCenter | (number ? Qt::AlignRight : Qt::AlignLeft));
    }
    if (role != Qt::DisplayRole)
        return {};
    switch (index.column()) {
    case Date:
        return localDateTime(game.endedUtc);
    case Score:
        return game.score;
    case Level:
        return game.level;
    case Mode:
        return modeName(game.twoWay);
    case Length:
        return playTime(game.ticks);
    default:
        return {};
    }
}

QVariant GameListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case Date:
        return QCoreApplication::translate("HistoryWindow", "Date");
    case Score:
        return QCoreApplication::translate("HistoryWindow", "Score");
    case Level:
        return QCoreApplication::translate("HistoryWindow", "Level");
    case Mode:
        return QCoreApplication::translate("HistoryWindow", "Mode");
    case Length:
        return QCoreApplication::translate("HistoryWindow", "Length");
    default:
        return {};
    }
}

void GameListModel::sort(int column, Qt::SortOrder order)
{
    sortColumn_ = column;
    sortOrder_ = order;
    if (!games_ || order_.empty())
        return;
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    const QModelIndexList before = persistentIndexList();
    std::vector<std::int64_t> ids;
    ids.reserve(static_cast<std::size_t>(before.size()));
    for (const QModelIndex& index : before)
        ids.push_back(gameId(index.row()));

    const auto& games = *games_;
    const bool descending = order == Qt::DescendingOrder;
    // Ties go by the game's number, oldest first either way.
    std::sort(order_.begin(), order_.end(), [&](std::uint32_t a, std::uint32_t b) {
        const std::int64_t ka = sortKey(games[a], column), kb = sortKey(games[b], column);
        if (ka != kb)
            return descending ? ka > kb : ka < kb;
        return games[a].id < games[b].id;
    });

    // The selection and the current row stay on the games they were on.
    if (!before.isEmpty()) {
        std::vector<int> rowOf(order_.size());
        for (std::size_t row = 0; row < order_.size(); ++row)
            rowOf[order_[row]] = static_cast<int>(row);
        QModelIndexList after;
        for (qsizetype i = 0; i < before.size(); ++i) {
            const std::int64_t id = ids[static_cast<std::size_t>(i)];
            const auto found = std::lower_bound(
                games.begin(), games.end(), id,
                [](const history::GameSummary& game, std::int64_t wanted) { return game.id < wanted; });
            const bool kept = found != games.end() && found->id == id;
            after << (kept ? index(rowOf[static_cast<std::size_t>(found - games.begin())], before[i].column())
                           : QModelIndex());
        }
        changePersistentIndexList(before, after);
    }
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

} // namespace vexel::qt
