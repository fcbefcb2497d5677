// The tick that starts a series, through placing and drawing to the stand window painted,
// on a real frmStend of 3840 x 2160 pixels: all of it runs between two frames of the screen.
#include "QuietPlatform.h"

#include "settings/Base.h"
#include "stand/frmStend.h"

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
    QuietPlatform quiet;
    frmStend stand(base, quiet);
    stand.show();
    stand.knGoClick();
    stand.tik().stop(); // the ticks come from the loop below
    QCoreApplication::processEvents();
    stand.setWindowState(Qt::WindowNoState);
    stand.resize(3840, 2160); // lanes laid out for the size
    QCoreApplication::processEvents();

    for (auto _ : state) {
        state.PauseTiming();
        stand.clearDrawing();
        // One tick before a series, as the countdown leaves it.
        base.ShowState = ShowStateCode::Countdown;
        base.NextTick = stand.cycle().TikCount + 1;
        state.ResumeTiming();
        stand.tikTimer();
        stand.repaint();
    }
    if (stand.cycle().PlaceBusy)
        state.SkipWithError("a placement failed, so no series was drawn");
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
