// The real program on its own X server (1920 x 1080 and 4K screens) and openbox: xdotool's hands, Qt's eyes.

#include <QApplication>
#include <QBitmap>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QProcess>
#include <QScreen>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <memory>
#include <sys/prctl.h>

// Window titles as xdotool's regular expressions, without spaces.
const QString kSettings = "^.Quorrin:", kStand = "^.Quorrin$", kBox = "^." QUORRIN_MAKER_ADDRESS ".$";
constexpr double kTwipsPerPixel = 15; // Xvfb is told 96 dpi
const QRgb kBlack = qRgb(0, 0, 0), kWhite = qRgb(255, 255, 255), kYellow = qRgb(255, 255, 0);
// Where clicks land in the settings window, in pixels from its client area's corner.
const QPoint kShowTimes{225, 220}, kPauses{385, 260}, kKeyPause{230, 304}, kOneTarget{230, 96}, kSquare{230, 176};
QByteArray g_display; // ":N"
int g_screen = 0;     // of g_display, for children and screenshots

// A child on the current screen; the kernel ends it should the test die first.
struct Child : QProcess {
    Child(const QString& program, const QString& arguments = {})
    {
        setStandardErrorFile(QUORRIN_E2E_SHOTS "/children.log", QIODevice::Append);
        setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
        start(program, arguments.split(' ', Qt::SkipEmptyParts));
    }
    ~Child() override { kill(), waitForFinished(); }
};

class TestEndToEnd : public QObject {
    Q_OBJECT
    std::unique_ptr<Child> m_windowManager, m_program;
    quint64 m_settings = 0;
    QElapsedTimer m_sinceGo;

    static QString xdo(const QString& arguments, const QString& program = "xdotool")
    {
        Child child(program, arguments);
        return child.waitForFinished() ? QString::fromUtf8(child.readAllStandardOutput()).trimmed() : QString();
    }
    static void key(const QString& keys) { xdo("key --delay 60 " + keys); }
    void click(QPoint p) { xdo(QString("mousemove --window %1 %2 %3 click 1").arg(m_settings).arg(p.x()).arg(p.y())); }
    static void use(int screen) { qputenv("DISPLAY", g_display + '.' + QByteArray::number(g_screen = screen)); }
    static QScreen* screen() { return QGuiApplication::screens().at(g_screen); }
    static QImage shot(quint64 window = 0) { return screen()->grabWindow(window).toImage(); }
    QRegion where(const QImage& i, QRgb c) { return QBitmap::fromImage(i.createMaskFromColor(c, Qt::MaskOutColor)); }
    bool shows(const QRect& area, QRgb colour) { return !where(shot().copy(area), colour).isEmpty(); }
    // Between the unused tenth at the top and fifth at the bottom, border lines included.
    static QRect lanes(QSize s) { return {0, s.height() / 10, s.width(), s.height() * 7 / 10 + 2}; }

    // The one mapped window of that title once it holds the keyboard; 0 if none comes.
    static quint64 focused(const QString& title)
    {
        QString id;
        const auto holds = [&] {
            return (id = xdo("search --onlyvisible --name " + title)) == xdo("getwindowfocus") && id.toULongLong();
        };
        return QTest::qWaitFor(holds, 15000) ? id.toULongLong() : 0;
    }
    static bool managed() { return xdo("-root _NET_SUPPORTING_WM_CHECK", "xprop").contains("window id"); }
    // Until the settings window holds the keyboard; clicks land relative to it, wherever it moves.
    bool start()
    {
        m_program = std::make_unique<Child>(QUORRIN_BINARY);
        return (m_settings = focused(kSettings));
    }

    // Enter on "Вперёд!": the stand fills the screen in its background colour.
    bool go(QRgb background)
    {
        const quint64 stand = focused(kStand);
        m_sinceGo.start();
        key("Return");
        return stand && QTest::qWaitFor([&] {
                   const QImage image = shot(stand);
                   return image.size() == screen()->size() && image.pixel(image.width() / 4, 500) == background;
               });
    }

