// A noisy link (a loose connector, a wrong baud for a moment) must cost only the
// damaged sentences and frames themselves: every intact one next to a damaged one is
// still found, and nothing damaged comes out as a valid value.

#include <QObject>
#include <QRandomGenerator>
#include <QSet>
#include <QtTest>

#include "binarypayloads.h"
#include "connectguard.h"
#include "framebuilders.h"
#include "nmeaparser.h"
#include "zrbbinaryparser.h"

namespace {

// One unit of the stream (a sentence or a frame) and whether it survived the noise.
struct Unit {
    QByteArray bytes;
    int sequence = 0;
    bool intact = true;
};

// Each unit carries its sequence number in a value the records show, so the test can
// tell which came out and check that what came out is what was sent.
QByteArray ggaFor(int sequence)
{
    // Seconds of the day as hhmmss.s; latitude and longitude derived from the sequence.
    const int tenths = sequence % 864000;
    const int seconds = tenths / 10;
    const QByteArray time = QByteArray::number(seconds / 3600 * 10000 + seconds / 60 % 60 * 100 + seconds % 60)
                                .rightJustified(6, '0')
        + '.' + QByteArray::number(tenths % 10);
    return nmeaLine("GPGGA," + time + ",48" + QByteArray::number(sequence % 60).rightJustified(2, '0') + ".038,N,01131."
                    + QByteArray::number(sequence % 1000).rightJustified(3, '0')
                    + ",E,1,08,0.9,545.4,M,46.9,M,,");
}

double ggaTime(int sequence)
{
    const int tenths = sequence % 864000;
    const int seconds = tenths / 10;
    return (seconds / 3600 * 10000 + seconds / 60 % 60 * 100 + seconds % 60) + (tenths % 10) / 10.0;
}

QByteArray frameFor(int sequence)
{
    return binaryFrame(1, 17, ecefPayload(quint32(sequence), 2850000.0 + sequence, 2200000.5, 5250000.0, 4));
}

// Damages units at random until about `rate` of the stream's bytes are hit: a damaged
// unit has one byte replaced by another, anywhere in it (a sync byte, a length, a line
// feed, a checksum digit). The intact units between them must all come out.
QByteArray corrupt(QVector<Unit> &units, double rate, quint32 seed)
{
    QRandomGenerator random(seed);
    qint64 total = 0;
    for (const Unit &unit : units)
        total += unit.bytes.size();
    const double perUnit = rate * double(total) / double(units.size());
    QByteArray stream;
    stream.reserve(int(total));
    for (Unit &unit : units) {
        QByteArray bytes = unit.bytes;
        if (random.generateDouble() < perUnit) {
            const int at = int(random.bounded(bytes.size()));
            char replacement = char(random.bounded(256));
            // The frame checksum sums modulo 255, so 00 and FF are the same byte to it: a
            // swap between them is damage no receiver of this protocol can see.
            const quint8 old = quint8(bytes[at]);
            if (quint8(replacement) == old || (old == 0x00 && quint8(replacement) == 0xFF)
                || (old == 0xFF && quint8(replacement) == 0x00))
                replacement = char(old ^ 0x01);
            bytes[at] = replacement;
            unit.intact = false;
        }
        stream += bytes;
    }
    return stream;
}

template <typename Parser>
void feedInChunks(Parser &parser, const QByteArray &stream)
{
    const int chunk = 4096;
    for (int at = 0; at < stream.size(); at += chunk)
        parser.parse(stream.mid(at, chunk));
}

class GgaRecorder : public QObject
{
    Q_OBJECT
public:
    QVector<GGA> ggas;
public slots:
    void take(GGA sentence) { ggas.append(sentence); }
};

class EcefRecorder : public QObject
{
    Q_OBJECT
public:
    QVector<RPOS_ECEF> records;
public slots:
    void take(RPOS_ECEF record) { records.append(record); }
};

// How many of the units that went out whole never came out; intact gets how many went
// out whole.
int intactLost(const QVector<Unit> &units, const QSet<int> &seen, int *intact)
{
    *intact = 0;
    int lost = 0;
    for (const Unit &unit : units) {
        if (!unit.intact)
            continue;
        ++*intact;
        if (!seen.contains(unit.sequence))
            ++lost;
    }
    return lost;
}

} // namespace

