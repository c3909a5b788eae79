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

    // Client pixels (not device pixels) asked for by the latest refresh.
    std::uint64_t lastRequestedArea() const { return lastRequestedArea_; }
    // Client pixels that paint events actually covered, and how many there were.
    std::uint64_t paintedArea() const { return paintedArea_; }
    std::uint64_t paintCount() const { return paintCount_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const Scene* scene_ = nullptr;
    RepaintTracker tracker_;
    ScenePainter painter_;
    std::uint64_t lastRequestedArea_ = 0;
    std::uint64_t paintedArea_ = 0;
    std::uint64_t paintCount_ = 0;
};

} // namespace vexel::qt
