// links: app polvaneresources
// sources: ../tests/support/replaypeer.cpp ../tests/support/replaypeer.h
//
// polvane end to end: the real main window connects over TCP on 127.0.0.1 to a peer that
// plays the sample log as replay_server does, and the workspace shows all eleven monitor
// windows, tiled, rendered by the offscreen platform. The peer runs on a thread of its own
// (it stands for another program). For each rate the program reports:
//   gui_cpu_%          the GUI thread's CPU time per second of wall time (of one core);
//   cpu_ms/data_s      the GUI thread's CPU time per second of the log's own time;
//   late_p50_ms, late_p99_ms, late_max_ms
//                      lateness of a 10 ms timer on the GUI thread: the event-loop delay
//                      a user feels;
//   lag_*_KiB          bytes the peer has sent that polvane's reader has not delivered yet
//                      (kernel buffers and the peer's own), largest in the first and the
//                      second half of the run and at the end;
//   socket_max_KiB     the most bytes seen waiting on polvane's own socket (kernel queue
//                      and the socket's buffer);
//   keeps_up           1 when no client was dropped and the lag did not grow;
//   rss_*_MiB          resident memory at the start of playback, half way and at the end;
//                      rss_end_program_MiB leaves out what the peer holds unsent (it lives in
//                      this process too);
//   boxes              message boxes the program raised (a dropped link raises one).
//
//   peer_cpu           the core the peer's thread runs on (-1: it shares polvane's).
//
//   QT_QPA_PLATFORM=offscreen taskset -c 0 build/bench/bench/bench_endtoend
//   ... --benchmark_filter=replay1000_5min for the five-minute memory run.
//
// The peer stands for replay_server or a receiver, which run beside polvane, not on its
// core: its thread moves to a core of its own (the next one after polvane's), so the
// figures are polvane's alone. POLVANE_BENCH_PEER_CPU=same keeps it on polvane's core,
// POLVANE_BENCH_PEER_CPU=N puts it on core N. POLVANE_BENCH_SECONDS=N shortens every run
// to N seconds for a quick look. To find what costs or what grows: POLVANE_BENCH_WINDOWS
// names the windows to keep open (their titles, separated by commas; the others are
// closed after tiling), and POLVANE_BENCH_RSS_EVERY=N prints the resident memory and the
// heap in use every N seconds to standard error. POLVANE_BENCH_PORT_FILE and
// POLVANE_BENCH_OTHER_CLIENTS let another program take the same stream (see
// waitForOtherClients).

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMdiSubWindow>
#include <QRegularExpression>
#include <QStringList>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <QWebFrame>
#include <QWebPage>
#include <QWebView>

#include <malloc.h>
#include <pthread.h>
#include <sched.h>
#include <sys/ioctl.h>
#include <time.h>

#include <algorithm>
#include <cstdio>
#include <atomic>
#include <memory>
#include <vector>

#include "../tests/e2e/workspacedriver.h"
#include "../tests/support/replaypeer.h"
#include "appdialogs.h"
#include "controller.h"
#include "mainwindow.h"
#include "mapwidget.h"
#include "readerproxy.h"

namespace {

const char *const sampleLog = POLVANE_SOURCE_DIR "/samples/roof-10hz.nmea";
// The sample's own pace: 72,106 lines in 600 s.
const double sampleLinesPerSecond = 72106.0 / 600.0;

double threadCpuSeconds()
{
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return double(ts.tv_sec) + double(ts.tv_nsec) / 1e9;
}

double rssMiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly | QIODevice::Text))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024.0;
    }
    return -1;
}

// Measures how late a 10 ms single-shot timer fires, re-armed every time.
class LatenessProbe
{
public:
    LatenessProbe()
    {
        m_timer.setSingleShot(true);
        m_timer.setTimerType(Qt::PreciseTimer);
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            const double late = double(m_clock.nsecsElapsed() - m_armedAt) / 1e6 - intervalMs;
            m_samples.push_back(std::max(0.0, late));
            arm();
        });
    }

    void start()
    {
        m_samples.clear();
        m_clock.start();
        arm();
    }
    void stop() { m_timer.stop(); }

    double percentile(double p) const
    {
        if (m_samples.empty())
            return -1;
        std::vector<double> sorted = m_samples;
        std::sort(sorted.begin(), sorted.end());
        const size_t index = std::min(sorted.size() - 1, size_t(p * double(sorted.size() - 1) + 0.5));
        return sorted[index];
    }

