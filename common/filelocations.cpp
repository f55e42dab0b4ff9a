// File locations: see filelocations.h.
#include "filelocations.h"

#include "textfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

bool FileLocations::isInstalled() const
{
    const QString folder = programFolder();
    if (folder.isEmpty())
        return false;
    const QDir bin(folder);
    return bin.dirName() == QLatin1String("bin") &&
           QFileInfo(bin.filePath(QStringLiteral("../share/kerncraft"))).isDir();
}

QString FileLocations::dataFolder() const
{
    return chooseFolder(userCacheFolder());
}

QString FileLocations::configFolder() const
{
    return chooseFolder(userConfigFolder());
}

QString FileLocations::chooseFolder(const QString &userFolder) const
{
    if (isInstalled())
        return TextFile::firstWritableFolder({userFolder});
    return TextFile::firstWritableFolder({programFolder(), userFolder});
}

QString SystemFileLocations::programFolder() const
{
    return QCoreApplication::applicationDirPath();
}

QString SystemFileLocations::userCacheFolder() const
{
    return QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
}

QString SystemFileLocations::userConfigFolder() const
{
    return QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
}
