// Installed fonts: see fontcatalog.h.
#include "fontcatalog.h"

QStringList FontCatalog::names() const
{
    QStringList all;
    const int n = count();
    all.reserve(n);
    for (int i = 0; i < n; ++i)
        all.append(name(i));
    return all;
}
