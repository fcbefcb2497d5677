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

// Reserved around a target's centre, taken with the horizontal scale; the Unifight
// half-height is never less than the face drawn with the vertical one, so that a tall
// calibration cannot draw one player's Unifight faces over each other.
struct TargetSizes {
    int32_t UnifightHalfW = 0;
    int32_t UnifightHalfH = 0;
    int32_t EuroRadius = 0;
    int32_t KrugSize = 0; // the circle's full diameter, the square's full side
};

// Least distances between the centres of one player's targets.
struct Spans {
    int32_t UnifightSpanW = 0;
    int32_t UnifightSpanH = 0;
    int32_t EuroSpan = 0;
    int32_t KrugSpan = 0;
};

TargetSizes targetSizes(const Base& base);
Spans targetSpans(const Base& base, const TargetSizes& sizes);

// One centimetre at the operator's zoom, across and down.
struct CorrectedCentimetre {
    double kx = 0;
    double ky = 0;
};

CorrectedCentimetre correctedCentimetre(const Base& base);

// The drawn faces hold the corrected centimetre as 32-bit floats.
struct FaceCentimetre {
    float kx = 0;
    float ky = 0;
};

FaceCentimetre faceCentimetre(const Base& base);

// A drawn length of whole centimetres, in twips.
int32_t faceLength(int centimetres, float corrected);
