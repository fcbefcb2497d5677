#include "stand/window/frmStend.h"

#include "platform/ClickLabel.h"
#include "platform/Fonts.h"
#include "platform/Platform.h"
#include "platform/ScreenTwips.h"
#include "platform/TypedKey.h"
#include "settings/Base.h"
#include "stand/Calibration.h"
#include "stand/drawing/Colour.h"
#include "stand/drawing/TargetFaces.h"
#include "stand/window/StandDesign.h"

#include <QCloseEvent>
#include <QHideEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QWindow>

#include <algorithm>

namespace {

const QString kStopQuestion = QStringLiteral("Прекратить отображение мишеней?");

void setInk(QLabel* label, Bgr colour)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, qColour(colour));
    label->setPalette(palette);
}

} // namespace

frmStend::frmStend(Base& base, platform::Platform& platform, QWidget* owner)
    : QDialog(owner, Qt::Window | Qt::FramelessWindowHint)
    , m_base(base)
    , m_platform(platform)
    , m_surface(units::twipsPerPixel(this))
    , m_show(base, platform.random(), *this)
{
    setWindowTitle(QStringLiteral(" Quorrin"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    m_tik.setTimerType(Qt::PreciseTimer);
    m_tik.setInterval(kTickMs);
    // Queued, so that the timer's own activation has finished when the tick runs: a box
    // opened by the tick then keeps receiving ticks in its event loop.
    connect(
        &m_tik, &QTimer::timeout, this, [this] { m_show.tick(); }, Qt::QueuedConnection);
    createControls();
    resize(m_surface.toPixels(StandDesign::width), m_surface.toPixels(StandDesign::height));
    m_surface.resize(size());
    // A screen of another logical dpi has another number of twips to the pixel.
    create();
    connect(windowHandle(), &QWindow::screenChanged, this, &frmStend::followScreen);

    // As the window loads: only the start button and no separator or prompt.
    m_knGo->show();
    line(LineId::MenBorder).visible = false;
    m_labMsg->hide();
}

void frmStend::createControls()
{
    for (const ButtonRow& row : StandDesign::buttons) {
        auto* button = new QPushButton(QString::fromUtf8(row.caption), this);
        button->setObjectName(QLatin1String(row.name));
        button->setFont(programFont(StandDesign::buttonPoints, true));
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
        setInk(label, row.colour);
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
        connect(static_cast<ClickLabel*>(mark), &ClickLabel::clicked, this, [this] { m_show.closeMarkClicked(); });

    setTabOrder(m_knGo, m_knKalibrovka);
    setTabOrder(m_knKalibrovka, m_knStopKalibr);
}

void frmStend::prepareForShowing()
{
    for (StandLine& l : m_lines)
        l.visible = false;
    setBackColor(m_base.StandBackColor); // which clears the drawing
    recolourForBackground();             // the close marks must stand out from the new background before a show too
    m_knGo->show();
    m_knKalibrovka->setText(QStringLiteral("Калибровка"));
    m_knKalibrovka->show();
    m_knStopKalibr->hide();
    m_labMsg->hide();
    m_labTimer->show();
    layOutLanes(); // the strip above the lanes, which drags the window, for the new margin
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
    QDialog::resizeEvent(event);
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
    const Lanes& lanes = m_show.layOut(twipsWidth(), twipsHeight());
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
    line(LineId::MenBorder).visible = m_show.lanes().separatorsShown;
    line(LineId::MenBorder2).visible = m_show.lanes().separatorsShown;
}

void frmStend::setBackColor(Bgr colour)
{
    m_surface.setBackColor(colour);
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
    painter.fillRect(rect(), qColour(m_surface.backColor()));
    m_surface.paint(painter);
    for (const StandLine& l : m_lines) {
        if (!l.visible)
            continue;
        painter.setPen(QPen(qColour(l.colour), StandDesign::linePixels, Qt::SolidLine, Qt::FlatCap));
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
    QDialog::hideEvent(event);
    if (!event->spontaneous())
        m_idlePointer.stop();
}

void frmStend::drawSeries(const Series& series)
{
    // Player by player within each target: 1-1, 2-1, 1-2, 2-2, 1-3, 2-3.
    for (int target = 0; target < series.targetsEach; ++target)
        for (int player = 0; player < series.players; ++player)
            drawFace(series.TekTargetType, m_surface, m_base, series.Men[player][target].x,
                     series.Men[player][target].y);
    update();
}

void frmStend::knGoClick()
{
    m_knGo->hide();
    m_knKalibrovka->hide();
    clearDrawing();
    // The whole screen, panels and taskbar included: whatever the desktop keeps free would be
    // projected onto the board. Later showings keep the state.
    showFullScreen();
    m_idlePointer.start();
    m_platform.prepareBeep(); // may take a while, so before the show's first second begins
    const LineEnds& across = line(LineId::Kalibr_W).ends;
    const LineEnds& down = line(LineId::kalibr_H).ends;
    if (!m_show.start(across.x2 - across.x1, down.y2 - down.y1, twipsWidth(), twipsHeight()))
        return;
    recolourForBackground();
    PrepZona();
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
    const auto& light = StandDesign::lightBackgrounds;
    const bool onLight = std::find(std::begin(light), std::end(light), m_base.StandBackColor) != std::end(light);
    const StandDesign::Ink ink = onLight ? StandDesign::onLight : StandDesign::onDark;
    line(LineId::MenBorder).colour = ink.separators;
    line(LineId::MenBorder2).colour = ink.separators;
    for (LineId id : {LineId::BorderTop, LineId::BorderBottom, LineId::BorderLeft, LineId::BorderRight})
        line(id).colour = ink.borders;
    for (QLabel* label : {m_labMsg, m_labTimer, m_labExit0, m_labExit1})
        setInk(label, ink.texts);
    update();
}

bool frmStend::askToStop()
{
    return m_platform.messageBox(this, kStopQuestion, platform::Buttons::YesNo, platform::Icon::Question,
                                 platform::Answer::No) == platform::Answer::Yes;
}

void frmStend::setTicking(bool ticking)
{
    if (ticking)
        m_tik.start();
    else
        m_tik.stop();
}

void frmStend::keyPressEvent(QKeyEvent* event)
{
    if (const int16_t code = typedCharacter(*event); code > 0)
        m_show.keyTyped(code);
    event->accept();
}

void frmStend::mousePressEvent(QMouseEvent* event)
{
    // The strip above the lanes acts as the window's title bar; filling the screen, the window has nowhere to go.
    const bool fillsScreen = windowState() & Qt::WindowFullScreen;
    if (!fillsScreen && units::pixelsToTwips(event->position().y(), m_surface.twipsPerPixel()) < m_show.lanes().ZonaH0)
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

void frmStend::tellError(const QString& text)
{
    m_platform.messageBox(this, text, platform::Buttons::Ok, platform::Icon::Error, platform::Answer::Ok);
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
