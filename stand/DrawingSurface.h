#pragma once

#include <QImage>

#include <cstdint>

enum class FillStyle { Solid, Transparent };

// What has been drawn on the stand window: it persists between paints and across
// size changes until cleared. Coordinates come in twips and are converted here.
class DrawingSurface {
public:
    explicit DrawingSurface(double twipsPerPixel);

    void setTwipsPerPixel(double twipsPerPixel) { m_twipsPerPixel = twipsPerPixel; }
    double twipsPerPixel() const { return m_twipsPerPixel; }

    // Keeps what was drawn; new area shows the back colour.
    void resize(QSize pixels);
    // Clears everything drawn to the new colour (0x00BBGGRR).
    void setBackColor(uint32_t bgr);
    uint32_t backColor() const { return m_backColor; }
    void clear();

    // The box between two corners, border and interior in one colour, whatever the fill settings.
    void filledBox(int32_t x1, int32_t y1, int32_t x2, int32_t y2, uint32_t colour);
    // Radius measured across; the outline 1 pixel wide, the interior painted with the
    // fill colour only while the fill style is solid.
    void circle(int32_t x, int32_t y, int32_t radius, uint32_t outline);

    FillStyle fillStyle() const { return m_fillStyle; }
    void setFillStyle(FillStyle style) { m_fillStyle = style; }
    uint32_t fillColor() const { return m_fillColor; }
    void setFillColor(uint32_t bgr) { m_fillColor = bgr; }

    const QImage& image() const { return m_image; }
    int toPixels(double twips) const;

private:
    QImage m_image;
    double m_twipsPerPixel;
    uint32_t m_backColor = 0;
    FillStyle m_fillStyle = FillStyle::Transparent;
    uint32_t m_fillColor = 0;
};
