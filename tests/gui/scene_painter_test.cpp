// The painter on its own: a scene painted into an image and its pixels read.

#include "app/window_definition.h"
#include "board/builders.h"
#include "board/geometry.h"
#include "qt/repaint_tracker.h"
#include "qt/scene_painter.h"
#include "ui/scene.h"

#include <QPainter>
#include <QTest>

#include <cmath>
#include <vector>

using vexel::ShapeKind;

namespace {

const QColor Black(0, 0, 0), White(255, 255, 255);

// The board as start-up builds it, without a window or a game around it.
vexel::Scene startupScene()
{
    vexel::Scene scene;
    vexel::window::defineTemplates(scene);
    vexel::board::loadGrid(scene);
    vexel::board::loadBullet(scene);
    vexel::board::loadGuard(scene, vexel::window::ClientWidth, vexel::window::ClientHeight);
    vexel::board::loadGun(scene, 0);
    return scene;
}

// Paints a scene on magenta, which no shape of the game uses. An offset
// puts the client area where a window puts it below its menu bar, which
// at a fractional ratio may start part-way into a device pixel.
QImage paint(const vexel::Scene& scene, qreal dpr = 1, QPoint offset = {})
{
    QImage image(QSize(366 + offset.x(), 366 + offset.y()) * dpr, QImage::Format_RGB32);
    image.setDevicePixelRatio(dpr);
    image.fill(Qt::magenta);
    QPainter onImage(&image);
    onImage.translate(offset);
    vexel::qt::paintScene(onImage, scene);
    return image;
}

// A run of equal pixels along one row or column of device pixels.
struct Run {
    QRgb color;
    int start;
    int end;
};

std::vector<Run> runs(const QImage& image, int at, int from, int to, Qt::Orientation along)
{
    std::vector<Run> found;
    for (int i = from; i < to; ++i) {
        const QRgb pixel = along == Qt::Horizontal ? image.pixel(i, at) : image.pixel(at, i);
        if (found.empty() || found.back().color != pixel)
            found.push_back({pixel, i, i + 1});
        else
            found.back().end = i + 1;
    }
    return found;
}

// Runs written as "W34 B2 W34 ...", white and black by their initials.
QString describe(const std::vector<std::pair<QChar, int>>& runs)
{
    QStringList parts;
    for (const auto& [kind, length] : runs)
        parts << kind + QString::number(length);
    return parts.join(u' ');
}

QChar initial(QRgb pixel)
{
    return pixel == Black.rgb() ? u'B' : pixel == White.rgb() ? u'W' : u'?';
}

// 11 fills of `fill` pixels with lines of `line` pixels between them.
QString evenBoard(int fill, int line)
{
    std::vector<std::pair<QChar, int>> runs;
    for (int i = 0; i < vexel::board::Size; ++i) {
        if (i > 0)
            runs.emplace_back(u'B', line);
        runs.emplace_back(u'W', fill);
    }
    return describe(runs);
}

// The white fills met along one device row or column, start and end.
std::vector<std::pair<int, int>> fills(const QImage& image, int at, Qt::Orientation along)
{
    std::vector<std::pair<int, int>> spans;
    const int length = along == Qt::Horizontal ? image.width() : image.height();
    for (const Run& run : runs(image, at, 0, length, along)) {
        if (run.color == White.rgb())
            spans.emplace_back(run.start, run.end);
    }
    return spans;
}

// The device pixel in which a client coordinate lies.
struct Placement {
    qreal ratio;
    QPoint offset;
    int x(qreal client) const { return static_cast<int>(std::floor((client + offset.x()) * ratio)); }
    int y(qreal client) const { return static_cast<int>(std::floor((client + offset.y()) * ratio)); }
    // The device pixels Qt gives a widget of the client area's size: its
    // edges are rounded to the nearest device pixel edge.
    QRect client() const
    {
        const QPointF topLeft = QPointF(offset) * ratio;
        const QPointF bottomRight = QPointF(offset + QPoint(366, 366)) * ratio;
        return QRect(topLeft.toPoint(), bottomRight.toPoint() - QPoint(1, 1));
    }
};

// The middle of the board's middle square, in client pixels.
constexpr qreal Middle = vexel::board::Origin + 5 * vexel::board::Pitch + 12;

void addRatios()
{
    QTest::addColumn<qreal>("ratio");
    QTest::addColumn<QPoint>("offset");
    for (const qreal ratio : {1.0, 1.25, 1.5, 1.75, 2.0}) {
        QTest::newRow(qPrintable(QString::number(ratio))) << ratio << QPoint();
        QTest::newRow(qPrintable(QStringLiteral("%1 below a menu bar").arg(ratio))) << ratio << QPoint(0, 19);
    }
}

} // namespace

