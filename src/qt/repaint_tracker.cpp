#include "qt/repaint_tracker.h"

namespace vexel::qt {

namespace {

// The same pixels as shapeBounds, widened by what painting may add around
// a box: the smoothing of a curve, the snapping to device pixels.
template <class Look> QRect staleArea(const Look& look, int margin)
{
    return QRectF(look.left, look.top, look.width, look.height)
        .toAlignedRect()
        .adjusted(-margin, -margin, margin, margin);
}

} // namespace

RepaintTracker::Look RepaintTracker::lookOf(const ShapeObject& shape)
{
    return {shape.Kind, shape.Left, shape.Top, shape.Width, shape.Height, shape.Visible, shape.BackColor};
}

RepaintTracker::Change RepaintTracker::update(const Scene& scene, const QRect& clientArea, int margin)
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
            change.region += staleArea(before, margin);
        if (now.visible)
            change.region += staleArea(now, margin);
        before = now;
    }
    change.region &= clientArea;
    return change;
}

} // namespace vexel::qt
