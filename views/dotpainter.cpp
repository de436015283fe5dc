#include "dotpainter.h"

#include <QHash>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <QTransform>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>

namespace {

// Offsets per pixel along each axis.
constexpr int steps = 64;
// A mask cell: the dot's centre sits at (half, half) plus its offset. A pen of one pixel
// around a dot of radius r reaches at most r + 2 pixels from the centre.
constexpr int cell = 32;
constexpr int half = cell / 2;
constexpr double maxStampRadius = half - 3;

bool integral(double v)
{
    return std::floor(v) == v;
}

} // namespace

// The masks of one radius, one per (x, y) offset, drawn by Qt on first use and shared by
// every painter of that radius.
struct DotPainter::Masks
{
    // A run of pixels in one row of a mask.
    struct Run
    {
        quint8 row;
        quint8 x;
        quint8 length;
    };

    struct Mask
    {
        bool drawn = false;
        quint8 top = 0;     // first row with a pixel
        quint8 bottom = 0;  // one past the last
        quint8 left = 0;    // first column with a pixel
        quint8 right = 0;   // one past the last
        std::array<quint32, cell> rows{};
        QVector<Run> runs;
    };

    explicit Masks(double r)
        : radius(r),
          mask(steps * steps),
          scratch(cell, cell, QImage::Format_ARGB32_Premultiplied)
    {
    }

    const Mask &get(int fx, int fy)
    {
        Mask &m = mask[fy * steps + fx];
        if (!m.drawn)
            draw(m, fx, fy);
        return m;
    }

    void draw(Mask &m, int fx, int fy)
    {
        scratch.fill(Qt::transparent);
        {
            QPainter p(&scratch);
            p.setPen(QColor(Qt::black));
            p.setBrush(QColor(Qt::black));
            p.drawEllipse(QPointF(half + fx / double(steps), half + fy / double(steps)), radius, radius);
        }
        m.top = m.left = cell;
        m.bottom = m.right = 0;
        for (int y = 0; y < cell; ++y) {
            const QRgb *line = reinterpret_cast<const QRgb *>(scratch.constScanLine(y));
            quint32 bits = 0;
            for (int x = 0; x < cell; ++x) {
                if (qAlpha(line[x]) != 0)
                    bits |= quint32(1) << x;
            }
            m.rows[y] = bits;
            if (bits == 0)
                continue;
            m.top = qMin<int>(m.top, y);
            m.bottom = quint8(y + 1);
            m.left = qMin<int>(m.left, qCountTrailingZeroBits(bits));
            m.right = qMax<int>(m.right, 32 - qCountLeadingZeroBits(bits));
            for (int x = 0; x < cell;) {
                if (!(bits >> x & 1)) {
                    ++x;
                    continue;
                }
                int end = x;
                while (end < cell && (bits >> end & 1))
                    ++end;
                m.runs.append({quint8(y), quint8(x), quint8(end - x)});
                x = end;
            }
        }
        if (m.top >= m.bottom)
            m.top = m.bottom = m.left = m.right = 0;
        m.drawn = true;
    }

    double radius;
    QVector<Mask> mask;
    QImage scratch;
};

DotPainter::DotPainter(double radius)
    : dotRadius(radius)
{
}

DotPainter::~DotPainter() = default;

QPointF DotPainter::snapped(const QPointF &centre)
{
    return QPointF(std::round(centre.x() * steps) / steps, std::round(centre.y() * steps) / steps);
}

bool DotPainter::canStamp(QPainter *p) const
{
    // Stamping copies Qt's own pixels, so it holds only where Qt would draw the same
    // aliased, opaque pixels at whole-pixel positions.
    if (!(dotRadius > 0 && dotRadius <= maxStampRadius))
        return false;
    const QPaintEngine *engine = p->paintEngine();
    if (!engine || engine->type() != QPaintEngine::Raster || !engine->paintDevice())
        return false;
    if (p->device() && p->device()->devicePixelRatioF() != 1.0)
        return false;
    const QTransform t = p->deviceTransform();
    if (t.type() > QTransform::TxTranslate || !integral(t.dx()) || !integral(t.dy()))
        return false;
    return !p->testRenderHint(QPainter::Antialiasing) && p->opacity() == 1.0
        && p->compositionMode() == QPainter::CompositionMode_SourceOver;
}

void DotPainter::begin(QPainter *p, const QSize &area)
{
    painter = p;
    haveColour = false;
    stampingNow = canStamp(p) && !area.isEmpty();
    if (!stampingNow) {
        p->save();
        return;
    }
    if (!masks)
        masks = masksOf(dotRadius);
    if (layer.size() != area) {
        layer = QImage(area, QImage::Format_ARGB32_Premultiplied);
        layer.fill(Qt::transparent);
        touched = QRect();
    }
    // The stamps write the layer's pixels directly.
    layerBits = layer.bits();
    layerStride = layer.bytesPerLine();
    // Only what the last paint wrote needs clearing.
    for (int y = touched.top(); y <= touched.bottom(); ++y)
        std::memset(layerBits + qptrdiff(y) * layerStride + touched.left() * 4, 0, size_t(touched.width()) * 4);
    touched = QRect();

    // The device in the painter's coordinates, and the centres whose dot and pen stay
    // clear of its edges.
    const QPaintDevice *device = p->paintEngine()->paintDevice();
    const QTransform t = p->deviceTransform();
    deviceRect = QRect(-int(t.dx()), -int(t.dy()), device->width(), device->height());
    const double reach = dotRadius + 2;
    stampable = QRectF(deviceRect).adjusted(reach, reach, -reach, -reach);
}

