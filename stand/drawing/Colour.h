#pragma once

#include "settings/Palette.h"

#include <QColor>

inline QColor qColour(Bgr colour)
{
    return QColor(colour.red(), colour.green(), colour.blue());
}

inline Bgr bgr(const QColor& colour)
{
    return {uint32_t(colour.red()) | uint32_t(colour.green()) << 8 | uint32_t(colour.blue()) << 16};
}
