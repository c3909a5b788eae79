#include "qt/history/progress_chart.h"

#include "qt/history/history_text.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPainterPath>
#include <QPalette>

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>

namespace vexel::qt {

const QColor ProgressChart::FourWayColour(0, 102, 204);
const QColor ProgressChart::TwoWayColour(214, 96, 0);

namespace {

// A step for axis labels of at least `least`: 1, 2 or 5 times a power of ten.
std::int64_t niceStep(double least)
{
    std::int64_t step = 1;
    for (;;) {
        for (const std::int64_t factor : {1, 2, 5}) {
            if (static_cast<double>(step * factor) >= least)
                return step * factor;
        }
        step *= 10;
    }
}

// What one pixel column shows of one mode: the average of its games, and
// the best score so far once they are played.
struct Column {
    std::int64_t sum = 0;
    int games = 0;
    int best = 0;
};

} // namespace

ProgressChart::ProgressChart(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ProgressChart::setGames(GameListModel::Games games)
{
    games_ = std::move(games);
    bestScore_ = 0;
    if (games_) {
        for (const history::GameSummary& game : *games_)
            bestScore_ = std::max(bestScore_, game.score);
    }
    update();
}

void ProgressChart::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Base));
    painter.setPen(palette().color(QPalette::Text));
    const std::size_t count = games_ ? games_->size() : 0;
    if (count == 0) {
        painter.drawText(rect(), Qt::AlignCenter,
                         QCoreApplication::translate("HistoryWindow", "No games yet."));
        return;
    }
    // Everything is measured in lines of the font, so that the chart keeps
    // its proportions at any font size and scale factor.
    const int line = fontMetrics().height();
    const int yLabelWidth =
        fontMetrics().horizontalAdvance(QString::number(std::max(bestScore_, 10))) + line / 2;
    // The last label on the axis below is centred on the plot's edge.
    const int xLabelHalf = fontMetrics().horizontalAdvance(QString::number(count)) / 2 + 2;
    const QRect plot =
        rect().adjusted(yLabelWidth + line / 2, line * 5 / 2, -std::max(line, xLabelHalf), -line * 3);
    if (plot.width() < 8 || plot.height() < 8)
        return;
    drawAxes(painter, plot, yLabelWidth);
    drawGames(painter, plot);
    drawLegend(painter, QPoint(plot.left(), line));
}

double ProgressChart::yFor(const QRect& plot, double score) const
{
    return plot.bottom() - score * plot.height() / std::max(bestScore_, 1);
}

void ProgressChart::drawAxes(QPainter& painter, const QRect& plot, int yLabelWidth) const
{
    // Labels at least two lines apart upwards and a few digits apart across.
    const int line = fontMetrics().height();
    const int top = std::max(bestScore_, 1);
    const std::int64_t yStep = niceStep(top * 2.0 * line / plot.height());
    const QColor text = palette().color(QPalette::Text);
    for (std::int64_t score = 0; score <= top; score += yStep) {
        const int y = static_cast<int>(std::lround(yFor(plot, static_cast<double>(score))));
        painter.setPen(palette().color(QPalette::Midlight));
        painter.drawLine(plot.left(), y, plot.right(), y);
        painter.setPen(text);
        painter.drawText(QRect(0, y - line / 2, yLabelWidth, line), Qt::AlignRight | Qt::AlignVCenter,
                         QString::number(score));
    }
    const std::size_t count = games_->size();
    const int digitWidth = fontMetrics().horizontalAdvance(QString::number(count));
    const std::int64_t xStep = niceStep(static_cast<double>(count) * (digitWidth + line * 2) / plot.width());
    for (std::int64_t game = 0; game <= static_cast<std::int64_t>(count); game += xStep) {
        const int x = plot.left() + static_cast<int>(game * plot.width() / static_cast<std::int64_t>(count));
        painter.drawLine(x, plot.bottom(), x, plot.bottom() + line / 3);
        painter.drawText(QRect(x - digitWidth, plot.bottom() + line / 3, digitWidth * 2, line),
                         Qt::AlignHCenter, QString::number(game));
    }
    painter.drawText(QRect(plot.left(), plot.bottom() + line * 3 / 2, plot.width(), line), Qt::AlignHCenter,
                     QCoreApplication::translate("HistoryWindow", "Games played"));
    painter.drawLine(plot.bottomLeft(), plot.bottomRight());
    painter.drawLine(plot.bottomLeft(), plot.topLeft());
}

