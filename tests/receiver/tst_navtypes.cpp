#include <QtTest>

#include <cmath>
#include <cstdint>
#include <limits>

#include "binaryframe.h"
#include "checkedconvert.h"
#include "connectguard.h"
#include "navtypes.h"

class TestNavTypes : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { installConnectGuard(); }

    void timeFromValue_data();
    void timeFromValue();

    void solutionType_data();
    void solutionType();

    void checkedConversion_data();
    void checkedConversion();
    void checkedConversionWidths();

    void checksum_data();
    void checksum();
    void frameLayout();
    void messageNumbers();
};

void TestNavTypes::timeFromValue_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("format");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<int>("hours");
    QTest::addColumn<int>("minutes");
    QTest::addColumn<double>("seconds");

    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();

    QTest::newRow("seconds of day, half rounds up") << 3661.5 << 0 << true << 1 << 1 << 2.0;
    QTest::newRow("seconds of day, no wrap at midnight") << 86399.6 << 0 << true << 24 << 0 << 0.0;
    QTest::newRow("hhmmss.ss") << 123519.25 << 1 << true << 12 << 35 << 19.25;
    QTest::newRow("hhmmss.ss, zero is valid") << 0.0 << 1 << true << 0 << 0 << 0.0;
    QTest::newRow("hhmmss.ss, no range check") << 996199.5 << 1 << true << 99 << 61 << 99.5;

    QTest::newRow("seconds of day, int min") << -2147483648.0 << 0 << true << -596523 << -14 << -8.0;
    QTest::newRow("hhmmss.ss, largest hour") << 21474836470000.0 << 1 << true << 2147483647 << 0 << 0.0;

    // Received doubles that no int can hold: an invalid time, not undefined behaviour.
    QTest::newRow("seconds of day, NaN") << nan << 0 << false << 0 << 0 << 0.0;
    QTest::newRow("seconds of day, +inf") << inf << 0 << false << 0 << 0 << 0.0;
    QTest::newRow("seconds of day, 2^31") << 2147483648.0 << 0 << false << 0 << 0 << 0.0;
    QTest::newRow("hhmmss.ss, NaN") << nan << 1 << false << 0 << 0 << 0.0;
    QTest::newRow("hhmmss.ss, 1e300") << 1e300 << 1 << false << 0 << 0 << 0.0;
}

void TestNavTypes::timeFromValue()
{
    QFETCH(double, value);
    QFETCH(int, format);
    QFETCH(bool, valid);
    QFETCH(int, hours);
    QFETCH(int, minutes);
    QFETCH(double, seconds);

    const Time t(value, format);
    QCOMPARE(t.isValid(), valid);
    QCOMPARE(t.hours, hours);
    QCOMPARE(t.minutes, minutes);
    QVERIFY2(std::fabs(t.seconds - seconds) < 1e-9, qPrintable(QString::number(t.seconds)));
    if (!std::isnan(value))
        QCOMPARE(t.raw, value);
}

void TestNavTypes::solutionType_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("text");
    QTest::newRow("0") << 0 << "NV";
    QTest::newRow("3") << 3 << "3";
    QTest::newRow("4") << 4 << "FIX";
    QTest::newRow("-1") << -1 << "-1";
}

void TestNavTypes::solutionType()
{
    QFETCH(int, code);
    QFETCH(QString, text);
    QCOMPARE(Coordinates::solutionTypeToString(code), text);
}

void TestNavTypes::checkedConversion_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<int>("result");

    QTest::newRow("truncates toward zero") << 2.9 << true << 2;
    QTest::newRow("negative truncates toward zero") << -2.9 << true << -2;
    QTest::newRow("just below int max + 1") << 2147483647.9 << true << 2147483647;
    QTest::newRow("int max + 1") << 2147483648.0 << false << 0;
    QTest::newRow("int min - 0.5") << -2147483648.5 << true << int(-2147483647 - 1);
    QTest::newRow("int min - 1") << -2147483649.0 << false << 0;
    QTest::newRow("NaN") << std::numeric_limits<double>::quiet_NaN() << false << 0;
    QTest::newRow("+inf") << std::numeric_limits<double>::infinity() << false << 0;
}

void TestNavTypes::checkedConversion()
{
    QFETCH(double, value);
    QFETCH(bool, ok);
    QFETCH(int, result);
    int out = 12345;
    QCOMPARE(checkedToInteger(value, out), ok);
    QCOMPARE(out, result);
    QCOMPARE(checkedToIntegerOr(value, -7), ok ? result : -7);
}

void TestNavTypes::checkedConversionWidths()
{
    // Each width's own limits: the largest value still fits, one more does not.
    quint8 u8 = 1;
    QVERIFY(checkedToInteger(255.5, u8) && u8 == 255 && !checkedToInteger(256.0, u8));
    QVERIFY(checkedToInteger(-0.9, u8) && u8 == 0 && !checkedToInteger(-1.0, u8));
    qint16 s16 = 0;
    QVERIFY(checkedToInteger(-32768.0, s16) && s16 == -32768 && !checkedToInteger(32768.0, s16));
    qint64 s64 = 0;
    QVERIFY(!checkedToInteger(9223372036854775808.0, s64)); // 2^63
    QVERIFY(checkedToInteger(9223372036854774784.0, s64)); // largest double below 2^63
    quint64 u64 = 0;
    QVERIFY(!checkedToInteger(18446744073709551616.0, u64)); // 2^64
}

void TestNavTypes::checksum_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<int>("expected");

    QTest::newRow("abc") << QByteArray("abc") << 0x4C27;
    QTest::newRow("nothing") << QByteArray() << 0xFFFF;
    QTest::newRow("group 3 id 2, no payload") << QByteArray::fromHex("03020000") << 0x1205;
    QTest::newRow("status 1") << QByteArray::fromHex("00010000") << 0x0301;
    QTest::newRow("100 x 0xFF") << QByteArray(100, char(0xFF)) << 0xFFFF;
}

void TestNavTypes::checksum()
{
    QFETCH(QByteArray, body);
    QFETCH(int, expected);
    QCOMPARE(int(calcChecksum(body)), expected);
    QCOMPARE(int(calcChecksum(body.constData(), body.size())), expected);
}

void TestNavTypes::frameLayout()
{
    // The frame of group 3, id 2 without payload, as it goes on the wire.
    QByteArray frame;
    frame.append(char(BinaryFrame::Sync1)).append(char(BinaryFrame::Sync2));
    const QByteArray body = QByteArray::fromHex("03020000");
    frame.append(body);
    const quint16 sum = calcChecksum(body);
    frame.append(char(sum & 0xFF)).append(char(sum >> 8));
    QCOMPARE(frame, QByteArray::fromHex("214e030200000512"));
}

void TestNavTypes::messageNumbers()
{
    QList<int> named;
    for (int n = 0; n < 256; ++n) {
        if (isNavMessageType(n))
            named << n;
    }
    QCOMPARE(named, (QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 16, 17, 18, 19, 20, 21, 22, 23,
                                24, 25, 28, 29}));
    QVERIFY(isTextNavMessage(NavMsg_HDG));
    QVERIFY(!isTextNavMessage(NavMsg_RTIME_RDATE));
}

QTEST_GUILESS_MAIN(TestNavTypes)
#include "tst_navtypes.moc"
