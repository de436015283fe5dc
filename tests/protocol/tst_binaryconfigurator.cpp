// The command engine seen from the wire: the frames it writes, the signals its
// replies give, and the order in which requests go out.
#include <QEventLoop>
#include <QTimer>
#include <QtTest>

#include <cmath>
#include <cstring>
#include <functional>
#include <limits>

#include "binaryconfigurator.h"
#include "connectguard.h"
#include "parserproxy.h"
#include "scriptedreceiver.h"
#include "tst_binaryconfigurator_fakes.h"
#include "tst_binaryconfigurator_rows.h"

namespace {

// One engine on a capturing link, with every signal recorded.
struct Rig {
    CapturingReader reader;
    StatusSource parser;
    BinaryConfigurator engine{&reader, &parser, nullptr};
    EngineRecorder recorder{&engine};
};

// The same, with the parser switch in binary mode in front of the engine: replies
// arrive as the frame bytes the receiver sends.
struct FramedRig {
    FramedRig() { parser.setInterfaceMode(InterfaceBinary); }
    void receive(int status, const QByteArray &payload)
    {
        parser.parse(ScriptedReceiver::frame(0, quint8(status), payload));
    }
    CapturingReader reader;
    ParserProxy parser{nullptr};
    BinaryConfigurator engine{&reader, &parser, nullptr};
    EngineRecorder recorder{&engine};
};

} // namespace

class tst_BinaryConfigurator : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    // Frame writing.
    void frameWriting();
    void oversizedPayloadIsRefused();
    void longestFrameGoesOutWhole();
    void requestFrame_data();
    void requestFrame();

    // Reply decoding.
    void reply_data();
    void reply();

    // The queue.
    void onlyTheHeadIsInFlight();
    void statusOutcomes_data();
    void statusOutcomes();
    void statusWithEmptyQueueIsIgnored();
    void timeoutTable_data();
    void timeoutTable();
    void busyLoopIsNotTheReceiversTime_data();
    void busyLoopIsNotTheReceiversTime();
    void requestQueuedFromErrorSlotIsWrittenOnce();
    void requestQueuedFromOutcomeSlotIsWrittenOnce();
    void lateFrameInsideNestedLoopRetiresNothing();
    void oversizedRequestFailsAndTheQueueMovesOn();
};

void tst_BinaryConfigurator::initTestCase()
{
    installConnectGuard();
}

void tst_BinaryConfigurator::frameWriting()
{
    QCOMPARE(BinaryConfigurator::bodyChecksum(hex("03020000")), quint16(0x1205));
    QCOMPARE(BinaryConfigurator::buildFrame(QByteArray(), MsgType(3), 0x02), hex("214e030200000512"));
    // An empty payload still has its two length bytes, and the checksum covers the four header bytes.
    QCOMPARE(BinaryConfigurator::buildBody(7, 0x81, QByteArray()), hex("07810000"));

    Rig rig;
    rig.engine.sendOpen();
    QCOMPARE(rig.reader.written, QList<QByteArray>{hex("214e030004006f70656eba78")});
}

void tst_BinaryConfigurator::oversizedPayloadIsRefused()
{
    QVERIFY(BinaryConfigurator::buildBody(6, 0x82, QByteArray(65536, 'x')).isEmpty());
    QCOMPARE(BinaryConfigurator::buildBody(6, 0x82, QByteArray(65535, 'x')).left(4), hex("0682ffff"));
}

void tst_BinaryConfigurator::longestFrameGoesOutWhole()
{
    Rig rig;
    const QByteArray page = pattern(1024);
    rig.engine.writePage(0x0203, page);
    QCOMPARE(rig.reader.written.size(), 1);
    QCOMPARE(rig.reader.written.first(), ScriptedReceiver::frame(6, 0x82, hex("0302") + page));
}

void tst_BinaryConfigurator::requestFrame_data()
{
    QTest::addColumn<Call>("call");
    QTest::addColumn<int>("group");
    QTest::addColumn<int>("subId");
    QTest::addColumn<QByteArray>("payload");
    addRequestRows();
}

void tst_BinaryConfigurator::requestFrame()
{
    QFETCH(Call, call);
    QFETCH(int, group);
    QFETCH(int, subId);
    QFETCH(QByteArray, payload);

    Rig rig;
    call(rig.engine);
    QCOMPARE(rig.reader.written.size(), 1);
    QCOMPARE(rig.reader.written.first().toHex(), ScriptedReceiver::frame(quint8(group), quint8(subId), payload).toHex());

    // Acknowledged, it completes under its own group and sub-id.
    rig.parser.deliver(1);
    QCOMPARE(rig.recorder.lines, QStringList{QStringLiteral("requestCompleted(%1,0x%2)").arg(group).arg(subId, 2, 16, QLatin1Char('0'))});
}

void tst_BinaryConfigurator::reply_data()
{
    QTest::addColumn<Call>("call");
    QTest::addColumn<QByteArray>("payload");
    QTest::addColumn<QStringList>("expected");
    addReplyRows();
}

