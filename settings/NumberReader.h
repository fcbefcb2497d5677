#pragma once

#include <QStringView>

#include <cstdint>
#include <optional>

// Reads the leading number of a text field the way the operator expects it read:
// blanks, tabs and line feeds are skipped wherever they stand ("7 25" is 725); then an
// optional sign, digits, a full stop as the decimal point whatever the system's locale,
// digits, and an exponent after E or D; "&H" and "&O" start hexadecimal and octal
// numbers. Reading stops at the first other character; no number at all reads as 0.
// A number too large for a double reads as an infinity.
double readNumber(QStringView text);

// The same, rounded halves to even; nothing when the result does not fit 16 bits signed.
std::optional<int16_t> readWholeNumber(QStringView text);
