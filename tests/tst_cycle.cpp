#include "ScriptedRandom.h"
#include "settings/Base.h"
#include "stand/Show.h"

#include <QTest>

#include <cmath>
#include <deque>
#include <functional>

// A stand window that records on which tick the show asked it for what.
class Window final : public ShowWindow {
public:
    void beep() override { beeps << at(); }
    void setTimerCaption(const QString& caption) override { captions << caption; }
    void drawSeries(const Series&) override { drawn << at(); }
    void clearDrawing() override { cleared << at(); }
    void showKeyPrompt(bool shown) override { prompt << shown; }
    void tellError(const QString& text) override { box(text); }
    void inform(const QString& text) override { box(text); }
    bool askToStop() override
    {
        box(QStringLiteral("Прекратить отображение мишеней?"));
        const bool yes = !answers.empty() && answers.front();
        if (!answers.empty())
            answers.pop_front();
        return yes;
    }
    void setTicking(bool on) override { ticking = on; }
    void hideStand() override { hidden = true; }

    const Show* show = nullptr;
    QStringList captions, boxes;
    QList<int> beeps, drawn, cleared;
    QList<bool> prompt;
    bool ticking = false;
    bool hidden = false;
    std::deque<bool> answers;         // Yes for true; No once they run out
    std::function<void()> whileAsked; // what a box's own event loop delivers while it is open

private:
    int at() const { return show->cycle().ticks(); }
    void box(const QString& text)
    {
        boxes << text;
        if (whileAsked)
            whileAsked();
    }
};

// A show on a 1920 x 1080 pixel stand, the calibration cross 5000 twips either way.
struct Run {
    explicit Run(PauseCode mode = PauseCode::Fixed, int16_t pause = 3, int16_t showTime = 2)
    {
        SetDefaults(base, std::nullopt);
        base.PauseMode = mode;
        base.PauseTime = pause;
        base.ShowTime = showTime;
        window.show = &show;
        std::vector<double> spread(1000); // the golden ratio's multiples: never twice in one place
        for (size_t i = 0; i < spread.size(); ++i)
            spread[i] = std::fmod(0.618034 * double(i), 1.0);
        random.script(spread);
    }
    bool start(double W = 28800, double H = 16200) { return show.start(5000, 5000, W, H); }
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

// A show of series of 2 s, and on which ticks it asked for what.
struct Timeline {
    PauseCode mode;
    int16_t pause;
    int ticks;
    int spaceAfter; // the tick after which Space is typed, the letter a the tick before
    QStringList captions;
    QList<int> beeps;
    QList<int> drawn; // placed series, then drawn again for scoring
    QList<int> cleared;
};
Q_DECLARE_METATYPE(Timeline)

// A show without a window: its start, its one-second cycle, its ways out.
class TestCycle : public QObject {
    Q_OBJECT
private slots:
    void timeline_data()
    {
        QTest::addColumn<Timeline>("expected");
        QTest::newRow("series of 2 s, fixed pauses of 3 s; Space in them does nothing")
            << Timeline{PauseCode::Fixed, 3, 9, 4, {"2", "1", "0", "1", "0", "2", "1", "0", "1"}, {2, 7}, {3, 8}, {5}};
        QTest::newRow("a fixed pause of 1 s has no beep")
            << Timeline{PauseCode::Fixed, 1, 8, 0, {"2", "1", "0", "1", "0", "0", "1", "0"}, {2}, {3, 6}, {5, 8}};
        QTest::newRow("key pause: the same targets again, other keys wait, then on after Space")
            << Timeline{PauseCode::Keys, 0,          11,    7, {"2", "1", "0", "1", "0", "", "", "", "2", "1", "0"},
                        {2, 10},         {3, 6, 11}, {5, 8}};
    }
    void timeline()
    {
        QFETCH(Timeline, expected);
        Run run(expected.mode, expected.pause);
        QVERIFY(run.start());
        for (int t = 1; t <= expected.ticks; ++t) {
            run.show.tick();
            if (t == expected.spaceAfter - 1)
                run.show.keyTyped('a');
            if (t == expected.spaceAfter)
                run.show.keyTyped(kSpaceKey);
        }
        QCOMPARE(run.window.captions, expected.captions);
        QCOMPARE(run.window.beeps, expected.beeps);
        QCOMPARE(run.window.drawn, expected.drawn);
        QCOMPARE(run.window.cleared, expected.cleared);
        QVERIFY(run.window.ticking);
    }

