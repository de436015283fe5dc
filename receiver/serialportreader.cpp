#include "serialportreader.h"

#include <QMetaObject>
#include <QSerialPortInfo>

SerialPortReader::SerialPortReader(QObject *parent)
    : iReader(parent)
    , m_port(new QSerialPort(this))
{
    // An adapter pulled out while open shows up only as a resource error of the port;
    // without watching it the data would simply stop and nobody would be told.
    connect(m_port, SIGNAL(errorOccurred(QSerialPort::SerialPortError)),
            this, SLOT(portErrorOccurred(QSerialPort::SerialPortError)));
}

SerialPortReader::~SerialPortReader()
{
    stop();
}

QString SerialPortReader::portName() const
{
    return m_portName;
}

int SerialPortReader::baudRate() const
{
    return m_baudRate;
}

void SerialPortReader::setPortName(const QString &portName)
{
    changeSetting(&m_portName, portName);
}

void SerialPortReader::setBaudRate(int baudRate)
{
    changeSetting(&m_baudRate, baudRate);
}

bool SerialPortReader::isOpen() const
{
    return m_port->isOpen();
}

void SerialPortReader::clear()
{
    m_port->clear(QSerialPort::AllDirections);
}

QStringList SerialPortReader::availablePorts()
{
    QStringList names;
    const auto ports = QSerialPortInfo::availablePorts();
    for (const QSerialPortInfo &info : ports) {
        if (!info.isBusy())
            names << info.portName();
    }
    return names;
}

void SerialPortReader::start()
{
    m_port->setPortName(m_portName);
    m_port->setBaudRate(m_baudRate, QSerialPort::AllDirections);
    if (m_port->open(QIODevice::ReadWrite))
        emit connected();
    else
        emit error();
    // Unique: a second start() must not make every chunk arrive twice.
    connect(m_port, SIGNAL(readyRead()), this, SLOT(read()), Qt::UniqueConnection);
}

void SerialPortReader::stop()
{
    disconnect(m_port, SIGNAL(readyRead()), this, SLOT(read()));
    m_port->close();
}

void SerialPortReader::sendData(const QByteArray &data)
{
    if (m_port->isOpen())
        m_port->write(data);
}

void SerialPortReader::read()
{
    deliverChunks(m_port);
}

namespace {

// A device that went away: a USB adapter pulled out reports a resource error, a line
// that was hung up reads end-of-file, which the port reports as a read error. Either
// way the descriptor stays readable and nothing more will ever come from it.
bool isLinkLost(QSerialPort::SerialPortError portError)
{
    return portError == QSerialPort::ResourceError || portError == QSerialPort::ReadError;
}

} // namespace

void SerialPortReader::portErrorOccurred(QSerialPort::SerialPortError portError)
{
    // The port reports this from inside its own read notification; closing it there
    // would pull the notifier away under its feet, so the close waits for the event loop.
    if (isLinkLost(portError) && m_port->isOpen())
        QMetaObject::invokeMethod(this, "closeFailedPort", Qt::QueuedConnection);
}

void SerialPortReader::closeFailedPort()
{
    // A successful reopen in the meantime clears the port's error: then there is nothing to do.
    if (!m_port->isOpen() || !isLinkLost(m_port->error()))
        return;
    stop();
    emit error();
}
