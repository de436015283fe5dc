#include "arrowgritem.h"

#include <QPainter>

ArrowGrItem::ArrowGrItem()
    : DialFigureGrItem(QSizeF(6.0, 10.0))
{
}

void ArrowGrItem::paint(QPainter *painter, const QStyleOptionGraphicsItem *, QWidget *widget)
{
    GrItemFrame frame;
    if (!beginPaint(painter, widget, &frame))
        return;
    resize(width(), 0.85 * frame.size());

    const QRectF r = boundingRect().translated(centre());
    const int midX = int(r.center().x());
    const int top = int(r.top());
    const int headBase = int(r.top() + 5 * width());
    painter->drawLine(midX, top, midX, int(r.bottom()));
    painter->drawLine(midX, top, int(r.left()), headBase);
    painter->drawLine(midX, top, int(r.right()), headBase);
}
