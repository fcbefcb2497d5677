#include "platform/QtPlatform.h"
#include "platform/core/SineTone.h"

#include <QtTest>
#include <QtWidgets>

using namespace platform;

// What a real message box showed before it was answered.
struct Seen {
    QString title;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QString defaultButton;
    int width = 0;
    int titleNeeds = 0; // the title in the bold title-bar font, beside an icon, three buttons and their gaps
    QFont font;
};

// The real platform's message boxes, answered by a key as the operator would.
class TestPlatform : public QObject {
    Q_OBJECT
private slots:
    void boxes_data()
    {
        QTest::addColumn<Buttons>("buttons");
        QTest::addColumn<Icon>("icon");
        QTest::addColumn<Answer>("defaultButton");
        QTest::addColumn<int>("key");
        QTest::addColumn<QMessageBox::Icon>("shownIcon");
        QTest::addColumn<QString>("shownDefault");
        QTest::addColumn<Answer>("answer");
        QTest::newRow("a question: No by default, and Esc answers No")
            << Buttons::YesNo << Icon::Question << Answer::No << int(Qt::Key_Escape) << QMessageBox::Question << "Нет"
            << Answer::No;
        QTest::newRow("a question: Enter answers the default")
            << Buttons::YesNo << Icon::Question << Answer::Yes << int(Qt::Key_Return) << QMessageBox::Question << "Да"
            << Answer::Yes;
        QTest::newRow("an error") << Buttons::Ok << Icon::Error << Answer::Ok << int(Qt::Key_Return)
                                  << QMessageBox::Critical << "OK" << Answer::Ok;
    }
    void boxes()
    {
        QFETCH(Buttons, buttons);
        QFETCH(Icon, icon);
        QFETCH(Answer, defaultButton);
        QFETCH(int, key);
        QtPlatform platform;
        QWidget owner;
        Seen seen;
        QTimer::singleShot(0, &owner, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QFont titleFont = QApplication::font("QMdiSubWindowTitleBar");
            titleFont.setBold(true);
            seen = {box->windowTitle(),
                    box->icon(),
                    box->defaultButton()->text(),
                    box->width(),
                    QFontMetrics(titleFont).horizontalAdvance(box->windowTitle()) +
                        5 * box->style()->pixelMetric(QStyle::PM_TitleBarHeight),
                    box->font()};
            QTest::keyClick(box, Qt::Key(key));
        });
        // A prompt so short that only the title can make the box as wide as it must be.
        QTEST(platform.messageBox(&owner, QStringLiteral("?"), buttons, icon, defaultButton), "answer");
        QCOMPARE(seen.title, QStringLiteral(" quorrin.example.org "));
        QTEST(seen.icon, "shownIcon");
        QTEST(seen.defaultButton, "shownDefault");
        QCOMPARE(seen.font.pointSizeF(), 9.75); // the windows' own typeface
        QVERIFY(!seen.font.bold());
        QVERIFY2(seen.width >= seen.titleNeeds, qPrintable(QString("%1 < %2").arg(seen.width).arg(seen.titleNeeds)));
    }

    // The program's end leaves its event loop at once, with no error.
    void endProgram()
    {
        QtPlatform platform;
        QTimer::singleShot(0, qApp, [&] { platform.endProgram(); });
        QTimer::singleShot(5000, qApp, [] { QCoreApplication::exit(1); }); // should it not end
        QCOMPARE(QCoreApplication::exec(), 0);
    }

    // The beep: 500 Hz for 300 ms, 16-bit mono at 44.1 kHz, half the full swing, faded in and out over 5 ms
    // (220 samples).
    void beepTone()
    {
        const QByteArray bytes = sineTone(500, 300);
        const auto* samples = reinterpret_cast<const int16_t*>(bytes.constData());
        const qsizetype count = bytes.size() / 2;
        QCOMPARE(count, 13230);
        int crossings = 0;
        int peak = 0;
        for (qsizetype i = 0; i < count; ++i) {
            const int faded = int(16384 * std::min({1.0, i / 220.0, (count - 1 - i) / 220.0}));
            QVERIFY2(std::abs(samples[i]) <= faded, qPrintable(QString::number(i)));
            peak = std::max(peak, std::abs(int(samples[i])));
            crossings += i > 0 && (samples[i - 1] < 0) != (samples[i] < 0);
        }
        QVERIFY(peak > 16000);
        QVERIFY2(std::abs(crossings - 300) <= 2, qPrintable(QString::number(crossings)));
    }
};

QTEST_MAIN(TestPlatform)
#include "tst_platform.moc"
