#include "platform/ScriptedPlatform.h"
#include "settings/Base.h"
#include "settings/frmCfg.h"
#include "stand/Calibration.h"
#include "stand/frmStend.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

using platform::Answer;

class TestCalibration : public QObject {
    Q_OBJECT
private slots:
    void init();
    void crossEndPoints_data();
    void crossEndPoints();
    void calibrationModeOnTheStand();
    void measuredLengthsScaleTheNextShow_data();
    void measuredLengthsScaleTheNextShow();

private:
    // Presses OK in the settings window and runs whileShown on the stand window once it is up.
    void withStand(frmCfg& cfg, std::function<void(frmStend&)> whileShown)
    {
        QTimer::singleShot(0, &cfg, [&cfg, whileShown] {
            if (cfg.stand() && cfg.stand()->isVisible())
                whileShown(*cfg.stand());
        });
        cfg.knStartClick();
    }
    void leave(frmStend& stand)
    {
        if (!stand.isVisible())
            return;
        m_platform.answers = {Answer::Yes};
        stand.keyTyped(27);
    }

    Base m_base;
    platform::ScriptedPlatform m_platform;
};

void TestCalibration::init()
{
    m_base = Base{};
    SetDefaults(m_base, std::nullopt);
    m_platform.boxes.clear();
    m_platform.answers.clear();
}

void TestCalibration::crossEndPoints_data()
{
    QTest::addColumn<double>("W");
    QTest::addColumn<double>("H");
    QTest::addColumn<LineEnds>("vertical");
    QTest::addColumn<LineEnds>("horizontal");
    QTest::newRow("design size: odd sizes keep their halves")
        << 10305.0 << 6555.0 << LineEnds{5652.5, 777.5, 5652.5, 5777.5} << LineEnds{2652.5, 3277.5, 7652.5, 3277.5};
    QTest::newRow("1920 x 1080 pixels") << 28800.0 << 16200.0 << LineEnds{14900, 5600, 14900, 10600}
                                        << LineEnds{11900, 8100, 16900, 8100};
    QTest::newRow("3840 x 2160 pixels") << 57600.0 << 32400.0 << LineEnds{29300, 13700, 29300, 18700}
                                        << LineEnds{26300, 16200, 31300, 16200};
}

void TestCalibration::crossEndPoints()
{
    QFETCH(double, W);
    QFETCH(double, H);
    const CalibrationCross cross = calibrationCross(W, H);
    QTEST(cross.kalibr_H, "vertical");
    QTEST(cross.Kalibr_W, "horizontal");
    // Both as long as at their design places, so the scale does not depend on calibration.
    QCOMPARE(cross.kalibr_H.y2 - cross.kalibr_H.y1, 5000.0);
    QCOMPARE(cross.Kalibr_W.x2 - cross.Kalibr_W.x1, 5000.0);
}

