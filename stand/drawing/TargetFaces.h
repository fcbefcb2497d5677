#pragma once

#include "settings/Base.h"
#include "settings/Palette.h"

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

// The face of a series' kind; nothing for a kind that is no face.
void drawFace(TargetCode kind, DrawingSurface& surface, const Base& base, int32_t x, int32_t y);

// Red on the light-grey background, where green would be hard to see; green on every other.
Bgr circleAndSquareColour(Bgr standBackColor);
