// Published symbol font mapping tables: see publishedmappings.h.
#include "widgets/fonts/publishedmappings.h"

#include "fonts/symbolequivalents.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QStandardPaths>

namespace PublishedMappings {

namespace {

QStringList encodingFolders()
{
    QStringList folders;
    for (const QString &data :
         QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation)) {
        const QDir tcl(QDir(data).filePath(QStringLiteral("tcltk")));
        for (const QString &version : tcl.entryList({QStringLiteral("tcl*")}, QDir::Dirs))
            folders.append(tcl.filePath(version + QStringLiteral("/encoding")));
    }
    return folders;
}

QStringList table(const QString &name)
{
    static QHash<QString, QStringList> cache;
    const auto found = cache.constFind(name);
    if (found != cache.constEnd())
        return *found;
    QStringList equivalents;
    for (const QString &folder : encodingFolders()) {
        QFile file(QDir(folder).filePath(name + QStringLiteral(".enc")));
        if (file.open(QIODevice::ReadOnly)) {
            equivalents = SymbolEquivalents::fromMappingTable(file.readAll());
            if (!equivalents.isEmpty())
                break;
        }
    }
    cache.insert(name, equivalents);
    return equivalents;
}

} // namespace

QStringList forFamily(const QString &family)
{
    if (family.contains(QStringLiteral("dingbats"), Qt::CaseInsensitive) ||
        family.compare(QStringLiteral("D050000L"), Qt::CaseInsensitive) == 0)
        return table(QStringLiteral("dingbats"));
    if (family.contains(QStringLiteral("symbol"), Qt::CaseInsensitive))
        return table(QStringLiteral("symbol"));
    return {};
}

} // namespace PublishedMappings
