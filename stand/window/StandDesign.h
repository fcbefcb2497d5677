#pragma once

// The stand window's design, in its control order: names, captions, places in twips, fonts and
// colours of its buttons, labels and lines. The layout moves most of them.

#include "settings/Palette.h"
#include "stand/window/frmStend.h"

struct ButtonRow {
    QPushButton* frmStend::*member;
    const char* name;
    const char* caption;
    TwipsRect rect;
};

struct LabelRow {
    QLabel* frmStend::*member;
    const char* name;
    const char* caption;
    TwipsRect rect;
    double pointSize;
    Bgr colour;
    Qt::Alignment alignment;
    bool clickable;
};

struct LineRow {
    LineId id;
    Bgr colour;
    LineEnds ends;
};

// clang-format off
struct StandDesign {
    static constexpr double width = 10305;
    static constexpr double height = 6555;
    static constexpr double buttonPoints = 12;
    static constexpr int linePixels = 2;

    static constexpr ButtonRow buttons[] = {
        {&frmStend::m_knStopKalibr, "knStopKalibr", "Завершить калибровку", {720, 4560, 3615, 615}},
        {&frmStend::m_knKalibrovka, "knKalibrovka", "Калибровка", {720, 3840, 1695, 615}},
        {&frmStend::m_knGo, "knGo", "Вперёд!", {720, 3000, 1695, 615}},
    };
    static constexpr LabelRow labels[] = {
        {&frmStend::m_labExit0, "LabExit0", "Х", {0, 0, 255, 360}, 9.75, palette::kYellow, Qt::AlignLeft | Qt::AlignTop, true},
        {&frmStend::m_labExit1, "LabExit1", "Х", {1080, 0, 255, 345}, 9.75, palette::kYellow, Qt::AlignRight | Qt::AlignTop, true},
        {&frmStend::m_labMsg, "LabMSG", "Зафиксируйте результаты и нажмите пробел", {2100, 0, 7300, 360}, 13.5,
         palette::kYellow, Qt::AlignHCenter | Qt::AlignTop, false},
        {&frmStend::m_labTimer, "labTimer", "", {1440, 1200, 1815, 615}, 18, palette::kDullYellow,
         Qt::AlignHCenter | Qt::AlignTop, false},
    };
    static constexpr LineRow lines[] = {
        {LineId::MenBorder2, palette::kLightCyan, {480, 720, 480, 4560}},
        {LineId::kalibr_H, palette::kWhite, {6480, 360, 6480, 5360}},
        {LineId::Kalibr_W, palette::kWhite, {3120, 3240, 8120, 3240}},
        {LineId::BorderRight, palette::kGreen, {3000, 720, 3000, 2520}},
        {LineId::BorderLeft, palette::kGreen, {2880, 720, 2880, 2520}},
        {LineId::BorderBottom, palette::kGreen, {2880, 600, 6000, 600}},
        {LineId::BorderTop, palette::kGreen, {2880, 480, 6000, 480}},
        {LineId::MenBorder, palette::kLightCyan, {360, 720, 360, 4560}},
    };

    // The ink of the lines and of the labels' text on a background of each kind.
    struct Ink {
        Bgr separators, borders, texts;
    };
    static constexpr Ink onLight{palette::kBlack, palette::kBlack, palette::kBlack};
    static constexpr Ink onDark{palette::kLightCyan, palette::kNearWhite, palette::kYellow};
    static constexpr Bgr lightBackgrounds[] = {palette::kLightGrey, palette::kSilver};
};
// clang-format on
