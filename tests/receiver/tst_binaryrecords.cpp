#include <QLocale>
#include <QRandomGenerator>
#include <QtTest>

#include <cmath>
#include <limits>

#include "binaryrecords.h"
#include "connectguard.h"
#include "tst_binaryrecords_members.h"
#include "tst_binaryrecords_payload.h"

class tst_BinaryRecords : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    // RTIME_RDATE
    void rtimeRdateStatus_data();
    void rtimeRdateStatus();
    void rtimeRdateFromBytes();

    // RPOS_ECEF, RVEL_ECEF, BPOS_ECEF
    void ecefStatus_data();
    void ecefStatus();

    // RPOS_LLA
    void rposLlaHemisphere_data();
    void rposLlaHemisphere();

    // RVEL_ENU
    void rvelEnuStatus_data();
    void rvelEnuStatus();

    // RSOL_ATR
    void rsolAtrStatus_data();
    void rsolAtrStatus();

    // RSOL_FULL
    void rsolFullValues();
    void rsolFullStatus_data();
    void rsolFullStatus();

    // RSOL_iFULL
    void rsolIFullValues_data();
    void rsolIFullValues();
    void rsolIFullStatus_data();
    void rsolIFullStatus();

    // YPR_DEG
    void yprDegTime_data();
    void yprDegTime();
    void yprDegStatus_data();
    void yprDegStatus();

    // HVECT
    void hvectValues();
    void hvectStatus_data();
    void hvectStatus();

    // GSV_FULL
    void gsvFullSplit_data();
    void gsvFullSplit();
    void gsvFullEntryCount_data();
    void gsvFullEntryCount();

    // Text lines
    void textLines_data();
    void textLines();
    void gsvFullLines();
    void textLinesIgnoreUserLocale();

    // Short, long and random payloads
    void truncatedPayload_data();
    void truncatedPayload();
    void longerPayload_data();
    void longerPayload();
    void randomBytes();
};

void tst_BinaryRecords::initTestCase()
{
    installConnectGuard();
}

// ---- RTIME_RDATE ----

void tst_BinaryRecords::rtimeRdateStatus_data()
{
    QTest::addColumn<int>("status");
    QTest::addColumn<bool>("dateValid");
    QTest::addColumn<bool>("timeValid");

    QTest::newRow("0: neither") << 0 << false << false;
    QTest::newRow("1: time only") << 1 << false << true;
    QTest::newRow("2: date only") << 2 << true << false;
    QTest::newRow("3: both") << 3 << true << true;
    QTest::newRow("255: both") << 255 << true << true;
}

void tst_BinaryRecords::rtimeRdateStatus()
{
    QFETCH(int, status);
    QFETCH(bool, dateValid);
    QFETCH(bool, timeValid);

    const RTIME_RDATE r(rtimeRdatePayload(5, 2015, 12, 31, 45296.5, quint8(status)));
    QCOMPARE(r.tag, 5u);
    QVERIFY(r.status.isValid());
    QCOMPARE(r.status.value, status);
    QCOMPARE(r.date.isValid(), dateValid);
    QCOMPARE(r.time.isValid(), timeValid);
    if (dateValid) {
        QCOMPARE(r.date.year, 2015);
        QCOMPARE(r.date.month, 12);
        QCOMPARE(r.date.day, 31);
    } else {
        QCOMPARE(r.date.year, 0);
    }
    if (timeValid)
        QCOMPARE(r.time.raw, 45296.5);
    else
        QCOMPARE(r.time.raw, 0.0);
}

void tst_BinaryRecords::rtimeRdateFromBytes()
{
    QByteArray payload = QByteArray::fromHex("00000000DF070C1F");
    payload += Payload().f64(45296.5).bytes();
    payload += char(0x03);
    QCOMPARE(payload.size(), 17);

    const RTIME_RDATE r(payload);
    QVERIFY(r.date.isValid());
    QCOMPARE(r.date.day, 31);
    QCOMPARE(r.date.month, 12);
    QCOMPARE(r.date.year, 2015);
    QVERIFY(r.time.isValid());
    // Half a second rounds up.
    QCOMPARE(r.time.hours, 12);
    QCOMPARE(r.time.minutes, 34);
    QCOMPARE(r.time.seconds, 57.0);
}

// ---- RPOS_ECEF, RVEL_ECEF, BPOS_ECEF ----

void tst_BinaryRecords::ecefStatus_data()
{
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("status");
    QTest::addColumn<bool>("valid");

    const QStringList messages = {"RPOS_ECEF", "RVEL_ECEF", "BPOS_ECEF"};
    for (const QString &message : messages) {
        const bool base = message == "BPOS_ECEF";
        for (int status : {0, 1, 2, 4, 5, 6, 200}) {
            const bool valid = status != 0 && !(base && (status == 1 || status == 6));
            QTest::addRow("%s status %d", qPrintable(message), status)
                << message << status << valid;
        }
    }
}

