#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QtTest>

#include <sys/socket.h>

#include "connectguard.h"
#include "readerproxy.h"
#include "socketreader.h"
#include "spybytes.h"

// The TCP byte source against a real server on the loopback interface.
class TestSocketReader : public QObject
{
    Q_OBJECT

private:
    // Accepts the reader's connection and returns the server's end of it.
    static QTcpSocket *accept(QTcpServer &server)
    {
        if (!server.hasPendingConnections() && !server.waitForNewConnection(5000))
            return nullptr;
        return server.nextPendingConnection();
    }

    // Points the reader at the server on the loopback interface.
    static void aim(SocketReader &reader, const QTcpServer &server)
    {
        reader.setHost(QStringLiteral("127.0.0.1"));
        reader.setPort(server.serverPort());
    }

private slots:
    void initTestCase()
    {
        installConnectGuard();
    }

    void connectsAndReceivesChunksEndingEmpty()
    {
        QTcpServer server;
        QVERIFY(server.listen(QHostAddress::LocalHost));
        SocketReader reader(nullptr);
        aim(reader, server);
        QCOMPARE(reader.host(), QStringLiteral("127.0.0.1"));
        QCOMPARE(reader.port(), int(server.serverPort()));
        QVERIFY(!reader.isOpen());

        QSignalSpy connectedSpy(&reader, SIGNAL(connected()));
        QSignalSpy dataSpy(&reader, SIGNAL(dataRead(QByteArray)));
        reader.start();
        // Open from the request on, before the connection is made.
        QVERIFY(reader.isOpen());
        QTcpSocket *peer = accept(server);
        QVERIFY(peer);
        QTRY_COMPARE_WITH_TIMEOUT(connectedSpy.count(), 1, 5000);

        peer->write("0123456789");
        peer->flush();
        QTRY_COMPARE_WITH_TIMEOUT(dataSpy.count(), 2, 5000);
        QCOMPARE(dataSpy.at(0).at(0).toByteArray(), QByteArray("0123456789"));
        QCOMPARE(dataSpy.at(1).at(0).toByteArray(), QByteArray());

        // A longer stream: every read loop ends with exactly one empty chunk and
        // nothing is lost or repeated.
        dataSpy.clear();
        QByteArray big;
        for (int i = 0; i < 200000; ++i)
            big.append(char('A' + i % 26));
        peer->write(big);
        QTRY_COMPARE_WITH_TIMEOUT(joinedBytes(dataSpy).size(), big.size(), 10000);
        QTRY_VERIFY_WITH_TIMEOUT(dataSpy.last().at(0).toByteArray().isEmpty(), 5000);
        QCOMPARE(joinedBytes(dataSpy), big);
        for (int i = 1; i < dataSpy.count(); ++i) {
            const bool emptyNow = dataSpy.at(i).at(0).toByteArray().isEmpty();
            const bool emptyBefore = dataSpy.at(i - 1).at(0).toByteArray().isEmpty();
            QVERIFY2(!(emptyNow && emptyBefore), "two empty chunks in a row");
        }
    }

    void aBacklogArrivesInSlicesTheParsersTakeWhole()
    {
        // A GUI thread busy for a moment at replay speed finds far more waiting than the
        // parsers take in one call (10000 bytes; they keep only the end of more).
        QTcpServer server;
        QVERIFY(server.listen(QHostAddress::LocalHost));
        SocketReader reader(nullptr);
        aim(reader, server);
        QSignalSpy connectedSpy(&reader, SIGNAL(connected()));
        reader.start();
        QTcpSocket *peer = accept(server);
        QVERIFY(peer);
        QTRY_COMPARE_WITH_TIMEOUT(connectedSpy.count(), 1, 5000);

        QSignalSpy dataSpy(&reader, SIGNAL(dataRead(QByteArray)));
        QByteArray backlog;
        for (int i = 0; backlog.size() < 400000; ++i)
            backlog += "$GPTXT,01,01,02,line " + QByteArray::number(i) + "*00\r\n";
        peer->write(backlog);
        QVERIFY(peer->waitForBytesWritten(5000));
        QTRY_COMPARE_WITH_TIMEOUT(joinedBytes(dataSpy).size(), backlog.size(), 10000);
        QCOMPARE(joinedBytes(dataSpy), backlog);
        // Each read loop (up to its empty chunk) takes a bounded share; the rest waits
        // in the kernel for the next pass of the event loop.
        qint64 loop = 0;
        for (const QList<QVariant> &chunk : dataSpy) {
            const int size = chunk.at(0).toByteArray().size();
            QVERIFY(size <= iReader::maxChunkBytes);
            loop = size == 0 ? 0 : loop + size;
            QVERIFY(loop <= SocketReader::maxReadPerPass);
        }
    }

