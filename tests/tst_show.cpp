#include "ScriptedPlatform.h"
#include "StandProbe.h"
#include "settings/Base.h"
#include "stand/Calibration.h"

#include <QSignalSpy>
#include <QTest>
#include <QtWidgets>

using namespace platform;

struct Stand {
    Stand()
    {
        SetDefaults(base, std::nullopt);
        p.randomNumbers.script({0.1, 0.1, 0.9, 0.9, 0.5, 0.5, 0.9, 0.1, 0.1, 0.9, 0.3, 0.6});
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
    template <typename T = QWidget> T* control(const char* name) { return w.findChild<T*>(QLatin1String(name)); }
    QRgb pixel(int x, int y) { return w.grab().toImage().pixel(x, y); }

    Base base;
    ScriptedPlatform p;
    frmStend w{base, p};
    StandProbe probe{w};
};

// The stand window: its controls and layout, the start of a show, its ways out, calibration.
class TestShow : public QObject {
    Q_OBJECT
private slots:
    void design()
    {
        Stand s;
        QCOMPARE(s.w.windowTitle(), QStringLiteral(" Quorrin"));
        QCOMPARE(s.control<QLabel>("LabMSG")->text(), QStringLiteral("Зафиксируйте результаты и нажмите пробел"));
        QVERIFY(s.control("LabMSG")->isHidden());
        QCOMPARE(s.control("labTimer")->palette().color(QPalette::WindowText), QColor(192, 192, 0));
        QVERIFY(s.control("labTimer")->font().bold());
        QVERIFY(s.control("knGo")->font().bold());
    }

    void layoutFollowsTheSize()
    {
        Stand s;
        s.w.prepareForShowing();
        s.w.show();
        s.w.resize(1920, 1080);
        for (const char* name : {"LabMSG", "labTimer", "knGo", "knKalibrovka", "knStopKalibr"})
            QVERIFY2(qAbs(s.control(name)->geometry().center().x() - 959.5) <= 1, name);
        QCOMPARE(s.control("knGo")->y(), 520);         // (16200 - 615) / 2 twips
        QCOMPARE(s.control("knKalibrovka")->y(), 580); // 300 twips below it
        QCOMPARE(s.control("labTimer")->y(), 1);       // 15 twips
        QCOMPARE(s.control("LabExit1")->geometry().right(), 1919);
        QVERIFY(!s.w.close()); // the window keeps its state from one showing to the next
        // Grey, the 2 px separator about the middle, the green frame's top line at a tenth of the height.
        QCOMPARE(s.pixel(958, 500), qRgb(128, 128, 128));
        QCOMPARE(s.pixel(959, 500), qRgb(128, 255, 255));
        QCOMPARE(s.pixel(960, 500), qRgb(128, 255, 255));
        QCOMPARE(s.pixel(961, 500), qRgb(128, 128, 128));
        QCOMPARE(s.pixel(500, 108), qRgb(0, 255, 0));
    }

    // The scale from the cross's 5000 twips measured as 725 and 765 mm, light ink on grey.
    void startOfAShow()
    {
        Stand s;
        s.w.show();
        s.probe.knGoClick();
        QVERIFY(s.control("knGo")->isHidden());
        QVERIFY(s.control("knKalibrovka")->isHidden());
        QVERIFY(s.probe.tik().isActive());
        QCOMPARE(s.probe.tik().interval(), 1000);
        QCOMPARE(s.p.randomNumbers.seeds, 1);
        QCOMPARE(s.probe.cycle().nextTick(), 3);
        QCOMPARE(s.base.ScaleX, 5000 / 72.5f);
        QCOMPARE(s.base.ScaleY, 5000 / 76.5f);
        QCOMPARE(s.probe.spans().KrugSpan, 759);
        QCOMPARE(s.probe.line(LineId::BorderLeft).colour, 0xF0F0F0u);
        QCOMPARE(s.probe.line(LineId::MenBorder).colour, 0xFFFF80u);
        QCOMPARE(s.control("labTimer")->palette().color(QPalette::WindowText), QColor(255, 255, 0));
    }

    void darkInkOnLightGrey()
    {
        Stand s;
        s.base.StandBackColor = 0xC0C0C0;
        s.start();
        QCOMPARE(s.probe.line(LineId::BorderLeft).colour, 0u);
        QCOMPARE(s.probe.line(LineId::MenBorder2).colour, 0u);
        QCOMPARE(s.control("LabExit0")->palette().color(QPalette::WindowText), QColor(Qt::black));
    }

