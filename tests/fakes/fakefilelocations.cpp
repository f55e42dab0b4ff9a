// Temporary folders: see fakefilelocations.h.
#include "fakes/fakefilelocations.h"

#include <QDir>
#include <QFile>

FakeFileLocations::FakeFileLocations()
{
    makeFolder(m_program);
    makeFolder(QStringLiteral("cache"));
    makeFolder(QStringLiteral("config"));
}

QString FakeFileLocations::programFolder() const
{
    return m_root.filePath(m_programWritable ? m_program : QStringLiteral("not-a-folder"));
}

QString FakeFileLocations::userCacheFolder() const
{
    return m_root.filePath(m_userWritable ? QStringLiteral("cache")
                                          : QStringLiteral("not-a-folder/cache"));
}

QString FakeFileLocations::userConfigFolder() const
{
    return m_root.filePath(m_userWritable ? QStringLiteral("config")
                                          : QStringLiteral("not-a-folder/config"));
}

void FakeFileLocations::setUserFoldersWritable(bool writable)
{
    m_userWritable = writable;
    if (!writable) {
        QFile file(m_root.filePath(QStringLiteral("not-a-folder")));
        file.open(QIODevice::WriteOnly);
    }
}

void FakeFileLocations::setProgramFolder(const QString &relativePath)
{
    m_program = relativePath;
    makeFolder(relativePath);
}

void FakeFileLocations::setProgramFolderWritable(bool writable)
{
    m_programWritable = writable;
    if (!writable) {
        QFile file(programFolder());
        file.open(QIODevice::WriteOnly);
    }
}

QString FakeFileLocations::makeFolder(const QString &relativePath) const
{
    QDir(m_root.path()).mkpath(relativePath);
    return m_root.filePath(relativePath);
}
