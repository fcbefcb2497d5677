#include "platform/QtPlatform.h"
#include "platform/SineTone.h"

#include <QTest>
#include <QtWidgets>

using namespace platform;

// What the program asks of the system: its message boxes and the beep's tone.
class TestPlatform : public QObject {
    Q_OBJECT
private slots:
    // The system's box, answered with a key as the operator would.
    void messageBoxes_data()
    {
        QTest::addColumn<Buttons>("buttons");
        QTest::addColumn<Answer>("byDefault");
        QTest::addColumn<int>("key");
        QTest::addColumn<QStringList>("shown"); // the buttons, the default one marked with *
        QTest::addColumn<QString>("escape");
        QTest::addColumn<Answer>("answer");
        QTest::newRow("OK, closed with Enter")
            << Buttons::Ok << Answer::Ok << int(Qt::Key_Return) << QStringList{"OK*"} << "OK" << Answer::Ok;
        QTest::newRow("Yes by default, closed with Esc: No")
            << Buttons::YesNo << Answer::Yes << int(Qt::Key_Escape) << QStringList{"Да*", "Нет"} << "Нет" << Answer::No;
        QTest::newRow("No by default, taken with Enter")
            << Buttons::YesNo << Answer::No << int(Qt::Key_Enter) << QStringList{"Да", "Нет*"} << "Нет" << Answer::No;
    }
    void messageBoxes()
    {
        QFETCH(Buttons, buttons);
        QFETCH(Answer, byDefault);
        QFETCH(int, key);
        QString title, text, escape;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QStringList shown;
        QTimer::singleShot(0, this, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            title = box->windowTitle();
            text = box->text();
            icon = box->icon();
            for (QAbstractButton* button : box->buttons())
                shown << button->text() + (button == box->defaultButton() ? "*" : "");
            escape = box->escapeButton()->text();
            QTest::keyClick(box, Qt::Key(key));
        });
        QtPlatform real;
        const Answer answer = real.messageBox(nullptr, "?", buttons, Icon::Error, byDefault);
        QCOMPARE(title, messageBoxTitle());
        QCOMPARE(text, QStringLiteral("?"));
        QCOMPARE(icon, QMessageBox::Critical);
        QTEST(shown, "shown");
        QTEST(escape, "escape");
        QTEST(answer, "answer");
    }

    void toneWithoutClicks_data()
    {
        QTest::addColumn<int>("hz");
        QTest::addColumn<int>("ms");
        QTest::newRow("the series beep") << 500 << 300;
        QTest::newRow("a long one, ending mid-wave") << 441 << 1050;
    }
    void toneWithoutClicks()
    {
        QFETCH(int, hz);
        QFETCH(int, ms);
        const QByteArray bytes = sineTone(hz, ms);
        const auto* samples = reinterpret_cast<const int16_t*>(bytes.constData());
        const qsizetype count = bytes.size() / qsizetype(sizeof(int16_t));
        QCOMPARE(count, 44100 * ms / 1000);
        QCOMPARE(bytes.constData()[bytes.size()], '\0'); // nothing written past the end
        int crossings = 0;
        int peak = 0;
        int firstLoud = -1;
        for (qsizetype i = 1; i < count; ++i) {
            crossings += (samples[i - 1] < 0) != (samples[i] < 0);
            peak = qMax(peak, qAbs(int(samples[i])));
            if (firstLoud < 0 && qAbs(int(samples[i])) > 16000)
                firstLoud = int(i);
        }
        QVERIFY2(qAbs(crossings - 2 * hz * ms / 1000) <= 2, qPrintable(QString::number(crossings)));
        QVERIFY(peak > 16000); // half of full scale
        QVERIFY(peak < 16384);
        // No click at either end: faded in and out over 5 ms.
        QVERIFY(qAbs(samples[0]) < 100);
        QVERIFY(qAbs(samples[count - 1]) < 100);
        QVERIFY(firstLoud > 150);
        QVERIFY(firstLoud < 300);
        QVERIFY(qAbs(samples[count - 11]) <= 16384 * 10 / 220);
    }
};

QTEST_MAIN(TestPlatform)
#include "tst_platform.moc"
