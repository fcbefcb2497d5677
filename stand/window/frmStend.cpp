#include "stand/window/frmStend.h"

#include "platform/ClickLabel.h"
#include "platform/Fonts.h"
#include "platform/Platform.h"
#include "platform/ScreenTwips.h"
#include "platform/core/Units.h"
#include "settings/Base.h"
#include "stand/Calibration.h"
#include "stand/drawing/Colour.h"
#include "stand/drawing/TargetFaces.h"

#include <QCloseEvent>
#include <QHideEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QWindow>

#include <algorithm>
#include <limits>

namespace {

constexpr uint32_t kYellow = 0x00FFFF;
constexpr uint32_t kTimerOlive = 0x00C0C0; // 192, 192, 0
constexpr uint32_t kLightCyan = 0xFFFF80;  // 128, 255, 255
constexpr uint32_t kWhite = 0xFFFFFF;
constexpr uint32_t kGreen = 0x00FF00;
constexpr int kLinePixels = 2;
constexpr uint32_t kBlack = 0x000000;
constexpr uint32_t kLightBorder = 0xF0F0F0; // 240, 240, 240

const QString kStopQuestion = QStringLiteral("Прекратить отображение мишеней?");

struct ButtonRow {
    QPushButton* frmStend::*member;
    const char* name;
    const char* caption;
    TwipsRect rect;
};

struct LabelRow {
    QLabel* frmStend::*member;
    const char* name;
    const char* caption;
    TwipsRect rect;
    double pointSize;
    uint32_t colour;
    Qt::Alignment alignment;
    bool clickable;
};

struct LineRow {
    LineId id;
    uint32_t colour;
    LineEnds ends;
};

constexpr double kButtonPoints = 12;

} // namespace

// The design of the window, in its control order; positions in twips.
// clang-format off
struct StandDesign {
    static constexpr ButtonRow buttons[] = {
        {&frmStend::m_knStopKalibr, "knStopKalibr", "Завершить калибровку", {720, 4560, 3615, 615}},
        {&frmStend::m_knKalibrovka, "knKalibrovka", "Калибровка", {720, 3840, 1695, 615}},
        {&frmStend::m_knGo, "knGo", "Вперёд!", {720, 3000, 1695, 615}},
    };
    static constexpr LabelRow labels[] = {
        {&frmStend::m_labExit0, "LabExit0", "Х", {0, 0, 255, 360}, 9.75, kYellow, Qt::AlignLeft | Qt::AlignTop, true},
        {&frmStend::m_labExit1, "LabExit1", "Х", {1080, 0, 255, 345}, 9.75, kYellow, Qt::AlignRight | Qt::AlignTop, true},
        {&frmStend::m_labMsg, "LabMSG", "Зафиксируйте результаты и нажмите пробел", {2100, 0, 7300, 360}, 13.5, kYellow,
         Qt::AlignHCenter | Qt::AlignTop, false},
        {&frmStend::m_labTimer, "labTimer", "", {1440, 1200, 1815, 615}, 18, kTimerOlive, Qt::AlignHCenter | Qt::AlignTop,
         false},
    };
    static constexpr LineRow lines[] = {
        {LineId::MenBorder2, kLightCyan, {480, 720, 480, 4560}},
        {LineId::kalibr_H, kWhite, {6480, 360, 6480, 5360}},
        {LineId::Kalibr_W, kWhite, {3120, 3240, 8120, 3240}},
        {LineId::BorderRight, kGreen, {3000, 720, 3000, 2520}},
        {LineId::BorderLeft, kGreen, {2880, 720, 2880, 2520}},
        {LineId::BorderBottom, kGreen, {2880, 600, 6000, 600}},
        {LineId::BorderTop, kGreen, {2880, 480, 6000, 480}},
        {LineId::MenBorder, kLightCyan, {360, 720, 360, 4560}},
    };
};
// clang-format on

