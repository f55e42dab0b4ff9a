// Size and position rules: see sizerules.h.
#include "sizerules.h"

#include "caps.h"
#include "modetables.h"
#include "numbers.h"
#include "randomsource.h"

#include <cmath>

namespace SizeRules {

namespace {

using Numbers::intPart;
using Numbers::val;

// Sets a size field to a repaired text; the list position follows the text (-1 when it
// is not an item of the mode's list).
void repair(QString &field, int &index, const QString &text, const QStringList &items)
{
    if (field != text) {
        field = text;
        index = int(items.indexOf(text));
    }
}

std::optional<int> htmlPoints(const QString &text)
{
    for (int i = 0; i < 7; ++i) {
        if (text == QString::number(i + 1))
            return kHtmlPoints[i];
    }
    return std::nullopt;
}

// The sine rules compute in double and store a Single, with the constant 3.14159.
constexpr double kPi = 3.14159;

} // namespace

SizeLimits normaliseLimits(EffectSettings &s, OutputMode mode)
{
    QString &cs = s.comboS;
    QString &cb = s.comboB;
    int &is = s.comboSIndex;
    int &ib = s.comboBIndex;
    const QStringList &sItems = ModeTables::minSizeItems(mode);
    const QStringList &bItems = ModeTables::maxSizeItems(mode);
    SizeLimits limits;
    if (mode == OutputMode::Html) {
        repair(cb, ib, Numbers::text(intPart(val(cb))), bItems);
        repair(cs, is, Numbers::text(intPart(val(cs))), sItems);
        if (val(cb) <= 0)
            repair(cb, ib, QStringLiteral("5"), bItems);
        if (val(cs) <= 0)
            repair(cs, is, QStringLiteral("4"), sItems);
        if (val(cb) > 7)
            repair(cb, ib, QStringLiteral("7"), bItems);
        if (val(cs) > 6)
            repair(cs, is, QStringLiteral("6"), sItems);
        if (intPart(val(cs)) >= intPart(val(cb)))
            repair(cb, ib, Numbers::text(val(cs) + 1), bItems);
        // After the repairs both texts are among "1" .. "7"; the fallbacks only guard
        // against a rule above being changed.
        limits.maxSize = float(htmlPoints(cb).value_or(kHtmlPoints[4]));
        limits.minSize = float(htmlPoints(cs).value_or(kHtmlPoints[3]));
    } else {
        if (val(cb) == 0)
            repair(cb, ib, QStringLiteral("36"), bItems);
        if (val(cs) == 0)
            repair(cs, is, QStringLiteral("20"), sItems);
        if (val(cb) < 8)
            repair(cb, ib, QStringLiteral("8"), bItems);
        if (val(cb) > 999)
            repair(cb, ib, QStringLiteral("999"), bItems);
        if (val(cs) < 4)
            repair(cs, is, QStringLiteral("4"), sItems);
        if (val(cs) > 995)
            repair(cs, is, QStringLiteral("995"), sItems);
        if (intPart(val(cs)) >= intPart(val(cb)))
            repair(cb, ib, Numbers::text(val(cs) + 4), bItems);
        limits.maxSize = float(intPart(val(cb)));
        limits.minSize = float(intPart(val(cs)));
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
    if (s.mnuWW)
        units = text.count(QLatin1Char(' '));
    // The whole count, also beyond 32767 units: a 16-bit count would wrap and turn the
    // curve into noise for long texts.
    const double divisor = double(units) - 1;

    switch (s.sizes) {
    case EffectSettings::SizesRandom:
        for (qsizetype i = 0; i < n; ++i)
            sizes[i] = float(intPart(rnd() * range) + l.minSize);
        break;
    case EffectSettings::SizesAlternate:
        for (qsizetype i = 0; i < n; ++i)
            sizes[i] = i % 2 == 0 ? small() : large();
        break;
    case EffectSettings::SizesFirstLetters:
        if (n > 0)
            sizes[0] = float(intPart(rnd() * 10) + 28);
        for (qsizetype i = 1; i < n; ++i)
            sizes[i] = isSeparator(text[i - 1]) ? large() : small();
        break;
    case EffectSettings::SizesBalloon:
    case EffectSettings::SizesConstrict: {
        const bool balloon = s.sizes == EffectSettings::SizesBalloon;
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
    case EffectSettings::SizesWave: {
        if (val(s.textWL) == 0)
            s.textWL = Numbers::text(intPart(rnd() * double(n) / 5) + 3);
        if (val(s.textWL) < 2)
            s.textWL = QStringLiteral("2");
        const double halfWave = val(s.textWL) / 2;
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
    if (sizesOption == EffectSettings::SizesNone)
        return l.minSize;
    if (g < 0 || g >= charSize.size())
        return std::nullopt;
    return charSize[g];
}

float verticalOffset(int posOption, float s, RandomSource &random)
{
    switch (posOption) {
    case EffectSettings::PosNone:
        return 0.0f;
    case EffectSettings::PosRandom:
        return float(intPart(double(random.next()) * (200 - 5 * double(s)) + 1) -
                     (100 - 2.5 * double(s)));
    default:
        return float(200 - 8 * double(s) + 1);
    }
}

} // namespace SizeRules
