// Charboard's codes: the grid layout, the Windows-1252 characters, keypad codes and hints.
#include "logic/charcodes.h"

#include <gtest/gtest.h>

namespace {

TEST(CharCodes, CellsHoldCodes32To255RowByRow)
{
    EXPECT_EQ(CharCodes::codeAt(0, 0), 32);
    EXPECT_EQ(CharCodes::codeAt(2, 0), 64);
    EXPECT_EQ(CharCodes::codeAt(13, 15), 255);
    EXPECT_EQ(CharCodes::codeAt(14, 0), -1);
    EXPECT_EQ(CharCodes::codeAt(0, 16), -1);
    EXPECT_EQ(CharCodes::codeAt(-1, 3), -1);
}

TEST(CharCodes, CharactersAreWindows1252)
{
    EXPECT_EQ(CharCodes::character(32), " ");
    EXPECT_EQ(CharCodes::character(65), "A");
    EXPECT_EQ(CharCodes::character(128), QString(QChar(0x20AC)));
    EXPECT_EQ(CharCodes::character(150), QString(QChar(0x2013)));
    EXPECT_EQ(CharCodes::character(169), QString(QChar(0x00A9)));
    EXPECT_EQ(CharCodes::character(255), QString(QChar(0x00FF)));
    EXPECT_EQ(CharCodes::character(256), "");
}

struct KeypadCase {
    int code;
    const char *keypad;
    const char *digits;
};

class KeypadTest : public ::testing::TestWithParam<KeypadCase> {};

TEST_P(KeypadTest, CaptionAndTooltipNameTheDigits)
{
    const KeypadCase &c = GetParam();
    EXPECT_EQ(CharCodes::keypadCode(c.code), QString::fromLatin1(c.keypad));
    EXPECT_EQ(CharCodes::altCaption(c.code),
              QStringLiteral("Alt + ") + QString::fromLatin1(c.keypad));
    EXPECT_EQ(CharCodes::altTooltip(c.code),
              QStringLiteral("To insert this character into any Windows program, hold down Alt and "
                             "press ") +
                  QString::fromLatin1(c.digits) +
                  QStringLiteral(" on the KEYPAD (the numbers on the right of your keyboard).  "
                                 "Release Alt to insert the character."));
}

INSTANTIATE_TEST_SUITE_P(Codes, KeypadTest,
                         ::testing::Values(KeypadCase{32, "32", "3, then 2"},
                                           KeypadCase{65, "65", "6, then 5"},
                                           KeypadCase{127, "127", "1, then 2, then 7"},
                                           KeypadCase{128, "0128", "0, then 1, then 2, then 8"},
                                           KeypadCase{169, "0169", "0, then 1, then 6, then 9"},
                                           KeypadCase{255, "0255", "0, then 2, then 5, then 5"}),
                         [](const auto &info) { return "Code" + std::to_string(info.param.code); });

TEST(CharCodes, AppendingAddsOneCharacterAtTheEnd)
{
    EXPECT_EQ(CharCodes::appended("", "A"), "A");
    EXPECT_EQ(CharCodes::appended("ab", QString(QChar(0x20AC))), QString("ab") + QChar(0x20AC));
    EXPECT_EQ(CharCodes::appended("ab", " "), "ab ");
    // The codes the code page leaves undefined, and DEL, add their character too: a symbol
    // font draws glyphs there.
    for (const int code : {0x7F, 0x81, 0x8D, 0x8F, 0x90, 0x9D}) {
        const QString text = CharCodes::appended("ab", CharCodes::character(code));
        ASSERT_EQ(text.size(), 3) << code;
        EXPECT_EQ(text.at(2).unicode(), code) << code;
    }
    EXPECT_EQ(CharCodes::appended("ab", ""), "ab");
}

} // namespace
