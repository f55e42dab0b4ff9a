// File identities: see fileidentity.h.
#include "files/fileidentity.h"

#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_WIN
#include <QHash>
#else
#include <sys/stat.h>
#endif

namespace {

// The path with every link followed as far as the links lead (a dangling link's target
// included), for names that do not exist yet.
QString followed(const QString &path)
{
    QFileInfo info(path);
    for (int hops = 0; hops < 40 && info.isSymLink(); ++hops)
        info = QFileInfo(info.symLinkTarget());
    return info.absoluteFilePath();
}

} // namespace

#ifdef Q_OS_WIN

std::optional<FileIdentity> FileIdentity::ofPath(const QString &path)
{
    const QString canonical = QFileInfo(path).canonicalFilePath();
    if (canonical.isEmpty())
        return std::nullopt;
    FileIdentity id;
    id.m_inode = qHash(canonical.toLower());
    return id;
}

std::optional<FileIdentity> FileIdentity::ofHandle(int)
{
    return std::nullopt;
}

#else

std::optional<FileIdentity> FileIdentity::ofPath(const QString &path)
{
    struct stat info {};
    if (path.isEmpty() || ::stat(QFile::encodeName(path).constData(), &info) != 0)
        return std::nullopt;
    FileIdentity id;
    id.m_device = quint64(info.st_dev);
    id.m_inode = quint64(info.st_ino);
    return id;
}

std::optional<FileIdentity> FileIdentity::ofHandle(int handle)
{
    struct stat info {};
    if (handle < 0 || ::fstat(handle, &info) != 0)
        return std::nullopt;
    FileIdentity id;
    id.m_device = quint64(info.st_dev);
    id.m_inode = quint64(info.st_ino);
    return id;
}

#endif

bool FileIdentity::sameFile(const QString &a, const QString &b)
{
    if (a.isEmpty() || b.isEmpty())
        return false;
    const auto idA = ofPath(a);
    const auto idB = ofPath(b);
    if (idA && idB)
        return *idA == *idB;
    return followed(a) == followed(b);
}
