// Runs a real show on the stand window and measures when its ticks arrive against the
// wall clock: per-tick jitter and the total drift over the run.
//   bench_tickdrift [ticks]   (default 60; a second each)
#include "platform/ClockRandom.h"
#include "platform/Platform.h"
#include "settings/Base.h"
#include "stand/frmStend.h"

#include <QApplication>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <vector>

namespace {

// No sound and no boxes, but real random numbers, so every series finds room.
class QuietPlatform final : public platform::Platform {
public:
    platform::Answer messageBox(QWidget*, const QString&, platform::Buttons, platform::Icon,
                                platform::Answer defaultButton) override
    {
        return defaultButton;
    }
    void beep(int, int) override {}
    void openWebPage(const QString&) override {}
    void startWindowDrag(QWidget*) override {}
    void endProgram() override {}
    platform::RandomSource& random() override { return m_random; }

private:
    platform::ClockRandom m_random;
};

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const int ticks = argc > 1 ? std::max(2, std::atoi(argv[1])) : 60;

    Base base;
    SetDefaults(base, std::nullopt);
    base.ShowTime = 2; // series and pauses alternate, so placing and drawing run inside the ticks
    base.PauseTime = 1;
    base.TargetType = TargetCode::Euro;
    QuietPlatform quiet;
    frmStend stand(base, quiet);
    stand.show();
    stand.knGoClick();
    QCoreApplication::processEvents(); // let the maximising settle before choosing the size
    stand.setWindowState(Qt::WindowNoState);
    stand.resize(1920, 1080);
    QCoreApplication::processEvents();

    using Clock = std::chrono::steady_clock;
    const Clock::time_point started = Clock::now();
    std::vector<double> arrivals; // ms since the start of the show
    QObject::connect(
        &stand.tik(), &QTimer::timeout, &stand,
        [&] {
            arrivals.push_back(std::chrono::duration<double, std::milli>(Clock::now() - started).count());
            if (int(arrivals.size()) == ticks || !stand.isVisible())
                QCoreApplication::exit(0); // quit() would ask the stand window to close, and it refuses
        },
        Qt::QueuedConnection);
    app.exec();

    if (int(arrivals.size()) < ticks) {
        std::printf("the show stopped after %d ticks\n", int(arrivals.size()));
        return 1;
    }
    double worst = 0, sum = 0, sumSquares = 0;
    for (size_t i = 1; i < arrivals.size(); ++i) {
        const double error = arrivals[i] - arrivals[i - 1] - 1000;
        worst = std::max(worst, std::abs(error));
        sum += error;
        sumSquares += error * error;
    }
    const double n = double(arrivals.size() - 1);
    const double drift = arrivals.back() - arrivals.front() - n * 1000;
    std::printf("%d ticks: interval error mean %+.3f ms, sd %.3f ms, worst %.3f ms; drift of the last tick "
                "against the first: %+.3f ms over %d s\n",
                ticks, sum / n, std::sqrt(sumSquares / n - (sum / n) * (sum / n)), worst, drift, ticks - 1);
    return 0;
}
