#include "platform/QtPlatform.h"
#include "platform/core/SineTone.h"
#include "platform/linux/TonePlayer.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QPluginLoader>
#include <QPointer>
#include <QUrl>
#include <QWidget>
#include <QWindow>

#include <cstdlib>
#include <cstring>
#include <memory>
#include <xcb/xcb.h>

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
    if (m_sound->tone)
        m_sound->tone->play(sineTone(frequencyHz, durationMs));
}

void QtPlatform::openWebPage(const QString& address)
{
    QDesktopServices::openUrl(QUrl::fromUserInput(address));
}

namespace {

template <typename Reply> using XReply = std::unique_ptr<Reply, decltype(&std::free)>;

// The window manager moves the window by the pointer's movement from the root position given. Qt's own
// request maps the press through the window position it believes, which is 0,0 until the window manager
// has told it otherwise: the first drag after showing then jumps by the window's position. The X server
// itself places the press here.
bool startX11Move(xcb_connection_t* x, xcb_window_t window, QPoint pressInWindow)
{
    static constexpr char kMoveResize[] = "_NET_WM_MOVERESIZE";
    static constexpr uint32_t kMove = 8;
    const XReply<xcb_get_geometry_reply_t> geometry(xcb_get_geometry_reply(x, xcb_get_geometry(x, window), nullptr),
                                                    &std::free);
    const XReply<xcb_intern_atom_reply_t> atom(
        xcb_intern_atom_reply(x, xcb_intern_atom(x, 1, std::strlen(kMoveResize), kMoveResize), nullptr), &std::free);
    if (!geometry || !atom || atom->atom == XCB_ATOM_NONE)
        return false;
    const XReply<xcb_translate_coordinates_reply_t> onRoot(
        xcb_translate_coordinates_reply(x,
                                        xcb_translate_coordinates(x, window, geometry->root, int16_t(pressInWindow.x()),
                                                                  int16_t(pressInWindow.y())),
                                        nullptr),
        &std::free);
    if (!onRoot)
        return false;
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = window;
    message.type = atom->atom;
    message.data.data32[0] = uint32_t(onRoot->dst_x);
    message.data.data32[1] = uint32_t(onRoot->dst_y);
    message.data.data32[2] = kMove;
    message.data.data32[3] = XCB_BUTTON_INDEX_1;
    xcb_ungrab_pointer(x, XCB_CURRENT_TIME);
    xcb_send_event(x, 0, geometry->root, XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&message));
    xcb_flush(x);
    return true;
}

} // namespace

void QtPlatform::startWindowDrag(QWidget* window, QPoint pressInWindow)
{
    QWindow* handle = window ? window->windowHandle() : nullptr;
    if (!handle)
        return;
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    const QPoint pixels = (QPointF(pressInWindow) * handle->devicePixelRatio()).toPoint();
    if (!x11 || !startX11Move(x11->connection(), xcb_window_t(handle->winId()), pixels))
        handle->startSystemMove(); // Wayland and the like
}

} // namespace platform
