// The busy pointer through Qt cursors: a window's own cursor, or the application-wide
// override cursor for the whole screen.
#pragma once

#include "platform/busypointer.h"

#include <QPointer>
#include <QWidget>

class QtBusyPointer : public BusyPointer {
public:
    explicit QtBusyPointer(QWidget *window = nullptr) : m_window(window) {}
    ~QtBusyPointer() override;
    void setWindow(QWidget *window) { m_window = window; }
    void setBusy(bool busy, Scope scope) override;

private:
    QPointer<QWidget> m_window;
    bool m_screenBusy = false;
};