void tst_BinaryRecords::ecefStatus()
{
    QFETCH(QString, message);
    QFETCH(int, status);
    QFETCH(bool, valid);

    const QByteArray payload = ecefPayload(21, 1.5, -2.5, 3.25, quint8(status));
    Coordinates xyz;
    NavDataValue<int> st;
    quint32 tag = 0;
    if (message == "RPOS_ECEF") {
        const RPOS_ECEF r(payload);
        xyz = r.position, st = r.status, tag = r.tag;
    } else if (message == "RVEL_ECEF") {
        const RVEL_ECEF r(payload);
        xyz = r.velocity, st = r.status, tag = r.tag;
    } else {
        const BPOS_ECEF r(payload);
        xyz = r.position, st = r.status, tag = r.tag;
    }
    QCOMPARE(tag, 21u);
    QVERIFY(st.isValid());
    QCOMPARE(st.value, status);
    QCOMPARE(xyz.isValid(), valid);
    QCOMPARE(xyz.x, valid ? 1.5 : 0.0);
    QCOMPARE(xyz.y, valid ? -2.5 : 0.0);
    QCOMPARE(xyz.z, valid ? 3.25 : 0.0);
}

// ---- RPOS_LLA ----

void tst_BinaryRecords::rposLlaHemisphere_data()
{
    QTest::addColumn<double>("lat");
    QTest::addColumn<double>("lon");
    QTest::addColumn<int>("status");
    QTest::addColumn<double>("latMagnitude");
    QTest::addColumn<char>("latLetter");
    QTest::addColumn<double>("lonMagnitude");
    QTest::addColumn<char>("lonLetter");

    QTest::newRow("south east") << -33.5 << 151.2 << 4 << 33.5 << 'S' << 151.2 << 'E';
    QTest::newRow("north west") << 55.75 << -37.5 << 1 << 55.75 << 'N' << 37.5 << 'W';
    QTest::newRow("zero is south and west") << 0.0 << 0.0 << 2 << 0.0 << 'S' << 0.0 << 'W';
}

void tst_BinaryRecords::rposLlaHemisphere()
{
    QFETCH(double, lat);
    QFETCH(double, lon);
    QFETCH(int, status);
    QFETCH(double, latMagnitude);
    QFETCH(char, latLetter);
    QFETCH(double, lonMagnitude);
    QFETCH(char, lonLetter);

    const RPOS_LLA r(ecefPayload(3, lat, lon, 120.5, quint8(status)));
    QVERIFY(r.latitude.isValid());
    QCOMPARE(r.latitude.value, latMagnitude);
    QVERIFY(!std::signbit(r.latitude.value));
    QVERIFY(r.latHemisphere.isValid());
    QCOMPARE(char(r.latHemisphere.value), latLetter);
    QVERIFY(r.longitude.isValid());
    QCOMPARE(r.longitude.value, lonMagnitude);
    QVERIFY(!std::signbit(r.longitude.value));
    QCOMPARE(char(r.lonHemisphere.value), lonLetter);
    QVERIFY(r.height.isValid());
    QCOMPARE(r.height.value, 120.5);

    const RPOS_LLA none(ecefPayload(3, lat, lon, 120.5, 0));
    QVERIFY(!none.latitude.isValid());
    QVERIFY(!none.longitude.isValid());
    QVERIFY(!none.height.isValid());
    QVERIFY(!none.latHemisphere.isValid());
    QVERIFY(!none.lonHemisphere.isValid());
    QVERIFY(none.status.isValid());
}

// ---- RVEL_ENU ----

void tst_BinaryRecords::rvelEnuStatus_data()
{
    QTest::addColumn<int>("status");
    QTest::addColumn<bool>("valid");
    QTest::newRow("0") << 0 << false;
    QTest::newRow("1") << 1 << true;
    QTest::newRow("6") << 6 << true;
}

void tst_BinaryRecords::rvelEnuStatus()
{
    QFETCH(int, status);
    QFETCH(bool, valid);

    const RVEL_ENU r(rvelEnuPayload(4, 1.5, -2.5, 0.25, 2.9, 301.125, quint8(status)));
    QCOMPARE(r.status.value, status);
    QCOMPARE(r.velocity.isValid(), valid);
    QCOMPARE(r.horizontalSpeed.isValid(), valid);
    QCOMPARE(r.course.isValid(), valid);
    if (valid) {
        QCOMPARE(r.velocity.x, 1.5);
        QCOMPARE(r.velocity.y, -2.5);
        QCOMPARE(r.velocity.z, 0.25);
        QCOMPARE(r.horizontalSpeed.value, 2.9);
        QCOMPARE(r.course.value, 301.125);
    }
}

// ---- RSOL_ATR ----

void tst_BinaryRecords::rsolAtrStatus_data()
{
    QTest::addColumn<int>("posStatus");
    QTest::addColumn<bool>("dopsValid");
    QTest::addColumn<bool>("arfValid");

    QTest::newRow("0: nothing") << 0 << false << false;
    QTest::newRow("1: single point, no ARF or age") << 1 << true << false;
    QTest::newRow("2: everything") << 2 << true << true;
    QTest::newRow("4: everything") << 4 << true << true;
    QTest::newRow("6: nothing") << 6 << false << false;
}

