#pragma once

#include <QElapsedTimer>
#include <QImage>
#include <QMargins>
#include <QProcess>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QThread>

#include <memory>
#include <optional>

// A child process that goes away with its owner: asked to end, then killed, by its own
// pid; and ended by the kernel should the test itself die first.
class ChildProcess {
public:
    ChildProcess(const QString& program, const QStringList& arguments, const QProcessEnvironment& environment,
                 const QString& logFile, bool pipeOutput = false);
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    bool started() const { return m_started; }
    // Without an event loop QProcess learns of the end only when asked to wait for it.
    bool running() { return m_process.state() != QProcess::NotRunning && !m_process.waitForFinished(0); }
    qint64 pid() const { return m_process.processId(); }
    QProcess& process() { return m_process; }

private:
    QProcess m_process;
    bool m_started = false;
};

// Polls until done() holds or the deadline passes; short waits between tries.
template <typename Condition> bool waitUntil(Condition&& done, int timeoutMs, int pollMs = 40)
{
    QElapsedTimer clock;
    clock.start();
    for (;;) {
        if (done())
            return true;
        if (clock.elapsed() > timeoutMs)
            return false;
        QThread::msleep(static_cast<unsigned long>(pollMs));
    }
}

// A private X server of a given size with a window manager on it, and the operator's hands
// (keys, clicks) and eyes (window list, screenshots) on that server.
class XSession {
public:
    XSession(QSize screen, const QString& logDir);
    ~XSession();
    XSession(const XSession&) = delete;
    XSession& operator=(const XSession&) = delete;

    // Empty when the server and the window manager are up.
    QString failure() const { return m_failure; }
    QString display() const { return m_display; }
    QSize screenSize() const { return m_screen; }
    // As the server reports it; the program converts with the same figure.
    double dotsPerInch() const { return m_dpi; }
    double twipsPerPixel() const { return 1440.0 / m_dpi; }
    QProcessEnvironment environment() const { return m_environment; }

    // Runs an X tool against this server; its standard output, or nothing after a failure.
    std::optional<QByteArray> tool(const QString& program, const QStringList& arguments, int timeoutMs = 20000) const;

    QImage grab() const;

    // Mapped windows whose title matches the (case-insensitive, extended) regular expression.
    QList<quint64> windows(const QString& titlePattern) const;
    std::optional<quint64> window(const QString& titlePattern) const;
    // The client area in screen pixels; nothing once the window is gone or unmapped.
    std::optional<QRect> clientRect(quint64 window) const;
    // The window manager's decoration around the client area.
    QMargins frameExtents(quint64 window) const;
    QString title(quint64 window) const;
    quint64 focusedWindow() const;

    bool key(const QString& keys) const;
    bool click(QPoint at) const;
    bool type(const QString& text) const;

private:
    QSize m_screen;
    QString m_display;
    double m_dpi = 96;
    QString m_failure;
    QProcessEnvironment m_environment;
    std::unique_ptr<ChildProcess> m_server;
    std::unique_ptr<ChildProcess> m_windowManager;
};
