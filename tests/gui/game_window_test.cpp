// The real window, driven through the window system the way a player
// drives it: keys go to the QWindow, menus are triggered, dialogs are
// answered by a timer since they run their own event loops.

#include "app/form1.h"
#include "app/game_state.h"
#include "player/caption.h"
#include "scores/score_file.h"
#include "ui/qt/board_view.h"
#include "ui/qt/game_window.h"
#include "ui/random_source.h"

#include "dialog_answerer.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

#include <fstream>
#include <sstream>

using vexel::MenuItem;
using vexel::qt::GameWindow;
using vexel::test::DialogAnswerer;

namespace {

const QColor Black(0, 0, 0);
const QColor White(255, 255, 255);
const QColor Green(0, 255, 0);
const QColor Yellow(255, 255, 0);

// One game in a window of its own, with its records in a fresh folder.
struct Game {
    QTemporaryDir folder;
    vexel::GameState state;
    vexel::DefaultRandom random;
    vexel::scores::ScoreFile scoreFile{folder.filePath(QStringLiteral("vexel.ini")).toStdString()};
    std::ostringstream diagnostics;
    GameWindow window;
    vexel::Form1 form{state, window, random, scoreFile, diagnostics};

    Game()
    {
        window.attach(form, form.scene());
        window.loadAndShow();
    }

    QImage board() { return window.board().grab().toImage(); }
    QColor pixel(int x, int y) { return board().pixelColor(x, y); }
    void key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(window.windowHandle(), key, modifiers);
    }
};

// Puts pool bullet 1 one step left of the player's square, flying right,
// so that the next tick finds it on the green square.
void aimBulletAtPlayer(vexel::Form1& form)
{
    vexel::ShapeObject& bullet = form.scene().Bullet(1);
    bullet.Visible = true;
    bullet.Tag = "1";
    bullet.Left = 170 - 3;
    bullet.Top = 170;
}

} // namespace

class GameWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void startupShowsTheBoardAndMenus();
    void arrowsMoveAndEnterSwitchesTheTimer();
    void altAloneLeavesTheArrowsToTheGame();
    void menusToggleTheirMarksOnce();
    void nothingIsDeliveredWhileADialogIsOpen();
    void lostGameReloadsInPlace();
    void newRecordAsksForTheName();
    void repaintsOnlyWhatChanged();
};

void GameWindowTest::initTestCase()
{
    // Fusion is one of the styles whose menu bar takes the keyboard on a
    // lone Alt.
    QApplication::setStyle(QStringLiteral("Fusion"));
}

void GameWindowTest::startupShowsTheBoardAndMenus()
{
    Game game;
    QVERIFY(QTest::qWaitForWindowExposed(&game.window));
    GameWindow& w = game.window;

    QCOMPARE(w.windowTitle(), QStringLiteral("Vexel: Paused (press Enter to play) with 0 points"));
    QCOMPARE(w.board().size(), QSize(366, 366));
    QCOMPARE(w.clientWidth(), 366);
    QCOMPARE(w.clientHeight(), 366);
    QVERIFY(!w.timerEnabled());
    QCOMPARE(w.frameTimer().interval(), 20);
    QCOMPARE(w.frameTimer().timerType(), Qt::PreciseTimer);

    const QList<QAction*> bar = w.menuBar()->actions();
    QCOMPARE(bar.size(), 2);
    QCOMPARE(bar[0]->text(), QStringLiteral("Options"));
    QVERIFY(bar[0]->menu() != nullptr);
    QCOMPARE(bar[1], w.highScoresAction());
    QCOMPARE(bar[1]->text(), QStringLiteral("High Scores"));
    QVERIFY(bar[1]->menu() == nullptr);
    const QList<QAction*> options = bar[0]->menu()->actions();
    const QStringList labels = {QStringLiteral("Show Bad Squares?"), QStringLiteral("Show Level?"),
                                QStringLiteral("2-Way?")};
    QCOMPARE(options.size(), labels.size());
    for (int i = 0; i < options.size(); ++i) {
        QCOMPARE(options[i]->text(), labels[i]);
        QVERIFY(options[i]->isCheckable());
        QVERIFY(!options[i]->isChecked());
        QVERIFY(options[i]->isEnabled());
    }

    const QImage image = game.board();
    QCOMPARE(image.size(), QSize(366, 366));
    QCOMPARE(image.pixelColor(10, 10), Black);    // top-left corner: guards only
    QCOMPARE(image.pixelColor(355, 360), Black);  // bottom-right corner
    QCOMPARE(image.pixelColor(62, 25), Yellow);   // top gun 0
    QCOMPARE(image.pixelColor(25, 62), Yellow);   // left gun 11
    QCOMPARE(image.pixelColor(340, 302), Yellow); // right gun 43
    QCOMPARE(image.pixelColor(100, 100), White);
    // The player's square covers 170..194 with its outline on the edges.
    for (int x : {171, 182, 193})
        QCOMPARE(image.pixelColor(x, 182), Green);
    for (int edge : {170, 194}) {
        QCOMPARE(image.pixelColor(edge, 182), Black);
        QCOMPARE(image.pixelColor(182, edge), Black);
    }
    QCOMPARE(image.pixelColor(169, 182), White);
    QCOMPARE(image.pixelColor(195, 182), White);
}

