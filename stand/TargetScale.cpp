#include "TargetScale.h"

#include "platform/Units.h"
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
    TargetSizes sizes;
    sizes.UnifightHalfW = half(16);
    sizes.UnifightHalfH = std::max(half(18), faceLength(18, faceCentimetre(base).ky));
    sizes.EuroRadius = half(25);
    sizes.KrugSize = roundToInt32(double(base.CircleSize) * scaleX * base.TargetZoom / 100);
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

Spans targetSpans(const Base& base, const TargetSizes& sizes)
{
    const CorrectedCentimetre cm = correctedCentimetre(base);
    const auto span = [](double centimetre, int32_t half) { return roundToInt32(centimetre + 2 * half); };
    return {span(cm.kx, sizes.UnifightHalfW), span(cm.ky, sizes.UnifightHalfH), span(cm.kx, sizes.EuroRadius),
            span(cm.kx, sizes.KrugSize)};
}
