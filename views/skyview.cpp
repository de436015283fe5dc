#include "skyview.h"

#include <QDataStream>
#include <QFont>
#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

int zeroWidth(QPainter *p)
{
    return p->fontMetrics().horizontalAdvance(QLatin1Char('0'));
}

} // namespace

SkyView::SkyView(QWidget *parent)
    : CoordinateGridView(parent),
      gpsColor(35, 68, 235),
      glonassColor(53, 145, 31),
      beidouColor(189, 118, 26),
      galileoColor(191, 23, 43),
      navicColor(162, 35, 168),
      sbasColor(83, 215, 230)
{
    // One world unit is one degree of zenith distance.
    fixedTopLeft = QPointF(-90, 90);
    fixedBottomRight = QPointF(90, -90);
    fixedRangeY = true;
    fixedRangeX = true;

    systemNames[NavSysGPS] = tr("GPS");
    systemNames[NavSysGLONASS] = tr("GLONASS");
    systemNames[NavSysBeiDou] = tr("BeiDou");
    systemNames[NavSysGalileo] = tr("Galileo");
    systemNames[NavSysNavIC] = tr("NavIC");
    systemNames[NavSysSBAS] = tr("SBAS");

    systemColors[NavSysGPS] = gpsColor;
    systemColors[NavSysGLONASS] = glonassColor;
    systemColors[NavSysBeiDou] = beidouColor;
    systemColors[NavSysGalileo] = galileoColor;
    systemColors[NavSysNavIC] = navicColor;
    systemColors[NavSysSBAS] = sbasColor;

    for (auto it = systemColors.constBegin(); it != systemColors.constEnd(); ++it) {
        satellites[it.key()];
        usedSatelliteIds[it.key()];
        dataFresh[it.key()] = false;
    }

    // The rings, spokes, axes and legend lie over the discs but do not move with them.
    setForegroundCached(true);
}

void SkyView::writeForegroundKey(QDataStream &key) const
{
    CoordinateGridView::writeForegroundKey(key);
    key << systemNames << systemColors;
}

void SkyView::setSatellites(SatNavSysEnum in_navSys, const QVector<SatelliteInfo> &in_satellites)
{
    // An empty list keeps the last known positions on the chart, faded.
    if (in_satellites.isEmpty()) {
        dataFresh[in_navSys] = false;
    } else {
        satellites[in_navSys] = in_satellites;
        dataFresh[in_navSys] = true;
    }
    // A list and a used set come for each system with each epoch; the chart repaints at
    // the data pace.
    updateForData();
}

void SkyView::setUsedSatellites(SatNavSysEnum in_navSys, const QSet<int> &in_usedSatelliteIds)
{
    usedSatelliteIds[in_navSys] = in_usedSatelliteIds;
    updateForData();
}

void SkyView::clearSatellites(SatNavSysEnum in_navSys)
{
    satellites[in_navSys].clear();
    usedSatelliteIds[in_navSys].clear();
    dataFresh[in_navSys] = false;
    updateForData();
}

void SkyView::clear()
{
    satellites.clear();
    usedSatelliteIds.clear();
    update();
}

void SkyView::polarToXY(double r, double a, double *x, double *y)
{
    const double radians = a * M_PI / 180.0;
    if (x)
        *x = r * std::sin(radians);
    if (y)
        *y = r * std::cos(radians);
}

double SkyView::leftMargin(QPainter *p)
{
    return zeroWidth(p);
}

double SkyView::rightMargin(QPainter *p)
{
    return zeroWidth(p);
}

double SkyView::bottomMargin(QPainter *p)
{
    // Room for the legend's rows.
    const QVector<QPair<QPointF, QRect>> legend = legendLayout(p);
    const double highest = legend.isEmpty() ? rect().bottom() : legend.first().first.y();
    return 5 * zeroWidth(p) + (rect().bottom() - 2.5 * zeroWidth(p) - highest);
}

double SkyView::topMargin(QPainter *p)
{
    return zeroWidth(p);
}

double SkyView::scaleY(QPainter *p)
{
    // The same scale on both axes keeps the chart circular.
    return std::min(CoordinateGridView::scaleX(p), CoordinateGridView::scaleY(p));
}

double SkyView::scaleX(QPainter *p)
{
    return std::min(CoordinateGridView::scaleX(p), CoordinateGridView::scaleY(p));
}

void SkyView::drawHorizontalGrid(QPainter *p)
{
    const double step = gridStepY(p);
    if (!isUsableStep(step))
        return;
    const QPointF origin = mapToScreen(p, QPointF(0, 0));
    const double scale = scaleY(p);
    for (int k = 1; k <= maxGridLines && k * step <= topLeft().y(); ++k) {
        const double r = k * step;
        p->setPen(gridPen);
        p->setBrush(brush);
        p->drawEllipse(origin, scale * r, scale * r);
        drawYLabel(p, 90 - r, mapY(p, -r));
    }
}

