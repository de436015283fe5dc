// The command builder over a real link: what the user types becomes the frame the
// scripted receiver gets, written straight to the link.
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

#include <memory>

#include <sys/stat.h>
#include <sys/types.h>

#include "commandbuilderwidget.h"
#include "connectguard.h"
#include "pickedfiles.h"
#include "readerproxy.h"
#include "tooldialogs.h"
#include "toolstestkit.h"
#include "threadclock.h"

namespace {

const QString RedHint = QStringLiteral("QLabel {color:  red; }");
const QString HiddenHint = QStringLiteral("QLabel { color: rgba(0, 0, 0, 0); } ");

struct Shown {
    QString title;
    QString text;
};

} // namespace

class tst_CommandBuilder : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void startsInManualModeWithNZero();
    void typedFieldsBecomeTheFrame_data();
    void typedFieldsBecomeTheFrame();
    void aByteClearedBeforeAFilledOneComesBackAsZeros();
    void payloadFileIsSentWhole();
    void fileThatCannotBeTaken_data();
    void fileThatCannotBeTaken();
    void blankTypeSendsNothingAndShowsTheHint();
    void blankTypeAndBytesKeepTheHintUntilAByteIsEdited();
    void browsePutsTheChosenFileIntoTheName();
    void clearFields_data();
    void clearFields();
    void withoutControllerNothingGoesOut();
    void russianTexts();
    void screenshot();

private:
    template <class T> T *w(const char *name) { return childOf<T>(page.get(), name); }
    QLineEdit *edit(const char *name) { return w<QLineEdit>(name); }
    QString hintStyle() { return w<QLabel>("labelValidationMsg")->styleSheet(); }
    QString writeFile(const QString &name, const QByteArray &bytes);
    void chooseFile(const QString &path);

    std::unique_ptr<ReceiverSession> session;
    std::unique_ptr<CommandBuilderWidget> page;
    std::unique_ptr<QTemporaryDir> dir;
    QList<Shown> shown;
};

void tst_CommandBuilder::initTestCase()
{
    installConnectGuard();
    ToolDialogs::setMessageHook([this](QWidget *, QMessageBox::Icon icon, const QString &title, const QString &text,
                                       QMessageBox::StandardButtons buttons) {
        if (icon == QMessageBox::Critical && buttons == QMessageBox::Ok)
            shown << Shown{title, text};
        else
            shown << Shown{QStringLiteral("unexpected box"), text};
        return QMessageBox::Ok;
    });
}

void tst_CommandBuilder::init()
{
    shown.clear();
    dir = std::make_unique<QTemporaryDir>();
    QVERIFY(dir->isValid());
    session = std::make_unique<ReceiverSession>();
    QVERIFY(session->open(InterfaceBinary));
    page = std::make_unique<CommandBuilderWidget>(nullptr);
    page->setController(session->controller);
}

void tst_CommandBuilder::cleanup()
{
    page.reset();
    if (session) {
        QCOMPARE(session->receiver.badFrames(), 0);
        QCOMPARE(session->receiver.strayBytes(), QByteArray());
    }
    session.reset();
    dir.reset();
    ToolDialogs::setFileHook(nullptr);
}

