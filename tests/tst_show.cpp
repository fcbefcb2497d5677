#include "ScriptedPlatform.h"
#include "StandProbe.h"
#include "settings/Base.h"
#include "stand/Calibration.h"
#include "stand/drawing/Colour.h"

#include <QTest>
#include <QtWidgets>

using namespace platform;

struct Stand {
    Stand()
    {
        SetDefaults(base, std::nullopt);
        p.randomNumbers.spread();
    }
    // Starts a show, then gives the window a size of its own.
    void start(QSize size = {1920, 1080})
    {
        w.prepareForShowing();
        w.show();
        probe.knGoClick();
        w.setWindowState(Qt::WindowNoState);
        w.resize(size);
    }
    void tick(int times)
    {
        for (int t = 0; t < times; ++t)
            probe.tick();
    }
    template <typename T = QWidget> T* control(const char* name) { return w.findChild<T*>(QLatin1String(name)); }
    QRgb pixel(int x, int y) { return w.grab().toImage().pixel(x, y); }
    // What the window last painted over the middle of its lanes, as the operator sees it.
    QImage shownLanes()
    {
        QCoreApplication::processEvents();
        return w.screen()->grabWindow(w.winId(), 0, w.height() / 4, w.width(), w.height() / 2).toImage();
    }

    Base base;
    ScriptedPlatform p;
    frmStend w{base, p};
    StandProbe probe{w};
};

// The stand window: its controls and layout, the start of a show, its ways out, calibration.
class TestShow : public QObject {
    Q_OBJECT
private slots:
    // Before the show only the buttons, centred; the show brings the field's lines, laid out for the size.
    void layoutFollowsTheSize()
    {
        Stand s;
        s.base.PlayerInterval = 10; // 2880 twips, 192 px about the middle
        s.w.prepareForShowing();
        s.w.show();
        s.w.resize(1920, 1080);
        QCOMPARE(s.w.windowTitle(), QStringLiteral(" Quorrin"));
        QCOMPARE(s.control("knGo")->x(), 904);         // (28800 - 1695) / 2 twips
        QCOMPARE(s.control("knGo")->y(), 520);         // (16200 - 615) / 2 twips
        QCOMPARE(s.control("labTimer")->x(), 900);     // (28800 - 1815) / 2 twips
        QCOMPARE(s.control("LabMSG")->x(), 717);       // (28800 - 7300) / 2 twips
        QCOMPARE(s.control("knKalibrovka")->y(), 580); // 300 twips below "Вперёд!"
        QCOMPARE(s.control("knGo")->font().pointSizeF(), 12);
        QCOMPARE(s.control("LabExit1")->x(), 1903); // at the right edge: (28800 - 255) twips
        QCOMPARE(s.pixel(864, 500), qRgb(128, 128, 128));
        s.start();
        // The separators 2 px wide at 864 and 1056 px, the frame's top line at a tenth of the height.
        QCOMPARE(s.pixel(862, 500), qRgb(128, 128, 128));
        QCOMPARE(s.pixel(863, 500), qRgb(128, 255, 255));
        QCOMPARE(s.pixel(864, 500), qRgb(128, 255, 255));
        QCOMPARE(s.pixel(960, 500), qRgb(128, 128, 128));
        QCOMPARE(s.pixel(1055, 500), qRgb(128, 255, 255));
        QCOMPARE(s.pixel(1056, 500), qRgb(128, 255, 255));
        QCOMPARE(s.pixel(1057, 500), qRgb(128, 128, 128));
        QCOMPARE(s.pixel(500, 108), qRgb(240, 240, 240));
    }

