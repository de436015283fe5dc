// Playback to real TCP clients on 127.0.0.1: clients that read as fast as they can, one
// that reads in fits and starts, and one that never reads.
#include <QCheckBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QVector>
#include <QtTest>

#include <algorithm>
#include <cstring>
#include <functional>
#include <memory>
#include <vector>

#include "connectguard.h"
#include "looplag.h"
#include "mainwindow.h"
#include "replaytestclient.h"
#include "threadclock.h"
#include "typednumbers.h"

#include <sys/ioctl.h>

namespace {

const int Greeting = 64;

QByteArray numberedLines(int count, int width)
{
    QByteArray bytes;
    for (int i = 0; i < count; ++i) {
        QByteArray line = "$GPTXT,line " + QByteArray::number(i);
        if (line.size() < width)
            line.append(QByteArray(width - line.size(), '.'));
        bytes += line + '\n';
    }
    return bytes;
}

// The service says on the debug channel when it drops a client; counted here. The line it
// writes for every frame a client sends is only counted, or a flood would drown the output.
int droppedMessages = 0;
qint64 lastDropUnsent = 0;
QStringList dropLines;
qint64 framesReadMessages = 0;
QtMessageHandler previousHandler = nullptr;
// Runs as the service says it drops a client, before it lets the client go.
std::function<void()> atDrop;

void countDrops(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (message.startsWith(QLatin1String("Dropping client "))) {
        ++droppedMessages;
        dropLines << message;
        const QRegularExpressionMatch unsent = QRegularExpression(QStringLiteral("(\\d+) bytes unsent$")).match(message);
        lastDropUnsent = unsent.hasMatch() ? unsent.captured(1).toLongLong() : 0;
        if (atDrop)
            atDrop();
    }
    if (message.startsWith(QLatin1String("Read From"))) {
        ++framesReadMessages;
        return;
    }
    if (previousHandler)
        previousHandler(type, context, message);
}

// Checks a stream against `file` played over and over, without keeping it.
struct LoopedStream
{
    const QByteArray *file = nullptr;
    qint64 total = 0;
    bool intact = true;

    void take(const QByteArray &bytes)
    {
        for (int at = 0; at < bytes.size() && intact;) {
            const int offset = int(total % file->size());
            const int size = qMin(bytes.size() - at, file->size() - offset);
            intact = std::memcmp(bytes.constData() + at, file->constData() + offset, size_t(size)) == 0;
            at += size;
            total += size;
        }
    }
};

} // namespace

class TestReplayClients : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void onlyTheClientThatNeverReadsIsDropped();
    void slowSteadyReadersKeepTheirLink();
    void aFloodingClientDoesNotStallPlayback();
    void aReaderAmongSilentClientsGetsEveryByte();
    void timeTheServiceWasBusyIsNotTheClients_data();
    void timeTheServiceWasBusyIsNotTheClients();
    void playbackNeverRunsAheadOfItsRule_data();
    void playbackNeverRunsAheadOfItsRule();
    void theTotalLetsGoOfTheClientFurthestBehind_data();
    void theTotalLetsGoOfTheClientFurthestBehind();

private:
    template <class T> T *widget(const char *name) { return window->findChild<T *>(QLatin1String(name)); }
    void load(const QByteArray &bytes);
    ReplayTestClient *connectClient(int receiveBuffer = 0, bool silent = false);
    void play(int speed);
    bool stopped() { return widget<QPushButton>("btnPlay")->text() == QLatin1String("Play"); }

    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<MainWindow> window;
    std::vector<std::unique_ptr<ReplayTestClient>> clients;
};

void TestReplayClients::initTestCase()
{
    installConnectGuard();
    previousHandler = qInstallMessageHandler(countDrops);
}

