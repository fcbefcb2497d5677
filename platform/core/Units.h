#pragma once

#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>

// A control's place: left, top, width, height in twips.
struct TwipsRect {
    double left{}, top{}, width{}, height{};
    bool operator==(const TwipsRect&) const = default;
};

namespace units {

constexpr double kTwipsPerInch = 1440.0;
constexpr double kDefaultTwipsPerPixel = 15.0; // 96 dpi

// Nearest whole number, halves to the even neighbour (2.5 -> 2, 3.5 -> 4, -2.5 -> -2).
// Inline: a failing placement rounds twenty million times.
inline double roundHalfEven(double value)
{
    // Beyond 2^52 every double is whole already.
    constexpr double kWhole = 0x1p52;
    if (!(std::abs(value) < kWhole))
        return value;
    // Adding 2^52 leaves no bits for a fraction, so IEEE arithmetic rounds it off,
    // halves to the even neighbour.
    return value >= 0 ? (value + kWhole) - kWhole : (value - kWhole) + kWhole;
}

// Rounded as above; values beyond the 32-bit range are clamped rather than wrapped.
inline int32_t roundToInt32(double value)
{
    constexpr double lowest = std::numeric_limits<int32_t>::min();
    constexpr double highest = std::numeric_limits<int32_t>::max();
    // In range, lrint rounds in the processor's default mode, halves to even, as roundHalfEven
    // does; built without errno for maths it is one instruction.
    if (std::abs(value) < highest)
        return static_cast<int32_t>(std::lrint(value));
    const double rounded = roundHalfEven(value);
    if (rounded >= lowest && rounded <= highest)
        return static_cast<int32_t>(rounded);
    if (std::isnan(rounded))
        return 0;
    return rounded < lowest ? std::numeric_limits<int32_t>::min() : std::numeric_limits<int32_t>::max();
}

// Rounded as above; nothing when the result does not fit 16 bits signed.
std::optional<int16_t> roundToInt16(double value);

int twipsToPixels(double twips, double twipsPerPixel);
double pixelsToTwips(double pixels, double twipsPerPixel);

} // namespace units
