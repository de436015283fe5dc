#pragma once

#include "dialfiguregritem.h"

// A vertical arrow pointing up; the windows turn it to a course or an azimuth.
class ArrowGrItem : public DialFigureGrItem
{
    Q_OBJECT

public:
    ArrowGrItem();

    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget) override;
};
