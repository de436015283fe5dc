// From received bytes to display signals: NMEA lines and binary frames go through the
// ParserProxy into the SentenceHandler, and the handler's signals are written down by a
// recorder connected by text signature, as the windows connect.

#include <QtTest>

#include <memory>

#include "connectguard.h"
#include "framebuilders.h"
#include "parserproxy.h"
#include "payload.h"
#include "sentencehandler.h"
#include "tst_sentencehandler_recorder.h"

namespace {

const InterfaceMode binaryMode = InterfaceBinary;
const InterfaceMode nmeaMode = InterfaceNmea;

// One receive road: parser proxy, handler and the recorder listening to the handler.
struct Road
{
    explicit Road(InterfaceMode mode)
    {
        handler.setParser(&proxy);
        recorder.listenTo(&handler);
        proxy.setInterfaceMode(mode);
    }

    void feedLines(const QList<QByteArray> &bodies)
    {
        for (const QByteArray &body : bodies)
            proxy.parse(nmeaLine(body));
    }

    ParserProxy proxy{nullptr};
    SentenceHandler handler{nullptr};
    SignalRecorder recorder;
};

const QStringList satelliteSignals{QStringLiteral("setSatellites"),
                                   QStringLiteral("setUsedSatellites"),
                                   QStringLiteral("clearSatellites")};

} // namespace

class TestSentenceHandler : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void nmeaRecords_data();
    void nmeaRecords();
    void binaryRecords_data();
    void binaryRecords();
    void gsvFullUsedSetsFollowEachEpoch();
    void gsvFullStoppedSystemIsCleared();

    void satellites_data();
    void satellites();
    void unfinishedSeriesStayBounded();
    void moduleResetAtNextSatelliteRecord_data();
    void moduleResetAtNextSatelliteRecord();
    void noHookNoReset();

    void blanking_data();
    void blanking();
    void blankingKeepsSatelliteLists();
    void showAllLastData();

    void setParserConnectsOnce();
};

void TestSentenceHandler::initTestCase()
{
    installConnectGuard();
}

// ---- NMEA records ----

