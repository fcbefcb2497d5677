#include "stand/TargetScale.h"

#include "platform/core/Units.h"
#include "settings/Base.h"

#include <algorithm>

using units::roundToInt32;

namespace {

bool outOfRange(int16_t millimetres)
{
    return millimetres < kShortestCalibration || millimetres > kLongestCalibration;
}

} // namespace

CalibrationFault checkCalibration(const Base& base)
{
    if (outOfRange(base.KalibrDx))
        return CalibrationFault::Width;
    if (outOfRange(base.KalibrDy))
        return CalibrationFault::Height;
    return CalibrationFault::None;
}

QString calibrationFaultMessage(CalibrationFault fault)
{
    switch (fault) {
    case CalibrationFault::Width:
        return QStringLiteral("Задано некорректное значение калибровки по ширине!");
    case CalibrationFault::Height:
        return QStringLiteral("Задано некорректное значение калибровки по высоте!");
    case CalibrationFault::None:
        break;
    }
    return {};
}

void computeScale(Base& base, double horizontalLineTwips, double verticalLineTwips)
{
    base.ScaleX = static_cast<float>(horizontalLineTwips / base.KalibrDx * 10);
    base.ScaleY = static_cast<float>(verticalLineTwips / base.KalibrDy * 10);
}

TargetSizes targetSizes(const Base& base)
{
    // Each product is formed left to right and rounded once.
    const double scaleX = base.ScaleX;
    const auto half = [&](int centimetres) {
        return roundToInt32(scaleX * centimetres * base.TargetZoom / 100);
    };
    const float ky = faceCentimetre(base).ky;
    TargetSizes sizes;
    sizes.UnifightHalfW = half(16);
    sizes.UnifightHalfH = std::max(half(18), faceLength(18, ky));
    sizes.EuroRadius = half(25);
    sizes.EuroHalfH = std::max(sizes.EuroRadius, faceLength(25, ky));
    sizes.KrugSize = roundToInt32(double(base.CircleSize) * scaleX * base.TargetZoom / 100);
    sizes.KrugHalfH = std::max(sizes.KrugSize, halfCircleSize(base.CircleSize, ky));
    return sizes;
}

CorrectedCentimetre correctedCentimetre(const Base& base)
{
    return {double(base.ScaleX) * base.TargetZoom / 100, double(base.ScaleY) * base.TargetZoom / 100};
}

FaceCentimetre faceCentimetre(const Base& base)
{
    const CorrectedCentimetre cm = correctedCentimetre(base);
    return {static_cast<float>(cm.kx), static_cast<float>(cm.ky)};
}

int32_t faceLength(int centimetres, float corrected)
{
    return roundToInt32(centimetres * corrected);
}

int32_t halfCircleSize(int16_t circleSize, float corrected)
{
    return roundToInt32(circleSize * corrected / 2);
}

Spans targetSpans(const Base& base, const TargetSizes& sizes)
{
    const CorrectedCentimetre cm = correctedCentimetre(base);
    const auto span = [](double centimetre, int32_t half) {
        return roundToInt32(centimetre + 2 * half);
    };
    // Down, the round faces keep their span across unless the face drawn down needs more.
    const auto spanDown = [&](int32_t across, int32_t halfDown) {
        return std::max(across, span(cm.ky, halfDown));
    };
    Spans spans;
    spans.UnifightSpanW = span(cm.kx, sizes.UnifightHalfW);
    spans.UnifightSpanH = span(cm.ky, sizes.UnifightHalfH);
    spans.EuroSpan = span(cm.kx, sizes.EuroRadius);
    spans.EuroSpanH = spanDown(spans.EuroSpan, sizes.EuroHalfH);
    spans.KrugSpan = span(cm.kx, sizes.KrugSize);
    spans.KrugSpanH = spanDown(spans.KrugSpan, sizes.KrugHalfH);
    return spans;
}