    // Each tick reaches the window: the caption, the beep, the series drawn and wiped, the key pause.
    void ticksDriveTheWindow()
    {
        Stand s;
        s.base.ShowTime = 1;
        s.base.PauseMode = PauseCode::Keys;
        s.start();
        const QImage blank = s.probe.surface().image();
        s.probe.tick();
        s.probe.tick();
        QCOMPARE(s.control<QLabel>("labTimer")->text(), QStringLiteral("1"));
        QCOMPARE(s.p.beeps.size(), size_t(1));
        QCOMPARE(s.p.beeps[0].frequencyHz, 500);
        QCOMPARE(s.p.beeps[0].durationMs, 300);
        s.probe.tick();
        QVERIFY(s.probe.surface().image() != blank);
        s.probe.tick();
        QCOMPARE(s.probe.surface().image(), blank);
        QCOMPARE(s.p.boxes.size(), 1);
        QCOMPARE(s.p.boxes[0].prompt, keyPauseNotice());
        QCOMPARE(s.p.boxes[0].icon, Icon::Information);
        QVERIFY(s.control("LabMSG")->isVisible());
        QVERIFY(s.control("labTimer")->isHidden());
        s.probe.tick();
        QVERIFY(s.probe.surface().image() != blank); // the same targets again for scoring
        QTest::keyClick(&s.w, Qt::Key_Space);
        QTest::keyClick(&s.w, Qt::Key_A); // any other key: the scoring goes on
        s.probe.tick();
        QVERIFY(s.probe.surface().image() != blank);
        QTest::keyClick(&s.w, Qt::Key_Space);
        s.probe.tick();
        QCOMPARE(s.probe.surface().image(), blank);
        QVERIFY(s.control("LabMSG")->isHidden());
    }

    // One player, one target: only player 1's first centre is drawn, nothing at player 2's unset one.
    void onePlayerDrawsOnlyHisTarget()
    {
        Stand s;
        s.base.PlayerCount = 1;
        s.base.TargetsPerPlayer = 0;
        s.p.randomNumbers.script({0.5});
        s.start();
        for (int t = 0; t < 3; ++t)
            s.probe.tick();
        const QImage image = s.probe.surface().image();
        QCOMPARE(image.pixel(2, 2), qRgb(128, 128, 128));
        QCOMPARE(image.pixel(960, 540), qRgb(255, 255, 255)); // the white middle of the face in the middle
    }

    // The start button has the focus, and Enter presses it.
    void enterStartsTheShow()
    {
        Stand s;
        s.w.show();
        s.w.prepareForShowing();
        QTest::keyClick(s.control("knGo"), Qt::Key_Return);
        QVERIFY(s.probe.tik().isActive());
    }

    // Esc stops the timer while it asks; No lets the show go on.
    void escapeAsksWithTheShowHeld()
    {
        Stand s;
        s.start();
        bool tickingWhileAsked = true;
        s.p.whileBoxOpen = [&](const ShownBox&) {
            tickingWhileAsked = s.probe.tik().isActive();
        };
        QTest::keyClick(&s.w, Qt::Key_Escape);
        QVERIFY(!tickingWhileAsked);
        QCOMPARE(s.p.boxes[0].prompt, QStringLiteral("Прекратить отображение мишеней?"));
        QCOMPARE(s.p.boxes[0].defaultButton, Answer::No);
        QVERIFY(s.probe.tik().isActive());
        QVERIFY(s.w.isVisible());
    }

    // Before the show, and in calibration, No leaves the timer off.
    void escapeBeforeTheShowLeavesTheTimerOff()
    {
        Stand s;
        s.w.show();
        QTest::keyClick(&s.w, Qt::Key_Escape);
        QVERIFY(!s.probe.tik().isActive());
    }

    // A close mark asks while the show runs on; Yes hides the window and stops the timer.
    void closeMarkAsksWithTheShowRunning()
    {
        Stand s;
        s.start();
        bool tickingWhileAsked = false;
        s.p.whileBoxOpen = [&](const ShownBox&) {
            tickingWhileAsked = s.probe.tik().isActive();
        };
        s.p.answers = {Answer::Yes};
        QSignalSpy hidden(&s.w, &frmStend::hidden);
        QTest::mouseClick(s.control("LabExit1"), Qt::LeftButton);
        QVERIFY(tickingWhileAsked);
        QVERIFY(!s.w.isVisible());
        QVERIFY(!s.probe.tik().isActive());
        QCOMPARE(hidden.size(), 1);
    }

    void topStripDragsTheWindow()
    {
        Stand s;
        s.w.show();
        s.w.prepareForShowing();
        QTest::mouseClick(&s.w, Qt::LeftButton, {}, QPoint(300, 40)); // above the lanes, which start at 43
        QCOMPARE(s.p.dragged, std::vector<QWidget*>{&s.w});
        QTest::mouseClick(&s.w, Qt::LeftButton, {}, QPoint(300, 50));
        QCOMPARE(s.p.dragged.size(), size_t(1));
    }

