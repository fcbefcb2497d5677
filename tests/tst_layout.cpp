#include "ScriptedRandom.h"
#include "platform/core/ClockRandom.h"
#include "platform/core/Units.h"
#include "stand/Placement.h"
#include "stand/StandLayout.h"
#include "stand/TargetScale.h"

#include <QSizeF>
#include <QTest>

// The default settings, measured on a calibration cross of 5000 twips either way, on a 1920 x 1080 pixel stand.
static PlacementField fieldFor(Base& base, int dx, int dy, int zoom = 100, int circle = 5, int players = 2,
                               int interval = 0)
{
    SetDefaults(base, std::nullopt);
    base.KalibrDx = int16_t(dx);
    base.KalibrDy = int16_t(dy);
    base.TargetZoom = zoom;
    base.CircleSize = int16_t(circle);
    base.PlayerCount = players;
    base.PlayerInterval = int16_t(interval);
    computeScale(base, 5000, 5000);
    PlacementField field{players, 3, TargetCode::Unifight, layoutLanes(28800, 16200, base), targetSizes(base), {}};
    field.spans = targetSpans(base, field.sizes);
    return field;
}

// The stand's lanes and controls, target sizes, spans and placement: pure computation over the settings.
class TestLayout : public QObject {
    Q_OBJECT
private slots:
    void lanes_data()
    {
        QTest::addColumn<QSizeF>("window"); // twips
        QTest::addColumn<Base>("settings");
        QTest::addColumn<QList<int32_t>>("lane"); // ZonaW, ZonaW0, ZonaH, ZonaH0, MenInterval: rounded to whole twips
        QTest::addColumn<QList<double>>("frame"); // left, top, right (30 twips short of the mirrored left), bottom
        QTest::addColumn<double>("separator");
        QTest::newRow("odd design size: halves to even, the lines keep their halves")
            << QSizeF(10305, 6555) << Base{.PlayerCount = 2, .TopMargin = 10, .BottomMargin = 20}
            << QList<int32_t>{5152, 0, 4588, 656, 0} << QList{0.0, 655.5, 10275.0, 5244.0} << 5152.5;
        QTest::newRow("one player: the middle half")
            << QSizeF(10290, 6555) << Base{.PlayerCount = 1, .PlayerInterval = 20, .TopMargin = 10, .BottomMargin = 20}
            << QList<int32_t>{5145, 2572, 4588, 656, 0} << QList{2572.0, 655.5, 7688.0, 5244.0} << 0.0;
        QTest::newRow("8K with the widest margins and gap")
            << QSizeF(115200, 64800)
            << Base{.PlayerCount = 2, .PlayerInterval = 20, .TopMargin = 20, .BottomMargin = 40}
            << QList<int32_t>{57600, 0, 25920, 12960, 23040} << QList{0.0, 12960.0, 115170.0, 38880.0} << 46080.0;
    }
    void lanes()
    {
        QFETCH(QSizeF, window);
        QFETCH(Base, settings);
        QFETCH(QList<double>, frame);
        QFETCH(double, separator);
        const Lanes l = layoutLanes(window.width(), window.height(), settings);
        QTEST((QList{l.ZonaW, l.ZonaW0, l.ZonaH, l.ZonaH0, l.MenInterval}), "lane");
        QCOMPARE(l.BorderLeft, (LineEnds{frame[0], frame[1], frame[0], frame[3]}));
        QCOMPARE(l.BorderRight, (LineEnds{frame[2], frame[1], frame[2], frame[3]}));
        QCOMPARE(l.BorderTop, (LineEnds{frame[0], frame[1], frame[2], frame[1]}));
        QCOMPARE(l.BorderBottom, (LineEnds{frame[0], frame[3], frame[2], frame[3]}));
        QCOMPARE(l.separatorsShown, settings.PlayerCount == 2);
        if (l.separatorsShown) {
            QCOMPARE(l.MenBorder, (LineEnds{separator, frame[1], separator, frame[3]}));
            QCOMPARE(l.MenBorder2,
                     (LineEnds{separator + l.MenInterval, frame[1], separator + l.MenInterval, frame[3]}));
        }
    }

