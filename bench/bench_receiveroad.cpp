// links: receiver Qt5::Core
//
// The whole receive road: received chunks into ParserProxy, the parser of the mode, and
// the SentenceHandler turning every record into display signals. Realistic NMEA and
// binary streams (and a binary one whose used satellites change every epoch, the worst
// case), and random bytes in both modes (which must go through as fast, with
// flat memory).

#include <benchmark/benchmark.h>

#include <QByteArray>
#include <QFile>

#include "binarystreamgen.h"
#include "nmeastreamgen.h"
#include "parserproxy.h"
#include "sentencehandler.h"

namespace {

const int chunkSize = 4096; // a typical serial or socket read
const int streamBytes = 8 << 20;

qint64 residentBytes()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toLongLong() * 4096 : 0;
}

struct Stream
{
    QByteArray bytes;
    qint64 messages = 0;
};

const Stream &nmeaStream()
{
    static const Stream stream = [] {
        Stream s;
        s.bytes = nmeastreamgen::Generator().stream(streamBytes);
        s.messages = nmeastreamgen::lineCount(s.bytes);
        return s;
    }();
    return stream;
}

Stream makeBinaryStream(binarystreamgen::Generator::UsedSets usedSets)
{
    Stream s;
    binarystreamgen::Generator generator(20151231, usedSets);
    while (s.bytes.size() < streamBytes) {
        for (const binarystreamgen::Message &message : generator.epoch()) {
            s.bytes += binarystreamgen::messageFrame(message);
            ++s.messages;
        }
    }
    return s;
}

// Used satellites that stay put for many epochs, as a receiver in the field sends them.
const Stream &binaryStream()
{
    static const Stream stream = makeBinaryStream(binarystreamgen::Generator::UsedSets::Steady);
    return stream;
}

// A new random set of used satellites every epoch: the most the handler can be made to do.
const Stream &binaryNewUsedSetsStream()
{
    static const Stream stream = makeBinaryStream(binarystreamgen::Generator::UsedSets::NewEveryEpoch);
    return stream;
}

const Stream &randomStream()
{
    static const Stream stream = [] {
        Stream s;
        s.bytes.resize(streamBytes);
        quint64 state = 0x9E3779B97F4A7C15ull;
        auto *words = reinterpret_cast<quint64 *>(s.bytes.data());
        for (int i = 0; i < streamBytes / 8; ++i) {
            state ^= state >> 12;
            state ^= state << 25;
            state ^= state >> 27;
            words[i] = state * 0x2545F4914F6CDD1Dull;
        }
        return s;
    }();
    return stream;
}

void runRoad(benchmark::State &state, const Stream &stream, InterfaceMode mode,
             bool withHandler = true)
{
    ParserProxy proxy(nullptr);
    SentenceHandler handler(nullptr);
    if (withHandler)
        handler.setParser(&proxy);
    proxy.setInterfaceMode(mode);

    const qint64 residentBefore = residentBytes();
    for (auto _ : state) {
        for (int offset = 0; offset < stream.bytes.size(); offset += chunkSize) {
            const int size = qMin(chunkSize, stream.bytes.size() - offset);
            proxy.parse(QByteArray::fromRawData(stream.bytes.constData() + offset, size));
        }
    }
    const qint64 residentAfter = residentBytes();

    state.SetBytesProcessed(int64_t(state.iterations()) * stream.bytes.size());
    if (stream.messages > 0) {
        state.counters["messages"] = benchmark::Counter(double(state.iterations()) * double(stream.messages),
                                                        benchmark::Counter::kIsRate);
    }
    state.counters["rss_growth_MB"] = double(residentAfter - residentBefore) / (1024.0 * 1024.0);
}

void BM_RoadNmea(benchmark::State &state)
{
    runRoad(state, nmeaStream(), InterfaceNmea);
}

void BM_RoadBinary(benchmark::State &state)
{
    runRoad(state, binaryStream(), InterfaceBinary);
}

void BM_RoadBinaryWorstCaseNewUsedSetsEveryEpoch(benchmark::State &state)
{
    runRoad(state, binaryNewUsedSetsStream(), InterfaceBinary);
}

void BM_RoadRandomInNmeaMode(benchmark::State &state)
{
    runRoad(state, randomStream(), InterfaceNmea);
}

void BM_RoadRandomInBinaryMode(benchmark::State &state)
{
    runRoad(state, randomStream(), InterfaceBinary);
}

// The same streams without the handler, to see what the handler itself adds.
void BM_ParsersAloneNmea(benchmark::State &state)
{
    runRoad(state, nmeaStream(), InterfaceNmea, false);
}

void BM_ParsersAloneBinary(benchmark::State &state)
{
    runRoad(state, binaryStream(), InterfaceBinary, false);
}

} // namespace

BENCHMARK(BM_RoadNmea)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RoadBinary)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RoadBinaryWorstCaseNewUsedSetsEveryEpoch)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RoadRandomInNmeaMode)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RoadRandomInBinaryMode)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ParsersAloneNmea)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ParsersAloneBinary)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