class TestNoisyStream : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { installConnectGuard(); }
    void nmeaKeepsEveryIntactSentence();
    void binaryKeepsEveryIntactFrame();
    void neighbours_data();
    void neighbours();
    void corruptionThatMatchesTheChecksum_data();
    void corruptionThatMatchesTheChecksum();
};

void TestNoisyStream::nmeaKeepsEveryIntactSentence()
{
    QVector<Unit> units;
    const int count = 20000;
    for (int i = 0; i < count; ++i)
        units.append(Unit{ggaFor(i), i, true});
    const QByteArray stream = corrupt(units, 0.01, 20261209);

    NMEAParser parser(nullptr);
    GgaRecorder recorder;
    connect(&parser, SIGNAL(sentenceIsReceived(GGA)), &recorder, SLOT(take(GGA)));
    feedInChunks(parser, stream);

    QHash<double, int> byTime;
    for (const Unit &unit : units)
        byTime.insert(ggaTime(unit.sequence), unit.sequence);
    QSet<int> seen;
    for (const GGA &gga : recorder.ggas) {
        if (!gga.latitude.isValid())
            continue;
        // Whatever came out valid is exactly what was sent for that time.
        QVERIFY2(byTime.contains(gga.time.value), qPrintable(QString::number(gga.time.value)));
        const int sequence = byTime.value(gga.time.value);
        QCOMPARE(gga.latitude.value, 4800.038 + (sequence % 60));
        QCOMPARE(gga.longitude.value, 1131.0 + (sequence % 1000) / 1000.0);
        seen.insert(sequence);
    }
    int intact = 0;
    const int lost = intactLost(units, seen, &intact);
    qInfo("NMEA: %d sentences, %d intact, %d intact lost, %d valid out", count, intact, lost,
          int(recorder.ggas.size()));
    QVERIFY(intact > count / 4);
    QCOMPARE(lost, 0);
}

void TestNoisyStream::binaryKeepsEveryIntactFrame()
{
    QVector<Unit> units;
    const int count = 20000;
    for (int i = 0; i < count; ++i)
        units.append(Unit{frameFor(i), i, true});
    const QByteArray stream = corrupt(units, 0.01, 1209);

    ZRBBinaryParser parser(nullptr);
    EcefRecorder recorder;
    connect(&parser, SIGNAL(sentenceIsReceived(RPOS_ECEF)), &recorder, SLOT(take(RPOS_ECEF)));
    feedInChunks(parser, stream);

    QSet<int> seen;
    for (const RPOS_ECEF &record : recorder.records) {
        QVERIFY2(record.tag < quint32(count), qPrintable(QString("tag %1 x %2").arg(record.tag).arg(record.position.x, 0, 'f', 3)));
        QCOMPARE(record.position.x, 2850000.0 + record.tag);
        seen.insert(int(record.tag));
    }
    int intact = 0;
    const int lost = intactLost(units, seen, &intact);
    qInfo("Binary: %d frames, %d intact, %d intact lost, %d out", count, intact, lost,
          int(recorder.records.size()));
    QVERIFY(intact > count / 4);
    QCOMPARE(lost, 0);
}

