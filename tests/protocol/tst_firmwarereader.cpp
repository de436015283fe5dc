// Firmware read-out from a scripted receiver that returns the pages of a flash held
// in memory, into files of a temporary directory.
#include <QDir>
#include <QRegularExpression>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>
#include <memory>

#include "binaryconfigurator.h"
#include "connectguard.h"
#include "controller.h"
#include "firmwareinstaller.h"
#include "firmwarereader.h"
#include "parserproxy.h"
#include "readerproxy.h"
#include "scriptedreceiver.h"

namespace {

const int PageSize = 1024;
const int Pages = 512;

quint16 indexOf(const ScriptedReceiver::Command &command)
{
    if (command.payload.size() < 2)
        return 0xFFFF;
    return quint16(quint8(command.payload.at(0)) | (quint8(command.payload.at(1)) << 8));
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

} // namespace

class tst_FirmwareReader : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void wholeFlashIntoTheFile();
    void refusedPageEndsTheReadOut();
    void fileThatCannotBeCreated();
    void fileGoneDuringTheReadOutEndsIt();
    void shortWriteEndsTheReadOut();
    void stopIgnoresThePageInFlight();
    void otherGroupsAndIdlePagesAreIgnored();

private:
    QString path(const QString &name) const { return dir->filePath(name); }

    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<ScriptedReceiver> receiver;
    std::unique_ptr<Controller> controller;
    FirmwareReader *reader = nullptr;
    QByteArray flash;
    // Called for every page request before it is answered; may take the answer over.
    std::function<bool(int page, ScriptedReceiver::Answer &)> onPage;
};

void tst_FirmwareReader::initTestCase()
{
    installConnectGuard();
    flash.resize(Pages * PageSize);
    for (int i = 0; i < flash.size(); ++i)
        flash[i] = char((i * 31 + i / 1024) & 0xFF);
}

void tst_FirmwareReader::init()
{
    dir = std::make_unique<QTemporaryDir>();
    QVERIFY(dir->isValid());
    receiver = std::make_unique<ScriptedReceiver>();
    QVERIFY(receiver->listen());
    onPage = nullptr;
    receiver->answerAlways(6, 0x02, [this](const ScriptedReceiver::Command &command) {
        const int page = indexOf(command);
        ScriptedReceiver::Answer answer;
        if (onPage && onPage(page, answer))
            return answer;
        return ScriptedReceiver::data(flash.mid(page * PageSize, PageSize));
    });
    controller = std::make_unique<Controller>();
    controller->parser()->setInterfaceMode(InterfaceBinary);
    reader = controller->firmwareReader();

    QSignalSpy connected(controller->reader(), SIGNAL(connected()));
    controller->reader()->openSocket(QStringLiteral("127.0.0.1"), receiver->port());
    controller->reader()->start();
    QVERIFY(!connected.isEmpty() || connected.wait(5000));
    QTRY_VERIFY_WITH_TIMEOUT(receiver->hasClient(), 5000);
}

void tst_FirmwareReader::cleanup()
{
    if (receiver)
        QCOMPARE(receiver->badFrames(), 0);
    if (controller)
        controller->reader()->stop();
    controller.reset();
    reader = nullptr;
    receiver.reset();
    dir.reset();
}

void tst_FirmwareReader::wholeFlashIntoTheFile()
{
    QSignalSpy steps(reader, SIGNAL(stepPassed(double)));
    QSignalSpy finished(reader, SIGNAL(readingFinished()));
    // A file left by an earlier read-out is emptied first.
    {
        QFile old(path("flash.bin"));
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write(QByteArray(3000, 'x'));
    }
    reader->start(path("flash.bin"));
    QVERIFY(finished.wait(120000));

    const QList<ScriptedReceiver::Command> commands = receiver->commands();
    QCOMPARE(commands.size(), Pages);
    QCOMPARE(commands.first().frame, QByteArray::fromHex("214e060202000000 0a36"));
    QCOMPARE(commands.last().frame, QByteArray::fromHex("214e06020200ff01 0b37"));
    for (int i = 0; i < commands.size(); ++i)
        QCOMPARE(int(indexOf(commands.at(i))), i);

    QCOMPARE(steps.size(), Pages - 1);
    for (int i = 0; i < steps.size(); ++i)
        QCOMPARE(steps.at(i).at(0).toDouble(), double(i + 1) / Pages);
    QCOMPARE(finished.size(), 1);
    QCOMPARE(readFile(path("flash.bin")), flash);
}

void tst_FirmwareReader::refusedPageEndsTheReadOut()
{
    QSignalSpy errors(reader, SIGNAL(errorRead(int)));
    QSignalSpy finished(reader, SIGNAL(readingFinished()));
    onPage = [](int page, ScriptedReceiver::Answer &answer) {
        if (page != 3)
            return false;
        answer = ScriptedReceiver::refused();
        return true;
    };
    reader->start(path("flash.bin"));
    QVERIFY(errors.wait(10000));
    QCOMPARE(errors.first().first().toInt(), 3);
    QCOMPARE(readFile(path("flash.bin")), flash.left(3 * PageSize));
    QSignalSpy more(receiver.get(), SIGNAL(commandReceived(int)));
    QVERIFY(!more.wait(300));
    QCOMPARE(receiver->commands().size(), 4);
    QCOMPARE(finished.size(), 0);
}

