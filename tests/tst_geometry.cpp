#include "platform/ClockRandom.h"
#include "platform/Colour.h"
#include "platform/Fonts.h"
#include "platform/Units.h"
#include "settings/Base.h"
#include "stand/DrawingSurface.h"
#include "stand/StandLayout.h"
#include "stand/TargetFaces.h"

#include <QPainter>
#include <QTest>
#include <QWidget>

using I = QList<int>;
using L = QList<double>;
using C = QList<QColor>;
const QColor kGrey(128, 128, 128), kLight(224, 224, 224), kBlack(Qt::black), kWhite(Qt::white), kRed(Qt::red);

class TestGeometry : public QObject {
    Q_OBJECT
private slots:
    void lanes_data();
    void lanes();
    void faces_data();
    void faces();
    void controlsAndPlatform();
};

void TestGeometry::lanes_data()
{
    QTest::addColumn<I>("in");       // W, H, players, interval, top, bottom
    QTest::addColumn<L>("expected"); // ZonaW, ZonaW0, ZonaH, ZonaH0, MenInterval, right border, MenBorder
    QTest::newRow("odd design size") << I{10305, 6555, 2, 0, 10, 20} << L{5152, 0, 4588, 656, 0, 10275, 5152.5};
    QTest::newRow("one player") << I{10290, 6555, 1, 20, 10, 20} << L{5145, 2572, 4588, 656, 0, 7688, 0};
    QTest::newRow("8K") << I{115200, 64800, 2, 20, 20, 40} << L{57600, 0, 25920, 12960, 23040, 115170, 46080};
}

void TestGeometry::lanes()
{
    QFETCH(I, in);
    const Base base{.PlayerCount = in[2], .PlayerInterval = int16_t(in[3]), .TopMargin = in[4], .BottomMargin = in[5]};
    const Lanes l = layoutLanes(in[0], in[1], base);
    const double left = l.ZonaW0, right = l.BorderRight.x1, y1 = l.BorderLeft.y1, y2 = l.BorderLeft.y2;
    QTEST((L{double(l.ZonaW), left, double(l.ZonaH), double(l.ZonaH0), double(l.MenInterval), right, l.MenBorder.x1}),
          "expected");
    QVERIFY(qAbs(y1 - l.ZonaH0) <= 0.5 && qAbs(y2 - y1 - l.ZonaH) <= 1);
    QCOMPARE(l.BorderTop, (LineEnds{left, y1, right, y1}));
    QCOMPARE(l.BorderBottom, (LineEnds{left, y2, right, y2}));
    QCOMPARE(l.MenBorder2.x1 + l.MenBorder2.x2, 2 * (l.MenBorder.x1 + l.MenInterval));
}

// Measured on the image as on the stand, with a tape: 150 and 120 twips a cm make 10 and 8 pixels a cm.
void TestGeometry::faces_data()
{
    QTest::addColumn<int>("face");
    QTest::addColumn<C>("zones"); // the background, then each zone from the centre out
    QTest::addColumn<L>("edges"); // pixels from the centre to each zone's outer edge, across and down
    QTest::newRow("Unifight 32 x 36 cm") << 0 << C{kGrey, kWhite, kBlack, kWhite, kBlack}
                                         << L{40, 48, 80, 80, 120, 112, 160, 144};
    QTest::newRow("Euro 50 cm in rings 5 cm apart, round in pixels")
        << 1 << C{kLight, kBlack, kWhite, kRed, kWhite, kRed} << L{50, 50, 100, 100, 150, 150, 200, 200, 250, 250};
    QTest::newRow("circle of CircleSize: green on grey") << 2 << C{kGrey, QColor(Qt::green)} << L{25, 25};
    QTest::newRow("square of CircleSize: red on light grey, square on the stand") << 3 << C{kLight, kRed} << L{25, 20};
}

void TestGeometry::faces()
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

void TestGeometry::controlsAndPlatform()
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
}

QTEST_MAIN(TestGeometry)
#include "tst_geometry.moc"
