// Capitalisation rules.
#include "core/randomsource.h"
#include "effects/caps.h"
#include "effects/randomfont.h"
#include "settings/effectsettings.h"

#include <gtest/gtest.h>

TEST(Capitalise, Rules)
{
    RandomSource random(5);
    struct Case {
        int capitalisation;
        QString in;
        QString out;
    };
    const Case cases[] = {
        {EffectSettings::CaseNone, "mcDonald", "mcDonald"},
        {EffectSettings::CaseUpper, "a1-b", "A1-B"},
        {EffectSettings::CaseLower, "ABC 9!", "abc 9!"},
        {EffectSettings::CaseFirstLetters, "hello world", "Hello World"},
        {EffectSettings::CaseFirstLetters, "(abc)-def", "(Abc)-Def"},
        {EffectSettings::CaseFirstLetters, "a.b", "A.B"},
        {EffectSettings::CaseFirstLetters, "mcDonald", "Mcdonald"},
        {EffectSettings::CaseFirstLetters, " x", " X"},
        {EffectSettings::CaseFirstLetters, "a\r\nbc", "A\r\nBc"},
        {EffectSettings::CaseAlternate, "HELLO", "HeLlO"},
        {EffectSettings::CaseAlternate, "hello", "HeLlO"},
        // Per character: sharp s stays one character.
        {EffectSettings::CaseUpper, QStringLiteral("stra\u00DFe"), QStringLiteral("STRA\u00DFE")},
        {-1, "abc", ""},
    };
    for (const Case &c : cases)
        EXPECT_EQ(capitalise(c.in, c.capitalisation, random), c.out)
            << c.in.toStdString() << " " << c.capitalisation;
}

TEST(Capitalise, RandomChangesOnlyTheCase)
{
    RandomSource random(9);
    const QString in = QStringLiteral("The Quick, brown FOX 123 \u00E9t\u00E9");
    bool upperSeen = false;
    bool lowerSeen = false;
    for (int run = 0; run < 20; ++run) {
        const QString out = capitalise(in, EffectSettings::CaseRandom, random);
        ASSERT_EQ(out.size(), in.size());
        EXPECT_EQ(out.toLower(), in.toLower());
        upperSeen |= out[4] == QLatin1Char('Q');
        lowerSeen |= out[4] == QLatin1Char('q');
    }
    EXPECT_TRUE(upperSeen && lowerSeen);
}

TEST(RandomFontCandidate, SymbolWordsAnywhereInTheName)
{
    for (const char *name :
         {"Wingdings", "Webdings", "Marlett", "Symbol", "MT Extra", "Fixedsys",
          "MS Reference Sans Serif", "Cambria Math", "Symbolic Sans", "Opus Special Std"})
        EXPECT_FALSE(isRandomFontCandidate(QString::fromLatin1(name))) << name;
    for (const char *name : {"Arial", "Lucida Sans Unicode", "", "DejaVu Sans"})
        EXPECT_TRUE(isRandomFontCandidate(QString::fromLatin1(name))) << name;
}
