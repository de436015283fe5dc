#include "server.h"

#include <QByteArray>
#include <QDataStream>
#include <QDebug>
#include <QHostAddress>
#include <QLabel>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTime>
#include <QTimer>
#include <QtEndian>

#include <algorithm>
#include <vector>

#ifdef Q_OS_LINUX
#include <linux/sockios.h>
#include <sys/ioctl.h>
#endif
#ifdef Q_OS_UNIX
#include <sys/socket.h>
#endif

#include "appendlog.h"

namespace {

const QString replyPrefix = QStringLiteral("Server Response: Received ");

// Cuts a text to at most `units` UTF-16 units without leaving half a surrogate pair behind.
QString shortened(const QString &text, int units)
{
    if (text.size() <= units)
        return text;
    int keep = units;
    if (keep > 0 && text.at(keep - 1).isHighSurrogate())
        --keep;
    return text.left(keep);
}

QString replyFor(const QString &received)
{
    // The reply must fit one frame: room for the prefix and both quotes comes off the
    // quoted text rather than making the length field wrap.
    const int room = Server::maxFrameTextUnits - replyPrefix.size() - 2;
    return replyPrefix + QLatin1Char('"') + shortened(received, room) + QLatin1Char('"');
}

// What the system still holds for the socket's peer: bytes not sent yet, and bytes sent
// that the peer has not acknowledged. The system's send buffer grows to megabytes and
// reports room again only when much of it has drained, so what Qt could write says little
// about what the peer took; this does. 0 where the system does not tell.
qint64 unsentInSystem(const QTcpSocket *socket)
{
#ifdef Q_OS_LINUX
    const qintptr descriptor = socket->socketDescriptor();
    int queued = 0;
    if (descriptor >= 0 && ::ioctl(int(descriptor), SIOCOUTQ, &queued) == 0 && queued > 0)
        return queued;
#else
    Q_UNUSED(socket)
#endif
    return 0;
}

// 64 MiB rather than 67108864 where it is a whole number of them.
QString sizeText(qint64 bytes)
{
    const qint64 mebibyte = 1024 * 1024;
    return bytes % mebibyte == 0 ? QStringLiteral("%1 MiB").arg(bytes / mebibyte)
                                 : QStringLiteral("%1 bytes").arg(bytes);
}

// The client's address and port as a user would type them.
QString peerText(const QTcpSocket *socket)
{
    QHostAddress address = socket->peerAddress();
    bool mapped = false;
    const quint32 ipv4 = address.toIPv4Address(&mapped);
    if (mapped)
        address = QHostAddress(ipv4);
    const QString host = address.protocol() == QAbstractSocket::IPv6Protocol
                             ? QLatin1Char('[') + address.toString() + QLatin1Char(']')
                             : address.toString();
    return host + QLatin1Char(':') + QString::number(socket->peerPort());
}

// A plain close would still deliver what the system holds for the client (megabytes at a
// slow reader's pace: minutes of ever older data) before the client learned it was let go.
// Closed with a reset, that is thrown away: the client reads what already reached its side
// and then sees the end.
void discardUnsent(const QTcpSocket *socket)
{
#ifdef Q_OS_UNIX
    const qintptr descriptor = socket->socketDescriptor();
    const linger reset{1, 0};
    if (descriptor >= 0)
        ::setsockopt(int(descriptor), SOL_SOCKET, SO_LINGER, &reset, sizeof reset);
#else
    Q_UNUSED(socket)
#endif
}

} // namespace

Server::Server(QWidget *parent) : QWidget(parent), stallCheck(new QTimer(this)), frameTurn(new QTimer(this))
{
    clock.start();
    stallCheck->setInterval(stallCheckMs);
    connect(stallCheck, SIGNAL(timeout()), this, SLOT(dropStalledClients()));
    // A zero timer: the next pass comes after the other timers and sockets had theirs.
    frameTurn->setSingleShot(true);
    frameTurn->setInterval(0);
    connect(frameTurn, SIGNAL(timeout()), this, SLOT(answerWaitingFrames()));
}

