// The translations a program speaks in: its own, built into it as resources, and Qt's own
// for the dialogs and buttons Qt draws. Installed before any window or message is made,
// since a text is translated when it is made.
#pragma once

#include <QLocale>
#include <QString>

namespace ProgramTranslations {

// Where the programs carry their own translations (<program>_<language>.qm).
inline const QString kBuiltInFolder = QStringLiteral(":/i18n");

// Installs "<program>_en.qm" (the plural forms of the English source texts), then
// "<program>_<language>.qm" from the folder and Qt's "qtbase_<language>.qm" for the locale's
// languages, each only when it exists. Returns how many translations were installed. The
// translators belong to the application object.
int install(const QString &program, const QLocale &locale = QLocale::system(),
            const QString &folder = kBuiltInFolder);

} // namespace ProgramTranslations
