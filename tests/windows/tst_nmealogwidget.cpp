// The message log as the user sees it: the received lines and their colour, the hex flow
// and byte counter, and writing the raw stream into a file, with every failure answered
// by its box (through the windows' dialog seam) and writing ended.

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QToolButton>
#include <QVBoxLayout>
#include <QtTest>

#include <memory>

#include "binarypayloads.h"
#include "connectguard.h"
#include "controller.h"
#include "framebuilders.h"
#include "framepacer.h"
#include "nmealogwidget.h"
#include "parserproxy.h"
#include "receiversession.h"
#include "windowdialogs.h"
#include "threadclock.h"

namespace {

struct Box
{
    QMessageBox::Icon icon;
    QString title;
    QString text;
    QMessageBox::StandardButtons buttons;
};

QByteArray contents(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray("<cannot read>");
    return file.readAll();
}

} // namespace

class TestNMEALogWidget : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void formHasItsWidgets();
    void linesFollowTheColourOfTheirProtocol();
    void debugLinesAreLeftOutButCounted();
    void hexFlowAndCounter();
    void viewsKeepTheLast2000Lines_data();
    void viewsKeepTheLast2000Lines();
    void aLongChunkIsShownInLinesOfAtMost1024Bytes();
    void aBurstShowsItsNewestBytesWithoutHoldingTheWindow();
    void writingStoresExactlyTheChunksBetweenStartAndStop();
    void anEmptyNameCannotBeOpened();
    void aFullDeviceEndsWritingWithABox();
    void aFailureWhileTheBoxIsOpenIsNotReportedAgain();
    void aFileThatVanishesEndsWriting();
    void browseFillsTheNameUnlessCancelled();
    void clearingWhileWritingGoesOnWriting();
    void aSecondControllerLeavesOneConnectionOfEachKind();

private:
    template <class T> T *child(const char *name) { return window->findChild<T *>(QLatin1String(name)); }
    QPlainTextEdit *messages() { return child<QPlainTextEdit>("editMessages"); }
    QPlainTextEdit *hexFlow() { return child<QPlainTextEdit>("editHexFlow"); }
    QLineEdit *counter() { return child<QLineEdit>("editByteCounter"); }
    QPushButton *startButton() { return child<QPushButton>("btnStartWriting"); }
    QPushButton *stopButton() { return child<QPushButton>("btnStopWriting"); }
    bool idle() { return !startButton()->isHidden() && stopButton()->isHidden(); }
    bool isWriting() { return startButton()->isHidden() && !stopButton()->isHidden(); }
    void startWritingTo(const QString &path)
    {
        child<QLineEdit>("editFileName")->setText(path);
        startButton()->click();
    }
    ParserProxy *parser() { return session->controller->parser(); }

    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<ReceiverSession> session;
    std::unique_ptr<NMEALogWidget> window;
    QList<Box> boxes;
    std::function<void()> duringBox;
};

void TestNMEALogWidget::initTestCase()
{
    installConnectGuard();
}

void TestNMEALogWidget::init()
{
    dir = std::make_unique<QTemporaryDir>();
    QVERIFY(dir->isValid());
    boxes.clear();
    duringBox = nullptr;
    WindowDialogs::setMessageHook([this](QWidget *, QMessageBox::Icon icon, const QString &title,
                                         const QString &text, QMessageBox::StandardButtons buttons) {
        boxes.append({icon, title, text, buttons});
        // The box's modal loop keeps the link running.
        if (duringBox)
            duringBox();
        return QMessageBox::Ok;
    });
    session = std::make_unique<ReceiverSession>();
    window = std::make_unique<NMEALogWidget>(nullptr);
    window->setModel(session->model);
    window->setController(session->controller);
}

void TestNMEALogWidget::cleanup()
{
    window.reset();
    session.reset();
    WindowDialogs::setMessageHook(nullptr);
    WindowDialogs::setFileHook(nullptr);
    dir.reset();
}

void TestNMEALogWidget::formHasItsWidgets()
{
    QCOMPARE(window->size(), QSize(539, 482));
    QCOMPARE(window->minimumSize(), QSize(500, 150));
    QCOMPARE(window->windowTitle(), QStringLiteral("Message Log"));
    QVERIFY(messages()->isReadOnly());
    QCOMPARE(messages()->maximumBlockCount(), 2000);
    QVERIFY(hexFlow()->isReadOnly());
    QCOMPARE(hexFlow()->maximumBlockCount(), 2000);
    // Each chunk is one line of the view; wrapping a chunk of kilobytes into the width of
    // the view cost more than the whole rest of the workspace.
    QCOMPARE(hexFlow()->lineWrapMode(), QPlainTextEdit::NoWrap);
    QVERIFY(!hexFlow()->document()->isUndoRedoEnabled());
    QVERIFY(!counter()->isReadOnly());
    QVERIFY(child<QToolButton>("brnBrowse"));
    QCOMPARE(startButton()->text(), QStringLiteral("Start writing"));
    QVERIFY(idle());
}

