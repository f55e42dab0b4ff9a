// File locations: see filelocations.h.
#include "files/filelocations.h"

#include "files/textfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#ifdef Q_OS_UNIX
#include <pwd.h>
#include <unistd.h>
#endif

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

QString FileLocations::configFileFolder(const QString &fileName) const
{
    const QString writable = configFolder();
    if (!writable.isEmpty() && QFileInfo(QDir(writable).filePath(fileName)).isFile())
        return writable;
    for (const QString &folder : candidates(userConfigFolder())) {
        if (QFileInfo(QDir(folder).filePath(fileName)).isFile())
            return QDir(folder).absolutePath();
    }
    return writable;
}

QString FileLocations::homeFolder(const QString &environmentHome, const QString &accountHome)
{
    for (const QString &home : {environmentHome, accountHome}) {
        const QFileInfo info(home);
        if (!home.isEmpty() && info.isAbsolute() && info.isDir() && !QDir(home).isRoot())
            return QDir::cleanPath(home);
    }
    return {};
}

QStringList FileLocations::candidates(const QString &userFolder) const
{
    QStringList folders;
    if (!isInstalled())
        folders << programFolder();
    folders << userFolder;
    // A relative or empty name would land in the current folder, and "/" is nobody's.
    QStringList usable;
    for (const QString &folder : std::as_const(folders)) {
        if (!folder.isEmpty() && QFileInfo(folder).isAbsolute() && !QDir(folder).isRoot())
            usable << folder;
    }
    return usable;
}

QString FileLocations::chooseFolder(const QString &userFolder) const
{
    return TextFile::firstWritableFolder(candidates(userFolder));
}

QString SystemFileLocations::programFolder() const
{
    return QCoreApplication::applicationDirPath();
}

QString SystemFileLocations::userFolder(const char *variable, const QString &underHome)
{
    QString accountHome;
#ifdef Q_OS_UNIX
    if (const passwd *account = ::getpwuid(::getuid()); account && account->pw_dir)
        accountHome = QFile::decodeName(account->pw_dir);
#endif
    const QString home = homeFolder(qEnvironmentVariable("HOME"), accountHome);
    QString base = qEnvironmentVariable(variable);
    if (base.isEmpty() || !QFileInfo(base).isAbsolute()) {
        if (home.isEmpty())
            return {};
        base = QDir(home).filePath(underHome);
    }
    return QDir(base).filePath(QCoreApplication::organizationName() + QLatin1Char('/') +
                               QCoreApplication::applicationName());
}

QString SystemFileLocations::userCacheFolder() const
{
#ifdef Q_OS_UNIX
    return userFolder("XDG_CACHE_HOME", QStringLiteral(".cache"));
#else
    return QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
#endif
}

QString SystemFileLocations::userConfigFolder() const
{
#ifdef Q_OS_UNIX
    return userFolder("XDG_CONFIG_HOME", QStringLiteral(".config"));
#else
    return QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
#endif
}
