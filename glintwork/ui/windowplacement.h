// Where Glintwork's window was and how large: kept in the user's own configuration, apart
// from the settings file, whose lines stay as they are.
#pragma once

class QSettings;
class QWidget;

namespace WindowPlacement {

// Gives the window its remembered size and place, kept on a screen that exists; false when
// nothing was remembered.
bool restore(QWidget &window, QSettings &store);
void save(const QWidget &window, QSettings &store);

} // namespace WindowPlacement