void TestReplayClients::init()
{
    droppedMessages = 0;
    dropLines.clear();
    framesReadMessages = 0;
    dir.reset(new QTemporaryDir);
    QVERIFY(dir->isValid());
    window.reset(new MainWindow);
    // A port the system picks, typed as a person does, so runs side by side never meet.
    typeOver(widget<QLineEdit>("port"), QStringLiteral("0"));
    QTest::keyClick(widget<QLineEdit>("port"), Qt::Key_Return);
    QVERIFY(window->replayServer().isListening());
}

void TestReplayClients::cleanup()
{
    atDrop = nullptr;
    clients.clear();
    window.reset();
    dir.reset();
}

void TestReplayClients::load(const QByteArray &bytes)
{
    const QString path = dir->filePath(QStringLiteral("replay.log"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), qint64(bytes.size()));
    file.close();
    window->setFileChooser([path] { return path; });
    widget<QPushButton>("pushButton")->click();
}

ReplayTestClient *TestReplayClients::connectClient(int receiveBuffer, bool silent)
{
    Server &server = window->replayServer();
    const int before = server.clientCount();
    clients.emplace_back(new ReplayTestClient(server.serverPort(), receiveBuffer));
    ReplayTestClient *client = clients.back().get();
    if (silent)
        client->socket.setReadBufferSize(1);
    [&] { QTRY_COMPARE_WITH_TIMEOUT(server.clientCount(), before + 1, 5000); }();
    if (!silent) {
        [&] { QTRY_VERIFY_WITH_TIMEOUT(client->collect() >= Greeting, 5000); }();
        client->received.remove(0, Greeting);
    }
    return client;
}

void TestReplayClients::play(int speed)
{
    widget<QSpinBox>("speed")->setValue(speed);
    widget<QPushButton>("btnPlay")->click();
}

void TestReplayClients::onlyTheClientThatNeverReadsIsDropped()
{
    // 20 MB in long lines at full speed: bursts far beyond what the system buffers hold.
    const QByteArray file = numberedLines(2000, 10 * 1024 - 1);
    load(file);
    std::vector<ReplayTestClient *> readers{connectClient(), connectClient(), connectClient()};
    ReplayTestClient *silent = connectClient(0, true);
    Server &server = window->replayServer();
    QCOMPARE(server.clientCount(), 4);
    qint64 silentHadAtDrop = -1;
    atDrop = [&] {
        int queued = 0;
        if (::ioctl(int(silent->socket.socketDescriptor()), FIONREAD, &queued) == 0)
            silentHadAtDrop = silent->socket.bytesAvailable() + queued;
    };

    play(1000);
    const auto receivedByReaders = [&] {
        qint64 sum = 0;
        for (ReplayTestClient *reader : readers)
            sum += reader->collect();
        return sum;
    };
    // Bounded by progress: it fails when nothing arrives and nobody is dropped.
    const bool done = runEventsWhileProgressing(
        [&] { return receivedByReaders() == 3 * qint64(file.size()) && server.clientCount() == 3 && stopped(); },
        [&] { return receivedByReaders() + 4 - server.clientCount(); }, Server::stallTimeoutMs + 10000, 240000);
    QVERIFY2(done, QByteArray::number(receivedByReaders()).constData());

    for (ReplayTestClient *reader : readers) {
        QVERIFY(reader->connected());
        QVERIFY(reader->received == file);
    }
    QCOMPARE(droppedMessages, 1);
    QCOMPARE(widget<QTextEdit>("textEdit")->toPlainText().count(QStringLiteral("slotDisconnect")), 1);

    // The silent one was cut off: what it got is the start of the stream and no more, and
    // nothing that had not reached its side when it was dropped.
    silent->socket.setReadBufferSize(0);
    QTRY_VERIFY_WITH_TIMEOUT((silent->collect(), !silent->connected()), 10000);
    QVERIFY2(silent->received.size() <= silentHadAtDrop,
             QByteArray::number(silent->received.size()) + " > " + QByteArray::number(silentHadAtDrop));
    QVERIFY(silent->received.size() > Greeting);
    QVERIFY(silent->received.size() < Greeting + file.size());
    QVERIFY(file.startsWith(silent->received.mid(Greeting)));
}

