// links: receiver Qt5::Core
//
// How fast the binary navigation records are decoded from their payloads, and how fast
// their message-log lines are written, over a generated stream of the twelve messages.

#include <benchmark/benchmark.h>

#include <QVector>

#include "binarystreamgen.h"
#include "binaryrecords.h"

namespace {

const QVector<binarystreamgen::Message> &stream()
{
    // About 4 MB of payloads: every epoch's twelve messages, many times over.
    static const QVector<binarystreamgen::Message> messages =
        binarystreamgen::Generator().messages(4 * 1024 * 1024);
    return messages;
}

template <typename Record>
void decode(const QByteArray &payload, bool withLine)
{
    const Record record(payload);
    benchmark::DoNotOptimize(&record);
    if (withLine) {
        const QString line = record.toString();
        benchmark::DoNotOptimize(line.constData());
    }
}

void decodeMessage(const binarystreamgen::Message &m, bool withLine)
{
    switch (m.id) {
    case NavMsg_RTIME_RDATE: decode<RTIME_RDATE>(m.payload, withLine); break;
    case NavMsg_RPOS_ECEF: decode<RPOS_ECEF>(m.payload, withLine); break;
    case NavMsg_RVEL_ECEF: decode<RVEL_ECEF>(m.payload, withLine); break;
    case NavMsg_RPOS_LLA: decode<RPOS_LLA>(m.payload, withLine); break;
    case NavMsg_RVEL_ENU: decode<RVEL_ENU>(m.payload, withLine); break;
    case NavMsg_RSOL_ATR: decode<RSOL_ATR>(m.payload, withLine); break;
    case NavMsg_BPOS_ECEF: decode<BPOS_ECEF>(m.payload, withLine); break;
    case NavMsg_RSOL_FULL: decode<RSOL_FULL>(m.payload, withLine); break;
    case NavMsg_RSOL_iFULL: decode<RSOL_iFULL>(m.payload, withLine); break;
    case NavMsg_YPR_DEG: decode<YPR_DEG>(m.payload, withLine); break;
    case NavMsg_HVECT: decode<HVECT>(m.payload, withLine); break;
    case NavMsg_GSV_FULL: {
        const GsvFullMessage message(m.payload);
        const QVector<GSV_FULL> records = message.records();
        benchmark::DoNotOptimize(records.constData());
        if (withLine) {
            const QStringList lines = message.toStringList();
            benchmark::DoNotOptimize(lines.size());
        }
        break;
    }
    default:
        break;
    }
}

void run(benchmark::State &state, bool withLine)
{
    const QVector<binarystreamgen::Message> &messages = stream();
    qint64 bytes = 0;
    for (const binarystreamgen::Message &m : messages)
        bytes += m.payload.size();

    for (auto _ : state) {
        for (const binarystreamgen::Message &m : messages)
            decodeMessage(m, withLine);
    }
    state.SetBytesProcessed(state.iterations() * bytes);
    state.counters["messages/s"] = benchmark::Counter(double(state.iterations()) * messages.size(),
                                                      benchmark::Counter::kIsRate);
}

void BM_DecodeBinaryRecords(benchmark::State &state)
{
    run(state, false);
}

void BM_DecodeBinaryRecordsWithLogLines(benchmark::State &state)
{
    run(state, true);
}

} // namespace

BENCHMARK(BM_DecodeBinaryRecords)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DecodeBinaryRecordsWithLogLines)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