void GameWindowTest::arrowsMoveAndEnterSwitchesTheTimer()
{
    Game game;
    QVERIFY(QTest::qWaitForWindowExposed(&game.window));

    game.key(Qt::Key_Right);
    QCOMPARE(game.state.playerCol, 6);
    QCOMPARE(game.pixel(200, 180), Green);
    QCOMPARE(game.pixel(180, 180), White);
    // Shift does not change what an arrow does; Down moves a row.
    game.key(Qt::Key_Down, Qt::ShiftModifier);
    QCOMPARE(game.state.playerRow, 6);
    QCOMPARE(game.pixel(200, 204), Green);

    game.key(Qt::Key_Return);
    QCOMPARE(game.window.windowTitle(), QStringLiteral("Vexel: 0 points"));
    QVERIFY(game.window.timerEnabled());
    QTRY_VERIFY_WITH_TIMEOUT(game.window.ticksDelivered() >= 3, 2000);

    // The keypad's Enter pauses just as well.
    game.key(Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(game.window.windowTitle(), QStringLiteral("Vexel: Paused (press Enter to play) with 0 points"));
    QVERIFY(!game.window.timerEnabled());
    const unsigned long ticks = game.window.ticksDelivered();
    QTest::qWait(100);
    QCOMPARE(game.window.ticksDelivered(), ticks);
}

void GameWindowTest::altAloneLeavesTheArrowsToTheGame()
{
    Game game;
    game.window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&game.window));
    QWindow* handle = game.window.windowHandle();

    for (int round = 0; round < 2; ++round) {
        QTest::keyPress(handle, Qt::Key_Alt, Qt::AltModifier);
        QTest::keyRelease(handle, Qt::Key_Alt, Qt::AltModifier);
        QVERIFY(!game.window.menuBar()->hasFocus());
        QVERIFY(game.window.menuBar()->activeAction() == nullptr);
        game.key(Qt::Key_Left);
    }
    QCOMPARE(game.state.playerCol, 3);
    QCOMPARE(game.pixel(134, 182), Green);
}

void GameWindowTest::menusToggleTheirMarksOnce()
{
    Game game;
    QAction* level = game.window.menuAction(MenuItem::ShowLevel);
    QAction* twoWay = game.window.menuAction(MenuItem::TwoWay);

    level->trigger();
    QVERIFY(level->isChecked());
    QCOMPARE(game.state.showLevel, std::optional<bool>(true));
    level->trigger();
    QVERIFY(!level->isChecked());
    QCOMPARE(game.state.showLevel, std::optional<bool>(false));

    twoWay->trigger();
    QVERIFY(twoWay->isChecked());
    QCOMPARE(game.state.twoWay, std::int16_t{-1});
    // The top and bottom guns disappear at once, the side guns stay.
    QCOMPARE(game.pixel(62, 25), Black);
    QCOMPARE(game.pixel(25, 62), Yellow);
}

void GameWindowTest::nothingIsDeliveredWhileADialogIsOpen()
{
    Game game;
    QVERIFY(QTest::qWaitForWindowExposed(&game.window));
    game.key(Qt::Key_Return);
    QTRY_VERIFY_WITH_TIMEOUT(game.window.ticksDelivered() >= 2, 2000);

    DialogAnswerer answerer(game.window, {}, 150);
    bool busyInside = false;
    answerer.whileOpen = [&] {
        busyInside = game.window.busy();
        // A menu choice made now must be dropped like the ticks.
        game.window.menuAction(MenuItem::ShowBadSquares)->trigger();
    };
    game.window.highScoresAction()->trigger();

    QCOMPARE(answerer.seen().size(), std::size_t{1});
    const DialogAnswerer::Seen& box = answerer.seen().front();
    QCOMPARE(box.title, QStringLiteral("Vexel High Scores"));
    QCOMPARE(box.text, QStringLiteral("The high scores are:\n\n4-Way: 0000 by ZUVO \n2-Way: 0000 by ZUVO "));
    QCOMPARE(box.icon, QMessageBox::Information);
    QVERIFY(busyInside);
    QCOMPARE(box.ticksWhenAnswered, box.ticksWhenSeen);
    // The timer went on firing behind the dialog; the window dropped it.
    QVERIFY2(
        box.droppedWhenAnswered >= box.droppedWhenSeen + 3,
        qPrintable(QStringLiteral("dropped %1 -> %2").arg(box.droppedWhenSeen).arg(box.droppedWhenAnswered)));
    QVERIFY(!game.window.checked(MenuItem::ShowBadSquares));
    QVERIFY(!game.state.showBadSquares.has_value());

    // Once the dialog is gone the game runs on.
    QTRY_VERIFY_WITH_TIMEOUT(game.window.ticksDelivered() > box.ticksWhenAnswered, 2000);
    QVERIFY(!game.window.busy());
}

