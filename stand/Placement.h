#pragma once

#include "settings/Base.h"
#include "stand/StandLayout.h"
#include "stand/TargetScale.h"

#include <QString>

#include <array>
#include <cstdint>

namespace platform {
class RandomSource;
}

struct Centre {
    int32_t x{};
    int32_t y{};
    bool operator==(const Centre&) const = default;
};

// Men[player][target], both counted from 0: Men[0][0] holds Men1X1 and Men1Y1,
// Men[1][2] holds Men2X3 and Men2Y3. Twips.
using Centres = std::array<std::array<Centre, 3>, 2>;

// One series: its kind, how many targets each of how many players has, and where each stands.
struct Series {
    TargetCode TekTargetType = TargetCode::Unifight;
    int players{};
    int targetsEach{};
    Centres Men{};
};

// What the placement reads: the settings, the lanes, and the reserved sizes.
struct PlacementField {
    int32_t PlayerCount{};
    int32_t TargetsPerPlayer{};
    TargetCode TargetType = TargetCode::Unifight;
    Lanes lanes;
    TargetSizes sizes;
    Spans spans;
};

constexpr int kPlacementAttempts = 10;
constexpr long kDrawsPerSearch = 1000000;
constexpr int32_t kLaneMargin = 150; // twips kept free at the left and top of a lane

// Fixes the kind of the series, how many targets it has, and a centre for every target. False
// when the lanes are too small for the kind, or when ten attempts could not keep one player's
// targets apart; the series then holds what the last attempt left, if any.
bool placeTargets(const PlacementField& field, platform::RandomSource& random, Series& series);

// Random kind: r x 40 rounded, below 10 Unifight, below 20 Euro, below 30 circle, else square.
TargetCode randomTargetCode(double r);

QString placementFailureMessage();
