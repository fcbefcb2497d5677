// Arbitrary text read as strtod reads it once all its blanks are dropped.
#include "platform/core/Units.h"
#include "settings/NumberReader.h"

#include <QString>

#include <cstdlib>
#include <cstring>
#undef NDEBUG // the checks hold in every build
#include <cassert>

static std::optional<double> reference(QString text) // nothing where a double cannot hold it exactly: refused
{
    std::string s = text.remove(u' ').remove(u'\t').remove(u'\n').toStdString(); // beyond ASCII: stoppers
    if (const int radix = s[0] != '&' ? 0 : (s[1] | 0x20) == 'h' ? 16 : (s[1] | 0x20) == 'o' ? 8 : 0) {
        const size_t digits = std::strspn(&s[2], radix == 16 ? "0123456789abcdefABCDEF" : "01234567");
        const double value = double(std::strtoull(s.substr(2, digits).c_str(), nullptr, radix));
        return value < 0x1p53 ? std::optional(value) : std::nullopt;
    }
    for (char& c : s) // D also starts an exponent; no infinities, NaNs or 0x; any other & reads as 0
        c = (c | 0x20) == 'd' ? 'e' : std::strchr("0123456789.+-eE", c) ? c : '\0';
    return std::strtod(s.c_str(), nullptr);
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // The bytes as UTF-8, and as UTF-16 with lone surrogates and all.
    for (const QString& text : {QString::fromUtf8(QByteArrayView(data, qsizetype(size))),
                                QString(reinterpret_cast<const QChar*>(data), qsizetype(size / 2))}) {
        const std::optional<double> r = reference(text);
        assert(!r || (std::abs(*r) < 0x1p-1022 && *r != 0) || readNumber(text) == *r); // a subnormal may read as 0
        assert(readWholeNumber(text) == (r ? units::roundToInt16(*r) : std::nullopt));
    }
    return 0;
}
