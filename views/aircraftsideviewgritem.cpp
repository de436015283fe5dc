#include "aircraftsideviewgritem.h"

#include <QPainter>
#include <QPainterPath>

#include <vector>

#include "gritemgeometry.h"

AircraftSideViewGrItem::AircraftSideViewGrItem()
    : aspect(500.0 / 117.0),
      w(100.0),
      h(23.4),
      centre(0, 0)
{
}

QRectF AircraftSideViewGrItem::boundingRect() const
{
    return QRectF(-w / 2, -h / 2, w, h);
}

void AircraftSideViewGrItem::paint(QPainter *painter, const QStyleOptionGraphicsItem *, QWidget *widget)
{
    GrItemFrame frame;
    if (!grItemFrame(painter, widget, &frame))
        return;
    const QPointF c = frame.centre();
    if (centre != c) {
        centre = c;
        setTransformOriginPoint(c);
    }
    const double newW = 0.75 * frame.size();
    const double newH = newW / aspect;
    if (newW != w || newH != h) {
        prepareGeometryChange();
        w = newW;
        h = newH;
    }

    painter->setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    painter->setPen(QPen(QColor(Qt::black), 2));

    auto at = [&](const QPointF &pair) { return c + QPointF(pair.x() * w, pair.y() * h); };
    // The outlines are listed nose first and drawn from their last point back.
    auto backwards = [&](QPainterPath &path, const std::vector<QPointF> &pairs, bool closed) {
        path.moveTo(at(pairs.back()));
        for (auto it = pairs.rbegin() + 1; it != pairs.rend(); ++it)
            path.lineTo(at(*it));
        if (closed)
            path.closeSubpath();
    };

    QPainterPath path;
    backwards(path,
              {{0.365, -0.18}, {0.304, -0.31}, {0.23, -0.32}, {0.175, -0.29}, {-0.06, -0.29},
               {-0.2, -0.41}, {-0.41, -0.83}, {-0.5, -0.83}, {-0.415, -0.37}, {-0.415, 0.05},
               {-0.19, 0.17}, {0.31, 0.17}, {0.5, 0.13}, {0.5, -0.09}},
              true);
    backwards(path, {{0.16, -0.05}, {0.02, -0.05}, {-0.28, 0.07}, {-0.18, 0.07}, {0.22, -0.02}}, true);

    const std::vector<QPointF> cockpit = {{0.365, -0.18}, {0.3, -0.15}, {0.18, -0.23}, {0.17, -0.28}};
    path.moveTo(at(cockpit.front()));
    for (auto it = cockpit.begin() + 1; it != cockpit.end(); ++it)
        path.lineTo(at(*it));

    painter->drawPath(path);
}