void TestReplayClients::slowSteadyReadersKeepTheirLink()
{
    // Readers that take a little in every tenth of a second, all slower than playback at
    // full speed (some 1.2 MB/s of short lines), and one client that takes nothing, side by
    // side on one service as built. The readers fall behind by megabytes, far past the
    // mark, and keep their links; the silent one goes as the README says. The slowest
    // takes some 12 KB/s the way the service sees a serial line's pace through its
    // system: 130 KB at a time, seconds apart. Each keeps its pace by the clock, not by
    // counting this thread's timeouts: on a busy machine those come late, and a reader
    // paced by them would be slower than the README's 10 KB/s.
    struct Row {
        const char *name;
        qint64 bytes;
        int everyMs;
    };
    const Row rows[] = {{"128 KiB every 11 s", 128 * 1024, 11000}, {"50 KB/s", 5000, 100}, {"600 KB/s", 60000, 100}, {"1 MB/s", 100000, 100}};
    // Long enough for the silent client to go, short of the slowest reader falling 64 MiB behind.
    const int keptMs = 40000;

    const QByteArray file = numberedLines(20000, 57);
    load(file);
    widget<QCheckBox>("loop")->setChecked(true);
    Server &server = window->replayServer();
    struct Reader {
        const char *name;
        ReplayTestClient *client;
        qint64 bytes;
        int everyMs;
        LoopedStream stream;
        qint64 reads = 0;
    };
    std::vector<Reader> readers;
    for (const Row &row : rows) {
        ReplayTestClient *client = connectClient();
        QVERIFY(client->received.isEmpty());
        // What its system takes for it waits in this buffer; it takes no more meanwhile.
        client->socket.setReadBufferSize(row.bytes);
        readers.push_back({row.name, client, row.bytes, row.everyMs, LoopedStream{&file}});
    }
    ReplayTestClient *silent = connectClient(0, true);
    QCOMPARE(server.clientCount(), int(readers.size()) + 1);

    QTimer steadily;
    QElapsedTimer readingFor;
    readingFor.start();
    QObject::connect(&steadily, &QTimer::timeout, [&readers, &readingFor] {
        for (Reader &reader : readers) {
            // The reads that fell due meanwhile; the buffer holds one's worth at most.
            const qint64 due = readingFor.elapsed() / reader.everyMs;
            if (reader.reads < due) {
                reader.reads = due;
                reader.stream.take(reader.client->socket.read(reader.bytes));
            }
        }
    });
    steadily.start(100);

    // The silent client holds more than the mark at the latest once the service holds that
    // much beyond what the readers' sockets may hold; its allowance after that, plus what
    // this thread's event loop lost meanwhile, it is to be gone.
    const qint64 overMark = server.maxPendingBytes() + qint64(readers.size()) * Server::socketWindowBytes;
    LoopLag lag;
    qint64 overAtMs = -1;
    qint64 droppedAtMs = -1;
    play(1000);
    runEventsUntil([&] {
        if (overAtMs < 0 && droppedMessages == 0 && server.heldBytes() > overMark)
            overAtMs = lag.nowMs();
        if (droppedAtMs < 0 && droppedMessages > 0)
            droppedAtMs = lag.nowMs();
        return false;
    }, keptMs);
    widget<QPushButton>("btnPlay")->click();  // pause
    steadily.stop();

    QByteArray states = "drops " + QByteArray::number(droppedMessages);
    for (const Reader &reader : readers)
        states += QByteArray(", ") + reader.name + (reader.client->connected() ? " kept " : " lost ")
                  + QByteArray::number(reader.stream.total);
    QVERIFY2(droppedMessages == 1, states.constData());
    QVERIFY2(lastDropUnsent > server.maxPendingBytes(), QByteArray::number(lastDropUnsent));
    if (overAtMs >= 0)
        QVERIFY2(droppedAtMs - overAtMs
                     <= Server::stallTimeoutMs + 2 * Server::stallCheckMs + lag.lostMs(overAtMs, droppedAtMs),
                 QByteArray::number(droppedAtMs - overAtMs));
    silent->socket.setReadBufferSize(0);
    QTRY_VERIFY_WITH_TIMEOUT((silent->collect(), !silent->connected()), 10000);
    for (const Reader &reader : readers) {
        QVERIFY2(reader.client->connected(), reader.name);
        QVERIFY2(reader.stream.intact, reader.name);
        // It did read at its pace all along.
        QVERIFY2(reader.stream.total >= reader.bytes * (keptMs / reader.everyMs) / 4, reader.name);
    }
    QCOMPARE(server.clientCount(), int(readers.size()));

    // Let loose, each gets the rest: the same bytes, every one in order.
    for (Reader &reader : readers)
        reader.client->socket.setReadBufferSize(0);
    const auto takeAll = [&readers] {
        qint64 sum = 0;
        for (Reader &reader : readers) {
            reader.stream.take(reader.client->socket.readAll());
            sum += reader.stream.total;
        }
        return sum;
    };
    const bool done = runEventsWhileProgressing([&] {
        takeAll();
        return server.heldBytes() == 0 && std::all_of(readers.begin(), readers.end(), [&](const Reader &reader) {
                   return reader.stream.total == readers.front().stream.total;
               });
    }, takeAll, 10000, 120000);
    QVERIFY2(done, QByteArray::number(readers.front().stream.total) + " " + QByteArray::number(readers.back().stream.total));
    for (const Reader &reader : readers) {
        QVERIFY2(reader.stream.intact, reader.name);
        QVERIFY2(reader.client->connected(), reader.name);
    }
    QCOMPARE(server.clientCount(), int(readers.size()));
    QCOMPARE(droppedMessages, 1);
}

