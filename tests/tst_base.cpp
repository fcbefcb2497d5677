#include "settings/Base.h"

#include <QTest>

class TestBase : public QObject {
    Q_OBJECT
private slots:
    void startUpValues_data();
    void startUpValues();
    void showTimeFollowsTheListEntry();
};

void TestBase::startUpValues_data()
{
    QTest::addColumn<qlonglong>("actual");
    QTest::addColumn<qlonglong>("expected");

    Base base;
    SetDefaults(base, 5);
    QTest::newRow("StandBackColor is grey 128") << qlonglong(base.StandBackColor) << 0x808080LL;
    QTest::newRow("PlayerCount") << qlonglong(base.PlayerCount) << 2LL;
    QTest::newRow("TargetsPerPlayer") << qlonglong(base.TargetsPerPlayer) << 3LL;
    QTest::newRow("TargetZoom") << qlonglong(base.TargetZoom) << 100LL;
    QTest::newRow("TargetType is Unifight") << qlonglong(base.TargetType) << 0LL;
    QTest::newRow("ShowTime") << qlonglong(base.ShowTime) << 5LL;
    QTest::newRow("CircleSize") << qlonglong(base.CircleSize) << 5LL;
    QTest::newRow("PlayerInterval") << qlonglong(base.PlayerInterval) << 0LL;
    QTest::newRow("PauseMode is fixed") << qlonglong(base.PauseMode) << 0LL;
    QTest::newRow("PauseTime") << qlonglong(base.PauseTime) << 30LL;
    QTest::newRow("TopMargin") << qlonglong(base.TopMargin) << 10LL;
    QTest::newRow("BottomMargin") << qlonglong(base.BottomMargin) << 20LL;
    QTest::newRow("KalibrDx") << qlonglong(base.KalibrDx) << 725LL;
    QTest::newRow("KalibrDy") << qlonglong(base.KalibrDy) << 765LL;
    QTest::newRow("ScaleX not computed yet") << qlonglong(base.ScaleX) << 0LL;
    QTest::newRow("ScaleY not computed yet") << qlonglong(base.ScaleY) << 0LL;
    QTest::newRow("NextTick") << qlonglong(base.NextTick) << 0LL;
    QTest::newRow("ShowState") << qlonglong(base.ShowState) << 0LL;
}

void TestBase::startUpValues()
{
    QFETCH(qlonglong, actual);
    QFETCH(qlonglong, expected);
    QCOMPARE(actual, expected);
}

void TestBase::showTimeFollowsTheListEntry()
{
    Base base;
    SetDefaults(base, std::nullopt);
    QCOMPARE(base.ShowTime, int16_t(5));
    SetDefaults(base, 7);
    QCOMPARE(base.ShowTime, int16_t(7));
}

QTEST_APPLESS_MAIN(TestBase)
#include "tst_base.moc"