private:
    static constexpr int intervalMs = 10;
    void arm()
    {
        m_armedAt = m_clock.nsecsElapsed();
        m_timer.start(intervalMs);
    }

    QTimer m_timer;
    QElapsedTimer m_clock;
    qint64 m_armedAt = 0;
    std::vector<double> m_samples;
};

// The core for the peer's thread: the next one after the first core polvane may run on,
// or what POLVANE_BENCH_PEER_CPU says; -1 leaves it where polvane runs.
int peerCpu()
{
    const QByteArray wanted = qgetenv("POLVANE_BENCH_PEER_CPU");
    if (wanted == "same")
        return -1;
    bool ok = false;
    const int given = wanted.toInt(&ok);
    if (ok && given >= 0)
        return given;
    cpu_set_t own;
    CPU_ZERO(&own);
    if (pthread_getaffinity_np(pthread_self(), sizeof own, &own) != 0)
        return -1;
    const int cores = QThread::idealThreadCount();
    for (int cpu = 0; cpu < CPU_SETSIZE; ++cpu) {
        if (CPU_ISSET(cpu, &own))
            return cores > 1 ? (cpu + 1) % cores : -1;
    }
    return -1;
}

// The peer on its own thread, reached through queued calls.
class PeerThread
{
public:
    explicit PeerThread(const QList<QByteArray> &lines)
    {
        m_thread.start();
        m_context.moveToThread(&m_thread);
        const int cpu = peerCpu();
        run([this, cpu] {
            if (cpu < 0)
                return;
            cpu_set_t set;
            CPU_ZERO(&set);
            CPU_SET(cpu, &set);
            if (pthread_setaffinity_np(pthread_self(), sizeof set, &set) == 0)
                m_cpu = cpu;
        });
        run([this, lines] {
            m_peer = new ReplayPeer(&m_context);
            m_peer->setLines(lines);
            m_peer->setLoop(true);
            m_peer->listen();
        });
    }

    ~PeerThread()
    {
        run([this] { delete m_peer; });
        m_thread.quit();
        m_thread.wait();
    }

    template <class F>
    void run(F f)
    {
        QMetaObject::invokeMethod(&m_context, f, Qt::BlockingQueuedConnection);
    }

    ReplayPeer *peer() const { return m_peer; }
    int cpu() const { return m_cpu; }

private:
    QThread m_thread;
    int m_cpu = -1;
    QObject m_context;
    ReplayPeer *m_peer = nullptr;
};

qint64 socketBacklog(QTcpSocket *socket)
{
    if (!socket)
        return 0;
    int kernel = 0;
    if (socket->socketDescriptor() >= 0)
        ioctl(int(socket->socketDescriptor()), FIONREAD, &kernel);
    return kernel + socket->bytesAvailable();
}

