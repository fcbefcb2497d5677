#include "platform/Colour.h"
#include "platform/ScriptedPlatform.h"
#include "settings/Base.h"
#include "stand/frmStend.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

class TestFrmStend : public QObject {
    Q_OBJECT
private slots:
    void init();
    void opensAtItsDesignSizeWithItsControls();
    void resizeMovesTheControlsAndShowsTheBorders();
    void eightKWindowLaysOutWithoutOverflow();
    void drawingSurvivesResize();
    void closeRequestsAreRefused();

private:
    // A hidden widget gets its resize event only when shown, and the layout runs from it.
    static void showAt(frmStend& stand, int width, int height)
    {
        stand.show();
        stand.resize(width, height);
        QVERIFY(QTest::qWaitForWindowExposed(&stand));
    }

    Base m_base;
    platform::ScriptedPlatform m_platform;
};

void TestFrmStend::init()
{
    m_base = Base{};
    SetDefaults(m_base, std::nullopt);
}

void TestFrmStend::opensAtItsDesignSizeWithItsControls()
{
    frmStend stand(m_base, m_platform);
    QCOMPARE(stand.windowTitle(), QStringLiteral(" Quorrin"));
    QVERIFY(stand.windowFlags() & Qt::FramelessWindowHint);
    QCOMPARE(stand.twipsWidth(), 10305.0);
    QCOMPARE(stand.twipsHeight(), 6555.0);
    QCOMPARE(stand.knGo()->text(), QStringLiteral("Вперёд!"));
    QCOMPARE(stand.knKalibrovka()->text(), QStringLiteral("Калибровка"));
    QCOMPARE(stand.knStopKalibr()->text(), QStringLiteral("Завершить калибровку"));
    QCOMPARE(stand.LabExit(0)->text(), QStringLiteral("\u0425"));
    QCOMPARE(stand.LabExit(1)->text(), QStringLiteral("\u0425"));
    QCOMPARE(stand.LabMSG()->text(), QStringLiteral("Зафиксируйте результаты и нажмите пробел"));
    QCOMPARE(stand.labTimer()->text(), QString());
    QVERIFY(stand.LabMSG()->isHidden());
    QVERIFY(!stand.line(LineId::MenBorder).visible);
    QCOMPARE(stand.line(LineId::kalibr_H).colour, 0xFFFFFFu);
    QCOMPARE(stand.line(LineId::MenBorder2).colour, 0xFFFF80u);
    QCOMPARE(stand.LabExit(0)->palette().color(QPalette::WindowText), QColor(255, 255, 0));
    QCOMPARE(stand.labTimer()->palette().color(QPalette::WindowText), QColor(192, 192, 0));
    QVERIFY(stand.knGo()->font().bold());
    QCOMPARE(stand.knGo()->font().pointSizeF(), 12.0);
    QCOMPARE(stand.labTimer()->font().pointSizeF(), 18.0);
    QCOMPARE(stand.LabMSG()->font().pointSizeF(), 13.5);
    QCOMPARE(stand.knGo()->nextInFocusChain(), stand.knKalibrovka());
}

void TestFrmStend::resizeMovesTheControlsAndShowsTheBorders()
{
    frmStend stand(m_base, m_platform);
    for (LineId id : {LineId::BorderLeft, LineId::BorderRight, LineId::BorderTop, LineId::BorderBottom})
        stand.line(id).visible = false;

    showAt(stand, 1920, 1080); // 28800 x 16200 twips
    const double W = 28800, H = 16200;
    QCOMPARE(stand.twipsGeometry(stand.LabExit(1)).left, W - 255);
    QCOMPARE(stand.twipsGeometry(stand.LabExit(0)), (TwipsRect{0, 0, 255, 360}));
    QCOMPARE(stand.twipsGeometry(stand.LabMSG()), (TwipsRect{(W - 7300) / 2, 15, 7300, 360}));
    QCOMPARE(stand.twipsGeometry(stand.labTimer()), (TwipsRect{(W - 1815) / 2, 15, 1815, 615}));
    const double goTop = (H - 615) / 2;
    QCOMPARE(stand.twipsGeometry(stand.knGo()), (TwipsRect{(W - 1695) / 2, goTop, 1695, 615}));
    QCOMPARE(stand.twipsGeometry(stand.knKalibrovka()), (TwipsRect{(W - 1695) / 2, goTop + 915, 1695, 615}));
    QCOMPARE(stand.twipsGeometry(stand.knStopKalibr()), (TwipsRect{(W - 3615) / 2, goTop + 1830, 3615, 615}));
    QCOMPARE(stand.LabExit(1)->geometry().right(), 1919);
    QCOMPARE(stand.knGo()->geometry().center().x(), 960);

    for (LineId id : {LineId::BorderLeft, LineId::BorderRight, LineId::BorderTop, LineId::BorderBottom})
        QVERIFY(stand.line(id).visible);
    QCOMPARE(stand.line(LineId::BorderRight).ends, (LineEnds{W - 30, 1620, W - 30, 12960}));
    QVERIFY(stand.line(LineId::MenBorder).visible);
    QCOMPARE(stand.line(LineId::MenBorder).ends, (LineEnds{14400, 1620, 14400, 12960}));
    QCOMPARE(stand.lanes().ZonaH0, 1620);

    m_base.PlayerCount = 1;
    stand.resize(1280, 720);
    QVERIFY(!stand.line(LineId::MenBorder).visible);
    QVERIFY(!stand.line(LineId::MenBorder2).visible);
    QCOMPARE(stand.lanes().ZonaW0, 4800);
}

void TestFrmStend::eightKWindowLaysOutWithoutOverflow()
{
    m_base.PlayerInterval = 20;
    frmStend stand(m_base, m_platform);
    showAt(stand, 7680, 4320);
    QCOMPARE(stand.twipsWidth(), 115200.0);
    QCOMPARE(stand.lanes().ZonaW, 57600);
    QCOMPARE(stand.lanes().ZonaH, 45360);
    QCOMPARE(stand.lanes().MenInterval, 23040);
    QCOMPARE(stand.line(LineId::MenBorder2).ends.x1, 69120.0);
    QCOMPARE(stand.knGo()->geometry().center().x(), 3840);
    QCOMPARE(stand.surface().size(), QSize(7680, 4320));
}

void TestFrmStend::drawingSurvivesResize()
{
    frmStend stand(m_base, m_platform);
    stand.setBackColor(0x808080);
    stand.surface().filledBox(150, 150, 300, 300, 0x0000FF);
    showAt(stand, 200, 100); // a maximising window first passes through a small size
    stand.resize(1920, 1080);
    QCOMPARE(stand.surface().image().pixelColor(12, 12), QColor(255, 0, 0));
    QCOMPARE(stand.surface().image().pixelColor(1900, 1000), QColor(128, 128, 128));
    stand.clearDrawing();
    QCOMPARE(stand.surface().image().pixelColor(12, 12), QColor(128, 128, 128));
}

void TestFrmStend::closeRequestsAreRefused()
{
    frmStend stand(m_base, m_platform);
    stand.show();
    QVERIFY(QTest::qWaitForWindowExposed(&stand));
    QVERIFY(!stand.close());
    QVERIFY(stand.isVisible());
}

QTEST_MAIN(TestFrmStend)
#include "tst_frmstend.moc"
