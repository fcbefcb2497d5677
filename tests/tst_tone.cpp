#include "platform/ToneBeeper.h"

#include <QTest>

#include <cstdint>

// The tone on its samples: no sound device is needed.
class TestTone : public QObject {
    Q_OBJECT
private slots:
    void sineWithoutClicks_data()
    {
        QTest::addColumn<int>("hz");
        QTest::addColumn<int>("ms");
        QTest::newRow("the series beep") << 500 << 300;
        QTest::newRow("a short high one") << 2000 << 50;
    }
    void sineWithoutClicks()
    {
        QFETCH(int, hz);
        QFETCH(int, ms);
        const QByteArray bytes = platform::sineTone(hz, ms);
        const auto* samples = reinterpret_cast<const int16_t*>(bytes.constData());
        const qsizetype count = bytes.size() / qsizetype(sizeof(int16_t));
        QCOMPARE(count, 44100 * ms / 1000);
        int crossings = 0, peak = 0, firstLoud = -1;
        for (qsizetype i = 1; i < count; ++i) {
            crossings += (samples[i - 1] < 0) != (samples[i] < 0);
            peak = qMax(peak, qAbs(int(samples[i])));
            firstLoud = firstLoud < 0 && qAbs(int(samples[i])) > 16000 ? int(i) : firstLoud;
        }
        QVERIFY2(qAbs(crossings - 2 * hz * ms / 1000) <= 2, qPrintable(QString::number(crossings)));
        QVERIFY(peak > 16000 && peak < 16384);                             // half of full scale
        QVERIFY(qAbs(samples[0]) < 100 && qAbs(samples[count - 1]) < 100); // no click at either end
        QVERIFY(qAbs(samples[count - 11]) <= 16384 * 10 / 220);            // faded out over 5 ms
        QVERIFY(firstLoud > 150 && firstLoud < 300);                       // faded in over 5 ms
    }
};

QTEST_APPLESS_MAIN(TestTone)
#include "tst_tone.moc"
