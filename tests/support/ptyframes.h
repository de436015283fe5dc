#pragma once

#include <QByteArray>
#include <QObject>
#include <QTimer>

#include <functional>

#include "ptypair.h"

// The receiver's end of a pseudo-terminal that hears command frames: it cuts what the
// program writes into frames (21 4E, kind, id, 16-bit length, payload, checksum) and
// hands each whole frame to the handler, which may answer through pty.write().
class PtyFrames : public QObject
{
public:
    using Handler = std::function<void(const QByteArray &frame)>;

    explicit PtyFrames(Handler handler);

    PtyPair pty;

private:
    void poll();

    Handler handler;
    QTimer timer;
    QByteArray buffer;
};