QString tst_CommandBuilder::writeFile(const QString &name, const QByteArray &bytes)
{
    const QString path = dir->filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

void tst_CommandBuilder::chooseFile(const QString &path)
{
    w<QRadioButton>("radBtnFile")->click();
    edit("editFileName")->setText(path);
}

void tst_CommandBuilder::startsInManualModeWithNZero()
{
    QCOMPARE(page->objectName(), QStringLiteral("CommandBuilderWidget"));
    QCOMPARE(page->windowTitle(), QStringLiteral("Command builder"));
    QVERIFY(w<QRadioButton>("radBtnManually")->isChecked());
    QVERIFY(w<QWidget>("widgetManually")->isEnabled());
    QVERIFY(!w<QWidget>("widgetFromFile")->isEnabled());
    QCOMPARE(edit("editN")->text(), QStringLiteral("0"));
    QVERIFY(edit("editCRC")->text().isEmpty());
    QVERIFY(!edit("editN")->isEnabled());
    QVERIFY(!edit("editCRC")->isEnabled());
    QCOMPARE(hintStyle(), HiddenHint);
    QCOMPARE(w<QLabel>("labelValidationMsg")->text(), QStringLiteral("* fill in blank fields"));
}

void tst_CommandBuilder::typedFieldsBecomeTheFrame_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("id");
    QTest::addColumn<QStringList>("bytes");
    QTest::addColumn<QStringList>("shownBytes");
    QTest::addColumn<QString>("n");
    QTest::addColumn<QString>("crc");
    QTest::addColumn<QByteArray>("frame");

    const QStringList none = {QString(), QString(), QString(), QString()};
    QTest::newRow("no payload") << "3" << "0" << none << none << "0" << "c03" << hex("214e0300000003 0c");
    QTest::newRow("one byte") << "3" << "88" << QStringList{"1", "", "", ""} << QStringList{"1", "", "", ""}
                              << "1" << "358d" << hex("214e03880100018d35");
    QTest::newRow("gap before byte 2") << "3" << "0" << QStringList{"", "", "a", ""} << QStringList{"00", "00", "a", ""}
                                       << "3" << "2e10" << hex("214e030003000000 0a102e");
    QTest::newRow("four bytes, both cases") << "C8" << "8f" << QStringList{"A5", "b", "0", "Ff"}
                                            << QStringList{"A5", "b", "0", "Ff"} << "4"
                                            << QString::number(ScriptedReceiver::checksum(hex("c88f0400a50b00ff")), 16)
                                            << ScriptedReceiver::frame(0xC8, 0x8F, hex("a50b00ff"));
}

void tst_CommandBuilder::typedFieldsBecomeTheFrame()
{
    QFETCH(QString, type);
    QFETCH(QString, id);
    QFETCH(QStringList, bytes);
    QFETCH(QStringList, shownBytes);
    QFETCH(QString, n);
    QFETCH(QString, crc);
    QFETCH(QByteArray, frame);

    QTest::keyClicks(edit("editType"), type);
    QTest::keyClicks(edit("editId"), id);
    for (int k = 0; k < 4; ++k)
        QTest::keyClicks(edit(QByteArray("editByte" + QByteArray::number(k)).constData()), bytes.at(k));
    for (int k = 0; k < 4; ++k)
        QCOMPARE(edit(QByteArray("editByte" + QByteArray::number(k)).constData())->text(), shownBytes.at(k));
    QCOMPARE(edit("editN")->text(), n);
    QCOMPARE(edit("editCRC")->text(), crc);

    w<QPushButton>("btnSend")->click();
    QCOMPARE(framesBeforeFence(*session), QList<QByteArray>{frame});
    QVERIFY(shown.isEmpty());
    QCOMPARE(hintStyle(), HiddenHint);
}

void tst_CommandBuilder::aByteClearedBeforeAFilledOneComesBackAsZeros()
{
    QTest::keyClicks(edit("editByte2"), QStringLiteral("7"));
    edit("editByte1")->clear();
    QCOMPARE(edit("editByte1")->text(), QStringLiteral("00"));
    // Clearing from the last field backwards shortens the payload.
    edit("editByte2")->clear();
    QCOMPARE(edit("editN")->text(), QStringLiteral("2"));
    edit("editByte1")->clear();
    edit("editByte0")->clear();
    QCOMPARE(edit("editN")->text(), QStringLiteral("0"));
}

