// Renders every view and the two graphics scenes, filled with sample data, to PNG
// files in "rendered/" next to the test executable, so that a person can look at
// them. Each picture is also checked for having been drawn at all.

#include <QCoreApplication>
#include <QDir>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QImage>
#include <QtTest>

#include <cmath>

#include "screenshot.h"
#include "aircraftfrontviewgritem.h"
#include "aircraftsideviewgritem.h"
#include "arrowgritem.h"
#include "baselinebackgroundgritem.h"
#include "connectguard.h"
#include "cornertextgritem.h"
#include "crossbackgroundgritem.h"
#include "plotview.h"
#include "skyview.h"
#include "snrview.h"
#include "trackview.h"

namespace {

} // namespace

class TestViewRender : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        installConnectGuard();
    }

    void plotView()
    {
        PlotView view;
        view.resize(640, 240);
        view.setText(QStringLiteral("N-S (m)"));
        // Five minutes before midnight into the new day, the quality changing
        // every minute.
        const qint16 qualities[] = {1, 2, 4, 5, 0};
        for (int i = 0; i < 150; ++i) {
            const double t = std::fmod(86400 - 100 + i, 86400);
            view.addValue(t, 0.6 * std::sin(i / 15.0) + 0.1 * std::cos(i / 3.0), qualities[(i / 30) % 5]);
        }
        saveDrawnScreenshot(&view, QStringLiteral("plotview.png"));
    }

    void trackView()
    {
        TrackView view;
        view.resize(520, 520);
        view.setText(QStringLiteral("FIX"));
        const qint16 qualities[] = {1, 2, 4, 5, 6, 0};
        for (int i = 0; i < 300; ++i) {
            const double a = i / 20.0;
            view.addPoint(0.25 * std::cos(a) * (1 + i / 600.0), 0.18 * std::sin(1.3 * a), qualities[(i / 50) % 6]);
        }
        saveDrawnScreenshot(&view, QStringLiteral("trackview.png"));
    }

    void skyView()
    {
        SkyView view;
        view.resize(760, 560);
        view.setSatellites(NavSysGPS, {{3, 70, 40, 45, 38}, {7, 25, 130, 39, -1}, {11, 45, 250, 41, 30},
                                       {19, 10, 300, 30, -1}, {22, 88, 10, 50, 44}});
        view.setUsedSatellites(NavSysGPS, {3, 11, 22});
        view.setSatellites(NavSysGLONASS, {{2, 50, 200, 40, 35}, {9, 15, 80, 33, -1}});
        view.setUsedSatellites(NavSysGLONASS, {2});
        view.setSatellites(NavSysGalileo, {{5, 35, 320, 42, 40}, {12, 60, 170, 44, -1}});
        view.setUsedSatellites(NavSysGalileo, {5, 12});
        view.setSatellites(NavSysBeiDou, {{21, 30, 20, 38, -1}});
        view.setSatellites(NavSysNavIC, {{4, 20, 230, 35, 0}});
        view.setSatellites(NavSysSBAS, {{127, 30, 160, 40, -1}});
        // SBAS then goes quiet: its last satellite stays, faded.
        view.setSatellites(NavSysSBAS, {});
        saveDrawnScreenshot(&view, QStringLiteral("skyview.png"));
    }

    void snrView()
    {
        SnrView view;
        view.resize(480, 260);
        view.setText(QStringLiteral("GPS"));
        view.setNamesLegend({QStringLiteral("L1"), QStringLiteral("L5")});
        QVector<SatelliteInfo> list;
        const short first[] = {45, 39, 41, 30, 50, 28, 0, 47, 36, 44};
        const short second[] = {38, -1, 30, -1, 44, 25, 33, 0, -1, 40};
        for (int i = 0; i < 10; ++i)
            list.append(SatelliteInfo(short(2 + 3 * i), 40, 100, first[i], second[i]));
        view.setData(list);
        saveDrawnScreenshot(&view, QStringLiteral("snrview.png"));

        SnrView few;
        few.resize(480, 260);
        few.setText(QStringLiteral("GLONASS (stale)"));
        few.setNamesLegend({QStringLiteral("F1"), QStringLiteral("F2")});
        few.setData({{1, 30, 20, 42, 35}, {8, 20, 40, 33, -1}, {17, 60, 70, 48, 41}});
        few.setData({});
        saveDrawnScreenshot(&few, QStringLiteral("snrview_stale.png"));
    }

    void scenes_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("item"); // 0 front, 1 side, 2 arrow over the cross; 3 arrow over the base-line dial
        QTest::addColumn<QString>("caption");
        QTest::addColumn<double>("angle");
        QTest::newRow("front") << "course_front.png" << 0 << "Roll: " << 15.0;
        QTest::newRow("side") << "course_side.png" << 1 << "Pitch: " << -10.0;
        QTest::newRow("arrow") << "course_arrow.png" << 2 << "Course: " << 60.0;
        QTest::newRow("base line") << "baseline.png" << 3 << "Azimuth: " << 135.0;
    }

    void scenes()
    {
        QFETCH(QString, file);
        QFETCH(int, item);
        QFETCH(QString, caption);
        QFETCH(double, angle);
        QGraphicsScene scene;
        if (item == 3)
            scene.addItem(new BaseLineBackgroundGrItem);
        else
            scene.addItem(new CrossBackgroundGrItem);
        QGraphicsItem *turned = item == 0 ? static_cast<QGraphicsItem *>(new AircraftFrontViewGrItem)
            : item == 1                   ? static_cast<QGraphicsItem *>(new AircraftSideViewGrItem)
                                          : static_cast<QGraphicsItem *>(new ArrowGrItem);
        scene.addItem(turned);
        turned->setRotation(angle);
        auto *text = new CornerTextGrItem;
        scene.addItem(text);
        text->setText2(caption);
        text->setText1(QString::number(angle, 'f', 1));

        QGraphicsView view(&scene);
        view.resize(400, 340);
        view.setSceneRect(-200, -170, 400, 340);
        view.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        view.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        view.grab(); // the items size themselves at their first paint
        saveDrawnScreenshot(&view, file);
    }
};

QTEST_MAIN(TestViewRender)
#include "tst_viewrender.moc"
