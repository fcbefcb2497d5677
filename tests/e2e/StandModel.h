#pragma once

#include <QRect>
#include <QRectF>
#include <QRgb>
#include <QString>

#include <cmath>

// What the operator should see on the stand, worked out from the screen size, the settings
// and the calibration; lengths in twips (1440 an inch) unless a name says pixels.
namespace stand_model {

// Halves go to the even neighbour, as in the program's arithmetic.
inline double rounded(double value)
{
    return std::nearbyint(value);
}

constexpr double kLaneMargin = 150; // kept free at a lane's left and top
constexpr double kRightInset = 30;  // the right border stands this far in from the mirror of the left

struct Field {
    double twipsPerPixel = 15;
    double W = 0, H = 0; // the stand window, twips
    int players = 2;
    int topMargin = 10;
    int bottomMargin = 20;

    Field(QSize windowPixels, double tpp, int playerCount = 2)
        : twipsPerPixel(tpp)
        , W(windowPixels.width() * tpp)
        , H(windowPixels.height() * tpp)
        , players(playerCount)
    {
    }

    double zonaW() const { return rounded(W / 2); }
    double zonaW0() const { return players == 1 ? rounded(zonaW() / 2) : 0; }
    double zonaH0() const { return rounded(H * topMargin / 100); }
    double zonaH() const { return rounded(H * (100 - topMargin - bottomMargin) / 100); }

    double borderTop() const { return H * topMargin / 100; }
    double borderBottom() const { return H * (100 - bottomMargin) / 100; }
    double borderLeft() const { return zonaW0(); }
    double borderRight() const { return W - zonaW0() - kRightInset; }
    double separator() const { return W / 2; } // two players, no interval between them

    // A player's lane, counted from 0.
    QRectF lane(int player) const { return {zonaW0() + player * zonaW(), zonaH0(), zonaW(), zonaH()}; }

    double pixels(double twips) const { return twips / twipsPerPixel; }
    double twips(double pixels) const { return pixels * twipsPerPixel; }
    // The strip above the lanes that holds the countdown and the prompt, in pixels.
    QRect captionStrip(int halfWidth) const
    {
        const int middle = int(pixels(W / 2));
        return QRect(middle - halfWidth, 0, 2 * halfWidth, int(pixels(zonaH0())) - 4);
    }
};

// True sizes from the calibration lengths (mm) and the zoom (percent).
struct Scale {
    double kx = 0, ky = 0; // twips in one corrected centimetre, across and down

    Scale(double dxMillimetres = 725, double dyMillimetres = 765, double zoom = 100)
        : kx(5000.0 / (dxMillimetres / 10) * zoom / 100)
        , ky(5000.0 / (dyMillimetres / 10) * zoom / 100)
    {
    }

    double unifightWidth() const { return 2 * rounded(16 * kx); }
    double unifightHeight() const { return 2 * rounded(18 * ky); }
    double euroDiameter() const { return 2 * rounded(25 * kx); }
    double circleDiameter(int centimetres) const { return 2 * rounded(centimetres * kx / 2); }
    double squareWidth(int centimetres) const { return 2 * rounded(centimetres * kx / 2); }
    double squareHeight(int centimetres) const { return 2 * rounded(centimetres * ky / 2); }
};

// The colours of a show on one background.
struct Look {
    QRgb background;
    QRgb border;
    QRgb separator;
    QRgb text;
    QRgb shape; // circles and squares
};

inline bool isLight(QRgb background)
{
    return background == qRgb(192, 192, 192) || background == qRgb(224, 224, 224);
}

inline Look lookOn(QRgb background)
{
    const bool light = isLight(background);
    const QRgb black = qRgb(0, 0, 0);
    return {background, light ? black : qRgb(240, 240, 240), light ? black : qRgb(128, 255, 255),
            light ? black : qRgb(255, 255, 0), background == qRgb(224, 224, 224) ? qRgb(255, 0, 0) : qRgb(0, 255, 0)};
}

} // namespace stand_model
