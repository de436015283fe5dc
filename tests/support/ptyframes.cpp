#include "ptyframes.h"

PtyFrames::PtyFrames(Handler handler)
    : handler(std::move(handler))
{
    // The master end has no notifier of its own here; a short poll stands in for the
    // receiver's UART interrupt.
    timer.setInterval(2);
    QObject::connect(&timer, &QTimer::timeout, this, [this]() { poll(); });
    timer.start();
}

void PtyFrames::poll()
{
    buffer += pty.readAll();
    for (;;) {
        const int start = buffer.indexOf(QByteArray("\x21\x4e", 2));
        if (start < 0) {
            buffer = buffer.right(1);
            return;
        }
        buffer.remove(0, start);
        if (buffer.size() < 6)
            return;
        const int length = quint8(buffer.at(4)) | (quint8(buffer.at(5)) << 8);
        if (buffer.size() < 8 + length)
            return;
        const QByteArray frame = buffer.left(8 + length);
        buffer.remove(0, 8 + length);
        handler(frame);
    }
}
