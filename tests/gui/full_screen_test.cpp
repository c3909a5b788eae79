// Full screen on a real X server of the size the test runs with: the
// window covers the screen, and the screen's own pixels show the board
// centred on black with every square one size and every line one width.

#include "board_lines.h"
#include "qt/board_view.h"
#include "view/zoom.h"

#include <QScreen>
#include <QTest>

class FullScreenTest : public QObject {
    Q_OBJECT

private slots:
    void boardFillsTheScreenCrisply();
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

QTEST_MAIN(FullScreenTest)
#include "full_screen_test.moc"
