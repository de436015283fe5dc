#include <QImage>
#include <QPainter>
#include <QSignalSpy>
#include <QtTest>

#include <cmath>

#include "connectguard.h"
#include "plotview.h"
#include "viewmeasure.h"

namespace {

class ProbePlot : public PlotView
{
public:
    using PlotView::hScale;
    using PlotView::points;
    using PlotView::vScale;
};

QPoint dotCentre(PlotView &view, double time, double value)
{
    ViewMeasure m(&view);
    return QPoint(int(view.mapX(&m.painter, view.timeToX(time))), int(view.mapY(&m.painter, value)));
}

bool hasLightGreyNear(const QImage &image, int x, int yFrom, int yTo)
{
    for (int y = yFrom; y < yTo; ++y) {
        for (int dx = -1; dx <= 1; ++dx) {
            const QColor c = image.pixelColor(x + dx, y);
            if (c.red() == c.green() && c.green() == c.blue() && c.red() > 150 && c.red() < 230)
                return true;
        }
    }
    return false;
}

} // namespace

class TestPlotView : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { installConnectGuard(); }

    void startsOnTheFirst150Seconds()
    {
        PlotView view;
        view.resize(600, 300);
        QCOMPARE(view.topLeft(), QPointF(0, 1.2));
        QCOMPARE(view.bottomRight(), QPointF(150, -1.2));
    }

    void leadMarginIsSeventeenPixels_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<double>("scale");
        QTest::addColumn<double>("lead");
        QTest::newRow("600 px") << 600 << 1.0 << 4.0;    // 17 * 150 / 600 = 4.25
        QTest::newRow("300 px") << 300 << 1.0 << 9.0;    // 8.5, halves up
        QTest::newRow("600 px, scale 2") << 600 << 2.0 << 2.0;
        QTest::newRow("zero width") << 0 << 1.0 << 0.0;
    }
    void leadMarginIsSeventeenPixels()
    {
        QFETCH(int, width);
        QFETCH(double, scale);
        QFETCH(double, lead);
        PlotView view;
        view.resize(width, 100);
        QCOMPARE(view.width(), width);
        view.setHScale(scale);
        QCOMPARE(view.leadMargin(), lead);
    }

    void windowFollowsTheNewestSample()
    {
        PlotView view;
        view.resize(600, 300);
        view.addValue(1000, 0.5, 4);
        QCOMPARE(view.bottomRight().x(), 1004.0);
        QCOMPARE(view.topLeft().x(), 854.0);
        view.addValue(990, 0.5, 4);
        QCOMPARE(view.bottomRight().x(), 994.0);
    }

    void zeroWidthKeepsTheWindowFinite()
    {
        PlotView view;
        view.resize(0, 100);
        view.addValue(500, 0.1, 4);
        view.setHScale(2);
        QVERIFY(std::isfinite(view.topLeft().x()));
        QCOMPARE(view.bottomRight().x(), 500.0);
        view.resize(600, 300);
        view.addValue(600, 0.1, 4);
        QCOMPARE(view.bottomRight().x(), 602.0); // lead of 2 s at scale 2
        QVERIFY(std::isfinite(view.topLeft().x()));
    }

    void keepsAtMost5000Samples()
    {
        ProbePlot view;
        view.resize(600, 300);
        for (int i = 0; i < 5001; ++i)
            view.addValue(i, i, 4);
        QCOMPARE(view.pointCount(), 5000);
        QCOMPARE(view.pointAt(0), QPointF(1, 1));
        QCOMPARE(view.pointAt(view.pointCount() - 1), QPointF(5000, 5000));
    }

    void shiftAndClear()
    {
        ProbePlot view;
        view.resize(600, 300);
        view.addValue(10, 0.5, 4);
        view.addValue(11, -0.5, 4);
        view.shiftValues(0.25);
        QCOMPARE(view.pointAt(0).y(), 0.75);
        QCOMPARE(view.pointAt(1).y(), -0.25);
        const QPointF right = view.bottomRight();
        view.clear();
        QCOMPARE(view.pointCount(), 0);
        QCOMPARE(view.bottomRight(), right);
    }

    void hScaleKeepsTheLeadInPixels()
    {
        PlotView view;
        view.resize(600, 300);
        view.addValue(1000, 0, 4);
        ViewMeasure m(&view);
        const double gapBefore = view.width() - view.mapX(&m.painter, 1000);
        QSignalSpy spy(&view, SIGNAL(hScaleChanged(double)));
        view.setHScale(2);
        QCOMPARE(spy.count(), 1);
        QCOMPARE(view.bottomRight().x() - view.topLeft().x(), 75.0);
        const double gapAfter = view.width() - view.mapX(&m.painter, 1000);
        QCOMPARE(gapAfter, gapBefore);

        view.setHScale(0);
        QCOMPARE(spy.count(), 1);
        QCOMPARE(view.bottomRight().x() - view.topLeft().x(), 75.0);
    }

    void wheelZoomsTheValueAxisOnly()
    {
        ProbePlot view;
        view.resize(600, 300);
        QSignalSpy vSpy(&view, SIGNAL(vScaleChanged(double)));
        sendWheel(&view, 120);
        QVERIFY(qFuzzyCompare(view.vScale, 1 + 120 / 1800.0));
        QCOMPARE(view.hScale, 1.0);
        QCOMPARE(vSpy.count(), 0);
    }

    void timeStep_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<double>("step");
        QTest::newRow("0.5") << 0.5 << 1.0;
        QTest::newRow("3") << 3.0 << 5.0;
        QTest::newRow("12") << 12.0 << 15.0;
        QTest::newRow("25") << 25.0 << 30.0;
        QTest::newRow("59") << 59.0 << 60.0;
        QTest::newRow("61") << 61.0 << 120.0;
        QTest::newRow("300") << 300.0 << 300.0;
    }
    void timeStep()
    {
        QFETCH(double, value);
        QFETCH(double, step);
        PlotView view;
        QCOMPARE(view.niceStepX(value), step);
    }

    void timeOfDay_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<double>("expected");
        QTest::newRow("plain") << 3600.0 << 3600.0;
        QTest::newRow("next day") << 86401.0 << 1.0;
        QTest::newRow("before midnight") << -10.0 << 86390.0;
    }
    void timeOfDay()
    {
        QFETCH(double, value);
        QFETCH(double, expected);
        QCOMPARE(PlotView::timeOfDay(value), expected);
    }

    void newestSampleRedOthersByQuality()
    {
        PlotView view;
        view.resize(600, 300);
        // Qualities 1, 2, 4, 5, 0 and 3 at values clear of the grid lines.
        const QList<QPair<qint16, QColor>> expected = {{1, Qt::cyan},  {2, Qt::blue},  {4, Qt::green},
                                                       {5, Qt::yellow}, {0, Qt::black}, {3, Qt::black}};
        for (int i = 0; i < expected.size(); ++i)
            view.addValue(103 + 10 * i, 0.23, expected.at(i).first);
        view.addValue(173, 0.23, 1);
        const QImage image = view.grab().toImage();
        for (int i = 0; i < expected.size(); ++i) {
            const QPoint at = dotCentre(view, 103 + 10 * i, 0.23);
            QCOMPARE(image.pixelColor(at), expected.at(i).second);
        }
        QCOMPARE(image.pixelColor(dotCentre(view, 173, 0.23)), QColor(Qt::red));
    }

    void midnightWrap()
    {
        PlotView view;
        view.resize(600, 300);
        view.addValue(86399, 0.23, 4);
        view.addValue(1, -0.23, 4);
        // The window slides back to just after midnight.
        QCOMPARE(view.bottomRight().x(), 5.0);
        QCOMPARE(view.timeToX(86399), -1.0);
        const QImage image = view.grab().toImage();
        // The older dot is drawn just left of midnight, the newer right of it.
        const QPoint older = dotCentre(view, 86399, 0.23);
        const QPoint newer = dotCentre(view, 1, -0.23);
        QVERIFY(older.x() < newer.x());
        QCOMPARE(image.pixelColor(older), QColor(Qt::green));
        QCOMPARE(image.pixelColor(newer), QColor(Qt::red));
        // A time line stands at midnight, where the label reads 00:00.
        ViewMeasure m(&view);
        const int midnight = int(view.mapX(&m.painter, 0));
        QVERIFY(hasLightGreyNear(image, midnight, 0, image.height() / 3));
    }

    void timeLabels_data()
    {
        QTest::addColumn<double>("time");
        QTest::addColumn<QString>("label");
        QTest::newRow("midnight") << 0.0 << QStringLiteral("00:00");
        QTest::newRow("last minutes") << 86390.0 << QStringLiteral("59:50");
        QTest::newRow("hour dropped") << 3725.0 << QStringLiteral("02:05");
    }
    void timeLabels()
    {
        QFETCH(double, time);
        QFETCH(QString, label);
        QCOMPARE(PlotView::timeLabelText(time), label);
    }

    void timeLabelsKeepClearOfTheValueLabels_data()
    {
        QTest::addColumn<int>("height");
        QTest::newRow("a plot of the plot window") << 110;
        QTest::newRow("low") << 70;
        QTest::newRow("tall") << 400;
    }

    // The labels of -1 and of the lowest edge end above the time labels.
    void timeLabelsKeepClearOfTheValueLabels()
    {
        QFETCH(int, height);
        PlotView view;
        view.resize(600, height);
        ViewMeasure m(&view);
        const QRect time = view.timeLabelRect(&m.painter, PlotView::timeLabelText(59 * 60 + 59), 40);
        for (double value : {-1.0, view.bottomRight().y()}) {
            const QRect label = view.valueLabelRect(&m.painter, value, view.mapY(&m.painter, value));
            QVERIFY2(label.bottom() < time.top(), qPrintable(QStringLiteral("%1: %2 / %3").arg(value).arg(label.bottom()).arg(time.top())));
        }
    }

    void emptyPlotDrawsZeroLine()
    {
        PlotView view;
        view.resize(600, 300);
        const QImage image = view.grab().toImage();
        ViewMeasure m(&view);
        const int sy = int(view.mapY(&m.painter, 0));
        // The zero line is solid light grey across the whole width (right of the labels).
        for (int x = 100; x < 590; x += 37)
            QCOMPARE(image.pixelColor(x, sy), QColor(Qt::lightGray));
    }
};

QTEST_MAIN(TestPlotView)
#include "tst_plotview.moc"
