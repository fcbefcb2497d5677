// Draws the pictures the program ships with: the settings window's background, the
// window icon and its larger menu sizes, and the pointer shown over the maker's link.
//
// Usage: make_art OUTDIR [ADDRESS]   (ADDRESS defaults to quorrin.example.org)
//
// The pointer link-hand.png has its hotspot at x 5, y 1 (the index fingertip).

#include <QColor>
#include <QCoreApplication>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QString>
#include <array>
#include <cstdio>

namespace {

// The settings window's background: a calm grey a little lighter than its fields.
constexpr QSize backgroundSize{790, 575};
constexpr QSize clientSize{789, 568};
const QColor backgroundGrey{212, 212, 212};

// The emblem lives in the free column right of the controls.
constexpr QPointF emblemCentre{652.0, 125.0};
constexpr double emblemRadius = 84.0;

// The link area the window lays over the address; the text is centred in it.
constexpr QRect addressStrip{752, 244, 25, 313};
const QColor linkBlue{0, 40, 160};
constexpr int addressPixelSize = 12;

// A painted ring by its outer radius; rings are drawn outermost first so each covers the last.
struct Ring {
    double radius;
    QColor colour;
};

void drawBoard(QPainter& p, QPointF centre, double radius)
{
    // A round wooden board with a darker rim and faint growth rings.
    p.setPen(QPen(QColor(128, 100, 72), radius * 0.025));
    p.setBrush(QColor(200, 176, 138));
    p.drawEllipse(centre, radius, radius);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(176, 150, 112), 1.0));
    for (double r = radius * 0.93; r > radius * 0.78; r -= radius * 0.045)
        p.drawEllipse(centre, r, r);

    const std::array<Ring, 5> rings{{{0.76, {172, 82, 68}},
                                     {0.60, {234, 226, 210}},
                                     {0.44, {172, 82, 68}},
                                     {0.28, {234, 226, 210}},
                                     {0.12, {64, 56, 52}}}};
    p.setPen(QPen(QColor(90, 70, 56, 150), 1.0));
    for (const Ring& ring : rings) {
        p.setBrush(ring.colour);
        p.drawEllipse(centre, radius * ring.radius, radius * ring.radius);
    }
}

QPainterPath knifeShape(double length)
{
    // A flat throwing knife lying along +x, its buried point at the origin.
    const double blade = length * 0.55;
    QPainterPath path;
    path.moveTo(0, -3.0);
    path.lineTo(blade, -4.0);
    path.lineTo(length - 4.0, -4.0);
    path.quadTo(length + 1.0, 0, length - 4.0, 4.0);
    path.lineTo(blade, 4.0);
    path.lineTo(0, 3.0);
    path.closeSubpath();
    return path;
}

void drawKnife(QPainter& p, QPointF hit, double angleDeg, double length)
{
    const QPainterPath shape = knifeShape(length);
    const double blade = length * 0.55;

    // The shadow falls down and right of the knife and meets it at the point.
    p.save();
    p.translate(hit);
    p.rotate(angleDeg + 9.0);
    p.scale(1.0, 0.8);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 30, 20, 50));
    p.drawPath(shape);
    p.restore();

    p.save();
    p.translate(hit);
    p.rotate(angleDeg);
    p.setPen(QPen(QColor(60, 60, 66), 1.0));
    p.setBrush(QColor(176, 182, 190));
    p.drawPath(shape);
    // Handle: a dark cord wrap over the back part of the knife.
    p.setClipPath(shape);
    p.fillRect(QRectF(blade, -5.0, length - blade + 2.0, 10.0), QColor(74, 58, 48));
    p.setPen(QPen(QColor(120, 100, 82), 1.0));
    for (double x = blade + 3.0; x < length - 3.0; x += 3.5)
        p.drawLine(QPointF(x, -4.0), QPointF(x + 1.5, 4.0));
    // A bright bevel along the upper edge of the blade.
    p.setPen(QPen(QColor(232, 236, 240), 1.0));
    p.drawLine(QPointF(1.0, -1.8), QPointF(blade - 1.0, -2.6));
    p.restore();
}

void drawAddress(QPainter& p, const QString& address)
{
    // Reads bottom-to-top, centred in the clickable strip, underlined like a link.
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(addressPixelSize);
    font.setUnderline(true);
    p.save();
    p.setFont(font);
    p.setPen(linkBlue);
    p.translate(QRectF(addressStrip).center());
    p.rotate(-90.0);
    const QRectF turned(-addressStrip.height() / 2.0, -addressStrip.width() / 2.0, addressStrip.height(),
                        addressStrip.width());
    p.drawText(turned, Qt::AlignCenter, address);
    p.restore();
}

QImage makeBackground(const QString& address)
{
    QImage img(backgroundSize, QImage::Format_RGB32);
    img.fill(backgroundGrey);
    QPainter p(&img);

    // A soft one-pixel bevel around the visible client area.
    const int right = clientSize.width() - 1;
    const int bottom = clientSize.height() - 1;
    p.setPen(QColor(226, 226, 226));
    p.drawLine(0, 0, right, 0);
    p.drawLine(0, 0, 0, bottom);
    p.setPen(QColor(198, 198, 198));
    p.drawLine(right, 1, right, bottom);
    p.drawLine(1, bottom, right, bottom);

    p.setRenderHint(QPainter::Antialiasing);
    drawBoard(p, emblemCentre, emblemRadius);
    drawKnife(p, emblemCentre + QPointF(-3.0, 4.0), -38.0, 92.0);
    drawAddress(p, address);
    return img;
}

