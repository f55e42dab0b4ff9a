// Size limits, size table, unit size and vertical offset.
#include "core/randomsource.h"
#include "effects/sizerules.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {

struct LimitCase {
    const char *name;
    OutputMode mode;
    QString minimumSize;
    QString maximumSize;
    QString expectS;
    QString expectB;
    float minSize;
    float maxSize;
};

class SizeLimitTest : public ::testing::TestWithParam<LimitCase> {};

} // namespace

TEST_P(SizeLimitTest, RepairsFieldsAndDerivesLimits)
{
    const LimitCase &c = GetParam();
    EffectSettings s;
    s.minimumSize = EffectSettings::number(c.minimumSize);
    s.maximumSize = EffectSettings::number(c.maximumSize);
    const SizeLimits l = SizeRules::normaliseLimits(s, c.mode);
    EXPECT_EQ(EffectSettings::sizeText(s.minimumSize), c.expectS);
    EXPECT_EQ(EffectSettings::sizeText(s.maximumSize), c.expectB);
    EXPECT_EQ(l.minSize, c.minSize);
    EXPECT_EQ(l.maxSize, c.maxSize);
    EXPECT_EQ(l.sizeRange, c.maxSize - c.minSize);
    EXPECT_GE(l.sizeRange, 1);
}

