#include "platform/QtPlatform.h"
#include "platform/ScriptedPlatform.h"
#include "settings/Base.h"
#include "stand/frmStend.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

using platform::Answer;

// The show as the stand window runs it; ticks are driven by hand.
class TestStandShow : public QObject {
    Q_OBJECT
private slots:
    void init();
    void startPreparesTheShow();
    void startWithABadCalibrationHides();
    void recolouringFollowsTheBackground_data();
    void recolouringFollowsTheBackground();
    void escapeAsksAndResumesOnlyARunningTimer();
    void escapeYesHides();
    void closeMarksWorkInEveryState_data();
    void closeMarksWorkInEveryState();
    void pressInTheTopStripDrags();
    void failingPlacementStopsTheShow();
    void onlyTheTargetsInUseAreDrawn_data();
    void onlyTheTargetsInUseAreDrawn();
    void keyPauseBringsTheSameTargetsBack();
    void realTimerKeepsTickingUnderItsOwnBox();

private:
    // Starts a show on a 1920 x 1080 pixel window with well spread random numbers.
    void start(frmStend& stand)
    {
        m_platform.randomNumbers.script({0.1, 0.1, 0.9, 0.9, 0.5, 0.5, 0.9, 0.1, 0.1, 0.9, 0.3, 0.6});
        stand.knGoClick();
        stand.setWindowState(Qt::WindowNoState);
        stand.resize(1920, 1080);
    }

    void tick(frmStend& stand, int count = 1)
    {
        for (int i = 0; i < count; ++i)
            stand.tikTimer();
    }

    Base m_base;
    platform::ScriptedPlatform m_platform;
};

void TestStandShow::init()
{
    m_base = Base{};
    SetDefaults(m_base, std::nullopt);
    m_platform.boxes.clear();
    m_platform.answers.clear();
    m_platform.whileBoxOpen = nullptr;
    m_platform.beeps.clear();
    m_platform.randomNumbers = {};
}

void TestStandShow::startPreparesTheShow()
{
    frmStend stand(m_base, m_platform);
    stand.show();
    QVERIFY(QTest::qWaitForWindowActive(&stand));
    stand.knGo()->setFocus();
    QTest::keyClick(stand.knGo(), Qt::Key_Return);
    QVERIFY(stand.knGo()->isHidden());
    QVERIFY(stand.knKalibrovka()->isHidden());
    QVERIFY(stand.windowState() & Qt::WindowMaximized);
    QCOMPARE(m_platform.randomNumbers.seeds, 1);
    QVERIFY(stand.tik().isActive());
    QCOMPARE(stand.tik().interval(), 1000);
    QCOMPARE(stand.tik().timerType(), Qt::PreciseTimer);
    QCOMPARE(m_base.ShowState, ShowStateCode::Countdown);
    QCOMPARE(m_base.NextTick, 3);
    QCOMPARE(stand.cycle().SecLeft, 3);
    QVERIFY(stand.line(LineId::MenBorder).visible);
    QCOMPARE(stand.spans().KrugSpan, 759);

    tick(stand, 2);
    QCOMPARE(m_platform.beeps.size(), size_t(1));
    QCOMPARE(m_platform.beeps[0].frequencyHz, 500);
    QCOMPARE(m_platform.beeps[0].durationMs, 300);
    tick(stand);
    QCOMPARE(m_base.ShowState, ShowStateCode::Series);
    QCOMPARE(stand.labTimer()->text(), QStringLiteral("0"));
}

void TestStandShow::startWithABadCalibrationHides()
{
    m_base.KalibrDx = 9;
    frmStend stand(m_base, m_platform);
    stand.show();
    stand.knGoClick();
    QVERIFY(!stand.isVisible());
    QVERIFY(!stand.tik().isActive());
    QCOMPARE(m_platform.boxes.size(), 1);
}

