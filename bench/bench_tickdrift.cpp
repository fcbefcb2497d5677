// Runs a real show on the stand window and measures when its ticks arrive against the
// wall clock: per-tick jitter and the total drift over the run.
//   bench_tickdrift [ticks]   (default 60; a second each)
#include "platform/ScriptedPlatform.h"
#include "settings/Base.h"
#include "stand/frmStend.h"

#include <QApplication>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <vector>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const int ticks = argc > 1 ? std::max(2, std::atoi(argv[1])) : 60;

    Base base;
    SetDefaults(base, std::nullopt);
    base.ShowTime = 2; // series and pauses alternate, so placing and drawing run inside the ticks
    base.PauseTime = 1;
    base.TargetType = TargetCode::Euro;
    platform::ScriptedPlatform quiet; // no sound, no boxes
    quiet.randomNumbers.script({0.1, 0.1, 0.9, 0.9, 0.5, 0.5, 0.9, 0.1, 0.1, 0.9, 0.3, 0.6});
    frmStend stand(base, quiet);
    stand.show();
    stand.knGoClick();
    stand.setWindowState(Qt::WindowNoState);
    stand.resize(1920, 1080);

    using Clock = std::chrono::steady_clock;
    const Clock::time_point started = Clock::now();
    std::vector<double> arrivals; // ms since the start of the show
    QObject::connect(
        &stand.tik(), &QTimer::timeout, &stand,
        [&] {
            arrivals.push_back(std::chrono::duration<double, std::milli>(Clock::now() - started).count());
            if (int(arrivals.size()) == ticks)
                app.quit();
        },
        Qt::QueuedConnection);
    app.exec();

    double worst = 0, sum = 0, sumSquares = 0;
    for (size_t i = 1; i < arrivals.size(); ++i) {
        const double error = arrivals[i] - arrivals[i - 1] - 1000;
        worst = std::max(worst, std::abs(error));
        sum += error;
        sumSquares += error * error;
    }
    const double n = double(arrivals.size() - 1);
    const double drift = arrivals.back() - double(ticks) * 1000;
    std::printf("%d ticks: interval error mean %+.3f ms, sd %.3f ms, worst %.3f ms; last tick %+.3f ms from "
                "%d.000 s after the start; %d series shown\n",
                ticks, sum / n, std::sqrt(sumSquares / n - (sum / n) * (sum / n)), worst, drift, ticks,
                int(stand.cycle().TikCount));
    return 0;
}
