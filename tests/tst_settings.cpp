#include "ScriptedPlatform.h"
#include "platform/EditableList.h"
#include "settings/window/frmCfg.h"
#include "stand/window/frmStend.h"

#include <QTest>
#include <QtWidgets>

using namespace platform;

// What the settings hold of what the window shows: players, targets, target type, pause mode,
// show time, circle size, pause, dX, dY, zoom, top, bottom, interval and colour.
using Stored = std::tuple<int, int, int, int, int, int, int, int, int, int, int, int, int, uint32_t>;

Stored stored(const Base& b)
{
    return {b.PlayerCount,    b.TargetsPerPlayer,    int(b.TargetType), int(b.PauseMode),
            b.ShowTime,       b.CircleSize,          b.PauseTime,       b.KalibrDx,
            b.KalibrDy,       b.TargetZoom,          b.TopMargin,       b.BottomMargin,
            b.PlayerInterval, b.StandBackColor.value};
}

// What a click stores at once: players, targets, target type, pause mode and colour.
QList<qint64> chosen(const Base& b)
{
    return {b.PlayerCount, b.TargetsPerPlayer, qint64(b.TargetType), qint64(b.PauseMode), b.StandBackColor.value};
}

// What the stand window showed while it was open.
struct StandSeen {
    bool shown = false;
    QString focus;
    QColor background;
    QPoint centre;
};

