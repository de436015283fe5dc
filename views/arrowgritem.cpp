#include "arrowgritem.h"

#include <QPainter>

#include "gritemgeometry.h"

ArrowGrItem::ArrowGrItem()
    : width(6.0),
      length(10.0),
      centre(0, 0)
{
}

QRectF ArrowGrItem::boundingRect() const
{
    return QRectF(-width / 2, -length / 2, width, length);
}

void ArrowGrItem::paint(QPainter *painter, const QStyleOptionGraphicsItem *, QWidget *widget)
{
    GrItemFrame frame;
    if (!grItemFrame(painter, widget, &frame))
        return;
    const QPointF c = frame.centre();
    if (centre != c) {
        centre = c;
        setTransformOriginPoint(c);
    }
    const double newLength = 0.85 * frame.size();
    if (newLength != length) {
        prepareGeometryChange();
        length = newLength;
    }

    painter->setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    painter->setPen(QPen(QColor(Qt::black), 2));

    const QRectF r = boundingRect().translated(centre);
    const int midX = int(r.center().x());
    const int top = int(r.top());
    const int headBase = int(r.top() + 5 * width);
    painter->drawLine(midX, top, midX, int(r.bottom()));
    painter->drawLine(midX, top, int(r.left()), headBase);
    painter->drawLine(midX, top, int(r.right()), headBase);
}
