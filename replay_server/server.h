#pragma once

#include <QElapsedTimer>
#include <QHash>
#include <QList>
#include <QPointer>
#include <QString>
#include <QWidget>

#include "clientbacklogs.h"
#include "serviceframes.h"
#include "streambacklog.h"

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
    // The rule of whom to keep and whom to drop, and its marks: see ClientBacklogs.
    static constexpr qint64 defaultMaxPendingBytes = ClientBacklogs::defaultMaxPendingBytes;
    static constexpr int stallTimeoutMs = ClientBacklogs::stallTimeoutMs;
    static constexpr int maxBacklogFactor = ClientBacklogs::maxBacklogFactor;
    // The longest text a frame can carry.
    static constexpr int maxFrameTextUnits = ServiceFrames::maxTextUnits;
    // What a client's socket is handed at a time; the rest waits in the shared backlog.
    static constexpr qint64 socketWindowBytes = 64 * 1024;
    // How often the clients with data waiting are looked at.
    static constexpr int stallCheckMs = ClientBacklogs::stallCheckMs;
    // The frames of one client answered in one pass of the event loop: a client that
    // floods frames must not keep playback and the other clients waiting.
    static constexpr int framesPerPass = 32;
    // The replies a client may leave unread before its further frames wait for it to
    // read them.
    static constexpr qint64 maxUnreadReplyBytes = 256 * 1024;
    // What is read ahead of a client's frames: two frames of the longest kind, so that a
    // whole frame always fits.
    static constexpr qint64 readAheadBytes = 2 * (2 + 0xFFFF);

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

    // A client that does not read its data would otherwise make the backlog grow for as
    // long as playback runs; one that holds more than this many unsent bytes and has
    // taken nothing for stallTimeoutMs while it was offered data is dropped, and so is
    // one that falls maxBacklogFactor times this far behind. The backlog of all clients
    // together is held to maxTotalBytes(): past it the clients furthest behind, whose
    // backlog holds the memory, are dropped until it is under.
    void setMaxPendingBytes(qint64 bytes);
    qint64 maxPendingBytes() const;
    qint64 maxTotalBytes() const;
    // The bytes held for all clients now: the played bytes not yet taken by all of them
    // (held once), their own frames waiting and what their sockets still hold.
    qint64 heldBytes() const;

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
    void clientWrote();
    void answerWaitingFrames();

private:
    struct Client;
    qint64 writeToClient(QTcpSocket *socket, const char *data, qint64 size);
    // Answers the client's whole frames, up to framesPerPass of them; what is left waits
    // for the next pass.
    void answerFrames(QTcpSocket *socket);
    bool holdsTooManyReplies(QTcpSocket *socket) const;
    void forgetClient(QTcpSocket *socket);
    void updateClientsLabel();
    // Hands the socket what waits for it, up to its window; false when the client went
    // away meanwhile.
    bool feed(QTcpSocket *socket);
    // Notes what the client has taken, as far as the system tells; true when it took something.
    bool noteProgress(QTcpSocket *socket, const Client &client);
    qint64 waitingBytes(const QTcpSocket *socket, const Client &client) const;
    static ClientBacklogs::Id idOf(const QTcpSocket *socket) { return ClientBacklogs::Id(socket); }
    void dropFarBehind();
    void holdTotal();
    void releaseTaken();
    void watchStalls();
    // Lets the client go and says why; what its system still holds for it is thrown away.
    void drop(QTcpSocket *socket, const QString &why);

    QTcpServer *tcpServer = nullptr;
    QPointer<QLabel> clientsLabel;
    QList<QTcpSocket *> clients;

    // A frame for one client only, which goes out before the played byte at `place`.
    struct Frame {
        qint64 place;
        QByteArray bytes;
    };
    // Where each client has got: its place in the played stream, its own frames that
    // wait and what it was handed.
    struct Client {
        qint64 place = 0;
        // What it sent that is not answered yet, at most readAheadBytes: frames, and
        // the start of one. Kept per client so that one client's half frame cannot
        // swallow another's bytes.
        QByteArray input;
        int inputOffset = 0;
        QList<Frame> frames;
        int frameOffset = 0;
        qint64 frameBytes = 0;
        qint64 handed = 0;
    };
    QHash<QTcpSocket *, Client> states;
    // What each client has taken, and whom to let go.
    ClientBacklogs backlogs;
    StreamBacklog played;
    QElapsedTimer clock;
    // Set while a socket is being fed: its bytesWritten() during the flush is ours.
    bool feeding = false;
    // Looks at the clients with data waiting every stallCheckMs while there are any, so
    // a client that never reads does not keep its backlog for good.
    QTimer *stallCheck;
    // The clients with whole frames left over from an earlier pass, in turn; and the
    // pass that answers them once the event loop has run.
    QList<QTcpSocket *> framesWaiting;
    QTimer *frameTurn;
};
