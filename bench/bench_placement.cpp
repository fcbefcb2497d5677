// A placement that cannot succeed: the window freezes until the failure message shows.
#include "platform/ClockRandom.h"
#include "settings/Base.h"
#include "stand/Placement.h"

#include <benchmark/benchmark.h>

namespace {

void failingPlacement(benchmark::State& state)
{
    Base base;
    SetDefaults(base, std::nullopt);
    base.TargetZoom = 150;
    base.TopMargin = 20;
    base.BottomMargin = 40;
    computeScale(base, 5000, 5000);

    // The design-size window: Euro faces at zoom 150 are wider than a player's lane.
    PlacementField field;
    field.PlayerCount = 2;
    field.TargetsPerPlayer = 3;
    field.TargetType = TargetCode::Euro;
    field.lanes = layoutLanes(10305, 6555, base);
    field.sizes = targetSizes(base);
    field.spans = targetSpans(base, field.sizes);

    platform::ClockRandom random; // the program's own generator takes the inlined path
    for (auto _ : state) {
        Series series;
        if (placeTargets(field, random, series)) {
            state.SkipWithError("the targets found room, so this is not the failing placement");
            break;
        }
    }
}

} // namespace

BENCHMARK(failingPlacement)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
