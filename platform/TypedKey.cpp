#include "platform/TypedKey.h"

#include <QKeyEvent>

#include <limits>

int16_t typedCharacter(const QKeyEvent& event)
{
    switch (event.key()) {
    case Qt::Key_Escape:
        return 27;
    case Qt::Key_Space:
        return 32;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return 13;
    default:
        break;
    }
    const int code = event.text().isEmpty() ? 0 : event.text().at(0).unicode();
    return code <= std::numeric_limits<int16_t>::max() ? int16_t(code) : 0;
}
