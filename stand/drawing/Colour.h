#pragma once

#include <QColor>

#include <cstdint>

// The program keeps colours as 0x00BBGGRR: red in the low byte.
inline QColor colourFromBgr(uint32_t bgr)
{
    return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
}

inline uint32_t bgrFromColour(const QColor& colour)
{
    return uint32_t(colour.red()) | uint32_t(colour.green()) << 8 | uint32_t(colour.blue()) << 16;
}