    void coloursFollowTheBackground_data()
    {
        QTest::addColumn<uint32_t>("background");
        QTest::addColumn<QColor>("separators");
        QTest::addColumn<QColor>("borders");
        QTest::addColumn<QColor>("texts");
        const QColor black(Qt::black);
        QTest::newRow("light grey: black") << 0xE0E0E0u << black << black << black;
        QTest::newRow("grey 192: black") << 0xC0C0C0u << black << black << black;
        QTest::newRow("near black: light cyan, near white, yellow")
            << 0x101010u << QColor(128, 255, 255) << QColor(240, 240, 240) << QColor(Qt::yellow);
    }
    // After a show on a background of the other ink, a new showing draws no line before its start, and the
    // close marks and counter take the new ink at once; the start brings the lines in theirs.
    void coloursFollowTheBackground()
    {
        QFETCH(uint32_t, background);
        Stand s;
        s.base.StandBackColor = {background == 0x101010 ? 0xE0E0E0u : 0x101010u};
        s.start();
        s.tick(3); // a series on the stand
        s.p.answers = {Answer::Yes};
        QTest::keyClick(&s.w, Qt::Key_Escape);
        s.base.StandBackColor = {background};
        s.w.prepareForShowing();
        s.w.show();
        QImage plain(s.probe.surface().size(), QImage::Format_RGB32);
        plain.fill(qColour({background}));
        QCOMPARE(s.probe.surface().image(), plain);
        for (const char* label : {"LabExit0", "LabExit1", "labTimer", "LabMSG"})
            QTEST(s.control(label)->palette().color(QPalette::WindowText), "texts");
        QVERIFY(s.control("knGo")->isVisible());
        QVERIFY(s.control("knKalibrovka")->isVisible());
        for (int line = 0; line < kLineCount; ++line)
            QVERIFY(!s.probe.line(LineId(line)).visible);
        s.probe.knGoClick();
        QTEST(qColour(s.probe.line(LineId::MenBorder).colour), "separators");
        QTEST(qColour(s.probe.line(LineId::MenBorder2).colour), "separators");
        for (LineId border : {LineId::BorderTop, LineId::BorderBottom, LineId::BorderLeft, LineId::BorderRight})
            QTEST(qColour(s.probe.line(border).colour), "borders");
    }

    // The strip above the lanes drags the window from where it was pressed, as a title bar would; a window
    // that fills the screen has nowhere to go.
    void topStripDragsTheWindow()
    {
        Stand s;
        s.w.show();
        s.base.TopMargin = 20;
        s.w.prepareForShowing(); // 437 px high: the strip ends at 20 % of 6555 twips, 1311 twips, 87.4 px
        QTest::mouseClick(&s.w, Qt::LeftButton, {}, QPoint(300, 87));
        QTest::mouseClick(&s.w, Qt::LeftButton, {}, QPoint(300, 88));
        s.probe.knGoClick();
        QTest::mouseClick(&s.w, Qt::LeftButton, {}, QPoint(300, 20));
        QCOMPARE(s.p.drags, QList{QPoint(300, 87)});
    }

    // A show as the operator has it: Enter on the focused start button fills the screen and starts the timer;
    // each tick reaches the window (the counter, the beep, the series drawn, wiped and shown again for scoring
    // under the key pause's prompt); a close mark answered Yes ends it.
    void aShowOnTheWindow()
    {
        Stand s;
        s.base.ShowTime = 1;
        s.base.PauseMode = PauseCode::Keys;
        s.w.show();
        s.w.prepareForShowing();
        QTest::keyClick(s.control("knGo"), Qt::Key_Return);
        QVERIFY(s.control("knGo")->isHidden());
        QVERIFY(s.control("knKalibrovka")->isHidden());
        QCOMPARE(s.probe.tik().interval(), 1000);
        QVERIFY(s.probe.tik().isActive());
        QCOMPARE(s.p.randomNumbers.seeds, 1);
        QCOMPARE(s.p.beepPreparations, 1);
        QTRY_COMPARE(s.probe.surface().size(), s.w.screen()->size());
        QCOMPARE(s.probe.lanes().ZonaW, s.w.screen()->geometry().width() * 15 / 2);
        const QImage blank = s.shownLanes();
        s.tick(2);
        QCOMPARE(s.control<QLabel>("labTimer")->text(), QStringLiteral("1"));
        QCOMPARE(s.p.beeps, (QList<std::pair<int, int>>{{500, 300}}));
        s.tick(1);
        QVERIFY(s.shownLanes() != blank);
        s.tick(1);
        QCOMPARE(s.shownLanes(), blank);
        QCOMPARE(s.p.boxes.value(0).prompt, keyPauseNotice());
        QVERIFY(s.control("LabMSG")->isVisible());
        QVERIFY(s.control("labTimer")->isHidden());
        s.tick(1);
        QVERIFY(s.shownLanes() != blank);
        s.p.answers = {Answer::Yes};
        QTest::mouseClick(s.control("LabExit1"), Qt::LeftButton);
        QVERIFY(!s.probe.tik().isActive());
        QVERIFY(!s.w.isVisible());
    }

