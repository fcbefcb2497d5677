#include "platform/ClockRandom.h"
#include "platform/Colour.h"
#include "platform/Fonts.h"
#include "platform/ScriptedPlatform.h"
#include "platform/Units.h"
#include "stand/DrawingSurface.h"
#include "stand/Placement.h"
#include "stand/StandLayout.h"
#include "stand/TargetFaces.h"
#include "stand/TargetScale.h"

#include <QPainter>
#include <QTest>
#include <QWidget>

using I = QList<int>;
using L = QList<double>;
using C = QList<QColor>;
const QColor kGrey(128, 128, 128), kLight(224, 224, 224), kBlack(Qt::black), kWhite(Qt::white), kRed(Qt::red);

// The default settings, measured on a calibration cross of 5000 twips either way, on a 1920 x 1080 pixel stand.
static PlacementField fieldFor(Base& base, int dx, int dy, int zoom = 100, int circle = 5, int players = 2,
                               int interval = 0)
{
    SetDefaults(base, std::nullopt);
    std::tie(base.KalibrDx, base.KalibrDy, base.TargetZoom, base.CircleSize, base.PlayerCount, base.PlayerInterval) =
        std::tuple(int16_t(dx), int16_t(dy), zoom, int16_t(circle), players, int16_t(interval));
    computeScale(base, 5000, 5000);
    PlacementField field{players, 3, TargetCode::Unifight, layoutLanes(28800, 16200, base), targetSizes(base), {}};
    field.spans = targetSpans(base, field.sizes);
    return field;
}

// The stand's lanes, faces and controls; target sizes, spans and placement: pure computation over the settings.
class TestGeometry : public QObject {
    Q_OBJECT
private slots:
    void lanes_data()
    {
        QTest::addColumn<I>("in");       // W, H, players, interval, top, bottom
        QTest::addColumn<L>("expected"); // ZonaW, ZonaW0, ZonaH, ZonaH0, MenInterval, right border, MenBorder
        QTest::newRow("odd design size") << I{10305, 6555, 2, 0, 10, 20} << L{5152, 0, 4588, 656, 0, 10275, 5152.5};
        QTest::newRow("one player") << I{10290, 6555, 1, 20, 10, 20} << L{5145, 2572, 4588, 656, 0, 7688, 0};
        QTest::newRow("8K") << I{115200, 64800, 2, 20, 20, 40} << L{57600, 0, 25920, 12960, 23040, 115170, 46080};
    }

    void lanes()
    {
        QFETCH(I, in);
        const Base base{
            .PlayerCount = in[2], .PlayerInterval = int16_t(in[3]), .TopMargin = in[4], .BottomMargin = in[5]};
        const Lanes l = layoutLanes(in[0], in[1], base);
        const double left = l.ZonaW0, right = l.BorderRight.x1, y1 = l.BorderLeft.y1, y2 = l.BorderLeft.y2;
        QTEST(
            (L{double(l.ZonaW), left, double(l.ZonaH), double(l.ZonaH0), double(l.MenInterval), right, l.MenBorder.x1}),
            "expected");
        QVERIFY(qAbs(y1 - l.ZonaH0) <= 0.5 && qAbs(y2 - y1 - l.ZonaH) <= 1);
        QCOMPARE(l.BorderTop, (LineEnds{left, y1, right, y1}));
        QCOMPARE(l.BorderBottom, (LineEnds{left, y2, right, y2}));
        QCOMPARE(l.MenBorder2.x1 + l.MenBorder2.x2, 2 * (l.MenBorder.x1 + l.MenInterval));
    }

    // Measured on the image as on the stand, with a tape: 150 and 120 twips a cm make 10 and 8 pixels a cm.
    void faces_data()
    {
        QTest::addColumn<int>("face");
        QTest::addColumn<C>("zones"); // the background, then each zone from the centre out
        QTest::addColumn<L>("edges"); // pixels from the centre to each zone's outer edge, across and down
        QTest::newRow("Unifight 32 x 36 cm")
            << 0 << C{kGrey, kWhite, kBlack, kWhite, kBlack} << L{40, 48, 80, 80, 120, 112, 160, 144};
        QTest::newRow("Euro 50 cm in rings 5 cm apart, round on the stand")
            << 1 << C{kLight, kBlack, kWhite, kRed, kWhite, kRed} << L{50, 40, 100, 80, 150, 120, 200, 160, 250, 200};
        QTest::newRow("circle of CircleSize: green on grey, round on the stand")
            << 2 << C{kGrey, QColor(Qt::green)} << L{25, 20};
        QTest::newRow("square of CircleSize: red on light grey, square on the stand")
            << 3 << C{kLight, kRed} << L{25, 20};
    }

