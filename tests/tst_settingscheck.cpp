#include "settings/SettingsCheck.h"

#include <QTest>

Q_DECLARE_METATYPE(TypedValues)
Q_DECLARE_METATYPE(Field)

namespace {

const QString kShowTimeMessage = QStringLiteral("Укажите продолжительность паказа мишеней в одной сери!");
const QString kCircleMessage = QStringLiteral("Выберите размер круга из списка!");
const QString kPauseMessage = QStringLiteral("Выберите длительность паузы из списка!");
const QString kDxMessage = QStringLiteral("Введите корректное значение калибровки по  dX!");
const QString kDyMessage = QStringLiteral("Введите корректное значение калибровки по  dY");
const QString kZoomMessage = QStringLiteral("Корректирующий масштаб должен быть в пределах от 50 до 150%!");
const QString kTopMessage = QStringLiteral("Неиспользуемая область экрана сверху должна быть в пределах от 5 до 20%!");
const QString kBottomMessage =
    QStringLiteral("Неиспользуемая область экрана снизу должна быть в пределах от 0 до 40%!");
const QString kIntervalMessage = QStringLiteral("Интервал между спортсменами должен быть в пределах от 0 до 20%!");

constexpr Field kInOrder[] = {Field::ShowTime,  Field::CircleSize,   Field::PauseTime,
                              Field::Dx,        Field::Dy,           Field::TargetZoom,
                              Field::TopMargin, Field::BottomMargin, Field::PlayerInterval};

// As the window opens: every value passes.
TypedValues opening()
{
    return {5, 5, 50, "725", "765", "100", "10", "20", "0"};
}

// The settings before OK: each value differs from what opening() stores.
Base before()
{
    return {.TargetZoom = 60,
            .ShowTime = 1,
            .CircleSize = 4,
            .PlayerInterval = 1,
            .PauseTime = 1,
            .TopMargin = 6,
            .BottomMargin = 1,
            .KalibrDx = 400,
            .KalibrDy = 401};
}

int stored(const Base& b, Field field)
{
    switch (field) {
    case Field::ShowTime:
        return b.ShowTime;
    case Field::CircleSize:
        return b.CircleSize;
    case Field::PauseTime:
        return b.PauseTime;
    case Field::Dx:
        return b.KalibrDx;
    case Field::Dy:
        return b.KalibrDy;
    case Field::TargetZoom:
        return b.TargetZoom;
    case Field::TopMargin:
        return b.TopMargin;
    case Field::BottomMargin:
        return b.BottomMargin;
    case Field::PlayerInterval:
        return b.PlayerInterval;
    }
    return 0;
}

// opening() with one list's entry or one field's text replaced; a list given a text is typed into.
TypedValues with(Field field, const QString& text)
{
    TypedValues typed = opening();
    switch (field) {
    case Field::ShowTime:
        typed.showTime = std::nullopt;
        break;
    case Field::CircleSize:
        typed.circleSize = std::nullopt;
        break;
    case Field::PauseTime:
        typed.pauseTime = std::nullopt;
        break;
    case Field::Dx:
        typed.dx = text;
        break;
    case Field::Dy:
        typed.dy = text;
        break;
    case Field::TargetZoom:
        typed.targetZoom = text;
        break;
    case Field::TopMargin:
        typed.topMargin = text;
        break;
    case Field::BottomMargin:
        typed.bottomMargin = text;
        break;
    case Field::PlayerInterval:
        typed.playerInterval = text;
        break;
    }
    return typed;
}

} // namespace

// The checks of " OK ", without a window.
class TestSettingsCheck : public QObject {
    Q_OBJECT
private slots:
    void passingValueIsStored_data()
    {
        QTest::addColumn<TypedValues>("typed");
        QTest::addColumn<Field>("field");
        QTest::addColumn<int>("value");
        QTest::newRow("the chosen show time") << opening() << Field::ShowTime << 5;
        QTest::newRow("the chosen circle size") << opening() << Field::CircleSize << 5;
        QTest::newRow("the chosen pause") << opening() << Field::PauseTime << 50;
        QTest::newRow("1 mm is the shortest dX") << with(Field::Dx, "1") << Field::Dx << 1;
        QTest::newRow("blanks inside a dX are skipped") << with(Field::Dx, "7 25") << Field::Dx << 725;
        QTest::newRow("a dX of 2.5 rounds to the even 2") << with(Field::Dx, "2.5") << Field::Dx << 2;
        QTest::newRow("a dY of 3.5 rounds to the even 4") << with(Field::Dy, "3.5") << Field::Dy << 4;
        QTest::newRow("32767 mm is the longest dY") << with(Field::Dy, "32767") << Field::Dy << 32767;
        QTest::newRow("50 % is the smallest zoom") << with(Field::TargetZoom, "50") << Field::TargetZoom << 50;
        QTest::newRow("150 % is the largest zoom") << with(Field::TargetZoom, "150") << Field::TargetZoom << 150;
        QTest::newRow("a zoom may have an exponent") << with(Field::TargetZoom, "1e2") << Field::TargetZoom << 100;
        QTest::newRow("5 % is the smallest top") << with(Field::TopMargin, "5") << Field::TopMargin << 5;
        QTest::newRow("a top of 20.5 rounds to the even 20")
            << with(Field::TopMargin, "20.5") << Field::TopMargin << 20;
        QTest::newRow("0 % is the smallest bottom") << with(Field::BottomMargin, "0") << Field::BottomMargin << 0;
        QTest::newRow("40 % is the largest bottom") << with(Field::BottomMargin, "40") << Field::BottomMargin << 40;
        QTest::newRow("an empty interval reads 0") << with(Field::PlayerInterval, "") << Field::PlayerInterval << 0;
        QTest::newRow("20 % is the largest interval")
            << with(Field::PlayerInterval, "20") << Field::PlayerInterval << 20;
    }
    void passingValueIsStored()
    {
        QFETCH(TypedValues, typed);
        QFETCH(Field, field);
        const CheckOutcome outcome = checkSettings(typed, before());
        QVERIFY(!outcome.refusal);
        QTEST(stored(outcome.settings, field), "value");
    }

