#include "stand/drawing/TargetFaces.h"

#include "settings/Base.h"
#include "stand/TargetScale.h"
#include "stand/drawing/DrawingSurface.h"

using namespace palette;
namespace {

struct BoxZone {
    int halfWidthCm;
    int halfHeightCm;
    Bgr colour;
};

// Outermost first: each zone paints over the middle of the one before it.
constexpr BoxZone kUnifightZones[] = {{16, 18, kBlack}, {12, 14, kWhite}, {8, 10, kBlack}, {4, 6, kWhite}};

struct RingZone {
    int radiusCm;
    Bgr colour;
};

constexpr RingZone kEuroZones[] = {{25, kRed}, {20, kWhite}, {15, kRed}, {10, kWhite}, {5, kBlack}};

void box(DrawingSurface& surface, int32_t x, int32_t y, int32_t hx, int32_t hy, Bgr colour)
{
    surface.filledBox(x - hx, y - hy, x + hx, y + hy, colour);
}

// Saves the fill settings and sets a solid fill for the circle zones; restores them when done.
class SolidFill {
public:
    explicit SolidFill(DrawingSurface& surface)
        : m_surface(surface)
        , m_style(surface.fillStyle())
        , m_colour(surface.fillColor())
    {
        surface.setFillStyle(FillStyle::Solid);
    }
    ~SolidFill()
    {
        m_surface.setFillColor(m_colour);
        m_surface.setFillStyle(m_style);
    }
    SolidFill(const SolidFill&) = delete;
    SolidFill& operator=(const SolidFill&) = delete;

    void zone(int32_t x, int32_t y, int32_t radiusAcross, int32_t radiusDown, Bgr colour)
    {
        m_surface.setFillColor(colour);
        m_surface.ellipse(x, y, radiusAcross, radiusDown, colour);
    }

private:
    DrawingSurface& m_surface;
    FillStyle m_style;
    Bgr m_colour;
};

} // namespace

Bgr circleAndSquareColour(Bgr standBackColor)
{
    return standBackColor == kLightGrey ? kRed : kGreen;
}

void drawFace(TargetCode kind, DrawingSurface& surface, const Base& base, int32_t x, int32_t y)
{
    switch (kind) {
    case TargetCode::Unifight:
        return Draw_Unifight(surface, base, x, y);
    case TargetCode::Euro:
        return Draw_Euro(surface, base, x, y);
    case TargetCode::Krug:
        return Draw_Krug(surface, base, x, y);
    case TargetCode::Kvadrat:
        return Draw_Kvadrat(surface, base, x, y);
    case TargetCode::Random:
        break;
    }
}

void Draw_Unifight(DrawingSurface& surface, const Base& base, int32_t x, int32_t y)
{
    const FaceCentimetre cm = faceCentimetre(base);
    for (const BoxZone& zone : kUnifightZones)
        box(surface, x, y, faceLength(zone.halfWidthCm, cm.kx), faceLength(zone.halfHeightCm, cm.ky), zone.colour);
}

void Draw_Euro(DrawingSurface& surface, const Base& base, int32_t x, int32_t y)
{
    const FaceCentimetre cm = faceCentimetre(base);
    SolidFill fill(surface);
    for (const RingZone& zone : kEuroZones)
        fill.zone(x, y, faceLength(zone.radiusCm, cm.kx), faceLength(zone.radiusCm, cm.ky), zone.colour);
}

void Draw_Krug(DrawingSurface& surface, const Base& base, int32_t x, int32_t y)
{
    const FaceCentimetre cm = faceCentimetre(base);
    SolidFill fill(surface);
    fill.zone(x, y, halfCircleSize(base.CircleSize, cm.kx), halfCircleSize(base.CircleSize, cm.ky),
              circleAndSquareColour(base.StandBackColor));
}

void Draw_Kvadrat(DrawingSurface& surface, const Base& base, int32_t x, int32_t y)
{
    const FaceCentimetre cm = faceCentimetre(base);
    box(surface, x, y, halfCircleSize(base.CircleSize, cm.kx), halfCircleSize(base.CircleSize, cm.ky),
        circleAndSquareColour(base.StandBackColor));
}