    void faces()
    {
        QFETCH(int, face);
        QFETCH(C, zones);
        QFETCH(L, edges);
        const uint32_t back = bgrFromColour(zones.takeFirst());
        DrawingSurface surface(15);
        surface.resize({600, 600});
        surface.filledBox(0, 0, 9000, 9000, 0); // setting the back colour clears it
        surface.setBackColor(back);
        surface.setFillColor(0x123456);
        surface.circle(75, 4500, 7, 0x00FF00); // under half a pixel: nothing
        const Base base{.StandBackColor = back, .TargetZoom = 100, .CircleSize = 5, .ScaleX = 150, .ScaleY = 120};
        std::array{Draw_Unifight, Draw_Euro, Draw_Krug, Draw_Kvadrat}[face](surface, base, 4500, 4500);
        QVERIFY(surface.fillStyle() == FillStyle::Transparent && surface.fillColor() == 0x123456);
        QImage image = surface.image();
        for (const QPoint step : {QPoint(1, 0), QPoint(0, 1)}) {
            for (qsizetype k = 0; k < zones.size(); ++k)
                QCOMPARE(image.pixelColor(QPoint(300, 300) + step * (int(edges[2 * k + step.y()]) - 2)), zones[k]);
            int run = 0;
            for (int d = -300; d < 300; ++d)
                run += image.pixelColor(QPoint(300, 300) + step * d) != image.pixelColor(0, 0);
            const int outer = int(edges[edges.size() - 2 + step.y()]);
            QCOMPARE(run, 2 * outer);
            // A circle's rim is smoothed, a box's edge is sharp.
            QCOMPARE(image.pixelColor(QPoint(300, 300) + step * (outer - 1)) != zones.last(), face == 1 || face == 2);
        }
        QPainter painter(&image);
        surface.paint(painter);
        QVERIFY(!painter.testRenderHint(QPainter::Antialiasing)); // the caller's painter is left as it was
    }

