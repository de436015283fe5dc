#include "plotview.h"

#include <QFontMetrics>
#include <QPainter>

#include <cmath>

#include "qualitycolor.h"

namespace {

constexpr double secondsPerDay = 86400;

} // namespace

PlotView::PlotView(QWidget *parent)
    : CoordinateGridView(parent),
      maxPoints(5000),
      pointRadius(2.5),
      dots(pointRadius)
{
    fixedTopLeft = QPointF(0, 1.2);
    fixedBottomRight = QPointF(150, -1.2);
    fixedRangeY = true;
    fixedRangeX = true;
}

double PlotView::leadMargin()
{
    // A widget not laid out yet has no width; a lead of seconds per zero pixels
    // would put NaN into the window corners and keep it there for good.
    if (width() <= 0)
        return 0;
    const int pixels = int(pointRadius * 7);
    const double visibleWidth = bottomRight().x() - topLeft().x();
    const double lead = std::floor(pixels * visibleWidth / width() + 0.5);
    return std::isfinite(lead) ? lead : 0;
}

void PlotView::addValue(double time, double value, qint16 quality)
{
    const double target = time + leadMargin();
    const double d = target - fixedBottomRight.x();
    // Slide the window so that its right edge is the target; it slides back too
    // when the time of day starts again at midnight.
    if (std::isfinite(d)) {
        fixedTopLeft.rx() += d;
        fixedBottomRight.rx() += d;
    }
    if (points.size() >= maxPoints && !points.isEmpty())
        points.removeFirst();
    points.append(qMakePair(QPointF(time, value - valueShift), quality));
    updateForData();
}

void PlotView::shiftValues(double delta)
{
    valueShift += delta;
    updateForData();
}

void PlotView::clear()
{
    points.clear();
    valueShift = 0;
    update();
}

void PlotView::setHScale(double in_hScale)
{
    // The newest sample keeps its distance in pixels from the right edge at
    // every scale, so the lead is taken out at the old scale and put back at the
    // new one.
    const double oldLead = leadMargin();
    fixedTopLeft.rx() -= oldLead;
    fixedBottomRight.rx() -= oldLead;
    CoordinateGridView::setHScale(in_hScale);
    const double newLead = leadMargin();
    fixedTopLeft.rx() += newLead;
    fixedBottomRight.rx() += newLead;
    update();
}

void PlotView::zoom(double factor)
{
    // The wheel and the pinch zoom the value axis only.
    const double scale = vScale * factor;
    if (scale != 0 && std::isfinite(scale))
        vScale = scale;
    update();
}

double PlotView::niceStepX(double value)
{
    if (!std::isfinite(value))
        return value;
    if (value < 60) {
        static const double steps[] = {1, 2, 5, 10, 15, 20, 30, 60};
        for (double step : steps) {
            if (step >= value)
                return step;
        }
        return 60;
    }
    return 60 * std::ceil(value / 60);
}

double PlotView::mapX(QPainter *p, double x)
{
    return (x - topLeft().x()) * scaleX(p);
}

double PlotView::gridStepX(QPainter *p)
{
    const int labelWidth = p->fontMetrics().horizontalAdvance(QStringLiteral("999:99999"));
    const int count = labelWidth > 0 ? width() / labelWidth : 0;
    if (count <= 0)
        return HUGE_VAL;
    return niceStepX((bottomRight().x() - topLeft().x()) / count);
}

QPointF PlotView::topLeft()
{
    const double right = fixedBottomRight.x();
    const double span = right - fixedTopLeft.x();
    return QPointF(right - span / hScale, fixedTopLeft.y() / vScale);
}

QPointF PlotView::bottomRight()
{
    return QPointF(fixedBottomRight.x(), fixedBottomRight.y() / vScale);
}

double PlotView::bottomMargin(QPainter *p)
{
    // The time labels have a band of their own: the label of the lowest value, centred on
    // the lowest line of the grid, ends above their top. The lowest line lies half a
    // pixel above the margin from the bottom edge; an even number of whole pixels keeps
    // the zero line on a pixel row.
    // Measured with the widget's font, not the painter's: the cached grid and the points
    // drawn over it must share one mapping whatever painter draws them.
    Q_UNUSED(p);
    const QFontMetrics metrics = fontMetrics();
    const QRect time = metrics.boundingRect(timeLabelText(0));
    // timeLabelRect puts its top this far above the bottom edge.
    const int timeTop = time.height() - time.top();
    const double room = timeTop + metrics.height() / 2.0 + 1;
    return 2 * std::ceil(room / 2);
}

