#include "settings/window/frmCfg.h"

#include "platform/ClickLabel.h"
#include "platform/EditableList.h"
#include "platform/Fonts.h"
#include "platform/OptionButton.h"
#include "platform/Platform.h"
#include "platform/ScreenTwips.h"
#include "platform/core/Units.h"
#include "settings/Base.h"
#include "settings/Recommended.h"
#include "settings/SettingsCheck.h"
#include "settings/window/CfgDesign.h"
#include "stand/drawing/Colour.h"
#include "stand/window/frmStend.h"

#include <QCloseEvent>
#include <QFrame>
#include <QIcon>
#include <QImageReader>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>

#include <algorithm>
#include <span>
#include <vector>

namespace {

// Our pictures are PNGs: Qt's own reader takes them at once, where a reader left to guess the format would
// first load every image plugin, and libjpeg with them, to ask each whether it reads PNG.
QPixmap picture(const QString& path)
{
    QImageReader reader(path, "png");
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}

const QString kExitQuestion = QStringLiteral("Закрыть программу?");

void paintBack(QWidget* widget, Bgr colour)
{
    widget->setAutoFillBackground(true);
    QPalette palette = widget->palette();
    for (const QPalette::ColorRole role : {QPalette::Window, QPalette::Base, QPalette::Button})
        palette.setColor(role, qColour(colour));
    widget->setPalette(palette);
}

// The option button of a group that stands for the recommended setting.
int recommendedOption(OptionGroup group)
{
    switch (group) {
    case OptionGroup::MenKol:
        return kRecommended.PlayerCount - 1;
    case OptionGroup::TargetKol:
        return kRecommended.TargetsPerPlayer == 0 ? 0 : 1;
    case OptionGroup::TargetType:
        return int(kRecommended.TargetType);
    case OptionGroup::FixPause:
        return int(kRecommended.PauseMode);
    }
    return 0;
}

} // namespace

frmCfg::frmCfg(Base& base, platform::Platform& platform, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint)
    , m_base(base)
    , m_platform(platform)
    , m_twipsPerPixel(units::twipsPerPixel(this))
    , m_background(picture(QStringLiteral(":/background.png")))
{
    setWindowTitle(QStringLiteral(" Quorrin: настройка параметров отображения мишеней на стенде"));
    setWindowIcon(QIcon(picture(QStringLiteral(":/quorrin-icon.png"))));
    const auto toPixels = [this](double twips) {
        return units::twipsToPixels(twips, m_twipsPerPixel);
    };
    setFixedSize(toPixels(CfgDesign::clientWidth), toPixels(CfgDesign::clientHeight));
    createControls();
    load();
    centreOnScreen();
}

void frmCfg::centreOnScreen()
{
    const QScreen* screen = this->screen();
    if (!screen)
        return;
    // The frame's size is known only once the window manager has framed the window;
    // before that this centres the client area.
    const QRect desk = screen->availableGeometry();
    const QSize outer = frameGeometry().size();
    move(desk.x() + (desk.width() - outer.width()) / 2, desk.y() + (desk.height() - outer.height()) / 2);
}

bool frmCfg::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate && !m_centredWithFrame && frameGeometry() != geometry()) {
        m_centredWithFrame = true;
        centreOnScreen();
    }
    return QDialog::event(event);
}

