#include <QHostAddress>
#include <QTcpSocket>
#include <QThread>
#include <QTimer>
#include <QtEndian>
#include <QtTest>

#include <atomic>

#include "connectguard.h"
#include "replaypeer.h"

// The replay stand-in that the end-to-end test and the benchmark feed polvane with: it
// must send what replay_server sends, at replay_server's pace.
class TestReplayPeer : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void timingFollowsTheSpeed_data();
    void timingFollowsTheSpeed();
    void linesAreHeldAsTextModeReadsThem_data();
    void linesAreHeldAsTextModeReadsThem();
    void aClientGetsTheGreetingThenEveryLineOnce();
    void clientsLeavingInTheMiddleOfABurst();
    void theSampleLogHasEveryKindOfLine();
};

void TestReplayPeer::initTestCase()
{
    installConnectGuard();
}

void TestReplayPeer::timingFollowsTheSpeed_data()
{
    QTest::addColumn<int>("speed");
    QTest::addColumn<int>("interval");
    QTest::addColumn<int>("lines");
    QTest::newRow("1") << 1 << 1000 << 1;
    QTest::newRow("10") << 10 << 100 << 1;
    QTest::newRow("33") << 33 << 30 << 1;
    QTest::newRow("49") << 49 << 20 << 1;
    QTest::newRow("50") << 50 << 20 << 2;
    QTest::newRow("100") << 100 << 10 << 3;
    QTest::newRow("166, about 700 lines/s") << 166 << 6 << 4;
    QTest::newRow("500") << 500 << 2 << 11;
    QTest::newRow("501") << 501 << 1 << 11;
    QTest::newRow("1000") << 1000 << 1 << 21;
}

void TestReplayPeer::timingFollowsTheSpeed()
{
    QFETCH(int, speed);
    QFETCH(int, interval);
    QFETCH(int, lines);
    const ReplayPeer::Timing timing = ReplayPeer::timing(speed);
    QCOMPARE(timing.intervalMs, interval);
    QCOMPARE(timing.linesPerTick, lines);
}

void TestReplayPeer::linesAreHeldAsTextModeReadsThem_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QList<QByteArray>>("lines");
    QTest::newRow("CR LF becomes LF") << QByteArray("$A*00\r\n$B*00\r\n") << QList<QByteArray>{"$A*00\n", "$B*00\n"};
    QTest::newRow("LF stays") << QByteArray("$A\n\n") << QList<QByteArray>{"$A\n", "\n"};
    QTest::newRow("last line without its end") << QByteArray("$A\n$B") << QList<QByteArray>{"$A\n", "$B"};
    QTest::newRow("a lone CR is text") << QByteArray("$A\r$B\n") << QList<QByteArray>{"$A\r$B\n"};
    QTest::newRow("a NUL ends the text") << QByteArray("$A\0junk\n$B\n", 11) << QList<QByteArray>{"$A", "$B\n"};
}

void TestReplayPeer::linesAreHeldAsTextModeReadsThem()
{
    QFETCH(QByteArray, file);
    QFETCH(QList<QByteArray>, lines);
    QCOMPARE(ReplayPeer::linesOf(file), lines);
}

void TestReplayPeer::aClientGetsTheGreetingThenEveryLineOnce()
{
    ReplayPeer peer;
    QList<QByteArray> lines;
    QByteArray expected;
    for (int i = 0; i < 250; ++i) {
        lines.append("$GPTXT,line " + QByteArray::number(i) + "\n");
        expected += lines.last();
    }
    peer.setLines(lines);
    peer.setSpeed(1000);
    QVERIFY(peer.listen());

    QTcpSocket client;
    QByteArray received;
    connect(&client, &QTcpSocket::readyRead, this, [&] { received += client.readAll(); });
    client.connectToHost(QHostAddress::LocalHost, peer.port());
    QTRY_COMPARE(peer.clientCount(), 1);
    QTRY_COMPARE(received.size(), 64);
    const auto *raw = reinterpret_cast<const uchar *>(received.constData());
    QCOMPARE(qFromBigEndian<quint16>(raw), quint16(62));
    QCOMPARE(qFromBigEndian<quint32>(raw + 6), quint32(54));
    QString text;
    for (int i = 0; i < 54; i += 2)
        text.append(QChar(qFromBigEndian<quint16>(raw + 10 + i)));
    QCOMPARE(text, QStringLiteral("Server Response: Connected!"));

    QSignalSpy finished(&peer, &ReplayPeer::playbackFinished);
    peer.play();
    QVERIFY(finished.wait(5000));
    QTRY_COMPARE(received.size(), 64 + expected.size());
    QCOMPARE(received.mid(64), expected);
    QCOMPARE(peer.linesSent(), qint64(250));
    QVERIFY(!peer.isPlaying());
    QCOMPARE(peer.position(), 0);
}

