// The colour procedures, random colours and the colour assignment of the five options.
#include "core/randomsource.h"
#include "effects/charcolours.h"
#include "effects/colours.h"
#include "effects/recentcolours.h"

#include <QSet>
#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>

namespace {

qint32 rgb(int r, int g, int b)
{
    return Colours::rgb(r, g, b);
}

// A source that replays fixed numbers, then repeats the last one.
class ScriptedRandom : public RandomSource {
public:
    explicit ScriptedRandom(QList<float> values) : m_values(std::move(values)) {}
    float next() override
    {
        const float v = m_values.value(m_at, m_values.isEmpty() ? 0.0f : m_values.last());
        ++m_at;
        return v;
    }

private:
    QList<float> m_values;
    qsizetype m_at = 0;
};

} // namespace

TEST(Colours, HexDistanceInverse)
{
    EXPECT_EQ(hexColour(0), QStringLiteral("000000"));
    EXPECT_EQ(hexColour(0xFFFFFF), QStringLiteral("FFFFFF"));
    EXPECT_EQ(hexColour(rgb(18, 52, 86)), QStringLiteral("123456"));
    EXPECT_EQ(hexColour(0x0080FF), QStringLiteral("FF8000"));
    EXPECT_EQ(colourDistance(0x000000, 0xFFFFFF), 765);
    EXPECT_EQ(colourDistance(0x123456, 0x123456), 0);
    EXPECT_EQ(inverseColour(Colours::RainbowColours()[0]), 0xFFFF00);
}

TEST(Colours, NearestWindowsColourIsWeighted)
{
    struct Case {
        qint32 colour;
        bool excludeGreys;
        qint32 expected;
    };
    const Case cases[] = {
        {rgb(255, 255, 0), false, 0x00FFFF},
        {0xFFFFFF, false, 0x00FFFF},
        {0xFFFFFF, true, 0x00FFFF},
        {rgb(10, 10, 10), false, 0x000000},
        {rgb(100, 100, 100), false, 0x008080},
        {rgb(200, 200, 200), false, 0xC0C0C0},
        {rgb(200, 200, 200), true, 0x00FFFF},
        {rgb(0, 0, 130), false, 0x800000},
    };
    for (const Case &c : cases)
        EXPECT_EQ(nearestWindowsColour(c.colour, c.excludeGreys), c.expected)
            << std::hex << c.colour;
}

TEST(Colours, BlendColourInDoublePrecision)
{
    EXPECT_EQ(blendColour(0x0000FF, 0xFF0000, 0.5), rgb(127, 0, 127));
    // 204 - 204 * (7 / 12) is exactly 85, but the double product lands a hair below it.
    EXPECT_EQ(blendColour(rgb(204, 0, 0), 0, 7.0 / 12.0), rgb(84, 0, 0));
    EXPECT_EQ(blendColour(0x123456, 0xABCDEF, 0.0), 0x123456);
}

TEST(Colours, InverseRainbowScheme)
{
    RandomSource random(1);
    const QList<qint32> expected = {0xFFFF00, rgb(0, 127, 255), 0xFF0000,        0xFF00FF,
                                    0x0000FF, 0x00FFFF,         rgb(63, 255, 63)};
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(CharColours::schemeColour(1, i, random), expected[i]) << i;
}

TEST(NewColour, FirstFourAreVividAndFarFromBlackThenComparedWithTheOldest)
{
    for (quint32 seed = 1; seed <= 20; ++seed) {
        RandomSource random(seed);
        RecentColours recent;
        QList<qint32> got;
        for (int k = 0; k < 12; ++k)
            got.append(recent.NewColour(true, true, random));
        for (int k = 0; k < 12; ++k) {
            const qint32 c = got[k];
            const qint32 against = k < 4 ? 0 : got[k - 4];
            const int parts[3] = {Colours::red(c), Colours::green(c), Colours::blue(c)};
            const int others[3] = {Colours::red(against), Colours::green(against),
                                   Colours::blue(against)};
            bool high = false;
            bool low = false;
            for (int j = 0; j < 3; ++j) {
                EXPECT_GT(std::abs(parts[j] - others[j]), 50);
                high |= parts[j] > 150;
                low |= parts[j] < 90;
            }
            EXPECT_TRUE(high && low) << std::hex << c;
        }
        EXPECT_EQ(recent.colours()[0], got[11]);
        EXPECT_EQ(recent.colours()[3], got[8]);
    }
}