    void failingValueIsRefusedWithItsMessage_data()
    {
        QTest::addColumn<TypedValues>("typed");
        QTest::addColumn<Field>("field");
        QTest::addColumn<QString>("message");
        QTest::newRow("a typed show time") << with(Field::ShowTime, {}) << Field::ShowTime << kShowTimeMessage;
        QTest::newRow("a typed circle size") << with(Field::CircleSize, {}) << Field::CircleSize << kCircleMessage;
        QTest::newRow("a typed pause") << with(Field::PauseTime, {}) << Field::PauseTime << kPauseMessage;
        QTest::newRow("a dX of 0.9 is refused before it rounds to 1")
            << with(Field::Dx, "0.9") << Field::Dx << kDxMessage;
        QTest::newRow("a dX of 1e5 does not fit 16 bits") << with(Field::Dx, "1e5") << Field::Dx << kDxMessage;
        QTest::newRow("an empty dY reads 0") << with(Field::Dy, "") << Field::Dy << kDyMessage;
        QTest::newRow("a dY of 32767.5 rounds past 16 bits") << with(Field::Dy, "32767.5") << Field::Dy << kDyMessage;
        QTest::newRow("a zoom of 49") << with(Field::TargetZoom, "49") << Field::TargetZoom << kZoomMessage;
        QTest::newRow("a zoom of 151") << with(Field::TargetZoom, "151") << Field::TargetZoom << kZoomMessage;
        QTest::newRow("a zoom of letters reads 0")
            << with(Field::TargetZoom, "abc") << Field::TargetZoom << kZoomMessage;
        QTest::newRow("a top of 4.5 rounds to the even 4")
            << with(Field::TopMargin, "4.5") << Field::TopMargin << kTopMessage;
        QTest::newRow("a top of 21") << with(Field::TopMargin, "21") << Field::TopMargin << kTopMessage;
        QTest::newRow("a bottom of -1") << with(Field::BottomMargin, "-1") << Field::BottomMargin << kBottomMessage;
        QTest::newRow("a bottom of 41") << with(Field::BottomMargin, "41") << Field::BottomMargin << kBottomMessage;
        QTest::newRow("an interval of -1")
            << with(Field::PlayerInterval, "-1") << Field::PlayerInterval << kIntervalMessage;
        QTest::newRow("an interval of 21")
            << with(Field::PlayerInterval, "21") << Field::PlayerInterval << kIntervalMessage;
    }
    void failingValueIsRefusedWithItsMessage()
    {
        QFETCH(TypedValues, typed);
        const CheckOutcome outcome = checkSettings(typed, before());
        QVERIFY(outcome.refusal);
        QTEST(outcome.refusal->field, "field");
        QTEST(outcome.refusal->message, "message");
    }

    // The first failing check is told; the values checked before it are stored, the later ones left.
    void firstRefusalStopsTheChecks_data()
    {
        QTest::addColumn<TypedValues>("typed");
        QTest::addColumn<Field>("refused");
        TypedValues allWrong{std::nullopt, std::nullopt, std::nullopt, "0", "0", "0", "0", "-1", "-1"};
        QTest::newRow("a typed show time before everything else wrong") << allWrong << Field::ShowTime;
        allWrong.showTime = 5;
        QTest::newRow("a typed circle size before the rest wrong") << allWrong << Field::CircleSize;
        allWrong.circleSize = 5;
        QTest::newRow("a typed pause before the rest wrong") << allWrong << Field::PauseTime;
        allWrong.pauseTime = 50;
        QTest::newRow("a dX of 0 before the rest wrong") << allWrong << Field::Dx;
        allWrong.dx = "725";
        QTest::newRow("a dY of 0 before the rest wrong") << allWrong << Field::Dy;
        allWrong.dy = "765";
        QTest::newRow("a zoom of 0 before the rest wrong") << allWrong << Field::TargetZoom;
        allWrong.targetZoom = "100";
        QTest::newRow("a top of 0 before the rest wrong") << allWrong << Field::TopMargin;
        allWrong.topMargin = "10";
        QTest::newRow("a bottom of -1 before the interval wrong") << allWrong << Field::BottomMargin;
        allWrong.bottomMargin = "20";
        QTest::newRow("an interval of -1 last") << allWrong << Field::PlayerInterval;
        TypedValues emptyDx = opening();
        emptyDx.dx.clear();
        emptyDx.targetZoom = "200";
        QTest::newRow("an empty dX with a zoom of 200") << emptyDx << Field::Dx;
    }
    void firstRefusalStopsTheChecks()
    {
        QFETCH(TypedValues, typed);
        QFETCH(Field, refused);
        const CheckOutcome outcome = checkSettings(typed, before());
        const Base allPassed = checkSettings(opening(), before()).settings;
        QVERIFY(outcome.refusal);
        QCOMPARE(outcome.refusal->field, refused);
        for (const Field field : kInOrder) {
            const Base& expected = field < refused ? allPassed : before();
            QCOMPARE(stored(outcome.settings, field), stored(expected, field));
        }
    }
};

QTEST_APPLESS_MAIN(TestSettingsCheck)
#include "tst_settingscheck.moc"
