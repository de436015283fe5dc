// The baud-rate search against a receiver on a pseudo-terminal: the test plays the
// receiver at the far end and answers only while the program's port is set to the
// receiver's rate, as a real serial line would only carry the words at that rate.
#include <QElapsedTimer>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

#include "baudrateservice.h"
#include "binaryconfigurator.h"
#include "connectguard.h"
#include "looplag.h"
#include "controller.h"
#include "parserproxy.h"
#include "ptyframes.h"
#include "readerproxy.h"
#include "scriptedreceiver.h"

namespace {

const QByteArray Handshake = QByteArray::fromHex("214e030004006f70656eba78");
const QByteArray Probe = QByteArray::fromHex("214e03010000040f");

// One command frame the receiver heard, with the program's port rate at that moment.
struct Heard {
    QByteArray frame;
    int rate = 0;
    qint64 atMs = 0;
};

// The receiver at the far end of the pseudo-terminal. It cuts the command frames that
// arrive and answers the handshake and the probe only at its own rate.
class PtyReceiver
{
public:
    PtyReceiver(Controller *controller, int ownRate, bool refusesProbe)
        : frames([this](const QByteArray &frame) { hear(frame); })
        , pty(frames.pty)
        , controller(controller)
        , ownRate(ownRate)
        , refusesProbe(refusesProbe)
    {
        clock.start();
    }

    PtyFrames frames;
    PtyPair &pty;
    QList<Heard> heard;
    // Statuses for the next handshakes heard at the receiver's rate, before the usual 1.
    QList<quint8> handshakeStatuses;

    int count(const QByteArray &frame) const
    {
        int n = 0;
        for (const Heard &h : heard)
            n += h.frame == frame ? 1 : 0;
        return n;
    }

    QList<int> handshakeRates() const
    {
        QList<int> rates;
        for (const Heard &h : heard) {
            if (h.frame == Handshake)
                rates << h.rate;
        }
        return rates;
    }

private:
    void hear(const QByteArray &frame)
    {
        Heard h;
        h.frame = frame;
        QString port;
        controller->reader()->serialSettings(port, h.rate);
        h.atMs = clock.elapsed();
        heard << h;
        if (h.rate != ownRate)
            return;
        if (frame == Handshake)
            pty.write(ScriptedReceiver::frame(0, handshakeStatuses.isEmpty() ? 1 : handshakeStatuses.takeFirst(), {}));
        else if (frame == Probe)
            pty.write(ScriptedReceiver::frame(0, refusesProbe ? 0 : 1, {}));
    }

    Controller *controller;
    int ownRate;
    bool refusesProbe;
    QElapsedTimer clock;
};

QList<int> ints(const QSignalSpy &spy)
{
    QList<int> values;
    for (const QList<QVariant> &args : spy)
        values << args.at(0).toInt();
    return values;
}

} // namespace

class tst_BaudRateService : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void search_data();
    void search();
    void silentReceiverTakesFiveTriesOf700Ms();
    void secondStartDuringAHandshakeTriesEveryRateOnce();
    void restartSoonAfterStopSendsNoStaleHandshake();
    void restartAfterStopWhileAHandshakeIsInFlight();
    void setSerialBaudRateReopensThePort();
    void socketLinkIsOnlyRestarted();
    void unreportedAnswerIsNotInheritedByTheNextSearch();
    void lostLineEndsTheSearchAtTheFirstFailure();

private:
    void openLink(int ownRate, bool refusesProbe = false);

    std::unique_ptr<Controller> controller;
    std::unique_ptr<PtyReceiver> receiver;
    std::unique_ptr<BaudRateService> service;
};

void tst_BaudRateService::initTestCase()
{
    installConnectGuard();
}

void tst_BaudRateService::init()
{
    controller = std::make_unique<Controller>();
    controller->parser()->setInterfaceMode(InterfaceBinary);
    service = std::make_unique<BaudRateService>();
    service->setController(controller.get());
}

