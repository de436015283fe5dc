#include <QLocale>
#include <QtTest>

#include "binarypayloads.h"
#include "binaryrecords.h"
#include "connectguard.h"

class tst_BinaryRecordText : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void lines_data();
    void lines();
    void ignoreUserLocale();
};

void tst_BinaryRecordText::initTestCase()
{
    installConnectGuard();
}

void tst_BinaryRecordText::lines_data()
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

void tst_BinaryRecordText::lines()
{
    QFETCH(QString, line);
    QFETCH(QString, expected);
    QCOMPARE(line, expected);
}
void tst_BinaryRecordText::ignoreUserLocale()
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
QTEST_GUILESS_MAIN(tst_BinaryRecordText)
#include "tst_binaryrecordtext.moc"