void TestNMEALogWidget::linesFollowTheColourOfTheirProtocol()
{
    QVERIFY(session->open(InterfaceBinary));
    session->send(binaryFrame(1, 17, ecefPayload(1, 2845123.5, 2201234.5, 5248000.0, 4)));
    QTRY_VERIFY(messages()->toPlainText().startsWith(QStringLiteral("$RPOS_ECEF,")));
    QCOMPARE(messages()->styleSheet(), QStringLiteral("color: #0000CD;"));

    const QByteArray gga = nmeaLine("GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,");
    emit parser()->dataParsed(gga, InterfaceNmea);
    // The lines of one pass of the event loop reach the view together, after it.
    QTRY_COMPARE(messages()->styleSheet(), QStringLiteral("color: black;"));
    // Each line is one paragraph, as it came.
    QCOMPARE(messages()->document()->blockCount(), 3);
    QCOMPARE(messages()->document()->findBlockByNumber(1).text() + QStringLiteral("\r\n"),
             QString::fromLatin1(gga));
    QVERIFY(messages()->textCursor().atEnd());

    // A mode without a parser leaves the colour as it is.
    emit parser()->dataParsed("$TEXT\r\n", InterfaceUnknown);
    QTRY_COMPARE(messages()->document()->blockCount(), 4);
    QCOMPARE(messages()->styleSheet(), QStringLiteral("color: black;"));
}

void TestNMEALogWidget::debugLinesAreLeftOutButCounted()
{
    QVERIFY(session->open(InterfaceNmea));
    const QByteArray bytes = QByteArray("DEBUG:x\r\ndebug:{\"a\":1}\r\nDebug: y\r\n")
                             + nmeaLine("GPGSA,A,3,05,12,,,,,,,,,,,1.6,0.8,1.4");
    session->send(bytes);
    QTRY_COMPARE(counter()->text(), QString::number(bytes.size()));
    // The views are filled on their own timer, after the counter.
    QTRY_COMPARE(messages()->toPlainText(), QStringLiteral("$GPGSA,A,3,05,12,,,,,,,,,,,1.6,0.8,1.4*") +
                                                QString::fromLatin1(bytes.right(4).left(2)) + QLatin1Char('\n'));
    QTRY_COMPARE(hexFlow()->toPlainText().remove(QLatin1Char('\n')), QString::fromLatin1(bytes.toHex()));
}

void TestNMEALogWidget::hexFlowAndCounter()
{
    emit parser()->displayData(QByteArray::fromHex("214e0111"));
    emit parser()->displayData(QByteArray());
    emit parser()->displayData(QByteArray::fromHex("0a"));
    // The chunks of one pass of the event loop reach the view together, one paragraph
    // each; an empty one adds none.
    QTRY_COMPARE(hexFlow()->toPlainText(), QStringLiteral("214e0111\n0a"));
    QCOMPARE(hexFlow()->document()->blockCount(), 2);
    QCOMPARE(counter()->text(), QStringLiteral("5"));

    // Clearing starts the count again: 999999 bytes, then one more.
    window->clearWindow();
    const QByteArray chunk(999, 'a');
    for (int i = 0; i < 1001; ++i)
        emit parser()->displayData(chunk);
    QCOMPARE(counter()->text(), QStringLiteral("999999"));
    emit parser()->displayData("z");
    QCOMPARE(counter()->text(), QStringLiteral("1e+06"));
}

void TestNMEALogWidget::viewsKeepTheLast2000Lines_data()
{
    QTest::addColumn<bool>("closedInAFrame");
    QTest::addColumn<int>("count");
    QTest::newRow("shown") << false << 2010;
    // Closed in the workspace, the window holds what it will show as it opens.
    QTest::newRow("closed, then opened") << true << 7000;
}

