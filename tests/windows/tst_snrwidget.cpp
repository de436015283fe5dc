#include <QFrame>
#include <QGridLayout>
#include <QtTest>

#include "connectguard.h"
#include "plotwindowstest.h"
#include "snrview.h"
#include "snrwidget.h"

using namespace plotwindowstest;

Q_DECLARE_METATYPE(SatNavSysEnum)

namespace {

const char *const viewNames[] = {"snrViewGPS",    "snrViewGLONASS", "snrViewGalileo",
                                 "snrViewBeiDou", "snrViewIRNSS",   "snrViewSBAS"};

SatelliteInfo sat(int number, int elevation, int azimuth, int snr)
{
    return SatelliteInfo(short(number), short(elevation), azimuth, short(snr), -1);
}

} // namespace

class TestSnrWidget : public QObject, public NmeaWindowFixture<SnrWidget>
{
    Q_OBJECT

private slots:
    void initTestCase() { installConnectGuard(); }

    void init()
    {
        QVERIFY(openWindow());
    }

    void cleanup() { closeWindow(); }

    void formAsDesigned()
    {
        QCOMPARE(window->windowTitle(), QStringLiteral("Signal/Noise Ratio"));
        QCOMPARE(window->size(), QSize(298, 590));
        QCOMPARE(window->minimumSize(), QSize(250, 350));
        auto *grid = qobject_cast<QGridLayout *>(window->layout());
        QVERIFY(grid);
        for (int row = 0; row < 6; ++row) {
            auto *frame = qobject_cast<QFrame *>(grid->itemAtPosition(row, 0)->widget());
            QVERIFY(frame);
            QCOMPARE(frame->frameShadow(), QFrame::Sunken);
            QCOMPARE(frame->findChild<SnrView *>()->objectName(), QString::fromLatin1(viewNames[row]));
        }
    }

    void captionsAndLegends_data()
    {
        QTest::addColumn<QString>("view");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::newRow("GPS") << "snrViewGPS" << "GPS" << "L1" << "L2";
        QTest::newRow("GLONASS") << "snrViewGLONASS" << "GLONASS" << "F1" << "F2";
        QTest::newRow("Galileo") << "snrViewGalileo" << "Galileo" << "E1" << "E5";
        QTest::newRow("BeiDou") << "snrViewBeiDou" << "BeiDou" << "B1" << "B2";
        QTest::newRow("NavIC") << "snrViewIRNSS" << "NavIC" << "L5" << "S";
        QTest::newRow("SBAS") << "snrViewSBAS" << "SBAS" << "L1" << "";
    }
    void captionsAndLegends()
    {
        QFETCH(QString, view);
        QFETCH(QString, caption);
        QFETCH(QString, first);
        QFETCH(QString, second);
        auto *snr = window->findChild<SnrView *>(view);
        QVERIFY(snr);
        QCOMPARE(snr->caption(), caption);
        // Before a controller every chart has the view's own legend.
        QCOMPARE(snr->legendNames(), (QVector<QString>{"L1", "L2"}));
        window->setController(session->controller);
        QCOMPARE(snr->legendNames(), (QVector<QString>{first, second}));
        // A null controller leaves the legend as it is.
        window->setController(nullptr);
        QCOMPARE(snr->legendNames(), (QVector<QString>{first, second}));
    }

    void eachSystemReachesItsChart_data()
    {
        QTest::addColumn<QByteArray>("talker");
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("view");
        QTest::newRow("GPS") << QByteArray("GP") << 7 << "snrViewGPS";
        QTest::newRow("GLONASS") << QByteArray("GL") << 3 << "snrViewGLONASS";
        QTest::newRow("Galileo") << QByteArray("GA") << 11 << "snrViewGalileo";
        QTest::newRow("BeiDou") << QByteArray("GB") << 21 << "snrViewBeiDou";
        QTest::newRow("NavIC") << QByteArray("GI") << 2 << "snrViewIRNSS";
        QTest::newRow("SBAS") << QByteArray("GS") << 127 << "snrViewSBAS";
    }
    void eachSystemReachesItsChart()
    {
        QFETCH(QByteArray, talker);
        QFETCH(int, number);
        QFETCH(QString, view);
        window->setController(session->controller);
        // Unknown elevation and azimuth do not matter here: the bars are C/N0 only.
        session->send(gsvLines(talker, {sat(number, -1, -1, 42)}));
        auto *target = window->findChild<SnrView *>(view);
        QTRY_COMPARE(target->satelliteData().size(), 1);
        QCOMPARE(int(target->satelliteData().first().number), number);
        QCOMPARE(int(target->satelliteData().first().snr1), 42);
        for (const char *name : viewNames) {
            if (view != QLatin1String(name))
                QVERIFY2(window->findChild<SnrView *>(name)->satelliteData().isEmpty(), name);
        }
    }

