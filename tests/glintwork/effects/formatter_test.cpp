// The Refresh on the in-memory document: warnings, auto-selection, pieces, fonts, the
// piece loop, the colour pass and the promise that the user's text comes out whole.
#include "core/progressstate.h"
#include "core/randomsource.h"
#include "effects/caps.h"
#include "effects/formatter.h"
#include "effects/recentcolours.h"
#include "fakes/fakerefreshhost.h"
#include "richtext/richdocument.h"

#include <QSet>
#include <gtest/gtest.h>

namespace {

struct RefreshRun {
    RandomSource random{12345};
    RecentColours recent;
    ProgressState progress;
    Formatter formatter{random, recent, progress};
    RichDocument box;
    FakeRefreshHost host;

    RefreshResult refresh(EffectSettings &s, OutputMode mode = OutputMode::Normal)
    {
        return formatter.refresh(s, mode, box, host);
    }
};

EffectSettings withFonts(const QStringList &fonts, const QString &text)
{
    EffectSettings s;
    s.setFonts(fonts);
    s.text = text;
    return s;
}

QString expectedPlain(const QString &capitalised)
{
    return RichDocument::normaliseLineBreaks(capitalised);
}

} // namespace

TEST(LengthWarning, ThresholdsByNumberOfSelectedFonts)
{
    struct Case {
        qsizetype n;
        int selected;
        LengthWarning warning;
    };
    const Case cases[] = {{360, 0, LengthWarning::None},      {361, 0, LengthWarning::Long},
                          {712, 2, LengthWarning::Long},      {713, 0, LengthWarning::VeryLong},
                          {713, 2, LengthWarning::VeryLong},  {1512, 1, LengthWarning::None},
                          {1513, 1, LengthWarning::VeryLong}, {361, 1, LengthWarning::None}};
    for (const Case &c : cases)
        EXPECT_EQ(Formatter::lengthWarning(c.n, c.selected), c.warning) << c.n << " " << c.selected;
}

TEST(Refresh, CancelledWarningChangesNothing)
{
    RefreshRun run;
    EffectSettings s = withFonts({"Arial"}, QString(361, QLatin1Char('a')));
    run.box.setText(QStringLiteral("before"));
    run.host.answers = {false};
    const EffectSettings before = s;
    const RefreshResult r = run.refresh(s);
    EXPECT_FALSE(r.ran);
    EXPECT_EQ(run.host.warnings, QStringList{Formatter::longWarning()});
    EXPECT_EQ(run.box.text(), QStringLiteral("before"));
    EXPECT_TRUE(run.host.events.isEmpty());
    EXPECT_EQ(s, before);
}

TEST(Refresh, EmptyInputStopsSilently)
{
    RefreshRun run;
    EffectSettings s = withFonts({"Arial"}, QString());
    EXPECT_FALSE(run.refresh(s).ran);
    EXPECT_TRUE(run.host.events.isEmpty());
    EXPECT_TRUE(run.host.warnings.isEmpty());
}

TEST(Refresh, VeryLongWarningWithOneFontOnlyAbove1512)
{
    RefreshRun run;
    EffectSettings s = withFonts({"Arial", "Georgia"}, QString(1513, QLatin1Char('a')));
    s.fontSelected[0] = true;
    run.host.answers = {false};
    run.refresh(s);
    EXPECT_EQ(run.host.warnings, QStringList{Formatter::veryLongWarning()});
}

TEST(Pieces, CharacterAndWordMode)
{
    EXPECT_EQ(Formatter::cutPieces("abcdefgh", false), QStringList({"abcdef", "gh"}));
    EXPECT_EQ(Formatter::cutPieces(" ab cd", true), QStringList({" ab ", "cd"}));
    EXPECT_EQ(Formatter::cutPieces("one two", true), QStringList({"one ", "two"}));
    EXPECT_EQ(Formatter::cutPieces("a\r\nb", false), QStringList({"a\r\nb"}));
    // A lone LF is dropped, a lone CR becomes CR LF, also across a piece boundary.
    EXPECT_EQ(Formatter::cutPieces("a\nb\rc", false), QStringList({"ab\r\nc"}));
    EXPECT_EQ(Formatter::cutPieces("abcde\r\nfg", false), QStringList({"abcde\r\n", "fg"}));
    EXPECT_EQ(Formatter::cutPieces("x", true), QStringList({"x"}));
}

TEST(Pieces, SurrogatePairIsNeverCut)
{
    const QString clef = QString::fromUcs4(U"\U0001D11E");
    const QString text = QStringLiteral("abcde") + clef + QStringLiteral("fg");
    const QStringList pieces = Formatter::cutPieces(text, false);
    ASSERT_EQ(pieces.size(), 2);
    EXPECT_EQ(pieces[0], QStringLiteral("abcde") + clef);
    EXPECT_EQ(pieces[1], QStringLiteral("fg"));
}