    // A tick that arrives while the key pause's box is open already brings the targets back.
    void aTickBehindTheKeyPauseBoxShowsTheTargetsAgain()
    {
        Run run(PauseCode::Keys, 0, 1);
        run.window.whileAsked = [&] {
            run.show.tick();
        };
        QVERIFY(run.start());
        run.tick(4);
        QCOMPARE(run.window.boxes, QStringList{keyPauseNotice()});
        QCOMPARE(run.window.prompt, QList{true});
        QCOMPARE(run.window.drawn, (QList{3, 5}));
        run.show.keyTyped(kSpaceKey);
        run.tick(1);
        QCOMPARE(run.window.prompt, (QList{true, false}));
    }

    void refusedCalibration_data()
    {
        QTest::addColumn<int>("dx"); // millimetres
        QTest::addColumn<int>("dy");
        QTest::addColumn<QString>("refusal");
        QTest::newRow("10 and 3000 mm pass") << 10 << 3000 << "";
        QTest::newRow("9 mm across") << 9 << 765 << "Задано некорректное значение калибровки по ширине!";
        QTest::newRow("3001 mm across") << 3001 << 765 << "Задано некорректное значение калибровки по ширине!";
        QTest::newRow("3001 mm down") << 725 << 3001 << "Задано некорректное значение калибровки по высоте!";
        QTest::newRow("both: only the width") << 9 << 9 << "Задано некорректное значение калибровки по ширине!";
    }
    // A refused calibration length tells the operator, hides the stand, and leaves the scale as it was.
    void refusedCalibration()
    {
        QFETCH(int, dx);
        QFETCH(int, dy);
        QFETCH(QString, refusal);
        Run run;
        run.base.KalibrDx = int16_t(dx);
        run.base.KalibrDy = int16_t(dy);
        QCOMPARE(run.start(), refusal.isEmpty());
        QCOMPARE(run.window.boxes, refusal.isEmpty() ? QStringList{} : QStringList{refusal});
        QCOMPARE(run.window.hidden, !refusal.isEmpty());
        QCOMPARE(run.window.ticking, refusal.isEmpty());
        QCOMPARE(run.base.ScaleX, refusal.isEmpty() ? float(50000.0 / dx) : 0.0f);
        QCOMPARE(run.base.ScaleY, refusal.isEmpty() ? float(50000.0 / dy) : 0.0f);
    }

    // Euro faces larger than their lane: an error while the show only counts its ticks, then the stand hides;
    // the next start begins afresh.
    void aFailedPlacementStopsTheShow()
    {
        Run run;
        run.base.TargetType = TargetCode::Euro;
        run.base.TargetZoom = 150;
        run.window.whileAsked = [&] {
            run.show.tick();
        };
        QVERIFY(run.start(10305, 6555));
        run.tick(3);
        QCOMPARE(run.window.boxes, QStringList{placementFailureMessage()});
        QCOMPARE(run.show.cycle().ticks(), 4); // the tick behind the box only counted
        QVERIFY(run.show.cycle().placeBusy());
        QVERIFY(run.window.hidden);
        QVERIFY(!run.window.ticking);
        run.tick(1);
        QCOMPARE(run.show.cycle().ticks(), 4); // one still on its way is dropped
        QVERIFY(run.start());
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
        QVERIFY(run.start());
        bool tickingWhileAsked = true;
        run.window.whileAsked = [&] {
            tickingWhileAsked = run.window.ticking;
        };
        run.show.keyTyped(kEscapeKey);
        QVERIFY(!tickingWhileAsked);
        QVERIFY(run.show.running());
        QVERIFY(!run.window.hidden);
        run.window.answers = {true};
        run.show.keyTyped(kEscapeKey);
        QVERIFY(!run.show.running());
        QVERIFY(!run.window.ticking);
        QVERIFY(run.window.hidden);
        QCOMPARE(run.window.boxes.size(), 3);
    }

    // A close mark asks while the show runs on; No changes nothing, Yes ends it.
    void closeMarkAsksWithTheShowRunning()
    {
        Run run;
        QVERIFY(run.start());
        bool tickingWhileAsked = false;
        run.window.whileAsked = [&] {
            tickingWhileAsked = run.window.ticking;
        };
        run.show.closeMarkClicked();
        QVERIFY(tickingWhileAsked);
        QVERIFY(run.show.running());
        run.window.answers = {true};
        run.show.closeMarkClicked();
        QVERIFY(!run.window.ticking);
        QVERIFY(run.window.hidden);
        run.tick(1);
        QCOMPARE(run.window.captions, QStringList{}); // a tick still on its way is dropped
    }
};

QTEST_APPLESS_MAIN(TestCycle)
#include "tst_cycle.moc"