void tst_BinaryConfigurator::reply()
{
    QFETCH(Call, call);
    QFETCH(QByteArray, payload);
    QFETCH(QStringList, expected);

    FramedRig rig;
    call(rig.engine);
    rig.receive(2, payload);
    // A data reply never completes the request: its typed signal (if any) is all.
    QCOMPARE(rig.recorder.lines, expected);
}

void tst_BinaryConfigurator::onlyTheHeadIsInFlight()
{
    FramedRig rig;
    rig.engine.requestUart1BaudRate();
    rig.engine.requestUart2BaudRate();
    rig.engine.requestUart3BaudRate();
    QCOMPARE(rig.reader.written, QList<QByteArray>{ScriptedReceiver::frame(3, 0x02, {})});

    rig.receive(2, hex("00c20100"));
    QCOMPARE(rig.reader.written.size(), 2);
    QCOMPARE(rig.reader.written.at(1), ScriptedReceiver::frame(3, 0x03, {}));
    rig.receive(2, hex("80250000"));
    rig.receive(2, hex("00960000"));
    QCOMPARE(rig.reader.written.size(), 3);
    QCOMPARE(rig.recorder.lines, (QStringList{"uart1BaudRateChanged(115200)", "uart2BaudRateChanged(9600)",
                                              "uart3BaudRateChanged(38400)"}));
}

void tst_BinaryConfigurator::statusOutcomes_data()
{
    QTest::addColumn<int>("status");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("0 refused") << 0 << QStringList{"requestError(3,0x8a)"};
    QTest::newRow("1 done") << 1 << QStringList{"requestCompleted(3,0x8a)"};
    QTest::newRow("2 data for a setter") << 2 << QStringList{};
    QTest::newRow("3 unknown") << 3 << QStringList{};
}

void tst_BinaryConfigurator::statusOutcomes()
{
    QFETCH(int, status);
    QFETCH(QStringList, expected);

    FramedRig rig;
    rig.engine.setGsvPeriod(1);
    rig.engine.requestGsvPeriod();
    rig.receive(status, hex("07"));
    QCOMPARE(rig.recorder.lines, expected);
    // Whatever the status, the head is retired and the next request goes out.
    QCOMPARE(rig.reader.written.size(), 2);
    QCOMPARE(rig.reader.written.at(1), ScriptedReceiver::frame(3, 0x0A, {}));
    rig.receive(2, hex("09"));
    QCOMPARE(rig.recorder.lines, expected + QStringList{"gsvPeriodChanged(9)"});
}

void tst_BinaryConfigurator::statusWithEmptyQueueIsIgnored()
{
    FramedRig rig;
    rig.receive(1, {});
    rig.receive(0, {});
    rig.receive(2, hex("01"));
    QVERIFY(rig.recorder.lines.isEmpty());
    // The engine still works normally afterwards.
    rig.engine.requestNchn();
    rig.receive(2, hex("05"));
    QCOMPARE(rig.recorder.lines, QStringList{"nchnChanged(5)"});
}

void tst_BinaryConfigurator::timeoutTable_data()
{
    QTest::addColumn<int>("group");
    QTest::addColumn<int>("subId");
    QTest::addColumn<int>("ms");
    QTest::newRow("handshake") << 3 << 0x00 << 500;
    QTest::newRow("probe") << 3 << 0x01 << 300;
    QTest::newRow("erase all") << 6 << 0x84 << 10000;
    QTest::newRow("getter") << 3 << 0x02 << 1500;
    QTest::newRow("restart") << 7 << 0x80 << 1500;
}

void tst_BinaryConfigurator::timeoutTable()
{
    QFETCH(int, group);
    QFETCH(int, subId);
    QFETCH(int, ms);
    QCOMPARE(BinaryConfigurator::timeoutFor(MsgType(group), quint8(subId)), ms);
}

void tst_BinaryConfigurator::busyLoopIsNotTheReceiversTime_data()
{
    QTest::addColumn<int>("holdAfterMs");
    // 0: the pass that writes the request is held (a click that also lays out a form);
    // 100: the loop is held while the request waits for its answer.
    QTest::newRow("held in the writing pass") << 0;
    QTest::newRow("held while waiting") << 100;
}

void tst_BinaryConfigurator::busyLoopIsNotTheReceiversTime()
{
    QFETCH(int, holdAfterMs);
    const auto holdTheLoop = [] {
        // Longer than the 500 ms handshake time-out, as a loaded machine may do.
        QElapsedTimer held;
        held.start();
        while (held.elapsed() < 800) {
        }
    };
    Rig rig;
    rig.engine.sendOpen();
    // The receiver's answer is ready as soon as the loop runs again (a timer, not a
    // posted event, so that it queues behind an expired time-out as a socket would).
    const auto holdThenAnswer = [&] {
        holdTheLoop();
        QTimer::singleShot(1, &rig.parser, [&] { rig.parser.deliver(1); });
    };
    if (holdAfterMs == 0)
        holdThenAnswer();
    else
        QTimer::singleShot(holdAfterMs, &rig.parser, holdThenAnswer);
    QTRY_COMPARE_WITH_TIMEOUT(rig.recorder.lines.size(), 1, 5000);
    QCOMPARE(rig.recorder.lines.first(), QStringLiteral("requestCompleted(3,0x00)"));
}

