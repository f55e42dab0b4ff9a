// Gives a control the name the design uses for it, as its objectName, while it is built.
#pragma once

#include <QLatin1StringView>

template <typename T> T *named(T *widget, const char *name)
{
    widget->setObjectName(QLatin1StringView(name));
    return widget;
}
