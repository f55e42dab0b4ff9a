// The character grid as the font fitting loop sees it.
#pragma once

#include "fontfitter.h"

class FlexGrid;

class GridFitTarget : public FitTarget {
public:
    explicit GridFitTarget(FlexGrid &grid) : m_grid(grid) {}
    void setFontSize(double points) override;
    double fontSize() const override;
    int rowHeight() const override;
    void setColumnWidths(int twips) override;
    int gridHeight() const override;
    int gridWidth() const override;

private:
    FlexGrid &m_grid;
};
