// Registers, once per process, the accessible interface that a widget class of ours answers
// screen readers with. Qt asks every factory for each class of a widget's hierarchy, so the
// class name is compared exactly and a subclass is answered only at its own level.
#pragma once

#include <QAccessible>
#include <QLatin1StringView>

template <typename Widget, typename Interface> void installAccessibleFactory()
{
    static const bool installed = [] {
        QAccessible::installFactory(
            [](const QString &className, QObject *object) -> QAccessibleInterface * {
                if (className != QLatin1StringView(Widget::staticMetaObject.className()))
                    return nullptr;
                auto *widget = qobject_cast<Widget *>(object);
                return widget ? new Interface(widget) : nullptr;
            });
        return true;
    }();
    Q_UNUSED(installed);
}