// The settings window as the operator uses it, offscreen.
class TestSettings : public QObject {
    Q_OBJECT
    template <typename W = QWidget> W* child(const QString& name) const { return m_cfg->findChild<W*>(name); }
    // The stand window, if it opens, is left at once with Esc and Yes; what it showed is
    // recorded for the test to compare afterwards, so that a failure cannot keep it open.
    void leaveStandWhenOpen()
    {
        QTimer::singleShot(0, m_cfg, [this] {
            auto* stand = m_cfg->findChild<frmStend*>();
            if (!stand || !stand->isVisible())
                return;
            m_seen.shown = stand->windowModality() == Qt::ApplicationModal;
            m_seen.focus = stand->focusWidget() ? stand->focusWidget()->objectName() : QString();
            const QPoint corner(stand->width() - 2, stand->height() - 2); // nothing but background there
            m_seen.background = stand->grab(QRect(corner, QSize(1, 1))).toImage().pixelColor(0, 0);
            m_seen.centre = stand->geometry().center();
            m_platform.answers = {Answer::Yes};
            QTest::keyClick(stand, Qt::Key_Escape);
        });
    }
    void type(const char* field, const char* text) { child<QLineEdit>(field)->setText(QString::fromUtf8(text)); }
    void ok()
    {
        leaveStandWhenOpen();
        QTest::mouseClick(child("knStart"), Qt::LeftButton);
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

    void controls_data()
    {
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<QList<qint64>>("stored");
        QTest::addColumn<QString>("marked"); // the swatch marked "V"; none while the start's "v" stands
        QTest::addColumn<double>("points");
        QTest::addColumn<bool>("bold");
        const auto row = [](const char* name, QStringList clicks, QList<qint64> stored, double points = 9.75,
                            bool bold = false, QString marked = {}) {
            QTest::newRow(name) << clicks << stored << marked << points << bold;
        };
        row("Один", {"optMenKol0"}, {1, 3, 0, 0, 0x808080});
        row("Два", {"optMenKol0", "optMenKol1"}, {2, 3, 0, 0, 0x808080});
        row("Одна stores 0", {"optTargetKol0"}, {2, 0, 0, 0, 0x808080});
        row("Три", {"optTargetKol0", "optTargetKol1"}, {2, 3, 0, 0, 0x808080});
        const auto kind = [](TargetCode code) {
            return qint64(code);
        };
        row("Unifight", {"optTargetType3", "optTargetType0"}, {2, 3, kind(TargetCode::Unifight), 0, 0x808080});
        row("Euro", {"optTargetType1"}, {2, 3, kind(TargetCode::Euro), 0, 0x808080});
        row("Круг", {"optTargetType2"}, {2, 3, kind(TargetCode::Krug), 0, 0x808080});
        row("Квадрат", {"optTargetType3"}, {2, 3, kind(TargetCode::Kvadrat), 0, 0x808080});
        row("Случайная", {"optTargetType4"}, {2, 3, kind(TargetCode::Random), 0, 0x808080});
        row("key pause", {"optFixPause1"}, {2, 3, 0, qint64(PauseCode::Keys), 0x808080});
        row("fixed pause", {"optFixPause1", "optFixPause0"}, {2, 3, 0, 0, 0x808080});
        row("teal swatch", {"labFon3"}, {2, 3, 0, 0, 0x008080}, 12, true, "labFon3");
        row("near black swatch", {"labFon3", "labFon5"}, {2, 3, 0, 0, 0x101010}, 12, true, "labFon5");
        row("Рекомендуемые keeps the colour",
            {"optMenKol0", "optTargetKol0", "optTargetType2", "optFixPause1", "labFon6", "knDef"},
            {2, 3, 0, 0, 0x404040}, 12, false, "labFon6");
        row("Выход and Нет", {"Command1"}, {2, 3, 0, 0, 0x808080}, 12);
        row("OK", {"knStart"}, {2, 3, 0, 0, 0x808080}, 12, true);
        row("a list", {"cmbKrug"}, {2, 3, 0, 0, 0x808080});
        row("a field", {"txtDx"}, {2, 3, 0, 0, 0x808080});
        row("a label", {"Label4"}, {2, 3, 0, 0, 0x808080});
    }
    // Each choice reaches the settings at once and changes nothing else; every control in its font.
    void controls()
    {
        QFETCH(QStringList, clicks);
        QFETCH(QString, marked);
        for (const QString& name : clicks) {
            leaveStandWhenOpen();
            QTest::mouseClick(child(name), Qt::LeftButton);
        }
        QTEST(chosen(m_base), "stored");
        for (int swatch = 0; swatch < 7; ++swatch) {
            const QString name = QString("labFon%1").arg(swatch);
            const QString mark = name == marked ? "V" : marked.isEmpty() && swatch == 0 ? "v" : "";
            QCOMPARE(child<QLabel>(name)->text(), mark);
        }
        QTEST(child(clicks.last())->font().pointSizeF(), "points");
        QTEST(child(clicks.last())->font().bold(), "bold");
    }

    // Tab goes through the fields in the order the operator fills them in, from OK, which has the focus.
    void tabOrder()
    {
        QStringList visited;
        for (QWidget* at = QApplication::focusWidget(); visited.size() < 17; at = QApplication::focusWidget()) {
            visited << (at->objectName().isEmpty() ? at->parentWidget()->objectName() : at->objectName());
            QTest::keyClick(at, Qt::Key_Tab);
        }
        QCOMPARE(visited,
                 (QStringList{"knStart", "optMenKol1", "optTargetKol1", "optTargetType0", "cmbTargetShowTime", "txtDx",
                              "txtDy", "cmbKrug", "cmbPause", "optFixPause0", "Command1", "txtTargetZoom",
                              "txtOtstup_D", "txtOtstup_H", "knDef", "txtMenInterval", "knStart"}));
    }

    // Centred on the screen, title bar and all; each colour swatch in a single-line border; the link's tooltip.
    void asItOpens()
    {
        const QPoint off = m_cfg->frameGeometry().center() - m_cfg->screen()->availableGeometry().center();
        QVERIFY2(off.manhattanLength() <= 1, qPrintable(QDebug::toString(off)));
        const QImage swatch = child("labFon2")->grab().toImage();
        QCOMPARE(swatch.pixelColor(swatch.width() / 2, 1), QColor(224, 224, 224));
        QVERIFY(swatch.pixelColor(swatch.width() / 2, 0) != QColor(224, 224, 224));
        QCOMPARE(child("lab_Href_MN")->toolTip(), QStringLiteral(" Открыть сайт "));
        const QImage picture(":/background.png");
        const QImage shown = m_cfg->grab().toImage();
        for (int x = 520; x < 780; ++x) // across the emblem, where no control stands
            QCOMPARE(shown.pixel(x, 100), picture.pixel(x, 100));
    }

    void okStoresTheShownValuesAndShowsTheStand()
    {
        const Stored atStart{2, 3, 0, 0, 5, 5, 30, 725, 765, 100, 10, 20, 0, 0x808080};
        QCOMPARE(stored(m_base), atStart);
        auto* showTime = child<QComboBox>("cmbTargetShowTime");
        showTime->setCurrentIndex(showTime->findText(QStringLiteral("9")));
        type("txtDx", "61234"); // four digits at most
        type("txtDy", "634");
        type("txtTargetZoom", "80");
        type("txtOtstup_H", "12");
        type("txtOtstup_D", "15");
        type("txtMenInterval", "7");
        leaveStandWhenOpen();
        QTest::keyClick(m_cfg, Qt::Key_Return);                                         // presses OK
        const Stored afterOk{2, 3, 0, 0, 9, 5, 50, 6123, 634, 80, 12, 15, 7, 0x808080}; // the pause list's 50 too
        QCOMPARE(stored(m_base), afterOk);
        QVERIFY(m_seen.shown);
        QCOMPARE(m_seen.focus, QStringLiteral("knGo"));
        QCOMPARE(m_seen.background, QColor(128, 128, 128));
        QVERIFY((m_seen.centre - m_cfg->frameGeometry().center()).manhattanLength() <= 2); // over the settings
        QVERIFY(!m_cfg->findChild<frmStend*>()->isVisible());
    }

    // "Рекомендуемые" puts back the recommended entries and texts, which the next OK takes, every one within its
    // limits (the gap of 0 at its lowest).
    void recommendedValues()
    {
        for (const char* list : {"cmbKrug", "cmbTargetShowTime", "cmbPause"})
            child<QComboBox>(list)->setCurrentIndex(0);
        for (const char* field : {"txtDx", "txtDy", "txtTargetZoom", "txtOtstup_H", "txtOtstup_D", "txtMenInterval"})
            type(field, "7");
        QTest::mouseClick(child("knDef"), Qt::LeftButton);
        ok();
        QCOMPARE(stored(m_base), (Stored{2, 3, 0, 0, 7, 8, 30, 725, 765, 100, 10, 20, 0, 0x808080}));
        QVERIFY(m_seen.shown);
    }

    // A list's text typed over is never taken for an entry, nor completed to one.
    void typedListEntriesAreNeverUsed()
    {
        auto* list = child<EditableList>("cmbKrug");
        list->setFocus();
        list->lineEdit()->selectAll();
        QTest::keyClicks(list, QStringLiteral("9")); // the start of "9 cm"
        leaveStandWhenOpen();
        QTest::keyClick(list, Qt::Key_Return);
        QCOMPARE(m_platform.boxes.value(0).prompt, QStringLiteral("Выберите размер круга из списка!"));
        QVERIFY(!m_seen.shown);
    }
    // Every control that takes a click takes it at each point of its box that its parent shows: no label or
    // frame lies over it.
    void everyPointOfAControlTakesItsClick()
    {
        for (QWidget* control : m_cfg->findChildren<QWidget*>()) {
            const bool takesClicks = control->inherits("QAbstractButton") || control->inherits("QComboBox") ||
                                     control->inherits("QLineEdit") || control->inherits("ClickLabel");
            if (!takesClicks || control->objectName().isEmpty())
                continue;
            const QRect shown = control->rect() & control->parentWidget()->rect().translated(-control->pos());
            for (int x = shown.left(); x <= shown.right(); x += 2) {
                for (int y = shown.top(); y <= shown.bottom(); y += 2) {
                    QWidget* hit = m_cfg->childAt(control->mapTo(m_cfg, QPoint(x, y)));
                    QVERIFY2(hit == control || control->isAncestorOf(hit),
                             qPrintable(QString("%1 at %2, %3").arg(control->objectName()).arg(x).arg(y)));
                }
            }
        }
    }

    // The whole box of an option button is the button: a click in any of its corners chooses it.
    void optionButtonsAreChosenAtTheirCorners()
    {
        for (QRadioButton* option : m_cfg->findChildren<QRadioButton*>()) {
            const auto group = option->parentWidget()->findChildren<QRadioButton*>();
            QRadioButton* other = group.first() == option ? group.last() : group.first();
            const QRect box = option->rect();
            for (const QPoint corner : {box.topLeft(), box.topRight(), box.bottomLeft(), box.bottomRight()}) {
                other->setChecked(true);
                QTest::mouseClick(option, Qt::LeftButton, {}, corner);
                QVERIFY2(option->isChecked(), qPrintable(option->objectName()));
            }
        }
    }

    // "Выход" asks before it ends the program, the close box does not; the link opens the maker's page.
    void exitAndLink()
    {
        QTest::mouseClick(child("lab_Href_MN"), Qt::LeftButton);
        QCOMPARE(m_platform.pages, QStringList{"https://quorrin.example.org"});
        m_platform.answers = {Answer::No, Answer::Yes};
        QTest::keyClick(m_cfg, Qt::Key_Escape); // presses "Выход"
        QCOMPARE(m_platform.programEnds, 0);
        QTest::mouseClick(child("Command1"), Qt::LeftButton);
        QCOMPARE(m_platform.programEnds, 1);
        QCOMPARE(m_platform.boxes.value(0).prompt, QStringLiteral("Закрыть программу?"));
        m_cfg->close(); // the close box ends without asking
        QCOMPARE(m_platform.programEnds, 2);
    }
};

QTEST_MAIN(TestSettings)
#include "tst_settings.moc"
