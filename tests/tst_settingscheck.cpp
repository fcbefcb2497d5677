#include "settings/SettingsCheck.h"

#include <QTest>

Q_DECLARE_METATYPE(TypedValues)
Q_DECLARE_METATYPE(Field)

namespace {

// As the window opens: every value passes, and stores these, in Field's order.
TypedValues opening()
{
    return {5, 5, 50, "725", "765", "100", "10", "20", "0"};
}
constexpr int kOpeningStored[] = {5, 5, 50, 725, 765, 100, 10, 20, 0};
// Before OK nothing is stored: all but the interval differ from what opening() stores.
constexpr Base kBefore{};

int stored(const Base& b, Field field)
{
    const int inFieldOrder[] = {b.ShowTime,   b.CircleSize, b.PauseTime,    b.KalibrDx,      b.KalibrDy,
                                b.TargetZoom, b.TopMargin,  b.BottomMargin, b.PlayerInterval};
    return inFieldOrder[int(field)];
}

constexpr int kRefused = -1;

// One typed text against its field's limits.
struct Limit {
    const char* name;
    QString TypedValues::*text;
    const char* typed;
    Field field;
    int value; // stored, or kRefused
};
constexpr Limit kLimits[] = {
    {"dX 1 mm", &TypedValues::dx, "1", Field::Dx, 1},
    {"dX 0.9 mm, refused before it rounds to 1", &TypedValues::dx, "0.9", Field::Dx, kRefused},
    {"dX 2.5 rounds to the even 2", &TypedValues::dx, "2.5", Field::Dx, 2},
    {"dY 32767.5 rounds past 16 bits", &TypedValues::dy, "32767.5", Field::Dy, kRefused},
    {"zoom 49", &TypedValues::targetZoom, "49", Field::TargetZoom, kRefused},
    {"zoom 50", &TypedValues::targetZoom, "50", Field::TargetZoom, 50},
    {"zoom 151", &TypedValues::targetZoom, "151", Field::TargetZoom, kRefused},
    {"top 20.5 rounds to the even 20", &TypedValues::topMargin, "20.5", Field::TopMargin, 20},
    {"empty interval reads 0", &TypedValues::playerInterval, "", Field::PlayerInterval, 0},
};

// In Field's order.
const QString kMessages[] = {
    "Укажите продолжительность паказа мишеней в одной сери!",
    "Выберите размер круга из списка!",
    "Выберите длительность паузы из списка!",
    "Введите корректное значение калибровки по  dX!",
    "Введите корректное значение калибровки по  dY",
    "Корректирующий масштаб должен быть в пределах от 50 до 150%!",
    "Неиспользуемая область экрана сверху должна быть в пределах от 5 до 20%!",
    "Неиспользуемая область экрана снизу должна быть в пределах от 0 до 40%!",
    "Интервал между спортсменами должен быть в пределах от 0 до 20%!",
};

} // namespace

// The checks of " OK ", without a window.
class TestSettingsCheck : public QObject {
    Q_OBJECT
private slots:
    void valuesAtTheirLimits_data()
    {
        QTest::addColumn<TypedValues>("typed");
        QTest::addColumn<Field>("field");
        QTest::addColumn<int>("value");
        for (const Limit& limit : kLimits) {
            TypedValues typed = opening();
            typed.*limit.text = QString::fromUtf8(limit.typed);
            QTest::newRow(limit.name) << typed << limit.field << limit.value;
        }
        TypedValues typedInto = opening();
        typedInto.circleSize.reset();
        QTest::newRow("circle list typed into") << typedInto << Field::CircleSize << kRefused;
        const TypedValues allWrong{std::nullopt, std::nullopt, std::nullopt, "0", "0", "0", "0", "-1", "-1"};
        QTest::newRow("all wrong: the show time list first") << allWrong << Field::ShowTime << kRefused;
    }
    // A refusal tells the first failing check; the values checked before it are stored, the later ones left.
    void valuesAtTheirLimits()
    {
        QFETCH(TypedValues, typed);
        QFETCH(Field, field);
        QFETCH(int, value);
        const CheckOutcome outcome = checkSettings(typed, kBefore);
        QCOMPARE(outcome.refusal.has_value(), value == kRefused);
        if (!outcome.refusal) {
            QCOMPARE(stored(outcome.settings, field), value);
            return;
        }
        QCOMPARE(outcome.refusal->field, field);
        QCOMPARE(outcome.refusal->message, kMessages[int(field)]);
        for (int f = 0; f <= int(Field::PlayerInterval); ++f)
            QCOMPARE(stored(outcome.settings, Field(f)),
                     f < int(field) ? kOpeningStored[f] : stored(kBefore, Field(f)));
    }

    // The start-up values; the show time is the list's entry where it has one.
    void startUpValues()
    {
        Base b;
        SetDefaults(b, std::nullopt);
        const QList<qint64> atStart{2, 3, 100, 0, 5, 5, 0, 0, 30, 10, 20, 725, 765, 0x808080};
        const auto all = [](const Base& s) {
            return QList<qint64>{s.PlayerCount, s.TargetsPerPlayer,    s.TargetZoom,     qint64(s.TargetType),
                                 s.ShowTime,    s.CircleSize,          s.PlayerInterval, qint64(s.PauseMode),
                                 s.PauseTime,   s.TopMargin,           s.BottomMargin,   s.KalibrDx,
                                 s.KalibrDy,    s.StandBackColor.value};
        };
        QCOMPARE(all(b), atStart);
        SetDefaults(b, 7);
        QCOMPARE(b.ShowTime, 7);
    }
};

QTEST_APPLESS_MAIN(TestSettingsCheck)
#include "tst_settingscheck.moc"
