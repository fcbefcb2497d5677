// Feeds arbitrary text to the number reader and arbitrary doubles to the rounding, and checks
// both against an independent reading: the blanks dropped from the whole text first, then the
// C library's correctly rounded strtod, and the FPU's own round-to-nearest-even.
#include "platform/Units.h"
#include "settings/NumberReader.h"

#include <QString>

#include <cfenv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>

namespace {

[[noreturn]] void fail(const char* what, const std::string& text)
{
    std::fprintf(stderr, "%s: \"%s\"\n", what, text.c_str());
    std::abort();
}

bool isDigit(char c, int radix)
{
    if (c >= '0' && c <= '9')
        return c - '0' < radix;
    const char lower = char(c | 0x20);
    return radix == 16 && lower >= 'a' && lower <= 'f';
}

// The text without blanks, tabs and line feeds, anything beyond ASCII made a stopper.
std::string withoutBlanks(const QString& text)
{
    std::string out;
    for (const QChar c : text) {
        if (c == u' ' || c == u'\t' || c == u'\n')
            continue;
        out += c.unicode() < 0x80 ? char(c.unicode()) : '\x7f';
    }
    return out;
}

// "&H" and "&O" numbers: only their value up to 2^52 matters, beyond that it is refused anyway.
std::optional<double> radixReading(const std::string& s, int radix)
{
    size_t at = 2;
    while (at < s.size() && s[at] == '0')
        ++at;
    std::string digits;
    while (at < s.size() && isDigit(s[at], radix))
        digits += s[at++];
    const size_t exactDigits = radix == 16 ? 13 : 17;
    if (digits.size() > exactDigits)
        return std::nullopt; // larger than any exact comparison needs: refused
    return digits.empty() ? 0.0 : double(std::strtoull(digits.c_str(), nullptr, radix));
}

// nullopt: a number too large to compare exactly, which must be refused.
std::optional<double> referenceReading(const QString& text)
{
    const std::string s = withoutBlanks(text);
    if (!s.empty() && s[0] == '&') {
        const char kind = s.size() > 1 ? char(s[1] | 0x20) : 0;
        if (kind == 'h')
            return radixReading(s, 16);
        if (kind == 'o')
            return radixReading(s, 8);
        return 0.0;
    }
    size_t at = 0;
    std::string number;
    if (at < s.size() && (s[at] == '-' || s[at] == '+'))
        number += s[at++];
    bool digits = false;
    for (; at < s.size() && isDigit(s[at], 10); ++at, digits = true)
        number += s[at];
    if (at < s.size() && s[at] == '.')
        for (number += s[at++]; at < s.size() && isDigit(s[at], 10); ++at, digits = true)
            number += s[at];
    if (!digits)
        return 0.0;
    if (at < s.size() && (s[at] == 'e' || s[at] == 'E' || s[at] == 'd' || s[at] == 'D')) {
        std::string exponent = "e";
        size_t e = at + 1;
        if (e < s.size() && (s[e] == '-' || s[e] == '+'))
            exponent += s[e++];
        const size_t first = e;
        for (; e < s.size() && isDigit(s[e], 10); ++e)
            exponent += s[e];
        if (e > first)
            number += exponent;
    }
    return std::strtod(number.c_str(), nullptr);
}

std::optional<int16_t> expectedWhole(double value)
{
    const double rounded = std::nearbyint(value);
    if (!(rounded >= -32768 && rounded <= 32767))
        return std::nullopt;
    return int16_t(rounded);
}

void checkText(const QString& text)
{
    const std::string shown = text.toStdString();
    const double read = readNumber(text);
    const std::optional<int16_t> whole = readWholeNumber(text);
    if (whole && (*whole < -32768 || *whole > 32767))
        fail("an accepted value outside 16 bits", shown);

    const std::optional<double> reference = referenceReading(text);
    if (!reference) {
        if (whole)
            fail("a number too large for 16 bits accepted", shown);
        return;
    }
    // Tiny numbers may come out as 0 or as a subnormal; both round to 0 alike.
    const bool comparable = std::isinf(*reference) || std::abs(*reference) >= 0x1p-1022 || *reference == 0;
    if (comparable && read != *reference)
        fail("read differently from the reference", shown);
    if (whole != expectedWhole(*reference))
        fail(whole ? "accepted with the wrong value, or a refused value accepted" : "a value that fits refused", shown);
}

void checkRounding(double value)
{
    const double rounded = units::roundHalfEven(value);
    const double expected = std::nearbyint(value);
    if (!(rounded == expected || (std::isnan(rounded) && std::isnan(expected))))
        fail("rounded differently from round-to-nearest-even", std::to_string(value));
    if (units::roundToInt16(value) != expectedWhole(value))
        fail("16-bit conversion wrong", std::to_string(value));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    try {
        checkText(QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size)));
        // The same bytes as UTF-16, lone surrogates and all, as a text field may hold them.
        QString utf16(qsizetype(size / 2), Qt::Uninitialized);
        std::memcpy(utf16.data(), data, size / 2 * 2);
        checkText(utf16);
        if (size >= sizeof(double)) {
            double value;
            std::memcpy(&value, data, sizeof value);
            checkRounding(value);
        }
    } catch (...) {
        fail("an exception escaped", std::string(reinterpret_cast<const char*>(data), size));
    }
    return 0;
}

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    std::fesetround(FE_TONEAREST);
    return 0;
}