class ScenePainterTest : public QObject {
    Q_OBJECT

private slots:
    void boardIsCrispAtEveryScale();
    void curvesStayInsideTheirBoxes();
    void squaresAndLinesAreEvenAtEveryRatio_data() { addRatios(); }
    void squaresAndLinesAreEvenAtEveryRatio();
    void gunsAndBulletsLineUpWithTheSquares_data() { addRatios(); }
    void gunsAndBulletsLineUpWithTheSquares();
    void partialRepaintsMatchWholeFrames_data();
    void partialRepaintsMatchWholeFrames();
};

void ScenePainterTest::boardIsCrispAtEveryScale()
{
    const vexel::Scene scene = startupScene();
    // Rectangles land on whole pixels: at twice the scale the outline that
    // squares 0 and 1 share at x = 74 is two device pixels, the fills flat.
    const QImage twice = paint(scene, 2);
    for (int x = 147; x <= 150; ++x)
        QCOMPARE(twice.pixelColor(x, 120), x == 148 || x == 149 ? Black : White);
    // A painter that keeps its curves at one scale must not stamp them at
    // another, whichever comes first.
    for (const qreal first : {1.0, 2.0}) {
        vexel::qt::ScenePainter painter;
        for (const qreal dpr : {first, 3.0 - first, first}) {
            QImage image(QSize(366, 366) * dpr, QImage::Format_RGB32);
            image.setDevicePixelRatio(dpr);
            QPainter onImage(&image);
            painter.paint(onImage, scene, QRect(0, 0, 366, 366));
            onImage.end();
            QCOMPARE(image, paint(scene, dpr));
        }
    }
}

void ScenePainterTest::curvesStayInsideTheirBoxes()
{
    const std::pair<vexel::ShapeObject, QRect> cases[] = {
        // The shape, and where it lies within its box.
        {{ShapeKind::Oval, 10, 20, 24, 50, true, vexel::rgb(255, 128, 128), {}}, QRect(10, 20, 24, 50)},
        {{ShapeKind::Circle, 40, 40, 25, 25, true, vexel::rgb(255, 128, 128), {}}, QRect(40, 40, 25, 25)},
        // The largest circle centred in a wide box.
        {{ShapeKind::Circle, 100, 200, 60, 20, true, vexel::rgb(255, 128, 128), {}}, QRect(120, 200, 20, 20)},
    };
    for (const auto& [shape, drawn] : cases) {
        vexel::Scene scene;
        scene.defineTemplate(vexel::Scene::Collection::Grid, shape);
        const QImage image = paint(scene);
        QRect bounds;
        for (int y = 0; y < 366; ++y) {
            for (int x = 0; x < 366; ++x)
                bounds |= image.pixelColor(x, y) != White ? QRect(x, y, 1, 1) : QRect();
        }
        QCOMPARE(bounds, drawn);
        QCOMPARE(image.pixelColor(drawn.center()), QColor(255, 128, 128));
        // The outline reaches the middle of each side of the drawn box.
        for (const QPoint& p :
             {QPoint(drawn.center().x(), drawn.top()), QPoint(drawn.center().x(), drawn.bottom()),
              QPoint(drawn.left(), drawn.center().y()), QPoint(drawn.right(), drawn.center().y())})
            QVERIFY2(qGray(image.pixel(p)) < 100,
                     qPrintable(QStringLiteral("(%1, %2)").arg(p.x()).arg(p.y())));
    }
}