void tst_BinaryRecords::rsolAtrStatus()
{
    QFETCH(int, posStatus);
    QFETCH(bool, dopsValid);
    QFETCH(bool, arfValid);

    AtrFields f;
    f.posStatus = quint8(posStatus);
    f.velStatus = 0;
    const RSOL_ATR r(rsolAtrPayload(f));

    QCOMPARE(r.tag, f.tag);
    QCOMPARE(r.vdop.isValid(), dopsValid);
    QCOMPARE(r.hdop.isValid(), dopsValid);
    QCOMPARE(r.pdop.isValid(), dopsValid);
    for (const auto *mask : {&r.usedGP, &r.usedGL, &r.usedGB, &r.usedGA, &r.usedGI})
        QCOMPARE(mask->isValid(), dopsValid);
    if (dopsValid) {
        QCOMPARE(r.vdop.value, 1.25);
        QCOMPARE(r.hdop.value, 0.75);
        QCOMPARE(r.pdop.value, 1.5);
        QCOMPARE(r.usedGP.value, quint64(0x3));
        QCOMPARE(r.usedGI.value, quint64(0x30000));
    }
    QCOMPARE(r.arf.isValid(), arfValid);
    QCOMPARE(r.age.isValid(), arfValid);
    if (arfValid) {
        QCOMPARE(r.arf.value, 2.5f);
        QCOMPARE(r.age.value, 3);
    }
    QVERIFY(r.totalSA.isValid());
    QCOMPARE(r.totalSA.value, 17);
    QVERIFY(r.aux.isValid());
    QCOMPARE(r.aux.value, 9);
    QVERIFY(r.posStatus.isValid());
    QCOMPARE(r.posStatus.value, posStatus);
    QVERIFY(r.velStatus.isValid());
    QCOMPARE(r.velStatus.value, 0);
}

// ---- RSOL_FULL ----

void tst_BinaryRecords::rsolFullValues()
{
    FullFields f;
    f.lat = -33.5;
    f.lon = 151.25;
    const RSOL_FULL r(rsolFullPayload(f));

    QCOMPARE(r.tag, f.tag);
    QCOMPARE(r.aux, f.aux);
    QCOMPARE(r.latitude.value, 33.5);
    QCOMPARE(char(r.latHemisphere.value), 'S');
    QCOMPARE(r.longitude.value, 151.25);
    QCOMPARE(char(r.lonHemisphere.value), 'E');
    QCOMPARE(r.height.value, 150.5);
    // 10 m/s is shown as 36 km/h.
    QVERIFY(r.speed.isValid());
    QCOMPARE(r.speed.value, 36.0);
    QCOMPARE(r.course.value, 90.5);
    QCOMPARE(r.climb.value, -0.25);
    QVERIFY(r.time.isValid());
    QCOMPARE(r.time.raw, 45296.75);
    QVERIFY(r.hdop.isValid());
    QCOMPARE(r.hdop.value, 0.75);
    QVERIFY(r.date.isValid());
    QCOMPARE(r.date.year, 2024);
    QCOMPARE(r.date.month, 2);
    QCOMPARE(r.date.day, 29);
}

void tst_BinaryRecords::rsolFullStatus_data()
{
    QTest::addColumn<int>("pos");
    QTest::addColumn<int>("vel");
    QTest::addColumn<int>("time");
    QTest::addColumn<bool>("positionValid");
    QTest::addColumn<bool>("hdopValid");
    QTest::addColumn<bool>("velocityValid");
    QTest::addColumn<bool>("timeValid");
    QTest::addColumn<bool>("dateValid");

    QTest::newRow("all 4") << 4 << 4 << 4 << true << true << true << true << true;
    QTest::newRow("velocity 0") << 4 << 0 << 4 << true << true << false << true << true;
    QTest::newRow("position 0") << 0 << 4 << 4 << false << false << true << true << true;
    QTest::newRow("position 6: no hdop") << 6 << 4 << 4 << true << false << true << true << true;
    QTest::newRow("time 1: time only") << 1 << 1 << 1 << true << true << true << true << false;
    QTest::newRow("time 2: date only") << 1 << 1 << 2 << true << true << true << false << true;
    QTest::newRow("time 0") << 1 << 1 << 0 << true << true << true << false << false;
}

void tst_BinaryRecords::rsolFullStatus()
{
    QFETCH(int, pos);
    QFETCH(int, vel);
    QFETCH(int, time);
    QFETCH(bool, positionValid);
    QFETCH(bool, hdopValid);
    QFETCH(bool, velocityValid);
    QFETCH(bool, timeValid);
    QFETCH(bool, dateValid);

    FullFields f;
    f.posStatus = quint8(pos);
    f.velStatus = quint8(vel);
    f.timeStatus = quint8(time);
    const RSOL_FULL r(rsolFullPayload(f));

    QCOMPARE(r.posStatus.value, pos);
    QCOMPARE(r.velStatus.value, vel);
    QCOMPARE(r.timeStatus.value, time);
    QCOMPARE(r.latitude.isValid(), positionValid);
    QCOMPARE(r.longitude.isValid(), positionValid);
    QCOMPARE(r.height.isValid(), positionValid);
    QCOMPARE(r.latHemisphere.isValid(), positionValid);
    QCOMPARE(r.lonHemisphere.isValid(), positionValid);
    QCOMPARE(r.hdop.isValid(), hdopValid);
    QCOMPARE(r.speed.isValid(), velocityValid);
    QCOMPARE(r.course.isValid(), velocityValid);
    QCOMPARE(r.climb.isValid(), velocityValid);
    QCOMPARE(r.time.isValid(), timeValid);
    QCOMPARE(r.date.isValid(), dateValid);
    if (!velocityValid)
        QCOMPARE(r.speed.value, 0.0);
}

// ---- RSOL_iFULL ----

void tst_BinaryRecords::rsolIFullValues_data()
{
    QTest::addColumn<qint32>("ms");
    QTest::addColumn<double>("seconds");

    QTest::newRow("one ms over rounds up") << 45296001 << 45297.0;
    QTest::newRow("whole second stays") << 45296000 << 45296.0;
    QTest::newRow("999 ms rounds up") << 45296999 << 45297.0;
    QTest::newRow("midnight") << 0 << 0.0;
}

