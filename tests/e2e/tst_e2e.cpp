// The program as a club operator meets it: the real binary on a private X server with a
// window manager, driven by keys and clicks, judged from screenshots pixel by pixel.

#include "Picture.h"
#include "StandModel.h"
#include "XSession.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <functional>
#include <memory>
#include <optional>

using namespace stand_model;
using picture::describe;

namespace {

const QString kShots = QStringLiteral(QUORRIN_E2E_SHOTS);
const QString kProgram = QStringLiteral(QUORRIN_BINARY);
const QString kMaker = QStringLiteral(QUORRIN_MAKER_ADDRESS);

const QString kSettingsTitle = QStringLiteral(" Quorrin: настройка параметров отображения мишеней на стенде");
// Titles as xdotool's case-insensitive extended regular expressions.
const QString kSettingsPattern = QStringLiteral("^ Quorrin: ");
const QString kStandPattern = QStringLiteral("^ Quorrin$");
QString boxPattern()
{
    QString escaped = kMaker;
    escaped.replace(QLatin1Char('.'), QStringLiteral("[.]"));
    return QStringLiteral("^ ") + escaped + QStringLiteral(" $");
}

const QRgb kBlack = qRgb(0, 0, 0);
const QRgb kWhite = qRgb(255, 255, 255);
const QRgb kRed = qRgb(255, 0, 0);
const QRgb kYellow = qRgb(255, 255, 0);
const QRgb kGrey128 = qRgb(128, 128, 128);
const QRgb kSettingsGrey = qRgb(212, 212, 212);
const QRgb kOlive = qRgb(128, 128, 0);

// The settings window's controls: pixels at 96 dpi from the top-left of its client area.
namespace settings_window {
constexpr QSize kClient{789, 568};
constexpr int kSwatchTop = 8;
constexpr int kSwatchSide = 25;
constexpr QRect kOnePlayer{208, 40, 65, 33};
constexpr QRect kOneTarget{208, 80, 65, 33};
constexpr QRect kEuro{320, 120, 65, 33};
constexpr QRect kSquare{208, 160, 89, 33};
constexpr QRect kCircle{320, 160, 65, 33};
constexpr QRect kShowTimeList{208, 208, 65, 24};
constexpr QRect kPauseList{368, 248, 65, 24};
constexpr QRect kKeyPause{208, 288, 345, 33};
constexpr QRect kDx{264, 456, 41, 25};
constexpr QRect kDy{400, 456, 41, 25};
constexpr QRect kExitButton{16, 520, 97, 33};
constexpr QRect kRecommendedButton{152, 520, 185, 33};
constexpr QRect kOkButton{400, 520, 153, 33};

struct Swatch {
    const char* name;
    int left;
    QRgb colour;
};
const Swatch kSwatches[] = {{"near-black", 208, qRgb(16, 16, 16)},    {"dark grey", 240, qRgb(64, 64, 64)},
                            {"grey", 272, qRgb(128, 128, 128)},       {"silver", 304, qRgb(192, 192, 192)},
                            {"light grey", 336, qRgb(224, 224, 224)}, {"olive", 368, qRgb(128, 128, 0)},
                            {"dark teal", 400, qRgb(0, 64, 64)}};

// Labels whose text must show; their rectangles from the window's layout.
struct Text {
    const char* name;
    QRect rect;
};
const Text kTexts[] = {{"Цвет фона", {16, 16, 97, 25}},
                       {"Количество игроков", {16, 48, 177, 25}},
                       {"Количество мишеней у каждого игрока", {16, 80, 201, 41}},
                       {"Тип мишеней", {16, 128, 177, 25}},
                       {"Длительность показа мишеней в одной серии", {16, 200, 193, 41}},
                       {"Пауза между сериями", {16, 256, 193, 25}},
                       {"Корректирующий масштаб", {16, 344, 209, 25}},
                       {"Интервал между игроками", {16, 376, 209, 25}},
                       {"Неиспользуемые области", {16, 416, 193, 25}},
                       {"Калибровка", {16, 464, 137, 25}},
                       {"Unifight", {208, 120, 89, 33}},
                       {"Выход", kExitButton},
                       {"Рекомендуемые", kRecommendedButton},
                       {" OK ", kOkButton}};
} // namespace settings_window

// The stand window before a show, in twips of its design.
namespace stand_window {
constexpr QSize kDesignPixels{687, 437};
constexpr double kButtonHeight = 615;
constexpr double kButtonGap = 300;
constexpr QSize kMarkPixels{17, 23};
} // namespace stand_window

QString runtimeFolder()
{
    const QString given = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!given.isEmpty())
        return given;
    static QTemporaryDir own;
    QFile::setPermissions(own.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return own.path();
}

bool isDark(QRgb p)
{
    return qRed(p) < 100 && qGreen(p) < 100 && qBlue(p) < 100;
}

void save(const QImage& shot, const QString& name)
{
    if (!shot.isNull())
        shot.save(kShots + QLatin1Char('/') + name + QStringLiteral(".png"));
}

// ---------------------------------------------------------------------------------------
// The program, started on a session; it ends with the object.

class Program {
public:
    Program(const XSession& x, const QString& name)
        : m_x(x)
    {
        QProcessEnvironment environment = x.environment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtimeFolder());
        environment.insert(QStringLiteral("NO_AT_BRIDGE"), QStringLiteral("1"));
        m_process = std::make_unique<ChildProcess>(kProgram, QStringList{}, environment,
                                                   kShots + QStringLiteral("/logs/") + name + QStringLiteral(".log"));
        if (!m_process->started()) {
            failure = QStringLiteral("the program did not start: ") + kProgram;
            return;
        }
        std::optional<quint64> found;
        if (!waitUntil([&] { return (found = x.window(kSettingsPattern)).has_value(); }, 15000)) {
            failure = QStringLiteral("the settings window did not appear");
            return;
        }
        settings = *found;
        if (!waitUntil([&] { return x.focusedWindow() == settings; }, 5000)) {
            failure = QStringLiteral("the settings window did not get the keyboard");
            return;
        }
        // The window centres itself again once its title bar is known: act only where it stays.
        std::optional<QRect> last;
        int unchanged = 0;
        waitUntil(
            [&] {
                const std::optional<QRect> now = x.clientRect(settings);
                unchanged = now == last ? unchanged + 1 : 0;
                last = now;
                return unchanged >= 4;
            },
            3000, 50);
        client = last.value_or(QRect());
    }
    ~Program() = default;
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    bool running() { return m_process && m_process->running(); }
    bool ends(int timeoutMs)
    {
        return waitUntil([&] { return !running(); }, timeoutMs);
    }
    QPoint inSettings(QPoint p) const { return client.topLeft() + p; }
    bool clickSettings(const QRect& control) const { return m_x.click(inSettings(control.center())); }

    QString failure;
    quint64 settings = 0;
    QRect client;

private:
    const XSession& m_x;
    std::unique_ptr<ChildProcess> m_process;
};

std::optional<quint64> waitForWindow(const XSession& x, const QString& pattern, int timeoutMs)
{
    std::optional<quint64> found;
    waitUntil([&] { return (found = x.window(pattern)).has_value(); }, timeoutMs);
    return found;
}

bool waitForFocus(const XSession& x, quint64 window, int timeoutMs)
{
    return waitUntil([&] { return x.focusedWindow() == window; }, timeoutMs);
}

bool waitUntilGone(const XSession& x, quint64 window, int timeoutMs)
{
    return waitUntil([&] { return !x.clientRect(window).has_value(); }, timeoutMs);
}

// The box the program opens: found, holding the keyboard.
std::optional<quint64> waitForBox(const XSession& x, int timeoutMs)
{
    const std::optional<quint64> box = waitForWindow(x, boxPattern(), timeoutMs);
    if (box && !waitForFocus(x, *box, 3000))
        return std::nullopt;
    return box;
}

// "Да" is not the default: the keyboard moves to it, then presses it.
bool answerYes(const XSession& x)
{
    return x.key(QStringLiteral("shift+Tab")) && x.key(QStringLiteral("Return"));
}

// The stand window's buttons stand in its middle: "Вперёд!" centred, "Калибровка" below it.
QPoint goButton(const QRect& stand)
{
    return stand.center();
}

QPoint calibrationButton(const QRect& stand, double tpp)
{
    return stand.center() + QPoint(0, int(std::lround((stand_window::kButtonHeight + stand_window::kButtonGap) / tpp)));
}

// ---------------------------------------------------------------------------------------
// What a screenshot of a running show holds.

struct Target {
    QRect box; // pixels
    int player = 0;
    bool operator==(const Target&) const = default;
};

QList<Target> findTargets(const QImage& shot, const Field& field, const Look& look)
{
    const int laneTop = int(field.pixels(field.zonaH0()));
    const QRect area(0, laneTop, shot.width(), shot.height() - laneTop);
    // Everything that is neither background nor a line is part of a face.
    const auto isFace = [&](QRgb p) {
        return p != look.background && p != look.border && p != look.separator;
    };
    QList<Target> targets;
    const double middle = field.pixels(field.separator());
    for (const picture::Blob& blob : picture::blobs(shot, area, isFace))
        targets << Target{blob.box, field.players == 2 && blob.box.center().x() >= middle ? 1 : 0};
    std::sort(targets.begin(), targets.end(), [](const Target& a, const Target& b) {
        return std::pair(a.box.y(), a.box.x()) < std::pair(b.box.y(), b.box.x());
    });
    return targets;
}

