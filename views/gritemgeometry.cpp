#include "gritemgeometry.h"

#include <QGraphicsView>
#include <QLineF>

#include <cmath>

QRectF dialSquare(double s, double fontHeight)
{
    return QRectF(-s / 2, -s / 2, s, s).translated(0, int(-fontHeight / 2));
}

void setDialPen(QPainter *painter)
{
    painter->setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    painter->setPen(QPen(QColor(Qt::gray), 2));
}

QRectF drawDialBackground(QPainter *painter, double s, double fontHeight)
{
    const double tick = s / 12;
    const QRectF r = dialSquare(s, fontHeight);
    setDialPen(painter);
    painter->drawEllipse(r);

    const double cx = r.center().x();
    const double cy = r.center().y();
    auto line = [painter](double x1, double y1, double x2, double y2) {
        painter->drawLine(int(x1), int(y1), int(x2), int(y2));
    };
    line(r.left(), cy, r.left() + tick, cy);
    line(cx, r.top(), cx, r.top() + tick);
    line(r.right(), cy, r.right() - tick, cy);
    line(cx, r.bottom(), cx, r.bottom() - tick);

    // The 45-degree points of the circle lie k in from each corner of its square.
    const int k = int(s * (2 - std::sqrt(2.0)) / 4);
    const int m = int(k + tick / std::sqrt(2.0));
    line(r.left() + k, r.top() + k, r.left() + m, r.top() + m);
    line(r.right() - k, r.top() + k, r.right() - m, r.top() + m);
    line(r.right() - k, r.bottom() - k, r.right() - m, r.bottom() - m);
    line(r.left() + k, r.bottom() - k, r.left() + m, r.bottom() - m);
    return r;
}

void fillOnlyWithViewBrush(QGraphicsView *view)
{
    const QBrush brush = view->backgroundBrush();
    if (brush.style() == Qt::SolidPattern && brush.isOpaque())
        view->viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
}
