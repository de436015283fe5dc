#pragma once

#include <QGraphicsObject>
#include <QPointF>

// An aircraft seen from the front; the course window turns it by the roll.
class AircraftFrontViewGrItem : public QGraphicsObject
{
    Q_OBJECT

public:
    AircraftFrontViewGrItem();

    QRectF boundingRect() const override;
    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget) override;

private:
    double aspect;
    double w;
    double h;
    QPointF centre;
};
