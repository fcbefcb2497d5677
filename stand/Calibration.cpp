#include "stand/Calibration.h"

CalibrationCross calibrationCross(double W, double H)
{
    const double x = W / 2 + kCrossOffset;
    const double y = H / 2;
    return {{x, H / 2 - kCrossHalfLength, x, H / 2 + kCrossHalfLength},
            {W / 2 - kCrossHalfLength, y, W / 2 + kCrossHalfLength, y}};
}

QString calibrationInstructions()
{
    return QStringLiteral(
        "Измерьте рулеткой длину образующих крест горизонтальной белой линии и вертикальной белой линии в центре "
        "экрана.\r\n\r\n"
        "Полученные значения в миллиметрах введте в поля Калибровка dX  и  dY  соответственно.\r\n\r\n"
        "Выполнять такие измерения необходимо каждый раз, когда изменилось расстояние от проектора до стенда, а также "
        "когда изменяли настройки резкости и размера изображения на самом проекторе.\r\n\r\n"
        "Для возврата в окно настроек нажмите на клавиатуре кнопку \"Esc\" или щелкните мышкой по крестику в левом или "
        "правом верхнем углу экрана.");
}