void tst_BinaryRecords::rsolIFullValues()
{
    QFETCH(qint32, ms);
    QFETCH(double, seconds);

    IFullFields f;
    f.ms = ms;
    const RSOL_iFULL r(rsolIFullPayload(f));

    QVERIFY(r.time.isValid());
    QCOMPARE(r.time.raw, seconds);
    QVERIFY(r.hdop.isValid());
    QCOMPARE(r.hdop.value, 1.5);
    QVERIFY(r.position.isValid());
    QCOMPARE(r.position.x, -1234567.89);
    QCOMPARE(r.position.y, 2200000.5);
    QCOMPARE(r.position.z, 5250000.0);
    QVERIFY(r.velocity.isValid());
    QCOMPARE(r.velocity.x, 1.5);
    QCOMPARE(r.velocity.y, -2.5);
    QCOMPARE(r.velocity.z, 0.05);
    QCOMPARE(r.date.year, 2023);
    QCOMPARE(r.date.month, 7);
    QCOMPARE(r.date.day, 14);
    QCOMPARE(r.aux, f.aux);
}

void tst_BinaryRecords::rsolIFullStatus_data()
{
    QTest::addColumn<int>("pos");
    QTest::addColumn<int>("vel");
    QTest::addColumn<int>("time");
    QTest::addColumn<bool>("positionValid");
    QTest::addColumn<bool>("hdopValid");
    QTest::addColumn<bool>("velocityValid");
    QTest::addColumn<bool>("timeValid");
    QTest::addColumn<bool>("dateValid");

    QTest::newRow("all 4") << 4 << 4 << 4 << true << true << true << true << true;
    QTest::newRow("velocity 0") << 4 << 0 << 4 << true << true << false << true << true;
    QTest::newRow("position 0") << 0 << 4 << 4 << false << false << true << true << true;
    QTest::newRow("position 6: no hdop") << 6 << 4 << 4 << true << false << true << true << true;
    QTest::newRow("time 1: time only") << 1 << 1 << 1 << true << true << true << true << false;
    QTest::newRow("time 2: date only") << 1 << 1 << 2 << true << true << true << false << true;
    QTest::newRow("time 0") << 1 << 1 << 0 << true << true << true << false << false;
}

void tst_BinaryRecords::rsolIFullStatus()
{
    QFETCH(int, pos);
    QFETCH(int, vel);
    QFETCH(int, time);
    QFETCH(bool, positionValid);
    QFETCH(bool, hdopValid);
    QFETCH(bool, velocityValid);
    QFETCH(bool, timeValid);
    QFETCH(bool, dateValid);

    IFullFields f;
    f.posStatus = quint8(pos);
    f.velStatus = quint8(vel);
    f.timeStatus = quint8(time);
    const RSOL_iFULL r(rsolIFullPayload(f));

    QCOMPARE(r.position.isValid(), positionValid);
    QCOMPARE(r.hdop.isValid(), hdopValid);
    QCOMPARE(r.velocity.isValid(), velocityValid);
    QCOMPARE(r.time.isValid(), timeValid);
    QCOMPARE(r.date.isValid(), dateValid);
}

// ---- YPR_DEG ----

void tst_BinaryRecords::yprDegTime_data()
{
    QTest::addColumn<double>("seconds");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<double>("hhmmss");

    QTest::newRow("12:34:56.4") << 45296.4 << true << 123456.0;
    QTest::newRow("half a second rounds up") << 45296.5 << true << 123457.0;
    QTest::newRow("no wrap at midnight") << 86399.6 << true << 240000.0;
    QTest::newRow("01:02:03") << 3723.0 << true << 10203.0;
    QTest::newRow("midnight") << 0.0 << true << 0.0;
    QTest::newRow("NaN") << std::numeric_limits<double>::quiet_NaN() << false << 0.0;
    QTest::newRow("infinity") << std::numeric_limits<double>::infinity() << false << 0.0;
    QTest::newRow("beyond any second count") << 1e300 << false << 0.0;
    QTest::newRow("far below") << -1e300 << false << 0.0;
}

void tst_BinaryRecords::yprDegTime()
{
    QFETCH(double, seconds);
    QFETCH(bool, valid);
    QFETCH(double, hhmmss);

    const YPR_DEG ypr(yprDegPayload(1, 4, 1, 0, 0, 1, 2, 3, seconds));
    QCOMPARE(ypr.time.isValid(), valid);
    QCOMPARE(ypr.time.value, hhmmss);

    const double slave[3] = {0, 0, 0};
    const HVECT hv(hvectPayload(1, 4, 1, 0, 0, slave, slave, seconds));
    QCOMPARE(hv.time.isValid(), valid);
    QCOMPARE(hv.time.value, hhmmss);
}

void tst_BinaryRecords::yprDegStatus_data()
{
    QTest::addColumn<int>("pos");
    QTest::addColumn<int>("time");
    QTest::addColumn<bool>("anglesValid");
    QTest::addColumn<bool>("timeValid");

    QTest::newRow("4, 1") << 4 << 1 << true << true;
    QTest::newRow("5, 3") << 5 << 3 << true << true;
    QTest::newRow("2, 2") << 2 << 2 << true << false;
    QTest::newRow("1, 0") << 1 << 0 << false << false;
    QTest::newRow("6, 1") << 6 << 1 << false << true;
    QTest::newRow("0, 1") << 0 << 1 << false << true;
}

