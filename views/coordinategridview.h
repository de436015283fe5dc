#pragma once

#include <QBrush>
#include <QPen>
#include <QPointF>
#include <QString>
#include <QWidget>

class QGestureEvent;
class QPainter;

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
};
