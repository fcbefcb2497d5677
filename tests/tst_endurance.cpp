// Hours of club use in seconds: an operator pressing whatever is at hand on the real windows,
// and a whole day of show. Both are played from a seed, printed at the start and on failure;
//   QUORRIN_SEED=n tst_endurance
// plays another one.
#include "LaneGeometry.h"

#include "platform/ClockRandom.h"
#include "platform/Platform.h"
#include "settings/Base.h"
#include "settings/frmCfg.h"
#include "stand/frmStend.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>

#include <deque>
#include <functional>
#include <malloc.h>
#include <random>
#include <unistd.h>

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#include <sanitizer/allocator_interface.h>
#define QUORRIN_ASAN_HEAP 1
#endif
#endif

using platform::Answer;

namespace {

constexpr uint64_t kDefaultSeed = 20261206;
constexpr long kOperatorEvents = 100000;
constexpr int32_t kDayTicks = 24 * 60 * 60;
constexpr int kLargestWidth = 7680;
constexpr int kLargestHeight = 4320;

uint64_t seed()
{
    bool ok = false;
    const qulonglong chosen = qEnvironmentVariable("QUORRIN_SEED").toULongLong(&ok);
    return ok ? chosen : kDefaultSeed;
}

// A reproducible stream of the operator's choices.
class Dice {
public:
    explicit Dice(uint64_t seed)
        : m_engine(seed)
    {
    }
    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_engine); }
    int between(int low, int high) { return std::uniform_int_distribution<int>(low, high)(m_engine); }
    bool chance(double p) { return std::bernoulli_distribution(p)(m_engine); }

private:
    std::mt19937_64 m_engine;
};

// Boxes answered at random; while one is open the timer may tick, as under a real modal box.
// Records only counts, so that memory stays flat over a day.
class OperatorPlatform final : public platform::Platform {
public:
    explicit OperatorPlatform(Dice& dice)
        : m_dice(dice)
    {
    }
    Answer messageBox(QWidget*, const QString& prompt, platform::Buttons buttons, platform::Icon, Answer) override
    {
        ++boxes;
        if (prompt == placementFailureMessage())
            ++placementFailures;
        if (whileBoxOpen)
            whileBoxOpen();
        if (buttons == platform::Buttons::Ok)
            return Answer::Ok;
        ++questions;
        return m_dice.chance(0.5) ? Answer::Yes : Answer::No;
    }
    void beep(int, int) override { ++beeps; }
    void openWebPage(const QString&) override {}
    void startWindowDrag(QWidget*) override {}
    void endProgram() override {}
    platform::RandomSource& random() override { return numbers; }

    std::function<void()> whileBoxOpen;
    // The program's own generator; the test seeds it again after every event, since the
    // show seeds it from the clock.
    platform::ClockRandom numbers;
    long boxes = 0, questions = 0, placementFailures = 0, beeps = 0;

private:
    Dice& m_dice;
};

// Whether a series' faces as drawn stay inside their players' lanes.
struct LaneCheck {
    Lanes lanes;
    TargetSizes sizes;
    Spans spans;
    int32_t playerCount = 0;
    int32_t targetsPerPlayer = 0;

    // The placement keeps faces inside only when the lane has room for one.
    bool roomy(TargetCode type) const
    {
        const Reserve r = reserveOf(sizes, spans, type);
        const LaneEdges lane = laneEdges(lanes, 0);
        return lane.right - lane.left - 2 * kLaneMargin >= r.sx && lanes.ZonaH - r.sy - 2 * kLaneMargin >= 0;
    }

    // The first target out of its lane, as "player p target t"; empty when all are in.
    QString outside(const Series& series) const
    {
        // Circles and squares reserve their full size around the centre but draw half of it.
        const Reserve r = reserveOf(sizes, spans, series.TekTargetType);
        const bool small = series.TekTargetType == TargetCode::Krug || series.TekTargetType == TargetCode::Kvadrat;
        const int32_t halfW = small ? r.ox / 2 : r.ox, halfH = small ? r.oy / 2 : r.oy;
        for (int p = 0; p < playerCount; ++p) {
            const auto [left, right] = laneEdges(lanes, p);
            for (int t = 0; t < (targetsPerPlayer > 2 ? 3 : targetsPerPlayer > 1 ? 2 : 1); ++t) {
                const Centre c = series.Men[size_t(p)][size_t(t)];
                if (c.x - halfW < left || c.x + halfW > right || c.y - halfH < lanes.ZonaH0 ||
                    c.y + halfH > lanes.ZonaH0 + lanes.ZonaH)
                    return QStringLiteral("player %1 target %2 at (%3, %4) outside [%5, %6] x [%7, %8]")
                        .arg(p + 1)
                        .arg(t + 1)
                        .arg(c.x)
                        .arg(c.y)
                        .arg(left)
                        .arg(right)
                        .arg(lanes.ZonaH0)
                        .arg(lanes.ZonaH0 + lanes.ZonaH);
            }
        }
        return {};
    }
};

