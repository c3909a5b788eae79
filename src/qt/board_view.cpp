#include "qt/board_view.h"

#include "app/window_definition.h"
#include "view/zoom.h"

#include <QCoreApplication>
#include <QPaintEvent>
#include <QPainter>

#include <cmath>

namespace vexel::qt {

namespace {

std::uint64_t pixelArea(const QRegion& region)
{
    // The rectangles of a region never overlap, so their areas add up.
    std::uint64_t area = 0;
    for (const QRect& rect : region)
        area += static_cast<std::uint64_t>(rect.width()) * static_cast<std::uint64_t>(rect.height());
    return area;
}

const QRect ClientArea(0, 0, window::ClientWidth, window::ClientHeight);

} // namespace

BoardView::BoardView(QWidget* parent) : QWidget(parent)
{
    setFixedSize(window::ClientWidth, window::ClientHeight);
    // Every pixel is painted each time, background included.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(QCoreApplication::translate("Board", "Vexel board"));
}

void BoardView::setScene(const Scene* scene)
{
    scene_ = scene;
    tracker_.invalidate();
    update();
}

void BoardView::setZoom(int percent)
{
    zoom_ = percent;
    if (!fill_) {
        const int extent = view::windowedExtent(percent, devicePixelRatioF());
        setFixedSize(extent, extent);
    }
    place();
}

void BoardView::setFillWindow(bool on)
{
    fill_ = on;
    if (on) {
        setMinimumSize(0, 0);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    }
    setZoom(zoom_);
}

void BoardView::setColourSafe(bool on)
{
    painter_.setColourSafe(on);
    update();
}

QRectF BoardView::boardRect() const
{
    return QRectF(origin_, QSizeF(window::ClientWidth, window::ClientHeight) * scale_);
}

void BoardView::place()
{
    const qreal ratio = devicePixelRatioF();
    qreal scale = view::crispScale(zoom_ / 100.0 * ratio) / ratio;
    QPointF origin;
    if (fill_) {
        // Centred in the window on whole device pixels, so that every edge
        // keeps the same rounding as at any other place.
        const QSize room = window()->size() * ratio;
        scale = view::fullScreenScale(room.width(), room.height()) / ratio;
        const qreal extent = view::clientExtent(scale * ratio);
        origin = QPointF(std::floor((room.width() - extent) / 2), std::floor((room.height() - extent) / 2)) /
                     ratio -
                 QPointF(mapTo(window(), QPoint(0, 0)));
    }
    if (scale == scale_ && origin == origin_)
        return;
    scale_ = scale;
    origin_ = origin;
    tracker_.invalidate();
    update();
}

void BoardView::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    place();
}

void BoardView::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    // Moved to a screen of another ratio: the crisp scale there differs.
    if (event->type() == QEvent::ScreenChangeInternal)
        setZoom(zoom_);
}

void BoardView::refresh()
{
    if (scene_ == nullptr)
        return;
    const RepaintTracker::Change change = tracker_.update(*scene_, ClientArea, paintMargin(deviceScale()));
    lastRequestedArea_ = pixelArea(change.region);
    if (change.full) {
        update();
        return;
    }
    // Client pixels to the view's, rounded out: the painter rounds every
    // edge to the nearest device pixel, never further than that.
    QRegion stale;
    for (const QRect& rect : change.region)
        stale +=
            QRectF(QPointF(rect.topLeft()) * scale_ + origin_, QSizeF(rect.size()) * scale_).toAlignedRect();
    if (!stale.isEmpty())
        update(stale);
}

void BoardView::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    const QRectF board = boardRect();
    // Around the board, black: only in full screen, or the sliver a
    // fractional size leaves at the view's right and bottom edges.
    const QRegion around = event->region() - QRect(QPoint(static_cast<int>(std::ceil(board.left())),
                                                          static_cast<int>(std::ceil(board.top()))),
                                                   QPoint(static_cast<int>(std::floor(board.right())) - 1,
                                                          static_cast<int>(std::floor(board.bottom())) - 1));
    for (const QRect& rect : around)
        painter.fillRect(rect, Qt::black);
    const QRect area =
        QRectF(QPointF(event->rect().topLeft()) - origin_, QSizeF(event->rect().size())).toAlignedRect();
    const QRect client = QRectF(QPointF(area.topLeft()) / scale_, QSizeF(area.size()) / scale_)
                             .toAlignedRect()
                             .intersected(ClientArea);
    if (!client.isEmpty()) {
        painter.translate(origin_);
        painter.scale(scale_, scale_);
        if (scene_ != nullptr)
            painter_.paint(painter, *scene_, client);
        else
            painter.fillRect(client, Qt::white);
    }
    paintedArea_ += pixelArea(event->region());
    ++paintCount_;
}

} // namespace vexel::qt