void tst_BinaryRecords::yprDegStatus()
{
    QFETCH(int, pos);
    QFETCH(int, time);
    QFETCH(bool, anglesValid);
    QFETCH(bool, timeValid);

    const YPR_DEG r(yprDegPayload(6, quint8(pos), quint8(time), 0xAA, 0x55, 10.5, -20.25, 359.75,
                                  3723));
    QCOMPARE(r.tag, 6u);
    QCOMPARE(r.posStatus.value, pos);
    QCOMPARE(r.timeStatus.value, time);
    QCOMPARE(int(r.aux1), 0xAA);
    QCOMPARE(int(r.aux2), 0x55);
    QCOMPARE(r.angle1.isValid(), anglesValid);
    QCOMPARE(r.angle2.isValid(), anglesValid);
    QCOMPARE(r.angle3.isValid(), anglesValid);
    if (anglesValid) {
        QCOMPARE(r.angle1.value, 10.5);
        QCOMPARE(r.angle2.value, -20.25);
        QCOMPARE(r.angle3.value, 359.75);
    }
    QCOMPARE(r.time.isValid(), timeValid);
}

// ---- HVECT ----

void tst_BinaryRecords::hvectValues()
{
    const double slave[3] = {1.5, 2.5, 3.5};
    const double master[3] = {-1.25, -2.25, -3.25};
    const HVECT r(hvectPayload(8, 4, 1, 77, 25, slave, master, 45296.4));
    QCOMPARE(r.tag, 8u);
    QCOMPARE(int(r.aux), 77);
    // Whole tenths: 25 reads 2, not 2.5.
    QVERIFY(r.auxTenths.isValid());
    QCOMPARE(r.auxTenths.value, 2.0);
    QVERIFY(r.slaveAntenna.isValid());
    QCOMPARE(r.slaveAntenna.x, 1.5);
    QCOMPARE(r.slaveAntenna.z, 3.5);
    QVERIFY(r.masterAntenna.isValid());
    QCOMPARE(r.masterAntenna.y, -2.25);
    QCOMPARE(r.time.value, 123456.0);
}

void tst_BinaryRecords::hvectStatus_data()
{
    QTest::addColumn<int>("pos");
    QTest::addColumn<int>("time");
    QTest::addColumn<bool>("vectorValid");
    QTest::addColumn<bool>("timeValid");

    QTest::newRow("4, 3") << 4 << 3 << true << true;
    QTest::newRow("2, 2") << 2 << 2 << true << false;
    QTest::newRow("1, 1") << 1 << 1 << false << true;
    QTest::newRow("6, 0") << 6 << 0 << false << false;
    QTest::newRow("0, 255") << 0 << 255 << false << true;
}

void tst_BinaryRecords::hvectStatus()
{
    QFETCH(int, pos);
    QFETCH(int, time);
    QFETCH(bool, vectorValid);
    QFETCH(bool, timeValid);

    const double slave[3] = {1, 2, 3};
    const HVECT r(hvectPayload(8, quint8(pos), quint8(time), 0, 30, slave, slave, 100));
    QCOMPARE(r.auxTenths.isValid(), vectorValid);
    QCOMPARE(r.slaveAntenna.isValid(), vectorValid);
    QCOMPARE(r.masterAntenna.isValid(), vectorValid);
    QCOMPARE(r.time.isValid(), timeValid);
    QCOMPARE(r.auxTenths.value, vectorValid ? 3.0 : 0.0);
}

// ---- GSV_FULL ----

namespace {

QByteArray entries(quint8 system, int count, quint8 firstNumber)
{
    QByteArray bytes;
    for (int i = 0; i < count; ++i) {
        const quint8 n = quint8(firstNumber + i);
        bytes += gsvEntry(system, n, quint16(10 * n), quint8(n), quint8(30 + i), quint8(i),
                          quint8(i % 2));
    }
    return bytes;
}

} // namespace

void tst_BinaryRecords::gsvFullSplit_data()
{
    QTest::addColumn<QByteArray>("payload");

    QTest::newRow("GP first") << entries(0, 9, 1) + entries(1, 2, 65);
    QTest::newRow("GL first") << entries(1, 2, 65) + entries(0, 9, 1);
    QTest::newRow("interleaved") << entries(0, 4, 1) + entries(1, 1, 65) + entries(0, 5, 5)
                                        + entries(1, 1, 66);
    QTest::newRow("trailing bytes and a foreign system")
        << entries(0, 9, 1) + entries(7, 3, 1) + entries(1, 2, 65) + QByteArray("\x01\x02\x03");
}

