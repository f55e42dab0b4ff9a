// Lets the window repaint in the middle of a long command without letting the user start
// another: pending events are processed, user input stays queued until the command ends.
#pragma once

void processPendingEvents();
