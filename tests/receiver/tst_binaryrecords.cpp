#include <QRandomGenerator>
#include <QtTest>

#include <cmath>
#include <limits>

#include "binarypayloads.h"
#include "binaryrecords.h"
#include "connectguard.h"
#include "tst_binaryrecords_members.h"

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

// The integer solution follows the same status rules as the full one.
void tst_BinaryRecords::rsolIFullStatus_data()
{
    rsolFullStatus_data();
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
    }
}

QTEST_GUILESS_MAIN(tst_BinaryRecords)
#include "tst_binaryrecords.moc"