    // The box that holds the keyboard shows this warning, icon and text as Qt draws them.
    static bool warns(const QString& text)
    {
        QMessageBox expected(QMessageBox::Warning, " " QUORRIN_MAKER_ADDRESS " ", text);
        expected.addButton("OK", QMessageBox::AcceptRole);
        expected.setAttribute(Qt::WA_DontShowOnScreen);
        expected.show();
        const QImage drawn = expected.grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QRect above(0, 0, drawn.width(), expected.findChild<QWidget*>("qt_msgbox_label")->geometry().bottom());
        const quint64 box = focused(kBox);
        return box && QTest::qWaitFor([&] {
                   return shot(box).size() == drawn.size() && shot(box).copy(above) == drawn.copy(above);
               });
    }

private slots:
    void initTestCase()
    {
        // One on each screen would lose the keyboard when a box closes: the 4K screen gets its own later.
        m_windowManager = std::make_unique<Child>("openbox", "--sm-disable");
        QTRY_VERIFY_WITH_TIMEOUT(managed(), 10000);
    }
    void cleanup() { m_program.reset(), use(0); }

    void trueSizesAndColoursOn4K()
    {
        use(1);
        const Child windowManager("openbox", "--sm-disable");
        QTRY_VERIFY_WITH_TIMEOUT(managed(), 10000);
        QVERIFY(start());
        for (QPoint at : {QPoint(412, 20), kOneTarget, kSquare, QPoint(284, 468)})
            click(at);
        // Dark teal, one square a player, and (Tab selects all of dY) a tape that gave 400 mm across and
        // 600 mm down for the cross's 5000 twips.
        key("ctrl+a 4 0 0 Tab 6 0 0 Return");
        const QList<QRgb> colours{qRgb(0, 64, 64), qRgb(0, 255, 0), qRgb(240, 240, 240), qRgb(128, 255, 255)};
        QVERIFY(go(colours[0]));
        QImage image;
        QVERIFY(QTest::qWaitFor([&] { return !where(image = shot(), colours[1]).isEmpty(); }, 6000));
        image.save(QUORRIN_E2E_SHOTS "/sizes-4k.png");
        // The circle list's 5 cm in the centimetres the tape gave.
        for (int left : {0, image.width() / 2}) {
            const QRegion square = where(image.copy(left, 0, image.width() / 2, image.height()), colours[1]);
            QVERIFY2(square.rectCount() == 1 && qAbs(square.begin()->width() - 5 * 5000.0 / 40 / kTwipsPerPixel) <= 1 &&
                         qAbs(square.begin()->height() - 5 * 5000.0 / 60 / kTwipsPerPixel) <= 1,
                     qPrintable(QDebug::toString(square)));
        }
        // Below the caption only the background, the targets and the lines, each in its colour.
        const QImage field = image.copy(lanes(image.size()));
        QSet<QRgb> seen;
        for (int i = 0; i < field.width() * field.height(); ++i)
            seen << field.pixel(i % field.width(), i / field.width());
        QVERIFY2(seen == QSet<QRgb>(colours.begin(), colours.end()), qPrintable(QDebug::toString(seen)));
    }

    void showKeepsTheBeat()
    {
        QVERIFY(start());
        click(kPauses);
        key("Up Up Up Up Return"); // a pause of 10 s instead of 50
        QVERIFY(go(qRgb(128, 128, 128)));
        const QSize size = screen()->size();
        const QRect top(0, 0, size.width(), size.height() / 10 - 4);
        QImage caption = shot().copy(top), image;
        QList<double> ticks, changes; // of the caption; of the targets, coming and going
        while (changes.size() < 3 && m_sinceGo.elapsed() < 22000) {
            image = shot();
            const double at = m_sinceGo.elapsed() / 1000.0;
            if (image.copy(top) != std::exchange(caption, image.copy(top)))
                ticks << at;
            // Unifight faces have a black rim; nothing else on this stand is black.
            if ((changes.size() % 2 == 1) == where(image.copy(lanes(size)), kBlack).isEmpty())
                changes << at;
        }
        image.save(QUORRIN_E2E_SHOTS "/beat.png");
        const QByteArray why = (QDebug::toString(ticks) + QDebug::toString(changes)).toUtf8();
        // 2, 1, 0 before the series, 4 .. 0 during it, 9 .. 0 in the pause: once a second.
        QVERIFY2(ticks.size() == 18 && changes.size() == 3 && ticks[0] > 0.6 && ticks[0] < 1.6, why);
        for (int i = 1; i < ticks.size(); ++i)
            QVERIFY2(qAbs(ticks[i] - ticks[0] - i) < 0.5, why);
        // The series comes with the third tick, stays 5 s, and the next comes 10 s after it went.
        QVERIFY2(qAbs(changes[0] - ticks[2]) < 0.3 && qAbs(changes[1] - changes[0] - 5) < 0.5 &&
                     qAbs(changes[2] - changes[1] - 10) < 0.5,
                 why);
    }

