#include "settings/Base.h"
#include "stand/ShowCycle.h"

#include <QTest>

#include <functional>

namespace {

// Records what the cycle asks of the window, tick by tick.
class RecordingActions : public ShowActions {
public:
    void beep() override { events << QStringLiteral("beep"); }
    void setTimerCaption(const QString& text) override { caption = text; }
    void ShowNextTarget() override { events << QStringLiteral("series"); }
    void ShowTekTarget() override { events << QStringLiteral("again"); }
    void clearDrawing() override { events << QStringLiteral("clear"); }
    void inform(const QString& text) override
    {
        events << QStringLiteral("box");
        notice = text;
        if (whileBoxOpen)
            whileBoxOpen();
        events << QStringLiteral("box closed");
    }
    void showKeyPrompt(bool shown) override { events << (shown ? QStringLiteral("prompt") : QStringLiteral("timer")); }

    QString caption;
    QStringList events;
    QString notice;
    std::function<void()> whileBoxOpen;
};

} // namespace

class TestShowCycle : public QObject {
    Q_OBJECT
private slots:
    void init();
    void fixedPauseTimeline_data();
    void fixedPauseTimeline();
    void pauseOfOneHasNoBeep();
    void showTimeOfOneShowsForOneTick();
    void keyPauseShowsTheTargetsAgainUntilSpace();
    void keysOutsideTheKeyPauseChangeNothing();
    void anotherKeyDelaysTheSecondShowing();
    void busyPlacementTicksOnlyCount();
    void unknownStateOnlyCounts();

private:
    // Runs one tick and returns what it did, joined.
    QString tick()
    {
        m_actions.events.clear();
        m_cycle.tick();
        return m_actions.events.join(QLatin1Char(','));
    }

    Base m_base;
    RecordingActions m_actions;
    ShowCycle m_cycle{m_base, m_actions};
};

void TestShowCycle::init()
{
    m_base = Base{};
    SetDefaults(m_base, std::nullopt);
    m_actions = RecordingActions{};
    m_cycle.TikCount = 0;
    m_cycle.LastKey = 0;
    m_cycle.PlaceBusy = false;
    m_cycle.beginCountdown();
}

void TestShowCycle::fixedPauseTimeline_data()
{
    QTest::addColumn<int>("tick");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("events");

    QTest::newRow("1") << 1 << "2"
                       << "";
    QTest::newRow("2: beep a second before the series") << 2 << "1"
                                                        << "beep";
    QTest::newRow("3: series 1") << 3 << "0"
                                 << "series";
    for (int t = 4; t <= 7; ++t)
        QTest::addRow("%d", t) << t << QString::number(8 - t) << "";
    QTest::newRow("8: targets wiped, pause starts") << 8 << "0"
                                                    << "clear";
    for (int t = 9; t <= 36; ++t)
        QTest::addRow("%d", t) << t << QString::number(38 - t) << "";
    QTest::newRow("37: beep") << 37 << "1"
                              << "beep";
    QTest::newRow("38: series 2") << 38 << "0"
                                  << "series";
    QTest::newRow("39") << 39 << "4"
                        << "";
}

void TestShowCycle::fixedPauseTimeline()
{
    QFETCH(int, tick);
    QFETCH(QString, caption);
    QFETCH(QString, events);
    QString last;
    for (int t = 1; t <= tick; ++t)
        last = this->tick();
    QCOMPARE(m_actions.caption, caption);
    QCOMPARE(last, events);
}

void TestShowCycle::pauseOfOneHasNoBeep()
{
    m_base.PauseTime = 1;
    m_base.ShowTime = 2;
    QStringList timeline;
    for (int t = 1; t <= 8; ++t)
        timeline << tick();
    // The tick at which NextTick = TikCount + 1 is the one that ends the series, in state 2.
    QCOMPARE(timeline, (QStringList{"", "beep", "series", "", "clear", "series", "", "clear"}));
}