    void emptyListLeavesTheBarsStale()
    {
        window->setController(session->controller);
        auto *gps = window->findChild<SnrView *>("snrViewGPS");
        session->send(gsvLines("GP", {sat(7, 10, 20, 40), sat(9, 30, 40, 35)}));
        QTRY_VERIFY(gps->isFresh());
        session->send(nmeaLine("GPGSV,1,1,00"));
        QTRY_VERIFY(!gps->isFresh());
        QCOMPARE(gps->satelliteData().size(), 2);
    }

    void stoppedBandOrSystemLeavesTheBars_data()
    {
        using namespace epoch;
        QTest::addColumn<QByteArray>("after");
        QTest::addColumn<QVector<int>>("secondBand");
        QTest::addColumn<int>("glonassBars");
        QTest::newRow("GPS L2 stops") << gga() + gpsL1() + glonass() << QVector<int>{-1, -1, -1, -1} << 3;
        QTest::newRow("GLONASS stops") << gga() + gpsL1() + gpsL2() << QVector<int>{31, 33, 36, 37} << 0;
    }
    void stoppedBandOrSystemLeavesTheBars()
    {
        using namespace epoch;
        QFETCH(QByteArray, after);
        QFETCH(QVector<int>, secondBand);
        QFETCH(int, glonassBars);
        window->setController(session->controller);
        auto *gps = window->findChild<SnrView *>("snrViewGPS");
        auto *glonassView = window->findChild<SnrView *>("snrViewGLONASS");
        QVERIFY(sendEpochs(gga() + gpsL1() + gpsL2() + glonass(), 3));
        QTRY_COMPARE(glonassView->satelliteData().size(), 3);
        QCOMPARE(gps->satelliteData().last().snr2, short(37));

        QVERIFY(sendEpochs(after, 5));
        QVector<int> second;
        for (const SatelliteInfo &satellite : gps->satelliteData())
            second << satellite.snr2;
        QCOMPARE(second, secondBand);
        QVERIFY(gps->isFresh());
        QCOMPARE(gps->satelliteData().first().snr1, short(41));
        QCOMPARE(glonassView->satelliteData().size(), glonassBars);
    }

    void otherSystemsChangeNoChart_data()
    {
        QTest::addColumn<int>("system");
        QTest::newRow("mixed") << 11;
        QTest::newRow("none") << 0;
        QTest::newRow("GPS L2 code") << 2;
        QTest::newRow("out of range") << 99;
    }
    void otherSystemsChangeNoChart()
    {
        QFETCH(int, system);
        const QVector<SatelliteInfo> list{sat(5, 10, 20, 30)};
        QVERIFY(QMetaObject::invokeMethod(window.data(), "setSatellites", Qt::DirectConnection,
                                          Q_ARG(SatNavSysEnum, SatNavSysEnum(system)),
                                          Q_ARG(QVector<SatelliteInfo>, list)));
        for (const char *name : viewNames)
            QVERIFY2(window->findChild<SnrView *>(name)->satelliteData().isEmpty(), name);
    }

    void clearWindowEmptiesEveryChart()
    {
        window->setController(session->controller);
        session->send(gsvLines("GP", {sat(7, 10, 20, 40)}) + gsvLines("GS", {sat(127, 30, 40, 35)}));
        auto *sbas = window->findChild<SnrView *>("snrViewSBAS");
        QTRY_COMPARE(sbas->satelliteData().size(), 1);
        QVERIFY(QMetaObject::invokeMethod(window.data(), "clearWindow"));
        for (const char *name : viewNames) {
            auto *view = window->findChild<SnrView *>(name);
            QVERIFY(view->satelliteData().isEmpty());
            QVERIFY(!view->caption().isEmpty());
        }
        QCOMPARE(sbas->legendNames(), (QVector<QString>{"L1", ""}));
    }

    void nullControllerDisconnects()
    {
        window->setController(session->controller);
        window->setController(nullptr);
        SnrWidget other(nullptr);
        other.setController(session->controller);
        session->send(gsvLines("GP", {sat(7, 10, 20, 40)}));
        QTRY_COMPARE(other.findChild<SnrView *>("snrViewGPS")->satelliteData().size(), 1);
        QVERIFY(window->findChild<SnrView *>("snrViewGPS")->satelliteData().isEmpty());
    }
};

QTEST_MAIN(TestSnrWidget)
#include "tst_snrwidget.moc"
