#include "platform/core/Units.h"

#include <cmath>
#include <limits>

namespace units {

std::optional<int16_t> roundToInt16(double value)
{
    if (!std::isfinite(value))
        return std::nullopt;
    const double rounded = roundHalfEven(value);
    if (rounded < std::numeric_limits<int16_t>::min() || rounded > std::numeric_limits<int16_t>::max())
        return std::nullopt;
    return static_cast<int16_t>(rounded);
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
