// Installed fonts: see qtfontcatalog.h.
#include "qtfontcatalog.h"

#include "sortednames.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QSet>

QtFontCatalog::QtFontCatalog()
{
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
