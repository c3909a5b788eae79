// The View menu in the real window on the offscreen platform, its screen
// as large as the test's configuration file makes it: every zoom step the
// screen allows and full screen, the window's geometry and the board's
// pixels read back, with every key still reaching the game first.

#include "app/form1.h"
#include "board/geometry.h"
#include "board_lines.h"
#include "qt/board_view.h"
#include "qt/game_window.h"
#include "qt/view_controls.h"
#include "scores/score_file.h"
#include "view/zoom.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

#include <sstream>

using vexel::qt::GameWindow;
using vexel::testsupport::unevenness;
using Item = vexel::qt::ViewControls::Item;

namespace {

// Hands the game every notification, noting the keys on the way.
struct KeyNotingEvents final : vexel::FormEvents {
    vexel::FormEvents& game;
    std::vector<std::pair<int, int>> keys;
    explicit KeyNotingEvents(vexel::FormEvents& events) : game(events) {}
    void load() override { game.load(); }
    void keyDown(int keyCode, int shift) override
    {
        keys.emplace_back(keyCode, shift);
        game.keyDown(keyCode, shift);
    }
    void timer() override { game.timer(); }
    void menu(vexel::MenuItem item) override { game.menu(item); }
    void highScoresMenu() override { game.highScoresMenu(); }
};

struct Game {
    QTemporaryDir folder;
    vexel::GameState state;
    vexel::DefaultRandom random;
    vexel::scores::ScoreFile scoreFile{folder.filePath(QStringLiteral("vexel.ini")).toStdString()};
    std::ostringstream diagnostics;
    GameWindow window;
    vexel::Form1 form{state, window, random, scoreFile, diagnostics};
    KeyNotingEvents events{form};
    // A game lost on the way ends in dialogs; whatever opens is accepted.
    QTimer answer;

    Game()
    {
        QObject::connect(&answer, &QTimer::timeout, [] {
            if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
                dialog->accept();
        });
        answer.start(50);
        window.attach(events, form.scene());
        window.describe(state);
        window.loadAndShow();
    }
    void key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(window.windowHandle(), key, modifiers);
    }
    QImage screen() { return window.screen()->grabWindow(window.winId()).toImage(); }
};

} // namespace

class ViewWindowTest : public QObject {
    Q_OBJECT

private slots:
    void zoomStepsAndFullScreenKeepTheBoardCrisp();
    void colourSafeSignalsMarkAndRepaintAtAZoom();
    void settingsComeBackAndAFailedSaveIsToldOnce();
};

