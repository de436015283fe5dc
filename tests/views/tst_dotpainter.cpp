#include <QImage>
#include <QPainter>
#include <QRandomGenerator>
#include <QtTest>

#include <cmath>
#include <limits>

#include "connectguard.h"
#include "dotpainter.h"

namespace {

struct Dot
{
    QPointF centre;
    QColor colour;
};

const QColor palette[] = {Qt::cyan, Qt::blue, Qt::green, Qt::yellow, Qt::black, Qt::gray, Qt::red};

// Dense wandering runs, as a track or a plot makes them, and dots scattered everywhere,
// some across the edges.
QVector<Dot> sampleDots(const QSize &size, int count, quint32 seed)
{
    QRandomGenerator rng(seed);
    QVector<Dot> dots;
    QPointF walker(size.width() / 2.0, size.height() / 2.0);
    for (int i = 0; i < count; ++i) {
        QPointF centre;
        if (i % 3 == 0) {
            centre = QPointF(rng.generateDouble() * (size.width() + 20) - 10,
                             rng.generateDouble() * (size.height() + 20) - 10);
        } else {
            walker += QPointF(rng.generateDouble() - 0.5, rng.generateDouble() - 0.5) * 1.5;
            centre = walker;
        }
        dots.append({centre, palette[rng.bounded(7)]});
    }
    return dots;
}

// The device a view paints on: its own size at no offset (a grab), or, offset by the
// view's place, a window's larger one with the view's rectangle as the clip.
QImage deviceFor(const QSize &size, const QPoint &offset)
{
    QImage image(offset.isNull() ? size : size + QSize(2 * offset.x(), 2 * offset.y()),
                 QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    return image;
}

void prepare(QPainter &p, const QSize &size, const QPoint &offset, bool antialiased)
{
    p.translate(offset);
    if (!offset.isNull())
        p.setClipRect(QRect(QPoint(), size));
    p.setRenderHint(QPainter::Antialiasing, antialiased);
}

// What the views drew before: one ellipse per dot, pen and brush in its colour.
QImage drawnOneByOne(const QVector<Dot> &dots, const QSize &size, const QPoint &offset, bool antialiased)
{
    QImage image = deviceFor(size, offset);
    QPainter p(&image);
    prepare(p, size, offset, antialiased);
    for (const Dot &dot : dots) {
        p.setPen(dot.colour);
        p.setBrush(dot.colour);
        p.drawEllipse(DotPainter::snapped(dot.centre), 2.5, 2.5);
    }
    return image;
}

QImage drawnByDotPainter(DotPainter &dots, const QVector<Dot> &list, const QSize &size, const QPoint &offset,
                         bool antialiased, bool *stamped = nullptr)
{
    QImage image = deviceFor(size, offset);
    QPainter p(&image);
    prepare(p, size, offset, antialiased);
    dots.begin(&p, size);
    for (const Dot &dot : list)
        dots.addDot(dot.centre, dot.colour);
    dots.end();
    if (stamped)
        *stamped = dots.stamping();
    return image;
}

int differingPixels(const QImage &a, const QImage &b)
{
    int count = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x)
            count += a.pixel(x, y) != b.pixel(x, y) ? 1 : 0;
    }
    return count;
}

} // namespace

class TestDotPainter : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { installConnectGuard(); }

    void sameAsOneEllipsePerDot_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<int>("count");
        QTest::addColumn<quint32>("seed");
        QTest::addColumn<QPoint>("offset");
        QTest::newRow("track") << QSize(600, 600) << 6000 << 1u << QPoint();
        QTest::newRow("wide plot") << QSize(1900, 300) << 6000 << 2u << QPoint();
        QTest::newRow("inside a window") << QSize(700, 500) << 4000 << 3u << QPoint(37, 12);
        QTest::newRow("tiny area") << QSize(7, 5) << 300 << 4u << QPoint();
    }
    void sameAsOneEllipsePerDot()
    {
        QFETCH(QSize, size);
        QFETCH(int, count);
        QFETCH(quint32, seed);
        QFETCH(QPoint, offset);
        const QVector<Dot> list = sampleDots(size, count, seed);
        DotPainter dots(2.5);
        bool stamped = false;
        const QImage stampedImage = drawnByDotPainter(dots, list, size, offset, false, &stamped);
        QVERIFY(stamped);
        QCOMPARE(differingPixels(stampedImage, drawnOneByOne(list, size, offset, false)), 0);
        // A second paint with other dots leaves nothing of the first behind.
        const QVector<Dot> other = sampleDots(size, count / 2, seed + 100);
        QCOMPARE(differingPixels(drawnByDotPainter(dots, other, size, offset, false),
                                 drawnOneByOne(other, size, offset, false)), 0);
    }

    void painterItCannotCopyGetsEllipses()
    {
        const QSize size(300, 200);
        const QVector<Dot> list = sampleDots(size, 500, 9);
        DotPainter dots(2.5);
        bool stamped = true;
        const QImage image = drawnByDotPainter(dots, list, size, QPoint(), true, &stamped);
        QVERIFY(!stamped);
        QCOMPARE(differingPixels(image, drawnOneByOne(list, size, QPoint(), true)), 0);
    }

    void nonsenseCentresDrawNothing()
    {
        const QSize size(100, 100);
        const double nan = std::numeric_limits<double>::quiet_NaN();
        const double inf = std::numeric_limits<double>::infinity();
        const QVector<Dot> list{{QPointF(nan, 50), Qt::red},   {QPointF(50, inf), Qt::red},
                                {QPointF(-1e300, 5), Qt::red}, {QPointF(4e9, 4e9), Qt::red},
                                {QPointF(-3.5, -3.5), Qt::red}};
        DotPainter dots(2.5);
        const QImage image = drawnByDotPainter(dots, list, size, QPoint(), false);
        QImage white(size, QImage::Format_ARGB32_Premultiplied);
        white.fill(Qt::white);
        QCOMPARE(differingPixels(image, white), 0);
    }
};

QTEST_MAIN(TestDotPainter)
#include "tst_dotpainter.moc"
