// The calibration window's files, byte for byte: the 29-line calibration text file
// written by "Save" and read by "Read", and the temperature records appended by the
// temperature "Save".
#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include "calibration.h"
#include "connectguard.h"
#include "pickedfiles.h"
#include "threadclock.h"
#include "tst_calibration_rig.h"
#include "typednumbers.h"

namespace {

// The calibration file is written in text mode.
#ifdef Q_OS_WIN
const QByteArray TextEnd = "\r\n";
#else
const QByteArray TextEnd = "\n";
#endif

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<cannot open>");
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

QByteArray zeroLine()
{
    return "0         0         0         " + TextEnd;
}

// "value|std|checked" of one entry of the combined view.
QString shown(const CalibrationRig &rig, int entry)
{
    return rig.valueEdit("Comb", entry)->text() + QLatin1Char('|') + rig.stdEdit("Comb", entry)->text()
        + QLatin1Char('|') + (rig.flagBox("Comb", entry)->isChecked() ? QLatin1String("x") : QLatin1String("-"));
}

} // namespace

class tst_CalibrationFiles : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void saveWritesPaddedLines();
    void savedFileReadsBack();
    void read_data();
    void read();
    void readFileIsWrittenBySaveRestart();
    void unreadableFileShowsError();
    void fileThatCannotBeTakenShowsError_data();
    void fileThatCannotBeTakenShowsError();
    void temperatureRecordsAppend();
    void typedTemperatureIsWrittenAsTypedOrNotAtAll_data();
    void typedTemperatureIsWrittenAsTypedOrNotAtAll();
    void cancelledDialogsDoNothing();
    void failedWrite_data();
    void failedWrite();

private:
    std::unique_ptr<QTemporaryDir> dir;
};

void tst_CalibrationFiles::initTestCase()
{
    installConnectGuard();
}

void tst_CalibrationFiles::init()
{
    dir = std::make_unique<QTemporaryDir>();
    QVERIFY(dir->isValid());
}

void tst_CalibrationFiles::saveWritesPaddedLines()
{
    CalibrationRig rig;
    QVERIFY(rig.open(llaPayload(55.75, 37.6, 150.0), TableBytes().entry(0, 1.5f, 0.25f, 1)));
    QVERIFY(rig.showAndRead());
    const QString path = dir->filePath(QStringLiteral("calibration.txt"));
    QVERIFY(writeFile(path, QByteArray(5000, 'x'))); // replaced, not appended to
    rig.fileAnswers << path;

    rig.button("btnSaveFile")->click();

    QCOMPARE(rig.files.size(), 1);
    QCOMPARE(rig.files.at(0).kind, FileDialogKind::Save);
    QCOMPARE(rig.files.at(0).parent, rig.window.data());
    QCOMPARE(rig.files.at(0).caption, QStringLiteral("Choose file"));
    QCOMPARE(rig.files.at(0).dir, QStringLiteral("*.txt"));
    QCOMPARE(rig.files.at(0).filter, QStringLiteral("Text files (*.txt)"));
    QByteArray expected = "value     std       flag      " + TextEnd + "1.5       0.25      1         " + TextEnd;
    for (int i = 1; i < 28; ++i)
        expected += zeroLine();
    const QByteArray written = fileBytes(path);
    QCOMPARE(written, expected);
    QCOMPARE(written.count('\n'), 29);
    QVERIFY(rig.messages.isEmpty());
}

void tst_CalibrationFiles::savedFileReadsBack()
{
    // Numbers that fill their field or overflow it, as small values in exponent
    // form do, are kept apart from the next field by one space.
    TableBytes table = currentTable();
    table.entry(5, -1.234567e-05f, 2.5e-07f, 1);
    table.entry(6, -0.01234567f, 0.5f, 1);
    const QString path = dir->filePath(QStringLiteral("calibration.txt"));
    QStringList saved;
    {
        CalibrationRig rig;
        QVERIFY(rig.open(llaPayload(55.75, 37.6, 150.0), table));
        QVERIFY(rig.showAndRead());
        rig.fileAnswers << path;
        rig.button("btnSaveFile")->click();
        for (int i = 0; i < 28; ++i)
            saved << shown(rig, i);
    }
    const QList<QByteArray> lines = fileBytes(path).split('\n');
    QCOMPARE(lines.at(6), "-1.23457e-05 2.5e-07   1         " + TextEnd.left(TextEnd.size() - 1));
    QCOMPARE(lines.at(7), "-0.0123457 0.5       1         " + TextEnd.left(TextEnd.size() - 1));

    CalibrationRig rig;
    QVERIFY(rig.open(llaPayload(55.75, 37.6, 150.0), TableBytes().entry(3, 7.0f, 0.5f, 1)));
    QVERIFY(rig.showAndRead());
    rig.fileAnswers << path;
    rig.button("btnReadeFile")->click();

    QCOMPARE(rig.files.size(), 1);
    QCOMPARE(rig.files.at(0).kind, FileDialogKind::Open);
    QCOMPARE(rig.files.at(0).caption, QStringLiteral("Choose file"));
    QCOMPARE(rig.files.at(0).dir, QString());
    QCOMPARE(rig.files.at(0).filter, QString());
    for (int i = 0; i < 28; ++i)
        QCOMPARE(shown(rig, i), saved.at(i));
    // Reading touches neither the current table nor the receiver.
    QCOMPARE(rig.valueEdit("Curr", 3)->text(), QStringLiteral("7.000"));
    QCOMPARE(rig.receiver().count(5, 0x84), 0);

    // What was read is what was written, to the file's 6 digits.
    const QString again = dir->filePath(QStringLiteral("again.txt"));
    rig.fileAnswers << again;
    rig.button("btnSaveFile")->click();
    QCOMPARE(fileBytes(again), fileBytes(path));
}

