#include <QFrame>
#include <QtTest>

#include "connectguard.h"
#include "plotwindowstest.h"
#include "skyview.h"
#include "skyviewwidget.h"

using namespace plotwindowstest;

// For the data tables only; the program passes satellites over direct connections.
Q_DECLARE_METATYPE(SatelliteInfo)

namespace {

QVector<int> numbersOf(const QVector<SatelliteInfo> &satellites)
{
    QVector<int> numbers;
    for (const SatelliteInfo &s : satellites)
        numbers.append(s.number);
    return numbers;
}

SatelliteInfo sat(int number, int elevation, int azimuth, int snr = 40)
{
    return SatelliteInfo(short(number), short(elevation), azimuth, short(snr), -1);
}

} // namespace

class TestSkyViewWidget : public QObject, public NmeaWindowFixture<SkyViewWidget>
{
    Q_OBJECT

private slots:
    void initTestCase() { installConnectGuard(); }

    void init()
    {
        QVERIFY(openWindow());
        view = window->findChild<SkyView *>(QStringLiteral("skyView"));
        QVERIFY(view);
    }

    void cleanup() { closeWindow(); }

    void stoppedSystemLeavesTheChart_data()
    {
        using namespace epoch;
        QTest::addColumn<QByteArray>("after");
        QTest::addColumn<QVector<int>>("glonassDiscs");
        // A stopped band leaves every satellite in its place.
        QTest::newRow("GPS L2 stops") << gga() + gpsL1() + glonass() << QVector<int>{1, 2, 3};
        QTest::newRow("GLONASS stops") << gga() + gpsL1() + gpsL2() << QVector<int>{};
    }
    void stoppedSystemLeavesTheChart()
    {
        using namespace epoch;
        QFETCH(QByteArray, after);
        QFETCH(QVector<int>, glonassDiscs);
        window->setController(session->controller);
        QVERIFY(sendEpochs(gga() + gpsL1() + gpsL2() + glonass(), 3));
        QTRY_COMPARE(numbersOf(view->satellitesOf(NavSysGLONASS)), (QVector<int>{1, 2, 3}));
        session->send(gsaLine("GL", {1, 2}));
        QTRY_COMPARE(view->usedSatellitesOf(NavSysGLONASS).size(), 2);

        QVERIFY(sendEpochs(after, 5));
        QCOMPARE(numbersOf(view->satellitesOf(NavSysGPS)), (QVector<int>{3, 7, 16, 26}));
        QVERIFY(view->isFresh(NavSysGPS));
        QCOMPARE(numbersOf(view->satellitesOf(NavSysGLONASS)), glonassDiscs);
        QCOMPARE(view->usedSatellitesOf(NavSysGLONASS).isEmpty(), glonassDiscs.isEmpty());
    }

    void formAsDesigned()
    {
        QCOMPARE(window->windowTitle(), QStringLiteral("SkyView"));
        QCOMPARE(window->size(), QSize(354, 248));
        QCOMPARE(window->minimumSize(), QSize(300, 150));
        auto *frame = window->findChild<QFrame *>(QStringLiteral("frameSkyView"));
        QVERIFY(frame);
        QCOMPARE(frame->frameShape(), QFrame::StyledPanel);
        QCOMPARE(frame->frameShadow(), QFrame::Sunken);
        QCOMPARE(view->parentWidget(), frame);
    }

    void placesOnlySatellitesOfKnownPosition_data()
    {
        QTest::addColumn<QVector<SatelliteInfo>>("sent");
        QTest::addColumn<QVector<int>>("shown");
        QTest::newRow("unknown elevation or azimuth left out")
            << QVector<SatelliteInfo>{sat(5, -1, 100), sat(7, 0, 0), sat(9, 30, -1)} << QVector<int>{7};
        QTest::newRow("order kept")
            << QVector<SatelliteInfo>{sat(12, 45, 300), sat(3, 10, 20), sat(8, 80, 5)} << QVector<int>{12, 3, 8};
        QTest::newRow("unknown signal does not matter")
            << QVector<SatelliteInfo>{sat(4, 20, 40, -1)} << QVector<int>{4};
    }
    void placesOnlySatellitesOfKnownPosition()
    {
        QFETCH(QVector<SatelliteInfo>, sent);
        QFETCH(QVector<int>, shown);
        connectWindow();
        session->send(gsvLines("GP", sent));
        QTRY_VERIFY(view->isFresh(NavSysGPS));
        QCOMPARE(numbersOf(view->satellitesOf(NavSysGPS)), shown);
    }

