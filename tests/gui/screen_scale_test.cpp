// The real window on a real X server at the scale factor the test runs
// with (QT_SCALE_FACTOR), its board read back from the server's pixels:
// what a player sees, after Qt has placed the board below the menu bar and
// clipped and composed every paint.

#include "board/geometry.h"
#include "board_lines.h"
#include "qt/board_view.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTest>

#include <cmath>
#include <set>

namespace {

// Fill (white or the green player) or line (black) along one device row or
// column between the first and last fill it meets; anything else is '?'.
struct Crossing {
    std::vector<int> fills, lines;
    QString other;
};

Crossing cross(const QImage& image, QPoint from, QPoint step, int count)
{
    QString kinds;
    for (int i = 0; i < count; ++i) {
        const QRgb pixel = image.pixel(from + step * i) & 0xFFFFFFU;
        kinds += pixel == 0 ? u'B' : pixel == 0xFFFFFFU || pixel == 0x00FF00U ? u'F' : u'?';
    }
    const auto first = kinds.indexOf(u'F');
    const auto last = kinds.lastIndexOf(u'F');
    Crossing crossing;
    if (first < 0)
        return crossing;
    for (auto i = first; i <= last;) {
        auto j = i;
        while (j <= last && kinds[j] == kinds[i])
            ++j;
        const int length = static_cast<int>(j - i);
        if (kinds[i] == u'F')
            crossing.fills.push_back(length);
        else if (kinds[i] == u'B')
            crossing.lines.push_back(length);
        else
            crossing.other += QStringLiteral("%1 pixels at %2; ").arg(length).arg(i);
        i = j;
    }
    return crossing;
}

} // namespace

class ScreenScaleTest : public QObject {
    Q_OBJECT

private slots:
    void squaresAndLinesOnTheScreenAreEven();
};

void ScreenScaleTest::squaresAndLinesOnTheScreenAreEven()
{
    vexel::testsupport::ShownGame game;
    game.show();
    vexel::qt::GameWindow& window = game.window;
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTRY_VERIFY_WITH_TIMEOUT(window.board().paintCount() > 0, 5000);
    QTest::qWait(200);

    const qreal ratio = window.devicePixelRatioF();
    const QByteArray wanted = qgetenv("QT_SCALE_FACTOR");
    QVERIFY2(!wanted.isEmpty(), "run with QT_SCALE_FACTOR set");
    QCOMPARE(ratio, wanted.toDouble());
    const QImage screen = window.screen()->grabWindow(window.winId()).toImage();
    QVERIFY(!screen.isNull());

    // Across the middle of every row of squares and down the middle of
    // every column, from the board's first client pixel to its last.
    const QPoint board = window.board().mapTo(&window, QPoint(0, 0));
    const auto device = [ratio](qreal client) { return static_cast<int>(std::floor(client * ratio)); };
    const int from = vexel::board::Origin;
    const int span = device(vexel::board::SquareSize + vexel::board::Pitch * (vexel::board::Size - 1));
    std::set<int> fills, lines;
    for (int k = 0; k < vexel::board::Size; ++k) {
        const qreal middle = vexel::board::Origin + vexel::board::Pitch * k + 12;
        for (const bool across : {true, false}) {
            const QPoint start = across ? QPoint(device(board.x() + from), device(board.y() + middle))
                                        : QPoint(device(board.x() + middle), device(board.y() + from));
            const Crossing crossing = cross(screen, start, across ? QPoint(1, 0) : QPoint(0, 1), span);
            const QString where = QStringLiteral("%1 %2").arg(across ? "row" : "column").arg(k);
            QVERIFY2(crossing.other.isEmpty(), qPrintable(where + ": " + crossing.other));
            QVERIFY2(crossing.fills.size() == std::size_t{11} && crossing.lines.size() == std::size_t{10},
                     qPrintable(where));
            fills.insert(crossing.fills.begin(), crossing.fills.end());
            lines.insert(crossing.lines.begin(), crossing.lines.end());
        }
    }
    const auto list = [](const std::set<int>& values) {
        QStringList parts;
        for (const int value : values)
            parts << QString::number(value);
        return parts.join(u',');
    };
    qInfo("at %g: fills of %s, lines of %s device pixels", ratio, qPrintable(list(fills)),
          qPrintable(list(lines)));
    QCOMPARE(fills.size(), std::size_t{1});
    QCOMPARE(lines.size(), std::size_t{1});
    QCOMPARE(*fills.begin() + *lines.begin(), qRound(vexel::board::Pitch * ratio));
}

QTEST_MAIN(ScreenScaleTest)
#include "screen_scale_test.moc"