frmStend::frmStend(Base& base, platform::Platform& platform, QWidget* owner)
    : QWidget(owner, Qt::Window | Qt::FramelessWindowHint)
    , m_base(base)
    , m_platform(platform)
    , m_surface(units::twipsPerPixel(this))
    , m_cycle(base, *this)
{
    setWindowTitle(QStringLiteral(" Quorrin"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    m_tik.setTimerType(Qt::PreciseTimer);
    // Queued, so that the timer's own activation has finished when the tick runs: a box
    // opened by the tick then keeps receiving ticks in its event loop. A tick still queued
    // when the timer was stopped is dropped.
    connect(
        &m_tik, &QTimer::timeout, this,
        [this] {
            if (m_tik.isActive())
                m_cycle.tick();
        },
        Qt::QueuedConnection);
    createControls();
    resize(m_surface.toPixels(kDesignWidth), m_surface.toPixels(kDesignHeight));
    m_surface.resize(size());
    // A screen of another logical dpi has another number of twips to the pixel.
    create();
    connect(windowHandle(), &QWindow::screenChanged, this, &frmStend::followScreen);

    // As the window loads: only the start button and no separator or prompt.
    m_knGo->show();
    line(LineId::MenBorder).visible = false;
    m_labMsg->hide();
}

// Unloading: the timer stops first.
frmStend::~frmStend()
{
    m_tik.stop();
}

void frmStend::createControls()
{
    for (const ButtonRow& row : StandDesign::buttons) {
        auto* button = new QPushButton(QString::fromUtf8(row.caption), this);
        button->setObjectName(QLatin1String(row.name));
        button->setFont(programFont(kButtonPoints, true));
        button->setAutoDefault(true); // Enter presses the button that has the focus
        this->*row.member = button;
        place(button, row.rect);
    }
    for (const LabelRow& row : StandDesign::labels) {
        QLabel* label = row.clickable ? new ClickLabel(this) : new QLabel(this);
        label->setObjectName(QLatin1String(row.name));
        label->setText(QString::fromUtf8(row.caption));
        label->setFont(programFont(row.pointSize, true));
        label->setAlignment(row.alignment);
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, colourFromBgr(row.colour));
        label->setPalette(palette);
        if (!row.clickable) {
            label->setAttribute(Qt::WA_TransparentForMouseEvents);
            label->lower();
        }
        this->*row.member = label;
        place(label, row.rect);
    }
    for (const LineRow& row : StandDesign::lines)
        line(row.id) = {row.ends, row.colour, true};

    connect(m_knGo, &QPushButton::clicked, this, &frmStend::knGoClick);
    connect(m_knKalibrovka, &QPushButton::clicked, this, &frmStend::knKalibrovkaClick);
    for (QLabel* mark : {m_labExit0, m_labExit1})
        connect(static_cast<ClickLabel*>(mark), &ClickLabel::clicked, this, &frmStend::closeMarkClick);

    setTabOrder(m_knGo, m_knKalibrovka);
    setTabOrder(m_knKalibrovka, m_knStopKalibr);
}

void frmStend::prepareForShowing()
{
    for (LineId id : {LineId::BorderTop, LineId::BorderBottom, LineId::BorderLeft, LineId::BorderRight})
        line(id).visible = false;
    setBackColor(m_base.StandBackColor);
    recolourForBackground(); // the close marks must stand out from the new background before a show too
    m_knGo->show();
    m_knKalibrovka->setText(QStringLiteral("Калибровка"));
    m_knKalibrovka->show();
    m_knStopKalibr->hide();
    for (LineId id : {LineId::MenBorder, LineId::MenBorder2, LineId::kalibr_H, LineId::Kalibr_W})
        line(id).visible = false;
    m_labMsg->hide();
    m_labTimer->show();
    m_lanes.ZonaH0 = laneTop(twipsHeight(), m_base.TopMargin);
    clearDrawing();
    m_knGo->setFocus();
}

double frmStend::twipsWidth() const
{
    return units::pixelsToTwips(width(), m_surface.twipsPerPixel());
}

double frmStend::twipsHeight() const
{
    return units::pixelsToTwips(height(), m_surface.twipsPerPixel());
}

TwipsRect frmStend::twipsGeometry(const QWidget* control) const
{
    for (const auto& [widget, rect] : m_geometry)
        if (widget == control)
            return rect;
    return {};
}

void frmStend::place(QWidget* control, const TwipsRect& twips)
{
    auto found = std::find_if(m_geometry.begin(), m_geometry.end(), [control](auto& e) { return e.first == control; });
    if (found == m_geometry.end())
        m_geometry.emplace_back(control, twips);
    else
        found->second = twips;
    control->setGeometry(m_surface.toPixels(twips.left), m_surface.toPixels(twips.top), m_surface.toPixels(twips.width),
                         m_surface.toPixels(twips.height));
}

void frmStend::followScreen()
{
    m_surface.setTwipsPerPixel(units::twipsPerPixel(this));
    for (const auto& [control, twips] : std::vector(m_geometry))
        place(const_cast<QWidget*>(control), twips);
    layOutControls();
    layOutLanes();
}

void frmStend::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    m_surface.resize(size());
    layOutControls();
    layOutLanes();
}

void frmStend::layOutControls()
{
    const CentredControls moved =
        centreControls(twipsWidth(), twipsHeight(),
                       {twipsGeometry(m_labExit1), twipsGeometry(m_labMsg), twipsGeometry(m_labTimer),
                        twipsGeometry(m_knGo), twipsGeometry(m_knKalibrovka), twipsGeometry(m_knStopKalibr)});
    place(m_labExit1, moved.labExitRight);
    place(m_labMsg, moved.labMsg);
    place(m_labTimer, moved.labTimer);
    place(m_knGo, moved.knGo);
    place(m_knKalibrovka, moved.knKalibrovka);
    place(m_knStopKalibr, moved.knStopKalibr);
}

