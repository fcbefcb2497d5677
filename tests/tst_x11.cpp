// The Linux platform on a real X server under a real window manager: xdotool's hands, X's own answers.
#include "platform/QtPlatform.h"

#include <QFile>
#include <QMouseEvent>
#include <QProcess>
#include <QRegularExpression>
#include <QtTest>

static QString xdo(const QString& arguments)
{
    QProcess xdotool;
    xdotool.start("xdotool", arguments.split(' ', Qt::SkipEmptyParts));
    return xdotool.waitForFinished() ? QString::fromUtf8(xdotool.readAllStandardOutput()).trimmed() : QString();
}

// A borderless window that, like the stand, hands every press to the platform's drag.
class Draggable : public QWidget {
public:
    explicit Draggable(platform::Platform& platform)
        : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint)
        , m_platform(platform)
    {
    }
    // Where the X server has the window, whatever Qt believes.
    QPoint placed() const
    {
        const auto at =
            QRegularExpression("Position: (-?\\d+),(-?\\d+)").match(xdo(QString("getwindowgeometry %1").arg(winId())));
        return {at.captured(1).toInt(), at.captured(2).toInt()};
    }

protected:
    void mousePressEvent(QMouseEvent* event) override
    {
        m_platform.startWindowDrag(this, event->position().toPoint());
        pressed = true;
    }

public:
    bool pressed = false;

private:
    platform::Platform& m_platform;
};

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

    // The first drag of a window just shown moves it by just as far as the pointer went.
    void firstDragMovesByThePointer()
    {
        Draggable window(m_platform);
        window.winId(); // made before it is placed, as the stand window is
        window.setGeometry(300, 200, 400, 300);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTRY_COMPARE(window.placed(), QPoint(300, 200));
        xdo(QString("mousemove --window %1 50 20 mousedown 1").arg(window.winId()));
        QTRY_VERIFY(window.pressed); // and handed on to the window manager
        for (int step = 0; step < 3; ++step)
            xdo("mousemove_relative -- 40 -20");
        xdo("mouseup 1");
        QTRY_COMPARE(window.placed(), QPoint(420, 140));
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
