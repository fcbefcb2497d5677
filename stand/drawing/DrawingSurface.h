#pragma once

#include "settings/Palette.h"

#include <QColor>
#include <QImage>
#include <QPointF>
#include <QRect>
#include <QSize>

#include <cstdint>
#include <optional>
#include <variant>
#include <vector>

class QPainter;

enum class FillStyle { Solid, Transparent };

// What has been drawn on the stand window: it persists between paints and across size
// changes until cleared. It keeps the shapes rather than a picture of the whole window,
// which at 4K would cost 32 MB on top of the window's own. Coordinates come in twips and
// are converted here.
class DrawingSurface {
public:
    explicit DrawingSurface(double twipsPerPixel);

    void setTwipsPerPixel(double twipsPerPixel) { m_twipsPerPixel = twipsPerPixel; }
    double twipsPerPixel() const { return m_twipsPerPixel; }

    // Keeps what was drawn; new area shows the back colour.
    void resize(QSize pixels) { m_size = pixels; }
    QSize size() const { return m_size; }
    // Clears everything drawn to the new colour.
    void setBackColor(Bgr colour);
    Bgr backColor() const { return m_backColor; }
    void clear() { m_shapes.clear(); }

    // The box between two corners, border and interior in one colour, whatever the fill settings.
    void filledBox(int32_t x1, int32_t y1, int32_t x2, int32_t y2, Bgr colour);
    // Radii across and down, so that it is round on the stand when the projection is not square;
    // the outline 1 pixel wide, the interior painted with the fill colour only while the fill
    // style is solid.
    void ellipse(int32_t x, int32_t y, int32_t radiusAcross, int32_t radiusDown, Bgr outline);

    FillStyle fillStyle() const { return m_fillStyle; }
    void setFillStyle(FillStyle style) { m_fillStyle = style; }
    Bgr fillColor() const { return m_fillColor; }
    void setFillColor(Bgr colour) { m_fillColor = colour; }

    // Paints the shapes in the order drawn, over a background the caller has filled.
    void paint(QPainter& painter) const;
    // The back colour and the shapes as a picture of the surface's size.
    QImage image() const;
    int toPixels(double twips) const;

private:
    struct Box {
        QRect pixels;
        QColor colour;
    };
    struct Ellipse {
        QPointF centre;
        QSizeF radii; // pixels, to the middle of the outline
        QColor outline;
        std::optional<QColor> fill;
    };

    std::vector<std::variant<Box, Ellipse>> m_shapes;
    QSize m_size;
    double m_twipsPerPixel;
    Bgr m_backColor;
    FillStyle m_fillStyle = FillStyle::Transparent;
    Bgr m_fillColor;
};
