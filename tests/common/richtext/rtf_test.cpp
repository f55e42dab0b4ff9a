// The RTF that the rich-text box writes and reads: the exact header and footer that the
// formatter's splice cuts at, the character and attribute encoding, documents that survive
// write and read unchanged, and what the reader makes of damaged and foreign input.
#include "core/randomsource.h"
#include "richtext/richdocument.h"
#include "richtext/rtfreader.h"
#include "richtext/rtfsplicer.h"
#include "richtext/rtfwriter.h"

#include <QFile>
#include <QRegularExpression>
#include <gtest/gtest.h>
#include <ostream>

static void PrintTo(const QString &text, std::ostream *os)
{
    *os << '"' << text.toUtf8().toPercentEncoding(" {}\\?;.,'").constData() << '"';
}

static void PrintTo(const CharFormat &f, std::ostream *os)
{
    *os << "{" << f.face.toStdString() << ", " << f.size << ", " << f.colour << ", " << f.bold
        << ", " << f.italic << ", " << f.offset << "}";
}

namespace {

const QByteArray kMarkerDocument =
    "{\\rtf1\\ansi\\ansicpg1252\\uc1\\deff0\\deftab720{\\fonttbl{\\f0\\fnil\\fcharset0 "
    "Arial;}}{\\colortbl ;\\red0\\green0\\blue0;}\\pard\\plain\\f0\\fs24\\cf1 $%^&\\par }";

RichDocument read(const QByteArray &rtf)
{
    RichDocument doc;
    doc.setRtf(rtf);
    return doc;
}

TEST(RtfGolden, MarkerDocument)
{
    RichDocument doc;
    doc.setRtf("$%^&");
    EXPECT_EQ(doc.rtf(), kMarkerDocument);
    const RtfSplicer splicer(kMarkerDocument);
    EXPECT_EQ(splicer.header(), RtfWriter::header());
    EXPECT_EQ(splicer.footer(), RtfWriter::footer());
    EXPECT_EQ(RtfWriter::header(), "{\\rtf1\\ansi\\ansicpg1252\\uc1\\deff0\\deftab720");
    EXPECT_EQ(RtfWriter::footer(), "\\par }");
}

TEST(RtfGolden, EveryDocumentHasTheHeaderAndFooterOnceAndOnlyAtItsEnds)
{
    // Texts that look like the header or the footer must not produce them in the body.
    const QStringList texts{"",
                            "\\par }",
                            "x\r\n}",
                            "\r\n}\r\n",
                            "{\\rtf1\\ansi\\ansicpg1252\\uc1\\deff0\\deftab720",
                            "a\\par }b",
                            "} \\par } {",
                            "\r\n\r\n"};
    for (const QString &text : texts) {
        RichDocument doc;
        doc.setText(text);
        doc.select(0, 1);
        doc.setSelBold(true);
        const QByteArray rtf = doc.rtf();
        EXPECT_TRUE(rtf.startsWith(RtfWriter::header())) << rtf.constData();
        EXPECT_TRUE(rtf.endsWith(RtfWriter::footer())) << rtf.constData();
        EXPECT_EQ(rtf.count(RtfWriter::header()), 1) << rtf.constData();
        EXPECT_EQ(rtf.count(RtfWriter::footer()), 1) << rtf.constData();
        EXPECT_EQ(read(rtf).text(), doc.text()) << rtf.constData();
    }
}

struct EncodingCase {
    const char *name;
    QString text;
    CharFormat format;
    QByteArray body; // what follows the tables
};

class RtfEncoding : public testing::TestWithParam<EncodingCase> {};

TEST_P(RtfEncoding, WritesTheStandardForm)
{
    const EncodingCase &c = GetParam();
    RichDocument doc;
    doc.setRuns(RichRuns{RichRun{c.text, c.format}});
    const QByteArray rtf = doc.rtf();
    const qsizetype bodyStart = rtf.indexOf("\\pard\\plain");
    ASSERT_GE(bodyStart, 0);
    EXPECT_EQ(rtf.mid(bodyStart), c.body);
}

const CharFormat kPlain{"Arial", 12, 0, false, false, 0};

INSTANTIATE_TEST_SUITE_P(
    Cases, RtfEncoding,
    testing::Values(EncodingCase{"Metacharacters", "a{b}\\c", kPlain,
                                 "\\pard\\plain\\f0\\fs24\\cf1 a\\{b\\}\\\\c\\par }"},
                    EncodingCase{"Windows1252", QString("\u00e9\u20ac x"), kPlain,
                                 "\\pard\\plain\\f0\\fs24\\cf1\\'e9\\'80 x\\par }"},
                    EncodingCase{"Unicode", QString("\u4e2d"), kPlain,
                                 "\\pard\\plain\\f0\\fs24\\cf1\\u20013?\\par }"},
                    EncodingCase{"SurrogatePair", QString::fromUcs4(U"\U0001F600"), kPlain,
                                 "\\pard\\plain\\f0\\fs24\\cf1\\u-10179?\\u-8704?\\par }"},
                    EncodingCase{"TabAndBreak", "a\tb\r\n c", kPlain,
                                 "\\pard\\plain\\f0\\fs24\\cf1 a\\tab b\\par  c\\par }"},
                    EncodingCase{"RaiseRoundsToHalfPoints",
                                 "x",
                                 {"Arial", 12, 0, false, false, 41},
                                 "\\pard\\plain\\f0\\fs24\\cf1\\up4 x\\par }"},
                    EncodingCase{"LowerRoundsToHalfPoints",
                                 "x",
                                 {"Arial", 12, 0, false, false, -87},
                                 "\\pard\\plain\\f0\\fs24\\cf1\\dn9 x\\par }"},
                    EncodingCase{"HalvesGoToEven",
                                 "x",
                                 {"Arial", 12, 0, false, false, 45},
                                 "\\pard\\plain\\f0\\fs24\\cf1\\up4 x\\par }"},
                    EncodingCase{"FractionalSizeAndAttributes",
                                 "x",
                                 {"Arial", 10.5, 0x336699, true, true, 0},
                                 "\\pard\\plain\\f0\\fs21\\cf1\\b\\i x\\par }"}),
    [](const testing::TestParamInfo<EncodingCase> &info) { return std::string(info.param.name); });

TEST(RtfWriter, TablesListFacesAndColoursOnceInOrderOfUse)
{
    RichDocument doc;
    doc.setRuns(RichRuns{{"a", {"Caf\u00e9 Sans", 12, 0x0000FF}},
                         {"b", {"Arial", 12, 0x00FF00}},
                         {"c", {"Caf\u00e9 Sans", 12, 0x0000FF}}});
    const QByteArray rtf = doc.rtf();
    EXPECT_TRUE(
        rtf.contains("{\\fonttbl{\\f0\\fnil\\fcharset0 Caf\\'e9 Sans;}{\\f1\\fnil\\fcharset0 "
                     "Arial;}}{\\colortbl ;\\red255\\green0\\blue0;\\red0\\green255\\blue0;}"))
        << rtf.constData();
    EXPECT_EQ(read(rtf).formatAt(0).face, "Caf\u00e9 Sans");
}

TEST(RtfWriter, ManyColoursReadBackAtEveryRunWhetherNewOrSeenBefore)
{
    // Past the few colours a list answers: new colours in an order unlike their values,
    // each used again later, some at once and some far apart.
    RichRuns runs;
    for (int i = 0; i < 300; ++i) {
        const qint32 colour = qint32((i * 2654435761u) & 0xFFFFFF);
        runs.append({"n", {"Arial", 12, colour}});
        runs.append({"r", {"Arial", 12, runs[(i * 7) % runs.size()].format.colour}});
    }
    RichDocument doc;
    doc.setRuns(runs);
    const RichDocument back = read(doc.rtf());
    ASSERT_EQ(back.length(), runs.size());
    for (int i = 0; i < runs.size(); ++i)
        EXPECT_EQ(back.formatAt(i).colour, runs[i].format.colour) << i;
}

TEST(RtfWriter, RunsThatWriteNoControlWordAddNoBlank)
{
    // Offsets 41 and 44 both write \up4; sizes 10.3 and 10.4 both \fs21.
    RichDocument doc;
    doc.setRuns(RichRuns{{"w", {"Arial", 10.3, 0, false, false, 41}},
                         {"w", {"Arial", 10.4, 0, false, false, 44}},
                         {"w", {"Arial", 10.4, 0, false, false, 40}}});
    EXPECT_EQ(read(doc.rtf()).text(), "www");
}

TEST(RtfSplice, PiecesJoinAgainWithTheirOwnTables)
{
    // A surrogate pair cut between two six-unit pieces, and the same font index meaning
    // different faces in the two pieces.
    const QString pair = QString::fromUcs4(U"\U0001F600");
    const QStringList pieces{QString("abcde") + pair[0], QString(pair[1]) + "fg"};
    const QStringList faces{"DejaVu Sans", "Liberation Mono"};
    RtfSplicer splicer(kMarkerDocument);
    for (int i = 0; i < 2; ++i) {
        RichDocument piece;
        piece.setText(pieces[i]);
        piece.select(0, 6);
        piece.setSelFontName(faces[i]);
        piece.setSelColour(i == 0 ? 0x0000FF : 0xFF0000);
        splicer.append(piece.rtf());
    }
    const QByteArray spliced = splicer.finish();
    const RichDocument doc = read(spliced);
    EXPECT_EQ(doc.text(), QString("abcde") + pair + "fg");
    EXPECT_EQ(doc.formatAt(0).face, faces[0]);
    EXPECT_EQ(doc.formatAt(0).colour, 0x0000FF);
    EXPECT_EQ(doc.formatAt(6).face, faces[1]);
    EXPECT_EQ(doc.formatAt(6).colour, 0xFF0000);
    const QByteArray again = doc.rtf();
    EXPECT_EQ(again.count("{\\fonttbl"), 1);
    EXPECT_EQ(again.count("{\\colortbl"), 1);
}

TEST(RtfSplice, HeaderEndsAtDeftabDigitsAndFooterStartsAtPar)
{
    const QByteArray marker = "{\\rtf1\\ansi\\deftab720{\\fonttbl}$%^&\\par }";
    const QByteArray spliced =
        RtfSplicer::splice(marker, {"{\\rtf1\\ansi\\deftab720{\\fonttbl A}ab\\par }",
                                    "{\\rtf1\\ansi\\deftab720{\\fonttbl B}cd\\par }"});
    EXPECT_EQ(spliced, QByteArray("{\\rtf1\\ansi\\deftab720{\\fonttbl A}ab{\\fonttbl B}cd\\par }"));
}

TEST(RtfSplice, UnusualPiecesLoseEveryHeaderAndFooter)
{
    const QByteArray marker = "{\\rtf1\\deftab720 M\\par }";
    // A piece without the header, and one holding header and footer twice.
    const QByteArray spliced = RtfSplicer::splice(
        marker, {"x\\par }", "{\\rtf1\\deftab720 y\\par }{\\rtf1\\deftab720 z\\par }"});
    EXPECT_EQ(spliced, QByteArray("{\\rtf1\\deftab720x y z\\par }"));
    // Nothing to cut by: the pieces are joined as they are.
    EXPECT_EQ(RtfSplicer::splice("plain", {"a", "b"}), QByteArray("ab"));
}

TEST(RtfRoundTrip, LoneSurrogatesStay)
{
    RichDocument doc;
    const QString text = QString("x") + QChar(0xDC00) + "y" + QChar(0xD800);
    doc.setText(text);
    EXPECT_EQ(read(doc.rtf()).text(), text);
}

// Random documents: text with line breaks, tabs, RTF metacharacters, Windows-1252 and
// other characters, surrogates; every character with random attributes.
TEST(RtfRoundTrip, RandomDocumentsSurviveWriteAndRead)
{
    const QStringList units{"a",      "Z",      " ",    "\\",     "{",      "}",
                            ";",      "\t",     "\r\n", "\u00e9", "\u20ac", "\u4e2d",
                            "\u0416", "\u00a0", "?",    "0",      "\u2029x"};
    const QStringList faces{"Arial", "DejaVu Serif", "Caf\u00e9 Sans", "URW Gothic", "Z003"};
    for (quint32 seed = 1; seed <= 40; ++seed) {
        RandomSource random(seed);
        RichRuns runs;
        const int count = random.below(200);
        for (int i = 0; i < count; ++i) {
            QString unit = units[random.below(int(units.size()))];
            if (random.next() < 0.05f)
                unit = QString::fromUcs4(U"\U0001F600");
            else if (random.next() < 0.02f)
                unit = QString(QChar(char16_t(0xD800 + random.below(0x800))));
            else if (unit == "\u2029x")
                unit = "x"; // paragraph separators are line breaks, tested elsewhere
            CharFormat f;
            f.face = faces[random.below(int(faces.size()))];
            f.size = 1 + random.below(400) * 0.5;
            f.colour = qint32(random.below(0x1000000));
            f.bold = random.next() < 0.5f;
            f.italic = random.next() < 0.5f;
            f.offset = random.below(4001) - 2000;
            runs.append(RichRun{unit, f});
        }
        RichDocument doc;
        doc.setRuns(runs);
        const RichDocument back = read(doc.rtf());
        ASSERT_EQ(back.text(), doc.text()) << "seed " << seed;
        for (int p = 0; p < doc.length(); ++p) {
            CharFormat expected = doc.formatAt(p);
            expected.offset = RtfWriter::halfPoints(expected.offset) * 10;
            ASSERT_EQ(back.formatAt(p), expected) << "seed " << seed << " position " << p;
        }
        EXPECT_EQ(back.rtf(), doc.rtf()) << "seed " << seed;
    }
}

// Appending each piece's document reads as the splice of all of them: the formatter joins
// long texts so, without holding the spliced bytes.
TEST(RtfSplice, AppendedPiecesReadAsTheSplice)
{
    const QStringList units{"a", " ", "\\", "{", "\r\n", "\u00e9", "\u20ac", "\t", "?"};
    const QStringList faces{"Arial", "DejaVu Serif", "Caf\u00e9 Sans"};
    for (quint32 seed = 1; seed <= 30; ++seed) {
        RandomSource random(seed);
        QList<QByteArray> pieces;
        for (int p = random.below(12); p >= 0; --p) {
            RichDocument piece;
            QString text;
            for (int i = random.below(7); i >= 0; --i)
                text += units[random.below(int(units.size()))];
            piece.setText(text);
            for (int i = 0; i < piece.length(); ++i) {
                piece.select(i, 1);
                piece.setSelFontName(faces[random.below(int(faces.size()))]);
                piece.setSelFontSize(6 + random.below(60) * 0.5);
                piece.setSelColour(qint32(random.below(0x1000000)));
                piece.setSelBold(random.next() < 0.5f);
                piece.setSelCharOffset(random.below(401) - 200);
            }
            pieces.append(piece.rtf());
        }
        const RichDocument spliced = read(RtfSplicer::splice(kMarkerDocument, pieces));
        RichDocument appended;
        for (const QByteArray &piece : pieces)
            appended.appendRtf(piece);
        ASSERT_EQ(appended.text(), spliced.text()) << "seed " << seed;
        EXPECT_EQ(appended.rtf(), spliced.rtf()) << "seed " << seed;
    }
}

// The formatter's pieces skip the RTF when it would change nothing: the content must be
// exactly what the RTF gives, for ordinary and unusual text, faces and sizes alike.
TEST(RtfSplice, PiecesCopiedReadAsTheirRtf)
{
    const QStringList units{"a",
                            " ",
                            "\\",
                            "{",
                            "\r\n",
                            "\u00e9",
                            "\u20ac",
                            "\t",
                            "\u4e2d",
                            "\u0085",
                            "\u2029",
                            "\u2028",
                            "\ufdd0",
                            "\ufeff",
                            "\u0001",
                            QString(QChar(0xD83D)),
                            QString::fromUcs4(U"\U0001F600"),
                            "\u00a0"};
    const QStringList faces{"Arial",          "DejaVu Serif", " Padded ", "Semi;colon",
                            "Caf\u00e9 Sans", "Line\nBreak",  ""};
    for (quint32 seed = 1; seed <= 60; ++seed) {
        RandomSource random(seed);
        RichDocument copied;
        RichDocument read;
        for (int p = random.below(8); p >= 0; --p) {
            RichDocument piece;
            piece.setBaseFontSize(6 + random.below(20));
            QString text;
            // Most pieces are ordinary, as most text is.
            const int kinds = random.next() < 0.5f ? 7 : int(units.size());
            for (int i = random.below(7); i >= 0; --i)
                text += units[random.below(kinds)];
            piece.setText(text);
            for (int i = 0; i < piece.length(); ++i) {
                piece.select(i, 1);
                piece.setSelFontName(faces[random.below(random.next() < 0.5f ? 2 : 7)]);
                if (random.next() < 0.8f)
                    piece.setSelFontSize(0.5 + random.below(4000) * 0.37);
                piece.setSelColour(qint32(random.below(0x7FFFFFFF)));
                piece.setSelBold(random.next() < 0.5f);
                piece.setSelItalic(random.next() < 0.5f);
                piece.setSelCharOffset(random.below(4001) - 2000);
            }
            copied.appendAsRtf(piece);
            read.appendRtf(piece.rtf());
        }
        ASSERT_EQ(copied.text(), read.text()) << "seed " << seed;
        ASSERT_EQ(copied.rawRuns(0, copied.length()).size(), read.rawRuns(0, read.length()).size())
            << "seed " << seed;
        for (int p = 0; p < read.length(); ++p)
            ASSERT_EQ(copied.formatAt(p), read.formatAt(p)) << "seed " << seed << " at " << p;
        EXPECT_EQ(copied.rtf(), read.rtf()) << "seed " << seed;
    }
}

struct ReaderCase {
    const char *name;
    QByteArray rtf;
    QString text;
};

class RtfReaderInput : public testing::TestWithParam<ReaderCase> {};

TEST_P(RtfReaderInput, ReadsTheText)
{
    EXPECT_EQ(read(GetParam().rtf).text(), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RtfReaderInput,
    testing::Values(
        ReaderCase{"ExtraClosingBraces", "{\\rtf1 abc}}}}", "abc"},
        ReaderCase{"Unclosed", "{\\rtf1 abc", "abc"},
        ReaderCase{"UnclosedGroups", "{\\rtf1 {{{ab", "ab"},
        ReaderCase{"TextAfterTheDocumentIgnored", "{\\rtf1 ab}cd", "ab"},
        ReaderCase{"ThousandDigits",
                   "{\\rtf1\\fs" + QByteArray(1000, '9') + " abc\\up-" + QByteArray(1000, '9') +
                       " d}",
                   "abcd"},
        ReaderCase{"HugeBinary", "{\\rtf1 a\\bin999999999999 xyz}", "a"},
        ReaderCase{"BinaryData", "{\\rtf1 a{\\*\\x\\bin3 }}}}b}", "ab"},
        ReaderCase{"TruncatedHex", "{\\rtf1 a\\'", "a"},
        ReaderCase{"ControlByteHex", "{\\rtf1 a\\'e}", "a"},
        ReaderCase{"BadHex", "{\\rtf1 a\\'zz}", "azz"},
        ReaderCase{"UnicodeOutOfRange", "{\\rtf1 \\u70000?x\\u-40000?}", "\ufffdx\ufffd"},
        ReaderCase{"UnicodeNegative", "{\\rtf1 \\u-3913?\\u61623?}", "\uf0b7\uf0b7"},
        ReaderCase{"UnicodeSkipCount", "{\\rtf1\\uc2 \\u8364ab c}", "\u20ac c"},
        ReaderCase{"UnicodeSkipCountPerGroup", "{\\rtf1\\uc2{\\uc0 \\u8364}\\u8364xyz}",
                   "\u20ac\u20acz"},
        ReaderCase{"UnicodeSkipsEscapes", "{\\rtf1\\uc1 \\u8364\\'80x}", "\u20acx"},
        ReaderCase{"NulBytes", QByteArray("{\\rtf1 a\0b\\'00c}", 16), "abc"},
        ReaderCase{"Breaks", "{\\rtf1 a\\par b\\line c\\tab d\\par\\par}", "a\r\nb\r\nc\td\r\n"},
        ReaderCase{"IgnorableDestination", "{\\rtf1 a{\\*\\foo b{c}}d}", "ad"},
        ReaderCase{"NonTextDestinations",
                   "{\\rtf1{\\stylesheet{\\s1 Heading;}}{\\info{\\title T}}a{\\pict 0102}b"
                   "{\\header h}{\\footer f}{\\footnote n}c}",
                   "abc"},
        ReaderCase{"UnknownWordsIgnored", "{\\rtf1\\qwerty12 a\\zz-3 b}", "ab"},
        ReaderCase{"ControlSymbols", "{\\rtf1 a\\~b\\-c\\_d\\{\\}\\\\}", "a\u00a0bc\u2011d{}\\"},
        ReaderCase{"Empty", "{\\rtf1}", ""}),
    [](const testing::TestParamInfo<ReaderCase> &info) { return std::string(info.param.name); });

TEST(RtfReader, NestingAHundredThousandDeep)
{
    const QByteArray rtf =
        "{\\rtf1 " + QByteArray(100000, '{') + "\\b x" + QByteArray(100000, '}') + "y}";
    const RichDocument doc = read(rtf);
    EXPECT_EQ(doc.text(), "xy");
    EXPECT_TRUE(doc.formatAt(0).bold);
    EXPECT_FALSE(doc.formatAt(1).bold);
}

TEST(RtfReader, BadIndicesAndSizesKeepTheDefaults)
{
    RichDocument doc;
    doc.setBaseFontSize(15);
    doc.setRtf("{\\rtf1{\\fonttbl{\\f0 Foo;}}{\\colortbl;\\red255\\green0\\blue0;}"
               "\\f7\\cf5\\fs1 a\\f0\\cf1\\fs4000 b\\fs2\\cf-3 c\\fs0\\f-1 d}");
    EXPECT_EQ(doc.formatAt(0), (CharFormat{"Arial", 15, 0}));
    EXPECT_EQ(doc.formatAt(1), (CharFormat{"Foo", 15, 0x0000FF}));
    EXPECT_EQ(doc.formatAt(2), (CharFormat{"Foo", 1, 0}));
    EXPECT_EQ(doc.formatAt(3), (CharFormat{"Arial", 15, 0}));
}

TEST(RtfReader, AttributesAndTheirOffForms)
{
    const RichDocument doc = read("{\\rtf1\\b\\i\\up6 a\\b0\\i0\\up0 b\\dn4 c\\plain d"
                                  "\\fs20\\super e\\sub f\\nosupersub g}");
    EXPECT_EQ(doc.formatAt(0), (CharFormat{"Arial", 12, 0, true, true, 60}));
    EXPECT_EQ(doc.formatAt(1), (CharFormat{"Arial", 12, 0, false, false, 0}));
    EXPECT_EQ(doc.formatAt(2).offset, -40);
    EXPECT_EQ(doc.formatAt(3), doc.defaultFormat());
    EXPECT_GT(doc.formatAt(4).offset, 0);
    EXPECT_LT(doc.formatAt(5).offset, 0);
    EXPECT_EQ(doc.formatAt(6).offset, 0);
    EXPECT_EQ(doc.formatAt(6).size, 10.0);
}

// A document as a word processor puts it on the clipboard, written for this test from the
// format's rules: style sheet, document information, generator, list and picture groups,
// \pard\plain per paragraph, \uc with negative \u values, fields, tabs and line breaks.
TEST(RtfReader, WordProcessorDocument)
{
    QFile file(QStringLiteral(KERNCRAFT_TEST_DATA "/wordprocessor.rtf"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const RichDocument doc = read(file.readAll());
    EXPECT_EQ(doc.text(), QString("Heading\r\n"
                                  "Bold red text, then italic blue \u2013 caf\u00e9 \u20ac5.\r\n"
                                  "Col1\tCol2\r\n"
                                  "Line one\r\nLine two x\u00b2 H\u2082O \u05e9\u05dc\u05d5\u05dd "
                                  "\uf0b7 link text end"))
        << doc.text().toStdString();
    const QString text = doc.text();
    const CharFormat heading = doc.formatAt(0);
    EXPECT_EQ(heading.face, "Liberation Serif");
    EXPECT_EQ(heading.size, 16.0);
    EXPECT_TRUE(heading.bold);
    const CharFormat red = doc.formatAt(int(text.indexOf("Bold red")));
    EXPECT_EQ(red, (CharFormat{"Liberation Sans", 11, 0x0000FF, true, false, 0}));
    const CharFormat blue = doc.formatAt(int(text.indexOf("italic blue")));
    EXPECT_EQ(blue, (CharFormat{"Liberation Sans", 11, 0xFF0000, false, true, 0}));
    EXPECT_EQ(doc.formatAt(int(text.indexOf(u'\u00b2'))).offset, 60);
    EXPECT_EQ(doc.formatAt(int(text.indexOf(u'\u2082'))).offset, -40);
    EXPECT_EQ(doc.formatAt(int(text.indexOf(u'\uf0b7'))).face, "Symbol");
    EXPECT_EQ(doc.formatAt(int(text.indexOf("end"))), (CharFormat{"Liberation Sans", 11, 0}));
}

} // namespace
