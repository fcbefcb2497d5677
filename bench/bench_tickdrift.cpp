// Runs a real show on the stand window and clocks its one-second timer against the steady
// clock: how far each tick's interval strays from a second, and whether the ticks drift.
// A bare QTimer (bare_timer) ticks beside it in a process of its own for the same minutes, so
// that both meet the same load of the machine.
//   bench_tickdrift [ticks]   (default 300: five minutes)
#include "QuietPlatform.h"
#include "TickErrors.h"
#include "XSession.h"

#include "StandProbe.h"
#include "settings/Base.h"

#include <QApplication>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

namespace {

constexpr int kDefaultTicks = 300;
constexpr double kTicksPerHour = 3600.0 * 1000 / kTickMs;

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
    std::vector<TickClock::time_point> arrivals;
    QObject::connect(&probe.tik(), &QTimer::timeout, &stand, [&] {
        arrivals.push_back(TickClock::now());
        if (int(arrivals.size()) == ticks || !stand.isVisible())
            QCoreApplication::exit(0); // quit() would ask the stand window to close, and it refuses
    });
    // Half a tick later, so that its ticks do not fall while the stand draws a series; it inherits the platform.
    std::unique_ptr<ChildProcess> bare;
    QTimer::singleShot(kTickMs / 2, &stand, [&] {
        bare = std::make_unique<ChildProcess>(QStringLiteral(BARE_TIMER_BINARY), QStringList{QString::number(ticks)},
                                              QProcessEnvironment::systemEnvironment(), QString());
    });
    app.exec();
    if (int(arrivals.size()) < ticks) {
        std::printf("the show stopped after %d ticks\n", int(arrivals.size()));
        return 1;
    }
    if (!bare || !bare->started() || !bare->process().waitForFinished(kTickMs * 10) ||
        bare->process().exitStatus() != QProcess::NormalExit || bare->process().exitCode() != 0) {
        std::printf("the bare timer failed: %s\n", bare ? bare->process().readAllStandardError().constData() : "");
        return 1;
    }

    const TickErrors errors = tickErrors(arrivals, kTickMs);
    reportJitter("jitter", errors);
    std::fputs(bare->process().readAllStandardOutput().constData(), stdout);
    reportResult("drift", errors.lateness.back(), "ms");
    reportResult("driftSlope", slope(errors.lateness) * kTicksPerHour, "ms/h");
    return 0;
}
