// The calibration window's files: the combined table as a text file of 29 padded
// lines, and the temperature records appended one line per save.
#include "calibration.h"

#include <QBuffer>
#include <QFile>
#include <QLineEdit>
#include <QTextStream>

#include <limits>

#include "pickedfile.h"
#include "tooldialogs.h"
#include "typednumber.h"
#include "ui_calibration.h"

namespace {

const int FieldWidth = 10;
// A calibration line holds three short numbers; of a longer line only this much is
// kept, and the rest is skipped, so any file can be read without holding it whole.
const qint64 LineKept = 4096;
// The most a calibration file can hold that the window reads: the header and 28
// entries, each line at most LineKept bytes.
const qint64 MaxFileSize = 29 * LineKept;

QString openErrorText()
{
    // Two spaces between "not" and "file": the message as users know it.
    return QStringLiteral("Could not  file open.");
}

QString writeErrorText()
{
    return QStringLiteral("Could not write file.");
}

// A number as the file's stream writes it: the shorter of fixed and exponent form
// with 6 significant digits.
QString numberField(double value)
{
    QString text;
    QTextStream(&text) << value;
    return text;
}

// One field of a calibration line, left-aligned in its width. A field that fills its
// width (a small number in exponent form, say) is followed by one space: written
// flush against the next field, "1.23457e-05" and a flag of 1 would read back as
// 1.23457e-051.
void writeField(QTextStream &out, const QString &text)
{
    out.setFieldWidth(FieldWidth);
    out << text;
    out.setFieldWidth(0);
    if (text.size() >= FieldWidth)
        out << ' ';
}

// Flushes the stream and the file: a full disk shows only here, not at open.
bool flushed(QTextStream &stream, QFile &file)
{
    stream.flush();
    return stream.status() == QTextStream::Ok && file.flush() && file.error() == QFileDevice::NoError;
}

// One line with its line end; of an overlong line the first LineKept bytes.
QByteArray readLine(QIODevice &file)
{
    QByteArray line = file.readLine(LineKept);
    if (!line.endsWith('\n')) {
        for (;;) {
            const QByteArray rest = file.readLine(LineKept);
            if (rest.isEmpty() || rest.endsWith('\n'))
                break;
        }
    }
    return line;
}

} // namespace

void Calibration::on_btnSaveFile_clicked()
{
    // The edits are taken first, so a cancelled dialog still keeps them stored.
    const QStringList refusals = readCombinedView(true);
    if (!refusals.isEmpty()) {
        showError(tr("Nothing was written: correct the marked fields.\n%1").arg(refusals.join(QLatin1Char('\n'))));
        return;
    }
    const QString fileName = ToolDialogs::saveFileName(this, tr("Choose file"), QStringLiteral("*.txt"),
                                                       tr("Text files (*.txt)"));
    if (fileName.isEmpty())
        return;

    QFile file(fileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text)) {
        showError(openErrorText());
        return;
    }
    QTextStream out(&file);
    out.setFieldAlignment(QTextStream::AlignLeft);
    for (const char *head : {"value", "std", "flag"})
        writeField(out, QLatin1String(head));
    out << "\n";
    for (const CalibrationEntry &entry : combinedData.entries) {
        writeField(out, numberField(double(entry.value)));
        writeField(out, numberField(double(entry.std)));
        writeField(out, QString::number(int(entry.flag)));
        out << "\n";
    }
    const bool ok = flushed(out, file);
    file.close();
    if (!ok)
        showError(writeErrorText());
}

void Calibration::on_btnReadeFile_clicked()
{
    const QString fileName = ToolDialogs::openFileName(this, tr("Choose file"));
    if (fileName.isEmpty())
        return;

    QByteArray bytes;
    if (PickedFile::read(fileName, MaxFileSize, bytes) != PickedFile::Problem::None) {
        showError(openErrorText());
        showCombinedData();
        return;
    }
    QBuffer file(&bytes);
    file.open(QIODevice::ReadOnly | QIODevice::Text);
    // The first line is the header, whatever it says; the next 28 are the entries,
    // and anything after them is not read.
    const int entryCount = int(sizeof combinedData.entries / sizeof combinedData.entries[0]);
    int index = -1;
    while (index < entryCount && !file.atEnd()) {
        const QByteArray line = readLine(file);
        if (index >= 0) {
            QTextStream in(line);
            float value = 0;
            float std = 0;
            int flag = 0;
            // A field without a number reads as 0, and so do the fields after it.
            in >> value >> std >> flag;
            CalibrationEntry &entry = combinedData.entries[index];
            entry.value = value;
            entry.std = std;
            entry.flag = flag == 1 ? 1 : 0;
            combinedChosen = true;
        }
        ++index;
    }
    file.close();
    showCombinedData();
}

void Calibration::on_btnSaveFileTemper_clicked()
{
    // A temperature in degrees Celsius, from absolute zero to far beyond any receiver.
    QStringList refusals;
    double typed = 0;
    TypedNumber::real(-273.15, 1000.0)
        .take(ui->editTemperature, ui->editTemperature->text(), typed, refusals);
    refusals.append(readCombinedView(true));
    if (!refusals.isEmpty()) {
        showError(tr("Nothing was written: correct the marked fields.\n%1").arg(refusals.join(QLatin1Char('\n'))));
        return;
    }
    temperature = typed;
    const QString fileName = ToolDialogs::saveFileName(this, tr("Save File"), QStringLiteral("*.txt"),
                                                       tr("Text files (*.txt)"));
    if (fileName.isEmpty())
        return;

    // Binary mode: the record ends with a bare line feed on every platform.
    QFile file(fileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append)) {
        showError(openErrorText());
        return;
    }
    QTextStream out(&file);
    out << temperature << ",";
    for (const CalibrationEntry &entry : combinedData.entries)
        out << double(entry.value) << "," << double(entry.std) << "," << int(entry.flag) << ",";
    out << "\n";
    const bool ok = flushed(out, file);
    file.close();
    if (!ok)
        showError(writeErrorText());
}
