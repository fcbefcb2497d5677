#include "frmCfg.h"

#include "NumberReader.h"
#include "platform/ClickLabel.h"
#include "platform/Colour.h"
#include "platform/EditableList.h"
#include "platform/Fonts.h"
#include "platform/Platform.h"
#include "platform/Units.h"
#include "settings/Base.h"
#include "settings/Recommended.h"
#include "stand/StandLayout.h"
#include "stand/frmStend.h"

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
#include <vector>

namespace {

enum class Kind { Label, Frame, Option, List, Text, Button, Link };

// One control of the window: positions in twips, relative to the client area or to the
// frame named; indexed controls carry their index in the name (optTargetType4).
struct ControlRow {
    const char* name;
    Kind kind;
    const char* text;
    TwipsRect rect;
    int tab;
    const char* frame = nullptr;
    int maxLength = 0;
};

// clang-format off
constexpr ControlRow kControls[] = {
    {"Label1", Kind::Label, "Цвет фона", {240, 240, 1455, 375}, 1},
    {"Label2", Kind::Label, "Количество игроков", {240, 720, 2655, 375}, 9},
    {"fraMenKol", Kind::Frame, "", {3120, 600, 2775, 495}, 11},
    {"optMenKol0", Kind::Option, "Один", {0, 0, 975, 495}, 13, "fraMenKol"},
    {"optMenKol1", Kind::Option, "Два", {1680, 0, 975, 495}, 12, "fraMenKol"},
    {"Label4", Kind::Label, "Количество мишеней у каждого игрока", {240, 1200, 3015, 615}, 10},
    {"fraTargetKol", Kind::Frame, "", {3120, 1200, 2775, 495}, 14},
    {"optTargetKol0", Kind::Option, "Одна", {0, 0, 975, 495}, 16, "fraTargetKol"},
    {"optTargetKol1", Kind::Option, "Три", {1680, 0, 975, 495}, 15, "fraTargetKol"},
    {"Label5", Kind::Label, "Тип мишеней", {240, 1920, 2655, 375}, 20},
    {"fraTargetType", Kind::Frame, "", {3120, 1800, 4455, 1095}, 17},
    {"optTargetType0", Kind::Option, "Unifight", {0, 0, 1335, 495}, 18, "fraTargetType"},
    {"optTargetType1", Kind::Option, "Euro", {1680, 0, 975, 495}, 19, "fraTargetType"},
    {"optTargetType4", Kind::Option, "Случайная", {3000, 0, 1455, 495}, 56, "fraTargetType"},
    {"optTargetType3", Kind::Option, "Квадрат", {0, 600, 1335, 495}, 30, "fraTargetType"},
    {"optTargetType2", Kind::Option, "Круг", {1680, 600, 975, 495}, 29, "fraTargetType"},
    {"cmbKrug", Kind::List, "", {3000, 660, 975, 360}, 31, "fraTargetType"},
    {"Label6", Kind::Label, "Длительность показа мишеней в одной серии", {240, 3000, 2895, 615}, 21},
    {"cmbTargetShowTime", Kind::List, "", {3120, 3120, 975, 360}, 22},
    {"Label7", Kind::Label, "cek.", {4320, 3240, 975, 375}, 23},
    {"Label12", Kind::Label, "Пауза между сериями", {240, 3840, 2895, 375}, 32},
    {"fraPause", Kind::Frame, "", {3120, 3720, 5175, 1095}, 33},
    {"optFixPause0", Kind::Option, "Фиксированная", {0, 0, 2175, 495}, 36, "fraPause"},
    {"cmbPause", Kind::List, "", {2400, 0, 975, 360}, 34, "fraPause"},
    {"Label11", Kind::Label, "cek.", {3480, 120, 735, 375}, 35, "fraPause"},
    {"optFixPause1", Kind::Option, "Управляется клавишами \"Пробел\", \"Enter\", \"Esc\"", {0, 600, 5175, 495}, 37, "fraPause"},
    {"Label14", Kind::Label, "Корректирующий масштаб", {240, 5160, 3135, 375}, 40},
    {"txtTargetZoom", Kind::Text, "100", {3120, 5040, 855, 375}, 39, nullptr, 3},
    {"Label15", Kind::Label, "%  (допустимо от 50  до 150 %)", {4080, 5160, 3495, 375}, 41},
    {"Label22", Kind::Label, "Интервал между игроками", {240, 5640, 3135, 375}, 55},
    {"txtMenInterval", Kind::Text, "0", {3120, 5520, 855, 375}, 53, nullptr, 2},
    {"Label3", Kind::Label, "%  (допустимо от 0 до 20%)", {4080, 5640, 3015, 375}, 54},
    {"Label17", Kind::Label, "Неиспользуемые области", {240, 6240, 2895, 375}, 46},
    {"Label16", Kind::Label, "сверху", {3120, 6240, 975, 375}, 45},
    {"txtOtstup_H", Kind::Text, "10", {3960, 6120, 615, 375}, 43, nullptr, 2},
    {"Label18", Kind::Label, "%", {4680, 6240, 495, 375}, 47},
    {"Label13", Kind::Label, "снизу", {5160, 6240, 975, 375}, 44},
    {"txtOtstup_D", Kind::Text, "20", {6000, 6120, 615, 375}, 42, nullptr, 2},
    {"Label19", Kind::Label, "%", {6720, 6240, 495, 375}, 48},
    {"Label8", Kind::Label, "Калибровка", {240, 6960, 2055, 375}, 24},
    {"Label9", Kind::Label, "dX", {3480, 6960, 615, 375}, 26},
    {"txtDx", Kind::Text, "725", {3960, 6840, 615, 375}, 25, nullptr, 4},
    {"Label20", Kind::Label, "mm", {4680, 6960, 495, 375}, 49},
    {"Label10", Kind::Label, "dY", {5520, 6960, 615, 375}, 28},
    {"txtDy", Kind::Text, "765", {6000, 6840, 615, 375}, 27, nullptr, 4},
    {"Label21", Kind::Label, "mm", {6720, 6960, 495, 375}, 50},
    {"Command1", Kind::Button, "Выход", {240, 7800, 1455, 495}, 38},
    {"knDef", Kind::Button, "Рекомендуемые", {2280, 7800, 2775, 495}, 51},
    {"knStart", Kind::Button, " OK ", {6000, 7800, 2295, 495}, 0},
    {"lab_Href_MN", Kind::Link, "", {11280, 3660, 375, 4695}, 52},
};
// clang-format on

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

struct ListEntries {
    const char* name;
    const Entry* begin;
    const Entry* end;
};

const ListEntries kLists[] = {{"cmbTargetShowTime", std::begin(kShowTimes), std::end(kShowTimes)},
                              {"cmbKrug", std::begin(kCircleSizes), std::end(kCircleSizes)},
                              {"cmbPause", std::begin(kPauses), std::end(kPauses)}};

struct OptionName {
    const char* prefix;
    OptionGroup group;
};

constexpr OptionName kOptionGroups[] = {{"optMenKol", OptionGroup::MenKol},
                                        {"optTargetKol", OptionGroup::TargetKol},
                                        {"optTargetType", OptionGroup::TargetType},
                                        {"optFixPause", OptionGroup::FixPause}};

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
    const auto toPixels = [this](double twips) {
        return units::twipsToPixels(twips, m_twipsPerPixel);
    };
    const auto place = [&](QWidget* widget, const TwipsRect& r) {
        widget->setGeometry(toPixels(r.left), toPixels(r.top), toPixels(r.width), toPixels(r.height));
    };