void TestSentenceHandler::nmeaRecords_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QStringList>("expected");

    const QString position = QStringLiteral("48.117300,11.516667,545.40");
    QTest::newRow("gga from GP")
        << QByteArray("GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,")
        << QStringList{"setQuality 1", "setHDOP 0.9", "setCoordinate " + position,
                       "setCoordinate3 123519 " + position + " 1"};
    QTest::newRow("gga from GN as from GP")
        << QByteArray("GNGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,")
        << QStringList{"setQuality 1", "setHDOP 0.9", "setCoordinate " + position,
                       "setCoordinate3 123519 " + position + " 1"};
    QTest::newRow("gga south and west")
        << QByteArray("GPGGA,123519,4807.038,S,01131.000,W,2,08,1.5,10.0,M,46.9,M,,")
        << QStringList{"setQuality 2", "setHDOP 1.5", "setCoordinate -48.117300,-11.516667,10.00",
                       "setCoordinate3 123519 -48.117300,-11.516667,10.00 2"};
    QTest::newRow("gga quality 0")
        << QByteArray("GPGGA,123519,4807.038,N,01131.000,E,0,08,0.9,545.4,M,46.9,M,,")
        << QStringList{"setQuality 0", "setHDOP -", "setCoordinate invalid"};
    QTest::newRow("gga from unknown talker")
        << QByteArray("BDGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,")
        << QStringList{};
    QTest::newRow("gsa from GP with second-band number")
        << QByteArray("GPGSA,A,3,03,67,,,,,,,,,,,2.5,1.3,2.1")
        << QStringList{"setFixMode 65 3", "setHDOP 1.3", "setPDOP 2.5", "setVDOP 2.1",
                       "setUsedSatellites 1 {3}"};
    QTest::newRow("gsa from GN keeps numbers")
        << QByteArray("GNGSA,A,3,03,67,,,,,,,,,,,2.5,1.3,2.1")
        << QStringList{"setFixMode 65 3", "setHDOP 1.3", "setPDOP 2.5", "setVDOP 2.1",
                       "setUsedSatellites 11 {3,67}"};
    QTest::newRow("gsa from unknown talker has no used set")
        << QByteArray("BDGSA,A,3,03,67,,,,,,,,,,,2.5,1.3,2.1")
        << QStringList{"setFixMode 65 3", "setHDOP 1.3", "setPDOP 2.5", "setVDOP 2.1"};
    QTest::newRow("gsa without satellites sends an empty set")
        << QByteArray("GLGSA,M,1,,,,,,,,,,,,,0.0,,")
        << QStringList{"setFixMode 77 1", "setHDOP -", "setPDOP -", "setVDOP -",
                       "setUsedSatellites 4 {}"};
    QTest::newRow("gst is dropped")
        << QByteArray("GPGST,123519,1.1,2.2,3.3,4.4,5.5,6.6,7.7") << QStringList{};
    QTest::newRow("rmc knots to km/h")
        << QByteArray("GPRMC,123519,A,4807.038,N,01131.000,E,10.0,84.4,311225,003.1,W,A")
        << QStringList{"setPositioningSystemMode A", "setDateNumber 311225", "setSpeed 18.52"};
    QTest::newRow("rmc mode N")
        << QByteArray("GPRMC,123519,V,,,,,,,311225,,,N")
        << QStringList{"setPositioningSystemMode N", "setDateNumber -", "setSpeed -"};
    QTest::newRow("vtg")
        << QByteArray("GPVTG,054.7,T,034.4,M,005.5,N,010.2,K,A")
        << QStringList{"setPositioningSystemMode A", "setSpeed 10.2", "setCourse 54.7"};
    QTest::newRow("zda")
        << QByteArray("GPZDA,201530.00,04,07,2002,00,00")
        << QStringList{"setUTC 20:15:30", "setDate 4.7.2002"};
    QTest::newRow("hdg roll pitch yaw from fields 4 3 2")
        << QByteArray("GPHDG,1.0,45.5,2.5,3.5,0,0.0,4")
        << QStringList{"posStsChangedInAxes 4", "setRoll 3.5", "setPitch 2.5", "setYaw 45.5"};
    QTest::newRow("hdg with an empty status")
        << QByteArray("GPHDG,1.0,45.5,2.5,3.5,0,0.0,")
        << QStringList{"posStsChangedInAxes -", "setRoll -", "setPitch -", "setYaw -"};
    QTest::newRow("vtg standing still without a course")
        << QByteArray("GPVTG,,T,,M,0.0,N,0.0,K,A")
        << QStringList{"setPositioningSystemMode A", "setSpeed 0", "setCourse -"};
    QTest::newRow("gga 2d without altitude")
        << QByteArray("GPGGA,123519,4807.038,N,01131.000,E,1,03,10.5,,,,,,")
        << QStringList{"setQuality 1", "setHDOP 10.5", "setCoordinate invalid"};
    QTest::newRow("gsv example")
        << QByteArray("GPGSV,1,1,04,05,45,120,40,12,30,200,35,69,45,120,33,76,30,200,30")
        << QStringList{"setSatellites 1 [5:45/120/40/33 12:30/200/35/30]"};
}

void TestSentenceHandler::nmeaRecords()
{
    QFETCH(QByteArray, body);
    QFETCH(QStringList, expected);

    Road road(nmeaMode);
    road.proxy.parse(nmeaLine(body));
    QCOMPARE(road.recorder.events, expected);

    // The same line wrapped in a binary message frame gives the same signals.
    Road wrapped(binaryMode);
    wrapped.proxy.parse(binaryFrame(1, 2, nmeaLine(body)));
    QCOMPARE(wrapped.recorder.events, expected);
}

// ---- Binary records ----

