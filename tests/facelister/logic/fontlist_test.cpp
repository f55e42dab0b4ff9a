// The font list: the two filters, the build, remove, capitalise and the plain-text copy.
#include "fakes/fakefontcatalog.h"
#include "logic/fontlist.h"

#include <gtest/gtest.h>

namespace {

struct FilterCase {
    const char *label;
    const char *name;
    bool normal;
    bool notSystem;
};

class FilterTest : public ::testing::TestWithParam<FilterCase> {};

TEST_P(FilterTest, ClassifiesName)
{
    FontList list;
    EXPECT_EQ(list.isNormal(QString::fromUtf8(GetParam().name)), GetParam().normal);
    EXPECT_EQ(FontList::isNotSystem(QString::fromUtf8(GetParam().name)), GetParam().notSystem);
}

INSTANTIATE_TEST_SUITE_P(
    Names, FilterTest,
    ::testing::Values(FilterCase{"Arial", "Arial", true, true},
                      FilterCase{"Courier", "Courier", true, false},
                      FilterCase{"CourierNew", "Courier New", true, true},
                      FilterCase{"CourierBeforeCourierNew", "Courier Courier New", true, false},
                      FilterCase{"NewCourier", "New Courier", true, false},
                      FilterCase{"Script", "Script", true, false},
                      FilterCase{"ScriptLowerCase", "script", true, false},
                      FilterCase{"ScriptMTBold", "Script MT Bold", true, true},
                      FilterCase{"Stencil", "Stencil", true, false},
                      FilterCase{"StencilStd", "Stencil Std", true, true},
                      FilterCase{"Fixedsys", "Fixedsys", false, false},
                      FilterCase{"CambriaMath", "Cambria Math", false, true},
                      FilterCase{"Aftermath", "Aftermath", false, true},
                      FilterCase{"MSSansSerif", "MS Sans Serif", true, false},
                      FilterCase{"MSSerif", "MS Serif", true, false},
                      FilterCase{"SmallFonts", "Small Fonts", true, false},
                      FilterCase{"Terminal", "Terminal", true, false},
                      FilterCase{"SystemLower", "system", true, false},
                      FilterCase{"AndaleMonoIPA", "Andale Mono IPA", false, true},
                      FilterCase{"AndaleMono", "Andale Mono", true, true},
                      FilterCase{"Maestro", "Maestro", false, true},
                      FilterCase{"MSReferenceSansSerif", "MS Reference Sans Serif", false, true},
                      FilterCase{"Symbolic", "Symbolic", false, true},
                      FilterCase{"Dingbat", "D050000L", true, true},
                      FilterCase{"Empty", "", true, true}),
    [](const auto &info) { return std::string(info.param.label); });

TEST(FontListTest, CapsOnlyFontIsListedInCapitalsByTheTestItself)
{
    FontList list;
    EXPECT_FALSE(list.isNormal(QStringLiteral("Slim Jim")));
    EXPECT_EQ(list.entries(), QStringList{QStringLiteral("SLIM JIM")});
    EXPECT_FALSE(list.isNormal(QStringLiteral("Inkblot Baby Pro")));
    EXPECT_EQ(list.count(), 2);
}

struct BuildCase {
    const char *label;
    bool symbol;
    bool system;
    QStringList expected;
};

class BuildTest : public ::testing::TestWithParam<BuildCase> {};

TEST_P(BuildTest, ListsWhatTheFiltersLetThrough)
{
    FakeFontCatalog catalog(
        {QStringLiteral("Slim Jim"), QStringLiteral("courier"), QStringLiteral("Arial"),
         QStringLiteral("Fixedsys"), QStringLiteral("Cambria Math"), QStringLiteral("Courier New"),
         QStringLiteral("Script"), QStringLiteral("Script MT Bold"), QStringLiteral("arial")});
    FontList list;
    list.build(catalog, GetParam().symbol, GetParam().system);
    EXPECT_EQ(list.entries(), GetParam().expected);
    EXPECT_EQ(list.installedCount(), 9);
    EXPECT_EQ(list.selected(), -1);
    EXPECT_EQ(list.builtWithSymbol(), GetParam().symbol);
    EXPECT_EQ(list.builtWithSystem(), GetParam().system);
    EXPECT_FALSE(list.filtersDiffer(GetParam().symbol, GetParam().system));
    EXPECT_TRUE(list.filtersDiffer(!GetParam().symbol, GetParam().system));
}

INSTANTIATE_TEST_SUITE_P(
    Filters, BuildTest,
    ::testing::Values(BuildCase{"Neither",
                                false,
                                false,
                                {"Arial", "arial", "Courier New", "Script MT Bold", "SLIM JIM"}},
                      BuildCase{"SymbolFonts",
                                true,
                                false,
                                {"Arial", "arial", "Cambria Math", "Courier New", "Script MT Bold",
                                 "SLIM JIM", "Slim Jim"}},
                      BuildCase{"SystemFonts",
                                false,
                                true,
                                {"Arial", "arial", "courier", "Courier New", "Script",
                                 "Script MT Bold", "SLIM JIM"}},
                      BuildCase{"Both",
                                true,
                                true,
                                {"Arial", "arial", "Cambria Math", "courier", "Courier New",
                                 "Fixedsys", "Script", "Script MT Bold", "SLIM JIM", "Slim Jim"}}),
    [](const auto &info) { return std::string(info.param.label); });

TEST(FontListTest, EmptyCatalogGivesEmptyListAndZeroCounts)
{
    FakeFontCatalog catalog;
    FontList list;
    list.build(catalog, false, false);
    EXPECT_EQ(list.count(), 0);
    EXPECT_EQ(list.availableText(), QStringLiteral("0 fonts available"));
    EXPECT_EQ(list.listedText(), QStringLiteral("0 fonts listed"));
    EXPECT_EQ(list.plainText(), QString());
}

TEST(FontListTest, ASymbolCharacterMapMakesASymbolFontWhateverTheName)
{
    FakeFontCatalog catalog({QStringLiteral("D050000L"), QStringLiteral("Nimbus Sans")});
    catalog.setSymbolFonts({QStringLiteral("D050000L")});
    FontList list;
    list.build(catalog, false, false);
    EXPECT_EQ(list.entries(), QStringList{QStringLiteral("Nimbus Sans")});
    list.build(catalog, true, false);
    EXPECT_EQ(list.entries(),
              (QStringList{QStringLiteral("D050000L"), QStringLiteral("Nimbus Sans")}));
}

TEST(FontListTest, ControlCharactersInNamesBecomeBlanks)
{
    FakeFontCatalog catalog({QStringLiteral("Odd\r\nName\t1")});
    FontList list;
    list.build(catalog, false, false);
    EXPECT_EQ(list.entries(), QStringList{QStringLiteral("Odd  Name 1")});
}

// The user's removals and capitals are work: a rebuild with either filter keeps them, by
// name, and only forgetting them brings the fonts back as installed.
struct PruningCase {
    const char *label;
    bool includeSymbol;
    bool includeSystem;
};

class PruningTest : public ::testing::TestWithParam<PruningCase> {};

TEST_P(PruningTest, RebuildKeepsRemovalsAndCapitalsUntilForgotten)
{
    FakeFontCatalog catalog({QStringLiteral("Arial"), QStringLiteral("Noto Mono"),
                             QStringLiteral("Liberation Mono"), QStringLiteral("Verdana")});
    FontList list;
    list.build(catalog, false, false);
    list.setSelected(list.indexOf(QStringLiteral("Noto Mono")));
    ASSERT_TRUE(list.removeSelected());
    list.setSelected(list.indexOf(QStringLiteral("Liberation Mono")));
    ASSERT_TRUE(list.capitaliseSelected());
    EXPECT_TRUE(list.hasPruning());

    list.build(catalog, GetParam().includeSymbol, GetParam().includeSystem);
    EXPECT_EQ(list.entries(),
              QStringList({QStringLiteral("Arial"), QStringLiteral("LIBERATION MONO"),
                           QStringLiteral("Verdana")}));
    EXPECT_EQ(list.availableText(), QStringLiteral("4 fonts available"));

    list.forgetPruning();
    list.build(catalog, GetParam().includeSymbol, GetParam().includeSystem);
    EXPECT_EQ(list.entries(),
              QStringList({QStringLiteral("Arial"), QStringLiteral("Liberation Mono"),
                           QStringLiteral("Noto Mono"), QStringLiteral("Verdana")}));
    EXPECT_FALSE(list.hasPruning());
}

INSTANTIATE_TEST_SUITE_P(Filters, PruningTest,
                         ::testing::Values(PruningCase{"SameFilters", false, false},
                                           PruningCase{"WithSymbolFonts", true, false},
                                           PruningCase{"WithSystemFonts", false, true}),
                         [](const auto &info) { return std::string(info.param.label); });

TEST(FontListTest, ARemovedCapitalisedEntryStaysRemoved)
{
    FakeFontCatalog catalog({QStringLiteral("Arial"), QStringLiteral("Verdana")});
    FontList list;
    list.build(catalog, false, false);
    list.setSelected(0);
    ASSERT_TRUE(list.capitaliseSelected());
    list.setSelected(list.indexOf(QStringLiteral("ARIAL")));
    ASSERT_TRUE(list.removeSelected());
    list.build(catalog, true, true);
    EXPECT_EQ(list.entries(), QStringList{QStringLiteral("Verdana")});
}

FontList threeFonts()
{
    FakeFontCatalog catalog(
        {QStringLiteral("Verdana"), QStringLiteral("Arial"), QStringLiteral("Tahoma")});
    FontList list;
    list.build(catalog, false, false);
    return list;
}

TEST(FontListTest, RemovingMiddleEntrySelectsTheOneAfter)
{
    FontList list = threeFonts();
    list.setSelected(1);
    ASSERT_TRUE(list.removeSelected());
    EXPECT_EQ(list.entries(), QStringList({QStringLiteral("Arial"), QStringLiteral("Verdana")}));
    EXPECT_EQ(list.entries().at(list.selected()), QStringLiteral("Verdana"));
}

TEST(FontListTest, RemovingLastEntrySelectsTheOneBefore)
{
    FontList list = threeFonts();
    list.setSelected(2);
    ASSERT_TRUE(list.removeSelected());
    EXPECT_EQ(list.entries(), QStringList({QStringLiteral("Arial"), QStringLiteral("Tahoma")}));
    EXPECT_EQ(list.selected(), 1);
    ASSERT_TRUE(list.removeSelected());
    ASSERT_TRUE(list.removeSelected());
    EXPECT_EQ(list.count(), 0);
    EXPECT_EQ(list.selected(), -1);
    EXPECT_FALSE(list.removeSelected());
}

TEST(FontListTest, RemoveAndCapitaliseWithoutSelectionChangeNothing)
{
    FontList list = threeFonts();
    const QStringList before = list.entries();
    EXPECT_FALSE(list.removeSelected());
    EXPECT_FALSE(list.capitaliseSelected());
    list.setSelected(3);
    EXPECT_EQ(list.selected(), -1);
    EXPECT_FALSE(list.removeSelected());
    EXPECT_EQ(list.entries(), before);
}

TEST(FontListTest, CapitalisingArialKeepsItsPlaceAndTheCount)
{
    FontList list = threeFonts();
    list.setSelected(0);
    ASSERT_TRUE(list.capitaliseSelected());
    EXPECT_EQ(list.entries(), QStringList({QStringLiteral("ARIAL"), QStringLiteral("Tahoma"),
                                           QStringLiteral("Verdana")}));
    // The selection moved on to the entry after, as for a removal, and stayed on it.
    EXPECT_EQ(list.entries().at(list.selected()), QStringLiteral("Tahoma"));
    EXPECT_EQ(list.listedText(), QStringLiteral("3 fonts listed"));
}

TEST(FontListTest, CapitalisedEntryGoesAfterEqualEntries)
{
    FakeFontCatalog catalog(
        {QStringLiteral("arial"), QStringLiteral("Arial"), QStringLiteral("Zapf")});
    FontList list;
    list.build(catalog, false, false);
    list.setSelected(0);
    ASSERT_TRUE(list.capitaliseSelected());
    EXPECT_EQ(list.entries(), QStringList({QStringLiteral("Arial"), QStringLiteral("ARIAL"),
                                           QStringLiteral("Zapf")}));
    EXPECT_EQ(list.entries().at(list.selected()), QStringLiteral("Arial"));
}

TEST(FontListTest, PlainTextEndsEveryEntryWithCrLf)
{
    const FontList list = threeFonts();
    EXPECT_EQ(list.plainText(), QStringLiteral("Arial\r\nTahoma\r\nVerdana\r\n"));
}

struct SearchCase {
    const char *label;
    const char *name;
    const char *typed;
    bool found;
};

class SearchTest : public ::testing::TestWithParam<SearchCase> {};

TEST_P(SearchTest, MatchesASubstringWithoutRegardToCaseOrAccents)
{
    const QString name = QString::fromUtf8(GetParam().name);
    const QString typed = QString::fromUtf8(GetParam().typed);
    EXPECT_EQ(FontList::searchKey(name).contains(FontList::searchKey(typed)), GetParam().found);
}

INSTANTIATE_TEST_SUITE_P(Names, SearchTest,
                         ::testing::Values(SearchCase{"Case", "DejaVu Sans", "vU s", true},
                                           SearchCase{"AccentInName", "Égyptienne", "egypt", true},
                                           SearchCase{"AccentTyped", "Cafe Script", "CAFÉ", true},
                                           SearchCase{"Ligature", "Unified", "ﬁ", true},
                                           SearchCase{"Greek", "Ελληνικά Sans", "ελληνικα", true},
                                           SearchCase{"Absent", "Arial", "rial b", false}),
                         [](const auto &info) { return std::string(info.param.label); });

// The search and the glyph filter together decide what is listed, through a removal and a
// rebuild; the counts and the copy speak of what is listed.
TEST(FontListTest, SearchAndGlyphFilterListTogetherThroughRemoveAndRebuild)
{
    FakeFontCatalog catalog({QStringLiteral("Arial"), QStringLiteral("Arial Black"),
                             QStringLiteral("Rounded Ärial"), QStringLiteral("Verdana")});
    catalog.setGlyphs(QStringLiteral("Arial Black"), QStringLiteral("ABCabc"));
    FontList list;
    list.build(catalog, false, false);
    list.setSearch(QStringLiteral("ARIAL"));
    EXPECT_EQ(list.entries(), QStringList({QStringLiteral("Arial"), QStringLiteral("Arial Black"),
                                           QStringLiteral("Rounded Ärial")}));
    list.setRequiredText(catalog, QStringLiteral("Жук abc"));
    EXPECT_EQ(list.entries(),
              QStringList({QStringLiteral("Arial"), QStringLiteral("Rounded Ärial")}));
    EXPECT_EQ(list.listedText(), QStringLiteral("2 fonts listed"));
    EXPECT_EQ(list.availableText(), QStringLiteral("4 fonts available"));

    list.setSelected(0);
    ASSERT_TRUE(list.removeSelected());
    EXPECT_EQ(list.entries(), QStringList{QStringLiteral("Rounded Ärial")});
    EXPECT_EQ(list.selected(), 0);
    list.setSearch(QString());
    EXPECT_EQ(list.entries().at(list.selected()), QStringLiteral("Rounded Ärial"));
    EXPECT_EQ(list.plainText(), QStringLiteral("Rounded Ärial\r\nVerdana\r\n"));

    list.forgetPruning();
    list.build(catalog, false, false); // the removed font returns; the filters stay
    EXPECT_EQ(list.entries(), QStringList({QStringLiteral("Arial"), QStringLiteral("Rounded Ärial"),
                                           QStringLiteral("Verdana")}));
    list.setRequiredText(catalog, QStringLiteral(" \t"));
    EXPECT_EQ(list.count(), 4);
}

TEST(FontListTest, CapitalisingUnderASearchSelectsTheNextListedEntry)
{
    FakeFontCatalog catalog({QStringLiteral("Arial"), QStringLiteral("Bodoni"),
                             QStringLiteral("Carlito"), QStringLiteral("Liberation Sans")});
    FontList list;
    list.build(catalog, false, false);
    list.setSearch(QStringLiteral("li"));
    ASSERT_EQ(list.entries(),
              QStringList({QStringLiteral("Carlito"), QStringLiteral("Liberation Sans")}));
    list.setSelected(0);
    ASSERT_TRUE(list.capitaliseSelected());
    EXPECT_EQ(list.entries(),
              QStringList({QStringLiteral("CARLITO"), QStringLiteral("Liberation Sans")}));
    EXPECT_EQ(list.entries().at(list.selected()), QStringLiteral("Liberation Sans"));
}

TEST(FontListTest, RemembersWhichEntriesAreSymbolFontsInAnyCase)
{
    FakeFontCatalog catalog({QStringLiteral("D050000L"), QStringLiteral("Nimbus Sans")});
    catalog.setSymbolFonts({QStringLiteral("D050000L")});
    FontList list;
    list.build(catalog, true, false);
    EXPECT_TRUE(list.isSymbolFont(QStringLiteral("d050000l")));
    EXPECT_FALSE(list.isSymbolFont(QStringLiteral("Nimbus Sans")));
}

} // namespace
