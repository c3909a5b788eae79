// The History window over a history kept in memory: its tables, list and
// chart in order, the pause on opening, Watch leaving the game alone, and
// Save Replay As….

#include "app/form1.h"
#include "player/caption.h"
#include "qt/game_window.h"
#include "qt/history/game_list_model.h"
#include "qt/history/history_window.h"
#include "qt/history/progress_chart.h"
#include "qt/history_menu.h"
#include "replay/replay_format.h"

#include "history_support.h"
#include "memory_history.h"
#include "memory_store.h"

#include <QAction>
#include <QApplication>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include <cstdlib>
#include <ctime>
#include <optional>
#include <sstream>

using vexel::history::GameRecord;
using vexel::qt::GameListModel;
using vexel::qt::GameWindow;
using vexel::qt::HistoryWindow;
using vexel::testsupport::MemoryHistory;

namespace {

// Two hours east of UTC, with no daylight saving, so that local dates are
// known exactly.
constexpr std::int64_t Noon = 1'700'049'600; // 2023-11-15 12:00 UTC

GameRecord game(int score, bool twoWay, std::int64_t minutes, std::string holder = {})
{
    GameRecord g;
    g.score = score;
    g.level = 1 + score / 10;
    g.twoWay = twoWay;
    g.ticks = static_cast<std::uint32_t>(50 * 60 * minutes);
    g.endedUtc = Noon + 60 * minutes;
    g.setRecord = !holder.empty();
    g.holder = std::move(holder);
    return g;
}

// Pixels of exactly this colour in the widget as it paints itself, below
// its first `skipRows` rows.
int pixelsOf(QWidget& widget, const QColor& colour, int skipRows = 0)
{
    const QImage image = widget.grab().toImage();
    int found = 0;
    for (int y = skipRows; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            found += image.pixelColor(x, y) == colour ? 1 : 0;
    }
    return found;
}

// A row's texts, or with `column` set, that column's texts down the table.
QStringList texts(const QTableWidget& table, int row, int column = -1)
{
    QStringList found;
    const int count = column < 0 ? table.columnCount() : table.rowCount();
    for (int i = 0; i < count; ++i) {
        const QTableWidgetItem* item = column < 0 ? table.item(row, i) : table.item(i, column);
        found << (item ? item->text() : QStringLiteral("-"));
    }
    return found;
}

// Answers every box and file dialog that comes up, noting what they said.
void answerDialogs(QTimer& timer, QStringList& said)
{
    QObject::connect(&timer, &QTimer::timeout, [&said] {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            said << box->text();
            box->accept();
        } else if (auto* files = qobject_cast<QFileDialog*>(modal)) {
            // Straight to the answer: the dialog's own accept waits for
            // the folder to be read.
            said << QStringLiteral("file dialog");
            static_cast<QDialog*>(files)->done(QDialog::Accepted);
        }
    });
    timer.start(20);
}

} // namespace

class HistoryWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void showsTopTensTotalsAndEveryGameInOrder();
    void openingPausesAndWatchLeavesTheGameAsItWas();
};

void HistoryWindowTest::initTestCase()
{
    qputenv("TZ", "XST-2");
    tzset();
}

