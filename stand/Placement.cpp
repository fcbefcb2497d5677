#include "stand/Placement.h"

#include "platform/core/RandomSource.h"
#include "platform/core/Units.h"

#include <cstdlib>

using units::roundToInt32;

namespace {

struct Reserve {
    int32_t ox, oy; // half-extents around a centre
    int32_t sx, sy; // spans: least distance between the centres of one player's targets
};

Reserve reserveFor(TargetCode code, const TargetSizes& size, const Spans& span)
{
    switch (code) {
    case TargetCode::Unifight:
        return {size.UnifightHalfW, size.UnifightHalfH, span.UnifightSpanW, span.UnifightSpanH};
    case TargetCode::Euro:
        return {size.EuroRadius, size.EuroHalfH, span.EuroSpan, span.EuroSpanH};
    case TargetCode::Krug:
    case TargetCode::Kvadrat:
    case TargetCode::Random:
        break;
    }
    return {size.KrugSize, size.KrugHalfH, span.KrugSpan, span.KrugSpanH};
}

class Placer {
public:
    Placer(const PlacementField& field, platform::RandomSource& random, Series& series)
        : m_field(field)
        , m_random(random)
        , m_series(series)
        , m_reserve(reserveFor(series.TekTargetType, field.sizes, field.spans))
    {
        const Lanes& lanes = field.lanes;
        m_halfGap = roundToInt32(lanes.MenInterval / 2.0);
        const int32_t usableWidth = lanes.ZonaW - m_halfGap - 2 * kLaneMargin;
        m_rangeX = usableWidth - m_reserve.sx;
        m_rangeY = lanes.ZonaH - m_reserve.sy - 2 * kLaneMargin;
    }

    // A lane narrower or shorter than the target kind needs can hold no target at all.
    bool laneHasRoom() const { return m_rangeX >= 0 && m_rangeY >= 0; }

    // One attempt, target by target and within each player by player; false when a clear search ran out
    // of draws.
    bool attempt()
    {
        m_series.Men = {};
        for (int target = 0; target < m_series.targetsEach; ++target)
            for (int player = 0; player < m_series.players; ++player)
                if (target == 0)
                    draw(player, target);
                else if (!clearSearch(player, target))
                    return false;
        return true;
    }

private:
    // The candidate goes straight into the target's own place, before any test.
    void draw(int player, int target)
    {
        const Lanes& lanes = m_field.lanes;
        double r1 = 0;
        double r2 = 0;
        m_random.nextPair(r1, r2);
        double x = r1 * m_rangeX + m_reserve.ox + kLaneMargin;
        if (player == 0)
            x += lanes.ZonaW0;
        else
            x = x + lanes.ZonaW + m_halfGap;
        const double y = r2 * m_rangeY + m_reserve.oy + kLaneMargin + lanes.ZonaH0;
        m_series.Men[player][target] = {roundToInt32(x), roundToInt32(y)};
    }

    // Equality counts as a clash; the other player's targets are never compared.
    bool clashes(int player, int target) const
    {
        const Centre& c = m_series.Men[player][target];
        for (int earlier = 0; earlier < target; ++earlier) {
            const Centre& e = m_series.Men[player][earlier];
            if (std::abs(c.x - e.x) <= m_reserve.sx && std::abs(c.y - e.y) <= m_reserve.sy)
                return true;
        }
        return false;
    }

    // After a clashing last counted draw one more is drawn and thrown away with the attempt.
    bool clearSearch(int player, int target)
    {
        long draws = 0;
        do {
            draw(player, target);
            ++draws;
        } while (clashes(player, target) && draws <= kDrawsPerSearch);
        return draws <= kDrawsPerSearch;
    }

    const PlacementField& m_field;
    platform::RandomSource& m_random;
    Series& m_series;
    Reserve m_reserve;
    int32_t m_halfGap = 0;
    int32_t m_rangeX = 0;
    int32_t m_rangeY = 0;
};

} // namespace

TargetCode randomTargetCode(double r)
{
    const int32_t k = roundToInt32(r * 40);
    if (k < 10)
        return TargetCode::Unifight;
    if (k < 20)
        return TargetCode::Euro;
    if (k < 30)
        return TargetCode::Krug;
    return TargetCode::Kvadrat;
}

bool placeTargets(const PlacementField& field, platform::RandomSource& random, Series& series)
{
    // The kind is fixed once per series, not again when an attempt restarts.
    series.TekTargetType = field.TargetType == TargetCode::Random ? randomTargetCode(random.next()) : field.TargetType;
    // The stored count is read against 1 and 2: "Одна" stores 0.
    series.players = field.PlayerCount == 2 ? 2 : 1;
    series.targetsEach = field.TargetsPerPlayer > 2 ? 3 : field.TargetsPerPlayer > 1 ? 2 : 1;
    Placer placer(field, random, series);
    if (!placer.laneHasRoom())
        return false;
    for (int attempt = 1; attempt <= kPlacementAttempts; ++attempt)
        if (placer.attempt())
            return true;
    return false;
}

QString placementFailureMessage()
{
    return QStringLiteral("Не могу разместить мишени на предлагаемом поле. Возможно Вы его уменьшили до неприемлемых "
                          "размеров!\r\n\r\nИзмените настройки отображения мишеней!");
}
