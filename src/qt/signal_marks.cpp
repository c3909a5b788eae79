#include "qt/signal_marks.h"

#include <QColor>
#include <QPainter>
#include <QPen>

#include <algorithm>
#include <cmath>

namespace vexel::qt {

namespace {

QColor toQColor(Color color)
{
    return QColor(static_cast<int>(red(color)), static_cast<int>(green(color)),
                  static_cast<int>(blue(color)));
}

int devicePixels(qreal client, qreal unit)
{
    return std::max(1, static_cast<int>(std::lround(client * unit)));
}

// Stripes rising to the right, each starting on the fill's bottom edge, so
// that every bad square shows the same pattern wherever it stands.
void paintHatch(QPainter& painter, const QRect& fill, const QColor& colour, qreal unit)
{
    painter.save();
    painter.setClipRect(fill, Qt::IntersectClip);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(QPen(colour, view::HatchWidth * unit, Qt::SolidLine, Qt::FlatCap));
    const qreal period = view::HatchPeriod * unit;
    const qreal height = fill.height();
    const qreal bottom = fill.top() + height;
    for (qreal x = fill.left() - height; x < fill.left() + fill.width() + period; x += period)
        painter.drawLine(QPointF(x, bottom), QPointF(x + height, fill.top()));
    painter.restore();
}

// A square in the middle of the fill, on whole device pixels.
void paintCentreBlock(QPainter& painter, const QRect& fill, const QColor& colour, qreal unit)
{
    const int size = std::min({devicePixels(view::CentreBlockSize, unit), fill.width(), fill.height()});
    const int left = fill.left() + (fill.width() - size) / 2;
    const int top = fill.top() + (fill.height() - size) / 2;
    painter.fillRect(QRect(left, top, size, size), colour);
}

} // namespace

void paintRectangleMark(QPainter& painter, const QRect& fill, const view::SignalLook& look, qreal unit)
{
    if (fill.isEmpty())
        return;
    if (look.mark == view::Mark::Hatch)
        paintHatch(painter, fill, toQColor(look.markColour), unit);
    else if (look.mark == view::Mark::CentreBlock)
        paintCentreBlock(painter, fill, toQColor(look.markColour), unit);
}

void paintCurveMark(QPainter& painter, const QRectF& box, const view::SignalLook& look, qreal unit)
{
    if (look.mark != view::Mark::Pips || look.count < 1)
        return;
    // Along the longer side: guns stand upright above and below the board
    // and lie flat beside it.
    const bool upright = box.height() >= box.width();
    const qreal diameter = view::PipDiameter * unit;
    const qreal spacing = view::PipSpacing * unit;
    const QPointF centre = box.center();
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(Qt::NoPen);
    painter.setBrush(toQColor(look.markColour));
    for (int i = 0; i < look.count; ++i) {
        const qreal along = (i - (look.count - 1) / 2.0) * spacing;
        const QPointF at =
            upright ? QPointF(centre.x(), centre.y() + along) : QPointF(centre.x() + along, centre.y());
        painter.drawEllipse(at, diameter / 2, diameter / 2);
    }
    painter.restore();
}

int curveOutline(const view::SignalLook& look, qreal unit, int line)
{
    if (look.mark != view::Mark::HeavyOutline)
        return line;
    return std::max(line, devicePixels(view::HeavyOutlineWidth, unit));
}

} // namespace vexel::qt