void TestSentenceHandler::binaryRecords_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<QByteArray>("payload");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("rtime_rdate")
        << 16 << Payload().u32(0).u16(2015).u8(12).u8(31).f64(45296.5).u8(3).bytes()
        << QStringList{"setUTC 12:34:57", "setDate 31.12.2015"};
    QTest::newRow("rpos_ecef")
        << 17 << Payload().u32(7).f64(2850000.1234).f64(2200000.5).f64(5250000).u8(4).bytes()
        << QStringList{"setPosSts 4", "setCoordReceiver (2850000.1234,2200000.5,5250000)"};
    QTest::newRow("rvel_ecef status 0")
        << 18 << Payload().u32(0).f64(1).f64(2).f64(3).u8(0).bytes()
        << QStringList{"setVelSts 0", "setSpeedECEF -"};
    QTest::newRow("rpos_lla south east")
        << 19 << Payload().u32(0).f64(-33.5).f64(151.2).f64(10).u8(1).bytes()
        << QStringList{"setCoordinate -33.500000,151.200000,10.00", "setPosSts 1"};
    QTest::newRow("rpos_lla without position")
        << 19 << Payload().u32(0).f64(-33.5).f64(151.2).f64(10).u8(0).bytes()
        << QStringList{"setCoordinate invalid", "setPosSts 0"};
    QTest::newRow("rvel_enu")
        << 20 << Payload().u32(0).f64(1).f64(2).f64(3).f64(2.5).f64(90).u8(4).bytes()
        << QStringList{"setVelSts 4", "setCourse 90", "setSpeedENU (1,2,3) 2.5 90"};
    QTest::newRow("rsol_atr masks")
        << 21
        << Payload().u32(0).f32(1.5f).f32(0.5f).f32(2.0f)
               .u64(0x80000003ull).u64(0).u64((1ull << 4) | (1ull << 5) | (1ull << 35))
               .u64(0).u64(0xFFull).u32(12).f32(2.5f).u32(3).u8(0).u8(4).u8(5).bytes()
        << QStringList{"setVelSts 5", "setPosSts 4", "setHDOP 0.5", "setPDOP 2", "setVDOP 1.5",
                       "setUsedSatellites 1 {1,31}", "setUsedSatellites 4 {}",
                       "setUsedSatellites 9 {5,35}", "setUsedSatellites 6 {}",
                       "setUsedSatellites 12 {1,2,3,4,5,6}", "setTotalSA 12", "setARF 2.5",
                       "setAge 3"};
    QTest::newRow("rsol_atr status 6 has no used sets")
        << 21
        << Payload().u32(0).f32(1.5f).f32(0.5f).f32(2.0f).u64(3).u64(3).u64(3).u64(3)
               .u64(3).u32(12).f32(2.5f).u32(3).u8(0).u8(6).u8(5).bytes()
        << QStringList{"setVelSts 5", "setPosSts 6", "setHDOP -", "setPDOP -", "setVDOP -",
                       "setTotalSA 12", "setARF -", "setAge -"};
    QTest::newRow("bpos_ecef")
        << 22 << Payload().u32(0).f64(1).f64(2).f64(3).u8(4).bytes()
        << QStringList{"setCoordBS (1,2,3) 4"};
    QTest::newRow("rsol_full")
        << 24
        << Payload().u32(0).u8(4).u8(4).u8(3).u8(0).f64(48.5).f64(-11.25).f64(500)
               .f64(10).f64(45).f64(0.5).f64(45296.5).f32(0.75f).u16(2025).u8(12).u8(31).bytes()
        << QStringList{"setVelSts 4", "setPosSts 4", "setCoordinate 48.500000,-11.250000,500.00",
                       "setHDOP 0.75", "setSpeed 36", "setUTC 12:34:57", "setDate 31.12.2025",
                       "setClmb 0.5", "setCourse 45"};
    QTest::newRow("rsol_ifull")
        << 25
        << Payload().u32(0).u8(4).u8(4).u8(3).u8(0).i32(-123456789).i32(100).i32(200)
               .i32(10).i32(20).i32(30).i32(45296001).u16(15).u16(2025).u8(1).u8(2).bytes()
        << QStringList{"setVelSts 4", "setPosSts 4", "setUTC 12:34:57", "setDate 2.1.2025",
                       "setHDOP 1.5", "setCoordReceiver (-1234567.89,1,2)",
                       "setSpeedECEF (0.1,0.2,0.3)"};
    QTest::newRow("ypr_deg angle 1 is roll")
        << 28 << Payload().u32(0).u8(4).u8(3).u8(0).u8(0).f64(1.5).f64(2.5).f64(3.5).f64(100).bytes()
        << QStringList{"posStsChangedInAxes 4", "setRoll 1.5", "setPitch 2.5", "setYaw 3.5"};
    QTest::newRow("hvect")
        << 29
        << Payload().u32(0).u8(4).u8(3).u8(0).u8(25).f64(1).f64(2).f64(3).f64(4).f64(5)
               .f64(6).f64(100).bytes()
        << QStringList{"posStsChangedInAxes 4", "setCoordSA (1,2,3)", "setCoordMA (4,5,6)"};
    QTest::newRow("gsv_full used set then list, zeros unknown")
        << 23
        << Payload()
               .u8(0).u8(5).u16(120).u8(45).u8(40).u8(33).u8(1)
               .u8(1).u8(3).u16(10).u8(20).u8(30).u8(0).u8(1)
               .u8(0).u8(12).u16(0).u8(0).u8(35).u8(0).u8(0).bytes()
        << QStringList{"setUsedSatellites 1 {5}",
                       "setSatellites 1 [5:45/120/40/33 12:-1/-1/35/-1]",
                       "setUsedSatellites 4 {3}", "setSatellites 4 [3:20/10/30/-1]"};
}

