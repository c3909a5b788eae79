// Full screen on a real X server of the size the test runs with: the
// window covers the screen, and the screen's own pixels show the board
// centred on black with every square one size and every line one width.
// Leaving full screen puts the window back where it was, frame and all,
// which only a window manager's frame shows.

#include "board_lines.h"
#include "qt/board_view.h"
#include "view/zoom.h"

#include <QScreen>
#include <QTest>

class FullScreenTest : public QObject {
    Q_OBJECT

private slots:
    void boardFillsTheScreenCrisply();
    void leavingFullScreenPutsTheFrameBack();
};

void FullScreenTest::boardFillsTheScreenCrisply()
{
    vexel::testsupport::ShownGame game;
    game.show();
    vexel::qt::GameWindow& window = game.window;
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    QTest::keyClick(window.windowHandle(), Qt::Key_F11);
    QScreen* screen = window.screen();
    const QRect whole = screen->geometry();
    QTRY_COMPARE(window.geometry(), whole);
    QTRY_COMPARE(window.board().size(), whole.size());
    QTest::qWait(300);
    const QImage shown = screen->grabWindow(0).toImage();
    const QRectF board = window.board().boardRect();
    qInfo("screen %dx%d: board %gx%g at (%g, %g)", whole.width(), whole.height(), board.width(),
          board.height(), board.x(), board.y());
    QCOMPARE(shown.size(), whole.size());
    for (const QPoint& corner : {QPoint(1, 1), QPoint(whole.width() - 2, whole.height() - 2)})
        QCOMPARE(shown.pixelColor(corner), QColor(Qt::black));
    QVERIFY(std::abs(board.center().x() - whole.width() / 2.0) <= 1);
    QVERIFY(std::abs(board.center().y() - whole.height() / 2.0) <= 1);
    const QString uneven = vexel::testsupport::unevenness(
        shown, board.topLeft(), vexel::view::fullScreenScale(whole.width(), whole.height()));
    QVERIFY2(uneven.isEmpty(), qPrintable(uneven));

    QTest::keyClick(window.windowHandle(), Qt::Key_Escape);
    QTRY_VERIFY(!window.isFullScreen());
    QTRY_COMPARE(window.board().size(), QSize(366, 366));
}

void FullScreenTest::leavingFullScreenPutsTheFrameBack()
{
    vexel::testsupport::ShownGame game;
    game.show();
    vexel::qt::GameWindow& window = game.window;
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    // A window manager frames the window a moment after it is shown.
    QTest::qWait(500);
    const QRect frame = window.frameGeometry();
    const QRect client = window.geometry();
    for (int round = 1; round <= 5; ++round) {
        QTest::keyClick(window.windowHandle(), Qt::Key_F11);
        QTRY_COMPARE(window.geometry(), window.screen()->geometry());
        QTest::keyClick(window.windowHandle(), Qt::Key_F11);
        QTRY_VERIFY(!window.isFullScreen());
        // Long enough for the window manager to be done moving it.
        QTest::qWait(500);
        QTRY_COMPARE(window.frameGeometry(), frame);
        QCOMPARE(window.geometry(), client);
    }
}

QTEST_MAIN(FullScreenTest)
#include "full_screen_test.moc"
