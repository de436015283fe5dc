#pragma once

#include <QPaintDevice>
#include <QPainter>
#include <QPointF>
#include <QRectF>
#include <QWidget>

class QGraphicsView;

// What the course and base-line items size themselves from at each paint: the
// widget they are painted on (the view's viewport), its font height, the side of
// the largest square that leaves a text line free, and the drawing centre half a
// text line above the origin.
struct GrItemFrame
{
    double viewWidth = 0;
    double viewHeight = 0;
    double fontHeight = 0;

    double size() const
    {
        return viewHeight - fontHeight <= viewWidth ? viewHeight - fontHeight : viewWidth;
    }
    QPointF centre() const { return QPointF(0, -fontHeight / 2); }
};

// Fills the frame for one paint. Painting into a pixmap or a printer passes no
// widget; the painter's device then gives the size. Returns false when neither
// is there, and the item draws nothing.
inline bool grItemFrame(QPainter *painter, const QWidget *widget, GrItemFrame *frame)
{
    if (widget) {
        frame->viewWidth = widget->width();
        frame->viewHeight = widget->height();
    } else if (painter && painter->device()) {
        frame->viewWidth = painter->device()->width();
        frame->viewHeight = painter->device()->height();
    } else {
        return false;
    }
    frame->fontHeight = painter->fontMetrics().height();
    return true;
}

// The grey dial of the course and base-line pictures: a circle of diameter s
// whose centre is half a text line above the origin, with four axis ticks and four
// diagonal ticks pointing inwards. Returns the circle's square.
QRectF drawDialBackground(QPainter *painter, double s, double fontHeight);
// The dial's square, as drawDialBackground returns it.
QRectF dialSquare(double s, double fontHeight);
// The hints and pen drawDialBackground leaves the painter with.
void setDialPen(QPainter *painter);

// A view with a solid background brush of its own fills all it repaints with it, so
// its viewport need not be filled with the palette's colour first (nor anything
// behind it painted): a course dial turning many times a second then fills each
// pixel once. Views without such a brush are left as they are.
void fillOnlyWithViewBrush(QGraphicsView *view);
