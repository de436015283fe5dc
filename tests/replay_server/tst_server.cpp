#include <QElapsedTimer>
#include <QLabel>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTextEdit>
#include <QtTest>

#include <memory>
#include <vector>

#include <sys/socket.h>

#include "appendlog.h"
#include "clientbacklogs.h"
#include "connectguard.h"
#include "replaytestclient.h"
#include "server.h"

namespace {

const QString greeting = QStringLiteral("Server Response: Connected!");

QString receivedReply(const QString &text)
{
    return QStringLiteral("Server Response: Received \"") + text + QLatin1Char('"');
}

QByteArray rawFrame(quint16 length, const QByteArray &body)
{
    QByteArray frame(2, '\0');
    qToBigEndian<quint16>(length, reinterpret_cast<uchar *>(frame.data()));
    return frame + body;
}

QByteArray be32(quint32 value)
{
    QByteArray bytes(4, '\0');
    qToBigEndian<quint32>(value, reinterpret_cast<uchar *>(bytes.data()));
    return bytes;
}

// A client as the drop rule is told of it: how far behind it is, what is held for it
// alone, and when it last took something.
struct Standing
{
    QString name;
    qint64 behind;
    qint64 own;
    qint64 lastTakenMs;
};
using Standings = QVector<Standing>;

// Looks at one client at the service's pace: `count` looks `stepMs` apart, at each of
// which it did or did not take something and had `unsent` bytes waiting.
struct Looks
{
    int count;
    int stepMs;
    bool took;
    qint64 unsent;
};
using LookScript = QVector<Looks>;

const qint64 MiB = 1024 * 1024;

} // namespace

Q_DECLARE_METATYPE(Standings)
Q_DECLARE_METATYPE(LookScript)

class TestServer : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void greetsEveryClientWithOneFrame();
    void answersAFrameQuotingItsText();
    void answersFramesHoweverTheyArrive_data();
    void answersFramesHoweverTheyArrive();
    void keepsEachClientsHalfFrameApart();
    void framesThatLieAboutTheirSizeDoNotEatTheNext_data();
    void framesThatLieAboutTheirSizeDoNotEatTheNext();
    void shortensAReplyThatWouldNotFitAFrame();
    void logsAPortThatIsTaken();
    void listensOnTheLow16BitsOfThePort();
    void restartDropsEveryClientCleanly();
    void destroyingTheServiceWithClientsIsSafe();
    void broadcastsSkipAClientThatLeft();
    void sendToClientAtChecksItsIndex();
    void clientsLabelFollowsTheCount();
    void survivesRandomBytes();
    void backlogRule_data();
    void backlogRule();
    void whomTheTotalLetsGo_data();
    void whomTheTotalLetsGo();
    void whomTheLooksLetGo_data();
    void whomTheLooksLetGo();
    void aClientThatLeavesItsRepliesUnreadWaitsForThem();
    void aClientThatClosesItsSendingSideIsLetGo();

private:
    std::unique_ptr<QTextEdit> pane;
    std::unique_ptr<Server> server;
    std::vector<std::unique_ptr<ReplayTestClient>> clients;

    QStringList logLines() const { return pane->toPlainText().split(QLatin1Char('\n')); }
    ReplayTestClient &connectClient(bool silent = false);
};

void TestServer::initTestCase()
{
    installConnectGuard();
}

void TestServer::init()
{
    pane.reset(new QTextEdit);
    logPane = pane.get();
    server.reset(new Server);
    server->InitFromPort(0);
    QVERIFY(server->isListening());
}

void TestServer::cleanup()
{
    clients.clear();
    server.reset();
    logPane = nullptr;
    pane.reset();
}

ReplayTestClient &TestServer::connectClient(bool silent)
{
    const int before = server->clientCount();
    clients.emplace_back(new ReplayTestClient(server->serverPort()));
    ReplayTestClient &client = *clients.back();
    [&] { QTRY_COMPARE_WITH_TIMEOUT(server->clientCount(), before + 1, 5000); }();
    if (silent) {
        // Takes the greeting's first byte and then nothing: the system's buffers fill up.
        client.socket.setReadBufferSize(1);
        return client;
    }
    [&] { QTRY_VERIFY_WITH_TIMEOUT(client.collect() >= 64, 5000); }();
    const ReplayFrame hello = client.takeFrame();
    [&] { QCOMPARE(hello.text, greeting); }();
    return client;
}

