// links: protocol receiver Qt5::Core
//
// How fast the command engine frames requests and turns replies into signals: one
// full request cycle is queue, frame, write, status frame, decode, next request.

#include <benchmark/benchmark.h>

#include <QByteArray>
#include <QCoreApplication>

#include "binaryconfigurator.h"
#include "iparser.h"
#include "ireader.h"

namespace {

// A link that only counts what it is given.
class CountingReader : public iReader
{
    Q_OBJECT
public:
    CountingReader() : iReader(nullptr) {}
    bool isOpen() const override { return true; }
    void clear() override {}
    void start() override {}
    void stop() override {}
    void sendData(const QByteArray &data) override { bytes += data.size(); }
    qint64 bytes = 0;
};

class StatusFeed : public iParser
{
    Q_OBJECT
public:
    StatusFeed() : iParser(nullptr) {}
    void parse(const QByteArray &) override {}
    void deliver(BmtStatus status, const QByteArray &payload) { emit bmtStatusReceived(status, payload); }
signals:
    void bmtStatusReceived(BmtStatus status, QByteArray data);
};

} // namespace

static void BM_buildFrame(benchmark::State &state)
{
    const QByteArray payload(static_cast<int>(state.range(0)), 'p');
    for (auto _ : state) {
        const QByteArray frame = BinaryConfigurator::buildFrame(payload, MsgFirmware, 0x82);
        benchmark::DoNotOptimize(frame.constData());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * (payload.size() + 8));
    state.counters["frames/s"] = benchmark::Counter(static_cast<double>(state.iterations()),
                                                    benchmark::Counter::kIsRate);
}
BENCHMARK(BM_buildFrame)->Arg(0)->Arg(32)->Arg(1026);

// A getter answered with data: the data-set reply becomes a 21-entry flag vector.
static void BM_getterCycle(benchmark::State &state)
{
    CountingReader reader;
    StatusFeed feed;
    BinaryConfigurator engine(&reader, &feed, nullptr);
    int replies = 0;
    QObject::connect(&engine, &BinaryConfigurator::dataSetChanged, [&replies](QVector<bool>) { ++replies; });
    const QByteArray reply = QByteArray::fromHex("02000030");
    for (auto _ : state) {
        engine.requestDataSet();
        feed.deliver(BmtData, reply);
    }
    state.SetBytesProcessed(reader.bytes);
    state.counters["requests/s"] = benchmark::Counter(static_cast<double>(replies), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_getterCycle);

// A firmware page write acknowledged: the longest frame the engine sends.
static void BM_pageWriteCycle(benchmark::State &state)
{
    CountingReader reader;
    StatusFeed feed;
    BinaryConfigurator engine(&reader, &feed, nullptr);
    const QByteArray page(1024, 'f');
    quint16 index = 0;
    for (auto _ : state) {
        engine.writePage(index++, page);
        feed.deliver(BmtDone, QByteArray());
    }
    state.SetBytesProcessed(reader.bytes);
    state.counters["requests/s"] = benchmark::Counter(static_cast<double>(state.iterations()),
                                                      benchmark::Counter::kIsRate);
}
BENCHMARK(BM_pageWriteCycle);

int main(int argc, char **argv)
{
    // The engine's time-out timer needs an application object.
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}

#include "bench_commandengine.moc"
