#include "qt/history/history_window.h"

#include "qt/history/game_list_model.h"
#include "qt/history/progress_chart.h"
#include "replay/replay_format.h"
#include "scores/atomic_file.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QMessageBox>
#include <QPushButton>
#include <QShortcut>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

#include <string>
#include <utility>

namespace vexel::qt {

HistoryWindow::HistoryWindow(const history::HistorySource& source, OpenReplay openReplay, QWidget* parent)
    : QWidget(parent, Qt::Window), source_(source), openReplay_(std::move(openReplay))
{
    setWindowTitle(QCoreApplication::translate("HistoryWindow", "Vexel History"));
    auto* layout = new QVBoxLayout(this);
    tabs_ = new QTabWidget(this);
    layout->addWidget(tabs_);

    tabs_->addTab(buildBestTab(), QCoreApplication::translate("HistoryWindow", "Best Games"));
    chart_ = new ProgressChart(this);
    tabs_->addTab(chart_, QCoreApplication::translate("HistoryWindow", "Progress"));

    model_ = new GameListModel(this);
    list_ = new QTableView(this);
    list_->setModel(model_);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    list_->verticalHeader()->hide();
    // Every row as high as the font's line: the view then never measures a
    // row, however many there are.
    list_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    list_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    list_->horizontalHeader()->setSortIndicator(GameListModel::Date, Qt::DescendingOrder);
    list_->setSortingEnabled(true);
    tabs_->addTab(list_, QCoreApplication::translate("HistoryWindow", "All Games"));

    auto* buttons = new QHBoxLayout;
    watch_ = new QPushButton(QCoreApplication::translate("HistoryWindow", "Watch"), this);
    save_ = new QPushButton(QCoreApplication::translate("HistoryWindow", "Save Replay As…"), this);
    auto* close = new QPushButton(QCoreApplication::translate("HistoryWindow", "Close"), this);
    buttons->addWidget(watch_);
    buttons->addWidget(save_);
    buttons->addStretch();
    buttons->addWidget(close);
    layout->addLayout(buttons);
    connect(watch_, &QPushButton::clicked, this, [this] { watch(chosenGame()); });
    connect(save_, &QPushButton::clicked, this, [this] { saveReplayAs(chosenGame()); });
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    new QShortcut(QKeySequence(Qt::Key_Escape), this, this, &QWidget::close);

    // Enter or a double click on a game watches it. Of the two top tens,
    // the one the player last went to is the one the buttons act on.
    for (QAbstractItemView* view :
         {static_cast<QAbstractItemView*>(topFourWay_), static_cast<QAbstractItemView*>(topTwoWay_),
          static_cast<QAbstractItemView*>(list_)}) {
        const auto chose = [this, view] {
            if (view != list_)
                lastTopTen_ = static_cast<QTableWidget*>(view);
            chosenChanged();
        };
        connect(view, &QAbstractItemView::activated, this, [this, chose] {
            chose();
            watch(chosenGame());
        });
        connect(view->selectionModel(), &QItemSelectionModel::currentChanged, this, chose);
        connect(qApp, &QApplication::focusChanged, view, [view, chose](QWidget*, QWidget* now) {
            if (now == view)
                chose();
        });
    }
    connect(tabs_, &QTabWidget::currentChanged, this, [this](int tab) {
        if (tab != BestTab)
            loadGames();
        chosenChanged();
    });
    chosenChanged();
    resize(sizeHint().expandedTo(QSize(720, 480)));
}

void HistoryWindow::paintEvent(QPaintEvent* event)
{
    QWidget::paintEvent(event);
    if (painted_)
        return;
    painted_ = true;
    // After this frame is on the screen.
    QTimer::singleShot(0, this, &HistoryWindow::loadGames);
}

void HistoryWindow::loadGames()
{
    if (loaded_)
        return;
    loaded_ = true;
    const auto games = std::make_shared<const std::vector<history::GameSummary>>(source_.summaries());
    model_->setGames(games);
    chart_->setGames(games);
    list_->resizeColumnsToContents();
}

void HistoryWindow::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    // The player comes back, perhaps from a game played meanwhile.
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        refresh();
}

void HistoryWindow::refresh()
{
    if (source_.totals().games == shownGames_)
        return;
    fillTopTen(*topFourWay_, false);
    fillTopTen(*topTwoWay_, true);
    fillTotals();
    if (loaded_) {
        loaded_ = false;
        loadGames();
    }
    chosenChanged();
}

std::int64_t HistoryWindow::chosenGame() const
{
    switch (tabs_->currentIndex()) {
    case BestTab:
        if (lastTopTen_ != nullptr && lastTopTen_->currentRow() >= 0) {
            if (const QTableWidgetItem* rank = lastTopTen_->item(lastTopTen_->currentRow(), 0))
                return rank->data(Qt::UserRole).toLongLong();
        }
        return 0;
    case ListTab:
        return model_->gameId(list_->currentIndex().row());
    default:
        return 0;
    }
}

void HistoryWindow::chosenChanged()
{
    const bool chosen = chosenGame() != 0;
    watch_->setEnabled(chosen);
    save_->setEnabled(chosen);
}

void HistoryWindow::warn(const QString& text)
{
    QMessageBox box(QMessageBox::Warning, windowTitle(), text, QMessageBox::Ok, this);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

void HistoryWindow::watch(std::int64_t id)
{
    // A window made without a way to watch (a test's, a benchmark's) has
    // nothing to open.
    if (id == 0 || !openReplay_)
        return;
    const replay::ReadResult read = replay::readReplay(source_.replayText(id));
    if (!read.replay) {
        warn(QCoreApplication::translate("HistoryWindow", "Game %1 cannot be watched: %2")
                 .arg(id)
                 .arg(QString::fromStdString(read.error)));
        return;
    }
    // Carried by the game's window, so that it stays when this one closes.
    QWidget& owner = parentWidget() != nullptr ? *parentWidget() : *this;
    emit watching(openReplay_(*read.replay, owner));
}

void HistoryWindow::saveReplayAs(std::int64_t id)
{
    if (id == 0)
        return;
    const std::string text = source_.replayText(id);
    if (text.empty()) {
        warn(QCoreApplication::translate("HistoryWindow", "Game %1 has no replay to save.").arg(id));
        return;
    }
    const QString path =
        QFileDialog::getSaveFileName(this, QCoreApplication::translate("HistoryWindow", "Save Replay As"),
                                     QDir::home().filePath(QStringLiteral("game-%1.vxr").arg(id)),
                                     QCoreApplication::translate("HistoryWindow", "Vexel replays (*.vxr)"));
    if (path.isEmpty())
        return;
    if (const auto failure = scores::replaceFile(QFile::encodeName(path).toStdString(), text))
        warn(QCoreApplication::translate("HistoryWindow", "The replay could not be saved to %1: %2")
                 .arg(path, QString::fromStdString(scores::describe(*failure))));
}

} // namespace vexel::qt
