#pragma once

#include "ireader.h"

#include <QAbstractSocket>
#include <QString>

class QTcpSocket;

// Reads the receiver, or a replay of it, over a TCP connection.
class SocketReader : public iReader
{
    Q_OBJECT
public:
    explicit SocketReader(QObject *parent);
    ~SocketReader() override;

    // The most bytes the socket takes from the kernel before the program has read them.
    static constexpr qint64 maxReadPerPass = 64 * 1024;

    QString host() const;
    int port() const;
    // Changing a setting on an open socket reconnects at once.
    void setHost(const QString &host);
    void setPort(int port);

    // True from the connection request on, also while the connection is being made.
    // A start that waits for the old connection to close counts as open too.
    bool isOpen() const override;
    // A socket has nothing worth discarding: does nothing.
    void clear() override;

public slots:
    void start() override;
    void stop() override;
    void sendData(const QByteArray &data) override;

protected slots:
    void read();

private slots:
    void closeSocket();
    void socketError();
    void socketStateChanged(QAbstractSocket::SocketState state);
    void connectNow();

private:
    QString m_host;
    int m_port = 0;
    QTcpSocket *m_socket;
    // A start that came while the old connection was still closing (its unsent bytes
    // going out): the new connection is made once the old one has closed.
    bool m_startPending = false;
};