struct Frame {
    double at = 0; // seconds after the operator's start of the show
    QImage caption;
    int captionInk = 0; // pixels of the text colour in the caption's place
    QList<Target> targets;
};

// Watches a stand that fills the screen: one frame per screenshot.
class Watcher {
public:
    Watcher(const XSession& x, const Field& field, const Look& look)
        : m_x(x)
        , m_field(field)
        , m_look(look)
    {
        m_clock.start();
    }

    void restartClock() { m_clock.restart(); }
    double now() const { return m_clock.elapsed() / 1000.0; }

    const Frame& next()
    {
        const double before = now();
        m_last = m_x.grab();
        Frame frame;
        frame.at = (before + now()) / 2;
        if (!m_last.isNull()) {
            const QRect strip = m_field.captionStrip(150);
            frame.caption = m_last.copy(strip);
            frame.captionInk = picture::count(m_last, strip, m_look.text);
            frame.targets = findTargets(m_last, m_field, m_look);
        }
        frames << frame;
        return frames.last();
    }

    // Frames until done() holds for the newest, or until the clock passes `until` seconds.
    bool until(const std::function<bool(const Frame&)>& done, double untilSeconds)
    {
        while (now() < untilSeconds)
            if (done(next()))
                return true;
        return false;
    }

    // Until `count` targets stand still over two frames in a row.
    bool untilTargetsSettle(int count, double untilSeconds)
    {
        return until(
            [&](const Frame& frame) {
                return frame.targets.size() == count && frames.size() >= 2 &&
                       frames[frames.size() - 2].targets == frame.targets;
            },
            untilSeconds);
    }

    // The screen shows the stand's background below the lanes, and the buttons in the
    // middle have gone: the window has been repainted for the show.
    bool showsBareStand() const
    {
        if (m_last.isNull() || m_last.size() != m_x.screenSize())
            return false;
        const int bottom = m_last.height() - 3;
        for (int x : {3, m_last.width() / 3, m_last.width() - 4})
            if (m_last.pixel(x, bottom) != m_look.background)
                return false;
        const QRect buttons(m_last.rect().center() - QPoint(80, 25), QSize(160, 110));
        return picture::count(m_last, buttons,
                              [&](QRgb p) { return p != m_look.background && p != m_look.separator; }) == 0;
    }

    const QImage& lastShot() const { return m_last; }
    QList<Frame> frames;

private:
    const XSession& m_x;
    Field m_field;
    Look m_look;
    QElapsedTimer m_clock;
    QImage m_last;
};

// The moments the caption changed, each with the new caption.
struct CaptionChange {
    double at = 0;
    int frame = 0;
    QImage caption;
    bool inked = false;
};

QList<CaptionChange> captionChanges(const QList<Frame>& frames)
{
    QList<CaptionChange> changes;
    for (int i = 1; i < frames.size(); ++i)
        if (frames[i].caption != frames[i - 1].caption)
            changes << CaptionChange{frames[i].at, i, frames[i].caption, frames[i].captionInk > 0};
    return changes;
}

int firstFrameWithTargets(const QList<Frame>& frames, int from = 0)
{
    for (int i = from; i < frames.size(); ++i)
        if (!frames[i].targets.isEmpty())
            return i;
    return -1;
}

int firstFrameWithoutTargets(const QList<Frame>& frames, int from)
{
    for (int i = from; i < frames.size(); ++i)
        if (frames[i].targets.isEmpty())
            return i;
    return -1;
}

// Each target lies in its player's lane with the margins the placement keeps, each player
// has `perPlayer`, and no two of one player's overlap. Empty when all holds.
QString checkPlacement(const QList<Target>& targets, const Field& field, const Scale& scale, int perPlayer)
{
    QStringList problems;
    for (int player = 0; player < field.players; ++player) {
        QList<QRect> own;
        for (const Target& t : targets)
            if (t.player == player)
                own << t.box;
        if (own.size() != perPlayer)
            problems
                << QStringLiteral("player %1 has %2 targets, not %3").arg(player + 1).arg(own.size()).arg(perPlayer);
        const QRectF lane = field.lane(player);
        const double slack = field.twipsPerPixel; // one pixel
        for (const QRect& box : own) {
            const double left = field.twips(box.left()), right = field.twips(box.right() + 1);
            const double top = field.twips(box.top()), bottom = field.twips(box.bottom() + 1);
            if (left < lane.left() + kLaneMargin - slack || top < lane.top() + kLaneMargin - slack ||
                right > lane.right() - kLaneMargin - scale.kx + slack ||
                bottom > lane.bottom() - kLaneMargin - scale.ky + slack)
                problems << QStringLiteral("player %1's target %2 leaves its lane %3..%4 x %5..%6 twips")
                                .arg(player + 1)
                                .arg(describe(box))
                                .arg(lane.left())
                                .arg(lane.right())
                                .arg(lane.top())
                                .arg(lane.bottom());
        }
        for (int i = 0; i < own.size(); ++i)
            for (int j = i + 1; j < own.size(); ++j)
                if (own[i].intersects(own[j]))
                    problems << QStringLiteral("player %1's targets %2 and %3 overlap")
                                    .arg(player + 1)
                                    .arg(describe(own[i]), describe(own[j]));
    }
    return problems.join(QStringLiteral("; "));
}

// Every target is `width` x `height` twips, give or take a pixel. Empty when all are.
QString checkSizes(const QList<Target>& targets, const Field& field, double width, double height)
{
    const double w = field.pixels(width), h = field.pixels(height);
    QStringList seen;
    for (const Target& t : targets)
        seen << QStringLiteral("%1x%2").arg(t.box.width()).arg(t.box.height());
    seen.removeDuplicates();
    qInfo("faces of %s px; true size %.2f x %.2f px", qPrintable(seen.join(QStringLiteral(", "))), w, h);
    QStringList problems;
    for (const Target& t : targets)
        if (std::abs(t.box.width() - w) > 1.0 || std::abs(t.box.height() - h) > 1.0)
            problems
                << QStringLiteral("%1 (should be %2 x %3 px)").arg(describe(t.box)).arg(w, 0, 'f', 2).arg(h, 0, 'f', 2);
    return problems.join(QStringLiteral("; "));
}

QString checkUnifightFaces(const QImage& shot, const QList<Target>& targets)
{
    QStringList problems;
    for (const Target& t : targets) {
        const QPoint c = t.box.center();
        // White bull, black rim.
        if (shot.pixel(c) != kWhite || shot.pixel(t.box.left() + 2, c.y()) != kBlack ||
            shot.pixel(c.x(), t.box.top() + 2) != kBlack)
            problems << describe(t.box);
    }
    return problems.isEmpty() ? QString()
                              : QStringLiteral("not a Unifight face: ") + problems.join(QStringLiteral(", "));
}

QString checkEuroFaces(const QImage& shot, const QList<Target>& targets)
{
    QStringList problems;
    for (const Target& t : targets) {
        const QPoint c = t.box.center();
        // Black bull, red outer ring.
        if (shot.pixel(c) != kBlack || shot.pixel(t.box.left() + 4, c.y()) != kRed ||
            shot.pixel(c.x(), t.box.bottom() - 4) != kRed)
            problems << describe(t.box);
    }
    return problems.isEmpty() ? QString() : QStringLiteral("not a Euro face: ") + problems.join(QStringLiteral(", "));
}

// The four borders and, for two players, the separator, where the lanes put them.
QString checkFrameLines(const QImage& shot, const Field& field, const Look& look)
{
    QStringList problems;
    const auto px = [&](double twips) {
        return field.pixels(twips);
    };
    const int quarterX = int(px(field.borderLeft() + (field.borderRight() - field.borderLeft()) / 4));
    const int quarterY = int(px(field.borderTop() + (field.borderBottom() - field.borderTop()) / 4));
    const auto judge = [&](const QString& name, const picture::Line& line, double centre, double from, double to,
                           bool onEdge) {
        if (!line.found) {
            problems << QStringLiteral("%1 line not found near %2 px").arg(name).arg(centre);
            return;
        }
        // A line on the screen's edge shows only its inner half.
        const bool thicknessOk = line.thickness == 2 || (onEdge && line.thickness == 1);
        if (std::abs(line.centre - centre) > 1.0 || !thicknessOk || std::abs(line.from - from) > 1.0 ||
            std::abs(line.to - to) > 1.0 || line.covered < 0.98)
            problems << QStringLiteral("%1 line at %2 (%3 px thick) from %4 to %5, %6% drawn; should be at %7 from %8 "
                                       "to %9")
                            .arg(name)
                            .arg(line.centre)
                            .arg(line.thickness)
                            .arg(line.from)
                            .arg(line.to)
                            .arg(int(line.covered * 100))
                            .arg(centre)
                            .arg(from)
                            .arg(to);
    };
    const double left = px(field.borderLeft()), right = px(field.borderRight());
    const double top = px(field.borderTop()), bottom = px(field.borderBottom());
    judge(QStringLiteral("top"), picture::horizontalLine(shot, look.border, top, quarterX), top, left, right, false);
    judge(QStringLiteral("bottom"), picture::horizontalLine(shot, look.border, bottom, quarterX), bottom, left, right,
          false);
    judge(QStringLiteral("left"), picture::verticalLine(shot, look.border, left, quarterY), left, top, bottom,
          left < 1);
    judge(QStringLiteral("right"), picture::verticalLine(shot, look.border, right, quarterY), right, top, bottom,
          false);
    if (field.players == 2) {
        const double middle = px(field.separator());
        judge(QStringLiteral("separator"), picture::verticalLine(shot, look.separator, middle, quarterY), middle, top,
              bottom, false);
    }
    return problems.join(QStringLiteral("; "));
}

