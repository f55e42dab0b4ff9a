// Fitting the grid font: see fontfitter.h.
#include "fontfitter.h"

namespace FontFitter {

FitResult fit(FitTarget &target, int rows)
{
    target.setFontSize(startSize);
    int steps = 0;
    for (;;) {
        ++steps;
        target.setFontSize(target.fontSize() - 1);
        const int rowHeight = target.rowHeight();
        target.setColumnWidths(rowHeight);
        // Counted steps rather than the size bound the loop, whatever the target reports.
        if (steps >= maxSteps || target.gridHeight() > double(rowHeight) * rows)
            break;
    }
    return {steps, target.fontSize()};
}

} // namespace FontFitter
