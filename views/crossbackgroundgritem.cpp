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
    GrItemFrame frame;
    if (!grItemFrame(painter, widget, &frame))
        return;
    const double newS = 0.95 * frame.size();
    if (newS != s) {
        prepareGeometryChange();
        s = newS;
    }
    drawDialBackground(painter, s, frame.fontHeight);
}