QString describeTimes(const QList<CaptionChange>& changes)
{
    QStringList times;
    for (const CaptionChange& c : changes)
        times << QString::number(c.at, 'f', 2);
    return times.join(QStringLiteral(", "));
}

// ---------------------------------------------------------------------------------------
// Scenarios: each runs once and is read by several checks.

// Started with the keyboard only: Enter in the settings window, then a key on "Вперёд!".
struct KeyboardRun {
    QString failure;
    QImage settingsShot;
    QRect settingsClient;
    QMargins settingsFrame;
    QString settingsTitle;
    QImage standShot;
    QRect standRect;
    bool standHasKeyboard = false;
    bool showStarted = false;
};

// A show watched from the Go click on.
struct ShowRun {
    QString failure;
    Field field{QSize(1920, 1080), 15};
    Look look = lookOn(kGrey128);
    QRect standDuring;
    QImage firstShot; // the first picture of the window filling the screen
    QList<Frame> frames;
    int firstShown = -1, firstGone = -1, secondShown = -1;
    QImage firstSeriesShot, secondSeriesShot;
    QList<Target> firstSeries, secondSeries;
};

struct KeyPauseRun {
    QString failure;
    Field field{QSize(1920, 1080), 15};
    QList<Target> series, scoring, next;
    double seriesAt = 0, boxAt = 0, spaceAt = 0, nextAt = 0;
    bool boxSeen = false;
    int promptWidth = 0;
    bool promptStayed = false, promptGone = false;
    QList<CaptionChange> countdown;
};

struct StopRun {
    QString failure;
    bool escapeAsked = false, noAnsweredShowGoesOn = false, markAsked = false, markNoShowGoesOn = false;
    bool yesReturned = false, settingsTakesInput = false;
};

struct CalibrationRun {
    QString failure;
    bool instructionsShown = false;
    QRect stand;
    QImage crossShot;
    QList<Target> scaled;
    Field field{QSize(1920, 1080), 15};
};

} // namespace

class TestEndToEnd : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();

    void settingsWindowOpensCentredOnTheScreen();
    void settingsWindowShowsItsTextsOnItsGreyBackground();
    void enterOpensTheStandWindowCentredOverTheSettings();
    void goButtonStartsTheShowFromTheKeyboard_data();
    void goButtonStartsTheShowFromTheKeyboard();
    void typedShowTimeIsRefusedWithAMessage();
    void escapeInTheSettingsWindowAsksBeforeEnding();
    void pressInTheTopStripDragsTheStandWindow();

    void showFillsTheScreenAndHidesTheButtons();
    void frameLinesStandWhereTheLanesSay();
    void countdownLabelChangesOncePerSecond();
    void targetsAppearOnTheThirdTick();
    void unifightTargetsHaveTrueSize();
    void targetsStayInTheirLanesThreePerPlayerApart();
    void targetsVanishAfterTheSeriesTime();
    void fixedPauseCountsDownToTheNextSeries();
    void nextSeriesStandsAtNewPlaces();

    void onePlayerGetsOneLaneInTheMiddle();
    void euroTargetsHaveTrueSize();

    void keyPauseOpensTheInformationBox();
    void keyPauseBringsTheSameTargetsBackWithThePrompt();
    void spaceEndsTheKeyPauseWithACountdownAndANewSeries();

    void escapeAsksWhetherToStop();
    void answeringNoKeepsTheShowRunning();
    void closeMarkAsksTheSameQuestion();
    void answeringYesReturnsToTheSettingsWindow();

    void calibrationShowsItsInstructions();
    void calibrationTurnsTheStandOlive();
    void calibrationCrossStandsCentred();
    void newCalibrationLengthsScaleTheFaces();

    void backgroundColoursTheShapesAndLines_data();
    void backgroundColoursTheShapesAndLines();

    void fourKShowFillsTheScreenWithItsFrame();
    void fourKTargetsStayInTheirLanesAtTrueSize();

private:
    KeyboardRun runKeyboard(const QString& goKey, const QString& name);
    const KeyboardRun& keyboardRun();
    const ShowRun& defaultShow();
    ShowRun runDefaultShow();
    const KeyPauseRun& keyPauseRun();
    const StopRun& stopRun();
    const CalibrationRun& calibrationRun();
    const ShowRun& fourKShow();
    // Opens the stand from the settings window with OK, starts the show with a click on
    // "Вперёд!", and waits until the window fills the screen and shows its background.
    bool startShow(const XSession& x, Program& program, Watcher& watcher, QString& failure);

    std::unique_ptr<XSession> m_x;
    double m_tpp = 15;
    std::optional<KeyboardRun> m_keyboard;
    std::optional<ShowRun> m_show;
    std::optional<KeyPauseRun> m_keyPause;
    std::optional<StopRun> m_stop;
    std::optional<CalibrationRun> m_calibration;
    std::optional<ShowRun> m_fourK;
    std::unique_ptr<Program> m_backgroundProgram;
};

void TestEndToEnd::initTestCase()
{
    QDir shots(kShots);
    shots.removeRecursively();
    QVERIFY(QDir().mkpath(kShots + QStringLiteral("/logs")));
    QVERIFY2(QFile::exists(kProgram), qPrintable(QStringLiteral("no program at ") + kProgram));
    m_x = std::make_unique<XSession>(QSize(1920, 1080), kShots + QStringLiteral("/logs/1920x1080"));
    QVERIFY2(m_x->failure().isEmpty(), qPrintable(m_x->failure()));
    m_tpp = m_x->twipsPerPixel();
    qInfo("X server %s, 1920x1080 at %.0f dpi: %.2f twips a pixel", qPrintable(m_x->display()), m_x->dotsPerInch(),
          m_tpp);
}

void TestEndToEnd::cleanupTestCase()
{
    m_backgroundProgram.reset();
    m_x.reset();
}

// ---------------------------------------------------------------------------------------
// The settings window and the way into the stand window.

KeyboardRun TestEndToEnd::runKeyboard(const QString& goKey, const QString& name)
{
    KeyboardRun run;
    const XSession& x = *m_x;
    Program program(x, name);
    if (!program.failure.isEmpty()) {
        run.failure = program.failure;
        return run;
    }
    run.settingsClient = program.client;
    run.settingsFrame = x.frameExtents(program.settings);
    run.settingsTitle = x.title(program.settings);
    // Mapped is not yet painted: the picture counts once the window's own colour fills it.
    const auto paintedShot = [&x](const QRect& window, QRgb background) {
        QImage shot;
        waitUntil(
            [&] {
                double share = 0;
                shot = x.grab();
                return !shot.isNull() && picture::commonest(shot, window, &share) == background && share > 0.5;
            },
            3000);
        return shot;
    };
    run.settingsShot = paintedShot(run.settingsClient, kSettingsGrey);
    x.key(QStringLiteral("Return"));
    const std::optional<quint64> stand = waitForWindow(x, kStandPattern, 5000);
    if (!stand) {
        run.failure = QStringLiteral("Enter in the settings window opened no stand window");
        return run;
    }
    run.standHasKeyboard = waitForFocus(x, *stand, 3000);
    run.standRect = x.clientRect(*stand).value_or(QRect());
    run.standShot = paintedShot(run.standRect, kGrey128);
    if (!run.standHasKeyboard) {
        run.failure = QStringLiteral("the stand window did not get the keyboard");
        return run;
    }
    x.key(goKey);
    run.showStarted =
        waitUntil([&] { return x.clientRect(*stand).value_or(QRect()) == QRect(QPoint(0, 0), x.screenSize()); }, 3000);
    return run;
}

const KeyboardRun& TestEndToEnd::keyboardRun()
{
    if (!m_keyboard) {
        m_keyboard = runKeyboard(QStringLiteral("Return"), QStringLiteral("keyboard"));
        save(m_keyboard->settingsShot, QStringLiteral("01-settings"));
        save(m_keyboard->standShot, QStringLiteral("02-stand-window"));
    }
    return *m_keyboard;
}

void TestEndToEnd::settingsWindowOpensCentredOnTheScreen()
{
    const KeyboardRun& run = keyboardRun();
    QVERIFY2(run.settingsClient.isValid(), qPrintable(run.failure));
    QCOMPARE(run.settingsTitle, kSettingsTitle);
    QCOMPARE(run.settingsClient.size(), settings_window::kClient);
    // The whole window, title bar and borders included, as the operator sees it.
    const QRect outer = run.settingsClient.marginsAdded(run.settingsFrame);
    const QPointF centre = QRectF(outer).center();
    const QPointF screen = QRectF(QPointF(0, 0), QSizeF(m_x->screenSize())).center();
    QVERIFY2(std::abs(centre.x() - screen.x()) <= 1.0 && std::abs(centre.y() - screen.y()) <= 1.0,
             qPrintable(QStringLiteral("the window %1 (client area %2, frame %3/%4/%5/%6) has its centre at (%7, %8), "
                                       "the screen's is (%9, %10)")
                            .arg(describe(outer), describe(run.settingsClient))
                            .arg(run.settingsFrame.left())
                            .arg(run.settingsFrame.top())
                            .arg(run.settingsFrame.right())
                            .arg(run.settingsFrame.bottom())
                            .arg(centre.x())
                            .arg(centre.y())
                            .arg(screen.x())
                            .arg(screen.y())));
}