void HistoryWindowTest::showsTopTensTotalsAndEveryGameInOrder()
{
    // Twelve four-way games, so that two fall out of the top ten; ties at
    // 12 and at 7; two two-way games; one record-setter with a name. Only
    // the first game has its replay text.
    MemoryHistory history;
    const int fourWay[] = {7, 12, 3, 12, 20, 1, 7, 9, 15, 2, 4, 8};
    for (int i = 0; i < 12; ++i)
        history.add(game(fourWay[i], false, i * 10, fourWay[i] == 20 ? "Zoë" : ""),
                    i == 0 ? "the game's text\n" : "");
    history.add(game(30, true, 200, "Ann"));
    history.add(game(5, true, 210));

    HistoryWindow window(history, {});
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.windowTitle(), QStringLiteral("Vexel History"));
    QCOMPARE(window.tabs()->currentIndex(), int(HistoryWindow::BestTab));

    // Rank, score, level, name, local date and time; of two equal scores
    // the earlier game ranks first.
    QCOMPARE(texts(*window.topTen(false), 0, 1),
             QStringList({"20", "15", "12", "12", "9", "8", "7", "7", "4", "3"}));
    QCOMPARE(texts(*window.topTen(false), 0), QStringList({"1", "20", "3", "Zoë", "2023-11-15 14:40"}));
    QCOMPARE(texts(*window.topTen(false), 2), QStringList({"3", "12", "2", "", "2023-11-15 14:10"}));
    QCOMPARE(texts(*window.topTen(false), 9), QStringList({"10", "3", "1", "", "2023-11-15 14:20"}));
    QCOMPARE(texts(*window.topTen(true), 0), QStringList({"1", "30", "4", "Ann", "2023-11-15 17:20"}));
    QCOMPARE(texts(*window.topTen(true), 1), QStringList({"2", "5", "1", "", "2023-11-15 17:30"}));
    QCOMPARE(texts(*window.totals(), 0), QStringList({"4-Way", "12", "20", "8.3"}));
    QCOMPARE(texts(*window.totals(), 1), QStringList({"2-Way", "2", "30", "17.5"}));
    QCOMPARE(texts(*window.totals(), 2), QStringList({"Both", "14", "30", "9.6"}));
    // 0 + 10 + ... + 110 minutes, then 200 and 210: 1070 minutes.
    QCOMPARE(window.timePlayed()->text(), QStringLiteral("Time played: 17:50:00"));

    // The buttons act on the top ten the player went to last, by its row
    // or by the focus alone.
    QCOMPARE(window.chosenGame(), qint64(0));
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    window.topTen(true)->setCurrentCell(1, 0);
    window.topTen(false)->setCurrentCell(0, 0);
    QCOMPARE(window.chosenGame(), qint64(5));
    window.topTen(true)->setFocus();
    QCOMPARE(window.chosenGame(), qint64(14));

    // Every game is read once, after the window has painted, and only then.
    QTRY_VERIFY(window.gamesLoaded());
    QCOMPARE(history.summaryReads, 1);
    window.tabs()->setCurrentIndex(HistoryWindow::ListTab);
    QCOMPARE(history.summaryReads, 1);
    const GameListModel& model = *window.listModel();
    QCOMPARE(model.rowCount(), 14);
    // Newest first to begin with, each column in the texts it shows.
    const auto shown = [&model](int row, int column) { return model.index(row, column).data().toString(); };
    QCOMPARE(QStringList({shown(0, GameListModel::Date), shown(0, GameListModel::Mode)}),
             QStringList({"2023-11-15 17:30", "2-Way"}));
    QCOMPARE(QStringList({shown(0, GameListModel::Length), shown(12, GameListModel::Length),
                          shown(13, GameListModel::Length)}),
             QStringList({"3:30:00", "10:00", "0:00"}));

    const struct {
        int column;
        Qt::SortOrder order;
        QList<qint64> firstIds;
    } sorts[] = {
        {GameListModel::Score, Qt::DescendingOrder, {13, 5, 9, 2, 4}}, // ties: earlier first
        {GameListModel::Score, Qt::AscendingOrder, {6, 10, 3, 11, 14}},
        {GameListModel::Mode, Qt::DescendingOrder, {13, 14, 1, 2, 3}},
        {GameListModel::Level, Qt::AscendingOrder, {1, 3, 6, 7, 8}},
        {GameListModel::Date, Qt::AscendingOrder, {1, 2, 3, 4, 5}},
    };
    for (const auto& [column, order, firstIds] : sorts) {
        window.gameList()->sortByColumn(column, order);
        QList<qint64> ids;
        for (int row = 0; row < firstIds.size(); ++row)
            ids << model.gameId(row);
        QCOMPARE(ids, firstIds);
    }
    // The chart draws each mode's line in its colour at any size, below
    // the legend; with no games it draws neither.
    vexel::qt::ProgressChart& chart = *window.chart();
    const int legend = chart.fontMetrics().height() * 2;
    for (const QSize size : {QSize(240, 160), QSize(1200, 800)}) {
        chart.resize(size);
        QVERIFY(pixelsOf(chart, vexel::qt::ProgressChart::FourWayColour, legend) > size.width() / 2);
        QVERIFY(pixelsOf(chart, vexel::qt::ProgressChart::TwoWayColour, legend) > 0);
    }
    chart.setGames(std::make_shared<const std::vector<vexel::history::GameSummary>>());
    QCOMPARE(pixelsOf(chart, vexel::qt::ProgressChart::FourWayColour), 0);

    // The chosen game stays chosen through a sort.
    window.gameList()->setCurrentIndex(model.index(3, 0));
    QCOMPARE(window.chosenGame(), qint64(4));
    window.gameList()->sortByColumn(GameListModel::Score, Qt::DescendingOrder);
    QCOMPARE(window.chosenGame(), qint64(4));
    QCOMPARE(window.gameList()->currentIndex().row(), 4);

    // A game lost while the window was open shows once the player comes
    // back to the window.
    history.add(game(25, false, 300));
    QWidget elsewhere;
    elsewhere.show();
    elsewhere.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&elsewhere));
    QCOMPARE(model.rowCount(), 14);
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QCOMPARE(model.rowCount(), 15);
    QCOMPARE(texts(*window.topTen(false), 0).mid(0, 2), QStringList({"1", "25"}));
    QCOMPARE(texts(*window.totals(), 2).mid(0, 2), QStringList({"Both", "15"}));

    // Save Replay As…, the home folder a scratch one.
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QByteArray home = qgetenv("HOME");
    qputenv("HOME", QFile::encodeName(folder.path()));
    const QString path = folder.filePath(QStringLiteral("game-1.vxr"));
    QTimer answer;
    QStringList said;
    answerDialogs(answer, said);
    // Game 2 has no replay: nothing to save, and no file dialog for it.
    // Game 1's is saved under the name suggested, in the home folder.
    window.saveReplayAs(2);
    QVERIFY(!QFile::exists(path));
    window.saveReplayAs(1);
    QCOMPARE(said.count(QStringLiteral("file dialog")), 1);
    QFile saved(path);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QCOMPARE(saved.readAll().toStdString(), history.replayText(1));
    qputenv("HOME", home);
}

