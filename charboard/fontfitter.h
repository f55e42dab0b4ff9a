// Fitting Charboard's grid font: start at 32 points and shrink one point per step, keeping the
// cells square, until the 14 rows fit into the grid's height with room to spare, or after 31
// steps (1 point), so that the loop always ends.
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
};

struct FitResult {
    int steps = 0;
    double size = 0;
};

namespace FontFitter {

constexpr double startSize = 32;
constexpr int maxSteps = 31;

FitResult fit(FitTarget &target, int rows);

} // namespace FontFitter
