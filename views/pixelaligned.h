#pragma once

#include <QImage>
#include <QPainter>
#include <QPoint>

// Pictures drawn once into an image and placed on the device's pixel grid, for the
// views that draw the same shapes at every paint.

// Whether an image drawn beforehand and composed onto p's device shows what
// drawing with p directly would (plain source-over, nothing faded, a transform
// that can be undone).
bool composesLikeDirectDrawing(QPainter *p);

// Draws image unscaled with its top-left corner on the device pixel at.
void drawAtDevicePixel(QPainter *p, const QImage &image, const QPoint &at);
