#include "aircraftfrontviewgritem.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>

#include "gritemgeometry.h"

AircraftFrontViewGrItem::AircraftFrontViewGrItem()
    : aspect(200.0 / 81.0),
      w(100.0),
      h(43.5),
      centre(0, 0)
{
}

QRectF AircraftFrontViewGrItem::boundingRect() const
{
    return QRectF(-w / 2, -h / 2, w, h);
}

void AircraftFrontViewGrItem::paint(QPainter *painter, const QStyleOptionGraphicsItem *, QWidget *widget)
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

    auto at = [&](double a, double b) { return c + QPointF(a * w, b * h); };
    auto polyline = [&](QPainterPath &path, std::initializer_list<QPointF> pairs) {
        bool first = true;
        for (const QPointF &pair : pairs) {
            if (first)
                path.moveTo(at(pair.x(), pair.y()));
            else
                path.lineTo(at(pair.x(), pair.y()));
            first = false;
        }
    };

    QPainterPath path;
    polyline(path, {{-0.07, 0.01}, {-0.5, 0.01}, {-0.5, 0}, {-0.07, -0.054}});
    polyline(path, {{-0.016, -0.295}, {-0.007, -0.39}, {-0.001, -0.86}, {0.001, -0.86}, {0.007, -0.39}, {0.016, -0.295}});
    polyline(path, {{0.07, 0.01}, {0.5, 0.01}, {0.5, 0}, {0.07, -0.054}});

    const QRectF fuselage(at(-0.07, -0.2), at(0.07, 0.14));
    path.addEllipse(fuselage);
    path.addEllipse(QRectF(at(-0.04, -0.125), at(0.04, 0.07)));

    // The canopy starts where the fuselage outline is at 135 degrees.
    const double angle = 135.0 * M_PI / 180.0;
    path.moveTo(fuselage.center().x() + fuselage.width() / 2 * std::cos(angle),
                fuselage.center().y() - fuselage.height() / 2 * std::sin(angle));
    path.arcTo(QRectF(at(-0.05, -0.3), at(0.05, -0.01)), 180, -180);

    painter->drawPath(path);
}