void ViewWindowTest::zoomStepsAndFullScreenKeepTheBoardCrisp()
{
    Game game;
    GameWindow& w = game.window;
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    const QImage actual = w.board().grab().toImage();
    const QRect available = w.screen()->availableGeometry();
    const int menuBar = w.menuBar()->height();
    // Device pixels per logical pixel, as the screen's configuration says.
    const qreal ratio = w.devicePixelRatioF();
    const int limit =
        vexel::view::largestFittingStep(available.width(), available.height(), 0, menuBar, ratio);
    qInfo("screen %dx%d at %g, largest step %d %%", available.width(), available.height(), ratio, limit);

    // Up through the steps by each of the keys, and once more past the top.
    const std::pair<Qt::Key, Qt::KeyboardModifiers> zoomIn[] = {
        {Qt::Key_Equal, Qt::ControlModifier},
        {Qt::Key_Plus, Qt::ControlModifier | Qt::ShiftModifier},
        {Qt::Key_Plus, Qt::ControlModifier | Qt::KeypadModifier},
    };
    std::size_t keysSent = 0;
    for (std::size_t i = 0; i <= vexel::view::ZoomSteps.size(); ++i) {
        const int before = w.board().zoom();
        const auto [key, modifiers] = zoomIn[i % std::size(zoomIn)];
        game.key(key, modifiers);
        ++keysSent;
        const int step = w.board().zoom();
        QCOMPARE(step, std::min(vexel::view::zoomedIn(before), limit));
        const int extent = vexel::view::windowedExtent(step, ratio);
        QCOMPARE(w.board().size(), QSize(extent, extent));
        QTRY_COMPARE(w.size(), QSize(extent, extent + menuBar));
        QVERIFY(available.contains(w.frameGeometry()));
        const QString uneven =
            unevenness(w.board().grab().toImage(), {}, vexel::view::crispScale(step / 100.0 * ratio));
        QVERIFY2(uneven.isEmpty(), qPrintable(QStringLiteral("at %1 %: %2").arg(step).arg(uneven)));
    }
    QCOMPARE(w.board().zoom(), limit);
    QVERIFY(!w.view().action(Item::ZoomIn)->isEnabled());

    // Down one step, then back to the actual size, which is today's board.
    game.key(Qt::Key_Minus, Qt::ControlModifier);
    QCOMPARE(w.board().zoom(), vexel::view::zoomedOut(limit));
    game.key(Qt::Key_0, Qt::ControlModifier);
    keysSent += 2;
    QCOMPARE(w.board().size(), QSize(366, 366));
    QCOMPARE(w.board().grab().toImage(), actual);

    // Full screen: the board at the largest crisp size, centred on black,
    // the menu bar gone until F10 brings it with the Options menu. Going
    // in and out neither pauses a running game nor resumes a paused one;
    // the Options menu pauses it, as it always does.
    const QRect screen = w.screen()->geometry();
    game.key(Qt::Key_Return);
    ++keysSent;
    for (const Qt::Key leave : {Qt::Key_F11, Qt::Key_Escape}) {
        QVERIFY(w.timerEnabled());
        game.key(Qt::Key_F11);
        QTRY_VERIFY(w.isFullScreen());
        QVERIFY(w.timerEnabled());
        QTRY_COMPARE(w.geometry(), screen);
        QVERIFY(w.view().action(Item::FullScreen)->isChecked());
        QVERIFY(!w.menuBar()->isVisible());
        const QSize pixels = screen.size() * ratio;
        const double scale = vexel::view::fullScreenScale(pixels.width(), pixels.height());
        const QRectF board = w.board().boardRect();
        QCOMPARE(board.size(), QSizeF(366, 366) * scale / ratio);
        QVERIFY(std::abs(board.center().x() - screen.width() / 2.0) <= 1);
        QVERIFY(std::abs(board.center().y() - screen.height() / 2.0) <= 1);
        const QImage shown = w.grab().toImage();
        QCOMPARE(shown.pixelColor(2, 2), QColor(Qt::black));
        QCOMPARE(shown.pixelColor(pixels.width() - 3, pixels.height() / 2), QColor(Qt::black));
        const QString uneven = unevenness(shown, board.topLeft() * ratio, scale);
        QVERIFY2(uneven.isEmpty(), qPrintable(uneven));

        game.key(Qt::Key_F10);
        QVERIFY(w.menuBar()->isVisible());
        QCOMPARE(QApplication::activePopupWidget(), w.optionsMenu());
        QTest::keyClick(w.optionsMenu()->windowHandle(), Qt::Key_Escape);
        QTRY_VERIFY(!w.menuBar()->isVisible());
        QCOMPARE(w.board().boardRect(), board); // the board never moved

        QVERIFY(!w.timerEnabled());
        game.key(leave);
        QTRY_VERIFY(!w.isFullScreen());
        QTRY_COMPARE(w.size(), QSize(366, 366 + menuBar));
        QVERIFY(w.menuBar()->isVisible());
        QVERIFY(!w.timerEnabled());
        game.key(Qt::Key_Return);
        // F11, F10, the key that left and Enter; the Options menu paused
        // the game as Enter pauses it.
        keysSent += 5;
    }

    // Every key went to the game first, modifiers on their own as well;
    // the game moved nothing for them.
    std::erase_if(game.events.keys, [](const auto& key) { return key.first >= 16 && key.first <= 18; });
    QCOMPARE(game.events.keys.size(), keysSent);
    QCOMPARE(std::make_pair(game.state.playerRow, game.state.playerCol), std::make_pair(5, 5));
    QCOMPARE(game.events.keys.front(), std::make_pair(187, 2));
    QCOMPARE(game.events.keys.back(), std::make_pair(13, 0));
    QCOMPARE(game.events.keys[game.events.keys.size() - 2], std::make_pair(27, 0));
}

