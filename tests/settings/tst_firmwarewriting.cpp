// Writing an image with the firmware page into a receiver with an in-memory flash: the
// announcements, the progress, a box for every outcome and the read-back at the end.
#include <QComboBox>
#include <QtTest>

#include "connectguard.h"
#include "screenshot.h"
#include "tst_firmwareinstallerwidget_rig.h"

class TestFirmwareWriting : public QObject, public FirmwareRig
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        installConnectGuard();
        installHooks();
    }
    void init() { setUpRig(); }
    void cleanup() { tearDownRig(); }

    void userWriteOnANewReceiverRunsToTheEnd();
    void userWriteOnAnOldReceiverAnnouncesTheOldWay();
    void nativeWriteAsksFirst_data();
    void nativeWriteAsksFirst();
    void failuresShowTheirBoxAndHideTheProgress_data();
    void failuresShowTheirBoxAndHideTheProgress();
    void emptyFileNameIsRefused();
    void writeReadsTheHeaderOfTheFileNamedNow();
    void writeReadsTheImageOnce();
    void cancelStopsTheProcedure();
    void saveRefreshAndLoadMarkWaitForTheWrite();
    void screenshotWhileWriting();
};

void TestFirmwareWriting::userWriteOnANewReceiverRunsToTheEnd()
{
    openPage(receiverVersion(6, 60));
    const QByteArray image = newStyleImage();
    choose(writeImage("firmware.bin", image));
    click("btnWrite");
    QVERIFY(progressShown());
    QTRY_COMPARE(boxes.size(), 1);
    QCOMPARE(boxes.first().icon, QMessageBox::Information);
    QCOMPARE(boxes.first().title, QString("Writing completed"));
    QCOMPARE(boxes.first().text, QString("Firmware writing is successfully completed."));
    QVERIFY(boxes.first().progressHidden);
    QCOMPARE(highestProgress, 100);
    // Three pages written, read back, the mark committed, the end announced; then the
    // page reads the receiver again, the last getter once the versions have come.
    QTRY_COMPARE_WITH_TIMEOUT(subIds(), QList<int>({0x88, 0x84, 0x85, 0x85, 0x85, 0x05, 0x05, 0x05, 0x86, 0x88, 0x06, 0x00, 0x07}), 15000);
    QVERIFY(session->settle());
    QCOMPARE(subIds().size(), 13);

    const QList<QByteArray> frames = session->table.frames();
    QCOMPARE(frames.value(0), hex("214e06880400" "01010203" "9912"));
    QCOMPARE(frames.value(1), hex("214e06840000" "8aa5"));
    QCOMPARE(frames.value(9), commandFrame(6, 0x88, hex("00010203")));
    QCOMPARE(flash->content(), image);
    // The windows are blanked once the box is closed.
    QCOMPARE(boxes.first().blankingsBefore, 0);
    QCOMPARE(blankings("showLastDataGGA"), 1);
    QCOMPARE(blankings("showLastDataHVECT"), 1);
    QCOMPARE(child<QComboBox>("comBoxLoadMark")->currentText(), QString("User"));
    QVERIFY(progressHidden());
}

void TestFirmwareWriting::userWriteOnAnOldReceiverAnnouncesTheOldWay()
{
    openPage(receiverVersion(6, 59));
    choose(writeImage("firmware.bin", newStyleImage()));
    click("btnWrite");
    QTRY_COMPARE(boxes.size(), 1);
    QCOMPARE(boxes.first().title, QString("Writing completed"));
    QCOMPARE(session->table.frames().value(0), hex("214e06830400" "010a0b0c" "af25"));
    QCOMPARE(session->table.frames().value(9), commandFrame(6, 0x83, hex("000a0b0c")));
}

void TestFirmwareWriting::nativeWriteAsksFirst_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<QList<int>>("firstSubIds");
    QTest::newRow("yes") << int(QMessageBox::Yes) << QList<int>({0x88, 0x81, 0x82});
    QTest::newRow("cancel") << int(QMessageBox::Cancel) << QList<int>();
}