    std::vector<std::pair<int, QWidget*>> tabOrder;
    for (const ControlRow& row : kControls) {
        QWidget* parent = row.frame ? findChild<QWidget*>(QLatin1String(row.frame)) : this;
        const QString text = QString::fromUtf8(row.text);
        QWidget* widget = nullptr;
        switch (row.kind) {
        case Kind::Label: {
            auto* label = new QLabel(text, parent);
            label->setWordWrap(true);
            widget = label;
            break;
        }
        case Kind::Frame:
            widget = new QFrame(parent); // no caption: it only groups option buttons
            break;
        case Kind::Option:
            widget = new QRadioButton(text, parent);
            paintBack(widget, kFieldGrey);
            break;
        case Kind::List:
            widget = new EditableList(parent);
            paintBack(widget, kListGrey);
            break;
        case Kind::Text: {
            auto* edit = new QLineEdit(text, parent);
            edit->setMaxLength(row.maxLength);
            paintBack(edit, kFieldGrey);
            widget = edit;
            break;
        }
        case Kind::Button:
            widget = new QPushButton(text, parent);
            break;
        case Kind::Link: {
            auto* link = new ClickLabel(parent);
            link->setToolTip(QStringLiteral(" Открыть сайт "));
            link->setCursor(
                QCursor(QPixmap(QStringLiteral(":/link-hand.png")), kPointerHotSpot.x(), kPointerHotSpot.y()));
            connect(link, &ClickLabel::clicked, this, &frmCfg::linkClick);
            widget = link;
            break;
        }
        }
        widget->setObjectName(QLatin1String(row.name));
        widget->setFont(row.kind == Kind::Button ? programFont(kButtonPoints, false) : programFont(kTextPoints, false));
        place(widget, row.rect);
        if (widget->focusPolicy() != Qt::NoFocus)
            tabOrder.emplace_back(row.tab, widget);
    }

