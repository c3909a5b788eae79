#pragma once

#include "qt/history/game_list_model.h"

#include <QColor>
#include <QWidget>

class QPainter;

namespace vexel::qt {

// The score of every game in the order played, each mode in its colour,
// and for each mode the best score so far as a line. Drawn for the size it
// has, in logical pixels, with axis labels spaced by the font's own
// measure, so it stays readable at any window size and scale factor. With
// more games than pixel columns, a column's dot is the average of its
// games rather than every point on top of the others.
class ProgressChart final : public QWidget {
    Q_OBJECT

public:
    static const QColor FourWayColour;
    static const QColor TwoWayColour;

    explicit ProgressChart(QWidget* parent = nullptr);

    void setGames(GameListModel::Games games);

    QSize sizeHint() const override { return {560, 320}; }
    QSize minimumSizeHint() const override { return {240, 160}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    double yFor(const QRect& plot, double score) const;
    void drawAxes(QPainter& painter, const QRect& plot, int yLabelWidth) const;
    void drawGames(QPainter& painter, const QRect& plot) const;
    void drawLegend(QPainter& painter, QPoint at) const;

    GameListModel::Games games_;
    int bestScore_ = 0;
};

} // namespace vexel::qt
