#pragma once

#include <cstdint>

struct Base;
class DrawingSurface;

// The four faces in their true size at the operator's zoom, centred on (x, y) in twips.
// Each draws over whatever is there; the circle faces leave the surface's fill style and
// fill colour as they found them.
void Draw_Unifight(DrawingSurface& surface, const Base& base, int32_t x, int32_t y);
void Draw_Euro(DrawingSurface& surface, const Base& base, int32_t x, int32_t y);
void Draw_Krug(DrawingSurface& surface, const Base& base, int32_t x, int32_t y);
void Draw_Kvadrat(DrawingSurface& surface, const Base& base, int32_t x, int32_t y);

namespace face_colours {
constexpr uint32_t kBlack = 0x000000;
constexpr uint32_t kWhite = 0xFFFFFF;
constexpr uint32_t kRed = 0x0000FF;
constexpr uint32_t kGreen = 0x00FF00;
} // namespace face_colours

// Red on the light-grey background, where green would be hard to see; green on every other.
uint32_t circleAndSquareColour(uint32_t standBackColor);
