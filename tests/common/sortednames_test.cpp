// Sorted font lists ignore case and keep duplicates.
#include "sortednames.h"

#include <gtest/gtest.h>

TEST(SortedNames, IgnoresCaseAndKeepsDuplicates)
{
    EXPECT_EQ(SortedNames::sorted({"arial", "Zapf", "Arial Black", "ARIAL", "courier"}),
              (QStringList{"arial", "ARIAL", "Arial Black", "courier", "Zapf"}));
    const QStringList list{"Arial", "Courier", "courier new", "Verdana"};
    EXPECT_EQ(SortedNames::insertPosition(list, "COURIER"), 2);
    EXPECT_EQ(SortedNames::insertPosition(list, "a"), 0);
    EXPECT_EQ(SortedNames::insertPosition(list, "zz"), 4);
}
