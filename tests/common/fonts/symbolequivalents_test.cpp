// Glyph names to Unicode, the equivalents of installed symbol fonts, and missing glyphs.
#include "encoding/cp1252.h"
#include "fonts/glyphnames.h"
#include "fonts/symbolequivalents.h"
#include "widgets/fonts/fontglyphnames.h"
#include "widgets/fonts/publishedmappings.h"
#include "widgets/fonts/symbolfont.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

TEST(GlyphNames, MapsNamesOfBothListsAndTheNumericForms)
{
    const struct {
        const char *name;
        QString text;
    } cases[] = {
        {"A", "A"},
        {"universal", QString(QChar(0x2200))},
        {"copyright", QString(QChar(0x00A9))},
        {"Euro", QString(QChar(0x20AC))},
        {"dalethatafpatah", QString(QChar(0x05D3)) + QChar(0x05B2)},
        {"a1", QString(QChar(0x2701))},
        {"a71", QString(QChar(0x25CF))},
        {"a206", QString(QChar(0x2770))},
        {"f_i", "fi"},
        {"A.swash", "A"},
        {"uni20AC0041", QString(QChar(0x20AC)) + "A"},
        {"u1F600", QString::fromUcs4(U"\U0001F600", 1)},
        {"notaglyph", ""},
        {"a0", ""},
        {"uni20ac", ""},     // lower-case digits are not a code
        {"uniD800", ""},     // a surrogate is not a character
        {"u110000", ""},     // beyond Unicode
        {"f_notaglyph", ""}, // one unknown part spoils the ligature
        {".notdef", ""},
        {"", ""},
    };
    for (const auto &c : cases)
        EXPECT_EQ(GlyphNames::toUnicode(c.name), c.text) << c.name;
}

TEST(SymbolEquivalents, PrivateUseNamesAndMissingNamesHaveNone)
{
    EXPECT_EQ(SymbolEquivalents::fromGlyphName("copyrightsans"), ""); // U+F6D9
    QList<QByteArray> names(256);
    names[0x21] = "a1";
    names[0x22] = "uniF022";
    const QStringList equivalents = SymbolEquivalents::fromGlyphNames(names);
    ASSERT_EQ(equivalents.size(), 256);
    EXPECT_EQ(equivalents[0x21], QString(QChar(0x2701)));
    EXPECT_EQ(equivalents[0x22], "");
    EXPECT_EQ(equivalents[0x23], "");
    EXPECT_EQ(SymbolEquivalents::fromGlyphNames({}).size(), 256); // a font with no names
}

TEST(SymbolEquivalents, UnicodeTextReplacesOnlyCodesThatHaveOne)
{
    QStringList equivalents(256);
    equivalents[0x21] = QString(QChar(0x2701));
    equivalents[0x80] = QString(QChar(0x2794));
    const QString collected = QStringLiteral("!A") + Cp1252::toUnicode(0x80) + QChar(0x2603);
    EXPECT_EQ(SymbolEquivalents::unicodeText(collected, equivalents),
              QString(QChar(0x2701)) + "A" + QChar(0x2794) + QChar(0x2603));
    EXPECT_EQ(SymbolEquivalents::ofTextFont()[0x80], QString(QChar(0x20AC)));
    EXPECT_EQ(SymbolEquivalents::ofTextFont()[0x81], "");
}

TEST(SymbolEquivalents, OfInstalledSymbolFontsComeFromTheirGlyphNames)
{
    ASSERT_TRUE(FontGlyphNames::faceOf("d050000l").isValid());
    const QStringList dingbats = SymbolFont::equivalents("D050000L");
    EXPECT_EQ(dingbats[0x21], QString(QChar(0x2701))); // a1
    EXPECT_EQ(dingbats[0x41], QString(QChar(0x2721))); // a10
    EXPECT_EQ(dingbats[0xAD], QString(QChar(0x2461))); // a121
    const QStringList symbols = SymbolFont::equivalents("Standard Symbols PS");
    EXPECT_EQ(symbols[0x22], QString(QChar(0x2200))); // universal
    EXPECT_EQ(symbols[0x61], QString(QChar(0x03B1))); // alpha
    EXPECT_EQ(symbols[0xB5], QString(QChar(0x221D))); // proportional
    EXPECT_EQ(symbols[0x81], "");                     // no glyph
    EXPECT_EQ(SymbolFont::equivalents("DejaVu Sans")[0xA9], QString(QChar(0x00A9)));
    EXPECT_FALSE(FontGlyphNames::faceOf("No Such Family").isValid());
    EXPECT_EQ(FontGlyphNames::namesByCode({}).size(), 256);
}

