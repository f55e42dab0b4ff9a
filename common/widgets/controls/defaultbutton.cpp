// Enter presses the default button: see defaultbutton.h.
#include "widgets/controls/defaultbutton.h"

#include <QAbstractButton>
#include <QKeyEvent>

namespace DefaultButton {

bool pressOnEnter(QKeyEvent *event, QAbstractButton *button)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (!enter || !button || !button->isEnabled())
        return false;
    button->click();
    event->accept();
    return true;
}

} // namespace DefaultButton