void TestReplayClients::aFloodingClientDoesNotStallPlayback()
{
    // Speed 100, three lines every 10 ms, to a steady reader, while another client sends
    // tiny frames as fast as its link takes them and reads its replies.
    const QByteArray file = numberedLines(1500, 57);
    load(file);
    ReplayTestClient *reader = connectClient();
    ReplayTestClient *flooder = connectClient();
    // The gaps are counted in this thread's processor time: a service busy answering
    // frames holds the thread, a machine with more work than cores only delays it.
    qint64 lastArrivalMs = -1;
    qint64 longestGapMs = 0;
    qint64 replyBytes = 0;
    // What replies the flooder had at each of the reader's arrivals.
    QVector<qint64> repliesAtArrival;
    QObject::connect(&reader->socket, &QTcpSocket::readyRead, [&] {
        reader->collect();
        repliesAtArrival.append(replyBytes);
        const qint64 now = threadCpuMs();
        if (lastArrivalMs >= 0)
            longestGapMs = qMax(longestGapMs, now - lastArrivalMs);
        lastArrivalMs = now;
    });
    QByteArray batch;
    const QByteArray tiny = makeReplayFrame(QString());
    while (batch.size() < 64 * 1024)
        batch += tiny;
    const auto flood = [&] {
        while (flooder->socket.bytesToWrite() < 1024 * 1024)
            flooder->socket.write(batch);
    };
    QObject::connect(&flooder->socket, &QTcpSocket::bytesWritten, flood);
    QObject::connect(&flooder->socket, &QTcpSocket::readyRead,
                     [&] { replyBytes += flooder->socket.readAll().size(); });
    flood();

    play(100);
    const bool done = runEventsWhileProgressing([&] { return reader->collect() == file.size() && stopped(); },
                                                [&] { return reader->collect(); }, 10000, 120000);
    QVERIFY2(done, QByteArray::number(reader->collect()));
    QVERIFY(reader->received == file);
    // Answering frames for as long as they come held the thread for about half a second
    // between two of the reader's lines; answered a bounded number a pass, some 20 ms.
    QVERIFY2(longestGapMs < 250, QByteArray::number(longestGapMs));
    // The flood went on all along and was answered: replies came in every fifth of the
    // playback, however many passes a busy machine lets the loop make.
    const int arrivals = repliesAtArrival.size();
    const QByteArray counts = QByteArray::number(arrivals) + " arrivals, " + QByteArray::number(framesReadMessages)
                              + " frames answered";
    QVERIFY2(arrivals >= 10, counts.constData());
    for (int fifth = 0; fifth < 5; ++fifth) {
        const qint64 from = repliesAtArrival.at(fifth * arrivals / 5);
        const qint64 to = repliesAtArrival.at((fifth + 1) * arrivals / 5 - 1);
        QVERIFY2(to > from, counts + ", none in fifth " + QByteArray::number(fifth + 1));
    }
    QVERIFY(reader->connected());
    QCOMPARE(droppedMessages, 0);
}