void tst_BinaryRecords::gsvFullSplit()
{
    QFETCH(QByteArray, payload);

    const QVector<GSV_FULL> records = GsvFullMessage(payload).records();
    QCOMPARE(records.size(), 4);

    for (int i = 0; i < 3; ++i) {
        const GSV_FULL &r = records.at(i);
        QCOMPARE(r.talker, QString("GP"));
        QCOMPARE(int(r.totalMessages), 3);
        QCOMPARE(int(r.messageNumber), i + 1);
        QCOMPARE(int(r.satellitesInView), 9);
    }
    // GP satellites 1 to 9 in payload order, four per record.
    QCOMPARE(int(records[0].number[0]), 1);
    QCOMPARE(int(records[0].number[3]), 4);
    QCOMPARE(int(records[1].number[0]), 5);
    QCOMPARE(int(records[2].number[0]), 9);
    QCOMPARE(int(records[2].azimuth[0]), 90);
    QCOMPARE(int(records[2].elevation[0]), 9);
    QCOMPARE(int(records[2].system[0]), 0);
    for (int j = 1; j < 4; ++j) {
        QCOMPARE(records[2].number[j], GSV_FULL::gsvEmptySlot);
        QCOMPARE(records[2].elevation[j], GSV_FULL::gsvEmptySlot);
        QCOMPARE(records[2].azimuth[j], GSV_FULL::gsvEmptyAzimuth);
        QCOMPARE(records[2].snr1[j], GSV_FULL::gsvEmptySlot);
        QCOMPARE(records[2].snr2[j], GSV_FULL::gsvEmptySlot);
        QCOMPARE(records[2].used[j], GSV_FULL::gsvEmptySlot);
        QCOMPARE(records[2].system[j], GSV_FULL::gsvEmptySlot);
    }

    const GSV_FULL &gl = records.at(3);
    QCOMPARE(gl.talker, QString("GL"));
    QCOMPARE(int(gl.totalMessages), 1);
    QCOMPARE(int(gl.messageNumber), 1);
    QCOMPARE(int(gl.satellitesInView), 2);
    QCOMPARE(int(gl.number[0]), 65);
    QCOMPARE(int(gl.number[1]), 66);
    QCOMPARE(int(gl.system[1]), 1);
    QCOMPARE(gl.number[2], GSV_FULL::gsvEmptySlot);
    QCOMPARE(gl.number[3], GSV_FULL::gsvEmptySlot);
}

void tst_BinaryRecords::gsvFullEntryCount_data()
{
    QTest::addColumn<QByteArray>("payload");
    QTest::addColumn<QStringList>("talkers");

    QTest::newRow("empty") << QByteArray() << QStringList();
    QTest::newRow("seven bytes") << entries(0, 1, 1).left(7) << QStringList();
    QTest::newRow("fifteen bytes: one entry") << (entries(2, 2, 1).left(15)) << QStringList{"GB"};
    QTest::newRow("system 6 is dropped") << entries(6, 1, 1) << QStringList();
    QTest::newRow("system 255 is dropped") << entries(255, 3, 1) << QStringList();
    QTest::newRow("all six systems in order")
        << entries(5, 1, 1) + entries(4, 1, 1) + entries(3, 1, 1) + entries(2, 1, 1)
               + entries(1, 1, 1) + entries(0, 1, 1)
        << QStringList{"GP", "GL", "GB", "GA", "GI", "GS"};
    QTest::newRow("exactly four: one record") << entries(3, 4, 1) << QStringList{"GA"};
    QTest::newRow("five: two records") << entries(4, 5, 1) << QStringList{"GI", "GI"};
}

void tst_BinaryRecords::gsvFullEntryCount()
{
    QFETCH(QByteArray, payload);
    QFETCH(QStringList, talkers);

    const GsvFullMessage message(payload);
    const QVector<GSV_FULL> records = message.records();
    QStringList got;
    for (const GSV_FULL &r : records)
        got << r.talker;
    QCOMPARE(got, talkers);
    QCOMPARE(message.toStringList().size(), records.size());
}

// ---- Text lines ----