    void noPlaceableSatelliteKeepsTheLastOnesStale()
    {
        window->setController(session->controller);
        session->send(gsvLines("GP", {sat(5, -1, 100), sat(7, 0, 0), sat(9, 30, -1)}));
        QTRY_VERIFY(view->isFresh(NavSysGPS));
        session->send(gsvLines("GP", {sat(5, -1, 100), sat(9, 30, -1)}));
        QTRY_VERIFY(!view->isFresh(NavSysGPS));
        QCOMPARE(numbersOf(view->satellitesOf(NavSysGPS)), QVector<int>{7});
    }

    void usedSetsGoStraightToTheView()
    {
        window->setController(session->controller);
        session->send(gsaLine("GP", {7, 12}));
        QTRY_COMPARE(view->usedSatellitesOf(NavSysGPS), (QSet<int>{7, 12}));
    }

    void clearWindowEmptiesEverySystem()
    {
        window->setController(session->controller);
        session->send(gsvLines("GP", {sat(7, 10, 20)}) + gsvLines("GL", {sat(3, 40, 50)})
                      + gsaLine("GP", {7}) + gsaLine("GL", {3}));
        QTRY_COMPARE(view->usedSatellitesOf(NavSysGLONASS), QSet<int>{3});
        QCOMPARE(view->satellitesOf(NavSysGLONASS).size(), 1);
        QVERIFY(QMetaObject::invokeMethod(window.data(), "clearWindow"));
        for (SatNavSysEnum system : {NavSysGPS, NavSysGLONASS}) {
            QVERIFY(view->satellitesOf(system).isEmpty());
            QVERIFY(view->usedSatellitesOf(system).isEmpty());
        }
        // The next lists fill it again.
        session->send(gsvLines("GP", {sat(7, 10, 20)}));
        QTRY_COMPARE(view->satellitesOf(NavSysGPS).size(), 1);
    }

    void withoutControllerNothingArrives()
    {
        session->send(gsvLines("GP", {sat(7, 10, 20)}) + gsaLine("GP", {7}));
        // A window that does listen shows when the bytes have gone through.
        SkyViewWidget other(nullptr);
        other.setController(session->controller);
        auto *otherView = other.findChild<SkyView *>(QStringLiteral("skyView"));
        session->send(gsvLines("GP", {sat(8, 10, 20)}));
        QTRY_VERIFY(otherView->isFresh(NavSysGPS));
        QVERIFY(view->satellitesOf(NavSysGPS).isEmpty());
        QVERIFY(view->usedSatellitesOf(NavSysGPS).isEmpty());
    }

    void nullControllerDisconnects()
    {
        window->setController(session->controller);
        window->setController(nullptr);
        SkyViewWidget other(nullptr);
        other.setController(session->controller);
        auto *otherView = other.findChild<SkyView *>(QStringLiteral("skyView"));
        session->send(gsvLines("GP", {sat(8, 10, 20)}) + gsaLine("GP", {8}));
        QTRY_COMPARE(otherView->usedSatellitesOf(NavSysGPS), QSet<int>{8});
        QVERIFY(view->satellitesOf(NavSysGPS).isEmpty());
        QVERIFY(view->usedSatellitesOf(NavSysGPS).isEmpty());
    }

private:
    SkyView *view = nullptr;
};

QTEST_MAIN(TestSkyViewWidget)
#include "tst_skyviewwidget.moc"
