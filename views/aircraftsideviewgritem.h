#pragma once

#include "dialfiguregritem.h"

// An aircraft seen from the side, nose to the right; the course window turns it
// by the pitch.
class AircraftSideViewGrItem : public DialFigureGrItem
{
    Q_OBJECT

public:
    AircraftSideViewGrItem();

    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget) override;

private:
    double aspect;
};