void frmCfg::createControls()
{
    static_assert(std::size(CfgDesign::swatches) == kSwatchCount);
    const auto toPixels = [this](double twips) {
        return units::twipsToPixels(twips, m_twipsPerPixel);
    };
    const auto place = [&](QWidget* widget, const TwipsRect& r) {
        widget->setGeometry(toPixels(r.left), toPixels(r.top), toPixels(r.width), toPixels(r.height));
    };
    const auto parentOf = [this](Frame frame) -> QWidget* {
        return frame ? static_cast<QWidget*>(this->*frame) : this;
    };
    // Object names stay for the tests and for accessibility; the window itself holds members.
    const auto setUp = [&](QWidget* widget, const char* name, const TwipsRect& rect, double points) {
        widget->setObjectName(QLatin1String(name));
        widget->setFont(programFont(points, false));
        place(widget, rect);
    };
    std::vector<std::pair<int, QWidget*>> tabOrder;

    for (const FrameRow& row : CfgDesign::frames) {
        auto* frame = new QFrame(this); // no caption: it only groups option buttons
        setUp(frame, row.name, row.rect, CfgDesign::textPoints);
        this->*row.member = frame;
    }
    for (const LabelRow& row : CfgDesign::labels) {
        QString text = QString::fromUtf8(row.text);
        if (row.range)
            text = text.arg(checkedRange(*row.range).lowest).arg(checkedRange(*row.range).highest);
        auto* label = new QLabel(text, parentOf(row.frame));
        label->setWordWrap(true);
        setUp(label, row.name, row.rect, CfgDesign::textPoints);
        label->lower(); // beneath every control it overlaps, which takes the click there
    }
    for (const OptionRow& row : CfgDesign::options) {
        auto* option = new OptionButton(QString::fromUtf8(row.text), parentOf(row.frame));
        paintBack(option, CfgDesign::fieldGrey);
        setUp(option, row.name, row.rect, CfgDesign::textPoints);
        m_options.at(size_t(row.group)).at(size_t(row.index)) = option;
        connect(option, &QRadioButton::toggled, this, [this, group = row.group, index = row.index](bool checked) {
            if (checked)
                optionChosen(group, index);
        });
        tabOrder.emplace_back(row.tab, option);
    }
    for (const ListRow& row : CfgDesign::lists) {
        auto* list = new EditableList(parentOf(row.frame));
        paintBack(list, CfgDesign::listGrey);
        setUp(list, row.name, row.rect, CfgDesign::textPoints);
        for (const Entry& entry : row.entries)
            list->addEntry(QString::fromUtf8(entry.text), entry.itemValue);
        this->*row.member = list;
        tabOrder.emplace_back(row.tab, list);
    }
    for (const TextRow& row : CfgDesign::texts) {
        auto* edit = new QLineEdit(QString::number(row.recommended), this);
        edit->setMaxLength(row.maxLength);
        paintBack(edit, CfgDesign::fieldGrey);
        setUp(edit, row.name, row.rect, CfgDesign::textPoints);
        this->*row.member = edit;
        tabOrder.emplace_back(row.tab, edit);
    }
    for (const ButtonRow& row : CfgDesign::buttons) {
        auto* button = new QPushButton(QString::fromUtf8(row.text), this);
        setUp(button, row.name, row.rect, CfgDesign::buttonPoints);
        connect(button, &QPushButton::clicked, this, row.clicked);
        this->*row.member = button;
        tabOrder.emplace_back(row.tab, button);
    }

    auto* link = new ClickLabel(this);
    link->setToolTip(QStringLiteral(" Открыть сайт "));
    link->setCursor(
        QCursor(picture(QStringLiteral(":/link-hand.png")), CfgDesign::linkHotSpotX, CfgDesign::linkHotSpotY));
    connect(link, &ClickLabel::clicked, this, &frmCfg::linkClick);
    setUp(link, "lab_Href_MN", CfgDesign::link, CfgDesign::textPoints);

    for (const OptionGroup group :
         {OptionGroup::MenKol, OptionGroup::TargetKol, OptionGroup::TargetType, OptionGroup::FixPause})
        chooseRecommended(group);

    for (const SwatchRow& swatch : CfgDesign::swatches) {
        auto* label = new ClickLabel(this);
        label->setObjectName(QStringLiteral("labFon%1").arg(swatch.index));
        label->setFrameShape(QFrame::Box);
        label->setLineWidth(1);
        label->setAlignment(Qt::AlignCenter);
        label->setFont(programFont(CfgDesign::buttonPoints, true));
        paintBack(label, swatch.colour);
        if (swatch.whiteMark) {
            QPalette palette = label->palette();
            palette.setColor(QPalette::WindowText, Qt::white);
            label->setPalette(palette);
        }
        label->setText(swatch.index == 0 ? QStringLiteral("v") : QString());
        place(label, {swatch.left, CfgDesign::swatchTop, CfgDesign::swatchSide, CfgDesign::swatchSide});
        connect(label, &ClickLabel::clicked, this, [this, index = swatch.index] { swatchClick(index); });
        m_swatches.at(size_t(swatch.index)) = label;
    }

    QFont bold = m_knStart->font();
    bold.setBold(true);
    m_knStart->setFont(bold);
    m_knStart->setDefault(true);

    std::stable_sort(tabOrder.begin(), tabOrder.end(), [](auto& a, auto& b) { return a.first < b.first; });
    for (size_t i = 1; i < tabOrder.size(); ++i)
        setTabOrder(tabOrder[i - 1].second, tabOrder[i].second);
    m_knStart->setFocus();
}

