// One phase of a long operation on a stretch of the progress bar: the phase counts its
// own steps, and the bar moves from the stretch's start to its end as they are done, so
// that phases with unrelated step counts (assembling a text, formatting it, loading it
// into the box on screen) fill the bar once, in order, and end exactly at its end.
#pragma once

#include <QtGlobal>

class ProgressState;

class ProgressRange {
public:
    ProgressRange(ProgressState &state, qint32 from, qint32 to, double steps);

    // The value never goes back, whatever the caller reports.
    void setStep(double step);
    void advance(double steps = 1) { setStep(m_step + steps); }
    void finish() { setStep(m_steps); }
    double step() const { return m_step; }

private:
    ProgressState &m_state;
    qint32 m_from;
    qint32 m_to;
    double m_steps;
    double m_step = 0;
    qint32 m_last;
};
