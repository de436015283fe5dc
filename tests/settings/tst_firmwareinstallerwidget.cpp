// The firmware page against a receiver with an in-memory flash, images in a temporary
// directory, and the settings seam answering the file chooser and the boxes.
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QMetaMethod>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QToolButton>
#include <QTranslator>
#include <QtTest>

#include <memory>

#include "connectguard.h"
#include "controller.h"
#include "firmwareinstallerwidget.h"
#include "pagesession.h"
#include "screenshot.h"
#include "parserproxy.h"
#include "payload.h"
#include "settingsdialogs.h"
#include "settingspages.h"
#include "tst_firmwareinstallerwidget_flash.h"

namespace {

QByteArray hex(const char *text)
{
    return QByteArray::fromHex(text);
}

// The receiver's version reply: major, minor, year, two date parts, two unused bytes.
QByteArray receiverVersion(quint8 major, quint8 minor)
{
    return Payload().u8(major).u8(minor).u16(2016).u8(15).u8(3).u16(0);
}

// A new-style image: version 7.0 at 40 with 0A 0B 0C behind it, the record at 100,
// identifier 0x0001A2FF, byte 81 = 3, build 01 to 05 and its date behind the record.
QByteArray newStyleImage(int size = 2500)
{
    QByteArray image(size, '\0');
    for (int i = 0; i < size; ++i)
        image[i] = char((i * 7 + 1) & 0xFF);
    // Header fields beyond a short image are left out.
    auto put = [&image](int offset, const QByteArray &bytes) {
        for (int i = 0; i < bytes.size() && offset + i < image.size(); ++i)
            image[offset + i] = bytes.at(i);
    };
    put(40, hex("07000a0b0c"));
    put(72, Payload().u32(100));
    put(76, hex("ffa20100"));
    put(80, hex("00"));
    put(81, hex("03"));
    put(100, QByteArray(12, '\0'));
    put(112, hex("0102030405"));
    put(117, QByteArray("2024.01.15", 11));
    return image;
}

struct Box {
    QMessageBox::Icon icon;
    QString title;
    QString text;
    bool progressHidden;
};

} // namespace

// The parser proxy's blanking signals, in order.
class BlankingRecorder : public QObject
{
    Q_OBJECT
public:
    QStringList *events = nullptr;

public slots:
    void blanked() { events->append(QString::fromLatin1(sender()->metaObject()->method(senderSignalIndex()).name())); }
};

class TestFirmwareInstallerWidget : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void theSelectorOpensThisPage();
    void oldReceiverVersionIsShownWithoutAskingMore();
    void newReceiverAsksForItsBuildRecord();
    void longVersionReplyShowsTheMasks();
    void versionRuleBoundaries_data();
    void versionRuleBoundaries();
    void imageHeaderIsShown_data();
    void imageHeaderIsShown();
    void userWriteOnANewReceiverRunsToTheEnd();
    void userWriteOnAnOldReceiverAnnouncesTheOldWay();
    void nativeWriteAsksFirst_data();
    void nativeWriteAsksFirst();
    void failuresShowTheirBoxAndHideTheProgress_data();
    void failuresShowTheirBoxAndHideTheProgress();
    void emptyFileNameIsRefused();
    void missingFileShowsTheFileBox();
    void writeReadsTheHeaderOfTheFileNamedNow();
    void cancelStopsTheProcedure();
    void loadMarkIsShownAndSaved();
    void loadMarkSaveSendsOnlyAChange();
    void loadMarkRequestErrors();
    void versionErrorsLeaveTheFields();
    void withoutControllerNothingIsSent();
    void russianTexts();
    void screenshotWhileWriting();

