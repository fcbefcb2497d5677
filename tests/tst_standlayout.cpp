#include "settings/Base.h"
#include "stand/StandLayout.h"

#include <QTest>

class TestStandLayout : public QObject {
    Q_OBJECT
private slots:
    void lanes_data();
    void lanes();
    void lanesStayInsideTheWindowForEverySize();
    void controlsCentre();
};

void TestStandLayout::lanes_data()
{
    QTest::addColumn<double>("W");
    QTest::addColumn<double>("H");
    QTest::addColumn<int>("players");
    QTest::addColumn<int>("interval");
    QTest::addColumn<int>("top");
    QTest::addColumn<int>("bottom");
    QTest::addColumn<int>("ZonaW");
    QTest::addColumn<int>("ZonaW0");
    QTest::addColumn<int>("ZonaH");
    QTest::addColumn<int>("ZonaH0");
    QTest::addColumn<int>("MenInterval");
    QTest::addColumn<double>("y1");
    QTest::addColumn<double>("y2");
    QTest::addColumn<double>("xRight");
    QTest::addColumn<bool>("separators");
    QTest::addColumn<double>("xm");
    QTest::addColumn<double>("xm2");

    QTest::newRow("design size, two players: halves of odd sizes round to even, separators at W/2")
        << 10305.0 << 6555.0 << 2 << 0 << 10 << 20 << 5152 << 0 << 4588 << 656 << 0 << 655.5 << 5244.0 << 10275.0
        << true << 5152.5 << 5152.5;
    QTest::newRow("W 15 gives ZonaW 8") << 15.0 << 100.0 << 2 << 0 << 10 << 20 << 8 << 0 << 70 << 10 << 0 << 10.0
                                        << 80.0 << -15.0 << true << 7.5 << 7.5;
    QTest::newRow("W 13 gives ZonaW 6") << 13.0 << 100.0 << 2 << 0 << 10 << 20 << 6 << 0 << 70 << 10 << 0 << 10.0
                                        << 80.0 << -17.0 << true << 6.5 << 6.5;
    QTest::newRow("one player: the middle half, no separators")
        << 10305.0 << 6555.0 << 1 << 0 << 10 << 20 << 5152 << 2576 << 4588 << 656 << 0 << 655.5 << 5244.0 << 7699.0
        << false << 0.0 << 0.0;
    QTest::newRow("one player: ZonaW0 rounds its own half to even")
        << 10290.0 << 6555.0 << 1 << 20 << 10 << 20 << 5145 << 2572 << 4588 << 656 << 0 << 655.5 << 5244.0 << 7688.0
        << false << 0.0 << 0.0;
    QTest::newRow("interval 20 and the widest margins 20/40")
        << 28800.0 << 16200.0 << 2 << 20 << 20 << 40 << 14400 << 0 << 6480 << 3240 << 5760 << 3240.0 << 9720.0
        << 28770.0 << true << 11520.0 << 17280.0;
    QTest::newRow("margins 5/0 with interval 20 on an odd width")
        << 10305.0 << 6555.0 << 2 << 20 << 5 << 0 << 5152 << 0 << 6227 << 328 << 2061 << 327.75 << 6555.0 << 10275.0
        << true << 4122.0 << 6183.0;
    QTest::newRow("interval 1 on an odd width keeps the separators' fractions")
        << 10305.0 << 6555.0 << 2 << 1 << 10 << 20 << 5152 << 0 << 4588 << 656 << 103 << 655.5 << 5244.0 << 10275.0
        << true << 5101.0 << 5204.0;
    QTest::newRow("7680 x 4320 pixels lays out without overflow")
        << 115200.0 << 64800.0 << 2 << 20 << 10 << 20 << 57600 << 0 << 45360 << 6480 << 23040 << 6480.0 << 51840.0
        << 115170.0 << true << 46080.0 << 69120.0;
    QTest::newRow("3840 x 2160 pixels, one player")
        << 57600.0 << 32400.0 << 1 << 0 << 10 << 20 << 28800 << 14400 << 22680 << 3240 << 0 << 3240.0 << 25920.0
        << 43170.0 << false << 0.0 << 0.0;
}

