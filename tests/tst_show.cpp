#include "platform/QtPlatform.h"
#include "platform/ScriptedPlatform.h"
#include "stand/Calibration.h"
#include "stand/frmStend.h"

#include <QTest>
#include <QtWidgets>

using namespace platform;

struct Stand {
    Stand() { SetDefaults(base, std::nullopt); }
    // Starts a show, then gives the window a size of its own; well spread random numbers.
    void start(QSize size = {1920, 1080})
    {
        p.randomNumbers.script({0.1, 0.1, 0.9, 0.9, 0.5, 0.5, 0.9, 0.1, 0.1, 0.9, 0.3, 0.6});
        w.show();
        w.knGoClick();
        w.setWindowState(Qt::WindowNoState);
        w.resize(size);
    }
    // '.' ticks, other characters are typed. Logs '|' and the caption per tick, then b (a beep),
    // N (a new series), * (a series on the stand), P (the prompt for Space instead of the caption).
    QString play(const char* script)
    {
        QString log;
        for (const QImage blank = w.surface().image(); *script; ++script) {
            const size_t beeps = p.beeps.size();
            const long long draws = p.randomNumbers.draws;
            *script == '.' ? w.tikTimer() : QTest::keyClick(&w, *script);
            if (*script == '.')
                log += u'|' + w.labTimer()->text() + (p.beeps.size() > beeps ? "b" : "") +
                       (p.randomNumbers.draws > draws ? "N" : "") + (w.surface().image() == blank ? "" : "*") +
                       (w.LabMSG()->isVisible() && !w.labTimer()->isVisible() ? "P" : "");
        }
        return log;
    }
    Base base;
    ScriptedPlatform p;
    frmStend w{base, p};
};

