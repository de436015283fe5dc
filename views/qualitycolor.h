#pragma once

#include <QColor>

// The colour of a position by its GGA quality indicator, as the plot and track views draw
// it: 1 single cyan, 2 differential blue, 4 fixed green, 5 float yellow, 6 extrapolated
// black; every other code takes the view's own colour.
inline QColor qualityColor(qint16 quality, const QColor &other)
{
    switch (quality) {
    case 1: return Qt::cyan;
    case 2: return Qt::blue;
    case 4: return Qt::green;
    case 5: return Qt::yellow;
    case 6: return Qt::black;
    default: return other;
    }
}
