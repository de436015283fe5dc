#include "binaryconfigurator.h"

#include <QTimer>

#include "iparser.h"

namespace {

// Sync bytes that open every frame: "!" and "N".
const char SyncFirst = 0x21;
const char SyncSecond = 0x4E;

// The length field is 16 bits wide.
const int MaxPayloadSize = 0xFFFF;

// How long the receiver is given to answer.
const int DefaultTimeoutMs = 1500;
// The baud-rate search probes every rate; a receiver on the right rate answers
// the handshake and the probe at once, so these wait less.
const int HandshakeTimeoutMs = 500;
const int ProbeTimeoutMs = 300;
// Erasing the whole flash takes the receiver several seconds.
const int EraseAllTimeoutMs = 10000;
// A time-out that fires later than this found the event loop busy (a large form
// laid out, a loaded machine): the receiver's answer may be waiting unread.
const int StallMs = 50;

} // namespace

BinaryConfigurator::BinaryConfigurator(iReader *reader, iParser *parser, QObject *parent)
    : QObject(parent)
    , reader(reader)
    , timer(new QTimer())
    , dataSetBits({1, 2, 3, 4, 5, 6, 7, 8, 9, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 28, 29})
    , gnssCount(5)
    , fixGnssCount(5)
    , rawMaskCount(5)
    , ionoBits({1, 2, 3, 4, 5, 6, 7, 8, 9, 10})
{
    if (parser) {
        connect(parser, SIGNAL(bmtStatusReceived(BmtStatus, QByteArray)),
                this, SLOT(bmtStatusReceived(BmtStatus, QByteArray)));
    }
    // A coarse timer may fire up to 5 % early; the receiver gets its full time.
    timer->setTimerType(Qt::PreciseTimer);
    connect(timer, SIGNAL(timeout()), this, SLOT(timeoutCommandExecution()));
}

BinaryConfigurator::~BinaryConfigurator()
{
    delete timer;
}

QByteArray BinaryConfigurator::buildBody(unsigned char group, unsigned char subId, const QByteArray &payload)
{
    if (payload.size() > MaxPayloadSize)
        return QByteArray();
    const quint16 length = quint16(payload.size());
    QByteArray body;
    body.reserve(4 + payload.size());
    body.append(char(group));
    body.append(char(subId));
    body.append(char(length & 0xFF));
    body.append(char(length >> 8));
    body.append(payload);
    return body;
}

quint16 BinaryConfigurator::bodyChecksum(const QByteArray &body)
{
    return calcChecksum(body);
}

QByteArray BinaryConfigurator::wrapFrame(const QByteArray &body)
{
    const quint16 checksum = bodyChecksum(body);
    QByteArray frame;
    frame.reserve(body.size() + 4);
    frame.append(SyncFirst);
    frame.append(SyncSecond);
    frame.append(body);
    frame.append(char(checksum & 0xFF));
    frame.append(char(checksum >> 8));
    return frame;
}

QByteArray BinaryConfigurator::buildFrame(const QByteArray &payload, MsgType group, unsigned char subId)
{
    const QByteArray body = buildBody(group, subId, payload);
    if (body.isEmpty())
        return QByteArray();
    return wrapFrame(body);
}

int BinaryConfigurator::timeoutFor(MsgType group, unsigned char subId)
{
    if (group == MsgReceiverParameters && subId == 0x00)
        return HandshakeTimeoutMs;
    if (group == MsgReceiverParameters && subId == 0x01)
        return ProbeTimeoutMs;
    if (group == MsgFirmware && subId == 0x84)
        return EraseAllTimeoutMs;
    return DefaultTimeoutMs;
}

int BinaryConfigurator::queuedRequests(MsgType group, unsigned char subId) const
{
    int count = 0;
    for (int i = 0; i < groups.size(); ++i) {
        if (groups.at(i) == group && subIds.at(i) == subId)
            ++count;
    }
    return count;
}

void BinaryConfigurator::enqueueRequest(const QByteArray &payload, MsgType group, unsigned char subId)
{
    payloads.append(payload);
    groups.append(group);
    subIds.append(subId);
}

void BinaryConfigurator::startIfIdle()
{
    // Only an unwritten head is sent: a request queued while the head is in flight
    // waits for the head's answer or time-out.
    sendNextIfPending();
}

