// The grid seen by the fitting loop: see gridfittarget.h.
#include "ui/gridfittarget.h"

#include "widgets/grid/flexgrid.h"
#include "widgets/richtext/twips.h"

#include <algorithm>

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
    if (!m_room.isValid())
        return m_grid.gridHeight();
    return Twips::fromPixels(std::max(m_room.height() - 2 * m_grid.frameWidth(), 0), &m_grid);
}

int GridFitTarget::gridWidth() const
{
    if (!m_room.isValid())
        return m_grid.gridWidth();
    return Twips::fromPixels(std::max(m_room.width() - 2 * m_grid.frameWidth() - m_scrollBar, 0),
                             &m_grid);
}
