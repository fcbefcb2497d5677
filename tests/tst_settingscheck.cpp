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

// As the window opens: every value passes, and stores these, in Field's order.
TypedValues opening()
{
    return {5, 5, 50, "725", "765", "100", "10", "20", "0"};
}
constexpr int kOpeningStored[] = {5, 5, 50, 725, 765, 100, 10, 20, 0};

// The settings before OK, each differing from what opening() stores.
constexpr Base kBefore{.TargetZoom = 60,
                       .ShowTime = 1,
                       .CircleSize = 4,
                       .PlayerInterval = 1,
                       .PauseTime = 1,
                       .TopMargin = 6,
                       .BottomMargin = 1,
                       .KalibrDx = 400,
                       .KalibrDy = 401};

int stored(const Base& b, Field field)
{
    const int inFieldOrder[] = {b.ShowTime,   b.CircleSize, b.PauseTime,    b.KalibrDx,      b.KalibrDy,
                                b.TargetZoom, b.TopMargin,  b.BottomMargin, b.PlayerInterval};
    return inFieldOrder[int(field)];
}

TypedValues with(QString TypedValues::*field, const QString& text)
{
    TypedValues typed = opening();
    typed.*field = text;
    return typed;
}

TypedValues typedInto(std::optional<int> TypedValues::*list)
{
    TypedValues typed = opening();
    typed.*list = std::nullopt;
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
        QTest::newRow("1 mm is the shortest dX") << with(&TypedValues::dx, "1") << Field::Dx << 1;
        QTest::newRow("blanks inside a dX are skipped") << with(&TypedValues::dx, "7 25") << Field::Dx << 725;
        QTest::newRow("a dX of 2.5 rounds to the even 2") << with(&TypedValues::dx, "2.5") << Field::Dx << 2;
        QTest::newRow("a dY of 3.5 rounds to the even 4") << with(&TypedValues::dy, "3.5") << Field::Dy << 4;
        QTest::newRow("32767 mm is the longest dY") << with(&TypedValues::dy, "32767") << Field::Dy << 32767;
        QTest::newRow("50 % is the smallest zoom") << with(&TypedValues::targetZoom, "50") << Field::TargetZoom << 50;
        QTest::newRow("150 % is the largest zoom") << with(&TypedValues::targetZoom, "150") << Field::TargetZoom << 150;
        QTest::newRow("5 % is the smallest top") << with(&TypedValues::topMargin, "5") << Field::TopMargin << 5;
        QTest::newRow("a top of 20.5 rounds to the even 20")
            << with(&TypedValues::topMargin, "20.5") << Field::TopMargin << 20;
        QTest::newRow("0 % is the smallest bottom")
            << with(&TypedValues::bottomMargin, "0") << Field::BottomMargin << 0;
        QTest::newRow("40 % is the largest bottom")
            << with(&TypedValues::bottomMargin, "40") << Field::BottomMargin << 40;
        QTest::newRow("an empty interval reads 0")
            << with(&TypedValues::playerInterval, "") << Field::PlayerInterval << 0;
        QTest::newRow("20 % is the largest interval")
            << with(&TypedValues::playerInterval, "20") << Field::PlayerInterval << 20;
    }
    void passingValueIsStored()
    {
        QFETCH(TypedValues, typed);
        QFETCH(Field, field);
        const CheckOutcome outcome = checkSettings(typed, kBefore);
        QVERIFY(!outcome.refusal);
        QTEST(stored(outcome.settings, field), "value");
    }

    void failingValueIsRefusedWithItsMessage_data()
    {
        QTest::addColumn<TypedValues>("typed");
        QTest::addColumn<Field>("field");
        QTest::addColumn<QString>("message");
        QTest::newRow("a typed show time") << typedInto(&TypedValues::showTime) << Field::ShowTime << kShowTimeMessage;
        QTest::newRow("a typed circle size")
            << typedInto(&TypedValues::circleSize) << Field::CircleSize << kCircleMessage;
        QTest::newRow("a typed pause") << typedInto(&TypedValues::pauseTime) << Field::PauseTime << kPauseMessage;
        QTest::newRow("a dX of 0.9 is refused before it rounds to 1")
            << with(&TypedValues::dx, "0.9") << Field::Dx << kDxMessage;
        QTest::newRow("a dX of 1e5 does not fit 16 bits") << with(&TypedValues::dx, "1e5") << Field::Dx << kDxMessage;
        QTest::newRow("an empty dY reads 0") << with(&TypedValues::dy, "") << Field::Dy << kDyMessage;
        QTest::newRow("a dY of 32767.5 rounds past 16 bits")
            << with(&TypedValues::dy, "32767.5") << Field::Dy << kDyMessage;
        QTest::newRow("a zoom of 49") << with(&TypedValues::targetZoom, "49") << Field::TargetZoom << kZoomMessage;
        QTest::newRow("a zoom of 151") << with(&TypedValues::targetZoom, "151") << Field::TargetZoom << kZoomMessage;
        QTest::newRow("a top of 21") << with(&TypedValues::topMargin, "21") << Field::TopMargin << kTopMessage;
        QTest::newRow("a bottom of -1") << with(&TypedValues::bottomMargin, "-1") << Field::BottomMargin
                                        << kBottomMessage;
        QTest::newRow("a bottom of 41") << with(&TypedValues::bottomMargin, "41") << Field::BottomMargin
                                        << kBottomMessage;
        QTest::newRow("an interval of -1")
            << with(&TypedValues::playerInterval, "-1") << Field::PlayerInterval << kIntervalMessage;
        QTest::newRow("an interval of 21")
            << with(&TypedValues::playerInterval, "21") << Field::PlayerInterval << kIntervalMessage;
    }
    void failingValueIsRefusedWithItsMessage()
    {
        QFETCH(TypedValues, typed);
        const CheckOutcome outcome = checkSettings(typed, kBefore);
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
        const CheckOutcome outcome = checkSettings(typed, kBefore);
        QVERIFY(outcome.refusal);
        QCOMPARE(outcome.refusal->field, refused);
        for (int field = 0; field <= int(Field::PlayerInterval); ++field) {
            const int expected = field < int(refused) ? kOpeningStored[field] : stored(kBefore, Field(field));
            QCOMPARE(stored(outcome.settings, Field(field)), expected);
        }
    }
};

QTEST_APPLESS_MAIN(TestSettingsCheck)
#include "tst_settingscheck.moc"
