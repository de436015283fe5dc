#include "socketreader.h"

#include <QAbstractSocket>
#include <QMetaObject>
#include <QTcpSocket>

SocketReader::SocketReader(QObject *parent)
    : iReader(parent)
    , m_socket(new QTcpSocket(this))
{
    // A peer that sends faster than the program takes it in (replay_server at its top
    // speed) is held back by TCP: what is not read yet waits in the kernel, so one pass of
    // the event loop handles a bounded amount and timers and painting get their turn.
    m_socket->setReadBufferSize(maxReadPerPass);
    connect(m_socket, SIGNAL(connected()), this, SIGNAL(connected()));
    // A failed connection closes the reader before the error is told, so a listener
    // that reacts to error() already finds the reader closed.
    connect(m_socket, SIGNAL(errorOccurred(QAbstractSocket::SocketError)), this, SLOT(closeSocket()));
    connect(m_socket, SIGNAL(errorOccurred(QAbstractSocket::SocketError)), this, SLOT(socketError()));
    connect(m_socket, SIGNAL(disconnected()), this, SLOT(closeSocket()));
    connect(m_socket, SIGNAL(stateChanged(QAbstractSocket::SocketState)),
            this, SLOT(socketStateChanged(QAbstractSocket::SocketState)));
}

SocketReader::~SocketReader()
{
    stop();
}

QString SocketReader::host() const
{
    return m_host;
}

int SocketReader::port() const
{
    return m_port;
}

void SocketReader::setHost(const QString &host)
{
    changeSetting(&m_host, host);
}

void SocketReader::setPort(int port)
{
    changeSetting(&m_port, port);
}

bool SocketReader::isOpen() const
{
    return m_socket->isOpen() || m_startPending;
}

void SocketReader::clear()
{
}

void SocketReader::start()
{
    // A socket that was just stopped with bytes still unsent is closing until they are
    // out; asked to connect then, it refuses and the link would stay dead.
    if (m_socket->state() == QAbstractSocket::ClosingState) {
        m_startPending = true;
        return;
    }
    // Already connecting or connected: there is nothing to start.
    if (m_socket->state() != QAbstractSocket::UnconnectedState)
        return;
    m_startPending = false;
    m_socket->connectToHost(m_host, static_cast<quint16>(m_port), QIODevice::ReadWrite,
                            QAbstractSocket::AnyIPProtocol);
    connect(m_socket, SIGNAL(readyRead()), this, SLOT(read()), Qt::UniqueConnection);
}

void SocketReader::stop()
{
    m_startPending = false;
    closeSocket();
}

void SocketReader::closeSocket()
{
    disconnect(m_socket, SIGNAL(readyRead()), this, SLOT(read()));
    if (m_socket->isOpen() || m_socket->state() != QAbstractSocket::UnconnectedState)
        m_socket->close();
}

void SocketReader::socketError()
{
    // An old connection that fails while it closes is no failure of the link the user
    // has: the new connection is still to come.
    if (!m_startPending)
        emit error();
}

void SocketReader::socketStateChanged(QAbstractSocket::SocketState state)
{
    // The socket tells this from inside its own close; it is left alone until that has
    // returned.
    if (state == QAbstractSocket::UnconnectedState && m_startPending)
        QMetaObject::invokeMethod(this, "connectNow", Qt::QueuedConnection);
}

void SocketReader::connectNow()
{
    if (m_startPending && m_socket->state() == QAbstractSocket::UnconnectedState)
        start();
}

void SocketReader::sendData(const QByteArray &data)
{
    if (m_socket->isOpen())
        m_socket->write(data);
}

void SocketReader::read()
{
    deliverChunks(m_socket);
}