    void calibrationOutOfRangeEndsTheStart()
    {
        Stand s;
        s.base.KalibrDx = 5;
        s.start();
        QVERIFY(!s.w.isVisible());
        QVERIFY(!s.probe.tik().isActive());
        QCOMPARE(s.p.boxes.size(), 1);
        QCOMPARE(s.p.boxes[0].prompt, calibrationFaultMessage(CalibrationFault::Width));
        QCOMPARE(s.p.boxes[0].icon, Icon::Error);
    }

    // Euro faces larger than their lane: an error while the show is held, then the window hides.
    void placementFailureStopsTheShow()
    {
        Stand s;
        s.base.TargetZoom = 150;
        s.base.TargetType = TargetCode::Euro;
        s.start({687, 437});
        bool busyWhileTold = false;
        s.p.whileBoxOpen = [&](const ShownBox&) {
            busyWhileTold = s.probe.cycle().placeBusy();
        };
        for (int t = 0; t < 3; ++t)
            s.probe.tick();
        QVERIFY(busyWhileTold);
        QVERIFY(!s.w.isVisible());
        QVERIFY(!s.probe.tik().isActive());
        QCOMPARE(s.p.boxes[0].prompt, placementFailureMessage());
        QCOMPARE(s.p.boxes[0].icon, Icon::Error);
    }

    void calibration()
    {
        Stand s;
        s.w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&s.w));
        s.probe.knKalibrovkaClick();
        QVERIFY(s.control("knGo")->isHidden());
        QVERIFY(s.control("knKalibrovka")->isHidden());
        QVERIFY(!s.probe.line(LineId::MenBorder).visible);
        QVERIFY(s.probe.line(LineId::kalibr_H).visible);
        QVERIFY(s.probe.line(LineId::Kalibr_W).visible);
        // Both 5000 twips long, the vertical one 500 twips right of the middle; halves of odd sizes kept.
        QCOMPARE(s.probe.line(LineId::kalibr_H).ends, (LineEnds{5652.5, 777.5, 5652.5, 5777.5}));
        QCOMPARE(s.probe.line(LineId::Kalibr_W).ends, (LineEnds{2652.5, 3277.5, 7652.5, 3277.5}));
        QTRY_COMPARE(s.w.screen()->grabWindow(s.w.winId()).toImage().pixel(5, s.w.height() - 5),
                     0xFF808000); // repainted
        QCOMPARE(s.p.boxes.size(), 1);
        QCOMPARE(s.p.boxes[0].prompt, calibrationInstructions());
        QCOMPARE(s.p.boxes[0].icon, Icon::Information);
        QVERIFY(!s.probe.tik().isActive());
    }

    // The whole screen for the show, whatever the desktop keeps free; the design size before it.
    void showCoversTheScreen()
    {
        Stand s;
        s.w.show();
        s.probe.knGoClick();
        QVERIFY(s.w.windowState() & Qt::WindowFullScreen);
        QTRY_COMPARE(s.w.geometry(), s.w.screen()->geometry());
        QCOMPARE(s.probe.lanes().ZonaW, s.w.screen()->geometry().width() * 15 / 2);
    }

    // Real movements of the mouse; the spell without movement is ended by hand.
    void pointerKeepsOffTheBoard()
    {
        Stand s;
        IdlePointer& pointer = s.probe.idlePointer();
        s.w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&s.w));
        pointer.idleElapsed();
        QCOMPARE(s.w.cursor().shape(), Qt::ArrowCursor); // no show yet
        s.probe.knGoClick();
        QCOMPARE(pointer.idleTimer().interval(), 3000);
        QVERIFY(pointer.idleTimer().isActive());
        pointer.idleElapsed();
        QCOMPARE(s.control("LabExit0")->cursor().shape(), Qt::BlankCursor);
        QTest::mouseMove(s.control("LabExit0"), QPoint(3, 4)); // on the way to a close mark
        QTRY_COMPARE(s.w.cursor().shape(), Qt::ArrowCursor);
        QVERIFY(pointer.idleTimer().isActive());
        pointer.idleElapsed();
        QTest::mouseMove(&s.w, QPoint(321, 287));
        QTRY_COMPARE(s.w.cursor().shape(), Qt::ArrowCursor);
        QCOMPARE(s.probe.tik().interval(), 1000); // the show's own timer is another
        QVERIFY(s.probe.tik().isActive());
        pointer.idleElapsed();
        s.p.answers = {Answer::Yes};
        QTest::keyClick(&s.w, Qt::Key_Escape);
        QVERIFY(!s.w.isVisible());
        QCOMPARE(s.w.cursor().shape(), Qt::ArrowCursor); // back for the settings window
        QVERIFY(!pointer.idleTimer().isActive());
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
        QCOMPARE(s.probe.twipsGeometry(s.control("LabExit1")).left, pixels.width() * 10 - 255.0);
        QCOMPARE(s.control("knGo")->width(), 170); // 1695 twips
    }
};

QTEST_MAIN(TestShow)
#include "tst_show.moc"
