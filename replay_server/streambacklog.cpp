#include "streambacklog.h"

#include <algorithm>

void StreamBacklog::append(const char *data, qint64 size)
{
    if (size <= 0)
        return;
    if (!chunks.empty()) {
        QByteArray &last = chunks.back().bytes;
        if (last.size() + size <= chunkSize) {
            last.append(data, int(size));
            streamEnd += size;
            return;
        }
    }
    Chunk chunk{streamEnd, QByteArray()};
    if (size < chunkSize) {
        chunk.bytes.reserve(chunkSize);
        chunk.bytes.append(data, int(size));
    } else {
        chunk.bytes = QByteArray(data, int(size));
    }
    chunks.push_back(std::move(chunk));
    streamEnd += size;
}

const char *StreamBacklog::bytesAt(qint64 place, qint64 maxSize, qint64 *size) const
{
    *size = 0;
    if (place < start() || place >= streamEnd || maxSize <= 0)
        return nullptr;
    // Readers are mostly at the newest bytes: look at the last chunk first.
    auto chunk = std::prev(chunks.end());
    if (place < chunk->start) {
        chunk = std::upper_bound(chunks.begin(), chunks.end(), place,
                                 [](qint64 p, const Chunk &c) { return p < c.start; });
        --chunk;
    }
    const qint64 offset = place - chunk->start;
    *size = qMin<qint64>(chunk->bytes.size() - offset, maxSize);
    return chunk->bytes.constData() + offset;
}

void StreamBacklog::releaseBefore(qint64 place)
{
    while (!chunks.empty() && chunks.front().start + chunks.front().bytes.size() <= place)
        chunks.pop_front();
}

void StreamBacklog::clear()
{
    chunks.clear();
}
