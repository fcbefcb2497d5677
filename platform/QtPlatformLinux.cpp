#include "QtPlatform.h"
#include "ToneBeeper.h"

#include <QDesktopServices>
#include <QUrl>
#include <QWidget>
#include <QWindow>

namespace platform {

struct QtPlatform::Sound {
    ToneBeeper tone;
};

QtPlatform::QtPlatform()
    : m_sound(std::make_unique<Sound>())
{
}

QtPlatform::~QtPlatform() = default;

void QtPlatform::beep(int frequencyHz, int durationMs)
{
    m_sound->tone.play(frequencyHz, durationMs);
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
