#include "ScriptedPlatform.h"
#include "platform/EditableList.h"
#include "settings/frmCfg.h"
#include "stand/frmStend.h"

#include <QTest>
#include <QtWidgets>

using namespace platform;

// What the settings hold of what the window shows: players, targets, target type, pause mode,
// show time, circle size, pause, dX, dY, zoom, top, bottom, interval and colour.
using Stored = std::tuple<int, int, int, int, int, int, int, int, int, int, int, int, int, uint32_t>;

Stored stored(const Base& b)
{
    return {b.PlayerCount, b.TargetsPerPlayer, int(b.TargetType), int(b.PauseMode), b.ShowTime,
            b.CircleSize,  b.PauseTime,        b.KalibrDx,        b.KalibrDy,       b.TargetZoom,
            b.TopMargin,   b.BottomMargin,     b.PlayerInterval,  b.StandBackColor};
}

// How the operator leaves a list typed into, or chooses from it after typing.
enum class Finish { Enter, Tab, ClickOk, SetText, Up, Popup };
Q_DECLARE_METATYPE(Finish)

// What the stand window showed while it was open.
struct StandSeen {
    bool shown = false;
    Qt::WindowModality modality = Qt::NonModal;
    QString focus;
    QColor background;
    QPoint centre;
};

const QString kStopQuestion = QStringLiteral("Прекратить отображение мишеней?");

// The settings window as the operator uses it, offscreen.
class TestSettings : public QObject {
    Q_OBJECT
    template <typename W = QWidget> W* child(const QString& name) const { return m_cfg->findChild<W*>(name); }
    template <typename W = QWidget> W* standChild(const QString& name) const
    {
        return m_cfg->stand()->findChild<W*>(name);
    }
    // Each once: Enter and OK may have asked already.
    QStringList prompts() const
    {
        QStringList list;
        for (const ShownBox& box : m_platform.boxes)
            if (!list.contains(box.prompt))
                list << box.prompt;
        return list;
    }
    // The stand window, if it opens, is left at once with Esc and Yes; what it showed is
    // recorded for the test to compare afterwards, so that a failure cannot keep it open.
    void leaveStandWhenOpen()
    {
        QTimer::singleShot(0, m_cfg, [this] {
            frmStend* stand = m_cfg->stand();
            if (!stand || !stand->isVisible())
                return;
            m_seen.shown = true;
            m_seen.modality = stand->windowModality();
            m_seen.focus = stand->focusWidget() ? stand->focusWidget()->objectName() : QString();
            m_seen.centre = stand->geometry().center();
            const QPoint corner(stand->width() - 2, stand->height() - 2); // nothing but background there
            m_seen.background = stand->grab(QRect(corner, QSize(1, 1))).toImage().pixelColor(0, 0);
            m_platform.answers = {Answer::Yes};
            QTest::keyClick(stand, Qt::Key_Escape);
        });
    }
    // Typed into the list's edit part, never chosen; the text is not completed.
    void typeInto(const QString& name, const QString& text, Finish finish)
    {
        auto* list = child<EditableList>(name);
        list->setFocus();
        list->lineEdit()->selectAll();
        if (finish == Finish::SetText)
            list->lineEdit()->setText(text);
        else
            QTest::keyClicks(list, text);
        QCOMPARE(list->currentText(), text);
    }
    void finishTyping(EditableList* list, Finish finish)
    {
        const std::map<Finish, Qt::Key> keys{
            {Finish::Enter, Qt::Key_Return}, {Finish::Tab, Qt::Key_Tab}, {Finish::Up, Qt::Key_Up}};
        if (keys.contains(finish))
            QTest::keyClick(list, keys.at(finish));
        if (finish == Finish::ClickOk)
            QTest::mouseClick(child("knStart"), Qt::LeftButton);
        if (finish == Finish::Popup) {
            list->showPopup();
            QTest::keyClick(list->view(), Qt::Key_Down);
            QTest::keyClick(list->view(), Qt::Key_Return);
        }
    }

