#include <QImage>
#include <QPainter>
#include <QtTest>

#include <cmath>

#include "connectguard.h"
#include "freshpicture.h"
#include "skyview.h"
#include "viewmeasure.h"

namespace {

QString describe(const QColor &actual, const QColor &expected)
{
    return QStringLiteral("actual %1, expected %2").arg(actual.name(), expected.name());
}

// A sky view with a 600 x 640 chart, and where a satellite's disc lands on it.
class Fixture
{
public:
    Fixture()
    {
        // Wide enough for the legend's one row, high enough for the chart to fill the width.
        view.resize(1000, 1040);
        ViewMeasure m(&view);
        zero = m.painter.fontMetrics().horizontalAdvance(QLatin1Char('0'));
        ringStep = view.gridStepY(&m.painter);
        // Half-way between two rings, between the spokes at 0 and 30 degrees.
        elevation = short(90 - 1.5 * ringStep);
    }

    QPointF discCentre(double elev, double azimuth)
    {
        ViewMeasure m(&view);
        double x = 0;
        double y = 0;
        SkyView::polarToXY(90 - elev, azimuth, &x, &y);
        return view.mapToScreen(&m.painter, QPointF(x, y));
    }

    // Inside the disc, left of the number.
    QColor fillAt(const QImage &image, double elev, double azimuth)
    {
        const QPointF c = discCentre(elev, azimuth);
        return image.pixelColor(int(c.x() - 1.5 * zero + 3), int(c.y()));
    }

    // On the rim, right of the centre: the most saturated or darkest of the
    // pixels the antialiased pen touches there.
    QColor rimAt(const QImage &image, double elev, double azimuth)
    {
        const QPointF c = discCentre(elev, azimuth);
        const int x = int(std::lround(c.x() + 1.5 * zero));
        QColor best = image.pixelColor(x, int(c.y()));
        for (int dx = -2; dx <= 2; ++dx) {
            const QColor candidate = image.pixelColor(x + dx, int(c.y()));
            if (candidate.value() - candidate.hsvSaturation() < best.value() - best.hsvSaturation())
                best = candidate;
        }
        return best;
    }

    SkyView view;
    int zero = 0;
    double ringStep = 0;
    short elevation = 0;
    const int azimuth = 15;
};

// Satellites of three systems, some used, some on the second band.
void fillSky(SkyView &view)
{
    view.resize(600, 640);
    view.setSatellites(NavSysGPS, {SatelliteInfo(3, 70, 40, 45, 38), SatelliteInfo(7, 25, 130, 39, -1),
                                   SatelliteInfo(11, 45, 250, 41, 30), SatelliteInfo(22, 88, 10, 50, 44)});
    view.setUsedSatellites(NavSysGPS, {3, 22});
    view.setSatellites(NavSysGLONASS, {SatelliteInfo(2, 50, 200, 40, 35), SatelliteInfo(9, 15, 80, 33, -1)});
    view.setSatellites(NavSysSBAS, {SatelliteInfo(127, 30, 160, 40, -1)});
}

// What changes between two paints, and whether anything does.
enum SkyChange { NoChange, Resize, Scale, Font, Palette, NewSatellites, MovedSatellites, UsedSet, Stale, Clear };

void change(SkyView &view, int which)
{
    switch (which) {
    case Resize:
        view.resize(520, 700);
        break;
    case Scale:
        view.setVScale(1.25);
        view.setHScale(0.8);
        break;
    case Font: {
        QFont font = view.font();
        font.setPointSizeF(font.pointSizeF() * 1.6);
        view.setFont(font);
        break;
    }
    case Palette: {
        QPalette palette = view.palette();
        palette.setColor(QPalette::Window, QColor(250, 250, 230));
        view.setPalette(palette);
        break;
    }
    case NewSatellites:
        view.setSatellites(NavSysGalileo, {SatelliteInfo(5, 35, 320, 42, 40), SatelliteInfo(12, 60, 170, 44, -1)});
        view.setUsedSatellites(NavSysGalileo, {5});
        break;
    case MovedSatellites:
        view.setSatellites(NavSysGPS, {SatelliteInfo(3, 71, 41, 45, 38), SatelliteInfo(7, 25, 130, 39, 20),
                                       SatelliteInfo(22, 88, 10, 50, 44)});
        break;
    case UsedSet:
        view.setUsedSatellites(NavSysGPS, {7, 11});
        break;
    case Stale:
        view.setSatellites(NavSysGPS, {});
        break;
    case Clear:
        view.clear();
        break;
    default:
        break;
    }
}

} // namespace

