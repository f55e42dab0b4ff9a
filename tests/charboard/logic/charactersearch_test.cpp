// Tests of finding characters by name, by code point and by pasting them.
#include "logic/charactersearch.h"
#include "logic/nameindex.h"

#include <gtest/gtest.h>

namespace {

struct Query {
    const char *label;
    const char *query;
    char32_t first;
};

class CharacterSearchFinds : public ::testing::TestWithParam<Query> {};

TEST_P(CharacterSearchFinds, TheCharacterComesFirst)
{
    const QList<char32_t> found =
        CharacterSearch::find(QString::fromUtf8(GetParam().query), NameIndex::shared());
    ASSERT_FALSE(found.isEmpty());
    EXPECT_EQ(found.first(), GetParam().first);
}

INSTANTIATE_TEST_SUITE_P(Queries, CharacterSearchFinds,
                         ::testing::Values(Query{"Copyright", "copyright", 0xA9},
                                           Query{"CodePoint", "U+2701", 0x2701},
                                           Query{"LowerCaseCodePoint", "u+1f600", 0x1F600},
                                           Query{"BareHex", "2701", 0x2701},
                                           Query{"Pasted", "✁", 0x2701},
                                           Query{"FullName", "rightwards arrow", 0x2192}),
                         [](const auto &info) { return std::string(info.param.label); });

TEST(CharacterSearch, WordsInAnyOrderAndCaseFindEveryNameHoldingThem)
{
    const QList<char32_t> found = CharacterSearch::find("Arrow RIGHT", NameIndex::shared());
    EXPECT_TRUE(found.contains(0x2192));  // RIGHTWARDS ARROW
    EXPECT_TRUE(found.contains(0x2194));  // LEFT RIGHT ARROW
    EXPECT_FALSE(found.contains(0x2190)); // LEFTWARDS ARROW
    // A name typed in full comes before the names that merely hold its words.
    EXPECT_EQ(CharacterSearch::find("left right arrow", NameIndex::shared()).value(0), 0x2194u);
    EXPECT_EQ(found.size(), QSet<char32_t>(found.begin(), found.end()).size());
}

TEST(CharacterSearch, NothingFoundAndPlainCodes)
{
    EXPECT_TRUE(CharacterSearch::find("   ", NameIndex::shared()).isEmpty());
    EXPECT_TRUE(CharacterSearch::find("xqzzyx", NameIndex::shared()).isEmpty());
    EXPECT_EQ(CharacterSearch::find("✁ ✂✁", NameIndex::shared()),
              (QList<char32_t>{0x2701, 0x2702}));
    EXPECT_EQ(CharacterSearch::codePointOf("U+D800"), -1); // a surrogate is no character
    EXPECT_EQ(CharacterSearch::codePointOf("U+110000"), -1);
    EXPECT_EQ(CharacterSearch::codePointOf("41"), -1); // too short to read as a code
    EXPECT_FALSE(CharacterSearch::searchesNames("U+00A9"));
    EXPECT_TRUE(CharacterSearch::searchesNames("heart"));
}

TEST(NameIndex, HoldsEveryNamedCharacterCompactly)
{
    const NameIndex &index = NameIndex::shared();
    EXPECT_GT(index.size(), 140000);
    EXPECT_LT(index.memoryBytes(), 20 * 1024 * 1024);
}

} // namespace