    // One player, one target: only player 1's first centre is drawn, nothing at player 2's unset one.
    void onePlayerDrawsOnlyHisTarget()
    {
        Stand s;
        s.base.PlayerCount = 1;
        s.base.TargetsPerPlayer = 0;
        s.p.randomNumbers.script({0.5});
        s.start();
        s.tick(3);
        const QImage image = s.probe.surface().image();
        QCOMPARE(image.pixel(2, 2), qRgb(128, 128, 128));
        QCOMPARE(image.pixel(960, 540), qRgb(255, 255, 255)); // the white middle of the face in the middle
    }

    // The cross on olive with the instructions; a length measured on it that is out of range refuses the show.
    void calibration()
    {
        Stand s;
        s.w.prepareForShowing(); // which hides the cross
        s.w.show();
        s.probe.knKalibrovkaClick();
        QVERIFY(s.control("knKalibrovka")->isHidden());
        QVERIFY(!s.probe.line(LineId::MenBorder).visible);
        QVERIFY(s.probe.line(LineId::kalibr_H).visible);
        QVERIFY(s.probe.line(LineId::Kalibr_W).visible);
        // Both 5000 twips long, the vertical one 500 twips right of the middle; halves of odd sizes kept.
        QCOMPARE(s.probe.line(LineId::kalibr_H).ends, (LineEnds{5652.5, 777.5, 5652.5, 5777.5}));
        QCOMPARE(s.probe.line(LineId::Kalibr_W).ends, (LineEnds{2652.5, 3277.5, 7652.5, 3277.5}));
        QCOMPARE(s.p.boxes.value(0).prompt, calibrationInstructions());
        QCOMPARE(s.p.boxes.value(0).icon, Icon::Information);
        QCOMPARE(s.pixel(5, s.w.height() - 5), qRgb(128, 128, 0)); // olive
        QVERIFY(!s.probe.tik().isActive());
        s.base.KalibrDx = 9;
        s.probe.knGoClick();
        QCOMPARE(s.p.boxes.value(1).icon, Icon::Error);
        QVERIFY(!s.w.isVisible());
    }

    // The second screen has 144 dots per inch, unscaled: 10 twips to the pixel instead of 15.
    void twipsFollowTheScreen()
    {
        const QList<QScreen*> screens = QGuiApplication::screens();
        if (screens.size() < 2)
            QSKIP("a second screen is needed: the offscreen one of two-screens.json");
        Stand s;
        s.w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&s.w));
        const QSize pixels = s.w.size();
        s.w.windowHandle()->setScreen(screens[1]);
        QCOMPARE(s.probe.surface().twipsPerPixel(), 10.0);
        QCOMPARE(s.probe.lanes().ZonaW, pixels.width() * 10 / 2);
        QCOMPARE(s.control("knGo")->width(), 170); // 1695 twips
    }

    // Real movements of the mouse, in two showings; the spell without movement is ended by hand.
    void pointerKeepsOffTheBoard()
    {
        Stand s;
        IdlePointer& pointer = s.probe.idlePointer();
        for (int showing = 0; showing < 2; ++showing) {
            s.w.prepareForShowing();
            s.w.show();
            QVERIFY(QTest::qWaitForWindowExposed(&s.w));
            s.probe.knGoClick();
            QVERIFY(pointer.idleTimer().isActive());
            pointer.idleTimer().stop(); // the spell ends, as the timer would end it
            pointer.idleElapsed();
            QCOMPARE(s.control("LabExit0")->cursor().shape(), Qt::BlankCursor);
            QTest::mouseMove(s.control("LabExit0"), QPoint(3, 4 + showing)); // on the way to a close mark
            QTRY_COMPARE(s.w.cursor().shape(), Qt::ArrowCursor);
            QVERIFY(!pointer.hidden());
            QVERIFY(pointer.idleTimer().isActive());
            s.p.answers = {Answer::Yes};
            QTest::keyClick(&s.w, Qt::Key_Escape);
            QCOMPARE(s.w.cursor().shape(), Qt::ArrowCursor); // back for the settings window
            QVERIFY(!pointer.idleTimer().isActive());
        }
    }
};

QTEST_MAIN(TestShow)
#include "tst_show.moc"