    for (const ListEntries& entries : kLists)
        for (const Entry* entry = entries.begin; entry != entries.end; ++entry)
            list(entries.name)->addEntry(QString::fromUtf8(entry->text), entry->itemValue);

    for (const OptionName& option : kOptionGroups)
        for (QRadioButton* button : findChildren<QRadioButton*>()) {
            const QString name = button->objectName();
            if (!name.startsWith(QLatin1String(option.prefix)))
                continue;
            const int index = name.mid(int(qstrlen(option.prefix))).toInt();
            connect(button, &QRadioButton::toggled, this, [this, group = option.group, index](bool checked) {
                if (checked)
                    optionChosen(group, index);
            });
        }
    for (const char* selected : {"optMenKol1", "optTargetKol1", "optTargetType0", "optFixPause0"})
        findChild<QRadioButton*>(QLatin1String(selected))->setChecked(true);

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
    }

    auto* ok = findChild<QPushButton*>(QStringLiteral("knStart"));
    QFont bold = ok->font();
    bold.setBold(true);
    ok->setFont(bold);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &frmCfg::knStartClick);
    connect(findChild<QPushButton*>(QStringLiteral("knDef")), &QPushButton::clicked, this, &frmCfg::knDefClick);
    connect(findChild<QPushButton*>(QStringLiteral("Command1")), &QPushButton::clicked, this, &frmCfg::exitClick);

    std::stable_sort(tabOrder.begin(), tabOrder.end(), [](auto& a, auto& b) { return a.first < b.first; });
    for (size_t i = 1; i < tabOrder.size(); ++i)
        setTabOrder(tabOrder[i - 1].second, tabOrder[i].second);
    ok->setFocus();
}

EditableList* frmCfg::list(const char* name) const
{
    return findChild<EditableList*>(QLatin1String(name));
}

QLineEdit* frmCfg::field(const char* name) const
{
    return findChild<QLineEdit*>(QLatin1String(name));
}

