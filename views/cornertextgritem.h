#pragma once

#include <QGraphicsTextItem>
#include <QRectF>
#include <QString>

// A caption and a value written in the lower left corner of the view that shows
// the item, for example " Roll: " followed by the angle.
class CornerTextGrItem : public QGraphicsTextItem
{
    Q_OBJECT

public:
    CornerTextGrItem();

    void setText1(const QString &value);
    void setText2(const QString &caption);

    QRectF boundingRect() const override;
    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget) override;

private:
    QString text1;
    QString text2;
    QRectF textRect;
};