// The icon is designed on a 32-pixel grid and drawn at any size from it: the window
// icon and the desktop's menu icons are one picture.
QImage makeIcon(int side)
{
    QImage img(side, side, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    {
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(side / 32.0, side / 32.0);
        const QPointF c(16.0, 16.0);
        const std::array<Ring, 5> rings{{{15.5, {20, 20, 20}},
                                         {14.5, {205, 30, 30}},
                                         {10.5, {245, 245, 245}},
                                         {7.0, {205, 30, 30}},
                                         {3.5, {20, 20, 20}}}};
        p.setPen(Qt::NoPen);
        for (const Ring& ring : rings) {
            p.setBrush(ring.colour);
            p.drawEllipse(c, ring.radius, ring.radius);
        }
        // A knife stuck in the bull, kept inside the rim so its edges stay clean.
        p.translate(c + QPointF(-0.5, 0.5));
        p.rotate(-45.0);
        p.setPen(QPen(QColor(20, 20, 20), 1.0));
        p.setBrush(QColor(200, 200, 200));
        p.drawRect(QRectF(0.0, -1.5, 7.5, 3.0));
        p.setBrush(QColor(112, 72, 40));
        p.drawRoundedRect(QRectF(7.5, -2.0, 7.0, 4.0), 1.5, 1.5);
    }
    if (side > 32)
        return img; // large enough for smooth edges
    // The window icon is snapped to a fixed palette so that it stays within 16 colours.
    // Clear, the rim fading out, the ring colours, their blends and the knife.
    const QList<QRgb> palette{
        qRgba(0, 0, 0, 0),   qRgba(20, 20, 20, 90), qRgba(20, 20, 20, 180),                    //
        qRgb(20, 20, 20),    qRgb(205, 30, 30),     qRgb(245, 245, 245),                       //
        qRgb(225, 138, 138), qRgb(235, 190, 190),   qRgb(215, 84, 84),      qRgb(160, 28, 28), //
        qRgb(112, 25, 25),   qRgb(60, 22, 22),      qRgb(132, 132, 132),                       //
        qRgb(200, 200, 200), qRgb(80, 80, 80),      qRgb(112, 72, 40),                         //
    };
    return img.convertToFormat(QImage::Format_Indexed8, palette, Qt::ThresholdDither | Qt::AvoidDither);
}

QImage makePointer()
{
    // A pointing hand drawn pixel by pixel: '#' outline, '.' fill, ' ' clear.
    static constexpr std::array<const char*, 23> rows{{
        "                 ", //
        "     ##          ", //
        "    #..#         ", //
        "    #..#         ", //
        "    #..#         ", //
        "    #..#         ", //
        "    #..#         ", //
        "    #..##        ", //
        "    #..#.###     ", //
        "    #..#..#.##   ", //
        "    #..#..#..#.# ", //
        "    #..#..#..#..#", //
        " ## #..#..#..#..#", //
        "#..##..#..#..#..#", //
        "#...#...........#", //
        " #...#..........#", //
        "  #.............#", //
        "   #............#", //
        "    #..........# ", //
        "    #..........# ", //
        "     #........#  ", //
        "     #........#  ", //
        "     ##########  ", //
    }};
    QImage img(32, 32, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    for (int y = 0; y < static_cast<int>(rows.size()); ++y)
        for (int x = 0; rows[y][x] != '\0'; ++x) {
            if (rows[y][x] == '#')
                img.setPixel(x, y, qRgb(0, 0, 0));
            else if (rows[y][x] == '.')
                img.setPixel(x, y, qRgb(255, 255, 255));
        }
    return img;
}

bool save(const QImage& img, const QString& dir, const char* name)
{
    const QString path = dir + QLatin1Char('/') + QLatin1String(name);
    if (img.save(path, "PNG"))
        return true;
    std::fprintf(stderr, "make_art: cannot write %s\n", qPrintable(path));
    return false;
}

} // namespace

int main(int argc, char** argv)
{
    // Draws without a display, so it also runs on a build machine.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() < 2 || args.size() > 3) {
        std::fprintf(stderr, "usage: make_art OUTDIR [ADDRESS]\n");
        return 2;
    }
    const QString dir = args.at(1);
    const QString address = args.size() == 3 ? args.at(2) : QStringLiteral("quorrin.example.org");

    bool ok = save(makeBackground(address), dir, "background.png") && save(makeIcon(32), dir, "quorrin-icon.png") &&
              save(makePointer(), dir, "link-hand.png");
    // The menu icons of the desktop's hicolor theme; 32 pixels is the window icon itself.
    for (int side : {48, 64, 128, 256})
        ok = ok && save(makeIcon(side), dir, qPrintable(QStringLiteral("quorrin-icon-%1.png").arg(side)));
    return ok ? 0 : 1;
}
