#pragma once

#include <QGraphicsItem>

// The base-line window's dial: the cross-hair circle with the four cardinal
// letters on it.
class BaseLineBackgroundGrItem : public QGraphicsItem
{
public:
    BaseLineBackgroundGrItem();

    QRectF boundingRect() const override;
    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget) override;

private:
    double s;
};
