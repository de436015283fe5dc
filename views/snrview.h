#pragma once

#include "coordinategridview.h"

#include <QColor>
#include <QFont>
#include <QPair>
#include <QRect>
#include <QString>
#include <QVector>

#include "satellitetypes.h"

// Carrier-to-noise bars of one satellite system: one grey cell per satellite with
// a bar for the first band on its left half and one for the second band on its
// right half.
class SnrView : public CoordinateGridView
{
    Q_OBJECT

public:
    explicit SnrView(QWidget *parent = nullptr);

    void clear();

    // The fewest slots the chart is divided into once data have arrived.
    static constexpr int minimumSlots = 8;

    int slotCount() const { return int(fixedBottomRight.x()); }
    bool isFresh() const { return dataFresh; }
    QVector<SatelliteInfo> satelliteData() const { return satelliteInfo; }
    QVector<QString> legendNames() const { return namesLegend; }

    QPointF plotCenter(QPainter *p) override;
    double leftMargin(QPainter *p) override;
    double rightMargin(QPainter *p) override;
    double bottomMargin(QPainter *p) override;
    double topMargin(QPainter *p) override;

    // Where the legend's colour boxes and their labels go, left to right.
    QVector<QPair<QRectF, QRect>> legendLayout(QPainter *p);
    // Where the system's caption goes: centred over the chart, or right of the legend
    // where centred it would cover it.
    QRect captionRect(QPainter *p);
    // Whether the satellite numbers under the bars take turns on two lines, because
    // side by side they would run together.
    bool numbersStaggered(QPainter *p);
    // Where the number of the satellite in the given slot is written.
    QRect numberRect(QPainter *p, int slot);

public slots:
    void setData(const QVector<SatelliteInfo> &in_satelliteInfo);
    void setNamesLegend(const QVector<QString> &in_namesLegend);

protected:
    void drawVerticalGrid(QPainter *p) override;
    void drawAxisX(QPainter *p) override;
    void drawAxisY(QPainter *p) override;
    void drawYLabel(QPainter *p, double value, double screenY) override;
    void drawXLabel(QPainter *p, double value, double slot) override;
    void drawBackground(QPainter *p) override;
    void drawData(QPainter *p) override;
    void drawOverlay(QPainter *p) override;
    void writeForegroundKey(QDataStream &key) const override;

    QVector<SatelliteInfo> satelliteInfo;
    QColor firstBandColor;
    QColor secondBandColor;
    QVector<QString> namesLegend;
    bool dataFresh;
    // The satellite numbers as written under the bars, and whether they take turns on two
    // lines, worked out once per list, font and slot width.
    QVector<QString> numberTexts;
    struct Stagger
    {
        bool known = false;
        QFont font;
        double slotWidth = 0;
        bool staggered = false;
    } stagger;
};
