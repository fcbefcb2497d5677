#include "Base.h"

void SetDefaults(Base& base, std::optional<int> showTimeEntry)
{
    base.StandBackColor = colours::kGrey128;
    base.PlayerCount = 2;
    base.TargetsPerPlayer = 3;
    base.TargetZoom = 100;
    base.TargetType = TargetCode::Unifight;
    base.PlayerInterval = 0;
    base.ShowTime = 5;
    if (showTimeEntry)
        base.ShowTime = static_cast<int16_t>(*showTimeEntry);
    base.CircleSize = 5;
    base.PauseMode = PauseCode::Fixed;
    base.PauseTime = 30;
    base.TopMargin = 10;
    base.BottomMargin = 20;
    base.KalibrDx = 725;
    base.KalibrDy = 765;
}
