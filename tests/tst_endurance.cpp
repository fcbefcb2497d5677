// Hours of club use in seconds, from a seed printed at the start and on failure; QUORRIN_SEED=n plays another.
#include "platform/ClockRandom.h"
#include "settings/frmCfg.h"
#include "stand/frmStend.h"

#include <QtTest>
#include <QtWidgets>
#include <malloc.h>
#include <random>

using namespace platform;
// Under AddressSanitizer the heap in use is its allocator's, not the C library's.
extern "C" size_t asanHeapInUse() __asm__("__sanitizer_get_current_allocated_bytes") __attribute__((weak));

// Also the operator's platform: every box is answered at random while the stand's timer ticks on
// under it, as under a real modal box, boxes within boxes. Only counts, so memory stays flat.
class TestEndurance : public QObject, Platform {
    Q_OBJECT
    const uint64_t seed = qEnvironmentVariable("QUORRIN_SEED", QStringLiteral("20261206")).toULongLong();
    std::mt19937_64 dice{seed};
    ClockRandom numbers; // the program's own generator, seeded by the test after every event
    Base base, day;
    frmCfg cfg{base, *this};
    QEventLoop done;
    const QRegularExpression controls{"^(opt|labFon|kn|Command1|LabExit|cmb|txt)"}; // what the operator touches
    const QStringList typed = QStringLiteral("100|10|20|0|725|765|5|150|3000|abc||&H20|0.5").split(u'|');
    long events = 0, boxes = 0, boxDepth = 0, series = 0;

    int below(int n) { return int(dice() % uint64_t(n)); }
    template <typename T> T pick(const QList<T>& all) { return all.at(below(int(all.size()))); }
    int size(int full) { return full * (below(10) ? 50 + below(51) : below(401)) / 100; } // now and then 8K, or tiny
    static size_t heapInUse() { return asanHeapInUse ? asanHeapInUse() : mallinfo2().uordblks; }
    Answer messageBox(QWidget*, const QString&, Buttons buttons, Icon, Answer) override
    {
        for (int i = ++boxDepth <= 3 && cfg.stand() ? below(4) : 0; i > 0; --i)
            tick(*cfg.stand(), base);
        --boxDepth, ++boxes;
        return buttons == Buttons::Ok ? Answer::Ok : Answer(1 + below(2)); // Yes or No
    }
    void beep(int, int) override {}
    void openWebPage(const QString&) override {}
    void startWindowDrag(QWidget*) override {}
    void endProgram() override {}
    RandomSource& random() override { return numbers; }

    // One second of the show. A series it places keeps each target's reserve inside the frame drawn
    // on the stand and on its player's side of the lines between the players; or it was refused.
    void tick(frmStend& s, const Base& b)
    {
        const ShowStateCode before = b.ShowState;
        if (!s.tik().isActive()) // a stopped timer delivers nothing
            return;
        s.tikTimer();
        if (before != ShowStateCode::Countdown || b.ShowState != ShowStateCode::Series || !s.isVisible())
            return;
        const TargetSizes& z = s.sizes();
        const Lanes& l = s.lanes();
        const int32_t w =
            std::array{z.UnifightHalfW, z.EuroRadius, z.KrugSize, z.KrugSize}[int(s.series().TekTargetType)];
        const int32_t h = s.series().TekTargetType == TargetCode::Unifight ? z.UnifightHalfH : w;
        const QRectF frame(QPointF(l.BorderLeft.x1, l.BorderTop.y1), QPointF(l.BorderRight.x1, l.BorderBottom.y1));
        const QRectF lanes[] = {frame.adjusted(0, 0, b.PlayerCount == 2 ? l.MenBorder.x1 - frame.right() : 0, 0),
                                frame.adjusted(l.MenBorder2.x1 - frame.left(), 0, 0, 0)};
        ++series;
        for (int p = 0; p < 2; ++p) // places left unused stay at 0
            for (const Centre c : s.series().Men[size_t(p)])
                QVERIFY(c == Centre{} || lanes[p].contains(QRectF(c.x - w, c.y - h, 2 * w, 2 * h)));
    }