void TestFirmwareWriting::nativeWriteAsksFirst()
{
    QFETCH(int, answer);
    QFETCH(QList<int>, firstSubIds);
    openPage(receiverVersion(6, 60));
    choose(writeImage("firmware.bin", newStyleImage()));
    click("rBtnNative");
    questionAnswer = QMessageBox::StandardButton(answer);
    click("btnWrite");
    QCOMPARE(boxes.size(), 1);
    QCOMPARE(boxes.first().icon, QMessageBox::Question);
    QCOMPARE(boxes.first().title, QString("Native Firmware"));
    QCOMPARE(boxes.first().text,
             QString("This option is available only for developers. Are you sure that you want to do this?"));
    if (firstSubIds.isEmpty()) {
        QVERIFY(session->settle());
        QCOMPARE(session->table.frames(), QList<QByteArray>());
        QVERIFY(progressHidden());
        return;
    }
    QVERIFY(progressShown());
    QTRY_COMPARE(boxes.size(), 2);
    QCOMPARE(boxes.last().title, QString("Writing completed"));
    QCOMPARE(subIds().mid(0, 3), firstSubIds);
    // One sector erased by its index, the pages written and read with the sector way.
    QCOMPARE(session->table.frames().value(1), commandFrame(6, 0x81, hex("00")));
    QCOMPARE(session->table.frames(6, 0x82).size(), 3);
    QCOMPARE(session->table.frames(6, 0x02).size(), 3);
    QCOMPARE(session->table.frames(6, 0x86), QList<QByteArray>({commandFrame(6, 0x86, hex("00"))}));
}

void TestFirmwareWriting::failuresShowTheirBoxAndHideTheProgress_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("text");
    QTest::newRow("page write") << "write" << "Error writing sector"
                                << "An error occurred while writing the sector #2.";
    QTest::newRow("erase") << "erase" << "Error erasing sector" << "An error occurred while erasing the sector #0.";
    QTest::newRow("read back") << "read" << "Error validating firmware"
                               << "An error occurred while validating installed firmware.";
    QTest::newRow("boundary") << "boundary" << "Installation fail" << "An error occurred while installing firmware.";
}

void TestFirmwareWriting::failuresShowTheirBoxAndHideTheProgress()
{
    QFETCH(QString, fault);
    QFETCH(QString, title);
    QFETCH(QString, text);
    if (fault == "write")
        flash->refusedWrite = 2;
    else if (fault == "erase")
        flash->refusedErase = 0;
    else if (fault == "read")
        flash->changedRead = 1;
    else
        flash->refuseBoundary = true;
    openPage(receiverVersion(6, 60));
    choose(writeImage("firmware.bin", newStyleImage()));
    click("btnWrite");
    QTRY_COMPARE(boxes.size(), 1);
    QCOMPARE(boxes.first().icon, QMessageBox::Critical);
    QCOMPARE(boxes.first().title, title);
    QCOMPARE(boxes.first().text, text);
    QVERIFY(boxes.first().progressHidden);
    QVERIFY(session->settle());
    QVERIFY(progressHidden());
    QCOMPARE(child<QProgressBar>("prBar")->value(), 0);
    // Nothing is committed and no end is announced after a fault.
    QCOMPARE(session->table.count(6, 0x86), 0);
    QCOMPARE(session->table.count(6, 0x88), 1);
}

void TestFirmwareWriting::emptyFileNameIsRefused()
{
    openPage(receiverVersion(6, 60));
    click("btnWrite");
    QCOMPARE(boxes.size(), 1);
    QCOMPARE(boxes.first().icon, QMessageBox::Critical);
    QCOMPARE(boxes.first().title, QString("Error"));
    QCOMPARE(boxes.first().text, QString("File is not selected"));
    QVERIFY(session->settle());
    QCOMPARE(session->table.frames(), QList<QByteArray>());
    QVERIFY(progressHidden());
}

void TestFirmwareWriting::writeReadsTheHeaderOfTheFileNamedNow()
{
    openPage(receiverVersion(6, 60));
    // A name typed by hand, never loaded: its own header is announced, not zeros.
    const QString typed = writeImage("typed.bin", newStyleImage());
    child<QLineEdit>("editFilename")->setText(typed);
    click("btnWrite");
    QTRY_COMPARE(boxes.size(), 1);
    QCOMPARE(session->table.frames().value(0), commandFrame(6, 0x88, hex("01010203")));
    QCOMPARE(future(), QStringList({"01-02-03-04-05", "2024.01.15", "0001a2ff-XXXXXXXX-3"}));

    // A file changed after it was loaded: the new header goes out.
    QVERIFY(session->settle());
    session->table.clearRecord();
    const QString path = writeImage("changed.bin", newStyleImage());
    choose(path);
    QByteArray changed = newStyleImage();
    changed.replace(112, 2, hex("0909"));
    changed[81] = 4;
    QCOMPARE(writeImage("changed.bin", changed), path);
    click("btnWrite");
    QTRY_COMPARE(boxes.size(), 2);
    QCOMPARE(session->table.frames().value(0), commandFrame(6, 0x88, hex("01090904")));
    QCOMPARE(future(), QStringList({"09-09-03-04-05", "2024.01.15", "0001a2ff-XXXXXXXX-4"}));
}

// Bytes this process has read from files and sockets so far (Linux).
static qint64 bytesReadByProcess()
{
    QFile io(QStringLiteral("/proc/self/io"));
    if (!io.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : io.readAll().split('\n')) {
        if (line.startsWith("rchar:"))
            return line.mid(6).trimmed().toLongLong();
    }
    return -1;
}

