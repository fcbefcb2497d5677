#pragma once

// What the tests hold every placement to: a player's lane and the room a kind reserves.
#include "platform/Units.h"
#include "settings/Base.h"
#include "stand/StandLayout.h"
#include "stand/TargetScale.h"

#include <cstdint>

// Ox, Oy: half-extents reserved around a centre; Sx, Sy: spans between one player's centres.
struct Reserve {
    int32_t ox, oy, sx, sy;
};

inline Reserve reserveOf(const TargetSizes& sizes, const Spans& spans, TargetCode code)
{
    switch (code) {
    case TargetCode::Unifight:
        return {sizes.UnifightHalfW, sizes.UnifightHalfH, spans.UnifightSpanW, spans.UnifightSpanH};
    case TargetCode::Euro:
        return {sizes.EuroRadius, sizes.EuroRadius, spans.EuroSpan, spans.EuroSpan};
    default:
        return {sizes.KrugSize, sizes.KrugSize, spans.KrugSpan, spans.KrugSpan};
    }
}

// Left and right edge of a player's lane (0 or 1): player 1's ends and player 2's starts
// half the gap away from the window's middle.
struct LaneEdges {
    int32_t left, right;
};

inline LaneEdges laneEdges(const Lanes& lanes, int player)
{
    const int32_t halfGap = units::roundToInt32(lanes.MenInterval / 2.0);
    if (player == 0)
        return {lanes.ZonaW0, lanes.ZonaW0 + lanes.ZonaW - halfGap};
    return {lanes.ZonaW + halfGap, 2 * lanes.ZonaW};
}
