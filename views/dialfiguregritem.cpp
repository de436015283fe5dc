#include "dialfiguregritem.h"

#include <QPainter>
#include <QPainterPath>

DialFigureGrItem::DialFigureGrItem(const QSizeF &initialSize)
    : w(initialSize.width()),
      h(initialSize.height()),
      c(0, 0)
{
}

QRectF DialFigureGrItem::boundingRect() const
{
    return QRectF(-w / 2, -h / 2, w, h);
}

bool DialFigureGrItem::beginPaint(QPainter *painter, const QWidget *widget, GrItemFrame *frame)
{
    if (!grItemFrame(painter, widget, frame))
        return false;
    const QPointF newCentre = frame->centre();
    if (c != newCentre) {
        c = newCentre;
        setTransformOriginPoint(c);
    }
    painter->setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    painter->setPen(QPen(QColor(Qt::black), 2));
    return true;
}

void DialFigureGrItem::resize(double width, double height)
{
    // Exact comparison: any change, however small, moves the box the scene knows.
    if (width != w || height != h) {
        prepareGeometryChange();
        w = width;
        h = height;
    }
}

QPointF DialFigureGrItem::at(const QPointF &fraction) const
{
    return c + QPointF(fraction.x() * w, fraction.y() * h);
}

void DialFigureGrItem::addOutline(QPainterPath &path, const std::vector<QPointF> &fractions) const
{
    if (fractions.empty())
        return;
    path.moveTo(at(fractions.front()));
    for (auto it = fractions.begin() + 1; it != fractions.end(); ++it)
        path.lineTo(at(*it));
}
