#include <QGestureEvent>
#include <QImage>
#include <QPainter>
#include <QPinchGesture>
#include <QSignalSpy>
#include <QStringList>
#include <QtTest>

#include <cmath>
#include <limits>

#include "connectguard.h"
#include "coordinategridview.h"
#include "viewmeasure.h"

namespace {

// Exposes the state and records the paint layers and the zoom factors.
class ProbeGrid : public CoordinateGridView
{
public:
    using CoordinateGridView::hScale;
    using CoordinateGridView::vScale;

    QStringList layers;
    QList<double> zooms;
    int yLabels = 0;
    int xLabels = 0;
    bool overrideSteps = false;
    double forcedStep = 0;

    void zoom(double factor) override { zooms.append(factor); }
    double gridStepX(QPainter *p) override
    {
        return overrideSteps ? forcedStep : CoordinateGridView::gridStepX(p);
    }
    double gridStepY(QPainter *p) override
    {
        return overrideSteps ? forcedStep : CoordinateGridView::gridStepY(p);
    }

protected:
    void drawBackground(QPainter *) override { layers << QStringLiteral("background"); }
    void drawHorizontalGrid(QPainter *p) override
    {
        layers << QStringLiteral("hgrid");
        CoordinateGridView::drawHorizontalGrid(p);
    }
    void drawVerticalGrid(QPainter *p) override
    {
        layers << QStringLiteral("vgrid");
        CoordinateGridView::drawVerticalGrid(p);
    }
    void drawAxisX(QPainter *) override { layers << QStringLiteral("axisX"); }
    void drawAxisY(QPainter *) override { layers << QStringLiteral("axisY"); }
    void drawYLabel(QPainter *, double, double) override { ++yLabels; }
    void drawXLabel(QPainter *, double, double) override { ++xLabels; }
    void drawData(QPainter *) override { layers << QStringLiteral("data"); }
    void drawOverlay(QPainter *) override { layers << QStringLiteral("overlay"); }
};

// A grid with a caption in its overlay, its layers above the background drawn
// from an image or directly; counts the passes over them.
class CachedGrid : public CoordinateGridView
{
public:
    explicit CachedGrid(bool cached) { setForegroundCached(cached); }

    using CoordinateGridView::drawCentredLabel;
    using CoordinateGridView::labelBoundingRect;

    int gridPasses = 0;

protected:
    void drawGrid(QPainter *p) override
    {
        ++gridPasses;
        CoordinateGridView::drawGrid(p);
    }
    void drawOverlay(QPainter *p) override
    {
        p->setPen(axisPen);
        p->drawText(rect(), Qt::AlignRight | Qt::AlignTop, text);
    }
};

bool isLightGrey(QRgb rgb)
{
    return qRed(rgb) == qGreen(rgb) && qGreen(rgb) == qBlue(rgb) && qRed(rgb) > 150 && qRed(rgb) < 230;
}

} // namespace