// Every size change moves the field's lines but shows none of them: before a show the operator sees only
// the buttons, after a show's end the window keeps what it showed.
void frmStend::layOutLanes()
{
    const Lanes lanes = layoutLanes(twipsWidth(), twipsHeight(), m_base);
    m_lanes = lanes;
    for (auto [id, ends] :
         {std::pair{LineId::BorderLeft, lanes.BorderLeft}, std::pair{LineId::BorderRight, lanes.BorderRight},
          std::pair{LineId::BorderTop, lanes.BorderTop}, std::pair{LineId::BorderBottom, lanes.BorderBottom}})
        line(id).ends = ends;
    for (QLabel* label : {m_labTimer, m_labMsg}) {
        TwipsRect rect = twipsGeometry(label);
        rect.top = kLabelTop;
        place(label, rect);
    }
    if (lanes.separatorsShown) {
        line(LineId::MenBorder).ends = lanes.MenBorder;
        line(LineId::MenBorder2).ends = lanes.MenBorder2;
    }
    update();
}

void frmStend::PrepZona()
{
    layOutLanes();
    for (LineId id : {LineId::BorderLeft, LineId::BorderRight, LineId::BorderTop, LineId::BorderBottom})
        line(id).visible = true;
    line(LineId::MenBorder).visible = m_lanes.separatorsShown;
    line(LineId::MenBorder2).visible = m_lanes.separatorsShown;
}

void frmStend::setBackColor(uint32_t bgr)
{
    m_surface.setBackColor(bgr);
    update();
}

void frmStend::clearDrawing()
{
    m_surface.clear();
    update();
}

void frmStend::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), colourFromBgr(m_surface.backColor()));
    m_surface.paint(painter);
    for (const StandLine& l : m_lines) {
        if (!l.visible)
            continue;
        painter.setPen(QPen(colourFromBgr(l.colour), kLinePixels, Qt::SolidLine, Qt::FlatCap));
        painter.drawLine(QPointF(m_surface.toPixels(l.ends.x1), m_surface.toPixels(l.ends.y1)),
                         QPointF(m_surface.toPixels(l.ends.x2), m_surface.toPixels(l.ends.y2)));
    }
}

void frmStend::closeEvent(QCloseEvent* event)
{
    // The window lives for the whole run so that it keeps its state between showings.
    event->ignore();
}

void frmStend::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    if (event->spontaneous())
        return;
    m_idlePointer.stop();
    emit hidden();
}

bool frmStend::PrepForm()
{
    if (const CalibrationFault fault = checkCalibration(m_base); fault != CalibrationFault::None) {
        m_platform.messageBox(this, calibrationFaultMessage(fault), platform::Buttons::Ok, platform::Icon::Error,
                              platform::Answer::Ok);
        hide();
        return false;
    }
    const LineEnds& across = line(LineId::Kalibr_W).ends;
    const LineEnds& down = line(LineId::kalibr_H).ends;
    computeScale(m_base, across.x2 - across.x1, down.y2 - down.y1);
    m_sizes = targetSizes(m_base);
    return true;
}

bool frmStend::PlaceTargets()
{
    const PlacementField field{
        m_base.PlayerCount, m_base.TargetsPerPlayer, m_base.TargetType, m_lanes, m_sizes, m_spans};
    if (placeTargets(field, m_platform.random(), m_series))
        return true;
    m_platform.messageBox(this, placementFailureMessage(), platform::Buttons::Ok, platform::Icon::Error,
                          platform::Answer::Ok);
    m_tik.stop();
    hide();
    return false;
}

void frmStend::ShowTekTarget()
{
    void (*draw)(DrawingSurface&, const Base&, int32_t, int32_t) = nullptr;
    switch (m_series.TekTargetType) {
    case TargetCode::Unifight:
        draw = Draw_Unifight;
        break;
    case TargetCode::Euro:
        draw = Draw_Euro;
        break;
    case TargetCode::Krug:
        draw = Draw_Krug;
        break;
    case TargetCode::Kvadrat:
        draw = Draw_Kvadrat;
        break;
    case TargetCode::Random:
        return;
    }
    // Player by player within each target: 1-1, 2-1, 1-2, 2-2, 1-3, 2-3.
    const int targets = m_base.TargetsPerPlayer > 2 ? 3 : m_base.TargetsPerPlayer > 1 ? 2 : 1;
    const int players = m_base.PlayerCount == 2 ? 2 : 1;
    for (int target = 0; target < targets; ++target)
        for (int player = 0; player < players; ++player)
            draw(m_surface, m_base, m_series.Men[player][target].x, m_series.Men[player][target].y);
    update();
}

