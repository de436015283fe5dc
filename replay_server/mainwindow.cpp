#include "mainwindow.h"
#include "ui_mainwindow.h"

#include <QAbstractItemView>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFile>
#include <QFileDialog>
#include <QPointer>
#include <QStringList>
#include <QStringListModel>

#include <algorithm>
#include <vector>

#include "appendlog.h"
#include "linedelegate.h"

namespace {

// There is only ever one window; these live as long as it does.
QStringList *storedLines = nullptr;       // what playback sends, as loaded
QStringListModel *linesModel = nullptr;   // the list's copy, which the user may edit
bool loading = false;

const int linesBetweenProgressReports = 1000;

// A tick that comes late plays the ticks it missed, up to this much playing time; a
// machine that cannot keep up at all plays as fast as it can and forgives the rest, so
// the event loop keeps its turn.
const int maxCatchUpMs = 100;
// What one timeout writes to each client when it plays missed ticks: about a quarter
// of a megabyte of text.
const int maxBatchChars = 256 * 1024;

} // namespace

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent), ui(new Ui_MainWindow)
{
    chooseFile = [] {
        return QFileDialog::getOpenFileName(nullptr, QString(), QString(), QString());
    };

    ui->setupUi(this);

    storedLines = new QStringList;
    linesModel = new QStringListModel(this);
    ui->listView->setModel(linesModel);
    ui->listView->setUniformItemSizes(true);
    ui->listView->setItemDelegate(new LineDelegate(ui->listView));
    ui->listView->setEditTriggers(QAbstractItemView::DoubleClicked
                                  | QAbstractItemView::AnyKeyPressed);

    connect(&timer, SIGNAL(timeout()), this, SLOT(playerSlot()));

    logPane = ui->textEdit;

    portNumber = ui->port->text().toInt();
    server.InitFromPort(portNumber);
}

MainWindow::~MainWindow()
{
    timer.stop();
    logPane = nullptr;
    delete linesModel;
    linesModel = nullptr;
    delete storedLines;
    storedLines = nullptr;
    delete ui;
}

void MainWindow::setFileChooser(FileChooser chooser)
{
    chooseFile = std::move(chooser);
}

Server &MainWindow::replayServer()
{
    return server;
}

int MainWindow::playbackInterval() const
{
    return interval;
}

int MainWindow::playbackLinesPerTick() const
{
    return linesPerTick;
}

void MainWindow::closeEvent(QCloseEvent *)
{
}

void MainWindow::applyTimingRule(int speed)
{
    if (speed < 1)
        speed = 1;
    interval = 1000 / speed;
    // A timer cannot usefully fire much faster than every few milliseconds, so high speeds
    // send several lines per tick instead.
    linesPerTick = interval <= 30 ? speed / 50 + 1 : 1;
}

void MainWindow::startPlayback()
{
    if (storedLines->isEmpty())
        return;
    applyTimingRule(ui->speed->value());
    timer.start(interval);
    restartTickClock();
}

void MainWindow::restartTickClock()
{
    tickClock.start();
    ticksPlayed = 0;
}

int MainWindow::ticksDue()
{
    // The timer only promises not to fire early; under load, and with the event loop's
    // own rounding, a 1 ms timer fires far fewer than a thousand times a second. The
    // timing rule is kept over time instead: every interval that has passed since
    // playback started is one tick, and a late timeout plays the ticks it missed.
    if (!timer.isActive() || !tickClock.isValid() || interval <= 0)
        return 1;
    const qint64 due = tickClock.elapsed() / interval;
    const qint64 limit = qMax(1, maxCatchUpMs / interval);
    if (due - ticksPlayed > limit)
        ticksPlayed = due - limit;
    return int(qBound<qint64>(1, due - ticksPlayed, limit));
}

void MainWindow::stopPlaybackTimer()
{
    timer.stop();
}

void MainWindow::makeRowCurrent(int row)
{
    ui->listView->setCurrentIndex(linesModel->index(row, 0));
}

void MainWindow::playerSlot()
{
    // Moving the current row repaints the list; hidden, it is repainted once per tick.
    ui->listView->hide();
    // The tick walks the rows as numbers and moves the view's current row once at the
    // end; the lines it takes go out as one write per client.
    const int viewRows = linesModel->rowCount();
    const int stored = storedLines->size();
    const bool loop = ui->loop->isChecked();
    const QModelIndex currentIndex = ui->listView->currentIndex();
    int current = currentIndex.isValid() ? currentIndex.row() : -1;
    bool stop = false;
    tickText.resize(0);
    const int due = ticksDue();
    int played = 0;
    while (played < due && !stop) {
        for (int i = 0; i < linesPerTick; ++i) {
            // While a reload refills the stored lines the list still shows the old ones,
            // so its row may lie past what is stored yet: that is the end of the lines.
            int row = current < stored ? current : -1;
            if (row < 0) {
                if (stored == 0 || !loop) {
                    stop = true;
                    break;
                }
                current = viewRows > 0 ? 0 : -1;
                if (current < 0) {
                    stop = true;
                    break;
                }
                row = 0;
            }
            tickText += storedLines->at(row);
            current = row + 1 < viewRows ? row + 1 : -1;
        }
        ++played;
        // Long lines: the ticks still due wait for the next timeout rather than making
        // one write of many megabytes.
        if (tickText.size() >= maxBatchChars)
            break;
    }
    ticksPlayed += played;
    if (!tickText.isEmpty()) {
        const QByteArray bytes = tickText.toUtf8();
        server.sendToAll(bytes.constData(), bytes.size(), nullptr, nullptr);
    }
    // One line longer than the batch would otherwise keep its room for good.
    if (tickText.capacity() > 2 * maxBatchChars)
        tickText = QString();
    makeRowCurrent(current);
    ui->listView->show();
    if (stop)
        on_btnStop_clicked();
}

