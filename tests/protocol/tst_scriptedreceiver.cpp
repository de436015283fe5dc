// The receiver stand-in that the command tests talk to: it must cut and check frames
// the way a receiver does, or the command tests prove nothing.
#include <QSignalSpy>
#include <QTcpSocket>
#include <QtTest>

#include "binaryconfigurator.h"
#include "connectguard.h"
#include "scriptedreceiver.h"

class tst_ScriptedReceiver : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void framesAgreeWithTheEngine();
    void cutsFramesFromAnyChunking();
    void countsBadChecksumsAndAnswersNothing();
    void answersInScriptOrder();

private:
    QByteArray readAnswer(int bytes);

    ScriptedReceiver *receiver = nullptr;
    QTcpSocket *client = nullptr;
};

void tst_ScriptedReceiver::initTestCase()
{
    installConnectGuard();
}

void tst_ScriptedReceiver::init()
{
    receiver = new ScriptedReceiver;
    QVERIFY(receiver->listen());
    client = new QTcpSocket;
    client->connectToHost(QHostAddress::LocalHost, receiver->port());
    QVERIFY(client->waitForConnected(5000));
    QTRY_VERIFY_WITH_TIMEOUT(receiver->hasClient(), 5000);
}

void tst_ScriptedReceiver::cleanup()
{
    delete client;
    delete receiver;
}

QByteArray tst_ScriptedReceiver::readAnswer(int bytes)
{
    QByteArray answer;
    const bool complete = QTest::qWaitFor([&]() {
        answer += client->readAll();
        return answer.size() >= bytes;
    }, 5000);
    if (!complete)
        qWarning("only %d of %d answer bytes arrived", int(answer.size()), bytes);
    return answer;
}

void tst_ScriptedReceiver::framesAgreeWithTheEngine()
{
    for (int size : {0, 21, 1026}) {
        QByteArray payload(size, Qt::Uninitialized);
        for (int i = 0; i < size; ++i)
            payload[i] = char(i * 37 + size);
        QCOMPARE(BinaryConfigurator::buildFrame(payload, MsgFirmware, 0x82), ScriptedReceiver::frame(6, 0x82, payload));
    }
}

void tst_ScriptedReceiver::cutsFramesFromAnyChunking()
{
    const QByteArray first = ScriptedReceiver::frame(3, 0x8A, QByteArray::fromHex("05"));
    const QByteArray second = ScriptedReceiver::frame(12, 0x83, QByteArray::fromHex("01000200"));
    const QByteArray stream = QByteArray::fromHex("00ff21") + first + "noise" + second;
    for (char byte : stream) {
        client->write(&byte, 1);
        client->flush();
    }
    QTRY_COMPARE_WITH_TIMEOUT(receiver->commands().size(), 2, 5000);
    QCOMPARE(receiver->commands().at(0).frame, first);
    QCOMPARE(receiver->commands().at(0).payload, QByteArray::fromHex("05"));
    QCOMPARE(receiver->commands().at(1).frame, second);
    QCOMPARE(receiver->strayBytes(), QByteArray::fromHex("00ff21") + "noise");
}

void tst_ScriptedReceiver::countsBadChecksumsAndAnswersNothing()
{
    receiver->setFallback(ScriptedReceiver::done());
    QByteArray broken = ScriptedReceiver::frame(3, 0x02, {});
    broken[broken.size() - 1] = char(broken.at(broken.size() - 1) ^ 0x01);
    client->write(broken);
    client->write(ScriptedReceiver::frame(3, 0x03, {}));
    const QByteArray answer = readAnswer(8);
    QCOMPARE(answer, ScriptedReceiver::frame(0, 1, {}));
    QCOMPARE(receiver->commands().size(), 2);
    QVERIFY(!receiver->commands().at(0).checksumOk);
    QVERIFY(receiver->commands().at(1).checksumOk);
    QCOMPARE(receiver->badFrames(), 1);
}

void tst_ScriptedReceiver::answersInScriptOrder()
{
    receiver->answerAlways(3, 0x06, ScriptedReceiver::data(QByteArray::fromHex("18")));
    receiver->setFallback(ScriptedReceiver::refused());
    receiver->answerNext({ScriptedReceiver::twice(ScriptedReceiver::done()), ScriptedReceiver::silence()});

    client->write(ScriptedReceiver::frame(3, 0x06, {})); // scripted: twice done
    client->write(ScriptedReceiver::frame(3, 0x06, {})); // scripted: silence
    client->write(ScriptedReceiver::frame(3, 0x06, {})); // rule: data
    client->write(ScriptedReceiver::frame(3, 0x07, {})); // fallback: refused
    const QByteArray expected = ScriptedReceiver::frame(0, 1, {}) + ScriptedReceiver::frame(0, 1, {})
        + ScriptedReceiver::frame(0, 2, QByteArray::fromHex("18")) + ScriptedReceiver::frame(0, 0, {});
    QCOMPARE(readAnswer(expected.size()), expected);
    QCOMPARE(receiver->pendingAnswers(), 0);

    // A late answer comes after its delay.
    receiver->answerNext({ScriptedReceiver::late(ScriptedReceiver::done(), 150)});
    QElapsedTimer clock;
    clock.start();
    client->write(ScriptedReceiver::frame(5, 0x81, {}));
    QCOMPARE(readAnswer(8), ScriptedReceiver::frame(0, 1, {}));
    QVERIFY(clock.elapsed() >= 140);
}

QTEST_GUILESS_MAIN(tst_ScriptedReceiver)
#include "tst_scriptedreceiver.moc"
