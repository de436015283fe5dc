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

} // namespace

Server::Server(QWidget *parent) : QWidget(parent), stallCheck(new QTimer(this))
{
    clock.start();
    stallCheck->setSingleShot(true);
    connect(stallCheck, SIGNAL(timeout()), this, SLOT(dropStalledClients()));
}

Server::~Server()
{
    // The listening server and its sockets are our Qt children and go with us; make sure
    // none of them calls back into a half-destroyed service on its way out.
    for (QTcpSocket *socket : qAsConst(clients))
        disconnect(socket, nullptr, this, nullptr);
    clients.clear();
    blockSizes.clear();
    progress.clear();
    if (tcpServer)
        disconnect(tcpServer, nullptr, this, nullptr);
    stallCheck->stop();
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
    clients.append(socket);
    progress.insert(socket, Progress{0, 0, clock.elapsed()});
    sendToClient(socket, QStringLiteral("Server Response: Connected!"));
    updateClientsLabel();
}

void Server::slotReadClient()
{
    appendLog(QStringLiteral("slotReadClient"));
    QTcpSocket *socket = qobject_cast<QTcpSocket *>(sender());
    if (!socket || !clients.contains(socket))
        return;

    for (;;) {
        auto pending = blockSizes.find(socket);
        if (pending == blockSizes.end()) {
            if (socket->bytesAvailable() < 2)
                return;
            const QByteArray lengthField = socket->read(2);
            if (lengthField.size() != 2)
                return;
            pending = blockSizes.insert(
                socket, qFromBigEndian<quint16>(reinterpret_cast<const uchar *>(lengthField.constData())));
        }
        const quint16 length = pending.value();
        if (socket->bytesAvailable() < length)
            return;
        blockSizes.erase(pending);

        // The frame is taken as exactly its stated length and parsed from those bytes
        // alone: fields that claim more than the frame holds read short here instead of
        // eating the frames behind it.
        const QByteArray body = socket->read(length);
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
    blockSizes.remove(socket);
    progress.remove(socket);
    disconnect(socket, nullptr, this, nullptr);
    socket->deleteLater();
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
    const qint64 written = socket->write(data, size);
    // The socket hands what it can to the system now, so its backlog is judged after it
    // had its chance, not while a burst of lines is still on its way out.
    socket->flush();
    const auto entry = progress.find(socket);
    if (entry == progress.end())
        return written;  // gone while flushing (the peer closed), or not one of ours
    if (written > 0)
        entry.value().queued += written;
    if (judgeBacklog(socket, entry.value()))
        drop(socket);
    return written;
}

bool Server::judgeBacklog(QTcpSocket *socket, Progress &client)
{
    const qint64 backlog = socket->bytesToWrite();
    const qint64 now = clock.elapsed();
    const qint64 sent = client.queued - backlog;
    if (sent > client.sent) {
        client.sent = sent;
        client.lastProgressMs = now;
    }
    if (backlog <= pendingCap)
        return false;
    // A reader that is behind for a moment keeps its link: only a client that has taken
    // nothing for a while, or has fallen very far behind, is dropped.
    const qint64 idleMs = now - client.lastProgressMs;
    if (idleMs >= stallTimeoutMs || backlog > pendingCap * maxBacklogFactor)
        return true;
    if (!stallCheck->isActive())
        stallCheck->start(int(stallTimeoutMs - idleMs) + 1);
    return false;
}

void Server::drop(QTcpSocket *socket)
{
    qDebug() << "Dropping a client that does not read:" << socket->peerName()
             << socket->bytesToWrite() << "bytes unsent";
    // Through the ordinary disconnect path: the socket reports disconnected() at once.
    socket->abort();
    if (clients.contains(socket))
        forgetClient(socket);
}

void Server::dropStalledClients()
{
    const QList<QTcpSocket *> current = clients;
    for (QTcpSocket *socket : current) {
        const auto entry = progress.find(socket);
        if (entry != progress.end() && judgeBacklog(socket, entry.value()))
            drop(socket);
    }
}

void Server::sendToAll(const char *data, int size, qint64 *clientCount, qint64 *writtenSum)
{
    // A client dropped during the broadcast is only scheduled for deletion, so the copy
    // stays safe to walk.
    const QList<QTcpSocket *> current = clients;
    qint64 count = 0;
    qint64 sum = 0;
    for (QTcpSocket *socket : current) {
        ++count;
        sum += int(writeToClient(socket, data, size));
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
