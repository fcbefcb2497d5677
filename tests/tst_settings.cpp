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

// The settings window as the operator uses it, offscreen.
class TestSettings : public QObject {
    Q_OBJECT
    template <typename W = QWidget> W* child(const QString& name) const { return m_cfg->findChild<W*>(name); }
    QStringList prompts() const
    {
        QStringList list;
        for (const platform::ShownBox& box : m_platform.boxes)
            list << box.prompt;
        list.removeDuplicates();
        return list;
    }
    // The stand window, if it opens, must be modal; it is left at once with Esc and Yes.
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
    QString settings() const
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

private slots:
    void init()
    {
        m_base = Base{};
        m_platform = {};
        m_cfg = new frmCfg(m_base, m_platform);
        m_cfg->show();
        QVERIFY(QTest::qWaitForWindowActive(m_cfg));
    }
    void cleanup() { delete m_cfg; }

    void controlsFitTheirPlaces()
    {
        QCOMPARE(m_cfg->windowTitle(), QStringLiteral(" Quorrin: настройка параметров отображения мишеней на стенде"));
        QCOMPARE(m_cfg->size(), QSize(789, 568)); // 11835 x 8520 twips at 96 dots per inch
        const QRect desk = m_cfg->screen()->availableGeometry(), frame = m_cfg->frameGeometry();
        QVERIFY(std::abs(frame.left() - desk.left() - (desk.right() - frame.right())) <= 1);
        QVERIFY(std::abs(frame.top() - desk.top() - (desk.bottom() - frame.bottom())) <= 1);
        QList<QWidget*> controls;
        for (QWidget* w : m_cfg->findChildren<QWidget*>())
            if (!w->objectName().isEmpty() && !w->objectName().startsWith(QLatin1String("qt_")))
                controls << w;
        // What a control shows: of a plain label only its text, in the font it uses.
        const auto shown = [this](QWidget* w) {
            const QRect r(w->mapTo(m_cfg, QPoint()), w->size());
            auto* label = qobject_cast<QLabel*>(w);
            return label && label->frameShape() == QFrame::NoFrame
                       ? label->fontMetrics().boundingRect(r, Qt::TextWordWrap | label->alignment(), label->text())
                       : r;
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
        QVERIFY(child("knStart")->font().bold() && child("labFon0")->font().bold() && !child("knDef")->font().bold());
        QCOMPARE(child("txtDx")->palette().color(QPalette::Base), QColor(195, 195, 195));
        QCOMPARE(child("optMenKol0")->palette().color(QPalette::Window), QColor(195, 195, 195));
        QCOMPARE(child("cmbKrug")->palette().color(QPalette::Button), QColor(192, 192, 192));

        const QString designed = "knStart optMenKol1 optMenKol0 optTargetKol1 optTargetKol0 optTargetType0 "
                                 "optTargetType1 cmbTargetShowTime txtDx txtDy optTargetType2 optTargetType3 cmbKrug "
                                 "cmbPause optFixPause0 optFixPause1 Command1 txtTargetZoom txtOtstup_D txtOtstup_H "
                                 "knDef txtMenInterval optTargetType4 knStart";
        QStringList tabOrder{"knStart"};
        for (QWidget* w = child("knStart")->nextInFocusChain(); tabOrder.last() != "knStart" || tabOrder.size() == 1;
             w = w->nextInFocusChain())
            if (controls.contains(w) && w->focusPolicy() & Qt::TabFocus)
                tabOrder << w->objectName();
        QCOMPARE(tabOrder.join(u' '), designed);
        QCOMPARE(QApplication::focusWidget(), child("knStart"));
    }

    void okCopiesTheShownValuesAndPreparesTheStand()
    {
        QCOMPARE(settings(), QStringLiteral("2 3 0 0 5 5 30 725 765 100 10 20 0 8421504"));
        QCOMPARE(child<QComboBox>("cmbPause")->currentText(), QStringLiteral("50")); // copied only by OK
        for (const auto& [name, text] :
             {std::pair("txtTargetZoom", "80"), {"txtOtstup_H", "12"}, {"txtOtstup_D", "15"}, {"txtMenInterval", "7"}})
            child<QLineEdit>(name)->setText(QLatin1String(text));
        leaveStandWhenOpen();
        QTest::keyClick(m_cfg, Qt::Key_Return); // presses OK
        QCOMPARE(settings(), QStringLiteral("2 3 0 0 5 5 50 725 765 80 12 15 7 8421504"));
        QCOMPARE(prompts(), QStringList{QStringLiteral("Прекратить отображение мишеней?")}); // the stand's only
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
        QCOMPARE(m_cfg->stand(), stand); // prepared afresh
        QVERIFY(!stand->knGo()->isHidden() && !stand->knKalibrovka()->isHidden() && !stand->labTimer()->isHidden());
        QVERIFY(stand->knStopKalibr()->isHidden() && stand->LabMSG()->isHidden());
        QCOMPARE(stand->knKalibrovka()->text(), QStringLiteral("Калибровка"));
        QCOMPARE(stand->surface().backColor(), 0x008080u);
    }

    void eachCheckHasItsMessage_data()
    {
        QTest::addColumn<QStringList>("typed"); // field, text, message, dX afterwards (typed 400.5 where not named)
        const QString dx = "Введите корректное значение калибровки по  dX!",
                      zoom = "Корректирующий масштаб должен быть в пределах от 50 до 150%!";
        QTest::newRow("dX 0.9") << QStringList{"txtDx", "0.9", dx, "725"};
        QTest::newRow("dX 1") << QStringList{"txtDx", "1", "", "1"};
        QTest::newRow("dX 1e5 does not fit") << QStringList{"txtDx", "1e5", dx, "725"};
        QTest::newRow("dX with a blank inside") << QStringList{"txtDx", "6 25", "", "625"};
        QTest::newRow("empty dY") << QStringList{"txtDy", "", "Введите корректное значение калибровки по  dY", "400"};
        QTest::newRow("zoom 50") << QStringList{"txtTargetZoom", "50", "", "400"};
        QTest::newRow("zoom 151") << QStringList{"txtTargetZoom", "151", zoom, "400"};
        QTest::newRow("zoom 1e2") << QStringList{"txtTargetZoom", "1e2", "", "400"};
        QTest::newRow("zoom of letters") << QStringList{"txtTargetZoom", "abc", zoom, "400"};
        const QString top = "Неиспользуемая область экрана сверху должна быть в пределах от 5 до 20%!";
        QTest::newRow("top 5") << QStringList{"txtOtstup_H", "5", "", "400"};
        QTest::newRow("top 21") << QStringList{"txtOtstup_H", "21", top, "400"};
        const QString bottom = "Неиспользуемая область экрана снизу должна быть в пределах от 0 до 40%!";
        QTest::newRow("bottom 0") << QStringList{"txtOtstup_D", "0", "", "400"};
        QTest::newRow("bottom 41") << QStringList{"txtOtstup_D", "41", bottom, "400"};
        const QString interval = "Интервал между спортсменами должен быть в пределах от 0 до 20%!";
        QTest::newRow("interval 20") << QStringList{"txtMenInterval", "20", "", "400"};
        QTest::newRow("interval 21") << QStringList{"txtMenInterval", "21", interval, "400"};
    }
    void eachCheckHasItsMessage()
    {
        QFETCH(QStringList, typed);
        child<QLineEdit>("txtDx")->setText(QStringLiteral("400.5"));
        child<QLineEdit>(typed[0])->setText(typed[1]);
        QCOMPARE(m_cfg->ApplySettings(), typed[2].isEmpty());
        QCOMPARE(prompts(), typed[2].isEmpty() ? QStringList() : QStringList{typed[2]});
        QCOMPARE(QString::number(m_base.KalibrDx), typed[3]);
        QCOMPARE(child<QLineEdit>(typed[0])->text(), typed[1]); // the operator's text stays
        for (const platform::ShownBox& box : m_platform.boxes)
            QVERIFY(box.icon == platform::Icon::Exclamation && box.buttons == platform::Buttons::Ok &&
                    box.title == QStringLiteral(" quorrin.example.org "));
    }

    void typedListEntriesAreNeverUsed_data()
    {
        // Lists typed into in this order, the text, how the last one is left, the message or the value it gives.
        QTest::addColumn<QStringList>("typed");
        const QString showTime = "Укажите продолжительность паказа мишеней в одной сери!";
        const QString circle = "Выберите размер круга из списка!", pause = "Выберите длительность паузы из списка!";
        QTest::newRow("show time: another entry, Enter") << QStringList{"cmbTargetShowTime", "7", "Enter", showTime};
        QTest::newRow("show time: its own entry, Tab") << QStringList{"cmbTargetShowTime", "5", "Tab", showTime};
        QTest::newRow("show time: no entry, click on OK") << QStringList{"cmbTargetShowTime", "17", "OK", showTime};
        QTest::newRow("show time: set without keys") << QStringList{"cmbTargetShowTime", "7", "setText", showTime};
        QTest::newRow("circle: another entry, Enter") << QStringList{"cmbKrug", "8 cm", "Enter", circle};
        QTest::newRow("pause: another entry, click on OK") << QStringList{"cmbPause", "90", "OK", pause};
        QTest::newRow("show time before circle") << QStringList{"cmbKrug", "cmbTargetShowTime", "9", "Tab", showTime};
        QTest::newRow("circle before pause") << QStringList{"cmbPause", "cmbKrug", "10", "Tab", circle};
        QTest::newRow("circle: typed, next entry by key") << QStringList{"cmbKrug", "8 cm", "Down", "6"};
        QTest::newRow("pause: typed, chosen from the drop-down") << QStringList{"cmbPause", "7", "popup", "60"};
    }
    void typedListEntriesAreNeverUsed()
    {
        QFETCH(QStringList, typed);
        const QString text = typed[typed.size() - 3], finish = typed[typed.size() - 2], outcome = typed.last();
        auto* list = child<EditableList>(typed[0]);
        for (int i = 0; i < typed.size() - 3; ++i) {
            list = child<EditableList>(typed[i]);
            list->setFocus();
            list->lineEdit()->selectAll();
            if (finish == "setText")
                list->lineEdit()->setText(text);
            else
                QTest::keyClicks(list, text);
        }
        leaveStandWhenOpen();
        const std::map<QString, Qt::Key> keys{{"Enter", Qt::Key_Return}, {"Tab", Qt::Key_Tab}, {"Down", Qt::Key_Down}};
        if (keys.contains(finish))
            QTest::keyClick(list, keys.at(finish));
        if (finish == "OK")
            QTest::mouseClick(child("knStart"), Qt::LeftButton);
        if (finish == "popup") {
            list->showPopup();
            QTest::keyClick(list->view(), Qt::Key_Down);
            QTest::keyClick(list->view(), Qt::Key_Return);
        }
        QWidget* focus = QApplication::focusWidget();
        const bool accepted = outcome.front().isDigit();
        QCOMPARE(m_cfg->ApplySettings(), accepted);
        QCOMPARE(QApplication::focusWidget(), focus);
        QCOMPARE(prompts(), accepted ? QStringList() : QStringList{outcome}); // Enter and OK asked once already
        if (accepted)
            QCOMPARE(QString::number(list == child("cmbKrug") ? m_base.CircleSize : m_base.PauseTime), outcome);
    }

    void optionsSwatchesAndRecommendedValues()
    {
        const std::pair<const char*, const char*> options[] = {
            {"optMenKol0", "1 3 0 0"},   {"optTargetKol0", "1 0 0 0"},  {"optTargetType3", "1 0 3 0"},
            {"optFixPause1", "1 0 3 1"}, {"optTargetType4", "1 0 4 1"}, {"optMenKol1", "2 0 4 1"},
            {"optTargetKol1", "2 3 4 1"}};
        for (const auto& [name, expected] : options) {
            child<QRadioButton>(name)->click();
            QCOMPARE(settings().left(7), QLatin1String(expected));
        }
        QCOMPARE(child<QLabel>("labFon0")->text(), QStringLiteral("v"));
        for (int chosen = 0; chosen < 7; ++chosen) {
            auto* swatch = child<QLabel>(QStringLiteral("labFon%1").arg(chosen));
            QTest::mouseClick(swatch, Qt::LeftButton);
            for (int i = 0; i < 7; ++i)
                QCOMPARE(child<QLabel>(QStringLiteral("labFon%1").arg(i))->text(), i == chosen ? "V" : "");
            const QColor back = swatch->palette().color(QPalette::Window);
            QCOMPARE(uint32_t(back.blue() << 16 | back.green() << 8 | back.red()), m_base.StandBackColor);
            QVERIFY(std::abs(swatch->palette().color(QPalette::WindowText).lightness() - back.lightness()) > 60);
        }
        child<QLineEdit>("txtDx")->setText(QStringLiteral("500"));
        child<QLineEdit>("txtTargetZoom")->setText(QStringLiteral("80"));
        QTest::keyClicks(child("cmbKrug"), QStringLiteral("9"));
        for (const char* name : {"optMenKol0", "optTargetKol0"}) // away from the recommended choices
            child<QRadioButton>(name)->click();
        QTest::mouseClick(child("knDef"), Qt::LeftButton);
        QVERIFY(m_cfg->ApplySettings());
        QCOMPARE(settings(), QStringLiteral("2 3 0 0 7 8 30 725 765 100 10 20 0 4210752")); // the colour stays
        QStringList texts;
        for (const char* name : {"txtTargetZoom", "txtOtstup_H", "txtOtstup_D", "txtDx", "txtDy", "txtMenInterval"})
            texts << child<QLineEdit>(name)->text();
        QCOMPARE(texts.join(u' '), QStringLiteral("100 10 20 725 765 0"));
    }

    void exitCloseBoxAndLink()
    {
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
        m_cfg->close();
        QCOMPARE(m_platform.boxes.size(), 2); // the close box asks nothing
        QCOMPARE(m_platform.programEnds, 2);
    }
};

QTEST_MAIN(TestSettings)
#include "tst_settings.moc"
