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
        if (whilePlacing)
            whilePlacing();
        return placementSucceeds;
    }
    void ShowTekTarget() override { shown << m_cycle.ticks(); }
    void clearDrawing() override { cleared << m_cycle.ticks(); }
    void inform(const QString& text) override
    {
        notices << text;
        if (whileInforming)
            whileInforming();
    }
    void showKeyPrompt(bool shown) override { promptShown << shown; }

    QStringList captions;
    QList<int> beeps, placed, shown, cleared;
    QStringList notices;
    QList<bool> promptShown;
    bool placementSucceeds = true;
    // What a box's own event loop would deliver while it is open.
    std::function<void()> whilePlacing, whileInforming;

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
    Base base;
    ShowCycle cycle{base, actions};
    RecordingActions actions{cycle};
};

// The show's state machine on its own, tick by tick.
class TestCycle : public QObject {
    Q_OBJECT
private slots:
    void timeline_data()
    {
        QTest::addColumn<PauseCode>("mode");
        QTest::addColumn<int>("pause");
        QTest::addColumn<int>("ticks");
        QTest::addColumn<QList<int>>("spaceAfter"); // ticks after which Space is typed
        QTest::addColumn<QList<int>>("otherAfter"); // and the letter a
        QTest::addColumn<QStringList>("captions");
        QTest::addColumn<QList<int>>("beeps"); // ticks
        QTest::addColumn<QList<int>>("placed");
        QTest::addColumn<QList<int>>("shown"); // placed series drawn, then drawn again for scoring
        QTest::addColumn<QList<int>>("cleared");
        QTest::newRow("series of 2 s, fixed pauses of 3 s; Space in them does nothing")
            << PauseCode::Fixed << 3 << 9 << QList{1, 2, 3, 4} << QList<int>{}
            << QStringList{"2", "1", "0", "1", "0", "2", "1", "0", "1"} << QList{2, 7} << QList{3, 8} << QList{3, 8}
            << QList{5};
        QTest::newRow("a fixed pause of 1 s has no beep") << PauseCode::Fixed << 1 << 8 << QList<int>{} << QList<int>{}
                                                          << QStringList{"2", "1", "0", "1", "0", "0", "1", "0"}
                                                          << QList{2} << QList{3, 6} << QList{3, 6} << QList{5, 8};
        QTest::newRow("key pause: the same targets again, then on after Space")
            << PauseCode::Keys << 0 << 11 << QList{7} << QList<int>{}
            << QStringList{"2", "1", "0", "1", "0", "", "", "", "2", "1", "0"} << QList{2, 10} << QList{3, 11}
            << QList{3, 6, 11} << QList{5, 8};
        QTest::newRow("key pause: other keys wait for Space") << PauseCode::Keys << 0 << 9 << QList{6, 8} << QList{5, 7}
                                                              << QStringList{"2", "1", "0", "1", "0", "", "", "", ""}
                                                              << QList{2} << QList{3} << QList{3, 7} << QList{5, 9};
    }
    void timeline()
    {
        QFETCH(PauseCode, mode);
        QFETCH(int, pause);
        QFETCH(int, ticks);
        QFETCH(QList<int>, spaceAfter);
        QFETCH(QList<int>, otherAfter);
        Show show(mode, int16_t(pause), 2);
        for (int t = 1; t <= ticks; ++t) {
            show.cycle.tick();
            if (otherAfter.contains(t))
                show.cycle.keyTyped('a');
            if (spaceAfter.contains(t))
                show.cycle.keyTyped(kSpaceKey);
        }
        QTEST(show.actions.captions, "captions");
        QTEST(show.actions.beeps, "beeps");
        QTEST(show.actions.placed, "placed");
        QTEST(show.actions.shown, "shown");
        QTEST(show.actions.cleared, "cleared");
    }

    void keyPauseTellsWhatComesAndShowsThePrompt()
    {
        Show show(PauseCode::Keys, 0, 1);
        for (int t = 1; t <= 6; ++t)
            show.cycle.tick();
        show.cycle.keyTyped(kSpaceKey);
        show.cycle.tick();
        QCOMPARE(show.actions.notices, QStringList{keyPauseNotice()});
        QCOMPARE(show.actions.promptShown, (QList{true, false}));
    }

    void aSeriesOfOneSecondStaysOneTick()
    {
        Show show(PauseCode::Fixed, 10, 1);
        for (int t = 1; t <= 4; ++t)
            show.cycle.tick();
        QCOMPARE(show.actions.placed, QList{3});
        QCOMPARE(show.actions.cleared, QList{4});
    }

    // A tick that arrives while the key pause's box is open already brings the targets back.
    void aTickBehindTheKeyPauseBoxShowsTheTargetsAgain()
    {
        Show show(PauseCode::Keys, 0, 1);
        show.actions.whileInforming = [&] {
            show.cycle.tick();
        };
        for (int t = 1; t <= 4; ++t)
            show.cycle.tick();
        QCOMPARE(show.actions.shown, (QList{3, 5}));
        QCOMPARE(show.cycle.state(), ShowStateCode::KeyPauseScoring);
    }

    // After a failed placement the show is stopped; ticks already on their way only count.
    void aFailedPlacementHoldsTheCycle()
    {
        Show show(PauseCode::Fixed, 1, 2);
        show.actions.placementSucceeds = false;
        show.actions.whilePlacing = [&] {
            show.cycle.tick();
        };
        for (int t = 1; t <= 3; ++t)
            show.cycle.tick();
        QVERIFY(show.cycle.placeBusy());
        QCOMPARE(show.cycle.ticks(), 4);
        QCOMPARE(show.actions.placed, QList{3}); // the nested tick placed nothing
        QCOMPARE(show.cycle.state(), ShowStateCode::Series);
        QCOMPARE(show.cycle.nextTick(), 6);
        for (int t = 5; t <= 9; ++t)
            show.cycle.tick();
        QCOMPARE(show.actions.cleared, QList<int>{});
        QCOMPARE(show.actions.captions.last(), QString());
    }

    void startBeginsAfresh()
    {
        Show show(PauseCode::Fixed, 1, 2);
        show.actions.placementSucceeds = false;
        for (int t = 1; t <= 5; ++t)
            show.cycle.tick();
        show.cycle.start();
        QCOMPARE(show.cycle.ticks(), 0);
        QVERIFY(!show.cycle.placeBusy());
        QCOMPARE(show.cycle.state(), ShowStateCode::Countdown);
        QCOMPARE(show.cycle.nextTick(), 3);
        QCOMPARE(show.cycle.secondsLeft(), 3);
    }
};

QTEST_APPLESS_MAIN(TestCycle)
#include "tst_cycle.moc"