class TestSkyView : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { installConnectGuard(); }

    void polarToXY_data()
    {
        QTest::addColumn<double>("r");
        QTest::addColumn<double>("a");
        QTest::addColumn<double>("x");
        QTest::addColumn<double>("y");
        QTest::newRow("north") << 10.0 << 0.0 << 0.0 << 10.0;
        QTest::newRow("east") << 10.0 << 90.0 << 10.0 << 0.0;
        QTest::newRow("elevation 30, azimuth 225") << 60.0 << 225.0 << -42.4264 << -42.4264;
    }
    void polarToXY()
    {
        QFETCH(double, r);
        QFETCH(double, a);
        QFETCH(double, x);
        QFETCH(double, y);
        double outX = 0;
        double outY = 0;
        SkyView::polarToXY(r, a, &outX, &outY);
        QVERIFY(std::abs(outX - x) < 1e-3);
        QVERIFY(std::abs(outY - y) < 1e-3);
        double onlyY = 0;
        SkyView::polarToXY(r, a, nullptr, &onlyY);
        QCOMPARE(onlyY, outY);
    }

    void chartIsCircularAndCentredInsideTheMargins()
    {
        SkyView view;
        view.resize(600, 640);
        ViewMeasure m(&view);
        const int w = m.painter.fontMetrics().horizontalAdvance(QLatin1Char('0'));
        // Below the chart: the legend, in as many rows as the width needs.
        const double bottom = view.bottomMargin(&m.painter);
        QVERIFY(bottom >= 5 * w);
        QCOMPARE(view.scaleX(&m.painter), view.scaleY(&m.painter));
        QCOMPARE(view.scaleX(&m.painter), std::min((600.0 - 2 * w) / 180, (640.0 - w - bottom) / 180));
        const QPointF zenith = view.mapToScreen(&m.painter, QPointF(0, 0));
        QCOMPARE(zenith.y(), double((640 - 1) / 2) + (w - bottom) / 2.0);
        double x = 0;
        double y = 0;
        SkyView::polarToXY(90, 90, &x, &y);
        const QPointF horizonEast = view.mapToScreen(&m.painter, QPointF(x, y));
        QVERIFY(std::abs(horizonEast.x() - zenith.x() - 90 * view.scaleX(&m.painter)) < 1e-9);
    }

    void usedFreshStaleAndRim()
    {
        Fixture f;
        const QColor gps = f.view.systemColor(NavSysGPS);
        QCOMPARE(gps, QColor(35, 68, 235));
        f.view.setSatellites(NavSysGPS, {SatelliteInfo(3, f.elevation, f.azimuth, 40, -1),
                                         SatelliteInfo(5, f.elevation, f.azimuth + 180, 40, 33)});
        f.view.setUsedSatellites(NavSysGPS, {3});
        QVERIFY(f.view.isFresh(NavSysGPS));
        QImage image = f.view.grab().toImage();

        QColor actual = f.fillAt(image, f.elevation, f.azimuth);
        QVERIFY2(coloursNear(actual, gps, 3), qPrintable(describe(actual, gps)));
        QColor pale = gps;
        pale.setAlpha(145);
        pale = pale.lighter(110);
        actual = f.fillAt(image, f.elevation, f.azimuth + 180);
        QVERIFY2(coloursNear(actual, overWhite(pale), 3), qPrintable(describe(actual, overWhite(pale))));

        // Satellite 5 is reported on a second band: a black rim. Satellite 3 is not.
        QVERIFY(f.rimAt(image, f.elevation, f.azimuth + 180).value() < 100);
        const QColor ownRim = f.rimAt(image, f.elevation, f.azimuth);
        QVERIFY2(ownRim.blue() > ownRim.red() + 60, qPrintable(ownRim.name()));

        // An empty list keeps the discs, faded.
        f.view.setSatellites(NavSysGPS, {});
        QVERIFY(!f.view.isFresh(NavSysGPS));
        image = f.view.grab().toImage();
        QColor faded = gps;
        faded.setAlpha(90);
        actual = f.fillAt(image, f.elevation, f.azimuth);
        QVERIFY2(coloursNear(actual, overWhite(faded), 3), qPrintable(describe(actual, overWhite(faded))));

        // The next list restores full colour.
        f.view.setSatellites(NavSysGPS, {SatelliteInfo(3, f.elevation, f.azimuth, 40, -1)});
        image = f.view.grab().toImage();
        actual = f.fillAt(image, f.elevation, f.azimuth);
        QVERIFY2(coloursNear(actual, gps, 3), qPrintable(describe(actual, gps)));
    }

    void paleUntilAUsedSetArrives()
    {
        Fixture f;
        const QColor glonass = f.view.systemColor(NavSysGLONASS);
        f.view.setSatellites(NavSysGLONASS, {SatelliteInfo(4, f.elevation, f.azimuth, 40, -1)});
        const QImage image = f.view.grab().toImage();
        QColor pale = glonass;
        pale.setAlpha(145);
        pale = pale.lighter(110);
        const QColor actual = f.fillAt(image, f.elevation, f.azimuth);
        QVERIFY2(coloursNear(actual, overWhite(pale), 3), qPrintable(describe(actual, overWhite(pale))));
    }

    void zenithAndHorizon()
    {
        Fixture f;
        f.view.setSatellites(NavSysGalileo, {SatelliteInfo(1, 90, 0, 40, -1), SatelliteInfo(2, 0, 255, 40, -1)});
        f.view.setUsedSatellites(NavSysGalileo, {1, 2});
        const QImage image = f.view.grab().toImage();
        const QColor galileo = f.view.systemColor(NavSysGalileo);
        QColor actual = f.fillAt(image, 0, 255);
        QVERIFY2(coloursNear(actual, galileo, 3), qPrintable(describe(actual, galileo)));
        // The zenith disc sits on the cross of the axes: probe inside it, off the axes.
        const QPointF zenith = f.discCentre(90, 0);
        actual = image.pixelColor(int(zenith.x() - f.zero), int(zenith.y() + f.zero));
        QVERIFY2(coloursNear(actual, galileo, 3), qPrintable(describe(actual, galileo)));
    }

    void otherSystemValuesAreNotDrawn()
    {
        Fixture f;
        f.view.setSatellites(NavSysMixed, {SatelliteInfo(3, f.elevation, f.azimuth, 40, -1)});
        const QImage image = f.view.grab().toImage();
        QCOMPARE(f.fillAt(image, f.elevation, f.azimuth), QColor(Qt::white));
    }

    void clearLeavesOnlyTheChart()
    {
        Fixture f;
        f.view.setSatellites(NavSysBeiDou, {SatelliteInfo(3, f.elevation, f.azimuth, 40, -1)});
        f.view.clear();
        const QImage image = f.view.grab().toImage();
        QCOMPARE(f.fillAt(image, f.elevation, f.azimuth), QColor(Qt::white));
    }

    void legendNamesTheSystemsInTheirColours()
    {
        Fixture f;
        const QImage image = f.view.grab().toImage();
        ViewMeasure measure(&f.view);
        const QVector<QPair<QPointF, QRect>> legend = f.view.legendLayout(&measure.painter);
        QCOMPARE(legend.size(), 6);
        // The first legend disc is GPS, the second GLONASS; probed inside, left of centre.
        const int m = f.zero;
        const int rowY = int(legend.at(0).first.y());
        QCOMPARE(rowY, int(f.view.rect().bottom() - 2.5 * m));
        QColor actual = image.pixelColor(int(2.5 * m) - 2, rowY);
        QVERIFY2(coloursNear(actual, f.view.systemColor(NavSysGPS), 3), qPrintable(actual.name()));
        const int labelWidth = measure.painter.fontMetrics().boundingRect(QStringLiteral("- GPS")).width();
        const int second = int(int(int(2.5 * m) + 2.5 * m) + m + labelWidth + 2.5 * m);
        QCOMPARE(int(legend.at(1).first.x()), second);
        actual = image.pixelColor(second - 2, rowY);
        QVERIFY2(coloursNear(actual, f.view.systemColor(NavSysGLONASS), 3), qPrintable(actual.name()));
    }

    void legendWrapsInsideTheView_data()
    {
        QTest::addColumn<int>("width");
        QTest::newRow("the window's width") << 330;
        QTest::newRow("wide") << 1200;
    }

    // Every system's entry stays inside the view, apart from the others, below the chart.
    void legendWrapsInsideTheView()
    {
        QFETCH(int, width);
        SkyView view;
        view.resize(width, 400);
        ViewMeasure m(&view);
        const QVector<QPair<QPointF, QRect>> legend = view.legendLayout(&m.painter);
        QCOMPARE(legend.size(), 6);
        const double radius = 1.5 * m.painter.fontMetrics().horizontalAdvance(QLatin1Char('0'));
        const double horizon = view.mapY(&m.painter, -90);
        QList<QRectF> taken;
        for (const auto &item : legend) {
            const QRectF disc(item.first - QPointF(radius, radius), QSizeF(2 * radius, 2 * radius));
            for (const QRectF &part : {disc, QRectF(item.second)}) {
                QVERIFY(QRectF(view.rect()).contains(part));
                QVERIFY(part.top() > horizon);
                for (const QRectF &other : qAsConst(taken))
                    QVERIFY(!part.intersects(other));
            }
            taken << disc << QRectF(item.second);
        }
    }

    // The chart keeps what does not move with the satellites between paints; after
    // any change it must show what a view built in the new state shows.
    void pictureAfterAChangeIsAFreshViewsPicture_data()
    {
        QTest::addColumn<int>("which");
        QTest::newRow("nothing") << int(NoChange);
        QTest::newRow("resize") << int(Resize);
        QTest::newRow("scale") << int(Scale);
        QTest::newRow("font") << int(Font);
        QTest::newRow("palette") << int(Palette);
        QTest::newRow("new satellites") << int(NewSatellites);
        QTest::newRow("moved satellites") << int(MovedSatellites);
        QTest::newRow("used set") << int(UsedSet);
        QTest::newRow("stale") << int(Stale);
        QTest::newRow("clear") << int(Clear);
    }
    void pictureAfterAChangeIsAFreshViewsPicture()
    {
        QFETCH(int, which);
        QVERIFY(pictureMatchesFreshView<SkyView>(fillSky, change, which, NoChange));
    }

    // Drawn through another transform (the widget elsewhere in its window, half a
    // pixel off, a screen of another pixel ratio), the chart is drawn for that
    // transform, and drawn back as before when the transform returns.
    void pictureFollowsThePainter_data()
    {
        QTest::addColumn<QPointF>("offset");
        QTest::addColumn<double>("ratio");
        QTest::newRow("whole pixels") << QPointF(7, 5) << 1.0;
        QTest::newRow("half a pixel") << QPointF(7.5, 5.25) << 1.0;
        QTest::newRow("ratio 2") << QPointF(0, 0) << 2.0;
        QTest::newRow("ratio 1.5") << QPointF(3, 0) << 1.5;
    }
    void pictureFollowsThePainter()
    {
        QFETCH(QPointF, offset);
        QFETCH(double, ratio);
        auto paint = [&](SkyView &view) {
            QImage image(QSize(620, 660) * ratio, QImage::Format_ARGB32_Premultiplied);
            image.setDevicePixelRatio(ratio);
            image.fill(Qt::white);
            QPainter painter(&image);
            painter.translate(offset);
            view.render(&painter);
            return image;
        };
        SkyView view;
        fillSky(view);
        const QImage grabbed = view.grab().toImage();
        const QImage painted = paint(view);

        SkyView fresh;
        fillSky(fresh);
        QCOMPARE(painted, paint(fresh));
        QCOMPARE(view.grab().toImage(), grabbed);
    }

    void wheelDoesNotZoom()
    {
        SkyView view;
        view.resize(400, 400);
        const QPointF before = view.topLeft();
        sendWheel(&view, 120);
        QCOMPARE(view.topLeft(), before);
    }

    void slotsConnectByTextSignature()
    {
        SkyView view;
        QVERIFY(view.metaObject()->indexOfSlot("setSatellites(SatNavSysEnum,QVector<SatelliteInfo>)") >= 0);
        QVERIFY(view.metaObject()->indexOfSlot("setUsedSatellites(SatNavSysEnum,QSet<int>)") >= 0);
    }
};

QTEST_MAIN(TestSkyView)
#include "tst_skyview.moc"