void TestReplayClients::aReaderAmongSilentClientsGetsEveryByte()
{
    // Lines of a megabyte at full speed, one client reading as fast as it can and forty
    // that never read: each tick is some 21 MB for every client.
    const QByteArray file = numberedLines(32, 1024 * 1024 - 1);
    load(file);
    ReplayTestClient *reader = connectClient();
    std::vector<ReplayTestClient *> silent;
    for (int i = 0; i < 40; ++i)
        silent.push_back(connectClient(0, true));
    Server &server = window->replayServer();
    QCOMPARE(server.clientCount(), 41);

    qint64 mostHeld = 0;
    play(1000);
    const bool done = runEventsWhileProgressing(
        [&] {
            mostHeld = qMax(mostHeld, server.heldBytes());
            return reader->collect() == file.size() && server.clientCount() == 1 && stopped();
        },
        [&] { return qint64(reader->collect()) + 41 - server.clientCount(); }, Server::stallTimeoutMs + 10000, 240000);
    QVERIFY2(done, QByteArray::number(reader->collect()).constData());

    QVERIFY(reader->connected());
    QVERIFY(reader->received == file);
    QCOMPARE(droppedMessages, 40);
    // What all clients together hold stays within the bound, whatever their number.
    QVERIFY2(mostHeld > 0 && mostHeld <= server.maxTotalBytes(), QByteArray::number(mostHeld).constData());
    QTRY_COMPARE_WITH_TIMEOUT(server.heldBytes(), qint64(0), 10000);
    for (ReplayTestClient *client : silent) {
        client->socket.setReadBufferSize(0);
        QTRY_VERIFY_WITH_TIMEOUT((client->collect(), !client->connected()), 10000);
        QVERIFY(file.startsWith(client->received.mid(Greeting)));
    }
}

void TestReplayClients::timeTheServiceWasBusyIsNotTheClients_data()
{
    QTest::addColumn<bool>("silent");
    QTest::newRow("a reader keeps its link and every byte") << false;
    QTest::newRow("a client that takes nothing goes only after its allowance offered") << true;
}

