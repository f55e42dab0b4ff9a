// Capitalisation rules.
#include "caps.h"
#include "effectsettings.h"
#include "isnormal.h"
#include "randomsource.h"

#include <gtest/gtest.h>

TEST(Caps, Rules)
{
    RandomSource random(5);
    struct Case {
        int cap;
        QString in;
        QString out;
    };
    const Case cases[] = {
        {EffectSettings::CapNone, "mcDonald", "mcDonald"},
        {EffectSettings::CapUpper, "a1-b", "A1-B"},
        {EffectSettings::CapLower, "ABC 9!", "abc 9!"},
        {EffectSettings::CapFirstLetters, "hello world", "Hello World"},
        {EffectSettings::CapFirstLetters, "(abc)-def", "(Abc)-Def"},
        {EffectSettings::CapFirstLetters, "a.b", "A.B"},
        {EffectSettings::CapFirstLetters, "mcDonald", "Mcdonald"},
        {EffectSettings::CapFirstLetters, " x", " X"},
        {EffectSettings::CapFirstLetters, "a\r\nbc", "A\r\nBc"},
        {EffectSettings::CapAlternate, "HELLO", "HeLlO"},
        {EffectSettings::CapAlternate, "hello", "HeLlO"},
        // Per character: sharp s stays one character.
        {EffectSettings::CapUpper, QStringLiteral("stra\u00DFe"), QStringLiteral("STRA\u00DFE")},
        {-1, "abc", ""},
    };
    for (const Case &c : cases)
        EXPECT_EQ(Caps(c.in, c.cap, random), c.out) << c.in.toStdString() << " " << c.cap;
}

TEST(Caps, RandomChangesOnlyTheCase)
{
    RandomSource random(9);
    const QString in = QStringLiteral("The Quick, brown FOX 123 \u00E9t\u00E9");
    bool upperSeen = false;
    bool lowerSeen = false;
    for (int run = 0; run < 20; ++run) {
        const QString out = Caps(in, EffectSettings::CapRandom, random);
        ASSERT_EQ(out.size(), in.size());
        EXPECT_EQ(out.toLower(), in.toLower());
        upperSeen |= out[4] == QLatin1Char('Q');
        lowerSeen |= out[4] == QLatin1Char('q');
    }
    EXPECT_TRUE(upperSeen && lowerSeen);
}

TEST(IsNormal, SymbolWordsAnywhereInTheName)
{
    for (const char *name :
         {"Wingdings", "Webdings", "Marlett", "Symbol", "MT Extra", "Fixedsys",
          "MS Reference Sans Serif", "Cambria Math", "Symbolic Sans", "Opus Special Std"})
        EXPECT_FALSE(IsNormal(QString::fromLatin1(name))) << name;
    for (const char *name : {"Arial", "Lucida Sans Unicode", "", "DejaVu Sans"})
        EXPECT_TRUE(IsNormal(QString::fromLatin1(name))) << name;
}
