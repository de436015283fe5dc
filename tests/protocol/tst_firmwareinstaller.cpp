// Firmware installation against a scripted receiver that keeps a flash in memory:
// it erases, writes and returns whole 1024-byte pages as the receiver does.
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

#include "binaryconfigurator.h"
#include "connectguard.h"
#include "controller.h"
#include "firmwareinstaller.h"
#include "parserproxy.h"
#include "readerproxy.h"
#include "scriptedreceiver.h"
#include "tst_firmwareinstaller_flash.h"

using Key = QPair<MsgType, unsigned char>;
Q_DECLARE_METATYPE(Key)


class tst_FirmwareInstaller : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void sectorModeFramesAndProgress();
    void eraseAllModeFrames();
    void imageSizes_data();
    void imageSizes();
    void newFormatAnnouncement();
    void failures_data();
    void failures();
    void changedByteFailsValidationWithoutCommit();
    void refusedBeforeAnythingIsSent_data();
    void refusedBeforeAnythingIsSent();
    void loadFileReadsWholeFile();
    void foreignGroup6ErrorDoesNotStopTheInstallation();
    void repliesOutOfTurnFail();
    void cancelSendsNothingMore();
    void loadMarkRequests();

private:
    QString writeImage(const QByteArray &image, const QString &name = QStringLiteral("image.bin"));
    void start(const QString &file, int mode, bool flag1 = true, bool flag2 = true, bool flag3 = false);
    QList<QByteArray> frames() const;
    bool noFurtherCommand(int ms = 400);

    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<ScriptedReceiver> receiver;
    std::unique_ptr<Flash> flash;
    std::unique_ptr<Controller> controller;
    std::unique_ptr<Outcomes> outcomes;
    FirmwareInstaller *installer = nullptr;
};

void tst_FirmwareInstaller::initTestCase()
{
    installConnectGuard();
    qRegisterMetaType<Key>("QPair<MsgType,unsigned char>");
}

void tst_FirmwareInstaller::init()
{
    dir = std::make_unique<QTemporaryDir>();
    QVERIFY(dir->isValid());
    receiver = std::make_unique<ScriptedReceiver>();
    QVERIFY(receiver->listen());
    flash = std::make_unique<Flash>(*receiver);
    controller = std::make_unique<Controller>();
    controller->parser()->setInterfaceMode(InterfaceBinary);
    installer = controller->firmwareInstaller();
    outcomes = std::make_unique<Outcomes>(installer);

    QSignalSpy connected(controller->reader(), SIGNAL(connected()));
    controller->reader()->openSocket(QStringLiteral("127.0.0.1"), receiver->port());
    controller->reader()->start();
    QVERIFY(!connected.isEmpty() || connected.wait(5000));
    QTRY_VERIFY_WITH_TIMEOUT(receiver->hasClient(), 5000);
}

void tst_FirmwareInstaller::cleanup()
{
    if (receiver)
        QCOMPARE(receiver->badFrames(), 0);
    outcomes.reset();
    if (controller)
        controller->reader()->stop();
    controller.reset();
    installer = nullptr;
    flash.reset();
    receiver.reset();
    dir.reset();
}

QString tst_FirmwareInstaller::writeImage(const QByteArray &image, const QString &name)
{
    const QString path = dir->filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(image) != image.size())
        return QString();
    return path;
}

void tst_FirmwareInstaller::start(const QString &file, int mode, bool flag1, bool flag2, bool flag3)
{
    // The old-style version 6.60.1.4.7 as the page takes it from the image header.
    installer->startInstallation(file, mode, flag1, flag2, flag3, word(6, 60, 1, 4), 7, 0, 0, 0, 0, 0);
}

QList<QByteArray> tst_FirmwareInstaller::frames() const
{
    QList<QByteArray> all;
    for (const ScriptedReceiver::Command &command : receiver->commands())
        all << command.frame;
    return all;
}

bool tst_FirmwareInstaller::noFurtherCommand(int ms)
{
    QSignalSpy more(receiver.get(), SIGNAL(commandReceived(int)));
    return !more.wait(ms);
}

