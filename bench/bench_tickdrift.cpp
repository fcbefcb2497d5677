// Runs a real show on the stand window and clocks its one-second timer against the steady
// clock: how far each tick's interval strays from a second, and whether the ticks drift.
//   bench_tickdrift [ticks]   (default 300: five minutes)
#include "QuietPlatform.h"

#include "StandProbe.h"
#include "settings/Base.h"

#include <QApplication>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

constexpr int kDefaultTicks = 300;
constexpr double kTicksPerHour = 3600.0 * 1000 / kTickMs;

void report(const char* key, double value, const char* unit)
{
    std::printf("result\t%s\t%.3f\t%s\n", key, value, unit);
}

// The value that the given share of the sorted values does not exceed.
double nearestRank(const std::vector<double>& sorted, double share)
{
    return sorted[size_t(std::ceil(share * double(sorted.size()))) - 1];
}

// Least-squares slope of the values against their index.
double slope(const std::vector<double>& values)
{
    const double n = double(values.size());
    const double meanIndex = (n - 1) / 2;
    double meanValue = 0;
    for (double v : values)
        meanValue += v / n;
    double covariance = 0, variance = 0;
    for (size_t i = 0; i < values.size(); ++i) {
        covariance += (double(i) - meanIndex) * (values[i] - meanValue);
        variance += (double(i) - meanIndex) * (double(i) - meanIndex);
    }
    return covariance / variance;
}

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int ticks = argc > 1 ? std::max(3, std::atoi(argv[1])) : kDefaultTicks;

    Base base;
    SetDefaults(base, std::nullopt);
    base.ShowTime = 2; // series and pauses alternate, so placing and drawing run between the ticks
    base.PauseTime = 1;
    base.TargetType = TargetCode::Euro;
    QuietPlatform quiet;
    frmStend stand(base, quiet);
    StandProbe probe(stand);
    stand.show();
    probe.knGoClick();
    QCoreApplication::processEvents(); // let the maximising settle before choosing the size
    stand.setWindowState(Qt::WindowNoState);
    stand.resize(3840, 2160);
    QCoreApplication::processEvents();

    // Direct: the moment the timer fires, before the stand's queued tick handler runs.
    using Clock = std::chrono::steady_clock;
    std::vector<Clock::time_point> arrivals;
    QObject::connect(&probe.tik(), &QTimer::timeout, &stand, [&] {
        arrivals.push_back(Clock::now());
        if (int(arrivals.size()) == ticks || !stand.isVisible())
            QCoreApplication::exit(0); // quit() would ask the stand window to close, and it refuses
    });
    app.exec();
    if (int(arrivals.size()) < ticks) {
        std::printf("the show stopped after %d ticks\n", int(arrivals.size()));
        return 1;
    }

    // Each tick against the first one and the whole seconds since, in ms.
    std::vector<double> lateness, jitter;
    for (size_t i = 0; i < arrivals.size(); ++i) {
        lateness.push_back(std::chrono::duration<double, std::milli>(arrivals[i] - arrivals[0]).count() -
                           double(i) * kTickMs);
        if (i > 0)
            jitter.push_back(std::abs(lateness[i] - lateness[i - 1])); // the interval's error
    }
    std::sort(jitter.begin(), jitter.end());
    report("jitterMedian", nearestRank(jitter, 0.5), "ms");
    report("jitter99", nearestRank(jitter, 0.99), "ms");
    report("jitterWorst", jitter.back(), "ms");
    report("drift", lateness.back(), "ms");
    report("driftSlope", slope(lateness) * kTicksPerHour, "ms/h");
    return 0;
}
