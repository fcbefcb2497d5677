#include "platform/Units.h"

#include <QTest>

class TestUnits : public QObject {
    Q_OBJECT
private slots:
    void roundsHalvesToEven_data();
    void roundsHalvesToEven();
    void sixteenBitsRefusesWhatDoesNotFit_data();
    void sixteenBitsRefusesWhatDoesNotFit();
    void thirtyTwoBitsClampsInsteadOfWrapping();
    void twipsAndPixels();
};

void TestUnits::roundsHalvesToEven_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<double>("rounded");
    QTest::newRow("2.5 goes down to the even 2") << 2.5 << 2.0;
    QTest::newRow("3.5 goes up to the even 4") << 3.5 << 4.0;
    QTest::newRow("-2.5 goes to -2") << -2.5 << -2.0;
    QTest::newRow("-3.5 goes to -4") << -3.5 << -4.0;
    QTest::newRow("0.5 goes to 0") << 0.5 << 0.0;
    QTest::newRow("-0.5 goes to 0") << -0.5 << 0.0;
    QTest::newRow("172.5 goes to 172") << 172.5 << 172.0;
    QTest::newRow("173.5 goes to 174") << 173.5 << 174.0;
    QTest::newRow("just above a half goes up") << 2.5000001 << 3.0;
    QTest::newRow("just below a half goes down") << 3.4999999 << 3.0;
    QTest::newRow("-2.6 goes to -3") << -2.6 << -3.0;
    QTest::newRow("whole numbers stay") << 7.0 << 7.0;
}

void TestUnits::roundsHalvesToEven()
{
    QFETCH(double, value);
    QFETCH(double, rounded);
    QCOMPARE(units::roundHalfEven(value), rounded);
    QCOMPARE(units::roundToInt32(value), static_cast<int32_t>(rounded));
}

void TestUnits::sixteenBitsRefusesWhatDoesNotFit_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<bool>("fits");
    QTest::addColumn<int>("stored");
    QTest::newRow("32767 fits") << 32767.0 << true << 32767;
    QTest::newRow("32767.5 rounds to 32768 and does not") << 32767.5 << false << 0;
    QTest::newRow("-32768.5 rounds to -32768 and fits") << -32768.5 << true << -32768;
    QTest::newRow("1e5 does not fit") << 1e5 << false << 0;
    QTest::newRow("infinity does not fit") << std::numeric_limits<double>::infinity() << false << 0;
    QTest::newRow("not a number does not fit") << std::numeric_limits<double>::quiet_NaN() << false << 0;
}

void TestUnits::sixteenBitsRefusesWhatDoesNotFit()
{
    QFETCH(double, value);
    QFETCH(bool, fits);
    QFETCH(int, stored);
    const auto result = units::roundToInt16(value);
    QCOMPARE(result.has_value(), fits);
    if (fits)
        QCOMPARE(int(*result), stored);
}

void TestUnits::thirtyTwoBitsClampsInsteadOfWrapping()
{
    QCOMPARE(units::roundToInt32(1e12), std::numeric_limits<int32_t>::max());
    QCOMPARE(units::roundToInt32(-1e12), std::numeric_limits<int32_t>::min());
    QCOMPARE(units::roundToInt32(115200.5), 115200);
}

void TestUnits::twipsAndPixels()
{
    QCOMPARE(units::twipsToPixels(10305, 15), 687);
    QCOMPARE(units::twipsToPixels(7.5, 15), 0);  // half a pixel goes to the even 0
    QCOMPARE(units::twipsToPixels(22.5, 15), 2); // one and a half goes to 2
    QCOMPARE(units::pixelsToTwips(7680, 15), 115200.0);
    QCOMPARE(units::twipsToPixels(1440, 1440.0 / 120), 120); // 120 dpi
}

QTEST_APPLESS_MAIN(TestUnits)
#include "tst_units.moc"
