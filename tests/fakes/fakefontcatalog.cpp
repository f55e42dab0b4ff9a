// Fake font list: see fakefontcatalog.h.
#include "fakefontcatalog.h"

int FakeFontCatalog::count() const
{
    return int(m_names.size());
}

QString FakeFontCatalog::name(int index) const
{
    return m_names.value(index);
}

bool FakeFontCatalog::isSymbolFont(int index) const
{
    return m_symbols.contains(m_names.value(index));
}
