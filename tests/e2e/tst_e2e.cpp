// The real program on xvfb-run's 4K screen under openbox: xdotool's hands, Qt's eyes.

#include <QBitmap>
#include <QElapsedTimer>
#include <QProcess>
#include <QScreen>
#include <QTest>

// Window titles as xdotool's regular expressions, without spaces.
const QString kSettings = "^.Quorrin:", kStand = "^.Quorrin$", kBox = "^." QUORRIN_MAKER_ADDRESS ".$";
const QRgb kGreen = qRgb(0, 255, 0), kWhite = qRgb(255, 255, 255), kYellow = qRgb(255, 255, 0);

class TestEndToEnd : public QObject {
    Q_OBJECT
    QProcess m_windowManager, m_program;
    QScreen* const m_4k = QGuiApplication::screens().at(1);

    static QString xdo(const QString& arguments)
    {
        QProcess xdotool;
        xdotool.start("xdotool", arguments.split(' ', Qt::SkipEmptyParts));
        return xdotool.waitForFinished() ? QString::fromUtf8(xdotool.readAllStandardOutput()).trimmed() : QString();
    }
    static void key(const QString& keys) { xdo("key --delay 60 " + keys); }
    static QString find(const QString& title) { return xdo("search --onlyvisible --name " + title); }
    // The one mapped window of that title holds the keyboard.
    static bool holds(const QString& title) { return find(title) == xdo("getwindowfocus"); }
    bool answer(const QString& keys) { return QTest::qWaitFor(std::bind_front(holds, kBox)) && (key(keys), true); }
    // In pixels from the settings window's client corner, wherever it moves.
    void click(int x, int y) { xdo(QString("mousemove --window %1 %2 %3 click 1").arg(find(kSettings)).arg(x).arg(y)); }
    QImage shot(QRect r = {0, 0, -1, -1}) { return m_4k->grabWindow(0, r.x(), r.y(), r.width(), r.height()).toImage(); }
    QRegion where(const QImage& i, QRgb c) { return QBitmap::fromImage(i.createMaskFromColor(c, Qt::MaskOutColor)); }
    bool shows(const QRect& area, QRgb colour) { return !where(shot(area), colour).isEmpty(); }

private slots:
    // Xvfb dies resetting with the pointer on its second screen.
    void cleanup() { m_program.close(), m_windowManager.close(), xdo("mousemove --screen 0 0 0"); }