void TestStandShow::recolouringFollowsTheBackground_data()
{
    QTest::addColumn<uint>("background");
    QTest::addColumn<uint>("separators");
    QTest::addColumn<uint>("borders");
    QTest::addColumn<QColor>("texts");
    QTest::newRow("light grey 0xE0E0E0: black") << 0xE0E0E0u << 0u << 0u << QColor(0, 0, 0);
    QTest::newRow("grey 0xC0C0C0: black") << 0xC0C0C0u << 0u << 0u << QColor(0, 0, 0);
    QTest::newRow("grey 0x808080: light") << 0x808080u << 0xFFFF80u << 0xF0F0F0u << QColor(255, 255, 0);
    QTest::newRow("dark 0x101010: light") << 0x101010u << 0xFFFF80u << 0xF0F0F0u << QColor(255, 255, 0);
}

void TestStandShow::recolouringFollowsTheBackground()
{
    QFETCH(uint, background);
    QFETCH(uint, separators);
    QFETCH(uint, borders);
    QFETCH(QColor, texts);
    m_base.StandBackColor = background;
    frmStend stand(m_base, m_platform);
    stand.show();
    stand.knGoClick();
    QCOMPARE(stand.line(LineId::MenBorder).colour, separators);
    QCOMPARE(stand.line(LineId::MenBorder2).colour, separators);
    for (LineId id : {LineId::BorderTop, LineId::BorderBottom, LineId::BorderLeft, LineId::BorderRight})
        QCOMPARE(stand.line(id).colour, borders);
    for (QLabel* label : {stand.LabMSG(), stand.labTimer(), stand.LabExit(0), stand.LabExit(1)})
        QCOMPARE(label->palette().color(QPalette::WindowText), texts);
    QCOMPARE(stand.line(LineId::Kalibr_W).colour, 0xFFFFFFu);
}

void TestStandShow::escapeAsksAndResumesOnlyARunningTimer()
{
    frmStend stand(m_base, m_platform);
    stand.show();
    bool tickingWhileAsked = true;
    m_platform.whileBoxOpen = [&](const platform::ShownBox&) {
        tickingWhileAsked = stand.tik().isActive();
    };

    // Before the first start the timer is off, and No leaves it off.
    m_platform.answers = {Answer::No};
    QTest::keyClick(&stand, Qt::Key_Escape);
    QCOMPARE(m_platform.boxes.size(), 1);
    const platform::ShownBox box = m_platform.boxes.first();
    QCOMPARE(box.prompt, QStringLiteral("Прекратить отображение мишеней?"));
    QCOMPARE(box.buttons, platform::Buttons::YesNo);
    QCOMPARE(box.icon, platform::Icon::Question);
    QCOMPARE(box.defaultButton, Answer::No);
    QVERIFY(!stand.tik().isActive());
    QCOMPARE(stand.cycle().LastKey, int16_t(27));
    QVERIFY(stand.isVisible());

    stand.knGoClick();
    m_platform.answers = {Answer::No};
    QTest::keyClick(&stand, Qt::Key_Escape);
    QVERIFY(!tickingWhileAsked); // paused while the question is open
    QVERIFY(stand.tik().isActive());
    QVERIFY(stand.isVisible());
}

void TestStandShow::escapeYesHides()
{
    frmStend stand(m_base, m_platform);
    stand.show();
    stand.knGoClick();
    m_platform.answers = {Answer::Yes};
    stand.keyTyped(27);
    QVERIFY(!stand.isVisible());
    QVERIFY(!stand.tik().isActive());
}

void TestStandShow::closeMarksWorkInEveryState_data()
{
    QTest::addColumn<int>("ticks");
    QTest::addColumn<int>("mark");
    QTest::newRow("before the first start") << -1 << 0;
    QTest::newRow("countdown, right mark") << 1 << 1;
    QTest::newRow("series, left mark") << 4 << 0;
    QTest::newRow("pause") << 9 << 1;
}

