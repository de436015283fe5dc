// The whole receive road from bytes to display signals, fed the way a serial port feeds
// it: frames and lines cut anywhere, protocol switches, and long runs of garbage.

#include <QtTest>

#include <QFile>

#include "binaryframe.h"
#include "binarypayloads.h"
#include "connectguard.h"
#include "metatypes.h"
#include "framebuilders.h"
#include "parserproxy.h"
#include "sentencehandler.h"

namespace {

// RPOS_LLA: tag, latitude, longitude, height (degrees, metres), status.
QByteArray rposLlaPayload(double latitude, double longitude, double height, int status)
{
    return Payload().u32(0).f64(latitude).f64(longitude).f64(height).u8(quint8(status));
}

// GSV_FULL entries: system index, number, azimuth, elevation, two SNRs, used flag.
QByteArray gsvFullPayload(int entries)
{
    QByteArray payload;
    for (int i = 0; i < entries; ++i)
        payload += gsvEntry(0, quint8(i + 1), quint16(100 + i), 30, 40, 0, quint8(i % 2));
    return payload;
}

const QByteArray gga = nmeaLine("GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,");
const QString ggaPosition = QStringLiteral("setCoordinate 48.117300,11.516667,545.40");
const QString llaPosition = QStringLiteral("setCoordinate -33.500000,151.200000,10.00");

// Fast pseudo-random bytes (xorshift64*), eight at a time.
class RandomBytes
{
public:
    void fill(QByteArray &buffer)
    {
        auto *words = reinterpret_cast<quint64 *>(buffer.data());
        const int count = buffer.size() / int(sizeof(quint64));
        for (int i = 0; i < count; ++i) {
            m_state ^= m_state >> 12;
            m_state ^= m_state << 25;
            m_state ^= m_state >> 27;
            words[i] = m_state * 0x2545F4914F6CDD1Dull;
        }
    }

private:
    quint64 m_state = 0x9E3779B97F4A7C15ull;
};

qint64 residentBytes()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return -1;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toLongLong() * 4096 : -1;
}

} // namespace

// Writes down the few display signals these tests look at, and the parser's log lines.
class RoadProbe : public QObject
{
    Q_OBJECT

public:
    QStringList events;

    void listen(QObject *handler, QObject *parser)
    {
        connect(handler, SIGNAL(setCoordinate(GeoCoordinate)), this, SLOT(setCoordinate(GeoCoordinate)));
        connect(handler, SIGNAL(setPosSts(NavDataValue<int>)), this, SLOT(setPosSts(NavDataValue<int>)));
        connect(handler, SIGNAL(setSatellites(SatNavSysEnum,QVector<SatelliteInfo>)), this,
                SLOT(setSatellites(SatNavSysEnum,QVector<SatelliteInfo>)));
        connect(handler, SIGNAL(setUsedSatellites(SatNavSysEnum,QSet<int>)), this,
                SLOT(setUsedSatellites(SatNavSysEnum,QSet<int>)));
        connect(parser, SIGNAL(dataParsed(QByteArray,InterfaceMode)), this,
                SLOT(dataParsed(QByteArray,InterfaceMode)));
    }

    bool logLines = true;

public slots:
    void setCoordinate(GeoCoordinate coordinate)
    {
        if (!coordinate.isValid()) {
            events << QStringLiteral("setCoordinate invalid");
            return;
        }
        events << QStringLiteral("setCoordinate %1,%2,%3")
                      .arg(coordinate.latitudeDegrees(), 0, 'f', 6)
                      .arg(coordinate.longitudeDegrees(), 0, 'f', 6)
                      .arg(coordinate.height(), 0, 'f', 2);
    }
    void setPosSts(NavDataValue<int> sts) { events << QStringLiteral("setPosSts %1").arg(sts.value); }
    void setSatellites(SatNavSysEnum navSys, QVector<SatelliteInfo> info)
    {
        events << QStringLiteral("setSatellites %1 %2").arg(int(navSys)).arg(info.size());
    }
    void setUsedSatellites(SatNavSysEnum navSys, QSet<int> used)
    {
        events << QStringLiteral("setUsedSatellites %1 %2").arg(int(navSys)).arg(used.size());
    }
    void dataParsed(QByteArray, InterfaceMode mode)
    {
        if (logLines)
            events << QStringLiteral("dataParsed %1").arg(int(mode));
    }
};