void tst_CommandBuilder::payloadFileIsSentWhole()
{
    QByteArray payload;
    for (int i = 0; i < 300; ++i)
        payload.append(char(i * 7 + 3));
    const QString path = writeFile(QStringLiteral("payload.bin"), payload);

    QTest::keyClicks(edit("editType"), QStringLiteral("6"));
    QTest::keyClicks(edit("editId"), QStringLiteral("83"));
    chooseFile(path);
    QCOMPARE(edit("editN")->text(), QStringLiteral("12c"));
    const QByteArray frame = ScriptedReceiver::frame(6, 0x83, payload);
    QCOMPARE(edit("editCRC")->text(), QString::number(ScriptedReceiver::checksum(frame.mid(2, frame.size() - 4)), 16));

    // Switching modes keeps what N and CRC show until the next edit.
    w<QRadioButton>("radBtnManually")->click();
    QCOMPARE(edit("editN")->text(), QStringLiteral("12c"));
    w<QRadioButton>("radBtnFile")->click();

    w<QPushButton>("btnSend")->click();
    const QList<QByteArray> frames = framesBeforeFence(*session);
    QCOMPARE(frames.size(), 1);
    QCOMPARE(frames.first().mid(4, 2), hex("2c01"));
    QCOMPARE(frames.first(), frame);
    QVERIFY(shown.isEmpty());
}

void tst_CommandBuilder::fileThatCannotBeTaken_data()
{
    addPickedFileRows();
    QTest::newRow("missing") << "missing";
}

void tst_CommandBuilder::fileThatCannotBeTaken()
{
    QFETCH(QString, kind);

    const QString path = kind == QLatin1String("missing") ? dir->filePath(QStringLiteral("nothing-here.bin"))
                                                          : pickedFile(*dir, kind, 65535);
    if (path.isEmpty())
        QSKIP("this machine has no such file to offer");
    const QString message = kind == QLatin1String("large") ? QStringLiteral("File is larger than 65535 bytes.")
                                                           : QStringLiteral("Cannot open file.");
    const qint64 cpuAt = threadCpuMs();
    QTest::keyClicks(edit("editType"), QStringLiteral("3"));
    QTest::keyClicks(edit("editId"), QStringLiteral("0"));
    chooseFile(path);
    QVERIFY(edit("editN")->text().isEmpty());
    QVERIFY(edit("editCRC")->text().isEmpty());
    QVERIFY(shown.isEmpty());

    w<QPushButton>("btnSend")->click();
    QVERIFY2(threadCpuMs() - cpuAt < 1000, QByteArray::number(threadCpuMs() - cpuAt).constData());
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown.first().title, QStringLiteral("Error opening file"));
    QCOMPARE(shown.first().text, message);
    QCOMPARE(framesBeforeFence(*session), QList<QByteArray>{});
}

void tst_CommandBuilder::blankTypeSendsNothingAndShowsTheHint()
{
    QTest::keyClicks(edit("editId"), QStringLiteral("0"));
    QTest::keyClicks(edit("editByte0"), QStringLiteral("1"));
    w<QPushButton>("btnSend")->click();
    QCOMPARE(hintStyle(), RedHint);
    QVERIFY(shown.isEmpty());
    QCOMPARE(framesBeforeFence(*session), QList<QByteArray>{});

    QTest::keyClicks(edit("editType"), QStringLiteral("3"));
    QCOMPARE(hintStyle(), HiddenHint);
    w<QPushButton>("btnSend")->click();
    QCOMPARE(framesBeforeFence(*session), QList<QByteArray>{ScriptedReceiver::frame(3, 0, hex("01"))});
}

void tst_CommandBuilder::blankTypeAndBytesKeepTheHintUntilAByteIsEdited()
{
    QTest::keyClicks(edit("editId"), QStringLiteral("0"));
    w<QPushButton>("btnSend")->click();
    QTest::keyClicks(edit("editType"), QStringLiteral("3"));
    // The byte fields were listed blank too, although a frame needs no payload.
    QCOMPARE(hintStyle(), RedHint);
    QTest::keyClicks(edit("editByte3"), QStringLiteral("f"));
    QCOMPARE(hintStyle(), HiddenHint);
}

void tst_CommandBuilder::browsePutsTheChosenFileIntoTheName()
{
    const QString path = writeFile(QStringLiteral("five.bin"), hex("0102030405"));
    QString caption;
    ToolDialogs::setFileHook([&](QWidget *, FileDialogKind kind, const QString &title, const QString &, const QString &) {
        caption = title;
        return kind == FileDialogKind::Open ? path : QString();
    });
    w<QRadioButton>("radBtnFile")->click();
    w<QToolButton>("btnBrowse")->click();
    QCOMPARE(caption, QStringLiteral("Choose file"));
    QCOMPARE(edit("editFileName")->text(), path);
    QCOMPARE(edit("editN")->text(), QStringLiteral("5"));

    // A cancelled dialog leaves the name as it was.
    ToolDialogs::setFileHook([](QWidget *, FileDialogKind, const QString &, const QString &, const QString &) {
        return QString();
    });
    w<QToolButton>("btnBrowse")->click();
    QCOMPARE(edit("editFileName")->text(), path);
}

