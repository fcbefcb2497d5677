#include "LaneGeometry.h"

#include "platform/ClockRandom.h"
#include "platform/ScriptedPlatform.h"
#include "stand/Placement.h"

#include <QTest>

// Lanes of a 1920 x 1080 pixel stand (28800 x 16200 twips), margins 10 and 20 %,
// and the reserved sizes at the default calibration.
class TestPlacement : public QObject {
    Q_OBJECT
private slots:
    void init();
    void everyCentreStaysInItsLaneAndApart();
    void randomKindThresholds_data();
    void randomKindThresholds();
    void aSpanAwayClashesOneMoreIsClear_data();
    void aSpanAwayClashesOneMoreIsClear();
    void abandonedSearchRedrawsEveryTargetAndKeepsTheKind();
    void failsAfterExactlyTenAttempts();
    void oneTargetPerPlayerNeverSearches_data();
    void oneTargetPerPlayerNeverSearches();
    void onePlayerLeavesPlayerTwoAtZero();

private:
    PlacementField m_field;
    platform::ScriptedRandom m_random;
};

namespace {

Lanes lanesFor(int players, int interval)
{
    Base base;
    SetDefaults(base, std::nullopt);
    base.PlayerCount = players;
    base.PlayerInterval = int16_t(interval);
    return layoutLanes(28800, 16200, base);
}

} // namespace

void TestPlacement::init()
{
    m_field = {};
    m_field.PlayerCount = 2;
    m_field.TargetsPerPlayer = 3;
    m_field.TargetType = TargetCode::Euro;
    m_field.lanes = lanesFor(2, 0);
    m_field.sizes = {1103, 1241, 1724, 345};
    m_field.spans = {2275, 2547, 3517, 759};
    m_random = {};
}

void TestPlacement::everyCentreStaysInItsLaneAndApart()
{
    platform::ClockRandom random;
    random.seed(20261206);
    for (int players : {1, 2})
        for (int interval : {0, 20})
            for (int kind = 0; kind <= 3; ++kind) {
                m_field.PlayerCount = players;
                m_field.TargetType = TargetCode(kind);
                m_field.lanes = lanesFor(players, interval);
                const Lanes& lanes = m_field.lanes;
                const Reserve r = reserveOf(m_field.sizes, m_field.spans, m_field.TargetType);
                for (int round = 0; round < 200; ++round) {
                    Series series;
                    QVERIFY(placeTargets(m_field, random, series));
                    for (int p = 0; p < players; ++p) {
                        const auto [left, right] = laneEdges(lanes, p);
                        for (int t = 0; t < 3; ++t) {
                            const Centre c = series.Men[p][t];
                            // 150 from the left and top, 150 plus one corrected centimetre from the right and bottom.
                            QVERIFY(c.x - r.ox >= left + 150);
                            QVERIFY(c.x - r.ox + r.sx <= right - 150 + 1);
                            QVERIFY(c.y - r.oy >= lanes.ZonaH0 + 150);
                            QVERIFY(c.y - r.oy + r.sy <= lanes.ZonaH0 + lanes.ZonaH - 150 + 1);
                            for (int e = 0; e < t; ++e) {
                                const Centre o = series.Men[p][e];
                                QVERIFY(std::abs(c.x - o.x) > r.sx || std::abs(c.y - o.y) > r.sy);
                            }
                        }
                    }
                }
            }
}

void TestPlacement::randomKindThresholds_data()
{
    QTest::addColumn<double>("r");
    QTest::addColumn<int>("kind");
    QTest::newRow("k 9: Unifight") << 9.0 / 40 << 0;
    QTest::newRow("k 10: Euro") << 10.0 / 40 << 1;
    QTest::newRow("k 20: circle") << 20.0 / 40 << 2;
    QTest::newRow("k 30: square") << 30.0 / 40 << 3;
    QTest::newRow("k 40: square") << 40.0 / 40 << 3;
    QTest::newRow("r x 40 just below 9.5: Unifight") << 9.4999 / 40 << 0;
    QTest::newRow("r x 40 at 9.5 rounds to 10: Euro") << 9.5 / 40 << 1;
    QTest::newRow("r x 40 just below 19.5: Euro") << 19.4999 / 40 << 1;
    QTest::newRow("r x 40 at 19.5 rounds to 20: circle") << 19.5 / 40 << 2;
    QTest::newRow("r x 40 just below 29.5: circle") << 29.4999 / 40 << 2;
    QTest::newRow("r x 40 at 29.5 rounds to 30: square") << 29.5 / 40 << 3;
    QTest::newRow("r 0: Unifight") << 0.0 << 0;
}

void TestPlacement::randomKindThresholds()
{
    QFETCH(double, r);
    QFETCH(int, kind);
    m_field.TargetType = TargetCode::Random;
    m_field.TargetsPerPlayer = 0;
    m_random.script({r, 0.5});
    Series series;
    QVERIFY(placeTargets(m_field, m_random, series));
    QCOMPARE(int(series.TekTargetType), kind);
    QCOMPARE(m_random.draws, 5LL); // the kind, then two per player

    // A fixed kind is copied and costs no draw.
    m_field.TargetType = TargetCode::Krug;
    m_random = {};
    QVERIFY(placeTargets(m_field, m_random, series));
    QCOMPARE(series.TekTargetType, TargetCode::Krug);
    QCOMPARE(m_random.draws, 4LL);
}

