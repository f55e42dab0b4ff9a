// Closed font runs: what each kind of change writes, and a long row of changes that never
// nests deeper than font, bold and italic.
#include "fakes/htmlnesting.h"
#include "html/fontrunwriter.h"

#include <gtest/gtest.h>

namespace {

using Format = FontRunWriter::Format;

// A character and the format it is written in; "\n" stands for a line break.
struct Piece {
    Format format;
    QString text;
};

QString written(const QList<Piece> &pieces)
{
    QString out;
    FontRunWriter runs(out);
    for (const Piece &piece : pieces) {
        if (piece.text == QLatin1String("\n")) {
            runs.lineBreak();
            continue;
        }
        runs.setFormat(piece.format);
        out += piece.text;
    }
    runs.close();
    return out;
}

struct RunCase {
    const char *name;
    QList<Piece> pieces;
    const char *expected;
};

class FontRunWriterTest : public ::testing::TestWithParam<RunCase> {};

const Format kArial{QStringLiteral("Arial"), 3, 0x0000FF, false, false};
const Format kArialBold{QStringLiteral("Arial"), 3, 0x0000FF, true, false};
const Format kArialBoldItalic{QStringLiteral("Arial"), 3, 0x0000FF, true, true};
const Format kComic{QStringLiteral("Comic Sans MS"), 6, 0x00FF00, false, true};
const Format kNoFaceNoColour{QString(), 2, -1, false, false};

TEST_P(FontRunWriterTest, WritesClosedRuns)
{
    EXPECT_EQ(written(GetParam().pieces), QString::fromUtf8(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(
    Runs, FontRunWriterTest,
    ::testing::Values(
        RunCase{"SameFormatIsOneRun",
                {{kArial, "a"}, {kArial, "b"}},
                "<font face=\"arial\" size=3 color=FF0000>ab</font>"},
        RunCase{"EveryChangeRepeatsEveryAttribute",
                {{kArial, "a"}, {kComic, "b"}},
                "<font face=\"arial\" size=3 color=FF0000>a</font>"
                "<font face=\"comic sans ms\" size=6 color=00FF00><i>b</i></font>"},
        RunCase{"BoldAndItalicInsideTheirFontAndClosedInOrder",
                {{kArialBold, "a"}, {kArialBoldItalic, "b"}, {kArial, "c"}},
                "<font face=\"arial\" size=3 color=FF0000><b>a<i>b</i></b>c</font>"},
        RunCase{
            "BoldChangingUnderItalicReopensTheItalic",
            {{kArialBoldItalic, "a"}, {{QStringLiteral("Arial"), 3, 0x0000FF, false, true}, "b"}},
            "<font face=\"arial\" size=3 color=FF0000><b><i>a</i></b><i>b</i></font>"},
        RunCase{"LineBreakClosesTheRunFirst",
                {{kArial, "a"}, {{}, "\n"}, {kArial, "b"}},
                "<font face=\"arial\" size=3 color=FF0000>a</font><br>"
                "<font face=\"arial\" size=3 color=FF0000>b</font>"},
        RunCase{"NoFaceAndNoColourAreLeftOut", {{kNoFaceNoColour, "x"}}, "<font size=2>x</font>"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(FontRunWriter, ALongRowOfChangesStaysThreeDeep)
{
    QList<Piece> pieces;
    for (int i = 0; i < 2000; ++i) {
        Format format{QStringLiteral("Face %1").arg(i % 7), 1 + i % 7,
                      qint32(quint32(i) * 2654435u % 0xFFFFFFu), i % 3 == 0, i % 5 == 0};
        pieces.append({format, i % 80 == 79 ? QStringLiteral("\n") : QStringLiteral("x")});
    }
    const HtmlNesting nesting = HtmlNesting::of(written(pieces), QString());
    EXPECT_TRUE(nesting.balanced);
    EXPECT_EQ(nesting.maxDepth, 3);
}

TEST(FontRunWriter, FaceIsLowerCasedAndEscapedInItsQuotes)
{
    QString out;
    FontRunWriter runs(out, HtmlText::Quote::Single);
    runs.setFormat({QStringLiteral("Bob's \"A&B\""), 0, -1, false, false});
    runs.close();
    EXPECT_EQ(out, QStringLiteral("<font face='bob&#39;s \"a&amp;b\"'></font>"));
}

} // namespace