TEST(WordRanges, EachWordWithItsBlank)
{
    using R = QList<std::pair<int, int>>;
    EXPECT_EQ(Formatter::wordRanges("ab cd ef"), (R{{0, 3}, {3, 3}, {6, 2}}));
    EXPECT_EQ(Formatter::wordRanges("ab "), (R{{0, 3}}));
    EXPECT_EQ(Formatter::wordRanges("  x"), (R{{0, 1}, {1, 1}, {2, 1}}));
    EXPECT_EQ(Formatter::wordRanges(""), (R{{0, 0}}));
}

TEST(Refresh, AlternateFontsFollowThePoolInListOrder)
{
    RefreshRun run;
    EffectSettings s = withFonts({"Arial", "Courier", "Impact"}, "abcde");
    s.fontSelected = {true, false, true};
    s.alternateSelectedFonts = 1;
    run.refresh(s);
    const QStringList expected = {"ARIAL", "IMPACT", "ARIAL", "IMPACT", "ARIAL"};
    ASSERT_EQ(run.box.text(), QStringLiteral("abcde"));
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(run.box.formatAt(i).face, expected[i]) << i;
}

TEST(Refresh, WordModeGivesEachWordOneFormat)
{
    RefreshRun run;
    EffectSettings s = withFonts({"Arial", "Impact"}, "one two");
    s.fontSelected = {true, true};
    s.alternateSelectedFonts = 1;
    s.formatWordByWord = true;
    s.sizeEffect = EffectSettings::SizeAlternate;
    run.refresh(s);
    ASSERT_EQ(run.box.text(), QStringLiteral("one two"));
    for (int i = 1; i < 4; ++i)
        EXPECT_EQ(run.box.formatAt(i).face, run.box.formatAt(0).face);
    EXPECT_EQ(run.box.formatAt(0).face, QStringLiteral("ARIAL"));
    EXPECT_EQ(run.box.formatAt(4).face, QStringLiteral("IMPACT"));
    // Word 0 gets the small size of Alternate, word 1 the large one.
    EXPECT_LT(run.box.formatAt(0).size, run.box.formatAt(4).size);
}

TEST(Refresh, AutoSelectionAbove20CharactersOnlyAndUndoneAfterwards)
{
    for (int n : {20, 21}) {
        RefreshRun run;
        QStringList fonts;
        for (int i = 0; i < 30; ++i)
            fonts << QStringLiteral("Font%1").arg(i);
        fonts << "Wingdings";
        EffectSettings s = withFonts(fonts, QString(n, QLatin1Char('x')));
        const RefreshResult r = run.refresh(s);
        EXPECT_EQ(r.autoSelected, n == 21);
        if (n == 21) {
            EXPECT_GE(run.host.selectedFonts.size(), 1);
            EXPECT_LE(run.host.selectedFonts.size(), 14);
            EXPECT_FALSE(run.host.selectedFonts.contains(30)); // never the symbol font
            EXPECT_EQ(run.host.clears, 1);
            // Every unit uses a font of the auto-selection.
            QSet<QString> chosen;
            for (int i : std::as_const(run.host.selectedFonts))
                chosen.insert(fonts[i].toUpper());
            for (int i = 0; i < n; ++i)
                EXPECT_TRUE(chosen.contains(run.box.formatAt(i).face));
        } else {
            EXPECT_TRUE(run.host.selectedFonts.isEmpty());
            EXPECT_EQ(run.host.clears, 0);
        }
        EXPECT_EQ(s.selectedFontCount(), 0);
    }
}

TEST(Refresh, OnlySymbolFontsOrNoFontsKeepTheDefaultFace)
{
    for (const QStringList &fonts : {QStringList{"Wingdings", "Symbol"}, QStringList{}}) {
        RefreshRun run;
        EffectSettings s = withFonts(fonts, QStringLiteral("a long enough text to auto-select"));
        run.refresh(s);
        const QString face = run.box.defaultFormat().face;
        for (int i = 0; i < run.box.length(); ++i)
            ASSERT_EQ(run.box.formatAt(i).face, face);
    }
}

