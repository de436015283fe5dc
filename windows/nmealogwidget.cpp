#include "nmealogwidget.h"
#include "ui_nmealogwidget.h"

#include <QFile>
#include <QFont>
#include <QPlainTextEdit>
#include <QMessageBox>
#include <QScrollBar>
#include <QTextCursor>
#include <QTimer>

#include "controller.h"
#include "debuglogwidget.h"
#include "framepacer.h"
#include "parserproxy.h"
#include "plaintextappend.h"
#include "windowdialogs.h"
#include "windowpattern.h"

namespace {

const ConnectionTable &parserConnections()
{
    static const ConnectionTable table = {
        {SIGNAL(dataParsed(QByteArray, InterfaceMode)), SLOT(dataRead(QByteArray, InterfaceMode))},
        {SIGNAL(displayData(QByteArray)), SLOT(displayData(QByteArray))},
    };
    return table;
}

// A wrapped line of hex digits without a break opportunity costs the text layout time
// that grows with the square of its length: one 64 KB chunk as one line held the GUI
// for seconds. A chunk is therefore shown in lines of at most this many bytes, which a
// usual serial chunk never exceeds.
const int hexLineBytes = 1024;
// Of a larger chunk (a burst over TCP brings megabytes at once) only its newest bytes
// are shown: the view keeps no more than its last lines anyway, and laying out more
// than this would freeze the window.
const int hexShownBytes = 64 * hexLineBytes;

// What the window shows, each written with its newest value (see FramePacer).
enum PacedKind { PacedViews, PacedByteCounter };
// While the window is closed its lines wait; past this many characters for each line the
// view keeps, the oldest are dropped (the view would drop them too).
const int heldCharsPerBlock = 256;

// A chunk's bytes in hexadecimal, in lines of hexLineBytes bytes.
QString hexLines(const QByteArray &data)
{
    QString hex;
    hex.reserve(data.size() * 2 + data.size() / hexLineBytes);
    for (int from = 0; from < data.size(); from += hexLineBytes) {
        if (!hex.isEmpty())
            hex.append(QLatin1Char('\n'));
        hex.append(QString::fromLatin1(data.mid(from, hexLineBytes).toHex()));
    }
    return hex;
}

// The tail of text that holds its last count line feeds (and what follows the last).
QString lastLines(const QString &text, int count)
{
    int from = text.size();
    for (int found = 0; found <= count; ++found) {
        from = text.lastIndexOf(QLatin1Char('\n'), from - 1);
        if (from < 0)
            return text;
        if (from == 0)
            return found == count ? text.mid(1) : text;
    }
    return text.mid(from + 1);
}

} // namespace

NMEALogWidget::NMEALogWidget(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::NMEALogWidget)
    , controller(nullptr)
    , file(new QFile(this))
    , writing(false)
    , receivedBytes(0.0)
    , flushScheduled(false)
{
    ui->setupUi(this);
    hexFlowBlocks = qMax(1, ui->editHexFlow->maximumBlockCount());
    messageBlocks = ui->editMessages->maximumBlockCount();
    // The views show ASCII (sentences and hex digits), which needs none of the shaping
    // rules a font may have for other scripts; shaping every new line was most of what
    // laying out the views cost.
    for (QPlainTextEdit *view : {ui->editMessages, ui->editHexFlow}) {
        QFont font = view->font();
        font.setStyleStrategy(QFont::PreferNoShaping);
        view->setFont(font);
    }
    ui->btnStopWriting->hide();
}

NMEALogWidget::~NMEALogWidget()
{
    delete ui;
}

void NMEALogWidget::setController(Controller *newController)
{
    Controller *old = controller;
    controller = newController;
    moveConnections(parserOf(old), parserOf(newController),
                    this, parserConnections());
}

void NMEALogWidget::setModel(Model *)
{
}