TEST(SymbolEquivalents, PublishedTablesServeFontsWithoutUsableNames)
{
    QByteArray text = "# Encoding file: test, single-byte\nS\n003F 0 1\n00\n";
    for (int row = 0; row < 16; ++row) {
        QByteArray line;
        for (int column = 0; column < 16; ++column) {
            const int code = row * 16 + column;
            const int mapped = code == 0x21 ? 0x2701 : code == 0x22 ? 0xF022 : code;
            line += QByteArray::number(mapped, 16).rightJustified(4, '0').toUpper();
        }
        text += line + "\n";
    }
    const QStringList table = SymbolEquivalents::fromMappingTable(text);
    ASSERT_EQ(table.size(), 256);
    EXPECT_EQ(table[0x21], QString(QChar(0x2701)));
    EXPECT_EQ(table[0x22], ""); // private use
    EXPECT_EQ(table[0x85], ""); // a C1 control code
    EXPECT_EQ(table[0x41], "A");
    EXPECT_TRUE(SymbolEquivalents::fromMappingTable(text.left(text.size() - 70)).isEmpty());
    EXPECT_TRUE(SymbolEquivalents::fromMappingTable("not a table").isEmpty());

    const QStringList none(256);
    QStringList some(256);
    some[0x30] = "0";
    EXPECT_EQ(SymbolEquivalents::withPublishedTable(none, table), table);
    EXPECT_EQ(SymbolEquivalents::withPublishedTable(some, table), some);
    EXPECT_EQ(SymbolEquivalents::withPublishedTable(none, {}), none);

    // The platform's copy of the Symbol encoding (set up with Tcl).
    const QStringList symbol = PublishedMappings::forFamily("Symbol");
    ASSERT_EQ(symbol.size(), 256);
    EXPECT_EQ(symbol[0x22], QString(QChar(0x2200)));
    EXPECT_EQ(PublishedMappings::forFamily("Zapf Dingbats").value(0x21), QString(QChar(0x2701)));
    EXPECT_TRUE(PublishedMappings::forFamily("DejaVu Sans").isEmpty());
}

TEST(SymbolFont, KnowsWhichCodesAFontLacks)
{
    EXPECT_TRUE(SymbolFont::hasGlyph("Standard Symbols PS", u'a'));
    EXPECT_FALSE(SymbolFont::hasGlyph("Standard Symbols PS", QChar(0x81)));
    EXPECT_TRUE(SymbolFont::hasGlyph("DejaVu Sans", QChar(0x20AC)));
    EXPECT_FALSE(SymbolFont::hasGlyph("DejaVu Sans", QChar(0x81))); // undefined in the code page
    EXPECT_FALSE(SymbolFont::hasGlyph("Liberation Serif", QChar(0x2701)));
}

} // namespace

namespace {

QList<QByteArray> namesAt(int first, const QList<QByteArray> &names)
{
    QList<QByteArray> byCode(256);
    for (qsizetype i = 0; i < names.size(); ++i)
        byCode[first + i] = names[i];
    return byCode;
}

TEST(SymbolEquivalents, GlyphNamesSayWhetherTheCodesAreTheirCharacters)
{
    const struct {
        const char *label;
        QList<QByteArray> names;
        bool symbol;
    } cases[] = {
        {"dingbats",
         namesAt(0x21, {"a1", "a2", "a202", "a3", "a4", "a5", "a119", "a118", "a117", "a11", "a12",
                        "a13"}),
         true},
        {"Greek symbols",
         namesAt(0x41, {"Alpha", "Beta", "Chi", "Delta", "Epsilon", "Phi", "Gamma", "Eta", "Iota",
                        "theta1"}),
         true},
        {"private use names",
         namesAt(0x41, {"uniF041", "uniF042", "uniF043", "uniF044", "uniF045", "uniF046", "uniF047",
                        "uniF048"}),
         true},
        {"Latin letters", namesAt(0x41, {"A", "B", "C", "D", "E", "F", "G", "H", "I", "J"}), false},
        // A Latin font that lacks some characters is still a text font.
        {"Latin with gaps", namesAt(0x41, {"A", "", "C", "", "E", "", "G", "H", "I", "J", "K"}),
         false},
        {"unknown names", namesAt(0x41, {"g1", "g2", "g3", "g4", "g5", "g6", "g7", "g8", "g9"}),
         false},
        {"too few names", namesAt(0x21, {"a1", "a2", "a3"}), false},
    };
    for (const auto &c : cases)
        EXPECT_EQ(SymbolEquivalents::namesSaySymbol(c.names), c.symbol) << c.label;
}

TEST(FontGlyphNames, ATruncatedOrDamagedFontFileReadsAsNoFont)
{
    const FontGlyphNames::Face real = FontGlyphNames::faceOf("DejaVu Sans");
    ASSERT_TRUE(real.isValid());
    QFile source(real.file);
    ASSERT_TRUE(source.open(QIODevice::ReadOnly));
    const QByteArray bytes = source.readAll();
    QTemporaryDir folder;
    for (const qsizetype length : {qsizetype(0), qsizetype(12), bytes.size() / 2}) {
        const QString path = folder.filePath(QStringLiteral("cut-%1.ttf").arg(length));
        QFile cut(path);
        ASSERT_TRUE(cut.open(QIODevice::WriteOnly));
        cut.write(bytes.left(length));
        cut.close();
        const FontGlyphNames::Face face{path, 0};
        // Whatever FreeType can still make of it, reading never crashes and never invents a
        // symbol map.
        const QList<QByteArray> names = FontGlyphNames::namesByCode(face);
        EXPECT_EQ(names.size(), 256) << length;
        EXPECT_FALSE(FontGlyphNames::hasSymbolMap(face)) << length;
        EXPECT_LE(FontGlyphNames::codePoints(face).size(), 6000) << length;
    }
    EXPECT_TRUE(FontGlyphNames::codePoints({folder.filePath("missing.ttf"), 0}).isEmpty());
    EXPECT_GT(FontGlyphNames::codePoints(real).size(), 3000);
}

} // namespace
