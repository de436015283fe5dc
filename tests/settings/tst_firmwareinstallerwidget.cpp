// The firmware page: the receiver's versions beside the image header, the load mark,
// and what it does without a receiver or a file.
#include <QComboBox>
#include <QRadioButton>
#include <QtTest>

#include <memory>

#include "connectguard.h"
#include "pickedfiles.h"
#include "russiancatalogue.h"
#include "settingspages.h"
#include "tst_firmwareinstallerwidget_rig.h"
#include "threadclock.h"

class TestFirmwareInstallerWidget : public QObject, public FirmwareRig
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

    void theSelectorOpensThisPage();
    void oldReceiverVersionIsShownWithoutAskingMore();
    void newReceiverAsksForItsBuildRecord();
    void longVersionReplyShowsTheMasks();
    void versionRuleBoundaries_data();
    void versionRuleBoundaries();
    void imageHeaderIsShown_data();
    void imageHeaderIsShown();
    void missingFileShowsTheFileBox();
    void fileThatCannotBeTakenShowsTheFileBox_data();
    void fileThatCannotBeTakenShowsTheFileBox();
    void loadMarkIsShownAndSaved();
    void loadMarkSaveSendsOnlyAChange();
    void loadMarkRequestErrors();
    void versionErrorsLeaveTheFields();
    void withoutControllerNothingIsSent();
    void russianTexts();
};

void TestFirmwareInstallerWidget::theSelectorOpensThisPage()
{
    std::unique_ptr<QWidget> opened(createSettingsPage("radBtnFirmwareContainer", nullptr));
    QVERIFY(qobject_cast<FirmwareInstallerWidget *>(opened.get()));
}

void TestFirmwareInstallerWidget::oldReceiverVersionIsShownWithoutAskingMore()
{
    // The receiver's own reply frame, byte for byte: 6.59 of 03.15.2016.
    session->receiver.answerAlways(6, 0x00, ScriptedReceiver::raw(hex("214e00020800" "063be0070f030000" "45e2")));
    page->setController(session->controller);
    page->readSettings();
    QVERIFY(session->settle());
    QCOMPARE(current(), QStringList({"XX-XX-06-59-XX", "03.15.2016", "XXXXXXXX", "XXXXXXXX", "XXXXXXXX"}));
    QCOMPARE(session->table.frames(), QList<QByteArray>({commandFrame(6, 0x06), commandFrame(6, 0x00)}));
}

void TestFirmwareInstallerWidget::newReceiverAsksForItsBuildRecord()
{
    session->table.store(6, 0x00, receiverVersion(6, 60));
    page->setController(session->controller);
    page->readSettings();
    QVERIFY(session->settle());
    QCOMPARE(session->table.frames(),
             QList<QByteArray>({commandFrame(6, 0x06), commandFrame(6, 0x00), hex("214e06070000" "0d2d")}));
    QCOMPARE(current(), QStringList({"05-10-20-200-01", "15.03.24", "0001a2ff", "12345678", "deadbeef"}));
}

void TestFirmwareInstallerWidget::longVersionReplyShowsTheMasks()
{
    session->table.store(6, 0x00, receiverVersion(6, 60) + hex("00"));
    page->setController(session->controller);
    page->readSettings();
    QVERIFY(session->settle());
    QCOMPARE(current(), QStringList({"XX-XX-XX-XX-XX", "XX.XX.XXXX", "XXXXXXXX", "XXXXXXXX", "XXXXXXXX"}));
    QCOMPARE(session->table.count(6, 0x07), 0);
}

void TestFirmwareInstallerWidget::versionRuleBoundaries_data()
{
    QTest::addColumn<int>("major");
    QTest::addColumn<int>("minor");
    QTest::addColumn<bool>("old");
    QTest::newRow("5.99") << 5 << 99 << true;
    QTest::newRow("6.59") << 6 << 59 << true;
    QTest::newRow("6.60") << 6 << 60 << false;
    QTest::newRow("7.0") << 7 << 0 << false;
}

