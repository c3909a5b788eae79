#include "qt/scene_painter.h"

#include "app/window_definition.h"
#include "qt/signal_marks.h"

#include <QBrush>
#include <QColor>
#include <QPainter>
#include <QPen>
#include <QTransform>

#include <algorithm>
#include <cmath>
#include <optional>

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

// Curves are smoothed. The pen runs along the middle of the outline's
// pixels, half its width in, so the outline stays inside the box as well.
void paintCurve(QPainter& painter, const QRectF& rect, const QColor& fill, qreal line)
{
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(QPen(Qt::black, line));
    painter.setBrush(fill);
    const qreal half = line / 2;
    painter.drawEllipse(rect.adjusted(half, half, -half, -half));
}

// How client pixels fall on the device when the painter only scales and
// moves. Every edge goes through the same rounding, half up, so edges that
// lie a whole number of device pixels apart stay exactly that far apart
// wherever they are.
struct DeviceGrid {
    qreal scale;
    qreal dx;
    qreal dy;
    // Outline width in device pixels: one client pixel, rounded, at least one.
    int line;

    static int nearest(qreal value) { return static_cast<int>(std::floor(value + 0.5)); }
    int x(qreal clientX) const { return nearest(dx + clientX * scale); }
    int y(qreal clientY) const { return nearest(dy + clientY * scale); }
    int length(qreal client) const { return std::max(1, nearest(client * scale)); }
    // The device pixels of a client rectangle, edges rounded as above. Qt
    // rounds a widget's edges and the regions it repaints the same way, so
    // these are exactly the pixels a paint event of that rectangle may touch.
    QRect pixels(const QRect& client) const
    {
        const int left = x(client.left());
        const int top = y(client.top());
        return QRect(left, top, x(client.left() + client.width()) - left,
                     y(client.top() + client.height()) - top);
    }
};

// The device transform is everything between the painter's coordinates
// and the device's pixels: the caller's own scaling (the board's zoom) and
// the device's ratio.
std::optional<DeviceGrid> deviceGrid(const QPainter& painter)
{
    const QTransform& transform = painter.deviceTransform();
    if (transform.type() > QTransform::TxScale || transform.m11() != transform.m22() || transform.m11() <= 0)
        return std::nullopt;
    const qreal scale = transform.m11();
    return DeviceGrid{scale, transform.dx(), transform.dy(), std::max(1, DeviceGrid::nearest(scale))};
}

// A rectangle is painted as a black box with its fill inset by the outline
// width, rather than stroked. Each outline starts where its client pixel
// starts on the device and is `line` pixels wide, so a square's right
// outline and its neighbour's left one, a pitch of 24 client pixels after
// its own left outline, fall on the same device pixels.
// Returns the fill's device pixels, empty when the outline leaves none.
QRect paintRectangle(QPainter& painter, const DeviceGrid& grid, const ShapeObject& shape, const QColor& fill)
{
    const int left = grid.x(shape.Left);
    const int top = grid.y(shape.Top);
    const int lastColumn = grid.x(shape.Left + shape.Width - 1);
    const int lastRow = grid.y(shape.Top + shape.Height - 1);
    int right = lastColumn + grid.line;
    int bottom = lastRow + grid.line;
    // The outline width alone can fall short of the client area's last
    // device pixel, which a band along the window's edge has to cover.
    if (shape.Left + shape.Width >= window::ClientWidth)
        right = std::max(right, grid.x(window::ClientWidth));
    if (shape.Top + shape.Height >= window::ClientHeight)
        bottom = std::max(bottom, grid.y(window::ClientHeight));
    painter.fillRect(QRect(left, top, right - left, bottom - top), Qt::black);
    const int inner = grid.line;
    if (fill == Qt::black || lastColumn <= left + inner || lastRow <= top + inner)
        return {};
    const QRect inside(left + inner, top + inner, lastColumn - left - inner, lastRow - top - inner);
    painter.fillRect(inside, fill);
    return inside;
}