void TestServer::greetsEveryClientWithOneFrame()
{
    ReplayTestClient client(server->serverPort());
    QTRY_VERIFY_WITH_TIMEOUT(client.collect() >= 64, 5000);
    const QByteArray bytes = client.received;
    QCOMPARE(bytes.size(), 64);
    QCOMPARE(bytes.left(2), QByteArray::fromHex("003e"));
    const ReplayFrame frame = parseReplayFrame(bytes);
    QVERIFY(frame.timeField < 24u * 3600u * 1000u);
    QCOMPARE(frame.textSize, 54u);
    // The text is UTF-16 big-endian: "S" is 00 53.
    QCOMPARE(bytes.mid(10, 4), QByteArray::fromHex("00530065"));
    QCOMPARE(frame.text, greeting);
}

void TestServer::answersAFrameQuotingItsText()
{
    ReplayTestClient &client = connectClient();
    client.socket.write(makeReplayFrame(QStringLiteral("abc")));
    QTRY_VERIFY_WITH_TIMEOUT(client.collect() >= 72, 5000);
    QCOMPARE(client.received.size(), 72);
    QCOMPARE(client.received.left(2), QByteArray::fromHex("0046"));
    const ReplayFrame reply = client.takeFrame();
    QCOMPARE(reply.text, QStringLiteral("Server Response: Received \"abc\""));
}

void TestServer::answersFramesHoweverTheyArrive_data()
{
    QTest::addColumn<QList<QByteArray>>("writes");
    QTest::addColumn<QStringList>("answered");

    const QByteArray first = makeReplayFrame(QStringLiteral("first"));
    const QByteArray second = makeReplayFrame(QStringLiteral("second one"));
    QTest::newRow("split in two") << QList<QByteArray>{first.left(7), first.mid(7)}
                                  << QStringList{QStringLiteral("first")};
    QTest::newRow("two in one write") << QList<QByteArray>{first + second}
                                      << QStringList{QStringLiteral("first"), QStringLiteral("second one")};
    QTest::newRow("second starts in the first's write")
        << QList<QByteArray>{first + second.left(3), second.mid(3)}
        << QStringList{QStringLiteral("first"), QStringLiteral("second one")};
}

void TestServer::answersFramesHoweverTheyArrive()
{
    QFETCH(QList<QByteArray>, writes);
    QFETCH(QStringList, answered);

    ReplayTestClient &client = connectClient();
    for (int i = 0; i < writes.size(); ++i) {
        client.socket.write(writes.at(i));
        client.socket.flush();
        if (i + 1 < writes.size()) {
            // Until the frame is whole nothing is answered.
            const int reads = logLines().count(QStringLiteral("slotReadClient"));
            QTRY_VERIFY_WITH_TIMEOUT(logLines().count(QStringLiteral("slotReadClient")) > reads, 5000);
            if (i == 0 && writes.at(0).size() < makeReplayFrame(answered.at(0)).size())
                QCOMPARE(client.collect(), 0);
        }
    }
    QTRY_COMPARE_WITH_TIMEOUT(client.pollFrames(), answered.size(), 5000);
    const QStringList got = client.frameTexts();
    QStringList expected;
    for (const QString &text : answered)
        expected << receivedReply(text);
    QCOMPARE(got, expected);
    QCOMPARE(client.collect(), 0);
}

void TestServer::keepsEachClientsHalfFrameApart()
{
    ReplayTestClient &a = connectClient();
    ReplayTestClient &b = connectClient();
    const QByteArray frameA = makeReplayFrame(QStringLiteral("from a"));
    const QByteArray frameB = makeReplayFrame(QStringLiteral("from b"));

    a.socket.write(frameA.left(5));
    a.socket.flush();
    const int reads = logLines().count(QStringLiteral("slotReadClient"));
    QTRY_VERIFY_WITH_TIMEOUT(logLines().count(QStringLiteral("slotReadClient")) > reads, 5000);

    b.socket.write(frameB);
    QTRY_COMPARE_WITH_TIMEOUT(b.pollFrames(), 1, 5000);
    QCOMPARE(b.frames.at(0).text, receivedReply(QStringLiteral("from b")));
    QCOMPARE(a.pollFrames(), 0);

    a.socket.write(frameA.mid(5));
    QTRY_COMPARE_WITH_TIMEOUT(a.pollFrames(), 1, 5000);
    QCOMPARE(a.frames.at(0).text, receivedReply(QStringLiteral("from a")));
}

