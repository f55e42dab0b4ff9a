// Installed fonts: see qtfontcatalog.h.
#include "qtfontcatalog.h"

#include <QFontDatabase>
#include <QSet>

QtFontCatalog::QtFontCatalog() : m_names(familyNames(QFontDatabase::families())) {}

int QtFontCatalog::count() const
{
    return int(m_names.size());
}

QString QtFontCatalog::name(int index) const
{
    return m_names.value(index);
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
