#include "ScriptedPlatform.h"
#include "StandProbe.h"
#include "platform/EditableList.h"
#include "settings/frmCfg.h"

#include <QTest>
#include <QtWidgets>

using namespace platform;

// The settings window as the operator uses it, offscreen.
class TestSettings : public QObject {
    Q_OBJECT
    template <typename W = QWidget> W* child(const QString& name) const { return m_cfg->findChild<W*>(name); }
    QStringList prompts() const // each once: Enter and OK may have asked already
    {
        QStringList list;
        for (const ShownBox& box : m_platform.boxes)
            list << box.prompt;
        return list.removeDuplicates(), list;
    }
    // The stand window, if it opens, must be modal; it is left at once with Esc and Yes.
    void leaveStandWhenOpen()
    {
        QTimer::singleShot(0, m_cfg, [this] {
            if (frmStend* stand = m_cfg->stand(); stand && stand->isVisible()) {
                QCOMPARE(stand->windowModality(), Qt::ApplicationModal);
                m_platform.answers = {Answer::Yes};
                QTest::keyClick(stand, Qt::Key_Escape);
            }
        });
    }
    QString settings() const
    {
        const Base& b = m_base;
        QString text;
        QDebug(&text) << b.PlayerCount << b.TargetsPerPlayer << int(b.TargetType) << int(b.PauseMode) << b.ShowTime
                      << b.CircleSize << b.PauseTime << b.KalibrDx << b.KalibrDy << b.TargetZoom << b.TopMargin
                      << b.BottomMargin << b.PlayerInterval << b.StandBackColor;
        return text.trimmed();
    }

