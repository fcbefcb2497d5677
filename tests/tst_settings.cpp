#include "platform/EditableList.h"
#include "platform/ScriptedPlatform.h"
#include "settings/Base.h"
#include "settings/frmCfg.h"
#include "stand/frmStend.h"

#include <QAbstractItemView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

using platform::Answer;

namespace {
const QString kShowTimeMessage = QStringLiteral("Укажите продолжительность паказа мишеней в одной сери!");
const QString kCircleMessage = QStringLiteral("Выберите размер круга из списка!");
const QString kPauseMessage = QStringLiteral("Выберите длительность паузы из списка!");
} // namespace

// The settings window as the operator uses it, offscreen.
class TestSettings : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup() { delete m_cfg; }
    void controlsFitTheirPlaces();
    void okCopiesTheShownValuesAndPreparesTheStand();
    void eachCheckHasItsMessage_data();
    void eachCheckHasItsMessage();
    void typedListEntriesAreNeverUsed_data();
    void typedListEntriesAreNeverUsed();
    void optionsSwatchesAndRecommendedValues();
    void keysCloseBoxAndLink();

private:
    template <typename W = QWidget> W* child(const char* name) const { return m_cfg->findChild<W*>(name); }
    EditableList* list(const char* name) const { return child<EditableList>(name); }
    QStringList prompts() const
    {
        QStringList list;
        for (const platform::ShownBox& box : m_platform.boxes)
            list << box.prompt;
        return list;
    }
    // The stand window, if it opens, is left at once with Esc and Yes.
    void leaveStandWhenOpen()
    {
        QTimer::singleShot(0, m_cfg, [this] {
            if (frmStend* stand = m_cfg->stand(); stand && stand->isVisible()) {
                QCOMPARE(stand->windowModality(), Qt::ApplicationModal);
                m_platform.answers = {Answer::Yes};
                stand->keyTyped(27);
            }
        });
    }
    // The settings that the window sets, in a line; the colour as a number.
    QString settingsText() const
    {
        const Base& b = m_base;
        QStringList values;
        for (int value : {b.PlayerCount, b.TargetsPerPlayer, int(b.TargetType), int(b.PauseMode), int(b.ShowTime),
                          int(b.CircleSize), int(b.PauseTime), int(b.KalibrDx), int(b.KalibrDy), b.TargetZoom,
                          b.TopMargin, b.BottomMargin, int(b.PlayerInterval), int(b.StandBackColor)})
            values << QString::number(value);
        return values.join(u' ');
    }

    Base m_base;
    platform::ScriptedPlatform m_platform;
    frmCfg* m_cfg = nullptr;
};

void TestSettings::init()
{
    m_base = Base{};
    m_platform = {};
    m_cfg = new frmCfg(m_base, m_platform);
    m_cfg->show();
    QVERIFY(QTest::qWaitForWindowActive(m_cfg));
}

void TestSettings::controlsFitTheirPlaces()
{
    QCOMPARE(m_cfg->windowTitle(), QStringLiteral(" Quorrin: настройка параметров отображения мишеней на стенде"));
    QCOMPARE(m_cfg->size(), QSize(789, 568)); // 11835 x 8520 twips at 96 dots per inch
    const QRect desk = m_cfg->screen()->availableGeometry(), frame = m_cfg->frameGeometry();
    QVERIFY(std::abs((frame.left() - desk.left()) - (desk.right() - frame.right())) <= 1);
    QVERIFY(std::abs((frame.top() - desk.top()) - (desk.bottom() - frame.bottom())) <= 1);
    QList<QWidget*> controls;
    for (QWidget* w : m_cfg->findChildren<QWidget*>())
        if (!w->objectName().isEmpty() && !w->objectName().startsWith(QLatin1String("qt_")))
            controls << w;
    // What a control shows: a plain label only its text, in the font it uses.
    const auto shown = [this](QWidget* w) {
        QRect r(w->mapTo(m_cfg, QPoint()), w->size());
        if (auto* label = qobject_cast<QLabel*>(w); label && label->frameShape() == QFrame::NoFrame)
            r = label->fontMetrics().boundingRect(r, Qt::TextWordWrap | label->alignment(), label->text());
        return r;
    };
    for (QWidget* w : controls) {
        const char* name = qPrintable(w->objectName());
        QVERIFY2(w->parentWidget()->rect().contains(w->geometry()), name);
        QVERIFY2(QRect(w->mapTo(m_cfg, QPoint()), w->size()).contains(shown(w)), name);
        if (auto* button = qobject_cast<QAbstractButton*>(w))
            QVERIFY2(button->sizeHint().width() <= button->width(), name);
        const bool large = qobject_cast<QPushButton*>(w) || w->objectName().startsWith(QLatin1String("labFon"));
        QCOMPARE(w->font().pointSizeF(), large ? 12 : 9.75);
        for (QWidget* other : controls)
            if (other != w && !other->isAncestorOf(w) && !w->isAncestorOf(other))
                QVERIFY2(!shown(w).intersects(shown(other)), qPrintable(w->objectName() + " " + other->objectName()));
    }
    QVERIFY(child("knStart")->font().bold());
    QCOMPARE(child("txtDx")->palette().color(QPalette::Base), QColor(195, 195, 195));
    QCOMPARE(child("optMenKol0")->palette().color(QPalette::Window), QColor(195, 195, 195));
    QCOMPARE(list("cmbKrug")->palette().color(QPalette::Button), QColor(192, 192, 192));

    const QStringList designed = {
        "knStart",        "optMenKol1",        "optMenKol0",   "optTargetKol1",  "optTargetKol0",  "optTargetType0",
        "optTargetType1", "cmbTargetShowTime", "txtDx",        "txtDy",          "optTargetType2", "optTargetType3",
        "cmbKrug",        "cmbPause",          "optFixPause0", "optFixPause1",   "Command1",       "txtTargetZoom",
        "txtOtstup_D",    "txtOtstup_H",       "knDef",        "txtMenInterval", "optTargetType4"};
    QStringList visited;
    for (QWidget* w = child("knStart"); visited.size() < designed.size(); w = w->nextInFocusChain())
        if (controls.contains(w) && w->focusPolicy() & Qt::TabFocus)
            visited << w->objectName();
    QCOMPARE(visited, designed);
    QCOMPARE(QApplication::focusWidget(), child("knStart"));
}

