#include "platform/Fonts.h"

#include <QStringList>

QFont programFont(double pointSize, bool bold)
{
    static const bool substituted = [] {
        // Tahoma runs wider than Arial's widths (Liberation Sans, Arimo): where both are, as under Wine, a
        // label in Tahoma runs into the control beside it.
        QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                                   {QStringLiteral("Microsoft Sans Serif"), QStringLiteral("Liberation Sans"),
                                    QStringLiteral("Arimo"), QStringLiteral("Tahoma"),
                                    QStringLiteral("DejaVu Sans Condensed"), QStringLiteral("DejaVu Sans")});
        return true;
    }();
    Q_UNUSED(substituted);
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}
