#include "ireader.h"

#include <QIODevice>

iReader::iReader(QObject *parent)
    : QObject(parent)
{
}

iReader::~iReader() = default;

void iReader::deliverChunks(QIODevice *device)
{
    // The parsers take at most 10000 bytes a call and keep only the end of anything
    // longer (their guard against input that never ends a line). When the GUI thread
    // was busy for a moment at a high data rate, far more than that waits here, so it
    // goes out in slices that every parser takes whole.
    QByteArray chunk;
    do {
        // A listener may have closed the link while handling the previous chunk.
        chunk = device->isOpen() ? device->read(maxChunkBytes) : QByteArray();
        emit dataRead(chunk);
    } while (!chunk.isEmpty());
}