void TestServer::framesThatLieAboutTheirSizeDoNotEatTheNext_data()
{
    QTest::addColumn<QByteArray>("liar");
    QTest::addColumn<QString>("liarAnswer");

    QTest::newRow("length 0") << rawFrame(0, QByteArray()) << receivedReply(QString());
    QTest::newRow("text size past the frame")
        << rawFrame(8 + 4, be32(1000) + be32(4000) + QByteArray::fromHex("00410042"))
        << receivedReply(QString());
    QTest::newRow("length shorter than the fields") << rawFrame(3, QByteArray("\x00\x00\x01", 3))
                                                    << receivedReply(QString());
    QTest::newRow("null text") << rawFrame(8, be32(1000) + be32(0xFFFFFFFF)) << receivedReply(QString());
}

void TestServer::framesThatLieAboutTheirSizeDoNotEatTheNext()
{
    QFETCH(QByteArray, liar);
    QFETCH(QString, liarAnswer);

    ReplayTestClient &client = connectClient();
    client.socket.write(liar + makeReplayFrame(QStringLiteral("honest")));
    QTRY_COMPARE_WITH_TIMEOUT(client.pollFrames(), 2, 5000);
    QCOMPARE(client.frames.at(0).text, liarAnswer);
    QCOMPARE(client.frames.at(1).text, receivedReply(QStringLiteral("honest")));
}

void TestServer::shortensAReplyThatWouldNotFitAFrame()
{
    ReplayTestClient &client = connectClient();
    // The longest text a client's frame can hold: the quoted reply cannot fit as it is.
    const QString longest(Server::maxFrameTextUnits, QLatin1Char('x'));
    const QByteArray frame = makeReplayFrame(longest);
    QCOMPARE(frame.size(), 2 + 8 + 2 * Server::maxFrameTextUnits);
    client.socket.write(frame);

    QTRY_COMPARE_WITH_TIMEOUT(client.pollFrames(), 1, 10000);
    const ReplayFrame reply = client.frames.takeFirst();
    QCOMPARE(int(reply.length), reply.totalSize - 2);
    QCOMPARE(reply.text.size(), Server::maxFrameTextUnits);
    QVERIFY(reply.text.startsWith(QStringLiteral("Server Response: Received \"xxx")));

    // The connection still carries well-formed frames afterwards.
    client.socket.write(makeReplayFrame(QStringLiteral("after")));
    QTRY_COMPARE_WITH_TIMEOUT(client.pollFrames(), 1, 5000);
    QCOMPARE(client.frames.at(0).text, receivedReply(QStringLiteral("after")));
}

void TestServer::logsAPortThatIsTaken()
{
    QTcpServer holder;
    QVERIFY(holder.listen(QHostAddress::Any, 0));
    pane->clear();
    server->InitFromPort(holder.serverPort());
    QVERIFY(!server->isListening());
    const QStringList lines = logLines();
    QCOMPARE(lines.value(0), QStringLiteral("CloseServer"));
    QCOMPARE(lines.value(1), QStringLiteral("InitFromPort: ") + QString::number(holder.serverPort()));
    QVERIFY2(lines.value(2).startsWith(QStringLiteral("Server Error, Unable to start the server: "))
                 && lines.value(2).size() > 42,
             qPrintable(lines.value(2)));

    // Playback goes on sending to nobody.
    qint64 count = -1;
    server->sendToAll(QByteArray("line\n"), &count);
    QCOMPARE(count, 0);

}

void TestServer::listensOnTheLow16BitsOfThePort()
{
    QTcpServer probe;
    QVERIFY(probe.listen(QHostAddress::Any, 0));
    const quint16 free = probe.serverPort();
    probe.close();
    pane->clear();
    server->InitFromPort(free + 65536);
    QVERIFY(server->isListening());
    QCOMPARE(server->serverPort(), free);
    QCOMPARE(logLines().value(1), QStringLiteral("InitFromPort: ") + QString::number(free + 65536));
}

