#include "settings/Base.h"
#include "stand/TargetScale.h"
#include "stand/drawing/Colour.h"
#include "stand/drawing/DrawingSurface.h"
#include "stand/drawing/TargetFaces.h"

#include <QImage>
#include <QTest>

using Colours = QList<QColor>;
using Edges = QList<int>;
const QColor kGrey(128, 128, 128), kLight(224, 224, 224), kBlack(Qt::black), kWhite(Qt::white), kRed(Qt::red),
    kGreen(Qt::green);
using Face = void (*)(DrawingSurface&, const Base&, int32_t, int32_t);
const Face kFaces[] = {Draw_Unifight, Draw_Euro, Draw_Krug, Draw_Kvadrat};

// The four faces drawn on the stand's surface, measured on the picture as on the board with a tape.
class TestFaces : public QObject {
    Q_OBJECT
private slots:
    // 150 and 120 twips a centimetre across and down make 10 and 8 pixels a centimetre.
    void faces_data()
    {
        QTest::addColumn<int>("face");
        QTest::addColumn<QColor>("background");
        QTest::addColumn<Colours>("zones"); // from the centre out
        QTest::addColumn<Edges>("across");  // pixels from the centre to each zone's outer edge
        QTest::addColumn<Edges>("down");
        QTest::newRow("Unifight 32 x 36 cm in frames 4 cm wide")
            << 0 << kGrey << Colours{kWhite, kBlack, kWhite, kBlack} << Edges{40, 80, 120, 160}
            << Edges{48, 80, 112, 144};
        QTest::newRow("Euro 50 cm in rings 5 cm apart, round on the stand")
            << 1 << kLight << Colours{kBlack, kWhite, kRed, kWhite, kRed} << Edges{50, 100, 150, 200, 250}
            << Edges{40, 80, 120, 160, 200};
        QTest::newRow("circle of CircleSize: green on grey, round on the stand")
            << 2 << kGrey << Colours{kGreen} << Edges{25} << Edges{20};
        QTest::newRow("square of CircleSize: red on light grey, square on the stand")
            << 3 << kLight << Colours{kRed} << Edges{25} << Edges{20};
    }
    void faces()
    {
        QFETCH(int, face);
        QFETCH(QColor, background);
        QFETCH(Colours, zones);
        QFETCH(Edges, across);
        QFETCH(Edges, down);
        DrawingSurface surface(15);
        surface.resize({600, 600});
        surface.setBackColor(bgr(background));
        surface.setFillColor({0x123456});
        const Base base{
            .StandBackColor = bgr(background), .TargetZoom = 100, .CircleSize = 5, .ScaleX = 150, .ScaleY = 120};
        kFaces[face](surface, base, 4500, 4500);
        QCOMPARE(surface.fillStyle(), FillStyle::Transparent); // as the face found them
        QCOMPARE(surface.fillColor().value, 0x123456u);
        const QImage image = surface.image();
        const QPoint centre(300, 300);
        for (qsizetype k = 0; k < zones.size(); ++k) {
            QCOMPARE(image.pixelColor(centre + QPoint(across[k] - 2, 0)), zones[k]);
            QCOMPARE(image.pixelColor(centre + QPoint(0, down[k] - 2)), zones[k]);
        }
        const auto run = [&](QPoint step) {
            int count = 0;
            for (int d = -300; d < 300; ++d)
                count += image.pixelColor(centre + step * d) != background;
            return count;
        };
        QCOMPARE(run({1, 0}), 2 * across.last());
        QCOMPARE(run({0, 1}), 2 * down.last());
        // A circle's rim is smoothed, a box's edge is sharp.
        const bool round = face == 1 || face == 2;
        QCOMPARE(image.pixelColor(centre + QPoint(across.last() - 1, 0)) != zones.last(), round);
    }
};

QTEST_MAIN(TestFaces)
#include "tst_faces.moc"