void tst_FirmwareInstaller::sectorModeFramesAndProgress()
{
    const QByteArray image = imageOf(2048);
    start(writeImage(image), 0);
    QTRY_COMPARE_WITH_TIMEOUT(outcomes->events, (QStringList{"installationFinished", "finish"}), 10000);

    const QList<QByteArray> sent = frames();
    QCOMPARE(sent.size(), 8);
    QCOMPARE(sent.at(0), hex("214e0683040001010407 9af6"));
    QCOMPARE(sent.at(1), hex("214e06810100008827"));
    QCOMPARE(sent.at(2).left(8), hex("214e068202040000"));
    QCOMPARE(sent.at(2).mid(8, PageSize), image.left(PageSize));
    QCOMPARE(sent.at(3).left(8), hex("214e068202040100"));
    QCOMPARE(sent.at(3).mid(8, PageSize), image.mid(PageSize));
    QCOMPARE(sent.at(4), hex("214e06020200 0000 0a36"));
    QCOMPARE(sent.at(5), hex("214e06020200 0100 0b38"));
    QCOMPARE(sent.at(6), hex("214e0686010000 8d3b"));
    QCOMPARE(sent.at(7), hex("214e0683040000010407 99f2"));

    QCOMPARE(outcomes->steps, (QList<double>{0.125, 0.125, 0.25, 0.375, 0.5, 0.625, 0.875, 1.0}));
    QCOMPARE(flash->bytes.left(image.size()), image);
    QVERIFY(noFurtherCommand(200));
}

void tst_FirmwareInstaller::eraseAllModeFrames()
{
    // Erasing everything takes the receiver a while; the installer waits up to 10 s.
    flash->override = [](quint8 subId, const ScriptedReceiver::Command &, ScriptedReceiver::Answer &answer) {
        if (subId != 0x84)
            return false;
        answer = ScriptedReceiver::late(ScriptedReceiver::done(), 2200);
        return true;
    };
    const QByteArray image = imageOf(2048);
    start(writeImage(image), 1);
    QTRY_COMPARE_WITH_TIMEOUT(outcomes->events, (QStringList{"installationFinished", "finish"}), 15000);

    const QList<QByteArray> sent = frames();
    QCOMPARE(sent.size(), 8);
    QCOMPARE(sent.at(1), hex("214e068400008aa5"));
    QCOMPARE(sent.at(2).left(8), hex("214e068502040000"));
    QCOMPARE(sent.at(3).left(8), hex("214e068502040100"));
    QCOMPARE(receiver->commands().at(4).subId, quint8(0x05));
    QCOMPARE(receiver->commands().at(5).subId, quint8(0x05));
    QCOMPARE(sent.at(6), hex("214e06860100018e3c"));
    QCOMPARE(flash->bytes.left(image.size()), image);
}

void tst_FirmwareInstaller::imageSizes_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("sectorErases");
    QTest::addColumn<int>("pages");
    QTest::addColumn<int>("lastPageBytes");
    QTest::addColumn<int>("sectors");

    QTest::newRow("one byte past 64 KB, sector by sector") << 65537 << 0 << 2 << 65 << 1 << 2;
    QTest::newRow("one byte past 64 KB, erase all") << 65537 << 1 << 0 << 65 << 1 << 2;
    QTest::newRow("not a whole number of pages") << 1500 << 0 << 1 << 2 << 476 << 1;
    QTest::newRow("not a whole number of pages, erase all") << 3000 << 1 << 0 << 3 << 952 << 1;
    QTest::newRow("a single byte") << 1 << 0 << 1 << 1 << 1 << 1;
    QTest::newRow("exactly one sector") << 65536 << 0 << 1 << 64 << 1024 << 1;
}

void tst_FirmwareInstaller::imageSizes()
{
    QFETCH(int, size);
    QFETCH(int, mode);
    QFETCH(int, sectorErases);
    QFETCH(int, pages);
    QFETCH(int, lastPageBytes);
    QFETCH(int, sectors);

    const QByteArray image = imageOf(size);
    start(writeImage(image), mode);
    QTRY_COMPARE_WITH_TIMEOUT(outcomes->events, (QStringList{"installationFinished", "finish"}), 10000);

    const quint8 writeId = mode == 1 ? 0x85 : 0x82;
    const quint8 readId = mode == 1 ? 0x05 : 0x02;
    QCOMPARE(receiver->count(6, 0x81), sectorErases);
    QCOMPARE(receiver->count(6, 0x84), mode == 1 ? 1 : 0);
    QCOMPARE(receiver->count(6, writeId), pages);
    QCOMPARE(receiver->count(6, readId), pages);
    QCOMPARE(receiver->count(6, 0x86), 1);
    QCOMPARE(receiver->count(6, 0x83), 2);

    // Pages in order, the last one holding only what is left of the image.
    QList<ScriptedReceiver::Command> writes;
    QList<int> erased;
    for (const ScriptedReceiver::Command &command : receiver->commands()) {
        if (command.subId == writeId)
            writes << command;
        if (command.subId == 0x81)
            erased << quint8(command.payload.at(0));
    }
    for (int i = 0; i < writes.size(); ++i)
        QCOMPARE(int(indexOf(writes.at(i))), i);
    QCOMPARE(writes.last().payload.size(), 2 + lastPageBytes);
    for (int i = 0; i < erased.size(); ++i)
        QCOMPARE(erased.at(i), i);

    // One step at the start, one per acknowledgement that sends the next request and
    // one per page read back; the last erase leaves S + 1 of 2P + 3 + S done (in
    // erase-all mode at once, after its single acknowledgement).
    const int eraseAcks = mode == 1 ? 1 : sectors;
    const double total = 2 * pages + 3 + sectors;
    QCOMPARE(outcomes->steps.size(), 2 * pages + 3 + eraseAcks);
    QCOMPARE(outcomes->steps.at(0), 1 / total);
    QCOMPARE(outcomes->steps.at(1 + eraseAcks), (sectors + 1) / total);
    QCOMPARE(outcomes->steps.last(), 1.0);
    for (int i = 1; i < outcomes->steps.size(); ++i)
        QVERIFY(outcomes->steps.at(i) >= outcomes->steps.at(i - 1));
    // The read-back of whole pages runs past the image's end and still verifies.
    QCOMPARE(flash->bytes.left(size), image);
}

