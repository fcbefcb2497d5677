#pragma once

#include "settings/Palette.h"
#include "stand/StandLayout.h"

#include <QString>

#include <cstdint>

// The measuring cross: two white lines of a known length in twips that the operator
// measures on the stand with a tape.
struct CalibrationCross {
    LineEnds kalibr_H; // vertical
    LineEnds Kalibr_W; // horizontal
};

constexpr double kCrossHalfLength = 2500; // twips; the same length the lines have at their design places
constexpr double kCrossOffset = 500;      // the vertical line stands this far right of the middle
constexpr Bgr kCalibrationBackColor = palette::kOlive;

// For a window of outer size W x H twips; fractions are kept.
CalibrationCross calibrationCross(double W, double H);

QString calibrationInstructions();