void TestSentenceHandler::binaryRecords()
{
    QFETCH(int, id);
    QFETCH(QByteArray, payload);
    QFETCH(QStringList, expected);

    Road road(binaryMode);
    road.proxy.parse(binaryFrame(1, id, payload));
    QCOMPARE(road.recorder.events, expected);
}

void TestSentenceHandler::gsvFullUsedSetsFollowEachEpoch()
{
    // Each epoch hands out its own used set: unchanged, shrunk, emptied, regrown.
    auto entry = [](Payload &payload, int number, int used) {
        payload.u8(0).u8(quint8(number)).u16(100).u8(30).u8(40).u8(0).u8(quint8(used));
    };
    const QList<QList<int>> epochs{{5, 1, 7, 1, 255, 1}, {5, 1, 7, 1, 255, 1},
                                   {5, 0, 7, 1, 255, 1}, {5, 0, 7, 0, 255, 0},
                                   {5, 1, 7, 0, 255, 0}};
    Road road(binaryMode);
    for (const QList<int> &epoch : epochs) {
        Payload payload;
        for (int i = 0; i < epoch.size(); i += 2)
            entry(payload, epoch[i], epoch[i + 1]);
        road.proxy.parse(binaryFrame(1, 23, payload.bytes()));
    }
    QCOMPARE(road.recorder.filtered({QStringLiteral("setUsedSatellites")}),
             (QStringList{"setUsedSatellites 1 {5,7,255}", "setUsedSatellites 1 {5,7,255}",
                          "setUsedSatellites 1 {7,255}", "setUsedSatellites 1 {}",
                          "setUsedSatellites 1 {5}"}));
}

void TestSentenceHandler::gsvFullStoppedSystemIsCleared()
{
    // The binary path keeps a system's list until its next series too: a system the
    // receiver stops leaves once another has finished three series without it.
    auto frame = [](bool withGlonass) {
        Payload payload;
        payload.u8(0).u8(5).u16(120).u8(45).u8(40).u8(33).u8(1);
        if (withGlonass)
            payload.u8(1).u8(3).u16(10).u8(20).u8(30).u8(0).u8(1);
        return binaryFrame(1, 23, payload.bytes());
    };
    Road road(binaryMode);
    road.proxy.parse(frame(true));
    for (int epoch = 0; epoch < 4; ++epoch)
        road.proxy.parse(frame(false));
    const QString gps = QStringLiteral("setSatellites 1 [5:45/120/40/33]");
    QCOMPARE(road.recorder.filtered({QStringLiteral("setSatellites"), QStringLiteral("clearSatellites")}),
             (QStringList{gps, "setSatellites 4 [3:20/10/30/-1]", gps, gps, gps, "clearSatellites 4", gps}));
}

// ---- Satellite lists ----

