#pragma once

#include <cstdint>

// A colour as the settings hold it: 0x00BBGGRR, red in the low byte.
struct Bgr {
    uint32_t value{};

    constexpr int red() const { return int(value & 0xFF); }
    constexpr int green() const { return int(value >> 8 & 0xFF); }
    constexpr int blue() const { return int(value >> 16 & 0xFF); }
    constexpr bool operator==(const Bgr&) const = default;
};

// Every colour the program shows, by name; red, green, blue in the comments.
namespace palette {
constexpr Bgr kBlack{0x000000};
constexpr Bgr kWhite{0xFFFFFF};
constexpr Bgr kRed{0x0000FF};
constexpr Bgr kGreen{0x00FF00};
constexpr Bgr kYellow{0x00FFFF};
constexpr Bgr kLightCyan{0xFFFF80};  // 128, 255, 255
constexpr Bgr kNearWhite{0xF0F0F0};  // 240, 240, 240
constexpr Bgr kDullYellow{0x00C0C0}; // 192, 192, 0
// The stand's backgrounds, as the settings window offers them.
constexpr Bgr kNearBlack{0x101010};
constexpr Bgr kDarkGrey{0x404040};
constexpr Bgr kGrey{0x808080};
constexpr Bgr kSilver{0xC0C0C0};
constexpr Bgr kLightGrey{0xE0E0E0};
constexpr Bgr kOlive{0x008080};    // 128, 128, 0
constexpr Bgr kDarkTeal{0x404000}; // 0, 64, 64
// The settings window's fields and option buttons.
constexpr Bgr kFieldGrey{0xC3C3C3};
} // namespace palette
