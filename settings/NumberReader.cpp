#include "settings/NumberReader.h"

#include "platform/core/Units.h"

#include <algorithm>
#include <charconv>
#include <limits>
#include <string>

namespace {

bool skipped(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n';
}

// Characters of the text with the skipped ones left out.
class Reader {
public:
    explicit Reader(QStringView text)
        : m_text(text)
    {
        skip();
    }

    QChar peek() const { return m_at < m_text.size() ? m_text[m_at] : QChar(); }
    bool take(QChar lower)
    {
        if (peek().toLower() != lower)
            return false;
        next();
        return true;
    }
    void next()
    {
        ++m_at;
        skip();
    }

private:
    void skip()
    {
        while (m_at < m_text.size() && skipped(m_text[m_at]))
            ++m_at;
    }

    QStringView m_text;
    qsizetype m_at = 0;
};

// 0 to 15 for a hexadecimal digit, -1 for anything else.
int digitValue(QChar c)
{
    const char16_t u = c.toLower().unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'a' && u <= u'f')
        return 10 + (u - u'a');
    return -1;
}

double readRadix(Reader& reader, int radix)
{
    double value = 0;
    for (int digit = digitValue(reader.peek()); digit >= 0 && digit < radix; digit = digitValue(reader.peek())) {
        value = value * radix + digit;
        reader.next();
    }
    return value;
}

bool isAsciiDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

void takeDigits(Reader& reader, std::string& out)
{
    while (isAsciiDigit(reader.peek())) {
        out += char(reader.peek().unicode());
        reader.next();
    }
}

// from_chars reports "out of range" for the too large and the too small alike; the power of
// ten of the leading digit tells which, whatever the digits before a negative exponent.
bool beyondLargest(const std::string& number)
{
    const size_t e = std::min(number.find('e'), number.size());
    const size_t first = number.find_first_of("123456789");
    if (first >= e)
        return false;
    const size_t point = std::min(number.find('.'), e);
    long long order =
        point > first ? static_cast<long long>(point - first) - 1 : -static_cast<long long>(first - point);

    constexpr long long kFarBeyondAnyDouble = 1000000000000LL;
    long long exponent = 0;
    const bool negative = e + 1 < number.size() && number[e + 1] == '-';
    for (size_t i = e + 1 + (negative ? 1 : 0); i < number.size(); ++i)
        exponent = std::min(exponent * 10 + (number[i] - '0'), kFarBeyondAnyDouble);
    order += negative ? -exponent : exponent;
    return order > 0;
}

} // namespace

double readNumber(QStringView text)
{
    Reader reader(text);
    if (reader.take(u'&')) {
        if (reader.take(u'h'))
            return readRadix(reader, 16);
        if (reader.take(u'o'))
            return readRadix(reader, 8);
        return 0;
    }

    std::string number;
    if (reader.peek() == u'-')
        number += '-';
    if (reader.peek() == u'-' || reader.peek() == u'+')
        reader.next();
    takeDigits(reader, number);
    if (reader.take(u'.')) {
        number += '.';
        takeDigits(reader, number);
    }
    const bool hasDigits = number.find_first_of("0123456789") != std::string::npos;
    if (!hasDigits)
        return 0;
    if (reader.take(u'e') || reader.take(u'd')) {
        std::string exponent = "e";
        if (reader.peek() == u'-')
            exponent += '-';
        if (reader.peek() == u'-' || reader.peek() == u'+')
            reader.next();
        const size_t before = exponent.size();
        takeDigits(reader, exponent);
        if (exponent.size() > before)
            number += exponent;
    }

    double value = 0;
    const std::from_chars_result read = std::from_chars(number.data(), number.data() + number.size(), value);
    if (read.ec == std::errc::result_out_of_range) {
        // Too large or too small for a double: an infinity or zero with the number's sign.
        const double magnitude = beyondLargest(number) ? std::numeric_limits<double>::infinity() : 0.0;
        return number.front() == '-' ? -magnitude : magnitude;
    }
    return value;
}

std::optional<int16_t> readWholeNumber(QStringView text)
{
    return units::roundToInt16(readNumber(text));
}
