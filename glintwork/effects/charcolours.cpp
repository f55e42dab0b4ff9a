// Colour assignment: see charcolours.h.
#include "effects/charcolours.h"

#include "core/numbers.h"
#include "core/randomsource.h"
#include "effects/colours.h"
#include "settings/colourlabels.h"

#include <cmath>

namespace CharColours {

namespace {

int draw(RandomSource &random, int count)
{
    return int(std::floor(double(random.next()) * count));
}

qint32 shade(RandomSource &random, bool r, bool g, bool b)
{
    const int red = draw(random, 80) + (r ? 176 : 0);
    const int green = draw(random, 80) + (g ? 176 : 0);
    const int blue = draw(random, 80) + (b ? 176 : 0);
    return Colours::rgb(red, green, blue);
}

qint32 redShade(RandomSource &random)
{
    return shade(random, true, false, false);
}
qint32 greenShade(RandomSource &random)
{
    return shade(random, false, true, false);
}
qint32 blueShade(RandomSource &random)
{
    return shade(random, false, false, true);
}

} // namespace

int blendLength(double blendLength)
{
    const auto l = Numbers::toInt16(Numbers::intPart(blendLength));
    int length = l ? int(*l) : 0;
    if (length == 0)
        length = 5;
    if (length < 1)
        length = 1;
    return length;
}

QList<qint32> blendPalette(const EffectSettings &s, int length)
{
    const int m = ColourLabels::inUseCount(s.blendColours);
    QList<qint32> palette;
    palette.reserve(1 + (m - 1) * length);
    palette.append(s.blendColours[0].colour);
    for (int j = 0; j <= m - 2; ++j) {
        for (int step = 1; step <= length - 1; ++step)
            palette.append(blendColour(s.blendColours[j].colour, s.blendColours[j + 1].colour,
                                       double(step) / length));
        palette.append(s.blendColours[j + 1].colour);
    }
    return palette;
}

qint32 schemeColour(int scheme, qsizetype i, RandomSource &random)
{
    const auto &rainbow = Colours::RainbowColours();
    switch (scheme) {
    case 0:
        return rainbow[i % 7];
    case 1:
        return inverseColour(rainbow[i % 7]);
    case 2:
        return nearestWindowsColour(draw(random, 16777216), false);
    case 3: {
        qint32 c = 0;
        do {
            c = nearestWindowsColour(draw(random, 16777216), true);
        } while (c == 0);
        return c;
    }
    case 4: {
        const int g = draw(random, 210) + 10;
        return Colours::rgb(g, g, g);
    }
    case 5:
        return redShade(random);
    case 6: {
        const int r = draw(random, 50) + 206;
        const int g = draw(random, 50) + 206;
        const int b = draw(random, 50);
        return Colours::rgb(r, g, b);
    }
    case 7:
        return greenShade(random);
    case 8:
        return shade(random, false, true, true);
    case 9:
        return blueShade(random);
    case 10:
        return shade(random, true, false, true);
    case 11:
        return random.next() > 0.5f ? redShade(random) : greenShade(random);
    case 12:
        return random.next() > 0.5f ? blueShade(random) : greenShade(random);
    case 13:
        return random.next() > 0.5f ? redShade(random) : blueShade(random);
    default:
        return 0;
    }
}

} // namespace CharColours

QList<qint32> AssignCharColours(EffectSettings &s, qsizetype n, RandomSource &random)
{
    QList<qint32> colours(qMax<qsizetype>(n, 0), 0);
    switch (s.colouring) {
    case EffectSettings::ColourAlternate: {
        const int m = ColourLabels::inUseCount(s.alternateColours);
        for (qsizetype i = 0; i < n; ++i) {
            const int k = s.randomAlternateColours ? random.below(m) : int(i % m);
            colours[i] = s.alternateColours[k].colour;
        }
        break;
    }
    case EffectSettings::ColourBlend: {
        const int length = CharColours::blendLength(s.blendLength);
        s.blendLength = length;
        const QList<qint32> palette = CharColours::blendPalette(s, length);
        for (qsizetype i = 0; i < n; ++i)
            colours[i] = palette[i % palette.size()];
        break;
    }
    case EffectSettings::ColourPredefined:
        for (qsizetype i = 0; i < n; ++i)
            colours[i] = CharColours::schemeColour(s.predefinedScheme, i, random);
        break;
    default:
        break;
    }
    return colours;
}
