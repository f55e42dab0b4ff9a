// The colour model: colours are 0x00BBGGRR values (red in the low byte). The procedures
// here are pure; the random ones take the program's random source.
#pragma once

#include <QString>
#include <array>

namespace Colours {

constexpr qint32 kWhite = 0xFFFFFF;

inline int red(qint32 c)
{
    return c & 0xFF;
}
inline int green(qint32 c)
{
    return (c >> 8) & 0xFF;
}
inline int blue(qint32 c)
{
    return (c >> 16) & 0xFF;
}
inline qint32 rgb(int r, int g, int b)
{
    return r + 256 * g + 65536 * b;
}

// The seven colours of the "Rainbow" scheme.
const std::array<qint32, 7> &RainbowColours();

// The sixteen colours of the Windows palette by their swatch index in the Windows-colour
// dialog (`CL(0)` white .. `CL(15)` green).
const std::array<qint32, 16> &WindowsPalette();

// Scheme names of `ComboPC`, by list position.
const std::array<QString, 14> &SchemeNames();

} // namespace Colours

// City-block distance 0 .. 765.
int ColDist(qint32 c1, qint32 c2);
// The nearest of the fifteen searched Windows colours by weighted distance (never white);
// with `xWC` silver and gray are skipped.
qint32 WinCol(qint32 c1, bool xWC = false);
qint32 InvCol(qint32 c1);
// Six upper-case hexadecimal digits, red first.
QString cHex(qint32 c1);
// Each component Int(x1 + (x2 - x1) * f) in double precision.
qint32 IntCol(qint32 c1, qint32 c2, double f);