void TestSentenceHandler::satellites_data()
{
    QTest::addColumn<QList<QByteArray>>("bodies");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("second band without first-band entry")
        << QList<QByteArray>{"GPGSV,1,1,04,05,45,120,40,12,30,200,35,69,45,120,33,70,30,200,30"}
        << QStringList{"setSatellites 1 [5:45/120/40/33 12:30/200/35/-1 6:30/200/-1/30]"};
    QTest::newRow("l1 l2 l5 merge sequence")
        << QList<QByteArray>{"GPGSV,1,1,02,05,45,120,40,12,30,200,35",
                             "GPGSV,1,1,02,69,45,120,33,76,30,200,30",
                             "GPGSV,1,1,02,133,45,120,44,140,30,200,41",
                             "GPGSV,1,1,02,05,46,121,42,12,31,201,36",
                             "GPGSV,1,1,01,69,45,120,32"}
        << QStringList{"setSatellites 1 [5:45/120/40/-1 12:30/200/35/-1]",
                       "setSatellites 1 [5:45/120/40/33 12:30/200/35/30]",
                       // an L5 series drops the L2 list
                       "setSatellites 1 [5:45/120/40/44 12:30/200/35/41]",
                       // a new L1 series is merged with the surviving L5 list
                       "setSatellites 1 [5:46/121/42/44 12:31/201/36/41]",
                       // and an L2 series drops the L5 list again
                       "setSatellites 1 [5:46/121/42/32 12:31/201/36/-1]"};
    QTest::newRow("series of two sentences")
        << QList<QByteArray>{"GLGSV,2,1,05,01,10,100,20,02,11,101,21,03,12,102,22,04,13,103,23",
                             "GLGSV,2,2,05,05,14,104,24"}
        << QStringList{"setSatellites 4 [1:10/100/20/-1 2:11/101/21/-1 3:12/102/22/-1 "
                       "4:13/103/23/-1 5:14/104/24/-1]"};
    QTest::newRow("sentence without satellites")
        << QList<QByteArray>{"GPGSV,1,1,00"} << QStringList{"setSatellites 1 []"};
    QTest::newRow("mixed talker ends with system 0")
        << QList<QByteArray>{"GNGSV,1,1,02,05,45,120,40,70,30,200,35"}
        << QStringList{"setSatellites 0 []"};
    QTest::newRow("unknown talker")
        << QList<QByteArray>{"BDGSV,1,1,01,05,45,120,40"} << QStringList{};
    QTest::newRow("qzss numbers skipped, last slot is the last gps one")
        << QList<QByteArray>{"GPGSV,1,1,04,05,45,120,40,12,30,200,35,193,50,100,45,194,20,300,25"}
        << QStringList{"setSatellites 1 [5:45/120/40/-1 12:30/200/35/-1]"};
    QTest::newRow("series ending on qzss numbers still finishes")
        << QList<QByteArray>{"GPGSV,2,1,06,05,45,120,40,12,30,200,35,14,10,10,10,15,11,11,11",
                             "GPGSV,2,2,06,193,50,100,45,195,20,300,25"}
        << QStringList{"setSatellites 1 [5:45/120/40/-1 12:30/200/35/-1 14:10/10/10/-1 "
                       "15:11/11/11/-1]"};
    QTest::newRow("l2 series ending on qzss numbers finishes l2")
        << QList<QByteArray>{"GPGSV,1,1,01,05,45,120,40",
                             "GPGSV,2,1,02,69,45,120,33,200,1,1,1",
                             "GPGSV,2,2,02,201,2,2,2"}
        << QStringList{"setSatellites 1 [5:45/120/40/-1]", "setSatellites 1 [5:45/120/40/33]"};
    QTest::newRow("qzss never reaches a later gps list")
        << QList<QByteArray>{"GPGSV,1,1,02,193,50,100,45,194,20,300,25",
                             "GPGSV,1,1,01,05,45,120,40"}
        << QStringList{"setSatellites 1 []", "setSatellites 1 [5:45/120/40/-1]"};
    QTest::newRow("gsa used set from a later series")
        << QList<QByteArray>{"GBGSA,A,3,03,67,07,,,,,,,,,,2.5,1.3,2.1"}
        << QStringList{"setUsedSatellites 9 {3,7}"};

    // The receiver stops a band (its secondary frequency switched off) or a system: it is
    // kept for its turn, and no longer once the others have gone on three series without it.
    const QByteArray l1 = "GPGSV,1,1,02,05,45,120,40,12,30,200,35";
    const QByteArray l2 = "GPGSV,1,1,02,69,45,120,33,76,30,200,30";
    const QByteArray gl = "GLGSV,1,1,02,01,10,100,20,02,11,101,21";
    const QString l1Only = "setSatellites 1 [5:45/120/40/-1 12:30/200/35/-1]";
    const QString l1l2 = "setSatellites 1 [5:45/120/40/33 12:30/200/35/30]";
    const QString glList = "setSatellites 4 [1:10/100/20/-1 2:11/101/21/-1]";
    const QString l2Only = "setSatellites 1 [5:45/120/-1/33 12:30/200/-1/30]";
    const QByteArray l5 = "GPGSV,1,1,02,133,45,120,44,140,30,200,41";
    const QString l1l5 = "setSatellites 1 [5:45/120/40/44 12:30/200/35/41]";
    const QByteArray sbas = "GSGSV,1,1,01,131,40,200,39";
    const QString sbasList = "setSatellites 14 [131:40/200/39/-1]";
    QTest::newRow("stopped second band leaves after three series")
        << QList<QByteArray>{l1, l2, l1, l1, l1, l1}
        << QStringList{l1Only, l1l2, l1l2, l1l2, l1Only, l1Only};
    QTest::newRow("second band every other epoch stays")
        << QList<QByteArray>{l1, l2, l1, l1, l2, l1, l1, l2, l1}
        << QStringList{l1Only, l1l2, l1l2, l1l2, l1l2, l1l2, l1l2, l1l2, l1l2};
    QTest::newRow("stopped first band leaves, second band stays")
        << QList<QByteArray>{l1, l2, l2, l2, l2}
        << QStringList{l1Only, l1l2, l1l2, l2Only, l2Only};
    QTest::newRow("stopped system is cleared after three series of another")
        << QList<QByteArray>{l1, gl, l1, l1, l1, l1}
        << QStringList{l1Only, glList, l1Only, l1Only, l1Only, "clearSatellites 4", l1Only};
    QTest::newRow("cleared system comes back without its old bands")
        << QList<QByteArray>{gl, "GLGSV,1,1,01,65,10,100,25", l1, l1, l1, "GLGSV,1,1,01,03,12,102,22"}
        << QStringList{glList, "setSatellites 4 [1:10/100/20/25 2:11/101/21/-1]", l1Only, l1Only, l1Only,
                       "clearSatellites 4", "setSatellites 4 [3:12/102/22/-1]"};
    QTest::newRow("three bands of one system do not outrun a system of one")
        << QList<QByteArray>{l1, l2, l5, sbas, l1, l2, l5, sbas, l1, l2, l5, sbas}
        << QStringList{l1Only, l1l2, l1l5, sbasList, l1l5, l1l2, l1l5, sbasList, l1l5, l1l2, l1l5, sbasList};
    QTest::newRow("a system reporting no satellites still counts its series")
        << QList<QByteArray>{gl, "GPGSV,1,1,00", "GPGSV,1,1,00", "GPGSV,1,1,00", "GPGSV,1,1,00"}
        << QStringList{glList, "setSatellites 1 []", "setSatellites 1 []", "setSatellites 1 []",
                       "clearSatellites 4", "setSatellites 1 []"};
}

