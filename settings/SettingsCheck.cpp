#include "settings/SettingsCheck.h"

#include "platform/core/Units.h"
#include "settings/NumberReader.h"

#include <cstdint>
#include <limits>

namespace {

enum class Reading { ListEntry, Length, Whole };

// A length must be at least lowest before rounding, so 0.9 mm is refused and 1 mm passes;
// rounded, it must fit 16 bits. A whole number's message names both ends of its range.
struct Check {
    Field field;
    Reading reading;
    std::optional<int> TypedValues::*entry;
    QString TypedValues::*text;
    const char* message;
    Range range;
};

constexpr int kShortestLength = 1; // millimetres
constexpr int kLongestLength = std::numeric_limits<int16_t>::max();

// In the order " OK " checks them, which is Field's.
// clang-format off
constexpr Check kChecks[] = {
    {Field::ShowTime, Reading::ListEntry, &TypedValues::showTime, nullptr,
     "Укажите продолжительность паказа мишеней в одной сери!", {}},
    {Field::CircleSize, Reading::ListEntry, &TypedValues::circleSize, nullptr,
     "Выберите размер круга из списка!", {}},
    {Field::PauseTime, Reading::ListEntry, &TypedValues::pauseTime, nullptr,
     "Выберите длительность паузы из списка!", {}},
    {Field::Dx, Reading::Length, nullptr, &TypedValues::dx,
     "Введите корректное значение калибровки по  dX!", {kShortestLength, kLongestLength}},
    {Field::Dy, Reading::Length, nullptr, &TypedValues::dy,
     "Введите корректное значение калибровки по  dY", {kShortestLength, kLongestLength}},
    {Field::TargetZoom, Reading::Whole, nullptr, &TypedValues::targetZoom,
     "Корректирующий масштаб должен быть в пределах от %1 до %2%!", {50, 150}},
    {Field::TopMargin, Reading::Whole, nullptr, &TypedValues::topMargin,
     "Неиспользуемая область экрана сверху должна быть в пределах от %1 до %2%!", {5, 20}},
    {Field::BottomMargin, Reading::Whole, nullptr, &TypedValues::bottomMargin,
     "Неиспользуемая область экрана снизу должна быть в пределах от %1 до %2%!", {0, 40}},
    {Field::PlayerInterval, Reading::Whole, nullptr, &TypedValues::playerInterval,
     "Интервал между спортсменами должен быть в пределах от %1 до %2%!", {0, 20}},
};
// clang-format on

std::optional<int16_t> accepted(const Check& check, const TypedValues& typed)
{
    switch (check.reading) {
    case Reading::ListEntry: {
        const std::optional<int> entry = typed.*check.entry;
        if (!entry)
            return std::nullopt;
        return int16_t(*entry);
    }
    case Reading::Length: {
        const double millimetres = readNumber(typed.*check.text);
        const std::optional<int16_t> rounded = units::roundToInt16(millimetres);
        if (millimetres < check.range.lowest || !rounded || *rounded > check.range.highest)
            return std::nullopt;
        return rounded;
    }
    case Reading::Whole: {
        const std::optional<int16_t> value = readWholeNumber(typed.*check.text);
        if (!value || *value < check.range.lowest || *value > check.range.highest)
            return std::nullopt;
        return value;
    }
    }
    return std::nullopt;
}

QString message(const Check& check)
{
    const QString text = QString::fromUtf8(check.message);
    if (check.reading != Reading::Whole)
        return text;
    return text.arg(check.range.lowest).arg(check.range.highest);
}

void store(Base& settings, Field field, int16_t value)
{
    switch (field) {
    case Field::ShowTime:
        settings.ShowTime = value;
        break;
    case Field::CircleSize:
        settings.CircleSize = value;
        break;
    case Field::PauseTime:
        settings.PauseTime = value;
        break;
    case Field::Dx:
        settings.KalibrDx = value;
        break;
    case Field::Dy:
        settings.KalibrDy = value;
        break;
    case Field::TargetZoom:
        settings.TargetZoom = value;
        break;
    case Field::TopMargin:
        settings.TopMargin = value;
        break;
    case Field::BottomMargin:
        settings.BottomMargin = value;
        break;
    case Field::PlayerInterval:
        settings.PlayerInterval = value;
        break;
    }
}

} // namespace

CheckOutcome checkSettings(const TypedValues& typed, const Base& current)
{
    CheckOutcome outcome{current, std::nullopt};
    for (const Check& check : kChecks) {
        const std::optional<int16_t> value = accepted(check, typed);
        if (!value) {
            outcome.refusal = Refusal{check.field, message(check)};
            return outcome;
        }
        store(outcome.settings, check.field, *value);
    }
    return outcome;
}

Range checkedRange(Field field)
{
    for (const Check& check : kChecks)
        if (check.field == field)
            return check.range;
    return {};
}
