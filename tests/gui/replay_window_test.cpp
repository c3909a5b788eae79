// Watching a replay in the real window: the recorded captions with
// " (replay)", the viewer's keys and menus kept from the game, Enter
// pausing the replay, and the end box; and the box that stands in for a
// replay that cannot be watched.

#include "app/form1.h"
#include "headless/headless_host.h"
#include "qt/game_window.h"
#include "qt/replay_window.h"
#include "replay/recorder.h"
#include "replay/replay_files.h"

#include "memory_store.h"

#include <QAction>
#include <QApplication>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>

#include <fstream>

#include <sstream>

using vexel::MenuItem;
using vexel::qt::GameWindow;

class ReplayWindowTest : public QObject {
    Q_OBJECT

private slots:
    void showsTheRecordedGameAndEndsWithItsBox();
    void aReplayThatCannotBeReadIsToldInABox();
};

void ReplayWindowTest::showsTheRecordedGameAndEndsWithItsBox()
{
    // A short game with the real generator: an option, a shifted key while
    // paused, a pause with a move in it, and a record with a name.
    vexel::GameState state;
    vexel::HeadlessHost host;
    vexel::DefaultRandom random(3);
    vexel::testsupport::MemoryStore records;
    std::ostringstream diagnostics;
    vexel::Form1 form(state, host, random, records, diagnostics);
    std::optional<vexel::replay::Replay> recorded;
    QStringList captions;
    vexel::replay::Recorder recorder(
        random,
        [&](const vexel::replay::Replay& game, bool) {
            recorded = game;
            for (const std::string& caption : host.captions()) {
                if (captions.isEmpty() || captions.back() != QString::fromStdString(caption))
                    captions << QString::fromStdString(caption);
            }
        },
        diagnostics);
    host.attach(form);
    form.record(recorder);
    host.show();
    host.clickMenu(MenuItem::ShowLevel);
    host.pressKey(vexel::keys::Left, 1);
    host.pressKey(vexel::keys::Enter);
    host.queueAnswer("Zoë");
    for (int tick = 1; !recorded && tick < 5000; ++tick) {
        if (tick == 100) {
            host.pressKey(vexel::keys::Enter);
            host.pressKey(vexel::keys::Up);
            host.pressKey(vexel::keys::Enter);
        }
        host.tick();
    }
    QVERIFY(recorded.has_value());
    QVERIFY(!recorded->name.empty());
    QVERIFY(captions.size() > 4);

    GameWindow window;
    QStringList titles;
    connect(&window, &QWidget::windowTitleChanged, [&titles](const QString& title) {
        if (titles.isEmpty() || titles.back() != title)
            titles << title;
    });
    // Once the replay runs, the viewer presses keys and picks menus; none
    // of it may reach the game. Then Enter stops the replay for a while.
    QString endTitle, endText;
    int boxes = 0;
    unsigned long ticksWhenPaused = 0, ticksAfterPause = 0;
    QTimer viewer;
    int step = 0;
    connect(&viewer, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            ++boxes;
            endTitle = box->windowTitle();
            endText = box->text();
            box->accept();
            return;
        }
        if (step == 0 && window.ticksDelivered() >= 20) {
            for (Qt::Key key : {Qt::Key_Left, Qt::Key_Down, Qt::Key_Space, Qt::Key_A})
                QTest::keyClick(window.windowHandle(), key);
            window.menuAction(MenuItem::TwoWay)->trigger();
            window.menuAction(MenuItem::ShowLevel)->trigger();
            window.highScoresAction()->trigger();
            QTest::keyClick(window.windowHandle(), Qt::Key_Return);
            ticksWhenPaused = window.ticksDelivered();
            step = 1;
        } else if (step >= 1 && step < 30) {
            ++step; // 150 ms paused
        } else if (step == 30) {
            ticksAfterPause = window.ticksDelivered();
            QTest::keyClick(window.windowHandle(), Qt::Key_Enter, Qt::KeypadModifier);
            step = 31;
        }
    });
    viewer.start(5);
    QCOMPARE(vexel::qt::watchReplay(window, *recorded), 0);

    QCOMPARE(step, 31);
    QCOMPARE(ticksAfterPause, ticksWhenPaused);
    QCOMPARE(boxes, 1); // the end box; High Scores opened nothing
    QCOMPARE(window.ticksDelivered(), static_cast<unsigned long>(recorded->end.ticks));
    QCOMPARE(endTitle, QStringLiteral("Vexel Replay"));
    QCOMPARE(endText, QStringLiteral("The replay is over.\n\nFinal score: %1 %2.")
                          .arg(recorded->end.score)
                          .arg(recorded->end.score == 1 ? "point" : "points"));
    QStringList expected;
    for (const QString& caption : captions)
        expected << caption + QStringLiteral(" (replay)");
    QCOMPARE(titles, expected);
    // The marks are the recorded game's, whatever the viewer clicked.
    QCOMPARE(window.checked(MenuItem::ShowLevel), vexel::isOn(state.showLevel));
    QVERIFY(!window.checked(MenuItem::TwoWay));
}

void ReplayWindowTest::aReplayThatCannotBeReadIsToldInABox()
{
    // Nothing kept yet in the replays folder, and a file that is no replay.
    QTemporaryDir data;
    const std::string folder = data.filePath(QStringLiteral("replays")).toStdString();
    const std::string damaged = data.filePath(QStringLiteral("notes.txt")).toStdString();
    std::ofstream(damaged) << "not a replay\n";
    const std::pair<std::string, std::string> cases[] = {
        {"last", "No game has been played yet, so there is no last game to watch."},
        {"best-4way", "No 4-way record has been set yet, so there is no record game to watch."},
        {"best-2way", "No 2-way record has been set yet, so there is no record game to watch."},
        {damaged,
         "This replay cannot be watched.\n\nFile: " + damaged + "\nReason: line 1: not a Vexel replay"},
    };
    for (const auto& [name, expected] : cases) {
        const std::string path = vexel::replay::replayPath(name, folder);
        const auto told = vexel::replay::unwatchable(name, path, vexel::replay::loadReplayFile(path));
        QString seen;
        QTimer::singleShot(50, [&seen] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                seen = box->windowTitle() + ": " + box->text();
                box->accept();
            }
        });
        QCOMPARE(vexel::qt::tellUnwatchable(told.text, told.nothingYet), vexel::replay::VerifyUnreadable);
        QCOMPARE(seen, QString::fromStdString("Vexel Replay: " + expected));
    }
}

QTEST_MAIN(ReplayWindowTest)
#include "replay_window_test.moc"
