// Sorted font lists follow the locale's collation, ignore case and keep duplicates.
#include "fonts/sortednames.h"

#include <gtest/gtest.h>

TEST(SortedNames, AccentsAndScriptsSortAmongTheirLettersIgnoringCase)
{
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    EXPECT_EQ(SortedNames::sorted({"Zapf", "\u00c9migr\u00e9", "arial", "\u00d6ko", "Arial Black",
                                   "ARIAL", "\u03a9mega", "emigre", "Courier"},
                                  english),
              (QStringList{"arial", "ARIAL", "Arial Black", "Courier", "emigre", "\u00c9migr\u00e9",
                           "\u00d6ko", "Zapf", "\u03a9mega"}));
    const QStringList list{"Arial", "Courier", "courier new", "\u00c9cole", "Verdana"};
    EXPECT_EQ(SortedNames::insertPosition(list, "COURIER", english), 2);
    EXPECT_EQ(SortedNames::insertPosition(list, "\u00e9cole", english), 4);
    EXPECT_EQ(SortedNames::insertPosition(list, "Eden", english), 4);
    EXPECT_EQ(SortedNames::insertPosition(list, "a", english), 0);
    EXPECT_EQ(SortedNames::insertPosition(list, "zz", english), 5);
    // Without a language (LANG=C), the common order, which is not the code units'.
    EXPECT_EQ(SortedNames::sorted({"Zapf", "\u00c9cole", "arial"}, QLocale::c()),
              (QStringList{"arial", "\u00c9cole", "Zapf"}));
    // Swedish puts \u00d6 after Z.
    EXPECT_EQ(SortedNames::sorted({"\u00d6ko", "Zapf"}, QLocale(QLocale::Swedish)),
              (QStringList{"Zapf", "\u00d6ko"}));
}
