// Symbol fonts recognised by what they hold: run with a private fontconfig setup whose only font
// is D050000L's OpenType file (without the Type 1 copy Debian installs beside it), so that
// nothing else can answer for it.
#include "fonts/symbolequivalents.h"
#include "widgets/fonts/fontglyphnames.h"
#include "widgets/fonts/qtfontcatalog.h"
#include "widgets/fonts/symbolfont.h"

#include <gtest/gtest.h>

namespace {

TEST(PrivateFonts, AnOpenTypeDingbatFontIsASymbolFontEverywhere)
{
    ASSERT_TRUE(qEnvironmentVariable("FONTCONFIG_FILE").endsWith("fonts.conf"));
    const FontGlyphNames::Face face = FontGlyphNames::faceOf("D050000L");
    ASSERT_TRUE(face.isValid());
    EXPECT_TRUE(face.file.endsWith(".otf"));
    // Its character map is Unicode: code 33 draws the scissors, whose glyph is named a1.
    EXPECT_FALSE(FontGlyphNames::hasSymbolMap(face));
    EXPECT_EQ(FontGlyphNames::namesByCode(face).value(0x21), "a1");
    EXPECT_TRUE(SymbolFont::isSymbolEncoded("D050000L"));
    // Charboard's information and Copy as Unicode, Glyphmatch's cell titles.
    EXPECT_EQ(SymbolFont::equivalents("D050000L").value(0x21), QString(QChar(0x2701)));
    EXPECT_EQ(SymbolFont::equivalents("D050000L").value(0x41), QString(QChar(0x2721)));
    // Facelister's filter and the RTF writer's font table ask the catalog.
    const QtFontCatalog catalog;
    EXPECT_TRUE(catalog.names().contains("D050000L"));
    EXPECT_TRUE(catalog.symbolFontNames().contains("D050000L"));
}

} // namespace