void tst_FirmwareReader::fileThatCannotBeCreated()
{
    QSignalSpy openErrors(reader, SIGNAL(fileOpenError()));
    reader->start(path("no-such-dir/flash.bin"));
    QCOMPARE(openErrors.size(), 1);
    QSignalSpy more(receiver.get(), SIGNAL(commandReceived(int)));
    QVERIFY(!more.wait(300));
    QVERIFY(receiver->commands().isEmpty());
}

void tst_FirmwareReader::fileGoneDuringTheReadOutEndsIt()
{
    QSignalSpy openErrors(reader, SIGNAL(fileOpenError()));
    QSignalSpy steps(reader, SIGNAL(stepPassed(double)));
    QVERIFY(QDir(dir->path()).mkdir("out"));
    const QString file = path("out/flash.bin");
    // The directory goes away (a pulled USB stick) before page 2 arrives.
    onPage = [this](int page, ScriptedReceiver::Answer &) {
        if (page == 2)
            QDir(path("out")).removeRecursively();
        return false;
    };
    reader->start(file);
    QVERIFY(openErrors.wait(10000));
    QCOMPARE(receiver->commands().size(), 3);
    QCOMPARE(steps.size(), 2);

    // The read-out is over: it takes no page that comes later, such as the pages
    // an installation reads back.
    QVERIFY(QDir(dir->path()).mkdir("out"));
    controller->binaryConfigurator()->readPage(9);
    QSignalSpy more(receiver.get(), SIGNAL(commandReceived(int)));
    QVERIFY(more.wait(5000));
    QVERIFY(!more.wait(300));
    QCOMPARE(receiver->commands().size(), 4);
    QVERIFY(!QFile::exists(file));
    QCOMPARE(openErrors.size(), 1);
    QCOMPARE(steps.size(), 2);
}

void tst_FirmwareReader::shortWriteEndsTheReadOut()
{
    // A disk with no room left: every write fails.
    QSignalSpy writeErrors(reader, SIGNAL(fileWriteError()));
    QSignalSpy steps(reader, SIGNAL(stepPassed(double)));
    // Appending to a device that cannot seek draws Qt's warning, once per page taken.
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Cannot call seek on a sequential device"));
    reader->start(QStringLiteral("/dev/full"));
    QVERIFY(writeErrors.wait(10000));
    QCOMPARE(steps.size(), 0);
    QSignalSpy more(receiver.get(), SIGNAL(commandReceived(int)));
    QVERIFY(!more.wait(300));
    QCOMPARE(receiver->commands().size(), 1);

    controller->binaryConfigurator()->readPage(1);
    QVERIFY(more.wait(5000));
    QVERIFY(!more.wait(300));
    QCOMPARE(writeErrors.size(), 1);
}

void tst_FirmwareReader::stopIgnoresThePageInFlight()
{
    QSignalSpy steps(reader, SIGNAL(stepPassed(double)));
    onPage = [this](int page, ScriptedReceiver::Answer &answer) {
        if (page != 1)
            return false;
        reader->stop();
        answer = ScriptedReceiver::data(flash.mid(PageSize, PageSize));
        return true;
    };
    reader->start(path("flash.bin"));
    QSignalSpy more(receiver.get(), SIGNAL(commandReceived(int)));
    QTRY_COMPARE_WITH_TIMEOUT(receiver->commands().size(), 2, 5000);
    QVERIFY(!more.wait(300));
    QCOMPARE(steps.size(), 1);
    QCOMPARE(readFile(path("flash.bin")), flash.left(PageSize));
}

void tst_FirmwareReader::otherGroupsAndIdlePagesAreIgnored()
{
    QSignalSpy errors(reader, SIGNAL(errorRead(int)));
    QSignalSpy steps(reader, SIGNAL(stepPassed(double)));
    QSignalSpy finished(reader, SIGNAL(readingFinished()));

    // Not reading: a page changes nothing. Its answer must be in before the read-out
    // starts, or the read-out would take it for its own first page.
    QSignalSpy idlePage(controller->binaryConfigurator(), SIGNAL(firmwarePageReceived(QByteArray)));
    controller->binaryConfigurator()->readPage(0);
    QVERIFY(idlePage.wait(5000));
    QCOMPARE(receiver->commands().size(), 1);

    // Reading: a refused request of another group does not stop it.
    receiver->answerAlways(3, 0x02, ScriptedReceiver::refused());
    bool asked = false;
    onPage = [&](int page, ScriptedReceiver::Answer &) {
        if (page == 5 && !asked) {
            asked = true;
            controller->binaryConfigurator()->requestUart1BaudRate();
        }
        return false;
    };
    reader->start(path("flash.bin"));
    QVERIFY(finished.wait(120000));
    QCOMPARE(errors.size(), 0);
    QCOMPARE(steps.size(), Pages - 1);
    QCOMPARE(readFile(path("flash.bin")), flash);
    QCOMPARE(receiver->count(3, 0x02), 1);
}

QTEST_GUILESS_MAIN(tst_FirmwareReader)
#include "tst_firmwarereader.moc"
