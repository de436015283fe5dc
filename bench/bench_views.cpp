// links: views Qt5::Widgets
//
// How long one full paint of each plot view takes when it holds its largest load:
// the views repaint on every sample, so this bounds the data rate the GUI keeps up with.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>

#include <cmath>

#include "plotview.h"
#include "skyview.h"
#include "snrview.h"
#include "trackview.h"

namespace {

void paintLoop(benchmark::State &state, QWidget &view)
{
    QImage image(view.size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        view.render(&image);
        benchmark::DoNotOptimize(image.constBits());
    }
    state.counters["paints/s"] = benchmark::Counter(double(state.iterations()), benchmark::Counter::kIsRate);
}

void BM_PlotViewFull(benchmark::State &state)
{
    PlotView view;
    view.resize(800, 300);
    for (int i = 0; i < 5000; ++i)
        view.addValue(i * 0.03, std::sin(i / 100.0), qint16(i % 6));
    paintLoop(state, view);
}
BENCHMARK(BM_PlotViewFull);

// What a new sample costs at full load: the time window slides, so every dot moves.
void BM_PlotViewSample(benchmark::State &state)
{
    PlotView view;
    view.resize(800, 300);
    int i = 0;
    for (; i < 5000; ++i)
        view.addValue(i * 0.03, std::sin(i / 100.0), qint16(i % 6));
    QImage image(view.size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        view.addValue(i * 0.03, std::sin(i / 100.0), qint16(i % 6));
        ++i;
        view.render(&image);
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_PlotViewSample);

void BM_TrackViewFull(benchmark::State &state)
{
    TrackView view;
    view.resize(600, 600);
    for (int i = 0; i < 5000; ++i)
        view.addPoint(0.4 * std::cos(i / 300.0), 0.3 * std::sin(i / 170.0), qint16(i % 7));
    paintLoop(state, view);
}
BENCHMARK(BM_TrackViewFull);

// A new sample in mean mode: the reference moves, every point shifts, one is added.
void BM_TrackViewSample(benchmark::State &state)
{
    TrackView view;
    view.resize(600, 600);
    int i = 0;
    for (; i < 5000; ++i)
        view.addPoint(0.4 * std::cos(i / 300.0), 0.3 * std::sin(i / 170.0), qint16(i % 7));
    QImage image(view.size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        view.shiftPoints(1e-5 * std::sin(i / 7.0), 1e-5 * std::cos(i / 5.0));
        view.addPoint(0.4 * std::cos(i / 300.0), 0.3 * std::sin(i / 170.0), qint16(i % 7));
        ++i;
        view.render(&image);
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_TrackViewSample);

void BM_SkyViewFull(benchmark::State &state)
{
    SkyView view;
    view.resize(600, 640);
    const SatNavSysEnum systems[] = {NavSysGPS, NavSysGLONASS, NavSysGalileo, NavSysBeiDou, NavSysNavIC, NavSysSBAS};
    for (SatNavSysEnum system : systems) {
        QVector<SatelliteInfo> list;
        QSet<int> used;
        for (int n = 1; n <= 16; ++n) {
            list.append(SatelliteInfo(short(n), short(5 * n), 22 * n + system, 40, n % 2 ? 35 : -1));
            if (n % 3)
                used.insert(n);
        }
        view.setSatellites(system, list);
        view.setUsedSatellites(system, used);
    }
    paintLoop(state, view);
}
BENCHMARK(BM_SkyViewFull);

void BM_SnrViewFull(benchmark::State &state)
{
    SnrView view;
    view.resize(600, 260);
    QVector<SatelliteInfo> list;
    for (int n = 1; n <= 32; ++n)
        list.append(SatelliteInfo(short(n), 30, 100, short(20 + n), short(n % 3 ? 15 + n : -1)));
    view.setData(list);
    paintLoop(state, view);
}
BENCHMARK(BM_SnrViewFull);

// The sky at its worst: every satellite of the full sky moves between two paints,
// so nothing drawn for the last paint can be drawn again.
void BM_SkyViewMoving(benchmark::State &state)
{
    SkyView view;
    view.resize(600, 640);
    const SatNavSysEnum systems[] = {NavSysGPS, NavSysGLONASS, NavSysGalileo, NavSysBeiDou, NavSysNavIC, NavSysSBAS};
    QImage image(view.size(), QImage::Format_ARGB32_Premultiplied);
    int step = 0;
    for (auto _ : state) {
        for (SatNavSysEnum system : systems) {
            QVector<SatelliteInfo> list;
            for (int n = 1; n <= 16; ++n)
                list.append(SatelliteInfo(short(n), short(5 * n), 22 * n + system + step % 2, 40, n % 2 ? 35 : -1));
            view.setSatellites(system, list);
        }
        ++step;
        view.render(&image);
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_SkyViewMoving);

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
