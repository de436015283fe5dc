#pragma once

// What the course and base-line windows show in their graphics views, as a person
// would see it: the items of a view's scene, and the text an item actually paints.

#include <QGraphicsItem>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <QPropertyAnimation>
#include <QStringList>
#include <QStyleOptionGraphicsItem>
#include <QTextItem>
#include <QWidget>

// The first item of type T in the view's scene.
template <typename T>
T *sceneItem(const QGraphicsView *view)
{
    if (!view || !view->scene())
        return nullptr;
    const QList<QGraphicsItem *> items = view->scene()->items();
    for (QGraphicsItem *item : items) {
        if (auto *found = dynamic_cast<T *>(item))
            return found;
    }
    return nullptr;
}

// The rotation animations running on a picture.
inline int runningTurns(const QGraphicsObject *item)
{
    int running = 0;
    const QList<QPropertyAnimation *> animations =
        item->findChildren<QPropertyAnimation *>(QString(), Qt::FindDirectChildrenOnly);
    for (const QPropertyAnimation *animation : animations)
        running += animation->state() == QAbstractAnimation::Running ? 1 : 0;
    return running;
}

// A paint device that keeps the text drawn on it and nothing else. It measures like the
// widget it stands in for, so an item that sizes itself from the font paints as it would
// there (and does not move its box for the probe).
class TextRecorder : public QPaintDevice
{
public:
    explicit TextRecorder(const QWidget *widget) : widget(widget) {}

    QPaintEngine *paintEngine() const override { return &engine; }
    QString text() const { return engine.texts.join(QString()); }

protected:
    int metric(PaintDeviceMetric metric) const override
    {
        switch (metric) {
        case PdmWidth: return widget->width();
        case PdmHeight: return widget->height();
        case PdmWidthMM: return widget->widthMM();
        case PdmHeightMM: return widget->heightMM();
        case PdmNumColors: return widget->colorCount();
        case PdmDepth: return widget->depth();
        case PdmDpiX: return widget->logicalDpiX();
        case PdmDpiY: return widget->logicalDpiY();
        case PdmPhysicalDpiX: return widget->physicalDpiX();
        case PdmPhysicalDpiY: return widget->physicalDpiY();
        case PdmDevicePixelRatio: return widget->devicePixelRatio();
        case PdmDevicePixelRatioScaled:
            return int(widget->devicePixelRatioF() * QPaintDevice::devicePixelRatioFScale());
        }
        return 0;
    }

private:
    class Engine : public QPaintEngine
    {
    public:
        Engine() : QPaintEngine(QPaintEngine::AllFeatures) {}
        bool begin(QPaintDevice *) override { return true; }
        bool end() override { return true; }
        void updateState(const QPaintEngineState &) override {}
        void drawPixmap(const QRectF &, const QPixmap &, const QRectF &) override {}
        void drawTextItem(const QPointF &, const QTextItem &textItem) override
        {
            texts.append(textItem.text());
        }
        void drawPolygon(const QPointF *, int, PolygonDrawMode) override {}
        void drawPath(const QPainterPath &) override {}
        Type type() const override { return User; }

        QStringList texts;
    };

    const QWidget *widget;
    mutable Engine engine;
};

// The text the item paints as the view would paint it (on the view's viewport).
inline QString paintedText(QGraphicsItem *item, const QGraphicsView *view)
{
    QWidget *viewport = view->viewport();
    TextRecorder device(viewport);
    QPainter painter(&device);
    painter.setFont(viewport->font());
    QStyleOptionGraphicsItem option;
    item->paint(&painter, &option, viewport);
    painter.end();
    return device.text();
}