Server::~Server()
{
    // The listening server and its sockets are our Qt children and go with us; make sure
    // none of them calls back into a half-destroyed service on its way out.
    for (QTcpSocket *socket : qAsConst(clients))
        disconnect(socket, nullptr, this, nullptr);
    clients.clear();
    states.clear();
    framesWaiting.clear();
    played.clear();
    if (tcpServer)
        disconnect(tcpServer, nullptr, this, nullptr);
    stallCheck->stop();
    frameTurn->stop();
}

void Server::InitFromPort(int port)
{
    CloseServer();
    appendLog(QStringLiteral("InitFromPort: ") + QString::number(port));
    if (!tcpServer)
        tcpServer = new QTcpServer(this);
    if (tcpServer->listen(QHostAddress::Any, quint16(port))) {
        connect(tcpServer, SIGNAL(newConnection()), this, SLOT(slotNewConnection()));
        return;
    }
    const QString error = tcpServer->errorString();
    qDebug() << "Server Error, Unable to start the server:" << error;
    tcpServer->close();
    appendLog(QStringLiteral("Server Error, Unable to start the server: ") + error);
}

void Server::CloseServer()
{
    if (!tcpServer)
        return;
    appendLog(QStringLiteral("CloseServer"));
    tcpServer->close();
    // Each client leaves through the ordinary disconnect path before the listening server
    // (their Qt parent) takes the sockets with it, so no pointer to them outlives them.
    const QList<QTcpSocket *> current = clients;
    for (QTcpSocket *socket : current) {
        socket->abort();
        if (clients.contains(socket))
            forgetClient(socket);
    }
    delete tcpServer;
    tcpServer = nullptr;
}

void Server::slotNewConnection()
{
    appendLog(QStringLiteral("slotNewConnection"));
    if (!tcpServer)
        return;
    QTcpSocket *socket = tcpServer->nextPendingConnection();
    if (!socket)
        return;
    connect(socket, SIGNAL(disconnected()), this, SLOT(slotDisconnect()));
    connect(socket, SIGNAL(readyRead()), this, SLOT(slotReadClient()));
    connect(socket, SIGNAL(bytesWritten(qint64)), this, SLOT(clientWrote()));
    // Frames not answered yet wait in the system, which makes a flooding peer wait,
    // rather than in our memory.
    socket->setReadBufferSize(readAheadBytes);
    clients.append(socket);
    // A new client gets what is played from now on.
    Client state;
    state.place = played.end();
    state.lastProgressMs = clock.elapsed();
    states.insert(socket, state);
    sendToClient(socket, QStringLiteral("Server Response: Connected!"));
    updateClientsLabel();
}

void Server::slotReadClient()
{
    appendLog(QStringLiteral("slotReadClient"));
    QTcpSocket *socket = qobject_cast<QTcpSocket *>(sender());
    if (!socket || !clients.contains(socket))
        return;
    // A client with frames left over is answered in its turn, after what came first.
    if (framesWaiting.contains(socket))
        return;
    answerFrames(socket);
}

void Server::answerFrames(QTcpSocket *socket)
{
    for (int answered = 0;; ++answered) {
        const auto entry = states.find(socket);
        if (entry == states.end())
            return;
        if (holdsTooManyReplies(socket)) {
            // Taken up again once its replies have gone out (feed).
            if (!framesWaiting.contains(socket))
                framesWaiting.append(socket);
            return;
        }
        Client &client = entry.value();
        QByteArray &input = client.input;
        const auto wholeFrameAhead = [&input, &client] {
            const int left = input.size() - client.inputOffset;
            return left >= 2
                   && left - 2 >= qFromBigEndian<quint16>(
                          reinterpret_cast<const uchar *>(input.constData() + client.inputOffset));
        };
        if (!wholeFrameAhead()) {
            // Taking all that Qt holds lets it read on from the system; what it does
            // not hold yet it will announce.
            input.remove(0, client.inputOffset);
            client.inputOffset = 0;
            if (input.size() < readAheadBytes)
                input += socket->read(readAheadBytes - input.size());
            if (!wholeFrameAhead()) {
                framesWaiting.removeAll(socket);
                return;
            }
        }
        if (answered == framesPerPass) {
            if (!framesWaiting.contains(socket))
                framesWaiting.append(socket);
            frameTurn->start();
            return;
        }
        // The frame is taken as exactly its stated length and parsed from those bytes
        // alone: fields that claim more than the frame holds read short here instead of
        // eating the frames behind it.
        const int length = qFromBigEndian<quint16>(reinterpret_cast<const uchar *>(input.constData() + client.inputOffset));
        const QByteArray body = input.mid(client.inputOffset + 2, length);
        client.inputOffset += 2 + length;
        QDataStream in(body);
        in.setVersion(QDataStream::Qt_4_2);
        QTime time;
        QString text;
        in >> time >> text;

        qDebug() << "Read From:" << socket->peerName()
                 << time.toString(Qt::TextDate) + QStringLiteral(" Client has sended - ") + text;

        sendToClient(socket, replyFor(text));
        // The reply may have pushed the client past its cap and dropped it.
        if (!clients.contains(socket))
            return;
    }
}