void tst_BaudRateService::cleanup()
{
    service.reset();
    if (controller)
        controller->reader()->stop();
    controller.reset();
    receiver.reset();
}

void tst_BaudRateService::openLink(int ownRate, bool refusesProbe)
{
    receiver = std::make_unique<PtyReceiver>(controller.get(), ownRate, refusesProbe);
    QVERIFY(receiver->pty.isValid());
    // The link is open at the connection screen's default rate before the search.
    controller->reader()->openSerialPort(receiver->pty.devicePath(), 115200);
    controller->reader()->start();
    QVERIFY(controller->reader()->isOpen());
}

void tst_BaudRateService::search_data()
{
    QTest::addColumn<int>("ownRate");
    QTest::addColumn<bool>("refusesProbe");
    QTest::addColumn<QList<int>>("tried");
    QTest::addColumn<bool>("found");
    QTest::addColumn<int>("probes");

    QTest::newRow("found on the third rate")
        << 38400 << false << QList<int>{-1, 115200, 460800, 38400} << true << 1;
    QTest::newRow("found on the first rate")
        << 115200 << false << QList<int>{-1, 115200} << true << 1;
    QTest::newRow("found on the last rate")
        << 9600 << false << QList<int>{-1, 115200, 460800, 38400, 19200, 9600} << true << 1;
    QTest::newRow("probe refused ends the search at once")
        << 115200 << true << QList<int>{-1, 115200} << false << 1;
    QTest::newRow("receiver at a rate not offered")
        << 57600 << false << QList<int>{-1, 115200, 460800, 38400, 19200, 9600} << false << 0;
}

void tst_BaudRateService::search()
{
    QFETCH(int, ownRate);
    QFETCH(bool, refusesProbe);
    QFETCH(QList<int>, tried);
    QFETCH(bool, found);
    QFETCH(int, probes);

    openLink(ownRate, refusesProbe);
    QSignalSpy shown(service.get(), SIGNAL(displayTestBaudRate(int)));
    QSignalSpy verdict(service.get(), SIGNAL(finishFoundBaudRateMaster(bool)));
    service->startSearch();
    QVERIFY(verdict.wait(10000));
    QCOMPARE(verdict.size(), 1);
    QCOMPARE(verdict.first().first().toBool(), found);
    QCOMPARE(ints(shown), tried);

    // One handshake per rate tried, each sent at that rate.
    QList<int> rates = tried.mid(1);
    QCOMPARE(receiver->handshakeRates(), rates);
    QCOMPARE(receiver->count(Probe), probes);
    for (const Heard &h : receiver->heard)
        QVERIFY2(h.frame == Handshake || h.frame == Probe, h.frame.toHex().constData());

    // The rate tried last stays set and the link stays open.
    QString port;
    int rate = 0;
    QVERIFY(controller->reader()->serialSettings(port, rate));
    QCOMPARE(port, receiver->pty.devicePath());
    QCOMPARE(rate, rates.last());
    QVERIFY(controller->reader()->isOpen());
}

void tst_BaudRateService::silentReceiverTakesFiveTriesOf700Ms()
{
    openLink(0);
    // The tries are timed where the program starts them: a frame read late at this end
    // would shorten the gap to the next one.
    LoopLag lag;
    QList<qint64> tries;
    connect(service.get(), &BaudRateService::displayTestBaudRate, this, [&](int rate) {
        if (rate > 0)
            tries << lag.nowMs();
    });
    QSignalSpy verdict(service.get(), SIGNAL(finishFoundBaudRateMaster(bool)));
    const qint64 startAt = lag.nowMs();
    service->startSearch();
    QVERIFY(verdict.wait(30000));
    const qint64 elapsed = lag.nowMs() - startAt;
    QCOMPARE(verdict.first().first().toBool(), false);
    // 5 x (200 ms wait for the port + 500 ms for the handshake).
    QVERIFY2(elapsed >= 3400 && elapsed < 5000 + lag.lostSince(startAt), QByteArray::number(elapsed).constData());
    QCOMPARE(receiver->handshakeRates(), (QList<int>{115200, 460800, 38400, 19200, 9600}));
    QCOMPARE(receiver->count(Probe), 0);
    QCOMPARE(tries.size(), 5);
    for (int i = 1; i < tries.size(); ++i) {
        const qint64 gap = tries.at(i) - tries.at(i - 1);
        QVERIFY2(gap >= 650 && gap < 1600 + lag.lostMs(tries.at(i - 1), tries.at(i)),
                 QByteArray::number(gap).constData());
    }
}