void TestServer::restartDropsEveryClientCleanly()
{
    ReplayTestClient &a = connectClient();
    ReplayTestClient &b = connectClient();
    pane->clear();
    server->InitFromPort(0);
    QCOMPARE(logLines(), (QStringList{QStringLiteral("CloseServer"), QStringLiteral("slotDisconnect"),
                                      QStringLiteral("slotDisconnect"), QStringLiteral("InitFromPort: 0")}));
    QCOMPARE(server->clientCount(), 0);
    qint64 count = -1;
    server->sendToAll(QByteArray("after restart\n"), &count);
    QCOMPARE(count, 0);
    QTRY_VERIFY_WITH_TIMEOUT(!a.connected() && !b.connected(), 5000);
    // New clients are served by the new listener.
    connectClient();
    server->sendToAll(QByteArray("x"), &count);
    QCOMPARE(count, 1);
}

void TestServer::destroyingTheServiceWithClientsIsSafe()
{
    ReplayTestClient &a = connectClient();
    a.socket.write(makeReplayFrame(QStringLiteral("in flight")).left(6));
    pane->clear();
    server.reset();
    QCOMPARE(pane->toPlainText(), QString());
    QTRY_VERIFY_WITH_TIMEOUT(!a.connected(), 5000);
}

void TestServer::broadcastsSkipAClientThatLeft()
{
    ReplayTestClient &a = connectClient();
    ReplayTestClient &b = connectClient();
    qint64 count = 0;
    qint64 sum = 0;
    server->sendToAll("hello\n", 6, &count, &sum);
    QCOMPARE(count, 2);
    QCOMPARE(sum, 12);
    QTRY_COMPARE_WITH_TIMEOUT(a.collect(), 6, 5000);
    QCOMPARE(a.received, QByteArray("hello\n"));

    b.socket.disconnectFromHost();
    QTRY_COMPARE_WITH_TIMEOUT(server->clientCount(), 1, 5000);
    QVERIFY(logLines().contains(QStringLiteral("slotDisconnect")));
    server->sendToAll(QByteArray("again\n"), &count, &sum);
    QCOMPARE(count, 1);
    QCOMPARE(sum, 6);
    QTRY_COMPARE_WITH_TIMEOUT(a.collect(), 12, 5000);

    // The text form writes the serialised string alone: size, then UTF-16BE units.
    a.received.clear();
    server->sendToAll(QStringLiteral("hi"), &count, &sum);
    QCOMPARE(sum, 8);
    QTRY_COMPARE_WITH_TIMEOUT(a.collect(), 8, 5000);
    QCOMPARE(a.received, QByteArray::fromHex("0000000400680069"));
}

void TestServer::sendToClientAtChecksItsIndex()
{
    ReplayTestClient &a = connectClient();
    QCOMPARE(server->sendToClientAt(-1, "x", 1), -1);
    server->sendToClientAt(1, QStringLiteral("nobody"));
    QCOMPARE(server->sendToClientAt(0, "raw", 3), 3);
    server->sendToClientAt(0, QStringLiteral("framed"));
    QTRY_VERIFY_WITH_TIMEOUT(a.collect() >= 3 + 2 + 8 + 12, 5000);
    QCOMPARE(a.received.left(3), QByteArray("raw"));
    a.received.remove(0, 3);
    QCOMPARE(a.takeFrame().text, QStringLiteral("framed"));
}

void TestServer::clientsLabelFollowsTheCount()
{
    QLabel label;
    server->setClientsLabel(&label);
    QCOMPARE(label.text(), QStringLiteral("0"));
    ReplayTestClient &a = connectClient();
    connectClient();
    QCOMPARE(label.text(), QStringLiteral("2"));
    a.socket.disconnectFromHost();
    QTRY_COMPARE_WITH_TIMEOUT(label.text(), QStringLiteral("1"), 5000);
}

