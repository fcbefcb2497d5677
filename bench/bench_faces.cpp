// Drawing one full series: two players, three Euro faces each, recorded and painted onto a
// 3840 x 2160 picture, as the stand window paints them into its own.
#include "settings/Base.h"
#include "stand/TargetScale.h"
#include "stand/drawing/DrawingSurface.h"
#include "stand/drawing/TargetFaces.h"

#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

namespace {

void sixEuroFaces(benchmark::State& state)
{
    Base base;
    SetDefaults(base, std::nullopt);
    computeScale(base, 5000, 5000);

    DrawingSurface surface(15);
    surface.resize({3840, 2160});
    surface.setBackColor(base.StandBackColor);
    constexpr int32_t xs[] = {8000, 20000, 14000, 36000, 48000, 42000}; // twips
    constexpr int32_t ys[] = {8000, 8000, 20000, 8000, 8000, 20000};

    QImage window(surface.size(), QImage::Format_RGB32);
    window.fill(Qt::gray);
    for (auto _ : state) {
        surface.clear();
        for (int i = 0; i < 6; ++i)
            Draw_Euro(surface, base, xs[i], ys[i]);
        QPainter painter(&window);
        surface.paint(painter);
    }
}

} // namespace

BENCHMARK(sixEuroFaces)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