INSTANTIATE_TEST_SUITE_P(
    SizeLimits, SizeLimitTest,
    ::testing::Values(
        LimitCase{"MinAboveMax", OutputMode::Normal, "30", "20", "30", "34", 30, 34},
        LimitCase{"FractionsEqualWholeParts", OutputMode::Normal, "20.6", "20.9", "20.6", "24.6",
                  20, 24},
        LimitCase{"BothOutOfRange", OutputMode::Normal, "1000", "2", "995", "999", 995, 999},
        LimitCase{"EmptyFields", OutputMode::WordProcessor, "", "", "20", "36", 20, 36},
        LimitCase{"TextIsZero", OutputMode::Normal, "abc", "x", "20", "36", 20, 36},
        LimitCase{"SmallMax", OutputMode::Normal, "3", "7", "4", "8", 4, 8},
        LimitCase{"HugeNumbers", OutputMode::Normal, "1e300", "-1e300", "995", "999", 995, 999},
        LimitCase{"HtmlMinAboveMax", OutputMode::Html, "6", "3", "6", "7", 24, 36},
        LimitCase{"HtmlZeroAndNegative", OutputMode::Html, "-2", "0", "4", "5", 14, 18},
        LimitCase{"HtmlFractionsAndHuge", OutputMode::Html, "2.7", "1e9", "2", "7", 10, 36},
        LimitCase{"HtmlDefaults", OutputMode::Html, "5", "6", "5", "6", 18, 24}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(SizeLimits, ListPositionFollowsTheRepairedText)
{
    EffectSettings s;
    s.minimumSize = 30;
    s.minimumSizeIndex = -1;
    s.maximumSize = 20;
    s.maximumSizeIndex = 4;
    SizeRules::normaliseLimits(s, OutputMode::Normal);
    EXPECT_EQ(s.maximumSizeIndex, -1); // "34" is not an item
    s.maximumSize = 0;
    s.minimumSize = 20;
    SizeRules::normaliseLimits(s, OutputMode::Normal);
    EXPECT_EQ(s.maximumSize, 36);
    EXPECT_EQ(s.maximumSizeIndex, 8);
}

namespace {

EffectSettings tableSettings(int rule, const QString &text)
{
    EffectSettings s;
    s.sizeEffect = rule;
    s.text = text;
    return s;
}

const SizeLimits kLimits{20, 36, 16};

} // namespace

TEST(SizeTable, RandomAndAlternateRanges)
{
    RandomSource random(21);
    EffectSettings s = tableSettings(EffectSettings::SizeRandom, QString(300, QLatin1Char('x')));
    for (float v : SizeRules::sizeTable(s, kLimits, random)) {
        EXPECT_GE(v, 20);
        EXPECT_LE(v, 35);
        EXPECT_EQ(v, std::floor(v));
    }
    s.sizeEffect = EffectSettings::SizeAlternate;
    const QList<float> alt = SizeRules::sizeTable(s, kLimits, random);
    for (int i = 0; i < alt.size(); ++i) {
        if (i % 2 == 0) {
            EXPECT_GE(alt[i], 20);
            EXPECT_LE(alt[i], 23);
        } else {
            EXPECT_GE(alt[i], 31);
            EXPECT_LE(alt[i], 36);
        }
    }
}

TEST(SizeTable, FirstLettersAfterSeparators)
{
    RandomSource random(4);
    EffectSettings s = tableSettings(EffectSettings::SizeFirstLetters, "hello world");
    const QList<float> t = SizeRules::sizeTable(s, kLimits, random);
    ASSERT_EQ(t.size(), 11);
    EXPECT_GE(t[0], 28);
    EXPECT_LE(t[0], 37);
    EXPECT_GE(t[6], 31);
    for (int i = 1; i < 11; ++i) {
        if (i != 6) {
            EXPECT_LE(t[i], 23) << i;
        }
    }
}

TEST(SizeTable, BalloonConstrictAndWave)
{
    RandomSource random(4);
    EffectSettings s = tableSettings(EffectSettings::SizeBalloon, "abcde");
    // 20 + Int(16 * Sin(3.14159 * i / 4)).
    EXPECT_EQ(SizeRules::sizeTable(s, kLimits, random), QList<float>({20, 31, 35, 31, 20}));
    s.sizeEffect = EffectSettings::SizeConstrict;
    EXPECT_EQ(SizeRules::sizeTable(s, kLimits, random), QList<float>({36, 25, 21, 25, 36}));
    s.text = QStringLiteral("a");
    EXPECT_EQ(SizeRules::sizeTable(s, kLimits, random), QList<float>({20}));

    s.sizeEffect = EffectSettings::SizeWave;
    s.text = QStringLiteral("abcdefgh");
    s.wavelength = 4;
    // 36 - Int(16 * Sin(3.14159 * i / 2)): sine -1 overshoots to 52, and because 3.14159
    // falls short of pi the peaks read 15.99.. (21) and the full period -0.00.. (37).
    EXPECT_EQ(SizeRules::sizeTable(s, kLimits, random),
              QList<float>({36, 21, 36, 52, 37, 21, 36, 52}));
}

TEST(SizeTable, WaveRepairsTheWavelength)
{
    RandomSource random(8);
    EffectSettings s = tableSettings(EffectSettings::SizeWave, QString(50, QLatin1Char('x')));
    for (int run = 0; run < 30; ++run) {
        s.wavelength = 0;
        SizeRules::sizeTable(s, kLimits, random);
        const int wl = int(s.wavelength);
        EXPECT_GE(wl, 3);
        EXPECT_LE(wl, 12);
    }
    s.wavelength = 1;
    SizeRules::sizeTable(s, kLimits, random);
    EXPECT_EQ(s.wavelength, 2);
}

TEST(SizeTable, WordModeDividesByBlanksLessOne)
{
    RandomSource random(4);
    EffectSettings s = tableSettings(EffectSettings::SizeBalloon, "one two");
    s.formatWordByWord = true;
    // Exactly one blank: the divisor is 0 and every element stays 0.
    EXPECT_EQ(SizeRules::sizeTable(s, kLimits, random), QList<float>(7, 0.0f));
    s.sizeEffect = EffectSettings::SizeConstrict;
    EXPECT_EQ(SizeRules::sizeTable(s, kLimits, random), QList<float>(7, 0.0f));
    // Three blanks: word 3 is at Sin(3.14159 * 3 / 2), far below the minimum.
    s.sizeEffect = EffectSettings::SizeBalloon;
    s.text = QStringLiteral("a b c d");
    const QList<float> t = SizeRules::sizeTable(s, kLimits, random);
    EXPECT_EQ(t[0], 20);
    EXPECT_EQ(t[3], 20 - 16);
    for (float v : t)
        EXPECT_TRUE(std::isfinite(v));
}

TEST(SizeTable, NoneLeavesZeroAndUnitSizeIsTheMinimum)
{
    RandomSource random(4);
    EffectSettings s = tableSettings(EffectSettings::SizeNone, "abc");
    const QList<float> t = SizeRules::sizeTable(s, kLimits, random);
    EXPECT_EQ(t, QList<float>(3, 0.0f));
    EXPECT_EQ(SizeRules::unitSize(EffectSettings::SizeNone, kLimits, t, 10), 20.0f);
    EXPECT_EQ(SizeRules::unitSize(EffectSettings::SizeRandom, kLimits, t, 3), std::nullopt);
}

TEST(VerticalOffset, Rules)
{
    RandomSource random(4);
    EXPECT_EQ(SizeRules::verticalOffset(EffectSettings::PositionNone, 20, random), 0);
    EXPECT_EQ(SizeRules::verticalOffset(EffectSettings::PositionCentre, 20, random), 41);
    EXPECT_EQ(SizeRules::verticalOffset(EffectSettings::PositionCentre, 8, random), 137);
    EXPECT_EQ(SizeRules::verticalOffset(EffectSettings::PositionCentre, 36, random), -87);
    EXPECT_EQ(SizeRules::verticalOffset(EffectSettings::PositionCentre, 25, random), 1);
    for (int i = 0; i < 500; ++i) {
        const float v = SizeRules::verticalOffset(EffectSettings::PositionRandom, 20, random);
        EXPECT_GE(v, -49);
        EXPECT_LE(v, 50);
    }
    EXPECT_EQ(SizeRules::verticalOffset(EffectSettings::PositionRandom, 40, random), 1);
}

TEST(SizeTable, BalloonOverALongTextStaysOneCurve)
{
    RandomSource random(4);
    EffectSettings s = tableSettings(EffectSettings::SizeBalloon, QString(40001, QLatin1Char('x')));
    const QList<float> t = SizeRules::sizeTable(s, kLimits, random);
    EXPECT_EQ(t.first(), 20);
    EXPECT_EQ(t[20000], 35); // the middle of the text: 20 + Int(16 * 0.99..)
    EXPECT_EQ(t.last(), 20);
    for (float v : t) {
        EXPECT_GE(v, 20);
        EXPECT_LE(v, 36);
    }
}
