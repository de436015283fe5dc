#include "skyview.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <cmath>

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
    update();
}

void SkyView::setUsedSatellites(SatNavSysEnum in_navSys, const QSet<int> &in_usedSatelliteIds)
{
    usedSatelliteIds[in_navSys] = in_usedSatelliteIds;
    update();
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
    // Room for the legend row.
    return 5 * zeroWidth(p);
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

void SkyView::drawSatelliteCircle(QPainter *p, const QPointF &position, const QColor &rim, const QColor &fill)
{
    const double radius = 1.5 * zeroWidth(p);
    p->save();
    p->setRenderHint(QPainter::Antialiasing);
    p->setPen(QPen(QBrush(rim), 1.5, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
    p->setBrush(fill);
    p->drawEllipse(position, radius, radius);
    p->restore();
}

void SkyView::drawSatelliteText(QPainter *p, const QPointF &position, int number, const QColor &color)
{
    const QFont saved = p->font();
    QFont font = saved;
    font.setWeight(QFont::DemiBold);
    p->setFont(font);
    const QString label = QString::number(number);
    QRect r = p->fontMetrics().boundingRect(label);
    r.setWidth(r.width() + 3);
    const QPointF centre = QRectF(r).center();
    r.translate(int(position.x() - centre.x()), int(position.y() - centre.y()));
    p->setPen(color);
    p->drawText(r, Qt::AlignCenter, label);
    p->setFont(saved);
}

void SkyView::drawBackground(QPainter *p)
{
    // Only the six named systems are drawn; a list stored under any other value
    // (the mixed talker, say) stays out of the picture.
    for (auto system = systemColors.constBegin(); system != systemColors.constEnd(); ++system) {
        const SatNavSysEnum navSys = system.key();
        const QColor systemColor = system.value();
        const QSet<int> used = usedSatelliteIds.value(navSys);
        const bool fresh = dataFresh.value(navSys, false);
        for (const SatelliteInfo &satellite : satellites.value(navSys)) {
            double x = 0;
            double y = 0;
            polarToXY(90 - satellite.elevation, satellite.azimuth, &x, &y);
            const QPointF position = mapToScreen(p, QPointF(x, y));

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
            drawSatelliteCircle(p, position, rim, fill);
            drawSatelliteText(p, position, satellite.number, textColor);
        }
    }
}

void SkyView::drawOverlay(QPainter *p)
{
    const int m = int(leftMargin(p));
    const double rowY = rect().bottom() - 2.5 * m;
    int x = 0;
    for (auto system = systemColors.constBegin(); system != systemColors.constEnd(); ++system) {
        x = int(x + 2.5 * m);
        drawSatelliteCircle(p, QPointF(x, rowY), Qt::transparent, system.value());
        x = int(x + 2.5 * m);
        const QString label = QStringLiteral("- %1").arg(systemNames.value(system.key()));
        QRect r = p->fontMetrics().boundingRect(label);
        r.translate(x, int(rowY - (r.top() + r.height() / 2.0)));
        p->setPen(axisPen);
        p->drawText(r, Qt::AlignLeft | Qt::AlignVCenter, label);
        x = x + m + r.width();
    }
}
