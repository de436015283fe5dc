#include "pixelaligned.h"

#include <QTransform>

bool composesLikeDirectDrawing(QPainter *p)
{
    return p->compositionMode() == QPainter::CompositionMode_SourceOver && p->opacity() == 1
        && p->worldTransform().isInvertible() && p->deviceTransform().isInvertible();
}

void drawAtDevicePixel(QPainter *p, const QImage &image, const QPoint &at)
{
    // The device transform is the world transform followed by the painter's own
    // part (the widget's place in its window, the screen's pixel ratio); the world
    // transform set here cancels that part.
    const QTransform own = p->worldTransform().inverted() * p->deviceTransform();
    p->save();
    p->setWorldTransform(QTransform::fromTranslate(at.x(), at.y()) * own.inverted());
    p->drawImage(0, 0, image);
    p->restore();
}
