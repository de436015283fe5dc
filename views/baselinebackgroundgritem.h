#pragma once

#include "crossbackgroundgritem.h"

// The base-line window's dial: the cross-hair circle with the four cardinal
// letters on it.
class BaseLineBackgroundGrItem : public CrossBackgroundGrItem
{
public:
    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget) override;
};
