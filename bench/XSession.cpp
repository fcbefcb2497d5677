#include "XSession.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

#include <csignal>
#include <sys/prctl.h>

ChildProcess::ChildProcess(const QString& program, const QStringList& arguments, const QProcessEnvironment& environment,
                           const QString& logFile, bool pipeOutput)
{
    m_process.setProcessEnvironment(environment);
    m_process.setProgram(program);
    m_process.setArguments(arguments);
    if (!logFile.isEmpty()) {
        m_process.setStandardErrorFile(logFile, QIODevice::Append);
        if (!pipeOutput)
            m_process.setStandardOutputFile(logFile, QIODevice::Append);
    }
    m_process.setStandardInputFile(QProcess::nullDevice());
    // Should the test be killed (a time limit, a crash), the kernel ends this child too.
    m_process.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
    m_process.start();
    m_started = m_process.waitForStarted(10000);
}

ChildProcess::~ChildProcess()
{
    if (m_process.state() == QProcess::NotRunning)
        return;
    m_process.terminate();
    if (!m_process.waitForFinished(3000)) {
        m_process.kill();
        m_process.waitForFinished(3000);
    }
}

namespace {

QString optionValue(const QString& text, const QString& label)
{
    const QRegularExpression pattern(QRegularExpression::escape(label) + QStringLiteral("\\s*(-?\\d+)"));
    const QRegularExpressionMatch match = pattern.match(text);
    return match.hasMatch() ? match.captured(1) : QString();
}

} // namespace

XSession::XSession(QSize screen, const QString& logDir)
    : m_screen(screen)
{
    QDir().mkpath(logDir);
    const QString home = logDir + QStringLiteral("/home");
    QDir(home).removeRecursively();
    QDir().mkpath(home);

    // Nothing of the developer's desktop leaks in: own home, no platform override.
    m_environment = QProcessEnvironment::systemEnvironment();
    m_environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    m_environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    m_environment.insert(QStringLiteral("HOME"), home);
    m_environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home + QStringLiteral("/.config"));
    m_environment.insert(QStringLiteral("XDG_CACHE_HOME"), home + QStringLiteral("/.cache"));

    const QString size = QStringLiteral("%1x%2x24").arg(screen.width()).arg(screen.height());
    // -displayfd picks a free display and writes its number once the server accepts clients.
    m_server = std::make_unique<ChildProcess>(
        QStringLiteral("Xvfb"),
        QStringList{QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"), QStringLiteral("0"),
                    size, QStringLiteral("-dpi"), QStringLiteral("96"), QStringLiteral("-nolisten"),
                    QStringLiteral("tcp"), QStringLiteral("-noreset")},
        m_environment, logDir + QStringLiteral("/xvfb.log"), true);
    if (!m_server->started()) {
        m_failure = QStringLiteral("Xvfb did not start (is the xvfb package installed?)");
        return;
    }
    QByteArray number;
    waitUntil(
        [&] {
            m_server->process().waitForReadyRead(100);
            number += m_server->process().readAllStandardOutput();
            return number.contains('\n') || !m_server->running();
        },
        10000, 0);
    if (!number.contains('\n')) {
        m_failure = QStringLiteral("Xvfb gave no display number; see %1/xvfb.log").arg(logDir);
        return;
    }
    m_display = QStringLiteral(":") + QString::fromLatin1(number.trimmed());
    m_environment.insert(QStringLiteral("DISPLAY"), m_display);

    std::optional<QByteArray> info;
    if (!waitUntil([&] { return (info = tool(QStringLiteral("xdpyinfo"), {}, 5000)).has_value(); }, 10000, 50)) {
        m_failure = QStringLiteral("xdpyinfo cannot reach %1").arg(m_display);
        return;
    }
    const QRegularExpressionMatch resolution =
        QRegularExpression(QStringLiteral("resolution:\\s*(\\d+)x(\\d+) dots per inch"))
            .match(QString::fromUtf8(*info));
    if (resolution.hasMatch())
        m_dpi = resolution.captured(1).toDouble();

    QStringList windowManagerArguments{QStringLiteral("--sm-disable")};
    // The packaged configuration, not whatever the developer keeps in their home.
    if (QFile::exists(QStringLiteral("/etc/xdg/openbox/rc.xml")))
        windowManagerArguments << QStringLiteral("--config-file") << QStringLiteral("/etc/xdg/openbox/rc.xml");
    m_windowManager = std::make_unique<ChildProcess>(QStringLiteral("openbox"), windowManagerArguments, m_environment,
                                                     logDir + QStringLiteral("/openbox.log"));
    if (!m_windowManager->started()) {
        m_failure = QStringLiteral("openbox did not start (is the openbox package installed?)");
        return;
    }
    const bool managing = waitUntil(
        [&] {
            const std::optional<QByteArray> check =
                tool(QStringLiteral("xprop"), {QStringLiteral("-root"), QStringLiteral("_NET_SUPPORTING_WM_CHECK")});
            return check && check->contains("window id");
        },
        10000, 50);
    if (!managing)
        m_failure = QStringLiteral("openbox did not take over %1").arg(m_display);
}

