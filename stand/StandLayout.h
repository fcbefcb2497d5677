#pragma once

#include "platform/core/Units.h"

#include <cstdint>

struct Base;

// All lengths here are twips. Line ends keep their fractions; the lane values are
// rounded halves-to-even and held in 32 bits, so 4K and 8K projectors fit.

struct LineEnds {
    double x1{}, y1{}, x2{}, y2{};
    bool operator==(const LineEnds&) const = default;
};

// The playing field of a stand window of outer size W x H.
struct Lanes {
    int32_t ZonaW{};  // one lane slot: half the window width
    int32_t ZonaW0{}; // left edge of the first (or only) lane
    int32_t ZonaH{};  // height of the lanes
    int32_t ZonaH0{}; // top edge of the lanes
    int32_t MenInterval{};

    LineEnds BorderLeft, BorderRight, BorderTop, BorderBottom;
    bool separatorsShown{}; // two players: MenBorder and MenBorder2 stand at the ends below
    LineEnds MenBorder, MenBorder2;
};

constexpr double kBorderRightInset = 30; // the right border stands this far left of the mirror of the left one
constexpr double kLabelTop = 15;

Lanes layoutLanes(double W, double H, const Base& base);

// ZonaH0: top edge of the lanes, also set by the settings window before each showing.
int32_t laneTop(double H, int32_t topMargin);

// Where the resize puts the controls that follow the window's size; each comes in
// with its design rectangle and goes out moved.
struct CentredControls {
    TwipsRect labExitRight, labMsg, labTimer, knGo, knKalibrovka, knStopKalibr;
};

constexpr double kButtonGap = 300;

CentredControls centreControls(double W, double H, CentredControls design);