class TestShow : public QObject {
    Q_OBJECT
private slots:
    void cycle_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<int>("pause"); // 0: until Space
        QTest::addColumn<QString>("log");
        QTest::newRow("series of 2 s, pauses of 3 s") << "........." << 3 << "|2|1b|0N*|1*|0|2|1b|0N*|1*";
        QTest::newRow("a pause of 1 s has no beep") << "........" << 1 << "|2|1b|0N*|1*|0|0N*|1*|0";
        QTest::newRow("Space: the series again, then on") << "....... ...." << 0 << "|2|1b|0N*|1*|0P|*P|*P||2|1b|0N*";
        QTest::newRow("other keys wait for Space") << ".....a. .a. ." << 0 << "|2|1b|0N*|1*|0P|P|*P|*P|";
    }
    void cycle()
    {
        Stand s;
        QFETCH(QString, script);
        QFETCH(int, pause);
        std::tie(s.base.PauseMode, s.base.PauseTime, s.base.ShowTime, s.base.TargetsPerPlayer) =
            std::tuple(pause ? PauseCode::Fixed : PauseCode::Keys, int16_t(pause), int16_t(2), 0);
        s.start();
        QTEST(s.play(qPrintable(script)), "log");
        QVERIFY(s.p.beeps[0].frequencyHz == 500 && s.p.beeps[0].durationMs == 300);
        QVERIFY(s.p.boxes.size() == (pause ? 0 : 1) && (pause || s.p.boxes[0].prompt == keyPauseNotice()));
    }

    void window()
    {
        Stand s;
        frmStend& w = s.w;
        QVERIFY(w.windowTitle() == " Quorrin" && w.testAttribute(Qt::WA_OpaquePaintEvent) && w.LabMSG()->isHidden());
        QVERIFY(!w.knGo()->isHidden() && w.findChild<QLabel*>("LabExit1") == w.LabExit(1));
        QVERIFY(w.focusPolicy() == Qt::StrongFocus && w.tik().timerType() == Qt::PreciseTimer);
        QVERIFY(!w.line(LineId::MenBorder).visible && w.surface().size() == w.size() && w.knGo()->font().bold());
        QVERIFY(w.labTimer()->font().bold() && w.labTimer()->alignment() == (Qt::AlignHCenter | Qt::AlignTop));
        QVERIFY(w.knGo()->autoDefault() && w.knGo()->font().pointSizeF() == 12);
        QCOMPARE(w.LabMSG()->text(), QStringLiteral("Зафиксируйте результаты и нажмите пробел"));
        QCOMPARE(w.labTimer()->palette().color(QPalette::WindowText), QColor(192, 192, 0));

        w.setBackColor(0x808080);
        w.surface().filledBox(150, 150, 300, 300, 0x0000FF);
        w.line(LineId::BorderTop).visible = false;
        w.show();
        w.resize(1920, 1080);
        for (QWidget* c :
             std::initializer_list<QWidget*>{w.LabMSG(), w.labTimer(), w.knGo(), w.knKalibrovka(), w.knStopKalibr()})
            QVERIFY(qAbs(c->geometry().center().x() - 960) <= 1 && c->width() > 100);
        QVERIFY(w.twipsGeometry(w.labTimer()).top == 15 && w.twipsGeometry(w.LabMSG()).top == 15 && !w.close());
        QVERIFY(w.LabExit(1)->geometry().right() == 1919 && w.surface().size() == QSize(1920, 1080));
        QVERIFY(w.line(LineId::MenBorder).ends == w.lanes().MenBorder && w.line(LineId::MenBorder).visible);
        QVERIFY(w.line(LineId::MenBorder2).ends == w.lanes().MenBorder2 && w.line(LineId::MenBorder2).visible);
        const QImage i = w.grab().toImage();
        QVERIFY(i.pixel(12, 12) == 0xFFFF0000 && i.pixel(432, 200) == 0xFFFFFFFF && i.pixel(500, 108) == 0xFF00FF00);
        QVERIFY(i.pixel(958, 500) == 0xFF808080 && i.pixel(959, 500) == 0xFF80FFFF && i.pixel(960, 500) == 0xFF80FFFF);
        QCOMPARE(i.pixel(961, 500), 0xFF808080);

        // The show: the scale from the cross's 5000 twips measured as 725 and 765 mm, light ink on grey.
        w.cycle().TikCount = 50;
        w.cycle().PlaceBusy = true;
        w.knGo()->click();
        QVERIFY(w.knGo()->isHidden() && w.knKalibrovka()->isHidden() && w.windowState() & Qt::WindowFullScreen);
        QVERIFY(w.tik().isActive() && w.tik().interval() == 1000 && !w.cycle().PlaceBusy);
        QVERIFY(s.base.NextTick == 3 && w.cycle().SecLeft == 3 && s.p.randomNumbers.seeds == 1);
        QVERIFY(qFuzzyCompare(s.base.ScaleX, 5000 / 72.5f) && qFuzzyCompare(s.base.ScaleY, 5000 / 76.5f));
        QVERIFY(w.sizes().EuroRadius == 1724 && w.spans().KrugSpan > 0 &&
                w.surface().image().pixel(12, 12) == 0xFF808080);
        QVERIFY(w.line(LineId::BorderLeft).colour == 0xF0F0F0u && w.line(LineId::MenBorder).colour == 0xFFFF80u);
        QCOMPARE(w.labTimer()->palette().color(QPalette::WindowText), QColor(255, 255, 0));

        // Esc pauses the show while it asks and No resumes it; a close mark asks as it runs, and Yes hides.
        bool running = true, busy = false;
        s.p.whileBoxOpen = [&](const ShownBox&) {
            running = w.tik().isActive(), busy = w.cycle().PlaceBusy;
        };
        QTest::keyClick(&w, Qt::Key_Escape);
        QVERIFY(!running && w.tik().isActive() && w.cycle().LastKey == 27 && w.isVisible());
        s.p.answers = {Answer::Yes};
        QTest::mouseClick(w.LabExit(1), Qt::LeftButton);
        QVERIFY(running && !w.isVisible() && !w.tik().isActive() && s.p.answers.empty() && s.p.boxes.size() == 2);

        // A calibration out of range: its message, and no show.
        s.base.KalibrDx = 5;
        s.start();
        QVERIFY(!w.isVisible() && !w.tik().isActive() && s.p.boxes.size() == 3 && s.p.boxes[2].icon == Icon::Error);
        QCOMPARE(s.p.boxes[2].prompt, calibrationFaultMessage(CalibrationFault::Width));
        s.base.KalibrDx = 725;

        // Euro faces larger than their lane: an error while the show is held, then the window hides.
        s.base.TargetZoom = 150, s.base.TargetType = TargetCode::Euro;
        s.start({687, 437});
        s.play("...");
        QVERIFY(busy && !w.isVisible() && !w.tik().isActive() && s.p.boxes.size() == 4);
        QVERIFY(s.p.boxes[3].prompt == placementFailureMessage() && s.p.boxes[3].icon == Icon::Error);
    }

    void calibration()
    {
        Stand s;
        frmStend& w = s.w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.line(LineId::MenBorder).visible = true;
        w.line(LineId::kalibr_H).visible = w.line(LineId::Kalibr_W).visible = false;
        w.knKalibrovka()->click();
        QVERIFY(w.knGo()->isHidden() && w.knKalibrovka()->isHidden() && !w.line(LineId::MenBorder).visible);
        QTRY_COMPARE(w.screen()->grabWindow(w.winId()).toImage().pixel(5, w.height() - 5), 0xFF808000); // repainted
        // Both 5000 twips long, the vertical one 500 twips right of the middle; halves of odd sizes kept.
        QCOMPARE(w.line(LineId::kalibr_H).ends, (LineEnds{5652.5, 777.5, 5652.5, 5777.5}));
        QCOMPARE(w.line(LineId::Kalibr_W).ends, (LineEnds{2652.5, 3277.5, 7652.5, 3277.5}));
        QVERIFY(w.surface().backColor() == 0x008080u && w.line(LineId::kalibr_H).visible &&
                w.line(LineId::Kalibr_W).visible);
        QVERIFY(s.p.boxes.size() == 1 && s.p.boxes[0].prompt == calibrationInstructions() &&
                s.p.boxes[0].icon == Icon::Information);
    }

    // The whole screen for the show, whatever the desktop keeps free; the design size before it.
    void showCoversTheScreen()
    {
        Stand s;
        s.w.show();
        QCOMPARE(s.w.size(), QSize(687, 437));
        s.w.knGoClick();
        QVERIFY(s.w.windowState() & Qt::WindowFullScreen);
        QTRY_COMPARE(s.w.geometry(), s.w.screen()->geometry());
        QCOMPARE(s.w.lanes().ZonaW, s.w.screen()->geometry().width() * 15 / 2);
    }

    // Real movements of the mouse; the spell without movement is ended by hand.
    void pointerKeepsOffTheBoard()
    {
        Stand s;
        frmStend& w = s.w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.idlePointer().idleElapsed();
        QCOMPARE(w.cursor().shape(), Qt::ArrowCursor); // no show yet
        w.knGoClick();
        QVERIFY(w.idlePointer().idleTimer().isActive());
        QCOMPARE(w.idlePointer().idleTimer().interval(), 3000);
        QVERIFY(w.idlePointer().idleTimer().isSingleShot());
        w.idlePointer().idleElapsed();
        QCOMPARE(w.cursor().shape(), Qt::BlankCursor);
        QCOMPARE(w.LabExit(0)->cursor().shape(), Qt::BlankCursor);
        QTest::mouseMove(w.LabExit(0), QPoint(2, 2)); // on the way to a close mark
        QCOMPARE(w.cursor().shape(), Qt::ArrowCursor);
        QVERIFY(w.idlePointer().idleTimer().isActive());
        w.idlePointer().idleElapsed();
        QTest::mouseMove(&w, QPoint(300, 300));
        QCOMPARE(w.cursor().shape(), Qt::ArrowCursor);
        QCOMPARE(w.tik().interval(), 1000); // the show's own timer is another
        QVERIFY(w.tik().isActive());
        w.idlePointer().idleElapsed();
        s.p.answers = {Answer::Yes};
        QTest::keyClick(&w, Qt::Key_Escape);
        QVERIFY(!w.isVisible());
        QCOMPARE(w.cursor().shape(), Qt::ArrowCursor); // back for the settings window
        QVERIFY(!w.idlePointer().idleTimer().isActive());
    }

    // The system's box: title, text, icon, buttons with the default marked, the Esc button, and the answer.
    void realMessageBoxes()
    {
        QtPlatform real;
        for (auto [buttons, byDefault, key, seen] : {std::tuple{Buttons::Ok, Answer::Ok, Qt::Key_Return, "3 OK* OK 0"},
                                                     {Buttons::YesNo, Answer::Yes, Qt::Key_Escape, "3 Да* Нет Нет 2"},
                                                     {Buttons::YesNo, Answer::No, Qt::Key_Enter, "3 Да Нет* Нет 2"}}) {
            QString shown;
            QTimer::singleShot(0, this, [&, key = key] { // clang 14 captures no structured bindings
                auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                shown = box->windowTitle() + u'/' + box->text() + u'/' + QString::number(box->icon());
                for (QAbstractButton* button : box->buttons())
                    shown += u' ' + button->text() + (button == box->defaultButton() ? "*" : "");
                shown += u' ' + box->escapeButton()->text();
                QTest::keyClick(box, key);
            });
            shown += u' ' + QString::number(int(real.messageBox(nullptr, "?", buttons, Icon::Error, byDefault)));
            QCOMPARE(shown, platform::messageBoxTitle() + "/?/" + seen);
        }
    }
};

QTEST_MAIN(TestShow)
#include "tst_show.moc"
