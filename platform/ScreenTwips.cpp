#include "platform/ScreenTwips.h"

#include "platform/core/Units.h"

#include <QScreen>
#include <QWidget>

namespace units {

double twipsPerPixel(const QWidget* widget)
{
    const QScreen* screen = widget ? widget->screen() : nullptr;
    const double dpi = screen ? screen->logicalDotsPerInchX() : 0.0;
    return dpi > 0.0 ? kTwipsPerInch / dpi : kDefaultTwipsPerPixel;
}

} // namespace units
