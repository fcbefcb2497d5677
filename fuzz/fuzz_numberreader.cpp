// Arbitrary text read as strtod reads it once all its blanks are dropped; arbitrary doubles rounded as by nearbyint.
#include "platform/Units.h"
#include "settings/NumberReader.h"

#include <QString>

#include <cstdlib>
#include <cstring>
#undef NDEBUG // the checks hold in every build
#include <cassert>

static std::optional<int16_t> whole(double value) // halves to even; nothing beyond 16 bits
{
    const double r = std::nearbyint(value);
    return r >= -32768 && r <= 32767 ? std::optional<int16_t>(int16_t(r)) : std::nullopt;
}

// Nothing where a double cannot hold the number exactly; it must then be refused.
static std::optional<double> reference(QStringView text)
{
    std::string s;
    for (const QChar c : text)
        if (c != u' ' && c != u'\t' && c != u'\n')
            s += c.unicode() < 0x80 ? char(c.unicode()) : '\0'; // beyond ASCII: a stopper
    if (s[0] == '&') {
        const int radix = (s[1] | 0x20) == 'h' ? 16 : (s[1] | 0x20) == 'o' ? 8 : 0;
        const size_t length =
            radix ? std::strspn(s.c_str() + 2, radix == 16 ? "0123456789abcdefABCDEF" : "01234567") : 0;
        const double value = length ? double(std::strtoull(s.substr(2, length).c_str(), nullptr, radix)) : 0;
        return value < 0x1p53 ? std::optional(value) : std::nullopt;
    }
    for (char& c : s) // D also starts an exponent; no infinities, NaNs or 0x
        c = (c | 0x20) == 'd' ? 'e' : std::strchr("0123456789.+-eE", c) ? c : '\0';
    return std::strtod(s.c_str(), nullptr);
}

static void checkText(QStringView text)
{
    const std::optional<double> r = reference(text);
    assert(!r || (std::abs(*r) < 0x1p-1022 && *r != 0) || readNumber(text) == *r); // a subnormal may read as 0
    assert(readWholeNumber(text) == (r ? whole(*r) : std::nullopt));
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    checkText(QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size)));
    // The same bytes as UTF-16, lone surrogates and all; libFuzzer's buffer is allocated, so aligned.
    checkText(QStringView(reinterpret_cast<const char16_t*>(data), qsizetype(size / 2)));
    double value = 0;
    std::memcpy(&value, data, std::min(size, sizeof value));
    const double rounded = units::roundHalfEven(value);
    assert(rounded == std::nearbyint(value) || (std::isnan(rounded) && std::isnan(value)));
    assert(units::roundToInt16(value) == whole(value));
    return 0;
}