double PlotView::timeOfDay(double value)
{
    double r = std::fmod(value, secondsPerDay);
    if (r < 0)
        r += secondsPerDay;
    return r;
}

double PlotView::timeToX(double time)
{
    // Within the day before the right edge this is the time itself; a time of
    // the previous day lands just left of midnight.
    const double right = bottomRight().x();
    return right - timeOfDay(right - time);
}

void PlotView::drawVerticalGrid(QPainter *p)
{
    const double step = gridStepX(p);
    if (!isUsableStep(step))
        return;
    const double left = timeOfDay(topLeft().x());
    const double first = left + step - std::fmod(left, step);
    const double right = bottomRight().x();
    const QRect area = rect();
    double x = timeToX(first);
    for (int lines = 0; lines < maxGridLines && x < right; ++lines, x += step) {
        const double sx = mapX(p, x);
        p->setPen(gridPen);
        p->drawLine(int(sx), area.top(), int(sx), area.bottom());
        drawTimeLabel(p, timeOfDay(x), sx);
    }
}

QString PlotView::timeLabelText(double time)
{
    // Minutes and seconds only: the window is never wider than an hour's labels
    // can tell apart.
    const long long seconds = static_cast<long long>(time);
    return QStringLiteral("%1:%2")
        .arg((seconds / 60) % 60, 2, 10, QLatin1Char('0'))
        .arg(static_cast<int>(std::fmod(time, 60)), 2, 10, QLatin1Char('0'));
}

QRect PlotView::timeLabelRect(QPainter *p, const QString &label, double screenX)
{
    QRect r = p->fontMetrics().boundingRect(label);
    r.setWidth(r.width() + 3);
    r.translate(int(screenX - r.width() / 2.0), rect().bottom() - r.height());
    return r;
}

void PlotView::drawTimeLabel(QPainter *p, double time, double screenX)
{
    const QString label = timeLabelText(time);
    p->setPen(axisPen);
    p->drawText(timeLabelRect(p, label, screenX), Qt::AlignCenter, label);
}

void PlotView::drawAxisX(QPainter *p)
{
    const double sy = mapY(p, 0);
    p->setPen(QPen(QColor(Qt::lightGray), 1, Qt::SolidLine));
    p->drawLine(QPointF(rect().left(), sy), QPointF(rect().right(), sy));
    drawYLabel(p, 0, sy);
}

QRect PlotView::valueLabelRect(QPainter *p, double value, double screenY)
{
    // Measured as if a minus sign followed a non-negative value, so that the
    // labels of v and -v end at the same x.
    const QString label = QString::number(value, 'g', 6);
    const QString measured = value >= 0 ? label + QLatin1Char('-') : label;
    QRect r = p->fontMetrics().boundingRect(measured);
    r.setWidth(r.width() + 3);
    r.translate(rect().left(), int(screenY - (r.top() + r.height() / 2.0)));
    return r;
}

void PlotView::drawYLabel(QPainter *p, double value, double screenY)
{
    p->setPen(axisPen);
    p->drawText(valueLabelRect(p, value, screenY), Qt::AlignRight | Qt::AlignVCenter, QString::number(value, 'g', 6));
}

void PlotView::drawBackground(QPainter *p)
{
    // mapX() and mapY() for every point, with the scales and the centre taken once: the
    // margins they rest on measure text, which is too dear to repeat for each of
    // thousands of points.
    const double left = topLeft().x();
    const double sx = scaleX(p);
    const double sy = scaleY(p);
    const double cy = plotCenter(p).y();
    dots.begin(p, size());
    for (int i = 0; i < points.size(); ++i) {
        const QPointF &sample = points.at(i).first;
        if (!(sample.x() > left))
            continue;
        const QColor color = i == points.size() - 1 ? QColor(Qt::red) : qualityColor(points.at(i).second, Qt::black);
        dots.addDot(QPointF((timeToX(sample.x()) - left) * sx, -sy * (sample.y() + valueShift) + cy), color);
    }
    dots.end();
}

void PlotView::drawData(QPainter *p)
{
    const QFontMetrics fm = p->fontMetrics();
    QRect r = fm.boundingRect(text);
    r.setWidth(r.width() + 3);
    r.translate(rect().left() + fm.horizontalAdvance(QStringLiteral("-9.9999")), rect().top() + r.height());
    p->setPen(axisPen);
    p->drawText(r, Qt::AlignCenter, text);
}
