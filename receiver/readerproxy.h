#pragma once

#include "ireader.h"

#include <QPointer>
#include <QString>
#include <QStringList>

// The one byte source the rest of the program holds. It owns the current serial or
// socket reader, forwards every operation to it and relays its signals, so listeners
// connect once and never see a reader being replaced.
class ReaderProxy : public iReader
{
    Q_OBJECT
public:
    explicit ReaderProxy(QObject *parent);
    ~ReaderProxy() override;

    bool isOpen() const override;
    void clear() override;

    ConnectionMode readerType() const;

    // Replace the current reader by a new, not yet started one.
    void openSerialPort(const QString &portName, int baudRate);
    void openSocket(const QString &host, int port);

    // Fill the settings of the current reader when it is of that kind.
    bool serialSettings(QString &portName, int &baudRate) const;
    bool socketSettings(QString &host, int &port) const;

    static QStringList serialPortNames();

    // For the windows that follow the baud-rate search; nothing is stored.
    void emitDisplayTestBaudRate(int baudRate);
    void emitDisplayBaudRateMaster(bool isFound);

signals:
    void displayTestBaudRate(int baudRate);
    void displayBaudRateMaster(bool isFound);

public slots:
    void start() override;
    void stop() override;
    // true holds back the received data (the link stays open), false lets it through again.
    void pause(bool paused);
    void sendData(const QByteArray &data) override;

private:
    void replaceReader(iReader *reader);
    void connectReader(iReader *reader);

    QPointer<iReader> m_reader;
};
