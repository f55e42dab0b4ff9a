// Start-up: see startup.h.
#include "settings/startup.h"

#include "settings/modeswitch.h"
#include "settings/resetsequence.h"
#include "settings/settingsfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace StartUp {

namespace {

// The first of "Glintwork.ini.bak", "Glintwork.ini.2.bak", ... that does not exist yet, so
// that a backup is never replaced: it may be the only copy of the user's text.
QString freeBackupPath(const QString &folder)
{
    const QDir dir(folder);
    QString path = dir.filePath(SettingsFile::kBackupName);
    for (int n = 2; QFileInfo::exists(path) || QFileInfo(path).isSymLink(); ++n)
        path = dir.filePath(SettingsFile::kFileName + QStringLiteral(".%1.bak").arg(n));
    return path;
}

} // namespace

EffectSettings initialState()
{
    EffectSettings s;
    s.singleColour = 0;
    s.toolTips = false;
    s.formatWordByWord = false;
    s.colourWordByWord = false;
    s.outputMode = OutputMode::None;
    return s;
}

Outcome loadSettings(const QString &folder, EffectSettings &s, ModeSwitch &modes,
                     ModeSwitchHost &host, ResetOperations &reset)
{
    modes.resetToNone();
    s.outputMode = OutputMode::None;
    bool tooLong = false;
    const auto loaded = SettingsFile::load(
        folder, [&modes](OutputMode m) { return modes.fontCountFor(m); }, &tooLong);
    if (loaded) {
        modes.switchTo(s, loaded->mode, host);
        loaded->applyTo(s);
        return Outcome::Loaded;
    }
    // The damaged file may hold the user's text: keep it before the reset overwrites it.
    const QString file = SettingsFile::path(folder);
    if (QFileInfo(file).isFile()) {
        const QString backup = freeBackupPath(folder);
        if (!QFile::rename(file, backup))
            qCWarning(lcSettingsFile)
                << "the damaged settings file" << file << "could not be kept as" << backup;
    }
    ResetSequence::run(s, reset, false);
    return tooLong ? Outcome::ResetTooLong : Outcome::Reset;
}

} // namespace StartUp
