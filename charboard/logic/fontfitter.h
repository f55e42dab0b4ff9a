// Fitting Charboard's grid font: start at 32 points (more for a grid taller than the 32-point
// rows need) and shrink one point per step, keeping the cells square, until the rows fit into
// the grid's height with room to spare and the columns into its width, or after the steps
// that reach 1 point, so that the loop always ends.
#pragma once

// What the loop drives: the grid, whose row height follows its font. Lengths in twips.
class FitTarget {
public:
    virtual ~FitTarget() = default;
    virtual void setFontSize(double points) = 0;
    virtual double fontSize() const = 0;
    virtual int rowHeight() const = 0;
    virtual void setColumnWidths(int twips) = 0;
    virtual int gridHeight() const = 0;
    virtual int gridWidth() const = 0;
};

struct FitResult {
    int steps = 0;
    double size = 0;
};

namespace FontFitter {

constexpr double startSize = 32;
constexpr int maxSteps = 31;

// The first size tried: 32 points, or a size whose em alone would fill a row when the grid is
// taller than that (a row is always taller than its font's em, so the loop still shrinks).
double startSizeFor(int gridHeightTwips, int rows);

FitResult fit(FitTarget &target, int rows, int cols);

} // namespace FontFitter
