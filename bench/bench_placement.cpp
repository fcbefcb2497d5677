// A placement that cannot succeed: the window freezes until the failure message shows.
#include "platform/core/ClockRandom.h"
#include "settings/Base.h"
#include "stand/Placement.h"

#include <benchmark/benchmark.h>

namespace {

void failingPlacement(benchmark::State& state)
{
    Base base;
    SetDefaults(base, std::nullopt);
    computeScale(base, 5000, 5000);

    // Lanes with room for one Euro face and 100 twips to spare: a second one always clashes with
    // the first, so every attempt runs its clear search to the end.
    PlacementField field;
    field.PlayerCount = 2;
    field.TargetsPerPlayer = 3;
    field.TargetType = TargetCode::Euro;
    field.lanes = layoutLanes(10305, 6555, base);
    field.sizes = targetSizes(base);
    field.spans = targetSpans(base, field.sizes);
    field.lanes.ZonaW = field.spans.EuroSpan + 2 * kLaneMargin + 100;
    field.lanes.ZonaH = field.spans.EuroSpanH + 2 * kLaneMargin + 100;

    // Per attempt both players' first targets, then a million and one candidates for player 1's second.
    constexpr long kNumbers = kPlacementAttempts * (4 + 2 * (kDrawsPerSearch + 1));
    // The program's own generator, as the stand window hands it over; a twin of it, stepped outside
    // the measurement, tells how many numbers the placement drew.
    platform::ClockRandom random;
    platform::ClockRandom twin;
    random.seed(20261210);
    twin.seed(20261210);
    for (auto _ : state) {
        Series series;
        const bool placed = placeTargets(field, random, series);
        state.PauseTiming();
        for (long n = 0; n < kNumbers; ++n)
            twin.next();
        const bool everyCandidate = twin.next() == random.next();
        state.ResumeTiming();
        if (placed) {
            state.SkipWithError("the targets found room, so this is not the failing placement");
            break;
        }
        if (!everyCandidate) {
            state.SkipWithError("the placement did not draw exactly every candidate of ten attempts");
            break;
        }
    }
    state.counters["candidates"] = double(kNumbers / 2);
}

} // namespace

BENCHMARK(failingPlacement)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
