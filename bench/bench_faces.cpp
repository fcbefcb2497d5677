// Drawing one full series: two players, three Euro faces each, on a 3840 x 2160 surface.
#include "Median.h"

#include "settings/Base.h"
#include "stand/DrawingSurface.h"
#include "stand/TargetFaces.h"
#include "stand/TargetScale.h"

#include <QGuiApplication>

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    Base base;
    SetDefaults(base, std::nullopt);
    computeScale(base, 5000, 5000);

    DrawingSurface surface(15);
    surface.resize({3840, 2160});
    surface.setBackColor(base.StandBackColor);
    const int32_t xs[] = {8000, 20000, 14000, 36000, 48000, 42000};
    const int32_t ys[] = {8000, 8000, 20000, 8000, 8000, 20000};

    reportMedianMs("one series of six Euro faces on 3840 x 2160", 200, [&] {
        for (int i = 0; i < 6; ++i)
            Draw_Euro(surface, base, xs[i], ys[i]);
    });
    reportMedianMs("clearing 3840 x 2160 to the background", 200, [&] { surface.clear(); });
    return 0;
}