    void sizesAndSpans_data()
    {
        QTest::addColumn<int>("dx"); // millimetres measured on the cross
        QTest::addColumn<int>("dy");
        QTest::addColumn<int>("zoom");
        QTest::addColumn<int>("circle");
        // Reserved: Unifight across and down, Euro across and down, circle across and down.
        QTest::addColumn<QList<int>>("sizes");
        QTest::addColumn<QList<int>>("spans"); // in the same order
        QTest::newRow("defaults") << 725 << 765 << 100 << 5 << QList{1103, 1241, 1724, 1724, 345, 345}
                                  << QList{2275, 2547, 3517, 3517, 759, 759};
        QTest::newRow("zoom 50, 15 cm circle") << 725 << 765 << 50 << 15 << QList{552, 621, 862, 862, 517, 517}
                                               << QList{1138, 1275, 1758, 1758, 1068, 1068};
        QTest::newRow("spans in full precision") << 424 << 765 << 53 << 5 << QList{1000, 1125, 1563, 1563, 313, 313}
                                                 << QList{2063, 2285, 3189, 3189, 689, 689};
        QTest::newRow("tall cross: the room of the faces drawn down")
            << 765 << 725 << 100 << 5 << QList{1046, 1241, 1634, 1724, 327, 327}
            << QList{2157, 2551, 3333, 3517, 719, 723};
        QTest::newRow("very tall cross: circles drawn down beyond their full size")
            << 765 << 300 << 100 << 5 << QList{1046, 3000, 1634, 4167, 327, 417}
            << QList{2157, 6167, 3333, 8501, 719, 1001};
    }
    void sizesAndSpans()
    {
        QFETCH(int, dx);
        QFETCH(int, dy);
        QFETCH(int, zoom);
        QFETCH(int, circle);
        Base base;
        const PlacementField f = fieldFor(base, dx, dy, zoom, circle);
        QCOMPARE(base.ScaleX, float(50000.0 / dx)); // twips per centimetre
        QCOMPARE(base.ScaleY, float(50000.0 / dy));
        const TargetSizes& z = f.sizes;
        const Spans& p = f.spans;
        QTEST((QList{z.UnifightHalfW, z.UnifightHalfH, z.EuroRadius, z.EuroHalfH, z.KrugSize, z.KrugHalfH}), "sizes");
        QTEST((QList{p.UnifightSpanW, p.UnifightSpanH, p.EuroSpan, p.EuroSpanH, p.KrugSpan, p.KrugSpanH}), "spans");
    }

    void refusedPlacements_data()
    {
        QTest::addColumn<int>("roomX"); // twips to spare beyond a Euro face with its margins
        QTest::addColumn<int>("roomY");
        QTest::addColumn<bool>("placed");
        QTest::newRow("no room to spare places") << 0 << 0 << true;
        QTest::newRow("a twip too narrow refuses") << -1 << 0 << false;
        QTest::newRow("a twip too short refuses") << 0 << -1 << false;
    }
    // Zero random numbers place at the lowest centres; a refused lane draws none.
    void refusedPlacements()
    {
        QFETCH(int, roomX);
        QFETCH(int, roomY);
        QFETCH(bool, placed);
        Base base;
        PlacementField f = fieldFor(base, 725, 765);
        f.PlayerCount = 1;
        f.TargetsPerPlayer = 0;
        f.TargetType = TargetCode::Euro;
        f.lanes.ZonaW = 3517 + 300 + roomX;
        f.lanes.ZonaH = 3517 + 300 + roomY;
        platform::ScriptedRandom random;
        Series series;
        QCOMPARE(placeTargets(f, random, series), placed);
        QCOMPARE(random.draws, placed ? 2 : 0);
        QCOMPARE(series.Men[0][0], (placed ? Centre{1724 + 150, f.lanes.ZonaH0 + 1724 + 150} : Centre{}));
    }

    // Zero random numbers put player 2's first target at the lowest centre of his lane, beyond half the gap.
    void secondLaneBeginsBeyondTheGap()
    {
        Base base;
        PlacementField f = fieldFor(base, 725, 765, 100, 5, 2, 10); // the gap 10 % of 28800 twips
        f.TargetsPerPlayer = 0;
        f.TargetType = TargetCode::Euro;
        platform::ScriptedRandom random;
        Series series;
        QVERIFY(placeTargets(f, random, series));
        QCOMPARE(series.Men[1][0].x, 14400 + 1440 + 150 + 1724);
    }

