// The tick that starts a series, through placing and drawing to the stand window painted,
// on a real frmStend of 3840 x 2160 pixels: all of it runs between two frames of the screen.
#include "QuietPlatform.h"

#include "StandProbe.h"
#include "settings/Base.h"

#include <QApplication>

#include <benchmark/benchmark.h>

namespace {

void tickToPaintedSeries(benchmark::State& state, TargetCode kind)
{
    Base base;
    SetDefaults(base, std::nullopt);
    base.PlayerCount = 2;
    base.TargetsPerPlayer = 3;
    base.TargetType = kind;
    // Series of one second with pauses of one: every other tick starts a series.
    base.ShowTime = 1;
    base.PauseTime = 1;
    QuietPlatform quiet;
    frmStend stand(base, quiet);
    StandProbe probe(stand);
    stand.show();
    probe.knGoClick();
    probe.tik().stop(); // the ticks come from the loop below
    QCoreApplication::processEvents();
    stand.setWindowState(Qt::WindowNoState);
    stand.resize(3840, 2160); // lanes laid out for the size
    QCoreApplication::processEvents();
    for (int t = 0; t < 2; ++t) // to the tick before the first series
        probe.tick();

    long series = 0;
    for (auto _ : state) {
        probe.tick();
        stand.repaint();
        series += probe.cycle().state() == ShowStateCode::Series;
        state.PauseTiming();
        probe.tick(); // the series ends, the pause of one tick begins
        state.ResumeTiming();
    }
    if (series != long(state.iterations()) || probe.cycle().placeBusy())
        state.SkipWithError("a measured tick started no series");
}

} // namespace

BENCHMARK_CAPTURE(tickToPaintedSeries, euro, TargetCode::Euro)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(tickToPaintedSeries, unifight, TargetCode::Unifight)->Unit(benchmark::kMillisecond);

int main(int argc, char* argv[])
{
    // A real window, but no screen needed.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
