// The colour swatch's accessible interface: see swatchaccessible.h.
#include "ui/swatchaccessible.h"

#include "ui/swatchlabel.h"
#include "widgets/controls/accessiblefactory.h"
#include "widgets/controls/colourref.h"

SwatchAccessible::SwatchAccessible(SwatchLabel *swatch)
    : QAccessibleWidget(swatch, QAccessible::Button)
{}

void SwatchAccessible::install()
{
    installAccessibleFactory<SwatchLabel, SwatchAccessible>();
}

SwatchLabel *SwatchAccessible::swatch() const
{
    return static_cast<SwatchLabel *>(widget());
}

QString SwatchAccessible::text(QAccessible::Text t) const
{
    if (t == QAccessible::Description && widget()->accessibleDescription().isEmpty()) {
        // The colour as "#rrggbb", the one name every colour has.
        const QString colour = ColourRef::toQColor(swatch()->colour()).name();
        return swatch()->mark().isEmpty() ? colour : SwatchLabel::tr("%1, not used").arg(colour);
    }
    return QAccessibleWidget::text(t);
}

QAccessible::State SwatchAccessible::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.selectable = true;
    state.selected = swatch()->bordered();
    return state;
}

QStringList SwatchAccessible::actionNames() const
{
    return QAccessibleWidget::actionNames() << pressAction() << showMenuAction();
}

void SwatchAccessible::doAction(const QString &actionName)
{
    if (!widget()->isEnabled())
        return;
    if (actionName == pressAction())
        swatch()->press();
    else if (actionName == showMenuAction())
        swatch()->pressRight();
    else
        QAccessibleWidget::doAction(actionName);
}
