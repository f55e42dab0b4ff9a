// Installed fonts: see fontcatalog.h.
#include "fontcatalog.h"

bool FontCatalog::isSymbolFont(int) const
{
    return false;
}

QStringList FontCatalog::symbolFontNames() const
{
    QStringList symbols;
    const int n = count();
    for (int i = 0; i < n; ++i) {
        if (isSymbolFont(i))
            symbols.append(name(i));
    }
    return symbols;
}

QStringList FontCatalog::names() const
{
    QStringList all;
    const int n = count();
    all.reserve(n);
    for (int i = 0; i < n; ++i)
        all.append(name(i));
    return all;
}
