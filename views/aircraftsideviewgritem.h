#pragma once

#include <QGraphicsObject>
#include <QPointF>

// An aircraft seen from the side, nose to the right; the course window turns it
// by the pitch.
class AircraftSideViewGrItem : public QGraphicsObject
{
    Q_OBJECT

public:
    AircraftSideViewGrItem();

    QRectF boundingRect() const override;
    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget) override;

private:
    double aspect;
    double w;
    double h;
    QPointF centre;
};
