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
#include "stand/drawing/Colour.h"
#include "stand/window/frmStend.h"

#include <QCloseEvent>
#include <QEventLoop>
#include <QFrame>
#include <QIcon>
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

struct Entry {
    const char* text;
    int itemValue;
};

constexpr Entry kShowTimes[] = {{"1", 1},   {"2", 2},   {"3", 3},   {"4", 4},   {"5", 5},   {"6", 6},
                                {"7", 7},   {"8", 8},   {"9", 9},   {"10", 10}, {"15", 15}, {"20", 20},
                                {"25", 25}, {"30", 30}, {"40", 40}, {"60", 60}, {"90", 90}, {"120", 120}};
constexpr Entry kCircleSizes[] = {{"4 cm", 4}, {"5 cm", 5},   {"6 cm", 6},   {"7 cm", 7},  {"8 cm", 8},
                                  {"9 cm", 9}, {"10 cm", 10}, {"12 cm", 12}, {"15 cm", 15}};
constexpr Entry kPauses[] = {{"1", 1},   {"10", 10}, {"20", 20},   {"30", 30},   {"40", 40},  {"50", 50},
                             {"60", 60}, {"90", 90}, {"120", 120}, {"150", 150}, {"180", 180}};

// Each kind of control has its table; positions are in twips, relative to the client area
// or to the frame named. Labels and frames take no focus and so have no place in the tab order.
using Frame = QFrame* frmCfg::*;

struct FrameRow {
    Frame member;
    const char* name;
    TwipsRect rect;
};

// A label naming a field's range has its text's %1 and %2 filled in from the checks.
struct LabelRow {
    const char* name;
    const char* text;
    TwipsRect rect;
    Frame frame = nullptr;
    std::optional<Field> range = std::nullopt;
};

struct OptionRow {
    OptionGroup group;
    int index;
    const char* name;
    const char* text;
    TwipsRect rect;
    int tab;
    Frame frame;
};

struct ListRow {
    EditableList* frmCfg::*member;
    const char* name;
    TwipsRect rect;
    int tab;
    Frame frame;
    std::span<const Entry> entries;
};

// A field shows its recommended value as the window opens and after "Рекомендуемые".
struct TextRow {
    QLineEdit* frmCfg::*member;
    const char* name;
    int recommended;
    TwipsRect rect;
    int tab;
    int maxLength;
};

struct ButtonRow {
    QPushButton* frmCfg::*member;
    const char* name;
    const char* text;
    TwipsRect rect;
    int tab;
    void (frmCfg::*clicked)();
};

} // namespace