LaneCheck laneCheck(frmStend& stand, const Base& base)
{
    return {stand.lanes(), stand.sizes(), stand.spans(), base.PlayerCount, base.TargetsPerPlayer};
}

// Bytes the allocator has handed out and not had back.
size_t heapInUse()
{
#ifdef QUORRIN_ASAN_HEAP
    return __sanitizer_get_current_allocated_bytes();
#else
    return mallinfo2().uordblks;
#endif
}

// What the process holds in memory, as the system sees it; only reported, since the allocator
// keeps freed pages for reuse.
long long residentBytes()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return -1;
    const QList<QByteArray> pages = statm.readAll().split(' ');
    return pages.size() > 1 ? pages[1].toLongLong() * sysconf(_SC_PAGESIZE) : -1;
}

} // namespace

class TestEndurance : public QObject {
    Q_OBJECT
private slots:
    void randomOperatorActions();
    void dayLongShow();
};

// The operator at the settings window and the stand window, one event at a time from the
// event loop, so that the stand's modal showing runs as it does for real.
class Operator {
public:
    Operator(uint64_t seed)
        : m_seed(seed)
        , m_dice(seed)
        , m_platform(m_dice)
        , m_cfg(m_base, m_platform)
    {
        m_platform.whileBoxOpen = [this] {
            ticksUnderABox();
        };
    }

    // Plays the events; a failure names the seed, the event and the last few played.
    QString play(long events)
    {
        m_events = events;
        m_cfg.show();
        QEventLoop done;
        m_done = &done;
        QTimer::singleShot(0, &m_cfg, [this] { next(); });
        done.exec();
        return m_failure;
    }

    long played() const { return m_played; }
    long nestedTicks() const { return m_nestedTicks; }
    long seriesChecked() const { return m_seriesChecked; }
    long seriesTooCramped() const { return m_seriesCramped; }
    long okPresses() const { return m_okPresses; }
    long largeResizes() const { return m_largeResizes; }
    const OperatorPlatform& platform() const { return m_platform; }

private:
    void next()
    {
        if (m_played == m_events || !m_failure.isEmpty()) {
            finish();
            return;
        }
        ++m_played;
        if (stand())
            stand()->tik().blockSignals(true); // the test gives every tick itself
        // Queued first: an OK below shows the stand modally, and its loop plays the rest.
        QTimer::singleShot(0, &m_cfg, [this] { next(); });
        stand() && stand()->isVisible() ? playOnStand() : playOnSettings();
        m_platform.numbers.seed(m_seed ^ (uint64_t(m_played) * 0x9E3779B97F4A7C15ull));
        check();
    }

    // Leaves the stand window, if it is up, so that the modal showing returns.
    void finish()
    {
        if (stand() && stand()->isVisible()) {
            stand()->tik().stop();
            stand()->hide();
            QTimer::singleShot(0, &m_cfg, [this] { finish(); });
            return;
        }
        m_done->quit();
    }

    frmStend* stand() const { return m_cfg.stand(); }

    void note(const QString& event)
    {
        m_recent.push_back(QStringLiteral("%1: %2").arg(m_played).arg(event));
        if (m_recent.size() > 12)
            m_recent.pop_front();
    }