void TestSettings::okCopiesTheShownValuesAndPreparesTheStand()
{
    QCOMPARE(settingsText(), QStringLiteral("2 3 0 0 5 5 30 725 765 100 10 20 0 8421504"));
    QCOMPARE(list("cmbPause")->currentText(), QStringLiteral("50")); // reaches the settings only at OK
    leaveStandWhenOpen();
    child<QPushButton>("knStart")->click();
    QCOMPARE(settingsText(), QStringLiteral("2 3 0 0 5 5 50 725 765 100 10 20 0 8421504"));
    QCOMPARE(m_platform.boxes.size(), 1); // only the stand's own question

    frmStend* stand = m_cfg->stand();
    QVERIFY(stand && !stand->isVisible());
    stand->knGo()->hide();
    stand->knStopKalibr()->show();
    stand->LabMSG()->show();
    stand->labTimer()->hide();
    stand->knKalibrovka()->setText(QString());
    m_cfg->swatchClick(3);
    leaveStandWhenOpen();
    child<QPushButton>("knStart")->click();
    QCOMPARE(m_cfg->stand(), stand);
    QVERIFY(!stand->knGo()->isHidden() && !stand->knKalibrovka()->isHidden() && !stand->labTimer()->isHidden());
    QVERIFY(stand->knStopKalibr()->isHidden() && stand->LabMSG()->isHidden());
    QCOMPARE(stand->knKalibrovka()->text(), QStringLiteral("Калибровка"));
    QCOMPARE(stand->surface().backColor(), 0x008080u);
}

void TestSettings::eachCheckHasItsMessage_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("dx"); // what dX holds afterwards; typed as 400.5 in the rows about other fields
    const QString dx = QStringLiteral("Введите корректное значение калибровки по  dX!");
    const QString zoom = QStringLiteral("Корректирующий масштаб должен быть в пределах от 50 до 150%!");
    const QString top = QStringLiteral("Неиспользуемая область экрана сверху должна быть в пределах от 5 до 20%!");
    const QString bottom = QStringLiteral("Неиспользуемая область экрана снизу должна быть в пределах от 0 до 40%!");
    const QString interval = QStringLiteral("Интервал между спортсменами должен быть в пределах от 0 до 20%!");
    QTest::newRow("dX 0.9") << "txtDx"
                            << "0.9" << dx << 725;
    QTest::newRow("dX 1") << "txtDx"
                          << "1" << QString() << 1;
    QTest::newRow("dX 1e5 does not fit") << "txtDx"
                                         << "1e5" << dx << 725;
    QTest::newRow("dX with a blank inside") << "txtDx"
                                            << "6 25" << QString() << 625;
    QTest::newRow("empty dY") << "txtDy"
                              << "" << QStringLiteral("Введите корректное значение калибровки по  dY") << 400;
    QTest::newRow("zoom 50") << "txtTargetZoom"
                             << "50" << QString() << 400;
    QTest::newRow("zoom 151") << "txtTargetZoom"
                              << "151" << zoom << 400;
    QTest::newRow("zoom 1e2") << "txtTargetZoom"
                              << "1e2" << QString() << 400;
    QTest::newRow("zoom of letters") << "txtTargetZoom"
                                     << "abc" << zoom << 400;
    QTest::newRow("top 5") << "txtOtstup_H"
                           << "5" << QString() << 400;
    QTest::newRow("top 21") << "txtOtstup_H"
                            << "21" << top << 400;
    QTest::newRow("bottom 0") << "txtOtstup_D"
                              << "0" << QString() << 400;
    QTest::newRow("bottom 41") << "txtOtstup_D"
                               << "41" << bottom << 400;
    QTest::newRow("interval 20") << "txtMenInterval"
                                 << "20" << QString() << 400;
    QTest::newRow("interval 21") << "txtMenInterval"
                                 << "21" << interval << 400;
}