void Server::answerWaitingFrames()
{
    const QList<QTcpSocket *> waiting = framesWaiting;
    for (QTcpSocket *socket : waiting) {
        if (framesWaiting.contains(socket) && !holdsTooManyReplies(socket))
            answerFrames(socket);
    }
}

bool Server::holdsTooManyReplies(QTcpSocket *socket) const
{
    const auto entry = states.constFind(socket);
    return entry != states.constEnd() && entry.value().frameBytes > maxUnreadReplyBytes;
}

void Server::slotDisconnect()
{
    QTcpSocket *socket = static_cast<QTcpSocket *>(sender());
    if (!socket)
        return;
    forgetClient(socket);
}

void Server::forgetClient(QTcpSocket *socket)
{
    appendLog(QStringLiteral("slotDisconnect"));
    clients.removeAll(socket);
    states.remove(socket);
    framesWaiting.removeAll(socket);
    disconnect(socket, nullptr, this, nullptr);
    socket->deleteLater();
    releaseTaken();
    updateClientsLabel();
}

void Server::sendToClient(QTcpSocket *socket, const QString &text)
{
    if (!socket)
        return;
    QByteArray block;
    QDataStream out(&block, QIODevice::WriteOnly);
    out.setVersion(QDataStream::Qt_4_2);
    out << quint16(0) << QTime::currentTime() << shortened(text, maxFrameTextUnits);
    out.device()->seek(0);
    out << quint16(block.size() - 2);
    writeToClient(socket, block.constData(), block.size());
}

qint64 Server::writeToClient(QTcpSocket *socket, const char *data, qint64 size)
{
    const auto entry = states.find(socket);
    if (entry == states.end())
        return socket->write(data, size);  // not one of ours
    if (size <= 0)
        return 0;
    // The frame goes out after every byte played so far, as if written behind them.
    Client &client = entry.value();
    client.frames.append(Frame{played.end(), QByteArray(data, int(size))});
    client.frameBytes += size;
    if (feed(socket)) {
        dropFarBehind();
        holdTotal();
        watchStalls();
    }
    return size;
}

bool Server::feed(QTcpSocket *socket)
{
    // The flush below reports bytesWritten() at once; that report is not a new occasion.
    const bool wasFeeding = feeding;
    feeding = true;
    bool present = true;
    for (;;) {
        const auto entry = states.find(socket);
        if (entry == states.end()) {
            present = false;
            break;
        }
        Client &client = entry.value();
        qint64 room = socketWindowBytes - socket->bytesToWrite();
        qint64 handed = 0;
        while (room > 0) {
            qint64 written = 0;
            if (!client.frames.isEmpty() && client.frames.first().place <= client.place) {
                const QByteArray &frame = client.frames.first().bytes;
                const qint64 size = qMin<qint64>(frame.size() - client.frameOffset, room);
                written = socket->write(frame.constData() + client.frameOffset, size);
                if (written <= 0)
                    break;
                client.frameOffset += int(written);
                client.frameBytes -= written;
                if (client.frameOffset >= frame.size()) {
                    client.frames.removeFirst();
                    client.frameOffset = 0;
                }
            } else {
                const qint64 upTo = client.frames.isEmpty() ? room
                                                            : qMin(room, client.frames.first().place - client.place);
                qint64 size = 0;
                const char *bytes = played.bytesAt(client.place, upTo, &size);
                if (!bytes)
                    break;
                written = socket->write(bytes, size);
                if (written <= 0)
                    break;
                client.place += written;
            }
            client.handed += written;
            room -= written;
            handed += written;
        }
        if (handed == 0)
            break;
        // The system takes what it can now. A peer found gone aborts the socket here,
        // and its disconnected() forgets the client: `client` is not used past this.
        socket->flush();
        if (socket->bytesToWrite() > 0)
            break;
    }
    feeding = wasFeeding;
    // Replies have gone out: the frames that waited for that get their turn.
    if (present && framesWaiting.contains(socket) && !holdsTooManyReplies(socket))
        frameTurn->start();
    return present;
}

