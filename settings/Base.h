#pragma once

#include "settings/Palette.h"

#include <cstdint>
#include <optional>

// Target kinds: the index of the option button that chooses them.
enum class TargetCode : int32_t { Unifight = 0, Euro = 1, Krug = 2, Kvadrat = 3, Random = 4 };

// How a pause between series ends.
enum class PauseCode : int16_t { Fixed = 0, Keys = 1 };

// The settings of one run. Nothing is read at start and nothing outlives the run.
// Lengths are percent, seconds, centimetres or millimetres as named.
struct Base {
    Bgr StandBackColor{};
    int32_t PlayerCount{};
    int32_t TargetsPerPlayer{}; // 0 for one target, 3 for three; read only as "> 1" and "> 2"
    int32_t TargetZoom{};       // percent
    TargetCode TargetType = TargetCode::Unifight;
    int16_t ShowTime{};       // seconds
    int16_t CircleSize{};     // centimetres: circle diameter and square side
    int16_t PlayerInterval{}; // percent of the stand's width
    PauseCode PauseMode = PauseCode::Fixed;
    int16_t PauseTime{};    // seconds
    int32_t TopMargin{};    // percent of the stand's height
    int32_t BottomMargin{}; // percent of the stand's height
    int16_t KalibrDx{};     // millimetres
    int16_t KalibrDy{};     // millimetres

    float ScaleX{}; // twips per centimetre across the stand
    float ScaleY{}; // twips per centimetre down the stand
};

// Gives every setting its start-up value (Recommended.h). showTimeEntry is the item value of the
// show-time list's current entry, if it has one; it then replaces the start-up 5.
void SetDefaults(Base& base, std::optional<int> showTimeEntry);