void tst_BinaryRecords::textLines_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("expected");

    QTest::newRow("RPOS_ECEF status 4")
        << RPOS_ECEF(ecefPayload(7, 2850000.1234, 2200000.5, 5250000, 4)).toString()
        << "$RPOS_ECEF,7,2850000.12,2200000.50,5250000.00,4\r\n";
    QTest::newRow("RPOS_ECEF status 0")
        << RPOS_ECEF(ecefPayload(7, 2850000.1234, 2200000.5, 5250000, 0)).toString()
        << "$RPOS_ECEF,7,,,,0\r\n";
    QTest::newRow("RVEL_ECEF")
        << RVEL_ECEF(ecefPayload(4294967295u, -0.126, 0.004, -0.006, 1)).toString()
        << "$RVEL_ECEF,4294967295,-0.13,0.00,-0.01,1\r\n";
    QTest::newRow("BPOS_ECEF status 6")
        << BPOS_ECEF(ecefPayload(1, 1, 2, 3, 6)).toString() << "$BPOS_ECEF,1,,,,6\r\n";
    QTest::newRow("BPOS_ECEF status 4")
        << BPOS_ECEF(ecefPayload(1, 1, 2, 3, 4)).toString()
        << "$BPOS_ECEF,1,1.00,2.00,3.00,4\r\n";

    QTest::newRow("RTIME_RDATE status 3")
        << RTIME_RDATE(rtimeRdatePayload(0, 2015, 12, 31, 45296.5, 3)).toString()
        << "$RTIME_RDATE,0,2015,12,31,45296.50,3\r\n";
    QTest::newRow("RTIME_RDATE status 1")
        << RTIME_RDATE(rtimeRdatePayload(0, 2015, 12, 31, 45296.5, 1)).toString()
        << "$RTIME_RDATE,0,,,,45296.50,1\r\n";
    QTest::newRow("RTIME_RDATE status 2")
        << RTIME_RDATE(rtimeRdatePayload(0, 2015, 12, 31, 45296.5, 2)).toString()
        << "$RTIME_RDATE,0,2015,12,31,,2\r\n";

    QTest::newRow("RPOS_LLA south")
        << RPOS_LLA(ecefPayload(2, -33.5, 151.2, -12.346, 1)).toString()
        << "$RPOS_LLA,2,33.5000,151.2000,-12.35,1\r\n";
    QTest::newRow("RPOS_LLA north")
        << RPOS_LLA(ecefPayload(2, 33.5, -151.2, 0, 1)).toString()
        << "$RPOS_LLA,2,33.5000,151.2000,0.00,1\r\n";
    QTest::newRow("RPOS_LLA zero")
        << RPOS_LLA(ecefPayload(2, 0, 0, 0, 1)).toString()
        << "$RPOS_LLA,2,0.0000,0.0000,0.00,1\r\n";
    QTest::newRow("RPOS_LLA status 0")
        << RPOS_LLA(ecefPayload(2, 1, 1, 1, 0)).toString() << "$RPOS_LLA,2,,,,0\r\n";

    QTest::newRow("RVEL_ENU")
        << RVEL_ENU(rvelEnuPayload(3, 1.5, -2.5, 0.25, 2.9, 301.1256, 4)).toString()
        << "$RVEL_ENU,3,1.50,-2.50,0.25,2.90,301.126,4\r\n";
    QTest::newRow("RVEL_ENU status 0")
        << RVEL_ENU(rvelEnuPayload(3, 1.5, -2.5, 0.25, 2.9, 301.1255, 0)).toString()
        << "$RVEL_ENU,3,,,,,,0\r\n";

    AtrFields atr;
    QTest::newRow("RSOL_ATR status 4")
        << RSOL_ATR(rsolAtrPayload(atr)).toString()
        << "$RSOL_ATR,1,1.25,0.75,1.50,3,48,768,12288,196608,17,2.5,3,9,4,4\r\n";
    atr.posStatus = 0;
    atr.velStatus = 2;
    QTest::newRow("RSOL_ATR status 0")
        << RSOL_ATR(rsolAtrPayload(atr)).toString()
        << "$RSOL_ATR,1,,,,0,0,0,0,0,17,0.0,0,9,0,2\r\n";
    atr.posStatus = 1;
    atr.masks[0] = 0xFFFFFFFFFFFFFFFFull;
    QTest::newRow("RSOL_ATR status 1")
        << RSOL_ATR(rsolAtrPayload(atr)).toString()
        << "$RSOL_ATR,1,1.25,0.75,1.50,18446744073709551615,48,768,12288,196608,17,0.0,0,9,1,2\r\n";

    FullFields full;
    QTest::newRow("RSOL_FULL")
        << RSOL_FULL(rsolFullPayload(full)).toString()
        << "$RSOL_FULL,2,4,4,4,7,55.75,37.63,150.50,36.00,90.500,-0.25,45297,0.75,2024,2,29\r\n";
    full.lat = -55.75;
    full.lon = -37.6251;
    full.posStatus = 0;
    full.velStatus = 0;
    full.timeStatus = 1;
    QTest::newRow("RSOL_FULL nothing but time")
        << RSOL_FULL(rsolFullPayload(full)).toString()
        << "$RSOL_FULL,2,0,0,1,7,,,,,,,45297,,,,\r\n";

    IFullFields ifull;
    QTest::newRow("RSOL_iFULL")
        << RSOL_iFULL(rsolIFullPayload(ifull)).toString()
        << "$RSOL_iFULL,3,4,4,4,8,-1234567.890,2200000.500,5250000.000,1.500,-2.500,0.050,"
           "45297,1.500,2023,7,14\r\n";
    ifull.posStatus = 6;
    ifull.velStatus = 0;
    ifull.timeStatus = 2;
    QTest::newRow("RSOL_iFULL status 6, 0, 2")
        << RSOL_iFULL(rsolIFullPayload(ifull)).toString()
        << "$RSOL_iFULL,3,6,0,2,8,-1234567.890,2200000.500,5250000.000,,,,,,2023,7,14\r\n";

    QTest::newRow("YPR time status 1")
        << YPR_DEG(yprDegPayload(9, 4, 1, 1, 2, 1.5, -2.5, 270.254, 3723)).toString()
        << "$YPR,9,4,1,1,2,1.50,-2.50,270.25,10203\r\n";
    QTest::newRow("YPR time status 2")
        << YPR_DEG(yprDegPayload(9, 1, 2, 0, 0, 1.5, -2.5, 270.25, 3723)).toString()
        << "$YPR,9,1,2,0,0,,,,\r\n";

    const double zero[3] = {0, 0, 0};
    QTest::newRow("HVECT nothing valid")
        << HVECT(hvectPayload(5, 0, 0, 0, 0, zero, zero, 3723)).toString()
        << "$HVECT,5,0,0,0,0,,,,,, ,\r\n";
    const double slave[3] = {1.5, 2.5, 3.5};
    const double master[3] = {-1.25, -2.25, -3.254};
    QTest::newRow("HVECT valid")
        << HVECT(hvectPayload(5, 4, 1, 3, 25, slave, master, 45296.4)).toString()
        << "$HVECT,5,4,1,3,2,1.50,2.50,3.50,-1.25,-2.25, -3.25,123456\r\n";
}

void tst_BinaryRecords::textLines()
{
    QFETCH(QString, line);
    QFETCH(QString, expected);
    QCOMPARE(line, expected);
}