XSession::~XSession()
{
    m_windowManager.reset();
    m_server.reset();
}

std::optional<QByteArray> XSession::tool(const QString& program, const QStringList& arguments, int timeoutMs) const
{
    QProcess process;
    process.setProcessEnvironment(m_environment);
    process.setStandardInputFile(QProcess::nullDevice());
    process.start(program, arguments);
    if (!process.waitForStarted(5000))
        return std::nullopt;
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished(3000);
        return std::nullopt;
    }
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return std::nullopt;
    return process.readAllStandardOutput();
}

QImage XSession::grab() const
{
    const std::optional<QByteArray> data =
        tool(QStringLiteral("import"), {QStringLiteral("-window"), QStringLiteral("root"), QStringLiteral("-depth"),
                                        QStringLiteral("8"), QStringLiteral("ppm:-")});
    if (!data)
        return {};
    return QImage::fromData(*data, "PPM").convertToFormat(QImage::Format_RGB32);
}

QList<quint64> XSession::windows(const QString& titlePattern) const
{
    const std::optional<QByteArray> found =
        tool(QStringLiteral("xdotool"),
             {QStringLiteral("search"), QStringLiteral("--onlyvisible"), QStringLiteral("--name"), titlePattern});
    QList<quint64> ids;
    if (!found)
        return ids;
    for (const QByteArray& line : found->split('\n')) {
        bool ok = false;
        const quint64 id = line.trimmed().toULongLong(&ok);
        if (ok)
            ids << id;
    }
    return ids;
}

std::optional<quint64> XSession::window(const QString& titlePattern) const
{
    const QList<quint64> found = windows(titlePattern);
    if (found.size() != 1)
        return std::nullopt;
    return found.first();
}

std::optional<QRect> XSession::clientRect(quint64 window) const
{
    const std::optional<QByteArray> info =
        tool(QStringLiteral("xwininfo"), {QStringLiteral("-id"), QString::number(window)});
    if (!info)
        return std::nullopt;
    const QString text = QString::fromUtf8(*info);
    if (!text.contains(QStringLiteral("IsViewable")))
        return std::nullopt;
    return QRect(optionValue(text, QStringLiteral("Absolute upper-left X:")).toInt(),
                 optionValue(text, QStringLiteral("Absolute upper-left Y:")).toInt(),
                 optionValue(text, QStringLiteral("Width:")).toInt(),
                 optionValue(text, QStringLiteral("Height:")).toInt());
}

QMargins XSession::frameExtents(quint64 window) const
{
    const std::optional<QByteArray> property =
        tool(QStringLiteral("xprop"),
             {QStringLiteral("-id"), QString::number(window), QStringLiteral("_NET_FRAME_EXTENTS")});
    if (!property)
        return {};
    const QRegularExpressionMatch match =
        QRegularExpression(QStringLiteral("=\\s*(\\d+),\\s*(\\d+),\\s*(\\d+),\\s*(\\d+)"))
            .match(QString::fromUtf8(*property));
    if (!match.hasMatch())
        return {};
    // The property lists left, right, top, bottom.
    return QMargins(match.captured(1).toInt(), match.captured(3).toInt(), match.captured(2).toInt(),
                    match.captured(4).toInt());
}

QString XSession::title(quint64 window) const
{
    const std::optional<QByteArray> name =
        tool(QStringLiteral("xdotool"), {QStringLiteral("getwindowname"), QString::number(window)});
    if (!name)
        return {};
    QString text = QString::fromUtf8(*name);
    if (text.endsWith(QLatin1Char('\n')))
        text.chop(1);
    return text;
}

quint64 XSession::focusedWindow() const
{
    const std::optional<QByteArray> focus = tool(QStringLiteral("xdotool"), {QStringLiteral("getwindowfocus")});
    return focus ? focus->trimmed().toULongLong() : 0;
}

bool XSession::key(const QString& keys) const
{
    QStringList arguments{QStringLiteral("key"), QStringLiteral("--delay"), QStringLiteral("40")};
    arguments << keys.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    return tool(QStringLiteral("xdotool"), arguments).has_value();
}

bool XSession::click(QPoint at) const
{
    return tool(QStringLiteral("xdotool"),
                {QStringLiteral("mousemove"), QStringLiteral("--sync"), QString::number(at.x()),
                 QString::number(at.y()), QStringLiteral("click"), QStringLiteral("1")})
        .has_value();
}

bool XSession::type(const QString& text) const
{
    return tool(QStringLiteral("xdotool"),
                {QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("40"), text})
        .has_value();
}
