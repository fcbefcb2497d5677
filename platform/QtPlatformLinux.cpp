#include "QtPlatform.h"
#include "TonePlayer.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QPluginLoader>
#include <QPointer>
#include <QUrl>
#include <QWidget>
#include <QWindow>

namespace platform {

namespace {

// Beside the program in the build folder; where Packaging.cmake installs it, relative to the
// installed program.
QStringList toneModulePaths()
{
    const QString programDir = QCoreApplication::applicationDirPath();
    const QString name = QStringLiteral(QUORRIN_TONE_MODULE);
    return {programDir + QLatin1Char('/') + name, programDir + QStringLiteral("/" QUORRIN_TONE_MODULE_DIR "/") + name};
}

} // namespace

// Qt Multimedia, which the tone needs, brings twenty-odd libraries of its own and of the sound server: they
// come with the tone module when a show starts, so that the settings window comes up without them.
struct QtPlatform::Sound {
    ~Sound() { delete module; }

    bool tried = false;
    QPointer<QObject> module;
    TonePlayer* tone = nullptr;
};

QtPlatform::QtPlatform()
    : m_sound(std::make_unique<Sound>())
{
}

QtPlatform::~QtPlatform() = default;

void QtPlatform::prepareBeep()
{
    if (m_sound->tried)
        return;
    m_sound->tried = true;
    QStringList failures;
    for (const QString& path : toneModulePaths()) {
        QPluginLoader loader(path);
        m_sound->module = loader.instance();
        m_sound->tone = qobject_cast<TonePlayer*>(m_sound->module);
        if (m_sound->tone)
            return;
        failures << path + QStringLiteral(": ") + loader.errorString();
    }
    // Without it the show runs silent.
    qWarning("No tone: %s", qPrintable(failures.join(QStringLiteral("; "))));
}

void QtPlatform::beep(int frequencyHz, int durationMs)
{
    prepareBeep();
    if (m_sound->tone)
        m_sound->tone->play(frequencyHz, durationMs);
}

void QtPlatform::openWebPage(const QString& address)
{
    QDesktopServices::openUrl(QUrl::fromUserInput(address));
}

void QtPlatform::startWindowDrag(QWidget* window)
{
    if (QWindow* handle = window ? window->windowHandle() : nullptr)
        handle->startSystemMove();
}

} // namespace platform
