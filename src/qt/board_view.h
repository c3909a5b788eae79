#pragma once

#include "qt/repaint_tracker.h"
#include "qt/scene_painter.h"

#include <QWidget>

#include <cstdint>

namespace vexel {
class Scene;
}

namespace vexel::qt {

// The client area: shows the game's scene and nothing else. It repaints
// only what changed since it last asked for a repaint; the counters let a
// test or a benchmark see how much that was.
//
// The scene is always the 366 × 366 shape pixels the game knows; the view
// shows it at a zoom, or in full screen at the largest size that fits,
// centred on black. Either way the board is painted at a crisp scale, one
// at which the squares' pitch is a whole number of device pixels.
class BoardView final : public QWidget {
    Q_OBJECT

public:
    explicit BoardView(QWidget* parent = nullptr);

    // The scene stays the game's; the view only reads it.
    void setScene(const Scene* scene);

    // Asks for a repaint of whatever the scene changed since the last call.
    void refresh();
    // The next refresh repaints everything: the scene has been rebuilt.
    void invalidate() { tracker_.invalidate(); }

    // A zoom step in per cent: the view takes the board's size at it.
    void setZoom(int percent);
    int zoom() const { return zoom_; }
    // Fills whatever size its window gives it, the board centred in the
    // window rather than in the view, so that a menu bar shown above it
    // for a while covers the board instead of moving it.
    void setFillWindow(bool on);
    bool fillsWindow() const { return fill_; }
    void setColourSafe(bool on);
    bool colourSafe() const { return painter_.colourSafe(); }

    // Where the client area lies in the view, in the view's pixels, and
    // how many device pixels one client pixel takes there.
    QRectF boardRect() const;
    qreal deviceScale() const { return scale_ * devicePixelRatioF(); }

    // Client pixels (not device pixels) asked for by the latest refresh.
    std::uint64_t lastRequestedArea() const { return lastRequestedArea_; }
    // The view's pixels that paint events actually covered (client pixels
    // at 100 %), and how many there were.
    std::uint64_t paintedArea() const { return paintedArea_; }
    std::uint64_t paintCount() const { return paintCount_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // Works out the scale and the board's place for the view's size and
    // device, and repaints all when either changed.
    void place();

    const Scene* scene_ = nullptr;
    RepaintTracker tracker_;
    ScenePainter painter_;
    int zoom_ = 100;
    bool fill_ = false;
    // View pixels per client pixel, and the client area's top left.
    qreal scale_ = 1;
    QPointF origin_;
    std::uint64_t lastRequestedArea_ = 0;
    std::uint64_t paintedArea_ = 0;
    std::uint64_t paintCount_ = 0;
};

} // namespace vexel::qt