void SkyView::drawYLabel(QPainter *p, double value, double screenY)
{
    const QString label = QString::number(value, 'f', 0);
    QRect r = p->fontMetrics().boundingRect(label);
    r.setWidth(r.width() + 3);
    r.translate(rect().center().x() + zeroWidth(p), int(screenY - (r.top() + r.height() / 2.0)));
    p->setPen(axisPen);
    p->drawText(r, Qt::AlignCenter, label);
}

void SkyView::drawVerticalGrid(QPainter *p)
{
    const double radius = (bottomRight().x() - topLeft().x()) / 2;
    const QPointF origin = mapToScreen(p, QPointF(0, 0));
    const double scale = scaleX(p);
    for (int a = 0; a < 360; a += 30) {
        double x = 0;
        double y = 0;
        polarToXY(radius, a, &x, &y);
        p->setPen(gridPen);
        p->drawLine(origin, mapToScreen(p, QPointF(x, y)));
        if (a % 90 == 0)
            continue;
        // The label sits outside the rim, its centre half its diagonal beyond it.
        const QString label = QString::number(a);
        QRect r = p->fontMetrics().boundingRect(label);
        r.setWidth(r.width() + 3);
        const double halfDiagonal = std::sqrt(std::pow(r.width() / 2.0, 2) + std::pow(r.height() / 2.0, 2)) / scale;
        polarToXY(radius + halfDiagonal, a, &x, &y);
        r.translate(int(mapX(p, x) - r.width() / 2.0), int(r.height() / 2.0 + mapY(p, y)));
        p->setPen(axisPen);
        p->drawText(r, Qt::AlignCenter, label);
    }
}

void SkyView::drawAxes(QPainter *p)
{
    const QPointF origin = mapToScreen(p, QPointF(0, 0));
    p->save();
    p->setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    p->setPen(QPen(QColor(Qt::black), 1.5));
    p->drawLine(int(origin.x()), int(mapY(p, topLeft().y())), int(origin.x()), int(mapY(p, bottomRight().y())));
    p->drawLine(int(mapX(p, bottomRight().x())), int(origin.y()), int(mapX(p, topLeft().x())), int(origin.y()));
    p->restore();
}

double SkyView::discRadius(QPainter *p)
{
    return 1.5 * zeroWidth(p);
}

