#pragma once

#include <QHash>
#include <QString>
#include <QVector>
#include <QtGlobal>

// Whom the replay service keeps and whom it lets go. A client that does not read would make
// what is held for it grow for as long as playback runs; three rules bound that:
// - a client that holds more than the mark (maxPendingBytes) and takes nothing for
//   stallTimeoutMs in which it was offered data goes;
// - a client that falls maxBacklogFactor times the mark behind goes;
// - all clients together hold at most as much (maxTotalBytes); past it, the clients whose
//   backlog holds the memory go, furthest behind first, until the total is under it.
// The service tells it the facts as it sees them on its sockets (what each client has
// taken, how far behind it is, what the service holds) and lets go whom it names, giving
// the reason this returns.
class ClientBacklogs
{
public:
    // The service's handle for a client; never dereferenced here.
    using Id = quintptr;

    // Unsent bytes a client may hold while it does not read, unless told otherwise.
    static constexpr qint64 defaultMaxPendingBytes = 4 * 1024 * 1024;
    // How long a client over the mark may take no byte at all, while the service is
    // offering it data, before it goes. A client that reads slowly is seen to take its
    // data only in steps: its system acknowledges what it took when its receive window
    // opens again, some 90 to 130 KB at a time on a local link, up to 13 s apart for a
    // reader of 10 KB/s. The span holds such a step with room to spare; a client that
    // takes nothing at all goes after it.
    static constexpr int stallTimeoutMs = 20000;
    // A client that reads, but falls this many times the mark behind, goes all the same:
    // what it holds must stay bounded. All clients together may hold as much.
    static constexpr int maxBacklogFactor = 16;
    // How often the service looks at the clients with data waiting.
    static constexpr int stallCheckMs = 100;

    // Where a client stands. The played bytes are held once, from the place of the client
    // furthest behind, so `behind` says how much of them that client keeps in memory;
    // `own` is what is held for it alone (its replies waiting, what its socket holds).
    struct Standing {
        Id id;
        qint64 behind;
        qint64 own;
    };
    struct Drop {
        Id id;
        QString why;
    };

    void setMaxPendingBytes(qint64 bytes) { pendingCap = bytes; }
    qint64 maxPendingBytes() const { return pendingCap; }
    qint64 maxTotalBytes() const { return pendingCap * maxBacklogFactor; }

    void add(Id id, qint64 nowMs);
    void remove(Id id);
    void clear();

    // The client has taken `taken` bytes in all, as far as its system tells; true when
    // that is more than before.
    bool noteTaken(Id id, qint64 taken, qint64 nowMs);

    // The service starts looking at its clients every stallCheckMs.
    void startLooking(qint64 nowMs);
    // A look at `nowMs`: the time since the last that counts against a client. Only time
    // in which the service could offer data does: a look that comes late, because the
    // service was busy, counts as one interval.
    qint64 look(qint64 nowMs);
    // At a look worth `creditMs`, the client did or did not take something and has
    // `unsent` bytes waiting: why it goes, or nothing when it stays.
    QString afterLook(Id id, bool took, qint64 unsent, qint64 creditMs);

    // Why a client with `unsent` bytes waiting goes at once, or nothing when it stays.
    QString farBehind(qint64 unsent) const;

    // The service holds `held` bytes for all clients, which stand as given: the clients
    // to go, in order, so that the total comes under maxTotalBytes(). Letting go of the
    // client furthest behind frees what is held for it alone and the played bytes up to
    // the next one's place; one nearer the front frees none of those, so it goes only
    // when every client behind it has gone and the total is still over.
    QVector<Drop> overTotal(QVector<Standing> standings, qint64 held) const;

private:
    struct Progress {
        qint64 taken = 0;
        qint64 lastTakenMs = 0;
        // Time offered data without taking any.
        qint64 stalledMs = 0;
        // Had data waiting at the last look.
        bool offered = false;
    };
    QHash<Id, Progress> progress;
    qint64 pendingCap = defaultMaxPendingBytes;
    qint64 lastLookMs = 0;
};
