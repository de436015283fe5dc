#pragma once

#include "ireader.h"

#include <QSerialPort>
#include <QString>
#include <QStringList>

// Reads the receiver over a serial port. Only the name and the baud rate are set;
// the other line settings stay at 8 data bits, no parity, one stop bit, no flow control.
class SerialPortReader : public iReader
{
    Q_OBJECT
public:
    explicit SerialPortReader(QObject *parent);
    ~SerialPortReader() override;

    QString portName() const;
    int baudRate() const;
    // Changing a setting on an open port reopens it at once.
    void setPortName(const QString &portName);
    void setBaudRate(int baudRate);

    bool isOpen() const override;
    void clear() override;

    // The names of the ports that are present and not held by another program.
    static QStringList availablePorts();

public slots:
    void start() override;
    void stop() override;
    void sendData(const QByteArray &data) override;

protected slots:
    void read();

private slots:
    void portErrorOccurred(QSerialPort::SerialPortError portError);
    void closeFailedPort();

private:
    QString m_portName;
    int m_baudRate = 0;
    QSerialPort *m_port;
};
