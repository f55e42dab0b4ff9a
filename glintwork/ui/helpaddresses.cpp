// Help addresses: see helpaddresses.h.
#include "helpaddresses.h"

#include <QDir>
#include <QFileInfo>
#include <QUrl>

namespace HelpAddresses {

QString bundledPage(const QString &programFolder, const QString &fileName)
{
    const QDir dir(programFolder);
    const QStringList candidates = {
        dir.filePath(QStringLiteral("../help/") + fileName),
        dir.filePath(QStringLiteral("../share/kerncraft/help/") + fileName),
        dir.filePath(QStringLiteral("help/") + fileName),
    };
    for (const QString &candidate : candidates) {
        const QFileInfo info(candidate);
        if (info.isFile())
            return QUrl::fromLocalFile(info.canonicalFilePath()).toString();
    }
    return {};
}

QString resolve(const QString &configured, const QString &programFolder, const QString &fileName)
{
    const QString trimmed = configured.trimmed();
    if (!trimmed.isEmpty())
        return trimmed;
    return bundledPage(programFolder, fileName);
}

} // namespace HelpAddresses
