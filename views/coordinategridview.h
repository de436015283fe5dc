#pragma once

#include <QBrush>
#include <QByteArray>
#include <QElapsedTimer>
#include <QFont>
#include <QHash>
#include <QImage>
#include <QPen>
#include <QPointF>
#include <QRect>
#include <QString>
#include <QWidget>

#include <memory>

class QDataStream;
class QGestureEvent;
class QPainter;
class QTextLayout;
class QTimer;

// Zoomable widget that projects a rectangle of world coordinates onto itself and
// draws a grid at "nice" steps. The plot views derive from it and override the
// virtual hooks they need; the paint layers always run in the same order.
class CoordinateGridView : public QWidget
{
    Q_OBJECT

public:
    explicit CoordinateGridView(QWidget *parent = nullptr);
    ~CoordinateGridView() override;

    virtual void setVScale(double in_vScale);
    virtual void setHScale(double in_hScale);
    virtual void setText(const QString &in_text);
    QString caption() const { return text; }

    virtual bool gestureEvent(QGestureEvent *event);
    virtual void zoom(double factor);

    virtual double niceStepY(double value);
    virtual double niceStepX(double value);
    virtual double niceStep(double value);

    virtual double mapX(QPainter *p, double x);
    virtual double mapY(QPainter *p, double y);
    virtual QPointF mapToScreen(QPainter *p, const QPointF &point);
    virtual double gridStepY(QPainter *p);
    virtual double gridStepX(QPainter *p);
    virtual QPointF plotCenter(QPainter *p);
    virtual double leftMargin(QPainter *p);
    virtual double rightMargin(QPainter *p);
    virtual double bottomMargin(QPainter *p);
    virtual double topMargin(QPainter *p);
    virtual double scaleY(QPainter *p);
    virtual double scaleX(QPainter *p);
    virtual QPointF topLeft();
    virtual QPointF bottomRight();

    // A grid pass never draws more lines than this in one direction, whatever the
    // step: a degenerate range must cost a bounded amount of painting.
    static constexpr int maxGridLines = 1000;

    // A view repaints for new data at most this often (see updateForData).
    static constexpr int dataRepaintIntervalMs = 200;

signals:
    void vScaleChanged(double in_vScale);
    void hScaleChanged(double in_hScale);

protected:
    virtual void drawGrid(QPainter *p);
    virtual void drawHorizontalGrid(QPainter *p);
    virtual void drawVerticalGrid(QPainter *p);
    virtual void drawAxes(QPainter *p);
    virtual void drawAxisX(QPainter *p);
    virtual void drawAxisY(QPainter *p);
    virtual void drawYLabel(QPainter *p, double value, double screenY);
    virtual void drawXLabel(QPainter *p, double value, double screenX);
    virtual void drawBackground(QPainter *p);
    virtual void drawData(QPainter *p);
    virtual void drawOverlay(QPainter *p);

    // Asks for a repaint after new data. A plot or track draws its whole history at
    // every paint, thousands of dots, while a receiver at 10 Hz moves its newest dot by
    // a fraction of a pixel; so data repaint the view at most every dataRepaintIntervalMs,
    // the newest data always included. What the user does repaints at once (update()).
    void updateForData();
    // The layers above the background, in their order: grid, axes, data, overlay.
    void drawForeground(QPainter *p);

    // For a view whose data all go into drawBackground(): the layers above it are
    // then drawn once into a transparent image and reused for as long as what
    // writeForegroundKey() writes, and the painter's transform, font and hints,
    // stay the same.
    void setForegroundCached(bool cached);
    // Writes everything the layers above the background are drawn from. A view
    // that draws them from more of its state writes that too.
    virtual void writeForegroundKey(QDataStream &key) const;

    // p->fontMetrics().boundingRect(label) and p->drawText(rect, Qt::AlignCenter,
    // label) with the label's layout kept between paints: the views draw the same
    // few satellite numbers at every paint, and shaping them anew each time costs
    // more than drawing them.
    QRect labelBoundingRect(QPainter *p, const QString &label);
    void drawCentredLabel(QPainter *p, const QRect &rect, const QString &label);

    // Whether an image drawn beforehand and composed onto p's device shows what
    // drawing with p directly would (plain source-over, nothing faded, a
    // transform that can be undone).
    static bool composesLikeDirectDrawing(QPainter *p);
    // Draws image unscaled with its top-left corner on the device pixel at.
    static void drawAtDevicePixel(QPainter *p, const QImage &image, const QPoint &at);

    bool event(QEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

    // A step the grid loops can walk: positive and finite.
    static bool isUsableStep(double step);

    QPointF fixedTopLeft;
    QPointF fixedBottomRight;
    double pixelsPerUnitY;
    double pixelsPerUnitX;
    bool fixedRangeY;
    bool fixedRangeX;
    double vScale;
    double hScale;
    QString text;
    QPen gridPen;
    QPen axisPen;
    QBrush brush;

private:
    QTimer *dataRepaintTimer = nullptr;
    QElapsedTimer lastPaint;

    struct Label
    {
        QRect bounds;
        std::shared_ptr<QTextLayout> layout;
    };

    void drawCachedForeground(QPainter *p);
    const Label &cachedLabel(QPainter *p, const QString &text);

    bool foregroundCached;
    QByteArray foregroundKey;
    QImage foregroundImage;
    QPoint foregroundOrigin; // device pixel of the image's top-left corner, less the whole pixels of the translation
    QHash<QString, Label> labels;
    // The font, resolution and direction the labels were laid out in.
    QFont labelFont;
    int labelDpi;
    Qt::LayoutDirection labelDirection;
};
