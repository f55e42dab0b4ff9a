// A window as a screen reader and a keyboard user meet it: the accessible interfaces under
// the window, the controls Tab visits, and the progress bars with their values.
#pragma once

#include <QList>
#include <QStringList>

class QAccessibleInterface;
class QWidget;

namespace AccessibilityWalk {

// Object names (class names where there is none) of the shown controls that take focus by
// Tab, enabled or not, and whose accessible interface has no name. The walk follows the interfaces from the
// window's own, so what a screen reader cannot reach is missed as it would be.
QStringList unnamedControls(QWidget *window);

// The controls Tab visits from the window's first one, in order, once round, found by
// pressing Tab in the activated window until the focus comes back.
QList<QWidget *> tabChain(QWidget *window);
QStringList tabChainNames(QWidget *window);

// Whether `names` appear in `chain` in this order (other controls may lie between them).
bool inOrder(const QStringList &chain, const QStringList &names);

// Whether a screen reader hears `label` as the control's label (Qt's relation of a buddy).
bool labelledBy(QWidget *control, QWidget *label);

// The interfaces under the window with the progress bar role.
QList<QAccessibleInterface *> progressBars(QWidget *window);

} // namespace AccessibilityWalk
