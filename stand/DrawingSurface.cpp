#include "DrawingSurface.h"

#include "platform/Colour.h"
#include "platform/Units.h"

#include <QPainter>

#include <utility>

DrawingSurface::DrawingSurface(double twipsPerPixel)
    : m_twipsPerPixel(twipsPerPixel)
{
}

int DrawingSurface::toPixels(double twips) const
{
    return units::twipsToPixels(twips, m_twipsPerPixel);
}

void DrawingSurface::resize(QSize pixels)
{
    if (pixels == m_image.size())
        return;
    QImage larger(pixels, QImage::Format_RGB32);
    larger.fill(colourFromBgr(m_backColor));
    if (!m_image.isNull()) {
        QPainter painter(&larger);
        painter.drawImage(0, 0, m_image);
    }
    m_image = std::move(larger);
}

void DrawingSurface::setBackColor(uint32_t bgr)
{
    m_backColor = bgr;
    clear();
}

void DrawingSurface::clear()
{
    m_image.fill(colourFromBgr(m_backColor));
}

void DrawingSurface::filledBox(int32_t x1, int32_t y1, int32_t x2, int32_t y2, uint32_t colour)
{
    // Both corners go to pixel edges, so a box 2h twips wide covers 2h / (twips per pixel) pixels.
    const QRect box = QRect(QPoint(toPixels(x1), toPixels(y1)), QPoint(toPixels(x2), toPixels(y2))).normalized();
    QPainter painter(&m_image);
    painter.fillRect(box.x(), box.y(), box.width() - 1, box.height() - 1, colourFromBgr(colour));
}

void DrawingSurface::circle(int32_t x, int32_t y, int32_t radius, uint32_t outline)
{
    const double r = toPixels(radius);
    if (r <= 0)
        return;
    const QPointF centre(toPixels(x), toPixels(y));
    QPainter painter(&m_image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(colourFromBgr(outline), 1.0));
    painter.setBrush(m_fillStyle == FillStyle::Solid ? QBrush(colourFromBgr(m_fillColor)) : QBrush(Qt::NoBrush));
    // The 1-pixel outline is centred on the path: half a pixel in keeps the disc exactly 2r pixels across.
    painter.drawEllipse(centre, r - 0.5, r - 0.5);
}