void GameWindowTest::lostGameReloadsInPlace()
{
    Game game;
    QVERIFY(QTest::qWaitForWindowExposed(&game.window));
    game.window.move(40, 30);
    QCoreApplication::processEvents();
    const QPoint placed = game.window.pos();
    const QSize size = game.window.size();

    game.window.menuAction(MenuItem::ShowLevel)->trigger();
    game.key(Qt::Key_Up);
    aimBulletAtPlayer(game.form);
    game.form.scene().Bullet(1).Top = 146; // the square above the centre
    DialogAnswerer answerer(game.window);
    game.key(Qt::Key_Return);
    QTRY_VERIFY_WITH_TIMEOUT(game.form.loads() == 2, 2000);

    QCOMPARE(answerer.seen().size(), std::size_t{1});
    QCOMPARE(answerer.seen().front().text, QStringLiteral("You lost!"));
    QCOMPARE(answerer.seen().front().title, QStringLiteral("Vexel"));
    QCOMPARE(answerer.seen().front().icon, QMessageBox::NoIcon);

    QCOMPARE(game.window.pos(), placed);
    QCOMPARE(game.window.size(), size);
    QVERIFY(game.window.isVisible());
    QCOMPARE(game.window.windowTitle(), QString::fromLatin1(vexel::caption::Startup));
    QVERIFY(!game.window.timerEnabled());
    // The option outlived the reload, and so did its check mark.
    QVERIFY(game.window.checked(MenuItem::ShowLevel));
    QVERIFY(!game.window.checked(MenuItem::TwoWay));
    QCOMPARE(game.state.playerRow, 5);
    QCOMPARE(game.pixel(182, 182), Green);
    QCOMPARE(game.pixel(182, 158), White);
}

void GameWindowTest::newRecordAsksForTheName()
{
    Game game;
    QVERIFY(QTest::qWaitForWindowExposed(&game.window));
    game.state.score = 7;
    aimBulletAtPlayer(game.form);
    DialogAnswerer answerer(game.window, QStringLiteral("Zoë<b>xyz"));
    game.key(Qt::Key_Return);
    QTRY_VERIFY_WITH_TIMEOUT(game.form.loads() == 2, 2000);

    QCOMPARE(answerer.seen().size(), std::size_t{2});
    QVERIFY(answerer.seen()[0].input);
    QCOMPARE(answerer.seen()[0].title, QStringLiteral("Vexel"));
    QCOMPARE(answerer.seen()[0].text,
             QStringLiteral("You lost, but you have set a new high score! What is your name?"));
    // The typed name comes back as UTF-8 and is shown as plain text.
    QCOMPARE(answerer.seen()[1].text,
             QStringLiteral("The high scores are:\n\n4-Way: 0007 by Zoë<b\n2-Way: 0000 by ZUVO "));

    std::ifstream file(game.scoreFile.path(), std::ios::binary);
    const std::string content((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    QCOMPARE(QString::fromStdString(content), QStringLiteral("\"00000007ZUVO Zoë<b\"\r\n"));
}

void GameWindowTest::repaintsOnlyWhatChanged()
{
    Game game;
    QVERIFY(QTest::qWaitForWindowExposed(&game.window));
    vexel::qt::BoardView& board = game.window.board();
    QCOMPARE(board.lastRequestedArea(), std::uint64_t{366 * 366});

    // Squares 60 and 61, each widened by a pixel: x 169..219, y 169..195.
    game.key(Qt::Key_Right);
    QCOMPARE(board.lastRequestedArea(), std::uint64_t{51 * 27});
    // A key that moves nothing repaints nothing, though the game wrote
    // the square twice.
    game.key(Qt::Key_Space);
    QCOMPARE(board.lastRequestedArea(), std::uint64_t{0});

    // What reaches the screen after a stretch of partial repaints is the
    // whole picture: the screen copy equals a fresh rendering.
    game.window.menuAction(MenuItem::ShowBadSquares)->trigger();
    const std::uint64_t before = board.requestedArea();
    game.key(Qt::Key_Return);
    QTRY_VERIFY_WITH_TIMEOUT(game.window.ticksDelivered() >= 150, 5000);
    game.key(Qt::Key_Return);
    QCoreApplication::processEvents();
    const std::uint64_t perTick = (board.requestedArea() - before) / game.window.ticksDelivered();
    QVERIFY2(perTick < 366 * 366 / 10, qPrintable(QStringLiteral("%1 pixels per tick").arg(perTick)));
    const QPoint origin = board.mapTo(&game.window, QPoint(0, 0));
    QTRY_COMPARE(game.window.screen()
                     ->grabWindow(game.window.winId(), origin.x(), origin.y(), 366, 366)
                     .toImage()
                     .convertToFormat(QImage::Format_RGB32),
                 board.grab().toImage().convertToFormat(QImage::Format_RGB32));
}

QTEST_MAIN(GameWindowTest)
#include "game_window_test.moc"
