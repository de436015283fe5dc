#include "crossbackgroundgritem.h"

#include <QPainter>

#include "gritemgeometry.h"

CrossBackgroundGrItem::CrossBackgroundGrItem()
    : s(0)
{
}

QRectF CrossBackgroundGrItem::boundingRect() const
{
    return QRectF(-s / 2, -s / 2, s, s);
}

void CrossBackgroundGrItem::paint(QPainter *painter, const QStyleOptionGraphicsItem *, QWidget *widget)
{
    QRectF circle;
    paintDial(painter, widget, &circle);
}

bool CrossBackgroundGrItem::paintDial(QPainter *painter, const QWidget *widget, QRectF *circle)
{
    GrItemFrame frame;
    if (!grItemFrame(painter, widget, &frame))
        return false;
    const double newS = 0.95 * frame.size();
    if (newS != s) {
        prepareGeometryChange();
        s = newS;
    }
    *circle = drawDialBackground(painter, s, frame.fontHeight);
    return true;
}
