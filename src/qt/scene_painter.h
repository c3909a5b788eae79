#pragma once

#include "ui/color.h"
#include "ui/scene.h"

#include <QImage>
#include <QRect>

#include <vector>

class QPainter;

namespace vexel::qt {

// The pixels a shape may touch, in client coordinates: its box, rounded out
// to whole pixels. Painting never leaves this rectangle.
QRect shapeBounds(const ShapeObject& shape);

// Paints scenes, keeping each smoothed curve it has drawn as a ready image:
// the board holds only a handful of different guns and bullets, and
// stamping an image costs a fraction of rasterising the curve again. Keep
// one painter for as long as frames are painted to the same kind of device.
class ScenePainter {
public:
    // Paints the part of the client area inside `area`: the white
    // background, then every visible shape that reaches into `area`, bottom
    // to top. The painter works in client pixels; any scaling for the
    // device is its own. Shapes wholly outside `area` are skipped, so a
    // caller that repaints a small region should also clip the painter to it.
    void paint(QPainter& painter, const Scene& scene, const QRect& area);

private:
    struct Sprite {
        ShapeKind kind;
        float width;
        float height;
        Color color;
        qreal scale;
        QImage image;
    };
    const QImage& sprite(const ShapeObject& shape, qreal scale);

    std::vector<Sprite> sprites_;
};

// One frame with a painter of its own, curves and all drawn afresh.
void paintScene(QPainter& painter, const Scene& scene, const QRect& area);
// The whole client area of the window.
void paintScene(QPainter& painter, const Scene& scene);

} // namespace vexel::qt