    void randomKind_data()
    {
        QTest::addColumn<double>("r");
        QTest::addColumn<TargetCode>("kind");
        QTest::newRow("r x 40 just below 9.5: Unifight") << 9.4999 / 40 << TargetCode::Unifight;
        QTest::newRow("9.5 rounds to the even 10: Euro") << 9.5 / 40 << TargetCode::Euro;
        QTest::newRow("10.5 rounds to the even 10: Euro") << 10.5 / 40 << TargetCode::Euro;
        QTest::newRow("19.5 rounds to 20: circle") << 19.5 / 40 << TargetCode::Krug;
        QTest::newRow("29.4999: circle") << 29.4999 / 40 << TargetCode::Krug;
        QTest::newRow("29.5 rounds to 30: square") << 29.5 / 40 << TargetCode::Kvadrat;
    }
    // The random kind is drawn once for the series, before its targets.
    void randomKind()
    {
        QFETCH(double, r);
        Base base;
        PlacementField f = fieldFor(base, 725, 765);
        f.TargetType = TargetCode::Random;
        f.TargetsPerPlayer = 0;
        platform::ScriptedRandom random;
        random.script({r, 0.5});
        Series series;
        QVERIFY(placeTargets(f, random, series));
        QTEST(series.TekTargetType, "kind");
        QCOMPARE(random.draws, 1 + 2 * 2);
    }

    // Every candidate on the same spot: each of ten attempts draws both players' first targets, then a
    // million and one candidates for player 1's second, before the placement gives up; the random kind
    // (0.5 x 40: a circle) is drawn once, not again with each attempt.
    void hopelessSearchGivesUpAfterTenAttempts()
    {
        Base base;
        PlacementField f = fieldFor(base, 725, 765);
        f.TargetType = TargetCode::Random;
        platform::ScriptedRandom random;
        random.script({0.5});
        Series series;
        QVERIFY(!placeTargets(f, random, series));
        QCOMPARE(series.TekTargetType, TargetCode::Krug);
        QCOMPARE(random.draws, 1 + 10 * (4 + 2 * (kDrawsPerSearch + 1)));
    }

    // xoshiro256** seeded by splitmix64: the same numbers for the same seed, others for another; each show
    // reseeds from the clock.
    void generator()
    {
        platform::ClockRandom random;
        random.seed(20261209);
        QCOMPARE(random.next(), 0.10180080969959115);
        QCOMPARE(random.next(), 0.6339159709874801);
        QCOMPARE(random.next(), 0.5889354405143876);
        for (int draw = 4; draw < 1000; ++draw)
            random.next();
        QCOMPARE(random.next(), 0.7779104298256702); // the thousandth
        platform::ClockRandom other;
        other.seed(20261210);
        QVERIFY(other.next() != 0.10180080969959115);
        random.seed(20261209);
        random.seedFromClock();
        QVERIFY(random.next() != 0.10180080969959115);
    }

    // Halves to the even neighbour; beyond 32 bits clamped, not wrapped.
    void rounding()
    {
        QCOMPARE(units::roundHalfEven(2.5), 2.0);
        QCOMPARE(units::roundHalfEven(3.5), 4.0);
        QCOMPARE(units::roundHalfEven(-2.5), -2.0);
        QCOMPARE(units::roundToInt16(-3.5), std::optional<int16_t>(-4));
        QVERIFY(!units::roundToInt16(32767.5));
        QCOMPARE(units::roundHalfEven(0x1p52 + 1), 0x1p52 + 1); // whole already: adding 2^52 would lose the 1
        QCOMPARE(units::roundToInt32(1e12), INT32_MAX);
        QCOMPARE(units::roundToInt32(-1e12), INT32_MIN);
        QCOMPARE(units::roundToInt32(qQNaN()), 0);
        QVERIFY(!units::roundToInt16(qQNaN()));
    }
};

QTEST_APPLESS_MAIN(TestLayout)
#include "tst_layout.moc"