    Base m_base;
    ScriptedPlatform m_platform;
    frmCfg* m_cfg = nullptr;
    StandSeen m_seen;

private slots:
    void init()
    {
        m_base = Base{};
        m_platform = {};
        m_seen = {};
        m_cfg = new frmCfg(m_base, m_platform);
        m_cfg->show();
        QVERIFY(QTest::qWaitForWindowActive(m_cfg));
    }
    void cleanup() { delete m_cfg; }

    void windowAsDesigned()
    {
        QCOMPARE(m_cfg->windowTitle(), QStringLiteral(" Quorrin: настройка параметров отображения мишеней на стенде"));
        const QRect corner(0, 0, 8, 8); // the painted background, frame lines and all
        QCOMPARE(m_cfg->grab(corner).toImage().convertToFormat(QImage::Format_RGB32),
                 QImage(":/background.png").copy(corner).convertToFormat(QImage::Format_RGB32));
        const QRect desk = m_cfg->screen()->availableGeometry();
        QVERIFY((m_cfg->frameGeometry().center() - desk.center()).manhattanLength() <= 1);
        QCOMPARE(child<QLabel>("Label15")->text(), QStringLiteral("%  (допустимо от 50  до 150 %)"));
        QCOMPARE(child<QLabel>("Label3")->text(), QStringLiteral("%  (допустимо от 0 до 20%)"));
        QCOMPARE(QApplication::focusWidget(), child("knStart"));
    }

    void controlsFitTheirPlaces()
    {
        QList<QWidget*> controls;
        for (QWidget* w : m_cfg->findChildren<QWidget*>())
            if (!w->objectName().isEmpty() && !w->objectName().startsWith(QLatin1String("qt_")))
                controls << w;
        // What a control shows: of a plain label only its text, in the font it uses.
        const auto shown = [this](QWidget* w) {
            const QRect r(w->mapTo(m_cfg, QPoint()), w->size());
            auto* label = qobject_cast<QLabel*>(w);
            if (!label || label->frameShape() != QFrame::NoFrame)
                return r;
            return label->fontMetrics().boundingRect(r, Qt::TextWordWrap | label->alignment(), label->text());
        };
        for (QWidget* w : controls) {
            const QString name = w->objectName();
            QVERIFY2(w->parentWidget()->rect().contains(w->geometry()), qPrintable(name));
            QVERIFY2(QRect(w->mapTo(m_cfg, QPoint()), w->size()).contains(shown(w)), qPrintable(name));
            if (auto* button = qobject_cast<QAbstractButton*>(w))
                QVERIFY2(button->sizeHint().width() <= button->width(), qPrintable(name));
            const bool large = qobject_cast<QPushButton*>(w) || name.startsWith(QLatin1String("labFon"));
            QCOMPARE(w->font().pointSizeF(), large ? 12 : 9.75);
            for (QWidget* other : controls)
                if (other != w && !other->isAncestorOf(w) && !w->isAncestorOf(other))
                    QVERIFY2(!shown(w).intersects(shown(other)), qPrintable(name + " " + other->objectName()));
        }
    }

    void tabOrder()
    {
        const QStringList designed{
            "knStart",        "optMenKol1",        "optMenKol0",   "optTargetKol1",  "optTargetKol0",  "optTargetType0",
            "optTargetType1", "cmbTargetShowTime", "txtDx",        "txtDy",          "optTargetType2", "optTargetType3",
            "cmbKrug",        "cmbPause",          "optFixPause0", "optFixPause1",   "Command1",       "txtTargetZoom",
            "txtOtstup_D",    "txtOtstup_H",       "knDef",        "txtMenInterval", "optTargetType4", "knStart"};
        QStringList tabOrder{"knStart"};
        for (QWidget* w = child("knStart")->nextInFocusChain(); tabOrder.size() < designed.size();
             w = w->nextInFocusChain())
            if (!w->objectName().isEmpty() && !w->objectName().startsWith(QLatin1String("qt_")) &&
                w->focusPolicy() & Qt::TabFocus)
                tabOrder << w->objectName();
        QCOMPARE(tabOrder, designed);
    }