void TestSentenceHandler::satellites()
{
    QFETCH(QList<QByteArray>, bodies);
    QFETCH(QStringList, expected);

    Road road(nmeaMode);
    road.feedLines(bodies);
    QCOMPARE(road.recorder.filtered(satelliteSignals), expected);
}

void TestSentenceHandler::unfinishedSeriesStayBounded()
{
    // A receiver that starts series and never ends them: the waiting entries are bounded.
    Road road(nmeaMode);
    const QByteArray first = nmeaLine("GPGSV,2,1,08,01,10,100,20,02,11,101,21,03,12,102,22,04,13,103,23");
    for (int i = 0; i < 3000; ++i)
        road.proxy.parse(first);
    QVERIFY(road.recorder.events.isEmpty());
    road.proxy.parse(nmeaLine("GPGSV,2,2,08,05,14,104,24"));
    QCOMPARE(road.recorder.events.size(), 1);
    const int entries = road.recorder.events.first().count(QLatin1Char(':'));
    QVERIFY2(entries > 0 && entries <= SentenceHandler::maxGatheredEntries,
             qPrintable(QString::number(entries)));
}

void TestSentenceHandler::moduleResetAtNextSatelliteRecord_data()
{
    QTest::addColumn<QByteArray>("trigger");
    QTest::addColumn<QStringList>("expected");

    // L1 and L2 series are finished, the windows are cleared, then an L2 series comes:
    // without the old L1 list its entries have no first-band value.
    QTest::newRow("gsv") << nmeaLine("GPGSV,1,1,01,76,30,200,31")
                         << QStringList{"setSatellites 1 [12:30/200/-1/31]"};
    // The flag is taken before the talker test, so an unknown talker clears the lists too.
    QTest::newRow("gsv of unknown talker") << nmeaLine("BDGSV,1,1,01,05,45,120,40")
                                           << QStringList{};
    QTest::newRow("gsv_full")
        << binaryFrame(1, 23, Payload().u8(1).u8(3).u16(10).u8(20).u8(30).u8(0).u8(0).bytes())
        << QStringList{"setUsedSatellites 4 {}", "setSatellites 4 [3:20/10/30/-1]"};
}

