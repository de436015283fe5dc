// links: receiver Qt5::Core
#include <benchmark/benchmark.h>

#include <QByteArray>

#include "binaryframe.h"
#include "geocoordinate.h"

// The frame checksum runs over every received frame and every command sent.
static void BM_calcChecksum(benchmark::State &state)
{
    QByteArray body(static_cast<int>(state.range(0)), Qt::Uninitialized);
    for (int i = 0; i < body.size(); ++i)
        body[i] = char(i * 31 + 7);
    for (auto _ : state)
        benchmark::DoNotOptimize(calcChecksum(body));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * body.size());
    state.counters["frames/s"] = benchmark::Counter(static_cast<double>(state.iterations()),
                                                    benchmark::Counter::kIsRate);
}
BENCHMARK(BM_calcChecksum)->Arg(4)->Arg(64)->Arg(1024);

// The plot, track and base-line windows take one ENU offset per position received.
static void BM_difference(benchmark::State &state)
{
    const GeoCoordinate reference(48.1173, 0, 11.516667, 3, 545.0);
    GeoCoordinate position(48.1174, 0, 11.516767, 3, 547.5);
    for (auto _ : state) {
        EnuOffset d = position.difference(reference);
        benchmark::DoNotOptimize(d);
    }
    state.counters["positions/s"] = benchmark::Counter(static_cast<double>(state.iterations()),
                                                       benchmark::Counter::kIsRate);
}
BENCHMARK(BM_difference);

BENCHMARK_MAIN();