// For a painter that rotates, shears or stretches: client pixels throughout,
// and whatever the device's rasteriser makes of them.
void paintRectangle(QPainter& painter, const QRectF& rect, const QColor& fill)
{
    painter.fillRect(rect, Qt::black);
    if (rect.width() > 2 && rect.height() > 2 && fill != Qt::black)
        painter.fillRect(rect.adjusted(1, 1, -1, -1), fill);
}

} // namespace

QRect shapeBounds(const ShapeObject& shape)
{
    return box(shape).toAlignedRect();
}

int paintMargin(qreal devicePixelRatio)
{
    // One device pixel, in client pixels, rounded up; never less than one.
    if (devicePixelRatio >= 1 || devicePixelRatio <= 0)
        return 1;
    return static_cast<int>(std::ceil(1 / devicePixelRatio));
}

const QImage& ScenePainter::sprite(int width, int height, int line, Color color,
                                   const std::optional<view::SignalLook>& look, qreal unit)
{
    const view::Mark mark = look ? look->mark : view::Mark::None;
    for (const Sprite& sprite : sprites_) {
        if (sprite.width == width && sprite.height == height && sprite.line == line &&
            sprite.color == color && sprite.mark == mark && sprite.unit == unit)
            return sprite.image;
    }
    if (sprites_.size() >= MaxSprites)
        sprites_.clear();

    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        const QRectF box(0, 0, width, height);
        paintCurve(painter, box, toQColor(color), look ? curveOutline(*look, unit, line) : line);
        if (look)
            paintCurveMark(painter, box, *look, unit);
    }
    sprites_.push_back({width, height, line, color, mark, unit, std::move(image)});
    return sprites_.back().image;
}

const QImage& ScenePainter::hatch(QSize size, const view::SignalLook& look, qreal unit)
{
    for (const Sprite& sprite : sprites_) {
        if (sprite.width == size.width() && sprite.height == size.height() && sprite.mark == look.mark &&
            sprite.unit == unit)
            return sprite.image;
    }
    if (sprites_.size() >= MaxSprites)
        sprites_.clear();
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        paintRectangleMark(painter, image.rect(), look, unit);
    }
    sprites_.push_back({size.width(), size.height(), 0, look.markColour, look.mark, unit, std::move(image)});
    return sprites_.back().image;
}

void ScenePainter::paint(QPainter& painter, const Scene& scene, const QRect& area)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    const std::optional<DeviceGrid> grid = deviceGrid(painter);
    const int margin = paintMargin(grid ? grid->scale : 1.0);
    // A shape just outside `area` may still reach into it on the device.
    const QRect reach = area.adjusted(-margin, -margin, margin, margin);

    if (grid) {
        // From here on one unit is one device pixel, origin at the device's.
        painter.setWorldTransform(painter.deviceTransform().inverted() * painter.worldTransform());
        painter.fillRect(grid->pixels(area), Qt::white);
    } else {
        painter.fillRect(area, Qt::white);
    }

    for (ShapeId id : scene.stackingOrder()) {
        const ShapeObject& shape = scene.shape(id);
        if (!shape.Visible || shape.Width < 1 || shape.Height < 1 || !reach.intersects(shapeBounds(shape)))
            continue;
        const QColor fill = toQColor(shape.BackColor);
        std::optional<view::SignalLook> look;
        if (colourSafe_)
            look = view::signalOf(scene.memberOf(id).collection, shape.BackColor);
        if (!grid) {
            if (shape.Kind == ShapeKind::Rectangle) {
                paintRectangle(painter, box(shape), fill);
            } else {
                painter.save();
                paintCurve(painter, curveBox(shape), fill, 1);
                painter.restore();
            }
        } else if (shape.Kind == ShapeKind::Rectangle) {
            const QRect inside = paintRectangle(painter, *grid, shape, fill);
            if (look && look->mark == view::Mark::Hatch && !inside.isEmpty())
                painter.drawImage(inside.topLeft(), hatch(inside.size(), *look, grid->scale));
            else if (look)
                paintRectangleMark(painter, inside, *look, grid->scale);
        } else {
            const QRectF curve = curveBox(shape);
            painter.drawImage(QPoint(grid->x(curve.left()), grid->y(curve.top())),
                              sprite(grid->length(curve.width()), grid->length(curve.height()), grid->line,
                                     shape.BackColor, look, grid->scale));
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
