// Pending events: see pendingevents.h.
#include "platform/pendingevents.h"

#include <QCoreApplication>
#include <QEventLoop>

void processPendingEvents()
{
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}
