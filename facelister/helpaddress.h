// Where Facelister's help command points: the address a build setting gives, otherwise
// the help page that ships with the program.
#pragma once

#include <QString>
#include <QStringList>

namespace HelpAddress {

// The folders in which the bundled help page may lie, nearest first: beside the program,
// in the build tree's help folder, in an installed share folder.
QStringList candidateFolders(const QString &programFolder);

// configured when it is not empty; otherwise the file: address of the first candidate
// folder that holds pageName (the first candidate's address when none does).
QString resolve(const QString &configured, const QString &programFolder, const QString &pageName);

} // namespace HelpAddress