void TestReplayClients::timeTheServiceWasBusyIsNotTheClients()
{
    QFETCH(bool, silent);
    Server &server = window->replayServer();
    ReplayTestClient *client = connectClient(0, silent);
    if (!silent)
        QObject::connect(&client->socket, &QTcpSocket::readyRead, [client] { client->collect(); });

    // Three times what the mark allows: more than the system's buffers of a local link
    // take, so that the rest waits in the service's backlog.
    QByteArray burst(3 * int(server.maxPendingBytes()), '\0');
    for (int i = 0; i < burst.size(); ++i)
        burst[i] = char('a' + i % 23);
    server.sendToAll(burst.constData(), burst.size(), nullptr, nullptr);
    QVERIFY(server.heldBytes() > server.maxPendingBytes());
    // The system buffers fill, and one more line lets the service look at the client.
    runEventsUntil([] { return false; }, 200);
    server.sendToAll("mark\n", 5, nullptr, nullptr);

    // The service is busy for a second and a half (a long load, a huge tick): the client
    // can take nothing meanwhile, and is not to blame for it.
    QElapsedTimer busy;
    busy.start();
    while (busy.elapsed() < 1500) {
    }
    server.sendToAll("end\n", 4, nullptr, nullptr);
    QCOMPARE(server.clientCount(), 1);

    QElapsedTimer since;
    since.start();
    if (silent) {
        // At most some 300 ms were counted so far: the rest of the allowance is still due.
        QTRY_COMPARE_WITH_TIMEOUT(server.clientCount(), 0, Server::stallTimeoutMs + 10000);
        QVERIFY2(since.elapsed() >= Server::stallTimeoutMs - 1000, QByteArray::number(since.elapsed()).constData());
        QCOMPARE(droppedMessages, 1);
        return;
    }
    const QByteArray expected = burst + "mark\nend\n";
    QVERIFY(runEventsWhileProgressing([&] { return client->received.size() >= expected.size(); },
                                      [&] { return qint64(client->received.size()); }, 10000, 60000));
    QVERIFY(client->received == expected);
    QCOMPARE(server.clientCount(), 1);
    QCOMPARE(droppedMessages, 0);
}

void TestReplayClients::playbackNeverRunsAheadOfItsRule_data()
{
    QTest::addColumn<int>("speed");
    QTest::addColumn<int>("lines");
    QTest::addColumn<int>("nominalMs");  // ticks x interval

    QTest::newRow("speed 1: one line a second") << 1 << 2 << 2000;
    QTest::newRow("speed 50: two lines every 20 ms") << 50 << 40 << 400;
    QTest::newRow("speed 1000: 21 lines every 1 ms") << 1000 << 21000 << 1000;
}

void TestReplayClients::playbackNeverRunsAheadOfItsRule()
{
    QFETCH(int, speed);
    QFETCH(int, lines);
    QFETCH(int, nominalMs);

    const QByteArray file = numberedLines(lines, 0);
    load(file);
    ReplayTestClient *reader = connectClient();
    QElapsedTimer clock;
    clock.start();
    play(speed);
    QVERIFY(runEventsWhileProgressing([&] { return reader->collect() == file.size(); },
                                      [&] { return reader->collect(); }, 10000, 60000));
    const qint64 elapsed = clock.elapsed();
    QVERIFY(reader->received == file);
    // Late timeouts catch up, but never beyond the ticks that are due: a coarse timer
    // may fire a little early, nothing more.
    QVERIFY2(elapsed >= nominalMs * 95 / 100, QByteArray::number(elapsed).constData());
    // Not a speed test (the benchmark is): only that a late timer is made up for.
    QVERIFY2(elapsed < 4 * nominalMs + 3000, QByteArray::number(elapsed).constData());
}

void TestReplayClients::theTotalLetsGoOfTheClientFurthestBehind_data()
{
    QTest::addColumn<int>("pausing");
    QTest::newRow("a client pausing beside the far reader keeps its link") << 1;
    QTest::newRow("three pausing clients keep theirs") << 3;
}

