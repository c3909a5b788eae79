#include "qt/progress_chart.h"

#include "qt/history_text.h"

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

// What one pixel column shows of one mode.
struct Column {
    int low = 0, high = -1;  // no game when high < low
    std::optional<int> best; // the best so far at the column's last game
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
    const QFontMetrics metrics = fontMetrics();
    const std::size_t count = games_ ? games_->size() : 0;
    if (count == 0) {
        painter.drawText(rect(), Qt::AlignCenter, tr("No games yet."));
        return;
    }

    // The plot leaves room for the labels on its left and below it, and
    // for the legend above.
    const int line = metrics.height();
    const int yLabelWidth = metrics.horizontalAdvance(QString::number(std::max(bestScore_, 10))) + line / 2;
    const QRect plot = rect().adjusted(yLabelWidth + line / 2, line * 2, -line, -line * 2);
    if (plot.width() < 8 || plot.height() < 8)
        return;

    // Axes and labels: a label at least two lines apart vertically and
    // a few digits apart horizontally.
    const int top = std::max(bestScore_, 1);
    const std::int64_t yStep = niceStep(top * 2.0 * line / plot.height());
    const auto yFor = [&](double score) { return plot.bottom() - score * plot.height() / top; };
    QColor grid = palette().color(QPalette::Mid);
    for (std::int64_t score = 0; score <= top; score += yStep) {
        const int y = static_cast<int>(std::lround(yFor(static_cast<double>(score))));
        painter.setPen(grid);
        painter.drawLine(plot.left(), y, plot.right(), y);
        painter.setPen(palette().color(QPalette::Text));
        painter.drawText(QRect(0, y - line / 2, yLabelWidth, line), Qt::AlignRight | Qt::AlignVCenter,
                         QString::number(score));
    }
    const int digitWidth = metrics.horizontalAdvance(QString::number(count));
    const std::int64_t xStep = niceStep(static_cast<double>(count) * (digitWidth + line * 2) / plot.width());
    const auto xFor = [&](double game) {
        return plot.left() + game * plot.width() / static_cast<double>(count);
    };
    for (std::int64_t game = 0; game <= static_cast<std::int64_t>(count); game += xStep) {
        const int x = static_cast<int>(std::lround(xFor(static_cast<double>(game))));
        painter.drawLine(x, plot.bottom(), x, plot.bottom() + line / 3);
        painter.drawText(QRect(x - digitWidth, plot.bottom() + line / 3, digitWidth * 2, line),
                         Qt::AlignHCenter, QString::number(game));
    }
    painter.drawText(QRect(plot.left(), plot.bottom() + line, plot.width(), line), Qt::AlignHCenter,
                     tr("Games played"));
    painter.drawLine(plot.bottomLeft(), plot.bottomRight());
    painter.drawLine(plot.bottomLeft(), plot.topLeft());

    // The games, column by column: every game falls in exactly one.
    const int columns = plot.width();
    std::array<std::vector<Column>, 2> modes{std::vector<Column>(static_cast<std::size_t>(columns)),
                                             std::vector<Column>(static_cast<std::size_t>(columns))};
    std::array<int, 2> best{-1, -1};
    for (std::size_t i = 0; i < count; ++i) {
        const history::GameSummary& game = (*games_)[i];
        const auto mode = static_cast<std::size_t>(game.twoWay);
        Column& column = modes[mode][std::min(i * static_cast<std::size_t>(columns) / count,
                                              static_cast<std::size_t>(columns) - 1)];
        column.low = column.high < column.low ? game.score : std::min(column.low, game.score);
        column.high = std::max(column.high, game.score);
        best[mode] = std::max(best[mode], game.score);
        column.best = best[mode];
    }

    painter.setRenderHint(QPainter::Antialiasing);
    const qreal dot = std::max<qreal>(1.5, line / 6.0);
    for (std::size_t mode = 0; mode < 2; ++mode) {
        const QColor colour = mode == 0 ? FourWayColour : TwoWayColour;
        QColor faint = colour;
        faint.setAlpha(count > static_cast<std::size_t>(columns) ? 150 : 200);
        QPainterPath bestLine;
        std::optional<QPointF> last;
        for (int x = 0; x < columns; ++x) {
            const Column& column = modes[mode][static_cast<std::size_t>(x)];
            if (column.high < column.low)
                continue;
            const qreal px = plot.left() + x + 0.5;
            painter.setPen(Qt::NoPen);
            painter.setBrush(faint);
            if (column.high == column.low)
                painter.drawEllipse(QPointF(px, yFor(column.high)), dot, dot);
            else
                painter.drawRoundedRect(QRectF(px - dot, yFor(column.high) - dot, dot * 2,
                                               yFor(column.low) - yFor(column.high) + dot * 2),
                                        dot, dot);
            const QPointF at(px, yFor(*column.best));
            if (!last)
                bestLine.moveTo(at);
            else
                bestLine.lineTo(QPointF(px, last->y())), bestLine.lineTo(at);
            last = at;
        }
        if (last)
            bestLine.lineTo(QPointF(plot.right(), last->y()));
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(colour, std::max<qreal>(2.0, line / 8.0)));
        painter.drawPath(bestLine);
    }

    // The legend, above the plot: a dot for a game, a line for the best.
    int x = plot.left();
    const int middle = line;
    for (const bool twoWay : {false, true}) {
        const QColor colour = twoWay ? TwoWayColour : FourWayColour;
        painter.setPen(Qt::NoPen);
        painter.setBrush(colour);
        painter.drawEllipse(QPointF(x + dot, middle), dot, dot);
        painter.setPen(QPen(colour, std::max<qreal>(2.0, line / 8.0)));
        painter.drawLine(QPointF(x + dot * 3, middle), QPointF(x + dot * 3 + line, middle));
        x += static_cast<int>(dot * 3) + line + line / 3;
        const QString label = twoWay ? tr("2-Way games, best so far") : tr("4-Way games, best so far");
        painter.setPen(palette().color(QPalette::Text));
        const int width = metrics.horizontalAdvance(label) + 1;
        painter.drawText(QRect(x, middle - line / 2, width, line), Qt::AlignVCenter, label);
        x += width + line;
    }
}

} // namespace vexel::qt
