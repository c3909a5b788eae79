// The View menu in the real window on the offscreen platform, its screen
// as large as the test's configuration file makes it: every zoom step the
// screen allows and full screen, the window's geometry and the board's
// pixels read back, with every key still reaching the game first.

#include "board_lines.h"
#include "qt/board_view.h"
#include "qt/view_controls.h"
#include "view/zoom.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QTest>

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
        game.keyDown(keys.emplace_back(keyCode, shift).first, shift);
    }
    void timer() override { game.timer(); }
    void menu(vexel::MenuItem item) override { game.menu(item); }
    void highScoresMenu() override { game.highScoresMenu(); }
};

struct Game : vexel::testsupport::ShownGame {
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
        show(events);
    }
    void key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(window.windowHandle(), key, modifiers);
    }
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
    const std::size_t presses = vexel::view::ZoomSteps.size() + 1;
    for (std::size_t i = 0; i < presses; ++i) {
        const int before = w.board().zoom();
        game.key(zoomIn[i % std::size(zoomIn)].first, zoomIn[i % std::size(zoomIn)].second);
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
    QVERIFY(!w.view().action(Item::ZoomIn)->isEnabled());

    // Down one step, then back to the actual size, which is today's board.
    game.key(Qt::Key_Minus, Qt::ControlModifier);
    QCOMPARE(w.board().zoom(), vexel::view::zoomedOut(limit));
    game.key(Qt::Key_0, Qt::ControlModifier);
    QCOMPARE(w.board().grab().toImage(), actual);

    // Full screen: the board at the largest crisp size, centred on black,
    // the menu bar gone until F10 brings it with the Options menu. Going
    // in and out neither pauses a running game nor resumes a paused one;
    // the Options menu pauses it, as it always does.
    const QRect screen = w.screen()->geometry();
    const QSize pixels = screen.size() * ratio;
    game.key(Qt::Key_Return);
    for (const Qt::Key leave : {Qt::Key_F11, Qt::Key_Escape}) {
        game.key(Qt::Key_F11);
        QTRY_COMPARE(w.geometry(), screen);
        QVERIFY(w.isFullScreen() && w.timerEnabled());
        QVERIFY(w.view().action(Item::FullScreen)->isChecked());
        QVERIFY(!w.menuBar()->isVisible());
        const QRectF board = w.board().boardRect();
        QVERIFY(std::abs(board.center().x() - screen.width() / 2.0) <= 1);
        QVERIFY(std::abs(board.center().y() - screen.height() / 2.0) <= 1);
        const QImage shown = w.grab().toImage();
        for (const QPoint& edge : {QPoint(2, 2), QPoint(pixels.width() - 3, pixels.height() / 2)})
            QCOMPARE(shown.pixelColor(edge), QColor(Qt::black));
        const QString uneven = unevenness(shown, board.topLeft() * ratio,
                                          vexel::view::fullScreenScale(pixels.width(), pixels.height()));
        QVERIFY2(uneven.isEmpty(), qPrintable(uneven));

        game.key(Qt::Key_F10);
        QCOMPARE(QApplication::activePopupWidget(), w.optionsMenu());
        QVERIFY(w.menuBar()->isVisible());
        QTest::keyClick(w.optionsMenu()->windowHandle(), Qt::Key_Escape);
        QTRY_VERIFY(!w.menuBar()->isVisible());
        QCOMPARE(w.board().boardRect(), board); // the board never moved

        QVERIFY(!w.timerEnabled());
        game.key(leave);
        QTRY_COMPARE(w.size(), QSize(366, 366 + menuBar));
        QVERIFY(!w.isFullScreen() && w.menuBar()->isVisible() && !w.timerEnabled());
        game.key(Qt::Key_Return);
    }

    // Every key went to the game first, modifiers on their own as well:
    // the zoom keys, Enter, and each round's F11, F10, Escape to the menu,
    // the key that left and Enter. The game moved nothing for them.
    auto& keys = game.events.keys;
    std::erase_if(keys, [](const auto& key) { return key.first >= 16 && key.first <= 18; });
    QCOMPARE(keys.size(), presses + 2 + 1 + 2 * 5);
    QCOMPARE(std::make_pair(game.state.playerRow, game.state.playerCol), std::make_pair(5, 5));
    QCOMPARE(keys.front(), std::make_pair(187, 2));
    QCOMPARE(keys[keys.size() - 2], std::make_pair(27, 0));
    QCOMPARE(keys.back(), std::make_pair(13, 0));
}