void runFor(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

// Arguments: lines per second and bursts per second (0: by speed), replay_server speed,
// seconds of playback.
// Another program can take the same stream in the same run (a general-purpose monitor to
// compare with): POLVANE_BENCH_PORT_FILE names a file that receives the peer's port, and
// playback waits until POLVANE_BENCH_OTHER_CLIENTS more clients have connected; the file
// "<port file>.playing" appears as playback starts.
bool waitForOtherClients(PeerThread *peerThread)
{
    const QString portFile = QString::fromLocal8Bit(qgetenv("POLVANE_BENCH_PORT_FILE"));
    if (portFile.isEmpty())
        return true;
    quint16 port = 0;
    peerThread->run([&] { port = peerThread->peer()->port(); });
    QFile file(portFile);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    file.write(QByteArray::number(port) + '\n');
    file.close();
    const int wanted = 1 + qEnvironmentVariableIntValue("POLVANE_BENCH_OTHER_CLIENTS");
    QElapsedTimer waited;
    waited.start();
    int clients = 0;
    while (waited.elapsed() < 60000) {
        peerThread->run([&] { clients = peerThread->peer()->clientCount(); });
        if (clients >= wanted)
            return true;
        runFor(100);
    }
    return false;
}

void markPlaying()
{
    const QString portFile = QString::fromLocal8Bit(qgetenv("POLVANE_BENCH_PORT_FILE"));
    if (!portFile.isEmpty()) {
        QFile playing(portFile + QStringLiteral(".playing"));
        playing.open(QIODevice::WriteOnly);
    }
}

// The sample log's lines, or none where it cannot be read.
QList<QByteArray> sampleLines()
{
    QFile file(QString::fromUtf8(sampleLog));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return ReplayPeer::linesOf(file.readAll());
}

// One run's surroundings: the program keeps settings.ini in the working directory, so
// each run starts from none, and every box it would show is counted and answered.
struct FreshRun
{
    FreshRun()
    {
        QDir::setCurrent(dir.path());
        AppDialogs::setMessageHook([this](QWidget *, QMessageBox::Icon, const QString &, const QString &,
                                          QMessageBox::StandardButtons) {
            ++boxes;
            return QMessageBox::Ok;
        });
    }
    ~FreshRun()
    {
        AppDialogs::setMessageHook(nullptr);
        QDir::setCurrent(previous);
    }
    FreshRun(const FreshRun &) = delete;
    FreshRun &operator=(const FreshRun &) = delete;

    QTemporaryDir dir;
    const QString previous = QDir::currentPath();
    int boxes = 0;
};

// Shows the main window, connects it to the peer and opens all eleven windows.
DisplayContainerWidget *openEveryWindow(MainWindow *window, PeerThread *peerThread)
{
    quint16 port = 0;
    peerThread->run([&] { port = peerThread->peer()->port(); });
    window->show();
    DisplayContainerWidget *workspace = workspacedriver::connectOverTcp(window, QStringLiteral("127.0.0.1"), port);
    if (workspace)
        workspacedriver::showEveryWindow(workspace);
    return workspace;
}

void BM_EndToEnd(benchmark::State &state)
{
    const double rate = double(state.range(0));
    const int bursts = int(state.range(1));
    const int speed = int(state.range(2));
    const int seconds = qEnvironmentVariableIsSet("POLVANE_BENCH_SECONDS")
        ? qMax(2, qEnvironmentVariableIntValue("POLVANE_BENCH_SECONDS"))
        : int(state.range(3));

    const QList<QByteArray> lines = sampleLines();
    if (lines.isEmpty()) {
        state.SkipWithError("the sample log cannot be read");
        return;
    }

    for (auto _ : state) {
        FreshRun run;
        const int &boxes = run.boxes;
        {
            PeerThread peerThread(lines);
            ReplayPeer *peer = peerThread.peer();
            auto window = std::make_unique<MainWindow>();
            DisplayContainerWidget *workspace = openEveryWindow(window.get(), &peerThread);
            if (!workspace) {
                state.SkipWithError("the workspace did not open");
                break;
            }
            const QStringList kept = QString::fromLocal8Bit(qgetenv("POLVANE_BENCH_WINDOWS"))
                                         .split(QLatin1Char(','), Qt::SkipEmptyParts);
            if (!kept.isEmpty()) {
                for (QMdiSubWindow *frame : workspace->findChildren<QMdiSubWindow *>()) {
                    if (!kept.contains(frame->windowTitle()))
                        frame->close();
                }
            }
            runFor(500);
            if (kept.isEmpty() && workspacedriver::visibleWindowCount(workspace) != 11) {
                state.SkipWithError("not every window is shown");
                break;
            }

            if (!waitForOtherClients(&peerThread)) {
                state.SkipWithError("the other clients did not connect");
                break;
            }

            Controller *controller = window->findChild<Controller *>();
            QTcpSocket *socket = controller ? controller->findChild<QTcpSocket *>() : nullptr;
            std::atomic<qint64> consumed{0};
            QObject::connect(controller->reader(), &iReader::dataRead,
                             [&consumed](const QByteArray &data) { consumed += data.size(); });

            const int rssEvery = qEnvironmentVariableIntValue("POLVANE_BENCH_RSS_EVERY");
            LatenessProbe probe;
            const double rssStart = rssMiB();
            double rssHalf = rssStart;
            qint64 lagFirstHalf = 0;
            qint64 lagSecondHalf = 0;
            qint64 socketMax = 0;
            // Only the greeting came before; from here on every byte sent is a line.
            const qint64 consumedBefore = consumed;
            peerThread.run([&] {
                if (rate > 0)
                    peer->playAtRate(rate, bursts);
                else {
                    peer->setSpeed(speed);
                    peer->play();
                }
            });
            markPlaying();
            const double cpuStart = threadCpuSeconds();
            QElapsedTimer wall;
            wall.start();
            probe.start();
            for (int s = 1; s <= seconds; ++s) {
                runFor(int(qMax<qint64>(0, s * 1000 - wall.elapsed())));
                const qint64 lag = qMax<qint64>(0, peer->bytesSent() - (consumed - consumedBefore));
                socketMax = qMax(socketMax, socketBacklog(socket));
                if (s <= seconds / 2)
                    lagFirstHalf = qMax(lagFirstHalf, lag);
                else
                    lagSecondHalf = qMax(lagSecondHalf, lag);
                if (s == seconds / 2)
                    rssHalf = rssMiB();
                if (rssEvery > 0 && s % rssEvery == 0) {
                    // What malloc has handed out and not had back, against what the
                    // process holds: growth of the first is a leak, of the second alone
                    // fragmentation or buffers kept for reuse.
                    const struct mallinfo2 heap = mallinfo2();
                    fprintf(stderr, "rss at %4d s: %.1f MiB, heap in use %.1f MiB\n", s, rssMiB(),
                            double(heap.uordblks + heap.hblkhd) / (1024.0 * 1024.0));
                }
            }
            probe.stop();
            const double cpu = threadCpuSeconds() - cpuStart;
            const double elapsed = double(wall.nsecsElapsed()) / 1e9;
            peerThread.run([&] { peer->pause(); });
            const qint64 sentLines = peer->linesSent();
            const qint64 lagEnd = qMax<qint64>(0, peer->bytesSent() - (consumed - consumedBefore));
            const int dropped = peer->droppedClients();
            const double rssEnd = rssMiB();
            const double peerHeldMiB = double(peer->backlog()) / (1024.0 * 1024.0);

            const double dataSeconds = double(sentLines) / sampleLinesPerSecond;
            state.counters["lines/s"] = double(sentLines) / elapsed;
            state.counters["gui_cpu_%"] = 100.0 * cpu / elapsed;
            state.counters["cpu_ms/data_s"] = dataSeconds > 0 ? 1000.0 * cpu / dataSeconds : 0;
            state.counters["late_p50_ms"] = probe.percentile(0.50);
            state.counters["late_p99_ms"] = probe.percentile(0.99);
            state.counters["late_max_ms"] = probe.percentile(1.0);
            state.counters["lag_1st_half_KiB"] = double(lagFirstHalf) / 1024.0;
            state.counters["lag_2nd_half_KiB"] = double(lagSecondHalf) / 1024.0;
            state.counters["lag_end_KiB"] = double(lagEnd) / 1024.0;
            state.counters["keeps_up"] = dropped == 0 && lagSecondHalf <= lagFirstHalf + lagFirstHalf / 2 + 65536;
            state.counters["rss_start_MiB"] = rssStart;
            state.counters["rss_half_MiB"] = rssHalf;
            state.counters["rss_end_MiB"] = rssEnd;
            state.counters["rss_end_program_MiB"] = rssEnd - peerHeldMiB;
            state.counters["dropped"] = dropped;
            state.counters["boxes"] = boxes;
            state.counters["socket_max_KiB"] = double(socketMax) / 1024.0;
            state.counters["peer_cpu"] = peerThread.cpu();

            workspace->close();
            window.reset();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
    }
}

void oneRun(benchmark::internal::Benchmark *b)
{
    b->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();
}

// A receiver at 10 Hz writes each epoch at once: the sample at its own pace, and a
// receiver with more satellites and sentences (about 700 lines a second).
BENCHMARK(BM_EndToEnd)->Name("EndToEnd/sample_10Hz")->Args({120, 10, 0, 30})->Apply(oneRun);
BENCHMARK(BM_EndToEnd)->Name("EndToEnd/receiver_10Hz_700")->Args({700, 10, 0, 60})->Apply(oneRun);
// replay_server's pacing: speed 166 is about 700 lines a second in ticks of 4 lines every
// 6 ms; speed 1000 is 21 lines every millisecond.
BENCHMARK(BM_EndToEnd)->Name("EndToEnd/replay166")->Args({0, 0, 166, 60})->Apply(oneRun);
BENCHMARK(BM_EndToEnd)->Name("EndToEnd/replay1000")->Args({0, 0, 1000, 60})->Apply(oneRun);
BENCHMARK(BM_EndToEnd)->Name("EndToEnd/replay1000_5min")->Args({0, 0, 1000, 300})->Apply(oneRun);

// A working day with some windows open, cut to an hour: the sample at its own pace (a
// receiver at 10 Hz) into the workspace, tiled as above, the chosen windows kept open and
// the rest closed. Resident memory is read every minute (every tenth of a shortened run)
// and printed to standard error; the counters give it at the start and the end, and its
// slope over the whole run and over the last two thirds (once the caches have filled),
// in MiB an hour. With the Map window: the GUI thread's time for each of the engine's
// collections (collect_*_ms), whether the page shows the newest position the window sent
// (map_newest), and a picture of the window at the end (POLVANE_BENCH_SCREENSHOT names the
// PNG file; map_soak_end.png in the working directory otherwise).
//   QT_QPA_PLATFORM=offscreen build/bench/bench/bench_endtoend --benchmark_filter=Soak/map
double slopePerHour(const std::vector<std::pair<double, double>> &samples, double fromSecond)
{
    double n = 0, sumT = 0, sumM = 0, sumTT = 0, sumTM = 0;
    for (const auto &[second, mib] : samples) {
        if (second < fromSecond)
            continue;
        const double hours = second / 3600.0;
        n += 1;
        sumT += hours;
        sumM += mib;
        sumTT += hours * hours;
        sumTM += hours * mib;
    }
    const double spread = n * sumTT - sumT * sumT;
    return n >= 2 && spread > 0 ? (n * sumTM - sumT * sumM) / spread : 0;
}

// The latitude and longitude in the last setLocation the window ran, against what the
// page's marker stands on.
bool pageShowsScript(QWebView *view, const QString &script)
{
    static const QRegularExpression call(QStringLiteral("^setLocation\\(([^,]+),([^)]+)\\)$"));
    const QRegularExpressionMatch match = call.match(script);
    if (!view || !match.hasMatch())
        return false;
    QWebFrame *frame = view->page()->mainFrame();
    return frame->evaluateJavaScript(QStringLiteral("marker.getPosition().lat()")).toDouble()
               == match.captured(1).toDouble()
        && frame->evaluateJavaScript(QStringLiteral("marker.getPosition().lng()")).toDouble()
               == match.captured(2).toDouble();
}

void BM_Soak(benchmark::State &state, bool withMap)
{
    const QString mapTitle = QStringLiteral("Map");
    const int seconds = qEnvironmentVariableIsSet("POLVANE_BENCH_SECONDS")
        ? qMax(10, qEnvironmentVariableIntValue("POLVANE_BENCH_SECONDS"))
        : 3600;
    const int sampleEvery = seconds >= 600 ? 60 : seconds / 10;

    const QList<QByteArray> lines = sampleLines();
    if (lines.isEmpty()) {
        state.SkipWithError("the sample log cannot be read");
        return;
    }

    for (auto _ : state) {
        FreshRun run;
        const int &boxes = run.boxes;
        std::vector<double> collectionsMs;
        MapWidget::setCollectionHook([&collectionsMs](const MapWidget *, qint64 nanoseconds) {
            collectionsMs.push_back(double(nanoseconds) / 1e6);
        });
        QString lastLocation;
        MapWidget::setScriptHook([&lastLocation](const MapWidget *, const QString &script) {
            if (script.startsWith(QLatin1String("setLocation(")))
                lastLocation = script;
        });
        {
            PeerThread peerThread(lines);
            ReplayPeer *peer = peerThread.peer();
            auto window = std::make_unique<MainWindow>();
            DisplayContainerWidget *workspace = openEveryWindow(window.get(), &peerThread);
            if (!workspace) {
                state.SkipWithError("the workspace did not open");
                break;
            }
            QMdiSubWindow *mapFrame = nullptr;
            for (QMdiSubWindow *frame : workspace->findChildren<QMdiSubWindow *>()) {
                if ((frame->windowTitle() == mapTitle) != withMap)
                    frame->close();
                else if (withMap)
                    mapFrame = frame;
            }
            runFor(500);
            if (withMap && !(mapFrame && mapFrame->isVisible())) {
                state.SkipWithError("the Map window is not shown");
                break;
            }

            LatenessProbe probe;
            std::vector<std::pair<double, double>> samples{{0.0, rssMiB()}};
            peerThread.run([&] { peer->playAtRate(sampleLinesPerSecond, 10); });
            const double cpuStart = threadCpuSeconds();
            QElapsedTimer wall;
            wall.start();
            probe.start();
            for (int s = 1; s <= seconds; ++s) {
                runFor(int(qMax<qint64>(0, s * 1000 - wall.elapsed())));
                if (s % sampleEvery == 0) {
                    samples.emplace_back(double(s), rssMiB());
                    fprintf(stderr, "soak %s at %5d s (%3d min): rss %.1f MiB\n", withMap ? "map" : "others", s,
                            s / 60, samples.back().second);
                }
            }
            probe.stop();
            const double cpu = threadCpuSeconds() - cpuStart;
            const double elapsed = double(wall.nsecsElapsed()) / 1e9;
            peerThread.run([&] { peer->pause(); });
            // The newest position held back by the window's pace goes when its interval ends.
            runFor(2 * MapWidget::scriptIntervalMs);

            state.counters["rss_start_MiB"] = samples.front().second;
            state.counters["rss_end_MiB"] = samples.back().second;
            state.counters["slope_MiB/h"] = slopePerHour(samples, 0);
            state.counters["slope_last_2/3_MiB/h"] = slopePerHour(samples, seconds / 3.0);
            state.counters["gui_cpu_%"] = 100.0 * cpu / elapsed;
            state.counters["late_p99_ms"] = probe.percentile(0.99);
            state.counters["late_max_ms"] = probe.percentile(1.0);
            state.counters["dropped"] = peer->droppedClients();
            state.counters["boxes"] = boxes;
            if (withMap) {
                std::sort(collectionsMs.begin(), collectionsMs.end());
                state.counters["collections"] = double(collectionsMs.size());
                if (!collectionsMs.empty()) {
                    state.counters["collect_min_ms"] = collectionsMs.front();
                    state.counters["collect_median_ms"] = collectionsMs[collectionsMs.size() / 2];
                    state.counters["collect_max_ms"] = collectionsMs.back();
                }
                state.counters["map_newest"] = pageShowsScript(mapFrame->findChild<QWebView *>(), lastLocation);
                const QString screenshot = QDir(run.previous).absoluteFilePath(
                    qEnvironmentVariableIsSet("POLVANE_BENCH_SCREENSHOT")
                        ? QString::fromLocal8Bit(qgetenv("POLVANE_BENCH_SCREENSHOT"))
                        : QStringLiteral("map_soak_end.png"));
                mapFrame->grab().save(screenshot);
                fprintf(stderr, "soak map: newest %s, picture %s\n", qPrintable(lastLocation),
                        qPrintable(screenshot));
            }

            workspace->close();
            window.reset();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
        MapWidget::setScriptHook(nullptr);
        MapWidget::setCollectionHook(nullptr);
    }
}

BENCHMARK_CAPTURE(BM_Soak, map_60min, true)->Apply(oneRun);
BENCHMARK_CAPTURE(BM_Soak, others_60min, false)->Apply(oneRun);

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