    void keyPauseWaitsForSpace()
    {
        QVERIFY(start());
        click(kKeyPause);
        key("Return");
        QVERIFY(go(qRgb(128, 128, 128)));
        const QSize size = screen()->size();
        // The prompt's left end, clear of the countdown's digits in the middle.
        const QRect field = lanes(size), prompt(size.width() / 2 - 200, 0, 120, size.height() / 10 - 4);
        QVERIFY(QTest::qWaitFor([&] { return shows(field, kBlack); }, 6000));
        const QImage series = shot().copy(field);
        // A box tells what comes; closed, it leaves the same targets and the prompt until space.
        QVERIFY(focused(kBox));
        key("Return");
        QVERIFY(QTest::qWaitFor([&] { return shot().copy(field) == series && shows(prompt, kYellow); }));
        shot().save(QUORRIN_E2E_SHOTS "/key-pause.png");
        QVERIFY(!QTest::qWaitFor([&] { return shot().copy(field) != series; }, 3000));
        key("space");
        QVERIFY(QTest::qWaitFor([&] { return !shows(field, kBlack) && !shows(prompt, kYellow); }));
        // The next tick cleared the stand; a countdown of three ticks brings targets elsewhere.
        QVERIFY(!QTest::qWaitFor([&] { return shows(field, kBlack); }, 2000));
        QVERIFY(QTest::qWaitFor([&] { return shows(field, kBlack) && shot().copy(field) != series; }, 2000));
    }

    void typedShowTimeIsRefusedAndCalibrationReturns()
    {
        QVERIFY(start());
        click(kShowTimes);
        key("ctrl+a 7 Return"); // typed over the list's "5": no choice from the list
        QVERIFY(warns("Укажите продолжительность паказа мишеней в одной сери!"));
        shot().save(QUORRIN_E2E_SHOTS "/typed-show-time.png");
        key("Return");
        QVERIFY(focused(kSettings) && xdo("search --onlyvisible --name " + kStand).isEmpty());
        // Chosen from the list, it opens the stand; "Калибровка" stands below "Вперёд!".
        key("Up Return");
        const quint64 stand = focused(kStand);
        key("Tab space");
        QVERIFY(stand && focused(kBox));
        key("Return");
        // Measured where the window stands: it keeps its size and turns olive under a cross of
        // two white lines of 5000 twips, 2 px thick, about its middle.
        QImage image;
        QVERIFY(QTest::qWaitFor([&] {
            return where(image = shot(stand), qRgb(128, 128, 0)).boundingRect() == image.rect() &&
                   where(image, kWhite).boundingRect().width() > 300;
        }));
        image.save(QUORRIN_E2E_SHOTS "/calibration.png");
        QCOMPARE(image.size(), QSize(687, 437));
        // Its first parts: the vertical line above the horizontal one, then the horizontal one.
        const QRegion cross = where(image, kWhite);
        const QRect box = cross.boundingRect();
        QVERIFY2(cross.begin()[0].width() == 2 && cross.begin()[1].height() == 2 &&
                     qAbs(box.width() - 5000 / kTwipsPerPixel) <= 2 &&
                     qAbs(box.height() - 5000 / kTwipsPerPixel) <= 2 &&
                     (box.center() - image.rect().center()).manhattanLength() <= 2,
                 qPrintable(QDebug::toString(cross)));
        // Esc and "Да" lead back to the settings window.
        key("Escape");
        QVERIFY(focused(kBox));
        key("shift+Tab Return");
        QVERIFY(focused(kSettings) && xdo("search --onlyvisible --name " + kStand).isEmpty());
    }
};

int main(int argc, char** argv)
{
    // Nothing of the developer's desktop leaks in, and the program must not run offscreen.
    QTemporaryDir home;
    qputenv("HOME", home.path().toUtf8());
    qputenv("XDG_RUNTIME_DIR", home.path().toUtf8());
    qputenv("QT_QPA_PLATFORM", "xcb");
    // -displayfd picks a free display and writes its number once the server takes clients.
    Child server("Xvfb", "-displayfd 1 -screen 0 1920x1080x24 -screen 1 3840x2160x24 -dpi 96 -nolisten tcp -noreset");
    server.waitForReadyRead(10000);
    g_display = ':' + server.readAllStandardOutput().trimmed();
    qputenv("DISPLAY", g_display + ".0");
    QApplication application(argc, argv);
    TestEndToEnd test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_e2e.moc"
