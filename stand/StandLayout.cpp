#include "stand/StandLayout.h"

#include "platform/core/Units.h"
#include "settings/Base.h"

using units::roundToInt32;

int32_t laneTop(double H, int32_t topMargin)
{
    return roundToInt32(H * topMargin / 100.0);
}

Lanes layoutLanes(double W, double H, const Base& base)
{
    Lanes lanes;
    lanes.ZonaW = roundToInt32(W / 2.0);
    lanes.ZonaW0 = base.PlayerCount == 1 ? roundToInt32(lanes.ZonaW / 2.0) : 0;
    lanes.ZonaH = roundToInt32(H * (100 - base.TopMargin - base.BottomMargin) / 100.0);
    lanes.ZonaH0 = laneTop(H, base.TopMargin);

    const double y1 = H * base.TopMargin / 100.0;
    const double y2 = H * (100 - base.BottomMargin) / 100.0;
    const double left = lanes.ZonaW0;
    const double right = W - lanes.ZonaW0 - kBorderRightInset;
    lanes.BorderLeft = {left, y1, left, y2};
    lanes.BorderRight = {right, y1, right, y2};
    lanes.BorderTop = {left, y1, right, y1};
    lanes.BorderBottom = {left, y2, right, y2};

    lanes.separatorsShown = base.PlayerCount == 2;
    if (lanes.separatorsShown) {
        lanes.MenInterval = roundToInt32(base.PlayerInterval * W / 100.0);
        const double middle = (W - lanes.MenInterval) / 2.0;
        lanes.MenBorder = {middle, y1, middle, y2};
        lanes.MenBorder2 = {middle + lanes.MenInterval, y1, middle + lanes.MenInterval, y2};
    }
    return lanes;
}

CentredControls centreControls(double W, double H, CentredControls c)
{
    const auto centreAcross = [W](TwipsRect& r) {
        r.left = (W - r.width) / 2.0;
    };
    const auto below = [](TwipsRect& r, const TwipsRect& above) {
        r.top = above.top + above.height + kButtonGap;
    };

    c.labExitRight.left = W - c.labExitRight.width;
    centreAcross(c.labMsg);
    centreAcross(c.labTimer);
    centreAcross(c.knGo);
    c.knGo.top = (H - c.knGo.height) / 2.0;
    centreAcross(c.knKalibrovka);
    below(c.knKalibrovka, c.knGo);
    centreAcross(c.knStopKalibr);
    below(c.knStopKalibr, c.knKalibrovka);
    return c;
}
