#include "scriptedreceiver.h"

#include <QHostAddress>
#include <QTimer>

#include <sys/socket.h>

namespace {

const char Sync1 = 0x21;
const char Sync2 = 0x4E;
const int HeaderSize = 6; // sync, sync, group, sub-id, length
const int ChecksumSize = 2;
// A command frame carries at most a firmware page and its index; anything that
// claims more is taken as noise and the hunt for a sync pair goes on.
const int MaxCommandPayload = 4096;

} // namespace

ScriptedReceiver::ScriptedReceiver(QObject *parent)
    : QObject(parent)
{
    connect(&server, &QTcpServer::newConnection, this, &ScriptedReceiver::acceptClient);
}

ScriptedReceiver::~ScriptedReceiver() = default;

bool ScriptedReceiver::listen()
{
    return server.listen(QHostAddress::LocalHost, 0);
}

quint16 ScriptedReceiver::port() const
{
    return server.serverPort();
}

bool ScriptedReceiver::hasClient() const
{
    return client && client->state() == QAbstractSocket::ConnectedState;
}

void ScriptedReceiver::answerNext(const QList<Answer> &answers)
{
    next.append(answers);
}

void ScriptedReceiver::answerAlways(quint8 group, quint8 subId, const Answer &answer)
{
    rules.insert(key(group, subId), [answer](const Command &) { return answer; });
}

void ScriptedReceiver::answerAlways(quint8 group, quint8 subId, const Responder &responder)
{
    rules.insert(key(group, subId), responder);
}

void ScriptedReceiver::setFallback(const Responder &responder)
{
    fallback = responder;
}

void ScriptedReceiver::setFallback(const Answer &answer)
{
    fallback = [answer](const Command &) { return answer; };
}

int ScriptedReceiver::pendingAnswers() const
{
    return next.size();
}

ScriptedReceiver::Answer ScriptedReceiver::status(quint8 status, const QByteArray &payload)
{
    return Answer{frame(0, status, payload), 0};
}

ScriptedReceiver::Answer ScriptedReceiver::refused() { return status(0); }
ScriptedReceiver::Answer ScriptedReceiver::done() { return status(1); }
ScriptedReceiver::Answer ScriptedReceiver::data(const QByteArray &payload) { return status(2, payload); }
ScriptedReceiver::Answer ScriptedReceiver::silence() { return Answer{}; }

ScriptedReceiver::Answer ScriptedReceiver::late(Answer answer, int delayMs)
{
    answer.delayMs = delayMs;
    return answer;
}

ScriptedReceiver::Answer ScriptedReceiver::twice(Answer answer)
{
    answer.bytes += answer.bytes;
    return answer;
}

ScriptedReceiver::Answer ScriptedReceiver::raw(const QByteArray &bytes)
{
    return Answer{bytes, 0};
}

void ScriptedReceiver::send(const QByteArray &bytes)
{
    if (client && !bytes.isEmpty())
        client->write(bytes);
}

QList<ScriptedReceiver::Command> ScriptedReceiver::commands() const
{
    return received;
}

int ScriptedReceiver::count(quint8 group, quint8 subId) const
{
    int n = 0;
    for (const Command &command : received) {
        if (command.group == group && command.subId == subId)
            ++n;
    }
    return n;
}

int ScriptedReceiver::badFrames() const
{
    return bad;
}

QByteArray ScriptedReceiver::strayBytes() const
{
    return stray;
}

void ScriptedReceiver::clearRecord()
{
    received.clear();
    stray.clear();
    bad = 0;
}

quint16 ScriptedReceiver::checksum(const QByteArray &bytes)
{
    // Fletcher-16 with both sums starting at 0xFF, folded every 21 bytes and once at the end.
    quint32 a = 0xFF;
    quint32 b = 0xFF;
    int inBlock = 0;
    for (char c : bytes) {
        a += quint8(c);
        b += a;
        if (++inBlock == 21) {
            a = (a & 0xFF) + (a >> 8);
            b = (b & 0xFF) + (b >> 8);
            inBlock = 0;
        }
    }
    if (inBlock != 0 || bytes.isEmpty()) {
        a = (a & 0xFF) + (a >> 8);
        b = (b & 0xFF) + (b >> 8);
    }
    a = (a & 0xFF) + (a >> 8);
    b = (b & 0xFF) + (b >> 8);
    return quint16(((b << 8) | (a & 0xFF)) & 0xFFFF);
}