void NMEALogWidget::dataRead(QByteArray data, InterfaceMode mode)
{
    const int nul = data.indexOf('\0');
    const QString text = QString::fromUtf8(data.constData(), nul < 0 ? data.size() : nul);
    // Diagnostic lines belong to the debug log.
    if (DebugLogWidget::isDebugLine(text))
        return;

    // The colour is the whole view's: it follows the protocol of the latest line.
    if (mode == InterfaceNmea)
        pendingStyle = QStringLiteral("color: black;");
    else if (mode == InterfaceBinary)
        pendingStyle = QStringLiteral("color: #0000CD;");

    // Each line brings its own line end, so it becomes one paragraph as it is.
    pendingMessages.append(text);
    pendingMessageLines += int(text.count(QLatin1Char('\n')));
    pendingMessageChars += text.size();
    scheduleFlush();
}

void NMEALogWidget::scheduleFlush()
{
    if (isPaced(this) && !isVisible()) {
        // Closed: the lines wait, no more than the view keeps, and go in as it shows.
        dropUnshownLines();
        paced(this, PacedViews, true, [this] { flushViews(); });
        return;
    }
    scheduleTimedFlush();
}

void NMEALogWidget::dropUnshownLines()
{
    if (messageBlocks <= 0)
        return;
    // The oldest lines go while the newer ones alone fill the view, or hold more
    // characters than the view's lines are taken to need.
    while (pendingMessages.size() > 1) {
        const QString &oldest = pendingMessages.first();
        const int oldestLines = int(oldest.count(QLatin1Char('\n')));
        if (pendingMessageLines - oldestLines < messageBlocks
            && pendingMessageChars <= qint64(messageBlocks) * heldCharsPerBlock)
            break;
        pendingMessageLines -= oldestLines;
        pendingMessageChars -= oldest.size();
        pendingMessages.removeFirst();
    }
}

void NMEALogWidget::scheduleTimedFlush()
{
    // A chunk brings many lines, one signal each. Laying out the view and scrolling it for
    // every line cost more than everything else the workspace did with them, so the lines
    // of one pass of the event loop go into the views at once, right after it.
    //
    // At replay speed the passes come hundreds of times a second, and each flush lays out
    // the view's last page and drops as many lines from its top as it added. So after a
    // flush the next waits until flushIntervalMs have passed, gathering what comes
    // meanwhile.
    if (flushScheduled)
        return;
    flushScheduled = true;
    const qint64 since = lastFlush.isValid() ? lastFlush.elapsed() : flushIntervalMs;
    QTimer::singleShot(since >= flushIntervalMs ? 0 : int(flushIntervalMs - since), this,
                       &NMEALogWidget::flushViews);
}

void NMEALogWidget::flushViews()
{
    flushScheduled = false;
    lastFlush.start();
    // A style sheet is only set when it changes, since each one re-polishes the view.
    if (!pendingStyle.isEmpty() && ui->editMessages->styleSheet() != pendingStyle)
        ui->editMessages->setStyleSheet(pendingStyle);
    if (!pendingMessages.isEmpty()) {
        QString text = pendingMessages.join(QString());
        // Lines beyond what the view keeps would only be laid out to be dropped again.
        if (messageBlocks > 0)
            text = lastLines(text, messageBlocks - 1);
        appendWithinLimit(ui->editMessages, text, false);
        ui->editMessages->moveCursor(QTextCursor::End);
        pendingMessages.clear();
        pendingMessageLines = 0;
        pendingMessageChars = 0;
    }
    if (!pendingHex.isEmpty()) {
        // One paragraph per chunk line, as appendPlainText makes for each; the view stays
        // at its bottom if it was there, and where the user scrolled it otherwise.
        QScrollBar *bar = ui->editHexFlow->verticalScrollBar();
        const bool atBottom = bar->value() == bar->maximum();
        QStringList chunks;
        chunks.reserve(pendingHex.size());
        for (const QByteArray &chunk : qAsConst(pendingHex))
            chunks.append(hexLines(chunk));
        QString lines = chunks.join(QLatin1Char('\n'));
        if (hexFlowBlocks > 0)
            lines = lastLines(lines, hexFlowBlocks - 1);
        appendWithinLimit(ui->editHexFlow, lines, true);
        if (atBottom)
            bar->setValue(bar->maximum());
        pendingHex.clear();
        pendingHexBytes = 0;
    }
}