TEST(Refresh, FontsWithASymbolMapAreNeverDrawnWhateverTheirNames)
{
    // D050000L passes the name test but draws dingbats for letters.
    const QStringList fonts{"D050000L", "Liberation Serif", "Dingbat Sans"};
    for (int n : {20, 40}) {
        RefreshRun run;
        run.formatter.setSymbolFonts({"d050000l", "Dingbat Sans"});
        EffectSettings s = withFonts(fonts, QString(n, QLatin1Char('x')));
        run.refresh(s);
        EXPECT_FALSE(run.host.selectedFonts.contains(0));
        EXPECT_FALSE(run.host.selectedFonts.contains(2));
        for (int i = 0; i < n; ++i)
            ASSERT_EQ(run.box.formatAt(i).face, "LIBERATION SERIF") << n << " " << i;
    }
    // A font the user selects is used even when it is a symbol font.
    RefreshRun chosen;
    chosen.formatter.setSymbolFonts({"D050000L"});
    EffectSettings s = withFonts(fonts, QStringLiteral("abc"));
    s.fontSelected[0] = true;
    chosen.refresh(s);
    EXPECT_EQ(chosen.box.formatAt(1).face, "D050000L");
}

TEST(Refresh, TextComesOutWholeWhateverItHolds)
{
    const QString astral = QString::fromUcs4(U"\U0001F600\U0001D11E");
    const QStringList inputs = {
        "inside",
        "a\r\nb",
        "\r\n\r\n\r\n",
        "lone\rcarriage",
        "{\\rtf1 braces} and \\par and <b>&amp;</b>",
        QStringLiteral("emoji ") + astral + QStringLiteral(" end"),
        "deftab720 \\par  $%^&",
        QString(100, QLatin1Char(' ')),
    };
    for (bool words : {false, true}) {
        for (int cap : {EffectSettings::CaseNone, EffectSettings::CaseUpper,
                        EffectSettings::CaseFirstLetters}) {
            for (const QString &input : inputs) {
                RefreshRun run;
                EffectSettings s = withFonts({"Arial", "Georgia"}, input);
                s.formatWordByWord = words;
                s.colourWordByWord = words;
                s.capitalisation = cap;
                s.colouring = EffectSettings::ColourPredefined;
                RandomSource capsRandom(1);
                const RefreshResult r = run.refresh(s);
                ASSERT_TRUE(r.ran);
                EXPECT_EQ(run.box.text(), expectedPlain(capitalise(input, cap, capsRandom)))
                    << input.toStdString() << " words " << words << " cap " << cap;
            }
        }
    }
}

TEST(Refresh, SurrogatePairSharesOneFormat)
{
    RefreshRun run;
    const QString text = QStringLiteral("ab") + QString::fromUcs4(U"\U0001F600") + "cd";
    EffectSettings s = withFonts({"Arial", "Georgia", "Impact"}, text);
    s.fontSelected = {true, true, true};
    s.alternateSelectedFonts = 1;
    s.colouring = EffectSettings::ColourRandom;
    run.refresh(s);
    ASSERT_EQ(run.box.text(), text);
    EXPECT_EQ(run.box.formatAt(2), run.box.formatAt(3));
}

TEST(Refresh, WordColouringUsesOneColourPerWordWithItsBlank)
{
    RefreshRun run;
    EffectSettings s = withFonts({"Arial"}, "ab cd ef");
    s.fontSelected = {true};
    s.colourWordByWord = true;
    s.colouring = EffectSettings::ColourAlternate;
    const RefreshResult r = run.refresh(s);
    const auto colour = [&](int i) { return run.box.formatAt(i).colour; };
    EXPECT_EQ(colour(0), s.alternateColours[0].colour);
    EXPECT_EQ(colour(2), s.alternateColours[0].colour); // the blank after "ab"
    EXPECT_EQ(colour(3), s.alternateColours[1].colour);
    EXPECT_EQ(colour(5), s.alternateColours[1].colour);
    EXPECT_EQ(colour(6), s.alternateColours[2].colour);
    EXPECT_EQ(colour(7), s.alternateColours[2].colour);
    EXPECT_EQ(r.charColour.size(), 8);
}

TEST(Refresh, WordProcessorModeMapsTheSingleColourToAWindowsColour)
{
    RefreshRun run;
    EffectSettings s = withFonts({"Arial"}, "abc");
    s.fontSelected = {true};
    s.colouring = EffectSettings::ColourSingle;
    s.singleColour = 0x646464; // (100, 100, 100): olive is nearest
    run.refresh(s, OutputMode::WordProcessor);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(run.box.formatAt(i).colour, 0x008080);
}

