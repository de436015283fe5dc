#include "dialfacecache.h"

#include <QBrush>
#include <QDataStream>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QPainter>
#include <QWidget>

#include <cmath>

#include "pixelaligned.h"

namespace {

// The one colour every pixel under the face has before the face is drawn, when
// there is one: a graphics view's own solid background brush, which covers all it
// repaints; otherwise (no brush of the view's or its scene's) the solid colour the
// widget fills itself with.
bool solidBackground(const QWidget *widget, QColor *colour)
{
    if (!widget)
        return false;
    QBrush brush = widget->palette().brush(widget->backgroundRole());
    bool filled = widget->autoFillBackground();
    if (const auto *view = qobject_cast<const QGraphicsView *>(widget->parentWidget())) {
        if (view->backgroundBrush().style() != Qt::NoBrush) {
            brush = view->backgroundBrush();
            filled = true;
        } else if (view->scene() && view->scene()->backgroundBrush().style() != Qt::NoBrush) {
            return false;
        }
    }
    if (!filled || brush.style() != Qt::SolidPattern || brush.color().alpha() != 255)
        return false;
    *colour = brush.color();
    return true;
}

} // namespace

void DialFaceCache::setEnabled(bool on)
{
    enabled = on;
    key.clear();
    image = QImage();
}

void DialFaceCache::draw(QPainter *painter, const QWidget *widget, const QRectF &extent, const QByteArray &shape,
                         const std::function<void(QPainter *)> &drawFace)
{
    QColor background;
    const QTransform device = painter->deviceTransform();
    if (!enabled || device.type() > QTransform::TxTranslate || !composesLikeDirectDrawing(painter)
        || !solidBackground(widget, &background)) {
        drawFace(painter);
        return;
    }
    const QPoint whole(int(std::floor(device.dx())), int(std::floor(device.dy())));
    const QTransform within = QTransform::fromTranslate(device.dx() - whole.x(), device.dy() - whole.y());

    QByteArray newKey;
    {
        QDataStream stream(&newKey, QIODevice::WriteOnly);
        stream << shape << extent << within << background.rgba() << int(painter->renderHints())
               << painter->font();
    }
    if (newKey != key) {
        const QRect area = within.mapRect(extent).toAlignedRect();
        auto render = [&](const QColor &fill) {
            QImage layer(area.size(), QImage::Format_ARGB32_Premultiplied);
            layer.fill(fill);
            QPainter p(&layer);
            p.setRenderHints(painter->renderHints());
            p.setFont(painter->font());
            p.setTransform(within * QTransform::fromTranslate(-area.x(), -area.y()));
            drawFace(&p);
            return layer;
        };
        image = render(background);
        const QImage touched = render(Qt::transparent);
        for (int y = 0; y < image.height(); ++y) {
            auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
            const auto *cover = reinterpret_cast<const QRgb *>(touched.constScanLine(y));
            for (int x = 0; x < image.width(); ++x) {
                if (qAlpha(cover[x]) == 0)
                    line[x] = 0;
            }
        }
        origin = area.topLeft();
        key = newKey;
    }
    drawAtDevicePixel(painter, image, whole + origin);
}
