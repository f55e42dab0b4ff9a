// Sorted font names: see sortednames.h.
#include "sortednames.h"

#include <algorithm>

namespace SortedNames {

bool lessIgnoringCase(const QString &a, const QString &b)
{
    return QString::compare(a, b, Qt::CaseInsensitive) < 0;
}

QStringList sorted(QStringList names)
{
    std::stable_sort(names.begin(), names.end(), lessIgnoringCase);
    return names;
}

int insertPosition(const QStringList &sortedNames, const QString &name)
{
    const auto it =
        std::upper_bound(sortedNames.begin(), sortedNames.end(), name, lessIgnoringCase);
    return int(it - sortedNames.begin());
}

} // namespace SortedNames
