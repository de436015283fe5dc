// links: replay_server_lib Qt5::Widgets Qt5::Network
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QHostAddress>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>

#include <atomic>
#include <cstring>
#include <functional>
#include <memory>
#include <vector>

#include "mainwindow.h"

namespace {

// One recorded GGA line of about 85 bytes, numbered so a lost or swapped line shows; with a
// width it is padded to that many bytes (long lines of a raw-data log).
QByteArray logLine(int i, int width = 0)
{
    QByteArray line = "$GPGGA," + QByteArray::number(100000 + i % 800000)
                      + ".00,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,*" + QByteArray::number(i);
    if (line.size() + 1 < width)
        line.append(QByteArray(width - 1 - line.size(), '.'));
    return line + '\n';
}

QString writeLog(QTemporaryDir &dir, int lines, qint64 *bytes, QByteArray *keep = nullptr, int width = 0)
{
    const QString path = dir.filePath(QStringLiteral("replay-%1-%2.log").arg(lines).arg(width));
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    QByteArray chunk;
    *bytes = 0;
    for (int i = 0; i < lines; ++i) {
        chunk += logLine(i, width);
        if (chunk.size() > (1 << 20) || i + 1 == lines) {
            file.write(chunk);
            *bytes += chunk.size();
            if (keep)
                keep->append(chunk);
            chunk.clear();
        }
    }
    return path;
}

qint64 procStatusKiB(const char *field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly | QIODevice::Text))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith(field))
            return line.mid(int(qstrlen(field))).trimmed().split(' ').value(0).toLongLong();
    }
    return -1;
}

void resetPeakRss()
{
    // Writing 5 to clear_refs resets the peak resident set size of the process.
    QFile refs(QStringLiteral("/proc/self/clear_refs"));
    if (refs.open(QIODevice::WriteOnly))
        refs.write("5");
}

bool runEventsUntil(const std::function<bool()> &done, int timeoutMs)
{
    QElapsedTimer elapsed;
    elapsed.start();
    QEventLoop loop;
    QTimer poll;
    poll.setInterval(5);
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (done() || elapsed.elapsed() > timeoutMs)
            loop.quit();
    });
    poll.start();
    if (!done())
        loop.exec();
    return done();
}

void BM_LoadMillionLineLog(benchmark::State &state)
{
    const int lines = int(state.range(0));
    QTemporaryDir dir;
    qint64 bytes = 0;
    const QString path = writeLog(dir, lines, &bytes);
    double peakMiB = 0;
    double growthMiB = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto window = std::make_unique<MainWindow>();
        window->setFileChooser([path] { return path; });
        QPushButton *open = window->findChild<QPushButton *>(QStringLiteral("pushButton"));
        resetPeakRss();
        const qint64 before = procStatusKiB("VmRSS:");
        state.ResumeTiming();

        open->click();

        state.PauseTiming();
        const qint64 peak = procStatusKiB("VmHWM:");
        peakMiB = peak / 1024.0;
        growthMiB = (peak - before) / 1024.0;
        window.reset();
        state.ResumeTiming();
    }
    state.SetBytesProcessed(state.iterations() * bytes);
    state.counters["lines/s"] = benchmark::Counter(double(lines) * state.iterations(), benchmark::Counter::kIsRate);
    state.counters["file_MB"] = bytes / 1e6;
    state.counters["peak_rss_MiB"] = peakMiB;
    state.counters["rss_growth_MiB"] = growthMiB;
}
BENCHMARK(BM_LoadMillionLineLog)->Arg(1000000)->Iterations(1)->Unit(benchmark::kMillisecond);

// Twenty clients on a thread of their own (as separate programs would be) read everything
// the window plays; each checks its stream against the file as it arrives, so a lost,
// doubled or swapped byte shows without keeping twenty copies of the log.
struct StreamCheck
{
    std::atomic<qint64> received{0};
    std::atomic<bool> intact{true};
};

// Every client first gets the 64-byte greeting frame.
const int greeting = 64;

