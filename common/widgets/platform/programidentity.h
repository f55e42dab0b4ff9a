// Ties a running program to its menu entry and icon: the desktop file name that the window
// system matches against the installed entry, and the window icon drawn for the program.
#pragma once

#include <QIcon>
#include <QString>

namespace ProgramIdentity {

// The desktop entry's name without ".desktop" for a program ("glintwork" ->
// "<prefix>.glintwork"); the same name is the icon's name in the icon theme.
QString desktopFileName(const QString &program);

// The program's icon from the pictures built into the suite; a null icon for an unknown name.
QIcon icon(const QString &program);

// Sets the application's desktop file name and window icon. Call after the application
// object exists.
void apply(const QString &program);

// What every program does first once its application object exists: its name (the title
// of its message boxes, the folder of its settings), the suite's name as organisation,
// apply() for the lower-case program name and the translations for the user's locale.
void start(const QString &programName);

} // namespace ProgramIdentity
