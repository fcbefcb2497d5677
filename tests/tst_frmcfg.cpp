#include "platform/EditableList.h"
#include "platform/ScriptedPlatform.h"
#include "settings/Base.h"
#include "settings/frmCfg.h"
#include "stand/frmStend.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

using platform::Answer;

// The settings window as the operator uses it, offscreen.
class TestFrmCfg : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void startUpState();
    void untouchedWindowOpensTheStandWithTheShownValues();
    void eachCheckHasItsMessage_data();
    void eachCheckHasItsMessage();
    void earlierValuesAreStoredWhenALaterCheckFails();
    void typedListTextCountsAsNoEntry();
    void recommendedKeepsTheColour();
    void swatchMovesTheMarkAndColoursTheStand();
    void enterPressesOkAndEscapeAsksToExit();
    void closeBoxAndLink();

private:
    QLineEdit* field(const char* name) { return m_cfg->findChild<QLineEdit*>(QLatin1String(name)); }
    EditableList* list(const char* name) { return m_cfg->findChild<EditableList*>(QLatin1String(name)); }
    QLabel* swatch(int index) { return m_cfg->findChild<QLabel*>(QStringLiteral("labFon%1").arg(index)); }
    // Presses OK; the stand window, if it opens, is left at once with Esc and Yes.
    void pressOk()
    {
        QTimer::singleShot(0, m_cfg, [this] {
            if (frmStend* stand = m_cfg->stand(); stand && stand->isVisible()) {
                m_platform.answers = {Answer::Yes};
                stand->keyTyped(27);
            }
        });
        m_cfg->knStartClick();
    }
    QStringList prompts() const
    {
        QStringList list;
        for (const platform::ShownBox& box : m_platform.boxes)
            list << box.prompt;
        return list;
    }

    Base m_base;
    platform::ScriptedPlatform m_platform;
    frmCfg* m_cfg = nullptr;
};

void TestFrmCfg::init()
{
    m_base = Base{};
    m_platform.boxes.clear();
    m_platform.answers.clear();
    m_platform.programEnds = 0;
    m_platform.pagesOpened.clear();
    m_cfg = new frmCfg(m_base, m_platform);
}

void TestFrmCfg::cleanup()
{
    delete m_cfg;
}

void TestFrmCfg::startUpState()
{
    m_cfg->show();
    QVERIFY(QTest::qWaitForWindowActive(m_cfg));
    QCOMPARE(m_cfg->windowTitle(), QStringLiteral(" Quorrin: настройка параметров отображения мишеней на стенде"));
    QCOMPARE(m_cfg->size(), QSize(789, 568));
    QCOMPARE(QApplication::focusWidget(), m_cfg->findChild<QPushButton*>(QStringLiteral("knStart")));
    QCOMPARE(m_base.PauseTime, int16_t(30)); // the list shows 50 until OK copies it
    QCOMPARE(list("cmbPause")->currentText(), QStringLiteral("50"));
    QCOMPARE(list("cmbTargetShowTime")->count(), 18);
    QCOMPARE(list("cmbTargetShowTime")->itemData(17).toInt(), 120);
    QCOMPARE(list("cmbKrug")->itemText(7), QStringLiteral("12 cm"));
    QCOMPARE(list("cmbKrug")->itemData(7).toInt(), 12);
    QCOMPARE(list("cmbPause")->count(), 11);
    QCOMPARE(field("txtDx")->maxLength(), 4);
    QCOMPARE(field("txtTargetZoom")->maxLength(), 3);
    QCOMPARE(field("txtOtstup_H")->maxLength(), 2);
    QCOMPARE(swatch(0)->text(), QStringLiteral("v"));
    for (const char* on : {"optMenKol1", "optTargetKol1", "optTargetType0", "optFixPause0"})
        QVERIFY(m_cfg->findChild<QRadioButton*>(QLatin1String(on))->isChecked());
    QCOMPARE(m_cfg->findChild<QRadioButton*>(QStringLiteral("optFixPause1"))->text(),
             QStringLiteral("Управляется клавишами \"Пробел\", \"Enter\", \"Esc\""));
    QCOMPARE(m_cfg->findChild<QLabel*>(QStringLiteral("Label15"))->text(),
             QStringLiteral("%  (допустимо от 50  до 150 %)"));
    QCOMPARE(m_cfg->findChild<QLabel*>(QStringLiteral("lab_Href_MN"))->toolTip(), QStringLiteral(" Открыть сайт "));
    QCOMPARE(m_cfg->findChild<QPushButton*>(QStringLiteral("knStart"))->text(), QStringLiteral(" OK "));
    QVERIFY(m_cfg->findChild<QPushButton*>(QStringLiteral("knStart"))->font().bold());
    QCOMPARE(m_cfg->findChild<QLabel*>(QStringLiteral("Label9"))->geometry(), QRect(232, 464, 41, 25));
}