    void sendsToThePeer()
    {
        QTcpServer server;
        QVERIFY(server.listen(QHostAddress::LocalHost));
        SocketReader reader(nullptr);
        aim(reader, server);
        reader.start();
        QTcpSocket *peer = accept(server);
        QVERIFY(peer);

        const QByteArray frame = QByteArray::fromHex("0203000a000000");
        reader.sendData(frame);
        QByteArray got;
        QTRY_COMPARE_WITH_TIMEOUT((got += peer->readAll()), frame, 5000);
    }

    void peerCloseClosesTheReader_data()
    {
        QTest::addColumn<bool>("reset");
        QTest::newRow("orderly close") << false;
        QTest::newRow("reset") << true;
    }

    void peerCloseClosesTheReader()
    {
        // However the peer ends the link, no more data will come: the reader closes and
        // says so once, closed by then, as for a link that failed.
        QFETCH(bool, reset);
        QTcpServer server;
        QVERIFY(server.listen(QHostAddress::LocalHost));
        ReaderProxy proxy(nullptr);
        proxy.openSocket(QStringLiteral("127.0.0.1"), server.serverPort());
        QSignalSpy connectedSpy(&proxy, SIGNAL(connected()));
        QSignalSpy errorSpy(&proxy, SIGNAL(error()));
        bool closedAtError = false;
        connect(&proxy, &iReader::error, this, [&] { closedAtError = !proxy.isOpen(); });
        proxy.start();
        QTcpSocket *peer = accept(server);
        QVERIFY(peer);
        QTRY_COMPARE_WITH_TIMEOUT(connectedSpy.count(), 1, 5000);
        peer->write("$GPGGA,1*00\r\n");
        peer->flush();

        if (reset) {
            const linger now{1, 0};
            ::setsockopt(int(peer->socketDescriptor()), SOL_SOCKET, SO_LINGER, &now, sizeof now);
            peer->abort();
        } else {
            peer->disconnectFromHost();
        }
        QTRY_VERIFY_WITH_TIMEOUT(!proxy.isOpen(), 5000);
        QTRY_COMPARE_WITH_TIMEOUT(errorSpy.count(), 1, 5000);
        QVERIFY(closedAtError);
        // Writing to the closed link has no effect and no complaint.
        proxy.sendData("late");
        QCoreApplication::processEvents();
        QCOMPARE(errorSpy.count(), 1);
    }

    void refusedConnectionClosesThenReportsError()
    {
        quint16 deadPort = 0;
        {
            QTcpServer probe;
            QVERIFY(probe.listen(QHostAddress::LocalHost));
            deadPort = probe.serverPort();
        }
        ReaderProxy proxy(nullptr);
        proxy.openSocket(QStringLiteral("127.0.0.1"), deadPort);
        // The reader must already be closed when its error is told.
        bool closedAtError = false;
        connect(&proxy, &iReader::error, this, [&] { closedAtError = !proxy.isOpen(); });
        QSignalSpy errorSpy(&proxy, SIGNAL(error()));
        QSignalSpy connectedSpy(&proxy, SIGNAL(connected()));
        proxy.start();
        QTRY_COMPARE_WITH_TIMEOUT(errorSpy.count(), 1, 5000);
        QVERIFY(closedAtError);
        QCOMPARE(connectedSpy.count(), 0);
        QVERIFY(!proxy.isOpen());
    }

    void settingsChangedOnAnOpenSocketReconnect()
    {
        QTcpServer first;
        QTcpServer second;
        QVERIFY(first.listen(QHostAddress::LocalHost));
        QVERIFY(second.listen(QHostAddress::LocalHost));
        SocketReader reader(nullptr);
        reader.setHost(QStringLiteral("127.0.0.1"));
        reader.setPort(first.serverPort());
        QSignalSpy connectedSpy(&reader, SIGNAL(connected()));
        reader.start();
        QVERIFY(accept(first));
        QTRY_COMPARE_WITH_TIMEOUT(connectedSpy.count(), 1, 5000);

        reader.setPort(second.serverPort());
        QTcpSocket *peer = accept(second);
        QVERIFY(peer);
        QTRY_COMPARE_WITH_TIMEOUT(connectedSpy.count(), 2, 5000);
        QSignalSpy dataSpy(&reader, SIGNAL(dataRead(QByteArray)));
        peer->write("xyz");
        QTRY_COMPARE_WITH_TIMEOUT(joinedBytes(dataSpy), QByteArray("xyz"), 5000);
    }