void tst_BinaryRecords::gsvFullLines()
{
    // Nine GP satellites: the third record holds satellite 12 alone.
    QByteArray payload = entries(0, 8, 1);
    payload += gsvEntry(0, 12, 270, 45, 40, 0, 1);
    payload += entries(1, 2, 65);

    const QStringList lines = GsvFullMessage(payload).toStringList();
    QCOMPARE(lines.size(), 4);
    QCOMPARE(lines.at(0), QString("$GPGSV_FULL,3,1,09,1,10,1,30,0,0,2,20,2,31,1,1,3,30,3,32,2,0,"
                                  "4,40,4,33,3,1\r\n"));
    QCOMPARE(lines.at(2), QString("$GPGSV_FULL,3,3,09,12,270,45,40,0,1,,,,,,,,,,,,,,,,,,\r\n"));
    QCOMPARE(lines.at(3), QString("$GLGSV_FULL,1,1,02,65,650,65,30,0,0,66,660,66,31,1,1,,,,,,,,"
                                  ",,,,\r\n"));

    // Forty satellites in view: two digits need no padding; ten records.
    const QStringList many = GsvFullMessage(entries(5, 40, 100)).toStringList();
    QCOMPARE(many.size(), 10);
    QVERIFY(many.at(9).startsWith("$GSGSV_FULL,10,10,40,136,"));
}

void tst_BinaryRecords::textLinesIgnoreUserLocale()
{
    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const QString ecef =
        RPOS_ECEF(ecefPayload(1234567, -2850000.1234, 2200000.5, 5250000, 4)).toString();
    const QString atr = RSOL_ATR(rsolAtrPayload(AtrFields())).toString();
    const double slave[3] = {1234.5, 2, 3};
    const QString hv = HVECT(hvectPayload(5, 4, 1, 3, 255, slave, slave, 1)).toString();
    QLocale::setDefault(previous);

    QCOMPARE(ecef, QString("$RPOS_ECEF,1234567,-2850000.12,2200000.50,5250000.00,4\r\n"));
    QVERIFY(atr.contains(",2.5,"));
    QCOMPARE(hv, QString("$HVECT,5,4,1,3,25,1234.50,2.00,3.00,1234.50,2.00, 3.00,1\r\n"));
}

// ---- Short, long and random payloads ----

void tst_BinaryRecords::truncatedPayload_data()
{
    QTest::addColumn<int>("record");
    QTest::addColumn<int>("length");

    const QVector<RecordUnderTest> records = recordsUnderTest();
    for (int i = 0; i < records.size(); ++i) {
        const RecordUnderTest &r = records.at(i);
        for (int length = 0; length <= r.fullPayload.size(); ++length)
            QTest::addRow("%s %d of %d", qPrintable(r.name), length, int(r.fullPayload.size()))
                << i << length;
    }
}

void tst_BinaryRecords::truncatedPayload()
{
    QFETCH(int, record);
    QFETCH(int, length);

    const RecordUnderTest r = recordsUnderTest().at(record);
    // A copy of exactly `length` bytes, so a read past it would be caught.
    const QByteArray payload(r.fullPayload.constData(), length);

    for (const MemberCheck &member : r.members(payload)) {
        const bool expected = length >= member.bytesNeeded;
        if (member.valid != expected)
            QFAIL(qPrintable(QString("%1 is %2 with %3 bytes")
                                 .arg(member.name, member.valid ? "valid" : "invalid")
                                 .arg(length)));
    }
    const QString line = r.line(payload);
    QVERIFY(line.startsWith('$'));
    QVERIFY(line.endsWith("\r\n"));
}

void tst_BinaryRecords::longerPayload_data()
{
    QTest::addColumn<int>("record");

    const QVector<RecordUnderTest> records = recordsUnderTest();
    for (int i = 0; i < records.size(); ++i)
        QTest::newRow(qPrintable(records.at(i).name)) << i;
}

void tst_BinaryRecords::longerPayload()
{
    QFETCH(int, record);

    const RecordUnderTest r = recordsUnderTest().at(record);
    const QByteArray longer = r.fullPayload + QByteArray(40, '\xEE');
    QCOMPARE(r.line(longer), r.line(r.fullPayload));
    for (const MemberCheck &member : r.members(longer))
        QVERIFY2(member.valid, qPrintable(member.name));
}

void tst_BinaryRecords::randomBytes()
{
    QRandomGenerator random(20151231);
    const QVector<RecordUnderTest> records = recordsUnderTest();
    for (int round = 0; round < 3000; ++round) {
        QByteArray payload(int(random.bounded(0, 120)), Qt::Uninitialized);
        for (char &c : payload)
            c = char(random.bounded(256));

        for (const RecordUnderTest &r : records) {
            const QString line = r.line(payload);
            QVERIFY(line.startsWith('$'));
            QVERIFY(line.endsWith("\r\n"));
            for (const MemberCheck &member : r.members(payload))
                QVERIFY(!member.valid || payload.size() >= member.bytesNeeded);
        }

        const GsvFullMessage message(payload);
        const QVector<GSV_FULL> gsv = message.records();
        const QStringList lines = message.toStringList();
        QCOMPARE(lines.size(), gsv.size());
        QVERIFY(gsv.size() <= payload.size() / 8);
        for (const GSV_FULL &g : gsv) {
            QVERIFY(g.messageNumber >= 1 && g.messageNumber <= g.totalMessages);
            QVERIFY(g.satellitesInView <= payload.size() / 8);
        }
    }
}

QTEST_GUILESS_MAIN(tst_BinaryRecords)
#include "tst_binaryrecords.moc"