TEST(NewColour, DarkCandidatesComeFromTheDarkRange)
{
    // A dark component is Int(a * b * 200): at most 199 and weighted towards 0. About 70 %
    // of the candidates are dark, so with `Dark` most colours stay below 200 in every part.
    RandomSource random(17);
    RecentColours dark;
    RecentColours light;
    int darkBelow200 = 0;
    int lightBelow200 = 0;
    const int n = 4000;
    for (int i = 0; i < n; ++i) {
        auto below = [](qint32 c) {
            return Colours::red(c) < 200 && Colours::green(c) < 200 && Colours::blue(c) < 200;
        };
        darkBelow200 += below(dark.NewColour(false, true, random));
        lightBelow200 += below(light.NewColour(false, false, random));
    }
    EXPECT_GT(darkBelow200, n * 6 / 10);
    EXPECT_LT(lightBelow200, n * 6 / 10);
}

TEST(NewColour, ComponentsAvoidTheComparisonColourWithoutBias)
{
    // Against black every part lies in 51 .. 255; uniform candidates fill that range
    // evenly, so each half of it gets about half of the light parts.
    RandomSource random(23);
    int upperHalf = 0;
    int parts = 0;
    for (int i = 0; i < 3000; ++i) {
        RecentColours fresh; // compared with black every time
        const qint32 c = fresh.NewColour(false, false, random);
        for (int v : {Colours::red(c), Colours::green(c), Colours::blue(c)}) {
            ASSERT_GE(v, 51);
            upperHalf += v >= 153;
            ++parts;
        }
    }
    EXPECT_NEAR(double(upperHalf) / parts, 103.0 / 205.0, 0.03);
}

TEST(AssignCharColours, SingleAndRandomLeaveBlack)
{
    RandomSource random(3);
    for (int oc : {EffectSettings::ColourSingle, EffectSettings::ColourRandom}) {
        EffectSettings s;
        s.colouring = oc;
        EXPECT_EQ(AssignCharColours(s, 4, random), QList<qint32>(4, 0));
    }
}

TEST(AssignCharColours, AlternateCyclesTheSwatchesInUse)
{
    RandomSource random(3);
    EffectSettings s;
    s.colouring = EffectSettings::ColourAlternate;
    for (int k = 3; k < 9; ++k)
        s.alternateColours[k].mark = QStringLiteral("X");
    const QList<qint32> got = AssignCharColours(s, 4, random);
    EXPECT_EQ(got, QList<qint32>({s.alternateColours[0].colour, s.alternateColours[1].colour,
                                  s.alternateColours[2].colour, s.alternateColours[0].colour}));

    s.randomAlternateColours = 1;
    const QSet<qint32> allowed = {s.alternateColours[0].colour, s.alternateColours[1].colour,
                                  s.alternateColours[2].colour};
    for (qint32 c : AssignCharColours(s, 200, random))
        EXPECT_TRUE(allowed.contains(c));
}

TEST(AssignCharColours, BlendPaletteAndLength)
{
    RandomSource random(3);
    EffectSettings s;
    s.colouring = EffectSettings::ColourBlend;
    s.blendLength = 2;
    const QList<qint32> got = AssignCharColours(s, 8, random);
    const QList<qint32> palette = {0x0000FF, rgb(127, 127, 0), 0x00FF00, rgb(0, 127, 127),
                                   0xFF0000, rgb(127, 0, 127), 0x0000FF};
    EXPECT_EQ(got.mid(0, 7), palette);
    EXPECT_EQ(got[7], 0x0000FF);

    struct Case {
        QString text;
        int length;
    };
    const Case cases[] = {{"abc", 5},  {"0", 5},     {"-3", 1}, {"2.9", 2},
                          {"-0.5", 1}, {"99999", 5}, {"", 5},   {"  7x", 7}};
    for (const Case &c : cases) {
        s.blendLength = EffectSettings::number(c.text);
        AssignCharColours(s, 1, random);
        EXPECT_EQ(s.blendLength, c.length) << c.text.toStdString();
    }

    for (int k = 1; k < 4; ++k)
        s.blendColours[k].mark = QStringLiteral("X");
    s.blendLength = 5;
    EXPECT_EQ(AssignCharColours(s, 3, random), QList<qint32>(3, s.blendColours[0].colour));
}