void TestEndToEnd::settingsWindowShowsItsTextsOnItsGreyBackground()
{
    const KeyboardRun& run = keyboardRun();
    QVERIFY2(!run.settingsShot.isNull() && run.settingsClient.isValid(), qPrintable(run.failure));
    const QImage client = run.settingsShot.copy(run.settingsClient);
    double share = 0;
    const QRgb background = picture::commonest(client, client.rect(), &share);
    QVERIFY2(background == kSettingsGrey && share > 0.5,
             qPrintable(QStringLiteral("the window's commonest colour is %1 on %2% of it")
                            .arg(describe(background))
                            .arg(int(share * 100))));
    for (const settings_window::Text& text : settings_window::kTexts) {
        const int ink = picture::count(client, text.rect, isDark);
        QVERIFY2(ink >= 20, qPrintable(QStringLiteral("\"%1\" shows %2 dark pixels in %3")
                                           .arg(QString::fromUtf8(text.name))
                                           .arg(ink)
                                           .arg(describe(text.rect))));
    }
    // The swatches show their colours; the grey one carries the mark of the chosen.
    for (const settings_window::Swatch& swatch : settings_window::kSwatches) {
        const QRect inside(swatch.left + 3, settings_window::kSwatchTop + 3, settings_window::kSwatchSide - 6,
                           settings_window::kSwatchSide - 6);
        const QRgb shown = picture::commonest(client, inside);
        QVERIFY2(shown == swatch.colour,
                 qPrintable(QStringLiteral("swatch %1 shows %2").arg(QLatin1String(swatch.name), describe(shown))));
        const int mark = picture::count(client, inside, [&](QRgb p) { return p != swatch.colour; });
        QVERIFY2(
            (mark > 10) == (swatch.colour == kGrey128),
            qPrintable(QStringLiteral("swatch %1 has %2 pixels of a mark").arg(QLatin1String(swatch.name)).arg(mark)));
    }
}

void TestEndToEnd::enterOpensTheStandWindowCentredOverTheSettings()
{
    const KeyboardRun& run = keyboardRun();
    QVERIFY2(run.standRect.isValid(), qPrintable(run.failure));
    QVERIFY2(run.standHasKeyboard, "the stand window does not hold the keyboard");
    QCOMPARE(run.standRect.size(), stand_window::kDesignPixels);
    const QRectF settingsOuter = QRectF(run.settingsClient.marginsAdded(run.settingsFrame));
    const QPointF offset = QRectF(run.standRect).center() - settingsOuter.center();
    QVERIFY2(std::abs(offset.x()) <= 1.0 && std::abs(offset.y()) <= 1.0,
             qPrintable(QStringLiteral("stand window %1 is off the settings window's centre by (%2, %3)")
                            .arg(describe(run.standRect))
                            .arg(offset.x())
                            .arg(offset.y())));
    const QImage stand = run.standShot.copy(run.standRect);
    double share = 0;
    const QRgb background = picture::commonest(stand, stand.rect(), &share);
    QVERIFY2(background == kGrey128 && share > 0.8,
             qPrintable(QStringLiteral("background %1 on %2%").arg(describe(background)).arg(int(share * 100))));
    // Two buttons: "Вперёд!" in the middle, "Калибровка" below; light faces with dark text.
    const QPoint go = goButton(QRect(QPoint(0, 0), stand.size()));
    const QPoint calibrate = calibrationButton(QRect(QPoint(0, 0), stand.size()), m_tpp);
    for (const QPoint& centre : {go, calibrate}) {
        const QRect face(centre - QPoint(40, 10), QSize(80, 20));
        const int dark = picture::count(stand, face, isDark);
        const int light = picture::count(stand, face, [](QRgb p) { return qGray(p) > 200; });
        QVERIFY2(dark > 30 && light > 600, qPrintable(QStringLiteral("no button at (%1,%2): %3 dark, %4 light pixels")
                                                          .arg(centre.x())
                                                          .arg(centre.y())
                                                          .arg(dark)
                                                          .arg(light)));
    }
    // The yellow close marks in both top corners.
    const QSize mark = stand_window::kMarkPixels;
    for (const QRect& corner : {QRect(QPoint(0, 0), mark), QRect(QPoint(stand.width() - mark.width(), 0), mark)})
        QVERIFY2(picture::count(stand, corner, kYellow) > 5,
                 qPrintable(QStringLiteral("no yellow mark in %1").arg(describe(corner))));
}

void TestEndToEnd::goButtonStartsTheShowFromTheKeyboard_data()
{
    QTest::addColumn<QString>("key");
    QTest::newRow("Return on the focused Go button starts the show") << QStringLiteral("Return");
    QTest::newRow("space on the focused Go button starts the show") << QStringLiteral("space");
}

void TestEndToEnd::goButtonStartsTheShowFromTheKeyboard()
{
    QFETCH(QString, key);
    const KeyboardRun run = key == QLatin1String("Return") ? keyboardRun() : runKeyboard(key, QStringLiteral("space"));
    QVERIFY2(run.standHasKeyboard, qPrintable(run.failure));
    QVERIFY2(run.showStarted,
             qPrintable(key + QStringLiteral(" on \"Вперёд!\" did not make the stand fill the screen")));
}

void TestEndToEnd::typedShowTimeIsRefusedWithAMessage()
{
    const XSession& x = *m_x;
    Program program(x, QStringLiteral("typed-show-time"));
    QVERIFY2(program.failure.isEmpty(), qPrintable(program.failure));
    // "7" typed over the list's "5" names another entry, yet a typed value is no choice from the list.
    program.clickSettings(settings_window::kShowTimeList.adjusted(0, 0, -20, 0));
    x.key(QStringLiteral("ctrl+a"));
    x.type(QStringLiteral("7"));
    x.key(QStringLiteral("Return"));
    const std::optional<quint64> box = waitForBox(x, 3000);
    QVERIFY2(box.has_value(), "Enter with a typed show time brought no message");
    save(x.grab(), QStringLiteral("19-typed-show-time"));
    QVERIFY2(x.windows(kStandPattern).isEmpty(), "the stand window opened all the same");
    x.key(QStringLiteral("Return"));
    QVERIFY2(waitUntilGone(x, *box, 3000), "OK did not close the message");
    QVERIFY2(waitForFocus(x, program.settings, 3000), "the settings window did not get the keyboard back");
    QVERIFY(x.windows(kStandPattern).isEmpty());
}

void TestEndToEnd::escapeInTheSettingsWindowAsksBeforeEnding()
{
    const XSession& x = *m_x;
    Program program(x, QStringLiteral("exit"));
    QVERIFY2(program.failure.isEmpty(), qPrintable(program.failure));
    x.key(QStringLiteral("Escape"));
    std::optional<quint64> box = waitForBox(x, 3000);
    QVERIFY2(box.has_value(), "Esc asked nothing");
    x.key(QStringLiteral("Return"));
    QVERIFY2(waitUntilGone(x, *box, 3000), "Нет did not close the question");
    QVERIFY2(waitForFocus(x, program.settings, 3000) && program.running(), "Нет did not keep the program");
    x.key(QStringLiteral("Escape"));
    box = waitForBox(x, 3000);
    QVERIFY2(box.has_value(), "the second Esc asked nothing");
    answerYes(x);
    QVERIFY2(program.ends(5000), "Да did not end the program");
}

void TestEndToEnd::pressInTheTopStripDragsTheStandWindow()
{
    const XSession& x = *m_x;
    Program program(x, QStringLiteral("drag"));
    QVERIFY2(program.failure.isEmpty(), qPrintable(program.failure));
    x.key(QStringLiteral("Return"));
    const std::optional<quint64> stand = waitForWindow(x, kStandPattern, 5000);
    QVERIFY2(stand && waitForFocus(x, *stand, 3000), "no stand window");
    const QRect before = x.clientRect(*stand).value_or(QRect());
    // Pressed in the strip above the lanes, to the left of the middle, away from the marks.
    const QPoint grip = before.topLeft() + QPoint(before.width() / 4, 12);
    const QPoint shift(100, 50);
    QVERIFY(x.tool(QStringLiteral("xdotool"),
                   {QStringLiteral("mousemove"), QStringLiteral("--sync"), QString::number(grip.x()),
                    QString::number(grip.y()), QStringLiteral("mousedown"), QStringLiteral("1")}));
    // The window manager takes over the move a moment after the press; the pointer goes
    // back and forth across the last pixel until the window follows.
    int wiggle = 0;
    const bool followed = waitUntil(
        [&] {
            const QPoint to = grip + shift + QPoint(wiggle++ % 2, 0);
            x.tool(QStringLiteral("xdotool"), {QStringLiteral("mousemove"), QStringLiteral("--sync"),
                                               QString::number(to.x()), QString::number(to.y())});
            const QRect now = x.clientRect(*stand).value_or(QRect());
            return now.topLeft() - before.topLeft() == to - grip;
        },
        3000);
    x.tool(QStringLiteral("xdotool"), {QStringLiteral("mouseup"), QStringLiteral("1")});
    const QRect after = x.clientRect(*stand).value_or(QRect());
    QVERIFY2(followed, qPrintable(QStringLiteral("the window went from %1 to %2 while the pointer moved by (%3, %4)")
                                      .arg(describe(before), describe(after))
                                      .arg(shift.x())
                                      .arg(shift.y())));
    QCOMPARE(after.size(), before.size());
}

// ---------------------------------------------------------------------------------------
// A show with the settings as they start, but a fixed pause of 10 s.