void TestSentenceHandler::moduleResetAtNextSatelliteRecord()
{
    QFETCH(QByteArray, trigger);
    QFETCH(QStringList, expected);

    Road road(nmeaMode);
    bool moduleReset = false;
    int hookCalls = 0;
    road.handler.setModuleResetHook([&] {
        ++hookCalls;
        const bool wasSet = moduleReset;
        moduleReset = false;
        return wasSet;
    });
    road.feedLines({"GPGSV,1,1,02,05,45,120,40,12,30,200,35", "GPGSV,1,1,02,69,45,120,33,76,30,200,30"});
    QCOMPARE(hookCalls, 2);
    QCOMPARE(road.recorder.filtered(satelliteSignals).last(),
             QStringLiteral("setSatellites 1 [5:45/120/40/33 12:30/200/35/30]"));

    // Other records do not take the flag.
    moduleReset = true;
    road.feedLines({"GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,",
                    "GPGSA,A,3,03,67,,,,,,,,,,,2.5,1.3,2.1"});
    QCOMPARE(hookCalls, 2);
    QVERIFY(moduleReset);

    road.recorder.events.clear();
    road.proxy.setInterfaceMode(trigger.startsWith('$') ? nmeaMode : binaryMode);
    road.proxy.parse(trigger);
    QCOMPARE(road.recorder.filtered(satelliteSignals), expected);
    QVERIFY(!moduleReset);
    QCOMPARE(hookCalls, 3);

    // The lists are gone for the GPS bands: a new L1 series stands alone.
    road.recorder.events.clear();
    road.proxy.setInterfaceMode(nmeaMode);
    road.feedLines({"GPGSV,1,1,01,05,45,120,40"});
    const QString l1Only = QStringLiteral("setSatellites 1 [5:45/120/40/-1]");
    const QString l1WithL2 = QStringLiteral("setSatellites 1 [5:45/120/40/-1 12:30/200/-1/31]");
    QCOMPARE(road.recorder.filtered(satelliteSignals),
             QStringList{trigger.contains("GPGSV") ? l1WithL2 : l1Only});
}

void TestSentenceHandler::noHookNoReset()
{
    // A handler whose parent is no Controller and that was given no hook works as usual.
    QObject owner;
    ParserProxy proxy(&owner);
    auto *handler = new SentenceHandler(&owner);
    SignalRecorder recorder;
    recorder.listenTo(handler);
    handler->setParser(&proxy);
    proxy.setInterfaceMode(nmeaMode);
    proxy.parse(nmeaLine("GPGSV,1,1,02,05,45,120,40,12,30,200,35"));
    proxy.parse(nmeaLine("GPGSV,1,1,02,69,45,120,33,76,30,200,30"));
    QCOMPARE(recorder.events.last(), QStringLiteral("setSatellites 1 [5:45/120/40/33 12:30/200/35/30]"));

    handler->setModuleResetHook(SentenceHandler::ModuleResetHook());
    proxy.parse(nmeaLine("GPGSV,1,1,01,69,45,120,34"));
    QCOMPARE(recorder.events.last(), QStringLiteral("setSatellites 1 [5:45/120/40/34 12:30/200/35/-1]"));
}

// ---- Blanking of switched-off messages ----

