#include "snrview.h"

#include <QDataStream>
#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

namespace {

int zeroWidth(QPainter *p)
{
    return p->fontMetrics().horizontalAdvance(QLatin1Char('0'));
}

} // namespace

SnrView::SnrView(QWidget *parent)
    : CoordinateGridView(parent),
      firstBandColor(215, 105, 177),
      secondBandColor(135, 206, 250),
      namesLegend({QStringLiteral("L1"), QStringLiteral("L2")}),
      dataFresh(false)
{
    // 0 to 61 dB-Hz up; one slot across until the first list arrives.
    fixedTopLeft = QPointF(0, 61);
    fixedBottomRight = QPointF(1, 0);
    fixedRangeY = true;
    fixedRangeX = true;

    // The grid, axes, caption and legend lie over the bars but do not move with them.
    setForegroundCached(true);
}

void SnrView::writeForegroundKey(QDataStream &key) const
{
    CoordinateGridView::writeForegroundKey(key);
    key << namesLegend << firstBandColor << secondBandColor;
}

void SnrView::setData(const QVector<SatelliteInfo> &in_satelliteInfo)
{
    // An empty list fades the last bars instead of removing them.
    if (!in_satelliteInfo.isEmpty()) {
        dataFresh = true;
        satelliteInfo = in_satelliteInfo;
        fixedBottomRight.setX(std::max(minimumSlots, in_satelliteInfo.size()));
    } else {
        dataFresh = false;
    }
    // A list comes for each system with each epoch; the chart repaints at the data pace.
    updateForData();
}

void SnrView::setNamesLegend(const QVector<QString> &in_namesLegend)
{
    // Only the names given are replaced: a short list leaves the others as they were.
    for (int i = 0; i < namesLegend.size() && i < in_namesLegend.size(); ++i)
        namesLegend[i] = in_namesLegend.at(i);
}

void SnrView::clear()
{
    satelliteInfo.clear();
    update();
}

QPointF SnrView::plotCenter(QPainter *p)
{
    // The world origin is the bottom-left corner of the plot area.
    return QPointF(rect().left() + leftMargin(p), rect().bottom() - bottomMargin(p));
}

double SnrView::leftMargin(QPainter *p)
{
    return 3 * zeroWidth(p);
}

double SnrView::rightMargin(QPainter *p)
{
    return zeroWidth(p);
}

double SnrView::bottomMargin(QPainter *p)
{
    return 3 * zeroWidth(p);
}

double SnrView::topMargin(QPainter *p)
{
    return 4.5 * zeroWidth(p);
}

void SnrView::drawVerticalGrid(QPainter *)
{
}

void SnrView::drawAxisX(QPainter *p)
{
    p->setPen(QPen(QColor(Qt::black), 1.5));
    p->drawLine(mapToScreen(p, QPointF(0, 0)), mapToScreen(p, topLeft()));
}

void SnrView::drawAxisY(QPainter *p)
{
    p->setPen(QPen(QColor(Qt::black), 1.5));
    p->drawLine(mapToScreen(p, QPointF(0, 0)), mapToScreen(p, bottomRight()));
}

void SnrView::drawYLabel(QPainter *p, double value, double screenY)
{
    const QString label = QString::number(value, 'g', 6);
    QRect r = p->fontMetrics().boundingRect(label);
    r.setWidth(r.width() + zeroWidth(p));
    r.translate(int(mapX(p, topLeft().x()) - r.width()), int(screenY - (r.top() + r.height() / 2.0)));
    p->setPen(axisPen);
    p->drawText(r, Qt::AlignCenter, label);
}

void SnrView::drawXLabel(QPainter *p, double value, double slot)
{
    // Here the third argument is the slot index: the number stands under the
    // middle of its cell, below the base line.
    const QString label = QString::number(value, 'g', 6);
    QRect r = labelBoundingRect(p, label);
    r.setWidth(r.width() + 3);
    r.translate(int(mapX(p, slot + 0.5) - QRectF(r).center().x()), int(r.height() + mapY(p, 0)));
    p->setPen(axisPen);
    drawCentredLabel(p, r, label);
}

void SnrView::drawBackground(QPainter *p)
{
    const double top = topLeft().y();
    // The mapping asked once rather than per bar: every call measures the font.
    const double sx = scaleX(p);
    const double sy = scaleY(p);
    const QPointF centre = plotCenter(p);
    auto toScreen = [&](double x, double y) { return QPointF(sx * x + centre.x(), -sy * y + centre.y()); };
    QColor first = firstBandColor;
    QColor second = secondBandColor;
    if (!dataFresh) {
        first.setAlpha(90);
        second.setAlpha(90);
    }
    p->save();
    for (int i = 0; i < satelliteInfo.size(); ++i) {
        const SatelliteInfo &satellite = satelliteInfo.at(i);
        p->setPen(QColor(210, 210, 210));
        p->setBrush(QColor(245, 245, 245));
        p->drawRect(QRectF(toScreen(i + 0.9, top), toScreen(i + 0.1, 0)).normalized());

        // Zero and below (the unknown -1 among them) draw no bar.
        p->setPen(Qt::transparent);
        if (satellite.snr1 > 0) {
            p->setBrush(first);
            p->drawRect(QRectF(toScreen(i + 0.5, satellite.snr1), toScreen(i + 0.1, 0)).normalized());
        }
        if (satellite.snr2 > 0) {
            p->setBrush(second);
            p->drawRect(QRectF(toScreen(i + 0.9, satellite.snr2), toScreen(i + 0.5, 0)).normalized());
        }
        drawXLabel(p, satellite.number, i);
    }
    p->restore();
}

void SnrView::drawData(QPainter *p)
{
    QRect r = p->fontMetrics().boundingRect(text);
    r.setWidth(r.width() + 3);
    r.translate(int(QRectF(rect()).center().x() - QRectF(r).center().x()), rect().top() + r.height());
    p->setPen(axisPen);
    p->drawText(r, Qt::AlignCenter, text);
}

void SnrView::drawOverlay(QPainter *p)
{
    const int w = zeroWidth(p);
    const QVector<QPair<QString, QColor>> pairs = {{namesLegend.value(0), firstBandColor},
                                                    {namesLegend.value(1), secondBandColor}};
    double x = w;
    for (const auto &pair : pairs) {
        const QRectF box(x, rect().top() + w, 2.5 * w, 1.7 * w);
        p->setPen(Qt::transparent);
        p->setBrush(pair.second);
        p->drawRect(box);
        x += 2.5 * w;

        const QString label = QStringLiteral("- ") + pair.first;
        QRect r = p->fontMetrics().boundingRect(label);
        r.translate(int(w + x), int(box.center().y() - (r.top() + r.height() / 2.0)));
        x += w + r.width();
        p->setPen(axisPen);
        p->drawText(r, Qt::AlignLeft | Qt::AlignVCenter, label);
        x += 2 * w;
    }
    p->setBrush(Qt::NoBrush);
}