    void controlsUnitsAndRandom()
    {
        const CentredControls m = centreControls(
            28800, 16201,
            {{9, 9, 255, 0}, {9, 9, 7300, 0}, {9, 9, 1815, 0}, {9, 9, 1695, 615}, {9, 9, 1695, 615}, {9, 9, 3615, 0}});
        QCOMPARE((L{m.labExitRight.left, m.labMsg.left, m.labTimer.left, m.knGo.left, m.knGo.top, m.knKalibrovka.left,
                    m.knKalibrovka.top, m.knStopKalibr.left, m.knStopKalibr.top}),
                 (L{28545, 10750, 13492.5, 13552.5, 7793, 13552.5, 8708, 12592.5, 9623}));

        QCOMPARE(units::pixelsToTwips(7680, 15), 115200.0);
        const QWidget widget;
        QVERIFY(units::twipsPerPixel(nullptr) == 15 && units::twipsPerPixel(&widget) * widget.logicalDpiX() == 1440);
        QVERIFY(programFont(8.25, true).bold() && QFont::substitutes("MS Sans Serif").contains("tahoma"));

        platform::ClockRandom random;
        for (int i = 0; i < 5; ++i)
            random.next();
        QCOMPARE(quint64(random.next() * 0x1p53), 1981289133897057ULL); // the sixth: every step has shown by then
        random.seedFromClock(); // the clock, not the values so far, decides what follows
        QVERIFY(quint64(random.next() * 0x1p53) != 5248477181321592ULL);
        QString kinds; // of a random series, from the generator's next number
        for (double r : {0.0, 9.49, 9.51, 19.49, 19.51, 29.49, 29.51, 39.9})
            kinds += QString::number(int(randomTargetCode(r / 40)));
        QCOMPARE(kinds, QStringLiteral("00112233"));
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
        QTest::newRow("zoom 150") << 725 << 765 << 150 << 5 << QList{1655, 1862, 2586, 2586, 517, 517}
                                  << QList{3413, 3822, 5275, 5275, 1137, 1137};
        QTest::newRow("zoom 50, 15 cm circle") << 725 << 765 << 50 << 15 << QList{552, 621, 862, 862, 517, 517}
                                               << QList{1138, 1275, 1758, 1758, 1068, 1068};
        QTest::newRow("spans in full precision") << 424 << 765 << 53 << 5 << QList{1000, 1125, 1563, 1563, 313, 313}
                                                 << QList{2063, 2285, 3189, 3189, 689, 689};
        QTest::newRow("square cross: the room of the scale across")
            << 765 << 765 << 100 << 5 << QList{1046, 1176, 1634, 1634, 327, 327}
            << QList{2157, 2417, 3333, 3333, 719, 719};
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

    // In twips, drawn one twip a pixel: round on the stand at the start-up calibration of 725 x 765 mm.
    void roundFacesAtStartUpCalibration_data()
    {
        QTest::addColumn<int>("face");
        QTest::addColumn<int>("across");
        QTest::addColumn<int>("down");
        QTest::newRow("Euro: 2 x round(25 kx) by 2 x round(25 ky)") << 1 << 2 * 1724 << 2 * 1634;
        QTest::newRow("circle: 2 x round(2.5 kx) by 2 x round(2.5 ky)") << 2 << 2 * 172 << 2 * 163;
    }
    void roundFacesAtStartUpCalibration()
    {
        QFETCH(int, face);
        Base base;
        fieldFor(base, 725, 765);
        DrawingSurface surface(1);
        surface.resize({3600, 3600});
        surface.setBackColor(base.StandBackColor);
        std::array{Draw_Unifight, Draw_Euro, Draw_Krug, Draw_Kvadrat}[face](surface, base, 1800, 1800);
        const QImage image = surface.image();
        const auto extent = [&](QPoint step) {
            int run = 0;
            for (int d = -1800; d < 1800; ++d)
                run += image.pixel(QPoint(1800, 1800) + step * d) != image.pixel(0, 0);
            return run;
        };
        QTEST(extent({1, 0}), "across");
        QTEST(extent({0, 1}), "down");
    }
    void calibrationLimits()
    {
        QStringList faults;
        for (auto [x, y] : {std::pair(10, 3000), {3000, 10}, {9, 765}, {3001, 765}, {9, 3001}, {725, 3001}, {725, 9}}) {
            Base base;
            fieldFor(base, x, y);
            faults << calibrationFaultMessage(checkCalibration(base));
        }
        const QString w = "Задано некорректное значение калибровки по ширине!";
        const QString h = "Задано некорректное значение калибровки по высоте!";
        QCOMPARE(faults, QStringList({"", "", w, w, w, h, h}));
    }
    void placedFacesStayInTheirLanesAndApart_data()
    {
        QTest::addColumn<int>("players");
        QTest::addColumn<int>("targets"); // as stored: 0 for one, 3 for three
        QTest::addColumn<TargetCode>("kind");
        QTest::addColumn<int>("dy"); // millimetres, against 765 across
        QTest::addColumn<int>("interval");
        QTest::newRow("two players, three Unifight, tall cross") << 2 << 3 << TargetCode::Unifight << 725 << 0;
        QTest::newRow("two players, three Euro, tall cross") << 2 << 3 << TargetCode::Euro << 725 << 0;
        QTest::newRow("two players, three Euro, 20 % apart") << 2 << 3 << TargetCode::Euro << 765 << 20;
        QTest::newRow("two players, three circles, very tall cross") << 2 << 3 << TargetCode::Krug << 300 << 0;
        QTest::newRow("one player, three squares, very tall cross") << 1 << 3 << TargetCode::Kvadrat << 300 << 0;
        QTest::newRow("two players, one square each") << 2 << 0 << TargetCode::Kvadrat << 765 << 10;
    }
    // The faces as drawn, not the room reserved: 150 twips clear of every lane edge, one player's never touching.
    void placedFacesStayInTheirLanesAndApart()
    {
        QFETCH(int, players);
        QFETCH(int, targets);
        QFETCH(TargetCode, kind);
        QFETCH(int, dy);
        QFETCH(int, interval);
        Base base;
        PlacementField f = fieldFor(base, 765, dy, 100, 5, players, interval);
        f.TargetsPerPlayer = targets;
        f.TargetType = kind;
        const FaceCentimetre cm = faceCentimetre(base);
        const std::map<TargetCode, QSize> drawnHalf{
            {TargetCode::Unifight, QSize(faceLength(16, cm.kx), faceLength(18, cm.ky))},
            {TargetCode::Euro, QSize(faceLength(25, cm.kx), faceLength(25, cm.ky))},
            {TargetCode::Krug, QSize(halfCircleSize(5, cm.kx), halfCircleSize(5, cm.ky))},
            {TargetCode::Kvadrat, QSize(halfCircleSize(5, cm.kx), halfCircleSize(5, cm.ky))}};
        const QSize half = drawnHalf.at(kind);
        const int32_t halfGap = (f.lanes.MenInterval + 1) / 2;
        const int used = targets > 1 ? 3 : 1;
        platform::ClockRandom random;
        random.seed(20261207);
        for (int round = 0; round < 300; ++round) {
            Series series;
            QVERIFY(placeTargets(f, random, series));
            for (int p = 0; p < 2; ++p) {
                const int32_t left = p == 0 ? f.lanes.ZonaW0 : f.lanes.ZonaW + halfGap;
                const int32_t right = p == 0 ? f.lanes.ZonaW0 + f.lanes.ZonaW - halfGap : 2 * f.lanes.ZonaW;
                const QRect lane(QPoint(left + 150, f.lanes.ZonaH0 + 150),
                                 QPoint(right - 150, f.lanes.ZonaH0 + f.lanes.ZonaH - 150));
                for (int t = 0; t < 3; ++t) {
                    const Centre c = series.Men[p][t];
                    if (p >= players || t >= used) {
                        QCOMPARE(c, Centre{}); // never placed
                        continue;
                    }
                    const QRect face(QPoint(c.x - half.width(), c.y - half.height()),
                                     QPoint(c.x + half.width(), c.y + half.height()));
                    QVERIFY2(lane.contains(face), qPrintable(QDebug::toString(face)));
                    for (int e = 0; e < t; ++e) {
                        const Centre o = series.Men[p][e];
                        const QRect other(QPoint(o.x - half.width(), o.y - half.height()),
                                          QPoint(o.x + half.width(), o.y + half.height()));
                        QVERIFY(!face.intersects(other));
                    }
                }
            }
        }
    }
    void refusedPlacements()
    {
        // Spare room across and down: some or none places at the lowest numbers, less refuses without drawing.
        for (const auto& [roomX, roomY] : {std::pair(0, 0), {300, 200}, {-1, 0}, {0, -1}, {-3000, -3000}}) {
            Base base;
            PlacementField f = fieldFor(base, 725, 765);
            std::tie(f.PlayerCount, f.TargetsPerPlayer, f.TargetType) = std::tuple(1, 0, TargetCode::Euro);
            std::tie(f.lanes.ZonaW, f.lanes.ZonaH) = std::pair(3517 + 300 + roomX, 3517 + 300 + roomY);
            platform::ScriptedRandom random;
            Series series;
            const bool room = roomX >= 0 && roomY >= 0;
            QCOMPARE(placeTargets(f, random, series), room);
            QCOMPARE(random.draws, room ? 2 : 0);
            QCOMPARE(series.Men[0][0], (room ? Centre{1724 + 150, f.lanes.ZonaH0 + 1724 + 150} : Centre{}));
        }
        // A hopeless search, every candidate on the same spot, gives up after ten attempts. Each attempt
        // draws both players' first targets, then a million and one candidates for a second.
        Base base;
        platform::ScriptedRandom random;
        random.script({0.5});
        Series series;
        QVERIFY(!placeTargets(fieldFor(base, 725, 765), random, series));
        QCOMPARE(random.draws, 10 * (4 + 2 * (kDrawsPerSearch + 1)));
    }
};

QTEST_MAIN(TestGeometry)
#include "tst_geometry.moc"