bool TestEndToEnd::startShow(const XSession& x, Program& program, Watcher& watcher, QString& failure)
{
    if (!program.clickSettings(settings_window::kOkButton)) {
        failure = QStringLiteral("could not click OK");
        return false;
    }
    const std::optional<quint64> stand = waitForWindow(x, kStandPattern, 5000);
    if (!stand || !waitForFocus(x, *stand, 3000)) {
        failure = QStringLiteral("OK opened no stand window that holds the keyboard");
        return false;
    }
    const QRect before = x.clientRect(*stand).value_or(QRect());
    x.click(goButton(before));
    watcher.restartClock();
    const QRect screen(QPoint(0, 0), x.screenSize());
    if (!waitUntil([&] { return x.clientRect(*stand).value_or(QRect()) == screen; }, 3000)) {
        failure = QStringLiteral("after \"Вперёд!\" the stand window is %1, not the whole screen")
                      .arg(describe(x.clientRect(*stand).value_or(QRect())));
        return false;
    }
    if (!waitUntil(
            [&] {
                watcher.next();
                return watcher.showsBareStand();
            },
            3000, 0)) {
        failure = QStringLiteral("the stand's background never showed across the screen");
        return false;
    }
    // Pictures from before the window filled the screen say nothing about the show.
    watcher.frames = {watcher.frames.last()};
    return true;
}

ShowRun TestEndToEnd::runDefaultShow()
{
    ShowRun run;
    const XSession& x = *m_x;
    run.field = Field(x.screenSize(), m_tpp);
    Program program(x, QStringLiteral("show"));
    if (!program.failure.isEmpty()) {
        run.failure = program.failure;
        return run;
    }
    // The pause list down from 50 to 10 with the arrow keys.
    program.clickSettings(settings_window::kPauseList.adjusted(0, 0, -20, 0));
    x.key(QStringLiteral("Up Up Up Up"));
    Watcher watcher(x, run.field, run.look);
    if (!startShow(x, program, watcher, run.failure))
        return run;
    run.firstShot = watcher.lastShot();
    run.standDuring = QRect(QPoint(0, 0), watcher.lastShot().size());
    save(run.firstShot, QStringLiteral("03-show-starts"));

    const auto finish = [&](const QString& failure) {
        run.failure = failure;
        run.frames = watcher.frames;
        run.firstShown = firstFrameWithTargets(run.frames);
        run.firstGone = run.firstShown < 0 ? -1 : firstFrameWithoutTargets(run.frames, run.firstShown);
        run.secondShown = run.firstGone < 0 ? -1 : firstFrameWithTargets(run.frames, run.firstGone);
        return run;
    };
    if (!watcher.untilTargetsSettle(6, 6.5))
        return finish(QStringLiteral("six targets did not settle within 6.5 s of \"Вперёд!\""));
    run.firstSeries = watcher.frames.last().targets;
    run.firstSeriesShot = watcher.lastShot();
    save(run.firstSeriesShot, QStringLiteral("04-unifight-series"));
    if (!watcher.until([](const Frame& f) { return f.targets.isEmpty(); }, watcher.now() + 7))
        return finish(QStringLiteral("the targets did not vanish"));
    save(watcher.lastShot(), QStringLiteral("05-pause"));
    if (!watcher.until([](const Frame& f) { return !f.targets.isEmpty(); }, watcher.now() + 12.5))
        return finish(QStringLiteral("no second series within 12.5 s of the first's end"));
    if (!watcher.untilTargetsSettle(6, watcher.now() + 2))
        return finish(QStringLiteral("the second series did not settle into six targets"));
    run.secondSeries = watcher.frames.last().targets;
    run.secondSeriesShot = watcher.lastShot();
    save(run.secondSeriesShot, QStringLiteral("06-next-series"));
    qInfo("watched the show in %d screenshots over %.1f s", int(watcher.frames.size()), watcher.now());
    return finish(QString());
}

const ShowRun& TestEndToEnd::defaultShow()
{
    if (!m_show)
        m_show = runDefaultShow();
    return *m_show;
}

void TestEndToEnd::showFillsTheScreenAndHidesTheButtons()
{
    const ShowRun& run = defaultShow();
    QVERIFY2(!run.firstShot.isNull(), qPrintable(run.failure));
    QCOMPARE(run.standDuring, QRect(QPoint(0, 0), m_x->screenSize()));
    // Where the buttons stood only the background and the separator remain.
    const QRect middle(run.standDuring.center() - QPoint(80, 25), QSize(160, 110));
    const int other = picture::count(run.firstShot, middle,
                                     [&](QRgb p) { return p != run.look.background && p != run.look.separator; });
    QVERIFY2(other == 0, qPrintable(QStringLiteral("%1 pixels of something in the middle").arg(other)));
}

void TestEndToEnd::frameLinesStandWhereTheLanesSay()
{
    const ShowRun& run = defaultShow();
    QVERIFY2(!run.firstSeriesShot.isNull(), qPrintable(run.failure));
    const QString problems = checkFrameLines(run.firstSeriesShot, run.field, run.look);
    QVERIFY2(problems.isEmpty(), qPrintable(problems));
}

void TestEndToEnd::countdownLabelChangesOncePerSecond()
{
    const ShowRun& run = defaultShow();
    QVERIFY2(run.firstShown >= 0, qPrintable(run.failure));
    const QList<CaptionChange> all = captionChanges(run.frames);
    QList<CaptionChange> before;
    for (const CaptionChange& c : all)
        if (c.frame <= run.firstShown + 1)
            before << c;
    QVERIFY2(before.size() == 3, qPrintable(QStringLiteral("%1 caption changes before the targets, at %2 s")
                                                .arg(before.size())
                                                .arg(describeTimes(before))));
    QVERIFY2(before[0].at > 0.6 && before[0].at < 1.5,
             qPrintable(QStringLiteral("first tick %1 s after the click").arg(before[0].at)));
    for (int i = 0; i < 3; ++i)
        QVERIFY2(before[i].inked, qPrintable(QStringLiteral("caption %1 shows no text").arg(i + 1)));
    QVERIFY(before[0].caption != before[1].caption && before[1].caption != before[2].caption &&
            before[0].caption != before[2].caption);
    for (int i = 1; i < 3; ++i) {
        const double gap = before[i].at - before[i - 1].at;
        QVERIFY2(gap > 0.6 && gap < 1.4, qPrintable(QStringLiteral("ticks at %1 s").arg(describeTimes(before))));
    }
}

void TestEndToEnd::targetsAppearOnTheThirdTick()
{
    const ShowRun& run = defaultShow();
    QVERIFY2(run.firstShown >= 0, qPrintable(run.failure));
    const QList<CaptionChange> changes = captionChanges(run.frames);
    QVERIFY2(changes.size() >= 3, "fewer than three ticks seen");
    const double third = changes[2].at;
    const double shown = run.frames[run.firstShown].at;
    QVERIFY2(std::abs(shown - third) < 0.35,
             qPrintable(QStringLiteral("targets at %1 s, ticks at %2 s").arg(shown).arg(describeTimes(changes))));
}

void TestEndToEnd::unifightTargetsHaveTrueSize()
{
    const ShowRun& run = defaultShow();
    QVERIFY2(!run.firstSeries.isEmpty(), qPrintable(run.failure));
    const Scale scale;
    const QString sizes = checkSizes(run.firstSeries, run.field, scale.unifightWidth(), scale.unifightHeight());
    QVERIFY2(sizes.isEmpty(), qPrintable(sizes));
    const QString faces = checkUnifightFaces(run.firstSeriesShot, run.firstSeries);
    QVERIFY2(faces.isEmpty(), qPrintable(faces));
}

void TestEndToEnd::targetsStayInTheirLanesThreePerPlayerApart()
{
    const ShowRun& run = defaultShow();
    QVERIFY2(!run.firstSeries.isEmpty(), qPrintable(run.failure));
    const QString problems = checkPlacement(run.firstSeries, run.field, Scale(), 3);
    QVERIFY2(problems.isEmpty(), qPrintable(problems));
}

void TestEndToEnd::targetsVanishAfterTheSeriesTime()
{
    const ShowRun& run = defaultShow();
    QVERIFY2(run.firstGone >= 0, qPrintable(run.failure));
    const double shown = run.frames[run.firstGone].at - run.frames[run.firstShown].at;
    QVERIFY2(std::abs(shown - 5.0) < 0.45, qPrintable(QStringLiteral("targets shown for %1 s").arg(shown)));
}

void TestEndToEnd::fixedPauseCountsDownToTheNextSeries()
{
    const ShowRun& run = defaultShow();
    QVERIFY2(run.secondShown >= 0, qPrintable(run.failure));
    const double pause = run.frames[run.secondShown].at - run.frames[run.firstGone].at;
    QVERIFY2(std::abs(pause - 10.0) < 0.45, qPrintable(QStringLiteral("pause lasted %1 s").arg(pause)));
    const QList<CaptionChange> all = captionChanges(run.frames);
    QList<CaptionChange> countdown, during;
    for (const CaptionChange& c : all) {
        if (c.frame <= run.firstShown + 1)
            countdown << c;
        else if (c.frame > run.firstGone + 1 && c.frame <= run.secondShown + 1)
            during << c;
    }
    QVERIFY2(countdown.size() == 3, "the first countdown was not seen");
    // 9 ... 1 while the stand is empty, 0 as the series comes.
    QVERIFY2(
        during.size() == 10,
        qPrintable(
            QStringLiteral("%1 caption changes in the pause, at %2 s").arg(during.size()).arg(describeTimes(during))));
    for (int i = 1; i < during.size(); ++i) {
        const double gap = during[i].at - during[i - 1].at;
        QVERIFY2(gap > 0.6 && gap < 1.4, qPrintable(QStringLiteral("pause ticks at %1 s").arg(describeTimes(during))));
    }
    // It ends as the first countdown did: 2, 1, 0.
    const int n = int(during.size());
    for (int i = 0; i < 3; ++i)
        QVERIFY2(during[n - 3 + i].caption == countdown[i].caption,
                 qPrintable(QStringLiteral("the pause's last captions are not the countdown's 2, 1, 0")));
}

