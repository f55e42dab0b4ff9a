// Temporary folders: see fakefilelocations.h.
#include "fakefilelocations.h"

#include <QDir>
#include <QFile>

FakeFileLocations::FakeFileLocations()
{
    QDir root(m_root.path());
    root.mkpath(QStringLiteral("program"));
    root.mkpath(QStringLiteral("data"));
    root.mkpath(QStringLiteral("config"));
}

QString FakeFileLocations::programFolder() const
{
    return m_root.filePath(m_programWritable ? QStringLiteral("program")
                                             : QStringLiteral("not-a-folder"));
}

QString FakeFileLocations::userDataFolder() const
{
    return m_root.filePath(QStringLiteral("data"));
}

QString FakeFileLocations::userConfigFolder() const
{
    return m_root.filePath(QStringLiteral("config"));
}

void FakeFileLocations::setProgramFolderWritable(bool writable)
{
    m_programWritable = writable;
    if (!writable) {
        QFile file(programFolder());
        file.open(QIODevice::WriteOnly);
    }
}
