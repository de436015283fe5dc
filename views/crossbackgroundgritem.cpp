#include "crossbackgroundgritem.h"

#include <QDataStream>
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
    const double fontHeight = frame.fontHeight;
    *circle = dialSquare(s, fontHeight);
    // The pen is 2 wide and smoothed: it reaches at most 2 pixels outside the square.
    const QRectF extent = circle->adjusted(-3, -3, 3, 3);
    QByteArray shape;
    {
        QDataStream stream(&shape, QIODevice::WriteOnly);
        stream << s << fontHeight;
    }
    face.draw(painter, widget, extent, shape, [this, fontHeight](QPainter *p) { drawDialBackground(p, s, fontHeight); });
    setDialPen(painter);
    return true;
}

void CrossBackgroundGrItem::setFaceCached(bool cached)
{
    face.setEnabled(cached);
    update();
}
