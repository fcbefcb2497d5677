#pragma once

// The settings window's design: every control's name, kind, text, place in twips and tab index,
// the lists' entries and the colour swatches. Positions are relative to the client area or to
// the frame named. Labels and frames take no focus and so have no place in the tab order.

#include "settings/Palette.h"
#include "settings/Recommended.h"
#include "settings/SettingsCheck.h"
#include "settings/window/frmCfg.h"

#include <optional>
#include <span>

struct Entry {
    const char* text;
    int itemValue;
};

using Frame = QFrame* frmCfg::*;

struct FrameRow {
    Frame member;
    const char* name;
    TwipsRect rect;
};

// A label naming a field's range has its text's %1 and %2 filled in from the checks.
struct LabelRow {
    const char* name;
    const char* text;
    TwipsRect rect;
    Frame frame = nullptr;
    std::optional<Field> range = std::nullopt;
};

struct OptionRow {
    OptionGroup group;
    int index;
    const char* name;
    const char* text;
    TwipsRect rect;
    int tab;
    Frame frame;
};

struct ListRow {
    EditableList* frmCfg::*member;
    const char* name;
    TwipsRect rect;
    int tab;
    Frame frame;
    std::span<const Entry> entries;
};

// A field shows its recommended value as the window opens and after "Рекомендуемые".
struct TextRow {
    QLineEdit* frmCfg::*member;
    const char* name;
    int recommended;
    TwipsRect rect;
    int tab;
    int maxLength;
};

struct ButtonRow {
    QPushButton* frmCfg::*member;
    const char* name;
    const char* text;
    TwipsRect rect;
    int tab;
    void (frmCfg::*clicked)();
};

// The colour swatches as they stand from left to right; the caption marks the chosen one.
struct SwatchRow {
    int index;
    double left;
    Bgr colour;
    bool whiteMark; // dark swatches; the others keep the system's window-text colour
};

// clang-format off
struct CfgDesign {
    static constexpr double clientWidth = 11835;
    static constexpr double clientHeight = 8520;
    static constexpr double textPoints = 9.75;
    static constexpr double buttonPoints = 12;
    static constexpr Bgr fieldGrey = palette::kFieldGrey;
    static constexpr Bgr listGrey = palette::kSilver;

    static constexpr Entry showTimes[] = {{"1", 1},   {"2", 2},   {"3", 3},   {"4", 4},   {"5", 5},   {"6", 6},
                                          {"7", 7},   {"8", 8},   {"9", 9},   {"10", 10}, {"15", 15}, {"20", 20},
                                          {"25", 25}, {"30", 30}, {"40", 40}, {"60", 60}, {"90", 90}, {"120", 120}};
    static constexpr Entry circleSizes[] = {{"4 cm", 4}, {"5 cm", 5},   {"6 cm", 6},   {"7 cm", 7},  {"8 cm", 8},
                                            {"9 cm", 9}, {"10 cm", 10}, {"12 cm", 12}, {"15 cm", 15}};
    static constexpr Entry pauses[] = {{"1", 1},   {"10", 10}, {"20", 20},   {"30", 30},   {"40", 40},  {"50", 50},
                                       {"60", 60}, {"90", 90}, {"120", 120}, {"150", 150}, {"180", 180}};