void TestSettings::eachCheckHasItsMessage()
{
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(QString, message);
    if (name != QLatin1String("txtDx"))
        child<QLineEdit>("txtDx")->setText(QStringLiteral("400.5"));
    child<QLineEdit>(qPrintable(name))->setText(text);
    QCOMPARE(m_cfg->ApplySettings(), message.isEmpty());
    QCOMPARE(prompts(), message.isEmpty() ? QStringList() : QStringList{message});
    QTEST(int(m_base.KalibrDx), "dx");
    QCOMPARE(child<QLineEdit>(qPrintable(name))->text(), text); // the operator's text stays
    for (const platform::ShownBox& box : m_platform.boxes) {
        QCOMPARE(box.icon, platform::Icon::Exclamation);
        QCOMPARE(box.buttons, platform::Buttons::Ok);
        QCOMPARE(box.title, QStringLiteral(" quorrin.example.org "));
    }
}

void TestSettings::typedListEntriesAreNeverUsed_data()
{
    QTest::addColumn<QStringList>("lists"); // typed into in this order; the last one is finished
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("finish");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("value"); // the setting the last list gives when accepted
    const QStringList showTime{"cmbTargetShowTime"}, circle{"cmbKrug"}, pause{"cmbPause"};
    QTest::newRow("show time: another entry, Enter") << showTime << "7"
                                                     << "Enter" << kShowTimeMessage << 0;
    QTest::newRow("show time: its own entry, Tab") << showTime << "5"
                                                   << "Tab" << kShowTimeMessage << 0;
    QTest::newRow("show time: no entry, click on OK") << showTime << "17"
                                                      << "OK" << kShowTimeMessage << 0;
    QTest::newRow("show time: set without keys") << showTime << "7"
                                                 << "setText" << kShowTimeMessage << 0;
    QTest::newRow("circle: another entry, Enter") << circle << "8 cm"
                                                  << "Enter" << kCircleMessage << 0;
    QTest::newRow("pause: another entry, click on OK") << pause << "90"
                                                       << "OK" << kPauseMessage << 0;
    QTest::newRow("show time is checked before the circle") << circle + showTime << "9"
                                                            << "Tab" << kShowTimeMessage << 0;
    QTest::newRow("circle is checked before the pause") << pause + circle << "10"
                                                        << "Tab" << kCircleMessage << 0;
    QTest::newRow("circle: typed, then the next entry by key") << circle << "8 cm"
                                                               << "Down" << QString() << 6;
    QTest::newRow("pause: typed, then chosen from the drop-down") << pause << "7"
                                                                  << "popup" << QString() << 60;
}

void TestSettings::typedListEntriesAreNeverUsed()
{
    QFETCH(QStringList, lists);
    QFETCH(QString, text);
    QFETCH(QString, finish);
    QFETCH(QString, message);
    EditableList* typed = nullptr;
    for (const QString& name : lists) {
        typed = list(qPrintable(name));
        typed->setFocus();
        if (finish == QLatin1String("setText")) {
            typed->lineEdit()->setText(text);
            continue;
        }
        typed->lineEdit()->selectAll();
        QTest::keyClicks(typed, text);
    }
    leaveStandWhenOpen();
    if (finish == QLatin1String("Enter") || finish == QLatin1String("Tab") || finish == QLatin1String("Down"))
        QTest::keyClick(typed, finish == QLatin1String("Tab")    ? Qt::Key_Tab
                               : finish == QLatin1String("Down") ? Qt::Key_Down
                                                                 : Qt::Key_Return);
    if (finish == QLatin1String("OK"))
        QTest::mouseClick(child("knStart"), Qt::LeftButton);
    if (finish == QLatin1String("popup")) {
        typed->showPopup();
        QTest::keyClick(typed->view(), Qt::Key_Down);
        QTest::keyClick(typed->view(), Qt::Key_Return);
    }
    QWidget* focus = QApplication::focusWidget();
    QCOMPARE(m_cfg->ApplySettings(), message.isEmpty());
    QCOMPARE(QApplication::focusWidget(), focus);
    QStringList shown = prompts();
    shown.removeDuplicates(); // Enter and OK have asked once already
    QCOMPARE(shown, message.isEmpty() ? QStringList() : QStringList{message});
    if (message.isEmpty())
        QTEST(int(lists.last() == QLatin1String("cmbKrug") ? m_base.CircleSize : m_base.PauseTime), "value");
}

