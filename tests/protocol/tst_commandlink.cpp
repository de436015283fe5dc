// The command engine over a real TCP link, wired as the Controller wires it: the
// reader proxy with its socket reader and the parser switch in binary mode on one
// side, a scripted receiver on the other.
#include <QSignalSpy>
#include <QtTest>

#include <cstring>
#include <memory>

#include "binaryconfigurator.h"
#include "connectguard.h"
#include "hexbytes.h"
#include "looplag.h"
#include "scriptedreceiver.h"
#include "parserproxy.h"
#include "readerproxy.h"

using Key = QPair<MsgType, unsigned char>;
Q_DECLARE_METATYPE(Key)

namespace {

Key key(int group, int subId)
{
    return Key(MsgType(group), quint8(subId));
}

} // namespace

class tst_CommandLink : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void handshakeBytesOnTheWire();
    void repliesArriveAsTypedSignals();
    void threeGettersGoOutOneAtATime();
    void silentReceiverTimesOutAndTheQueueMovesOn();
    void getterQueuedFromErrorSlotIsWrittenOnce();
    void refusalAndUnknownStatus();
    void doubledAnswerWithNothingPendingIsIgnored();
    void navigationOutputIsNotAnAnswer();

private:
    std::unique_ptr<ScriptedReceiver> receiver;
    std::unique_ptr<ReaderProxy> reader;
    std::unique_ptr<ParserProxy> parser;
    std::unique_ptr<BinaryConfigurator> engine;
};

void tst_CommandLink::initTestCase()
{
    installConnectGuard();
    qRegisterMetaType<Key>("QPair<MsgType,unsigned char>");
    qRegisterMetaType<BinaryConfigurator::SolitionRate>("BinaryConfigurator::SolitionRate");
}

void tst_CommandLink::init()
{
    receiver = std::make_unique<ScriptedReceiver>();
    QVERIFY(receiver->listen());
    reader = std::make_unique<ReaderProxy>(nullptr);
    parser = std::make_unique<ParserProxy>(nullptr);
    parser->setInterfaceMode(InterfaceBinary);
    QVERIFY(connect(reader.get(), SIGNAL(dataRead(QByteArray)), parser.get(), SLOT(parse(QByteArray))));
    engine = std::make_unique<BinaryConfigurator>(reader.get(), parser.get(), nullptr);

    QSignalSpy connected(reader.get(), SIGNAL(connected()));
    reader->openSocket(QStringLiteral("127.0.0.1"), receiver->port());
    reader->start();
    QVERIFY(connected.count() > 0 || connected.wait(5000));
    QTRY_VERIFY_WITH_TIMEOUT(receiver->hasClient(), 5000);
}

void tst_CommandLink::cleanup()
{
    if (receiver)
        QCOMPARE(receiver->badFrames(), 0);
    engine.reset();
    parser.reset();
    if (reader)
        reader->stop();
    reader.reset();
    receiver.reset();
}

void tst_CommandLink::handshakeBytesOnTheWire()
{
    QSignalSpy completed(engine.get(), SIGNAL(requestCompleted(QPair<MsgType, unsigned char>)));
    receiver->answerNext({ScriptedReceiver::done()});
    engine->sendOpen();
    QVERIFY(completed.wait(3000));
    QCOMPARE(receiver->commands().size(), 1);
    QCOMPARE(receiver->commands().first().frame, hex("214e030004006f70656eba78"));
    QCOMPARE(completed.first().first().value<Key>(), key(3, 0));
}