void frmStend::knGoClick()
{
    m_tik.setInterval(kTickMs);
    m_platform.random().seedFromClock();
    m_tik.stop();
    line(LineId::MenBorder).visible = m_base.PlayerCount == 2;
    m_knGo->hide();
    m_knKalibrovka->hide();
    clearDrawing();
    // The whole screen, panels and taskbar included: whatever the desktop keeps free would be
    // projected onto the board. Later showings keep the state.
    showFullScreen();
    m_idlePointer.start();
    if (!PrepForm()) {
        hide();
        return;
    }
    recolourForBackground();
    PrepZona();
    m_spans = targetSpans(m_base, m_sizes);
    m_cycle.start();
    m_tik.start();
}

void frmStend::knKalibrovkaClick()
{
    // Neither the size nor the timer is touched: the cross is measured where the window stands.
    m_knGo->hide();
    m_knKalibrovka->hide();
    const CalibrationCross cross = calibrationCross(twipsWidth(), twipsHeight());
    line(LineId::kalibr_H).ends = cross.kalibr_H;
    line(LineId::Kalibr_W).ends = cross.Kalibr_W;
    line(LineId::MenBorder).visible = false;
    line(LineId::kalibr_H).visible = true;
    line(LineId::Kalibr_W).visible = true;
    setBackColor(kCalibrationBackColor);
    inform(calibrationInstructions());
}

void frmStend::recolourForBackground()
{
    const bool lightBackground =
        m_base.StandBackColor == colours::kLightGrey || m_base.StandBackColor == colours::kGrey192;
    const uint32_t separators = lightBackground ? kBlack : kLightCyan;
    const uint32_t borders = lightBackground ? kBlack : kLightBorder;
    const uint32_t texts = lightBackground ? kBlack : kYellow;
    line(LineId::MenBorder).colour = separators;
    line(LineId::MenBorder2).colour = separators;
    for (LineId id : {LineId::BorderTop, LineId::BorderBottom, LineId::BorderLeft, LineId::BorderRight})
        line(id).colour = borders;
    for (QLabel* label : {m_labMsg, m_labTimer, m_labExit0, m_labExit1}) {
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, colourFromBgr(texts));
        label->setPalette(palette);
    }
    update();
}

bool frmStend::askToStop()
{
    return m_platform.messageBox(this, kStopQuestion, platform::Buttons::YesNo, platform::Icon::Question,
                                 platform::Answer::No) == platform::Answer::Yes;
}

void frmStend::keyTyped(int16_t characterCode)
{
    m_cycle.keyTyped(characterCode);
    if (characterCode != kEscapeKey)
        return;
    const bool wasTicking = m_tik.isActive();
    m_tik.stop();
    if (askToStop())
        hide();
    else if (wasTicking)
        m_tik.start();
}

void frmStend::closeMarkClick()
{
    // The timer runs on while the question is open.
    if (askToStop()) {
        m_tik.stop();
        hide();
    }
}

void frmStend::keyPressEvent(QKeyEvent* event)
{
    int code = 0;
    switch (event->key()) {
    case Qt::Key_Escape:
        code = kEscapeKey;
        break;
    case Qt::Key_Space:
        code = kSpaceKey;
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        code = '\r';
        break;
    default:
        if (!event->text().isEmpty())
            code = event->text().at(0).unicode();
    }
    // Keys without a character (arrows, function keys) are not typed keys.
    if (code > 0 && code <= std::numeric_limits<int16_t>::max())
        keyTyped(int16_t(code));
    event->accept();
}

void frmStend::mousePressEvent(QMouseEvent* event)
{
    // The strip above the lanes acts as the window's title bar; filling the screen, the window has nowhere to go.
    const bool fillsScreen = windowState() & Qt::WindowFullScreen;
    if (!fillsScreen && units::pixelsToTwips(event->position().y(), m_surface.twipsPerPixel()) < m_lanes.ZonaH0)
        m_platform.startWindowDrag(this, event->position().toPoint());
    event->accept();
}

void frmStend::beep()
{
    m_platform.beep(kBeepHz, kBeepMs);
}

void frmStend::setTimerCaption(const QString& caption)
{
    m_labTimer->setText(caption);
}

void frmStend::inform(const QString& text)
{
    m_platform.messageBox(this, text, platform::Buttons::Ok, platform::Icon::Information, platform::Answer::Ok);
}

void frmStend::showKeyPrompt(bool shown)
{
    m_labMsg->setVisible(shown);
    m_labTimer->setVisible(!shown);
}
