#pragma once

#include <QByteArray>
#include <QImage>
#include <QPoint>
#include <QRectF>

#include <functional>

class QPainter;
class QWidget;

// The course and base-line dials draw the same circle and ticks at every paint,
// and a turning aircraft repaints them many times a second. The face is drawn
// once into an image and placed at whole device pixels until its shape, its
// place within a pixel or the background changes.
//
// The image is drawn over the widget's own solid background, so its pixels are
// exactly those that drawing straight onto the widget would give; pixels the
// face does not touch stay transparent, so whatever was drawn there before shows
// as it did. (The dial is the first thing drawn where its circle and ticks lie: the
// corner text, drawn first in the base-line view, keeps to the text line below the
// dial.) Where that cannot hold (no widget, a background that is not one
// opaque colour, a scaled or turned painter, fading) the face is drawn directly.
class DialFaceCache
{
public:
    // Draws the face, which lies within extent in the painter's coordinates.
    // shape holds everything the picture depends on besides the painter.
    void draw(QPainter *painter, const QWidget *widget, const QRectF &extent, const QByteArray &shape,
              const std::function<void(QPainter *)> &drawFace);

    void setEnabled(bool on);

private:
    bool enabled = true;
    QByteArray key;
    QImage image;
    QPoint origin;
};
