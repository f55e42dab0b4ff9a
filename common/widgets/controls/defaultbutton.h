// Enter in a main window that no control kept for itself presses the window's default button,
// as it would in a dialog. Shared by the windows that behave like dialogs.
#pragma once

class QAbstractButton;
class QKeyEvent;

namespace DefaultButton {

// Clicks the button and accepts the event when the event is Return or Enter and the button
// is enabled; returns whether it did, so that the caller passes other keys on.
bool pressOnEnter(QKeyEvent *event, QAbstractButton *button);

} // namespace DefaultButton