void TestServer::survivesRandomBytes()
{
    ReplayTestClient &noisy = connectClient();
    QRandomGenerator random(20261209);
    QByteArray noise(300 * 1024, '\0');
    for (char &byte : noise)
        byte = char(random.bounded(256));
    noisy.socket.write(noise);
    // Whatever frames the noise happened to form are answered with well-formed frames.
    QTRY_VERIFY_WITH_TIMEOUT((noisy.pollFrames(), logLines().contains(QStringLiteral("slotReadClient"))), 5000);
    for (const ReplayFrame &frame : qAsConst(noisy.frames))
        QVERIFY(frame.text.startsWith(QStringLiteral("Server Response: Received \"")));

    // The service goes on serving everybody.
    ReplayTestClient &other = connectClient();
    other.socket.write(makeReplayFrame(QStringLiteral("still here")));
    QTRY_COMPARE_WITH_TIMEOUT(other.pollFrames(), 1, 5000);
    QCOMPARE(other.frames.at(0).text, receivedReply(QStringLiteral("still here")));
}

void TestServer::backlogRule_data()
{
    QTest::addColumn<bool>("silent");
    QTest::addColumn<int>("capKiB");
    QTest::addColumn<bool>("dropped");
    QTest::addColumn<bool>("atOnce");
    QTest::addColumn<QString>("why");

    // One burst of 8 MB, far more than the system buffers of a local link take.
    QTest::newRow("a reader behind by a burst keeps its link") << false << 1024 << false << false << QString();
    QTest::newRow("a client that takes nothing goes once its allowance is up")
        << true << 1024 << true << false << QStringLiteral("took nothing for 20 s");
    QTest::newRow("a client sixteen times the mark behind goes at once")
        << true << 64 << true << true << QStringLiteral("1 MiB behind");
}

void TestServer::backlogRule()
{
    QFETCH(bool, silent);
    QFETCH(int, capKiB);
    QFETCH(bool, dropped);
    QFETCH(bool, atOnce);
    QFETCH(QString, why);

    server->setMaxPendingBytes(qint64(capKiB) * 1024);
    ReplayTestClient &client = connectClient(silent);
    // The service's line names the client as its user knows it, and says why it went.
    if (dropped) {
        QTest::ignoreMessage(QtDebugMsg, QRegularExpression(QStringLiteral("^Dropping client 127\\.0\\.0\\.1:%1: %2; \\d+ bytes unsent$")
                                                                .arg(client.socket.localPort())
                                                                .arg(why)));
    }
    QByteArray burst(8 * 1024 * 1024, '\0');
    for (int i = 0; i < burst.size(); ++i)
        burst[i] = char('a' + i % 23);

    QElapsedTimer clock;
    clock.start();
    server->sendToAll(burst.constData(), burst.size(), nullptr, nullptr);
    if (atOnce) {
        QCOMPARE(server->clientCount(), 0);
        return;
    }
    QCOMPARE(server->clientCount(), 1);
    if (dropped) {
        // No further write comes; the service looks again by itself.
        QTRY_COMPARE_WITH_TIMEOUT(server->clientCount(), 0, Server::stallTimeoutMs + 10000);
        QVERIFY2(clock.elapsed() >= Server::stallTimeoutMs - 50, QByteArray::number(clock.elapsed()).constData());
        client.socket.setReadBufferSize(0);
        QTRY_VERIFY_WITH_TIMEOUT((client.collect(), !client.connected()), 10000);
        QVERIFY(client.received.size() < 64 + burst.size());
    } else {
        QTRY_COMPARE_WITH_TIMEOUT(client.collect(), burst.size(), 20000);
        QVERIFY(client.received == burst);
        QCOMPARE(server->clientCount(), 1);
    }
}