    void oneEveningOn4K()
    {
        // A desktop whose panel keeps the bottom 48 pixels free.
        qputenv("DISPLAY", qgetenv("DISPLAY").split('.')[0] + ".1");
        m_windowManager.start("openbox", {"--sm-disable", "--config-file", QUORRIN_PANEL_CONFIG});
        QTRY_VERIFY(xdo("get_num_desktops").toInt() > 0);
        QTRY_COMPARE(m_4k->availableGeometry().height(), 2160 - 48);
        m_program.start(QUORRIN_BINARY);
        QTRY_VERIFY_WITH_TIMEOUT(holds(kSettings), 15000);
        // Dark teal, one square a player, the key pause, and a tape's dX 400 mm and dY 600 mm (Tab selects all of dY).
        click(412, 20), click(230, 96), click(230, 176), click(230, 304), click(284, 468);
        key("ctrl+a 4 0 0 Tab 6 0 0"), click(225, 220), key("ctrl+a 7 Return"); // "7" over the show-time list's "5"
        QVERIFY(answer("Return"));                                              // no choice from the list
        QTRY_VERIFY(holds(kSettings) && find(kStand).isEmpty());
        key("Up Up Return"); // the list took the typed "7" as its place: "5" is two up
        QTRY_VERIFY(holds(kStand));
        key("Tab space"); // "Калибровка" stands after "Вперёд!"
        QVERIFY(answer("Return"));
        // Olive all over under a 2 px white cross of 5000 twips (333 px) about its middle, whatever dX and dY say.
        QImage image, series;
        QTRY_VERIFY(where(image = m_4k->grabWindow(find(kStand).toUInt()).toImage(), kWhite).boundingRect().width() >
                    300);
        image.save("calibration.png");
        QCOMPARE(where(image, qRgb(128, 128, 0)).boundingRect(), QRect(0, 0, 687, 437));
        const QRegion cross = where(image, kWhite); // the vertical line's upper part, then the horizontal line
        const QRect box = cross.boundingRect();
        QVERIFY2(cross.begin()[0].width() == 2 && cross.begin()[1].height() == 2 && qAbs(box.width() - 333) <= 2 &&
                     qAbs(box.height() - 333) <= 2 && (box.center() - image.rect().center()).manhattanLength() <= 2,
                 qPrintable(QDebug::toString(cross)));
        key("Escape"); // and "Да"
        QVERIFY(answer("shift+Tab Return"));
        QTRY_VERIFY(holds(kSettings) && find(kStand).isEmpty());

        key("Return");
        QTRY_VERIFY(holds(kStand));
        QElapsedTimer sinceGo;
        sinceGo.start(), key("Return"); // on "Вперёд!"
        const int w = m_4k->size().width(), h = m_4k->size().height();
        const QList<QRgb> colours{qRgb(0, 64, 64), kGreen, qRgb(128, 255, 255), qRgb(240, 240, 240)};
        QTRY_VERIFY(shot().pixel(w / 4, h / 2) == colours[0]); // the stand fills the screen, panel and all
        // The caption, and the lanes between the unused top tenth and bottom fifth, border lines included.
        const QRect top(0, 0, w, h * 26 / 270), field(0, h / 10, w, h * 7 / 10 + 2),
            prompt(w / 2 - 200, 0, 120, top.height()); // left end of the centred, unscaled prompt, off the digits
        QList<double> ticks;                           // of the caption
        double shown = 0, gone = 0;                    // of the series
        for (image = shot(top); (!gone || ticks.size() < 8) && sinceGo.elapsed() < 12000;) {
            const QImage last = std::exchange(image, shot(top)), lanes = shot(field); // bands: 4K frames grab slowly
            const double at = sinceGo.elapsed() / 1000.0;
            if (image != last)
                ticks << at;
            if (!shown && !where(lanes, kGreen).isEmpty())
                shown = at, series = lanes;
            else if (shown && !gone && lanes != series)
                gone = at;
        }
        const QByteArray why = (QDebug::toString(ticks) + QDebug::toString(QList{shown, gone})).toUtf8();
        for (int i = 0; i < 8; ++i) // once a second from Enter: 2, 1, 0 before the series, 4 .. 0 during it
            QVERIFY2(ticks.size() == 8 && qAbs(ticks[i] - ticks[0] - i) < 0.5 && qAbs(ticks[0] - 1.1) < 0.5, why);
        QVERIFY2(qAbs(shown - ticks[2]) < 0.3 && qAbs(gone - shown - 5) < 0.5, why); // with the third tick, for 5 s
        series.save("sizes-4k.png");
        // Over the panel too: the window at the screen's corner, its background on the bottom row.
        const QString geometry = xdo("getwindowgeometry " + find(kStand));
        QVERIFY2(geometry.contains("Position: 0,0"), qPrintable(geometry));
        QVERIFY2(geometry.contains("Geometry: 3840x2160"), qPrintable(geometry));
        QCOMPARE(where(shot(QRect(0, h - 1, w, 1)), colours[0]).boundingRect(), QRect(0, 0, w, 1));
        // The circle list's 5 cm: 5000 twips were 40 cm across and 60 cm down, 15 twips a pixel at 96 dpi.
        const QRegion square = where(series.copy(0, 0, w / 2, field.height()), kGreen);
        QVERIFY2(square.rectCount() == 1 && qAbs(square.begin()->width() - 5 * 5000.0 / 40 / 15) <= 1 &&
                     qAbs(square.begin()->height() - 5 * 5000.0 / 60 / 15) <= 1,
                 qPrintable(QDebug::toString(square)));
        // Below the caption only background, targets and lines, each in its colour (8-bit palettes keep 256 exact).
        QList<QRgb> seen = series.convertToFormat(QImage::Format_Indexed8).colorTable();
        std::sort(seen.begin(), seen.end());
        QCOMPARE(seen, colours);
        QVERIFY(answer("Return")); // a box tells what comes, then the same targets and the prompt stay until Space
        QTRY_VERIFY(shot(field) == series && shows(prompt, kYellow));
        shot().save("key-pause.png");
        QVERIFY(!QTest::qWaitFor([&] { return shot(field) != series; }, 3000));
        key("space"); // the next tick clears the stand; a countdown of three ticks brings targets elsewhere
        QTRY_VERIFY(!shows(field, kGreen) && !shows(prompt, kYellow));
        sinceGo.start();
        QTRY_VERIFY_WITH_TIMEOUT(shows(field, kGreen) && shot(field) != series, 5000);
        QCOMPARE_LT(qAbs(sinceGo.elapsed() - 3000), 500);

        // Circles next: round on the board, so 40 cm across and 60 cm down on the 5000 twips make an ellipse.
        key("Escape");
        QVERIFY(answer("shift+Tab Return"));
        QTRY_VERIFY(holds(kSettings));
        click(340, 176);
        key("Return");
        QTRY_VERIFY(holds(kStand));
        key("Return");
        QTRY_VERIFY_WITH_TIMEOUT(shows(field, kGreen), 5000);
        const QImage circles = shot(field).copy(0, 0, w / 2, field.height());
        circles.save("circles-4k.png");
        QRect disc; // where green covers more than half a pixel of the teal; white lines have no less red
        for (int y = 0; y < circles.height(); ++y)
            for (int x = 0; x < circles.width(); ++x)
                if (const QRgb p = circles.pixel(x, y); qGreen(p) > 160 && qRed(p) < 100)
                    disc |= QRect(x, y, 1, 1);
        QVERIFY2(qAbs(disc.width() - 5 * 5000.0 / 40 / 15) <= 1.5, qPrintable(QDebug::toString(disc)));
        QVERIFY2(qAbs(disc.height() - 5 * 5000.0 / 60 / 15) <= 1.5, qPrintable(QDebug::toString(disc)));
    }
};

QTEST_MAIN(TestEndToEnd)
#include "tst_e2e.moc"
