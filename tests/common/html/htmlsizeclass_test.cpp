// HTML size classes, including the fractional sizes that fall between the ranges.
#include "html/htmlsizeclass.h"

#include <gtest/gtest.h>

TEST(HtmlSizeClass, RangesAndGaps)
{
    const std::pair<double, int> cases[] = {
        {1, 1},    {8, 1},    {8.9, 1}, {9, 2},    {10, 2},   {10.5, 7}, {11, 3},
        {12, 3},   {12.5, 7}, {13, 4},  {15, 4},   {15.5, 7}, {16, 5},   {19, 5},
        {19.5, 7}, {20, 6},   {29, 6},  {29.5, 7}, {30, 7},   {1638, 7}, {-4, 1}};
    for (const auto &[size, expected] : cases)
        EXPECT_EQ(htmlSizeClass(size), expected) << "size " << size;
}