    void playOnSettings()
    {
        static const char* const kFields[] = {"txtTargetZoom", "txtMenInterval", "txtOtstup_H",
                                              "txtOtstup_D",   "txtDx",          "txtDy"};
        // Mostly what a coach types; now and then a slip of the hand.
        static const char* const kUsual[] = {"100", "80", "120", "0", "5", "10", "15", "20", "725", "765", "700"};
        static const char* const kOdd[] = {"150",  "50", "3000", "9",  "abc", "",    "-1",    "1e2", "&H20",
                                           "7 25", "49", "151",  "21", "0.5", "2.5", "32768", "99",  "1500"};
        const auto typed = [this] {
            return QString::fromLatin1(m_dice.chance(0.85) ? kUsual[m_dice.below(std::size(kUsual))]
                                                           : kOdd[m_dice.below(std::size(kOdd))]);
        };
        const QList<QRadioButton*> options = m_cfg.findChildren<QRadioButton*>();
        const QList<QLabel*> swatches = m_cfg.findChildren<QLabel*>(QRegularExpression(QStringLiteral("^labFon")));
        const QList<QComboBox*> lists = m_cfg.findChildren<QComboBox*>();
        switch (m_dice.below(10)) {
        case 0: {
            QLabel* swatch = swatches.at(m_dice.below(int(swatches.size())));
            note(QStringLiteral("click ") + swatch->objectName());
            QTest::mouseClick(swatch, Qt::LeftButton);
            break;
        }
        case 1:
        case 2: {
            QRadioButton* option = options.at(m_dice.below(int(options.size())));
            note(QStringLiteral("click ") + option->objectName());
            QTest::mouseClick(option, Qt::LeftButton);
            break;
        }
        case 3: {
            QComboBox* list = lists.at(m_dice.below(int(lists.size())));
            if (m_dice.chance(0.8)) {
                // Mostly the short times of a training, so that many series run.
                const int index = m_dice.below(m_dice.chance(0.7) ? 3 : list->count());
                note(QStringLiteral("choose %1 in %2").arg(index).arg(list->objectName()));
                list->setCurrentIndex(index);
            } else {
                const QString text = typed();
                note(QStringLiteral("type '%1' into %2").arg(text, list->objectName()));
                list->setEditText(text);
            }
            break;
        }
        case 4: {
            const char* name = kFields[m_dice.below(std::size(kFields))];
            const QString text = typed();
            note(QStringLiteral("type '%1' into %2").arg(text, QLatin1String(name)));
            m_cfg.findChild<QLineEdit*>(QLatin1String(name))->setText(text);
            break;
        }
        case 5:
            note(QStringLiteral("Рекомендуемые"));
            QTest::mouseClick(m_cfg.findChild<QPushButton*>(QStringLiteral("knDef")), Qt::LeftButton);
            break;
        case 6:
            if (m_dice.chance(0.5)) {
                note(QStringLiteral("Выход"));
                QTest::mouseClick(m_cfg.findChild<QPushButton*>(QStringLiteral("Command1")), Qt::LeftButton);
            } else {
                note(QStringLiteral("Esc on the settings"));
                QTest::keyClick(&m_cfg, Qt::Key_Escape);
            }
            break;
        default:
            ++m_okPresses;
            note(QStringLiteral("OK"));
            m_dice.chance(0.5)
                ? QTest::mouseClick(m_cfg.findChild<QPushButton*>(QStringLiteral("knStart")), Qt::LeftButton)
                : QTest::keyClick(&m_cfg, Qt::Key_Return);
            break;
        }
    }

    void playOnStand()
    {
        frmStend& s = *stand();
        const int roll = m_dice.below(100);
        if (roll < 62) {
            tick(QStringLiteral("tick"));
        } else if (roll < 75) {
            static constexpr Qt::Key kKeys[] = {Qt::Key_Escape, Qt::Key_Space, Qt::Key_Space, Qt::Key_Return,
                                                Qt::Key_Enter,  Qt::Key_A,     Qt::Key_1,     Qt::Key_Tab};
            const Qt::Key key = kKeys[m_dice.below(std::size(kKeys))];
            note(QStringLiteral("key %1").arg(QKeySequence(key).toString()));
            QWidget* focused = QApplication::focusWidget();
            QTest::keyClick(focused && focused->window() == &s ? focused : &s, key);
        } else if (roll < 78) { // a close mark asks to stop
            const int index = m_dice.below(2);
            note(QStringLiteral("click LabExit(%1)").arg(index));
            QTest::mouseClick(s.LabExit(index), Qt::LeftButton);
        } else if (roll < 87) {
            QPushButton* buttons[] = {s.knGo(), s.knKalibrovka(), s.knStopKalibr()};
            QPushButton* button = buttons[m_dice.below(3)];
            note(QStringLiteral("click ") + button->objectName());
            if (button->isVisible())
                QTest::mouseClick(button, Qt::LeftButton);
        } else if (roll < 93) { // the top strip drags
            const QPoint at(m_dice.below(s.width()), m_dice.below(s.height()));
            note(QStringLiteral("press at (%1, %2)").arg(at.x()).arg(at.y()));
            QTest::mousePress(&s, Qt::LeftButton, {}, at);
            QTest::mouseRelease(&s, Qt::LeftButton, {}, at);
        } else if (roll < 97) {
            resize(s);
        } else {
            note(QStringLiteral("close request"));
            s.close();
        }
    }