    // One event from the event loop, so that the stand's modal showing runs as it does for real.
    void play()
    {
        frmStend* s = cfg.stand();
        s ? s->tik().blockSignals(true) : false;            // the test gives every tick itself
        if (events == 100000 || QTest::currentTestFailed()) // the stand hides, so that its modal showing returns
            return s ? s->tik().stop(), s->hide(), done.quit() : done.quit();
        ++events;
        QTimer::singleShot(0, this, &TestEndurance::play); // first: an OK below shows the stand, whose loop plays on
        QWidget* window = s && s->isVisible() ? static_cast<QWidget*>(s) : &cfg;
        QWidget* control = pick(window->findChildren<QWidget*>(controls));
        if (const int roll = below(100); window == s && roll < 86) // Esc asks to stop, Space takes the next series
            roll < 74 ? tick(*s, base)
                      : QTest::keyClick(s->focusWidget() && s->focusWidget()->isVisible() ? s->focusWidget() : s,
                                        std::array{Qt::Key_Escape, Qt::Key_Space, Qt::Key_Space, Qt::Key_Return,
                                                   Qt::Key_A}[below(5)]);
        else if (window == s && roll < 92) // by hand, out of the maximised state
            s->setWindowState(Qt::WindowNoState), s->resize(size(1920), size(1080));
        else if (auto* list = qobject_cast<QComboBox*>(control)) // mostly the short times of a training
            list->setCurrentIndex(below(below(10) < 7 ? 3 : list->count()));
        else if (auto* field = qobject_cast<QLineEdit*>(control)) // mostly what a coach types; now and then a slip
            field->setText(typed[below(below(3) ? 6 : int(typed.size()))]);
        else if (control->isVisible()) // options, colours, defaults, exit, OK; Go, calibration, close marks
            QTest::mouseClick(window == &cfg && roll >= 70 ? cfg.findChild<QPushButton*>("knStart") : control,
                              Qt::LeftButton);
        numbers.seed(seed ^ uint64_t(events)); // the show seeds it from the clock
        QVERIFY(uint32_t(base.ShowState) <= 3);
        QVERIFY(!(s = cfg.stand()) || !s->tik().isActive() || (s->isVisible() && !s->cycle().PlaceBusy));
    }

private slots:
    void initTestCase() { qInfo("seed %llu", qulonglong(seed)); }
    void cleanup() { QTest::currentTestFailed() ? qInfo("seed %llu", qulonglong(seed)) : void(); }

    void randomOperatorActions()
    {
        cfg.show();
        QTimer::singleShot(0, this, &TestEndurance::play);
        done.exec();
        qInfo("%ld events, %ld boxes, %ld series checked", events, boxes, series);
        QVERIFY(series > 500); // the run reached the show itself, not only the settings window
    }

    // 86,400 ticks: two players, three targets of a random kind, the pause fixed in even hours and
    // driven by keys in odd ones; every series the exact pause after the last, the heap flat.
    void dayLongShow()
    {
        SetDefaults(day, std::nullopt);
        day.PlayerCount = 2, day.TargetsPerPlayer = 3, day.TargetType = TargetCode::Random;
        day.ShowTime = 2, day.PauseTime = 3;
        frmStend stand(day, *this);
        stand.tik().blockSignals(true);
        stand.knGoClick();
        numbers.seed(seed);
        QTRY_COMPARE(stand.size(), QSize(1920, 1080)); // maximised on the projector
        constexpr int32_t kHour = 3600, kScoring = 4;  // the players walk up, note their hits, then Space
        size_t before = 0;
        series = boxes = 0;
        for (int32_t t = 1, last = 0, scoring = 0, placed = 0; t <= 24 * kHour && !QTest::currentTestFailed();
             ++t, placed = series) {
            day.PauseMode = (t - 1) / kHour % 2 ? PauseCode::Keys : PauseCode::Fixed;
            tick(stand, day);
            if (day.ShowState == ShowStateCode::KeyPauseScoring && ++scoring % kScoring == 0)
                QTest::keyClick(&stand, Qt::Key_Space);
            if (series == placed)
                continue;
            const int32_t pause = day.PauseMode == PauseCode::Fixed ? day.PauseTime : 1 + kScoring + kCountdownTicks;
            QVERIFY(!last || (last - 1) / kHour < (t - 1) / kHour || t - last == day.ShowTime + pause);
            last = t;
            QCoreApplication::processEvents(); // paint the series, as the window would
            before = before || t < kHour / 2 ? before : heapInUse();
        }
        const long long growth = (long long)heapInUse() - (long long)before;
        qInfo("%ld series checked, %ld boxes; heap %zu B at 30 min, %+lld B at 24 h", series, boxes, before, growth);
        QCOMPARE(series, 12L * kHour / 5 + 12L * kHour / 10); // the show ran all day
        QVERIFY(growth < 64 * 1024);
    }
};

QTEST_MAIN(TestEndurance)
#include "tst_endurance.moc"
