#include "platform/QtPlatform.h"

#include <QWidget>

#include <qt_windows.h>
#include <shellapi.h>
#include <thread>

namespace platform {

// Beep() needs no state: the speaker, or the sound card standing in for it, is the system's.
struct QtPlatform::Sound {};

QtPlatform::QtPlatform() = default;

QtPlatform::~QtPlatform() = default;

void QtPlatform::beep(int frequencyHz, int durationMs)
{
    // Beep() returns only when the tone has ended, and the show's tick must not wait for it.
    std::thread([frequencyHz, durationMs] { ::Beep(DWORD(frequencyHz), DWORD(durationMs)); }).detach();
}

// The system's Beep needs nothing loaded.
void QtPlatform::prepareBeep() {}

void QtPlatform::openWebPage(const QString& address)
{
    ::ShellExecuteW(nullptr, L"open", reinterpret_cast<LPCWSTR>(address.utf16()), nullptr, nullptr, SW_SHOWNORMAL);
}

void QtPlatform::startWindowDrag(QWidget* window, QPoint)
{
    if (!window)
        return;
    // As a press on a title bar: the system moves the window until the button is let go. The press's own
    // screen position, as GetMessagePos() packs it, is where the move starts from.
    ::ReleaseCapture();
    ::SendMessageW(reinterpret_cast<HWND>(window->winId()), WM_NCLBUTTONDOWN, HTCAPTION, LPARAM(::GetMessagePos()));
}

} // namespace platform
