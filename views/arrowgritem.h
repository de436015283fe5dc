#pragma once

#include <QGraphicsObject>
#include <QPointF>

// A vertical arrow pointing up; the windows turn it to a course or an azimuth.
class ArrowGrItem : public QGraphicsObject
{
    Q_OBJECT

public:
    ArrowGrItem();

    QRectF boundingRect() const override;
    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget) override;

private:
    double width;
    double length;
    QPointF centre;
};