void TestReplayPeer::clientsLeavingInTheMiddleOfABurst()
{
    // A peer gone with data unread answers with a reset, so the peer's flush of the next
    // line fails, aborts that socket and removes its client while a burst walks the list.
    ReplayPeer peer;
    QList<QByteArray> lines;
    for (int i = 0; i < 1000; ++i)
        lines.append(QByteArray(4000, char('a' + i % 26)) + '\n');
    peer.setLines(lines);
    peer.setLoop(true);
    QVERIFY(peer.listen());
    const quint16 port = peer.port();

    // Clients on a thread of their own, as other programs would be: every few
    // milliseconds some connect, and each leaves once it has a little.
    std::atomic<int> left{0};
    QThread storm;
    QObject context;
    context.moveToThread(&storm);
    storm.start();
    QMetaObject::invokeMethod(&context, [&] {
        auto *arrivals = new QTimer(&context);
        QObject::connect(arrivals, &QTimer::timeout, &context, [&] {
            for (int i = 0; i < 4; ++i) {
                auto *client = new QTcpSocket(&context);
                client->setReadBufferSize(16 * 1024);
                QObject::connect(client, &QTcpSocket::readyRead, client, [client, &left] {
                    if (client->bytesAvailable() >= 16 * 1024 && client->isOpen()) {
                        client->abort();
                        client->deleteLater();
                        ++left;
                    }
                });
                client->connectToHost(QHostAddress::LocalHost, port);
            }
        });
        arrivals->start(5);
    }, Qt::BlockingQueuedConnection);

    peer.playAtRate(100000, 100);  // bursts of 1000 lines, 4 MB for every client
    QTRY_VERIFY_WITH_TIMEOUT(left.load() >= 300, 120000);
    peer.pause();
    QMetaObject::invokeMethod(&context, [&] { qDeleteAll(context.children()); }, Qt::BlockingQueuedConnection);
    storm.quit();
    storm.wait();
    QVERIFY(peer.linesSent() > 1000);
    // Whoever is left is a live client of the peer's.
    QTRY_COMPARE_WITH_TIMEOUT(peer.clientCount(), 0, 10000);
}

void TestReplayPeer::theSampleLogHasEveryKindOfLine()
{
    ReplayPeer peer;
    QVERIFY(peer.loadFile(QStringLiteral(POLVANE_SAMPLE_LOG)));
    const QList<QByteArray> &lines = peer.lines();
    // Ten minutes at 10 Hz; a damaged line costs its sentence (a cut one two).
    QVERIFY(lines.size() > 70000);
    QHash<QByteArray, int> kinds;
    int badChecksums = 0;
    for (const QByteArray &line : lines) {
        QVERIFY(line.endsWith('\n') && !line.endsWith("\r\n"));
        const int star = line.lastIndexOf('*');
        const int dollar = line.lastIndexOf('$', star);
        bool ok = false;
        quint8 sum = 0;
        if (dollar >= 0 && star > dollar) {
            for (int i = dollar + 1; i < star; ++i)
                sum ^= quint8(line.at(i));
            ok = line.mid(star + 1, 2).toUInt(nullptr, 16) == sum && line.size() == star + 4;
        }
        if (!ok || dollar != 0)
            ++badChecksums;
        else
            ++kinds[line.mid(1, 5)];
    }
    for (const char *kind : {"GNGGA", "GNRMC", "GNVTG", "GNZDA", "GNGST", "GNHDG", "GPGSA", "GLGSA", "GAGSA",
                             "GBGSA"})
        QVERIFY2(kinds.value(kind) >= 5998 && kinds.value(kind) <= 6000, kind);
    for (const char *kind : {"GPGSV", "GLGSV", "GAGSV", "GBGSV"})
        QVERIFY2(kinds.value(kind) > 600, kind);
    QCOMPARE(badChecksums, 7);
}

QTEST_GUILESS_MAIN(TestReplayPeer)
#include "tst_replaypeer.moc"
