// Fitting the grid font: see fontfitter.h.
#include "logic/fontfitter.h"

#include <algorithm>
#include <cmath>

namespace FontFitter {

namespace {
constexpr double twipsPerPoint = 20;
} // namespace

double startSizeFor(int gridHeightTwips, int rows)
{
    if (rows <= 0)
        return startSize;
    return std::max(startSize, std::ceil(gridHeightTwips / twipsPerPoint / rows));
}

FitResult fit(FitTarget &target, int rows, int cols)
{
    const double start = startSizeFor(target.gridHeight(), rows);
    const int stepLimit = int(start) - 1;
    target.setFontSize(start);
    int steps = 0;
    for (;;) {
        ++steps;
        target.setFontSize(target.fontSize() - 1);
        const int rowHeight = target.rowHeight();
        target.setColumnWidths(rowHeight);
        const bool fits = target.gridHeight() > double(rowHeight) * rows &&
                          target.gridWidth() >= double(rowHeight) * cols;
        // Counted steps rather than the size bound the loop, whatever the target reports.
        if (steps >= stepLimit || fits)
            break;
    }
    return {steps, target.fontSize()};
}

} // namespace FontFitter