QByteArray ScriptedReceiver::frame(quint8 kind, quint8 id, const QByteArray &payload)
{
    QByteArray body;
    body.append(char(kind));
    body.append(char(id));
    body.append(char(payload.size() & 0xFF));
    body.append(char((payload.size() >> 8) & 0xFF));
    body.append(payload);
    const quint16 sum = checksum(body);
    QByteArray out;
    out.append(Sync1);
    out.append(Sync2);
    out.append(body);
    out.append(char(sum & 0xFF));
    out.append(char(sum >> 8));
    return out;
}

void ScriptedReceiver::endLink(bool reset)
{
    if (!client)
        return;
    QTcpSocket *socket = client;
    client.clear();
    connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    if (reset) {
        // A close with a zero linger time sends RST instead of FIN.
        const linger now{1, 0};
        ::setsockopt(int(socket->socketDescriptor()), SOL_SOCKET, SO_LINGER, &now, sizeof now);
        socket->abort();
        socket->deleteLater();
    } else {
        socket->disconnectFromHost();
    }
}

void ScriptedReceiver::acceptClient()
{
    while (QTcpSocket *socket = server.nextPendingConnection()) {
        if (client)
            client->deleteLater();
        client = socket;
        buffer.clear();
        connect(socket, &QTcpSocket::readyRead, this, &ScriptedReceiver::readClient);
        emit clientConnected();
    }
}

void ScriptedReceiver::readClient()
{
    if (!client)
        return;
    buffer.append(client->readAll());
    cutFrames();
}

void ScriptedReceiver::cutFrames()
{
    for (;;) {
        // Hunt for the sync pair; whatever lies before it is stray.
        int start = 0;
        while (start + 1 < buffer.size() && !(buffer.at(start) == Sync1 && buffer.at(start + 1) == Sync2))
            ++start;
        if (start + 1 >= buffer.size() && !buffer.endsWith(Sync1))
            start = buffer.size(); // no sync pair and no half of one
        if (start > 0) {
            stray.append(buffer.left(start));
            buffer.remove(0, start);
        }
        if (buffer.size() < HeaderSize)
            return;
        const int length = quint8(buffer.at(4)) | (quint8(buffer.at(5)) << 8);
        if (length > MaxCommandPayload) {
            stray.append(buffer.left(2));
            buffer.remove(0, 2);
            continue;
        }
        const int total = HeaderSize + length + ChecksumSize;
        if (buffer.size() < total)
            return;
        Command command;
        command.frame = buffer.left(total);
        buffer.remove(0, total);
        command.group = quint8(command.frame.at(2));
        command.subId = quint8(command.frame.at(3));
        command.payload = command.frame.mid(HeaderSize, length);
        const quint16 got = quint16(quint8(command.frame.at(total - 2)) | (quint8(command.frame.at(total - 1)) << 8));
        command.checksumOk = got == checksum(command.frame.mid(2, 4 + length));
        received.append(command);
        if (!command.checksumOk) {
            // A receiver drops a frame whose checksum fails and says nothing.
            ++bad;
            emit commandReceived(received.size() - 1);
            continue;
        }
        emit commandReceived(received.size() - 1);
        respond(command);
    }
}

ScriptedReceiver::Answer ScriptedReceiver::answerFor(const Command &command)
{
    if (!next.isEmpty())
        return next.takeFirst();
    const auto rule = rules.constFind(key(command.group, command.subId));
    if (rule != rules.constEnd())
        return (*rule)(command);
    if (fallback)
        return fallback(command);
    return silence();
}

void ScriptedReceiver::respond(const Command &command)
{
    const Answer answer = answerFor(command);
    if (answer.bytes.isEmpty())
        return;
    if (answer.delayMs <= 0) {
        send(answer.bytes);
        return;
    }
    QPointer<QTcpSocket> target = client;
    const QByteArray bytes = answer.bytes;
    QTimer::singleShot(answer.delayMs, this, [target, bytes]() {
        if (target)
            target->write(bytes);
    });
}

quint32 ScriptedReceiver::key(quint8 group, quint8 subId)
{
    return (quint32(group) << 8) | subId;
}