    void restartWithUnsentBytesConnectsOnceTheOldConnectionHasClosed()
    {
        QTcpServer server;
        QVERIFY(server.listen(QHostAddress::LocalHost));
        SocketReader reader(nullptr);
        aim(reader, server);
        QSignalSpy connectedSpy(&reader, SIGNAL(connected()));
        QSignalSpy errorSpy(&reader, SIGNAL(error()));
        reader.start();
        QTcpSocket *oldPeer = accept(server);
        QVERIFY(oldPeer);
        QTRY_COMPARE_WITH_TIMEOUT(connectedSpy.count(), 1, 5000);

        // The frame is still in the socket's buffer (the event loop writes it) when the
        // link is stopped and started again.
        reader.sendData("unsent");
        reader.stop();
        reader.start();
        QVERIFY(reader.isOpen());
        QByteArray lastWords;
        QTRY_COMPARE_WITH_TIMEOUT((lastWords += oldPeer->readAll()), QByteArray("unsent"), 5000);
        QTcpSocket *peer = accept(server);
        QVERIFY(peer);
        QTRY_COMPARE_WITH_TIMEOUT(connectedSpy.count(), 2, 5000);
        QCOMPARE(errorSpy.count(), 0);

        QSignalSpy dataSpy(&reader, SIGNAL(dataRead(QByteArray)));
        peer->write("xyz");
        QTRY_COMPARE_WITH_TIMEOUT(joinedBytes(dataSpy), QByteArray("xyz"), 5000);
        reader.sendData("abc");
        QByteArray got;
        QTRY_COMPARE_WITH_TIMEOUT((got += peer->readAll()), QByteArray("abc"), 5000);

        // A stop while the new connection waits for the old one's close cancels it.
        QSignalSpy newConnections(&server, SIGNAL(newConnection()));
        reader.sendData("more");
        reader.stop();
        reader.start();
        reader.stop();
        QVERIFY(!reader.isOpen());
        QTRY_COMPARE_WITH_TIMEOUT((got += peer->readAll()), QByteArray("abcmore"), 5000);
        QVERIFY(!newConnections.wait(500));
        QCOMPARE(connectedSpy.count(), 2);
    }

    // --- the proxy in front of a socket reader ---

    void proxyRelaysAndPauses()
    {
        QTcpServer server;
        QVERIFY(server.listen(QHostAddress::LocalHost));
        ReaderProxy proxy(nullptr);
        proxy.openSocket(QStringLiteral("127.0.0.1"), server.serverPort());
        QCOMPARE(proxy.readerType(), ConnectionMode::TcpSocket);
        QString host;
        int port = 0;
        QVERIFY(proxy.socketSettings(host, port));
        QCOMPARE(host, QStringLiteral("127.0.0.1"));
        QCOMPARE(port, int(server.serverPort()));

        QSignalSpy connectedSpy(&proxy, SIGNAL(connected()));
        QSignalSpy dataSpy(&proxy, SIGNAL(dataRead(QByteArray)));
        proxy.start();
        QTcpSocket *peer = accept(server);
        QVERIFY(peer);
        QTRY_COMPARE_WITH_TIMEOUT(connectedSpy.count(), 1, 5000);

        auto *reader = proxy.findChild<SocketReader *>();
        QVERIFY(reader);
        QSignalSpy readerSpy(reader, SIGNAL(dataRead(QByteArray)));

        peer->write("one");
        QTRY_COMPARE_WITH_TIMEOUT(joinedBytes(dataSpy), QByteArray("one"), 5000);

        // Paused: the reader goes on reading, nothing reaches the proxy's listeners.
        proxy.pause(true);
        peer->write("held");
        QTRY_COMPARE_WITH_TIMEOUT(joinedBytes(readerSpy), QByteArray("oneheld"), 5000);
        QCOMPARE(joinedBytes(dataSpy), QByteArray("one"));
        QVERIFY(proxy.isOpen());

        // Continued twice: still one connection, so no chunk comes twice.
        proxy.pause(false);
        proxy.pause(false);
        peer->write("two");
        QTRY_COMPARE_WITH_TIMEOUT(joinedBytes(readerSpy), QByteArray("oneheldtwo"), 5000);
        QCOMPARE(joinedBytes(dataSpy), QByteArray("onetwo"));

        // A proxy that was never paused, continued: still once.
        proxy.pause(false);
        peer->write("three");
        QTRY_COMPARE_WITH_TIMEOUT(joinedBytes(readerSpy), QByteArray("oneheldtwothree"), 5000);
        QCOMPARE(joinedBytes(dataSpy), QByteArray("onetwothree"));

        const QByteArray command = QByteArray::fromHex("02030001");
        proxy.sendData(command);
        QByteArray got;
        QTRY_COMPARE_WITH_TIMEOUT((got += peer->readAll()), command, 5000);
    }

