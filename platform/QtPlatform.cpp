#include "platform/QtPlatform.h"

#include "platform/Fonts.h"

#include <QApplication>
#include <QGridLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QSpacerItem>
#include <QStyle>

namespace platform {

namespace {

// As the windows' own text. Qt's default for boxes under Wine is Tahoma at 11 pixels, a size for which Wine's
// Tahoma holds drawn bitmaps: Wine draws those but reports the outlines' widths, so the letters drift apart and
// the spaces all but vanish.
constexpr double kMessagePoints = 9.75;

QMessageBox::Icon boxIcon(Icon icon)
{
    switch (icon) {
    case Icon::Exclamation:
        return QMessageBox::Warning;
    case Icon::Error:
        return QMessageBox::Critical;
    case Icon::Question:
        return QMessageBox::Question;
    case Icon::Information:
        return QMessageBox::Information;
    }
    return QMessageBox::NoIcon;
}

// Beside the title a title bar holds the window's icon and up to three buttons, each about as wide as the bar
// is high, with gaps between them; and the window manager's title font may run wider than the one the system
// names: under Wine openbox needed a box 246 pixels wide for our title, and four squares made it 239.
constexpr int kTitleBarSquares = 5;

// A title bar cuts a title longer than it has room for; the system's own boxes widen to show it whole.
void widenForTitle(QMessageBox& box)
{
    QFont titleFont = QApplication::font("QMdiSubWindowTitleBar");
    titleFont.setBold(true);
    const int titleWidth = QFontMetrics(titleFont).horizontalAdvance(box.windowTitle()) +
                           kTitleBarSquares * box.style()->pixelMetric(QStyle::PM_TitleBarHeight);
    // The box sizes itself to its layout's least width as it shows.
    auto* grid = static_cast<QGridLayout*>(box.layout());
    grid->addItem(new QSpacerItem(titleWidth, 0, QSizePolicy::Minimum, QSizePolicy::Fixed), grid->rowCount(), 0, 1,
                  grid->columnCount());
}

} // namespace

Answer QtPlatform::messageBox(QWidget* owner, const QString& prompt, Buttons buttons, Icon icon, Answer defaultButton)
{
    QMessageBox box(boxIcon(icon), messageBoxTitle(), prompt, QMessageBox::NoButton, owner);
    box.setFont(programFont(kMessagePoints, false));
    widenForTitle(box);
    if (buttons == Buttons::Ok) {
        QPushButton* ok = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
        box.setDefaultButton(ok);
        box.setEscapeButton(ok);
        box.exec();
        return Answer::Ok;
    }
    QPushButton* yes = box.addButton(QStringLiteral("Да"), QMessageBox::YesRole);
    QPushButton* no = box.addButton(QStringLiteral("Нет"), QMessageBox::NoRole);
    box.setDefaultButton(defaultButton == Answer::Yes ? yes : no);
    box.setEscapeButton(no);
    box.exec();
    return box.clickedButton() == yes ? Answer::Yes : Answer::No;
}

void QtPlatform::endProgram()
{
    QCoreApplication::exit(0);
}

} // namespace platform