TEST(Refresh, RandomColoursAreVividAndNeverBlack)
{
    RefreshRun run;
    EffectSettings s = withFonts({"Arial"}, "abcdefghij");
    s.fontSelected = {true};
    s.colouring = EffectSettings::ColourRandom;
    run.refresh(s);
    for (int i = 0; i < 4; ++i) {
        const qint32 c = run.box.formatAt(i).colour;
        EXPECT_GT(c & 0xFF, 50);
        EXPECT_GT((c >> 8) & 0xFF, 50);
        EXPECT_GT((c >> 16) & 0xFF, 50);
    }
}

TEST(Refresh, SizesOffsetsAndBoldItalicReachTheDocument)
{
    RefreshRun run;
    EffectSettings s = withFonts({"Arial"}, "abcdefghijkl");
    s.fontSelected = {true};
    s.sizeEffect = EffectSettings::SizeNone;
    s.characterPosition = EffectSettings::PositionCentre;
    s.randomBoldItalic = 0;
    const RefreshResult r = run.refresh(s);
    ASSERT_TRUE(r.baseFontSize);
    EXPECT_EQ(*r.baseFontSize, 20.0);
    for (int i = 0; i < 12; ++i) {
        const CharFormat f = run.box.formatAt(i);
        EXPECT_EQ(f.size, 20.0);
        EXPECT_EQ(f.offset, 40); // 201 - 8 * 20 = 41 twips, stored in half-points
        EXPECT_FALSE(f.bold);
        EXPECT_FALSE(f.italic);
    }
}

TEST(Refresh, BusyStateProgressAndToolTip)
{
    RefreshRun run;
    EffectSettings s = withFonts({"Arial"}, "abcdefgh");
    s.fontSelected = {true};
    run.refresh(s);
    EXPECT_EQ(run.host.events.first(), QStringLiteral("hideList"));
    EXPECT_EQ(run.host.events.last(), QStringLiteral("idle"));
    EXPECT_EQ(run.host.events.indexOf("outputReady") + 1, run.host.events.indexOf("showOutput", 3));
    EXPECT_EQ(run.host.toolTip, Formatter::resultToolTip());
    EXPECT_EQ(run.progress.max(), 16);
    EXPECT_EQ(run.progress.value(), 16);
    EXPECT_FALSE(run.progress.visible());
    EXPECT_EQ(run.box.selStart(), 0);
    EXPECT_EQ(run.box.selLength(), 0);

    // Any other tooltip text is left alone.
    run.host.toolTip = QString();
    run.refresh(s);
    EXPECT_EQ(run.host.toolTip, QString());
}

TEST(Refresh, AMillionCharactersInWordMode)
{
    RefreshRun run;
    QString text;
    text.reserve(1000000);
    while (text.size() < 1000000)
        text += QStringLiteral("word\r\nanother line\r\n <&> ");
    text.truncate(1000000);
    EffectSettings s = withFonts({"Arial", "Georgia"}, text);
    s.formatWordByWord = true;
    s.colourWordByWord = true;
    s.sizeEffect = EffectSettings::SizeBalloon;
    const RefreshResult r = run.refresh(s);
    ASSERT_TRUE(r.ran);
    EXPECT_EQ(run.box.text(), text);
}

TEST(Refresh, OnlyLineBreaksAndLoneLineFeeds)
{
    for (const QString &text : {QStringLiteral("\r\n\r\n"), QStringLiteral("\n"),
                                QStringLiteral("\r"), QStringLiteral("\n\n\r")}) {
        for (bool words : {false, true}) {
            RefreshRun run;
            EffectSettings s = withFonts({"Arial"}, text);
            s.formatWordByWord = words;
            s.colourWordByWord = words;
            s.colouring = EffectSettings::ColourBlend;
            ASSERT_TRUE(run.refresh(s).ran);
            QString expected = text;
            expected.remove(QLatin1Char('\n'));
            expected.replace(QLatin1Char('\r'), QStringLiteral("\r\n"));
            EXPECT_EQ(run.box.text(), expected);
        }
    }
}

TEST(Refresh, InsideStaysInsideAndLineBreaksCountTwice)
{
    RefreshRun run;
    EffectSettings s = withFonts({"Arial"}, "inside");
    ASSERT_TRUE(run.refresh(s).ran);
    EXPECT_EQ(run.box.text(), QStringLiteral("inside"));

    // The window hands "a\nb" over as "a\r\nb": four characters, four table entries.
    RefreshRun second;
    EffectSettings t = withFonts({"Arial"}, "a\r\nb");
    t.colouring = EffectSettings::ColourAlternate;
    const RefreshResult r = second.refresh(t);
    EXPECT_EQ(r.charSize.size(), 4);
    EXPECT_EQ(r.charColour.size(), 4);
    EXPECT_EQ(second.progress.max(), 8);
    EXPECT_EQ(second.box.formatAt(3).colour, t.alternateColours[3].colour);
}