void TestStandLayout::lanes()
{
    QFETCH(double, W);
    QFETCH(double, H);
    QFETCH(int, players);
    QFETCH(int, interval);
    QFETCH(int, top);
    QFETCH(int, bottom);
    Base base;
    SetDefaults(base, std::nullopt);
    base.PlayerCount = players;
    base.PlayerInterval = int16_t(interval);
    base.TopMargin = top;
    base.BottomMargin = bottom;

    const Lanes lanes = layoutLanes(W, H, base);
    QTEST(int(lanes.ZonaW), "ZonaW");
    QTEST(int(lanes.ZonaW0), "ZonaW0");
    QTEST(int(lanes.ZonaH), "ZonaH");
    QTEST(int(lanes.ZonaH0), "ZonaH0");
    QTEST(int(lanes.MenInterval), "MenInterval");
    QFETCH(double, y1);
    QFETCH(double, y2);
    QFETCH(double, xRight);
    const double left = lanes.ZonaW0;
    QCOMPARE(lanes.BorderLeft, (LineEnds{left, y1, left, y2}));
    QCOMPARE(lanes.BorderRight, (LineEnds{xRight, y1, xRight, y2}));
    QCOMPARE(lanes.BorderTop, (LineEnds{left, y1, xRight, y1}));
    QCOMPARE(lanes.BorderBottom, (LineEnds{left, y2, xRight, y2}));
    QTEST(lanes.separatorsShown, "separators");
    if (lanes.separatorsShown) {
        QFETCH(double, xm);
        QFETCH(double, xm2);
        QCOMPARE(lanes.MenBorder, (LineEnds{xm, y1, xm, y2}));
        QCOMPARE(lanes.MenBorder2, (LineEnds{xm2, y1, xm2, y2}));
    }
}

void TestStandLayout::lanesStayInsideTheWindowForEverySize()
{
    Base base;
    SetDefaults(base, std::nullopt);
    for (int players : {1, 2}) {
        base.PlayerCount = players;
        for (double pixels = 100; pixels <= 8000; pixels += 97) {
            const double W = pixels * 15, H = pixels * 9;
            const Lanes lanes = layoutLanes(W, H, base);
            QVERIFY(lanes.ZonaW > 0 && lanes.ZonaH > 0);
            QVERIFY(std::abs(lanes.ZonaW - W / 2) <= 0.5);
            QVERIFY(lanes.ZonaH0 + lanes.ZonaH <= H + 1);
            QVERIFY(lanes.BorderLeft.x1 >= 0 && lanes.BorderRight.x1 < W);
            if (lanes.separatorsShown)
                QVERIFY(lanes.MenBorder.x1 > 0 && lanes.MenBorder2.x1 < W);
        }
    }
}

void TestStandLayout::controlsCentre()
{
    const CentredControls design{{1080, 0, 255, 345},    {2100, 0, 7300, 360},   {1440, 1200, 1815, 615},
                                 {720, 3000, 1695, 615}, {720, 3840, 1695, 615}, {720, 4560, 3615, 615}};
    const CentredControls moved = centreControls(28800, 16201, design);
    QCOMPARE(moved.labExitRight, (TwipsRect{28545, 0, 255, 345}));
    QCOMPARE(moved.labMsg, (TwipsRect{10750, 0, 7300, 360}));
    QCOMPARE(moved.labTimer, (TwipsRect{13492.5, 1200, 1815, 615}));
    QCOMPARE(moved.knGo, (TwipsRect{13552.5, 7793, 1695, 615}));
    QCOMPARE(moved.knKalibrovka, (TwipsRect{13552.5, 8708, 1695, 615}));
    QCOMPARE(moved.knStopKalibr, (TwipsRect{12592.5, 9623, 3615, 615}));
}

QTEST_APPLESS_MAIN(TestStandLayout)
#include "tst_standlayout.moc"
