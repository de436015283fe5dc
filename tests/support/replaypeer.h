#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

#include <atomic>

// A replay_server stand-in on 127.0.0.1 for tests and benchmarks: it plays a recorded
// log to every client the way replay_server does, so polvane can be fed a session
// without the replay program's window.
//
//   ReplayPeer peer;
//   QVERIFY(peer.loadFile(QStringLiteral(POLVANE_SAMPLE_LOG)));
//   QVERIFY(peer.listen());
//   ... polvane connects to 127.0.0.1:peer.port() ...
//   peer.setSpeed(1000);
//   peer.play();
//   QTRY_VERIFY(peer.finished());
//
// What a client receives, as from replay_server: first the 64-byte greeting frame
// "Server Response: Connected!", then the lines unframed, each with the single line
// feed that reading the file in text mode leaves (a CR LF arrives as LF). The pace is
// replay_server's timing rule for a speed s from 1 to 1000: a tick every 1000 / s ms
// sending s / 50 + 1 lines when that interval is 30 ms or less, else one line. A client
// that leaves more than maxPending() bytes unread is dropped, as replay_server drops it.
//
// For benchmarks there is also a steady rate in lines per second (playAtRate), sent in a
// given number of bursts a second (a receiver at 10 Hz writes each epoch at once), paced
// by the clock rather than by counting ticks, so a late tick sends more lines and the
// rate holds. The counters may be read from another thread while the peer plays in its
// own.
class ReplayPeer : public QObject
{
    Q_OBJECT

public:
    struct Timing {
        int intervalMs = 1000;
        int linesPerTick = 1;
    };

    explicit ReplayPeer(QObject *parent = nullptr);
    ~ReplayPeer() override;

    // replay_server's timing rule.
    static Timing timing(int speed);

    // The lines of a log as replay_server holds them after loading it: cut after each
    // line feed, a CR before it removed, the text up to a NUL.
    static QList<QByteArray> linesOf(const QByteArray &bytes);
    bool loadFile(const QString &path);
    void setLines(const QList<QByteArray> &lines);
    const QList<QByteArray> &lines() const { return m_lines; }

    bool listen();
    quint16 port() const;
    int clientCount() const { return m_clients.size(); }
    static constexpr int stallTimeoutMs = 1000;
    static constexpr int maxBacklogFactor = 16;

    void setSpeed(int speed);
    void playAtRate(double linesPerSecond, int burstsPerSecond = 200);
    void setLoop(bool loop) { m_loop = loop; }
    // Plays from the current position (the first line at the start and after stop()).
    void play();
    void pause();
    void stop();
    bool isPlaying() const { return m_timer.isActive(); }
    // True once the last line has been sent without loop.
    bool finished() const { return m_finished; }
    int position() const { return m_position; }

    void setMaxPending(qint64 bytes) { m_maxPending = bytes; }
    qint64 maxPending() const { return m_maxPending; }

    qint64 linesSent() const { return m_linesSent.load(); }
    qint64 bytesSent() const { return m_bytesSent.load(); }
    // Bytes handed to the client sockets that the kernel has not taken yet (largest over
    // the clients), as of the last tick.
    qint64 backlog() const { return m_backlog.load(); }
    int droppedClients() const { return m_dropped.load(); }

signals:
    void clientConnected();
    void playbackFinished();

private slots:
    void acceptClient();
    void dropClient();
    void tick();

private:
    struct Client {
        QPointer<QTcpSocket> socket;
        qint64 queued = 0;
        qint64 sent = 0;
        qint64 lastProgressMs = 0;
    };

    static QByteArray greeting();
    bool stalled(Client &client);
    int indexOf(const QTcpSocket *socket) const;
    void sendLine(const QByteArray &line);
    bool nextLine(QByteArray *line);
    void updateBacklog();

    QTcpServer m_server;
    QList<Client> m_clients;
    QElapsedTimer m_since;
    QList<QByteArray> m_lines;
    QTimer m_timer;
    QElapsedTimer m_clock;
    Timing m_timing;
    double m_rate = 0; // lines per second; 0 plays by the timing rule
    int m_bursts = 200;
    qint64 m_rateSent = 0;
    int m_position = 0;
    bool m_loop = false;
    bool m_finished = false;
    qint64 m_maxPending = 4 * 1024 * 1024;
    std::atomic<qint64> m_linesSent{0};
    std::atomic<qint64> m_bytesSent{0};
    std::atomic<qint64> m_backlog{0};
    std::atomic<int> m_dropped{0};
};
