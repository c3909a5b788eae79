#pragma once

#include "ui/scene.h"

#include <QRegion>

#include <cstdint>
#include <vector>

namespace vexel::qt {

// Remembers what the board looked like when it was last handed to the
// painter, and works out which pixels a later state of the scene needs
// repainted. The game writes shapes freely inside a handler (a bad square
// turns white and yellow again in one tick), so the window compares states
// after a handler rather than watching individual writes.
class RepaintTracker {
public:
    struct Change {
        QRegion region;
        // The whole client area is stale: the scene was rebuilt, or shapes
        // came, went or changed places in the stacking order.
        bool full = false;
    };

    // Forgets the snapshot, so that the next change covers everything.
    void invalidate() { valid_ = false; }

    // Compares the scene with the snapshot, takes the scene as the new
    // snapshot and returns what has to be repainted. Each changed shape
    // contributes its old and its new bounds, widened on every side by
    // `margin` client pixels: the painter's paintMargin for the device.
    Change update(const Scene& scene, const QRect& clientArea, int margin);

private:
    struct Look {
        ShapeKind kind;
        float left;
        float top;
        float width;
        float height;
        bool visible;
        Color color;
        bool operator==(const Look&) const = default;
    };
    static Look lookOf(const ShapeObject& shape);

    bool valid_ = false;
    std::vector<Look> looks_;
    std::vector<ShapeId> stack_;
};

} // namespace vexel::qt
