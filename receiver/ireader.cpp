#include "ireader.h"

#include <QIODevice>

iReader::iReader(QObject *parent)
    : QObject(parent)
{
}

iReader::~iReader() = default;

void iReader::deliverChunks(QIODevice *device)
{
    QByteArray chunk;
    do {
        // A listener may have closed the link while handling the previous chunk.
        chunk = device->isOpen() ? device->readAll() : QByteArray();
        emit dataRead(chunk);
    } while (!chunk.isEmpty());
}
