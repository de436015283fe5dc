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
#include <functional>
#include <memory>
#include <vector>

#include "mainwindow.h"

namespace {

// One recorded GGA line of about 70 bytes, numbered so a lost or swapped line shows.
QByteArray logLine(int i)
{
    return "$GPGGA," + QByteArray::number(100000 + i % 800000) + ".00,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,*"
           + QByteArray::number(i) + '\n';
}

QString writeLog(QTemporaryDir &dir, int lines, qint64 *bytes, QByteArray *keep = nullptr)
{
    const QString path = dir.filePath(QStringLiteral("replay-%1.log").arg(lines));
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    QByteArray chunk;
    *bytes = 0;
    for (int i = 0; i < lines; ++i) {
        chunk += logLine(i);
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
// the window plays at speed 1000; every stream is then compared with the file.
void BM_PlaybackToTwentyClients(benchmark::State &state)
{
    const int lines = int(state.range(0));
    const int clientCount = 20;
    QTemporaryDir dir;
    qint64 bytes = 0;
    QByteArray expected;
    const QString path = writeLog(dir, lines, &bytes, &expected);
    const int greeting = 64;

    double intactClients = 0;
    double deliveredLinesPerSecond = 0;
    for (auto _ : state) {
        state.PauseTiming();
        MainWindow window;
        if (state.range(1))
            window.show();
        window.findChild<QLineEdit *>(QStringLiteral("port"))->setText(QStringLiteral("0"));
        emit window.findChild<QLineEdit *>(QStringLiteral("port"))->editingFinished();
        window.setFileChooser([path] { return path; });
        window.findChild<QPushButton *>(QStringLiteral("pushButton"))->click();
        window.findChild<QSpinBox *>(QStringLiteral("speed"))->setValue(1000);
        const quint16 port = window.replayServer().serverPort();

        QThread clientThread;
        clientThread.start();
        QObject context;
        context.moveToThread(&clientThread);
        std::vector<QByteArray> streams(clientCount);
        std::vector<std::unique_ptr<std::atomic<qint64>>> received;
        for (int i = 0; i < clientCount; ++i)
            received.emplace_back(new std::atomic<qint64>(0));
        std::vector<QTcpSocket *> sockets;
        QMetaObject::invokeMethod(&context, [&] {
            for (int i = 0; i < clientCount; ++i) {
                auto *socket = new QTcpSocket(&context);
                QObject::connect(socket, &QTcpSocket::readyRead, socket, [socket, &streams, &received, i] {
                    streams[size_t(i)] += socket->readAll();
                    received[size_t(i)]->store(streams[size_t(i)].size());
                });
                socket->connectToHost(QHostAddress(QHostAddress::LocalHost), port);
                sockets.push_back(socket);
            }
        }, Qt::BlockingQueuedConnection);
        runEventsUntil([&] { return window.replayServer().clientCount() == clientCount; }, 10000);
        runEventsUntil([&] {
            for (auto &count : received) {
                if (*count < greeting)
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
            for (auto &count : received) {
                if (*count < want)
                    return false;
            }
            return true;
        }, 600000);
        const double seconds = clock.nsecsElapsed() / 1e9;

        state.PauseTiming();
        QMetaObject::invokeMethod(&context, [&] { qDeleteAll(sockets); }, Qt::BlockingQueuedConnection);
        clientThread.quit();
        clientThread.wait();
        intactClients = 0;
        for (const QByteArray &stream : streams) {
            if (stream.size() == want && stream.mid(greeting) == expected)
                ++intactClients;
        }
        deliveredLinesPerSecond = lines / seconds;
        state.ResumeTiming();
    }
    state.counters["lines"] = lines;
    state.counters["clients"] = clientCount;
    state.counters["intact_clients"] = intactClients;
    state.counters["lines/s_per_client"] = deliveredLinesPerSecond;
    state.counters["lines/s_all_clients"] = deliveredLinesPerSecond * clientCount;
}
BENCHMARK(BM_PlaybackToTwentyClients)->ArgNames({"lines", "shown"})->Args({100000, 0})->Args({100000, 1})->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();

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
