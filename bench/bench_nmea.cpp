// links: receiver Qt5::Core
//
// How fast the NMEA parser turns a receiver's text output into records: a generated
// multi-constellation stream, fed in 4 KB chunks as a serial port or socket would
// deliver it, with a listener on every signal the parser emits.

#include <benchmark/benchmark.h>

#include <QByteArray>
#include <QObject>

#include "nmeaparser.h"
#include "nmeastreamgen.h"

// Takes every signal by text signature, as the parser proxy's listeners do.
class RecordSink : public QObject
{
    Q_OBJECT
public:
    explicit RecordSink(NMEAParser *parser)
    {
        connect(parser, SIGNAL(dataParsed(QByteArray, InterfaceMode)), this, SLOT(line(QByteArray, InterfaceMode)));
        connect(parser, SIGNAL(sentenceIsReceived(GGA)), this, SLOT(gga(GGA)));
        connect(parser, SIGNAL(sentenceIsReceived(GSA)), this, SLOT(gsa(GSA)));
        connect(parser, SIGNAL(sentenceIsReceived(GST)), this, SLOT(gst(GST)));
        connect(parser, SIGNAL(sentenceIsReceived(GSV)), this, SLOT(gsv(GSV)));
        connect(parser, SIGNAL(sentenceIsReceived(RMC)), this, SLOT(rmc(RMC)));
        connect(parser, SIGNAL(sentenceIsReceived(VTG)), this, SLOT(vtg(VTG)));
        connect(parser, SIGNAL(sentenceIsReceived(ZDA)), this, SLOT(zda(ZDA)));
        connect(parser, SIGNAL(sentenceIsReceived(HDG)), this, SLOT(hdg(HDG)));
    }

    qint64 lines = 0;
    qint64 records = 0;
    double checksum = 0; // keeps the records' values alive

public slots:
    void line(QByteArray data, InterfaceMode) { lines += data.isEmpty() ? 0 : 1; }
    void gga(GGA r) { take(r.latitude.value + r.altitude.value); }
    void gsa(GSA r) { take(r.pdop.value + r.prn[0].value); }
    void gst(GST r) { take(r.rmsDeviation.value); }
    void gsv(GSV r) { take(r.snr[0].value + r.azimuth[3].value); }
    void rmc(RMC r) { take(r.speedKmh.value + r.time.seconds); }
    void vtg(VTG r) { take(r.courseTrue.value); }
    void zda(ZDA r) { take(r.date.year + r.time.hours); }
    void hdg(HDG r) { take(r.yaw.value); }

private:
    void take(double v)
    {
        ++records;
        checksum += v;
    }
};

static const QByteArray &stream()
{
    // About 8 MB: several thousand epochs of mixed sentences.
    static const QByteArray bytes = nmeastreamgen::Generator().stream(8 * 1024 * 1024);
    return bytes;
}

static void BM_NMEAParserStream(benchmark::State &state)
{
    const QByteArray &bytes = stream();
    const int chunk = int(state.range(0));
    const int lines = nmeastreamgen::lineCount(bytes);
    NMEAParser parser(nullptr);
    RecordSink sink(&parser);
    for (auto _ : state) {
        for (int at = 0; at < bytes.size(); at += chunk)
            parser.parse(QByteArray::fromRawData(bytes.constData() + at, qMin(chunk, bytes.size() - at)));
    }
    if (sink.records == 0 || sink.lines != qint64(state.iterations()) * lines)
        state.SkipWithError("the parser lost sentences");
    benchmark::DoNotOptimize(sink.checksum);
    state.SetBytesProcessed(qint64(state.iterations()) * bytes.size());
    state.counters["messages/s"] =
        benchmark::Counter(double(state.iterations()) * lines, benchmark::Counter::kIsRate);
    state.counters["records"] = double(sink.records) / double(state.iterations());
    state.counters["lines"] = double(lines);
}
BENCHMARK(BM_NMEAParserStream)->Arg(4096)->Unit(benchmark::kMillisecond);

// One line through the public sentence road the binary frame reader uses.
static void BM_NMEAParserHandlers(benchmark::State &state)
{
    NMEAParser parser(nullptr);
    const QString gga = QString::fromLatin1(
        nmeastreamgen::sentence("GNGGA,101530.00,5545.00000,N,03737.20000,E,4,28,0.8,152.123,M,14.2,M,1.0,0042"));
    const QString gsv = QString::fromLatin1(
        nmeastreamgen::sentence("GPGSV,3,1,11,01,45,120,44,03,12,300,38,07,63,045,47,09,22,210,40"));
    for (auto _ : state) {
        if (parser.checkSum(gga)) {
            const GGA r = parser.parseGGA(gga);
            benchmark::DoNotOptimize(r.latitude.value);
        }
        if (parser.checkSum(gsv)) {
            const GSV r = parser.parseGSV(gsv);
            benchmark::DoNotOptimize(r.snr[3].value);
        }
    }
    state.SetBytesProcessed(qint64(state.iterations()) * (gga.size() + gsv.size()));
    state.counters["messages/s"] = benchmark::Counter(double(state.iterations()) * 2, benchmark::Counter::kIsRate);
}
BENCHMARK(BM_NMEAParserHandlers);

BENCHMARK_MAIN();

#include "bench_nmea.moc"