void tst_CommandLink::repliesArriveAsTypedSignals()
{
    QSignalSpy uart(engine.get(), SIGNAL(uart1BaudRateChanged(int)));
    QSignalSpy lla(engine.get(), SIGNAL(llaChange(double, double, double)));
    QSignalSpy page(engine.get(), SIGNAL(firmwarePageReceived(QByteArray)));

    QByteArray position;
    for (double v : {37.5, 55.75, 180.0}) {
        quint64 raw;
        std::memcpy(&raw, &v, 8);
        for (int i = 0; i < 8; ++i)
            position.append(char((raw >> (8 * i)) & 0xFF));
    }
    QByteArray flashPage(1024, '\0');
    for (int i = 0; i < flashPage.size(); ++i)
        flashPage[i] = char(i * 13);

    receiver->answerAlways(3, 0x02, ScriptedReceiver::data(hex("00c20100")));
    receiver->answerAlways(5, 0x00, ScriptedReceiver::data(position));
    receiver->answerAlways(6, 0x02, [&flashPage](const ScriptedReceiver::Command &command) {
        // The page index asked for comes back in the first two bytes of the page.
        QByteArray reply = flashPage;
        reply[0] = command.payload.size() > 0 ? command.payload.at(0) : '\0';
        reply[1] = command.payload.size() > 1 ? command.payload.at(1) : '\0';
        return ScriptedReceiver::data(reply);
    });

    engine->requestUart1BaudRate();
    engine->requestLla();
    engine->readPage(0x0105);

    QTRY_COMPARE_WITH_TIMEOUT(page.count(), 1, 5000);
    QCOMPARE(uart.first().first().toInt(), 115200);
    QCOMPARE(lla.first().at(0).toDouble(), 55.75);
    QCOMPARE(lla.first().at(1).toDouble(), 37.5);
    QCOMPARE(lla.first().at(2).toDouble(), 180.0);
    QByteArray expectedPage = flashPage;
    expectedPage[0] = char(0x05);
    expectedPage[1] = char(0x01);
    QCOMPARE(page.first().first().toByteArray(), expectedPage);
    QCOMPARE(receiver->commands().size(), 3);
}

void tst_CommandLink::threeGettersGoOutOneAtATime()
{
    QSignalSpy first(engine.get(), SIGNAL(uart1BaudRateChanged(int)));
    QSignalSpy third(engine.get(), SIGNAL(uart3BaudRateChanged(int)));
    receiver->answerNext({ScriptedReceiver::late(ScriptedReceiver::data(hex("00c20100")), 200),
                          ScriptedReceiver::late(ScriptedReceiver::data(hex("80250000")), 100),
                          ScriptedReceiver::data(hex("00960000"))});

    // How many commands the receiver had seen when each answer came back.
    QList<int> seenAtAnswer;
    auto note = [this, &seenAtAnswer](int) { seenAtAnswer << receiver->commands().size(); };
    connect(engine.get(), &BinaryConfigurator::uart1BaudRateChanged, this, note);
    connect(engine.get(), &BinaryConfigurator::uart2BaudRateChanged, this, note);
    connect(engine.get(), &BinaryConfigurator::uart3BaudRateChanged, this, note);

    engine->requestUart1BaudRate();
    engine->requestUart2BaudRate();
    engine->requestUart3BaudRate();

    QVERIFY(third.wait(5000));
    // Each getter reached the receiver only after the previous one was answered.
    QCOMPARE(seenAtAnswer, (QList<int>{1, 2, 3}));
    QCOMPARE(receiver->count(3, 0x02), 1);
    QCOMPARE(receiver->count(3, 0x03), 1);
    QCOMPARE(receiver->count(3, 0x04), 1);
    QCOMPARE(third.first().first().toInt(), 38400);
}

void tst_CommandLink::silentReceiverTimesOutAndTheQueueMovesOn()
{
    QSignalSpy errors(engine.get(), SIGNAL(requestError(QPair<MsgType, unsigned char>)));
    QSignalSpy nchn(engine.get(), SIGNAL(nchnChanged(int)));
    receiver->answerNext({ScriptedReceiver::silence(), ScriptedReceiver::data(hex("20"))});

    LoopLag lag;
    engine->requestRefBaseLineLength();
    engine->requestNchn();
    QVERIFY(errors.wait(30000));
    const qint64 elapsed = lag.nowMs();
    QVERIFY2(elapsed >= 1450 && elapsed < 5000 + lag.lostSince(0), QByteArray::number(elapsed).constData());
    QCOMPARE(errors.first().first().value<Key>(), key(3, 0x2B));
    QCOMPARE(receiver->commands().size(), 1);

    QVERIFY(nchn.wait(3000));
    QCOMPARE(nchn.first().first().toInt(), 32);
    QCOMPARE(receiver->commands().at(1).frame, ScriptedReceiver::frame(3, 0x06, {}));
}

