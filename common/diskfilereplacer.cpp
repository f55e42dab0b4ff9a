// The real file system's replacement: see diskfilereplacer.h.
#include "diskfilereplacer.h"

#include <QFile>
#include <QFileInfo>
#include <cerrno>

#ifdef Q_OS_WIN
#include <io.h>
#else
#include <unistd.h>
#endif

namespace {

// Pushes the operating system's cache of the file to the disk; true when done or when the
// file system has no such thing. A full disk or a failing device can report here only.
bool syncToDisk(int handle, QString &reason)
{
    if (handle < 0)
        return true;
#ifdef Q_OS_WIN
    if (_commit(handle) == 0)
        return true;
#else
    if (::fsync(handle) == 0)
        return true;
#endif
    const int error = errno;
    if (error == EINVAL || error == ENOTSUP || error == EOPNOTSUPP)
        return true;
    reason = qt_error_string(error);
    return false;
}

// The owner, group and other bits of the file. The "user" bits describe what this process
// may do (root may write anything) and would widen a read-only file's mode.
QFileDevice::Permissions modeOf(const QString &path)
{
    constexpr QFileDevice::Permissions kModeBits =
        QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner |
        QFileDevice::ReadGroup | QFileDevice::WriteGroup | QFileDevice::ExeGroup |
        QFileDevice::ReadOther | QFileDevice::WriteOther | QFileDevice::ExeOther;
    return QFile::permissions(path) & kModeBits;
}

} // namespace

bool DiskFileReplacer::begin(const QString &path)
{
    m_file = std::make_unique<QSaveFile>(path);
    // Unbuffered: a refused write shows at once instead of when a buffer is emptied.
    if (!m_file->open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return fail(m_file->errorString());
    return true;
}

bool DiskFileReplacer::write(const QByteArray &bytes)
{
    if (m_file->write(bytes) != bytes.size())
        return fail(m_file->errorString());
    return true;
}

bool DiskFileReplacer::flush()
{
    if (!m_file->flush())
        return fail(m_file->errorString());
    QString reason;
    if (!syncToDisk(m_file->handle(), reason))
        return fail(reason);
    return true;
}

bool DiskFileReplacer::commit()
{
    const QString target = m_file->fileName();
    if (QFileInfo::exists(target) && !m_file->setPermissions(modeOf(target)))
        return fail(m_file->errorString());
    if (!m_file->commit())
        return fail(m_file->errorString());
    m_file.reset();
    return true;
}

void DiskFileReplacer::cancel()
{
    if (m_file)
        m_file->cancelWriting();
    m_file.reset(); // the destructor of an uncommitted file removes it
}

QString DiskFileReplacer::errorString() const
{
    return m_error;
}

bool DiskFileReplacer::fail(const QString &reason)
{
    m_error = reason;
    return false;
}
