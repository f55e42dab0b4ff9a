// Fake font list: see fakefontcatalog.h.
#include "fakes/fakefontcatalog.h"

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

bool FakeFontCatalog::hasGlyphsFor(const QString &family, const QList<char32_t> &characters) const
{
    const auto glyphs = m_glyphs.constFind(family.toCaseFolded());
    if (glyphs == m_glyphs.constEnd())
        return true;
    const QList<uint> has = glyphs->toUcs4();
    for (const char32_t c : characters) {
        if (!has.contains(uint(c)))
            return false;
    }
    return true;
}
