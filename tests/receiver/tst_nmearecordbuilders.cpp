#include <QtTest>

#include <QElapsedTimer>
#include <QTimer>

#include "connectguard.h"
#include "nmearecordbuilders.h"
#include "payload.h"

namespace {

QByteArray ggaPayload(double latitudeArcsec, double longitudeArcsec)
{
    return Payload().f64(123519).f64(latitudeArcsec).f64(longitudeArcsec).u8(1).u8(8)
        .f32(0.9f).f64(545.4).f32(46.9f).u16(12).u16(345).bytes();
}

} // namespace

class TestNmeaRecordBuilders : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { installConnectGuard(); }

    void degreesToNmea_data();
    void degreesToNmea();
    void ggaBuiltAndFormatted_data();
    void ggaBuiltAndFormatted();
    void shortPayloadReadsZeros();
    void gstFormatted();
    void formattersWithoutText();
    void gsaOneRecordPerSystem();
    void gsvOneRecordPerSystem();
    void rmcVtgZda();
    void delayWithEventsRunsEvents();
};

void TestNmeaRecordBuilders::degreesToNmea_data()
{
    QTest::addColumn<double>("degrees");
    QTest::addColumn<double>("expected");
    QTest::newRow("latitude") << 48.1173 << 4807.038;
    QTest::newRow("half degree") << 10.5 << 1030.0;
    QTest::newRow("zero") << 0.0 << 0.0;
    QTest::newRow("unknown marker passes") << -1.0 << -1.0;
}

void TestNmeaRecordBuilders::degreesToNmea()
{
    QFETCH(double, degrees);
    QFETCH(double, expected);
    QVERIFY(qAbs(::degreesToNmea(degrees) - expected) < 1e-9);
}

void TestNmeaRecordBuilders::ggaBuiltAndFormatted_data()
{
    QTest::addColumn<QByteArray>("payload");
    QTest::addColumn<QString>("line");
    // Angles arrive in seconds of arc: 48.1173° is 173222.28", 11.51666…° is 41460".
    QTest::newRow("north east") << ggaPayload(173222.28, 41460)
                                << "$GNGGA,,4807.0380,N,1131.0000,E,1,8,0.90,545.4,M,46.9,M,0012,0345\r\n";
    QTest::newRow("south west") << ggaPayload(-173222.28, -41460)
                                << "$GNGGA,,4807.0380,S,1131.0000,W,1,8,0.90,545.4,M,46.9,M,0012,0345\r\n";
}

void TestNmeaRecordBuilders::ggaBuiltAndFormatted()
{
    QFETCH(QByteArray, payload);
    QFETCH(QString, line);
    const GGA sentence = buildGGA(payload);
    QCOMPARE(QByteArray(sentence.talker), QByteArray("GN"));
    QVERIFY(sentence.time.isValid());
    QCOMPARE(sentence.time.value, 123519.0);
    QCOMPARE(formatGGA(sentence), line);
}

void TestNmeaRecordBuilders::shortPayloadReadsZeros()
{
    const GGA sentence = buildGGA(QByteArray("\x01\x02", 2));
    QCOMPARE(sentence.quality.value, short(0));
    QCOMPARE(formatGGA(sentence), QStringLiteral("$GNGGA,,0.0000,N,0.0000,E,0,0,0.00,0.0,M,0,M,0000,0000\r\n"));
    QCOMPARE(buildGSA(QByteArray()).size(), 4);
    QCOMPARE(buildGSV(QByteArray()).size(), 2);
}

void TestNmeaRecordBuilders::gstFormatted()
{
    GST sentence = buildGST(Payload().f64(123519).f32(1).f32(2).f32(3).f32(4).f32(1.5f).f32(2.5f)
                                .f32(3.5f).bytes());
    sentence.talker[0] = 'G';
    sentence.talker[1] = 'P';
    QCOMPARE(formatGST(sentence), QStringLiteral("$GPGST,,,,,,1.5,2.5,3.5\r\n"));
}

void TestNmeaRecordBuilders::formattersWithoutText()
{
    QCOMPARE(formatRMC(RMC()), QString());
    QCOMPARE(formatVTG(VTG()), QString());
    QCOMPARE(formatZDA(ZDA()), QString());
}

