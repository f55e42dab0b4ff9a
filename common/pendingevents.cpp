// Pending events: see pendingevents.h.
#include "pendingevents.h"

#include <QCoreApplication>
#include <QEventLoop>

void processPendingEvents()
{
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}
