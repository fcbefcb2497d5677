#include "settings/NumberReader.h"

#include <QTest>

class TestNumberReader : public QObject {
    Q_OBJECT
private slots:
    void reads_data();
    void reads();
    void wholeNumbers_data();
    void wholeNumbers();
};

void TestNumberReader::reads_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    QTest::newRow("plain") << "725" << 725.0;
    QTest::newRow("a blank inside: 7 25") << "7 25" << 725.0;
    QTest::newRow("tabs and line feeds inside") << "\t7\n2\t5\n" << 725.0;
    QTest::newRow("leading blanks") << "   42" << 42.0;
    QTest::newRow("exponent with E") << "1e2" << 100.0;
    QTest::newRow("exponent with D") << "1D2" << 100.0;
    QTest::newRow("negative exponent") << "25e-1" << 2.5;
    QTest::newRow("exponent without digits is ignored") << "3e" << 3.0;
    QTest::newRow("full stop is the decimal point") << "2.5" << 2.5;
    QTest::newRow("comma is not") << "2,5" << 2.0;
    QTest::newRow("leading point") << ".5" << 0.5;
    QTest::newRow("minus") << "-1" << -1.0;
    QTest::newRow("plus") << "+7" << 7.0;
    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("letters") << "abc" << 0.0;
    QTest::newRow("stops at the first other character") << "12abc" << 12.0;
    QTest::newRow("a second point stops") << "1.2.3" << 1.2;
    QTest::newRow("carriage return stops") << "1\r2" << 1.0;
    QTest::newRow("hexadecimal") << "&H1F" << 31.0;
    QTest::newRow("hexadecimal, lower case") << "&hff" << 255.0;
    QTest::newRow("hexadecimal stops at G") << "&H1G" << 1.0;
    QTest::newRow("octal") << "&O17" << 15.0;
    QTest::newRow("octal stops at 8") << "&O78" << 7.0;
    QTest::newRow("ampersand alone") << "&" << 0.0;
    QTest::newRow("sign alone") << "-" << 0.0;
    QTest::newRow("point alone") << "." << 0.0;
    QTest::newRow("Cyrillic letters") << "сто" << 0.0;
    QTest::newRow("huge exponent") << "1e999" << std::numeric_limits<double>::infinity();
    QTest::newRow("tiny exponent") << "1e-999" << 0.0;
    QTest::newRow("400 digits and a negative exponent: still too large")
        << QString(400, u'4') + QStringLiteral("e-50") << std::numeric_limits<double>::infinity();
    QTest::newRow("a small number with a positive exponent: still too small")
        << QStringLiteral("0.") + QString(400, u'0') + QStringLiteral("1e50") << 0.0;
    QTest::newRow("too large, negative") << "-1e999" << -std::numeric_limits<double>::infinity();
}

void TestNumberReader::reads()
{
    QFETCH(QString, text);
    QFETCH(double, value);
    QCOMPARE(readNumber(text), value);
}

void TestNumberReader::wholeNumbers_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("fits");
    QTest::addColumn<int>("value");
    QTest::newRow("2.5 rounds to 2") << "2.5" << true << 2;
    QTest::newRow("3.5 rounds to 4") << "3.5" << true << 4;
    QTest::newRow("-2.5 rounds to -2") << "-2.5" << true << -2;
    QTest::newRow("1e2 is 100") << "1e2" << true << 100;
    QTest::newRow("32767 fits") << "32767" << true << 32767;
    QTest::newRow("-32768 fits") << "-32768" << true << -32768;
    QTest::newRow("32768 does not fit") << "32768" << false << 0;
    QTest::newRow("1e5 does not fit") << "1e5" << false << 0;
    QTest::newRow("a long run of digits does not fit") << "99999999999999999999999" << false << 0;
    QTest::newRow("&HFFFF is 65535, not -1: it does not fit") << "&HFFFF" << false << 0;
    QTest::newRow("1e999 does not fit") << "1e999" << false << 0;
    QTest::newRow("letters read as 0") << "abc" << true << 0;
}

void TestNumberReader::wholeNumbers()
{
    QFETCH(QString, text);
    QFETCH(bool, fits);
    const std::optional<int16_t> whole = readWholeNumber(text);
    QCOMPARE(whole.has_value(), fits);
    if (fits)
        QTEST(int(*whole), "value");
}

QTEST_APPLESS_MAIN(TestNumberReader)
#include "tst_numberreader.moc"
