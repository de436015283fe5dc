#include "socketreader.h"

#include <QAbstractSocket>
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
    connect(m_socket, SIGNAL(errorOccurred(QAbstractSocket::SocketError)), this, SLOT(stop()));
    connect(m_socket, SIGNAL(errorOccurred(QAbstractSocket::SocketError)), this, SIGNAL(error()));
    connect(m_socket, SIGNAL(disconnected()), this, SLOT(stop()));
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
    return m_socket->isOpen();
}

void SocketReader::clear()
{
}

void SocketReader::start()
{
    m_socket->connectToHost(m_host, static_cast<quint16>(m_port), QIODevice::ReadWrite,
                            QAbstractSocket::AnyIPProtocol);
    connect(m_socket, SIGNAL(readyRead()), this, SLOT(read()), Qt::UniqueConnection);
}

void SocketReader::stop()
{
    disconnect(m_socket, SIGNAL(readyRead()), this, SLOT(read()));
    if (m_socket->isOpen() || m_socket->state() != QAbstractSocket::UnconnectedState)
        m_socket->close();
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
