// The progress indicator's accessible interface: see progressaccessible.h.
#include "widgets/controls/progressaccessible.h"

#include "widgets/controls/accessiblefactory.h"
#include "widgets/controls/progressindicator.h"

#include <QLocale>

ProgressAccessible::ProgressAccessible(ProgressIndicator *indicator)
    : QAccessibleWidget(indicator, QAccessible::ProgressBar)
{}

void ProgressAccessible::install()
{
    installAccessibleFactory<ProgressIndicator, ProgressAccessible>();
}

ProgressIndicator *ProgressAccessible::indicator() const
{
    return static_cast<ProgressIndicator *>(widget());
}

QString ProgressAccessible::text(QAccessible::Text t) const
{
    if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
        return ProgressIndicator::tr("Progress");
    if (t == QAccessible::Value)
        return ProgressIndicator::tr("%1%").arg(QLocale().toString(indicator()->percentShown()));
    return QAccessibleWidget::text(t);
}

void *ProgressAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::ValueInterface)
        return static_cast<QAccessibleValueInterface *>(this);
    return QAccessibleWidget::interface_cast(type);
}

QVariant ProgressAccessible::currentValue() const
{
    return indicator()->valueShown();
}

QVariant ProgressAccessible::maximumValue() const
{
    return indicator()->maximumShown();
}
