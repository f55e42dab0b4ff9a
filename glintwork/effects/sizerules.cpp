// Size and position rules: see sizerules.h.
#include "effects/sizerules.h"

#include "core/numbers.h"
#include "core/randomsource.h"
#include "effects/caps.h"
#include "settings/modetables.h"

#include <cmath>

namespace SizeRules {

namespace {

using Numbers::intPart;

// Sets a size field to a repaired value; the list position follows it (-1 when its text
// is not an item of the mode's list).
void repair(double &field, int &index, double value, const QStringList &items)
{
    if (field != value) {
        field = value;
        index = int(items.indexOf(EffectSettings::numberText(value)));
    }
}

std::optional<int> htmlPoints(double size)
{
    for (int i = 0; i < 7; ++i) {
        if (size == i + 1)
            return kHtmlPoints[i];
    }
    return std::nullopt;
}

// The sine rules compute in double and store a Single, with the constant 3.14159.
constexpr double kPi = 3.14159;

} // namespace

SizeLimits normaliseLimits(EffectSettings &s, OutputMode mode)
{
    double &cs = s.minimumSize;
    double &cb = s.maximumSize;
    int &is = s.minimumSizeIndex;
    int &ib = s.maximumSizeIndex;
    const QStringList &sItems = ModeTables::minSizeItems(mode);
    const QStringList &bItems = ModeTables::maxSizeItems(mode);
    SizeLimits limits;
    if (mode == OutputMode::Html) {
        repair(cb, ib, intPart(cb), bItems);
        repair(cs, is, intPart(cs), sItems);
        if (cb <= 0)
            repair(cb, ib, 5, bItems);
        if (cs <= 0)
            repair(cs, is, 4, sItems);
        if (cb > 7)
            repair(cb, ib, 7, bItems);
        if (cs > 6)
            repair(cs, is, 6, sItems);
        if (intPart(cs) >= intPart(cb))
            repair(cb, ib, cs + 1, bItems);
        // After the repairs both texts are among "1" .. "7"; the fallbacks only guard
        // against a rule above being changed.
        limits.maxSize = float(htmlPoints(cb).value_or(kHtmlPoints[4]));
        limits.minSize = float(htmlPoints(cs).value_or(kHtmlPoints[3]));
    } else {
        if (cb == 0)
            repair(cb, ib, 36, bItems);
        if (cs == 0)
            repair(cs, is, 20, sItems);
        if (cb < 8)
            repair(cb, ib, 8, bItems);
        if (cb > 999)
            repair(cb, ib, 999, bItems);
        if (cs < 4)
            repair(cs, is, 4, sItems);
        if (cs > 995)
            repair(cs, is, 995, sItems);
        if (intPart(cs) >= intPart(cb))
            repair(cb, ib, cs + 4, bItems);
        limits.maxSize = float(intPart(cb));
        limits.minSize = float(intPart(cs));
    }
    limits.sizeRange = limits.maxSize - limits.minSize;
    return limits;
}

QList<float> sizeTable(EffectSettings &s, const SizeLimits &l, RandomSource &random)
{
    const QString &text = s.text;
    const qsizetype n = text.size();
    QList<float> sizes(n, 0.0f);
    const double range = l.sizeRange;
    auto rnd = [&random] { return double(random.next()); };
    auto small = [&] { return float(intPart(rnd() * range / 4) + l.minSize); };
    const double r3 = Numbers::roundEven(range / 3);
    auto large = [&] { return float((l.maxSize - r3) + intPart(rnd() * range / 3)); };

    // Balloon and Constrict divide by the unit count less one: the number of blanks in
    // word mode. With exactly one blank the divisor is 0 and every size stays 0 (the
    // units keep the box's default size).
    qsizetype units = n;
    if (s.formatWordByWord)
        units = text.count(QLatin1Char(' '));
    // The whole count, also beyond 32767 units: a 16-bit count would wrap and turn the
    // curve into noise for long texts.
    const double divisor = double(units) - 1;

    switch (s.sizeEffect) {
    case EffectSettings::SizeRandom:
        for (qsizetype i = 0; i < n; ++i)
            sizes[i] = float(intPart(rnd() * range) + l.minSize);
        break;
    case EffectSettings::SizeAlternate:
        for (qsizetype i = 0; i < n; ++i)
            sizes[i] = i % 2 == 0 ? small() : large();
        break;
    case EffectSettings::SizeFirstLetters:
        if (n > 0)
            sizes[0] = float(intPart(rnd() * 10) + 28);
        for (qsizetype i = 1; i < n; ++i)
            sizes[i] = isSeparator(text[i - 1]) ? large() : small();
        break;
    case EffectSettings::SizeBalloon:
    case EffectSettings::SizeConstrict: {
        const bool balloon = s.sizeEffect == EffectSettings::SizeBalloon;
        if (n >= 2 && divisor == 0)
            break;
        for (qsizetype i = 0; i < n; ++i) {
            if (n < 2) {
                sizes[i] = l.minSize;
                continue;
            }
            const double swing = intPart(range * std::sin(kPi * double(i) / divisor));
            sizes[i] = float(balloon ? l.minSize + swing : l.maxSize - swing);
        }
        break;
    }
    case EffectSettings::SizeWave: {
        if (s.wavelength == 0)
            s.wavelength = intPart(rnd() * double(n) / 5) + 3;
        if (s.wavelength < 2)
            s.wavelength = 2;
        const double halfWave = s.wavelength / 2;
        for (qsizetype i = 0; i < n; ++i) {
            if (n < 2) {
                sizes[i] = l.minSize;
                continue;
            }
            sizes[i] = float(l.maxSize - intPart(range * std::sin(kPi * double(i) / halfWave)));
        }
        break;
    }
    default:
        break;
    }
    return sizes;
}

std::optional<float> unitSize(int sizesOption, const SizeLimits &l, const QList<float> &charSize,
                              qsizetype g)
{
    if (sizesOption == EffectSettings::SizeNone)
        return l.minSize;
    if (g < 0 || g >= charSize.size())
        return std::nullopt;
    return charSize[g];
}

float verticalOffset(int posOption, float s, RandomSource &random)
{
    switch (posOption) {
    case EffectSettings::PositionNone:
        return 0.0f;
    case EffectSettings::PositionRandom:
        return float(intPart(double(random.next()) * (200 - 5 * double(s)) + 1) -
                     (100 - 2.5 * double(s)));
    default:
        return float(200 - 8 * double(s) + 1);
    }
}

} // namespace SizeRules