void TestFrmCfg::untouchedWindowOpensTheStandWithTheShownValues()
{
    m_cfg->show();
    pressOk();
    QVERIFY(m_platform.boxes.size() == 1); // only the stand's own question
    QCOMPARE(m_base.ShowTime, int16_t(5));
    QCOMPARE(m_base.CircleSize, int16_t(5));
    QCOMPARE(m_base.PauseTime, int16_t(50));
    QCOMPARE(m_base.KalibrDx, int16_t(725));
    QCOMPARE(m_base.KalibrDy, int16_t(765));
    QCOMPARE(m_base.TargetZoom, 100);
    QCOMPARE(m_base.TopMargin, 10);
    QCOMPARE(m_base.BottomMargin, 20);
    QCOMPARE(m_base.PlayerInterval, int16_t(0));

    // The modal showing has ended and the stand is prepared the same way the next time.
    frmStend* stand = m_cfg->stand();
    QVERIFY(stand);
    QVERIFY(!stand->isVisible());
    stand->knGo()->hide();
    pressOk();
    QCOMPARE(m_cfg->stand(), stand); // reused
    QVERIFY(!stand->knGo()->isHidden());
    QVERIFY(stand->knStopKalibr()->isHidden());
    QVERIFY(!stand->line(LineId::kalibr_H).visible);
    QCOMPARE(stand->surface().backColor(), 0x808080u);
}

void TestFrmCfg::eachCheckHasItsMessage_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");

    const QString dx = QStringLiteral("Введите корректное значение калибровки по  dX!");
    const QString dy = QStringLiteral("Введите корректное значение калибровки по  dY");
    const QString zoom = QStringLiteral("Корректирующий масштаб должен быть в пределах от 50 до 150%!");
    const QString top = QStringLiteral("Неиспользуемая область экрана сверху должна быть в пределах от 5 до 20%!");
    const QString bottom = QStringLiteral("Неиспользуемая область экрана снизу должна быть в пределах от 0 до 40%!");
    const QString interval = QStringLiteral("Интервал между спортсменами должен быть в пределах от 0 до 20%!");
    QTest::newRow("dX 0.9 is refused") << "txtDx"
                                       << "0.9" << dx;
    QTest::newRow("dX 1 is accepted here") << "txtDx"
                                           << "1" << QString();
    QTest::newRow("dX 1e5 does not fit and is refused") << "txtDx"
                                                        << "1e5" << dx;
    QTest::newRow("dX with a blank inside: 7 25") << "txtDx"
                                                  << "7 25" << QString();
    QTest::newRow("empty dY") << "txtDy"
                              << "" << dy;
    QTest::newRow("zoom 151") << "txtTargetZoom"
                              << "151" << zoom;
    QTest::newRow("zoom 150") << "txtTargetZoom"
                              << "150" << QString();
    QTest::newRow("zoom 1e2 reads as 100") << "txtTargetZoom"
                                           << "1e2" << QString();
    QTest::newRow("zoom 9e9 does not fit") << "txtTargetZoom"
                                           << "9e9" << zoom;
    QTest::newRow("zoom of letters reads as 0") << "txtTargetZoom"
                                                << "abc" << zoom;
    QTest::newRow("top 4") << "txtOtstup_H"
                           << "4" << top;
    QTest::newRow("top 21") << "txtOtstup_H"
                            << "21" << top;
    QTest::newRow("bottom -1") << "txtOtstup_D"
                               << "-1" << bottom;
    QTest::newRow("bottom 40") << "txtOtstup_D"
                               << "40" << QString();
    QTest::newRow("interval 21") << "txtMenInterval"
                                 << "21" << interval;
    QTest::newRow("empty interval reads as 0") << "txtMenInterval"
                                               << "" << QString();
}

