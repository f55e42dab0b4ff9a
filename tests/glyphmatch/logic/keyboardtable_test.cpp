// Glyphmatch's table rules: the size rule, the column widths, the character layout and the title.
#include "logic/keyboardtable.h"

#include <gtest/gtest.h>

namespace {

struct SizeCase {
    const char *name;
    const char *text;
    const char *expected;
};

class SizeRuleTest : public ::testing::TestWithParam<SizeCase> {};

TEST_P(SizeRuleTest, BringsTheTextIntoRange)
{
    EXPECT_EQ(KeyboardTable::normaliseSizeText(QString::fromUtf8(GetParam().text)),
              QString::fromLatin1(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, SizeRuleTest,
    ::testing::Values(SizeCase{"BelowTen", "5", "10"}, SizeCase{"AboveThirtySix", "40", "36"},
                      SizeCase{"NoDigits", "large", "24"}, SizeCase{"Empty", "", "24"},
                      SizeCase{"WholePartNotNearest", "22.9", "22"},
                      SizeCase{"LeadingNumberOnly", " 18pt", "18"},
                      SizeCase{"NegativeHalfFloorsToMinusOne", "-0.5", "10"},
                      SizeCase{"BelowOneIsZero", "0.7", "24"}, SizeCase{"Limits10", "10", "10"},
                      SizeCase{"Limits36", "36", "36"}, SizeCase{"Huge", "1e300", "36"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(KeyboardTable, CharacterColumnsGrowWithTheSize)
{
    EXPECT_EQ(KeyboardTable::characterColumnWidth(10), 460);
    EXPECT_EQ(KeyboardTable::characterColumnWidth(24), 544);
    EXPECT_EQ(KeyboardTable::characterColumnWidth(36), 616);
}

TEST(KeyboardTable, SequenceReadsDownTheGroups)
{
    ASSERT_EQ(KeyboardTable::sequence().size(), 96);
    EXPECT_EQ(KeyboardTable::character(0, 0), u'A');
    EXPECT_EQ(KeyboardTable::character(2, 1), u'Z');
    EXPECT_EQ(KeyboardTable::character(2, 2), u'a');
    EXPECT_EQ(KeyboardTable::character(4, 4), u'1');
    EXPECT_EQ(KeyboardTable::character(5, 1), u'0');
    EXPECT_EQ(KeyboardTable::character(5, 4), QChar(0x00A4)); // the currency sign, not the pound
    EXPECT_EQ(KeyboardTable::character(6, 0), u'-');
    EXPECT_EQ(KeyboardTable::character(7, 8), u'\\');
    EXPECT_EQ(KeyboardTable::character(7, 10), u'`');
    EXPECT_EQ(KeyboardTable::character(7, 11), QChar(0x00AC));
    EXPECT_TRUE(KeyboardTable::character(8, 0).isNull());
    EXPECT_TRUE(KeyboardTable::character(0, 12).isNull());
    // Every key appears once.
    QString seen;
    for (QChar c : KeyboardTable::sequence()) {
        EXPECT_FALSE(seen.contains(c)) << QString(c).toStdString();
        seen += c;
    }
}

TEST(KeyboardTable, TitleLeavesOutTheWellKnownTextFonts)
{
    EXPECT_EQ(KeyboardTable::pageTitle("Arial", "Wingdings"), "Wingdings");
    EXPECT_EQ(KeyboardTable::pageTitle("Arial Narrow", "Webdings"), "Webdings");
    EXPECT_EQ(KeyboardTable::pageTitle("Times New Roman", "Symbol"), "Symbol");
    EXPECT_EQ(KeyboardTable::pageTitle("times new roman", "Symbol"), "Symbol");
    EXPECT_EQ(KeyboardTable::pageTitle("Verdana", "Wingdings"), "Verdana - Wingdings");
}

} // namespace