void TestReplayClients::theTotalLetsGoOfTheClientFurthestBehind()
{
    QFETCH(int, pausing);
    // A mark of 1 MiB: all clients together hold at most 16 MiB, which a reader of
    // 200 KB/s falls behind in some fifteen seconds at full speed.
    Server &server = window->replayServer();
    server.setMaxPendingBytes(1024 * 1024);
    const qint64 mebibyte = 1024 * 1024;
    const QByteArray file = numberedLines(20000, 57);
    load(file);
    widget<QCheckBox>("loop")->setChecked(true);

    // The far reader takes 200 KB/s through a small receive buffer, as a slow logger or a
    // serial bridge does: its system is seen to take some every few hundredths of a second.
    ReplayTestClient *far = connectClient(8 * 1024);
    far->socket.setReadBufferSize(2000);
    const quint16 farPort = far->socket.localPort();
    ReplayTestClient *full = connectClient();
    LoopedStream fullStream{&file};
    struct Pausing {
        ReplayTestClient *client;
        LoopedStream stream;
    };
    std::vector<Pausing> paused;
    for (int i = 0; i < pausing; ++i)
        paused.push_back({connectClient(64 * 1024), LoopedStream{&file}});
    QTimer slowly;
    QObject::connect(&slowly, &QTimer::timeout, [far] { far->socket.read(2000); });
    slowly.start(10);

    // The pausing clients read everything, stop once the far reader is 6 MiB behind (the
    // service holds that much for it), and read again when a client was let go, or after
    // 15 s at most: less than a client may take nothing for. Meanwhile they fall further
    // behind than their systems' buffers take (some megabytes), so that the service holds
    // data for them too, but not as far as the far reader.
    enum { Reading, Pause, Resumed } phase = Reading;
    QElapsedTimer pausedFor;
    QElapsedTimer resumedFor;
    const auto step = [&] {
        fullStream.take(full->socket.readAll());
        if (phase == Reading && server.heldBytes() > 6 * mebibyte) {
            phase = Pause;
            pausedFor.start();
            for (Pausing &client : paused)
                client.client->socket.setReadBufferSize(1);
        }
        if (phase == Pause && (droppedMessages > 0 || pausedFor.elapsed() > 15000)) {
            phase = Resumed;
            resumedFor.start();
            for (Pausing &client : paused)
                client.client->socket.setReadBufferSize(0);
        }
        if (phase != Pause) {
            for (Pausing &client : paused)
                client.stream.take(client.client->socket.readAll());
        }
    };
    play(1000);
    // Two seconds of play after they read again.
    runEventsWhileProgressing([&] { return step(), phase == Resumed && resumedFor.elapsed() > 2000; },
                              [&] { return fullStream.total; }, 10000, 120000);
    widget<QPushButton>("btnPlay")->click();  // pause
    slowly.stop();
    QCOMPARE(int(phase), int(Resumed));

    // The far reader alone went, for what it held.
    QVERIFY2(dropLines.size() == 1, qPrintable(dropLines.join(QLatin1Char('\n'))));

    QVERIFY2(dropLines.at(0).startsWith(QStringLiteral("Dropping client 127.0.0.1:%1: ").arg(farPort)),
             qPrintable(dropLines.at(0)));
    QVERIFY2(lastDropUnsent > server.maxTotalBytes() / 2, QByteArray::number(lastDropUnsent));
    QTRY_VERIFY_WITH_TIMEOUT((far->socket.setReadBufferSize(0), far->collect(), !far->connected()), 10000);

    // The others kept their links and take the rest: every byte, in order.
    const auto takeAll = [&] {
        qint64 sum = fullStream.total;
        fullStream.take(full->socket.readAll());
        for (Pausing &client : paused) {
            client.stream.take(client.client->socket.readAll());
            sum += client.stream.total;
        }
        return sum;
    };
    const bool done = runEventsWhileProgressing([&] {
        takeAll();
        return server.heldBytes() == 0 && std::all_of(paused.begin(), paused.end(), [&](const Pausing &client) {
                   return client.stream.total == fullStream.total;
               });
    }, takeAll, 10000, 60000);
    QVERIFY2(done, QByteArray::number(fullStream.total));
    QVERIFY(fullStream.intact);
    QVERIFY(full->connected());
    for (const Pausing &client : paused) {
        QVERIFY(client.stream.intact);
        QVERIFY(client.client->connected());
    }
    QCOMPARE(server.clientCount(), 1 + pausing);
    QCOMPARE(droppedMessages, 1);
}

QTEST_MAIN(TestReplayClients)
#include "tst_replayclients.moc"
