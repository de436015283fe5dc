#pragma once

// A plain TCP client of the replay service for the tests: it connects to 127.0.0.1, keeps
// every byte it receives, and takes frames off the front of what it got.

#include <QByteArray>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <QDataStream>
#include <QHostAddress>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTcpSocket>
#include <QTime>
#include <QtEndian>

#include <functional>

struct ReplayFrame
{
    bool complete = false;
    quint16 length = 0;
    quint32 timeField = 0;
    quint32 textSize = 0;
    QString text;
    int totalSize = 0;  // bytes the frame took, length field included
};

// Reads one frame at the start of `bytes` (the text as raw UTF-16BE units).
inline ReplayFrame parseReplayFrame(const QByteArray &bytes)
{
    ReplayFrame frame;
    if (bytes.size() < 2)
        return frame;
    const auto *raw = reinterpret_cast<const uchar *>(bytes.constData());
    frame.length = qFromBigEndian<quint16>(raw);
    if (bytes.size() < 2 + frame.length || frame.length < 8)
        return frame;
    frame.timeField = qFromBigEndian<quint32>(raw + 2);
    frame.textSize = qFromBigEndian<quint32>(raw + 6);
    if (frame.textSize != 0xFFFFFFFFu && 10 + qint64(frame.textSize) <= 2 + frame.length) {
        for (quint32 i = 0; i + 1 < frame.textSize; i += 2)
            frame.text.append(QChar(qFromBigEndian<quint16>(raw + 10 + i)));
    }
    frame.totalSize = 2 + frame.length;
    frame.complete = true;
    return frame;
}

// The bytes of a frame as a client would send it.
inline QByteArray makeReplayFrame(const QString &text, const QTime &time = QTime(12, 0, 0))
{
    QByteArray block;
    QDataStream out(&block, QIODevice::WriteOnly);
    out.setVersion(QDataStream::Qt_4_2);
    out << quint16(0) << time << text;
    out.device()->seek(0);
    out << quint16(block.size() - 2);
    return block;
}

class ReplayTestClient
{
public:
    // receiveBuffer: the system's receive buffer for the connection, 0 for its default.
    explicit ReplayTestClient(quint16 port, int receiveBuffer = 0)
    {
        socket.connectToHost(QHostAddress(QHostAddress::LocalHost), port);
        if (receiveBuffer > 0)
            socket.setSocketOption(QAbstractSocket::ReceiveBufferSizeSocketOption, receiveBuffer);
    }

    // Takes in what has arrived; returns how many bytes have arrived in all.
    int collect()
    {
        received.append(socket.readAll());
        return received.size();
    }

    // Takes the frame at the front of what arrived off it (nothing when it is not whole).
    ReplayFrame takeFrame()
    {
        collect();
        ReplayFrame frame = parseReplayFrame(received);
        if (frame.complete)
            received.remove(0, frame.totalSize);
        return frame;
    }

    // Takes every whole frame that has arrived into `frames`; returns how many there are.
    // Safe to call again and again (QTRY_ evaluates its condition more than once).
    int pollFrames()
    {
        for (ReplayFrame frame = takeFrame(); frame.complete; frame = takeFrame())
            frames.append(frame);
        return frames.size();
    }

    QStringList frameTexts() const
    {
        QStringList texts;
        for (const ReplayFrame &frame : frames)
            texts << frame.text;
        return texts;
    }

    bool connected() const { return socket.state() == QAbstractSocket::ConnectedState; }

    QTcpSocket socket;
    QByteArray received;
    QList<ReplayFrame> frames;
};

// Runs the event loop until `done` holds or the time is up; returns whether it holds.
// Unlike QTRY_ (whose waits sleep 10 ms between rounds), this lets a 1 ms playback timer
// fire at its own pace.
inline bool runEventsUntil(const std::function<bool()> &done, int timeoutMs)
{
    if (done())
        return true;
    QElapsedTimer elapsed;
    elapsed.start();
    QEventLoop loop;
    QTimer poll;
    poll.setInterval(2);
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (done() || elapsed.elapsed() > timeoutMs)
            loop.quit();
    });
    poll.start();
    loop.exec();
    return done();
}

// Runs the event loop until `done` holds. It gives up only when `progress` (a count that
// grows while things happen, such as the bytes received) has not grown for stallMs, or
// after limitMs in all: on a loaded machine a long transfer takes its time, but one that
// stands still has failed. Standing still is counted only in the time this loop was free
// to look: a pass that held the thread for seconds (the service writing a huge tick, or a
// machine with more work than cores) counts as one look, not as seconds without progress.
inline bool runEventsWhileProgressing(const std::function<bool()> &done, const std::function<qint64()> &progress,
                                      int stallMs, int limitMs)
{
    if (done())
        return true;
    const qint64 mostPerLookMs = 100;
    QElapsedTimer elapsed;
    elapsed.start();
    qint64 lastLookMs = 0;
    qint64 stillMs = 0;
    qint64 last = progress();
    QEventLoop loop;
    QTimer poll;
    poll.setInterval(2);
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        const qint64 nowMs = elapsed.elapsed();
        const qint64 now = progress();
        if (now != last) {
            last = now;
            stillMs = 0;
        } else {
            stillMs += qMin(nowMs - lastLookMs, mostPerLookMs);
        }
        lastLookMs = nowMs;
        if (done() || stillMs > stallMs || nowMs > limitMs)
            loop.quit();
    });
    poll.start();
    loop.exec();
    return done();
}
