#include "trackview.h"

#include <QFontMetrics>
#include <QPainter>

#include <cmath>

#include "qualitycolor.h"

TrackView::TrackView(QWidget *parent)
    : CoordinateGridView(parent),
      maxNumberPointsLimit(5000),
      labelOffset(6.0),
      pointRadius(2.5),
      dots(pointRadius)
{
}

void TrackView::addPoint(double x, double y, qint16 quality)
{
    // With a limit below 1 the list keeps the newest point only; it never
    // removes from an empty list.
    if (points.size() >= maxNumberPointsLimit && !points.isEmpty())
        points.removeFirst();
    points.append(qMakePair(QPointF(x, y) - pointShift, quality));
    updateForData();
}

void TrackView::shiftPoints(double dx, double dy)
{
    pointShift += QPointF(dx, dy);
    updateForData();
}

void TrackView::clear()
{
    points.clear();
    pointShift = QPointF();
    text.clear();
    update();
}

void TrackView::setMaxNumberPoints(int n)
{
    while (points.size() > n && !points.isEmpty())
        points.removeFirst();
    maxNumberPointsLimit = n;
    update();
}

int TrackView::maxNumberPoints() const
{
    return maxNumberPointsLimit;
}

void TrackView::zoom(double factor)
{
    // Both axes zoom together around the reference point.
    const double v = vScale * factor;
    const double h = hScale * factor;
    if (v != 0 && h != 0 && std::isfinite(v) && std::isfinite(h)) {
        vScale = v;
        hScale = h;
    }
    update();
}

double TrackView::gridStepY(QPainter *p)
{
    // Square grid cells: north uses the east step.
    return gridStepX(p);
}

QString TrackView::labelText(double value)
{
    int decimals = 0;
    if (value < 0.1)
        decimals = 3;
    else if (value < 1)
        decimals = 2;
    else if (value < 10)
        decimals = 1;
    return QString::number(value, 'f', decimals);
}

void TrackView::drawAxisX(QPainter *p)
{
    const double a = labelOffset;
    const double x0 = mapX(p, 0);
    const double yt = mapY(p, topLeft().y());
    const double yb = mapY(p, bottomRight().y());
    p->save();
    p->setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    p->setPen(QPen(QColor(Qt::black), 1.5));
    p->drawLine(QPointF(x0, yt), QPointF(x0, yb));
    p->drawLine(QPointF(x0, yt), QPointF(x0 + a / 2, yt + 5 * a));
    p->drawLine(QPointF(x0, yt), QPointF(x0 - a / 2, yt + 5 * a));
    p->restore();
}

void TrackView::drawAxisY(QPainter *p)
{
    const double a = labelOffset;
    const double y0 = mapY(p, 0);
    const double xr = mapX(p, bottomRight().x());
    const double xl = mapX(p, topLeft().x());
    p->save();
    p->setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    p->setPen(QPen(QColor(Qt::black), 1.5));
    p->drawLine(QPointF(xr, y0), QPointF(xl, y0));
    p->drawLine(QPointF(xr, y0), QPointF(xr - 5 * a, y0 + a / 2));
    p->drawLine(QPointF(xr, y0), QPointF(xr - 5 * a, y0 - a / 2));
    p->restore();
}

void TrackView::drawYLabel(QPainter *p, double value, double screenY)
{
    if (!(value > 0))
        return;
    const QString label = labelText(value);
    QRect r = p->fontMetrics().boundingRect(label);
    r.setWidth(r.width() + 3);
    r.translate(int(rect().center().x() + labelOffset), int(screenY - (r.top() + r.height() / 2.0)));
    p->setPen(axisPen);
    p->drawText(r, Qt::AlignCenter, label);
}

void TrackView::drawXLabel(QPainter *p, double value, double screenX)
{
    if (!(value > 0))
        return;
    const QString label = labelText(value);
    QRect r = p->fontMetrics().boundingRect(label);
    r.setWidth(r.width() + 3);
    r.translate(int(screenX - r.width() / 2.0), int(rect().center().y() + r.height() + labelOffset / 2));
    p->setPen(axisPen);
    p->drawText(r, Qt::AlignCenter, label);
}

void TrackView::drawBackground(QPainter *p)
{
    const QPointF tl = topLeft();
    const QPointF br = bottomRight();
    // mapToScreen() with the scales and the centre taken once for all the points.
    const double sx = scaleX(p);
    const double sy = scaleY(p);
    const QPointF centre = plotCenter(p);
    dots.begin(p, size());
    for (int i = 0; i < points.size(); ++i) {
        const QPointF point = points.at(i).first + pointShift;
        if (!(point.x() > tl.x() && point.x() < br.x() && point.y() > br.y() && point.y() < tl.y()))
            continue;
        const QColor color = i == points.size() - 1 ? QColor(Qt::red) : qualityColor(points.at(i).second, Qt::gray);
        dots.addDot(QPointF(sx * point.x() + centre.x(), -sy * point.y() + centre.y()), color);
    }
    dots.end();
}

void TrackView::drawData(QPainter *p)
{
    const QFontMetrics fm = p->fontMetrics();
    const QRect area = rect();
    p->setPen(axisPen);

    const QString caption = QStringLiteral("  ") + text;
    QRect captionRect = fm.boundingRect(caption);
    captionRect.translate(area.left() + fm.horizontalAdvance(QLatin1Char(' ')),
                          int(area.bottom() - 0.3 * captionRect.height()));
    p->drawText(captionRect, Qt::AlignCenter, caption);

    const QPoint m = area.center();
    auto labelRect = [&](const QString &label) {
        QRect r = fm.boundingRect(label);
        r.setWidth(r.width() + 3);
        return r;
    };

    const QString west = tr("W");
    QRect r = labelRect(west);
    r.translate(area.left() + r.center().x(), int(m.y() + r.center().y() - labelOffset));
    p->drawText(r, Qt::AlignCenter, west);

    const QString north = tr("N, m.");
    r = labelRect(north);
    r.translate(int(m.x() - r.width() - labelOffset), area.top() + r.height());
    p->drawText(r, Qt::AlignCenter, north);

    const QString east = tr("E, m.");
    r = labelRect(east);
    r.translate(area.right() - r.width(), int(m.y() + r.center().y() - labelOffset));
    p->drawText(r, Qt::AlignCenter, east);

    const QString south = tr("S");
    r = labelRect(south);
    r.moveTo(int(m.x() - r.width() - labelOffset), area.bottom() - r.height());
    p->drawText(r, Qt::AlignCenter, south);
}
