// User-perceived characters and joined words as the units of the effects, and the choice
// of a font that has the glyphs, against a catalog given by the test.
#include "core/randomsource.h"
#include "effects/caps.h"
#include "effects/fontchooser.h"
#include "effects/formatter.h"
#include "effects/textunits.h"
#include "fakes/fakefontcatalog.h"
#include "settings/effectsettings.h"

#include <gtest/gtest.h>

namespace {

// The spans as their lengths, a joined word marked with "j".
QString describe(const QList<TextUnits::Span> &spans)
{
    QStringList parts;
    for (const TextUnits::Span &span : spans)
        parts << QString::number(span.length) + (span.joined ? QStringLiteral("j") : QString());
    return parts.join(QLatin1Char(' '));
}

} // namespace

TEST(TextUnits, ClustersAndJoinedWords)
{
    struct Case {
        const char *name;
        QString text;
        QString spans;
    };
    const Case cases[] = {
        {"combining accent", QStringLiteral("e\u0301x"), "2 1"},
        {"surrogate pair", QString::fromUcs4(U"a\U0001F389"), "1 2"},
        {"emoji ZWJ family", QString::fromUcs4(U"\U0001F468\u200D\U0001F469\u200D\U0001F467!"),
         "8 1"},
        {"flag pair", QString::fromUcs4(U"\U0001F1EF\U0001F1F5"), "4"},
        {"Hangul jamo syllable", QStringLiteral("\u1100\u1161\u11A8"), "3"},
        {"variation selector", QStringLiteral("\u2764\uFE0F."), "2 1"},
        {"CR LF", QStringLiteral("a\r\nb"), "1 2 1"},
        {"Arabic word", QStringLiteral("ab \u0645\u0631\u062D\u0628\u0627 c"), "1 1 1 5j 1 1"},
        {"Arabic with tatweel and marks", QStringLiteral("\u0645\u0640\u064E\u0631"), "4j"},
        {"Devanagari word", QStringLiteral("\u0928\u092E\u0938\u094D\u0924\u0947"), "6j"},
        {"Thai word", QStringLiteral("\u0E2A\u0E27\u0E31\u0E2A\u0E14\u0E35"), "6j"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(describe(TextUnits::spans(c.text)), c.spans) << c.name;
}

TEST(TextUnits, CharacterPiecesNeverSplitAUnit)
{
    const QString accent = QStringLiteral("abcde\u0301\u0302fg");
    EXPECT_EQ(Formatter::cutPieces(accent, false),
              QStringList({QStringLiteral("abcde\u0301\u0302"), "fg"}));
    const QString arabic = QStringLiteral("a \u0645\u0631\u062D\u0628\u0627 b");
    EXPECT_EQ(Formatter::cutPieces(arabic, false),
              QStringList({QStringLiteral("a \u0645\u0631\u062D\u0628\u0627"), " b"}));
}

TEST(Capitalise, OnePerceivedCharacterAtATime)
{
    RandomSource random(3);
    // The accent belongs to its letter: alternation counts perceived characters.
    EXPECT_EQ(capitalise(QStringLiteral("e\u0301ab"), EffectSettings::CaseAlternate, random),
              QStringLiteral("E\u0301aB"));
    // A letter outside the first plane changes case as a whole.
    EXPECT_EQ(capitalise(QString::fromUcs4(U"\U00010428x"), EffectSettings::CaseUpper, random),
              QString::fromUcs4(U"\U00010400X"));
}

namespace {

struct ChooserRun {
    FakeFontCatalog catalog{{"Arabic Text", "Dingbats", "Emoji Colour", "Latin Only", "Wide"}};
    FontChooser chooser;
    RandomSource random{9};

    ChooserRun()
    {
        catalog.setGlyphs("Latin Only", "abcxe\u0301");
        catalog.setGlyphs("Arabic Text", "abc\u0645\u0631");
        catalog.setGlyphs("Dingbats", "abcx");
        catalog.setGlyphs("Emoji Colour", QString::fromUcs4(U"\U0001F389\u2764"));
        catalog.setSymbolFonts({"Dingbats"});
    }
    void begin(const QStringList &pool, const QList<bool> &text)
    {
        chooser.begin(&catalog, pool, text);
    }
};

} // namespace

TEST(FontChooser, TakesASelectedFontThatHasTheGlyphsElseAnInstalledOne)
{
    struct Case {
        const char *name;
        QString text;
        int design;
        bool alternate;
        QString face;
    };
    // Pool: LATIN ONLY, DINGBATS (a symbol font), ARABIC TEXT.
    const Case cases[] = {
        {"design kept where it draws", "a", 0, false, "LATIN ONLY"},
        {"letter with its accent", QStringLiteral("e\u0301"), 2, false, "LATIN ONLY"},
        {"next in turn that draws it", QStringLiteral("\u0645\u0631"), 0, true, "ARABIC TEXT"},
        {"random among those that draw it", QStringLiteral("\u0645"), 0, false, "ARABIC TEXT"},
        {"symbol font never given text", "x", 1, false, "LATIN ONLY"},
        {"joiner and selector need no glyph", QStringLiteral("x\u200D\uFE0E"), 0, true,
         "LATIN ONLY"},
        {"emoji to the colour font", QString::fromUcs4(U"\U0001F389"), 0, false, "EMOJI COLOUR"},
        {"no selected font: the installed one", QStringLiteral("\u4E00"), 0, false, "WIDE"},
    };
    for (const Case &c : cases) {
        ChooserRun run;
        const QStringList pool{"LATIN ONLY", "DINGBATS", "ARABIC TEXT"};
        run.begin(pool, {true, false, true});
        EXPECT_EQ(run.chooser.choose(c.text, c.design, pool[c.design], 0, c.alternate, run.random),
                  c.face)
            << c.name;
    }
}

TEST(FontChooser, OnlySymbolFontsSelectedKeepsTheDesign)
{
    ChooserRun run;
    run.begin({"DINGBATS"}, {false});
    EXPECT_EQ(run.chooser.choose("q", 0, "DINGBATS", 0, false, run.random), "DINGBATS");
}
