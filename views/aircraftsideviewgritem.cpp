#include "aircraftsideviewgritem.h"

#include <QPainter>
#include <QPainterPath>

#include <vector>

AircraftSideViewGrItem::AircraftSideViewGrItem()
    : DialFigureGrItem(QSizeF(100.0, 23.4)),
      aspect(500.0 / 117.0)
{
}

void AircraftSideViewGrItem::paint(QPainter *painter, const QStyleOptionGraphicsItem *, QWidget *widget)
{
    GrItemFrame frame;
    if (!beginPaint(painter, widget, &frame))
        return;
    const double newW = 0.75 * frame.size();
    resize(newW, newW / aspect);

    QPainterPath path;
    // The outlines are listed nose first and drawn closed from their last point back.
    auto backwards = [&](const std::vector<QPointF> &pairs) {
        addOutline(path, std::vector<QPointF>(pairs.rbegin(), pairs.rend()));
        path.closeSubpath();
    };
    backwards({{0.365, -0.18}, {0.304, -0.31}, {0.23, -0.32}, {0.175, -0.29}, {-0.06, -0.29},
               {-0.2, -0.41}, {-0.41, -0.83}, {-0.5, -0.83}, {-0.415, -0.37}, {-0.415, 0.05},
               {-0.19, 0.17}, {0.31, 0.17}, {0.5, 0.13}, {0.5, -0.09}});
    backwards({{0.16, -0.05}, {0.02, -0.05}, {-0.28, 0.07}, {-0.18, 0.07}, {0.22, -0.02}});

    addOutline(path, {{0.365, -0.18}, {0.3, -0.15}, {0.18, -0.23}, {0.17, -0.28}});

    painter->drawPath(path);
}