void tst_CommandLink::getterQueuedFromErrorSlotIsWrittenOnce()
{
    // A settings page re-reads a setting whose setter timed out.
    QSignalSpy period(engine.get(), SIGNAL(gsvPeriodChanged(unsigned char)));
    QSignalSpy nchn(engine.get(), SIGNAL(nchnChanged(int)));
    QList<Key> errors;
    connect(engine.get(), &BinaryConfigurator::requestError, this, [this, &errors](Key failed) {
        errors << failed;
        if (failed == key(3, 0x8A))
            engine->requestGsvPeriod();
    });
    // Every getter is answered, so a getter written twice would be answered twice.
    receiver->answerAlways(3, 0x8A, ScriptedReceiver::silence());
    receiver->answerAlways(3, 0x0A, ScriptedReceiver::data(hex("05")));
    receiver->answerAlways(3, 0x06, ScriptedReceiver::data(hex("18")));

    engine->setGsvPeriod(9);
    QVERIFY(period.wait(5000));
    QCOMPARE(errors, QList<Key>{key(3, 0x8A)});
    QCOMPARE(period.first().first().value<unsigned char>(), (unsigned char)5);

    // One more round trip: had the getter gone out twice, its second answer would be
    // taken for this request's.
    engine->requestNchn();
    QVERIFY(nchn.wait(3000));
    QCOMPARE(nchn.first().first().toInt(), 24);
    QCOMPARE(period.count(), 1);
    QCOMPARE(receiver->count(3, 0x8A), 1);
    QCOMPARE(receiver->count(3, 0x0A), 1);
    QCOMPARE(receiver->count(3, 0x06), 1);
}

void tst_CommandLink::refusalAndUnknownStatus()
{
    QSignalSpy errors(engine.get(), SIGNAL(requestError(QPair<MsgType, unsigned char>)));
    QSignalSpy completed(engine.get(), SIGNAL(requestCompleted(QPair<MsgType, unsigned char>)));
    QSignalSpy age(engine.get(), SIGNAL(ageChanged(int)));
    receiver->answerNext({ScriptedReceiver::refused(), ScriptedReceiver::status(3, hex("01")), ScriptedReceiver::done(),
                          ScriptedReceiver::data(hex("fe"))});

    engine->setArf(4);
    engine->setAge(10);
    engine->saveSettings(1);
    engine->requestAge();
    QVERIFY(age.wait(5000));
    QCOMPARE(age.first().first().toInt(), -2);
    QCOMPARE(errors.size(), 1);
    QCOMPARE(errors.first().first().value<Key>(), key(3, 0xA9));
    // Status 3 retired the age setter without a word.
    QCOMPARE(completed.size(), 1);
    QCOMPARE(completed.first().first().value<Key>(), key(3, 0x42));
    QCOMPARE(receiver->commands().size(), 4);
}

void tst_CommandLink::doubledAnswerWithNothingPendingIsIgnored()
{
    QSignalSpy completed(engine.get(), SIGNAL(requestCompleted(QPair<MsgType, unsigned char>)));
    QSignalSpy rate(engine.get(), SIGNAL(solutionRateChanged(BinaryConfigurator::SolitionRate)));
    receiver->answerNext({ScriptedReceiver::twice(ScriptedReceiver::done())});
    engine->setSolutionRate(BinaryConfigurator::SolutionRate5Hz);
    QVERIFY(completed.wait(3000));

    receiver->answerNext({ScriptedReceiver::data(hex("05"))});
    engine->requestSolutionRate();
    QVERIFY(rate.wait(3000));
    QCOMPARE(completed.size(), 1);
    QCOMPARE(receiver->commands().size(), 2);
}

void tst_CommandLink::navigationOutputIsNotAnAnswer()
{
    // The receiver keeps sending its navigation output while commands run; only
    // status frames answer, whatever arrives around them.
    QSignalSpy period(engine.get(), SIGNAL(gsvPeriodChanged(unsigned char)));
    QSignalSpy errors(engine.get(), SIGNAL(requestError(QPair<MsgType, unsigned char>)));
    const QByteArray gga = ScriptedReceiver::frame(1, 2, "$GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,*47\r\n");
    const QByteArray kind2 = ScriptedReceiver::frame(2, 0, hex("01"));
    receiver->answerNext({ScriptedReceiver::raw(gga + hex("00ff21") + kind2 + ScriptedReceiver::frame(0, 2, hex("03")) + gga)});
    engine->requestGsvPeriod();
    QVERIFY(period.wait(3000));
    QCOMPARE(period.first().first().value<unsigned char>(), (unsigned char)3);
    QCOMPARE(errors.size(), 0);
}

QTEST_GUILESS_MAIN(tst_CommandLink)
#include "tst_commandlink.moc"