void HistoryWindowTest::openingPausesAndWatchLeavesTheGameAsItWas()
{
    const std::string replayText = vexel::testsupport::playedReplay(3);
    QVERIFY(!replayText.empty());
    const auto replayed = vexel::replay::readReplay(replayText);
    QVERIFY(replayed.replay.has_value());
    MemoryHistory history;
    history.add(game(replayed.replay->end.score, false, 0), replayText);

    vexel::GameState state;
    vexel::DefaultRandom random(11);
    vexel::testsupport::MemoryStore records;
    std::ostringstream diagnostics;
    GameWindow window;
    vexel::Form1 form(state, window, random, records, diagnostics);
    window.attach(form, form.scene());
    QVERIFY(!window.historyAction()->isVisible());
    // The first opening finds the history unreadable; the later ones read it.
    int reopened = 0;
    vexel::qt::offerHistory(window, history, true, [&reopened]() -> std::optional<std::string> {
        if (++reopened == 1)
            return "/nowhere/history.sqlite is damaged.";
        return std::nullopt;
    });
    window.loadAndShow();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY(window.historyAction()->isVisible());

    // A running game pauses as History opens.
    QTest::keyClick(window.windowHandle(), Qt::Key_Return);
    QTRY_VERIFY(window.ticksDelivered() >= 5);
    QStringList said;
    QTimer answer;
    answerDialogs(answer, said);
    window.historyAction()->trigger();
    QVERIFY(!window.timerEnabled());
    QCOMPARE(window.caption(), vexel::caption::paused(state.score));
    QCOMPARE(said, QStringList({"The history cannot be shown.\n\n/nowhere/history.sqlite is damaged."}));
    QVERIFY(window.findChild<HistoryWindow*>() == nullptr);
    window.historyAction()->trigger();
    auto* shown = window.findChild<HistoryWindow*>();
    QVERIFY(shown != nullptr);
    QVERIFY(shown->isVisible());
    // Choosing History again brings back the same window.
    window.historyAction()->trigger();
    QCOMPARE(window.findChildren<HistoryWindow*>().size(), 1);
    QCOMPARE(reopened, 2);

    const unsigned long ticks = window.ticksDelivered();
    const std::string caption = window.caption();
    const int square = state.playerRow * 11 + state.playerCol;

    QPointer<GameWindow> watched;
    connect(shown, &HistoryWindow::watching,
            [&watched](QWidget* w) { watched = qobject_cast<GameWindow*>(w); });
    QTableWidget& top = *shown->topTen(false);
    top.setFocus();
    top.setCurrentCell(0, 1);
    QTest::keyClick(shown->windowHandle(), Qt::Key_Return);
    QVERIFY(!watched.isNull());
    QVERIFY(watched.data() != &window);
    QVERIFY(watched->isVisible());
    QVERIFY(watched->caption().ends_with(" (replay)"));

    // The replay plays to its end box, then its window goes by itself.
    QTRY_VERIFY_WITH_TIMEOUT(watched.isNull(), 30000);
    QCOMPARE(said.size(), 2);
    QVERIFY(said.last().contains(QStringLiteral("Final score: %1").arg(replayed.replay->end.score)));

    // The game is where it was, still paused, and still plays.
    QCOMPARE(window.ticksDelivered(), ticks);
    QCOMPARE(window.caption(), caption);
    QCOMPARE(state.playerRow * 11 + state.playerCol, square);
    QVERIFY(!window.timerEnabled());
    QVERIFY(window.isVisible());
    window.activateWindow();
    QTest::keyClick(window.windowHandle(), Qt::Key_Return);
    QVERIFY(window.timerEnabled());
}

QTEST_MAIN(HistoryWindowTest)
#include "history_window_test.moc"