void ProgressChart::drawGames(QPainter& painter, const QRect& plot) const
{
    // Every game falls in one pixel column, the one in the middle of its
    // stretch of the axis: game N between N - 1 and N games played. With
    // fewer games than columns each game has a column of its own and its
    // dot is its score; with more, a column's dot is the average of its
    // games.
    const auto columns = static_cast<std::size_t>(plot.width());
    const std::size_t count = games_->size();
    std::array<std::vector<Column>, 2> modes{std::vector<Column>(columns), std::vector<Column>(columns)};
    std::array<int, 2> best{0, 0};
    for (std::size_t i = 0; i < count; ++i) {
        const history::GameSummary& game = (*games_)[i];
        const auto mode = static_cast<std::size_t>(game.twoWay);
        Column& column = modes[mode][std::min((2 * i + 1) * columns / (2 * count), columns - 1)];
        column.sum += game.score;
        column.games += 1;
        best[mode] = std::max(best[mode], game.score);
        column.best = best[mode];
    }

    const int line = fontMetrics().height();
    const qreal dot = std::max<qreal>(2.0, line / 4.5);
    const QColor base = palette().color(QPalette::Base);
    painter.setRenderHint(QPainter::Antialiasing);
    for (std::size_t mode = 0; mode < 2; ++mode) {
        const QColor colour = mode == 0 ? FourWayColour : TwoWayColour;
        // The games paler than the line, mixed with the background rather
        // than see-through: the raster engine fills opaque shapes cheapest.
        const auto mix = [](int a, int b) { return (a * 3 + b * 2) / 5; };
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(mix(colour.red(), base.red()), mix(colour.green(), base.green()),
                                mix(colour.blue(), base.blue())));
        QPainterPath bestLine;
        std::optional<QPointF> last;
        for (std::size_t x = 0; x < columns; ++x) {
            const Column& column = modes[mode][x];
            if (column.games == 0)
                continue;
            const qreal px = plot.left() + static_cast<qreal>(x) + 0.5;
            painter.drawEllipse(QPointF(px, yFor(plot, static_cast<double>(column.sum) / column.games)), dot,
                                dot);
            // The best so far changes seldom: a corner only where it does,
            // so that the line is a few segments, not one per column.
            const QPointF at(px, yFor(plot, column.best));
            if (!last) {
                bestLine.moveTo(at);
            } else if (at.y() != last->y()) {
                bestLine.lineTo(QPointF(px, last->y()));
                bestLine.lineTo(at);
            }
            last = at;
        }
        if (last)
            bestLine.lineTo(QPointF(plot.right(), last->y()));
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(colour, std::max<qreal>(2.0, line / 8.0)));
        painter.drawPath(bestLine);
    }
    painter.setRenderHint(QPainter::Antialiasing, false);
}

void ProgressChart::drawLegend(QPainter& painter, QPoint at) const
{
    // A dot for the games, a line for the best.
    const int line = fontMetrics().height();
    const qreal dot = std::max<qreal>(2.0, line / 4.5);
    int x = at.x();
    painter.setRenderHint(QPainter::Antialiasing);
    for (const bool twoWay : {false, true}) {
        const QColor colour = twoWay ? TwoWayColour : FourWayColour;
        painter.setPen(Qt::NoPen);
        painter.setBrush(colour);
        painter.drawEllipse(QPointF(x + dot, at.y()), dot, dot);
        painter.setPen(QPen(colour, std::max<qreal>(2.0, line / 8.0)));
        painter.drawLine(QPointF(x + dot * 3, at.y()), QPointF(x + dot * 3 + line, at.y()));
        x += static_cast<int>(dot * 3) + line + line / 3;
        const QString label = twoWay
                                  ? QCoreApplication::translate("HistoryWindow", "2-Way games, best so far")
                                  : QCoreApplication::translate("HistoryWindow", "4-Way games, best so far");
        painter.setPen(palette().color(QPalette::Text));
        const int width = fontMetrics().horizontalAdvance(label) + 1;
        painter.drawText(QRect(x, at.y() - line / 2, width, line), Qt::AlignVCenter, label);
        x += width + line;
    }
    painter.setRenderHint(QPainter::Antialiasing, false);
}

} // namespace vexel::qt
