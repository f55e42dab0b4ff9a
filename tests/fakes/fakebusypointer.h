// A busy pointer that only remembers its state and how often it changed.
#pragma once

#include "platform/busypointer.h"

#include <QList>

class FakeBusyPointer : public BusyPointer {
public:
    bool windowBusy = false;
    bool screenBusy = false;
    QList<bool> screenChanges;

    void setBusy(bool busy, Scope scope) override
    {
        if (scope == Scope::Window) {
            windowBusy = busy;
        } else {
            screenBusy = busy;
            screenChanges.append(busy);
        }
    }
};