private:
    template <typename W>
    W *child(const char *name) const { return page->findChild<W *>(name); }
    QString text(const char *name) const { return child<QLineEdit>(name)->text(); }
    void click(const char *name) const { child<QAbstractButton>(name)->click(); }
    QStringList current() const
    {
        return {text("lineEditBuildVersion_current"), text("lineEditBuildDate_current"),
                text("lineEditDeviceID_0_current"), text("lineEditDeviceID_1_current"),
                text("lineEditDeviceID_2_current")};
    }
    QStringList future() const
    {
        return {text("lineEditBuildVersion_future"), text("lineEditBuildDate_future"),
                text("lineEditDeviceID_future")};
    }
    bool progressShown() const
    {
        return !child<QProgressBar>("prBar")->isHidden() && !child<QPushButton>("btnCancelWrite")->isHidden()
               && child<QPushButton>("btnWrite")->isHidden();
    }
    bool progressHidden() const
    {
        return child<QProgressBar>("prBar")->isHidden() && child<QPushButton>("btnCancelWrite")->isHidden()
               && !child<QPushButton>("btnWrite")->isHidden();
    }
    QString writeImage(const QString &name, const QByteArray &bytes) const;
    void choose(const QString &path);
    void openPage(const QByteArray &versions);
    // The sub-ids of the commands that arrived, in order.
    QList<int> subIds() const;

    std::unique_ptr<PageSession> session;
    std::unique_ptr<FlashReceiver> flash;
    std::unique_ptr<FirmwareInstallerWidget> page;
    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<BlankingRecorder> recorder;
    QList<Box> boxes;
    QStringList events;
    QMessageBox::StandardButton questionAnswer = QMessageBox::Yes;
    QString chosenFile;
    int highestProgress = 0;
};

void TestFirmwareInstallerWidget::initTestCase()
{
    installConnectGuard();
    SettingsDialogs::setMessageHook([this](QWidget *, QMessageBox::Icon icon, const QString &title,
                                           const QString &text, QMessageBox::StandardButtons buttons) {
        boxes.append({icon, title, text, page && progressHidden()});
        events.append("box " + title);
        if (buttons & QMessageBox::Yes)
            return questionAnswer;
        return QMessageBox::Ok;
    });
    SettingsDialogs::setFileHook([this](QWidget *, FileDialogKind, const QString &, const QString &,
                                        const QString &) { return chosenFile; });
}

void TestFirmwareInstallerWidget::init()
{
    session = std::make_unique<PageSession>();
    QVERIFY(session->open());
    flash = std::make_unique<FlashReceiver>(session->receiver);
    session->table.store(6, 0x00, receiverVersion(6, 60));
    session->table.store(6, 0x06, hex("00"));
    session->table.store(6, 0x07, hex("050a14c801" "0f0318" "ffa20100" "78563412" "efbeadde" "00000000"));
    dir = std::make_unique<QTemporaryDir>();
    QVERIFY(dir->isValid());
    boxes.clear();
    events.clear();
    questionAnswer = QMessageBox::Yes;
    chosenFile.clear();
    highestProgress = 0;
    page = std::make_unique<FirmwareInstallerWidget>(nullptr);
    connect(child<QProgressBar>("prBar"), &QProgressBar::valueChanged, this,
            [this](int value) { highestProgress = qMax(highestProgress, value); });
    recorder = std::make_unique<BlankingRecorder>();
    recorder->events = &events;
    ParserProxy *parser = session->controller->parser();
    for (int i = 0; i < parser->metaObject()->methodCount(); ++i) {
        const QMetaMethod method = parser->metaObject()->method(i);
        if (method.methodType() == QMetaMethod::Signal && method.name().startsWith("showLastData"))
            QVERIFY(connect(parser, method, recorder.get(),
                            recorder->metaObject()->method(recorder->metaObject()->indexOfSlot("blanked()"))));
    }
}

void TestFirmwareInstallerWidget::cleanup()
{
    page.reset();
    session.reset();
    flash.reset();
    recorder.reset();
    dir.reset();
}

QString TestFirmwareInstallerWidget::writeImage(const QString &name, const QByteArray &bytes) const
{
    const QString path = dir->filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return QString();
    return path;
}

void TestFirmwareInstallerWidget::choose(const QString &path)
{
    chosenFile = path;
    click("btnBrowseFilename");
}

void TestFirmwareInstallerWidget::openPage(const QByteArray &versions)
{
    session->table.store(6, 0x00, versions);
    page->setController(session->controller);
    page->readSettings();
    QVERIFY(session->settle());
    session->table.clearRecord();
}

