#pragma once

#include "coordinategridview.h"

#include <QColor>
#include <QPair>
#include <QImage>
#include <QMap>
#include <QPainter>
#include <QSet>
#include <QString>
#include <QTransform>
#include <QVector>

#include "satellitetypes.h"

// Polar sky chart: azimuth clockwise from north at the top, elevation from the
// horizon at the rim to the zenith at the centre, one colour per satellite system.
class SkyView : public CoordinateGridView
{
    Q_OBJECT

public:
    explicit SkyView(QWidget *parent = nullptr);

    void clear();

    // Radius r and angle a in degrees (clockwise from north) to world x and y;
    // either output may be left out.
    static void polarToXY(double r, double a, double *x, double *y);

    QVector<SatelliteInfo> satellitesOf(SatNavSysEnum navSys) const { return satellites.value(navSys); }
    QSet<int> usedSatellitesOf(SatNavSysEnum navSys) const { return usedSatelliteIds.value(navSys); }
    bool isFresh(SatNavSysEnum navSys) const { return dataFresh.value(navSys, false); }
    QColor systemColor(SatNavSysEnum navSys) const { return systemColors.value(navSys); }

    double leftMargin(QPainter *p) override;
    double rightMargin(QPainter *p) override;
    double bottomMargin(QPainter *p) override;
    double topMargin(QPainter *p) override;
    double scaleY(QPainter *p) override;
    double scaleX(QPainter *p) override;

    // Where each system's disc (its centre) and label go in the legend below the chart:
    // left to right, in as many rows as the width needs, the last row at the bottom.
    QVector<QPair<QPointF, QRect>> legendLayout(QPainter *p);

public slots:
    void setSatellites(SatNavSysEnum in_navSys, const QVector<SatelliteInfo> &in_satellites);
    void setUsedSatellites(SatNavSysEnum in_navSys, const QSet<int> &in_usedSatelliteIds);
    // The system's satellites are no longer reported: its discs leave the chart.
    void clearSatellites(SatNavSysEnum in_navSys);

protected:
    void drawHorizontalGrid(QPainter *p) override;
    void drawVerticalGrid(QPainter *p) override;
    void drawAxes(QPainter *p) override;
    void drawYLabel(QPainter *p, double value, double screenY) override;
    void drawBackground(QPainter *p) override;
    void drawOverlay(QPainter *p) override;

    void writeForegroundKey(QDataStream &key) const override;

    // The radius of a satellite's disc: one and a half widths of the font's zero.
    static double discRadius(QPainter *p);
    void drawSatelliteCircle(QPainter *p, const QPointF &position, double radius, const QColor &rim,
                             const QColor &fill);
    // The same through the image of the index-th disc of the last paint, drawn
    // anew only when the disc or the painter's transform has changed since.
    void drawCachedSatelliteCircle(QPainter *p, int index, const QPointF &position, double radius, const QColor &rim,
                                   const QColor &fill);
    void drawSatelliteText(QPainter *p, const QPointF &position, int number, const QColor &color);

    QMap<SatNavSysEnum, QVector<SatelliteInfo>> satellites;
    QMap<SatNavSysEnum, QSet<int>> usedSatelliteIds;
    QMap<SatNavSysEnum, QString> systemNames;
    QMap<SatNavSysEnum, QColor> systemColors;
    QMap<SatNavSysEnum, bool> dataFresh;
    QColor gpsColor;
    QColor glonassColor;
    QColor beidouColor;
    QColor galileoColor;
    QColor navicColor;
    QColor sbasColor;

private:
    // One disc as the last paint drew it, in device pixels.
    struct DiscImage
    {
        QPointF position;
        double radius = 0;
        QColor rim;
        QColor fill;
        QTransform device;
        QPainter::RenderHints hints;
        QPoint at;
        QImage image;
    };
    QVector<DiscImage> discImages;
};