void TestNMEALogWidget::viewsKeepTheLast2000Lines()
{
    QFETCH(bool, closedInAFrame);
    QFETCH(int, count);
    QWidget frame;
    if (closedInAFrame) {
        (new QVBoxLayout(&frame))->addWidget(window.get());
        FramePacer::install(&frame);
    }
    for (int i = 0; i < count; ++i) {
        emit parser()->dataParsed("$GPTXT," + QByteArray::number(i) + "\r\n", InterfaceNmea);
        emit parser()->displayData(QByteArray::number(i));
    }
    if (closedInAFrame) {
        QCOMPARE(messages()->document()->blockCount(), 1);
        frame.show();
    }
    QTRY_COMPARE(messages()->document()->blockCount(), 2000);
    QCOMPARE(messages()->document()->lastBlock().previous().text(), QStringLiteral("$GPTXT,%1").arg(count - 1));
    QCOMPARE(messages()->document()->firstBlock().text(), QStringLiteral("$GPTXT,%1").arg(count - 1999));
    QCOMPARE(hexFlow()->document()->blockCount(), 2000);
    QCOMPARE(hexFlow()->document()->firstBlock().text(), QString::fromLatin1(QByteArray::number(count - 2000).toHex()));
    QCOMPARE(hexFlow()->document()->lastBlock().text(), QString::fromLatin1(QByteArray::number(count - 1).toHex()));
    if (closedInAFrame)
        window->setParent(nullptr);
}

void TestNMEALogWidget::aLongChunkIsShownInLinesOfAtMost1024Bytes()
{
    QByteArray chunk(1500, Qt::Uninitialized);
    for (int i = 0; i < chunk.size(); ++i)
        chunk[i] = char(i * 7);
    emit parser()->displayData(chunk);
    QTRY_COMPARE(hexFlow()->document()->blockCount(), 2);
    QCOMPARE(hexFlow()->document()->firstBlock().text(), QString::fromLatin1(chunk.left(1024).toHex()));
    QCOMPARE(hexFlow()->document()->lastBlock().text(), QString::fromLatin1(chunk.mid(1024).toHex()));
    QCOMPARE(counter()->text(), QStringLiteral("1500"));
}

void TestNMEALogWidget::aBurstShowsItsNewestBytesWithoutHoldingTheWindow()
{
    // One read of a fast TCP peer: 3 MB in one chunk. As one line it held the GUI thread
    // for minutes in the text layout.
    window->resize(539, 482);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    QByteArray burst(3 * 1024 * 1024, Qt::Uninitialized);
    for (int i = 0; i < burst.size(); ++i)
        burst[i] = char(i % 251);
    const qint64 cpuAt = threadCpuMs();
    emit parser()->displayData(burst);
    QCoreApplication::processEvents();
    QVERIFY2(threadCpuMs() - cpuAt < 2000, qPrintable(QStringLiteral("%1 ms").arg(threadCpuMs() - cpuAt)));

    QCOMPARE(counter()->text(), QStringLiteral("3.14573e+06"));
    QCOMPARE(hexFlow()->document()->blockCount(), 64);
    QCOMPARE(hexFlow()->document()->lastBlock().text(), QString::fromLatin1(burst.right(1024).toHex()));
    QCOMPARE(hexFlow()->toPlainText().remove(QLatin1Char('\n')), QString::fromLatin1(burst.right(65536).toHex()));
}

void TestNMEALogWidget::writingStoresExactlyTheChunksBetweenStartAndStop()
{
    const QString path = dir->filePath(QStringLiteral("log.bin"));
    {
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("old");
    }
    QVERIFY(session->open(InterfaceNmea));
    session->send("xy");
    QTRY_COMPARE(counter()->text(), QStringLiteral("2"));

    startWritingTo(path);
    QVERIFY(isWriting());
    QCOMPARE(counter()->text(), QStringLiteral("0"));
    QCOMPARE(contents(path), QByteArray());

    session->send("ab");
    QTRY_COMPARE(contents(path), QByteArray("ab"));
    session->send("cd");
    QTRY_COMPARE(contents(path), QByteArray("abcd"));
    QCOMPARE(counter()->text(), QStringLiteral("4"));

    stopButton()->click();
    QVERIFY(idle());
    session->send("ef");
    QTRY_COMPARE(counter()->text(), QStringLiteral("6"));
    QCOMPARE(contents(path), QByteArray("abcd"));
    QVERIFY(boxes.isEmpty());
}

