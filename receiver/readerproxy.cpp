#include "readerproxy.h"

#include "serialportreader.h"
#include "socketreader.h"

ReaderProxy::ReaderProxy(QObject *parent)
    : iReader(parent)
{
}

ReaderProxy::~ReaderProxy() = default;

bool ReaderProxy::isOpen() const
{
    return m_reader && m_reader->isOpen();
}

void ReaderProxy::clear()
{
    if (m_reader)
        m_reader->clear();
}

ConnectionMode ReaderProxy::readerType() const
{
    if (qobject_cast<SerialPortReader *>(m_reader.data()))
        return ConnectionMode::SerialPort;
    if (qobject_cast<SocketReader *>(m_reader.data()))
        return ConnectionMode::TcpSocket;
    return ConnectionMode::NoLink;
}

void ReaderProxy::openSerialPort(const QString &portName, int baudRate)
{
    auto *reader = new SerialPortReader(this);
    reader->setPortName(portName);
    reader->setBaudRate(baudRate);
    replaceReader(reader);
}

void ReaderProxy::openSocket(const QString &host, int port)
{
    auto *reader = new SocketReader(this);
    reader->setHost(host);
    reader->setPort(port);
    replaceReader(reader);
}

bool ReaderProxy::serialSettings(QString &portName, int &baudRate) const
{
    auto *serial = qobject_cast<SerialPortReader *>(m_reader.data());
    if (!serial)
        return false;
    portName = serial->portName();
    baudRate = serial->baudRate();
    return true;
}

bool ReaderProxy::socketSettings(QString &host, int &port) const
{
    auto *socket = qobject_cast<SocketReader *>(m_reader.data());
    if (!socket)
        return false;
    host = socket->host();
    port = socket->port();
    return true;
}

QStringList ReaderProxy::serialPortNames()
{
    return SerialPortReader::availablePorts();
}

void ReaderProxy::emitDisplayTestBaudRate(int baudRate)
{
    emit displayTestBaudRate(baudRate);
}

void ReaderProxy::emitDisplayBaudRateMaster(bool isFound)
{
    emit displayBaudRateMaster(isFound);
}

void ReaderProxy::start()
{
    if (m_reader)
        m_reader->start();
}

void ReaderProxy::stop()
{
    if (m_reader)
        m_reader->stop();
}

void ReaderProxy::pause(bool paused)
{
    if (!m_reader)
        return;
    if (paused) {
        disconnect(m_reader, SIGNAL(dataRead(QByteArray)), this, SIGNAL(dataRead(QByteArray)));
    } else {
        // Unique: continuing twice, or continuing a reader that was never paused,
        // must not deliver every chunk twice.
        connect(m_reader, SIGNAL(dataRead(QByteArray)), this, SIGNAL(dataRead(QByteArray)),
                Qt::UniqueConnection);
    }
}

void ReaderProxy::sendData(const QByteArray &data)
{
    if (m_reader)
        m_reader->sendData(data);
}

void ReaderProxy::replaceReader(iReader *reader)
{
    if (m_reader) {
        // The old reader is forgotten: whatever it still reads or reports until the
        // event loop deletes it must not reach our listeners as if it came from the new one.
        m_reader->disconnect(this);
        m_reader->deleteLater();
    }
    m_reader = reader;
    connectReader(reader);
}

void ReaderProxy::connectReader(iReader *reader)
{
    connect(reader, SIGNAL(dataRead(QByteArray)), this, SIGNAL(dataRead(QByteArray)),
            Qt::UniqueConnection);
    connect(reader, SIGNAL(connected()), this, SIGNAL(connected()), Qt::UniqueConnection);
    connect(reader, SIGNAL(error()), this, SIGNAL(error()), Qt::UniqueConnection);
}