    void readerReplacedWhilePausedDeliversOnce()
    {
        QTcpServer server;
        QVERIFY(server.listen(QHostAddress::LocalHost));
        ReaderProxy proxy(nullptr);
        proxy.openSocket(QStringLiteral("127.0.0.1"), server.serverPort());
        QSignalSpy connectedSpy(&proxy, SIGNAL(connected()));
        QSignalSpy dataSpy(&proxy, SIGNAL(dataRead(QByteArray)));
        proxy.start();
        QTcpSocket *oldPeer = accept(server);
        QVERIFY(oldPeer);
        QTRY_COMPARE_WITH_TIMEOUT(connectedSpy.count(), 1, 5000);
        proxy.pause(true);

        QPointer<SocketReader> oldReader = proxy.findChild<SocketReader *>();
        proxy.openSocket(QStringLiteral("127.0.0.1"), server.serverPort());
        proxy.start();
        QTcpSocket *peer = accept(server);
        QVERIFY(peer);
        QTRY_COMPARE_WITH_TIMEOUT(connectedSpy.count(), 2, 5000);
        // The replaced reader is deleted by the event loop.
        QTRY_VERIFY_WITH_TIMEOUT(oldReader.isNull(), 5000);

        // The new reader is not paused; continuing must not double it either.
        peer->write("abc");
        QTRY_COMPARE_WITH_TIMEOUT(joinedBytes(dataSpy), QByteArray("abc"), 5000);
        proxy.pause(false);
        peer->write("def");
        QTRY_COMPARE_WITH_TIMEOUT(joinedBytes(dataSpy), QByteArray("abcdef"), 5000);
    }

    void proxyWithoutReader()
    {
        ReaderProxy proxy(nullptr);
        QSignalSpy dataSpy(&proxy, SIGNAL(dataRead(QByteArray)));
        QVERIFY(!proxy.isOpen());
        QCOMPARE(proxy.readerType(), ConnectionMode::NoLink);
        QString name = QStringLiteral("unchanged");
        int number = 7;
        QVERIFY(!proxy.serialSettings(name, number));
        QVERIFY(!proxy.socketSettings(name, number));
        QCOMPARE(name, QStringLiteral("unchanged"));
        QCOMPARE(number, 7);
        proxy.start();
        proxy.stop();
        proxy.clear();
        proxy.sendData("nothing");
        proxy.pause(true);
        proxy.pause(false);
        QCOMPARE(dataSpy.count(), 0);
        QVERIFY(!proxy.isOpen());
    }

    void replacingChangesTheKindAtOnce()
    {
        ReaderProxy proxy(nullptr);
        proxy.openSerialPort(QStringLiteral("/dev/null-port"), 115200);
        QCOMPARE(proxy.readerType(), ConnectionMode::SerialPort);
        QString host = QStringLiteral("keep");
        int port = 5;
        QVERIFY(!proxy.socketSettings(host, port));
        QCOMPARE(host, QStringLiteral("keep"));
        QCOMPARE(port, 5);
        QString portName;
        int baud = 0;
        QVERIFY(proxy.serialSettings(portName, baud));
        QCOMPARE(portName, QStringLiteral("/dev/null-port"));
        QCOMPARE(baud, 115200);

        proxy.openSocket(QStringLiteral("localhost"), 4001);
        QCOMPARE(proxy.readerType(), ConnectionMode::TcpSocket);
        QVERIFY(!proxy.serialSettings(portName, baud));
        QCOMPARE(portName, QStringLiteral("/dev/null-port"));
        QCOMPARE(baud, 115200);
    }

    void baudSearchSignalsAreRelayed()
    {
        ReaderProxy proxy(nullptr);
        QSignalSpy testSpy(&proxy, SIGNAL(displayTestBaudRate(int)));
        QSignalSpy masterSpy(&proxy, SIGNAL(displayBaudRateMaster(bool)));
        proxy.emitDisplayTestBaudRate(-1);
        proxy.emitDisplayTestBaudRate(9600);
        proxy.emitDisplayBaudRateMaster(true);
        proxy.emitDisplayBaudRateMaster(false);
        QCOMPARE(testSpy.count(), 2);
        QCOMPARE(testSpy.at(0).at(0).toInt(), -1);
        QCOMPARE(testSpy.at(1).at(0).toInt(), 9600);
        QCOMPARE(masterSpy.count(), 2);
        QCOMPARE(masterSpy.at(0).at(0).toBool(), true);
        QCOMPARE(masterSpy.at(1).at(0).toBool(), false);
    }
};

QTEST_GUILESS_MAIN(TestSocketReader)
#include "tst_socketreader.moc"
