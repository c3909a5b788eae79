#pragma once

#include "view/colour_safe.h"

#include <QRect>

class QPainter;

namespace vexel::qt {

// The marks Colour-Safe Signals paints over a shape's fill, in device
// pixels: `unit` is how many of them one client pixel takes.

// Over the inside of a rectangle: `fill` is the rectangle's box less its
// outline.
void paintRectangleMark(QPainter& painter, const QRect& fill, const view::SignalLook& look, qreal unit);

// Over a curve that fills `box`, after its fill and outline are drawn.
void paintCurveMark(QPainter& painter, const QRectF& box, const view::SignalLook& look, qreal unit);

// The outline width, in device pixels, of a curve that shows `look`, or
// `line` when its mark keeps the usual outline.
int curveOutline(const view::SignalLook& look, qreal unit, int line);

} // namespace vexel::qt