void tst_FirmwareInstaller::newFormatAnnouncement()
{
    // A new-style receiver and image: the announcement carries bytes 12, 13 and 9 of
    // the image's 20-byte version block.
    const quint32 w0 = word(0x11, 0x22, 0x33, 0x44);
    const quint32 w2 = word(0x00, 0x03, 0x00, 0x00);  // byte 9
    const quint32 w3 = word(0x07, 0x02, 0x06, 0x3C);  // bytes 12 to 15
    installer->startInstallation(writeImage(imageOf(100)), 0, false, false, false, word(7, 1, 2, 3), 4,
                                 w0, 0, w2, w3, 0);
    QTRY_COMPARE_WITH_TIMEOUT(outcomes->events, (QStringList{"installationFinished", "finish"}), 10000);
    const QList<QByteArray> sent = frames();
    QCOMPARE(sent.first(), ScriptedReceiver::frame(6, 0x88, hex("01070203")));
    QCOMPARE(sent.last(), ScriptedReceiver::frame(6, 0x88, hex("00070203")));
    QCOMPARE(receiver->count(6, 0x83), 0);
}

void tst_FirmwareInstaller::failures_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("failingSubId");
    QTest::addColumn<int>("failingIndex");   // page or sector index; -1 any
    QTest::addColumn<bool>("silent");        // no answer at all instead of a refusal
    QTest::addColumn<QString>("outcome");

    QTest::newRow("write of page 1 refused") << 2048 << 0 << 0x82 << 1 << false << "errorWrite(1)";
    QTest::newRow("write of page 0 unanswered") << 2048 << 0 << 0x82 << 0 << true << "errorWrite(0)";
    QTest::newRow("write refused, erase all mode") << 4096 << 1 << 0x85 << 2 << false << "errorWrite(2)";
    QTest::newRow("erase of sector 1 refused") << 65537 << 0 << 0x81 << 1 << false << "errorErase(1)";
    QTest::newRow("erase all refused") << 2048 << 1 << 0x84 << -1 << false << "errorErase(0)";
    QTest::newRow("announcement refused") << 2048 << 0 << 0x83 << -1 << false << "installationFailed";
    QTest::newRow("read of page 1 refused") << 2048 << 0 << 0x02 << 1 << false << "installationFailed";
    QTest::newRow("read refused, erase all mode") << 2048 << 1 << 0x05 << 0 << false << "installationFailed";
    QTest::newRow("commit refused") << 2048 << 0 << 0x86 << -1 << false << "installationFailed";
}

void tst_FirmwareInstaller::failures()
{
    QFETCH(int, size);
    QFETCH(int, mode);
    QFETCH(int, failingSubId);
    QFETCH(int, failingIndex);
    QFETCH(bool, silent);
    QFETCH(QString, outcome);

    int failedAt = -1;
    flash->override = [&](quint8 subId, const ScriptedReceiver::Command &command, ScriptedReceiver::Answer &answer) {
        if (subId != failingSubId || failedAt >= 0)
            return false;
        const int index = subId == 0x81 ? quint8(command.payload.at(0)) : indexOf(command);
        if (failingIndex >= 0 && index != failingIndex)
            return false;
        failedAt = receiver->commands().size() - 1;
        answer = silent ? ScriptedReceiver::silence() : ScriptedReceiver::refused();
        return true;
    };
    start(writeImage(imageOf(size)), mode);
    QTRY_COMPARE_WITH_TIMEOUT(outcomes->events, QStringList{outcome}, 10000);
    QVERIFY(failedAt >= 0);
    // Nothing is retried and no end is announced.
    QVERIFY(noFurtherCommand());
    QCOMPARE(receiver->commands().size(), failedAt + 1);
    QCOMPARE(outcomes->events, QStringList{outcome});
}

