// The yardstick for the stand's ticks: a precise one-second QTimer in a QApplication that does
// nothing else, clocked exactly as bench_tickdrift clocks the stand's.
//   bare_timer ticks
#include "TickErrors.h"

#include <QApplication>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

constexpr int kIntervalMs = 1000;

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int ticks = argc > 1 ? std::max(3, std::atoi(argv[1])) : 0;
    if (ticks == 0) {
        std::fprintf(stderr, "usage: bare_timer ticks\n");
        return 2;
    }

    QTimer timer;
    timer.setTimerType(Qt::PreciseTimer);
    timer.setInterval(kIntervalMs);
    std::vector<TickClock::time_point> arrivals;
    QObject::connect(&timer, &QTimer::timeout, &app, [&] {
        arrivals.push_back(TickClock::now());
        if (int(arrivals.size()) == ticks)
            QCoreApplication::exit(0);
    });
    // Should the loop stall, the ticks it took are reported as too few rather than waited for.
    QTimer::singleShot((ticks + 10) * kIntervalMs, &app, [] { QCoreApplication::exit(1); });
    timer.start();
    app.exec();
    if (int(arrivals.size()) != ticks) {
        std::fprintf(stderr, "bare_timer: %d ticks of %d\n", int(arrivals.size()), ticks);
        return 1;
    }
    reportJitter("bareJitter", tickErrors(arrivals, kIntervalMs));
    return 0;
}
