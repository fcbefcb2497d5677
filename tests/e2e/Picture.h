#pragma once

#include <QImage>
#include <QList>
#include <QRect>
#include <QString>

#include <functional>

// Reading a screenshot: patches of colour, lines, and counts of pixels.
namespace picture {

using PixelTest = std::function<bool(QRgb)>;

// A connected patch (8-neighbours) of pixels that pass a test.
struct Blob {
    QRect box;
    int pixels = 0;
};

QList<Blob> blobs(const QImage& image, const QRect& area, const PixelTest& belongs);
int count(const QImage& image, const QRect& area, const PixelTest& test);
int count(const QImage& image, const QRect& area, QRgb colour);
// The smallest rectangle holding every pixel that passes; empty when none does.
QRect extent(const QImage& image, const QRect& area, const PixelTest& test);
// The colour most pixels of the area have, and its share of them.
QRgb commonest(const QImage& image, const QRect& area, double* share = nullptr);

// A straight line of one colour as it stands in the picture, in pixel edges: a line over
// rows 107 and 108 has centre 108.0 and thickness 2.
struct Line {
    bool found = false;
    double centre = 0;  // across the line
    int thickness = 0;  // across the line
    double from = 0;    // along the line: the edge before its first pixel
    double to = 0;      // along the line: the edge after its last pixel
    double covered = 0; // share of the pixels between from and to that have the colour
};

// Looks for the line within `slack` pixels of where it should be; `probe` is the
// position along the line at which to measure the thickness.
Line horizontalLine(const QImage& image, QRgb colour, double expectedY, int probeX, int slack = 6);
Line verticalLine(const QImage& image, QRgb colour, double expectedX, int probeY, int slack = 6);

QString describe(QRgb colour);
QString describe(const QRect& rect);

} // namespace picture
