#pragma once

#include <QString>

#include <optional>

// How the numeric edits read and show their numbers. Both readers look at the first 31 characters
// only, skip leading blanks and tabs, and accept trailing blanks and tabs; anything else that is not
// part of the number makes the text unreadable.
namespace NumberText {

// A decimal number such as 12.5, -3, 1e3 or +.5. A result of zero counts only when the text starts
// (after the leading blanks) with the digit 0, so ".0" or "-0" are refused. Infinities, NaN and
// values out of the range of a double are refused too.
std::optional<double> parseDecimal(const QString& text);
// A decimal 32-bit integer with an optional sign; values outside the int32 range are refused.
std::optional<qint32> parseInteger(const QString& text);
// The shortest form with up to 15 significant digits: 12.5, 0, 1e+20.
QString formatDecimal(double value);

} // namespace NumberText