void TestEndToEnd::nextSeriesStandsAtNewPlaces()
{
    const ShowRun& run = defaultShow();
    QVERIFY2(!run.secondSeries.isEmpty(), qPrintable(run.failure));
    const QString placement = checkPlacement(run.secondSeries, run.field, Scale(), 3);
    QVERIFY2(placement.isEmpty(), qPrintable(placement));
    const Scale scale;
    const QString sizes = checkSizes(run.secondSeries, run.field, scale.unifightWidth(), scale.unifightHeight());
    QVERIFY2(sizes.isEmpty(), qPrintable(sizes));
    for (const Target& t : run.secondSeries)
        QVERIFY2(!run.firstSeries.contains(t),
                 qPrintable(QStringLiteral("a target stayed at %1").arg(describe(t.box))));
}

// ---------------------------------------------------------------------------------------

void TestEndToEnd::onePlayerGetsOneLaneInTheMiddle()
{
    const XSession& x = *m_x;
    Program program(x, QStringLiteral("one-player"));
    QVERIFY2(program.failure.isEmpty(), qPrintable(program.failure));
    program.clickSettings(settings_window::kOnePlayer);
    program.clickSettings(settings_window::kOneTarget);
    const Field field(x.screenSize(), m_tpp, 1);
    const Look look = lookOn(kGrey128);
    Watcher watcher(x, field, look);
    QString failure;
    QVERIFY2(startShow(x, program, watcher, failure), qPrintable(failure));
    QVERIFY2(watcher.untilTargetsSettle(1, 6.5), "one target did not settle");
    save(watcher.lastShot(), QStringLiteral("07-one-player"));
    const QString lines = checkFrameLines(watcher.lastShot(), field, look);
    QVERIFY2(lines.isEmpty(), qPrintable(lines));
    // No separator between players.
    QCOMPARE(picture::count(watcher.lastShot(), QRect(0, 0, m_x->screenSize().width(), m_x->screenSize().height()),
                            look.separator),
             0);
    const QString placement = checkPlacement(watcher.frames.last().targets, field, Scale(), 1);
    QVERIFY2(placement.isEmpty(), qPrintable(placement));
}

void TestEndToEnd::euroTargetsHaveTrueSize()
{
    const XSession& x = *m_x;
    Program program(x, QStringLiteral("euro"));
    QVERIFY2(program.failure.isEmpty(), qPrintable(program.failure));
    program.clickSettings(settings_window::kEuro);
    const Field field(x.screenSize(), m_tpp);
    const Look look = lookOn(kGrey128);
    Watcher watcher(x, field, look);
    QString failure;
    QVERIFY2(startShow(x, program, watcher, failure), qPrintable(failure));
    QVERIFY2(watcher.untilTargetsSettle(6, 6.5), "six Euro targets did not settle");
    save(watcher.lastShot(), QStringLiteral("08-euro-series"));
    const QList<Target> targets = watcher.frames.last().targets;
    const Scale scale;
    const QString sizes = checkSizes(targets, field, scale.euroDiameter(), scale.euroDiameter());
    QVERIFY2(sizes.isEmpty(), qPrintable(sizes));
    const QString faces = checkEuroFaces(watcher.lastShot(), targets);
    QVERIFY2(faces.isEmpty(), qPrintable(faces));
    const QString placement = checkPlacement(targets, field, scale, 3);
    QVERIFY2(placement.isEmpty(), qPrintable(placement));
}

// ---------------------------------------------------------------------------------------
// The key-driven pause.

const KeyPauseRun& TestEndToEnd::keyPauseRun()
{
    if (m_keyPause)
        return *m_keyPause;
    m_keyPause.emplace();
    KeyPauseRun& run = *m_keyPause;
    const XSession& x = *m_x;
    run.field = Field(x.screenSize(), m_tpp);
    const Look look = lookOn(kGrey128);
    Program program(x, QStringLiteral("key-pause"));
    if (!program.failure.isEmpty()) {
        run.failure = program.failure;
        return run;
    }
    program.clickSettings(settings_window::kKeyPause);
    Watcher watcher(x, run.field, look);
    if (!startShow(x, program, watcher, run.failure))
        return run;
    if (!watcher.untilTargetsSettle(6, 6.5)) {
        run.failure = QStringLiteral("six targets did not settle");
        return run;
    }
    run.series = watcher.frames.last().targets;
    run.seriesAt = watcher.frames[firstFrameWithTargets(watcher.frames)].at;

    std::optional<quint64> box;
    waitUntil([&] { return (box = x.window(boxPattern())).has_value() || watcher.now() > run.seriesAt + 8; }, 10000);
    if (!box) {
        run.failure = QStringLiteral("no box came at the end of the series");
        return run;
    }
    run.boxAt = watcher.now();
    run.boxSeen = waitForFocus(x, *box, 3000);
    save(x.grab(), QStringLiteral("09-key-pause-box"));
    if (!run.boxSeen) {
        run.failure = QStringLiteral("the box does not hold the keyboard");
        return run;
    }
    x.key(QStringLiteral("Return"));
    if (!waitUntilGone(x, *box, 3000)) {
        run.failure = QStringLiteral("OK did not close the box");
        return run;
    }
    const QRect promptStrip = run.field.captionStrip(320);
    const auto prompted = [&] {
        return picture::count(watcher.lastShot(), promptStrip, kYellow) > 200;
    };
    if (!waitUntil(
            [&] {
                watcher.next();
                return prompted() && watcher.frames.last().targets.size() == 6;
            },
            3000, 0)) {
        run.failure = QStringLiteral("no prompt and six targets after OK");
        return run;
    }
    watcher.untilTargetsSettle(6, watcher.now() + 1);
    run.scoring = watcher.frames.last().targets;
    run.promptWidth = picture::extent(watcher.lastShot(), promptStrip, [](QRgb p) { return p == kYellow; }).width();
    save(watcher.lastShot(), QStringLiteral("10-key-pause-scoring"));
    // The show waits for the operator: a couple of seconds change nothing.
    const double waitFrom = watcher.now();
    run.promptStayed =
        !watcher.until([&](const Frame& f) { return f.targets != run.scoring || !prompted(); }, waitFrom + 2.2);

    const std::optional<quint64> stand = x.window(kStandPattern);
    if (!stand || !waitForFocus(x, *stand, 3000) || !x.key(QStringLiteral("space"))) {
        run.failure = QStringLiteral("the stand window did not take the keyboard back for space");
        return run;
    }
    run.spaceAt = watcher.now();
    const int fromFrame = int(watcher.frames.size());
    if (!watcher.until([&](const Frame& f) { return f.targets.isEmpty() && !prompted(); }, run.spaceAt + 2)) {
        run.failure = QStringLiteral("space did not clear the stand and the prompt");
        return run;
    }
    run.promptGone = true;
    if (!watcher.until([](const Frame& f) { return !f.targets.isEmpty(); }, run.spaceAt + 6)) {
        run.failure = QStringLiteral("no new series within 6 s of space");
        return run;
    }
    run.nextAt = watcher.frames.last().at;
    watcher.untilTargetsSettle(6, watcher.now() + 1.5);
    run.next = watcher.frames.last().targets;
    save(watcher.lastShot(), QStringLiteral("11-after-key-pause"));
    const QList<Frame> after = watcher.frames.mid(fromFrame);
    for (const CaptionChange& c : captionChanges(after))
        if (c.inked && c.at <= run.nextAt + 0.35)
            run.countdown << c;
    return run;
}

void TestEndToEnd::keyPauseOpensTheInformationBox()
{
    const KeyPauseRun& run = keyPauseRun();
    QVERIFY2(run.boxAt > 0, qPrintable(run.failure));
    QVERIFY2(run.boxSeen, qPrintable(run.failure));
    const double after = run.boxAt - run.seriesAt;
    QVERIFY2(after > 4.5 && after < 6.5, qPrintable(QStringLiteral("the box came %1 s into the series").arg(after)));
}

void TestEndToEnd::keyPauseBringsTheSameTargetsBackWithThePrompt()
{
    const KeyPauseRun& run = keyPauseRun();
    QVERIFY2(!run.scoring.isEmpty(), qPrintable(run.failure));
    QVERIFY2(run.scoring == run.series, "the targets came back elsewhere");
    // "Зафиксируйте результаты и нажмите пробел": a wide yellow line of text at the top.
    QVERIFY2(run.promptWidth > 300, qPrintable(QStringLiteral("the prompt is %1 px wide").arg(run.promptWidth)));
    QVERIFY2(run.promptStayed, "the stand changed without space");
}

void TestEndToEnd::spaceEndsTheKeyPauseWithACountdownAndANewSeries()
{
    const KeyPauseRun& run = keyPauseRun();
    QVERIFY2(!run.next.isEmpty(), qPrintable(run.failure));
    QVERIFY(run.promptGone);
    QVERIFY2(run.countdown.size() >= 3, qPrintable(QStringLiteral("%1 countdown captions, at %2 s")
                                                       .arg(run.countdown.size())
                                                       .arg(describeTimes(run.countdown))));
    const double wait = run.nextAt - run.spaceAt;
    QVERIFY2(wait > 2.5 && wait < 4.5, qPrintable(QStringLiteral("the new series came %1 s after space").arg(wait)));
    const QString placement = checkPlacement(run.next, run.field, Scale(), 3);
    QVERIFY2(placement.isEmpty(), qPrintable(placement));
    for (const Target& t : run.next)
        QVERIFY2(!run.series.contains(t), qPrintable(QStringLiteral("a target stayed at %1").arg(describe(t.box))));
}

