#include "qt/board_view.h"

#include "app/window_definition.h"

#include <QPaintEvent>
#include <QPainter>

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

} // namespace

BoardView::BoardView(QWidget* parent) : QWidget(parent)
{
    setFixedSize(window::ClientWidth, window::ClientHeight);
    // Every pixel is painted each time, background included.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
}

void BoardView::setScene(const Scene* scene)
{
    scene_ = scene;
    tracker_.invalidate();
    update();
}

void BoardView::refresh()
{
    if (scene_ == nullptr)
        return;
    const RepaintTracker::Change change = tracker_.update(*scene_, rect(), paintMargin(devicePixelRatioF()));
    lastRequestedArea_ = pixelArea(change.region);
    if (change.full)
        update();
    else if (!change.region.isEmpty())
        update(change.region);
}

void BoardView::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    if (scene_ != nullptr)
        painter_.paint(painter, *scene_, event->rect());
    else
        painter.fillRect(event->rect(), Qt::white);
    paintedArea_ += pixelArea(event->region());
    ++paintCount_;
}

} // namespace vexel::qt