void tst_FirmwareInstaller::changedByteFailsValidationWithoutCommit()
{
    flash->override = [this](quint8 subId, const ScriptedReceiver::Command &command, ScriptedReceiver::Answer &answer) {
        if (subId != 0x02 || indexOf(command) != 1)
            return false;
        QByteArray page = flash->bytes.mid(PageSize, PageSize);
        page[100] = char(page.at(100) ^ 0x01);
        answer = ScriptedReceiver::data(page);
        return true;
    };
    start(writeImage(imageOf(2048)), 0);
    QTRY_COMPARE_WITH_TIMEOUT(outcomes->events, QStringList{"errorValidateFirmware"}, 10000);
    QVERIFY(noFurtherCommand());
    QCOMPARE(receiver->count(6, 0x86), 0);
    QCOMPARE(receiver->count(6, 0x83), 1);
    QCOMPARE(outcomes->steps.last(), 0.625);
}

void tst_FirmwareInstaller::refusedBeforeAnythingIsSent_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<qint64>("size");   // -1: no such file

    QTest::newRow("no such file") << "missing.bin" << qint64(-1);
    QTest::newRow("empty image") << "empty.bin" << qint64(0);
    // 256 sectors: more than the one-byte sector counter holds.
    QTest::newRow("one byte past 255 sectors") << "huge.bin" << qint64(255) * SectorSize + 1;
}

void tst_FirmwareInstaller::refusedBeforeAnythingIsSent()
{
    QFETCH(QString, name);
    QFETCH(qint64, size);

    const QString path = dir->filePath(name);
    if (size >= 0) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(file.resize(size));
    }
    start(path, 0);
    QCOMPARE(outcomes->events, QStringList{"fileError"});
    QVERIFY(outcomes->steps.isEmpty());
    QVERIFY(noFurtherCommand(300));
    QVERIFY(receiver->commands().isEmpty());

    // A later good image installs as usual.
    outcomes->events.clear();
    start(writeImage(imageOf(1024)), 0);
    QTRY_COMPARE_WITH_TIMEOUT(outcomes->events, (QStringList{"installationFinished", "finish"}), 10000);
}

void tst_FirmwareInstaller::loadFileReadsWholeFile()
{
    QSignalSpy fileErrors(installer, SIGNAL(fileError()));
    const QByteArray image = imageOf(5000);
    QByteArray data("stale");
    QVERIFY(installer->loadFile(data, writeImage(image)));
    QCOMPARE(data, image);

    QVERIFY(installer->loadFile(data, writeImage(QByteArray(), QStringLiteral("empty.bin"))));
    QVERIFY(data.isEmpty());
    QCOMPARE(fileErrors.size(), 0);

    QVERIFY(!installer->loadFile(data, dir->filePath(QStringLiteral("missing.bin"))));
    QCOMPARE(fileErrors.size(), 1);
    QVERIFY(receiver->commands().isEmpty());
}

void tst_FirmwareInstaller::foreignGroup6ErrorDoesNotStopTheInstallation()
{
    QSignalSpy forwarded(installer, SIGNAL(requestErrorToUpdate(QPair<MsgType, unsigned char>)));
    // The firmware page asks for the versions while the pages are written; this
    // receiver refuses that query.
    receiver->answerAlways(6, 0x00, ScriptedReceiver::refused());
    receiver->answerAlways(6, 0x07, ScriptedReceiver::refused());
    bool asked = false;
    flash->override = [&](quint8 subId, const ScriptedReceiver::Command &, ScriptedReceiver::Answer &) {
        if (subId == 0x82 && !asked) {
            asked = true;
            controller->binaryConfigurator()->requestFwrVersions();
            controller->binaryConfigurator()->requestFwrVersionsNew();
        }
        return false;
    };
    const QByteArray image = imageOf(3000);
    start(writeImage(image), 0);
    QTRY_COMPARE_WITH_TIMEOUT(outcomes->events, (QStringList{"installationFinished", "finish"}), 10000);
    QCOMPARE(receiver->count(6, 0x00), 1);
    QCOMPARE(receiver->count(6, 0x07), 1);
    QCOMPARE(flash->bytes.left(image.size()), image);
    // Every engine error still reaches the page.
    QCOMPARE(forwarded.size(), 2);
    QCOMPARE(forwarded.at(0).at(0).value<Key>(), Key(MsgFirmware, 0x00));
    QCOMPARE(forwarded.at(1).at(0).value<Key>(), Key(MsgFirmware, 0x07));

    // Also when no installation runs, and for other groups.
    receiver->answerAlways(3, 0x02, ScriptedReceiver::refused());
    controller->binaryConfigurator()->requestUart1BaudRate();
    QTRY_COMPARE_WITH_TIMEOUT(forwarded.size(), 3, 5000);
    QCOMPARE(forwarded.at(2).at(0).value<Key>(), Key(MsgReceiverParameters, 0x02));
    QCOMPARE(outcomes->events, (QStringList{"installationFinished", "finish"}));
}

