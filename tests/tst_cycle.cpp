#include "ScriptedRandom.h"
#include "settings/Base.h"
#include "stand/Show.h"

#include <QTest>

#include <cmath>
#include <deque>
#include <functional>

// A stand window that writes down what the show asks of it, each with the tick it was asked on.
class Window final : public ShowWindow {
public:
    void beep() override { log("beep"); }
    void setTimerCaption(const QString& caption) override { captions << caption; }
    void drawSeries(const Series&) override { log("draw"); }
    void clearDrawing() override { log("clear"); }
    void showKeyPrompt(bool shown) override { log(shown ? "prompt" : "counter"); }
    void tellError(const QString& text) override { ask(text); }
    void inform(const QString& text) override { ask(text); }
    bool askToStop() override { return ask("Прекратить отображение мишеней?"); }
    void setTicking(bool on) override { ticking = on; }
    void hideStand() override { log("hide"); }

    const Show* show = nullptr;
    QStringList events, captions, boxes;
    bool ticking = false;
    std::deque<bool> answers;         // Yes for true; No once they run out
    std::function<void()> whileAsked; // what a box's own event loop delivers while it is open

private:
    void log(const char* what) { events << QString("%1 %2").arg(show->cycle().ticks()).arg(what); }
    bool ask(const QString& text)
    {
        boxes << text;
        if (whileAsked)
            whileAsked();
        const bool yes = !answers.empty() && answers.front();
        if (!answers.empty())
            answers.pop_front();
        return yes;
    }
};

// A show on a 1920 x 1080 pixel stand, the calibration cross 5000 twips either way, series of 2 s.
struct Run {
    explicit Run(PauseCode mode = PauseCode::Fixed, int16_t pause = 3)
    {
        SetDefaults(base, std::nullopt);
        base.PauseMode = mode;
        base.PauseTime = pause;
        base.ShowTime = 2;
        window.show = &show;
        random.spread();
    }
    void tick(int times)
    {
        for (int t = 0; t < times; ++t)
            show.tick();
    }
    Base base;
    platform::ScriptedRandom random;
    Window window;
    Show show{base, random, window};
};

// A show without a window: its start, its one-second cycle, its ways out.
class TestCycle : public QObject {
    Q_OBJECT
private slots:
    void timeline_data()
    {
        QTest::addColumn<PauseCode>("mode");
        QTest::addColumn<int>("pause");
        QTest::addColumn<int>("ticks");
        QTest::addColumn<int>("spaceAfter"); // the tick after which Space is typed, the letter a the tick before
        QTest::addColumn<QStringList>("captions");
        QTest::addColumn<QStringList>("events");
        QTest::newRow("fixed pauses of 3 s; Space in them does nothing")
            << PauseCode::Fixed << 3 << 9 << 4 << QStringList{"2", "1", "0", "1", "0", "2", "1", "0", "1"}
            << QStringList{"2 beep", "3 draw", "5 clear", "7 beep", "8 draw"};
        QTest::newRow("a fixed pause of 1 s has no beep")
            << PauseCode::Fixed << 1 << 8 << 0 << QStringList{"2", "1", "0", "1", "0", "0", "1", "0"}
            << QStringList{"2 beep", "3 draw", "5 clear", "6 draw", "8 clear"};
        QTest::newRow("key pause: the same targets again, other keys wait, then on after Space")
            << PauseCode::Keys << 0 << 11 << 7 << QStringList{"2", "1", "0", "1", "0", "", "", "", "2", "1", "0"}
            << QStringList{"2 beep",    "3 draw",  "5 clear", "5 prompt", "6 draw",
                           "8 counter", "8 clear", "10 beep", "11 draw"};
    }
    void timeline()
    {
        QFETCH(PauseCode, mode);
        QFETCH(int, pause);
        QFETCH(int, ticks);
        QFETCH(int, spaceAfter);
        Run run(mode, int16_t(pause));
        QVERIFY(run.show.start(5000, 5000, 28800, 16200));
        for (int t = 1; t <= ticks; ++t) {
            run.show.tick();
            if (t == spaceAfter - 1)
                run.show.keyTyped('a');
            if (t == spaceAfter)
                run.show.keyTyped(kSpaceKey);
        }
        QTEST(run.window.captions, "captions");
        QTEST(run.window.events, "events");
        QVERIFY(run.window.ticking);
    }

    // Euro faces larger than their lane: an error while the show only counts, then the stand hides and a tick
    // still on its way is dropped; the next start begins afresh.
    void aFailedPlacementStopsTheShow()
    {
        Run run;
        run.base.TargetType = TargetCode::Euro;
        run.base.TargetZoom = 150;
        run.window.whileAsked = [&] {
            run.show.tick();
        };
        QVERIFY(run.show.start(5000, 5000, 10305, 6555));
        run.tick(4);
        QCOMPARE(run.window.boxes, QStringList{placementFailureMessage()});
        QCOMPARE(run.window.events, (QStringList{"2 beep", "4 hide", "4 draw"}));
        QCOMPARE(run.window.captions, (QStringList{"2", "1", "0", ""}));
        QVERIFY(run.show.cycle().placeBusy());
        QVERIFY(!run.window.ticking);
        QVERIFY(run.show.start(5000, 5000, 28800, 16200));
        QCOMPARE(run.show.cycle().ticks(), 0);
        QVERIFY(!run.show.cycle().placeBusy());
        QCOMPARE(run.show.cycle().secondsLeft(), 3);
    }

    // Esc holds the show while it asks: No lets it go on, Yes ends it; before a show No leaves it stopped.
    void escapeAsksWithTheShowHeld()
    {
        Run run;
        run.show.keyTyped(kEscapeKey);
        QVERIFY(!run.window.ticking);
        QVERIFY(run.show.start(5000, 5000, 28800, 16200));
        bool tickingWhileAsked = true;
        run.window.whileAsked = [&] {
            tickingWhileAsked = run.window.ticking;
        };
        run.show.keyTyped(kEscapeKey);
        QVERIFY(!tickingWhileAsked);
        QVERIFY(run.window.ticking);
        run.window.answers = {true};
        run.show.keyTyped(kEscapeKey);
        QVERIFY(!run.window.ticking);
        QCOMPARE(run.window.events, QStringList{"0 hide"});
        QCOMPARE(run.window.boxes.size(), 3);
    }
};

QTEST_APPLESS_MAIN(TestCycle)
#include "tst_cycle.moc"
