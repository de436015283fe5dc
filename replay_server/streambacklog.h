#pragma once

#include <QByteArray>
#include <QtGlobal>

#include <deque>

// The played bytes that some client has not taken yet, held once for all clients. Each
// client keeps only its place in the stream, counted from the first byte ever played,
// so a hundred clients behind by the same lines hold those lines once, not a hundred
// times. Bytes every client has passed are released.
class StreamBacklog
{
public:
    void append(const char *data, qint64 size);
    // The place after the last byte played.
    qint64 end() const { return streamEnd; }
    // The place of the first byte still held.
    qint64 start() const { return chunks.empty() ? streamEnd : chunks.front().start; }
    qint64 heldBytes() const { return streamEnd - start(); }
    // The bytes held from `place` on, as one run of at most maxSize bytes; null when
    // there are none. Valid until the next append or release.
    const char *bytesAt(qint64 place, qint64 maxSize, qint64 *size) const;
    // Lets go of every byte before `place`.
    void releaseBefore(qint64 place);
    void clear();

private:
    // Short lines are gathered into chunks of this size, so a chunk's bookkeeping does
    // not outweigh its bytes; a longer write is one chunk of its own.
    static constexpr int chunkSize = 64 * 1024;

    struct Chunk {
        qint64 start;
        QByteArray bytes;
    };
    std::deque<Chunk> chunks;
    qint64 streamEnd = 0;
};
