// The grid seen by the fitting loop: see gridfittarget.h.
#include "gridfittarget.h"

#include "flexgrid.h"

void GridFitTarget::setFontSize(double points)
{
    m_grid.setFontSize(points);
}

double GridFitTarget::fontSize() const
{
    return m_grid.fontSize();
}

int GridFitTarget::rowHeight() const
{
    return m_grid.rowHeight(0);
}

void GridFitTarget::setColumnWidths(int twips)
{
    for (int c = 0; c < m_grid.cols(); ++c)
        m_grid.setColWidth(c, twips);
}

int GridFitTarget::gridHeight() const
{
    return m_grid.gridHeight();
}

int GridFitTarget::gridWidth() const
{
    return m_grid.gridWidth();
}