void frmCfg::load()
{
    list("cmbTargetShowTime")->selectValue(kOpeningEntries.ShowTime);
    list("cmbKrug")->selectValue(kOpeningEntries.CircleSize);
    list("cmbPause")->selectValue(kOpeningEntries.PauseTime);
    SetDefaults(m_base, list("cmbTargetShowTime")->currentItemValue());
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

bool frmCfg::refuse(const QString& message)
{
    m_platform.messageBox(this, message, platform::Buttons::Ok, platform::Icon::Exclamation, platform::Answer::Ok);
    return false;
}

bool frmCfg::ApplySettings()
{
    const std::optional<int> showTime = list("cmbTargetShowTime")->currentItemValue();
    if (!showTime)
        return refuse(QStringLiteral("Укажите продолжительность паказа мишеней в одной сери!"));
    m_base.ShowTime = int16_t(*showTime);
    const std::optional<int> circleSize = list("cmbKrug")->currentItemValue();
    if (!circleSize)
        return refuse(QStringLiteral("Выберите размер круга из списка!"));
    m_base.CircleSize = int16_t(*circleSize);
    const std::optional<int> pause = list("cmbPause")->currentItemValue();
    if (!pause)
        return refuse(QStringLiteral("Выберите длительность паузы из списка!"));
    m_base.PauseTime = int16_t(*pause);

    // Lengths are checked before rounding: 0.9 mm is refused, 1 mm passes.
    const auto length = [this](const char* name) -> std::optional<int16_t> {
        const double millimetres = readNumber(field(name)->text());
        if (millimetres < 1)
            return std::nullopt;
        return units::roundToInt16(millimetres);
    };
    const std::optional<int16_t> dx = length("txtDx");
    if (!dx)
        return refuse(QStringLiteral("Введите корректное значение калибровки по  dX!"));
    m_base.KalibrDx = *dx;
    const std::optional<int16_t> dy = length("txtDy");
    if (!dy)
        return refuse(QStringLiteral("Введите корректное значение калибровки по  dY"));
    m_base.KalibrDy = *dy;

    const auto whole = [this](const char* name, int lowest, int highest) -> std::optional<int16_t> {
        const std::optional<int16_t> value = readWholeNumber(field(name)->text());
        if (!value || *value < lowest || *value > highest)
            return std::nullopt;
        return value;
    };
    const std::optional<int16_t> zoom = whole("txtTargetZoom", 50, 150);
    if (!zoom)
        return refuse(QStringLiteral("Корректирующий масштаб должен быть в пределах от 50 до 150%!"));
    m_base.TargetZoom = *zoom;
    const std::optional<int16_t> top = whole("txtOtstup_H", 5, 20);
    if (!top)
        return refuse(QStringLiteral("Неиспользуемая область экрана сверху должна быть в пределах от 5 до 20%!"));
    m_base.TopMargin = *top;
    const std::optional<int16_t> bottom = whole("txtOtstup_D", 0, 40);
    if (!bottom)
        return refuse(QStringLiteral("Неиспользуемая область экрана снизу должна быть в пределах от 0 до 40%!"));
    m_base.BottomMargin = *bottom;
    const std::optional<int16_t> interval = whole("txtMenInterval", 0, 20);
    if (!interval)
        return refuse(QStringLiteral("Интервал между спортсменами должен быть в пределах от 0 до 20%!"));
    m_base.PlayerInterval = *interval;
    return true;
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
    prepareStand();
    showStandModally();
}

void frmCfg::prepareStand()
{
    frmStend& stand = *m_stand;
    for (LineId id : {LineId::BorderTop, LineId::BorderBottom, LineId::BorderLeft, LineId::BorderRight})
        stand.line(id).visible = false;
    stand.setBackColor(m_base.StandBackColor);
    stand.knGo()->show();
    stand.knKalibrovka()->setText(QStringLiteral("Калибровка"));
    stand.knKalibrovka()->show();
    stand.knStopKalibr()->hide();
    for (LineId id : {LineId::MenBorder, LineId::MenBorder2, LineId::kalibr_H, LineId::Kalibr_W})
        stand.line(id).visible = false;
    stand.LabMSG()->hide();
    stand.labTimer()->show();
    stand.setZonaH0(laneTop(stand.twipsHeight(), m_base.TopMargin));
    stand.clearDrawing();
}

void frmCfg::showStandModally()
{
    // Returns when the stand window hides itself; meanwhile this window takes no input.
    m_stand->setWindowModality(Qt::ApplicationModal);
    QEventLoop loop;
    connect(m_stand, &frmStend::hidden, &loop, &QEventLoop::quit);
    m_stand->show();
    m_stand->activateWindow();
    m_stand->knGo()->setFocus();
    if (m_stand->isVisible())
        loop.exec();
}

void frmCfg::knDefClick()
{
    findChild<QRadioButton*>(QStringLiteral("optMenKol1"))->setChecked(true);
    findChild<QRadioButton*>(QStringLiteral("optTargetKol1"))->setChecked(true);
    findChild<QRadioButton*>(QStringLiteral("optTargetType0"))->setChecked(true);
    list("cmbKrug")->selectValue(kRecommendedEntries.CircleSize);
    list("cmbTargetShowTime")->selectValue(kRecommendedEntries.ShowTime);
    list("cmbPause")->selectValue(kRecommendedEntries.PauseTime);
    findChild<QRadioButton*>(QStringLiteral("optFixPause0"))->setChecked(true);
    const std::pair<const char*, const char*> texts[] = {{"txtTargetZoom", "100"}, {"txtOtstup_H", "10"},
                                                         {"txtOtstup_D", "20"},    {"txtDx", "725"},
                                                         {"txtDy", "765"},         {"txtMenInterval", "0"}};
    for (const auto& [name, text] : texts)
        field(name)->setText(QLatin1String(text));
}

void frmCfg::swatchClick(int index)
{
    for (int i = 0; i < int(std::size(kSwatches)); ++i)
        findChild<QLabel*>(QStringLiteral("labFon%1").arg(i))->clear();
    findChild<QLabel*>(QStringLiteral("labFon%1").arg(index))->setText(QStringLiteral("V"));
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
        findChild<QPushButton*>(QStringLiteral("Command1"))->click();
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
