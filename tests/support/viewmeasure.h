#pragma once

// Helpers for the view tests: a painter to ask a view's own mapping with, colour
// checks on grabbed pixels, and a wheel turn sent to a widget.

#include <QColor>
#include <QCoreApplication>
#include <QImage>
#include <QPainter>
#include <QWheelEvent>
#include <QWidget>

#include <cmath>
#include <cstdlib>

// A painter with the view's font, for the view's mapping functions that measure text.
class ViewMeasure
{
public:
    explicit ViewMeasure(const QWidget *view)
        : image(1, 1, QImage::Format_ARGB32),
          painter(&image)
    {
        painter.setFont(view->font());
    }

    QImage image;
    QPainter painter;
};

// Whether each channel of the two colours differs by at most tolerance.
inline bool coloursNear(const QColor &actual, const QColor &expected, int tolerance)
{
    return std::abs(actual.red() - expected.red()) <= tolerance
        && std::abs(actual.green() - expected.green()) <= tolerance
        && std::abs(actual.blue() - expected.blue()) <= tolerance;
}

// The colour a translucent colour gives over a white background.
inline QColor overWhite(const QColor &color)
{
    const double a = color.alphaF();
    auto mix = [a](int c) { return int(std::lround(c * a + 255 * (1 - a))); };
    return QColor(mix(color.red()), mix(color.green()), mix(color.blue()));
}

// One vertical wheel turn of delta (120 = one notch) in the middle of the widget.
inline void sendWheel(QWidget *widget, int delta)
{
    const QPointF at(widget->width() / 2.0, widget->height() / 2.0);
    QWheelEvent event(at, widget->mapToGlobal(at.toPoint()), QPoint(), QPoint(0, delta), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(widget, &event);
}