class TestCoordinateGridView : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { installConnectGuard(); }

    void niceStep_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<double>("expected");
        QTest::newRow("0.3") << 0.3 << 0.5;
        QTest::newRow("1") << 1.0 << 2.0;
        QTest::newRow("7") << 7.0 << 10.0;
        QTest::newRow("1000") << 1000.0 << 2000.0;
        QTest::newRow("zero") << 0.0 << 0.0;
        QTest::newRow("negative") << -3.0 << 0.0;
    }
    void niceStep()
    {
        QFETCH(double, value);
        QFETCH(double, expected);
        CoordinateGridView view;
        QCOMPARE(view.niceStep(value), expected);
    }

    void niceStepNeverLeavesItsTable()
    {
        // Every power of ten, where rounding in the logarithm may put the value
        // a decade low, and the edges of the double range.
        CoordinateGridView view;
        for (int e = -300; e <= 300; ++e) {
            const double v = std::pow(10.0, e);
            const double step = view.niceStep(v);
            QVERIFY2(step > v * 0.999 && step <= v * 2.001, qPrintable(QString::number(v)));
        }
        QVERIFY(view.niceStep(std::numeric_limits<double>::denorm_min()) >= 0);
        QVERIFY(std::isinf(view.niceStep(std::numeric_limits<double>::infinity())));
        QVERIFY(std::isnan(view.niceStep(std::nan(""))));
    }

    void visibleRectangleFollowsWidgetAndScale()
    {
        CoordinateGridView view;
        view.resize(500, 500);
        QCOMPARE(view.topLeft(), QPointF(-0.5, 0.5));
        QCOMPARE(view.bottomRight(), QPointF(0.5, -0.5));

        QSignalSpy spy(&view, SIGNAL(hScaleChanged(double)));
        view.setHScale(2);
        QCOMPARE(spy.count(), 1);
        QCOMPARE(view.topLeft(), QPointF(-0.25, 0.5));
        QCOMPARE(view.bottomRight(), QPointF(0.25, -0.5));
    }

    void mapping()
    {
        CoordinateGridView view;
        view.resize(500, 500);
        QImage image(1, 1, QImage::Format_ARGB32);
        QPainter p(&image);
        QCOMPARE(view.mapX(&p, 0.1), 299.0);
        QCOMPARE(view.mapY(&p, 0.1), 199.0);
        QCOMPARE(view.mapToScreen(&p, QPointF(-0.5, -0.5)), QPointF(-1, 499));
    }

    void zeroScaleIsIgnored()
    {
        ProbeGrid view;
        view.resize(200, 200);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QTRY_VERIFY(!view.layers.isEmpty());
        QSignalSpy vSpy(&view, SIGNAL(vScaleChanged(double)));
        QSignalSpy hSpy(&view, SIGNAL(hScaleChanged(double)));
        view.layers.clear();
        view.setVScale(0);
        view.setHScale(0);
        QCoreApplication::processEvents();
        QCOMPARE(view.vScale, 1.0);
        QCOMPARE(view.hScale, 1.0);
        QCOMPARE(vSpy.count() + hSpy.count(), 0);
        QVERIFY(view.layers.isEmpty());
    }

    void paintLayersRunInOrder()
    {
        ProbeGrid view;
        view.resize(200, 200);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QTRY_VERIFY(view.layers.contains(QStringLiteral("overlay")));
        const QStringList expected = {QStringLiteral("background"), QStringLiteral("hgrid"),
                                      QStringLiteral("vgrid"),      QStringLiteral("axisX"),
                                      QStringLiteral("axisY"),      QStringLiteral("data"),
                                      QStringLiteral("overlay")};
        QCOMPARE(view.layers.mid(0, expected.size()), expected);
    }

    void gridLinesOnNiceSteps()
    {
        // 500 px per unit: the step is the nice value above 1.8 text lines.
        CoordinateGridView view;
        view.resize(500, 500);
        const QImage image = view.grab().toImage();
        QImage probe(1, 1, QImage::Format_ARGB32);
        QPainter p(&probe);
        p.setFont(view.font());
        const double step = view.gridStepY(&p);
        QCOMPARE(step, view.niceStep(p.fontMetrics().height() * 1.8 / 500));
        const int sy = int(view.mapY(&p, step));
        int grey = 0;
        for (int x = 0; x < image.width(); ++x)
            grey += isLightGrey(image.pixel(x, sy)) ? 1 : 0;
        QVERIFY2(grey > image.width() / 2, "dashed grid line along the first step");
        // No line at 0: the axes belong to the views.
        int greyAtZero = 0;
        const int sy0 = int(view.mapY(&p, 0));
        for (int x = 0; x < image.width(); ++x)
            greyAtZero += isLightGrey(image.pixel(x, sy0)) ? 1 : 0;
        QVERIFY(greyAtZero < image.width() / 4);
    }

    void degenerateStepsEndTheGridLoops_data()
    {
        QTest::addColumn<double>("step");
        QTest::newRow("zero") << 0.0;
        QTest::newRow("negative") << -1.0;
        QTest::newRow("nan") << std::nan("");
        QTest::newRow("tiny") << 1e-300;
    }
    void degenerateStepsEndTheGridLoops()
    {
        QFETCH(double, step);
        ProbeGrid view;
        view.resize(300, 300);
        view.overrideSteps = true;
        view.forcedStep = step;
        view.grab();
        QVERIFY(view.layers.contains(QStringLiteral("overlay")));
        QVERIFY(view.yLabels <= 2 * CoordinateGridView::maxGridLines);
        QVERIFY(view.xLabels <= 2 * CoordinateGridView::maxGridLines);
    }

    void cachedForegroundLooksAsDrawnDirectly_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<double>("scale");
        QTest::addColumn<QString>("caption");
        QTest::newRow("square") << QSize(300, 300) << 1.0 << QStringLiteral("N-S (m)");
        QTest::newRow("wide, zoomed") << QSize(640, 180) << 3.5 << QStringLiteral("E-W");
        QTest::newRow("odd size") << QSize(257, 143) << 0.7 << QString();
    }
    void cachedForegroundLooksAsDrawnDirectly()
    {
        QFETCH(QSize, size);
        QFETCH(double, scale);
        QFETCH(QString, caption);
        CachedGrid cached(true);
        CachedGrid direct(false);
        for (CachedGrid *view : {&cached, &direct}) {
            view->resize(size);
            view->setVScale(scale);
            view->setText(caption);
        }
        QCOMPARE(cached.grab().toImage(), direct.grab().toImage());
    }

    void foregroundIsDrawnOnceUntilItsStateChanges()
    {
        CachedGrid view(true);
        view.resize(300, 200);
        view.grab();
        view.grab();
        QCOMPARE(view.gridPasses, 1);
        view.setText(QStringLiteral("caption"));
        view.grab();
        QCOMPARE(view.gridPasses, 2);
        view.resize(320, 200);
        view.grab();
        QCOMPARE(view.gridPasses, 3);
        view.setHScale(2);
        view.grab();
        view.grab();
        QCOMPARE(view.gridPasses, 4);

        CachedGrid direct(false);
        direct.resize(300, 200);
        direct.grab();
        direct.grab();
        QCOMPARE(direct.gridPasses, 2);
    }

    // A label drawn from its kept layout lands on the same pixels as drawText()
    // puts it, at any resolution, clipped as drawText() clips it.
    void labelsDrawAsDrawTextDoes_data()
    {
        QTest::addColumn<QString>("label");
        QTest::addColumn<double>("pointSize");
        QTest::addColumn<double>("ratio");
        QTest::addColumn<int>("widen");
        QTest::newRow("7") << QStringLiteral("7") << 9.0 << 1.0 << 3;
        QTest::newRow("127") << QStringLiteral("127") << 10.5 << 1.0 << 3;
        QTest::newRow("-1") << QStringLiteral("-1") << 12.0 << 1.0 << 3;
        QTest::newRow("trailing spaces") << QStringLiteral("12  ") << 12.0 << 1.0 << 0;
        QTest::newRow("ratio 2") << QStringLiteral("24") << 9.0 << 2.0 << 3;
        QTest::newRow("ratio 1.5") << QStringLiteral("193") << 13.0 << 1.5 << 3;
        QTest::newRow("ratio 1.25") << QStringLiteral("58") << 7.0 << 1.25 << 3;
        QTest::newRow("narrower than the text") << QStringLiteral("1234") << 12.0 << 1.0 << -9;
    }
    void labelsDrawAsDrawTextDoes()
    {
        QFETCH(QString, label);
        QFETCH(double, pointSize);
        QFETCH(double, ratio);
        QFETCH(int, widen);
        CachedGrid view(false);
        QFont font = view.font();
        font.setPointSizeF(pointSize);
        font.setWeight(QFont::DemiBold);
        QImage expected(QSize(80, 40) * ratio, QImage::Format_ARGB32_Premultiplied);
        expected.setDevicePixelRatio(ratio);
        expected.fill(Qt::transparent);
        QImage actual = expected;
        QRect r;
        {
            QPainter p(&expected);
            p.setFont(font);
            r = p.fontMetrics().boundingRect(label);
            r.setWidth(r.width() + widen);
            r.moveTo(17, 9);
            p.drawText(r, Qt::AlignCenter, label);
        }
        {
            QPainter p(&actual);
            p.setFont(font);
            QCOMPARE(view.labelBoundingRect(&p, label), p.fontMetrics().boundingRect(label));
            // Twice: once laid out, once from the kept layout.
            view.drawCentredLabel(&p, r, label);
            p.setCompositionMode(QPainter::CompositionMode_Source);
            p.fillRect(QRect(0, 0, 80, 40), Qt::transparent);
            p.setCompositionMode(QPainter::CompositionMode_SourceOver);
            view.drawCentredLabel(&p, r, label);
        }
        QCOMPARE(actual, expected);
    }

    void wheelZoom_data()
    {
        QTest::addColumn<int>("delta");
        QTest::addColumn<QList<double>>("zooms");
        QTest::newRow("notch up") << 120 << QList<double>{1 + 120 / 1800.0};
        QTest::newRow("factor zero") << -1800 << QList<double>{};
        QTest::newRow("factor negative") << -2400 << QList<double>{};
    }
    void wheelZoom()
    {
        QFETCH(int, delta);
        QFETCH(QList<double>, zooms);
        ProbeGrid view;
        view.resize(200, 200);
        sendWheel(&view, delta);
        QCOMPARE(view.zooms.size(), zooms.size());
        for (int i = 0; i < zooms.size(); ++i)
            QVERIFY(qFuzzyCompare(view.zooms.at(i), zooms.at(i)));
    }

    void pinchZoom()
    {
        ProbeGrid view;
        QPinchGesture pinch;
        pinch.setScaleFactor(1.18);
        pinch.setChangeFlags(QPinchGesture::ScaleFactorChanged);
        QGestureEvent event({&pinch});
        QVERIFY(QCoreApplication::sendEvent(&view, &event));
        QCOMPARE(view.zooms.size(), 1);
        QVERIFY(qFuzzyCompare(view.zooms.at(0), 1.1));

        QPinchGesture rotateOnly;
        rotateOnly.setChangeFlags(QPinchGesture::RotationAngleChanged);
        QGestureEvent second({&rotateOnly});
        QVERIFY(QCoreApplication::sendEvent(&view, &second));
        QCOMPARE(view.zooms.size(), 1);
    }
};

QTEST_MAIN(TestCoordinateGridView)
#include "tst_coordinategridview.moc"