namespace {

struct Road
{
    explicit Road(InterfaceMode mode)
    {
        handler.setParser(&proxy);
        probe.listen(&handler, &proxy);
        proxy.setInterfaceMode(mode);
    }

    void feed(const QList<QByteArray> &chunks)
    {
        for (const QByteArray &chunk : chunks)
            proxy.parse(chunk);
    }

    ParserProxy proxy{nullptr};
    SentenceHandler handler{nullptr};
    RoadProbe probe;
};

QList<QByteArray> bytewise(const QByteArray &data)
{
    QList<QByteArray> chunks;
    for (char c : data)
        chunks << QByteArray(1, c);
    return chunks;
}

} // namespace

class TestReceiveRoad : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void road_data();
    void road();
    void gsvFullLinesBeforeRecords();
    void modeSwitchDropsHalfData();
    void randomBytesThenValidData_data();
    void randomBytesThenValidData();
};

void TestReceiveRoad::initTestCase()
{
    installConnectGuard();
}

void TestReceiveRoad::road_data()
{
    QTest::addColumn<InterfaceMode>("mode");
    QTest::addColumn<QList<QByteArray>>("chunks");
    QTest::addColumn<QStringList>("expected");

    const InterfaceMode binary = InterfaceBinary;
    const QByteArray lla = binaryFrame(1, 19, rposLlaPayload(-33.5, 151.2, 10, 1));
    const QStringList llaSignals{"dataParsed 1", llaPosition, "setPosSts 1"};

    QTest::newRow("nmea line") << InterfaceNmea << QList<QByteArray>{gga}
                               << QStringList{"dataParsed 2", ggaPosition};
    QTest::newRow("nmea line one byte per call")
        << InterfaceNmea << bytewise(gga) << QStringList{"dataParsed 2", ggaPosition};
    QTest::newRow("nmea line with bad checksum reaches only the log")
        << InterfaceNmea << QList<QByteArray>{QByteArray(gga).replace("*", "0*")}
        << QStringList{"dataParsed 2"};
    QTest::newRow("binary frame") << binary << QList<QByteArray>{lla} << llaSignals;
    QTest::newRow("binary frame one byte per call") << binary << bytewise(lla) << llaSignals;
    QTest::newRow("two frames in one chunk")
        << binary << QList<QByteArray>{lla + binaryFrame(1, 19, rposLlaPayload(1, 2, 3, 0))}
        << llaSignals + QStringList{"dataParsed 1", "setCoordinate invalid", "setPosSts 0"};
    QTest::newRow("21 21 4E starts the frame at the second 21")
        << binary << QList<QByteArray>{QByteArray(1, '\x21') + lla}
        << llaSignals;
    QTest::newRow("length over 1024 abandoned, next frame found")
        << binary << QList<QByteArray>{QByteArray("\x21\x4E\x01\x13\x01\x04", 6) + lla}
        << llaSignals;
    QByteArray badChecksum = lla;
    badChecksum[badChecksum.size() - 1] = char(badChecksum.at(badChecksum.size() - 1) ^ 0x01);
    QTest::newRow("bad checksum dropped, next frame handled")
        << binary << QList<QByteArray>{badChecksum, lla} << llaSignals;
    QTest::newRow("kind 2 ignored")
        << binary << QList<QByteArray>{binaryFrame(2, 19, rposLlaPayload(-33.5, 151.2, 10, 1))}
        << QStringList{};
    QTest::newRow("message 26 ignored")
        << binary << QList<QByteArray>{binaryFrame(1, 26, rposLlaPayload(-33.5, 151.2, 10, 1))}
        << QStringList{};
    QTest::newRow("gga split over text frames of different numbers")
        << binary
        << QList<QByteArray>{binaryFrame(1, 2, gga.left(20)), binaryFrame(1, 5, gga.mid(20))}
        << QStringList{"dataParsed 1", ggaPosition};
    QTest::newRow("nmea text in binary mode is not read")
        << binary << QList<QByteArray>{gga} << QStringList{};
    // The frame's payload holds a '$': the bytes before it reach the log as a line of
    // their own, and nothing is decoded.
    QTest::newRow("binary frame in nmea mode is not read")
        << InterfaceNmea << QList<QByteArray>{lla} << QStringList{"dataParsed 2"};
    QTest::newRow("no mode selected") << InterfaceUnknown << QList<QByteArray>{gga, lla}
                                      << QStringList{};
}

