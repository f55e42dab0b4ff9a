// The busy (hourglass) pointer, over one window or over the whole screen.
#pragma once

class BusyPointer {
public:
    enum class Scope { Window, Screen };
    virtual ~BusyPointer() = default;
    virtual void setBusy(bool busy, Scope scope = Scope::Window) = 0;
};
