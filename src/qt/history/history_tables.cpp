// The History window's first tab: the top ten of each mode and the totals.

#include "history/history_texts.h"
#include "qt/history/history_text.h"
#include "qt/history/history_window.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QTableWidget>
#include <QVBoxLayout>

namespace vexel::qt {

namespace {

QTableWidget* readOnlyTable(const QStringList& headers, int rows, QWidget* parent)
{
    auto* table = new QTableWidget(rows, static_cast<int>(headers.size()), parent);
    table->setHorizontalHeaderLabels(headers);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->verticalHeader()->hide();
    table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table->horizontalHeader()->setStretchLastSection(true);
    return table;
}

// Tall enough for the given rows without a scroll bar.
void fitRows(QTableWidget& table, int rows)
{
    table.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table.setFixedHeight(table.horizontalHeader()->sizeHint().height() +
                         rows * table.verticalHeader()->defaultSectionSize() + table.frameWidth() * 2);
}

QTableWidgetItem* cell(const QString& text, bool number)
{
    auto* item = new QTableWidgetItem(text);
    item->setTextAlignment(Qt::AlignVCenter | (number ? Qt::AlignRight : Qt::AlignLeft));
    return item;
}

// With the decimal sign of the player's language: "8.3", "8,3".
QString average(double value)
{
    return QLocale().toString(value, 'f', 1);
}

} // namespace

QWidget* HistoryWindow::buildBestTab()
{
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    auto* tops = new QHBoxLayout;
    for (const bool twoWay : {false, true}) {
        auto* box = new QGroupBox(
            QCoreApplication::translate("HistoryWindow", "Top Ten, %1").arg(modeName(twoWay)), page);
        auto* boxLayout = new QVBoxLayout(box);
        QTableWidget* table = readOnlyTable({QCoreApplication::translate("HistoryWindow", "Rank"),
                                             QCoreApplication::translate("HistoryWindow", "Score"),
                                             QCoreApplication::translate("HistoryWindow", "Level"),
                                             QCoreApplication::translate("HistoryWindow", "Name"),
                                             QCoreApplication::translate("HistoryWindow", "Date")},
                                            0, box);
        table->setObjectName(twoWay ? QStringLiteral("topTen2Way") : QStringLiteral("topTen4Way"));
        fitRows(*table, 10);
        boxLayout->addWidget(table);
        tops->addWidget(box);
        (twoWay ? topTwoWay_ : topFourWay_) = table;
        fillTopTen(*table, twoWay);
    }
    layout->addLayout(tops);

    auto* totalsBox = new QGroupBox(QCoreApplication::translate("HistoryWindow", "Totals"), page);
    auto* totalsLayout = new QVBoxLayout(totalsBox);
    totals_ = readOnlyTable({QCoreApplication::translate("HistoryWindow", "Mode"),
                             QCoreApplication::translate("HistoryWindow", "Games Played"),
                             QCoreApplication::translate("HistoryWindow", "Best Score"),
                             QCoreApplication::translate("HistoryWindow", "Average Score")},
                            3, totalsBox);
    totals_->setSelectionMode(QAbstractItemView::NoSelection);
    totals_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    fitRows(*totals_, 3);
    totals_->setFocusPolicy(Qt::NoFocus);
    timePlayed_ = new QLabel(totalsBox);
    totalsLayout->addWidget(totals_);
    totalsLayout->addWidget(timePlayed_);
    layout->addWidget(totalsBox);
    layout->addStretch();
    fillTotals();
    return page;
}

void HistoryWindow::fillTopTen(QTableWidget& table, bool twoWay)
{
    const std::vector<history::GameRecord> games = source_.topTen(twoWay);
    table.setRowCount(static_cast<int>(games.size()));
    int row = 0;
    for (const history::GameRecord& game : games) {
        QTableWidgetItem* rank = cell(QString::number(row + 1), true);
        rank->setData(Qt::UserRole, QVariant::fromValue<qint64>(game.id));
        table.setItem(row, 0, rank);
        table.setItem(row, 1, cell(QString::number(game.score), true));
        table.setItem(row, 2, cell(QString::number(game.level), true));
        // A name only where the game set a record: only then was one asked for.
        table.setItem(row, 3, cell(game.setRecord ? QString::fromStdString(game.holder) : QString(), false));
        table.setItem(row, 4, cell(localDateTime(game.endedUtc), false));
        ++row;
    }
}

void HistoryWindow::fillTotals()
{
    const history::Totals totals = source_.totals();
    shownGames_ = totals.games;
    const history::ModeTotals& four = totals.fourWay;
    const history::ModeTotals& two = totals.twoWay;
    const std::int64_t both = four.games + two.games;
    const double overall = both == 0 ? 0.0
                                     : (four.average * static_cast<double>(four.games) +
                                        two.average * static_cast<double>(two.games)) /
                                           static_cast<double>(both);
    const struct {
        QString mode;
        std::int64_t games;
        int best;
        double average;
    } rows[] = {
        {modeName(false), four.games, four.best, four.average},
        {modeName(true), two.games, two.best, two.average},
        {QCoreApplication::translate("HistoryWindow", "Both"), totals.games, std::max(four.best, two.best),
         overall},
    };
    int row = 0;
    for (const auto& [mode, games, best, mean] : rows) {
        totals_->setItem(row, 0, cell(mode, false));
        totals_->setItem(row, 1, cell(QString::number(games), true));
        // A mode never played has no best and no average to speak of.
        totals_->setItem(row, 2, cell(games == 0 ? QString() : QString::number(best), true));
        totals_->setItem(row, 3, cell(games == 0 ? QString() : average(mean), true));
        ++row;
    }
    timePlayed_->setText(QCoreApplication::translate("HistoryWindow", "Time played: %1")
                             .arg(QString::fromStdString(history::text::playingTime(totals.ticks))));
}

} // namespace vexel::qt