    // Mostly laptop and projector sizes; now and then up to 8K, or tiny. A resize by hand
    // takes a window out of its maximised state, as the window manager does.
    void resize(frmStend& s)
    {
        const int kind = m_dice.below(20);
        QSize size;
        if (kind == 0) {
            size = {m_dice.between(3841, kLargestWidth), m_dice.between(2161, kLargestHeight)};
            ++m_largeResizes;
        } else if (kind <= 3) {
            size = {m_dice.between(1921, 3840), m_dice.between(1081, 2160)};
        } else if (kind == 4) {
            size = {m_dice.between(1, 1023), m_dice.between(1, 599)};
        } else {
            size = {m_dice.between(1024, 1920), m_dice.between(600, 1080)};
        }
        note(QStringLiteral("resize to %1 x %2").arg(size.width()).arg(size.height()));
        s.setWindowState(Qt::WindowNoState);
        s.resize(size);
    }

    void tick(const QString& what)
    {
        if (!stand()->tik().isActive())
            return; // a stopped timer delivers nothing
        note(what);
        stand()->tikTimer();
    }

    // A real modal box keeps the timer's ticks coming: up to three, and boxes within boxes.
    void ticksUnderABox()
    {
        if (!stand() || m_boxDepth >= 3)
            return;
        ++m_boxDepth;
        for (int i = m_dice.below(4); i > 0; --i) {
            if (stand()->tik().isActive())
                ++m_nestedTicks;
            tick(QStringLiteral("tick under a box"));
        }
        --m_boxDepth;
    }

    void check()
    {
        if (!m_failure.isEmpty() || !stand())
            return;
        frmStend& s = *stand();
        const int state = int(m_base.ShowState);
        if (!s.isVisible() && s.tik().isActive())
            fail(QStringLiteral("the timer runs while the stand window is hidden"));
        else if (state < 0 || state > 3)
            fail(QStringLiteral("ShowState is %1").arg(state));
        // A series is on the stand while the show runs in state 2 or 3.
        const bool seriesShown =
            s.isVisible() && s.tik().isActive() &&
            (m_base.ShowState == ShowStateCode::Series || m_base.ShowState == ShowStateCode::KeyPauseScoring);
        if (seriesShown && s.cycle().PlaceBusy)
            fail(QStringLiteral("PlaceBusy is True while a series is shown"));
        if (seriesShown &&
            !(s.series().TekTargetType == m_lastSeries.TekTargetType && s.series().Men == m_lastSeries.Men)) {
            // Just placed: nothing can have resized the window since.
            m_lastSeries = s.series();
            const LaneCheck lanes = laneCheck(s, m_base);
            if (!lanes.roomy(m_lastSeries.TekTargetType)) {
                ++m_seriesCramped;
            } else if (const QString out = lanes.outside(m_lastSeries); !out.isEmpty()) {
                fail(out);
            } else {
                ++m_seriesChecked;
            }
        }
    }

    void fail(const QString& what)
    {
        m_failure = QStringLiteral("seed %1, event %2: %3; last events:\n  %4")
                        .arg(m_seed)
                        .arg(m_played)
                        .arg(what, m_recent.join(QStringLiteral("\n  ")));
    }

    uint64_t m_seed;
    Dice m_dice;
    Base m_base;
    OperatorPlatform m_platform;
    frmCfg m_cfg;
    QEventLoop* m_done = nullptr;
    long m_events = 0;
    long m_played = 0;
    long m_nestedTicks = 0;
    long m_seriesChecked = 0;
    long m_seriesCramped = 0;
    long m_okPresses = 0;
    long m_largeResizes = 0;
    int m_boxDepth = 0;
    Series m_lastSeries;
    QStringList m_recent;
    QString m_failure;
};

void TestEndurance::randomOperatorActions()
{
    const uint64_t chosen = seed();
    qInfo("operator seed %llu", static_cast<unsigned long long>(chosen));
    Operator op(chosen);
    const QString failure = op.play(kOperatorEvents);
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
    QCOMPARE(op.played(), kOperatorEvents);
    qInfo(
        "%ld events, %ld ticks under boxes, %ld boxes (%ld questions, %ld failed placements), %ld beeps, "
        "%ld presses of OK, %ld resizes beyond 4K; %ld series checked in their lanes, %ld in lanes too small for them",
        op.played(), op.nestedTicks(), op.platform().boxes, op.platform().questions, op.platform().placementFailures,
        op.platform().beeps, op.okPresses(), op.largeResizes(), op.seriesChecked(), op.seriesTooCramped());
    // The run must have reached the show itself, not only the settings window.
    QVERIFY(op.seriesChecked() > 500);
}

