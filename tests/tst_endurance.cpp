// Long runs of club use in seconds, from a seed printed at the start; QUORRIN_SEED=n plays another.
#include "StandProbe.h"
#include "platform/Platform.h"
#include "settings/Base.h"
#include "settings/window/frmCfg.h"

#include <QtTest>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/allocator_interface.h>
static size_t heapInUse()
{
    return __sanitizer_get_current_allocated_bytes();
}
#else
#include <malloc.h>
static size_t heapInUse()
{
    return mallinfo2().uordblks;
}
#endif

using namespace platform;

// The operator and the program's dice: boxes answered at random while the stand ticks on under them.
class TestEndurance : public QObject, Platform, RandomSource {
    Q_OBJECT
    const quint32 seed = qEnvironmentVariable("QUORRIN_SEED", QStringLiteral("20261209")).toUInt();
    QRandomGenerator dice{seed};
    Base base, day;
    frmCfg cfg{base, *this};
    QEventLoop done;
    const QRegularExpression controls{"^(opt|labFon|kn|Command1|LabExit|cmb|txt)"}; // what the operator touches
    long actions = 0, series = 0;
    bool leaving = false; // the operator's last Esc, answered Yes

    Answer messageBox(QWidget*, const QString&, Buttons buttons, Icon, Answer) override
    {
        while (stand() && !dice.bounded(3))
            tick(*stand());
        if (buttons == Buttons::Ok)
            return Answer::Ok;
        return leaving ? Answer::Yes : Answer(1 + dice.bounded(2));
    }
    void beep(int, int) override {}
    void prepareBeep() override {}
    void openWebPage(const QString&) override {}
    void startWindowDrag(QWidget*, QPoint) override {}
    void endProgram() override {}
    RandomSource& random() override { return *this; }
    double next() override { return dice.generateDouble(); }
    void seedFromClock() override {} // the seed alone decides the run

    frmStend* stand() const { return cfg.findChild<frmStend*>(); }
    // One second of the operator's show, counting the series it brings.
    void tick(frmStend& s)
    {
        StandProbe probe(s);
        const ShowStateCode before = probe.cycle().state();
        probe.tick();
        series += before == ShowStateCode::Countdown && probe.cycle().state() == ShowStateCode::Series;
    }

    // One action from the event loop, so that the stand's modal showing runs as it does for real.
    void act()
    {
        frmStend* s = stand();
        if (s) // the test gives every tick itself
            StandProbe(*s).tik().blockSignals(true);
        if (++actions > 25000 || QTest::currentTestFailed()) { // the stand's modal showing returns as it hides
            leaving = true;
            if (s)
                QTest::keyClick(s, Qt::Key_Escape);
            done.quit();
            return;
        }
        QTimer::singleShot(0, this, &TestEndurance::act); // first: an OK below shows the stand, whose loop acts on
        QWidget* window = s && s->isVisible() ? static_cast<QWidget*>(s) : &cfg;
        const QList<QWidget*> all = window->findChildren<QWidget*>(controls);
        QWidget* control = all[dice.bounded(int(all.size()))];
        const int roll = dice.bounded(100);
        if (window == s && roll < 74)
            tick(*s);
        else if (window == s && roll < 86) // Esc asks to stop, Space takes the next series, other keys wait
            QTest::keyClick(s->focusWidget() && s->focusWidget()->isVisible() ? s->focusWidget() : s,
                            std::array{Qt::Key_Escape, Qt::Key_Space, Qt::Key_Return, Qt::Key_A}[roll % 4]);
        else if (window == s && roll < 92) { // by hand, out of the full screen: now and then 4K, or tiny
            s->setWindowState(Qt::WindowNoState);
            s->resize(dice.bounded(40, 3840), dice.bounded(40, 2160));
        } else if (control->inherits("QLineEdit")) // what a coach types, and slips
            control->setProperty("text", QStringLiteral("100|10|0|725|5|3000|abc||&H20|0.5").split(u'|')[roll % 10]);
        else if (control->isVisible()) // options, colours, lists, defaults, exit, OK; Go, calibration, close marks
            QTest::mouseClick(window == &cfg && roll >= 70 ? cfg.findChild<QWidget*>("knStart") : control,
                              Qt::LeftButton);
        // A running show is on a visible stand whose series found room.
        if ((s = stand()) && StandProbe(*s).show().running()) {
            QVERIFY(s->isVisible());
            QVERIFY(!StandProbe(*s).cycle().placeBusy());
        }
    }

private slots:
    void randomOperatorActions()
    {
        qInfo("seed %u", seed);
        cfg.show();
        QTimer::singleShot(0, this, &TestEndurance::act);
        done.exec();
        QVERIFY2(series > 100, qPrintable(QString::number(series))); // the run reached the show, not only settings
    }

    // 86,400 ticks of series of 2 s and pauses of 3 s: a series every 5 s all day, the heap flat after the first hour.
    void dayLongShow()
    {
        SetDefaults(day, std::nullopt);
        day.TargetType = TargetCode::Random;
        day.ShowTime = 2;
        day.PauseTime = 3;
        frmStend stand(day, *this); // not the operator's: its boxes take no ticks meanwhile
        StandProbe probe(stand);
        probe.tik().blockSignals(true);
        probe.knGoClick();
        QTRY_COMPARE(stand.size(), QSize(1920, 1080)); // the whole projector
        size_t afterAnHour = 0;
        series = 0;
        for (long t = 1; t <= 24 * 3600; ++t) {
            tick(stand);
            if (t % 300 == 0)
                QCoreApplication::processEvents(); // paint now and then, as the window would
            if (t == 3600)
                afterAnHour = heapInUse();
        }
        QCOMPARE(series, 24 * 3600 / 5);
        QVERIFY2(heapInUse() < afterAnHour + 64 * 1024,
                 qPrintable(QString("%1 -> %2 B").arg(afterAnHour).arg(heapInUse())));
    }
};

QTEST_MAIN(TestEndurance)
#include "tst_endurance.moc"