    void okCopiesTheShownValuesAndShowsTheStandModally()
    {
        const Stored atStart{2, 3, 0, 0, 5, 5, 30, 725, 765, 100, 10, 20, 0, 0x808080};
        QCOMPARE(stored(m_base), atStart);
        QCOMPARE(child<QComboBox>("cmbPause")->currentText(), QStringLiteral("50")); // copied only by OK
        auto* showTime = child<QComboBox>("cmbTargetShowTime");
        showTime->setCurrentIndex(showTime->findText(QStringLiteral("9")));
        const std::pair<const char*, const char*> typed[] = {{"txtDx", "612"},        {"txtDy", "634"},
                                                             {"txtTargetZoom", "80"}, {"txtOtstup_H", "12"},
                                                             {"txtOtstup_D", "15"},   {"txtMenInterval", "7"}};
        for (const auto& [name, text] : typed)
            child<QLineEdit>(name)->setText(QLatin1String(text));
        leaveStandWhenOpen();
        QTest::keyClick(m_cfg, Qt::Key_Return); // presses OK
        const Stored afterOk{2, 3, 0, 0, 9, 5, 50, 612, 634, 80, 12, 15, 7, 0x808080};
        QCOMPARE(stored(m_base), afterOk);
        QVERIFY(m_seen.shown);
        QCOMPARE(m_seen.modality, Qt::ApplicationModal);
        QCOMPARE(m_seen.focus, QStringLiteral("knGo"));
        QCOMPARE(m_seen.background, QColor(128, 128, 128));
        QVERIFY((m_seen.centre - m_cfg->frameGeometry().center()).manhattanLength() <= 2); // over the settings
        QCOMPARE(prompts(), QStringList{kStopQuestion});                                   // the stand's only
        QVERIFY(!m_cfg->stand()->isVisible());
        QCOMPARE(m_cfg->stand()->windowIcon().cacheKey(), m_cfg->windowIcon().cacheKey());
    }

    void secondOkPreparesTheStandAfresh()
    {
        leaveStandWhenOpen();
        child<QPushButton>("knStart")->click();
        frmStend* stand = m_cfg->stand();
        QVERIFY(stand);
        standChild("knGo")->hide();
        standChild("knStopKalibr")->show();
        standChild("LabMSG")->show();
        standChild("labTimer")->hide();
        standChild<QPushButton>("knKalibrovka")->setText(QString());
        standChild<QPushButton>("knKalibrovka")->setFocus();
        m_cfg->swatchClick(3);
        m_seen = {};
        leaveStandWhenOpen();
        child<QPushButton>("knStart")->click();
        QCOMPARE(m_cfg->stand(), stand);
        QVERIFY(m_seen.shown);
        QCOMPARE(m_seen.focus, QStringLiteral("knGo"));
        QCOMPARE(m_seen.background, QColor(128, 128, 0)); // 0x008080 is blue, green, red
        QVERIFY(!standChild("knGo")->isHidden());
        QVERIFY(!standChild("knKalibrovka")->isHidden());
        QVERIFY(!standChild("labTimer")->isHidden());
        QVERIFY(standChild("knStopKalibr")->isHidden());
        QVERIFY(standChild("LabMSG")->isHidden());
        QCOMPARE(standChild<QPushButton>("knKalibrovka")->text(), QStringLiteral("Калибровка"));
    }

