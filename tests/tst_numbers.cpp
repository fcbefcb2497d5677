#include "platform/Units.h"
#include "settings/Base.h"
#include "settings/NumberReader.h"

#include <QTest>

constexpr int kRefused = 1 << 16; // stands for "does not fit 16 bits"

// Numbers read from text, rounded, and the settings' start-up values.
class TestNumbers : public QObject {
    Q_OBJECT
private slots:
    void reading_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("whole");
        QTest::newRow("blanks, tabs, line feeds skipped; a carriage return stops")
            << "\t- 9 0\n7 \r1" << -907.0 << -907;
        QTest::newRow("a full stop is the decimal point, a comma stops") << ".7,1" << 0.7 << 1;
        QTest::newRow("32767 is the largest that fits") << "32767" << 32767.0 << 32767;
        QTest::newRow("d raises to a power of ten, blanks inside; 2.5 rounds to the even 2") << "25 d -1" << 2.5 << 2;
        QTest::newRow("32767.5 rounds past 16 bits") << "32767.5" << 32767.5 << kRefused;
        QTest::newRow("&H: E is a digit, not an exponent") << "&H1E2" << 482.0 << 482;
        QTest::newRow("&o: octal stops at 8") << "&o1078" << 71.0 << 71;
        QTest::newRow("& without H or O reads 0") << "&5" << 0.0 << 0;
        QTest::newRow("too large: an infinity of the number's sign") << "-1e400" << -qInf() << kRefused;
        QTest::newRow("leading zeros do not count: too small") << QString(400, u'0') + "1e-400" << 0.0 << 0;
        QTest::newRow("1801 digits outweigh e-1480: too large") << QString(1801, u'4') + "e-1480" << qInf() << kRefused;
        QTest::newRow("zeros before a point do not count: too large")
            << QString(400, u'0') + ".01e400" << qInf() << kRefused;
    }

    void reading()
    {
        QFETCH(QString, text);
        const std::optional<int16_t> whole = readWholeNumber(text);
        QTEST(readNumber(text), "value");
        QTEST(whole ? int(*whole) : kRefused, "whole");
    }

    void rounding()
    {
        QCOMPARE(units::roundHalfEven(2.5), 2.0);
        QCOMPARE(units::roundHalfEven(3.5), 4.0);
        QCOMPARE(units::roundHalfEven(0x1p52 + 1), 0x1p52 + 1); // whole already: adding 2^52 would lose the 1
        QCOMPARE(units::roundToInt32(1e12), INT32_MAX);
        QCOMPARE(units::roundToInt32(-1e12), INT32_MIN);
        QCOMPARE(units::roundToInt32(qQNaN()), 0);
        QVERIFY(!units::roundToInt16(qQNaN()));
    }
};

QTEST_APPLESS_MAIN(TestNumbers)
#include "tst_numbers.moc"
