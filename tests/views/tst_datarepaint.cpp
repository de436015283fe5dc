// Plot, track, sky and C/No views repaint for new data at most every dataRepaintIntervalMs: a burst
// of samples gives one repaint at once and one more at the end of the interval, which
// shows the newest sample; what the user does repaints at once, and a caption that does
// not change repaints nothing.

#include <QElapsedTimer>
#include <QEvent>
#include <QtTest>

#include <memory>

#include "connectguard.h"
#include "plotview.h"
#include "skyview.h"
#include "snrview.h"
#include "trackview.h"

namespace {

class PaintCounter : public QObject
{
public:
    PaintCounter() { clock.start(); }
    int paints = 0;
    // When each paint came; the view paces its repaints from its own last paint.
    QList<qint64> at;
    qint64 sinceLastPaint() const { return clock.elapsed() - at.last(); }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            ++paints;
            at << clock.elapsed();
        }
        return false;
    }

private:
    QElapsedTimer clock;
};

enum Sample { PlotValue, PlotShift, TrackPoint, TrackShift, SnrList, SkyList, SkyUsedSet };

std::unique_ptr<CoordinateGridView> viewFor(int sample)
{
    switch (sample) {
    case PlotValue:
    case PlotShift: return std::make_unique<PlotView>();
    case SnrList: return std::make_unique<SnrView>();
    case SkyList:
    case SkyUsedSet: return std::make_unique<SkyView>();
    default: return std::make_unique<TrackView>();
    }
}

QVector<SatelliteInfo> satellites(int i)
{
    return {SatelliteInfo(short(1 + i % 30), short(10 + i % 80), (7 * i) % 360, short(20 + i % 30), -1)};
}

void add(CoordinateGridView *view, int sample, int i)
{
    switch (sample) {
    case PlotValue: static_cast<PlotView *>(view)->addValue(100 + 0.1 * i, 0.01 * i, 1); break;
    case PlotShift: static_cast<PlotView *>(view)->shiftValues(0.01); break;
    case TrackPoint: static_cast<TrackView *>(view)->addPoint(0.001 * i, 0, 1); break;
    case SnrList: static_cast<SnrView *>(view)->setData(satellites(i)); break;
    case SkyList: static_cast<SkyView *>(view)->setSatellites(NavSysGPS, satellites(i)); break;
    case SkyUsedSet: static_cast<SkyView *>(view)->setUsedSatellites(NavSysGPS, {1 + i % 30}); break;
    default: static_cast<TrackView *>(view)->shiftPoints(0.001, 0); break;
    }
}

} // namespace

class TestDataRepaint : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { installConnectGuard(); }

    void aBurstRepaintsTwice_data()
    {
        QTest::addColumn<int>("sample");
        QTest::newRow("plot values") << int(PlotValue);
        QTest::newRow("plot shifts") << int(PlotShift);
        QTest::newRow("track points") << int(TrackPoint);
        QTest::newRow("track shifts") << int(TrackShift);
        QTest::newRow("C/No lists") << int(SnrList);
        QTest::newRow("sky lists") << int(SkyList);
        QTest::newRow("sky used sets") << int(SkyUsedSet);
    }

    void aBurstRepaintsTwice()
    {
        QFETCH(int, sample);
        const std::unique_ptr<CoordinateGridView> view = viewFor(sample);

        view->resize(300, 200);
        view->show();
        QVERIFY(QTest::qWaitForWindowExposed(view.get()));
        PaintCounter counter;
        view->installEventFilter(&counter);

        add(view.get(), sample, 0);
        QTRY_COMPARE(counter.paints, 1);
        for (int i = 1; i <= 50; ++i)
            add(view.get(), sample, i);
        QTest::qWait(50);
        if (counter.sinceLastPaint() < CoordinateGridView::dataRepaintIntervalMs - 20)
            QCOMPARE(counter.paints, 1);
        QTRY_COMPARE(counter.paints, 2);
        // Never sooner than the interval after the first, however late this loop noticed it.
        QVERIFY2(counter.at.at(1) - counter.at.at(0) >= CoordinateGridView::dataRepaintIntervalMs - 20,
                 qPrintable(QString::number(counter.at.at(1) - counter.at.at(0))));
        QTest::qWait(CoordinateGridView::dataRepaintIntervalMs + 50);
        QCOMPARE(counter.paints, 2);

        // A zoom (the charts of a fixed range: a resize) is the user's: at once.
        if (sample >= SnrList)
            view->resize(320, 220);
        else
            view->zoom(1.1);
        QTRY_COMPARE(counter.paints, 3);
        view->removeEventFilter(&counter);
    }

    void theSameCaptionDoesNotRepaint()
    {
        TrackView view;
        view.resize(300, 200);
        view.setText(QStringLiteral("Single"));
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        PaintCounter counter;
        view.installEventFilter(&counter);
        for (int i = 0; i < 5; ++i)
            view.setText(QStringLiteral("Single"));
        QTest::qWait(100);
        QCOMPARE(counter.paints, 0);
        view.setText(QStringLiteral("Fix"));
        QTRY_COMPARE(counter.paints, 1);
        QCOMPARE(view.caption(), QStringLiteral("Fix"));
        view.removeEventFilter(&counter);
    }
};

QTEST_MAIN(TestDataRepaint)
#include "tst_datarepaint.moc"
