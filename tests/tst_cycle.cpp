#include "settings/Base.h"
#include "stand/ShowCycle.h"

#include <QTest>

#include <functional>

// Records on which tick the cycle asked the stand window for what.
class RecordingActions final : public ShowActions {
public:
    explicit RecordingActions(const ShowCycle& cycle)
        : m_cycle(cycle)
    {
    }

    void beep() override { beeps << m_cycle.ticks(); }
    void setTimerCaption(const QString& caption) override { captions << caption; }
    bool PlaceTargets() override
    {
        placed << m_cycle.ticks();
        if (!placementSucceeds && whileBoxOpen) // the stand tells the operator
            whileBoxOpen();
        return placementSucceeds;
    }
    void ShowTekTarget() override { shown << m_cycle.ticks(); }
    void clearDrawing() override { cleared << m_cycle.ticks(); }
    void inform(const QString& text) override
    {
        notices << text;
        if (whileBoxOpen)
            whileBoxOpen();
    }
    void showKeyPrompt(bool shown) override { promptShown << shown; }

    QStringList captions, notices;
    QList<int> beeps, placed, shown, cleared;
    QList<bool> promptShown;
    bool placementSucceeds = true;
    // What a box's own event loop would deliver while it is open.
    std::function<void()> whileBoxOpen;

private:
    const ShowCycle& m_cycle;
};

struct Show {
    explicit Show(PauseCode mode, int16_t pauseTime, int16_t showTime)
    {
        SetDefaults(base, std::nullopt);
        base.PauseMode = mode;
        base.PauseTime = pauseTime;
        base.ShowTime = showTime;
        cycle.start();
    }
    void tick(int times)
    {
        for (int t = 0; t < times; ++t)
            cycle.tick();
    }
    Base base;
    ShowCycle cycle{base, actions};
    RecordingActions actions{cycle};
};

// A show of series of 2 s, and on which ticks it asked for what.
struct Timeline {
    PauseCode mode;
    int16_t pause;
    int ticks;
    int spaceAfter; // the tick after which Space is typed, the letter a the tick before
    QStringList captions;
    QList<int> beeps;
    QList<int> placed;
    QList<int> shown; // placed series drawn, then drawn again for scoring
    QList<int> cleared;
};
Q_DECLARE_METATYPE(Timeline)

// The show's state machine on its own, tick by tick.
class TestCycle : public QObject {
    Q_OBJECT
private slots:
    void timeline_data()
    {
        QTest::addColumn<Timeline>("expected");
        QTest::newRow("series of 2 s, fixed pauses of 3 s; Space in them does nothing") << Timeline{
            PauseCode::Fixed, 3, 9, 4, {"2", "1", "0", "1", "0", "2", "1", "0", "1"}, {2, 7}, {3, 8}, {3, 8}, {5}};
        QTest::newRow("a fixed pause of 1 s has no beep") << Timeline{
            PauseCode::Fixed, 1, 8, 0, {"2", "1", "0", "1", "0", "0", "1", "0"}, {2}, {3, 6}, {3, 6}, {5, 8}};
        QTest::newRow("key pause: the same targets again, other keys wait, then on after Space") << Timeline{
            PauseCode::Keys, 0,       11,         7,     {"2", "1", "0", "1", "0", "", "", "", "2", "1", "0"},
            {2, 10},         {3, 11}, {3, 6, 11}, {5, 8}};
    }
    void timeline()
    {
        QFETCH(Timeline, expected);
        Show show(expected.mode, expected.pause, 2);
        for (int t = 1; t <= expected.ticks; ++t) {
            show.cycle.tick();
            if (t == expected.spaceAfter - 1)
                show.cycle.keyTyped('a');
            if (t == expected.spaceAfter)
                show.cycle.keyTyped(kSpaceKey);
        }
        QCOMPARE(show.actions.captions, expected.captions);
        QCOMPARE(show.actions.beeps, expected.beeps);
        QCOMPARE(show.actions.placed, expected.placed);
        QCOMPARE(show.actions.shown, expected.shown);
        QCOMPARE(show.actions.cleared, expected.cleared);
    }

    // A tick that arrives while the key pause's box is open already brings the targets back.
    void aTickBehindTheKeyPauseBoxShowsTheTargetsAgain()
    {
        Show show(PauseCode::Keys, 0, 1);
        show.actions.whileBoxOpen = [&] {
            show.cycle.tick();
        };
        show.tick(4);
        QCOMPARE(show.actions.notices, QStringList{keyPauseNotice()});
        QCOMPARE(show.actions.promptShown, QList{true});
        QCOMPARE(show.actions.shown, (QList{3, 5}));
        show.cycle.keyTyped(kSpaceKey);
        show.tick(1);
        QCOMPARE(show.actions.promptShown, (QList{true, false}));
    }

    // After a failed placement the show is stopped, ticks already on their way only count, and a new start begins
    // afresh.
    void aFailedPlacementHoldsTheCycle()
    {
        Show show(PauseCode::Fixed, 1, 2);
        show.actions.placementSucceeds = false;
        show.actions.whileBoxOpen = [&] {
            show.cycle.tick();
        };
        show.tick(3);
        QVERIFY(show.cycle.placeBusy());
        QCOMPARE(show.actions.placed, QList{3}); // the nested tick placed nothing
        show.tick(5);
        QCOMPARE(show.actions.cleared, QList<int>{});
        show.cycle.start();
        QCOMPARE(show.cycle.ticks(), 0);
        QVERIFY(!show.cycle.placeBusy());
        QCOMPARE(show.cycle.state(), ShowStateCode::Countdown);
        QCOMPARE(show.cycle.secondsLeft(), 3);
    }
};

QTEST_APPLESS_MAIN(TestCycle)
#include "tst_cycle.moc"
