#include "replaypeer.h"

#include <QDataStream>
#include <QFile>
#include <QHostAddress>
#include <QTime>

#include <cmath>

ReplayPeer::ReplayPeer(QObject *parent)
    : QObject(parent)
{
    connect(&m_server, &QTcpServer::newConnection, this, &ReplayPeer::acceptClient);
    connect(&m_timer, &QTimer::timeout, this, &ReplayPeer::tick);
    m_since.start();
}

ReplayPeer::~ReplayPeer()
{
    m_timer.stop();
    for (const Client &client : qAsConst(m_clients)) {
        if (client.socket) {
            disconnect(client.socket, nullptr, this, nullptr);
            client.socket->abort();
        }
    }
}

ReplayPeer::Timing ReplayPeer::timing(int speed)
{
    speed = qBound(1, speed, 1000);
    Timing t;
    t.intervalMs = 1000 / speed;
    t.linesPerTick = t.intervalMs <= 30 ? speed / 50 + 1 : 1;
    return t;
}

QList<QByteArray> ReplayPeer::linesOf(const QByteArray &bytes)
{
    QList<QByteArray> lines;
    int start = 0;
    while (start < bytes.size()) {
        int end = bytes.indexOf('\n', start);
        end = end < 0 ? bytes.size() : end + 1;
        QByteArray line = bytes.mid(start, end - start);
        // Text mode: a CR LF line end is read as LF.
        if (line.endsWith("\r\n"))
            line.remove(line.size() - 2, 1);
        // The line's text ends at a NUL, its line feed with it.
        const int nul = line.indexOf('\0');
        if (nul >= 0)
            line.truncate(nul);
        lines.append(line);
        start = end;
    }
    return lines;
}

bool ReplayPeer::loadFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    setLines(linesOf(file.readAll()));
    return true;
}

void ReplayPeer::setLines(const QList<QByteArray> &lines)
{
    m_lines = lines;
    m_position = 0;
    m_finished = false;
}

bool ReplayPeer::listen()
{
    return m_server.isListening() || m_server.listen(QHostAddress::LocalHost, 0);
}

quint16 ReplayPeer::port() const
{
    return m_server.serverPort();
}

void ReplayPeer::setSpeed(int speed)
{
    m_rate = 0;
    m_timing = timing(speed);
    if (m_timer.isActive())
        m_timer.setInterval(m_timing.intervalMs);
}

void ReplayPeer::playAtRate(double linesPerSecond, int burstsPerSecond)
{
    m_rate = linesPerSecond;
    m_bursts = qBound(1, burstsPerSecond, 1000);
    m_rateSent = 0;
    m_finished = false;
    m_clock.start();
    m_timer.setTimerType(Qt::PreciseTimer);
    m_timer.start(1000 / m_bursts);
}

void ReplayPeer::play()
{
    if (m_lines.isEmpty())
        return;
    m_finished = false;
    if (m_rate > 0) {
        playAtRate(m_rate, m_bursts);
        return;
    }
    m_timer.setTimerType(Qt::CoarseTimer);
    m_timer.start(m_timing.intervalMs);
}

void ReplayPeer::pause()
{
    m_timer.stop();
}

void ReplayPeer::stop()
{
    m_timer.stop();
    m_position = 0;
}

void ReplayPeer::acceptClient()
{
    while (QTcpSocket *socket = m_server.nextPendingConnection()) {
        connect(socket, &QTcpSocket::disconnected, this, &ReplayPeer::dropClient);
        Client client;
        client.socket = socket;
        client.queued = socket->write(greeting());
        client.lastProgressMs = m_since.elapsed();
        m_clients.append(client);
        emit clientConnected();
    }
}

void ReplayPeer::dropClient()
{
    auto *socket = qobject_cast<QTcpSocket *>(sender());
    for (int i = m_clients.size() - 1; i >= 0; --i) {
        if (!m_clients.at(i).socket || m_clients.at(i).socket == socket)
            m_clients.removeAt(i);
    }
    if (socket)
        socket->deleteLater();
}

QByteArray ReplayPeer::greeting()
{
    // replay_server's frame: 16-bit length of the rest, the time of day and the text as
    // QDataStream of Qt 4.2 writes them, big-endian.
    QByteArray block;
    QDataStream out(&block, QIODevice::WriteOnly);
    out.setVersion(QDataStream::Qt_4_2);
    out << quint16(0) << QTime::currentTime() << QStringLiteral("Server Response: Connected!");
    out.device()->seek(0);
    out << quint16(block.size() - 2);
    return block;
}

bool ReplayPeer::nextLine(QByteArray *line)
{
    if (m_position >= m_lines.size()) {
        if (!m_loop || m_lines.isEmpty())
            return false;
        m_position = 0;
    }
    *line = m_lines.at(m_position++);
    return true;
}

void ReplayPeer::sendLine(const QByteArray &line)
{
    // Walked over a copy of the sockets: a flush that finds the peer gone aborts the
    // socket, whose disconnected() removes clients from the list on the spot, so no
    // index or reference into the list is held across it.
    QList<QPointer<QTcpSocket>> sockets;
    for (const Client &client : qAsConst(m_clients))
        sockets.append(client.socket);
    for (const QPointer<QTcpSocket> &socket : qAsConst(sockets)) {
        if (!socket)
            continue;
        const qint64 written = socket->write(line);
        socket->flush();
        const int i = indexOf(socket);
        if (i < 0)
            continue;
        Client &client = m_clients[i];
        if (written > 0)
            client.queued += written;
        if (stalled(client)) {
            m_clients.removeAt(i);
            disconnect(socket, nullptr, this, nullptr);
            socket->abort();
            socket->deleteLater();
            ++m_dropped;
        }
    }
    ++m_linesSent;
    m_bytesSent += line.size();
}

int ReplayPeer::indexOf(const QTcpSocket *socket) const
{
    for (int i = 0; i < m_clients.size(); ++i) {
        if (m_clients.at(i).socket == socket)
            return i;
    }
    return -1;
}

bool ReplayPeer::stalled(Client &client)
{
    const qint64 backlog = client.socket->bytesToWrite();
    const qint64 now = m_since.elapsed();
    const qint64 sent = client.queued - backlog;
    if (sent > client.sent) {
        client.sent = sent;
        client.lastProgressMs = now;
    }
    if (backlog <= m_maxPending)
        return false;
    return now - client.lastProgressMs >= stallTimeoutMs || backlog > m_maxPending * maxBacklogFactor;
}

void ReplayPeer::tick()
{
    int count = m_timing.linesPerTick;
    if (m_rate > 0) {
        const qint64 due = qint64(std::floor(m_rate * double(m_clock.nsecsElapsed()) / 1e9));
        count = int(qMin<qint64>(due - m_rateSent, 1 << 20));
        m_rateSent = due;
    }
    QByteArray line;
    for (int i = 0; i < count; ++i) {
        if (!nextLine(&line)) {
            // Without loop the step after the last line ends playback, as Stop does.
            m_timer.stop();
            m_position = 0;
            m_finished = true;
            updateBacklog();
            emit playbackFinished();
            return;
        }
        sendLine(line);
    }
    updateBacklog();
}

void ReplayPeer::updateBacklog()
{
    qint64 largest = 0;
    for (const Client &client : qAsConst(m_clients)) {
        if (client.socket)
            largest = qMax(largest, client.socket->bytesToWrite());
    }
    m_backlog = largest;
}