QList<int> TestFirmwareInstallerWidget::subIds() const
{
    QList<int> out;
    for (const QByteArray &frame : session->table.frames())
        out.append(quint8(frame.at(3)));
    return out;
}

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

void TestFirmwareInstallerWidget::userWriteOnANewReceiverRunsToTheEnd()
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
    QVERIFY(session->settle());

    const QList<QByteArray> frames = session->table.frames();
    QCOMPARE(frames.value(0), hex("214e06880400" "01010203" "9912"));
    QCOMPARE(frames.value(1), hex("214e06840000" "8aa5"));
    // Three pages written, read back, the mark committed, the end announced; then the
    // page reads the receiver again.
    QCOMPARE(subIds(), QList<int>({0x88, 0x84, 0x85, 0x85, 0x85, 0x05, 0x05, 0x05, 0x86, 0x88, 0x06, 0x00, 0x07}));
    QCOMPARE(frames.value(9), commandFrame(6, 0x88, hex("00010203")));
    QCOMPARE(flash->content(), image);
    // The windows are blanked once the box is closed.
    QCOMPARE(events.value(0), QString("box Writing completed"));
    QVERIFY(events.contains("showLastDataGGA"));
    QVERIFY(events.contains("showLastDataHVECT"));
    QCOMPARE(child<QComboBox>("comBoxLoadMark")->currentText(), QString("User"));
    QVERIFY(progressHidden());
}

void TestFirmwareInstallerWidget::userWriteOnAnOldReceiverAnnouncesTheOldWay()
{
    openPage(receiverVersion(6, 59));
    choose(writeImage("firmware.bin", newStyleImage()));
    click("btnWrite");
    QTRY_COMPARE(boxes.size(), 1);
    QCOMPARE(boxes.first().title, QString("Writing completed"));
    QCOMPARE(session->table.frames().value(0), hex("214e06830400" "010a0b0c" "af25"));
    QCOMPARE(session->table.frames().value(9), commandFrame(6, 0x83, hex("000a0b0c")));
}

void TestFirmwareInstallerWidget::nativeWriteAsksFirst_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<QList<int>>("firstSubIds");
    QTest::newRow("yes") << int(QMessageBox::Yes) << QList<int>({0x88, 0x81, 0x82});
    QTest::newRow("cancel") << int(QMessageBox::Cancel) << QList<int>();
}

void TestFirmwareInstallerWidget::nativeWriteAsksFirst()
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

void TestFirmwareInstallerWidget::failuresShowTheirBoxAndHideTheProgress_data()
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

void TestFirmwareInstallerWidget::failuresShowTheirBoxAndHideTheProgress()
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

void TestFirmwareInstallerWidget::emptyFileNameIsRefused()
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

void TestFirmwareInstallerWidget::writeReadsTheHeaderOfTheFileNamedNow()
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

void TestFirmwareInstallerWidget::cancelStopsTheProcedure()
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
    QTranslator russian;
    QVERIFY(russian.load(":/tr/polvane_ru.qm"));
    QCoreApplication::installTranslator(&russian);
    {
        FirmwareInstallerWidget translated(nullptr);
        QCOMPARE(translated.findChild<QPushButton *>("btnWrite")->text(), QString::fromUtf8("Записать"));
        QCOMPARE(translated.findChild<QRadioButton *>("rBtnNative")->text(), QString::fromUtf8("Заводская прошивка"));
        translated.setController(session->controller);
        translated.findChild<QPushButton *>("btnWrite")->click();
    }
    QCoreApplication::removeTranslator(&russian);
    QCOMPARE(boxes.size(), 1);
    QCOMPARE(boxes.first().title, QString::fromUtf8("Ошибка"));
    QCOMPARE(boxes.first().text, QString::fromUtf8("Файл не выбран"));
}

void TestFirmwareInstallerWidget::screenshotWhileWriting()
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

QTEST_MAIN(TestFirmwareInstallerWidget)
#include "tst_firmwareinstallerwidget.moc"
