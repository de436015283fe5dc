// The Controller as the main window uses it: its eight parts, the receive road from the
// link into the parser, and the auxiliary input passing bytes on to the receiver.
#include <QPointer>
#include <QSignalSpy>
#include <QtTest>

#include "binaryconfigurator.h"
#include "connectguard.h"
#include "controller.h"
#include "eventdispatcher.h"
#include "firmwareinstaller.h"
#include "firmwarereader.h"
#include "framebuilders.h"
#include "geocoordinate.h"
#include "parserproxy.h"
#include "readerproxy.h"
#include "scriptedreceiver.h"
#include "sentencehandler.h"
#include "spybytes.h"

namespace {

bool openSocket(ReaderProxy *reader, ScriptedReceiver &peer)
{
    QSignalSpy connected(reader, SIGNAL(connected()));
    reader->openSocket(QStringLiteral("127.0.0.1"), peer.port());
    reader->start();
    if (connected.isEmpty() && !connected.wait(5000))
        return false;
    return QTest::qWaitFor([&peer]() { return peer.hasClient(); }, 5000);
}

} // namespace

class tst_Controller : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void eightChildrenInOrder();
    void deletingTheControllerDeletesItsParts();
    void auxiliaryInputReachesTheReceiver();
    void bytesReachTheParserInTheOrderRead();
    void moduleResetFlagIsTakenAtTheNextSatelliteSeries();
};

void tst_Controller::initTestCase()
{
    installConnectGuard();
    qRegisterMetaType<GeoCoordinate>("GeoCoordinate");
    qRegisterMetaType<InterfaceMode>("InterfaceMode");
}

void tst_Controller::eightChildrenInOrder()
{
    Controller controller;
    const QObjectList children = controller.children();
    QStringList classes;
    for (const QObject *child : children)
        classes << QString::fromLatin1(child->metaObject()->className());
    QCOMPARE(classes, (QStringList{"ReaderProxy", "ParserProxy", "SentenceHandler", "BinaryConfigurator",
                                   "ReaderProxy", "FirmwareInstaller", "FirmwareReader", "EventDispatcher"}));

    const QObjectList accessors{controller.reader(), controller.parser(), controller.sentenceHandler(),
                                controller.binaryConfigurator(), controller.auxReader(),
                                controller.firmwareInstaller(), controller.firmwareReader(),
                                controller.eventDispatcher()};
    QCOMPARE(accessors, children);
    QVERIFY(controller.reader() != controller.auxReader());
    // The auxiliary input is created closed; nothing opens it.
    QVERIFY(!controller.auxReader()->isOpen());
    QCOMPARE(controller.auxReader()->readerType(), ConnectionMode::NoLink);
}

void tst_Controller::deletingTheControllerDeletesItsParts()
{
    auto *controller = new Controller;
    QList<QPointer<QObject>> parts;
    for (QObject *child : controller->children())
        parts << QPointer<QObject>(child);
    QCOMPARE(parts.size(), 8);
    delete controller;
    for (const QPointer<QObject> &part : parts)
        QVERIFY(part.isNull());
}

void tst_Controller::auxiliaryInputReachesTheReceiver()
{
    ScriptedReceiver receiver;
    ScriptedReceiver auxSource;
    QVERIFY(receiver.listen());
    QVERIFY(auxSource.listen());

    Controller controller;
    QVERIFY(openSocket(controller.reader(), receiver));
    QVERIFY(openSocket(controller.auxReader(), auxSource));

    // A command frame and loose bytes, the frame split inside its header.
    QSignalSpy auxRead(controller.auxReader(), SIGNAL(dataRead(QByteArray)));
    const QByteArray frame = ScriptedReceiver::frame(3, 0x02, {});
    auxSource.send(frame.left(4));
    QTRY_COMPARE_WITH_TIMEOUT(joinedBytes(auxRead).size(), 4, 5000);
    auxSource.send(frame.mid(4) + QByteArray("loose text"));

    QTRY_COMPARE_WITH_TIMEOUT(receiver.commands().size(), 1, 5000);
    QCOMPARE(receiver.commands().first().frame, frame);
    QTRY_COMPARE_WITH_TIMEOUT(receiver.strayBytes(), QByteArray("loose text"), 5000);
    QCOMPARE(receiver.badFrames(), 0);

    controller.reader()->stop();
    controller.auxReader()->stop();
}

