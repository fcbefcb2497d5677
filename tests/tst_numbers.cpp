#include "platform/SineTone.h"
#include "platform/Units.h"
#include "settings/Base.h"
#include "settings/NumberReader.h"

#include <QTest>

constexpr int kRefused = 1 << 16; // stands for "does not fit 16 bits"

// Numbers read from text, rounded and defaulted, and the tone's samples: no sound device is needed.
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
        QTest::newRow("E raises to a power of ten") << "1E2" << 100.0 << 100;
        QTest::newRow("so does d, blanks inside; 2.5 rounds to the even 2") << "25 d -1" << 2.5 << 2;
        QTest::newRow("32767.5 rounds past 16 bits") << "32767.5" << 32767.5 << kRefused;
        QTest::newRow("-32768.5 rounds to -32768 and fits") << "-32768.5" << -32768.5 << -32768;
        QTest::newRow("&H: E is a digit, not an exponent") << "&H1E2" << 482.0 << 482;
        QTest::newRow("&h: digits 0, 9, a to f; stops at g") << "&h90afg1" << 37039.0 << kRefused;
        QTest::newRow("&o: octal stops at 8") << "&o1078" << 71.0 << 71;
        QTest::newRow("& without H or O reads 0") << "&5" << 0.0 << 0;
        QTest::newRow("a sign and a point alone read 0") << "-." << 0.0 << 0;
        QTest::newRow("too large: an infinity of the number's sign") << "-1e400" << -qInf() << kRefused;
        QTest::newRow("leading zeros do not count: too small") << QString(400, u'0') + "1e-400" << 0.0 << 0;
        QTest::newRow("nor before a point: too large") << QString(400, u'0') + ".01e400" << qInf() << kRefused;
        QTest::newRow("1801 digits outweigh e-1480: too large") << QString(1801, u'4') + "e-1480" << qInf() << kRefused;
    }

    void reading()
    {
        QFETCH(QString, text);
        const std::optional<int16_t> whole = readWholeNumber(text);
        QTEST(readNumber(text), "value");
        QTEST(whole ? int(*whole) : kRefused, "whole");
    }

    void roundingAndDefaults()
    {
        QCOMPARE(units::roundHalfEven(0x1p52 + 1), 0x1p52 + 1); // whole already: adding 2^52 would lose the 1
        QCOMPARE(units::roundToInt32(1e12), INT32_MAX);
        QCOMPARE(units::roundToInt32(qQNaN()), 0);
        QVERIFY(!units::roundToInt16(qQNaN()));

        Base b{.TargetType = TargetCode::Random, .PlayerInterval = 9, .PauseMode = PauseCode::Keys};
        SetDefaults(b, std::nullopt);
        const QList<qlonglong> got{b.StandBackColor,  b.PlayerCount, b.TargetsPerPlayer, b.TargetZoom,
                                   int(b.TargetType), b.ShowTime,    b.CircleSize,       b.PlayerInterval,
                                   int(b.PauseMode),  b.PauseTime,   b.TopMargin,        b.BottomMargin,
                                   b.KalibrDx,        b.KalibrDy};
        QCOMPARE(got, (QList<qlonglong>{0x808080, 2, 3, 100, 0, 5, 5, 0, 0, 30, 10, 20, 725, 765}));
        SetDefaults(b, 7);
        QCOMPARE(b.ShowTime, int16_t(7));
    }

    void sineWithoutClicks_data()
    {
        QTest::addColumn<QList<int>>("tone"); // Hz, ms
        QTest::newRow("the series beep") << QList{500, 300};
        QTest::newRow("a short high one") << QList{2000, 50};
        QTest::newRow("a long one, ending mid-wave") << QList{441, 1050};
    }
    void sineWithoutClicks()
    {
        QFETCH(QList<int>, tone);
        const int hz = tone[0], ms = tone[1];
        const QByteArray bytes = platform::sineTone(hz, ms);
        const auto* samples = reinterpret_cast<const int16_t*>(bytes.constData());
        const qsizetype count = bytes.size() / qsizetype(sizeof(int16_t));
        QVERIFY(count == 44100 * ms / 1000 && bytes.constData()[bytes.size()] == '\0'); // nothing written past the end
        int crossings = 0, peak = 0, firstLoud = -1;
        for (qsizetype i = 1; i < count; ++i) {
            crossings += (samples[i - 1] < 0) != (samples[i] < 0);
            peak = qMax(peak, qAbs(int(samples[i])));
            firstLoud = firstLoud < 0 && qAbs(int(samples[i])) > 16000 ? int(i) : firstLoud;
        }
        QVERIFY2(qAbs(crossings - 2 * hz * ms / 1000) <= 2, qPrintable(QString::number(crossings)));
        QVERIFY(peak > 16000 && peak < 16384); // half of full scale
        // No click at either end: faded in and out over 5 ms.
        QVERIFY(qAbs(samples[0]) < 100 && qAbs(samples[count - 1]) < 100 && firstLoud > 150 && firstLoud < 300);
        QVERIFY(qAbs(samples[count - 11]) <= 16384 * 10 / 220);
    }
};

QTEST_APPLESS_MAIN(TestNumbers)
#include "tst_numbers.moc"
