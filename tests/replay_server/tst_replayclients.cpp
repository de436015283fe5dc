// Playback to real TCP clients on 127.0.0.1: clients that read as fast as they can, one
// that reads in fits and starts, and one that never reads.
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QtTest>

#include <memory>
#include <vector>

#include "connectguard.h"
#include "mainwindow.h"
#include "replaytestclient.h"

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

// The service says on the debug channel when it drops a client; counted here.
int droppedMessages = 0;
QtMessageHandler previousHandler = nullptr;

void countDrops(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (message.startsWith(QLatin1String("Dropping a client that does not read")))
        ++droppedMessages;
    if (previousHandler)
        previousHandler(type, context, message);
}

} // namespace

class TestReplayClients : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void onlyTheClientThatNeverReadsIsDropped();
    void aSlowSteadyReaderKeepsItsLink();
    void aReaderAmongSilentClientsGetsEveryByte();
    void timeTheServiceWasBusyIsNotTheClients_data();
    void timeTheServiceWasBusyIsNotTheClients();
    void playbackNeverRunsAheadOfItsRule_data();
    void playbackNeverRunsAheadOfItsRule();

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
    dir.reset(new QTemporaryDir);
    QVERIFY(dir->isValid());
    window.reset(new MainWindow);
    widget<QLineEdit>("port")->setText(QStringLiteral("0"));
    emit widget<QLineEdit>("port")->editingFinished();
    QVERIFY(window->replayServer().isListening());
}

void TestReplayClients::cleanup()
{
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

    play(1000);
    const auto receivedByReaders = [&] {
        qint64 sum = 0;
        for (ReplayTestClient *reader : readers)
            sum += reader->collect();
        return sum;
    };
    // Bounded by progress: it fails when nothing arrives and nobody is dropped for 30 s.
    const bool done = runEventsWhileProgressing(
        [&] { return receivedByReaders() == 3 * qint64(file.size()) && server.clientCount() == 3 && stopped(); },
        [&] { return receivedByReaders() + 4 - server.clientCount(); }, 30000, 240000);
    QVERIFY2(done, QByteArray::number(receivedByReaders()).constData());

    for (ReplayTestClient *reader : readers) {
        QVERIFY(reader->connected());
        QVERIFY(reader->received == file);
    }
    QCOMPARE(droppedMessages, 1);
    QCOMPARE(widget<QTextEdit>("textEdit")->toPlainText().count(QStringLiteral("slotDisconnect")), 1);

    // The silent one was cut off: what it got is the start of the stream and no more.
    silent->socket.setReadBufferSize(0);
    QTRY_VERIFY_WITH_TIMEOUT((silent->collect(), !silent->connected()), 10000);
    QVERIFY(silent->received.size() > Greeting);
    QVERIFY(silent->received.size() < Greeting + file.size());
    QVERIFY(file.startsWith(silent->received.mid(Greeting)));
}

void TestReplayClients::aSlowSteadyReaderKeepsItsLink()
{
    // Playback outruns a client that takes 32 KB every 50 ms (some 600 KB/s): its backlog
    // runs far past the mark while it goes on reading, and it still gets every line.
    const QByteArray file = numberedLines(3000, 299);
    load(file);
    Server &server = window->replayServer();
    server.setMaxPendingBytes(64 * 1024);
    ReplayTestClient *reader = connectClient(32 * 1024);
    reader->socket.setReadBufferSize(32 * 1024);
    // A link with small system buffers at the service's end too (a slow network), so
    // that what the reader has not taken yet waits in the service's own backlog.
    const QList<QTcpSocket *> serverEnds = server.findChildren<QTcpSocket *>();
    QCOMPARE(serverEnds.size(), 1);
    serverEnds.first()->setSocketOption(QAbstractSocket::SendBufferSizeSocketOption, 16 * 1024);
    QTimer steadily;
    QObject::connect(&steadily, &QTimer::timeout, [reader] { reader->collect(); });
    steadily.start(50);

    play(500);  // 2 ms ticks of 11 lines, about 1.6 MB/s
    const auto got = [reader] { return qint64(reader->received.size()); };
    const bool done = runEventsWhileProgressing([&] { return got() == file.size() && stopped(); }, got,
                                                30000, 240000);
    steadily.stop();
    QVERIFY2(done, QByteArray::number(got()).constData());
    QVERIFY(reader->received == file);
    QVERIFY(reader->connected());
    QCOMPARE(server.clientCount(), 1);
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
        [&] { return qint64(reader->collect()) + 41 - server.clientCount(); }, 30000, 240000);
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
    QTest::newRow("a client that takes nothing goes only after a second offered") << true;
}

void TestReplayClients::timeTheServiceWasBusyIsNotTheClients()
{
    QFETCH(bool, silent);
    Server &server = window->replayServer();
    server.setMaxPendingBytes(256 * 1024);
    // Small system buffers at both ends, so a burst waits in the service's backlog.
    ReplayTestClient *client = connectClient(32 * 1024, silent);
    const QList<QTcpSocket *> serverEnds = server.findChildren<QTcpSocket *>();
    QCOMPARE(serverEnds.size(), 1);
    serverEnds.first()->setSocketOption(QAbstractSocket::SendBufferSizeSocketOption, 16 * 1024);
    if (!silent)
        QObject::connect(&client->socket, &QTcpSocket::readyRead, [client] { client->collect(); });

    QByteArray burst(1024 * 1024, '\0');
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
        // At most some 300 ms were counted so far: the rest of the second is still due.
        QTRY_COMPARE_WITH_TIMEOUT(server.clientCount(), 0, 10000);
        QVERIFY2(since.elapsed() >= 500, QByteArray::number(since.elapsed()).constData());
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

QTEST_MAIN(TestReplayClients)
#include "tst_replayclients.moc"