void TestFirmwareWriting::writeReadsTheImageOnce()
{
    if (bytesReadByProcess() < 0)
        QSKIP("no read counter on this system");
    openPage(receiverVersion(6, 60));
    const int size = 4 * 1024 * 1024;
    QByteArray image = newStyleImage(size);
    const QString path = writeImage("large.bin", image);
    child<QLineEdit>("editFilename")->setText(path);

    // Write reads the header and hands the same bytes to the installation: the whole
    // image once, and no second time.
    const qint64 before = bytesReadByProcess();
    click("btnWrite");
    const qint64 read = bytesReadByProcess() - before;
    QVERIFY(progressShown());
    QVERIFY2(read >= size && read < 2 * qint64(size), QByteArray::number(read).constData());
    QTRY_COMPARE(session->table.frames().value(0), commandFrame(6, 0x88, hex("01010203")));
    click("btnCancelWrite");
}

void TestFirmwareWriting::cancelStopsTheProcedure()
{
    flash->lateWrite = 1;
    flash->lateWriteMs = 300;
    openPage(receiverVersion(6, 60));
    choose(writeImage("firmware.bin", newStyleImage()));
    click("btnWrite");
    QTRY_COMPARE(session->table.count(6, 0x85), 2);
    QVERIFY(progressShown());
    click("btnCancelWrite");
    QVERIFY(progressHidden());
    QVERIFY(session->settle());
    // The late acknowledgement is ignored: no further page, no box.
    QCOMPARE(session->table.count(6, 0x85), 2);
    QCOMPARE(session->table.count(6, 0x05), 0);
    QVERIFY(boxes.isEmpty());
}

void TestFirmwareWriting::saveRefreshAndLoadMarkWaitForTheWrite()
{
    // The second page is acknowledged slowly: the user has time to use the frame.
    flash->lateWrite = 1;
    flash->lateWriteMs = 500;
    openPage(receiverVersion(6, 60));
    QCOMPARE(child<QComboBox>("comBoxLoadMark")->currentText(), QString("Native"));
    const QByteArray image = newStyleImage();
    choose(writeImage("firmware.bin", image));
    click("btnWrite");
    QTRY_COMPARE(session->table.count(6, 0x85), 2);
    QVERIFY(!child<QPushButton>("btnSave")->isEnabled());
    QVERIFY(!child<QPushButton>("btnRefresh")->isEnabled());
    QVERIFY(!child<QComboBox>("comBoxLoadMark")->isEnabled());
    // Pressed all the same (a load mark chosen around the disabled box).
    child<QComboBox>("comBoxLoadMark")->setCurrentText("User");
    click("btnSave");
    click("btnRefresh");
    // And as the settings dialog calls them.
    page->writeSettings();
    page->readSettings();
    QTRY_COMPARE(boxes.size(), 1);
    QCOMPARE(boxes.first().title, QString("Writing completed"));
    // Only the installer's commands, then the read-back after the write.
    QTRY_COMPARE_WITH_TIMEOUT(subIds(), QList<int>({0x88, 0x84, 0x85, 0x85, 0x85, 0x05, 0x05, 0x05, 0x86, 0x88, 0x06, 0x00, 0x07}), 15000);
    QVERIFY(session->settle());
    QCOMPARE(subIds().size(), 13);
    QCOMPARE(flash->content(), image);
    QVERIFY(child<QPushButton>("btnSave")->isEnabled());
    QVERIFY(child<QPushButton>("btnRefresh")->isEnabled());
    QVERIFY(child<QComboBox>("comBoxLoadMark")->isEnabled());
}

void TestFirmwareWriting::screenshotWhileWriting()
{
    // A 20-page image, held at page 12 long enough to look at it.
    flash->lateWrite = 12;
    flash->lateWriteMs = 1000;
    openPage(receiverVersion(6, 60));
    const QString path = writeImage("polvane_fw_7.0.bin", newStyleImage(20 * 1024 - 300));
    choose(path);
    page->resize(620, 640);
    page->show();
    QVERIFY(QTest::qWaitForWindowExposed(page.get()));
    click("btnWrite");
    QTRY_COMPARE(session->table.count(6, 0x85), 13);
    QVERIFY(progressShown());
    QVERIFY(child<QProgressBar>("prBar")->value() > 20);
    saveDrawnScreenshot(page.get(), "firmwareinstallerwidget_writing.png");
    qInfo("screenshot: %s", qPrintable(screenshotPath("firmwareinstallerwidget_writing.png")));
    QTRY_COMPARE(boxes.size(), 1);
    QCOMPARE(boxes.first().title, QString("Writing completed"));
}

QTEST_MAIN(TestFirmwareWriting)
#include "tst_firmwarewriting.moc"
