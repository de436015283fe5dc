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
    key << namesLegend << firstBandColor << secondBandColor << numberTexts;
}

void SnrView::setData(const QVector<SatelliteInfo> &in_satelliteInfo)
{
    // An empty list fades the last bars instead of removing them.
    if (!in_satelliteInfo.isEmpty()) {
        dataFresh = true;
        satelliteInfo = in_satelliteInfo;
        fixedBottomRight.setX(std::max(minimumSlots, in_satelliteInfo.size()));
        numberTexts.clear();
        for (const SatelliteInfo &satellite : qAsConst(satelliteInfo))
            numberTexts.append(QString::number(satellite.number));
        stagger.known = false;
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
    numberTexts.clear();
    stagger.known = false;
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
    // A second line of numbers when they take turns.
    return 3 * zeroWidth(p) + (numbersStaggered(p) ? fontMetrics().height() : 0);
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

bool SnrView::numbersStaggered(QPainter *p)
{
    // Decided with the widget's font, not the painter's: the cached grid and the bars
    // drawn over it must share one mapping whatever painter draws them.
    const double slotWidth = scaleX(p);
    if (stagger.known && stagger.font == font() && stagger.slotWidth == slotWidth)
        return stagger.staggered;
    const QFontMetrics metrics = fontMetrics();
    int widest = 0;
    for (const QString &number : qAsConst(numberTexts))
        widest = std::max(widest, metrics.boundingRect(number).width() + 3);
    // Neighbours keep half a digit between them.
    stagger.staggered = widest > 0 && widest + metrics.horizontalAdvance(QLatin1Char('0')) / 2.0 > slotWidth;
    stagger.font = font();
    stagger.slotWidth = slotWidth;
    stagger.known = true;
    return stagger.staggered;
}

QRect SnrView::numberRect(QPainter *p, int slot)
{
    const QString label = QString::number(satelliteInfo.value(slot).number);
    QRect r = labelBoundingRect(p, label);
    r.setWidth(r.width() + 3);
    r.translate(int(mapX(p, slot + 0.5) - QRectF(r).center().x()), int(r.height() + mapY(p, 0)));
    if (slot % 2 == 1 && numbersStaggered(p))
        r.translate(0, r.height());
    return r;
}

void SnrView::drawXLabel(QPainter *p, double value, double slot)
{
    // Here the third argument is the slot index: the number stands under the
    // middle of its cell, below the base line.
    const QString label = QString::number(value, 'g', 6);
    p->setPen(axisPen);
    drawCentredLabel(p, numberRect(p, int(slot)), label);
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

QRect SnrView::captionRect(QPainter *p)
{
    QRect r = p->fontMetrics().boundingRect(text);
    r.setWidth(r.width() + 3);
    r.translate(int(QRectF(rect()).center().x() - QRectF(r).center().x()), rect().top() + r.height());
    int legendRight = 0;
    for (const auto &item : legendLayout(p))
        legendRight = std::max(legendRight, item.second.right());
    const int least = legendRight + zeroWidth(p);
    if (r.left() < least)
        r.moveLeft(least);
    return r;
}

void SnrView::drawData(QPainter *p)
{
    p->setPen(axisPen);
    p->drawText(captionRect(p), Qt::AlignCenter, text);
}

QVector<QPair<QRectF, QRect>> SnrView::legendLayout(QPainter *p)
{
    const int w = zeroWidth(p);
    QVector<QPair<QRectF, QRect>> items;
    double x = w;
    for (const QString &name : {namesLegend.value(0), namesLegend.value(1)}) {
        const QRectF box(x, rect().top() + w, 2.5 * w, 1.7 * w);
        x += 2.5 * w;
        QRect r = p->fontMetrics().boundingRect(QStringLiteral("- ") + name);
        r.translate(int(w + x), int(box.center().y() - (r.top() + r.height() / 2.0)));
        x += w + r.width();
        items.append(qMakePair(box, r));
        x += 2 * w;
    }
    return items;
}

void SnrView::drawOverlay(QPainter *p)
{
    const QVector<QPair<QRectF, QRect>> items = legendLayout(p);
    const QColor colors[] = {firstBandColor, secondBandColor};
    for (int i = 0; i < items.size(); ++i) {
        p->setPen(Qt::transparent);
        p->setBrush(colors[i]);
        p->drawRect(items.at(i).first);
        p->setPen(axisPen);
        p->drawText(items.at(i).second, Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("- ") + namesLegend.value(i));
    }
    p->setBrush(Qt::NoBrush);
}