namespace {

QMap<int, QStringList> blankingByMessage()
{
    const QStringList gsv{"setSatellites 6 []", "setSatellites 9 []", "setSatellites 12 []",
                          "setSatellites 4 []", "setSatellites 11 []", "setSatellites 1 []",
                          "setSatellites 14 []"};
    return {
        {2, {"setQuality -", "setCoordinate invalid", "setHDOP -"}},
        {3, {"setFixMode -1 -1", "setHDOP -", "setPDOP -", "setVDOP -"}},
        {4, gsv},
        {5, {"setUTC -", "setDate -"}},
        {6, {"setPositioningSystemMode -", "setCourse -", "setSpeed -"}},
        {7, {"setPositioningSystemMode -", "setSpeed -", "setDateNumber -", "setUTC -"}},
        {8, {}},
        {9, {"posStsChangedInAxes -", "setRoll -", "setPitch -", "setYaw -"}},
        {16, {"setUTC -", "setDate -"}},
        {17, {"setPosSts -", "setCoordReceiver -"}},
        {18, {"setVelSts -", "setSpeedECEF -"}},
        {19, {"setCoordinate invalid", "setPosSts -"}},
        {20, {"setCourse -", "setVelSts -", "setSpeedENU - - -"}},
        {21, {"setHDOP -", "setPDOP -", "setVDOP -", "setVelSts -", "setPosSts -", "setTotalSA -",
              "setARF -", "setAge -"}},
        {22, {"setCoordBS - -"}},
        {23, gsv},
        {24, {"setVelSts -", "setPosSts -", "setCoordinate invalid", "setSpeed -", "setCourse -",
              "setUTC -", "setHDOP -", "setDate -", "setClmb -"}},
        {25, {"setVelSts -", "setPosSts -", "setCoordReceiver -", "setSpeedECEF -", "setUTC -",
              "setHDOP -", "setDate -"}},
        {28, {"posStsChangedInAxes -", "setRoll -", "setPitch -", "setYaw -"}},
        {29, {"posStsChangedInAxes -", "setCoordSA -", "setCoordMA -"}},
    };
}

} // namespace

void TestSentenceHandler::blanking_data()
{
    QTest::addColumn<QVector<int>>("messages");
    QTest::addColumn<QStringList>("expected");

    const QMap<int, QStringList> table = blankingByMessage();
    for (auto it = table.constBegin(); it != table.constEnd(); ++it)
        QTest::addRow("message %d", it.key()) << QVector<int>{it.key()} << it.value();
    QTest::newRow("hvect then gga") << QVector<int>{29, 2} << table[29] + table[2];
    QTest::newRow("numbers without a message") << QVector<int>{1, 10, 26, 30} << QStringList{};
}

void TestSentenceHandler::blanking()
{
    QFETCH(QVector<int>, messages);
    QFETCH(QStringList, expected);

    Road road(nmeaMode);
    road.proxy.showLastData(messages);
    QCOMPARE(road.recorder.events, expected);
}

void TestSentenceHandler::blankingKeepsSatelliteLists()
{
    Road road(nmeaMode);
    road.feedLines({"GPGSV,1,1,02,05,45,120,40,12,30,200,35"});
    road.proxy.showLastData({4});
    road.recorder.events.clear();
    // The stored L1 list survives the blanking and is merged with the next L2 series.
    road.feedLines({"GPGSV,1,1,01,69,45,120,33"});
    QCOMPARE(road.recorder.events,
             QStringList{"setSatellites 1 [5:45/120/40/33 12:30/200/35/-1]"});
}

void TestSentenceHandler::showAllLastData()
{
    Road road(binaryMode);
    road.proxy.showAllLastData();
    QStringList expected;
    const QMap<int, QStringList> table = blankingByMessage();
    for (auto it = table.constBegin(); it != table.constEnd(); ++it)
        expected += it.value();
    QCOMPARE(road.recorder.events, expected);
}

// ---- Parser hand-over ----

void TestSentenceHandler::setParserConnectsOnce()
{
    // Set twice: one connection per signal. Replaced: the old parser is no longer heard.
    Road road(nmeaMode);
    road.handler.setParser(&road.proxy);
    road.handler.setParser(&road.proxy);
    const QByteArray line = nmeaLine("GPZDA,201530.00,04,07,2002,00,00");
    road.proxy.parse(line);
    QCOMPARE(road.recorder.events, (QStringList{"setUTC 20:15:30", "setDate 4.7.2002"}));

    auto other = std::make_unique<ParserProxy>(nullptr);
    other->setInterfaceMode(nmeaMode);
    road.handler.setParser(other.get());
    road.proxy.parse(line);
    QCOMPARE(road.recorder.events.size(), 2);
    other->parse(line);
    QCOMPARE(road.recorder.events.size(), 4);
    // A parser deleted while set is simply forgotten.
    other.reset();
    road.handler.setParser(nullptr);
}

QTEST_GUILESS_MAIN(TestSentenceHandler)
#include "tst_sentencehandler.moc"
