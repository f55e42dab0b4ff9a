// Icons and types by name: see nameonlyiconprovider.h.
#include "widgets/platform/nameonlyiconprovider.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QMimeDatabase>

QIcon NameOnlyIconProvider::icon(const QFileInfo &info) const
{
    if (info.isRoot())
        return icon(Drive);
    return icon(info.isDir() ? Folder : File);
}

QString NameOnlyIconProvider::type(const QFileInfo &info) const
{
    if (info.isRoot())
        return QCoreApplication::translate("QFileDialog", "Drive");
    if (info.isDir())
        return QCoreApplication::translate("QFileDialog", "Folder");
    const QMimeType mime =
        QMimeDatabase().mimeTypeForFile(info.fileName(), QMimeDatabase::MatchExtension);
    if (!mime.isDefault())
        return mime.comment();
    const QString suffix = info.suffix();
    return suffix.isEmpty() ? QCoreApplication::translate("QFileDialog", "File")
                            : QCoreApplication::translate("QFileDialog", "%1 File").arg(suffix);
}