void tst_CommandBuilder::clearFields_data()
{
    QTest::addColumn<bool>("withFile");
    QTest::addColumn<QString>("n");
    QTest::newRow("manual") << false << "0";
    QTest::newRow("with a file name") << true << "";
}

void tst_CommandBuilder::clearFields()
{
    QFETCH(bool, withFile);
    QFETCH(QString, n);

    QTest::keyClicks(edit("editType"), QStringLiteral("3"));
    QTest::keyClicks(edit("editId"), QStringLiteral("1"));
    QTest::keyClicks(edit("editByte3"), QStringLiteral("4"));
    if (withFile)
        chooseFile(writeFile(QStringLiteral("two.bin"), hex("0102")));

    w<QPushButton>("btnClearFields")->click();
    for (const char *name : {"editType", "editId", "editByte0", "editByte1", "editByte2", "editByte3", "editCRC", "editFileName"})
        QVERIFY2(edit(name)->text().isEmpty(), name);
    QCOMPARE(edit("editN")->text(), n);
}

void tst_CommandBuilder::withoutControllerNothingGoesOut()
{
    CommandBuilderWidget loose(nullptr);
    QTest::keyClicks(childOf<QLineEdit>(&loose, "editType"), QStringLiteral("3"));
    QTest::keyClicks(childOf<QLineEdit>(&loose, "editId"), QStringLiteral("0"));
    childOf<QPushButton>(&loose, "btnSend")->click();
    QCOMPARE(childOf<QLineEdit>(&loose, "editCRC")->text(), QStringLiteral("c03"));
    QCOMPARE(framesBeforeFence(*session), QList<QByteArray>{});
}

void tst_CommandBuilder::russianTexts()
{
    RussianCatalogue russian;
    QVERIFY(russian.loaded);
    CommandBuilderWidget translated(nullptr);
    QCOMPARE(translated.windowTitle(), QStringLiteral("Конструктор команд"));
    QCOMPARE(childOf<QPushButton>(&translated, "btnSend")->text(), QStringLiteral("Отправить"));
    QCOMPARE(childOf<QRadioButton>(&translated, "radBtnFile")->text(), QStringLiteral("из файла"));
    QCOMPARE(childOf<QLabel>(&translated, "labelValidationMsg")->text(), QStringLiteral("* заполните пустые поля"));

    childOf<QRadioButton>(&translated, "radBtnFile")->click();
    QTest::keyClicks(childOf<QLineEdit>(&translated, "editType"), QStringLiteral("3"));
    QTest::keyClicks(childOf<QLineEdit>(&translated, "editId"), QStringLiteral("0"));
    childOf<QLineEdit>(&translated, "editFileName")->setText(dir->filePath(QStringLiteral("absent")));
    childOf<QPushButton>(&translated, "btnSend")->click();
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown.first().title, QStringLiteral("Ошибка открытия файла"));
    QCOMPARE(shown.first().text, QStringLiteral("Не удаётся открыть файл."));
}

void tst_CommandBuilder::screenshot()
{
    QTest::keyClicks(edit("editType"), QStringLiteral("3"));
    QTest::keyClicks(edit("editId"), QStringLiteral("88"));
    QTest::keyClicks(edit("editByte0"), QStringLiteral("1"));
    QTest::keyClicks(edit("editByte1"), QStringLiteral("c2"));
    page->show();
    QVERIFY(QTest::qWaitForWindowExposed(page.get()));
    QVERIFY(saveScreenshot(page.get(), QStringLiteral("commandbuilder.png")));
}

QTEST_MAIN(tst_CommandBuilder)
#include "tst_commandbuilder.moc"
