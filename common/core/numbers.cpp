// Number rules: see numbers.h.
#include "core/numbers.h"

#include <cfloat>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace Numbers {

namespace {

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// Whether a decimal number that from_chars found out of range is too large rather than
// too small: its decimal magnitude is the count of integer digits after leading zeros
// (or minus the zeros after the point) plus the exponent.
bool overflows(const std::string &number)
{
    long long magnitude = 0;
    size_t i = 0;
    while (i < number.size() && (number[i] == '+' || number[i] == '-'))
        ++i;
    while (i < number.size() && number[i] == '0')
        ++i;
    while (i < number.size() && number[i] >= '0' && number[i] <= '9') {
        ++magnitude;
        ++i;
    }
    if (magnitude == 0 && i < number.size() && number[i] == '.') {
        ++i;
        while (i < number.size() && number[i] == '0') {
            --magnitude;
            ++i;
        }
    }
    const size_t e = number.find('e');
    if (e != std::string::npos) {
        long long exponent = 0;
        bool negative = false;
        size_t j = e + 1;
        if (j < number.size() && (number[j] == '+' || number[j] == '-'))
            negative = number[j++] == '-';
        for (; j < number.size() && exponent < 100000; ++j)
            exponent = exponent * 10 + (number[j] - '0');
        magnitude += negative ? -exponent : exponent;
    }
    return magnitude > 0;
}

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n';
}

// Converts a checked decimal number with from_chars, which ignores the C locale that
// QCoreApplication sets from the environment. Out-of-range results saturate.
double parsed(const std::string &number)
{
    double value = 0.0;
    const char *first = number.data();
    const char *last = first + number.size();
    if (*first == '+')
        ++first;
    const auto [end, error] = std::from_chars(first, last, value);
    Q_UNUSED(end);
    if (error == std::errc::result_out_of_range) {
        const bool negative = number[0] == '-';
        return overflows(number) ? (negative ? -DBL_MAX : DBL_MAX) : 0.0;
    }
    if (error != std::errc() || !std::isfinite(value))
        return 0.0;
    return value;
}

} // namespace

double val(QStringView text)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && isBlank(text[i]))
        ++i;

    // Collect the longest prefix of the form [sign] digits [. digits] [e [sign] digits]
    // into plain ASCII and let the C library convert it; it can no longer see
    // anything that is not a decimal number.
    std::string digits;
    if (i < n && (text[i] == u'+' || text[i] == u'-'))
        digits += char(text[i++].unicode());
    bool mantissa = false;
    while (i < n && isDigit(text[i])) {
        digits += char(text[i++].unicode());
        mantissa = true;
    }
    if (i < n && text[i] == u'.') {
        digits += '.';
        ++i;
        while (i < n && isDigit(text[i])) {
            digits += char(text[i++].unicode());
            mantissa = true;
        }
    }
    if (!mantissa)
        return 0.0;
    if (i < n && (text[i] == u'e' || text[i] == u'E')) {
        qsizetype j = i + 1;
        std::string exponent = "e";
        if (j < n && (text[j] == u'+' || text[j] == u'-'))
            exponent += char(text[j++].unicode());
        bool expDigits = false;
        while (j < n && isDigit(text[j])) {
            exponent += char(text[j++].unicode());
            expDigits = true;
        }
        if (expDigits)
            digits += exponent;
    }
    return parsed(digits);
}

double intPart(double x)
{
    return std::floor(x);
}

double roundEven(double x)
{
    // nearbyint follows the current rounding mode, which is round-to-nearest-even
    // unless someone changed it; rint and lround would not both agree on halves.
    return std::nearbyint(x);
}

QString text(double x)
{
    if (!std::isfinite(x))
        return QStringLiteral("0");
    if (x == 0.0)
        return QStringLiteral("0"); // also for -0
    QString s = QString::number(x, 'g', 15);
    return s;
}

std::optional<qint16> toInt16(double x)
{
    if (!std::isfinite(x))
        return std::nullopt;
    const double r = roundEven(x);
    if (r < std::numeric_limits<qint16>::min() || r > std::numeric_limits<qint16>::max())
        return std::nullopt;
    return static_cast<qint16>(r);
}

std::optional<qint32> toInt32(double x)
{
    if (!std::isfinite(x))
        return std::nullopt;
    const double r = roundEven(x);
    if (r < std::numeric_limits<qint32>::min() || r > std::numeric_limits<qint32>::max())
        return std::nullopt;
    return static_cast<qint32>(r);
}

qint32 clampToInt32(double x)
{
    if (std::isnan(x))
        return 0;
    const double r = roundEven(x);
    if (r <= std::numeric_limits<qint32>::min())
        return std::numeric_limits<qint32>::min();
    if (r >= std::numeric_limits<qint32>::max())
        return std::numeric_limits<qint32>::max();
    return static_cast<qint32>(r);
}

} // namespace Numbers