void TestStandShow::closeMarksWorkInEveryState()
{
    QFETCH(int, ticks);
    QFETCH(int, mark);
    frmStend stand(m_base, m_platform);
    stand.show();
    QVERIFY(QTest::qWaitForWindowExposed(&stand));
    if (ticks >= 0) {
        start(stand);
        tick(stand, ticks);
    }
    bool tickingWhileAsked = false;
    m_platform.whileBoxOpen = [&](const platform::ShownBox&) {
        tickingWhileAsked = stand.tik().isActive();
    };
    m_platform.answers = {Answer::No};
    QTest::mouseClick(stand.LabExit(mark), Qt::LeftButton);
    QCOMPARE(m_platform.boxes.size(), 1);
    QCOMPARE(m_platform.boxes.last().prompt, QStringLiteral("Прекратить отображение мишеней?"));
    QVERIFY(stand.isVisible());
    QCOMPARE(stand.tik().isActive(), ticks >= 0);
    QCOMPARE(tickingWhileAsked, ticks >= 0); // this question does not pause the show

    m_platform.answers = {Answer::Yes};
    QTest::mouseClick(stand.LabExit(mark), Qt::LeftButton);
    QVERIFY(!stand.isVisible());
    QVERIFY(!stand.tik().isActive());
}

void TestStandShow::pressInTheTopStripDrags()
{
    frmStend stand(m_base, m_platform);
    stand.show();
    stand.resize(1000, 600); // ZonaH0 = 900 twips, 60 pixels
    QVERIFY(QTest::qWaitForWindowExposed(&stand));
    QTest::mousePress(&stand, Qt::LeftButton, {}, QPoint(300, 59));
    QCOMPARE(m_platform.dragged.size(), size_t(1));
    QTest::mousePress(&stand, Qt::RightButton, {}, QPoint(300, 30));
    QCOMPARE(m_platform.dragged.size(), size_t(2));
    QTest::mousePress(&stand, Qt::LeftButton, {}, QPoint(300, 61));
    QCOMPARE(m_platform.dragged.size(), size_t(2));
    m_platform.dragged.clear();
}

void TestStandShow::failingPlacementStopsTheShow()
{
    m_base.TargetType = TargetCode::Euro;
    m_base.TargetZoom = 150;
    frmStend stand(m_base, m_platform);
    stand.show();
    stand.knGoClick();
    stand.setWindowState(Qt::WindowNoState);
    stand.resize(687, 437); // too small for three Euro faces a player
    tick(stand, 2);

    int nestedTicks = 0;
    ShowStateCode stateDuringBox = ShowStateCode::Series;
    m_platform.whileBoxOpen = [&](const platform::ShownBox&) {
        QVERIFY(stand.cycle().PlaceBusy);
        stand.tikTimer();
        stand.tikTimer();
        nestedTicks = stand.cycle().TikCount;
        stateDuringBox = m_base.ShowState;
    };
    tick(stand); // the series is due
    QCOMPARE(m_platform.boxes.size(), 1);
    const platform::ShownBox box = m_platform.boxes.first();
    QCOMPARE(box.prompt, QStringLiteral("Не могу разместить мишени на предлагаемом поле. Возможно Вы его уменьшили до "
                                        "неприемлемых размеров!\r\n\r\nИзмените настройки отображения мишеней!"));
    QCOMPARE(box.icon, platform::Icon::Error);
    QCOMPARE(nestedTicks, 5);
    QCOMPARE(stateDuringBox, ShowStateCode::Countdown); // nested ticks only counted
    QVERIFY(!stand.tik().isActive());
    QVERIFY(!stand.isVisible());
    QVERIFY(stand.cycle().PlaceBusy);

    // The next start begins afresh.
    m_platform.whileBoxOpen = nullptr;
    m_base.TargetZoom = 100;
    m_base.TargetsPerPlayer = 0;
    stand.show();
    stand.knGoClick();
    QVERIFY(!stand.cycle().PlaceBusy);
    QCOMPARE(stand.cycle().TikCount, 0);
    tick(stand, 3);
    QCOMPARE(m_base.ShowState, ShowStateCode::Series);
    QCOMPARE(m_platform.boxes.size(), 1);
}

