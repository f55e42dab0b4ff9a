// Desktop handlers: see qtshell.h.
#include "qtshell.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

bool QtShell::openAddress(const QString &address)
{
    QUrl url = QUrl::fromUserInput(address);
    if (!url.isValid())
        return false;
    return QDesktopServices::openUrl(url);
}

bool QtShell::openDocument(const QString &path, const QString &workingFolder)
{
    // The handler inherits the working folder of the moment it is started.
    const QString previous = QDir::currentPath();
    const bool changed = !workingFolder.isEmpty() && QDir::setCurrent(workingFolder);
    const bool ok =
        QDesktopServices::openUrl(QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()));
    if (changed)
        QDir::setCurrent(previous);
    return ok;
}
