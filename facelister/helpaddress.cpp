// Help address: see helpaddress.h.
#include "helpaddress.h"

#include <QDir>
#include <QFileInfo>
#include <QUrl>

namespace HelpAddress {

QStringList candidateFolders(const QString &programFolder)
{
    const QDir dir(programFolder);
    return {QDir::cleanPath(dir.filePath(QStringLiteral("help"))),
            QDir::cleanPath(dir.filePath(QStringLiteral("../help"))),
            QDir::cleanPath(dir.filePath(QStringLiteral("../share/kerncraft/help")))};
}

QString resolve(const QString &configured, const QString &programFolder, const QString &pageName)
{
    if (!configured.trimmed().isEmpty())
        return configured.trimmed();
    const QStringList folders = candidateFolders(programFolder);
    QString chosen = QDir(folders.first()).filePath(pageName);
    for (const QString &folder : folders) {
        const QString path = QDir(folder).filePath(pageName);
        if (QFileInfo(path).isFile()) {
            chosen = path;
            break;
        }
    }
    return QUrl::fromLocalFile(QFileInfo(chosen).absoluteFilePath()).toString();
}

} // namespace HelpAddress
