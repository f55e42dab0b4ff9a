// The preview: its exact text, the formatting of every line, the size rule and progress.
#include "core/progressstate.h"
#include "logic/previewbuilder.h"
#include "richtext/richdocument.h"

#include <gtest/gtest.h>

namespace {

const QString kCrLf = QStringLiteral("\r\n");

CharFormat formatOf(const RichDocument &doc, const QString &needle, int from = 0)
{
    const qsizetype at = doc.text().indexOf(needle, from);
    EXPECT_GE(at, 0) << needle.toStdString();
    return doc.formatAt(int(at));
}

TEST(PreviewBuilderTest, TextHasTitleEmptyLineAndOneLinePerEntryWithSuffix)
{
    RichDocument doc;
    PreviewBuilder::build(doc, {QStringLiteral("ARIAL"), QStringLiteral("Arial")}, 22, true);
    EXPECT_EQ(doc.text(),
              QStringLiteral("Fonts\r\n\r\nARIAL   BOLD  ITALIC\r\nArial - Bold, Italic\r\n"));
    EXPECT_EQ(doc.selStart(), 0);
    EXPECT_EQ(doc.selLength(), 0);

    PreviewBuilder::build(doc, {QStringLiteral("ARIAL"), QStringLiteral("Arial")}, 22, false);
    EXPECT_EQ(doc.text(), QStringLiteral("Fonts\r\n\r\nARIAL\r\nArial\r\n"));
}

TEST(PreviewBuilderTest, FormatsTitleEmptyLineEntriesAndSamples)
{
    RichDocument doc;
    PreviewBuilder::build(doc, {QStringLiteral("Liberation Serif"), QStringLiteral("SLIM JIM")}, 22,
                          true);

    const CharFormat title = doc.formatAt(0);
    EXPECT_EQ(title.face, QStringLiteral("Arial"));
    EXPECT_EQ(title.size, 29.0);
    EXPECT_TRUE(title.bold);
    EXPECT_EQ(doc.formatAt(4), title);
    EXPECT_EQ(doc.formatAt(7).size, 11.0);
    EXPECT_EQ(doc.formatAt(8).size, 11.0);

    const int line = int(doc.text().indexOf(QStringLiteral("Liberation Serif")));
    for (int i = line; i < line + 16 + 15; ++i) {
        const CharFormat f = doc.formatAt(i);
        EXPECT_EQ(f.face, QStringLiteral("Liberation Serif")) << i;
        EXPECT_EQ(f.size, 22.0) << i;
        const int inSuffix = i - line - 16;
        EXPECT_EQ(f.bold, inSuffix >= 3 && inSuffix < 8) << i;
        EXPECT_EQ(f.italic, inSuffix >= 9) << i;
    }
    const CharFormat lineBreak = doc.formatAt(line + 31);
    EXPECT_EQ(lineBreak.face, doc.defaultFormat().face);
    EXPECT_EQ(lineBreak.size, 22.0);
    EXPECT_FALSE(lineBreak.bold || lineBreak.italic);

    EXPECT_TRUE(formatOf(doc, QStringLiteral("BOLD ")).bold);
    EXPECT_EQ(formatOf(doc, QStringLiteral("BOLD ")).face, QStringLiteral("SLIM JIM"));
    EXPECT_TRUE(formatOf(doc, QStringLiteral("ITALIC")).italic);
}

TEST(PreviewBuilderTest, TitleAndEmptyLineFollowTheSize)
{
    RichDocument doc;
    PreviewBuilder::build(doc, {QStringLiteral("Arial")}, 24, false);
    EXPECT_EQ(doc.formatAt(0).size, 32.0); // whole part of 32.4
    EXPECT_EQ(doc.formatAt(7).size, 12.0);
    PreviewBuilder::build(doc, {}, 9, false);
    EXPECT_EQ(doc.formatAt(0).size, 12.0); // whole part of 12.15
    EXPECT_EQ(doc.formatAt(7).size, 4.0);  // whole part of 4.5
}

// A name that also occurs earlier in the text (inside a longer name, the title or a
// suffix) still formats its own line.
struct OwnLineCase {
    const char *label;
    QStringList entries;
    bool samples;
};

class OwnLineTest : public ::testing::TestWithParam<OwnLineCase> {};

TEST_P(OwnLineTest, EveryEntryFormatsItsOwnLine)
{
    RichDocument doc;
    PreviewBuilder::build(doc, GetParam().entries, 16, GetParam().samples);
    const PreviewBuilder::Layout layout =
        PreviewBuilder::layout(GetParam().entries, {16, GetParam().samples, {}, {}});
    ASSERT_EQ(doc.text(), layout.text);
    for (qsizetype e = 0; e < GetParam().entries.size(); ++e) {
        const QString &entry = GetParam().entries.at(e);
        const int start = layout.lines.at(e).start;
        EXPECT_EQ(doc.text().mid(start, entry.size()), entry);
        doc.select(start, int(entry.size()));
        EXPECT_EQ(doc.selFontName(), entry) << entry.toStdString();
    }
    // The title keeps its own face.
    doc.select(0, 5);
    EXPECT_EQ(doc.selFontName(), QStringLiteral("Arial"));
}

INSTANTIATE_TEST_SUITE_P(
    Names, OwnLineTest,
    ::testing::Values(OwnLineCase{"SerifAfterMSSansSerif", {"MS Sans Serif", "Serif"}, true},
                      OwnLineCase{"GillSansBeforeGillSansMT", {"Gill Sans", "Gill Sans MT"}, false},
                      OwnLineCase{"NameInsideTitle", {"Font", "onts"}, false},
                      OwnLineCase{"NameInsideSuffix", {"Bold", "Italic", "ITALIC"}, true},
                      OwnLineCase{"Duplicates", {"Arial", "Arial"}, true}),
    [](const auto &info) { return std::string(info.param.label); });

TEST(PreviewBuilderTest, EmptyListGivesTitleAndEmptyLine)
{
    RichDocument doc;
    PreviewBuilder::build(doc, {}, 22, true);
    EXPECT_EQ(doc.text(), QStringLiteral("Fonts") + kCrLf + kCrLf);
    EXPECT_TRUE(doc.formatAt(0).bold);
    EXPECT_EQ(doc.formatAt(0).size, 29.0);
    EXPECT_EQ(doc.formatAt(8).size, 11.0);
}

struct SizeCase {
    const char *label;
    const char *text;
    const char *normalised;
    int points;
};

class SizeTest : public ::testing::TestWithParam<SizeCase> {};

TEST_P(SizeTest, NormalisesSizeText)
{
    const PreviewBuilder::Size size =
        PreviewBuilder::normaliseSize(QString::fromLatin1(GetParam().text));
    EXPECT_EQ(size.text, QString::fromLatin1(GetParam().normalised));
    EXPECT_EQ(size.points, GetParam().points);
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, SizeTest,
    ::testing::Values(SizeCase{"Seven", "7", "8", 8}, SizeCase{"Fifty", "50", "48", 48},
                      SizeCase{"TwelveAndAHalf", "12.5", "12", 12},
                      SizeCase{"JustBelowMax", "48.9", "48", 48},
                      SizeCase{"NoNumber", "big", "8", 8}, SizeCase{"Empty", "", "8", 8},
                      SizeCase{"Negative", "-3.5", "8", 8}, SizeCase{"Huge", "1e300", "48", 48},
                      SizeCase{"InRange", "22", "22", 22},
                      SizeCase{"TrailingText", "14pt", "14pt", 14}),
    [](const auto &info) { return std::string(info.param.label); });

TEST(PreviewBuilderTest, SampleRuleReadsWholePart)
{
    EXPECT_EQ(PreviewBuilder::sampleRuleSize(QStringLiteral("22.9")), 22);
    EXPECT_EQ(PreviewBuilder::sampleRuleSize(QStringLiteral("23")), 23);
    EXPECT_EQ(PreviewBuilder::sampleRuleSize(QStringLiteral("x")), 0);
}

TEST(PreviewBuilderTest, ProgressRisesByFourOrEightPerEntry)
{
    const QStringList entries = {QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")};
    for (const bool samples : {false, true}) {
        RichDocument doc;
        ProgressState progress(ProgressState::kFacelisterBarWidth);
        progress.setMax(1000);
        progress.setValue(10);
        QStringList statuses;
        PreviewBuilder::build(doc, entries, 12, samples, &progress,
                              [&statuses](const QString &s) { statuses.append(s); });
        EXPECT_EQ(progress.value(), 10 + 3 * (samples ? 8 : 4));
        EXPECT_EQ(statuses, QStringList{QStringLiteral("Formatting preview...")});
    }
}

TEST(PreviewBuilderTest, AssemblingTheTextAdvancesTheBarOneEntryAtATime)
{
    // At 1000 steps a step is 5.385 twips of the bar: entry by entry the bar is redrawn
    // at the fifth entry (26.9 twips) and not again before formatting begins.
    QStringList entries;
    for (int i = 0; i < 7; ++i)
        entries.append(QStringLiteral("Font %1").arg(i));
    RichDocument doc;
    ProgressState progress(ProgressState::kFacelisterBarWidth);
    progress.setMax(1000);
    int drawnAtFormatting = -1;
    int valueAtFormatting = -1;
    PreviewBuilder::build(doc, entries, 12, false, &progress, [&](const QString &) {
        drawnAtFormatting = progress.drawn();
        valueAtFormatting = progress.value();
    });
    EXPECT_EQ(valueAtFormatting, 7);
    EXPECT_EQ(drawnAtFormatting, 5);
}

// The runs of one line: text and face of each stretch of equal face, from its start to
// its line break.
QList<QPair<QString, QString>> lineRuns(const RichDocument &doc, const PreviewBuilder::Line &line)
{
    QList<QPair<QString, QString>> runs;
    for (int i = line.start; i < line.start + line.length; ++i) {
        const QString face = doc.formatAt(i).face;
        if (runs.isEmpty() || runs.last().second != face)
            runs.append({QString(), face});
        runs.last().first += doc.text().at(i);
    }
    return runs;
}

TEST(PreviewBuilderTest, SampleTextFollowsTheNameInItsFaceBeforeTheBoldAndItalicSamples)
{
    RichDocument doc;
    const PreviewBuilder::Layout layout = PreviewBuilder::build(
        doc, {QStringLiteral("Liberation Serif")}, {22, true, QStringLiteral("Жук\tok"), {}});
    ASSERT_EQ(layout.lines.size(), 1);
    using Runs = QList<QPair<QString, QString>>;
    EXPECT_EQ(lineRuns(doc, layout.lines.first()),
              (Runs{{QStringLiteral("Liberation Serif: Жук ok - Bold, Italic"),
                     QStringLiteral("Liberation Serif")}}));
    EXPECT_TRUE(formatOf(doc, QStringLiteral("Bold,")).bold);
    EXPECT_TRUE(formatOf(doc, QStringLiteral("Italic")).italic);
    EXPECT_FALSE(formatOf(doc, QStringLiteral("Жук")).bold);
}

TEST(PreviewBuilderTest, SymbolFontLineKeepsItsNameInTheDefaultFace)
{
    const auto isSymbol = [](const QString &entry) { return entry == QLatin1String("Webdings"); };
    const QString face = RichDocument().defaultFormat().face;
    using Runs = QList<QPair<QString, QString>>;
    for (const QString &sample : {QString(), QStringLiteral("xyz")}) {
        RichDocument doc;
        const PreviewBuilder::Layout layout =
            PreviewBuilder::build(doc, {QStringLiteral("Tahoma"), QStringLiteral("Webdings")},
                                  {16, false, sample, isSymbol});
        const QString glyphs = sample.isEmpty() ? QStringLiteral("ABC abc 123") : sample;
        EXPECT_EQ(lineRuns(doc, layout.lines.at(1)), (Runs{{QStringLiteral("Webdings: "), face},
                                                           {glyphs, QStringLiteral("Webdings")}}));
        EXPECT_EQ(lineRuns(doc, layout.lines.at(0)).first().second, QStringLiteral("Tahoma"));
    }
}

} // namespace