void TestFrmCfg::eachCheckHasItsMessage()
{
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(QString, message);
    field(name.toLatin1())->setText(text);
    QCOMPARE(m_cfg->ApplySettings(), message.isEmpty());
    if (message.isEmpty()) {
        QVERIFY(m_platform.boxes.isEmpty());
        return;
    }
    QCOMPARE(prompts(), QStringList{message});
    QCOMPARE(m_platform.boxes.first().icon, platform::Icon::Exclamation);
    QCOMPARE(m_platform.boxes.first().buttons, platform::Buttons::Ok);
    QCOMPARE(m_platform.boxes.first().title, QStringLiteral(" quorrin.example.org "));
    QCOMPARE(field(name.toLatin1())->text(), text); // the operator's text stays
}

void TestFrmCfg::earlierValuesAreStoredWhenALaterCheckFails()
{
    list("cmbTargetShowTime")->select(6); // 7
    list("cmbKrug")->select(8);           // 15 cm
    list("cmbPause")->select(0);          // 1
    field("txtDx")->clear();
    field("txtTargetZoom")->setText(QStringLiteral("200"));
    QVERIFY(!m_cfg->ApplySettings());
    QCOMPARE(prompts(), QStringList{QStringLiteral("Введите корректное значение калибровки по  dX!")});
    QCOMPARE(m_base.ShowTime, int16_t(7));
    QCOMPARE(m_base.CircleSize, int16_t(15));
    QCOMPARE(m_base.PauseTime, int16_t(1));
    QCOMPARE(m_base.TargetZoom, 100);

    field("txtDx")->setText(QStringLiteral("2.5"));
    field("txtDy")->setText(QStringLiteral("3.5"));
    QVERIFY(!m_cfg->ApplySettings());
    QCOMPARE(m_base.KalibrDx, int16_t(2));
    QCOMPARE(m_base.KalibrDy, int16_t(4));
    QCOMPARE(m_base.TargetZoom, 100);
}

void TestFrmCfg::typedListTextCountsAsNoEntry()
{
    m_cfg->show();
    QTest::keyClicks(list("cmbKrug")->lineEdit(), "7");
    QTest::keyClicks(list("cmbPause")->lineEdit(), "5");
    QVERIFY(m_cfg->ApplySettings());
    QCOMPARE(m_base.CircleSize, int16_t(5));
    QCOMPARE(m_base.PauseTime, int16_t(60));

    list("cmbTargetShowTime")->lineEdit()->clear();
    QTest::keyClicks(list("cmbTargetShowTime")->lineEdit(), "5"); // even the text of an entry
    QVERIFY(!m_cfg->ApplySettings());
    QCOMPARE(prompts(), QStringList{QStringLiteral("Укажите продолжительность паказа мишеней в одной сери!")});
}

