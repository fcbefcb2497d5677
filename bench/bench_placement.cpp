// A placement that cannot succeed: the window freezes until the failure message shows.
#include "Median.h"

#include "platform/ClockRandom.h"
#include "settings/Base.h"
#include "stand/Placement.h"

int main()
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

    platform::ClockRandom random;
    bool placed = false;
    reportMedianMs("failing placement (10 attempts, over 10 million candidates)", 15, [&] {
        Series series;
        placed = placeTargets(field, random, series);
    });
    return placed ? 1 : 0;
}
