#include "server.h"

#include <QByteArray>
#include <QDebug>
#include <QLabel>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTime>
#include <QTimer>
#include <QVector>
#include <QtEndian>

#include "appendlog.h"
#include "serviceframes.h"
#include "socketfacts.h"

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
    backlogs.clear();
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
    states.insert(socket, state);
    backlogs.add(idOf(socket), clock.elapsed());
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
        QTime time;
        QString text;
        ServiceFrames::read(body, &time, &text);

        qDebug() << "Read From:" << socket->peerName()
                 << time.toString(Qt::TextDate) + QStringLiteral(" Client has sended - ") + text;

        sendToClient(socket, ServiceFrames::reply(text));
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
    backlogs.remove(idOf(socket));
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
    const QByteArray block = ServiceFrames::frame(text, QTime::currentTime());
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

bool Server::noteProgress(QTcpSocket *socket, const Client &client)
{
    const qint64 taken = client.handed - socket->bytesToWrite() - unsentInSystem(socket);
    return backlogs.noteTaken(idOf(socket), taken, clock.elapsed());
}

qint64 Server::waitingBytes(const QTcpSocket *socket, const Client &client) const
{
    return played.end() - client.place + client.frameBytes + socket->bytesToWrite();
}

void Server::dropFarBehind()
{
    const QList<QTcpSocket *> current = clients;
    for (QTcpSocket *socket : current) {
        const auto entry = states.constFind(socket);
        if (entry == states.constEnd())
            continue;
        const QString why = backlogs.farBehind(waitingBytes(socket, entry.value()));
        if (!why.isEmpty())
            drop(socket, why);
    }
}

void Server::holdTotal()
{
    // Asked again with what is really held after the drops: the played bytes are let go
    // a chunk at a time, so a little more may be left than was reckoned.
    for (qint64 held = heldBytes(); held > maxTotalBytes(); held = heldBytes()) {
        QVector<ClientBacklogs::Standing> standings;
        QHash<ClientBacklogs::Id, QTcpSocket *> sockets;
        for (QTcpSocket *socket : qAsConst(clients)) {
            const auto entry = states.constFind(socket);
            if (entry == states.constEnd())
                continue;
            const Client &client = entry.value();
            standings.append({idOf(socket), played.end() - client.place, client.frameBytes + socket->bytesToWrite()});
            sockets.insert(idOf(socket), socket);
        }
        const QVector<ClientBacklogs::Drop> drops = backlogs.overTotal(standings, held);
        if (drops.isEmpty())
            return;
        for (const ClientBacklogs::Drop &dropped : drops)
            drop(sockets.value(dropped.id), dropped.why);
        releaseTaken();
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
            backlogs.startLooking(clock.elapsed());
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
    const qint64 credit = backlogs.look(clock.elapsed());
    bool waitingAny = false;
    const QList<QTcpSocket *> current = clients;
    for (QTcpSocket *socket : current) {
        const auto entry = states.find(socket);
        if (entry == states.end())
            continue;
        const Client &client = entry.value();
        const bool took = noteProgress(socket, client);
        const qint64 waiting = waitingBytes(socket, client);
        const QString why = backlogs.afterLook(idOf(socket), took, waiting, credit);
        if (!why.isEmpty()) {
            drop(socket, why);
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
    sendToAll(ServiceFrames::text(text), clientCount, writtenSum);
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
    backlogs.setMaxPendingBytes(bytes);
}

qint64 Server::maxPendingBytes() const
{
    return backlogs.maxPendingBytes();
}

qint64 Server::maxTotalBytes() const
{
    return backlogs.maxTotalBytes();
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