void TestSettings::optionsSwatchesAndRecommendedValues()
{
    const std::pair<const char*, const char*> options[] = {{"optMenKol0", "1 3 0 0"},     {"optTargetKol0", "1 0 0 0"},
                                                           {"optTargetType3", "1 0 3 0"}, {"optFixPause1", "1 0 3 1"},
                                                           {"optTargetType4", "1 0 4 1"}, {"optMenKol1", "2 0 4 1"},
                                                           {"optTargetKol1", "2 3 4 1"}};
    for (const auto& [name, expected] : options) {
        child<QRadioButton>(name)->click();
        QCOMPARE(settingsText().left(7), QLatin1String(expected));
    }
    QCOMPARE(child<QLabel>("labFon0")->text(), QStringLiteral("v"));
    for (int chosen = 0; chosen < 7; ++chosen) {
        auto* swatch = child<QLabel>(qPrintable(QStringLiteral("labFon%1").arg(chosen)));
        QTest::mouseClick(swatch, Qt::LeftButton);
        for (int i = 0; i < 7; ++i)
            QCOMPARE(child<QLabel>(qPrintable(QStringLiteral("labFon%1").arg(i)))->text(),
                     i == chosen ? QStringLiteral("V") : QString());
        const QColor back = swatch->palette().color(QPalette::Window);
        QCOMPARE(QColor(qBlue(back.rgb()), qGreen(back.rgb()), qRed(back.rgb())).rgb() & 0xFFFFFF,
                 m_base.StandBackColor);
        QVERIFY(std::abs(swatch->palette().color(QPalette::WindowText).lightness() - back.lightness()) > 60);
    }
    child<QLineEdit>("txtDx")->setText(QStringLiteral("500"));
    child<QLineEdit>("txtTargetZoom")->setText(QStringLiteral("80"));
    QTest::keyClicks(list("cmbKrug"), QStringLiteral("9"));
    QTest::mouseClick(child("knDef"), Qt::LeftButton);
    QVERIFY(m_cfg->ApplySettings());
    QCOMPARE(settingsText(), QStringLiteral("2 3 0 0 7 8 30 725 765 100 10 20 0 4210752")); // the colour stays
    QStringList texts;
    for (const char* name : {"txtTargetZoom", "txtOtstup_H", "txtOtstup_D", "txtDx", "txtDy", "txtMenInterval"})
        texts << child<QLineEdit>(name)->text();
    QCOMPARE(texts.join(u' '), QStringLiteral("100 10 20 725 765 0"));
}

void TestSettings::keysCloseBoxAndLink()
{
    leaveStandWhenOpen();
    QTest::keyClick(m_cfg, Qt::Key_Return);
    QCOMPARE(m_base.PauseTime, int16_t(50)); // OK was pressed

    m_platform.boxes.clear();
    m_platform.answers = {Answer::No};
    QTest::keyClick(m_cfg, Qt::Key_Escape);
    QCOMPARE(prompts(), QStringList{QStringLiteral("Закрыть программу?")});
    QCOMPARE(m_platform.boxes.first().icon, platform::Icon::Question);
    QCOMPARE(m_platform.boxes.first().defaultButton, Answer::No);
    QVERIFY(m_platform.programEnds == 0 && m_cfg->isVisible());
    m_platform.answers = {Answer::Yes};
    QTest::mouseClick(child("Command1"), Qt::LeftButton);
    QCOMPARE(m_platform.programEnds, 1);

    QWidget* link = child("lab_Href_MN");
    QCOMPARE(link->toolTip(), QStringLiteral(" Открыть сайт "));
    QCOMPARE(link->cursor().hotSpot(), QPoint(5, 1));
    QTest::mouseClick(link, Qt::LeftButton);
    QCOMPARE(m_platform.pagesOpened, QStringList{QStringLiteral("https://quorrin.example.org")});
    m_platform.boxes.clear();
    m_cfg->close();
    QVERIFY(m_platform.boxes.isEmpty()); // the close box asks nothing
    QCOMPARE(m_platform.programEnds, 2);
}

QTEST_MAIN(TestSettings)
#include "tst_settings.moc"