void TestFrmCfg::recommendedKeepsTheColour()
{
    m_cfg->swatchClick(3);
    field("txtDx")->setText(QStringLiteral("500"));
    field("txtTargetZoom")->setText(QStringLiteral("80"));
    m_cfg->findChild<QRadioButton*>(QStringLiteral("optMenKol0"))->click();
    m_cfg->findChild<QRadioButton*>(QStringLiteral("optTargetType4"))->click();
    m_cfg->findChild<QRadioButton*>(QStringLiteral("optFixPause1"))->click();
    m_cfg->findChild<QRadioButton*>(QStringLiteral("optTargetKol0"))->click();
    QCOMPARE(m_base.PlayerCount, 1);
    QCOMPARE(m_base.TargetType, TargetCode::Random);
    QCOMPARE(m_base.PauseMode, PauseCode::Keys);
    QCOMPARE(m_base.TargetsPerPlayer, 0);

    m_cfg->knDefClick();
    QCOMPARE(m_base.StandBackColor, 0x008080u);
    QCOMPARE(swatch(3)->text(), QStringLiteral("V"));
    QCOMPARE(m_base.PlayerCount, 2);
    QCOMPARE(m_base.TargetsPerPlayer, 3);
    QCOMPARE(m_base.TargetType, TargetCode::Unifight);
    QCOMPARE(m_base.PauseMode, PauseCode::Fixed);
    QCOMPARE(list("cmbKrug")->currentText(), QStringLiteral("8 cm"));
    QCOMPARE(list("cmbTargetShowTime")->currentText(), QStringLiteral("7"));
    QCOMPARE(list("cmbPause")->currentText(), QStringLiteral("30"));
    QCOMPARE(field("txtDx")->text(), QStringLiteral("725"));
    QCOMPARE(field("txtDy")->text(), QStringLiteral("765"));
    QCOMPARE(field("txtTargetZoom")->text(), QStringLiteral("100"));
    QCOMPARE(field("txtOtstup_H")->text(), QStringLiteral("10"));
    QCOMPARE(field("txtOtstup_D")->text(), QStringLiteral("20"));
    QCOMPARE(field("txtMenInterval")->text(), QStringLiteral("0"));
    QCOMPARE(m_base.CircleSize, int16_t(5)); // the lists reach the settings only at OK
    QVERIFY(m_cfg->ApplySettings());
    QCOMPARE(m_base.CircleSize, int16_t(8));
    QCOMPARE(m_base.ShowTime, int16_t(7));
    QCOMPARE(m_base.PauseTime, int16_t(30));
}

void TestFrmCfg::swatchMovesTheMarkAndColoursTheStand()
{
    m_cfg->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_cfg));
    QTest::mouseClick(swatch(3), Qt::LeftButton);
    for (int i = 0; i < 7; ++i)
        QCOMPARE(swatch(i)->text(), i == 3 ? QStringLiteral("V") : QString());
    QCOMPARE(m_base.StandBackColor, 0x008080u);
    pressOk();
    QCOMPARE(m_cfg->stand()->surface().backColor(), 0x008080u);
    m_cfg->swatchClick(2);
    QCOMPARE(m_base.StandBackColor, 0xE0E0E0u);
}

void TestFrmCfg::enterPressesOkAndEscapeAsksToExit()
{
    m_cfg->show();
    QVERIFY(QTest::qWaitForWindowActive(m_cfg));
    QTimer::singleShot(0, m_cfg, [this] {
        m_platform.answers = {Answer::Yes};
        m_cfg->stand()->keyTyped(27);
    });
    QTest::keyClick(m_cfg, Qt::Key_Return);
    QVERIFY(m_cfg->stand());
    QCOMPARE(m_base.PauseTime, int16_t(50));

    m_platform.boxes.clear();
    m_platform.answers = {Answer::No};
    QTest::keyClick(m_cfg, Qt::Key_Escape);
    QCOMPARE(prompts(), QStringList{QStringLiteral("Закрыть программу?")});
    QCOMPARE(m_platform.boxes.first().icon, platform::Icon::Question);
    QCOMPARE(m_platform.boxes.first().defaultButton, Answer::No);
    QCOMPARE(m_platform.programEnds, 0);
    QVERIFY(m_cfg->isVisible());

    m_platform.answers = {Answer::Yes};
    m_cfg->findChild<QPushButton*>(QStringLiteral("Command1"))->click();
    QCOMPARE(m_platform.programEnds, 1);
}

void TestFrmCfg::closeBoxAndLink()
{
    m_cfg->show();
    m_cfg->linkClick();
    QCOMPARE(m_platform.pagesOpened, QStringList{QStringLiteral("https://quorrin.example.org")});
    m_cfg->close();
    QVERIFY(m_platform.boxes.isEmpty()); // no question
    QCOMPARE(m_platform.programEnds, 1);
}

QTEST_MAIN(TestFrmCfg)
#include "tst_frmcfg.moc"
