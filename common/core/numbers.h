// Number rules shared by every program: reading the number at the start of a text,
// whole parts, rounding halves to even, the text of a number, and checked narrowing
// into the 16- and 32-bit fields that stored settings use.
#pragma once

#include <QString>
#include <QStringView>
#include <optional>

namespace Numbers {

// Value of the number at the start of the text: leading blanks skipped, optional sign,
// digits, decimal point, exponent. 0 when there is none ("nan", "inf" and "0x10" read as 0).
// The result is always finite: a value too large for a double reads as +/-DBL_MAX.
double val(QStringView text);

// Largest whole number not greater than x (Int(-0.5) is -1).
double intPart(double x);

// Nearest whole number, halves to the even neighbour (0.5 -> 0, -2.5 -> -2).
double roundEven(double x);

// Shortest decimal text of x with at most 15 significant digits, "." as decimal point.
QString text(double x);

// roundEven(x) when it fits the field, nullopt when it would overflow (or x is not finite).
std::optional<qint16> toInt16(double x);
std::optional<qint32> toInt32(double x);

// roundEven(x) clamped into the 32-bit range (NaN gives 0).
qint32 clampToInt32(double x);

} // namespace Numbers
