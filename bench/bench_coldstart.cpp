// The real program started cold on a private X server: the time from its process start to
// the settings window on screen, and its peak memory there and during a show at 3840 x 2160.
// A bare Qt Widgets window is started the same way in turn with it: on a machine whose load
// comes and goes, the program's time means something only beside that one.
#include "XSession.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <xcb/xcb.h>

#include <poll.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kColdStarts = 11;
constexpr int kPaintedMs = 500;      // the settings window paints itself after it is mapped
constexpr int kSeriesDrawnMs = 4500; // a countdown of three ticks, then the first series
const QByteArray kSettingsTitle = " Quorrin: ";
const QByteArray kBareTitle = " Bare: ";
const QString kSettingsPattern = QStringLiteral("^ Quorrin: ");
const QString kStandPattern = QStringLiteral("^ Quorrin$");

// Hears from the X server the moment a top-level window is mapped: no polling, so the
// reading lags the server by one wake-up of this process.
class MapWatcher {
public:
    explicit MapWatcher(const QString& display)
        : m_connection(xcb_connect(qPrintable(display), nullptr))
    {
        const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(m_connection)).data->root;
        const uint32_t events = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(m_connection, root, XCB_CW_EVENT_MASK, &events);
        const QByteArray name = "_NET_WM_NAME";
        xcb_intern_atom_reply_t* atom = xcb_intern_atom_reply(
            m_connection, xcb_intern_atom(m_connection, 0, uint16_t(name.size()), name.constData()), nullptr);
        m_title = atom ? atom->atom : XCB_NONE;
        std::free(atom);
    }
    ~MapWatcher() { xcb_disconnect(m_connection); }
    MapWatcher(const MapWatcher&) = delete;
    MapWatcher& operator=(const MapWatcher&) = delete;

    bool connected() const { return !xcb_connection_has_error(m_connection) && m_title != XCB_NONE; }

    void forgetPast()
    {
        while (xcb_generic_event_t* event = xcb_poll_for_event(m_connection))
            std::free(event);
    }

    // When a window titled with the prefix, or the window manager's frame around it, was mapped.
    std::optional<Clock::time_point> waitForMap(const QByteArray& titlePrefix, int timeoutMs)
    {
        const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
        pollfd socket{xcb_get_file_descriptor(m_connection), POLLIN, 0};
        for (;;) {
            // Every waiting notice is read off with its time before any question goes to the server.
            std::vector<std::pair<xcb_window_t, Clock::time_point>> mapped;
            while (xcb_generic_event_t* event = xcb_poll_for_event(m_connection)) {
                if ((event->response_type & 0x7f) == XCB_MAP_NOTIFY)
                    mapped.emplace_back(reinterpret_cast<xcb_map_notify_event_t*>(event)->window, Clock::now());
                std::free(event);
            }
            for (const auto& [window, at] : mapped)
                if (holdsTitle(window, titlePrefix))
                    return at;
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
            if (left <= 0 || ::poll(&socket, 1, int(left)) <= 0)
                return std::nullopt;
        }
    }

private:
    // A frame holds the program's window a level or two down.
    bool holdsTitle(xcb_window_t window, const QByteArray& prefix, int depth = 3)
    {
        xcb_get_property_reply_t* title = xcb_get_property_reply(
            m_connection, xcb_get_property(m_connection, 0, window, m_title, XCB_GET_PROPERTY_TYPE_ANY, 0, 256),
            nullptr);
        const bool titled = title && QByteArray(static_cast<const char*>(xcb_get_property_value(title)),
                                                xcb_get_property_value_length(title))
                                         .startsWith(prefix);
        std::free(title);
        if (titled || depth == 0)
            return titled;
        xcb_query_tree_reply_t* tree =
            xcb_query_tree_reply(m_connection, xcb_query_tree(m_connection, window), nullptr);
        bool found = false;
        for (int i = 0; tree && i < xcb_query_tree_children_length(tree) && !found; ++i)
            found = holdsTitle(xcb_query_tree_children(tree)[i], prefix, depth - 1);
        std::free(tree);
        return found;
    }

    xcb_connection_t* m_connection;
    xcb_atom_t m_title = XCB_NONE;
};

// The process's peak resident memory so far, in MB.
double peakMegabytes(qint64 pid)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toDouble() * 1024 / 1e6; // kB of 1024 bytes
    return 0;
}