void ScenePainterTest::squaresAndLinesAreEvenAtEveryRatio()
{
    QFETCH(qreal, ratio);
    QFETCH(QPoint, offset);
    const Placement at{ratio, offset};
    const QImage image = paint(startupScene(), ratio, offset);
    // Where the fills begin and end, across the middle of the board: in
    // between, the board's fills and inner lines show.
    const std::vector<std::pair<int, int>> columns = fills(image, at.y(Middle), Qt::Horizontal);
    const std::vector<std::pair<int, int>> rows = fills(image, at.x(Middle), Qt::Vertical);
    QVERIFY(columns.size() >= 2 && rows.size() >= 2);
    const QRect inside(QPoint(columns.front().first, rows.front().first),
                       QPoint(columns.back().second - 1, rows.back().second - 1));

    // Every device row is either all line or crosses the same fills and
    // lines as every other; the rows themselves form the same pattern.
    QString rowPattern;
    std::vector<std::pair<QChar, int>> bands;
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        std::vector<std::pair<QChar, int>> row;
        for (const Run& run : runs(image, y, inside.left(), inside.right() + 1, Qt::Horizontal))
            row.emplace_back(initial(run.color), run.end - run.start);
        const QChar band = row.size() == 1 && row.front().first == u'B' ? u'B' : u'W';
        if (band == u'W') {
            const QString pattern = describe(row);
            if (rowPattern.isEmpty())
                rowPattern = pattern;
            QVERIFY2(pattern == rowPattern, qPrintable(QStringLiteral("row %1: %2, row %3: %4")
                                                           .arg(y)
                                                           .arg(pattern)
                                                           .arg(inside.top())
                                                           .arg(rowPattern)));
        }
        if (!bands.empty() && bands.back().first == band)
            ++bands.back().second;
        else
            bands.emplace_back(band, 1);
    }
    const int fill = columns[0].second - columns[0].first;
    const int line = columns[1].first - columns[0].second;
    QCOMPARE(rowPattern, evenBoard(fill, line));
    QCOMPARE(describe(bands), evenBoard(fill, line));
    // The squares keep the scaled pitch, and the outline is one client
    // pixel, rounded to whole device pixels.
    QCOMPARE(fill + line, qRound(vexel::board::Pitch * ratio));
    QVERIFY2(std::abs(line - ratio) <= 0.5, qPrintable(QString::number(line)));

    // Around the board the guards and guns cover the client area up to its
    // last device pixel: neither background nor unpainted pixels show.
    const QRect client = at.client();
    for (int y = client.top(); y <= client.bottom(); ++y) {
        for (int x = client.left(); x <= client.right(); ++x) {
            if (inside.contains(x, y))
                continue;
            const QColor pixel = image.pixelColor(x, y);
            QVERIFY2(pixel != White && pixel != QColor(Qt::magenta),
                     qPrintable(QStringLiteral("(%1, %2) is %3").arg(x).arg(y).arg(pixel.name())));
        }
    }
}

void ScenePainterTest::gunsAndBulletsLineUpWithTheSquares()
{
    QFETCH(qreal, ratio);
    QFETCH(QPoint, offset);
    const Placement at{ratio, offset};
    using vexel::board::FarGunEdge;
    vexel::Scene scene = startupScene();
    const QImage board = paint(scene, ratio, offset);
    // Each square's fill, in device pixels, and the line width: measured
    // across the middle of the board.
    const std::vector<std::pair<int, int>> columns = fills(board, at.y(Middle), Qt::Horizontal);
    const std::vector<std::pair<int, int>> rows = fills(board, at.x(Middle), Qt::Vertical);
    QCOMPARE(columns.size(), std::size_t{11});
    QCOMPARE(rows.size(), std::size_t{11});
    const int line = columns[1].first - columns[0].second;

    // A gun spans its square from the square's near outline to the next
    // square's, as its 24 pixels do on a pitch of 24: the yellow across the
    // middle of a gun is as far from one as from the other.
    const QRgb yellow = qRgb(255, 255, 0);
    const struct {
        qreal across;
        Qt::Orientation along;
        const std::vector<std::pair<int, int>>& squares;
    } sides[] = {{25, Qt::Horizontal, columns},
                 {25, Qt::Vertical, rows},
                 {FarGunEdge + 25, Qt::Horizontal, columns},
                 {FarGunEdge + 25, Qt::Vertical, rows}};
    for (const auto& side : sides) {
        std::vector<Run> guns;
        const int across = side.along == Qt::Horizontal ? at.y(side.across) : at.x(side.across);
        const int length = side.along == Qt::Horizontal ? board.width() : board.height();
        for (const Run& run : runs(board, across, 0, length, side.along)) {
            if (run.color == yellow)
                guns.push_back(run);
        }
        QCOMPARE(guns.size(), std::size_t{11});
        for (std::size_t k = 0; k < guns.size(); ++k) {
            const auto [fillStart, fillEnd] = side.squares[k];
            QVERIFY2(guns[k].end - guns[k].start > (fillEnd - fillStart) / 2, qPrintable(QString::number(k)));
            QCOMPARE(guns[k].start - (fillStart - line), fillEnd - guns[k].end);
        }
    }

    // A bullet on a square covers it edge to edge, outline included: its
    // fill lies as far inside the square's box on each side.
    const QRgb pink = qRgb(255, 128, 128);
    for (int i = 0; i < vexel::board::Size; ++i) {
        vexel::ShapeObject& bullet = scene.Bullet(static_cast<std::size_t>(i + 1));
        bullet.Left = static_cast<float>(vexel::board::squareLeft(i));
        bullet.Top = static_cast<float>(vexel::board::squareTop(vexel::board::Size - 1 - i));
        bullet.Visible = true;
    }
    const QImage shot = paint(scene, ratio, offset);
    for (int i = 0; i < vexel::board::Size; ++i) {
        const auto [left, right] = columns[static_cast<std::size_t>(i)];
        const auto [top, bottom] = rows[static_cast<std::size_t>(vexel::board::Size - 1 - i)];
        for (const auto& [across, from, to, along] :
             {std::tuple{(top + bottom) / 2, left, right, Qt::Horizontal},
              std::tuple{(left + right) / 2, top, bottom, Qt::Vertical}}) {
            std::vector<Run> inside;
            for (const Run& run : runs(shot, across, from - line, to + line, along)) {
                if (run.color == pink)
                    inside.push_back(run);
            }
            QCOMPARE(inside.size(), std::size_t{1});
            QCOMPARE(inside[0].start - (from - line), to + line - inside[0].end);
        }
    }
}

