// Busy pointer: see qtbusypointer.h.
#include "widgets/platform/qtbusypointer.h"

#include <QApplication>

QtBusyPointer::~QtBusyPointer()
{
    if (m_screenBusy)
        QApplication::restoreOverrideCursor();
}

void QtBusyPointer::setBusy(bool busy, Scope scope)
{
    if (scope == Scope::Window) {
        if (!m_window)
            return;
        if (busy)
            m_window->setCursor(Qt::WaitCursor);
        else
            m_window->unsetCursor();
        return;
    }
    // Override cursors stack; keep exactly one of ours so that "busy" twice and
    // "normal" once leaves the normal pointer.
    if (busy == m_screenBusy)
        return;
    m_screenBusy = busy;
    if (busy)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}