void SkyView::drawSatelliteCircle(QPainter *p, const QPointF &position, double radius, const QColor &rim,
                                  const QColor &fill)
{
    p->save();
    p->setRenderHint(QPainter::Antialiasing);
    p->setPen(QPen(QBrush(rim), 1.5, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
    p->setBrush(fill);
    p->drawEllipse(position, radius, radius);
    p->restore();
}

void SkyView::drawCachedSatelliteCircle(QPainter *p, int index, const QPointF &position, double radius,
                                        const QColor &rim, const QColor &fill)
{
    // Stroking an antialiased circle costs dozens of times what composing its
    // image does, and a satellite stays on the same spot for minutes.
    if (!composesLikeDirectDrawing(p)) {
        drawSatelliteCircle(p, position, radius, rim, fill);
        return;
    }
    if (discImages.size() <= index)
        discImages.resize(index + 1);
    DiscImage &disc = discImages[index];
    const QTransform device = p->deviceTransform();
    if (disc.image.isNull() || disc.position != position || disc.radius != radius || disc.rim != rim
        || disc.fill != fill || disc.device != device || disc.hints != p->renderHints()) {
        // The disc drawn with the painter's own transform, less whole device pixels,
        // so that its antialiased edge comes out as it would on the device.
        const double reach = radius + 2;
        const QRect area =
            device.mapRect(QRectF(position.x() - reach, position.y() - reach, 2 * reach, 2 * reach)).toAlignedRect();
        // A moving disc keeps its image: a new one would cost a new paint engine.
        QImage image = std::move(disc.image);
        if (image.size() != area.size())
            image = QImage(area.size(), QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        disc = DiscImage{position, radius, rim, fill, device, p->renderHints(), area.topLeft(), std::move(image)};
        QPainter painter(&disc.image);
        painter.setRenderHints(disc.hints);
        painter.setTransform(device * QTransform::fromTranslate(-area.x(), -area.y()));
        drawSatelliteCircle(&painter, position, radius, rim, fill);
    }
    drawAtDevicePixel(p, disc.image, disc.at);
}

void SkyView::drawSatelliteText(QPainter *p, const QPointF &position, int number, const QColor &color)
{
    // The painter holds the numbers' font.
    const QString label = QString::number(number);
    QRect r = labelBoundingRect(p, label);
    r.setWidth(r.width() + 3);
    const QPointF centre = QRectF(r).center();
    r.translate(int(position.x() - centre.x()), int(position.y() - centre.y()));
    p->setPen(color);
    drawCentredLabel(p, r, label);
}

void SkyView::drawBackground(QPainter *p)
{
    // The mapping asked once rather than per satellite: every call measures the font.
    const double radius = discRadius(p);
    const double scale = scaleX(p);
    const QPointF centre = plotCenter(p);
    const QFont saved = p->font();
    QFont numberFont = saved;
    numberFont.setWeight(QFont::DemiBold);
    p->setFont(numberFont);

    // Only the six named systems are drawn; a list stored under any other value
    // (the mixed talker, say) stays out of the picture.
    int disc = 0;
    for (auto system = systemColors.constBegin(); system != systemColors.constEnd(); ++system) {
        const SatNavSysEnum navSys = system.key();
        const QColor systemColor = system.value();
        const QSet<int> used = usedSatelliteIds.value(navSys);
        const bool fresh = dataFresh.value(navSys, false);
        for (const SatelliteInfo &satellite : satellites.value(navSys)) {
            double x = 0;
            double y = 0;
            polarToXY(90 - satellite.elevation, satellite.azimuth, &x, &y);
            // What mapToScreen() gives, the scale being the same on both axes.
            const QPointF position(scale * x + centre.x(), -scale * y + centre.y());

            // A black rim means the receiver reports the satellite on its second band.
            QColor rim = SatelliteInfo::isUnknown(satellite.snr2) ? systemColor : QColor(Qt::black);
            QColor fill = systemColor;
            if (!used.contains(int(satellite.number))) {
                fill.setAlpha(145);
                fill = fill.lighter(110);
            }
            QColor textColor = Qt::white;
            if (!fresh) {
                textColor = Qt::gray;
                rim.setAlpha(90);
                fill.setAlpha(90);
            }
            drawCachedSatelliteCircle(p, disc++, position, radius, rim, fill);
            drawSatelliteText(p, position, satellite.number, textColor);
        }
    }
    p->setFont(saved);
    // The images of discs no longer drawn go.
    discImages.resize(disc);
}

QVector<QPair<QPointF, QRect>> SkyView::legendLayout(QPainter *p)
{
    const int m = int(leftMargin(p));
    // A row is as high as a disc and a gap between rows.
    const double rowPitch = 2 * discRadius(p) + 0.5 * m;
    // Where a row ends is decided with the widget's font, not the painter's: the cached
    // rings and the discs drawn over them must share one chart whatever painter draws
    // them.
    const QFontMetrics widgetMetrics = fontMetrics();
    QVector<QPair<QPointF, QRect>> items;
    QVector<int> rowOf;
    int x = 0;
    int row = 0;
    for (auto system = systemColors.constBegin(); system != systemColors.constEnd(); ++system) {
        const QString label = QStringLiteral("- %1").arg(systemNames.value(system.key()));
        const QRect bounds = p->fontMetrics().boundingRect(label);
        int discX = int(x + 2.5 * m);
        int textX = int(discX + 2.5 * m);
        // The next entry goes to a new row where it would cross the right edge.
        if (x > 0 && textX + widgetMetrics.boundingRect(label).width() > rect().right()) {
            ++row;
            x = 0;
            discX = int(2.5 * m);
            textX = int(discX + 2.5 * m);
        }
        items.append(qMakePair(QPointF(discX, 0), bounds.translated(textX, 0)));
        rowOf.append(row);
        x = textX + m + bounds.width();
    }
    for (int i = 0; i < items.size(); ++i) {
        const double rowY = rect().bottom() - 2.5 * m - (row - rowOf.at(i)) * rowPitch;
        QRect &r = items[i].second;
        items[i].first.setY(rowY);
        r.translate(0, int(rowY - (r.top() + r.height() / 2.0)));
    }
    return items;
}

void SkyView::drawOverlay(QPainter *p)
{
    const QVector<QPair<QPointF, QRect>> legend = legendLayout(p);
    int i = 0;
    for (auto system = systemColors.constBegin(); system != systemColors.constEnd(); ++system, ++i) {
        drawSatelliteCircle(p, legend.at(i).first, discRadius(p), Qt::transparent, system.value());
        p->setPen(axisPen);
        p->drawText(legend.at(i).second, Qt::AlignLeft | Qt::AlignVCenter,
                    QStringLiteral("- %1").arg(systemNames.value(system.key())));
    }
}