void tst_BaudRateService::secondStartDuringAHandshakeTriesEveryRateOnce()
{
    openLink(460800);
    QSignalSpy shown(service.get(), SIGNAL(displayTestBaudRate(int)));
    QSignalSpy verdict(service.get(), SIGNAL(finishFoundBaudRateMaster(bool)));
    service->startSearch();
    // The first handshake is in flight (the receiver does not answer at 115200)...
    QTRY_COMPARE_WITH_TIMEOUT(receiver->count(Handshake), 1, 5000);
    // ...when the workspace starts the search again.
    service->startSearch();
    QVERIFY(verdict.wait(10000));
    QCOMPARE(verdict.first().first().toBool(), true);
    // The first search's unanswered handshake did not move the new one on.
    QCOMPARE(ints(shown), (QList<int>{-1, 115200, -1, 115200, 460800}));
    QCOMPARE(receiver->handshakeRates(), (QList<int>{115200, 115200, 460800}));
    // Nothing of either search reacts twice or later.
    QVERIFY(!verdict.wait(1500));
    QCOMPARE(verdict.size(), 1);
    QCOMPARE(shown.size(), 5);
    QCOMPARE(receiver->count(Probe), 1);
}

void tst_BaudRateService::restartSoonAfterStopSendsNoStaleHandshake()
{
    openLink(460800);
    QSignalSpy shown(service.get(), SIGNAL(displayTestBaudRate(int)));
    QSignalSpy verdict(service.get(), SIGNAL(finishFoundBaudRateMaster(bool)));
    service->startSearch();
    // Stopped and started again inside the first try's wait for its port.
    service->stopSearch();
    service->startSearch();
    QVERIFY(verdict.wait(10000));
    QCOMPARE(verdict.first().first().toBool(), true);
    QCOMPARE(ints(shown), (QList<int>{-1, 115200, -1, 115200, 460800}));
    // The stopped try's wait was cancelled by the new search: one handshake per try.
    QCOMPARE(receiver->handshakeRates(), (QList<int>{115200, 460800}));
    QVERIFY(!verdict.wait(1000));
    QCOMPARE(verdict.size(), 1);
}

void tst_BaudRateService::restartAfterStopWhileAHandshakeIsInFlight()
{
    openLink(460800);
    QSignalSpy shown(service.get(), SIGNAL(displayTestBaudRate(int)));
    QSignalSpy verdict(service.get(), SIGNAL(finishFoundBaudRateMaster(bool)));
    service->startSearch();
    service->stopSearch();
    // A plain stop still sends the one handshake of its wait...
    QTRY_COMPARE_WITH_TIMEOUT(receiver->count(Handshake), 1, 5000);
    QCOMPARE(verdict.size(), 0);
    // ...and a search started while it waits for its answer is not driven by it.
    service->startSearch();
    QVERIFY(verdict.wait(10000));
    QCOMPARE(verdict.first().first().toBool(), true);
    QCOMPARE(ints(shown), (QList<int>{-1, 115200, -1, 115200, 460800}));
    QCOMPARE(receiver->handshakeRates(), (QList<int>{115200, 115200, 460800}));
    QVERIFY(!verdict.wait(1000));
    QCOMPARE(verdict.size(), 1);
}

