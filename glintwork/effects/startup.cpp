// Start-up: see startup.h.
#include "startup.h"

#include "modeswitch.h"
#include "resetsequence.h"
#include "settingsfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace StartUp {

EffectSettings initialState()
{
    EffectSettings s;
    s.label1Col = 0;
    s.mnuTT = false;
    s.mnuWW = false;
    s.mnuCW = false;
    s.outputMode = OutputMode::None;
    return s;
}

Outcome loadSettings(const QString &folder, EffectSettings &s, ModeSwitch &modes,
                     ModeSwitchHost &host, ResetOperations &reset)
{
    modes.resetToNone();
    s.outputMode = OutputMode::None;
    const auto loaded =
        GetSettings(folder, [&modes](OutputMode m) { return modes.fontCountFor(m); });
    if (loaded) {
        modes.switchTo(s, loaded->mode, host);
        loaded->applyTo(s);
        return Outcome::Loaded;
    }
    // The damaged file may hold the user's text: keep it before the reset overwrites it.
    const QString file = SettingsFile::path(folder);
    if (QFileInfo(file).isFile()) {
        const QString backup = QDir(folder).filePath(SettingsFile::kBackupName);
        QFile::remove(backup);
        QFile::rename(file, backup);
    }
    ResetSequence::run(s, reset, false);
    return Outcome::Reset;
}

} // namespace StartUp
