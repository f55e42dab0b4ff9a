// Installed fonts: see qtfontcatalog.h.
#include "qtfontcatalog.h"

#include "filefontmatch.h"
#include "sortednames.h"

#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QSet>

QtFontCatalog::QtFontCatalog()
{
    // The programs that list the installed fonts also draw text in many of them.
    FileFontMatch::enable();
    QStringList families = QFontDatabase::families();
    families.removeIf(isGenericAlias);
    m_names = SortedNames::sorted(familyNames(families));
    // A family counts as a symbol font when any foundry's version of it has a symbol
    // character map; the writing systems come from the font database, without loading
    // the fonts.
    QSet<QString> symbols;
    for (const QString &family : families) {
        if (QFontDatabase::writingSystems(family).contains(QFontDatabase::Symbol))
            symbols.insert(familyName(family));
    }
    m_symbol.reserve(m_names.size());
    for (const QString &name : std::as_const(m_names))
        m_symbol.append(symbols.contains(name));
}

int QtFontCatalog::count() const
{
    return int(m_names.size());
}

QString QtFontCatalog::name(int index) const
{
    return m_names.value(index);
}

bool QtFontCatalog::isSymbolFont(int index) const
{
    return m_symbol.value(index, false);
}

QtFontCatalog::CharacterMap &QtFontCatalog::characterMap(const QString &family) const
{
    const QString folded = family.toCaseFolded();
    auto found = m_maps.find(folded);
    if (found != m_maps.end())
        return *found;
    if (m_namesByFolded.isEmpty()) {
        for (const QString &name : m_names)
            m_namesByFolded.insert(name.toCaseFolded(), name);
    }
    CharacterMap map;
    const QString installed = m_namesByFolded.value(folded);
    // Only installed families are asked: for any other name the font database would
    // answer with a stand-in family, whose glyphs say nothing about the named one. An
    // alias among the installed families (Sans Serif) answers for the font it draws with.
    if (!installed.isEmpty()) {
        QFont font(installed);
        font.setStyleStrategy(QFont::NoFontMerging);
        map.font = QRawFont::fromFont(font);
    }
    return *m_maps.insert(folded, map);
}

bool QtFontCatalog::hasGlyphsFor(const QString &family, const QList<char32_t> &characters) const
{
    CharacterMap &map = characterMap(family);
    if (!map.font.isValid())
        return characters.isEmpty();
    for (const char32_t c : characters) {
        auto known = map.known.find(c);
        if (known == map.known.end())
            known = map.known.insert(c, map.font.supportsCharacter(uint(c)));
        if (!*known)
            return false;
    }
    return true;
}

QString QtFontCatalog::familyName(const QString &qtFamily)
{
    if (qtFamily.endsWith(u']')) {
        const qsizetype open = qtFamily.lastIndexOf(QStringLiteral(" ["));
        if (open > 0)
            return qtFamily.left(open);
    }
    return qtFamily;
}

QStringList QtFontCatalog::familyNames(const QStringList &qtFamilies)
{
    QStringList names;
    QSet<QString> seen;
    for (const QString &family : qtFamilies) {
        const QString name = familyName(family);
        if (name.isEmpty() || seen.contains(name))
            continue;
        seen.insert(name);
        names.append(name);
    }
    return names;
}

bool QtFontCatalog::isGenericAlias(const QString &qtFamily)
{
    static const QStringList generic{QStringLiteral("Sans Serif"), QStringLiteral("Serif"),
                                     QStringLiteral("Monospace")};
    // A real family of that name resolves to itself.
    return generic.contains(qtFamily) && QFontInfo(QFont(qtFamily)).family() != qtFamily;
}