void tst_CalibrationFiles::read_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("entries"); // the combined view of entries 0 to 3 after reading

    const QByteArray header = "value     std       flag      \n";
    // Before reading, the combined table is the current one: entries 1 and 3 set.
    QTest::newRow("a blank line zeroes its entry, missing lines keep theirs")
        << header + "1.5       0.25      1\n\n2 0.5 1\n"
        << QStringList{"1.500|0.250|x", "||-", "2.000|0.500|x", "7.000|0.750|x"};
    QTest::newRow("only a flag of 1 sets it")
        << header + "1.5 0.25 2\n1 1 0\n1 1 -1\n1 1 one\n"
        << QStringList{"||-", "||-", "||-", "||-"};
    QTest::newRow("the first line is skipped, whatever it holds")
        << QByteArray("4 4 1\n1 2 1\n")
        << QStringList{"1.000|2.000|x", "9.000|0.500|x", "||-", "7.000|0.750|x"};
    QTest::newRow("fields that are not numbers read as 0")
        << header + "a b c\n1 x 1\n"
        << QStringList{"||-", "||-", "||-", "7.000|0.750|x"};
    QTest::newRow("carriage returns and tabs")
        << header + "1.5\t0.25\t1\r\n  -3e-2   1e1 1\r\n"
        << QStringList{"1.500|0.250|x", "-0.030|10.000|x", "||-", "7.000|0.750|x"};
    QByteArray many = header;
    for (int i = 0; i < 40; ++i)
        many += QByteArray::number(i) + " 0.5 1\n";
    QTest::newRow("lines after the 29th are ignored")
        << many << QStringList{"0.000|0.500|x", "1.000|0.500|x", "2.000|0.500|x", "3.000|0.500|x"};
    QTest::newRow("an overlong line counts as one entry")
        << header + "1.5 0.25 1" + QByteArray(100000, ' ') + "9 9 9\n2 0.5 1\n"
        << QStringList{"1.500|0.250|x", "2.000|0.500|x", "||-", "7.000|0.750|x"};
    QTest::newRow("no line end at the end")
        << header + "1.5 0.25 1"
        << QStringList{"1.500|0.250|x", "9.000|0.500|x", "||-", "7.000|0.750|x"};
}

void tst_CalibrationFiles::read()
{
    QFETCH(QByteArray, file);
    QFETCH(QStringList, entries);
    const QString path = dir->filePath(QStringLiteral("in.txt"));
    QVERIFY(writeFile(path, file));

    CalibrationRig rig;
    QVERIFY(rig.open(llaPayload(55.75, 37.6, 150.0),
                     TableBytes().entry(1, 9.0f, 0.5f, 1).entry(3, 7.0f, 0.75f, 1).entry(27, 6.0f, 0.25f, 1)));
    QVERIFY(rig.showAndRead());
    rig.fileAnswers << path;
    rig.button("btnReadeFile")->click();

    for (int i = 0; i < entries.size(); ++i)
        QCOMPARE(shown(rig, i), entries.at(i));
    QVERIFY(rig.messages.isEmpty());
}

