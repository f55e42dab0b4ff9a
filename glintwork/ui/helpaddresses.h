// The addresses the "&Help!" menu opens and names: build settings, or the help page that
// ships with the suite when a setting is empty.
#pragma once

#include <QString>

namespace HelpAddresses {

// The bundled page beside the program (../help in a build tree, ../share/kerncraft/help in
// an install) as a file address, or an empty string when neither exists.
QString bundledPage(const QString &programFolder, const QString &fileName);

// The configured address, or the bundled page when it is empty.
QString resolve(const QString &configured, const QString &programFolder, const QString &fileName);

} // namespace HelpAddresses
