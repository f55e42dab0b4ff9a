// Where a program's help command goes: the address the build configured, or else the help page
// bundled with the suite (beside the programs in a build tree, under share/ when installed).
#pragma once

#include <QString>

namespace HelpPage {

// The configured address when it is not empty; otherwise the file address of the bundled page
// named `page` found from the program's folder (the first place looked at when none exists).
QString address(const QString &configured, const QString &programFolder, const QString &page);

} // namespace HelpPage
