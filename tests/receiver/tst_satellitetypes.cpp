#include <QtTest>

#include "connectguard.h"
#include "satellitetypes.h"

Q_DECLARE_METATYPE(SatelliteInfo)

class TestSatelliteTypes : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { installConnectGuard(); }

    void signalCodes_data();
    void signalCodes();
    void bandTables_data();
    void bandTables();
    void unknownValues();
    void merge_data();
    void merge();
};

void TestSatelliteTypes::signalCodes_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("second");
    QTest::addColumn<int>("third");
    QTest::addColumn<int>("offset");
    QTest::addColumn<int>("count");

    QTest::newRow("GPS L1") << 1 << "L1" << 1 << 2 << 3 << 0 << 3;
    QTest::newRow("GPS L2") << 2 << "L2" << 1 << 2 << 3 << -64 << 3;
    QTest::newRow("GPS L5") << 3 << "L5" << 1 << 2 << 3 << -128 << 3;
    QTest::newRow("GLONASS F2") << 5 << "F2" << 4 << 5 << 0 << -64 << 2;
    QTest::newRow("Galileo E5a") << 8 << "E5a" << 6 << 7 << 8 << -128 << 3;
    QTest::newRow("BeiDou B2") << 10 << "B2" << 9 << 10 << 0 << -64 << 2;
    QTest::newRow("mixed") << 11 << "" << 0 << 0 << 0 << 0 << -1;
    QTest::newRow("NavIC S") << 13 << "S" << 12 << 13 << 0 << -64 << 2;
    QTest::newRow("SBAS L1") << 14 << "L1" << 14 << 0 << 0 << 0 << 1;
    QTest::newRow("zero") << 0 << "" << 0 << 0 << 0 << 0 << -1;
    QTest::newRow("15") << 15 << "" << 0 << 0 << 0 << 0 << -1;
    QTest::newRow("negative") << -3 << "" << 0 << 0 << 0 << 0 << -1;
}

void TestSatelliteTypes::signalCodes()
{
    QFETCH(int, code);
    QFETCH(QString, name);
    QFETCH(int, first);
    QFETCH(int, second);
    QFETCH(int, third);
    QFETCH(int, offset);
    QFETCH(int, count);

    QCOMPARE(signalName(code), name);
    QCOMPARE(firstSignalOfGroup(code), first);
    QCOMPARE(secondSignalOfGroup(code), second);
    QCOMPARE(thirdSignalOfGroup(code), third);
    QCOMPARE(signalSatelliteOffset(code), offset);
    QCOMPARE(signalCountOfGroup(code), count);
    const bool isSecond = QList<int>{2, 5, 7, 10, 13}.contains(code);
    const bool isThird = QList<int>{3, 8}.contains(code);
    QCOMPARE(isSecondSignal(code), isSecond);
    QCOMPARE(isThirdSignal(code), isThird);
    QCOMPARE(isSecondarySignal(code), isSecond || isThird);
}

void TestSatelliteTypes::bandTables_data()
{
    QTest::addColumn<QString>("talker");
    QTest::addColumn<int>("number");
    QTest::addColumn<int>("band");

    QTest::newRow("GP 63") << "GP" << 63 << 1;
    QTest::newRow("GP 64") << "GP" << 64 << 2;
    QTest::newRow("GP 128") << "GP" << 128 << 3;
    QTest::newRow("GP 192") << "GP" << 192 << 3;
    QTest::newRow("GP 193") << "GP" << 193 << 0;
    QTest::newRow("GP 0") << "GP" << 0 << 0;
    QTest::newRow("GL 70") << "GL" << 70 << 5;
    QTest::newRow("GL 130") << "GL" << 130 << 0;
    QTest::newRow("GA 140") << "GA" << 140 << 8;
    QTest::newRow("GB 100") << "GB" << 100 << 10;
    QTest::newRow("GI 67") << "GI" << 67 << 13;
    QTest::newRow("GS 131") << "GS" << 131 << 14;
    QTest::newRow("GN 5") << "GN" << 5 << 0;
    QTest::newRow("unknown talker") << "XX" << 5 << 0;
}

void TestSatelliteTypes::bandTables()
{
    QFETCH(QString, talker);
    QFETCH(int, number);
    QFETCH(int, band);
    QCOMPARE(bandOfNumber(talkerBandTable(talker), number), band);
}

void TestSatelliteTypes::unknownValues()
{
    // The receiver's 0xFFFF in a 16-bit field is the same -1 as an unknown int.
    const SatelliteInfo fromWire(5, static_cast<short>(0xFFFF), -1, 40,
                                 static_cast<short>(0xFFFF));
    QVERIFY(SatelliteInfo::isUnknown(fromWire.elevation));
    QVERIFY(SatelliteInfo::isUnknown(fromWire.azimuth));
    QVERIFY(SatelliteInfo::isUnknown(fromWire.snr2));
    QVERIFY(!SatelliteInfo::isUnknown(fromWire.snr1));
    QVERIFY(!SatelliteInfo::isUnknown(0xFFFF)); // an int of 65535 is a value, not -1

    const SatelliteInfo fresh;
    QVERIFY(SatelliteInfo::isUnknown(fresh.elevation));
}

void TestSatelliteTypes::merge_data()
{
    using List = QVector<SatelliteInfo>;
    QTest::addColumn<List>("a");
    QTest::addColumn<List>("b");
    QTest::addColumn<List>("merged");

    const SatelliteInfo l1_5(5, 30, 120, 44, -1);
    const SatelliteInfo l1_12(12, 60, 240, 38, -1);
    const SatelliteInfo l2_5(5, 30, 120, -1, 35);
    const SatelliteInfo l2_12(12, 60, 240, -1, 31);
    const SatelliteInfo l2_6(6, 10, 10, -1, 20);

    QTest::newRow("both bands for every satellite")
        << List{l1_5, l1_12} << List{l2_5, l2_12}
        << List{SatelliteInfo(5, 30, 120, 44, 35), SatelliteInfo(12, 60, 240, 38, 31)};
    QTest::newRow("second band only is appended")
        << List{l1_5, l1_12} << List{l2_5, l2_6}
        << List{SatelliteInfo(5, 30, 120, 44, 35), l1_12, l2_6};
    QTest::newRow("no second band") << List{l1_5} << List{} << List{l1_5};
    QTest::newRow("no first band") << List{} << List{l2_6, l2_5} << List{l2_6, l2_5};
    QTest::newRow("unknown second density overwrites")
        << List{SatelliteInfo(5, 30, 120, 44, 17)} << List{SatelliteInfo(5, 1, 2, 3, -1)}
        << List{SatelliteInfo(5, 30, 120, 44, -1)};
    QTest::newRow("first match only")
        << List{l1_5, SatelliteInfo(5, 1, 1, 1, -1)} << List{l2_5}
        << List{SatelliteInfo(5, 30, 120, 44, 35), SatelliteInfo(5, 1, 1, 1, -1)};
}

void TestSatelliteTypes::merge()
{
    using List = QVector<SatelliteInfo>;
    QFETCH(List, a);
    QFETCH(List, b);
    QFETCH(List, merged);
    QCOMPARE(mergeSecondBand(a, b), merged);
}

QTEST_GUILESS_MAIN(TestSatelliteTypes)
#include "tst_satellitetypes.moc"
