// The stand on a real X server under a real window manager: xdotool's hands, X's own answers.
#include "platform/QtPlatform.h"
#include "settings/Base.h"
#include "stand/window/frmStend.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QtTest>

static QString xdo(const QString& arguments)
{
    QProcess xdotool;
    xdotool.start("xdotool", arguments.split(' ', Qt::SkipEmptyParts));
    return xdotool.waitForFinished() ? QString::fromUtf8(xdotool.readAllStandardOutput()).trimmed() : QString();
}

// Where the X server has the window, whatever Qt believes.
static QPoint placed(const QWidget& window)
{
    const auto at = QRegularExpression("Position: (-?\\d+),(-?\\d+)")
                        .match(xdo(QString("getwindowgeometry %1").arg(window.winId())));
    return {at.captured(1).toInt(), at.captured(2).toInt()};
}

class TestX11 : public QObject {
    Q_OBJECT
    QProcess m_windowManager;
    platform::QtPlatform m_platform;

private slots:
    void initTestCase()
    {
        m_windowManager.start("openbox", {"--sm-disable"});
        QTRY_VERIFY(xdo("get_num_desktops").toInt() > 0);
    }
    void cleanupTestCase() { m_windowManager.close(); }

    // The first drag of the stand just shown, by the strip above its lanes, moves it by just as far as the
    // pointer went.
    void firstDragMovesByThePointer()
    {
        Base base;
        SetDefaults(base, std::nullopt);
        frmStend stand(base, m_platform);
        stand.winId(); // made before it is placed, as the program makes it
        stand.setGeometry(300, 200, 400, 300);
        stand.prepareForShowing();
        stand.show();
        QVERIFY(QTest::qWaitForWindowExposed(&stand));
        QTRY_COMPARE(placed(stand), QPoint(300, 200));
        xdo(QString("mousemove --window %1 50 20 mousedown 1").arg(stand.winId()));
        QTRY_VERIFY(QGuiApplication::mouseButtons() & Qt::LeftButton); // the press reached the stand
        for (int step = 0; step < 3; ++step)
            xdo("mousemove_relative -- 40 -20");
        xdo("mouseup 1");
        QTRY_COMPARE(placed(stand), QPoint(420, 140));
    }

    // The tone comes as a module when a show starts: loaded, it is in the program's memory.
    void toneModuleLoads()
    {
        const auto loaded = [] {
            QFile maps("/proc/self/maps");
            return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("quorrin-tone.so");
        };
        QVERIFY(!loaded());
        m_platform.prepareBeep();
        QVERIFY(loaded());
        m_platform.beep(500, 300); // with no sound server it plays nothing and returns
    }
};

QTEST_MAIN(TestX11)
#include "tst_x11.moc"
