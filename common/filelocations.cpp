// File locations: see filelocations.h.
#include "filelocations.h"

#include "textfile.h"

#include <QCoreApplication>
#include <QStandardPaths>

QString FileLocations::dataFolder() const
{
    return TextFile::firstWritableFolder({programFolder(), userDataFolder()});
}

QString FileLocations::configFolder() const
{
    return TextFile::firstWritableFolder({programFolder(), userConfigFolder()});
}

QString SystemFileLocations::programFolder() const
{
    return QCoreApplication::applicationDirPath();
}

QString SystemFileLocations::userDataFolder() const
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

QString SystemFileLocations::userConfigFolder() const
{
    return QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
}
