#include "qt/repaint_tracker.h"

namespace vexel::qt {

namespace {

// The same pixels as shapeBounds, widened by one on every side: a smoothed
// curve may shade the pixels just past its box.
template <class Look> QRect staleArea(const Look& look)
{
    return QRectF(look.left, look.top, look.width, look.height).toAlignedRect().adjusted(-1, -1, 1, 1);
}

} // namespace

RepaintTracker::Look RepaintTracker::lookOf(const ShapeObject& shape)
{
    return {shape.Kind, shape.Left, shape.Top, shape.Width, shape.Height, shape.Visible, shape.BackColor};
}

RepaintTracker::Change RepaintTracker::update(const Scene& scene, const QRect& clientArea)
{
    Change change;
    const std::size_t count = scene.shapeCount();
    if (!valid_ || count != looks_.size() || scene.stackingOrder() != stack_) {
        change.full = true;
        change.region = QRegion(clientArea);
        looks_.resize(count);
        for (ShapeId id = 0; id < count; ++id)
            looks_[id] = lookOf(scene.shape(id));
        stack_ = scene.stackingOrder();
        valid_ = true;
        return change;
    }

    for (ShapeId id = 0; id < count; ++id) {
        const Look now = lookOf(scene.shape(id));
        Look& before = looks_[id];
        if (now == before)
            continue;
        // A hidden shape left nothing on screen and puts nothing there.
        if (before.visible)
            change.region += staleArea(before);
        if (now.visible)
            change.region += staleArea(now);
        before = now;
    }
    change.region &= clientArea;
    return change;
}

} // namespace vexel::qt