void NMEALogWidget::on_brnBrowse_clicked()
{
    const QString name = WindowDialogs::saveFileName(this, tr("Save as"));
    if (!name.isEmpty())
        ui->editFileName->setText(name);
}

void NMEALogWidget::on_btnStartWriting_clicked()
{
    file->setFileName(ui->editFileName->text());
    startWriting();
}

void NMEALogWidget::on_btnStopWriting_clicked()
{
    showIdleButtons();
    writing = false;
}

void NMEALogWidget::displayData(QByteArray data)
{
    if (!data.isEmpty()) {
        pendingHex.append(data.size() > hexShownBytes ? data.right(hexShownBytes) : data);
        pendingHexBytes += pendingHex.last().size();
        // The view keeps its last hexFlowBlocks lines, each a chunk or hexLineBytes of one;
        // the chunks older than that many would only be dropped.
        while (pendingHex.size() > 1
               && (pendingHex.size() > hexFlowBlocks
                   || pendingHexBytes - pendingHex.first().size() >= qint64(hexFlowBlocks) * hexLineBytes)) {
            pendingHexBytes -= pendingHex.first().size();
            pendingHex.removeFirst();
        }
        scheduleFlush();
        addBytesCount(data.size());
    }
    if (writing)
        writeToFile(data);
}

void NMEALogWidget::clearWindow()
{
    dropPaced(this);
    clearLineEdits(this);
    pendingMessages.clear();
    pendingMessageLines = 0;
    pendingMessageChars = 0;
    pendingHex.clear();
    pendingHexBytes = 0;
    ui->editMessages->clear();
    ui->editHexFlow->clear();
    receivedBytes = 0.0;
}

bool NMEALogWidget::writeToFile(const QByteArray &data)
{
    // A failure ends the writing before the box is shown: chunks that arrive while the box
    // is open are neither written nor reported again.
    if (!file->open(QIODevice::Append)) {
        writing = false;
        showOpenError();
        return false;
    }
    // A short write or a failed flush (a full disk) loses bytes just as a failed write
    // does, so each is a failed write.
    const bool stored = file->write(data) == data.size() && file->flush();
    file->close();
    if (!stored) {
        writing = false;
        showWriteError();
        return false;
    }
    return true;
}

void NMEALogWidget::startWriting()
{
    // WriteOnly creates the file or empties the one that is there.
    if (!file->open(QIODevice::WriteOnly)) {
        showOpenError();
        return;
    }
    ui->btnStartWriting->hide();
    ui->btnStopWriting->show();
    resetByteCounter();
    file->close();
    writing = true;
}

void NMEALogWidget::showOpenError()
{
    showIdleButtons();
    WindowDialogs::message(this, QMessageBox::Critical, tr("Error opening file"), tr("Cannot open file."),
                           QMessageBox::Ok);
}

void NMEALogWidget::showWriteError()
{
    showIdleButtons();
    WindowDialogs::message(this, QMessageBox::Critical, tr("Error writing file"),
                           tr("An error occurred while writing the file."), QMessageBox::Ok);
}

void NMEALogWidget::addBytesCount(int count)
{
    receivedBytes += count;
    // Six significant digits: from a million bytes on the counter reads 1e+06 and so on.
    paced(this, PacedByteCounter, true,
          [this] { ui->editByteCounter->setText(QString::number(receivedBytes, 'g', 6)); });
}

void NMEALogWidget::resetByteCounter()
{
    receivedBytes = 0.0;
    ui->editByteCounter->setText(QStringLiteral("0"));
}

void NMEALogWidget::showIdleButtons()
{
    ui->btnStartWriting->show();
    ui->btnStopWriting->hide();
}