void TestPlacement::aSpanAwayClashesOneMoreIsClear_data()
{
    QTest::addColumn<bool>("across");
    QTest::newRow("a span across, level") << true;
    QTest::newRow("a span down, aligned") << false;
}

void TestPlacement::aSpanAwayClashesOneMoreIsClear()
{
    QFETCH(bool, across);
    m_field.PlayerCount = 1;
    m_field.lanes = lanesFor(1, 0);
    const Lanes& lanes = m_field.lanes;
    const int span = 3517;                          // Euro
    const double rangeX = lanes.ZonaW - 300 - span; // r1 = 1 would reach this far
    const double rangeY = lanes.ZonaH - span - 300;
    const double range = across ? rangeX : rangeY;
    const auto pair = [&](double r) {
        return across ? std::vector<double>{r, 0} : std::vector<double>{0, r};
    };

    std::vector<double> script;
    for (double r : {0.0, span / range, (span + 1) / range, 0.999999}) {
        const auto p = pair(r);
        script.insert(script.end(), p.begin(), p.end());
    }
    m_random.script(script);
    Series series;
    QVERIFY(placeTargets(m_field, m_random, series));
    QCOMPARE(m_random.draws, 8LL); // target 2's first candidate, exactly a span away, was drawn again
    const Centre first = series.Men[0][0], second = series.Men[0][1];
    QCOMPARE(across ? second.x - first.x : second.y - first.y, span + 1);
    QCOMPARE(across ? second.y - first.y : second.x - first.x, 0);
    QCOMPARE(first, (Centre{lanes.ZonaW0 + 1724 + 150, lanes.ZonaH0 + 1724 + 150}));
}

void TestPlacement::abandonedSearchRedrawsEveryTargetAndKeepsTheKind()
{
    m_field.TargetType = TargetCode::Random;
    std::vector<double> script{12.0 / 40};     // the kind: Euro
    script.insert(script.end(), 4, 0.0);       // attempt 1: both first targets at the lane's corner
    script.insert(script.end(), 2000002, 0.0); // 1,000,000 clashing candidates and the one thrown away
    for (double r : {0.5, 0.5, 0.6, 0.6, 0.0, 0.0, 0.0, 0.0, 0.999, 0.0, 0.999, 0.0})
        script.push_back(r); // attempt 2
    m_random.script(script);

    Series series;
    QVERIFY(placeTargets(m_field, m_random, series));
    QCOMPARE(series.TekTargetType, TargetCode::Euro);
    QCOMPARE(m_random.draws, qlonglong(script.size())); // no second draw of the kind
    const Lanes& lanes = m_field.lanes;
    const double rangeX = lanes.ZonaW - 300 - 3517, rangeY = lanes.ZonaH - 3517 - 300;
    const int left1 = 1724 + 150, left2 = left1 + lanes.ZonaW, top = 1724 + 150 + lanes.ZonaH0;
    QCOMPARE(series.Men[0][0], (Centre{int(std::lround(0.5 * rangeX + left1)), int(std::lround(0.5 * rangeY + top))}));
    QCOMPARE(series.Men[1][0], (Centre{int(std::lround(0.6 * rangeX + left2)), int(std::lround(0.6 * rangeY + top))}));
    QCOMPARE(series.Men[0][1], (Centre{left1, top}));
    QCOMPARE(series.Men[1][1], (Centre{left2, top}));
    QCOMPARE(series.Men[0][2].y, top);
}

void TestPlacement::failsAfterExactlyTenAttempts()
{
    m_field.TargetType = TargetCode::Unifight;
    Series series;
    QVERIFY(!placeTargets(m_field, m_random, series)); // every draw 0: target 2 always lies on target 1
    // Each attempt: two first targets, then 1,000,001 candidates for player 1's second target.
    QCOMPARE(m_random.draws, 10LL * 2 * (2 + 1000001));
    QCOMPARE(series.Men[0][1], series.Men[0][0]); // the last candidate stays where it was written
}

void TestPlacement::oneTargetPerPlayerNeverSearches_data()
{
    QTest::addColumn<int>("players");
    QTest::newRow("two players") << 2;
    QTest::newRow("one player") << 1;
}

void TestPlacement::oneTargetPerPlayerNeverSearches()
{
    QFETCH(int, players);
    m_field.PlayerCount = players;
    m_field.TargetsPerPlayer = 0; // "Одна"
    m_random.script({0.25});      // every target on the same spot would clash if it were searched
    Series series;
    QVERIFY(placeTargets(m_field, m_random, series));
    QCOMPARE(m_random.draws, 2LL * players);
    QCOMPARE(series.Men[0][1], Centre{});
    QCOMPARE(series.Men[0][2], Centre{});
}

void TestPlacement::onePlayerLeavesPlayerTwoAtZero()
{
    m_field.PlayerCount = 1;
    m_field.lanes = lanesFor(1, 0);
    platform::ClockRandom random;
    Series series;
    series.Men[1][0] = {5, 5}; // left over from an earlier series
    QVERIFY(placeTargets(m_field, random, series));
    for (int t = 0; t < 3; ++t) {
        QCOMPARE(series.Men[1][t], Centre{});
        QVERIFY(series.Men[0][t].x >= m_field.lanes.ZonaW0);
    }
}

QTEST_APPLESS_MAIN(TestPlacement)
#include "tst_placement.moc"
