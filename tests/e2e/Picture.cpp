#include "Picture.h"

#include <QHash>

#include <cmath>
#include <vector>

namespace picture {

namespace {

QRgb pixelAt(const QImage& image, int x, int y)
{
    return reinterpret_cast<const QRgb*>(image.constScanLine(y))[x] | 0xFF000000u;
}

} // namespace

QList<Blob> blobs(const QImage& image, const QRect& area, const PixelTest& belongs)
{
    QList<Blob> found;
    const QRect a = area & image.rect();
    if (a.isEmpty())
        return found;
    const int width = a.width();
    std::vector<char> state(size_t(width) * size_t(a.height()), 0); // 0 unseen, 1 in a blob, 2 not part
    const auto index = [&](int x, int y) {
        return size_t(y - a.top()) * size_t(width) + size_t(x - a.left());
    };
    std::vector<QPoint> stack;
    for (int y = a.top(); y <= a.bottom(); ++y) {
        for (int x = a.left(); x <= a.right(); ++x) {
            if (state[index(x, y)] != 0)
                continue;
            if (!belongs(pixelAt(image, x, y))) {
                state[index(x, y)] = 2;
                continue;
            }
            Blob blob;
            int left = x, right = x, top = y, bottom = y;
            state[index(x, y)] = 1;
            stack.assign(1, QPoint(x, y));
            while (!stack.empty()) {
                const QPoint p = stack.back();
                stack.pop_back();
                ++blob.pixels;
                left = std::min(left, p.x());
                right = std::max(right, p.x());
                top = std::min(top, p.y());
                bottom = std::max(bottom, p.y());
                for (int dy = -1; dy <= 1; ++dy)
                    for (int dx = -1; dx <= 1; ++dx) {
                        const int nx = p.x() + dx, ny = p.y() + dy;
                        if (!a.contains(nx, ny) || state[index(nx, ny)] != 0)
                            continue;
                        if (belongs(pixelAt(image, nx, ny))) {
                            state[index(nx, ny)] = 1;
                            stack.emplace_back(nx, ny);
                        } else {
                            state[index(nx, ny)] = 2;
                        }
                    }
            }
            blob.box = QRect(QPoint(left, top), QPoint(right, bottom));
            found << blob;
        }
    }
    return found;
}

int count(const QImage& image, const QRect& area, const PixelTest& test)
{
    const QRect a = area & image.rect();
    int n = 0;
    for (int y = a.top(); y <= a.bottom(); ++y)
        for (int x = a.left(); x <= a.right(); ++x)
            n += test(pixelAt(image, x, y)) ? 1 : 0;
    return n;
}

int count(const QImage& image, const QRect& area, QRgb colour)
{
    return count(image, area, [colour](QRgb p) { return p == (colour | 0xFF000000u); });
}

QRect extent(const QImage& image, const QRect& area, const PixelTest& test)
{
    const QRect a = area & image.rect();
    QRect box;
    for (int y = a.top(); y <= a.bottom(); ++y)
        for (int x = a.left(); x <= a.right(); ++x)
            if (test(pixelAt(image, x, y)))
                box = box.united(QRect(x, y, 1, 1));
    return box;
}

QRgb commonest(const QImage& image, const QRect& area, double* share)
{
    const QRect a = area & image.rect();
    QHash<QRgb, int> counts;
    for (int y = a.top(); y <= a.bottom(); ++y)
        for (int x = a.left(); x <= a.right(); ++x)
            ++counts[pixelAt(image, x, y)];
    QRgb best = 0;
    int most = -1;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        if (it.value() > most) {
            most = it.value();
            best = it.key();
        }
    if (share)
        *share = a.isEmpty() ? 0 : double(most) / (double(a.width()) * a.height());
    return best;
}

namespace {

// The same search for both directions: `across(i, j)` reads the pixel at position i
// across the line and j along it.
template <typename Read>
Line findLine(Read read, QRgb colour, double expected, int probe, int slack, int acrossSize, int alongSize)
{
    colour |= 0xFF000000u;
    Line line;
    const int first = std::max(0, int(std::floor(expected)) - slack);
    const int last = std::min(acrossSize - 1, int(std::floor(expected)) + slack);
    // The run of the colour at the probe that lies nearest the expected place.
    double bestDistance = 1e9;
    int runBegin = -1, runEnd = -1;
    for (int i = first; i <= last;) {
        if (read(i, probe) != colour) {
            ++i;
            continue;
        }
        int j = i;
        while (j < acrossSize && read(j, probe) == colour)
            ++j;
        const double distance = std::abs((i + j) / 2.0 - expected);
        if (distance < bestDistance) {
            bestDistance = distance;
            runBegin = i;
            runEnd = j;
        }
        i = j;
    }
    if (runBegin < 0)
        return line;
    line.found = true;
    line.centre = (runBegin + runEnd) / 2.0;
    line.thickness = runEnd - runBegin;
    // Along the line: from the probe outwards while any of its rows keeps the colour, so
    // that a line crossing it does not cut it short.
    const auto onLine = [&](int j) {
        for (int i = runBegin; i < runEnd; ++i)
            if (read(i, j) == colour)
                return true;
        return false;
    };
    // A line painted later may cross it: a gap of a few pixels does not end it.
    constexpr int kCrossing = 3;
    const auto reach = [&](int from, int step) {
        int last = from;
        for (int j = from + step, gap = 0; j >= 0 && j < alongSize && gap <= kCrossing; j += step) {
            if (onLine(j)) {
                last = j;
                gap = 0;
            } else {
                ++gap;
            }
        }
        return last;
    };
    const int begin = reach(probe, -1);
    const int end = reach(probe, +1) + 1;
    line.from = begin;
    line.to = end;
    int full = 0;
    for (int j = begin; j < end; ++j) {
        bool all = true;
        for (int i = runBegin; i < runEnd; ++i)
            all = all && read(i, j) == colour;
        full += all ? 1 : 0;
    }
    line.covered = double(full) / (end - begin);
    return line;
}

} // namespace

Line horizontalLine(const QImage& image, QRgb colour, double expectedY, int probeX, int slack)
{
    return findLine([&](int i, int j) { return pixelAt(image, j, i); }, colour, expectedY, probeX, slack,
                    image.height(), image.width());
}

Line verticalLine(const QImage& image, QRgb colour, double expectedX, int probeY, int slack)
{
    return findLine([&](int i, int j) { return pixelAt(image, i, j); }, colour, expectedX, probeY, slack, image.width(),
                    image.height());
}

QString describe(QRgb colour)
{
    return QStringLiteral("RGB %1,%2,%3").arg(qRed(colour)).arg(qGreen(colour)).arg(qBlue(colour));
}

QString describe(const QRect& rect)
{
    return QStringLiteral("%1x%2 at (%3,%4)").arg(rect.width()).arg(rect.height()).arg(rect.x()).arg(rect.y());
}

} // namespace picture