void TestServer::whomTheTotalLetsGo_data()
{
    QTest::addColumn<qint64>("mark");
    QTest::addColumn<Standings>("standings");
    QTest::addColumn<qint64>("held");
    QTest::addColumn<QStringList>("gone");

    // The played bytes are held from the place of the client furthest behind, a chunk's
    // start before it at most; each socket holds up to 64 KiB besides.
    const qint64 cap = 64 * MiB;
    QTest::newRow("a paused client nearer the front keeps its link, the far reader goes")
        << 4 * MiB
        << Standings{{"far reader", 67090000, 10000, 9950}, {"paused", 9440724, 65536, 1000}, {"full", 0, 2000, 9990}}
        << qint64(67090000 + 40000 + 10000 + 65536 + 2000) << QStringList{"far reader"};
    QTest::newRow("three paused clients keep their links")
        << 4 * MiB
        << Standings{{"paused 1", 6500000, 65536, 1200},
                     {"far reader", 67090000, 8000, 9950},
                     {"paused 2", 6400000, 65536, 1100},
                     {"paused 3", 6600000, 65536, 1000}}
        << qint64(67090000 + 30000 + 8000 + 3 * 65536) << QStringList{"far reader"};
    QTest::newRow("at the bound itself no one goes")
        << 4 * MiB << Standings{{"far reader", cap - 65536, 65536, 9950}, {"paused", 9000000, 0, 1000}} << cap
        << QStringList();
    QTest::newRow("the far ones go in turn while the total is still over")
        << 4 * MiB
        << Standings{{"near", 2000000, 20000, 9000}, {"second", 67090000, 20000, 9900}, {"first", 67100000, 20000, 9990}}
        << qint64(67100000 + 60000 + 3 * 20000) << QStringList{"first", "second"};
    QTest::newRow("at one place both hold the played bytes: the one that took longest ago goes first")
        << 4 * MiB
        << Standings{{"took lately", 67000000, 65536, 9000}, {"near", 1000000, 0, 9990}, {"took long ago", 67000000, 65536, 5000}}
        << qint64(67000000 + 100000 + 2 * 65536) << QStringList{"took long ago", "took lately"};
    QTest::newRow("clients holding nothing are never named")
        << 4 * MiB << Standings{{"a", 0, 0, 1000}, {"b", 0, 0, 2000}} << cap + 1 << QStringList();
    QTest::newRow("a smaller mark: furthest behind goes past sixteen times it")
        << MiB << Standings{{"paused", 3 * MiB, 65536, 100}, {"far reader", 16 * MiB - 1000, 1000, 9000}}
        << 16 * MiB + 65536 << QStringList{"far reader"};
}

void TestServer::whomTheTotalLetsGo()
{
    QFETCH(qint64, mark);
    QFETCH(Standings, standings);
    QFETCH(qint64, held);
    QFETCH(QStringList, gone);

    ClientBacklogs rule;
    rule.setMaxPendingBytes(mark);
    QVector<ClientBacklogs::Standing> told;
    for (int i = 0; i < standings.size(); ++i) {
        rule.add(ClientBacklogs::Id(i + 1), 0);
        rule.noteTaken(ClientBacklogs::Id(i + 1), 1000, standings.at(i).lastTakenMs);
        told.append({ClientBacklogs::Id(i + 1), standings.at(i).behind, standings.at(i).own});
    }
    QStringList named;
    const QString why = QStringLiteral("furthest behind while all clients hold over %1 MiB").arg(mark * 16 / MiB);
    for (const ClientBacklogs::Drop &drop : rule.overTotal(told, held)) {
        QVERIFY(drop.id >= 1 && int(drop.id) <= standings.size());
        named << standings.at(int(drop.id) - 1).name;
        QCOMPARE(drop.why, why);
    }
    QCOMPARE(named, gone);
}

void TestServer::whomTheLooksLetGo_data()
{
    QTest::addColumn<LookScript>("looks");
    QTest::addColumn<int>("goneAtLook");
    QTest::addColumn<QString>("why");

    const qint64 over = 4 * MiB + 1;
    const QString stalled = QStringLiteral("took nothing for 20 s");
    QTest::newRow("over the mark and taking nothing: goes once 20 s were offered")
        << LookScript{{300, 100, false, over}} << 200 << stalled;
    QTest::newRow("a pause of 15 s over the mark keeps the link")
        << LookScript{{10, 100, true, over}, {150, 100, false, 9 * MiB}, {100, 100, true, 2 * MiB}} << -1 << QString();
    QTest::newRow("a pause of 19.9 s keeps it; the count starts again after a step")
        << LookScript{{200, 100, false, over}, {1, 100, true, over}, {199, 100, false, over}} << -1 << QString();
    QTest::newRow("at the mark itself a client may take nothing for good")
        << LookScript{{400, 100, false, 4 * MiB}} << -1 << QString();
    QTest::newRow("late looks count one interval each")
        << LookScript{{150, 1000, false, over}, {60, 100, false, over}} << 200 << stalled;
    QTest::newRow("nothing waiting is no time offered")
        << LookScript{{150, 100, false, 0}, {150, 100, false, over}} << -1 << QString();
    QTest::newRow("sixteen times the mark behind goes at once, reading or not")
        << LookScript{{5, 100, true, 64 * MiB}, {1, 100, true, 64 * MiB + 1}} << 5 << QStringLiteral("64 MiB behind");
}

