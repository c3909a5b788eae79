// The painter on its own: a scene painted into an image and its pixels read.

#include "app/window_definition.h"
#include "board/builders.h"
#include "qt/scene_painter.h"
#include "ui/scene.h"

#include <QPainter>
#include <QTest>

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

// Paints a scene on magenta, which no shape of the game uses.
QImage paint(const vexel::Scene& scene, qreal dpr = 1)
{
    QImage image(QSize(366, 366) * dpr, QImage::Format_RGB32);
    image.setDevicePixelRatio(dpr);
    image.fill(Qt::magenta);
    QPainter onImage(&image);
    vexel::qt::paintScene(onImage, scene);
    return image;
}

} // namespace

class ScenePainterTest : public QObject {
    Q_OBJECT

private slots:
    void boardIsCrispAtEveryScale();
    void curvesStayInsideTheirBoxes();
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

QTEST_MAIN(ScenePainterTest)
#include "scene_painter_test.moc"