void MainWindow::whilePlayerSlot()
{
}

void MainWindow::on_pushButton_clicked()
{
    // Loading lets events run, so a second click can arrive while a load is under way.
    if (loading)
        return;
    loading = true;
    const QString path = chooseFile();
    appendLog(QStringLiteral("OpenFile:") + path);
    loadFile(path);
    loading = false;
}

void MainWindow::loadFile(const QString &path)
{
    if (path.isEmpty())
        return;  // the dialog was cancelled
    QFile file(path);
    // Text mode: a CR LF line end arrives as a single LF, which is what clients expect.
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return;

    QPointer<MainWindow> alive(this);
    auto letEventsRun = [&alive] {
        QCoreApplication::processEvents();
        return !alive.isNull();
    };

    storedLines->clear();
    int count = 0;
    // One buffer serves every line: a fresh array per line would leave each line's string
    // sitting between freed read buffers and cost far more memory than the text itself.
    std::vector<char> line;
    char chunk[4096];
    while (!file.atEnd()) {
        line.clear();
        for (;;) {
            const qint64 got = file.readLine(chunk, sizeof chunk);
            if (got <= 0)
                break;
            line.insert(line.end(), chunk, chunk + got);
            if (chunk[got - 1] == '\n')
                break;
        }
        if (line.empty())
            break;  // a read error: atEnd() would never come
        // Text mode turns CR LF into LF, but not when a long line's CR and LF were read
        // in two pieces.
        const size_t size = line.size();
        if (size >= 2 && line[size - 2] == '\r' && line[size - 1] == '\n') {
            line[size - 2] = '\n';
            line.pop_back();
        }
        // A NUL ends the line's text, as it would for a C string.
        const auto nul = std::find(line.begin(), line.end(), '\0');
        storedLines->append(QString::fromUtf8(line.data(), int(nul - line.begin())));
        ++count;
        if (count % linesBetweenProgressReports == 0) {
            appendLog(QStringLiteral("load ") + QString::number(count) + QStringLiteral(" lines"));
            if (!letEventsRun())
                return;
        }
    }

    appendLog(QStringLiteral("all ") + QString::number(count) + QStringLiteral(" lines"));
    if (!letEventsRun())
        return;
    appendLog(QStringLiteral("load data to QList view"));
    if (!letEventsRun())
        return;

    QElapsedTimer stopwatch;
    stopwatch.start();
    linesModel->setStringList(*storedLines);
    appendLog(QStringLiteral("elapsed time:") + QString::number(stopwatch.elapsed()));
    if (!letEventsRun())
        return;

    if (!storedLines->isEmpty())
        makeRowCurrent(0);
}

void MainWindow::on_btnPlay_clicked()
{
    if (storedLines->isEmpty())
        return;
    if (ui->btnPlay->text() == QLatin1String("Play")) {
        ui->btnPlay->setText(QStringLiteral("Pause"));
        startPlayback();
    } else {
        ui->btnPlay->setText(QStringLiteral("Play"));
        timer.stop();
    }
}

void MainWindow::on_btnStop_clicked()
{
    timer.stop();
    if (!storedLines->isEmpty())
        makeRowCurrent(0);
    ui->btnPlay->setText(QStringLiteral("Play"));
}

void MainWindow::on_btnLeft_clicked()
{
    if (storedLines->isEmpty())
        return;
    makeRowCurrent(0);
}

void MainWindow::on_btnRight_clicked()
{
    if (storedLines->isEmpty())
        return;
    makeRowCurrent(storedLines->size() - 1);
}

void MainWindow::on_port_editingFinished()
{
    // Return and then the field losing focus both end the same edit: the second, like a
    // click in and out of the field, has nothing new to read. Only a changed text is one.
    if (!ui->port->isModified())
        return;
    ui->port->setModified(false);
    // A text that is no port would otherwise be listened on as another one ("70537" as
    // 5001, "five" as a port the system picks): the service and its clients stay as they are.
    const QString typed = ui->port->text().trimmed();
    bool ok = false;
    const int port = typed.toInt(&ok, 10);
    if (!ok || port < 0 || port > 65535) {
        ui->port->setStyleSheet(QStringLiteral("background-color: #ffc0c0;"));
        const QString kept = server.isListening()
            ? QStringLiteral("still listening on %1").arg(server.serverPort())
            : QStringLiteral("not listening");
        appendLog(QStringLiteral("Port \"%1\" refused: not a number from 0 to 65535; %2")
                      .arg(typed, kept));
        return;
    }
    ui->port->setStyleSheet(QString());
    // The port in service typed again keeps the service and its clients.
    if (server.isListening() && port == portNumber && (port == 0 || server.serverPort() == port)) {
        appendLog(QStringLiteral("Port %1 kept: already listening on %2").arg(port).arg(server.serverPort()));
        return;
    }
    portNumber = port;
    server.InitFromPort(portNumber);
}

void MainWindow::on_speed_editingFinished()
{
    applyTimingRule(ui->speed->value());
    timer.setInterval(interval);
    restartTickClock();
}

void MainWindow::on_pushButton_2_clicked()
{
    if (storedLines->isEmpty())
        return;
    makeRowCurrent(storedLines->size() / 2);
}