    Base m_base;
    ScriptedPlatform m_platform;
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
        const QRect corner(0, 0, 8, 8);           // the painted background, frame lines and all
        QCOMPARE(m_cfg->grab(corner).toImage().convertToFormat(QImage::Format_RGB32),
                 QImage(":/background.png").copy(corner).convertToFormat(QImage::Format_RGB32));
        const QRect desk = m_cfg->screen()->availableGeometry(), frame = m_cfg->frameGeometry();
        QVERIFY((frame.center() - desk.center()).manhattanLength() <= 1); // in the middle of the desk
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
        QVERIFY(stand && !stand->isVisible() && stand->windowIcon().cacheKey() == m_cfg->windowIcon().cacheKey());
        stand->findChild<QWidget*>("knGo")->hide(), stand->findChild<QWidget*>("knStopKalibr")->show(),
            stand->findChild<QWidget*>("LabMSG")->show(), stand->findChild<QWidget*>("labTimer")->hide();
        stand->findChild<QPushButton*>("knKalibrovka")->setText(QString());
        m_cfg->swatchClick(3);
        leaveStandWhenOpen();
        child<QPushButton>("knStart")->click();
        QCOMPARE(m_cfg->stand(), stand); // prepared afresh
        QVERIFY(!stand->findChild<QWidget*>("knGo")->isHidden() &&
                !stand->findChild<QWidget*>("knKalibrovka")->isHidden() &&
                !stand->findChild<QWidget*>("labTimer")->isHidden());
        QVERIFY(stand->findChild<QWidget*>("knStopKalibr")->isHidden() &&
                stand->findChild<QWidget*>("LabMSG")->isHidden());
        QCOMPARE(stand->findChild<QPushButton*>("knKalibrovka")->text(), QStringLiteral("Калибровка"));
        QCOMPARE(StandProbe(*stand).surface().backColor(), 0x008080u);
    }

    void eachCheckHasItsMessage_data()
    {
        QTest::addColumn<QStringList>("typed"); // field, text, its message or "", dX afterwards (400.5 where not named)
        const QMap<QString, QString> messages{
            {"txtDx", "Введите корректное значение калибровки по  dX!"},
            {"txtDy", "Введите корректное значение калибровки по  dY"},
            {"txtTargetZoom", "Корректирующий масштаб должен быть в пределах от 50 до 150%!"},
            {"txtOtstup_H", "Неиспользуемая область экрана сверху должна быть в пределах от 5 до 20%!"},
            {"txtOtstup_D", "Неиспользуемая область экрана снизу должна быть в пределах от 0 до 40%!"},
            {"txtMenInterval", "Интервал между спортсменами должен быть в пределах от 0 до 20%!"}};
        for (const char* row :
             {"txtDx|0.9|refused|725", "txtDx|1||1", "txtDx|1e5|refused|725", "txtDx|6 25||625", "txtDy||refused|400",
              "txtTargetZoom|50||400", "txtTargetZoom|151|refused|400", "txtTargetZoom|1e2||400",
              "txtTargetZoom|abc|refused|400", "txtOtstup_H|5||400", "txtOtstup_H|21|refused|400", "txtOtstup_D|0||400",
              "txtOtstup_D|41|refused|400", "txtMenInterval|20||400", "txtMenInterval|21|refused|400"}) {
            QStringList typed = QString(row).split(u'|');
            typed[2] = typed[2].isEmpty() ? "" : messages[typed[0]];
            QTest::newRow(row) << typed;
        }
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
        for (const ShownBox& box : m_platform.boxes)
            QVERIFY(box.icon == Icon::Exclamation && box.buttons == Buttons::Ok &&
                    box.title == QStringLiteral(" quorrin.example.org "));
    }

    void typedListEntriesAreNeverUsed_data()
    {
        // Lists typed into in this order, the text, how the last one is left, the list refused or the value taken.
        QTest::addColumn<QStringList>("typed");
        for (const char* row :
             {"cmbTargetShowTime|7|Enter|cmbTargetShowTime", "cmbTargetShowTime|5|Tab|cmbTargetShowTime",
              "cmbTargetShowTime|17|OK|cmbTargetShowTime", "cmbTargetShowTime|7|setText|cmbTargetShowTime",
              "cmbKrug|8 cm|Enter|cmbKrug", "cmbPause|90|OK|cmbPause",
              "cmbKrug cmbTargetShowTime|9|Tab|cmbTargetShowTime", "cmbPause cmbKrug|10|Tab|cmbKrug",
              "cmbKrug|8 cm|Up|4", "cmbPause|7|popup|60"})
            QTest::newRow(row) << QString(row).split(u'|');
    }
    void typedListEntriesAreNeverUsed()
    {
        QFETCH(QStringList, typed);
        const QString text = typed[1], finish = typed[2], outcome = typed[3];
        EditableList* list = nullptr;
        for (const QString& name : typed[0].split(u' ')) {
            list = child<EditableList>(name);
            list->setFocus();
            list->lineEdit()->selectAll();
            if (finish == "setText")
                list->lineEdit()->setText(text);
            else
                QTest::keyClicks(list, text);
            QCOMPARE(list->currentText(), text); // nor completed
        }
        leaveStandWhenOpen();
        const std::map<QString, Qt::Key> keys{{"Enter", Qt::Key_Return}, {"Tab", Qt::Key_Tab}, {"Up", Qt::Key_Up}};
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
        const QMap<QString, QString> messages{
            {"cmbTargetShowTime", "Укажите продолжительность паказа мишеней в одной сери!"},
            {"cmbKrug", "Выберите размер круга из списка!"},
            {"cmbPause", "Выберите длительность паузы из списка!"}};
        QCOMPARE(m_cfg->ApplySettings(), accepted);
        QCOMPARE(QApplication::focusWidget(), focus);
        QCOMPARE(prompts(), accepted ? QStringList() : QStringList{messages[outcome]});
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
    }

    void exitCloseBoxAndLink()
    {
        m_platform.answers = {Answer::No};
        QTest::keyClick(m_cfg, Qt::Key_Escape);
        QCOMPARE(prompts(), QStringList{QStringLiteral("Закрыть программу?")});
        QVERIFY(m_platform.boxes[0].icon == Icon::Question && m_platform.boxes[0].defaultButton == Answer::No);
        QVERIFY(m_platform.programEnds == 0 && m_cfg->isVisible());
        m_platform.answers = {Answer::Yes};
        QTest::mouseClick(child("Command1"), Qt::LeftButton);
        QCOMPARE(m_platform.programEnds, 1);

        QWidget* link = child("lab_Href_MN");
        QVERIFY(link->toolTip() == QStringLiteral(" Открыть сайт ") && link->cursor().hotSpot() == QPoint(5, 1));
        QTest::mouseClick(link, Qt::LeftButton);
        QCOMPARE(m_platform.pagesOpened, QStringList{QStringLiteral("https://quorrin.example.org")});
        m_cfg->close();
        QVERIFY(m_platform.boxes.size() == 2 && m_platform.programEnds == 2); // the close box asks nothing
    }
};

QTEST_MAIN(TestSettings)
#include "tst_settings.moc"
