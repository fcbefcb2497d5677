#pragma once

#include "settings/Base.h"

#include <QString>

#include <optional>

// The lists and fields " OK " checks, in the order it checks them.
enum class Field { ShowTime, CircleSize, PauseTime, Dx, Dy, TargetZoom, TopMargin, BottomMargin, PlayerInterval };

// What the operator has chosen and typed. A list gives the item value of its chosen entry,
// nothing when its edit part has been typed into since.
struct TypedValues {
    std::optional<int> showTime;
    std::optional<int> circleSize;
    std::optional<int> pauseTime;
    QString dx;
    QString dy;
    QString targetZoom;
    QString topMargin;
    QString bottomMargin;
    QString playerInterval;
};

struct Refusal {
    Field field;
    QString message;
};

struct CheckOutcome {
    Base settings;                  // every value that passed stored; those after a refusal as they were
    std::optional<Refusal> refusal; // the first check that failed
};

// Checks the values in order, storing each that passes, up to the first that fails.
CheckOutcome checkSettings(const TypedValues& typed, const Base& current);

// Both ends allowed.
struct Range {
    int lowest;
    int highest;
};

// The range a field is checked against; a list's is empty.
Range checkedRange(Field field);