void DotPainter::addDot(const QPointF &centre, const QColor &colour)
{
    if (!painter)
        return;
    // A dot this far out cannot reach a pixel of the area (or is not a number at all).
    const double limit = 1e7;
    if (!(std::fabs(centre.x()) < limit && std::fabs(centre.y()) < limit))
        return;
    const QPointF c = snapped(centre);
    if (!stampingNow) {
        const QRgb rgba = colour.rgba();
        if (!haveColour || rgba != lastColour) {
            painter->setPen(colour);
            painter->setBrush(colour);
            lastColour = rgba;
            haveColour = true;
        }
        painter->drawEllipse(c, dotRadius, dotRadius);
        return;
    }
    if (!stampable.contains(centre)) {
        drawClipped(c, colour);
        return;
    }
    const qint64 kx = qint64(std::llround(centre.x() * steps));
    const qint64 ky = qint64(std::llround(centre.y() * steps));
    // Floor division: the offset within the pixel is 0 to 63 on both sides of 0.
    const int x = int(kx >= 0 ? kx / steps : -((-kx + steps - 1) / steps));
    const int y = int(ky >= 0 ? ky / steps : -((-ky + steps - 1) / steps));
    stamp(x, y, int(kx - qint64(x) * steps), int(ky - qint64(y) * steps), colour.rgba());
}

void DotPainter::stamp(int x, int y, int fx, int fy, QRgb colour)
{
    const int w = layer.width();
    const int h = layer.height();
    const int left = x - half;
    const int top = y - half;
    if (left >= w || top >= h || left + cell <= 0 || top + cell <= 0)
        return;
    const Masks::Mask &m = masks->get(fx, fy);
    const QRgb premultiplied = qPremultiply(colour);
    if (left + m.left >= 0 && top + m.top >= 0 && left + m.right <= w && top + m.bottom <= h) {
        // The whole dot lies in the layer: its runs go in as they are.
        if (m.bottom == 0)
            return;
        for (const Masks::Run &run : m.runs) {
            QRgb *line = reinterpret_cast<QRgb *>(layerBits + qptrdiff(top + run.row) * layerStride) + left + run.x;
            std::fill_n(line, run.length, premultiplied);
        }
        touched |= QRect(left + m.left, top + m.top, m.right - m.left, m.bottom - m.top);
        return;
    }
    int minX = w, maxX = -1, minY = h, maxY = -1;
    for (int row = m.top; row < m.bottom; ++row) {
        const int py = top + row;
        if (py < 0 || py >= h)
            continue;
        quint32 bits = m.rows[row];
        // Columns left or right of the area are not in the layer.
        if (left < 0)
            bits = -left >= cell ? 0 : bits & (~quint32(0) << -left);
        if (left + cell > w)
            bits = w - left >= cell ? bits : bits & ((quint32(1) << (w - left)) - 1);
        if (bits == 0)
            continue;
        QRgb *line = reinterpret_cast<QRgb *>(layerBits + qptrdiff(py) * layerStride);
        const int first = qCountTrailingZeroBits(bits);
        const int last = 31 - qCountLeadingZeroBits(bits);
        for (; bits != 0; bits &= bits - 1)
            line[left + qCountTrailingZeroBits(bits)] = premultiplied;
        minX = qMin(minX, left + first);
        maxX = qMax(maxX, left + last);
        minY = qMin(minY, py);
        maxY = qMax(maxY, py);
    }
    if (maxX >= 0)
        touched |= QRect(QPoint(minX, minY), QPoint(maxX, maxY));
}

void DotPainter::drawClipped(const QPointF &centre, const QColor &colour)
{
    // Qt draws this dot into a piece of image whose edges are the device's edges where
    // they cut the dot, so it clips it as it would on the device; the piece's pixels then
    // go into the layer.
    const QRect cellBox(int(std::floor(centre.x())) - half, int(std::floor(centre.y())) - half, cell, cell);
    const QRect piece = cellBox & deviceRect;
    if ((piece & layer.rect()).isEmpty())
        return;
    QImage image(piece.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter p(&image);
        p.translate(-piece.topLeft());
        p.setPen(colour);
        p.setBrush(colour);
        p.drawEllipse(centre, dotRadius, dotRadius);
    }
    const QRect target = piece & layer.rect();
    for (int y = target.top(); y <= target.bottom(); ++y) {
        const QRgb *from = reinterpret_cast<const QRgb *>(image.constScanLine(y - piece.top()));
        QRgb *to = reinterpret_cast<QRgb *>(layerBits + qptrdiff(y) * layerStride);
        for (int x = target.left(); x <= target.right(); ++x) {
            const QRgb pixel = from[x - piece.left()];
            if (qAlpha(pixel) != 0)
                to[x] = pixel;
        }
    }
    touched |= target;
}

void DotPainter::end()
{
    if (!painter)
        return;
    if (stampingNow) {
        if (!touched.isEmpty())
            painter->drawImage(touched.topLeft(), layer, touched);
    } else {
        painter->restore();
    }
    painter = nullptr;
}

std::shared_ptr<DotPainter::Masks> DotPainter::masksOf(double radius)
{
    // Every view of one dot size shares one set of masks, kept for the program's life.
    static QHash<quint64, std::shared_ptr<DotPainter::Masks>> byRadius;
    quint64 key;
    static_assert(sizeof(key) == sizeof(radius), "radius keyed by its bits");
    std::memcpy(&key, &radius, sizeof(key));
    auto &entry = byRadius[key];
    if (!entry)
        entry = std::make_shared<DotPainter::Masks>(radius);
    return entry;
}
