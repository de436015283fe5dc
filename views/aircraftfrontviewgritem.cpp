#include "aircraftfrontviewgritem.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>

AircraftFrontViewGrItem::AircraftFrontViewGrItem()
    : DialFigureGrItem(QSizeF(100.0, 43.5)),
      aspect(200.0 / 81.0)
{
}

void AircraftFrontViewGrItem::paint(QPainter *painter, const QStyleOptionGraphicsItem *, QWidget *widget)
{
    GrItemFrame frame;
    if (!beginPaint(painter, widget, &frame))
        return;
    const double newW = 0.75 * frame.size();
    resize(newW, newW / aspect);

    QPainterPath path;
    addOutline(path, {{-0.07, 0.01}, {-0.5, 0.01}, {-0.5, 0}, {-0.07, -0.054}});
    addOutline(path, {{-0.016, -0.295}, {-0.007, -0.39}, {-0.001, -0.86}, {0.001, -0.86}, {0.007, -0.39}, {0.016, -0.295}});
    addOutline(path, {{0.07, 0.01}, {0.5, 0.01}, {0.5, 0}, {0.07, -0.054}});

    const QRectF fuselage(at({-0.07, -0.2}), at({0.07, 0.14}));
    path.addEllipse(fuselage);
    path.addEllipse(QRectF(at({-0.04, -0.125}), at({0.04, 0.07})));

    // The canopy starts where the fuselage outline is at 135 degrees.
    const double angle = 135.0 * M_PI / 180.0;
    path.moveTo(fuselage.center().x() + fuselage.width() / 2 * std::cos(angle),
                fuselage.center().y() - fuselage.height() / 2 * std::sin(angle));
    path.arcTo(QRectF(at({-0.05, -0.3}), at({0.05, -0.01})), 180, -180);

    painter->drawPath(path);
}
