// The character grid as the font fitting loop sees it: its cells, in its own size or in the room
// a layout gives it (less a scroll bar's width), so that the grid can then take only what its
// fitted cells need.
#pragma once

#include "logic/fontfitter.h"

#include <QSize>

class FlexGrid;

class GridFitTarget : public FitTarget {
public:
    explicit GridFitTarget(FlexGrid &grid) : m_grid(grid) {}
    // Room in pixels, the grid's frame included.
    GridFitTarget(FlexGrid &grid, QSize room, int scrollBarPixels)
        : m_grid(grid), m_room(room), m_scrollBar(scrollBarPixels)
    {}
    void setFontSize(double points) override;
    double fontSize() const override;
    int rowHeight() const override;
    void setColumnWidths(int twips) override;
    int gridHeight() const override;
    int gridWidth() const override;

private:
    FlexGrid &m_grid;
    QSize m_room;
    int m_scrollBar = 0;
};