void TestNMEALogWidget::anEmptyNameCannotBeOpened()
{
    startWritingTo(QString());
    QCOMPARE(boxes.size(), 1);
    QCOMPARE(boxes.at(0).icon, QMessageBox::Critical);
    QCOMPARE(boxes.at(0).title, QStringLiteral("Error opening file"));
    QCOMPARE(boxes.at(0).text, QStringLiteral("Cannot open file."));
    QCOMPARE(boxes.at(0).buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QVERIFY(idle());
    emit parser()->displayData("ab");
    QCOMPARE(boxes.size(), 1);
}

void TestNMEALogWidget::aFullDeviceEndsWritingWithABox()
{
    if (!QFile::exists(QStringLiteral("/dev/full")))
        QSKIP("no /dev/full here");
    startWritingTo(QStringLiteral("/dev/full"));
    QVERIFY(isWriting());

    emit parser()->displayData("abcd");
    QCOMPARE(boxes.size(), 1);
    QCOMPARE(boxes.at(0).icon, QMessageBox::Critical);
    QCOMPARE(boxes.at(0).title, QStringLiteral("Error writing file"));
    QCOMPARE(boxes.at(0).text, QStringLiteral("An error occurred while writing the file."));
    QVERIFY(idle());

    // Writing has ended: the next chunks are shown but neither written nor reported.
    emit parser()->displayData("efgh");
    QCOMPARE(boxes.size(), 1);
    QCOMPARE(counter()->text(), QStringLiteral("8"));
}

void TestNMEALogWidget::aFailureWhileTheBoxIsOpenIsNotReportedAgain()
{
    if (!QFile::exists(QStringLiteral("/dev/full")))
        QSKIP("no /dev/full here");
    startWritingTo(QStringLiteral("/dev/full"));
    duringBox = [this]() { emit parser()->displayData("more"); };
    emit parser()->displayData("abcd");
    QCOMPARE(boxes.size(), 1);
    QTRY_COMPARE(hexFlow()->document()->blockCount(), 2);
    QVERIFY(idle());
}

void TestNMEALogWidget::aFileThatVanishesEndsWriting()
{
    QVERIFY(QDir(dir->path()).mkdir(QStringLiteral("sub")));
    const QString path = dir->filePath(QStringLiteral("sub/log.bin"));
    startWritingTo(path);
    emit parser()->displayData("ab");
    QCOMPARE(contents(path), QByteArray("ab"));

    QVERIFY(QDir(dir->filePath(QStringLiteral("sub"))).removeRecursively());
    emit parser()->displayData("cd");
    QCOMPARE(boxes.size(), 1);
    QCOMPARE(boxes.at(0).title, QStringLiteral("Error opening file"));
    QCOMPARE(boxes.at(0).text, QStringLiteral("Cannot open file."));
    QVERIFY(idle());
    emit parser()->displayData("ef");
    QCOMPARE(boxes.size(), 1);
}

void TestNMEALogWidget::browseFillsTheNameUnlessCancelled()
{
    QString answer = dir->filePath(QStringLiteral("chosen.log"));
    QString caption;
    FileDialogKind kind = FileDialogKind::Open;
    WindowDialogs::setFileHook([&](QWidget *, FileDialogKind k, const QString &c, const QString &,
                                   const QString &) {
        kind = k;
        caption = c;
        return answer;
    });
    child<QToolButton>("brnBrowse")->click();
    QCOMPARE(kind, FileDialogKind::Save);
    QCOMPARE(caption, QStringLiteral("Save as"));
    QCOMPARE(child<QLineEdit>("editFileName")->text(), dir->filePath(QStringLiteral("chosen.log")));

    answer.clear();
    child<QToolButton>("brnBrowse")->click();
    QCOMPARE(child<QLineEdit>("editFileName")->text(), dir->filePath(QStringLiteral("chosen.log")));
}

void TestNMEALogWidget::clearingWhileWritingGoesOnWriting()
{
    const QString path = dir->filePath(QStringLiteral("log.bin"));
    startWritingTo(path);
    emit parser()->dataParsed("$GPTXT,1\r\n", InterfaceNmea);
    emit parser()->displayData("ab");

    window->clearWindow();
    QVERIFY(messages()->toPlainText().isEmpty());
    QVERIFY(hexFlow()->toPlainText().isEmpty());
    QVERIFY(counter()->text().isEmpty());
    QVERIFY(child<QLineEdit>("editFileName")->text().isEmpty());
    QVERIFY(isWriting());

    emit parser()->displayData("cde");
    QCOMPARE(contents(path), QByteArray("abcde"));
    QCOMPARE(counter()->text(), QStringLiteral("3"));
}

void TestNMEALogWidget::aSecondControllerLeavesOneConnectionOfEachKind()
{
    Controller second;
    window->setController(&second);
    window->setController(&second);

    emit parser()->dataParsed("$OLD\r\n", InterfaceNmea);
    emit parser()->displayData("old");
    QVERIFY(messages()->toPlainText().isEmpty());
    QVERIFY(hexFlow()->toPlainText().isEmpty());

    emit second.parser()->dataParsed("$NEW\r\n", InterfaceNmea);
    emit second.parser()->displayData("new");
    QTRY_COMPARE(messages()->toPlainText(), QStringLiteral("$NEW\n"));
    QCOMPARE(hexFlow()->toPlainText(), QStringLiteral("6e6577"));
    QCOMPARE(counter()->text(), QStringLiteral("3"));

    window->setController(nullptr);
}

QTEST_MAIN(TestNMEALogWidget)
#include "tst_nmealogwidget.moc"