void tst_BaudRateService::setSerialBaudRateReopensThePort()
{
    openLink(0);
    QSignalSpy connected(controller->reader(), SIGNAL(connected()));
    service->setSerialBaudRate(19200);
    QCOMPARE(connected.size(), 1);
    QString port;
    int rate = 0;
    QVERIFY(controller->reader()->serialSettings(port, rate));
    QCOMPARE(port, receiver->pty.devicePath());
    QCOMPARE(rate, 19200);
    QVERIFY(controller->reader()->isOpen());

    // Bytes still flow both ways on the reopened port.
    QSignalSpy read(controller->reader(), SIGNAL(dataRead(QByteArray)));
    receiver->pty.write("$GPTXT*00\r\n");
    QTRY_VERIFY_WITH_TIMEOUT(!read.isEmpty(), 5000);
    controller->binaryConfigurator()->sendOpen();
    QTRY_COMPARE_WITH_TIMEOUT(receiver->handshakeRates(), QList<int>{19200}, 5000);
}

void tst_BaudRateService::socketLinkIsOnlyRestarted()
{
    ScriptedReceiver peer;
    QVERIFY(peer.listen());
    QSignalSpy clients(&peer, SIGNAL(clientConnected()));
    controller->reader()->openSocket(QStringLiteral("127.0.0.1"), peer.port());
    controller->reader()->start();
    QVERIFY(clients.wait(5000));

    service->setSerialBaudRate(9600);
    QVERIFY(clients.wait(5000));
    QCOMPARE(controller->reader()->readerType(), ConnectionMode::TcpSocket);
    QString host;
    int port = 0;
    QVERIFY(controller->reader()->socketSettings(host, port));
    QCOMPARE(port, int(peer.port()));
}

void tst_BaudRateService::unreportedAnswerIsNotInheritedByTheNextSearch()
{
    openLink(115200);
    // Status 3: the engine retires the handshake without a word, and the search waits.
    receiver->handshakeStatuses = {3};
    QSignalSpy verdict(service.get(), SIGNAL(finishFoundBaudRateMaster(bool)));
    service->startSearch();
    QTRY_COMPARE_WITH_TIMEOUT(receiver->count(Handshake), 1, 5000);
    QVERIFY(!verdict.wait(1000));
    service->stopSearch();

    // The next search is driven by its own handshake's answer.
    service->startSearch();
    QVERIFY(verdict.wait(5000));
    QCOMPARE(verdict.first().first().toBool(), true);
    QCOMPARE(receiver->handshakeRates().last(), 115200);
    QCOMPARE(receiver->count(Probe), 1);

    // So is a search after one that ended with a verdict.
    receiver->handshakeStatuses = {3};
    const int handshakes = receiver->count(Handshake);
    service->startSearch();
    QTRY_COMPARE_WITH_TIMEOUT(receiver->count(Handshake), handshakes + 1, 5000);
    QVERIFY(!verdict.wait(1000));
    service->startSearch();
    QVERIFY(verdict.wait(5000));
    QCOMPARE(verdict.size(), 2);
    QCOMPARE(verdict.last().first().toBool(), true);
}

void tst_BaudRateService::lostLineEndsTheSearchAtTheFirstFailure()
{
    openLink(0);
    QSignalSpy shown(service.get(), SIGNAL(displayTestBaudRate(int)));
    QSignalSpy verdict(service.get(), SIGNAL(finishFoundBaudRateMaster(bool)));
    QSignalSpy lost(service.get(), SIGNAL(linkLost()));
    QSignalSpy errors(controller->reader(), SIGNAL(error()));
    service->startSearch();
    QTRY_COMPARE_WITH_TIMEOUT(receiver->count(Handshake), 1, 5000);
    receiver->pty.hangUp();
    QVERIFY(lost.wait(5000));
    QCOMPARE(errors.size(), 1);
    // No further rate is tried, and no verdict comes: the search is over.
    QVERIFY(!verdict.wait(4000));
    QCOMPARE(lost.size(), 1);
    QCOMPARE(errors.size(), 1);
    QVERIFY(shown.size() <= 3);
}

QTEST_MAIN(tst_BaudRateService)
#include "tst_baudrateservice.moc"