// The design of the window; the tab indices of all kinds together give the tab order.
// clang-format off
struct CfgDesign {
    static constexpr FrameRow frames[] = {
        {&frmCfg::m_fraMenKol, "fraMenKol", {3120, 600, 2775, 495}},
        {&frmCfg::m_fraTargetKol, "fraTargetKol", {3120, 1200, 2775, 495}},
        {&frmCfg::m_fraTargetType, "fraTargetType", {3120, 1800, 4455, 1095}},
        {&frmCfg::m_fraPause, "fraPause", {3120, 3720, 5175, 1095}},
    };
    static constexpr LabelRow labels[] = {
        {"Label1", "Цвет фона", {240, 240, 1455, 375}},
        {"Label2", "Количество игроков", {240, 720, 2655, 375}},
        {"Label4", "Количество мишеней у каждого игрока", {240, 1200, 3015, 615}},
        {"Label5", "Тип мишеней", {240, 1920, 2655, 375}},
        {"Label6", "Длительность показа мишеней в одной серии", {240, 3000, 2895, 615}},
        {"Label7", "cek.", {4320, 3240, 975, 375}},
        {"Label12", "Пауза между сериями", {240, 3840, 2895, 375}},
        {"Label11", "cek.", {3480, 120, 735, 375}, &frmCfg::m_fraPause},
        {"Label14", "Корректирующий масштаб", {240, 5160, 3135, 375}},
        {"Label15", "%  (допустимо от %1  до %2 %)", {4080, 5160, 3495, 375}, nullptr, Field::TargetZoom},
        {"Label22", "Интервал между игроками", {240, 5640, 3135, 375}},
        {"Label3", "%  (допустимо от %1 до %2%)", {4080, 5640, 3015, 375}, nullptr, Field::PlayerInterval},
        {"Label17", "Неиспользуемые области", {240, 6240, 2895, 375}},
        {"Label16", "сверху", {3120, 6240, 975, 375}},
        {"Label18", "%", {4680, 6240, 495, 375}},
        {"Label13", "снизу", {5160, 6240, 975, 375}},
        {"Label19", "%", {6720, 6240, 495, 375}},
        {"Label8", "Калибровка", {240, 6960, 2055, 375}},
        {"Label9", "dX", {3480, 6960, 615, 375}},
        {"Label20", "mm", {4680, 6960, 495, 375}},
        {"Label10", "dY", {5520, 6960, 615, 375}},
        {"Label21", "mm", {6720, 6960, 495, 375}},
    };
    static constexpr OptionRow options[] = {
        {OptionGroup::MenKol, 0, "optMenKol0", "Один", {0, 0, 975, 495}, 13, &frmCfg::m_fraMenKol},
        {OptionGroup::MenKol, 1, "optMenKol1", "Два", {1680, 0, 975, 495}, 12, &frmCfg::m_fraMenKol},
        {OptionGroup::TargetKol, 0, "optTargetKol0", "Одна", {0, 0, 975, 495}, 16, &frmCfg::m_fraTargetKol},
        {OptionGroup::TargetKol, 1, "optTargetKol1", "Три", {1680, 0, 975, 495}, 15, &frmCfg::m_fraTargetKol},
        {OptionGroup::TargetType, 0, "optTargetType0", "Unifight", {0, 0, 1335, 495}, 18, &frmCfg::m_fraTargetType},
        {OptionGroup::TargetType, 1, "optTargetType1", "Euro", {1680, 0, 975, 495}, 19, &frmCfg::m_fraTargetType},
        {OptionGroup::TargetType, 4, "optTargetType4", "Случайная", {3000, 0, 1455, 495}, 56, &frmCfg::m_fraTargetType},
        {OptionGroup::TargetType, 3, "optTargetType3", "Квадрат", {0, 600, 1335, 495}, 30, &frmCfg::m_fraTargetType},
        {OptionGroup::TargetType, 2, "optTargetType2", "Круг", {1680, 600, 975, 495}, 29, &frmCfg::m_fraTargetType},
        {OptionGroup::FixPause, 0, "optFixPause0", "Фиксированная", {0, 0, 2175, 495}, 36, &frmCfg::m_fraPause},
        {OptionGroup::FixPause, 1, "optFixPause1", "Управляется клавишами \"Пробел\", \"Enter\", \"Esc\"", {0, 600, 5175, 495}, 37, &frmCfg::m_fraPause},
    };
    static constexpr ListRow lists[] = {
        {&frmCfg::m_cmbKrug, "cmbKrug", {3000, 660, 975, 360}, 31, &frmCfg::m_fraTargetType, kCircleSizes},
        {&frmCfg::m_cmbTargetShowTime, "cmbTargetShowTime", {3120, 3120, 975, 360}, 22, nullptr, kShowTimes},
        {&frmCfg::m_cmbPause, "cmbPause", {2400, 0, 975, 360}, 34, &frmCfg::m_fraPause, kPauses},
    };
    static constexpr TextRow texts[] = {
        {&frmCfg::m_txtTargetZoom, "txtTargetZoom", kRecommended.TargetZoom, {3120, 5040, 855, 375}, 39, 3},
        {&frmCfg::m_txtMenInterval, "txtMenInterval", kRecommended.PlayerInterval, {3120, 5520, 855, 375}, 53, 2},
        {&frmCfg::m_txtOtstup_H, "txtOtstup_H", kRecommended.TopMargin, {3960, 6120, 615, 375}, 43, 2},
        {&frmCfg::m_txtOtstup_D, "txtOtstup_D", kRecommended.BottomMargin, {6000, 6120, 615, 375}, 42, 2},
        {&frmCfg::m_txtDx, "txtDx", kRecommended.KalibrDx, {3960, 6840, 615, 375}, 25, 4},
        {&frmCfg::m_txtDy, "txtDy", kRecommended.KalibrDy, {6000, 6840, 615, 375}, 27, 4},
    };
    static constexpr ButtonRow buttons[] = {
        {&frmCfg::m_command1, "Command1", "Выход", {240, 7800, 1455, 495}, 38, &frmCfg::exitClick},
        {&frmCfg::m_knDef, "knDef", "Рекомендуемые", {2280, 7800, 2775, 495}, 51, &frmCfg::knDefClick},
        {&frmCfg::m_knStart, "knStart", " OK ", {6000, 7800, 2295, 495}, 0, &frmCfg::knStartClick},
    };
    static constexpr TwipsRect link{11280, 3660, 375, 4695};
};
// clang-format on

