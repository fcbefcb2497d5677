#include "frmStend.h"

#include "platform/ClickLabel.h"
#include "platform/Colour.h"
#include "platform/Fonts.h"
#include "platform/Platform.h"
#include "platform/Units.h"
#include "settings/Base.h"

#include <QCloseEvent>
#include <QHideEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

#include <algorithm>

namespace {

constexpr uint32_t kYellow = 0x00FFFF;
constexpr uint32_t kTimerOlive = 0x00C0C0; // 192, 192, 0
constexpr uint32_t kLightCyan = 0xFFFF80;  // 128, 255, 255
constexpr uint32_t kWhite = 0xFFFFFF;
constexpr uint32_t kGreen = 0x00FF00;
constexpr int kLinePixels = 2;

struct ButtonSpec {
    QPushButton* frmStend::*member;
    const char* name;
    const char* caption;
    TwipsRect rect;
};

struct LabelSpec {
    QLabel* frmStend::*member;
    const char* name;
    const char* caption;
    TwipsRect rect;
    double pointSize;
    uint32_t colour;
    Qt::Alignment alignment;
    bool clickable;
};

struct LineSpec {
    LineId id;
    uint32_t colour;
    LineEnds ends;
};

constexpr double kButtonPoints = 12;

} // namespace

// The design of the window, in its control order; positions in twips.
struct StandDesign {
    static constexpr ButtonSpec buttons[] = {
        {&frmStend::m_knStopKalibr, "knStopKalibr", "Завершить калибровку", {720, 4560, 3615, 615}},
        {&frmStend::m_knKalibrovka, "knKalibrovka", "Калибровка", {720, 3840, 1695, 615}},
        {&frmStend::m_knGo, "knGo", "Вперёд!", {720, 3000, 1695, 615}},
    };
    static constexpr LabelSpec labels[] = {
        {&frmStend::m_labExit0, "LabExit0", "Х", {0, 0, 255, 360}, 9.75, kYellow, Qt::AlignLeft | Qt::AlignTop, true},
        {&frmStend::m_labExit1, "LabExit1", "Х", {1080, 0, 255, 345}, 9.75, kYellow, Qt::AlignRight | Qt::AlignTop,
         true},
        {&frmStend::m_labMsg, "LabMSG", "Зафиксируйте результаты и нажмите пробел", {2100, 0, 7300, 360}, 13.5, kYellow,
         Qt::AlignHCenter | Qt::AlignTop, false},
        {&frmStend::m_labTimer, "labTimer", "", {1440, 1200, 1815, 615}, 18, kTimerOlive,
         Qt::AlignHCenter | Qt::AlignTop, false},
    };
    static constexpr LineSpec lines[] = {
        {LineId::MenBorder2, kLightCyan, {480, 720, 480, 4560}},  {LineId::kalibr_H, kWhite, {6480, 360, 6480, 5360}},
        {LineId::Kalibr_W, kWhite, {3120, 3240, 8120, 3240}},     {LineId::BorderRight, kGreen, {3000, 720, 3000, 2520}},
        {LineId::BorderLeft, kGreen, {2880, 720, 2880, 2520}},    {LineId::BorderBottom, kGreen, {2880, 600, 6000, 600}},
        {LineId::BorderTop, kGreen, {2880, 480, 6000, 480}},      {LineId::MenBorder, kLightCyan, {360, 720, 360, 4560}},
    };
};

frmStend::frmStend(Base& base, platform::Platform& platform, QWidget* owner)
    : QWidget(owner, Qt::Window | Qt::FramelessWindowHint)
    , m_base(base)
    , m_platform(platform)
    , m_surface(units::twipsPerPixel(this))
{
    setWindowTitle(QStringLiteral(" Quorrin"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    m_tik.setTimerType(Qt::PreciseTimer);
    createControls();
    resize(m_surface.toPixels(kDesignWidth), m_surface.toPixels(kDesignHeight));
    m_surface.resize(size());

    // Load
    m_knGo->show();
    line(LineId::MenBorder).visible = false;
    m_labMsg->hide();
}

frmStend::~frmStend() { m_tik.stop(); }

void frmStend::createControls()
{
    for (const ButtonSpec& spec : StandDesign::buttons) {
        auto* button = new QPushButton(QString::fromUtf8(spec.caption), this);
        button->setObjectName(QLatin1String(spec.name));
        button->setFont(programFont(kButtonPoints, true));
        this->*spec.member = button;
        place(button, spec.rect);
    }
    for (const LabelSpec& spec : StandDesign::labels) {
        QLabel* label = spec.clickable ? new ClickLabel(this) : new QLabel(this);
        label->setObjectName(QLatin1String(spec.name));
        label->setText(QString::fromUtf8(spec.caption));
        label->setFont(programFont(spec.pointSize, true));
        label->setAlignment(spec.alignment);
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, colourFromBgr(spec.colour));
        label->setPalette(palette);
        if (!spec.clickable)
            label->setAttribute(Qt::WA_TransparentForMouseEvents);
        this->*spec.member = label;
        place(label, spec.rect);
    }
    for (const LineSpec& spec : StandDesign::lines)
        line(spec.id) = {spec.ends, spec.colour, true};

    setTabOrder(m_knGo, m_knKalibrovka);
    setTabOrder(m_knKalibrovka, m_knStopKalibr);
}

double frmStend::twipsWidth() const { return units::pixelsToTwips(width(), twipsPerPixel()); }

double frmStend::twipsHeight() const { return units::pixelsToTwips(height(), twipsPerPixel()); }

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

void frmStend::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    m_surface.resize(size());
    layOutControls();
    PrepZona();
}

void frmStend::layOutControls()
{
    const CentredControls moved = centreControls(
        twipsWidth(), twipsHeight(),
        {twipsGeometry(m_labExit1), twipsGeometry(m_labMsg), twipsGeometry(m_labTimer), twipsGeometry(m_knGo),
         twipsGeometry(m_knKalibrovka), twipsGeometry(m_knStopKalibr)});
    place(m_labExit1, moved.labExitRight);
    place(m_labMsg, moved.labMsg);
    place(m_labTimer, moved.labTimer);
    place(m_knGo, moved.knGo);
    place(m_knKalibrovka, moved.knKalibrovka);
    place(m_knStopKalibr, moved.knStopKalibr);
}

void frmStend::PrepZona()
{
    const Lanes lanes = layoutLanes(twipsWidth(), twipsHeight(), m_base);
    m_lanes = lanes;
    for (auto [id, ends] : {std::pair{LineId::BorderLeft, lanes.BorderLeft}, std::pair{LineId::BorderRight, lanes.BorderRight},
                            std::pair{LineId::BorderTop, lanes.BorderTop}, std::pair{LineId::BorderBottom, lanes.BorderBottom}}) {
        line(id).ends = ends;
        line(id).visible = true;
    }
    for (QLabel* label : {m_labTimer, m_labMsg}) {
        TwipsRect rect = twipsGeometry(label);
        rect.top = kLabelTop;
        place(label, rect);
    }
    line(LineId::MenBorder).visible = lanes.separatorsShown;
    line(LineId::MenBorder2).visible = lanes.separatorsShown;
    if (lanes.separatorsShown) {
        line(LineId::MenBorder).ends = lanes.MenBorder;
        line(LineId::MenBorder2).ends = lanes.MenBorder2;
    }
    update();
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
    painter.drawImage(0, 0, m_surface.image());
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
    if (!event->spontaneous())
        emit hidden();
}