// Enter on the settings window (OK is its default), Enter on the focused "Вперёд!",
// then the first series drawn over the whole screen.
bool showFirstSeries(const XSession& x)
{
    const auto hasKeyboard = [&x](const QString& titlePattern) {
        std::optional<quint64> window;
        return waitUntil([&] { return (window = x.window(titlePattern)).has_value(); }, 5000) &&
               waitUntil([&] { return x.focusedWindow() == *window; }, 5000);
    };
    const QString enter = QStringLiteral("Return");
    if (!hasKeyboard(kSettingsPattern) || !x.key(enter) || !hasKeyboard(kStandPattern) || !x.key(enter))
        return false;
    const std::optional<quint64> stand = x.window(kStandPattern);
    if (!stand || !waitUntil([&] { return x.clientRect(*stand) == QRect(QPoint(0, 0), x.screenSize()); }, 3000))
        return false;
    QThread::msleep(kSeriesDrawnMs);
    return true;
}

int fail(const QString& why)
{
    std::fprintf(stderr, "bench_coldstart: %s\n", qPrintable(why));
    return 1;
}

void report(const char* key, double value, const char* unit)
{
    std::printf("result\t%s\t%.1f\t%s\n", key, value, unit);
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QString logs = QStringLiteral(QUORRIN_BENCH_LOGS);
    XSession x({3840, 2160}, logs);
    if (!x.failure().isEmpty())
        return fail(x.failure());
    MapWatcher watcher(x.display());
    if (!watcher.connected())
        return fail(QStringLiteral("cannot watch %1").arg(x.display()));

    QTemporaryDir runtime; // owner-only, as XDG_RUNTIME_DIR must be
    QProcessEnvironment environment = x.environment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
    environment.insert(QStringLiteral("NO_AT_BRIDGE"), QStringLiteral("1"));

    // Started, its window mapped, the process still up, or nothing.
    const auto coldStart = [&](const QString& binary, const QByteArray& title,
                               const QString& log) -> std::optional<std::pair<std::unique_ptr<ChildProcess>, double>> {
        watcher.forgetPast();
        const Clock::time_point start = Clock::now();
        auto program = std::make_unique<ChildProcess>(binary, QStringList{}, environment, log);
        const std::optional<Clock::time_point> mapped = watcher.waitForMap(title, 15000);
        if (!program->started() || !mapped || !program->running())
            return std::nullopt;
        return std::pair{std::move(program), std::chrono::duration<double, std::milli>(*mapped - start).count()};
    };

    std::vector<double> startMs, bareMs;
    double settingsPeak = 0, showPeak = 0;
    for (int run = 1; run <= kColdStarts; ++run) {
        // Turn about, so that neither always starts from what the other left in the caches.
        for (int turn = 0; turn < 2; ++turn) {
            if ((run + turn) % 2 == 0) {
                const auto bare = coldStart(QStringLiteral(BARE_WINDOW_BINARY), kBareTitle,
                                            logs + QStringLiteral("/bare_window.log"));
                if (!bare)
                    return fail(QStringLiteral("no bare window; see %1/bare_window.log").arg(logs));
                bareMs.push_back(bare->second);
                QThread::msleep(kPaintedMs); // as long as the program's, so that both end the same way
                continue;
            }
            const auto quorrin =
                coldStart(QStringLiteral(QUORRIN_BINARY), kSettingsTitle, logs + QStringLiteral("/quorrin.log"));
            if (!quorrin)
                return fail(QStringLiteral("no settings window; see %1/quorrin.log").arg(logs));
            startMs.push_back(quorrin->second);
            const qint64 pid = quorrin->first->pid();
            QThread::msleep(kPaintedMs);
            settingsPeak = std::max(settingsPeak, peakMegabytes(pid));
            if (run == kColdStarts) {
                if (!showFirstSeries(x))
                    return fail(QStringLiteral("the show did not start"));
                showPeak = peakMegabytes(pid);
            }
        }
    }
    std::sort(startMs.begin(), startMs.end());
    std::sort(bareMs.begin(), bareMs.end());
    std::printf("cold starts: fastest %.1f ms, slowest %.1f ms; bare window %.1f to %.1f ms\n", startMs.front(),
                startMs.back(), bareMs.front(), bareMs.back());
    report("coldStart", startMs[startMs.size() / 2], "ms");
    report("coldStartBare", bareMs[bareMs.size() / 2], "ms");
    report("peakSettings", settingsPeak, "MB");
    report("peakShow", showPeak, "MB");
    return 0;
}