void tst_Controller::bytesReachTheParserInTheOrderRead()
{
    ScriptedReceiver receiver;
    QVERIFY(receiver.listen());
    Controller controller;
    controller.parser()->setInterfaceMode(InterfaceNmea);
    QSignalSpy read(controller.reader(), SIGNAL(dataRead(QByteArray)));
    QSignalSpy parsed(controller.parser(), SIGNAL(displayData(QByteArray)));
    QSignalSpy lines(controller.parser(), SIGNAL(dataParsed(QByteArray, InterfaceMode)));
    QSignalSpy positions(controller.sentenceHandler(), SIGNAL(setCoordinate(GeoCoordinate)));
    QVERIFY(openSocket(controller.reader(), receiver));

    const QList<QByteArray> sentences{
        nmeaLine("GPGGA,101500.00,5545.0000,N,03737.0000,E,1,08,0.9,150.0,M,14.0,M,,"),
        nmeaLine("GPZDA,101500.00,09,12,2026,00,00"),
        nmeaLine("GPGGA,101501.00,5545.0010,N,03737.0010,E,1,08,0.9,150.5,M,14.0,M,,"),
    };
    QByteArray all;
    for (const QByteArray &sentence : sentences)
        all += sentence;
    // Sent in pieces that cut the sentences anywhere.
    for (int at = 0; at < all.size(); at += 37) {
        receiver.send(all.mid(at, 37));
        QTRY_VERIFY_WITH_TIMEOUT(joinedBytes(read).size() >= qMin(all.size(), at + 37), 5000);
    }

    // One parse per chunk read, in the order read.
    QCOMPARE(parsed.size(), read.size());
    for (int i = 0; i < read.size(); ++i)
        QCOMPARE(parsed.at(i).at(0).toByteArray(), read.at(i).at(0).toByteArray());
    QCOMPARE(joinedBytes(parsed), all);

    QCOMPARE(lines.size(), sentences.size());
    for (int i = 0; i < sentences.size(); ++i)
        QCOMPARE(lines.at(i).at(0).toByteArray(), sentences.at(i));
    QCOMPARE(positions.size(), 2);
    controller.reader()->stop();
}

void tst_Controller::moduleResetFlagIsTakenAtTheNextSatelliteSeries()
{
    ScriptedReceiver receiver;
    QVERIFY(receiver.listen());
    Controller controller;
    controller.parser()->setInterfaceMode(InterfaceNmea);
    QSignalSpy lines(controller.parser(), SIGNAL(dataParsed(QByteArray, InterfaceMode)));
    QVERIFY(openSocket(controller.reader(), receiver));

    controller.binaryConfigurator()->moduleReset = true;
    receiver.send(nmeaLine("GPGGA,101500.00,5545.0000,N,03737.0000,E,1,08,0.9,150.0,M,14.0,M,,"));
    QTRY_COMPARE_WITH_TIMEOUT(lines.size(), 1, 5000);
    // A position is no satellite series: the flag waits.
    QVERIFY(controller.binaryConfigurator()->moduleReset);

    receiver.send(nmeaLine("GPGSV,1,1,02,05,45,120,40,12,30,200,35"));
    QTRY_COMPARE_WITH_TIMEOUT(lines.size(), 2, 5000);
    QVERIFY(!controller.binaryConfigurator()->moduleReset);
    controller.reader()->stop();
}

QTEST_GUILESS_MAIN(tst_Controller)
#include "tst_controller.moc"