void TestCalibration::calibrationModeOnTheStand()
{
    frmStend stand(m_base, m_platform);
    stand.show();
    QVERIFY(stand.PrepForm());
    const float scaleX = m_base.ScaleX, scaleY = m_base.ScaleY;
    stand.line(LineId::MenBorder).visible = true;
    stand.line(LineId::MenBorder2).visible = true;
    const LineEnds separator2 = stand.line(LineId::MenBorder2).ends;
    const QSize size = stand.size();
    stand.knStopKalibr()->hide();

    QTest::mouseClick(stand.knKalibrovka(), Qt::LeftButton);
    QVERIFY(stand.knGo()->isHidden());
    QVERIFY(stand.knKalibrovka()->isHidden());
    QVERIFY(stand.knStopKalibr()->isHidden()); // takes no part in calibration
    QVERIFY(!stand.line(LineId::MenBorder).visible);
    QVERIFY(stand.line(LineId::MenBorder2).visible);
    QCOMPARE(stand.line(LineId::MenBorder2).ends, separator2);
    QVERIFY(stand.line(LineId::kalibr_H).visible);
    QVERIFY(stand.line(LineId::Kalibr_W).visible);
    QCOMPARE(stand.line(LineId::kalibr_H).colour, 0xFFFFFFu);
    QCOMPARE(stand.surface().backColor(), 0x008080u);
    QCOMPARE(stand.surface().image().pixelColor(5, 200), QColor(128, 128, 0));
    QCOMPARE(stand.size(), size);
    QVERIFY(!stand.tik().isActive());
    QCOMPARE(m_platform.boxes.size(), 1);
    const platform::ShownBox box = m_platform.boxes.first();
    QCOMPARE(box.icon, platform::Icon::Information);
    QCOMPARE(box.buttons, platform::Buttons::Ok);
    QCOMPARE(box.prompt,
             QStringLiteral("Измерьте рулеткой длину образующих крест горизонтальной белой линии и вертикальной белой "
                            "линии в центре экрана.\r\n\r\nПолученные значения в миллиметрах введте в поля "
                            "Калибровка dX  и  dY  соответственно.\r\n\r\nВыполнять такие измерения необходимо каждый "
                            "раз, когда изменилось расстояние от проектора до стенда, а также когда изменяли настройки "
                            "резкости и размера изображения на самом проекторе.\r\n\r\nДля возврата в окно настроек "
                            "нажмите на клавиатуре кнопку \"Esc\" или щелкните мышкой по крестику в левом или правом "
                            "верхнем углу экрана."));
    QVERIFY(stand.line(LineId::kalibr_H).visible); // the cross stays after the box

    QVERIFY(stand.PrepForm());
    QCOMPARE(m_base.ScaleX, scaleX);
    QCOMPARE(m_base.ScaleY, scaleY);

    // Esc with No leaves the (disabled) timer disabled and the cross on the screen.
    m_platform.answers = {Answer::No};
    stand.keyTyped(27);
    QVERIFY(stand.isVisible());
    QVERIFY(!stand.tik().isActive());
}

void TestCalibration::measuredLengthsScaleTheNextShow_data()
{
    QTest::addColumn<QString>("dx");
    QTest::addColumn<QString>("dy");
    QTest::addColumn<float>("scaleX");
    QTest::addColumn<float>("scaleY");
    QTest::addColumn<int>("euroRadius");
    QTest::newRow("500 and 600 mm") << "500"
                                    << "600" << 100.0f << 83.33333f << 2500;
    QTest::newRow("dX 9 is refused at the start") << "9"
                                                  << "600" << 0.0f << 0.0f << 0;
    QTest::newRow("dY 3001 is refused at the start") << "500"
                                                     << "3001" << 0.0f << 0.0f << 0;
}

void TestCalibration::measuredLengthsScaleTheNextShow()
{
    QFETCH(QString, dx);
    QFETCH(QString, dy);
    QFETCH(float, scaleX);
    Base base;
    frmCfg cfg(base, m_platform);
    cfg.show();

    // OK, "Калибровка", measure, Esc and Yes.
    withStand(cfg, [this](frmStend& stand) {
        QTest::mouseClick(stand.knKalibrovka(), Qt::LeftButton);
        leave(stand);
    });
    QVERIFY(!cfg.stand()->isVisible());
    QCOMPARE(cfg.stand()->surface().backColor(), 0x008080u);

    // Type the lengths, OK, "Вперёд!".
    cfg.findChild<QLineEdit*>(QStringLiteral("txtDx"))->setText(dx);
    cfg.findChild<QLineEdit*>(QStringLiteral("txtDy"))->setText(dy);
    bool prepared = false, started = false;
    withStand(cfg, [&](frmStend& stand) {
        prepared = !stand.knGo()->isHidden() && !stand.line(LineId::kalibr_H).visible &&
                   stand.surface().backColor() == 0x808080u;
        QTest::mouseClick(stand.knGo(), Qt::LeftButton);
        started = stand.isVisible();
        leave(stand);
    });
    QVERIFY(prepared);
    QCOMPARE(started, scaleX > 0);
    if (scaleX > 0) {
        QTEST(base.ScaleX, "scaleX");
        QTEST(base.ScaleY, "scaleY");
        QTEST(cfg.stand()->sizes().EuroRadius, "euroRadius");
    } else {
        QVERIFY(!cfg.stand()->isVisible());
        QVERIFY(!cfg.stand()->tik().isActive());
        QVERIFY(m_platform.boxes.last().prompt.startsWith(QStringLiteral("Задано некорректное значение калибровки")));
    }
}

QTEST_MAIN(TestCalibration)
#include "tst_calibration.moc"