bool BinaryConfigurator::sendCurrentRequest()
{
    const QByteArray frame = buildFrame(payloads.first(), groups.first(), subIds.first());
    if (frame.isEmpty())
        return false;
    headSent = true;
    const int timeoutMs = timeoutFor(groups.first(), subIds.first());
    stallCreditMs = timeoutMs;
    const quint64 serial = ++sendSerial;
    if (reader)
        reader->sendData(frame);
    // The bytes leave when the event loop runs again; whatever else this pass still
    // does (the form a click re-lays out) is not time the receiver had to answer.
    QMetaObject::invokeMethod(
        this,
        [this, serial, timeoutMs] {
            if (headSent && serial == sendSerial)
                armTimeout(timeoutMs);
        },
        Qt::QueuedConnection);
    return true;
}

void BinaryConfigurator::armTimeout(int ms)
{
    timeoutArmedMs = ms;
    timeoutClock.start();
    timer->start(ms);
}

void BinaryConfigurator::dequeueRequest()
{
    if (payloads.isEmpty())
        return;
    payloads.removeFirst();
    groups.removeFirst();
    subIds.removeFirst();
    headSent = false;
}

void BinaryConfigurator::sendNextIfPending()
{
    while (!payloads.isEmpty() && !headSent) {
        if (sendCurrentRequest())
            return;
        // A payload the length field cannot describe is never written; the
        // request fails at once so that its sender hears of it.
        const RequestKey key(groups.first(), subIds.first());
        dequeueRequest();
        emit requestError(key);
    }
}

void BinaryConfigurator::queue(MsgType group, unsigned char subId, const QByteArray &payload)
{
    enqueueRequest(payload, group, subId);
    startIfIdle();
}

void BinaryConfigurator::bmtStatusReceived(BmtStatus status, QByteArray data)
{
    // A status frame answers the request that was written. With nothing written
    // (an empty queue, or a head not yet sent because a slot of the previous
    // outcome is still running) the frame answers nothing of ours.
    if (payloads.isEmpty() || !headSent)
        return;
    timer->stop();
    const RequestKey key(groups.first(), subIds.first());
    // The head leaves the queue before its outcome is announced, so a slot that
    // runs a nested event loop (a modal message box) cannot see a late frame
    // retire a request that was never written.
    dequeueRequest();
    switch (static_cast<int>(status)) {
    case 0:
        emit requestError(key);
        break;
    case 1:
        emit requestCompleted(key);
        break;
    case 2:
        decodeReply(key.first, key.second, data);
        break;
    default:
        // Unknown statuses retire the request silently.
        break;
    }
    sendNextIfPending();
}

void BinaryConfigurator::timeoutCommandExecution()
{
    timer->stop();
    if (payloads.isEmpty() || !headSent)
        return;
    // A loop that was held past the time-out may hold the answer unread: the stall is
    // given back, at most one more time-out's worth, so a silent receiver still fails.
    const qint64 late = timeoutClock.elapsed() - timeoutArmedMs;
    if (late > StallMs && stallCreditMs > 0) {
        const int extra = int(qMin<qint64>(late, stallCreditMs));
        stallCreditMs -= extra;
        armTimeout(extra);
        return;
    }
    const RequestKey key(groups.first(), subIds.first());
    dequeueRequest();
    emit requestError(key);
    sendNextIfPending();
}

quint32 BinaryConfigurator::maskFromBits(const QVector<bool> &flags, const QList<int> &bits)
{
    // Positions past the bit list name no bit and are ignored.
    quint32 mask = 0;
    const int count = qMin(flags.size(), bits.size());
    for (int i = 0; i < count; ++i) {
        if (flags.at(i) && bits.at(i) >= 0 && bits.at(i) < 32)
            mask |= quint32(1) << bits.at(i);
    }
    return mask;
}

quint32 BinaryConfigurator::maskFromPositions(const QVector<bool> &flags, int width)
{
    // Positions at or beyond the mask's width have no bit to set.
    quint32 mask = 0;
    const int count = qMin(flags.size(), width);
    for (int i = 0; i < count; ++i) {
        if (flags.at(i))
            mask |= quint32(1) << i;
    }
    return mask;
}

QVector<bool> BinaryConfigurator::flagsFromBits(quint32 mask, const QList<int> &bits)
{
    QVector<bool> flags;
    flags.reserve(bits.size());
    for (int bit : bits)
        flags.append(bit >= 0 && bit < 32 && ((mask >> bit) & 1u) != 0);
    return flags;
}

QVector<bool> BinaryConfigurator::flagsFromPositions(quint32 mask, int count)
{
    QVector<bool> flags;
    flags.reserve(count);
    for (int i = 0; i < count; ++i)
        flags.append(i < 32 && ((mask >> i) & 1u) != 0);
    return flags;
}
