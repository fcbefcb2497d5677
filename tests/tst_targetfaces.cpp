#include "platform/Colour.h"
#include "settings/Base.h"
#include "stand/DrawingSurface.h"
#include "stand/TargetFaces.h"
#include "stand/TargetScale.h"

#include <QTest>

#include <functional>

// Faces are checked on the rendered pixels: a projected target is measured with a tape.
// Surface at 15 twips per pixel; every face centred on twips (6000, 6000), pixel (400, 400).
class TestTargetFaces : public QObject {
    Q_OBJECT
private slots:
    void init();
    void zoneColoursAtKnownDistances_data();
    void zoneColoursAtKnownDistances();
    void outerSizeIsTrueToThePixel_data();
    void outerSizeIsTrueToThePixel();
    void circleAndSquareColourFollowsTheBackground_data();
    void circleAndSquareColourFollowsTheBackground();
    void circleFacesRestoreTheFillSettings();

private:
    using Face = std::function<void(DrawingSurface&, const Base&, int32_t, int32_t)>;
    QColor at(int dx, int dy) const { return m_surface.image().pixelColor(400 + dx, 400 + dy); }
    int runAcross() const;
    int runDown() const;

    Base m_base;
    DrawingSurface m_surface{15};
};

namespace {
constexpr int32_t kCentre = 6000;
const QColor kBackground(128, 128, 128);
const QColor kBlack(0, 0, 0), kWhite(255, 255, 255), kRed(255, 0, 0), kGreen(0, 255, 0);
} // namespace

void TestTargetFaces::init()
{
    m_base = Base{};
    SetDefaults(m_base, std::nullopt);
    computeScale(m_base, 5000, 5000); // 68.96552 and 65.35947 twips per cm
    m_surface = DrawingSurface(15);
    m_surface.resize({800, 800});
    m_surface.setBackColor(0x808080);
}

int TestTargetFaces::runAcross() const
{
    const QImage image = m_surface.image();
    int count = 0;
    for (int x = 0; x < 800; ++x)
        count += image.pixelColor(x, 400) != kBackground;
    return count;
}

int TestTargetFaces::runDown() const
{
    const QImage image = m_surface.image();
    int count = 0;
    for (int y = 0; y < 800; ++y)
        count += image.pixelColor(400, y) != kBackground;
    return count;
}

void TestTargetFaces::zoneColoursAtKnownDistances_data()
{
    QTest::addColumn<int>("face");
    QTest::addColumn<QPoint>("offset");
    QTest::addColumn<QColor>("colour");

    // Unifight half sizes at the defaults: 1103/1176, 828/915, 552/654, 276/392 twips,
    // that is 73.5/78.4, 55.2/61, 36.8/43.6, 18.4/26.1 pixels.
    QTest::newRow("Unifight white centre") << 0 << QPoint(10, 20) << kWhite;
    QTest::newRow("Unifight inner black frame across") << 0 << QPoint(27, 0) << kBlack;
    QTest::newRow("Unifight inner black frame down") << 0 << QPoint(0, 35) << kBlack;
    QTest::newRow("Unifight white frame across") << 0 << QPoint(46, 0) << kWhite;
    QTest::newRow("Unifight white frame down") << 0 << QPoint(0, 52) << kWhite;
    QTest::newRow("Unifight outer black frame across") << 0 << QPoint(-64, 0) << kBlack;
    QTest::newRow("Unifight outer black frame down") << 0 << QPoint(0, -70) << kBlack;
    QTest::newRow("Unifight outer corner") << 0 << QPoint(72, 77) << kBlack;
    QTest::newRow("Unifight ends across") << 0 << QPoint(76, 0) << kBackground;
    QTest::newRow("Unifight ends down") << 0 << QPoint(0, 81) << kBackground;
    // Euro radii 1724, 1379, 1034, 690, 345 twips: 114.9, 91.9, 68.9, 46, 23 pixels.
    QTest::newRow("Euro black centre") << 1 << QPoint(10, 0) << kBlack;
    QTest::newRow("Euro inner white ring") << 1 << QPoint(0, 34) << kWhite;
    QTest::newRow("Euro inner red ring") << 1 << QPoint(-57, 0) << kRed;
    QTest::newRow("Euro outer white ring") << 1 << QPoint(0, -80) << kWhite;
    QTest::newRow("Euro outer red ring") << 1 << QPoint(103, 0) << kRed;
    QTest::newRow("Euro outer red ring on the diagonal") << 1 << QPoint(73, 73) << kRed;
    QTest::newRow("Euro is round: the box corner is background") << 1 << QPoint(85, 85) << kBackground;
    QTest::newRow("Euro ends") << 1 << QPoint(118, 0) << kBackground;
    // Circle radius 172 twips (11.5 pixels); square half sides 172 across, 163 down.
    QTest::newRow("circle inside") << 2 << QPoint(8, 0) << kGreen;
    QTest::newRow("circle is round") << 2 << QPoint(9, 9) << kBackground;
    QTest::newRow("square corner") << 3 << QPoint(10, 9) << kGreen;
    QTest::newRow("square ends") << 3 << QPoint(13, 0) << kBackground;
}

