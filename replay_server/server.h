#pragma once

#include <QElapsedTimer>
#include <QHash>
#include <QList>
#include <QPointer>
#include <QString>
#include <QWidget>

class QLabel;
class QTimer;
class QTcpServer;
class QTcpSocket;

// The TCP side of the replay program. It listens on one port on every local address, greets
// each client with a frame, answers every frame a client sends with a frame quoting its text,
// and writes the played bytes, unframed, to every client.
//
// A frame is a 16-bit big-endian length of the rest, then a time of day and a text, both as
// QDataStream (version Qt_4_2) writes a QTime and a QString.
class Server : public QWidget
{
    Q_OBJECT

public:
    // Unsent bytes a client may hold while it does not read before it is dropped,
    // unless told otherwise.
    static constexpr qint64 defaultMaxPendingBytes = 4 * 1024 * 1024;
    // How long a client over that mark may take no byte at all before it is dropped.
    static constexpr int stallTimeoutMs = 1000;
    // A client that reads, but falls this many times the mark behind, is dropped all the
    // same: what it holds must stay bounded.
    static constexpr int maxBacklogFactor = 16;
    // The longest text a frame can carry: the 16-bit length covers the 4-byte time,
    // the 4-byte text size and two bytes per UTF-16 unit.
    static constexpr int maxFrameTextUnits = (0xFFFF - 8) / 2;

    explicit Server(QWidget *parent = nullptr);
    ~Server() override;

    void InitFromPort(int port);
    void CloseServer();

    void sendToClient(QTcpSocket *socket, const QString &text);

    void sendToAll(const char *data, int size, qint64 *clientCount = nullptr,
                   qint64 *writtenSum = nullptr);
    void sendToAll(const QByteArray &data, qint64 *clientCount = nullptr,
                   qint64 *writtenSum = nullptr);
    void sendToAll(const QString &text, qint64 *clientCount = nullptr,
                   qint64 *writtenSum = nullptr);

    void sendToClientAt(int index, const QString &text);
    int sendToClientAt(int index, const char *data, int size);

    // A label that follows the number of clients; none unless given.
    void setClientsLabel(QLabel *label);

    // A client that does not read its data would otherwise make its write buffer grow for
    // as long as playback runs; one that holds more than this many unsent bytes and has
    // taken nothing for stallTimeoutMs is dropped.
    void setMaxPendingBytes(qint64 bytes);
    qint64 maxPendingBytes() const;

    // The port actually listened on (useful after a start on port 0), 0 when not listening.
    quint16 serverPort() const;
    bool isListening() const;
    int clientCount() const;

public slots:
    void slotNewConnection();
    void slotReadClient();
    void slotDisconnect();

private slots:
    void dropStalledClients();

private:
    qint64 writeToClient(QTcpSocket *socket, const char *data, qint64 size);
    void forgetClient(QTcpSocket *socket);
    void updateClientsLabel();
    struct Progress;
    // Notes what has left the client's socket; true when the client is to be dropped.
    bool judgeBacklog(QTcpSocket *socket, Progress &client);
    void drop(QTcpSocket *socket);

    QTcpServer *tcpServer = nullptr;
    // The length of the frame each client has half sent; a client is absent while no
    // frame of it is pending. Kept per client so that one client's half frame cannot
    // swallow another's bytes.
    QHash<QTcpSocket *, quint16> blockSizes;
    QPointer<QLabel> clientsLabel;
    QList<QTcpSocket *> clients;
    qint64 pendingCap = defaultMaxPendingBytes;

    // How far each client has got: what we handed its socket, what has left the socket
    // for the system, and when that last grew.
    struct Progress {
        qint64 queued = 0;
        qint64 sent = 0;
        qint64 lastProgressMs = 0;
    };
    QHash<QTcpSocket *, Progress> progress;
    QElapsedTimer clock;
    // Looks again at the clients over the mark when no write comes (playback paused or
    // at its end), so a client that never reads does not keep its backlog for good.
    QTimer *stallCheck;
};
