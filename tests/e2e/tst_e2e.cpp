// The real program on xvfb-run's 4K screen under openbox: xdotool's hands, Qt's eyes.

#include <QBitmap>
#include <QElapsedTimer>
#include <QProcess>
#include <QScreen>
#include <QTest>

// Window titles as xdotool's regular expressions, without spaces.
const QString kSettings = "^.Quorrin:", kStand = "^.Quorrin$";
const QRgb kGreen = qRgb(0, 255, 0);

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
    // In pixels from the settings window's client corner, wherever it moves.
    void click(int x, int y) { xdo(QString("mousemove --window %1 %2 %3 click 1").arg(find(kSettings)).arg(x).arg(y)); }
    QImage shot(QRect r = {0, 0, -1, -1}) { return m_4k->grabWindow(0, r.x(), r.y(), r.width(), r.height()).toImage(); }
    QRegion where(const QImage& i, QRgb c) { return QBitmap::fromImage(i.createMaskFromColor(c, Qt::MaskOutColor)); }
    // Esc, and "Да" (the question's default is "Нет").
    void leaveStand()
    {
        key("Escape");
        QTRY_VERIFY(!holds(kStand));
        key("shift+Tab Return");
        QTRY_VERIFY(holds(kSettings));
    }

private slots:
    // A desktop whose panel keeps the bottom 48 pixels free, and the program's settings window on it, which every
    // test starts from and returns to.
    void initTestCase()
    {
        qputenv("DISPLAY", qgetenv("DISPLAY").split('.')[0] + ".1");
        m_windowManager.start("openbox", {"--sm-disable", "--config-file", QUORRIN_PANEL_CONFIG});
        QTRY_VERIFY(xdo("get_num_desktops").toInt() > 0);
        QTRY_COMPARE(m_4k->availableGeometry().height(), 2160 - 48);
        m_program.start(QUORRIN_BINARY);
        QTRY_VERIFY_WITH_TIMEOUT(holds(kSettings), 15000);
    }
    // Xvfb dies resetting with the pointer on its second screen.
    void cleanupTestCase()
    {
        m_program.close();
        m_windowManager.close();
        xdo("mousemove --screen 0 0 0");
    }

    void firstSeriesOn4K()
    {
        // Dark teal, one square a player, and a tape's dX 400 mm and dY 600 mm (Tab selects all of dY).
        for (const QPoint at : {QPoint(412, 20), QPoint(230, 96), QPoint(230, 176), QPoint(284, 468)})
            click(at.x(), at.y());
        key("ctrl+a 4 0 0 Tab 6 0 0 Return"); // Return presses OK
        QTRY_VERIFY(holds(kStand));
        QElapsedTimer sinceGo;
        sinceGo.start();
        key("Return"); // on "Вперёд!"
        const int w = m_4k->size().width();
        const int h = m_4k->size().height();
        const QRgb teal = qRgb(0, 64, 64);
        // The first frame of the stand over the whole screen, panel and all: one pixel, looked at often.
        while (shot({w / 4, h / 2, 1, 1}).pixel(0, 0) != teal && sinceGo.elapsed() < 10000) {
        }
        const double filled = sinceGo.elapsed() / 1000.0;
        // The caption, and the lanes between the unused top tenth and bottom fifth, border lines included.
        const QRect caption(w / 2 - 200, 0, 400, 80);
        const QRect field(0, h / 10, w, h * 7 / 10 + 2);
        QList<double> ticks; // of the caption
        double shown = 0;    // of the series
        double gone = 0;
        QImage series;
        for (QImage image = shot(caption); (!gone || ticks.size() < 8) && sinceGo.elapsed() < 15000;) {
            const QImage last = std::exchange(image, shot(caption));
            const double at = sinceGo.elapsed() / 1000.0;
            if (image != last)
                ticks << at;
            const QImage lanes = shot(field);
            if (!shown && !where(lanes, kGreen).isEmpty()) {
                shown = at;
                series = lanes;
            } else if (shown && !gone && lanes != series) {
                gone = at;
            }
        }
        // Measured from the first full frame and against each other; Xvfb paints a 4K frame in a good part of a
        // second when the machine is busy.
        const QByteArray why = (QDebug::toString(ticks) + QDebug::toString(QList{filled, shown, gone})).toUtf8();
        QVERIFY2(ticks.size() == 8, why); // once a second: 2, 1, 0 before the series, 4 .. 0 during it
        QVERIFY2(ticks[0] > filled, why);
        QVERIFY2(ticks[0] - filled < 1.5, why);
        for (int i = 1; i < 8; ++i)
            QVERIFY2(qAbs(ticks[i] - ticks[i - 1] - 1) < 0.4, why);
        QVERIFY2(qAbs(shown - ticks[2]) < 0.4, why); // with the third tick, for 5 s
        QVERIFY2(qAbs(gone - shown - 5) < 0.5, why);
        series.save("sizes-4k.png");
        // Over the panel too: the window at the screen's corner, its background on the bottom row.
        const QString geometry = xdo("getwindowgeometry " + find(kStand));
        QVERIFY2(geometry.contains("Position: 0,0"), qPrintable(geometry));
        QVERIFY2(geometry.contains("Geometry: 3840x2160"), qPrintable(geometry));
        QCOMPARE(where(shot(QRect(0, h - 1, w, 1)), teal).boundingRect(), QRect(0, 0, w, 1));
        // The circle list's 5 cm: 5000 twips were 40 cm across and 60 cm down, 15 twips a pixel at 96 dpi.
        const QRegion square = where(series.copy(0, 0, w / 2, field.height()), kGreen);
        QCOMPARE(square.rectCount(), 1);
        QVERIFY2(qAbs(square.begin()->width() - 5 * 5000.0 / 40 / 15) <= 1, qPrintable(QDebug::toString(square)));
        QVERIFY2(qAbs(square.begin()->height() - 5 * 5000.0 / 60 / 15) <= 1, qPrintable(QDebug::toString(square)));
        leaveStand();
    }
};

QTEST_MAIN(TestEndToEnd)
#include "tst_e2e.moc"