void TestFirmwareInstallerWidget::versionRuleBoundaries()
{
    QFETCH(int, major);
    QFETCH(int, minor);
    QFETCH(bool, old);
    // The receiver: an old one shows its version, a new one is asked for its record.
    openPage(receiverVersion(quint8(major), quint8(minor)));
    QCOMPARE(text("lineEditBuildVersion_current").startsWith("XX-XX-"), old);
    // The image: the same rule on the bytes at offset 40.
    QByteArray image = newStyleImage();
    image[40] = char(major);
    image[41] = char(minor);
    choose(writeImage("image.bin", image));
    const QString twoDigit = QString("%1-%2").arg(major, 2, 10, QChar('0')).arg(minor, 2, 10, QChar('0'));
    QCOMPARE(text("lineEditBuildVersion_future"), old ? "XX-XX-" + twoDigit + "-XX" : QString("01-02-03-04-05"));
    // The announcement tells which side is old.
    click("btnWrite");
    QTRY_VERIFY(!session->table.frames().isEmpty());
    const QByteArray first = session->table.frames().first();
    QCOMPARE(quint8(first.at(3)), quint8(old ? 0x83 : 0x88));
    click("btnCancelWrite");
}

void TestFirmwareInstallerWidget::imageHeaderIsShown_data()
{
    QTest::addColumn<QByteArray>("image");
    QTest::addColumn<QStringList>("shown");
    QTest::newRow("new style") << newStyleImage() << QStringList({"01-02-03-04-05", "2024.01.15", "0001a2ff-XXXXXXXX-3"});
    QByteArray old = newStyleImage();
    old[40] = 6;
    old[41] = 5;
    QTest::newRow("old style") << old << QStringList({"XX-XX-06-05-XX", "XX.XX.XXXX", "XXXXXXXX"});
    QTest::newRow("too short") << hex("0102") << QStringList({"XX-XX-00-00-XX", "XX.XX.XXXX", "XXXXXXXX"});
    QByteArray tenCharacters = newStyleImage();
    tenCharacters.replace(117, 11, QByteArray("2024.01.1\0x", 11));
    QTest::newRow("date up to its zero") << tenCharacters
                                         << QStringList({"01-02-03-04-05", "2024.01.1", "0001a2ff-XXXXXXXX-3"});
    QByteArray fullDate = newStyleImage();
    fullDate.replace(117, 12, QByteArray("12345678901X", 12));
    QTest::newRow("date of eleven") << fullDate << QStringList({"01-02-03-04-05", "12345678901", "0001a2ff-XXXXXXXX-3"});
    // A record position near 4 GB reads zeros: no wrap, no read past the file.
    QByteArray farRecord = newStyleImage();
    farRecord.replace(72, 4, hex("f0ffffff"));
    QTest::newRow("record beyond the file") << farRecord << QStringList({"00-00-00-00-00", "", "0001a2ff-XXXXXXXX-3"});
    QByteArray cutRecord = newStyleImage(114);
    QTest::newRow("record cut short") << cutRecord << QStringList({"01-02-00-00-00", "", "0001a2ff-XXXXXXXX-3"});
}

void TestFirmwareInstallerWidget::imageHeaderIsShown()
{
    QFETCH(QByteArray, image);
    QFETCH(QStringList, shown);
    openPage(receiverVersion(6, 60));
    const QString path = writeImage("firmware.bin", image);
    choose(path);
    QCOMPARE(text("editFilename"), path);
    QCOMPARE(future(), shown);
    QCOMPARE(session->table.frames(), QList<QByteArray>());
    QVERIFY(boxes.isEmpty());
}

void TestFirmwareInstallerWidget::missingFileShowsTheFileBox()
{
    openPage(receiverVersion(6, 60));
    const QString shown = text("lineEditBuildVersion_future");
    choose(dir->filePath("missing.bin"));
    QCOMPARE(boxes.size(), 1);
    QCOMPARE(boxes.first().title, QString("File operation error"));
    QCOMPARE(boxes.first().text, QString("An error occurred when performing a file operation."));
    QCOMPARE(text("lineEditBuildVersion_future"), shown);
    // Written anyway: the same box, nothing sent.
    click("btnWrite");
    QCOMPARE(boxes.size(), 2);
    QCOMPARE(boxes.last().title, QString("File operation error"));
    QVERIFY(session->settle());
    QCOMPARE(session->table.frames(), QList<QByteArray>());
    QVERIFY(progressHidden());
}

void TestFirmwareInstallerWidget::fileThatCannotBeTakenShowsTheFileBox_data()
{
    addPickedFileRows();
}

