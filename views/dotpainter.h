#pragma once

#include <QColor>
#include <QImage>
#include <QPointF>
#include <QRect>
#include <QRectF>
#include <QSize>
#include <QVector>

#include <memory>

class QPainter;

// Paints a run of solid dots of one radius, each in its own opaque colour, later dots over
// earlier ones. The picture is what QPainter::drawEllipse() draws for each dot in turn,
// pen and brush in the dot's colour, with the centre taken to the nearest 1/64 pixel;
// the dots are stamped from masks that Qt itself drew once per 1/64-pixel offset, into
// one layer that is drawn with a single call. Qt clips a dot that crosses the edge of the
// paint device before it rasterises it, which moves a pixel here and there: such a dot
// is drawn by Qt at its turn, against the same edges. A painter this cannot reproduce
// (antialiasing, a scale, a translucent or non-raster target) gets the ellipses drawn
// one by one instead.
//
//   dots.begin(p, size());
//   for (...) dots.addDot(centre, colour);
//   dots.end();
class DotPainter
{
public:
    explicit DotPainter(double radius);
    ~DotPainter();

    void begin(QPainter *painter, const QSize &area);
    void addDot(const QPointF &centre, const QColor &colour);
    void end();

    double radius() const { return dotRadius; }
    // Whether the last begin() took the stamping road.
    bool stamping() const { return stampingNow; }

    // A centre on the grid the dots are drawn on: the nearest 1/64 pixel.
    static QPointF snapped(const QPointF &centre);

private:
    struct Masks;
    static std::shared_ptr<Masks> masksOf(double radius);

    bool canStamp(QPainter *painter) const;
    void stamp(int x, int y, int fx, int fy, QRgb colour);
    void drawClipped(const QPointF &centre, const QColor &colour);

    double dotRadius;
    QPainter *painter = nullptr;
    bool stampingNow = false;
    QImage layer;
    uchar *layerBits = nullptr;
    qsizetype layerStride = 0;
    QRect touched;
    // The device, and the centres whose dot stays clear of its edges, in the painter's
    // coordinates.
    QRect deviceRect;
    QRectF stampable;
    QRgb lastColour = 0;
    bool haveColour = false;
    std::shared_ptr<Masks> masks;
};
