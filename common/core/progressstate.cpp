// Progress indicator state: see progressstate.h.
#include "core/progressstate.h"

#include "core/numbers.h"

#include <cmath>

int ProgressState::widthFor(qint64 v) const
{
    // Computed in double precision: value x width can exceed 32 bits.
    const double max = m_max < 1 ? 1.0 : double(m_max);
    return Numbers::clampToInt32(double(v) * m_barWidth / max);
}

void ProgressState::setMax(double v)
{
    m_oldMax = m_max;
    m_max = Numbers::clampToInt32(v);
    if (m_max < 1)
        m_max = 1;
    setValue(m_value);
}

void ProgressState::setValue(double v)
{
    m_oldValue = m_value;
    m_value = Numbers::clampToInt32(v);
    if (m_max == m_oldMax && m_value == m_oldValue)
        return;
    const int newWidth = widthFor(m_value);
    const int oldWidth = widthFor(m_drawn);
    if (std::abs(qint64(newWidth) - qint64(oldWidth)) < kRedrawStep)
        return;
    m_drawn = m_value;
    if (m_value > m_max)
        m_value = m_max;
    if (m_value < 0)
        m_value = 0;
    m_fillWidth = widthFor(m_value);
    ++m_redraws;
    if (m_view)
        m_view->setFillWidth(m_fillWidth);
}

void ProgressState::setVisible(bool v)
{
    if (v == m_visible)
        return;
    m_visible = v;
    if (m_view)
        m_view->showProgress(v);
}
