// HTML size classes: the ranges are closed on both ends, so a fractional size that falls
// between two ranges (10.5, 12.5, 15.5, 19.5) belongs to none and gets 7, like 30 and more.
#include "html/htmlsizeclass.h"

int htmlSizeClass(double s)
{
    if (s < 9)
        return 1;
    if (s >= 9 && s <= 10)
        return 2;
    if (s >= 11 && s <= 12)
        return 3;
    if (s >= 13 && s <= 15)
        return 4;
    if (s >= 16 && s <= 19)
        return 5;
    if (s >= 20 && s <= 29)
        return 6;
    return 7;
}
