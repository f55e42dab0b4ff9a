// The colour model: colours are 0x00BBGGRR values (red in the low byte). The procedures
// here are pure; the random ones take the program's random source.
#pragma once

#include "core/bgrcolour.h"

#include <QString>
#include <array>

namespace Colours {

constexpr qint32 kWhite = 0xFFFFFF;

inline int red(qint32 c)
{
    return BgrColour(c).red();
}
inline int green(qint32 c)
{
    return BgrColour(c).green();
}
inline int blue(qint32 c)
{
    return BgrColour(c).blue();
}
inline qint32 rgb(int r, int g, int b)
{
    return BgrColour::fromRgb(r, g, b).packed();
}

// The seven colours of the "Rainbow" scheme.
const std::array<qint32, 7> &RainbowColours();

// The sixteen colours of the Windows palette by their swatch index in the Windows-colour
// dialog (`CL(0)` white .. `CL(15)` green).
const std::array<qint32, 16> &WindowsPalette();

// Scheme names of `ComboPC`, by list position.
std::array<QString, 14> SchemeNames();

} // namespace Colours

// City-block distance 0 .. 765.
int colourDistance(qint32 c1, qint32 c2);
// The nearest of the fifteen searched Windows colours by weighted distance (never white);
// with `excludeGreys` silver and gray are skipped.
qint32 nearestWindowsColour(qint32 c1, bool excludeGreys = false);
qint32 inverseColour(qint32 c1);
// Six upper-case hexadecimal digits, red first.
QString hexColour(qint32 c1);
// Each component Int(x1 + (x2 - x1) * f) in double precision.
qint32 blendColour(qint32 c1, qint32 c2, double f);
