#include "coordinategridview.h"

#include <QEvent>
#include <QFontMetrics>
#include <QGestureEvent>
#include <QPainter>
#include <QPalette>
#include <QPinchGesture>
#include <QWheelEvent>

#include <cmath>

CoordinateGridView::CoordinateGridView(QWidget *parent)
    : QWidget(parent),
      fixedTopLeft(-5, 5),
      fixedBottomRight(5, -5),
      pixelsPerUnitY(500),
      pixelsPerUnitX(500),
      fixedRangeY(false),
      fixedRangeX(false),
      vScale(1.0),
      hScale(1.0),
      gridPen(QColor(Qt::lightGray), 0, Qt::DashLine),
      axisPen(QColor(Qt::black)),
      brush(QColor(Qt::transparent), Qt::SolidPattern)
{
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);
    setAutoFillBackground(true);
    grabGesture(Qt::PinchGesture);
}

CoordinateGridView::~CoordinateGridView() = default;

void CoordinateGridView::setVScale(double in_vScale)
{
    // A zero scale would divide the visible rectangle by zero, a non-finite one
    // would poison it for good.
    if (in_vScale == 0 || !std::isfinite(in_vScale))
        return;
    vScale = in_vScale;
    emit vScaleChanged(in_vScale);
    update();
}

void CoordinateGridView::setHScale(double in_hScale)
{
    if (in_hScale == 0 || !std::isfinite(in_hScale))
        return;
    hScale = in_hScale;
    emit hScaleChanged(in_hScale);
    update();
}

void CoordinateGridView::setText(const QString &in_text)
{
    text = in_text;
    update();
}

bool CoordinateGridView::gestureEvent(QGestureEvent *event)
{
    auto *pinch = static_cast<QPinchGesture *>(event->gesture(Qt::PinchGesture));
    if (!pinch)
        return true;
    if (pinch->changeFlags() & QPinchGesture::ScaleFactorChanged) {
        // A pinch is damped: a finger spread of 1.18 zooms by 1.1.
        const double factor = (pinch->scaleFactor() - 1) / 1.8 + 1;
        if (factor > 0 && std::isfinite(factor))
            zoom(factor);
        event->accept();
    }
    return true;
}

void CoordinateGridView::zoom(double)
{
}

void CoordinateGridView::drawGrid(QPainter *p)
{
    drawHorizontalGrid(p);
    drawVerticalGrid(p);
}

bool CoordinateGridView::isUsableStep(double step)
{
    return step > 0 && std::isfinite(step);
}

void CoordinateGridView::drawHorizontalGrid(QPainter *p)
{
    const double step = gridStepY(p);
    if (!isUsableStep(step))
        return;
    const QPointF a = mapToScreen(p, topLeft());
    const QPointF b = mapToScreen(p, bottomRight());

    auto line = [&](double y) {
        const double sy = mapY(p, y);
        p->setPen(gridPen);
        p->drawLine(int(a.x()), int(sy), int(b.x()), int(sy));
        drawYLabel(p, y, sy);
    };
    // Multiples of the step rather than a running sum: the lines stay on the
    // step even far from the origin, and a step too small to move the sum cannot
    // stall the loop.
    for (int k = 1; k <= maxGridLines && k * step < topLeft().y(); ++k)
        line(k * step);
    for (int k = 1; k <= maxGridLines && -k * step > bottomRight().y(); ++k)
        line(-k * step);
}

void CoordinateGridView::drawVerticalGrid(QPainter *p)
{
    const double step = gridStepX(p);
    if (!isUsableStep(step))
        return;
    const QPointF a = mapToScreen(p, topLeft());
    const QPointF b = mapToScreen(p, bottomRight());

    auto line = [&](double x) {
        const double sx = mapX(p, x);
        p->setPen(gridPen);
        p->drawLine(int(sx), int(a.y()), int(sx), int(b.y()));
        drawXLabel(p, x, sx);
    };
    for (int k = 1; k <= maxGridLines && k * step < bottomRight().x(); ++k)
        line(k * step);
    for (int k = 1; k <= maxGridLines && -k * step > topLeft().x(); ++k)
        line(-k * step);
}

void CoordinateGridView::drawAxes(QPainter *p)
{
    drawAxisX(p);
    drawAxisY(p);
}

void CoordinateGridView::drawAxisX(QPainter *)
{
}

void CoordinateGridView::drawAxisY(QPainter *)
{
}

void CoordinateGridView::drawYLabel(QPainter *, double, double)
{
}