// ---------------------------------------------------------------------------------------
// Stopping a show.

const StopRun& TestEndToEnd::stopRun()
{
    if (m_stop)
        return *m_stop;
    m_stop.emplace();
    StopRun& run = *m_stop;
    const XSession& x = *m_x;
    const Field field(x.screenSize(), m_tpp);
    Program program(x, QStringLiteral("stop"));
    if (!program.failure.isEmpty()) {
        run.failure = program.failure;
        return run;
    }
    Watcher watcher(x, field, lookOn(kGrey128));
    if (!startShow(x, program, watcher, run.failure))
        return run;
    const std::optional<quint64> stand = x.window(kStandPattern);
    if (!stand || !watcher.until([](const Frame& f) { return f.captionInk > 0; }, 3)) {
        run.failure = QStringLiteral("the countdown did not start");
        return run;
    }

    // Esc, then Нет (the default): the show goes on to its series.
    x.key(QStringLiteral("Escape"));
    std::optional<quint64> box = waitForBox(x, 3000);
    run.escapeAsked = box.has_value();
    save(x.grab(), QStringLiteral("12-stop-question"));
    if (!box) {
        run.failure = QStringLiteral("Esc brought no question");
        return run;
    }
    x.key(QStringLiteral("Return"));
    run.noAnsweredShowGoesOn = waitUntilGone(x, *box, 3000) && waitForFocus(x, *stand, 3000) &&
                               watcher.until([](const Frame& f) { return f.targets.size() == 6; }, watcher.now() + 5);
    if (!run.noAnsweredShowGoesOn) {
        run.failure = QStringLiteral("after Нет the series did not come");
        return run;
    }

    // The close mark in the top-left corner asks the same; Нет again.
    x.click(QPoint(5, 8));
    box = waitForBox(x, 3000);
    run.markAsked = box.has_value();
    if (!box) {
        run.failure = QStringLiteral("the close mark brought no question");
        return run;
    }
    x.key(QStringLiteral("Return"));
    const int before = int(watcher.frames.size());
    run.markNoShowGoesOn =
        waitUntilGone(x, *box, 3000) && waitForFocus(x, *stand, 3000) &&
        watcher.until(
            [&](const Frame& f) {
                return int(watcher.frames.size()) > before + 1 && f.caption != watcher.frames[before].caption;
            },
            watcher.now() + 2.5);
    if (!run.markNoShowGoesOn) {
        run.failure = QStringLiteral("after Нет to the close mark's question the show stood still");
        return run;
    }

    // Esc, then Да: back to the settings window, which answers Enter again.
    x.key(QStringLiteral("Escape"));
    box = waitForBox(x, 3000);
    if (!box) {
        run.failure = QStringLiteral("the second Esc brought no question");
        return run;
    }
    answerYes(x);
    run.yesReturned =
        waitUntilGone(x, *box, 3000) && waitUntilGone(x, *stand, 3000) && waitForFocus(x, program.settings, 3000);
    save(x.grab(), QStringLiteral("13-back-in-settings"));
    if (!run.yesReturned) {
        run.failure = QStringLiteral("after Да the settings window did not come back with the keyboard");
        return run;
    }
    x.key(QStringLiteral("Return"));
    run.settingsTakesInput = waitForWindow(x, kStandPattern, 3000).has_value();
    return run;
}

void TestEndToEnd::escapeAsksWhetherToStop()
{
    const StopRun& run = stopRun();
    QVERIFY2(run.escapeAsked, qPrintable(run.failure));
}

void TestEndToEnd::answeringNoKeepsTheShowRunning()
{
    const StopRun& run = stopRun();
    QVERIFY2(run.escapeAsked, qPrintable(run.failure));
    QVERIFY2(run.noAnsweredShowGoesOn, qPrintable(run.failure));
}

void TestEndToEnd::closeMarkAsksTheSameQuestion()
{
    const StopRun& run = stopRun();
    QVERIFY2(run.markAsked, qPrintable(run.failure));
    QVERIFY2(run.markNoShowGoesOn, qPrintable(run.failure));
}

void TestEndToEnd::answeringYesReturnsToTheSettingsWindow()
{
    const StopRun& run = stopRun();
    QVERIFY2(run.yesReturned, qPrintable(run.failure));
    QVERIFY2(run.settingsTakesInput, "Enter in the settings window did not open the stand again");
}

// ---------------------------------------------------------------------------------------
// Calibration.

const CalibrationRun& TestEndToEnd::calibrationRun()
{
    if (m_calibration)
        return *m_calibration;
    m_calibration.emplace();
    CalibrationRun& run = *m_calibration;
    const XSession& x = *m_x;
    Program program(x, QStringLiteral("calibration"));
    if (!program.failure.isEmpty()) {
        run.failure = program.failure;
        return run;
    }
    x.key(QStringLiteral("Return"));
    const std::optional<quint64> stand = waitForWindow(x, kStandPattern, 5000);
    if (!stand || !waitForFocus(x, *stand, 3000)) {
        run.failure = QStringLiteral("no stand window");
        return run;
    }
    run.stand = x.clientRect(*stand).value_or(QRect());
    x.click(calibrationButton(run.stand, m_tpp));
    std::optional<quint64> box = waitForBox(x, 3000);
    run.instructionsShown = box.has_value();
    save(x.grab(), QStringLiteral("14-calibration-instructions"));
    if (!box) {
        run.failure = QStringLiteral("\"Калибровка\" brought no instructions");
        return run;
    }
    x.key(QStringLiteral("Return"));
    if (!waitUntilGone(x, *box, 3000) || !waitForFocus(x, *stand, 3000)) {
        run.failure = QStringLiteral("OK did not close the instructions");
        return run;
    }
    // The stand is repainted once the box has gone: wait for the olive to come back whole.
    waitUntil(
        [&] {
            run.crossShot = x.grab();
            return picture::count(run.crossShot, run.stand, kOlive) > run.stand.width() * run.stand.height() / 2 &&
                   picture::count(run.crossShot, run.stand, isDark) < 50;
        },
        3000);
    save(run.crossShot, QStringLiteral("15-calibration-cross"));

    // Back to the settings; the tape says 500 mm across and 600 mm down.
    x.key(QStringLiteral("Escape"));
    box = waitForBox(x, 3000);
    if (!box) {
        run.failure = QStringLiteral("Esc brought no question");
        return run;
    }
    answerYes(x);
    if (!waitUntilGone(x, *stand, 3000) || !waitForFocus(x, program.settings, 3000)) {
        run.failure = QStringLiteral("Да did not return to the settings window");
        return run;
    }
    for (const auto& [field, text] : {std::pair(settings_window::kDx, QStringLiteral("500")),
                                      std::pair(settings_window::kDy, QStringLiteral("600"))}) {
        program.clickSettings(field);
        x.key(QStringLiteral("ctrl+a"));
        x.type(text);
    }
    run.field = Field(x.screenSize(), m_tpp);
    Watcher watcher(x, run.field, lookOn(kGrey128));
    if (!startShow(x, program, watcher, run.failure))
        return run;
    if (!watcher.untilTargetsSettle(6, 6.5)) {
        run.failure = QStringLiteral("six targets did not settle after the new calibration");
        return run;
    }
    run.scaled = watcher.frames.last().targets;
    save(watcher.lastShot(), QStringLiteral("16-calibrated-series"));
    return run;
}

void TestEndToEnd::calibrationShowsItsInstructions()
{
    const CalibrationRun& run = calibrationRun();
    QVERIFY2(run.instructionsShown, qPrintable(run.failure));
}

void TestEndToEnd::calibrationTurnsTheStandOlive()
{
    const CalibrationRun& run = calibrationRun();
    QVERIFY2(!run.crossShot.isNull(), qPrintable(run.failure));
    // It measures where the window stands: not maximised.
    QCOMPARE(run.stand.size(), stand_window::kDesignPixels);
    double share = 0;
    const QRgb background = picture::commonest(run.crossShot, run.stand, &share);
    QVERIFY2(background == kOlive && share > 0.8,
             qPrintable(QStringLiteral("the stand shows %1 on %2%").arg(describe(background)).arg(int(share * 100))));
}

