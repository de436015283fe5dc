#include "coordinategridview.h"

#include <QDataStream>
#include <QEvent>
#include <QFontMetrics>
#include <QGestureEvent>
#include <QPainter>
#include <QPalette>
#include <QPinchGesture>
#include <QTextLayout>
#include <QTimer>
#include <QWheelEvent>

#include <cmath>

#include "pixelaligned.h"

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
      brush(QColor(Qt::transparent), Qt::SolidPattern),
      foregroundCached(false),
      labelDpi(0),
      labelDirection(Qt::LayoutDirectionAuto)
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
    // The track gets its caption with every position; the same caption again would
    // repaint the whole history for nothing.
    if (in_text == text)
        return;
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

void CoordinateGridView::updateForData()
{
    if (dataRepaintTimer && dataRepaintTimer->isActive())
        return;
    const qint64 since = lastPaint.isValid() ? lastPaint.elapsed() : dataRepaintIntervalMs;
    if (since >= dataRepaintIntervalMs) {
        update();
        return;
    }
    if (!dataRepaintTimer) {
        dataRepaintTimer = new QTimer(this);
        dataRepaintTimer->setSingleShot(true);
        connect(dataRepaintTimer, &QTimer::timeout, this, qOverload<>(&QWidget::update));
    }
    dataRepaintTimer->start(int(dataRepaintIntervalMs - since));
}

void CoordinateGridView::paintEvent(QPaintEvent *event)
{
    lastPaint.start();
    QWidget::paintEvent(event);
    QPainter p(this);
    drawBackground(&p);
    if (foregroundCached && composesLikeDirectDrawing(&p))
        drawCachedForeground(&p);
    else
        drawForeground(&p);
}

void CoordinateGridView::drawForeground(QPainter *p)
{
    drawGrid(p);
    drawAxes(p);
    drawData(p);
    drawOverlay(p);
}

void CoordinateGridView::setForegroundCached(bool cached)
{
    foregroundCached = cached;
    foregroundKey.clear();
    foregroundImage = QImage();
    update();
}

void CoordinateGridView::writeForegroundKey(QDataStream &key) const
{
    key << size() << palette().cacheKey() << vScale << hScale << fixedTopLeft << fixedBottomRight << fixedRangeX
        << fixedRangeY << pixelsPerUnitX << pixelsPerUnitY << text << gridPen << axisPen << brush;
}

void CoordinateGridView::drawCachedForeground(QPainter *p)
{
    // Whole pixels of the device translation only move the picture, so the image is
    // drawn for the fraction and placed at the whole pixels: the widget moving in
    // its window, or being grabbed, does not redraw it.
    const QTransform device = p->deviceTransform();
    const QPoint whole(int(std::floor(device.dx())), int(std::floor(device.dy())));
    const QTransform local = device * QTransform::fromTranslate(-whole.x(), -whole.y());
    const int dpiX = p->device()->logicalDpiX();
    const int dpiY = p->device()->logicalDpiY();

    QByteArray key;
    {
        QDataStream stream(&key, QIODevice::WriteOnly);
        stream << local << p->font() << int(p->renderHints()) << int(p->layoutDirection()) << dpiX << dpiY;
        writeForegroundKey(stream);
    }
    if (key != foregroundKey) {
        const QRect area = local.mapRect(QRectF(rect())).toAlignedRect();
        foregroundImage = QImage(area.size(), QImage::Format_ARGB32_Premultiplied);
        foregroundImage.fill(Qt::transparent);
        // The same resolution as the widget's, so that text measures the same.
        foregroundImage.setDotsPerMeterX(qRound(dpiX / 0.0254));
        foregroundImage.setDotsPerMeterY(qRound(dpiY / 0.0254));
        QPainter layer(&foregroundImage);
        layer.setRenderHints(p->renderHints());
        layer.setLayoutDirection(p->layoutDirection());
        // Subpixel glyphs need an opaque background to be blended against; on a
        // transparent image they would leave coloured fringes.
        QFont font = p->font();
        font.setStyleStrategy(QFont::StyleStrategy(font.styleStrategy() | QFont::NoSubpixelAntialias));
        layer.setFont(font);
        layer.setTransform(local * QTransform::fromTranslate(-area.x(), -area.y()));
        drawForeground(&layer);
        foregroundOrigin = area.topLeft();
        foregroundKey = key;
    }
    drawAtDevicePixel(p, foregroundImage, whole + foregroundOrigin);
}

bool CoordinateGridView::composesLikeDirectDrawing(QPainter *p)
{
    return ::composesLikeDirectDrawing(p);
}

void CoordinateGridView::drawAtDevicePixel(QPainter *p, const QImage &image, const QPoint &at)
{
    ::drawAtDevicePixel(p, image, at);
}

const CoordinateGridView::Label &CoordinateGridView::cachedLabel(QPainter *p, const QString &text)
{
    // A layout belongs to one font at one resolution. The satellite numbers of all
    // systems are a few hundred labels at most; more than that means something else
    // is being drawn through here, and starting over keeps the cache small.
    const int dpi = p->device()->logicalDpiY();
    if (p->font() != labelFont || dpi != labelDpi || p->layoutDirection() != labelDirection || labels.size() > 1000) {
        labels.clear();
        labelFont = p->font();
        labelDpi = dpi;
        labelDirection = p->layoutDirection();
    }
    auto it = labels.find(text);
    if (it == labels.end()) {
        // Laid out as QPainter::drawText() lays out a single line: no wrapping,
        // trailing spaces counted.
        auto layout = std::make_shared<QTextLayout>(text, p->font(), p->device());
        QTextOption option;
        option.setTextDirection(labelDirection);
        option.setFlags(QTextOption::IncludeTrailingSpaces);
        layout->setTextOption(option);
        layout->setCacheEnabled(true);
        layout->beginLayout();
        layout->createLine().setLineWidth(0x01000000);
        layout->endLayout();
        it = labels.insert(text, Label{p->fontMetrics().boundingRect(text), layout});
    }
    return it.value();
}

QRect CoordinateGridView::labelBoundingRect(QPainter *p, const QString &label)
{
    return cachedLabel(p, label).bounds;
}

void CoordinateGridView::drawCentredLabel(QPainter *p, const QRect &rect, const QString &label)
{
    // drawText() aligns a right-to-left paragraph on its own terms; those few
    // paints may lay the text out anew.
    if (p->layoutDirection() == Qt::RightToLeft || label.isEmpty()) {
        p->drawText(rect, Qt::AlignCenter, label);
        return;
    }
    const QTextLine line = cachedLabel(p, label).layout->lineAt(0);
    // Where drawText(rect, Qt::AlignCenter, label) puts the line; like drawText(),
    // clipped to the rectangle only when the text does not fit in it.
    const QRectF r(rect);
    const QPointF at(r.x() + (r.width() - line.horizontalAdvance()) / 2, r.y() + (r.height() - line.height()) / 2);
    const QRectF bounds(r.x() + (r.width() - line.naturalTextWidth()) / 2, at.y(), line.naturalTextWidth(),
                        line.height());
    const bool clip = !r.contains(bounds);
    if (clip) {
        p->save();
        p->setClipRect(r, Qt::IntersectClip);
    }
    line.draw(p, at);
    if (clip)
        p->restore();
}