void TestTargetFaces::zoneColoursAtKnownDistances()
{
    QFETCH(int, face);
    QFETCH(QPoint, offset);
    QFETCH(QColor, colour);
    const Face faces[] = {Draw_Unifight, Draw_Euro, Draw_Krug, Draw_Kvadrat};
    faces[face](m_surface, m_base, kCentre, kCentre);
    QCOMPARE(at(offset.x(), offset.y()), colour);
}

void TestTargetFaces::outerSizeIsTrueToThePixel_data()
{
    QTest::addColumn<int>("face");
    QTest::addColumn<int>("zoom");
    QTest::addColumn<double>("acrossTwips");
    QTest::addColumn<double>("downTwips");

    QTest::newRow("Unifight 32 x 36 cm") << 0 << 100 << 2 * 1103.0 << 2 * 1176.0;
    QTest::newRow("Euro 50 cm") << 1 << 100 << 2 * 1724.0 << 2 * 1724.0;
    QTest::newRow("Euro at zoom 150") << 1 << 150 << 2 * 2586.0 << 2 * 2586.0;
    QTest::newRow("Euro at zoom 50") << 1 << 50 << 2 * 862.0 << 2 * 862.0;
    QTest::newRow("circle 5 cm") << 2 << 100 << 2 * 172.0 << 2 * 172.0;
    QTest::newRow("square 5 cm is square on the stand, not in twips") << 3 << 100 << 2 * 172.0 << 2 * 163.0;
    QTest::newRow("Unifight at zoom 150") << 0 << 150 << 2 * 1655.0 << 2 * 1765.0;
}

void TestTargetFaces::outerSizeIsTrueToThePixel()
{
    QFETCH(int, face);
    QFETCH(int, zoom);
    QFETCH(double, acrossTwips);
    QFETCH(double, downTwips);
    m_base.TargetZoom = zoom;
    const Face faces[] = {Draw_Unifight, Draw_Euro, Draw_Krug, Draw_Kvadrat};
    faces[face](m_surface, m_base, kCentre, kCentre);
    QVERIFY2(std::abs(runAcross() - acrossTwips / 15) <= 1.0, qPrintable(QString::number(runAcross())));
    QVERIFY2(std::abs(runDown() - downTwips / 15) <= 1.0, qPrintable(QString::number(runDown())));
}

void TestTargetFaces::circleAndSquareColourFollowsTheBackground_data()
{
    QTest::addColumn<uint>("background");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("light grey 0xE0E0E0: red") << 0xE0E0E0u << kRed;
    QTest::newRow("grey 0xC0C0C0: green") << 0xC0C0C0u << kGreen;
    QTest::newRow("grey 0x808080: green") << 0x808080u << kGreen;
    QTest::newRow("olive 0x008080: green") << 0x008080u << kGreen;
    QTest::newRow("near black 0x101010: green") << 0x101010u << kGreen;
}

void TestTargetFaces::circleAndSquareColourFollowsTheBackground()
{
    QFETCH(uint, background);
    QFETCH(QColor, colour);
    m_base.StandBackColor = background;
    m_surface.setBackColor(background);
    Draw_Krug(m_surface, m_base, kCentre, kCentre);
    QCOMPARE(at(0, 0), colour);
    m_surface.clear();
    Draw_Kvadrat(m_surface, m_base, kCentre, kCentre);
    QCOMPARE(at(0, 0), colour);
    // Unifight and Euro do not depend on the background.
    m_surface.clear();
    Draw_Euro(m_surface, m_base, kCentre, kCentre);
    QCOMPARE(at(100, 0), kRed);
}

void TestTargetFaces::circleFacesRestoreTheFillSettings()
{
    for (FillStyle style : {FillStyle::Transparent, FillStyle::Solid}) {
        m_surface.setFillStyle(style);
        m_surface.setFillColor(0x123456);
        Draw_Euro(m_surface, m_base, kCentre, kCentre);
        Draw_Krug(m_surface, m_base, kCentre, kCentre);
        QCOMPARE(m_surface.fillStyle(), style);
        QCOMPARE(m_surface.fillColor(), 0x123456u);
    }
    // With a transparent fill a circle is only its outline.
    m_surface.clear();
    m_surface.setFillStyle(FillStyle::Transparent);
    m_surface.circle(kCentre, kCentre, 1500, 0x0000FF);
    QCOMPARE(at(0, 0), kBackground);
    const QColor outline = at(99, 0); // antialiased, so nearly but not exactly pure red
    QVERIFY(outline.red() > 240 && outline.green() < 16 && outline.blue() < 16);
}

QTEST_GUILESS_MAIN(TestTargetFaces)
#include "tst_targetfaces.moc"
