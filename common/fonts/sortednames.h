// The order of the suite's sorted lists (font names): the collation of the user's locale,
// without regard to case, so that accented and non-Latin names sort among the letters they
// belong with, not after Z. Equal names stay in the order they came.
#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

namespace SortedNames {

QStringList sorted(QStringList names, const QLocale &locale = QLocale());
// Where a name goes in an already sorted list: after every entry that is not greater.
int insertPosition(const QStringList &sortedNames, const QString &name,
                   const QLocale &locale = QLocale());

} // namespace SortedNames
