#pragma once

class QWidget;

namespace units {

// 1440 / logical dpi of the widget's screen; 15 where no screen tells.
double twipsPerPixel(const QWidget* widget);

} // namespace units