namespace {

// The colour swatches as they stand from left to right; the caption marks the chosen one.
struct Swatch {
    int index;
    double left;
    uint32_t colour;
    bool whiteMark;
};

constexpr Swatch kSwatches[] = {{5, 3120, 0x101010, true},  {6, 3600, 0x404040, true},  {0, 4080, 0x808080, false},
                                {1, 4560, 0xC0C0C0, false}, {2, 5040, 0xE0E0E0, false}, {3, 5520, 0x008080, false},
                                {4, 6000, 0x404000, true}};
constexpr double kSwatchTop = 120;
constexpr double kSwatchSide = 375;

constexpr double kTextPoints = 9.75;
constexpr double kButtonPoints = 12;
constexpr uint32_t kFieldGrey = 0xC3C3C3;
constexpr uint32_t kListGrey = 0xC0C0C0;
constexpr QPoint kPointerHotSpot{5, 1};

const QString kExitQuestion = QStringLiteral("Закрыть программу?");

void paintBack(QWidget* widget, uint32_t bgr)
{
    widget->setAutoFillBackground(true);
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colourFromBgr(bgr));
    palette.setColor(QPalette::Base, colourFromBgr(bgr));
    palette.setColor(QPalette::Button, colourFromBgr(bgr));
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
    , m_background(QStringLiteral(":/background.png"))
{
    setWindowTitle(QStringLiteral(" Quorrin: настройка параметров отображения мишеней на стенде"));
    setWindowIcon(QIcon(QStringLiteral(":/quorrin-icon.png")));
    const auto toPixels = [this](double twips) {
        return units::twipsToPixels(twips, m_twipsPerPixel);
    };
    setFixedSize(toPixels(kClientWidth), toPixels(kClientHeight));
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
    static_assert(std::size(kSwatches) == kSwatchCount);
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
        setUp(frame, row.name, row.rect, kTextPoints);
        this->*row.member = frame;
    }
    for (const LabelRow& row : CfgDesign::labels) {
        QString text = QString::fromUtf8(row.text);
        if (row.range)
            text = text.arg(checkedRange(*row.range).lowest).arg(checkedRange(*row.range).highest);
        auto* label = new QLabel(text, parentOf(row.frame));
        label->setWordWrap(true);
        setUp(label, row.name, row.rect, kTextPoints);
        label->lower(); // beneath every control it overlaps, which takes the click there
    }
    for (const OptionRow& row : CfgDesign::options) {
        auto* option = new OptionButton(QString::fromUtf8(row.text), parentOf(row.frame));
        paintBack(option, kFieldGrey);
        setUp(option, row.name, row.rect, kTextPoints);
        m_options.at(size_t(row.group)).at(size_t(row.index)) = option;
        connect(option, &QRadioButton::toggled, this, [this, group = row.group, index = row.index](bool checked) {
            if (checked)
                optionChosen(group, index);
        });
        tabOrder.emplace_back(row.tab, option);
    }
    for (const ListRow& row : CfgDesign::lists) {
        auto* list = new EditableList(parentOf(row.frame));
        paintBack(list, kListGrey);
        setUp(list, row.name, row.rect, kTextPoints);
        for (const Entry& entry : row.entries)
            list->addEntry(QString::fromUtf8(entry.text), entry.itemValue);
        this->*row.member = list;
        tabOrder.emplace_back(row.tab, list);
    }
    for (const TextRow& row : CfgDesign::texts) {
        auto* edit = new QLineEdit(QString::number(row.recommended), this);
        edit->setMaxLength(row.maxLength);
        paintBack(edit, kFieldGrey);
        setUp(edit, row.name, row.rect, kTextPoints);
        this->*row.member = edit;
        tabOrder.emplace_back(row.tab, edit);
    }
    for (const ButtonRow& row : CfgDesign::buttons) {
        auto* button = new QPushButton(QString::fromUtf8(row.text), this);
        setUp(button, row.name, row.rect, kButtonPoints);
        connect(button, &QPushButton::clicked, this, row.clicked);
        this->*row.member = button;
        tabOrder.emplace_back(row.tab, button);
    }

    auto* link = new ClickLabel(this);
    link->setToolTip(QStringLiteral(" Открыть сайт "));
    link->setCursor(QCursor(QPixmap(QStringLiteral(":/link-hand.png")), kPointerHotSpot.x(), kPointerHotSpot.y()));
    connect(link, &ClickLabel::clicked, this, &frmCfg::linkClick);
    setUp(link, "lab_Href_MN", CfgDesign::link, kTextPoints);

    for (const OptionGroup group :
         {OptionGroup::MenKol, OptionGroup::TargetKol, OptionGroup::TargetType, OptionGroup::FixPause})
        chooseRecommended(group);

    for (const Swatch& swatch : kSwatches) {
        auto* label = new ClickLabel(this);
        label->setObjectName(QStringLiteral("labFon%1").arg(swatch.index));
        label->setFrameShape(QFrame::Box);
        label->setLineWidth(1);
        label->setAlignment(Qt::AlignCenter);
        label->setFont(programFont(kButtonPoints, true));
        paintBack(label, swatch.colour);
        if (swatch.whiteMark) { // dark swatches; the others keep the system's window-text colour
            QPalette palette = label->palette();
            palette.setColor(QPalette::WindowText, Qt::white);
            label->setPalette(palette);
        }
        label->setText(swatch.index == 0 ? QStringLiteral("v") : QString());
        place(label, {swatch.left, kSwatchTop, kSwatchSide, kSwatchSide});
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
    showStandModally();
}

void frmCfg::showStandModally()
{
    // Returns when the stand window hides itself; meanwhile this window takes no input.
    m_stand->setWindowModality(Qt::ApplicationModal);
    QEventLoop loop;
    connect(m_stand, &frmStend::hidden, &loop, &QEventLoop::quit);
    m_stand->show();
    m_stand->activateWindow();
    if (m_stand->isVisible())
        loop.exec();
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
    for (const Swatch& swatch : kSwatches)
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
