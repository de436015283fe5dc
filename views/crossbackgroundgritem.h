#pragma once

#include <QGraphicsItem>

// The round cross-hair dial behind the course window's aircraft and arrow.
class CrossBackgroundGrItem : public QGraphicsItem
{
public:
    CrossBackgroundGrItem();

    QRectF boundingRect() const override;
    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget) override;

private:
    double s;
};