void TestShowCycle::showTimeOfOneShowsForOneTick()
{
    m_base.ShowTime = 1;
    QStringList timeline;
    for (int t = 1; t <= 5; ++t)
        timeline << tick() + QLatin1Char('/') + m_actions.caption;
    QCOMPARE(timeline, (QStringList{"/2", "beep/1", "series/0", "clear/0", "/29"}));
}

void TestShowCycle::keyPauseShowsTheTargetsAgainUntilSpace()
{
    m_base.PauseMode = PauseCode::Keys;
    m_base.ShowTime = 1;
    tick();
    tick();
    QCOMPARE(tick(), QStringLiteral("series"));
    // The box is open while the next tick arrives: it already shows the targets again.
    m_actions.whileBoxOpen = [this] {
        m_cycle.tick();
    };
    QCOMPARE(tick(), QStringLiteral("clear,box,again,box closed,prompt"));
    QCOMPARE(m_base.ShowState, ShowStateCode::KeyPauseScoring);
    QCOMPARE(m_actions.notice,
             QStringLiteral("После того, как Вы закроете это окно, мишени снова высветятся на прежних местах, чтобы Вы "
                            "смогли подойти к стенду и оценить результы попадания.\r\n\r\nПосле просмотра и записи "
                            "результатов нажмите на клавишу \"Пробел\" для продолжения показа мишеней."));
    QCOMPARE(tick(), QString());
    QCOMPARE(tick(), QString());
    m_cycle.LastKey = kSpaceKey;
    QCOMPARE(tick(), QStringLiteral("timer,clear"));
    QCOMPARE(m_cycle.LastKey, int16_t(0));
    QCOMPARE(m_actions.caption, QString()); // SecLeft went negative during the wait
    QStringList countdown;
    for (int t = 0; t < 3; ++t)
        countdown << tick() + QLatin1Char('/') + m_actions.caption;
    QCOMPARE(countdown, (QStringList{"/2", "beep/1", "series/0"}));
}

void TestShowCycle::keysOutsideTheKeyPauseChangeNothing()
{
    m_base.PauseMode = PauseCode::Keys;
    QStringList withSpace, without;
    for (int t = 1; t <= 9; ++t) {
        m_cycle.LastKey = kSpaceKey; // Space during the countdown and the series
        withSpace << tick();
    }
    init();
    m_base.PauseMode = PauseCode::Keys;
    for (int t = 1; t <= 9; ++t)
        without << tick();
    QCOMPARE(withSpace, without);
}

void TestShowCycle::anotherKeyDelaysTheSecondShowing()
{
    m_base.PauseMode = PauseCode::Keys;
    m_base.ShowTime = 1;
    for (int t = 1; t <= 3; ++t)
        tick();
    m_actions.whileBoxOpen = [this] {
        m_cycle.LastKey = 'a';
    }; // typed before the box closed
    QCOMPARE(tick(), QStringLiteral("clear,box,box closed,prompt"));
    QCOMPARE(m_base.ShowState, ShowStateCode::KeyPauseBlank);
    QCOMPARE(tick(), QString());
    m_cycle.LastKey = kSpaceKey;
    QCOMPARE(tick(), QStringLiteral("again"));
    QCOMPARE(tick(), QString()); // state 3 waits for another Space
    m_cycle.LastKey = kSpaceKey;
    QCOMPARE(tick(), QStringLiteral("timer,clear"));
}

void TestShowCycle::busyPlacementTicksOnlyCount()
{
    tick();
    tick();
    m_cycle.PlaceBusy = true;
    for (int t = 3; t <= 6; ++t)
        QCOMPARE(tick(), QString());
    QCOMPARE(m_cycle.TikCount, 6);
    QCOMPARE(m_actions.caption, QString()); // -3: nothing shown
    QCOMPARE(m_base.ShowState, ShowStateCode::Countdown);
}

void TestShowCycle::unknownStateOnlyCounts()
{
    m_base.ShowState = ShowStateCode(7);
    m_base.NextTick = 1;
    QCOMPARE(tick(), QString());
    QCOMPARE(m_cycle.TikCount, 1);
}

QTEST_APPLESS_MAIN(TestShowCycle)
#include "tst_showcycle.moc"