void TestNoisyStream::neighbours_data()
{
    QTest::addColumn<QByteArray>("stream");
    QTest::addColumn<QList<int>>("expected");

    QByteArray fiveGood;
    for (int i = 1; i <= 5; ++i)
        fiveGood += frameFor(i);
    QByteArray longLength = frameFor(0);
    QCOMPARE(quint8(longLength[4]), quint8(29));
    longLength[4] = char(200); // a damaged length byte claims the frames behind it
    QTest::newRow("length 200 for 29 keeps the five frames behind") << longLength + fiveGood
                                                                    << QList<int>{1, 2, 3, 4, 5};
    QTest::newRow("stray 21 before the sync pair") << QByteArray(1, '\x21') + frameFor(7) << QList<int>{7};
    QByteArray badChecksum = frameFor(8);
    badChecksum[badChecksum.size() - 1] = char(badChecksum.at(badChecksum.size() - 1) ^ 0x55);
    QTest::newRow("bad checksum, frame inside its bytes") << badChecksum.left(10) + frameFor(9) + badChecksum.mid(10)
                                                          << QList<int>{9};
}

void TestNoisyStream::neighbours()
{
    QFETCH(QByteArray, stream);
    QFETCH(QList<int>, expected);

    // Whole, and byte by byte (the frame then never lies whole in one chunk).
    for (const int chunk : {stream.size(), 1}) {
        ZRBBinaryParser parser(nullptr);
        EcefRecorder recorder;
        connect(&parser, SIGNAL(sentenceIsReceived(RPOS_ECEF)), &recorder, SLOT(take(RPOS_ECEF)));
        for (int at = 0; at < stream.size(); at += chunk)
            parser.parse(stream.mid(at, chunk));
        QList<int> got;
        for (const RPOS_ECEF &record : recorder.records)
            got.append(int(record.tag));
        QCOMPARE(got, expected);
    }
}

void TestNoisyStream::corruptionThatMatchesTheChecksum_data()
{
    QTest::addColumn<QByteArray>("stream");
    QTest::addColumn<int>("validPositions");

    const QByteArray gga = nmeaLine("GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,");
    const QByteArray rmc = nmeaLine("GPRMC,123519,A,4807.038,N,01131.000,E,022.4,084.4,230394,003.1,W,A");
    QTest::newRow("lost line feed keeps the next sentence") << gga.left(gga.size() - 1) + rmc + gga << 2;

    // Two commas replaced by high bytes, the checksum digits as a receiver that took
    // the bytes for Latin-1 text nobody sees would have written them.
    QByteArray shifted = "GPGGA,123519,4807.038,N,01131.000\xe1" "E,1,08,0.9\xfe" "545.4,M,46.9,M,,";
    quint8 sum = 0;
    for (const char c : shifted)
        sum ^= quint8(c) < 0x80 ? quint8(c) : 0;
    QTest::newRow("high bytes in place of commas")
        << '$' + shifted + '*' + QByteArray::number(sum, 16).toUpper().rightJustified(2, '0') + "\r\n" << 0;

    QTest::newRow("junk digits whose XOR cancels")
        << nmeaLine("GPGGA,|19322|1.00,|2037.|72792,N,08704.|6667,W,1,08,1.0,100.0,M,,M,,") << 0;
}

void TestNoisyStream::corruptionThatMatchesTheChecksum()
{
    QFETCH(QByteArray, stream);
    QFETCH(int, validPositions);

    NMEAParser parser(nullptr);
    GgaRecorder ggas;
    int rmcs = 0;
    connect(&parser, SIGNAL(sentenceIsReceived(GGA)), &ggas, SLOT(take(GGA)));
    connect(&parser, QOverload<RMC>::of(&NMEAParser::sentenceIsReceived), [&rmcs](RMC) { ++rmcs; });
    parser.parse(stream);
    int valid = 0;
    for (const GGA &gga : ggas.ggas)
        valid += gga.latitude.isValid() && gga.longitude.isValid() && gga.altitude.isValid();
    QCOMPARE(valid, validPositions);
    if (QTest::currentDataTag() == QByteArray("lost line feed keeps the next sentence"))
        QCOMPARE(rmcs, 1);
}

QTEST_GUILESS_MAIN(TestNoisyStream)
#include "tst_noisystream.moc"
