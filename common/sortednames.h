// The order of the suite's sorted lists (font names): without regard to case, as the
// platform's sorted list boxes keep them. Equal names stay in the order they came.
#pragma once

#include <QString>
#include <QStringList>

namespace SortedNames {

bool lessIgnoringCase(const QString &a, const QString &b);
QStringList sorted(QStringList names);
// Where a name goes in an already sorted list: after every entry that is not greater.
int insertPosition(const QStringList &sortedNames, const QString &name);

} // namespace SortedNames
