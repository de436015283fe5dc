#pragma once

#include "coordinategridview.h"
#include "dotpainter.h"

#include <QList>
#include <QPair>
#include <QPointF>

// The track of the receiver's positions in metres east and north of a
// reference point that stays at the centre of the widget.
class TrackView : public CoordinateGridView
{
    Q_OBJECT

public:
    explicit TrackView(QWidget *parent = nullptr);

    void addPoint(double x, double y, qint16 quality);
    void shiftPoints(double dx, double dy);
    void clear();
    void setMaxNumberPoints(int n);
    int maxNumberPoints() const;

    void zoom(double factor) override;
    double gridStepY(QPainter *p) override;

    int pointCount() const { return points.size(); }
    QPointF pointAt(int index) const { return points.at(index).first + pointShift; }
    qint16 qualityAt(int index) const { return points.at(index).second; }

    // Text of an axis label: more decimals the smaller the value.
    static QString labelText(double value);

protected:
    void drawAxisX(QPainter *p) override;
    void drawAxisY(QPainter *p) override;
    void drawYLabel(QPainter *p, double value, double screenY) override;
    void drawXLabel(QPainter *p, double value, double screenX) override;
    void drawBackground(QPainter *p) override;
    void drawData(QPainter *p) override;

    // The limit; the accessor of the same meaning takes the plain name.
    int maxNumberPointsLimit;
    double labelOffset;
    double pointRadius;
    // Points are kept as added; shiftPoints() moves them all by changing pointShift, which
    // drawing adds, rather than rewriting thousands of points at every position.
    QList<QPair<QPointF, qint16>> points;
    QPointF pointShift;
    DotPainter dots;
};
