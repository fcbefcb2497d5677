#include "platform/Platform.h"

#ifndef QUORRIN_MAKER_ADDRESS
#error "QUORRIN_MAKER_ADDRESS is set by the build"
#endif

namespace platform {

QString makerAddress()
{
    return QStringLiteral(QUORRIN_MAKER_ADDRESS);
}

QString messageBoxTitle()
{
    return QLatin1Char(' ') + makerAddress() + QLatin1Char(' ');
}

} // namespace platform