// Notes what a client got: the greeting frame first, then the log's bytes, in order.
void takeArrival(StreamCheck &check, const QByteArray &got, const QByteArray &expected)
{
    const qint64 at = check.received.load();
    const qint64 skip = qMax<qint64>(0, greeting - at);
    if (skip < got.size()) {
        const qint64 offset = at + skip - greeting;
        const qint64 size = got.size() - skip;
        if (offset + size > expected.size()
            || std::memcmp(expected.constData() + offset, got.constData() + skip, size_t(size)) != 0)
            check.intact.store(false);
    }
    check.received.store(at + got.size());
}

// The window listening on a free port with the log loaded at that speed; its port.
quint16 loadAndListen(MainWindow &window, const QString &path, int speed)
{
    window.findChild<QLineEdit *>(QStringLiteral("port"))->setText(QStringLiteral("0"));
    emit window.findChild<QLineEdit *>(QStringLiteral("port"))->editingFinished();
    window.setFileChooser([path] { return path; });
    window.findChild<QPushButton *>(QStringLiteral("pushButton"))->click();
    window.findChild<QSpinBox *>(QStringLiteral("speed"))->setValue(speed);
    return window.replayServer().serverPort();
}

void BM_PlaybackToTwentyClients(benchmark::State &state)
{
    const int lines = int(state.range(0));
    const int width = int(state.range(1));
    const int speed = int(state.range(2));
    const bool shown = state.range(3) != 0;
    const int clientCount = 20;
    QTemporaryDir dir;
    qint64 bytes = 0;
    QByteArray expected;
    const QString path = writeLog(dir, lines, &bytes, &expected, width);

    double intactClients = 0;
    double deliveredLinesPerSecond = 0;
    for (auto _ : state) {
        state.PauseTiming();
        MainWindow window;
        if (shown)
            window.show();
        const quint16 port = loadAndListen(window, path, speed);

        QThread clientThread;
        clientThread.start();
        QObject context;
        context.moveToThread(&clientThread);
        std::vector<std::unique_ptr<StreamCheck>> checks;
        for (int i = 0; i < clientCount; ++i)
            checks.emplace_back(new StreamCheck);
        std::vector<QTcpSocket *> sockets;
        QMetaObject::invokeMethod(&context, [&] {
            for (int i = 0; i < clientCount; ++i) {
                auto *socket = new QTcpSocket(&context);
                StreamCheck *check = checks[size_t(i)].get();
                QObject::connect(socket, &QTcpSocket::readyRead, socket, [socket, check, &expected] {
                    takeArrival(*check, socket->readAll(), expected);
                });
                socket->connectToHost(QHostAddress(QHostAddress::LocalHost), port);
                sockets.push_back(socket);
            }
        }, Qt::BlockingQueuedConnection);
        runEventsUntil([&] { return window.replayServer().clientCount() == clientCount; }, 10000);
        runEventsUntil([&] {
            for (auto &check : checks) {
                if (check->received < greeting)
                    return false;
            }
            return true;
        }, 10000);
        QPushButton *play = window.findChild<QPushButton *>(QStringLiteral("btnPlay"));
        QElapsedTimer clock;
        state.ResumeTiming();

        clock.start();
        play->click();
        const qint64 want = greeting + bytes;
        runEventsUntil([&] {
            for (auto &check : checks) {
                if (check->received < want && window.replayServer().clientCount() == clientCount)
                    return false;
            }
            return true;
        }, 900000);
        const double seconds = clock.nsecsElapsed() / 1e9;

        state.PauseTiming();
        QMetaObject::invokeMethod(&context, [&] { qDeleteAll(sockets); }, Qt::BlockingQueuedConnection);
        clientThread.quit();
        clientThread.wait();
        intactClients = 0;
        for (auto &check : checks) {
            if (check->received == want && check->intact)
                ++intactClients;
        }
        deliveredLinesPerSecond = lines / seconds;
        state.ResumeTiming();
    }
    // What the timing rule promises: 1000 / speed ms per tick, speed / 50 + 1 lines per tick
    // at 30 ms or less.
    const int interval = 1000 / speed;
    const int perTick = interval <= 30 ? speed / 50 + 1 : 1;
    state.counters["lines"] = lines;
    state.counters["line_bytes"] = double(bytes) / lines;
    state.counters["clients"] = clientCount;
    state.counters["intact_clients"] = intactClients;
    state.counters["nominal_lines/s"] = 1000.0 * perTick / interval;
    state.counters["lines/s_per_client"] = deliveredLinesPerSecond;
    state.counters["lines/s_all_clients"] = deliveredLinesPerSecond * clientCount;
}
BENCHMARK(BM_PlaybackToTwentyClients)
    ->ArgNames({"lines", "width", "speed", "shown"})
    ->Args({1000000, 0, 1000, 0})
    ->Args({1000000, 0, 1000, 1})
    ->Args({1500, 10240, 100, 0})
    ->Args({1500, 10240, 100, 1})
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// Long lines at full speed to one client that reads as fast as it can and many that
// connect and never read: the reader must get every byte, and the program's peak memory
// shows what the backlog of the silent ones costs.
void BM_OneReaderAmongSilentClients(benchmark::State &state)
{
    const int lines = int(state.range(0));
    const int width = int(state.range(1));
    const int speed = int(state.range(2));
    const int silentCount = int(state.range(3));
    QTemporaryDir dir;
    qint64 bytes = 0;
    QByteArray expected;
    const QString path = writeLog(dir, lines, &bytes, &expected, width);

    double peakMiB = 0;
    double growthMiB = 0;
    double readerIntact = 0;
    double readerMB = 0;
    double clientsLeft = 0;
    for (auto _ : state) {
        state.PauseTiming();
        MainWindow window;
        const quint16 port = loadAndListen(window, path, speed);

        QThread clientThread;
        clientThread.start();
        QObject context;
        context.moveToThread(&clientThread);
        StreamCheck reader;
        std::atomic<bool> readerGone{false};
        QMetaObject::invokeMethod(&context, [&] {
            auto *socket = new QTcpSocket(&context);
            QObject::connect(socket, &QTcpSocket::readyRead, socket, [socket, &reader, &expected] {
                takeArrival(reader, socket->readAll(), expected);
            });
            QObject::connect(socket, &QTcpSocket::disconnected, socket, [&readerGone] { readerGone.store(true); });
            socket->connectToHost(QHostAddress(QHostAddress::LocalHost), port);
            for (int i = 0; i < silentCount; ++i) {
                auto *silent = new QTcpSocket(&context);
                // Takes one byte into its buffer and then nothing more.
                silent->setReadBufferSize(1);
                silent->connectToHost(QHostAddress(QHostAddress::LocalHost), port);
            }
        }, Qt::BlockingQueuedConnection);
        runEventsUntil([&] { return window.replayServer().clientCount() == silentCount + 1; }, 20000);
        runEventsUntil([&] { return reader.received >= greeting; }, 10000);
        QPushButton *play = window.findChild<QPushButton *>(QStringLiteral("btnPlay"));
        resetPeakRss();
        const qint64 before = procStatusKiB("VmRSS:");
        state.ResumeTiming();

        play->click();
        const qint64 want = greeting + bytes;
        runEventsUntil([&] { return reader.received >= want || readerGone.load(); }, 300000);

        state.PauseTiming();
        const qint64 peak = procStatusKiB("VmHWM:");
        peakMiB = peak / 1024.0;
        growthMiB = (peak - before) / 1024.0;
        readerIntact = reader.received == want && reader.intact && !readerGone ? 1 : 0;
        readerMB = (reader.received - greeting) / 1e6;
        clientsLeft = window.replayServer().clientCount();
        QMetaObject::invokeMethod(&context, [&] { qDeleteAll(context.children()); }, Qt::BlockingQueuedConnection);
        clientThread.quit();
        clientThread.wait();
        state.ResumeTiming();
    }
    state.counters["log_MB"] = bytes / 1e6;
    state.counters["silent_clients"] = silentCount;
    state.counters["reader_intact"] = readerIntact;
    state.counters["reader_MB"] = readerMB;
    state.counters["clients_left"] = clientsLeft;
    state.counters["peak_rss_MiB"] = peakMiB;
    state.counters["rss_growth_MiB"] = growthMiB;
}
BENCHMARK(BM_OneReaderAmongSilentClients)
    ->ArgNames({"lines", "width", "speed", "silent"})
    ->Args({50, 1 << 20, 1000, 60})
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
