// A phase's stretch of the progress bar: see progressrange.h.
#include "core/progressrange.h"

#include "core/progressstate.h"

#include <algorithm>
#include <cmath>

ProgressRange::ProgressRange(ProgressState &state, qint32 from, qint32 to, double steps)
    : m_state(state), m_from(from), m_to(std::max(from, to)), m_steps(steps > 0 ? steps : 1),
      m_last(from)
{}

void ProgressRange::setStep(double step)
{
    m_step = std::clamp(step, 0.0, m_steps);
    const double span = double(m_to) - double(m_from);
    // Rounded down, so that the end is reached only when the last step is done.
    const qint32 value = std::max(m_last, qint32(std::floor(m_from + span * m_step / m_steps)));
    if (value == m_last && m_state.value() == value)
        return;
    m_last = value;
    m_state.setValue(value);
}
