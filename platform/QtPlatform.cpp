#include "QtPlatform.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QMessageBox>
#include <QPushButton>
#include <QUrl>
#include <QWidget>
#include <QWindow>

#include <thread>

#ifdef Q_OS_WIN
#include <qt_windows.h>
#include <shellapi.h>
#endif

namespace platform {

namespace {

QMessageBox::Icon boxIcon(Icon icon)
{
    switch (icon) {
    case Icon::Exclamation:
        return QMessageBox::Warning;
    case Icon::Error:
        return QMessageBox::Critical;
    case Icon::Question:
        return QMessageBox::Question;
    case Icon::Information:
        return QMessageBox::Information;
    }
    return QMessageBox::NoIcon;
}

} // namespace

Answer QtPlatform::messageBox(QWidget* owner, const QString& prompt, Buttons buttons, Icon icon, Answer defaultButton)
{
    QMessageBox box(boxIcon(icon), messageBoxTitle(), prompt, QMessageBox::NoButton, owner);
    if (buttons == Buttons::Ok) {
        QPushButton* ok = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
        box.setDefaultButton(ok);
        box.setEscapeButton(ok);
        box.exec();
        return Answer::Ok;
    }
    QPushButton* yes = box.addButton(QStringLiteral("Да"), QMessageBox::YesRole);
    QPushButton* no = box.addButton(QStringLiteral("Нет"), QMessageBox::NoRole);
    box.setDefaultButton(defaultButton == Answer::Yes ? yes : no);
    box.setEscapeButton(no);
    box.exec();
    return box.clickedButton() == yes ? Answer::Yes : Answer::No;
}

void QtPlatform::beep(int frequencyHz, int durationMs)
{
    if (m_beeper.play(frequencyHz, durationMs))
        return;
#ifdef Q_OS_WIN
    // Beep() blocks for the whole tone, so it must not run on the thread of the show's tick.
    std::thread([frequencyHz, durationMs] { ::Beep(DWORD(frequencyHz), DWORD(durationMs)); }).detach();
#endif
}

void QtPlatform::openWebPage(const QString& address)
{
#ifdef Q_OS_WIN
    ::ShellExecuteW(nullptr, L"open", reinterpret_cast<const wchar_t*>(address.utf16()), nullptr, nullptr,
                    SW_SHOWNORMAL);
#else
    QDesktopServices::openUrl(QUrl::fromUserInput(address));
#endif
}

void QtPlatform::startWindowDrag(QWidget* window)
{
    if (!window)
        return;
#ifdef Q_OS_WIN
    const auto handle = reinterpret_cast<HWND>(window->winId());
    ::ReleaseCapture();
    ::SendMessageW(handle, WM_NCLBUTTONDOWN, HTCAPTION, 0);
#else
    if (QWindow* handle = window->windowHandle())
        handle->startSystemMove();
#endif
}

void QtPlatform::endProgram()
{
    QCoreApplication::exit(0);
}

} // namespace platform