void TestStandShow::onlyTheTargetsInUseAreDrawn_data()
{
    QTest::addColumn<int>("players");
    QTest::addColumn<int>("targets");
    QTest::newRow("one player, three targets") << 1 << 3;
    QTest::newRow("two players, one target each") << 2 << 0;
    QTest::newRow("two players, three targets each") << 2 << 3;
}

void TestStandShow::onlyTheTargetsInUseAreDrawn()
{
    QFETCH(int, players);
    QFETCH(int, targets);
    m_base.PlayerCount = players;
    m_base.TargetsPerPlayer = targets;
    m_base.TargetType = TargetCode::Krug;
    frmStend stand(m_base, m_platform);
    stand.show();
    start(stand);
    tick(stand, 3);

    const QImage image = stand.surface().image();
    const auto drawnAt = [&](const Centre& c) {
        return image.pixelColor(stand.surface().toPixels(c.x), stand.surface().toPixels(c.y)) == QColor(0, 255, 0);
    };
    int drawn = 0;
    for (int p = 0; p < 2; ++p)
        for (int t = 0; t < 3; ++t) {
            const Centre c = stand.series().Men[p][t];
            const bool inUse = p < players && (t == 0 || targets == 3);
            QCOMPARE(c == Centre{}, !inUse);
            if (inUse) {
                QVERIFY(drawnAt(c));
                ++drawn;
            }
        }
    QCOMPARE(drawn, players * (targets == 3 ? 3 : 1));
    QVERIFY(!drawnAt(Centre{})); // nothing for the unused places at (0, 0)
}

void TestStandShow::keyPauseBringsTheSameTargetsBack()
{
    m_base.PauseMode = PauseCode::Keys;
    m_base.ShowTime = 1;
    m_base.TargetType = TargetCode::Kvadrat;
    frmStend stand(m_base, m_platform);
    stand.show();
    start(stand);
    tick(stand, 3);
    const Series shown = stand.series();
    const QImage during = stand.surface().image();

    m_platform.whileBoxOpen = [&](const platform::ShownBox&) {
        tick(stand);
    };
    tick(stand);
    QCOMPARE(m_platform.boxes.size(), 1);
    QCOMPARE(m_platform.boxes.first().icon, platform::Icon::Information);
    QCOMPARE(m_base.ShowState, ShowStateCode::KeyPauseScoring);
    QCOMPARE(stand.series().Men, shown.Men);
    QCOMPARE(stand.surface().image(), during); // the same targets at the same places
    QVERIFY(stand.LabMSG()->isVisible());
    QVERIFY(!stand.labTimer()->isVisible());

    m_platform.whileBoxOpen = nullptr;
    QTest::keyClick(&stand, Qt::Key_Space);
    tick(stand);
    QVERIFY(!stand.LabMSG()->isVisible());
    QVERIFY(stand.labTimer()->isVisible());
    QCOMPARE(m_base.ShowState, ShowStateCode::Countdown);
    QCOMPARE(m_base.NextTick, stand.cycle().TikCount + 3);
    QVERIFY(stand.surface().image() != during);
}

void TestStandShow::realTimerKeepsTickingUnderItsOwnBox()
{
    // A real box opened by the tick must keep receiving ticks of the same timer.
    platform::QtPlatform real;
    m_base.PauseMode = PauseCode::Keys;
    m_base.ShowTime = 1;
    m_base.TargetsPerPlayer = 0; // placement always succeeds
    frmStend stand(m_base, real);
    stand.show();
    stand.knGoClick();
    stand.tik().start(20);

    bool scoringWhileOpen = false;
    QTimer closer;
    connect(&closer, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        if (m_base.ShowState == ShowStateCode::KeyPauseScoring && stand.cycle().TikCount >= 6) {
            scoringWhileOpen = true;
            box->buttons().first()->click();
        }
    });
    closer.start(5);
    QTRY_VERIFY_WITH_TIMEOUT(scoringWhileOpen, 10000);
    QTRY_VERIFY(stand.LabMSG()->isVisible());
    stand.tik().stop();
}

QTEST_MAIN(TestStandShow)
#include "tst_standshow.moc"