void ViewWindowTest::colourSafeSignalsMarkAndRepaintAtAZoom()
{
    Game game;
    GameWindow& w = game.window;
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    vexel::qt::BoardView& board = w.board();
    const QImage plain = board.grab().toImage();
    // What assistive technology reads: the board's name and description,
    // and the names of the View menu's items.
    QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(&board);
    QVERIFY(reader != nullptr);
    const auto described = [reader] { return reader->text(QAccessible::Description); };
    QCOMPARE(reader->text(QAccessible::Name), QStringLiteral("Vexel board"));
    QCOMPARE(described(), QStringLiteral("Score 0, level 1, paused. Your square is in row 6, column 6."));
    QStringList items;
    QAccessibleInterface* menu = QAccessible::queryAccessibleInterface(w.view().menu());
    for (int i = 0; menu != nullptr && i < menu->childCount(); ++i)
        items << menu->child(i)->text(QAccessible::Name);
    items.removeAll(QString());
    QCOMPARE(items,
             QStringList({"Zoom In", "Zoom Out", "Actual Size", "Full Screen", "Colour-Safe Signals"}));

    // The player's square keeps its outline and carries a block in the
    // middle; off again, the board is as it was, pixel for pixel.
    w.view().action(Item::ColourSafe)->trigger();
    const QImage marked = board.grab().toImage();
    const auto device = [&](int client) { return static_cast<int>(client * marked.devicePixelRatio()); };
    QCOMPARE(marked.pixelColor(device(182), device(182)), QColor(Qt::black));
    QCOMPARE(marked.pixelColor(device(173), device(173)), QColor(0, 255, 0));
    w.view().action(Item::ColourSafe)->trigger();
    QCOMPARE(board.grab().toImage(), plain);

    // At 175 %, with bad squares, the screen built from partial repaints
    // matches a fresh rendering of the whole board.
    w.view().action(Item::ColourSafe)->trigger();
    for (int i = 0; i < 3; ++i)
        w.view().action(Item::ZoomIn)->trigger();
    QCOMPARE(board.zoom(), 175);
    w.menuAction(vexel::MenuItem::ShowBadSquares)->trigger();
    game.key(Qt::Key_Up);
    QVERIFY(described().contains(QStringLiteral("row 5, column 6")));
    game.key(Qt::Key_Down);
    game.key(Qt::Key_Return);
    QVERIFY(described().contains(QStringLiteral("running")));
    QTRY_VERIFY_WITH_TIMEOUT(w.ticksDelivered() >= 150, 5000);
    game.key(Qt::Key_Return);
    QCOMPARE(game.form.loads(), 1UL); // partial repaints all along, no lost game
    const QPoint origin = board.mapTo(&w, QPoint(0, 0));
    // The offscreen platform keeps its screen at one pixel per logical
    // pixel whatever ratio it reports; the X server tests cover the others.
    if (board.devicePixelRatioF() == 1)
        QTRY_COMPARE(game.screen().copy(QRect(origin, board.size())), board.grab().toImage());
}

void ViewWindowTest::settingsComeBackAndAFailedSaveIsToldOnce()
{
    QTemporaryDir folder;
    const std::string path = folder.filePath(QStringLiteral("vexel/vexel.conf")).toStdString();
    std::ostringstream told;
    {
        // The first run finds nothing and keeps every change.
        Game game;
        game.window.view().rememberIn(path, told);
        QCOMPARE(game.window.board().zoom(), 100);
        game.key(Qt::Key_Equal, Qt::ControlModifier);
        game.window.view().action(Item::ColourSafe)->trigger();
    }
    {
        // The next starts where the first left off.
        Game game;
        game.window.view().rememberIn(path, told);
        QCOMPARE(game.window.board().zoom(), 125);
        QVERIFY(game.window.view().action(Item::ColourSafe)->isChecked());
        QVERIFY(game.window.board().colourSafe());
    }
    QVERIFY(told.str().empty());
    {
        // A settings folder that is a file: the game plays on at the
        // defaults and says once that it cannot keep the changes.
        const std::string blocked =
            folder.filePath(QStringLiteral("vexel/vexel.conf/vexel.conf")).toStdString();
        Game game;
        game.window.view().rememberIn(blocked, told);
        QCOMPARE(game.window.board().zoom(), 100);
        game.key(Qt::Key_Equal, Qt::ControlModifier);
        game.key(Qt::Key_Minus, Qt::ControlModifier);
        QCOMPARE(game.window.board().zoom(), 100);
    }
    const QString lines = QString::fromStdString(told.str());
    QCOMPARE(lines.count(u'\n'), 1);
    QVERIFY2(lines.startsWith(QStringLiteral("vexel: cannot keep the view settings in ")), qPrintable(lines));
}

QTEST_MAIN(ViewWindowTest)
#include "view_window_test.moc"