void TestEndToEnd::calibrationCrossStandsCentred()
{
    const CalibrationRun& run = calibrationRun();
    QVERIFY2(!run.crossShot.isNull(), qPrintable(run.failure));
    const QImage stand = run.crossShot.copy(run.stand);
    const double W = stand.width() * m_tpp, H = stand.height() * m_tpp;
    const auto px = [&](double twips) {
        return twips / m_tpp;
    };
    const double y = px(H / 2), x1 = px(W / 2 - 2500), x2 = px(W / 2 + 2500);
    const double x = px(W / 2 + 500), y1 = px(H / 2 - 2500), y2 = px(H / 2 + 2500);
    const picture::Line across = picture::horizontalLine(stand, kWhite, y, int(px(W / 2 - 1500)));
    const picture::Line down = picture::verticalLine(stand, kWhite, x, int(px(H / 2 - 1500)));
    const auto report = [](const picture::Line& l) {
        return QStringLiteral("at %1, %2 px thick, from %3 to %4").arg(l.centre).arg(l.thickness).arg(l.from).arg(l.to);
    };
    QVERIFY2(across.found && std::abs(across.centre - y) <= 1 && across.thickness == 2 &&
                 std::abs(across.from - x1) <= 1 && std::abs(across.to - x2) <= 1,
             qPrintable(QStringLiteral("horizontal line %1; should be at %2 from %3 to %4")
                            .arg(report(across))
                            .arg(y)
                            .arg(x1)
                            .arg(x2)));
    QVERIFY2(down.found && std::abs(down.centre - x) <= 1 && down.thickness == 2 && std::abs(down.from - y1) <= 1 &&
                 std::abs(down.to - y2) <= 1,
             qPrintable(QStringLiteral("vertical line %1; should be at %2 from %3 to %4")
                            .arg(report(down))
                            .arg(x)
                            .arg(y1)
                            .arg(y2)));
}

void TestEndToEnd::newCalibrationLengthsScaleTheFaces()
{
    const CalibrationRun& run = calibrationRun();
    QVERIFY2(!run.scaled.isEmpty(), qPrintable(run.failure));
    const Scale scale(500, 600);
    const QString sizes = checkSizes(run.scaled, run.field, scale.unifightWidth(), scale.unifightHeight());
    QVERIFY2(sizes.isEmpty(), qPrintable(sizes));
    const QString placement = checkPlacement(run.scaled, run.field, scale, 3);
    QVERIFY2(placement.isEmpty(), qPrintable(placement));
}

// ---------------------------------------------------------------------------------------
// Backgrounds: one program goes from show to show through the settings window.

void TestEndToEnd::backgroundColoursTheShapesAndLines_data()
{
    QTest::addColumn<int>("swatch");
    QTest::addColumn<bool>("circle");
    const auto row = [](int swatch, bool circle) {
        const settings_window::Swatch& s = settings_window::kSwatches[swatch];
        const QString colours = s.colour == qRgb(224, 224, 224) ? QStringLiteral("red %1 and black lines")
                                : isLight(s.colour)             ? QStringLiteral("green %1 and black lines")
                                                                : QStringLiteral("green %1 and light lines");
        const QString name = QStringLiteral("%1 background gives %2")
                                 .arg(QLatin1String(s.name),
                                      colours.arg(circle ? QStringLiteral("circles") : QStringLiteral("squares")));
        QTest::newRow(qPrintable(name)) << swatch << circle;
    };
    row(4, true);
    row(4, false);
    row(3, true);
    row(3, false);
    row(0, true);
    row(1, false);
    row(2, true);
    row(5, false);
    row(6, true);
}

void TestEndToEnd::backgroundColoursTheShapesAndLines()
{
    QFETCH(int, swatch);
    QFETCH(bool, circle);
    const XSession& x = *m_x;
    const settings_window::Swatch& chosen = settings_window::kSwatches[swatch];
    // A program left anywhere but in its settings window is replaced by a fresh one.
    if (m_backgroundProgram && (!m_backgroundProgram->running() || x.focusedWindow() != m_backgroundProgram->settings))
        m_backgroundProgram.reset();
    if (!m_backgroundProgram)
        m_backgroundProgram = std::make_unique<Program>(x, QStringLiteral("backgrounds"));
    Program& program = *m_backgroundProgram;
    QVERIFY2(program.failure.isEmpty(), qPrintable(program.failure));

    program.clickSettings(
        QRect(chosen.left, settings_window::kSwatchTop, settings_window::kSwatchSide, settings_window::kSwatchSide));
    program.clickSettings(circle ? settings_window::kCircle : settings_window::kSquare);
    const Field field(x.screenSize(), m_tpp);
    const Look look = lookOn(chosen.colour);
    Watcher watcher(x, field, look);
    QString failure;
    const bool started = startShow(x, program, watcher, failure);
    const bool settled = started && watcher.untilTargetsSettle(6, 6.5);
    const QImage shot = watcher.lastShot();
    const QList<Target> targets = watcher.frames.isEmpty() ? QList<Target>() : watcher.frames.last().targets;
    save(shot, QStringLiteral("17-background-%1-%2")
                   .arg(QString::fromLatin1(chosen.name).replace(QLatin1Char(' '), QLatin1Char('-')),
                        circle ? QStringLiteral("circles") : QStringLiteral("squares")));
    // Back to the settings window for the next row.
    if (started) {
        x.key(QStringLiteral("Escape"));
        const std::optional<quint64> box = waitForBox(x, 3000);
        if (box)
            answerYes(x);
        if (!box || !waitForFocus(x, program.settings, 3000))
            m_backgroundProgram.reset();
    }
    QVERIFY2(started, qPrintable(failure));
    QVERIFY2(settled, qPrintable(QStringLiteral("six %1 did not settle; %2 patches seen")
                                     .arg(circle ? QStringLiteral("circles") : QStringLiteral("squares"))
                                     .arg(targets.size())));

    double share = 0;
    const QRgb background = picture::commonest(shot, shot.rect(), &share);
    QVERIFY2(background == chosen.colour, qPrintable(QStringLiteral("background %1").arg(describe(background))));
    const QString lines = checkFrameLines(shot, field, look);
    QVERIFY2(lines.isEmpty(), qPrintable(lines));
    // The countdown's last caption, "0", in the text colour.
    const QRect strip = field.captionStrip(150);
    const int text = picture::count(shot, strip, look.text);
    const int yellow = look.text == kYellow ? 0 : picture::count(shot, strip, kYellow);
    QVERIFY2(text > 20 && yellow == 0, qPrintable(QStringLiteral("the caption has %1 pixels of %2 and %3 yellow")
                                                      .arg(text)
                                                      .arg(describe(look.text))
                                                      .arg(yellow)));

    const Scale scale;
    const double width = circle ? scale.circleDiameter(5) : scale.squareWidth(5);
    const double height = circle ? scale.circleDiameter(5) : scale.squareHeight(5);
    const QString sizes = checkSizes(targets, field, width, height);
    QVERIFY2(sizes.isEmpty(), qPrintable(sizes));
    for (const Target& t : targets) {
        const QRgb centre = shot.pixel(t.box.center());
        QVERIFY2(centre == look.shape,
                 qPrintable(
                     QStringLiteral("%1 is %2, not %3").arg(describe(t.box), describe(centre), describe(look.shape))));
        // A square fills its corners; a circle leaves them.
        const bool cornerFilled = shot.pixel(t.box.topLeft()) == look.shape;
        QVERIFY2(cornerFilled != circle,
                 qPrintable(QStringLiteral("%1 is not a %2")
                                .arg(describe(t.box), circle ? QStringLiteral("circle") : QStringLiteral("square"))));
    }
    const QString placement = checkPlacement(targets, field, scale, 3);
    QVERIFY2(placement.isEmpty(), qPrintable(placement));
}

// ---------------------------------------------------------------------------------------
// A 3840 x 2160 screen.

const ShowRun& TestEndToEnd::fourKShow()
{
    if (m_fourK)
        return *m_fourK;
    m_fourK.emplace();
    ShowRun& run = *m_fourK;
    // This screen stands alone: the 1920 x 1080 one is not needed after it.
    m_backgroundProgram.reset();
    XSession x(QSize(3840, 2160), kShots + QStringLiteral("/logs/3840x2160"));
    if (!x.failure().isEmpty()) {
        run.failure = x.failure();
        return run;
    }
    run.field = Field(x.screenSize(), x.twipsPerPixel());
    Program program(x, QStringLiteral("4k"));
    if (!program.failure.isEmpty()) {
        run.failure = program.failure;
        return run;
    }
    Watcher watcher(x, run.field, run.look);
    if (!startShow(x, program, watcher, run.failure))
        return run;
    run.standDuring = QRect(QPoint(0, 0), watcher.lastShot().size());
    if (!watcher.untilTargetsSettle(6, 7)) {
        run.failure = QStringLiteral("six targets did not settle on the 4K screen");
        return run;
    }
    run.firstSeries = watcher.frames.last().targets;
    run.firstSeriesShot = watcher.lastShot();
    save(run.firstSeriesShot, QStringLiteral("18-4k-series"));
    return run;
}

void TestEndToEnd::fourKShowFillsTheScreenWithItsFrame()
{
    const ShowRun& run = fourKShow();
    QVERIFY2(!run.firstSeriesShot.isNull(), qPrintable(run.failure));
    QCOMPARE(run.standDuring, QRect(0, 0, 3840, 2160));
    const QString lines = checkFrameLines(run.firstSeriesShot, run.field, run.look);
    QVERIFY2(lines.isEmpty(), qPrintable(lines));
}

void TestEndToEnd::fourKTargetsStayInTheirLanesAtTrueSize()
{
    const ShowRun& run = fourKShow();
    QVERIFY2(!run.firstSeries.isEmpty(), qPrintable(run.failure));
    const Scale scale;
    const QString sizes = checkSizes(run.firstSeries, run.field, scale.unifightWidth(), scale.unifightHeight());
    QVERIFY2(sizes.isEmpty(), qPrintable(sizes));
    const QString faces = checkUnifightFaces(run.firstSeriesShot, run.firstSeries);
    QVERIFY2(faces.isEmpty(), qPrintable(faces));
    const QString placement = checkPlacement(run.firstSeries, run.field, scale, 3);
    QVERIFY2(placement.isEmpty(), qPrintable(placement));
}

QTEST_GUILESS_MAIN(TestEndToEnd)
#include "tst_e2e.moc"