void tst_CalibrationFiles::readFileIsWrittenBySaveRestart()
{
    const QString path = dir->filePath(QStringLiteral("in.txt"));
    QVERIFY(writeFile(path, "value     std       flag      \n1.5 0.25 1\n0 0 0\n-0.75 0.125 1\n"));

    CalibrationRig rig;
    QVERIFY(rig.open(llaPayload(55.75, 37.6, 150.0), QByteArray()));
    rig.receiver().answerAlways(5, 0x03, ScriptedReceiver::silence());
    rig.receiver().answerAlways(5, 0x84, ScriptedReceiver::done());
    rig.show();
    QTRY_COMPARE(rig.positionsShown, 1);

    // No table yet: nothing to write.
    rig.button("btnSaveRestart")->click();
    rig.fileAnswers << path;
    rig.button("btnReadeFile")->click();
    rig.button("btnSaveRestart")->click();

    QTRY_COMPARE(rig.payloads(0x84).size(), 1);
    QCOMPARE(rig.payloads(0x84).at(0), QByteArray(TableBytes().entry(0, 1.5f, 0.25f, 1).entry(2, -0.75f, 0.125f, 1)));
}

void tst_CalibrationFiles::unreadableFileShowsError()
{
    CalibrationRig rig;
    QVERIFY(rig.open(llaPayload(55.75, 37.6, 150.0), TableBytes().entry(0, 1.5f, 0.25f, 1)));
    QVERIFY(rig.showAndRead());
    // A text the user typed but did not store is redrawn from the table.
    rig.valueEdit("Comb", 0)->setText(QStringLiteral("8"));
    rig.fileAnswers << dir->filePath(QStringLiteral("missing.txt"));
    rig.button("btnReadeFile")->click();

    QCOMPARE(rig.messages.size(), 1);
    QCOMPARE(rig.messages.at(0).text, QStringLiteral("Could not  file open."));
    QCOMPARE(rig.messages.at(0).icon, QMessageBox::Critical);
    QCOMPARE(rig.messages.at(0).title, QString());
    QCOMPARE(shown(rig, 0), QStringLiteral("1.500|0.250|x"));
}

void tst_CalibrationFiles::fileThatCannotBeTakenShowsError_data()
{
    addPickedFileRows();
}

void tst_CalibrationFiles::fileThatCannotBeTakenShowsError()
{
    QFETCH(QString, kind);
    // A header and 28 entries of at most 4096 bytes each.
    const QString path = pickedFile(*dir, kind, 29 * 4096);
    if (path.isEmpty())
        QSKIP("this machine has no such file to offer");
    CalibrationRig rig;
    QVERIFY(rig.open(llaPayload(55.75, 37.6, 150.0), TableBytes().entry(0, 1.5f, 0.25f, 1)));
    QVERIFY(rig.showAndRead());
    rig.fileAnswers << path;
    const qint64 cpuAt = threadCpuMs();
    rig.button("btnReadeFile")->click();
    QVERIFY2(threadCpuMs() - cpuAt < 1000, QByteArray::number(threadCpuMs() - cpuAt).constData());

    QCOMPARE(rig.messages.size(), 1);
    QCOMPARE(rig.messages.at(0).text, QStringLiteral("Could not  file open."));
    QCOMPARE(shown(rig, 0), QStringLiteral("1.500|0.250|x"));
    QCOMPARE(shown(rig, 1), QStringLiteral("||-"));
    QCOMPARE(rig.payloads(0x84).size(), 0);
}

void tst_CalibrationFiles::temperatureRecordsAppend()
{
    CalibrationRig rig;
    QVERIFY(rig.open(llaPayload(55.75, 37.6, 150.0), TableBytes().entry(0, 1.5f, 0.25f, 1)));
    QVERIFY(rig.showAndRead());
    const QString path = dir->filePath(QStringLiteral("temperature.txt"));
    rig.edit("editTemperature")->setText(QStringLiteral("25"));
    rig.fileAnswers << path << path;

    rig.button("btnSaveFileTemper")->click();
    rig.button("btnSaveFileTemper")->click();

    QCOMPARE(rig.files.size(), 2);
    QCOMPARE(rig.files.at(0).kind, FileDialogKind::Save);
    QCOMPARE(rig.files.at(0).caption, QStringLiteral("Save File"));
    QCOMPARE(rig.files.at(0).dir, QStringLiteral("*.txt"));
    QCOMPARE(rig.files.at(0).filter, QStringLiteral("Text files (*.txt)"));
    QByteArray line = "25,1.5,0.25,1,";
    for (int i = 1; i < 28; ++i)
        line += "0,0,0,";
    line += '\n';
    QCOMPARE(fileBytes(path), line + line);
    QCOMPARE(line.count(','), 85);
}

