#pragma once

#include "coordinategridview.h"
#include "dotpainter.h"

#include <QList>
#include <QPair>
#include <QPointF>
#include <QRect>

// One value plotted against the time of day as a row of dots coloured by the
// solution quality. The time window follows the newest sample and wraps at
// midnight.
class PlotView : public CoordinateGridView
{
    Q_OBJECT

public:
    explicit PlotView(QWidget *parent = nullptr);

    void addValue(double time, double value, qint16 quality);
    void shiftValues(double delta);
    void clear();

    void setHScale(double in_hScale) override;
    void zoom(double factor) override;
    double niceStepX(double value) override;
    double mapX(QPainter *p, double x) override;
    double gridStepX(QPainter *p) override;
    QPointF topLeft() override;
    QPointF bottomRight() override;
    double bottomMargin(QPainter *p) override;

    // Seconds that the lead of a few dot widths stands for at the current width
    // and scale; the newest sample sits that far left of the right edge.
    double leadMargin();
    static double timeOfDay(double value);
    double timeToX(double time);
    // Minutes and seconds of a time of day, as on the time axis.
    static QString timeLabelText(double time);
    // Where a time label under the grid line at screenX, and a value's label at the left
    // of its line at screenY, are written.
    QRect timeLabelRect(QPainter *p, const QString &label, double screenX);
    QRect valueLabelRect(QPainter *p, double value, double screenY);

    int pointCount() const { return points.size(); }
    // A stored point as (time in seconds, value), oldest first, and its quality.
    QPointF pointAt(int index) const { return points.at(index).first + QPointF(0, valueShift); }
    qint16 qualityAt(int index) const { return points.at(index).second; }

protected:
    void drawVerticalGrid(QPainter *p) override;
    void drawAxisX(QPainter *p) override;
    void drawYLabel(QPainter *p, double value, double screenY) override;
    void drawBackground(QPainter *p) override;
    void drawData(QPainter *p) override;

    void drawTimeLabel(QPainter *p, double time, double screenX);

    int maxPoints;
    double pointRadius;
    // Points are kept as added; shiftValues() moves them all by changing valueShift, which
    // drawing adds, rather than rewriting thousands of points at every position.
    QList<QPair<QPointF, qint16>> points;
    double valueShift = 0;
    DotPainter dots;
};