void ScenePainterTest::partialRepaintsMatchWholeFrames_data()
{
    addRatios();
    // Below one device pixel per client pixel a snapped edge moves by more
    // than a client pixel.
    QTest::newRow("0.5 below a menu bar") << 0.5 << QPoint(0, 19);
}

void ScenePainterTest::partialRepaintsMatchWholeFrames()
{
    QFETCH(qreal, ratio);
    QFETCH(QPoint, offset);
    vexel::Scene scene = startupScene();
    const QRect client(0, 0, vexel::window::ClientWidth, vexel::window::ClientHeight);
    QImage image = paint(scene, ratio, offset);
    vexel::qt::ScenePainter painter;
    vexel::qt::RepaintTracker tracker;
    QVERIFY(tracker.update(scene, client, vexel::qt::paintMargin(ratio)).full);

    // A bullet flies down column 3 a step at a time while the gun that
    // fired it recolours and the square under it turns yellow and back, as
    // in a tick; each frame repaints only what the tracker names.
    vexel::ShapeObject& bullet = scene.Bullet(1);
    bullet.Left = static_cast<float>(vexel::board::squareLeft(3));
    bullet.Top = 25;
    bullet.Visible = true;
    const vexel::Color charge[] = {vexel::rgb(255, 128, 0), vexel::rgb(255, 64, 0), vexel::colors::Yellow};
    for (int step = 0; step < 40; ++step) {
        bullet.Top += 3;
        scene.Gun(3).BackColor = charge[step % 3];
        for (std::size_t n = 0; n < vexel::board::SquareCount; ++n)
            scene.Grid(n).BackColor = vexel::colors::White;
        const int row = static_cast<int>((bullet.Top - vexel::board::Origin) / vexel::board::Pitch);
        if (row >= 0 && row < vexel::board::Size)
            scene.Grid(static_cast<std::size_t>(vexel::board::gridIndex(row, 3))).BackColor =
                vexel::colors::Yellow;

        const vexel::qt::RepaintTracker::Change change =
            tracker.update(scene, client, vexel::qt::paintMargin(ratio));
        QVERIFY(!change.full);
        QPainter onImage(&image);
        onImage.translate(offset);
        onImage.setClipRegion(change.region);
        painter.paint(onImage, scene, change.region.boundingRect());
        onImage.end();
        QVERIFY2(image == paint(scene, ratio, offset), qPrintable(QStringLiteral("step %1").arg(step)));
    }
}

QTEST_MAIN(ScenePainterTest)
#include "scene_painter_test.moc"
