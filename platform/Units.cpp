#include "Units.h"

#include <QScreen>
#include <QWidget>

#include <cmath>
#include <limits>

namespace units {

double roundHalfEven(double value)
{
    // Beyond 2^52 every double is whole already.
    constexpr double kWhole = 0x1p52;
    if (!(std::abs(value) < kWhole))
        return value;
    // Adding 2^52 leaves no bits for a fraction, so IEEE arithmetic rounds it off,
    // halves to the even neighbour; this runs ten million times in a failing placement.
    return value >= 0 ? (value + kWhole) - kWhole : (value - kWhole) + kWhole;
}

int32_t roundToInt32(double value)
{
    constexpr double lowest = std::numeric_limits<int32_t>::min();
    constexpr double highest = std::numeric_limits<int32_t>::max();
    if (std::isnan(value))
        return 0;
    const double rounded = roundHalfEven(value);
    if (rounded <= lowest)
        return std::numeric_limits<int32_t>::min();
    if (rounded >= highest)
        return std::numeric_limits<int32_t>::max();
    return static_cast<int32_t>(rounded);
}

std::optional<int16_t> roundToInt16(double value)
{
    if (!std::isfinite(value))
        return std::nullopt;
    const double rounded = roundHalfEven(value);
    if (rounded < std::numeric_limits<int16_t>::min() || rounded > std::numeric_limits<int16_t>::max())
        return std::nullopt;
    return static_cast<int16_t>(rounded);
}

double twipsPerPixel(const QWidget* widget)
{
    const QScreen* screen = widget ? widget->screen() : nullptr;
    const double dpi = screen ? screen->logicalDotsPerInchX() : 0.0;
    return dpi > 0.0 ? kTwipsPerInch / dpi : kDefaultTwipsPerPixel;
}

int twipsToPixels(double twips, double twipsPerPixel)
{
    return roundToInt32(twips / twipsPerPixel);
}

double pixelsToTwips(double pixels, double twipsPerPixel)
{
    return pixels * twipsPerPixel;
}

} // namespace units