void CoordinateGridView::drawXLabel(QPainter *, double, double)
{
}

void CoordinateGridView::drawBackground(QPainter *)
{
}

void CoordinateGridView::drawData(QPainter *)
{
}

void CoordinateGridView::drawOverlay(QPainter *)
{
}

double CoordinateGridView::niceStepY(double value)
{
    return niceStep(value);
}

double CoordinateGridView::niceStepX(double value)
{
    return niceStep(value);
}

double CoordinateGridView::niceStep(double value)
{
    if (!std::isfinite(value))
        return value;
    if (value <= 0)
        return 0;
    static const double table[] = {1, 2, 5, 5, 5, 10, 10, 10, 10, 10};
    const double power = std::pow(10.0, std::floor(std::log10(value)));
    const double quotient = value / power;
    // Rounding in the logarithm can put an exact power of ten one decade low,
    // which makes the quotient 10; the table stops at 9.
    if (!(quotient < 10))
        return 10 * power;
    const int index = quotient < 0 ? 0 : int(quotient);
    return table[index] * power;
}

double CoordinateGridView::mapX(QPainter *p, double x)
{
    return scaleX(p) * x + plotCenter(p).x();
}

double CoordinateGridView::mapY(QPainter *p, double y)
{
    return -scaleY(p) * y + plotCenter(p).y();
}

QPointF CoordinateGridView::mapToScreen(QPainter *p, const QPointF &point)
{
    return QPointF(mapX(p, point.x()), mapY(p, point.y()));
}

double CoordinateGridView::gridStepY(QPainter *p)
{
    // Rows of labels at least 1.8 text lines apart.
    return niceStepY(p->fontMetrics().height() * 1.8 / scaleY(p));
}

double CoordinateGridView::gridStepX(QPainter *p)
{
    return niceStepX(p->fontMetrics().horizontalAdvance(QStringLiteral("999.99")) / scaleX(p));
}

QPointF CoordinateGridView::plotCenter(QPainter *p)
{
    double x = (width() - 1) / 2;
    double y = (height() - 1) / 2;
    x += (leftMargin(p) - rightMargin(p)) / 2;
    y += (topMargin(p) - bottomMargin(p)) / 2;
    return QPointF(x, y);
}

double CoordinateGridView::leftMargin(QPainter *)
{
    return 0;
}

double CoordinateGridView::rightMargin(QPainter *)
{
    return 0;
}

double CoordinateGridView::bottomMargin(QPainter *)
{
    return 0;
}

double CoordinateGridView::topMargin(QPainter *)
{
    return 0;
}

double CoordinateGridView::scaleY(QPainter *p)
{
    return (height() - topMargin(p) - bottomMargin(p)) / (topLeft().y() - bottomRight().y());
}

double CoordinateGridView::scaleX(QPainter *p)
{
    return (width() - rightMargin(p) - leftMargin(p)) / (bottomRight().x() - topLeft().x());
}

QPointF CoordinateGridView::topLeft()
{
    const double x0 = fixedRangeX ? fixedTopLeft.x() : -width() / (2 * pixelsPerUnitX);
    const double y0 = fixedRangeY ? fixedTopLeft.y() : height() / (2 * pixelsPerUnitY);
    return QPointF(x0 / hScale, y0 / vScale);
}

QPointF CoordinateGridView::bottomRight()
{
    const double x1 = fixedRangeX ? fixedBottomRight.x() : width() / (2 * pixelsPerUnitX);
    const double y1 = fixedRangeY ? fixedBottomRight.y() : -height() / (2 * pixelsPerUnitY);
    return QPointF(x1 / hScale, y1 / vScale);
}

bool CoordinateGridView::event(QEvent *event)
{
    if (event->type() == QEvent::Gesture)
        return gestureEvent(static_cast<QGestureEvent *>(event));
    return QWidget::event(event);
}

void CoordinateGridView::wheelEvent(QWheelEvent *event)
{
    // One notch (120 eighths of a degree) zooms by 1/15. A turn of more than
    // 1800 towards the user would give a zero or negative factor, which would
    // flip or collapse the view: only a positive factor zooms.
    const double factor = 1 + event->angleDelta().y() / 1800.0;
    if (factor > 0)
        zoom(factor);
    event->accept();
}

void CoordinateGridView::paintEvent(QPaintEvent *event)
{
    QWidget::paintEvent(event);
    QPainter p(this);
    drawBackground(&p);
    drawGrid(&p);
    drawAxes(&p);
    drawData(&p);
    drawOverlay(&p);
}