void TestNmeaRecordBuilders::gsaOneRecordPerSystem()
{
    Payload payload;
    payload.u8('A').u8(3).f32(2.5f).f32(1.5f).f32(2.0f);
    for (int system = 0; system < 4; ++system) {
        for (int i = 0; i < 12; ++i)
            payload.u8(i < 2 ? 10 * system + i + 1 : 0);
    }
    const QVector<GSA> records = buildGSA(payload.bytes());
    QCOMPARE(records.size(), 4);
    const QList<QByteArray> talkers{"GA", "GB", "GL", "GP"};
    for (int system = 0; system < 4; ++system) {
        const GSA &gsa = records[system];
        QCOMPARE(QByteArray(gsa.talker), talkers[system]);
        QCOMPARE(gsa.mode, 'A');
        QCOMPARE(gsa.fixType, short(3));
        QCOMPARE(gsa.hdop.value, 1.5);
        QVERIFY(gsa.prn[1].isValid());
        QCOMPARE(gsa.prn[1].value, short(10 * system + 2));
        QVERIFY(!gsa.prn[2].isValid());
    }
}

void TestNmeaRecordBuilders::gsvOneRecordPerSystem()
{
    Payload payload;
    payload.u8(7).u8(10).u16(100).u8(20);
    for (int i = 0; i < 3; ++i)
        payload.u8(0).u8(0).u16(0).u8(0);
    for (int i = 0; i < 4; ++i)
        payload.u8(i + 1).u8(30).u16(200 + i).u8(40);
    const QVector<GSV> records = buildGSV(payload.bytes());
    QCOMPARE(records.size(), 2);
    QCOMPARE(QByteArray(records[0].talker), QByteArray("GL"));
    QCOMPARE(records[0].satellitesInView, short(1));
    QCOMPARE(records[0].azimuth[0].value, 100);
    QVERIFY(!records[0].prn[1].isValid());
    QCOMPARE(QByteArray(records[1].talker), QByteArray("GP"));
    QCOMPARE(records[1].satellitesInView, short(4));
    QCOMPARE(records[1].totalMessages, records[1].messageNumber);
    QCOMPARE(records[1].prn[3].value, short(4));
    QCOMPARE(records[1].snr[3].value, short(40));
}

void TestNmeaRecordBuilders::rmcVtgZda()
{
    const RMC rmc = buildRMC(Payload().f64(123519).u8('A').f64(173222.28).f64(-41460).f32(10)
                                 .f32(84.5f).u32(311225).u8('D').bytes());
    QCOMPARE(rmc.time.hours, 12);
    QCOMPARE(rmc.status, 'A');
    QCOMPARE(char(rmc.lonHemisphere.value), 'W');
    QVERIFY(qAbs(rmc.speedKmh.value - 18.52) < 1e-9);
    QCOMPARE(rmc.date.value, 311225);
    QCOMPARE(char(rmc.mode.value), 'D');

    const VTG vtg = buildVTG(Payload().f32(54.5f).f32(34.5f).f32(10).u8('A').bytes());
    QCOMPARE(vtg.courseTrue.value, 54.5);
    QCOMPARE(vtg.speedKnots.value, 10.0);
    QVERIFY(qAbs(vtg.speedKmh.value - 18.52) < 1e-9);

    const ZDA zda = buildZDA(Payload().f64(201530).u8(4).u8(7).u16(2002).i8(-3).u8(30).bytes());
    QCOMPARE(QByteArray(zda.talker), QByteArray("GN"));
    QCOMPARE(zda.time.minutes, 15);
    QVERIFY(zda.date.isValid());
    QCOMPARE(zda.date.year, 2002);
    QCOMPARE(zda.zoneHours.value, short(-3));
    QCOMPARE(zda.zoneMinutes.value, short(30));
}

void TestNmeaRecordBuilders::delayWithEventsRunsEvents()
{
    bool fired = false;
    QTimer::singleShot(0, this, [&] { fired = true; });
    QElapsedTimer timer;
    timer.start();
    delayWithEvents(40);
    QVERIFY(timer.elapsed() >= 40);
    QVERIFY(fired);
}

QTEST_GUILESS_MAIN(TestNmeaRecordBuilders)
#include "tst_nmearecordbuilders.moc"
