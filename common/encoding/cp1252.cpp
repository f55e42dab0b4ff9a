// Windows-1252 codec: see cp1252.h.
#include "encoding/cp1252.h"

#include <array>

namespace Cp1252 {

namespace {

// 0x80 .. 0x9F; the undefined codes map to themselves.
constexpr std::array<char16_t, 32> kHigh = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

} // namespace

QChar toUnicode(uchar byte)
{
    if (byte >= 0x80 && byte <= 0x9F)
        return QChar(kHigh[byte - 0x80]);
    return QChar(byte);
}

std::optional<uchar> fromUnicode(QChar c)
{
    const char16_t u = c.unicode();
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return uchar(u);
    for (int i = 0; i < 32; ++i) {
        if (kHigh[i] == u)
            return uchar(0x80 + i);
    }
    return std::nullopt;
}

QString decode(const QByteArray &bytes)
{
    QString out(bytes.size(), Qt::Uninitialized);
    QChar *d = out.data();
    for (qsizetype i = 0; i < bytes.size(); ++i)
        d[i] = toUnicode(uchar(bytes[i]));
    return out;
}

std::optional<QByteArray> encode(QStringView text)
{
    QByteArray out;
    out.reserve(text.size());
    for (QChar c : text) {
        const auto b = fromUnicode(c);
        if (!b)
            return std::nullopt;
        out.append(char(*b));
    }
    return out;
}

bool canEncode(QStringView text)
{
    for (QChar c : text) {
        if (!fromUnicode(c))
            return false;
    }
    return true;
}

} // namespace Cp1252