    void refusedValueIsToldAndEarlierValuesStored_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("dx");
        QTest::newRow("a dX under 1 mm is refused and the dX kept")
            << QStringLiteral("txtDx") << QStringLiteral("0.9")
            << QStringLiteral("Введите корректное значение калибровки по  dX!") << 725;
        QTest::newRow("a zoom over 150 % is refused after the dX is stored")
            << QStringLiteral("txtTargetZoom") << QStringLiteral("151")
            << QStringLiteral("Корректирующий масштаб должен быть в пределах от 50 до 150%!") << 400;
    }
    void refusedValueIsToldAndEarlierValuesStored()
    {
        QFETCH(QString, field);
        QFETCH(QString, text);
        QFETCH(QString, message);
        child<QLineEdit>("txtDx")->setText(QStringLiteral("400.5"));
        child<QLineEdit>(field)->setText(text);
        QVERIFY(!m_cfg->ApplySettings());
        QCOMPARE(prompts(), QStringList{message});
        QCOMPARE(m_platform.boxes.first().icon, Icon::Exclamation);
        QCOMPARE(m_platform.boxes.first().buttons, Buttons::Ok);
        QTEST(int(m_base.KalibrDx), "dx");
        QCOMPARE(child<QLineEdit>(field)->text(), text); // the operator's text stays
    }

    void typedListEntriesAreNeverUsed_data()
    {
        QTest::addColumn<QString>("list");
        QTest::addColumn<QString>("text");
        QTest::addColumn<Finish>("finish");
        QTest::addColumn<QString>("message");
        const QString showTime = QStringLiteral("Укажите продолжительность паказа мишеней в одной сери!");
        const QString circle = QStringLiteral("Выберите размер круга из списка!");
        const QString pause = QStringLiteral("Выберите длительность паузы из списка!");
        const QString showTimes = QStringLiteral("cmbTargetShowTime");
        const QString circles = QStringLiteral("cmbKrug");
        const QString pauses = QStringLiteral("cmbPause");
        QTest::newRow("a show time typed and entered") << showTimes << "7" << Finish::Enter << showTime;
        QTest::newRow("a show time typed as an entry's text and left by Tab")
            << showTimes << "5" << Finish::Tab << showTime;
        QTest::newRow("a show time typed and OK clicked") << showTimes << "17" << Finish::ClickOk << showTime;
        QTest::newRow("a show time set as text") << showTimes << "7" << Finish::SetText << showTime;
        QTest::newRow("a circle size typed as the start of an entry's text and entered")
            << circles << "9" << Finish::Enter << circle;
        QTest::newRow("a pause typed as an entry's text and OK clicked") << pauses << "90" << Finish::ClickOk << pause;
    }
    void typedListEntriesAreNeverUsed()
    {
        QFETCH(QString, list);
        QFETCH(QString, text);
        QFETCH(Finish, finish);
        QFETCH(QString, message);
        typeInto(list, text, finish);
        if (QTest::currentTestFailed())
            return;
        leaveStandWhenOpen();
        finishTyping(child<EditableList>(list), finish);
        QWidget* focus = QApplication::focusWidget();
        QVERIFY(!m_cfg->ApplySettings());
        QCOMPARE(QApplication::focusWidget(), focus);
        QCOMPARE(prompts(), QStringList{message});
    }

    void entryChosenAfterTypingIsUsed_data()
    {
        QTest::addColumn<QString>("list");
        QTest::addColumn<QString>("text");
        QTest::addColumn<Finish>("finish");
        QTest::addColumn<int>("circleSize");
        QTest::addColumn<int>("pauseTime");
        QTest::newRow("Up from 5 cm chooses 4 cm") << QStringLiteral("cmbKrug") << "8 cm" << Finish::Up << 4 << 50;
        QTest::newRow("Down and Enter in the popup from 50 choose 60")
            << QStringLiteral("cmbPause") << "7" << Finish::Popup << 5 << 60;
    }
    void entryChosenAfterTypingIsUsed()
    {
        QFETCH(QString, list);
        QFETCH(QString, text);
        QFETCH(Finish, finish);
        typeInto(list, text, finish);
        if (QTest::currentTestFailed())
            return;
        finishTyping(child<EditableList>(list), finish);
        QVERIFY(m_cfg->ApplySettings());
        QTEST(int(m_base.CircleSize), "circleSize");
        QTEST(int(m_base.PauseTime), "pauseTime");
    }

    void optionsChooseTheirSettings()
    {
        using Options = std::tuple<int, int, int, int>; // players, targets, target type, pause mode
        const std::pair<const char*, Options> steps[] = {
            {"optMenKol0", {1, 3, 0, 0}},   {"optTargetKol0", {1, 0, 0, 0}},  {"optTargetType3", {1, 0, 3, 0}},
            {"optFixPause1", {1, 0, 3, 1}}, {"optTargetType4", {1, 0, 4, 1}}, {"optMenKol1", {2, 0, 4, 1}},
            {"optTargetKol1", {2, 3, 4, 1}}};
        for (const auto& [option, expected] : steps) {
            child<QRadioButton>(option)->click();
            QCOMPARE(
                Options(m_base.PlayerCount, m_base.TargetsPerPlayer, int(m_base.TargetType), int(m_base.PauseMode)),
                expected);
        }
    }

    void swatchesChooseTheColour()
    {
        QCOMPARE(child<QLabel>("labFon0")->text(), QStringLiteral("v"));
        constexpr int kSwatches = 7;
        for (int chosen = 0; chosen < kSwatches; ++chosen) {
            auto* swatch = child<QLabel>(QStringLiteral("labFon%1").arg(chosen));
            QTest::mouseClick(swatch, Qt::LeftButton);
            for (int i = 0; i < kSwatches; ++i)
                QCOMPARE(child<QLabel>(QStringLiteral("labFon%1").arg(i))->text(), i == chosen ? "V" : "");
            const QColor back = swatch->palette().color(QPalette::Window);
            QCOMPARE(uint32_t(back.blue() << 16 | back.green() << 8 | back.red()), m_base.StandBackColor);
            QVERIFY(std::abs(swatch->palette().color(QPalette::WindowText).lightness() - back.lightness()) > 60);
        }
    }

    void recommendedValuesAreChosenAgain()
    {
        const std::pair<const char*, const char*> typed[] = {{"txtDx", "500"},        {"txtDy", "501"},
                                                             {"txtTargetZoom", "80"}, {"txtOtstup_H", "12"},
                                                             {"txtOtstup_D", "15"},   {"txtMenInterval", "7"}};
        for (const auto& [name, text] : typed)
            child<QLineEdit>(name)->setText(QLatin1String(text));
        QTest::keyClicks(child("cmbKrug"), QStringLiteral("9"));
        for (const char* name : {"optMenKol0", "optTargetKol0", "optTargetType3", "optFixPause1", "labFon6"})
            QTest::mouseClick(child(name), Qt::LeftButton);
        QTest::mouseClick(child("knDef"), Qt::LeftButton);
        QVERIFY(m_cfg->ApplySettings());
        const Stored recommended{2, 3, 0, 0, 7, 8, 30, 725, 765, 100, 10, 20, 0, 0x404040}; // the colour stays
        QCOMPARE(stored(m_base), recommended);
    }

    void exitAsksBeforeEnding()
    {
        m_platform.answers = {Answer::No, Answer::Yes};
        QTest::keyClick(m_cfg, Qt::Key_Escape); // presses "Выход"
        QCOMPARE(m_platform.programEnds, 0);
        QVERIFY(m_cfg->isVisible());
        QTest::mouseClick(child("Command1"), Qt::LeftButton);
        QCOMPARE(m_platform.programEnds, 1);
        QCOMPARE(prompts(), QStringList{QStringLiteral("Закрыть программу?")});
        QCOMPARE(m_platform.boxes.first().icon, Icon::Question);
        QCOMPARE(m_platform.boxes.first().defaultButton, Answer::No);
    }

    void closeBoxEndsWithoutAsking()
    {
        m_cfg->close();
        QCOMPARE(m_platform.programEnds, 1);
        QVERIFY(m_platform.boxes.isEmpty());
    }

    void linkOpensTheMakersPage()
    {
        QWidget* link = child("lab_Href_MN");
        QCOMPARE(link->toolTip(), QStringLiteral(" Открыть сайт "));
        QCOMPARE(link->cursor().hotSpot(), QPoint(5, 1));
        QTest::mouseClick(link, Qt::LeftButton);
        QCOMPARE(m_platform.pagesOpened, QStringList{QStringLiteral("https://") + makerAddress()});
    }
};

QTEST_MAIN(TestSettings)
#include "tst_settings.moc"