void Server::clientWrote()
{
    QTcpSocket *socket = qobject_cast<QTcpSocket *>(sender());
    if (feeding || !socket)
        return;
    const auto entry = states.find(socket);
    if (entry == states.end())
        return;
    noteProgress(socket, entry.value());
    if (feed(socket))
        releaseTaken();
}

bool Server::noteProgress(QTcpSocket *socket, Client &client)
{
    const qint64 taken = client.handed - socket->bytesToWrite() - unsentInSystem(socket);
    if (taken <= client.taken)
        return false;
    client.taken = taken;
    client.lastProgressMs = clock.elapsed();
    client.stalledMs = 0;
    return true;
}

qint64 Server::waitingBytes(const QTcpSocket *socket, const Client &client) const
{
    return played.end() - client.place + client.frameBytes + socket->bytesToWrite();
}

void Server::dropFarBehind()
{
    const qint64 limit = pendingCap * maxBacklogFactor;
    const QList<QTcpSocket *> current = clients;
    for (QTcpSocket *socket : current) {
        const auto entry = states.constFind(socket);
        if (entry != states.constEnd() && waitingBytes(socket, entry.value()) > limit)
            drop(socket, QStringLiteral("%1 behind").arg(sizeText(limit)));
    }
}

void Server::holdTotal()
{
    if (heldBytes() <= maxTotalBytes())
        return;
    // The played bytes are held for the client furthest behind, so the clients are let go
    // from the back: first those that are not reading at all, then the slowest readers.
    struct Candidate {
        QTcpSocket *socket;
        bool reading;
        qint64 waiting;
        qint64 lastProgressMs;
    };
    std::vector<Candidate> candidates;
    const qint64 now = clock.elapsed();
    for (QTcpSocket *socket : qAsConst(clients)) {
        const auto entry = states.constFind(socket);
        if (entry == states.constEnd())
            continue;
        const qint64 waiting = waitingBytes(socket, entry.value());
        const bool reading = now - entry.value().lastProgressMs < 2 * stallCheckMs;
        candidates.push_back({socket, reading, waiting, entry.value().lastProgressMs});
    }
    std::sort(candidates.begin(), candidates.end(), [](const Candidate &a, const Candidate &b) {
        if (a.reading != b.reading)
            return !a.reading;
        if (a.waiting != b.waiting)
            return a.waiting > b.waiting;
        return a.lastProgressMs < b.lastProgressMs;
    });
    for (const Candidate &candidate : candidates) {
        if (heldBytes() <= maxTotalBytes())
            break;
        if (candidate.waiting > 0)
            drop(candidate.socket, QStringLiteral("furthest behind while all clients hold over %1")
                                       .arg(sizeText(maxTotalBytes())));
    }
}

void Server::releaseTaken()
{
    qint64 oldest = played.end();
    for (const Client &client : qAsConst(states))
        oldest = qMin(oldest, client.place);
    played.releaseBefore(oldest);
}

void Server::watchStalls()
{
    if (stallCheck->isActive())
        return;
    for (auto entry = states.constBegin(); entry != states.constEnd(); ++entry) {
        if (waitingBytes(entry.key(), entry.value()) > 0) {
            lastCheckMs = clock.elapsed();
            stallCheck->start();
            return;
        }
    }
}

void Server::drop(QTcpSocket *socket, const QString &why)
{
    const qint64 unsent = states.contains(socket) ? waitingBytes(socket, states.value(socket)) : 0;
    qDebug().noquote() << QStringLiteral("Dropping client %1: %2; %3 bytes unsent")
                              .arg(peerText(socket), why)
                              .arg(unsent);
    discardUnsent(socket);
    // Through the ordinary disconnect path: the socket reports disconnected() at once.
    socket->abort();
    if (clients.contains(socket))
        forgetClient(socket);
}

