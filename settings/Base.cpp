#include "settings/Base.h"

#include "settings/Recommended.h"

void SetDefaults(Base& base, std::optional<int> showTimeEntry)
{
    base.StandBackColor = palette::kGrey;
    base.PlayerCount = kRecommended.PlayerCount;
    base.TargetsPerPlayer = kRecommended.TargetsPerPlayer;
    base.TargetZoom = kRecommended.TargetZoom;
    base.TargetType = kRecommended.TargetType;
    base.PlayerInterval = kRecommended.PlayerInterval;
    base.ShowTime = kStartStored.ShowTime;
    if (showTimeEntry)
        base.ShowTime = static_cast<int16_t>(*showTimeEntry);
    base.CircleSize = kStartStored.CircleSize;
    base.PauseMode = kRecommended.PauseMode;
    base.PauseTime = kStartStored.PauseTime;
    base.TopMargin = kRecommended.TopMargin;
    base.BottomMargin = kRecommended.BottomMargin;
    base.KalibrDx = kRecommended.KalibrDx;
    base.KalibrDy = kRecommended.KalibrDy;
}