// 86,400 one-second ticks: two players, three targets of a random kind, the pause fixed for
// one hour and driven by keys the next.
void TestEndurance::dayLongShow()
{
    const uint64_t chosen = seed();
    qInfo("day seed %llu", static_cast<unsigned long long>(chosen));
    Dice dice(chosen);
    OperatorPlatform platform(dice);
    Base base;
    SetDefaults(base, std::nullopt);
    base.PlayerCount = 2;
    base.TargetsPerPlayer = 3;
    base.TargetType = TargetCode::Random;
    base.ShowTime = 2;
    base.PauseTime = 3;
    frmStend stand(base, platform);
    stand.tik().blockSignals(true); // the test gives every tick itself
    stand.show();
    stand.knGoClick();
    platform.numbers.seed(chosen);
    stand.setWindowState(Qt::WindowNoState);
    stand.resize(1920, 1080);
    QVERIFY(stand.tik().isActive());

    constexpr int32_t kHour = 3600;
    constexpr int32_t kScoringTicks = 4; // the players walk up, note their hits, the operator presses Space
    const int32_t fixedInterval = base.ShowTime + base.PauseTime;
    const int32_t keyInterval = base.ShowTime + 1 + kScoringTicks + kCountdownTicks;
    size_t heapBefore = 0;
    long long residentBefore = 0;
    long series = 0;
    int32_t lastStart = 0, scoring = 0;
    for (int32_t t = 1; t <= kDayTicks; ++t) {
        const int32_t hour = (t - 1) / kHour;
        base.PauseMode = hour % 2 == 0 ? PauseCode::Fixed : PauseCode::Keys;
        const ShowStateCode before = base.ShowState;
        stand.tikTimer();
        if (base.ShowState == ShowStateCode::KeyPauseScoring && ++scoring == kScoringTicks) {
            scoring = 0;
            QTest::keyClick(&stand, Qt::Key_Space);
        }
        if (before != ShowStateCode::Countdown || base.ShowState != ShowStateCode::Series)
            continue;

        ++series;
        QVERIFY2(!stand.cycle().PlaceBusy, qPrintable(QStringLiteral("placement failed at tick %1").arg(t)));
        const LaneCheck lanes = laneCheck(stand, base);
        QVERIFY(lanes.roomy(stand.series().TekTargetType));
        const QString out = lanes.outside(stand.series());
        QVERIFY2(out.isEmpty(), qPrintable(QStringLiteral("tick %1: %2").arg(t).arg(out)));
        // Two series within one hour had that hour's kind of pause between them.
        if (lastStart != 0 && (lastStart - 1) / kHour == hour) {
            const int32_t expected = base.PauseMode == PauseCode::Fixed ? fixedInterval : keyInterval;
            QVERIFY2(t - lastStart == expected,
                     qPrintable(QStringLiteral("tick %1: %2 ticks after the last series, not %3")
                                    .arg(t)
                                    .arg(t - lastStart)
                                    .arg(expected)));
        }
        lastStart = t;
        QCoreApplication::processEvents(); // paint the series, as the window would
        if (heapBefore == 0 && t > kHour / 2) {
            heapBefore = heapInUse();
            residentBefore = residentBytes();
        }
    }
    QCoreApplication::processEvents();
    const size_t heapAfter = heapInUse();
    const long long residentAfter = residentBytes();
    QVERIFY(stand.isVisible());
    QVERIFY(stand.tik().isActive());
    QCOMPARE(platform.questions, 0L);
    const long long growth = static_cast<long long>(heapAfter) - static_cast<long long>(heapBefore);
    qInfo("%d ticks: %ld series, every one inside its lanes; %ld beeps, %ld boxes; heap in use %zu bytes after "
          "half an hour, %zu after 24 hours (%+lld); resident %lld and %lld bytes",
          kDayTicks, series, platform.beeps, platform.boxes, heapBefore, heapAfter, growth, residentBefore,
          residentAfter);
    constexpr long long kHeapSlack = 64 * 1024;
    QVERIFY(growth < kHeapSlack);
}

QTEST_MAIN(TestEndurance)
#include "tst_endurance.moc"
