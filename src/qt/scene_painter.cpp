#include "qt/scene_painter.h"

#include "app/window_definition.h"

#include <QBrush>
#include <QColor>
#include <QPaintDevice>
#include <QPainter>
#include <QPen>
#include <QTransform>

#include <algorithm>
#include <cmath>

namespace vexel::qt {

namespace {

// Sprites a painter may keep. The game uses about a dozen; the bound only
// matters if a scene kept inventing new colours or sizes.
constexpr std::size_t MaxSprites = 64;

QColor toQColor(Color color)
{
    return QColor(static_cast<int>(red(color)), static_cast<int>(green(color)),
                  static_cast<int>(blue(color)));
}

QRectF box(const ShapeObject& shape)
{
    return QRectF(shape.Left, shape.Top, shape.Width, shape.Height);
}

// Where a curve lies inside its box: an oval fills it, a circle is the
// largest one centred in it.
QRectF curveBox(const ShapeObject& shape)
{
    const QRectF rect = box(shape);
    if (shape.Kind != ShapeKind::Circle)
        return rect;
    const qreal diameter = std::min(rect.width(), rect.height());
    QRectF circle(0, 0, diameter, diameter);
    circle.moveCenter(rect.center());
    return circle;
}

// A rectangle is painted as a black box with its fill inset by one pixel,
// rather than stroked: filled rectangles land on whole pixels, so the
// outline is exactly the box's edge pixels and two squares at a pitch of 24
// share a single outline line, at any device pixel ratio that is whole.
void paintRectangle(QPainter& painter, const QRectF& rect, const QColor& fill)
{
    painter.fillRect(rect, Qt::black);
    if (rect.width() > 2 && rect.height() > 2 && fill != Qt::black)
        painter.fillRect(rect.adjusted(1, 1, -1, -1), fill);
}

// Curves are smoothed. The pen runs along the middle of the box's edge
// pixels, half a pixel in, so the outline stays inside the box as well.
void paintCurve(QPainter& painter, const QRectF& rect, const QColor& fill)
{
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(fill);
    painter.drawEllipse(rect.adjusted(0.5, 0.5, -0.5, -0.5));
}

// The device pixels per client pixel, when the painter only scales and
// moves; 0 when it does more, and curves must then be drawn directly.
qreal uniformScale(const QPainter& painter)
{
    const QTransform& transform = painter.transform();
    if (transform.type() > QTransform::TxScale || transform.m11() != transform.m22() || transform.m11() <= 0)
        return 0;
    const qreal deviceRatio = painter.device() != nullptr ? painter.device()->devicePixelRatio() : 1.0;
    return transform.m11() * deviceRatio;
}

} // namespace

QRect shapeBounds(const ShapeObject& shape)
{
    return box(shape).toAlignedRect();
}

const QImage& ScenePainter::sprite(const ShapeObject& shape, qreal scale)
{
    for (const Sprite& sprite : sprites_) {
        if (sprite.kind == shape.Kind && sprite.width == shape.Width && sprite.height == shape.Height &&
            sprite.color == shape.BackColor && sprite.scale == scale)
            return sprite.image;
    }
    if (sprites_.size() >= MaxSprites)
        sprites_.clear();

    const QRectF curve = curveBox(shape).translated(-shape.Left, -shape.Top);
    QImage image(static_cast<int>(std::ceil(shape.Width * scale)),
                 static_cast<int>(std::ceil(shape.Height * scale)), QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(scale);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        paintCurve(painter, curve, toQColor(shape.BackColor));
    }
    sprites_.push_back({shape.Kind, shape.Width, shape.Height, shape.BackColor, scale, std::move(image)});
    return sprites_.back().image;
}

void ScenePainter::paint(QPainter& painter, const Scene& scene, const QRect& area)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.fillRect(area, Qt::white);
    const qreal scale = uniformScale(painter);

    for (ShapeId id : scene.stackingOrder()) {
        const ShapeObject& shape = scene.shape(id);
        if (!shape.Visible || shape.Width < 1 || shape.Height < 1 || !area.intersects(shapeBounds(shape)))
            continue;
        if (shape.Kind == ShapeKind::Rectangle) {
            paintRectangle(painter, box(shape), toQColor(shape.BackColor));
        } else if (scale > 0) {
            painter.drawImage(QPointF(shape.Left, shape.Top), sprite(shape, scale));
        } else {
            painter.save();
            paintCurve(painter, curveBox(shape), toQColor(shape.BackColor));
            painter.restore();
        }
    }
    painter.restore();
}

void paintScene(QPainter& painter, const Scene& scene, const QRect& area)
{
    ScenePainter().paint(painter, scene, area);
}

void paintScene(QPainter& painter, const Scene& scene)
{
    paintScene(painter, scene, QRect(0, 0, window::ClientWidth, window::ClientHeight));
}

} // namespace vexel::qt
