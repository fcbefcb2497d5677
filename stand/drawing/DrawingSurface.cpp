#include "stand/drawing/DrawingSurface.h"

#include "platform/core/Units.h"
#include "stand/drawing/Colour.h"

#include <QPainter>

DrawingSurface::DrawingSurface(double twipsPerPixel)
    : m_twipsPerPixel(twipsPerPixel)
{
}

int DrawingSurface::toPixels(double twips) const
{
    return units::twipsToPixels(twips, m_twipsPerPixel);
}

void DrawingSurface::setBackColor(Bgr colour)
{
    m_backColor = colour;
    clear();
}

void DrawingSurface::filledBox(int32_t x1, int32_t y1, int32_t x2, int32_t y2, Bgr colour)
{
    // Both corners go to pixel edges, so a box 2h twips wide covers 2h / (twips per pixel) pixels.
    const QRect box = QRect(QPoint(toPixels(x1), toPixels(y1)), QPoint(toPixels(x2), toPixels(y2))).normalized();
    m_shapes.push_back(Box{{box.x(), box.y(), box.width() - 1, box.height() - 1}, qColour(colour)});
}

void DrawingSurface::ellipse(int32_t x, int32_t y, int32_t radiusAcross, int32_t radiusDown, Bgr outline)
{
    const double across = toPixels(radiusAcross);
    const double down = toPixels(radiusDown);
    if (across <= 0 || down <= 0)
        return;
    std::optional<QColor> fill;
    if (m_fillStyle == FillStyle::Solid)
        fill = qColour(m_fillColor);
    // The 1-pixel outline is centred on the path: half a pixel in keeps the disc exactly 2r pixels across.
    m_shapes.push_back(
        Ellipse{QPointF(toPixels(x), toPixels(y)), QSizeF(across - 0.5, down - 0.5), qColour(outline), fill});
}

void DrawingSurface::paint(QPainter& painter) const
{
    painter.save();
    for (const auto& shape : m_shapes) {
        if (const Box* box = std::get_if<Box>(&shape)) {
            painter.setRenderHint(QPainter::Antialiasing, false);
            painter.fillRect(box->pixels, box->colour);
        } else {
            const Ellipse& ellipse = std::get<Ellipse>(shape);
            painter.setRenderHint(QPainter::Antialiasing, true);
            if (ellipse.fill == ellipse.outline) {
                // One colour: filled out to the outline's outer edge, with no stroke to compute.
                painter.setPen(Qt::NoPen);
                painter.setBrush(ellipse.outline);
                painter.drawEllipse(ellipse.centre, ellipse.radii.width() + 0.5, ellipse.radii.height() + 0.5);
                continue;
            }
            painter.setPen(QPen(ellipse.outline, 1.0));
            painter.setBrush(ellipse.fill ? QBrush(*ellipse.fill) : QBrush(Qt::NoBrush));
            painter.drawEllipse(ellipse.centre, ellipse.radii.width(), ellipse.radii.height());
        }
    }
    painter.restore();
}

QImage DrawingSurface::image() const
{
    QImage picture(m_size, QImage::Format_RGB32);
    picture.fill(qColour(m_backColor));
    QPainter painter(&picture);
    paint(painter);
    return picture;
}
