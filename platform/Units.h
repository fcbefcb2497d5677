#pragma once

#include <cstdint>
#include <optional>

class QWidget;

namespace units {

constexpr double kTwipsPerInch = 1440.0;
constexpr double kDefaultTwipsPerPixel = 15.0; // 96 dpi

// Nearest whole number, halves to the even neighbour (2.5 -> 2, 3.5 -> 4, -2.5 -> -2).
double roundHalfEven(double value);

// Rounded as above; values beyond the 32-bit range are clamped rather than wrapped.
int32_t roundToInt32(double value);

// Rounded as above; nothing when the result does not fit 16 bits signed.
std::optional<int16_t> roundToInt16(double value);

// 1440 / logical dpi of the widget's screen.
double twipsPerPixel(const QWidget* widget);

int twipsToPixels(double twips, double twipsPerPixel);
double pixelsToTwips(double pixels, double twipsPerPixel);

} // namespace units
