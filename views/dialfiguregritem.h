#pragma once

#include <QGraphicsObject>
#include <QPointF>
#include <QSizeF>

#include <vector>

#include "gritemgeometry.h"

class QPainterPath;

// A figure drawn over the course dial (the aircraft, the arrow). Its box is
// centred on the origin and resized from the view at each paint; the figure turns
// about the dial's centre, half a text line above the origin.
class DialFigureGrItem : public QGraphicsObject
{
    Q_OBJECT

public:
    QRectF boundingRect() const override;

protected:
    explicit DialFigureGrItem(const QSizeF &initialSize);

    // Takes the frame for this paint, moves the turning point to the dial's
    // centre and sets the black pen. Returns false when there is nothing to paint
    // on; the painter is then left as it was.
    bool beginPaint(QPainter *painter, const QWidget *widget, GrItemFrame *frame);
    void resize(double width, double height);

    double width() const { return w; }
    double height() const { return h; }
    QPointF centre() const { return c; }

    // The point at the given fractions of the box's width and height from the centre.
    QPointF at(const QPointF &fraction) const;
    // Adds an open outline through the points (fractions of the box), first to last.
    void addOutline(QPainterPath &path, const std::vector<QPointF> &fractions) const;

private:
    double w;
    double h;
    QPointF c;
};