void ViewWindowTest::colourSafeSignalsMarkAndRepaintAtAZoom()
{
    Game game;
    GameWindow& w = game.window;
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    vexel::qt::BoardView& board = w.board();
    const QImage plain = board.grab().toImage();
    // What assistive technology reads: the board's name and description.
    QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(&board);
    QVERIFY(reader != nullptr);
    const auto described = [reader] { return reader->text(QAccessible::Description); };
    QCOMPARE(reader->text(QAccessible::Name), QStringLiteral("Vexel board"));
    QCOMPARE(described(), QStringLiteral("Score 0, level 1, paused. Your square is in row 6, column 6."));

    // The player's square keeps its outline and carries a block in the
    // middle; off again, the board is as it was, pixel for pixel.
    QAction* colourSafe = w.view().action(Item::ColourSafe);
    colourSafe->trigger();
    const QImage marked = board.grab().toImage();
    const auto device = [&](int client) { return static_cast<int>(client * marked.devicePixelRatio()); };
    QCOMPARE(marked.pixelColor(device(182), device(182)), QColor(Qt::black));
    QCOMPARE(marked.pixelColor(device(173), device(173)), QColor(0, 255, 0));
    colourSafe->trigger();
    QCOMPARE(board.grab().toImage(), plain);

    // At 175 %, with bad squares, the screen built from partial repaints
    // matches a fresh rendering of the whole board.
    colourSafe->trigger();
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
    // The offscreen platform keeps its screen at one pixel per logical
    // pixel whatever ratio it reports; the X server tests cover the others.
    if (board.devicePixelRatioF() == 1)
        QTRY_COMPARE(w.screen()->grabWindow(w.winId()).toImage().copy(
                         QRect(board.mapTo(&w, QPoint(0, 0)), board.size())),
                     board.grab().toImage());
}

void ViewWindowTest::settingsComeBackAndAFailedSaveIsToldOnce()
{
    QTemporaryDir folder;
    const std::string path = folder.filePath(QStringLiteral("vexel/vexel.conf")).toStdString();
    std::ostringstream told;
    // The first run finds nothing and keeps every change; the next starts
    // where it left off. Then a settings folder that is a file: the game
    // plays on at the defaults and says once that it cannot keep changes.
    const struct {
        std::string where;
        bool comesBack;
    } runs[] = {{path, false}, {path, true}, {path + "/vexel.conf", false}};
    for (const auto& [where, comesBack] : runs) {
        QVERIFY(told.str().empty());
        Game game;
        game.window.view().rememberIn(where, told);
        QCOMPARE(game.window.board().zoom(), comesBack ? 125 : 100);
        QCOMPARE(game.window.board().colourSafe(), comesBack);
        QCOMPARE(game.window.view().action(Item::ColourSafe)->isChecked(), comesBack);
        // Sound is on until switched off.
        QCOMPARE(game.window.view().action(Item::Sound)->isChecked(), !comesBack);
        QCOMPARE(game.window.view().settings().sound, !comesBack);
        if (comesBack)
            continue;
        game.key(Qt::Key_Equal, Qt::ControlModifier);
        QCOMPARE(game.window.board().zoom(), 125);
        game.window.view().action(Item::ColourSafe)->trigger();
        game.window.view().action(Item::Sound)->trigger();
    }
    const QString lines = QString::fromStdString(told.str());
    QCOMPARE(lines.count(u'\n'), 1);
    QVERIFY2(lines.startsWith(QStringLiteral("vexel: cannot keep the view settings in ")), qPrintable(lines));
}

QTEST_MAIN(ViewWindowTest)
#include "view_window_test.moc"