void frmCfg::load()
{
    m_cmbTargetShowTime->selectValue(kOpeningEntries.ShowTime);
    m_cmbKrug->selectValue(kOpeningEntries.CircleSize);
    m_cmbPause->selectValue(kOpeningEntries.PauseTime);
    SetDefaults(m_base, m_cmbTargetShowTime->currentItemValue());
}

void frmCfg::chooseRecommended(OptionGroup group)
{
    m_options.at(size_t(group)).at(size_t(recommendedOption(group)))->setChecked(true);
}

void frmCfg::optionChosen(OptionGroup group, int index)
{
    switch (group) {
    case OptionGroup::MenKol:
        m_base.PlayerCount = index + 1;
        break;
    case OptionGroup::TargetKol:
        m_base.TargetsPerPlayer = index == 0 ? 0 : 3;
        break;
    case OptionGroup::TargetType:
        m_base.TargetType = TargetCode(index);
        break;
    case OptionGroup::FixPause:
        m_base.PauseMode = PauseCode(index);
        break;
    }
}

bool frmCfg::ApplySettings()
{
    const TypedValues typed{.showTime = m_cmbTargetShowTime->currentItemValue(),
                            .circleSize = m_cmbKrug->currentItemValue(),
                            .pauseTime = m_cmbPause->currentItemValue(),
                            .dx = m_txtDx->text(),
                            .dy = m_txtDy->text(),
                            .targetZoom = m_txtTargetZoom->text(),
                            .topMargin = m_txtOtstup_H->text(),
                            .bottomMargin = m_txtOtstup_D->text(),
                            .playerInterval = m_txtMenInterval->text()};
    const CheckOutcome outcome = checkSettings(typed, m_base);
    m_base = outcome.settings;
    if (!outcome.refusal)
        return true;
    m_platform.messageBox(this, outcome.refusal->message, platform::Buttons::Ok, platform::Icon::Exclamation,
                          platform::Answer::Ok);
    return false;
}

void frmCfg::knStartClick()
{
    if (!ApplySettings())
        return;
    if (!m_stand) {
        m_stand = new frmStend(m_base, m_platform, this);
        m_stand->setWindowIcon(windowIcon());
        m_stand->move(frameGeometry().center() - m_stand->rect().center());
    }
    m_stand->prepareForShowing();
    // Returns when the stand window hides itself; meanwhile this window takes no input.
    m_stand->exec();
}

void frmCfg::knDefClick()
{
    for (const OptionGroup group : {OptionGroup::MenKol, OptionGroup::TargetKol, OptionGroup::TargetType})
        chooseRecommended(group);
    m_cmbKrug->selectValue(kRecommendedEntries.CircleSize);
    m_cmbTargetShowTime->selectValue(kRecommendedEntries.ShowTime);
    m_cmbPause->selectValue(kRecommendedEntries.PauseTime);
    chooseRecommended(OptionGroup::FixPause);
    for (const TextRow& row : CfgDesign::texts)
        (this->*row.member)->setText(QString::number(row.recommended));
}

void frmCfg::swatchClick(int index)
{
    for (QLabel* swatch : m_swatches)
        swatch->clear();
    m_swatches.at(size_t(index))->setText(QStringLiteral("V"));
    for (const SwatchRow& swatch : CfgDesign::swatches)
        if (swatch.index == index)
            m_base.StandBackColor = swatch.colour;
}

void frmCfg::exitClick()
{
    if (m_platform.messageBox(this, kExitQuestion, platform::Buttons::YesNo, platform::Icon::Question,
                              platform::Answer::No) == platform::Answer::Yes)
        m_platform.endProgram();
}

void frmCfg::linkClick()
{
    m_platform.openWebPage(QStringLiteral("https://") + platform::makerAddress());
}

void frmCfg::paintEvent(QPaintEvent*)
{
    // Beyond 96 dpi the client area outgrows the picture's 790 x 575 pixels.
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    painter.drawPixmap(0, 0, m_background);
}

void frmCfg::keyPressEvent(QKeyEvent* event)
{
    // Esc presses "Выход" rather than closing the window.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        m_command1->click();
        return;
    }
    QDialog::keyPressEvent(event);
}

void frmCfg::closeEvent(QCloseEvent* event)
{
    // The close box ends the program without a question.
    event->accept();
    m_platform.endProgram();
}