void TestFirmwareInstallerWidget::fileThatCannotBeTakenShowsTheFileBox()
{
    QFETCH(QString, kind);
    // The installer numbers at most 255 sectors of 64 KB.
    const QString path = pickedFile(*dir, kind, 255 * 65536);
    if (path.isEmpty())
        QSKIP("this machine has no such file to offer");
    openPage(receiverVersion(6, 60));
    const QString good = writeImage("firmware.bin", newStyleImage());
    choose(good);
    const QStringList shown = future();

    qint64 cpuAt = threadCpuMs();
    choose(path);
    QVERIFY2(threadCpuMs() - cpuAt < 1000, QByteArray::number(threadCpuMs() - cpuAt).constData());
    QCOMPARE(boxes.size(), 1);
    QCOMPARE(boxes.first().title, QString("File operation error"));
    QCOMPARE(future(), shown);

    cpuAt = threadCpuMs();
    click("btnWrite");
    QVERIFY2(threadCpuMs() - cpuAt < 1000, QByteArray::number(threadCpuMs() - cpuAt).constData());
    QCOMPARE(boxes.size(), 2);
    QCOMPARE(boxes.last().title, QString("File operation error"));
    QVERIFY(session->settle());
    QCOMPARE(session->table.frames(), QList<QByteArray>());
    QVERIFY(progressHidden());
}

void TestFirmwareInstallerWidget::loadMarkIsShownAndSaved()
{
    openPage(receiverVersion(6, 60));
    QComboBox *mark = child<QComboBox>("comBoxLoadMark");
    QCOMPARE(mark->currentText(), QString("Native"));
    mark->setCurrentIndex(1);
    click("btnSave");
    QVERIFY(session->settle());
    QCOMPARE(session->table.frames().value(0), hex("214e06860100" "01" "8e3c"));
    QCOMPARE(subIds(), QList<int>({0x86, 0x06, 0x00, 0x07}));
    QCOMPARE(mark->currentText(), QString("User"));
}

void TestFirmwareInstallerWidget::loadMarkSaveSendsOnlyAChange()
{
    openPage(receiverVersion(6, 60));
    click("btnSave");
    QVERIFY(session->settle());
    QCOMPARE(subIds(), QList<int>({0x06, 0x00, 0x07}));
    // No entry current: nothing to send either.
    session->table.refuse(6, 0x06);
    page->readSettings();
    QVERIFY(session->settle());
    QCOMPARE(child<QComboBox>("comBoxLoadMark")->currentIndex(), -1);
    session->table.clearRecord();
    click("btnSave");
    QVERIFY(session->settle());
    QCOMPARE(subIds(), QList<int>({0x06, 0x00, 0x07}));
}

void TestFirmwareInstallerWidget::loadMarkRequestErrors()
{
    openPage(receiverVersion(6, 60));
    session->table.refuse(6, 0x86);
    child<QComboBox>("comBoxLoadMark")->setCurrentIndex(1);
    click("btnSave");
    QVERIFY(session->settle());
    // The refused mark is asked for again; no box.
    QCOMPARE(session->table.count(6, 0x06), 2);
    QCOMPARE(child<QComboBox>("comBoxLoadMark")->currentText(), QString("Native"));
    QVERIFY(boxes.isEmpty());
}

void TestFirmwareInstallerWidget::versionErrorsLeaveTheFields()
{
    openPage(receiverVersion(6, 60));
    const QStringList shown = current();
    session->table.refuse(6, 0x00);
    page->readSettings();
    QVERIFY(session->settle());
    QCOMPARE(current(), shown);
    session->table.refuse(6, 0x07);
    page->readSettings();
    QVERIFY(session->settle());
    QCOMPARE(current(), shown);
    QVERIFY(boxes.isEmpty());
}

void TestFirmwareInstallerWidget::withoutControllerNothingIsSent()
{
    const QString path = writeImage("firmware.bin", newStyleImage());
    child<QLineEdit>("editFilename")->setText(path);
    click("btnWrite");
    click("btnSave");
    click("btnRefresh");
    QVERIFY(session->settle());
    QCOMPARE(session->table.frames(), QList<QByteArray>());
    QVERIFY(boxes.isEmpty());
    QVERIFY(progressHidden());
}

void TestFirmwareInstallerWidget::russianTexts()
{
    RussianCatalogue russian;
    QVERIFY(russian.loaded);
    {
        FirmwareInstallerWidget translated(nullptr);
        QCOMPARE(translated.findChild<QPushButton *>("btnWrite")->text(), QString::fromUtf8("Записать"));
        QCOMPARE(translated.findChild<QRadioButton *>("rBtnNative")->text(), QString::fromUtf8("Заводская прошивка"));
        translated.setController(session->controller);
        translated.findChild<QPushButton *>("btnWrite")->click();
    }
    russian.remove();
    QCOMPARE(boxes.size(), 1);
    QCOMPARE(boxes.first().title, QString::fromUtf8("Ошибка"));
    QCOMPARE(boxes.first().text, QString::fromUtf8("Файл не выбран"));
}

QTEST_MAIN(TestFirmwareInstallerWidget)
#include "tst_firmwareinstallerwidget.moc"