void TestServer::whomTheLooksLetGo()
{
    QFETCH(LookScript, looks);
    QFETCH(int, goneAtLook);
    QFETCH(QString, why);

    ClientBacklogs rule;
    const ClientBacklogs::Id client = 7;
    qint64 now = 5000;
    rule.add(client, now);
    rule.startLooking(now);
    qint64 taken = 0;
    int index = 0;
    for (const Looks &run : looks) {
        for (int i = 0; i < run.count; ++i, ++index) {
            now += run.stepMs;
            const qint64 credit = rule.look(now);
            const bool took = rule.noteTaken(client, run.took ? taken += 1000 : taken, now);
            QCOMPARE(took, run.took);
            QString reason = rule.farBehind(run.unsent);
            if (reason.isEmpty())
                reason = rule.afterLook(client, took, run.unsent, credit);
            if (!reason.isEmpty()) {
                QCOMPARE(index, goneAtLook);
                QCOMPARE(reason, why);
                return;
            }
        }
    }
    QCOMPARE(-1, goneAtLook);
}

void TestServer::aClientThatLeavesItsRepliesUnreadWaitsForThem()
{
    // Some 18 MB of frames whose replies it does not read: far more than the system's
    // buffers take, so the replies would pile up in the service.
    ReplayTestClient &client = connectClient();
    client.socket.setReadBufferSize(1);
    const int count = 300;
    for (int i = 0; i < count; ++i)
        client.socket.write(makeReplayFrame(QString::number(i).leftJustified(30000, QLatin1Char('.'))));
    // The service answers until the replies it holds reach their bound, then waits; the
    // client's frames stay in the system meanwhile.
    qint64 mostHeld = 0;
    qint64 lastHeld = -1;
    QElapsedTimer steady;
    steady.start();
    QVERIFY(runEventsUntil([&] {
        const qint64 held = server->heldBytes();
        mostHeld = qMax(mostHeld, held);
        if (held != lastHeld) {
            lastHeld = held;
            steady.restart();
        }
        // The bound reached, then a spell in which it held no more.
        return held > Server::maxUnreadReplyBytes && steady.elapsed() > 500;
    }, 30000));
    // Its frames not answered yet wait on its side.
    QVERIFY(client.socket.bytesToWrite() > 0);
    // The bound, one reply past it, and what the socket is handed at a time.
    const qint64 bound = Server::maxUnreadReplyBytes + 2 * 0x10000 + Server::socketWindowBytes;
    QVERIFY2(mostHeld > Server::maxUnreadReplyBytes && mostHeld <= bound, QByteArray::number(mostHeld).constData());
    QCOMPARE(server->clientCount(), 1);

    // Once it reads, every frame is answered, in order.
    client.socket.setReadBufferSize(0);
    QVERIFY(runEventsWhileProgressing([&] { return client.pollFrames() == count; },
                                      [&] { return qint64(client.collect()) + client.frames.size(); }, 10000, 120000));
    for (int i = 0; i < count; ++i)
        QVERIFY(client.frames.at(i).text.startsWith(QStringLiteral("Server Response: Received \"") + QString::number(i) + '.'));
    QCOMPARE(server->clientCount(), 1);
}

void TestServer::aClientThatClosesItsSendingSideIsLetGo()
{
    // Qt takes the end of a peer's sending side for the end of the connection and
    // closes it; the client is let go as if it had left (the README says so).
    ReplayTestClient &client = connectClient();
    ReplayTestClient &other = connectClient();
    QCOMPARE(::shutdown(int(client.socket.socketDescriptor()), SHUT_WR), 0);
    QTRY_COMPARE_WITH_TIMEOUT(server->clientCount(), 1, 5000);
    // The other client is served on.
    qint64 count = 0;
    server->sendToAll("line\n", 5, &count, nullptr);
    QCOMPARE(count, qint64(1));
    QTRY_COMPARE_WITH_TIMEOUT(other.collect(), 5, 5000);
}

QTEST_MAIN(TestServer)
#include "tst_server.moc"
