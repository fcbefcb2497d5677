#include "platform/ClockRandom.h"
#include "platform/ScriptedPlatform.h"
#include "settings/Base.h"
#include "stand/Placement.h"
#include "stand/StandLayout.h"
#include "stand/TargetScale.h"

#include <QTest>

namespace {

// The default settings, measured on a calibration cross of 5000 twips either way, on a
// 1920 x 1080 pixel stand.
PlacementField fieldFor(Base& base, int dx, int dy, int zoom = 100, int circle = 5)
{
    SetDefaults(base, std::nullopt);
    std::tie(base.KalibrDx, base.KalibrDy, base.TargetZoom, base.CircleSize) =
        std::tuple(int16_t(dx), int16_t(dy), zoom, int16_t(circle));
    computeScale(base, 5000, 5000);
    PlacementField field{2, 3, TargetCode::Unifight, layoutLanes(28800, 16200, base), targetSizes(base), {}};
    field.spans = targetSpans(base, field.sizes);
    return field;
}

} // namespace

// Target sizes, spans and placement: pure computation over the settings.
class TestSizes : public QObject {
    Q_OBJECT
private slots:
    void sizesAndSpans_data()
    {
        QTest::addColumn<QList<int>>("settings"); // dX, dY, zoom, circle
        QTest::addColumn<QString>("expected");    // half-sizes, then spans: Unifight across and down, Euro, circle
        QTest::newRow("defaults") << QList{725, 765, 100, 5} << "1103 1241 1724 345 2275 2547 3517 759";
        QTest::newRow("zoom 150") << QList{725, 765, 150, 5} << "1655 1862 2586 517 3413 3822 5275 1137";
        QTest::newRow("zoom 50, 15 cm circle") << QList{725, 765, 50, 15} << "552 621 862 517 1138 1275 1758 1068";
        QTest::newRow("spans in full precision") << QList{424, 765, 53, 5} << "1000 1125 1563 313 2063 2285 3189 689";
        QTest::newRow("tall cross: drawn height") << QList{765, 725, 100, 5} << "1046 1241 1634 327 2157 2551 3333 719";
    }
    void sizesAndSpans()
    {
        QFETCH(QList<int>, settings);
        Base base;
        const PlacementField f = fieldFor(base, settings[0], settings[1], settings[2], settings[3]);
        QCOMPARE(base.ScaleX, float(50000.0 / settings[0])); // twips per centimetre
        QCOMPARE(base.ScaleY, float(50000.0 / settings[1]));
        QStringList values;
        for (int32_t value : {f.sizes.UnifightHalfW, f.sizes.UnifightHalfH, f.sizes.EuroRadius, f.sizes.KrugSize,
                              f.spans.UnifightSpanW, f.spans.UnifightSpanH, f.spans.EuroSpan, f.spans.KrugSpan})
            values << QString::number(value);
        QTEST(values.join(u' '), "expected");
    }
    void calibrationLimits()
    {
        QStringList faults;
        for (auto [dx, dy] :
             {std::pair(10, 3000), {3000, 10}, {9, 765}, {3001, 765}, {9, 3001}, {725, 3001}, {725, 9}}) {
            Base base;
            fieldFor(base, dx, dy);
            faults << calibrationFaultMessage(checkCalibration(base));
        }
        const QString width = "Задано некорректное значение калибровки по ширине!";
        QCOMPARE(faults.join(u'|'), "||" + width + '|' + width + '|' + width + '|' +
                                        "Задано некорректное значение калибровки по высоте!|"
                                        "Задано некорректное значение калибровки по высоте!");
    }
    void placedTargetsStayInTheirLanesAndApart_data()
    {
        QTest::addColumn<QList<int>>("settings"); // players, targets, kind, dY, interval
        QTest::newRow("two players, three Unifight, tall cross") << QList{2, 3, 0, 725, 0};
        QTest::newRow("two players, three Euro, 20 % apart") << QList{2, 3, 1, 765, 20};
        QTest::newRow("one player, three circles") << QList{1, 3, 2, 765, 0};
        QTest::newRow("two players, one square each") << QList{2, 0, 3, 765, 10};
    }
    void placedTargetsStayInTheirLanesAndApart()
    {
        QFETCH(QList<int>, settings);
        Base base;
        std::tie(base.PlayerCount, base.TargetsPerPlayer) = std::tuple(settings[0], settings[1]);
        fieldFor(base, 765, settings[3]);
        base.PlayerInterval = int16_t(settings[4]);
        PlacementField f{settings[0], settings[1], TargetCode(settings[2]), layoutLanes(28800, 16200, base), {}, {}};
        std::tie(f.sizes, f.spans) = std::tuple(targetSizes(base), targetSpans(base, targetSizes(base)));
        const size_t k = std::min(settings[2], 2);
        const int32_t ox = std::array{f.sizes.UnifightHalfW, f.sizes.EuroRadius, f.sizes.KrugSize}[k];
        const int32_t oy = std::array{f.sizes.UnifightHalfH, f.sizes.EuroRadius, f.sizes.KrugSize}[k];
        const int32_t sx = std::array{f.spans.UnifightSpanW, f.spans.EuroSpan, f.spans.KrugSpan}[k];
        const int32_t sy = std::array{f.spans.UnifightSpanH, f.spans.EuroSpan, f.spans.KrugSpan}[k];
        const FaceCentimetre cm = faceCentimetre(base);
        const int32_t halfGap = (f.lanes.MenInterval + 1) / 2;
        platform::ClockRandom random;
        random.seed(20261207);
        for (int round = 0; round < 300; ++round) {
            Series series;
            QVERIFY(placeTargets(f, random, series));
            for (int p = 0; p < 2; ++p) {
                const int32_t left = p == 0 ? f.lanes.ZonaW0 : f.lanes.ZonaW + halfGap;
                const int32_t right = p == 0 ? f.lanes.ZonaW0 + f.lanes.ZonaW - halfGap : 2 * f.lanes.ZonaW;
                for (int t = 0; t < 3; ++t) {
                    const Centre c = series.Men[p][t];
                    if (p >= f.PlayerCount || t >= (f.TargetsPerPlayer > 1 ? 3 : 1)) {
                        QCOMPARE(c, Centre{}); // never drawn
                        continue;
                    }
                    // 150 twips from the lane's edges, one corrected centimetre more at the right and bottom.
                    QVERIFY(c.x - ox >= left + 150 && c.x - ox + sx <= right - 150 + 1);
                    QVERIFY(c.y - oy >= f.lanes.ZonaH0 + 150 && c.y - oy + sy <= f.lanes.ZonaH0 + f.lanes.ZonaH - 149);
                    for (int e = 0; e < t; ++e) {
                        const int32_t dx = std::abs(c.x - series.Men[p][e].x), dy = std::abs(c.y - series.Men[p][e].y);
                        QVERIFY(dx > sx || dy > sy);
                        if (f.TargetType == TargetCode::Unifight) // the drawn frames never touch
                            QVERIFY(dx > 2 * faceLength(16, cm.kx) || dy > 2 * faceLength(18, cm.ky));
                    }
                }
            }
        }
    }
    void laneWithoutRoomIsRefusedUndrawn()
    {
        // Spare room across and down: none still places, less refuses without drawing.
        for (const auto& [roomX, roomY] : {std::pair(0, 0), {-1, 0}, {0, -1}, {-3000, -3000}}) {
            Base base;
            PlacementField f = fieldFor(base, 725, 765);
            std::tie(f.PlayerCount, f.TargetsPerPlayer, f.TargetType) = std::tuple(1, 0, TargetCode::Euro);
            std::tie(f.lanes.ZonaW, f.lanes.ZonaH) = std::pair(3517 + 300 + roomX, 3517 + 300 + roomY);
            platform::ScriptedRandom random;
            random.script({0.0});
            Series series;
            const bool room = roomX >= 0 && roomY >= 0;
            QCOMPARE(placeTargets(f, random, series), room);
            QCOMPARE(random.draws, room ? 2 : 0);
            QCOMPARE(series.Men[0][0], (room ? Centre{1724 + 150, f.lanes.ZonaH0 + 1724 + 150} : Centre{}));
        }
    }
    void hopelessSearchGivesUpAfterTenAttempts()
    {
        Base base;
        platform::ScriptedRandom random;
        random.script({0.5}); // every candidate on the same spot
        Series series;
        QVERIFY(!placeTargets(fieldFor(base, 725, 765), random, series));
        // Each attempt: both players' first targets, then a million and one candidates for a second.
        QCOMPARE(random.draws, 10 * (4 + 2 * (kDrawsPerSearch + 1)));
    }
    void randomKindThresholds()
    {
        QString kinds;
        for (double r : {0.0, 9.49, 9.51, 19.49, 19.51, 29.49, 29.51, 39.9})
            kinds += QString::number(int(randomTargetCode(r / 40)));
        QCOMPARE(kinds, QStringLiteral("00112233"));
    }
};

QTEST_APPLESS_MAIN(TestSizes)
#include "tst_sizes.moc"