    static constexpr FrameRow frames[] = {
        {&frmCfg::m_fraMenKol, "fraMenKol", {3120, 600, 2775, 495}},
        {&frmCfg::m_fraTargetKol, "fraTargetKol", {3120, 1200, 2775, 495}},
        {&frmCfg::m_fraTargetType, "fraTargetType", {3120, 1800, 4455, 1095}},
        {&frmCfg::m_fraPause, "fraPause", {3120, 3720, 5175, 1095}},
    };
    static constexpr LabelRow labels[] = {
        {"Label1", "Цвет фона", {240, 240, 1455, 375}},
        {"Label2", "Количество игроков", {240, 720, 2655, 375}},
        {"Label4", "Количество мишеней у каждого игрока", {240, 1200, 3015, 615}},
        {"Label5", "Тип мишеней", {240, 1920, 2655, 375}},
        {"Label6", "Длительность показа мишеней в одной серии", {240, 3000, 2895, 615}},
        {"Label7", "cek.", {4320, 3240, 975, 375}},
        {"Label12", "Пауза между сериями", {240, 3840, 2895, 375}},
        {"Label11", "cek.", {3480, 120, 735, 375}, &frmCfg::m_fraPause},
        {"Label14", "Корректирующий масштаб", {240, 5160, 3135, 375}},
        {"Label15", "%  (допустимо от %1  до %2 %)", {4080, 5160, 3495, 375}, nullptr, Field::TargetZoom},
        {"Label22", "Интервал между игроками", {240, 5640, 3135, 375}},
        {"Label3", "%  (допустимо от %1 до %2%)", {4080, 5640, 3015, 375}, nullptr, Field::PlayerInterval},
        {"Label17", "Неиспользуемые области", {240, 6240, 2895, 375}},
        {"Label16", "сверху", {3120, 6240, 975, 375}},
        {"Label18", "%", {4680, 6240, 495, 375}},
        {"Label13", "снизу", {5160, 6240, 975, 375}},
        {"Label19", "%", {6720, 6240, 495, 375}},
        {"Label8", "Калибровка", {240, 6960, 2055, 375}},
        {"Label9", "dX", {3480, 6960, 615, 375}},
        {"Label20", "mm", {4680, 6960, 495, 375}},
        {"Label10", "dY", {5520, 6960, 615, 375}},
        {"Label21", "mm", {6720, 6960, 495, 375}},
    };
    static constexpr OptionRow options[] = {
        {OptionGroup::MenKol, 0, "optMenKol0", "Один", {0, 0, 975, 495}, 13, &frmCfg::m_fraMenKol},
        {OptionGroup::MenKol, 1, "optMenKol1", "Два", {1680, 0, 975, 495}, 12, &frmCfg::m_fraMenKol},
        {OptionGroup::TargetKol, 0, "optTargetKol0", "Одна", {0, 0, 975, 495}, 16, &frmCfg::m_fraTargetKol},
        {OptionGroup::TargetKol, 1, "optTargetKol1", "Три", {1680, 0, 975, 495}, 15, &frmCfg::m_fraTargetKol},
        {OptionGroup::TargetType, 0, "optTargetType0", "Unifight", {0, 0, 1335, 495}, 18, &frmCfg::m_fraTargetType},
        {OptionGroup::TargetType, 1, "optTargetType1", "Euro", {1680, 0, 975, 495}, 19, &frmCfg::m_fraTargetType},
        {OptionGroup::TargetType, 4, "optTargetType4", "Случайная", {3000, 0, 1455, 495}, 56, &frmCfg::m_fraTargetType},
        {OptionGroup::TargetType, 3, "optTargetType3", "Квадрат", {0, 600, 1335, 495}, 30, &frmCfg::m_fraTargetType},
        {OptionGroup::TargetType, 2, "optTargetType2", "Круг", {1680, 600, 975, 495}, 29, &frmCfg::m_fraTargetType},
        {OptionGroup::FixPause, 0, "optFixPause0", "Фиксированная", {0, 0, 2175, 495}, 36, &frmCfg::m_fraPause},
        {OptionGroup::FixPause, 1, "optFixPause1", "Управляется клавишами \"Пробел\", \"Enter\", \"Esc\"", {0, 600, 5175, 495}, 37, &frmCfg::m_fraPause},
    };
    static constexpr ListRow lists[] = {
        {&frmCfg::m_cmbKrug, "cmbKrug", {3000, 660, 975, 360}, 31, &frmCfg::m_fraTargetType, circleSizes},
        {&frmCfg::m_cmbTargetShowTime, "cmbTargetShowTime", {3120, 3120, 975, 360}, 22, nullptr, showTimes},
        {&frmCfg::m_cmbPause, "cmbPause", {2400, 0, 975, 360}, 34, &frmCfg::m_fraPause, pauses},
    };
    static constexpr TextRow texts[] = {
        {&frmCfg::m_txtTargetZoom, "txtTargetZoom", kRecommended.TargetZoom, {3120, 5040, 855, 375}, 39, 3},
        {&frmCfg::m_txtMenInterval, "txtMenInterval", kRecommended.PlayerInterval, {3120, 5520, 855, 375}, 53, 2},
        {&frmCfg::m_txtOtstup_H, "txtOtstup_H", kRecommended.TopMargin, {3960, 6120, 615, 375}, 43, 2},
        {&frmCfg::m_txtOtstup_D, "txtOtstup_D", kRecommended.BottomMargin, {6000, 6120, 615, 375}, 42, 2},
        {&frmCfg::m_txtDx, "txtDx", kRecommended.KalibrDx, {3960, 6840, 615, 375}, 25, 4},
        {&frmCfg::m_txtDy, "txtDy", kRecommended.KalibrDy, {6000, 6840, 615, 375}, 27, 4},
    };
    static constexpr ButtonRow buttons[] = {
        {&frmCfg::m_command1, "Command1", "Выход", {240, 7800, 1455, 495}, 38, &frmCfg::exitClick},
        {&frmCfg::m_knDef, "knDef", "Рекомендуемые", {2280, 7800, 2775, 495}, 51, &frmCfg::knDefClick},
        {&frmCfg::m_knStart, "knStart", " OK ", {6000, 7800, 2295, 495}, 0, &frmCfg::knStartClick},
    };
    // Over the upright web address of the background picture; the pointer's hot spot is the hand's finger.
    static constexpr TwipsRect link{11280, 3660, 375, 4695};
    static constexpr int linkHotSpotX = 5;
    static constexpr int linkHotSpotY = 1;

    static constexpr double swatchTop = 120;
    static constexpr double swatchSide = 375;
    static constexpr SwatchRow swatches[] = {
        {5, 3120, palette::kNearBlack, true}, {6, 3600, palette::kDarkGrey, true},  {0, 4080, palette::kGrey, false},
        {1, 4560, palette::kSilver, false},   {2, 5040, palette::kLightGrey, false}, {3, 5520, palette::kOlive, false},
        {4, 6000, palette::kDarkTeal, true}};
};
// clang-format on