void tst_CalibrationFiles::typedTemperatureIsWrittenAsTypedOrNotAtAll_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QByteArray>("written");
    QTest::addColumn<QString>("box");
    const QString refused = QStringLiteral("Nothing was written: correct the marked fields.\nTemperature: ");
    QTest::newRow("25.5") << "25.5" << QByteArray("25.5,1.5,0.25,1,") << QString();
    // A Russian user's decimal comma is the decimal point.
    QTest::newRow("25,5") << "25,5" << QByteArray("25.5,1.5,0.25,1,") << QString();
    QTest::newRow("-40") << "-40" << QByteArray("-40,1.5,0.25,1,") << QString();
    QTest::newRow("letters") << "abc" << QByteArray() << refused + "\"abc\" is not a number";
    QTest::newRow("empty") << "" << QByteArray() << refused + "a number is needed";
    QTest::newRow("below absolute zero") << "-300" << QByteArray() << refused + "-300 is outside -273.15 to 1000";
}

void tst_CalibrationFiles::typedTemperatureIsWrittenAsTypedOrNotAtAll()
{
    QFETCH(QString, typed);
    QFETCH(QByteArray, written);
    QFETCH(QString, box);
    CalibrationRig rig;
    QVERIFY(rig.open(llaPayload(55.75, 37.6, 150.0), TableBytes().entry(0, 1.5f, 0.25f, 1)));
    QVERIFY(rig.showAndRead());
    const QString path = dir->filePath(QStringLiteral("temperature.txt"));
    QVERIFY(writeFile(path, "earlier\n"));
    QTest::keyClicks(rig.edit("editTemperature"), typed);
    rig.fileAnswers << path;

    rig.button("btnSaveFileTemper")->click();

    QCOMPARE(lastText(rig.messages), box);
    // A refused temperature asks for no file and writes none.
    QCOMPARE(rig.files.size(), box.isEmpty() ? 1 : 0);
    QByteArray expected = "earlier\n";
    if (!written.isEmpty()) {
        expected += written;
        for (int i = 1; i < 28; ++i)
            expected += "0,0,0,";
        expected += '\n';
    }
    QCOMPARE(fileBytes(path), expected);
}

void tst_CalibrationFiles::cancelledDialogsDoNothing()
{
    CalibrationRig rig;
    QVERIFY(rig.open(llaPayload(55.75, 37.6, 150.0), TableBytes().entry(0, 1.5f, 0.25f, 1)));
    QVERIFY(rig.showAndRead());
    rig.valueEdit("Comb", 0)->selectAll();
    QTest::keyClicks(rig.valueEdit("Comb", 0), QStringLiteral("2.25"));
    rig.edit("editTemperature")->setText(QStringLiteral("20"));
    rig.button("btnSaveFile")->click();
    rig.button("btnReadeFile")->click();
    rig.button("btnSaveFileTemper")->click();
    QCOMPARE(rig.files.size(), 3);
    QVERIFY(rig.messages.isEmpty());
    QCOMPARE(QDir(dir->path()).entryList(QDir::Files), QStringList());
    QCOMPARE(shown(rig, 0), QStringLiteral("2.25|0.250|x"));
}

void tst_CalibrationFiles::failedWrite_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("message");

    // Linux's /dev/full opens but takes no byte: only the flush tells.
    QTest::newRow("calibration file, full device") << "btnSaveFile" << "/dev/full" << "Could not write file.";
    QTest::newRow("temperature record, full device") << "btnSaveFileTemper" << "/dev/full" << "Could not write file.";
    QTest::newRow("calibration file, no such folder") << "btnSaveFile" << "missing/out.txt" << "Could not  file open.";
    QTest::newRow("temperature record, no such folder") << "btnSaveFileTemper" << "missing/out.txt" << "Could not  file open.";
}

void tst_CalibrationFiles::failedWrite()
{
    QFETCH(QString, button);
    QFETCH(QString, path);
    QFETCH(QString, message);
    if (path.startsWith(QLatin1Char('/')) && !QFile::exists(path))
        QSKIP("no full device here");

    CalibrationRig rig;
    QVERIFY(rig.open(llaPayload(55.75, 37.6, 150.0), TableBytes().entry(0, 1.5f, 0.25f, 1)));
    QVERIFY(rig.showAndRead());
    rig.fileAnswers << (path.startsWith(QLatin1Char('/')) ? path : dir->filePath(path));
    rig.edit("editTemperature")->setText(QStringLiteral("20"));
    rig.button(button)->click();

    QCOMPARE(rig.messages.size(), 1);
    QCOMPARE(rig.messages.at(0).text, message);
    QCOMPARE(rig.messages.at(0).icon, QMessageBox::Critical);
    QCOMPARE(rig.messages.at(0).parent, nullptr);
}

QTEST_MAIN(tst_CalibrationFiles)
#include "tst_calibrationfiles.moc"