void Server::dropStalledClients()
{
    // Only time in which the service could offer data counts against a client: a look
    // that comes late, because the service was busy, counts as one interval.
    const qint64 now = clock.elapsed();
    const qint64 credit = qBound<qint64>(0, now - lastCheckMs, stallCheckMs);
    lastCheckMs = now;
    bool waitingAny = false;
    const QList<QTcpSocket *> current = clients;
    for (QTcpSocket *socket : current) {
        const auto entry = states.find(socket);
        if (entry == states.end())
            continue;
        Client &client = entry.value();
        const bool took = noteProgress(socket, client);
        const qint64 waiting = waitingBytes(socket, client);
        if (!took && client.offered && waiting > 0)
            client.stalledMs += credit;
        client.offered = waiting > 0;
        if (client.stalledMs >= stallTimeoutMs && waiting > pendingCap) {
            drop(socket, QStringLiteral("took nothing for %1 s").arg(stallTimeoutMs / 1000));
            continue;
        }
        if (waiting > 0) {
            waitingAny = true;
            // A socket that emptied without a word from it is handed more here.
            if (socket->bytesToWrite() == 0)
                feed(socket);
        }
    }
    releaseTaken();
    if (!waitingAny)
        stallCheck->stop();
}

void Server::sendToAll(const char *data, int size, qint64 *clientCount, qint64 *writtenSum)
{
    // The bytes are held once; each client is handed them from there as its socket takes
    // them. A client dropped on the way is only scheduled for deletion, so the copy of
    // the list stays safe to walk.
    const QList<QTcpSocket *> current = clients;
    if (!current.isEmpty())
        played.append(data, size);
    qint64 count = 0;
    qint64 sum = 0;
    for (QTcpSocket *socket : current) {
        ++count;
        if (!states.contains(socket)) {
            sum += -1;
            continue;
        }
        sum += size;
        // A socket that still holds bytes is handed more when it has written them.
        if (socket->bytesToWrite() == 0)
            feed(socket);
    }
    if (!current.isEmpty()) {
        dropFarBehind();
        holdTotal();
        releaseTaken();
        watchStalls();
    }
    if (clientCount)
        *clientCount = count;
    if (writtenSum)
        *writtenSum = sum;
}

void Server::sendToAll(const QByteArray &data, qint64 *clientCount, qint64 *writtenSum)
{
    sendToAll(data.constData(), data.size(), clientCount, writtenSum);
}

void Server::sendToAll(const QString &text, qint64 *clientCount, qint64 *writtenSum)
{
    QByteArray block;
    QDataStream out(&block, QIODevice::WriteOnly);
    out.setVersion(QDataStream::Qt_4_2);
    out << text;
    sendToAll(block, clientCount, writtenSum);
}

void Server::sendToClientAt(int index, const QString &text)
{
    if (index < 0 || index >= clients.size())
        return;
    sendToClient(clients.at(index), text);
}

int Server::sendToClientAt(int index, const char *data, int size)
{
    if (index < 0 || index >= clients.size())
        return -1;
    return int(writeToClient(clients.at(index), data, size));
}

void Server::setClientsLabel(QLabel *label)
{
    clientsLabel = label;
    updateClientsLabel();
}

void Server::setMaxPendingBytes(qint64 bytes)
{
    pendingCap = bytes;
}

qint64 Server::maxPendingBytes() const
{
    return pendingCap;
}

qint64 Server::maxTotalBytes() const
{
    return pendingCap * maxBacklogFactor;
}

qint64 Server::heldBytes() const
{
    qint64 held = played.heldBytes();
    for (auto entry = states.constBegin(); entry != states.constEnd(); ++entry)
        held += entry.value().frameBytes + entry.key()->bytesToWrite();
    return held;
}

quint16 Server::serverPort() const
{
    return tcpServer && tcpServer->isListening() ? tcpServer->serverPort() : 0;
}

bool Server::isListening() const
{
    return tcpServer && tcpServer->isListening();
}

int Server::clientCount() const
{
    return clients.size();
}

void Server::updateClientsLabel()
{
    if (clientsLabel)
        clientsLabel->setText(QString::number(clients.size()));
}
