// Tests of what Charboard tells about a character (ICU's names, blocks and categories) and of
// the chooser's sets for a real font.
#include "logic/charactersets.h"
#include "logic/unicodecharacter.h"
#include "widgets/fonts/fontglyphnames.h"

#include <gtest/gtest.h>

namespace {

struct Details {
    const char *label;
    char32_t code;
    const char *name;
    const char *block;
    const char *category;
    const char *utf8;
    const char *utf16;
};

class CharacterDetails : public ::testing::TestWithParam<Details> {};

TEST_P(CharacterDetails, NameBlockCategoryAndEncodings)
{
    const Details &d = GetParam();
    EXPECT_EQ(UnicodeCharacter::name(d.code), d.name);
    EXPECT_EQ(UnicodeCharacter::blockName(d.code), d.block);
    EXPECT_EQ(UnicodeCharacter::categoryName(d.code), d.category);
    EXPECT_EQ(UnicodeCharacter::utf8Bytes(d.code), d.utf8);
    EXPECT_EQ(UnicodeCharacter::utf16Units(d.code), d.utf16);
}

INSTANTIATE_TEST_SUITE_P(
    Characters, CharacterDetails,
    ::testing::Values(Details{"Copyright", 0xA9, "COPYRIGHT SIGN", "Latin 1 Supplement",
                              "Other Symbol", "C2 A9", "00A9"},
                      Details{"CombiningAcute", 0x301, "COMBINING ACUTE ACCENT",
                              "Combining Diacritical Marks", "Nonspacing Mark", "CC 81", "0301"},
                      Details{"Emoji", 0x1F600, "GRINNING FACE", "Emoticons", "Other Symbol",
                              "F0 9F 98 80", "D83D DE00"},
                      Details{"OutsideTheBmp", 0x1D11E, "MUSICAL SYMBOL G CLEF", "Musical Symbols",
                              "Other Symbol", "F0 9D 84 9E", "D834 DD1E"},
                      Details{"Control", 0x09, "<control-0009>", "Basic Latin", "Control", "09",
                              "0009"}),
    [](const auto &info) { return std::string(info.param.label); });

TEST(CharacterSets, DejaVuSansOffersItsBlocksWithCounts)
{
    const QList<char32_t> coverage =
        FontGlyphNames::codePoints(FontGlyphNames::faceOf(QStringLiteral("DejaVu Sans")));
    ASSERT_GT(coverage.size(), 3000);
    const QList<CharacterSets::Choice> choices = CharacterSets::forFont(coverage, false);
    ASSERT_GE(choices.size(), 3);
    EXPECT_EQ(choices[0].label, QString::fromUtf8("Windows-1252 (32–255)"));
    EXPECT_EQ(choices[1].label, "All characters in this font");
    QStringList labels;
    qsizetype inBlocks = 0;
    for (const CharacterSets::Choice &choice : choices.sliced(2)) {
        labels.append(choice.label);
        inBlocks += CharacterSets::characters(choice, coverage).size();
    }
    EXPECT_EQ(labels.first(), "Basic Latin (95 of 128)");
    EXPECT_TRUE(labels.contains("Arrows (112 of 112)")) << labels.join(", ").toStdString();
    EXPECT_TRUE(labels.contains("Box Drawing (128 of 128)"));
    EXPECT_TRUE(labels.contains("Cyrillic (256 of 256)")) << labels.join(", ").toStdString();
    // Every character of the font lies in exactly one block, and the blocks come in order.
    EXPECT_EQ(inBlocks, coverage.size());
    for (qsizetype i = 3; i < choices.size(); ++i)
        EXPECT_LT(choices[i - 1].last, choices[i].first);
    EXPECT_EQ(CharacterSets::characters(choices[1], coverage), coverage);
}

TEST(CharacterSets, SymbolFontsAndUnknownFontsKeepTheDesignedPageOnly)
{
    EXPECT_EQ(CharacterSets::forFont({0x41, 0x2701}, true).size(), 1);
    EXPECT_EQ(CharacterSets::forFont({}, false).size(), 1);
    const auto choices = CharacterSets::forFont({0x41, 0x42, 0x2192}, false);
    ASSERT_EQ(choices.size(), 4);
    EXPECT_EQ(CharacterSets::sameChoice(choices, choices[3]), 3);
    EXPECT_EQ(CharacterSets::sameChoice(CharacterSets::forFont({0x41}, false), choices[3]), -1);
}

} // namespace