void tst_BinaryConfigurator::requestQueuedFromErrorSlotIsWrittenOnce()
{
    // A page re-reads a setting the receiver refused; the getter lands in an empty queue.
    // (The same after a time-out runs over TCP in the command-link test.)
    Rig rig;
    rig.recorder.onOutcome = [&rig](const QString &line) {
        if (line.startsWith(QLatin1String("requestError")))
            rig.engine.requestNchn();
    };
    rig.engine.setNchn(3);
    rig.parser.deliver(0);
    QCOMPARE(rig.reader.written, (QList<QByteArray>{ScriptedReceiver::frame(3, 0x86, hex("03")),
                                                    ScriptedReceiver::frame(3, 0x06, {})}));
    // Its answer is its own, and nothing is written again.
    rig.parser.deliver(2, hex("06"));
    QCOMPARE(rig.recorder.lines, (QStringList{"requestError(3,0x86)", "nchnChanged(6)"}));
    QCOMPARE(rig.reader.written.size(), 2);
}

void tst_BinaryConfigurator::requestQueuedFromOutcomeSlotIsWrittenOnce()
{
    // The firmware installer queues its next step from every acknowledgement.
    Rig rig;
    int steps = 0;
    rig.recorder.onOutcome = [&](const QString &) {
        if (++steps < 3)
            rig.engine.eraseSector(quint8(steps));
    };
    rig.engine.eraseSector(0);
    rig.engine.requestFwrVersions(); // already waiting behind the first erase
    rig.parser.deliver(1);
    rig.parser.deliver(2, hex("0642e90703040000"));
    rig.parser.deliver(1);
    rig.parser.deliver(1);
    QCOMPARE(rig.reader.written, (QList<QByteArray>{
        ScriptedReceiver::frame(6, 0x81, hex("00")), ScriptedReceiver::frame(6, 0x00, {}),
        ScriptedReceiver::frame(6, 0x81, hex("01")), ScriptedReceiver::frame(6, 0x81, hex("02"))}));
    QCOMPARE(rig.recorder.lines, (QStringList{"requestCompleted(6,0x81)", "fwrVersionsChanged(0642e90703040000,8)",
                                              "requestCompleted(6,0x81)", "requestCompleted(6,0x81)"}));
}

void tst_BinaryConfigurator::lateFrameInsideNestedLoopRetiresNothing()
{
    // A slot shows a modal box: a nested event loop runs while the outcome is being
    // delivered, and a stray status frame arrives during it.
    Rig rig;
    bool nested = false;
    rig.recorder.onOutcome = [&](const QString &line) {
        if (nested || !line.startsWith(QLatin1String("requestError")))
            return;
        nested = true;
        QEventLoop loop;
        QTimer::singleShot(0, &loop, [&]() {
            rig.parser.deliver(1); // late answer to the request that just failed
            loop.quit();
        });
        loop.exec();
    };
    rig.engine.setGsvPeriod(1);
    rig.engine.requestGsvPeriod();
    rig.parser.deliver(0);
    // The late frame retired nothing: the getter is written now and answers for itself.
    QCOMPARE(rig.recorder.lines, QStringList{"requestError(3,0x8a)"});
    QCOMPARE(rig.reader.written.size(), 2);
    QCOMPARE(rig.reader.written.at(1), ScriptedReceiver::frame(3, 0x0A, {}));
    rig.parser.deliver(2, hex("04"));
    QCOMPARE(rig.recorder.lines, (QStringList{"requestError(3,0x8a)", "gsvPeriodChanged(4)"}));
}

void tst_BinaryConfigurator::oversizedRequestFailsAndTheQueueMovesOn()
{
    Rig rig;
    rig.engine.requestNchn();
    rig.engine.writePage(0, QByteArray(70000, 'x'));
    rig.engine.requestRchn();
    rig.parser.deliver(2, hex("01"));
    // The page write cannot be framed: it fails at once and is never written.
    QCOMPARE(rig.recorder.lines, (QStringList{"nchnChanged(1)", "requestError(6,0x82)"}));
    QCOMPARE(rig.reader.written, (QList<QByteArray>{ScriptedReceiver::frame(3, 0x06, {}), ScriptedReceiver::frame(3, 0x07, {})}));

    // Alone in the queue, it fails from inside the call.
    Rig lone;
    lone.engine.setSbasSatellites(QVector<uint8_t>(70000, 1));
    QCOMPARE(lone.recorder.lines, QStringList{"requestError(12,0x82)"});
    QVERIFY(lone.reader.written.isEmpty());
    lone.engine.requestPrimFrq();
    QCOMPARE(lone.reader.written.size(), 1);
}

QTEST_GUILESS_MAIN(tst_BinaryConfigurator)
#include "tst_binaryconfigurator.moc"
