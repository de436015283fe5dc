#include <QImage>
#include <QPainter>
#include <QtTest>

#include "connectguard.h"
#include "trackview.h"
#include "viewmeasure.h"

namespace {

class ProbeTrack : public TrackView
{
public:
    using TrackView::hScale;
    using TrackView::text;
    using TrackView::vScale;
};

QPoint screenOf(TrackView &view, double x, double y)
{
    ViewMeasure m(&view);
    const QPointF at = view.mapToScreen(&m.painter, QPointF(x, y));
    return QPoint(int(at.x()), int(at.y()));
}

} // namespace

class TestTrackView : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { installConnectGuard(); }

    void referenceAtTheCentre()
    {
        TrackView view;
        view.resize(500, 500);
        QCOMPARE(view.topLeft(), QPointF(-0.5, 0.5));
        QCOMPARE(view.bottomRight(), QPointF(0.5, -0.5));
        QCOMPARE(view.maxNumberPoints(), 5000);
    }

    void wheelZoomsBothAxesAroundTheReference()
    {
        ProbeTrack view;
        view.resize(500, 500);
        const QPoint centre = screenOf(view, 0, 0);
        sendWheel(&view, 120);
        QVERIFY(qFuzzyCompare(view.vScale, 1 + 120 / 1800.0));
        QVERIFY(qFuzzyCompare(view.hScale, 1 + 120 / 1800.0));
        QCOMPARE(screenOf(view, 0, 0), centre);
        sendWheel(&view, -3000); // would be a negative factor: ignored
        QVERIFY(qFuzzyCompare(view.vScale, 1 + 120 / 1800.0));
    }

    void keepsAtMostTheLimit()
    {
        TrackView view;
        for (int i = 0; i < 5001; ++i)
            view.addPoint(i, -i, 4);
        QCOMPARE(view.pointCount(), 5000);
        QCOMPARE(view.pointAt(0), QPointF(1, -1));
        QCOMPARE(view.pointAt(4999), QPointF(5000, -5000));
    }

    void loweringTheLimitKeepsTheNewest()
    {
        TrackView view;
        for (int i = 0; i < 100; ++i)
            view.addPoint(i, 0, 4);
        view.setMaxNumberPoints(10);
        QCOMPARE(view.maxNumberPoints(), 10);
        QCOMPARE(view.pointCount(), 10);
        QCOMPARE(view.pointAt(0), QPointF(90, 0));
    }

    void limitBelowOne_data()
    {
        QTest::addColumn<int>("limit");
        QTest::newRow("zero") << 0;
        QTest::newRow("negative") << -5;
    }
    void limitBelowOne()
    {
        QFETCH(int, limit);
        TrackView view;
        view.addPoint(1, 1, 4);
        view.setMaxNumberPoints(limit);
        QCOMPARE(view.pointCount(), 0);
        view.addPoint(2, 2, 4);
        view.addPoint(3, 3, 4);
        QCOMPARE(view.pointCount(), 1);
        QCOMPARE(view.pointAt(0), QPointF(3, 3));
    }

    void shiftAndClear()
    {
        ProbeTrack view;
        view.addPoint(1, 2, 4);
        view.setText(QStringLiteral("FIX"));
        view.shiftPoints(0.5, -1);
        QCOMPARE(view.pointAt(0), QPointF(1.5, 1));
        view.clear();
        QCOMPARE(view.pointCount(), 0);
        QVERIFY(view.text.isEmpty());
    }

    void labelText_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("0.05") << 0.05 << QStringLiteral("0.050");
        QTest::newRow("0.5") << 0.5 << QStringLiteral("0.50");
        QTest::newRow("1.5") << 1.5 << QStringLiteral("1.5");
        QTest::newRow("20") << 20.0 << QStringLiteral("20");
    }
    void labelText()
    {
        QFETCH(double, value);
        QFETCH(QString, text);
        QCOMPARE(TrackView::labelText(value), text);
    }

    void qualityColours()
    {
        TrackView view;
        view.resize(500, 500);
        // One dot per quality, clear of the grid lines and the axes.
        const QList<QPair<qint16, QColor>> expected = {
            {1, Qt::cyan},  {2, Qt::blue}, {4, Qt::green}, {5, Qt::yellow}, {6, Qt::black},
            {0, Qt::gray},  {3, Qt::gray}, {7, Qt::gray},  {-1, Qt::gray}};
        for (int i = 0; i < expected.size(); ++i)
            view.addPoint(-0.44 + 0.095 * i, 0.33, expected.at(i).first);
        view.addPoint(0.23, -0.33, 1);
        const QImage image = view.grab().toImage();
        for (int i = 0; i < expected.size(); ++i)
            QCOMPARE(image.pixelColor(screenOf(view, -0.44 + 0.095 * i, 0.33)), expected.at(i).second);
        QCOMPARE(image.pixelColor(screenOf(view, 0.23, -0.33)), QColor(Qt::red));
    }

    void pointOnTheEdgeIsNotDrawn()
    {
        TrackView view;
        view.resize(500, 500);
        view.addPoint(0.5, 0.33, 4); // on the right edge, newest: would be red
        const QPoint edge = screenOf(view, 0.5, 0.33);
        QCOMPARE(edge.x(), 499);
        QImage image = view.grab().toImage();
        QVERIFY(image.pixelColor(edge) != QColor(Qt::red));
        QVERIFY(image.pixelColor(edge.x() - 1, edge.y()) != QColor(Qt::red));

        view.addPoint(0.47, 0.33, 4);
        image = view.grab().toImage();
        QCOMPARE(image.pixelColor(screenOf(view, 0.47, 0.33)), QColor(Qt::red));
    }

    void axesCrossAtTheReference()
    {
        TrackView view;
        view.resize(500, 500);
        const QImage image = view.grab().toImage();
        const QPoint origin = screenOf(view, 0, 0);
        const QColor northAxis = image.pixelColor(origin.x(), origin.y() + 100);
        const QColor eastAxis = image.pixelColor(origin.x() - 100, origin.y());
        QVERIFY(northAxis.value() < 128);
        QVERIFY(eastAxis.value() < 128);
    }
};

QTEST_MAIN(TestTrackView)
#include "tst_trackview.moc"
