#pragma once

#include <QString>

#include <cstdint>

struct Base;

// Lengths in twips; a centimetre on the stand is ScaleX twips across and ScaleY down.

constexpr int16_t kShortestCalibration = 10;  // mm
constexpr int16_t kLongestCalibration = 3000; // mm

enum class CalibrationFault { None, Width, Height };

// The width is checked first: with both lengths wrong only its fault is reported.
CalibrationFault checkCalibration(const Base& base);
QString calibrationFaultMessage(CalibrationFault fault);

// Twips of the calibration lines over their measured lengths in centimetres.
void computeScale(Base& base, double horizontalLineTwips, double verticalLineTwips);

// Reserved around a target's centre, taken with the horizontal scale. Down, the room is
// never less than the face drawn with the vertical scale, so that a tall calibration cannot
// draw one player's faces over each other or over the lane's edge.
struct TargetSizes {
    int32_t UnifightHalfW{};
    int32_t UnifightHalfH{};
    int32_t EuroRadius{};
    int32_t EuroHalfH{};
    int32_t KrugSize{}; // the circle's full diameter, the square's full side
    int32_t KrugHalfH{};
};

// Least distances between the centres of one player's targets, across and down.
struct Spans {
    int32_t UnifightSpanW{};
    int32_t UnifightSpanH{};
    int32_t EuroSpan{};
    int32_t EuroSpanH{};
    int32_t KrugSpan{};
    int32_t KrugSpanH{};
};

TargetSizes targetSizes(const Base& base);
Spans targetSpans(const Base& base, const TargetSizes& sizes);

// One centimetre at the operator's zoom, across and down.
struct CorrectedCentimetre {
    double kx{};
    double ky{};
};

CorrectedCentimetre correctedCentimetre(const Base& base);

// The drawn faces hold the corrected centimetre as 32-bit floats.
struct FaceCentimetre {
    float kx{};
    float ky{};
};

FaceCentimetre faceCentimetre(const Base& base);

// A drawn length of whole centimetres, in twips.
int32_t faceLength(int centimetres, float corrected);
// Half the circle's diameter and the square's side as drawn, in twips.
int32_t halfCircleSize(int16_t circleSize, float corrected);
