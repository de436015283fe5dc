#pragma once

#include "dialfiguregritem.h"

// An aircraft seen from the front; the course window turns it by the roll.
class AircraftFrontViewGrItem : public DialFigureGrItem
{
    Q_OBJECT

public:
    AircraftFrontViewGrItem();

    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget) override;

private:
    double aspect;
};
