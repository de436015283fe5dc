// Plot and track views repaint for new data at most every dataRepaintIntervalMs: a burst
// of samples gives one repaint at once and one more at the end of the interval, which
// shows the newest sample; what the user does repaints at once, and a caption that does
// not change repaints nothing.

#include <QElapsedTimer>
#include <QEvent>
#include <QtTest>

#include <memory>

#include "connectguard.h"
#include "plotview.h"
#include "trackview.h"

namespace {

class PaintCounter : public QObject
{
public:
    int paints = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

enum Sample { PlotValue, PlotShift, TrackPoint, TrackShift };

std::unique_ptr<CoordinateGridView> viewFor(int sample)
{
    if (sample == PlotValue || sample == PlotShift)
        return std::make_unique<PlotView>();
    return std::make_unique<TrackView>();
}

void add(CoordinateGridView *view, int sample, int i)
{
    switch (sample) {
    case PlotValue: static_cast<PlotView *>(view)->addValue(100 + 0.1 * i, 0.01 * i, 1); break;
    case PlotShift: static_cast<PlotView *>(view)->shiftValues(0.01); break;
    case TrackPoint: static_cast<TrackView *>(view)->addPoint(0.001 * i, 0, 1); break;
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
        QElapsedTimer clock;
        clock.start();
        for (int i = 1; i <= 50; ++i)
            add(view.get(), sample, i);
        QTest::qWait(50);
        if (clock.elapsed() < CoordinateGridView::dataRepaintIntervalMs - 20)
            QCOMPARE(counter.paints, 1);
        QTRY_COMPARE(counter.paints, 2);
        QVERIFY(clock.elapsed() >= CoordinateGridView::dataRepaintIntervalMs / 2);
        QTest::qWait(CoordinateGridView::dataRepaintIntervalMs + 50);
        QCOMPARE(counter.paints, 2);

        // A zoom is the user's: at once.
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
