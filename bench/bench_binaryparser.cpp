// links: receiver Qt5::Core
#include <benchmark/benchmark.h>

#include <QByteArray>
#include <QRandomGenerator>

#include "binaryframe.h"
#include "parserproxy.h"
#include "zrbbinaryparser.h"

#include "../tests/support/framebuilders.h"

namespace {

// One second of a busy receiver in the binary protocol: position, velocity, time,
// the satellites of four systems, and a few NMEA lines wrapped in frames.
QByteArray binaryStream(int seconds)
{
    QByteArray ecef(29, '\0');
    ecef[28] = 1;
    QByteArray second;
    second += binaryFrame(1, 16, QByteArray(17, '\x01'));
    second += binaryFrame(1, 17, ecef);
    second += binaryFrame(1, 18, ecef);
    second += binaryFrame(1, 19, QByteArray(48, '\x02'));
    second += binaryFrame(1, 21, QByteArray(64, '\x03'));
    QByteArray satellites;
    for (int system = 0; system < 4; ++system)
        for (int n = 1; n <= 10; ++n)
            satellites += QByteArray::fromRawData("", 0) + char(system) + char(n)
                + char(n * 30) + char(0) + char(45) + char(40) + char(35) + char(1);
    second += binaryFrame(1, 23, satellites);
    second += binaryFrame(1, 2, nmeaLine("GPGGA,123519.00,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,"));
    second += binaryFrame(1, 7, nmeaLine("GPRMC,123519.00,A,4807.038,N,01131.000,E,022.4,084.4,230394,003.1,W,A"));
    second += binaryFrame(0, 1, QByteArray());
    QByteArray stream;
    for (int i = 0; i < seconds; ++i)
        stream += second;
    return stream;
}

QByteArray randomBytes(int size)
{
    QRandomGenerator random(99);
    QByteArray bytes(size, Qt::Uninitialized);
    for (int i = 0; i < size; ++i)
        bytes[i] = char(random.bounded(256));
    return bytes;
}

void feed(benchmark::State &state, InterfaceMode mode, const QByteArray &stream)
{
    ParserProxy proxy(nullptr);
    proxy.setInterfaceMode(mode);
    qint64 chunks = 0;
    for (auto _ : state) {
        // Serial and TCP deliver a few hundred bytes per read.
        for (int at = 0; at < stream.size(); at += 512) {
            proxy.parse(stream.mid(at, 512));
            ++chunks;
        }
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * stream.size());
    state.counters["chunks/s"] = benchmark::Counter(double(chunks), benchmark::Counter::kIsRate);
}

} // namespace

// The frame reader behind the parser switch, on the receiver's binary output.
static void BM_binaryFrames(benchmark::State &state)
{
    const QByteArray stream = binaryStream(100);
    feed(state, InterfaceBinary, stream);
}
BENCHMARK(BM_binaryFrames);

// The frame machine and checksum alone: status frames are only cut, checked and
// passed on, with no record to decode or format.
static void BM_statusFrames(benchmark::State &state)
{
    QByteArray stream;
    for (int i = 0; i < 200; ++i)
        stream += binaryFrame(0, 2, QByteArray(int(state.range(0)), char(i)));
    feed(state, InterfaceBinary, stream);
}
BENCHMARK(BM_statusFrames)->Arg(16)->Arg(256)->Arg(1024);

// Garbage must not slow the reader down or make it hold memory.
static void BM_binaryRandom(benchmark::State &state)
{
    feed(state, InterfaceBinary, randomBytes(1 << 20));
}
BENCHMARK(BM_binaryRandom);

static void BM_nmeaRandom(benchmark::State &state)
{
    feed(state, InterfaceNmea, randomBytes(1 << 20));
}
BENCHMARK(BM_nmeaRandom);
BENCHMARK_MAIN();
