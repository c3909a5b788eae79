#pragma once

#include "ui/color.h"
#include "ui/scene.h"
#include "view/colour_safe.h"

#include <QImage>
#include <QRect>

#include <optional>
#include <vector>

class QPainter;

namespace vexel::qt {

// The pixels a shape may touch, in client coordinates: its box, rounded out
// to whole pixels. Painting stays within this rectangle widened by
// paintMargin on every side.
QRect shapeBounds(const ShapeObject& shape);

// How far past shapeBounds, in client pixels, painting at a device pixel
// ratio may reach: shapes are snapped to whole device pixels, which moves an
// edge by up to one device pixel, and a smoothed curve may shade the pixel
// just past its box.
int paintMargin(qreal devicePixelRatio);

// Paints scenes, keeping each smoothed curve it has drawn as a ready image:
// the board holds only a handful of different guns and bullets, and
// stamping an image costs a fraction of rasterising the curve again. Keep
// one painter for as long as frames are painted to the same kind of device.
//
// When the painter only scales and moves, shapes are laid on the device's
// own pixel grid: every client edge goes to the nearest device pixel edge
// by one rounding, and every outline is the same whole number of device
// pixels. At a ratio like 1.5 the board's pitch of 24 client pixels is a
// whole 36 device pixels, so all squares come out the same size with lines
// of one width; scaling each rectangle on its own would round some edges
// up and others down.
class ScenePainter {
public:
    // Paints the part of the client area inside `area`: the white
    // background, then every visible shape that reaches into `area`, bottom
    // to top. The painter works in client pixels; any scaling for the
    // device is its own. Shapes wholly outside `area` are skipped, so a
    // caller that repaints a small region should also clip the painter to it.
    void paint(QPainter& painter, const Scene& scene, const QRect& area);

    // Colour-Safe Signals: each state a shape shows by its colour is also
    // shown by a mark over its fill. Off, nothing but the scene is painted.
    // Marks are painted when the painter only scales and moves.
    void setColourSafe(bool on) { colourSafe_ = on; }
    bool colourSafe() const { return colourSafe_; }

private:
    struct Sprite {
        int width;
        int height;
        int line;
        Color color;
        view::Mark mark;
        qreal unit;
        QImage image;
    };
    // A smoothed oval filling a box of device pixels, with the mark of the
    // state it shows, if any; `unit` is device pixels per client pixel.
    const QImage& sprite(int width, int height, int line, Color color,
                         const std::optional<view::SignalLook>& look, qreal unit);

    // The stripes of a bad square's fill, ready to stamp: antialiased
    // lines come out a shade different depending on how they are clipped,
    // and a repaint of part of the board must match a whole frame.
    const QImage& hatch(QSize size, const view::SignalLook& look, qreal unit);

    std::vector<Sprite> sprites_;
    bool colourSafe_ = false;
};

// One frame with a painter of its own, curves and all drawn afresh.
void paintScene(QPainter& painter, const Scene& scene, const QRect& area);
// The whole client area of the window.
void paintScene(QPainter& painter, const Scene& scene);

} // namespace vexel::qt