TEST(AssignCharColours, PredefinedSchemesStayInTheirRanges)
{
    RandomSource random(11);
    const QSet<qint32> windowsNoWhite = {0x000000, 0xC0C0C0, 0x808080, 0x800000, 0x008000,
                                         0x000080, 0x008080, 0x800080, 0x808000, 0x00FFFF,
                                         0xFF00FF, 0xFFFF00, 0x0000FF, 0x00FF00, 0xFF0000};
    for (int i = 0; i < 500; ++i) {
        const qint32 fifteen = CharColours::schemeColour(2, i, random);
        EXPECT_TRUE(windowsNoWhite.contains(fifteen));
        const qint32 twelve = CharColours::schemeColour(3, i, random);
        EXPECT_TRUE(windowsNoWhite.contains(twelve));
        EXPECT_NE(twelve, 0x000000);
        EXPECT_NE(twelve, 0xC0C0C0);
        EXPECT_NE(twelve, 0x808080);
        const qint32 grey = CharColours::schemeColour(4, i, random);
        EXPECT_EQ(Colours::red(grey), Colours::green(grey));
        EXPECT_EQ(Colours::red(grey), Colours::blue(grey));
        EXPECT_GE(Colours::red(grey), 10);
        EXPECT_LE(Colours::red(grey), 219);
        const qint32 red = CharColours::schemeColour(5, i, random);
        EXPECT_GE(Colours::red(red), 176);
        EXPECT_LE(Colours::green(red), 79);
        const qint32 yellow = CharColours::schemeColour(6, i, random);
        EXPECT_GE(Colours::green(yellow), 206);
        EXPECT_LE(Colours::blue(yellow), 49);
        const qint32 mixed = CharColours::schemeColour(13, i, random);
        EXPECT_TRUE(Colours::red(mixed) >= 176 || Colours::blue(mixed) >= 176);
        EXPECT_LE(Colours::green(mixed), 79);
    }
}

TEST(NewColour, MatchesThePlainRedrawLoopInDistribution)
{
    // The definition: draw a candidate (dark 70 % of the time), redraw while a part is
    // within 50 of the comparison colour's (black here) or the colour is dull.
    RandomSource plain(31);
    auto reference = [&plain] {
        for (;;) {
            const bool darkCandidate = !(plain.next() > 0.7f);
            int p[3];
            for (int &v : p) {
                if (darkCandidate) {
                    const double a = plain.next();
                    v = int(std::floor(a * double(plain.next()) * 200));
                } else {
                    v = int(std::floor(double(plain.next()) * 256));
                }
            }
            if (p[0] <= 50 || p[1] <= 50 || p[2] <= 50)
                continue;
            const int high = std::max({p[0], p[1], p[2]});
            const int low = std::min({p[0], p[1], p[2]});
            if (high <= 150 || low >= 90)
                continue;
            return Colours::rgb(p[0], p[1], p[2]);
        }
    };
    RandomSource random(37);
    const int n = 20000;
    double meanPlain = 0;
    double meanFast = 0;
    int darkPlain = 0;
    int darkFast = 0;
    for (int i = 0; i < n; ++i) {
        const qint32 a = reference();
        RecentColours fresh;
        const qint32 b = fresh.NewColour(true, true, random);
        meanPlain += Colours::red(a) + Colours::green(a) + Colours::blue(a);
        meanFast += Colours::red(b) + Colours::green(b) + Colours::blue(b);
        darkPlain += Colours::red(a) < 90;
        darkFast += Colours::red(b) < 90;
    }
    EXPECT_NEAR(meanPlain / n, meanFast / n, 4.0);
    EXPECT_NEAR(double(darkPlain) / n, double(darkFast) / n, 0.02);
}