void TestReceiveRoad::road()
{
    QFETCH(InterfaceMode, mode);
    QFETCH(QList<QByteArray>, chunks);
    QFETCH(QStringList, expected);

    Road road(mode);
    road.feed(chunks);
    QCOMPARE(road.probe.events, expected);
}

void TestReceiveRoad::gsvFullLinesBeforeRecords()
{
    // Nine GPS satellites make three records: all three log lines come first.
    Road road(InterfaceBinary);
    road.feed({binaryFrame(1, 23, gsvFullPayload(9))});
    QCOMPARE(road.probe.events,
             (QStringList{"dataParsed 1", "dataParsed 1", "dataParsed 1", "setUsedSatellites 1 4",
                          "setSatellites 1 9"}));
}

void TestReceiveRoad::modeSwitchDropsHalfData()
{
    const InterfaceMode binary = InterfaceBinary;
    const QByteArray lla = binaryFrame(1, 19, rposLlaPayload(-33.5, 151.2, 10, 1));

    Road road(binary);
    road.feed({lla.left(10)});
    road.proxy.setInterfaceMode(InterfaceNmea);
    road.proxy.setInterfaceMode(binary);
    road.feed({lla.mid(10)});
    QCOMPARE(road.probe.events, QStringList{});
    road.feed({lla});
    QCOMPARE(road.probe.events, (QStringList{"dataParsed 1", llaPosition, "setPosSts 1"}));

    // Selecting NMEA again empties the half line; its tail alone is one bad line.
    road.probe.events.clear();
    road.proxy.setInterfaceMode(InterfaceNmea);
    road.feed({gga.left(30)});
    road.proxy.setInterfaceMode(InterfaceNmea);
    road.feed({gga.mid(30), gga});
    QCOMPARE(road.probe.events, (QStringList{"dataParsed 2", "dataParsed 2", ggaPosition}));
}

void TestReceiveRoad::randomBytesThenValidData_data()
{
    QTest::addColumn<InterfaceMode>("mode");
    QTest::newRow("nmea") << InterfaceNmea;
    QTest::newRow("binary") << InterfaceBinary;
}

void TestReceiveRoad::randomBytesThenValidData()
{
    QFETCH(InterfaceMode, mode);

    Road road(mode);
    road.probe.logLines = false;

    const int megabytes = 50;
    const int blockSize = 1 << 20;
    const int chunkSize = 4096; // what a serial port read typically hands over
    QByteArray block(blockSize, Qt::Uninitialized);
    RandomBytes random;

    const qint64 residentBefore = residentBytes();
    for (int mb = 0; mb < megabytes; ++mb) {
        random.fill(block);
        for (int offset = 0; offset < blockSize; offset += chunkSize)
            road.proxy.parse(QByteArray::fromRawData(block.constData() + offset, chunkSize));
    }
    const qint64 residentAfter = residentBytes();

#if !defined(__SANITIZE_ADDRESS__)
    // Nothing fed by the stream is kept beyond the parsers' small bounds. (Under the address
    // sanitizer freed memory sits in quarantine, so the figure says nothing there.)
    if (residentBefore > 0 && residentAfter > 0)
        QVERIFY2(residentAfter - residentBefore < 16 * 1024 * 1024,
                 qPrintable(QStringLiteral("resident memory grew by %1 bytes")
                                .arg(residentAfter - residentBefore)));
#else
    Q_UNUSED(residentBefore)
    Q_UNUSED(residentAfter)
#endif

    // Whatever the garbage left half-read is bounded: a line end closes a half line, and a
    // half frame swallows at most its 1024-byte payload and checksum.
    road.probe.events.clear();
    road.probe.logLines = true;
    if (mode == InterfaceNmea) {
        road.feed({QByteArray("\r\n"), gga, gga});
        const QStringList handled = road.probe.events.filter(QStringLiteral("setCoordinate"));
        QCOMPARE(handled, (QStringList{ggaPosition, ggaPosition}));
    } else {
        // A text frame holding a bare line end closes any half line of text as well.
        road.feed({QByteArray(1100, '\0'), binaryFrame(1, 1, "\r\n"),
                   binaryFrame(1, 19, rposLlaPayload(-33.5, 151.2, 10, 1)), binaryFrame(1, 2, gga)});
        const QStringList handled = road.probe.events.filter(QStringLiteral("set"));
        QCOMPARE(handled, (QStringList{llaPosition, "setPosSts 1", ggaPosition}));
    }
}

QTEST_GUILESS_MAIN(TestReceiveRoad)
#include "tst_receiveroad.moc"
