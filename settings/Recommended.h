#pragma once

#include "settings/Base.h"

#include <cstdint>

// The settings a run starts with, which "Рекомендуемые" puts back; the fields show them as text.
struct RecommendedValues {
    int32_t PlayerCount;
    int32_t TargetsPerPlayer;
    TargetCode TargetType;
    PauseCode PauseMode;
    int32_t TargetZoom;     // percent
    int16_t PlayerInterval; // percent
    int32_t TopMargin;      // percent
    int32_t BottomMargin;   // percent
    int16_t KalibrDx;       // millimetres
    int16_t KalibrDy;       // millimetres
};

constexpr RecommendedValues kRecommended{.PlayerCount = 2,
                                         .TargetsPerPlayer = 3,
                                         .TargetType = TargetCode::Unifight,
                                         .PauseMode = PauseCode::Fixed,
                                         .TargetZoom = 100,
                                         .PlayerInterval = 0,
                                         .TopMargin = 10,
                                         .BottomMargin = 20,
                                         .KalibrDx = 725,
                                         .KalibrDy = 765};

// The three lists' values: seconds, centimetres, seconds.
struct ListValues {
    int16_t ShowTime;
    int16_t CircleSize;
    int16_t PauseTime;
};

// What SetDefaults stores until the first OK copies the lists; the pause is not the list's.
constexpr ListValues kStartStored{.ShowTime = 5, .CircleSize = 5, .PauseTime = 30};
// The entries chosen as the window opens.
constexpr ListValues kOpeningEntries{.ShowTime = 5, .CircleSize = 5, .PauseTime = 50};
// The entries "Рекомендуемые" chooses.
constexpr ListValues kRecommendedEntries{.ShowTime = 7, .CircleSize = 8, .PauseTime = 30};
