// The start-up of Glintwork's settings: the record as the window is first built, then the
// settings file loaded into it, or the reset run without asking when it cannot be read.
#pragma once

#include "settings/effectsettings.h"

class ModeSwitch;
class ModeSwitchHost;
class ResetOperations;

namespace StartUp {

// The record before the file is read: the colour rows with their tags, `Label1Col` black
// and the three checked menu commands unchecked (the values a short file leaves).
EffectSettings initialState();

// ResetTooLong: the reset ran because the file holds more text than the program takes;
// the window tells the user, since the text is not lost but set aside in the backup.
enum class Outcome { Loaded, Reset, ResetTooLong };

// Sets the mode to "none yet", reads the file of the folder and switches to its mode.
// When the file cannot be read, a file that exists is kept as "Glintwork.ini.bak" (or,
// when that exists, the first free "Glintwork.ini.N.bak", N from 2) and the reset runs
// without asking; it writes the defaults.
Outcome loadSettings(const QString &folder, EffectSettings &settings, ModeSwitch &modes,
                     ModeSwitchHost &host, ResetOperations &reset);

} // namespace StartUp