void tst_FirmwareInstaller::repliesOutOfTurnFail()
{
    // A page that comes while nothing is installed is ignored.
    controller->binaryConfigurator()->readPage(0);
    QTRY_COMPARE_WITH_TIMEOUT(receiver->commands().size(), 1, 5000);
    QVERIFY(noFurtherCommand(200));
    QVERIFY(outcomes->events.isEmpty());

    // A page that comes while the pages are still written ends the installation.
    bool injected = false;
    flash->override = [&](quint8 subId, const ScriptedReceiver::Command &, ScriptedReceiver::Answer &) {
        if (subId == 0x82 && !injected) {
            injected = true;
            controller->binaryConfigurator()->readPage(7);
        }
        return false;
    };
    start(writeImage(imageOf(4096)), 0);
    QTRY_COMPARE_WITH_TIMEOUT(outcomes->events, QStringList{"installationFailed"}, 10000);
    // The write of page 1 was queued behind the stray read and still goes out; the
    // procedure itself asks for nothing more.
    for (int quiet = 0; quiet < 20 && !noFurtherCommand(300); ++quiet) {
    }
    QCOMPARE(receiver->count(6, 0x82), 2);
    QCOMPARE(receiver->count(6, 0x02), 2);
    QCOMPARE(receiver->count(6, 0x86), 0);
    QCOMPARE(receiver->count(6, 0x83), 1);
    QCOMPARE(outcomes->events, QStringList{"installationFailed"});

    // So does an acknowledged commit that the procedure did not send.
    outcomes->events.clear();
    injected = false;
    flash->override = [&](quint8 subId, const ScriptedReceiver::Command &, ScriptedReceiver::Answer &) {
        if (subId == 0x82 && !injected) {
            injected = true;
            installer->commit(1);
        }
        return false;
    };
    start(writeImage(imageOf(4096)), 0);
    QTRY_COMPARE_WITH_TIMEOUT(outcomes->events, QStringList{"installationFailed"}, 10000);
}

void tst_FirmwareInstaller::cancelSendsNothingMore()
{
    bool cancelled = false;
    flash->override = [&](quint8 subId, const ScriptedReceiver::Command &command, ScriptedReceiver::Answer &) {
        if (subId == 0x82 && indexOf(command) == 1 && !cancelled) {
            cancelled = true;
            installer->reset();
        }
        return false;
    };
    start(writeImage(imageOf(8192)), 0);
    QTRY_VERIFY_WITH_TIMEOUT(cancelled, 10000);
    QVERIFY(noFurtherCommand());
    QCOMPARE(receiver->count(6, 0x82), 2);
    QVERIFY(outcomes->events.isEmpty());
}

void tst_FirmwareInstaller::loadMarkRequests()
{
    QList<BinaryConfigurator::FrmLoadFile> marks;
    connect(installer, &FirmwareInstaller::frmLoadFileChanged, this,
            [&marks](BinaryConfigurator::FrmLoadFile mark) { marks << mark; });
    receiver->answerNext({ScriptedReceiver::data(hex("01")), ScriptedReceiver::done(),
                          ScriptedReceiver::data(hex("00"))});
    installer->requestFirmwareType();
    installer->commit(1);
    installer->requestFirmwareType();
    QTRY_COMPARE_WITH_TIMEOUT(marks.size(), 2, 5000);
    QCOMPARE(marks, (QList<BinaryConfigurator::FrmLoadFile>{BinaryConfigurator::FrmUser,
                                                            BinaryConfigurator::FrmNative}));
    QCOMPARE(frames().at(0), ScriptedReceiver::frame(6, 0x06, {}));
    QCOMPARE(frames().at(1), hex("214e06860100018e3c"));
    // Outside an installation the commit's acknowledgement means nothing to the procedure.
    QVERIFY(outcomes->events.isEmpty());
}

QTEST_GUILESS_MAIN(tst_FirmwareInstaller)
#include "tst_firmwareinstaller.moc"
