// The real file system's replacement: see diskfilereplacer.h.
#include "files/diskfilereplacer.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <cerrno>

#ifdef Q_OS_WIN
#include <io.h>
#else
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

const QString kTemporaryMark = QStringLiteral(".kc-");
const QString kTemporaryEnd = QStringLiteral(".tmp");
constexpr int kRandomLength = 6;

// Qt says "Unknown error" for a code it has no text for; such a code still names itself.
QString errnoText(int error)
{
    const QString text = qt_error_string(error);
    if (text.isEmpty() || text.startsWith(QLatin1String("Unknown error")))
        return QCoreApplication::translate("DiskFileReplacer", "System error %1").arg(error);
    return text;
}

#ifndef Q_OS_WIN

QString randomPart()
{
    static const char kLetters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    QString part;
    for (int i = 0; i < kRandomLength; ++i)
        part += QLatin1Char(kLetters[QRandomGenerator::global()->bounded(62)]);
    return part;
}

// The file a link names, followed to its end, so that the link itself stays a link. A
// path that is not a link is itself; a loop is refused with ELOOP.
bool resolveTarget(const QString &path, QString &target, int &error)
{
    target = path;
    struct stat info {};
    if (::lstat(QFile::encodeName(path).constData(), &info) != 0 || !S_ISLNK(info.st_mode))
        return true;
    if (::stat(QFile::encodeName(path).constData(), &info) != 0 && errno == ELOOP) {
        error = ELOOP;
        return false;
    }
    QFileInfo link(path);
    for (int hops = 0; link.isSymLink(); ++hops) {
        if (hops > 40) {
            error = ELOOP;
            return false;
        }
        link = QFileInfo(link.symLinkTarget());
    }
    target = link.absoluteFilePath();
    return true;
}

#endif

} // namespace

DiskFileReplacer::~DiskFileReplacer()
{
    cancel();
}

bool DiskFileReplacer::isTemporaryName(const QString &fileName, const QString &target)
{
    const QString prefix = QFileInfo(target).fileName() + kTemporaryMark;
    if (!fileName.startsWith(prefix) || !fileName.endsWith(kTemporaryEnd))
        return false;
    const QStringView middle = QStringView(fileName).sliced(
        prefix.size(), fileName.size() - prefix.size() - kTemporaryEnd.size());
    if (middle.size() != kRandomLength)
        return false;
    for (const QChar c : middle) {
        if (c.unicode() > 127 || !c.isLetterOrNumber())
            return false;
    }
    return true;
}

#ifdef Q_OS_WIN

void DiskFileReplacer::removeLeftovers(const QString &) {}

bool DiskFileReplacer::begin(const QString &path)
{
    m_file = std::make_unique<QSaveFile>(path);
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
    if (m_file->handle() >= 0 && _commit(m_file->handle()) != 0)
        return failErrno(errno);
    return true;
}

bool DiskFileReplacer::commit()
{
    if (!m_file->commit())
        return fail(m_file->errorString());
    m_file.reset();
    return true;
}

void DiskFileReplacer::cancel()
{
    if (m_file)
        m_file->cancelWriting();
    m_file.reset();
}

#else

void DiskFileReplacer::removeLeftovers(const QString &path)
{
    QString target;
    int error = 0;
    if (!resolveTarget(path, target, error))
        return;
    const QFileInfo info(target);
    const QDir folder = info.absoluteDir();
    const QString pattern = info.fileName() + kTemporaryMark + u'*' + kTemporaryEnd;
    const QStringList names =
        folder.entryList({pattern}, QDir::Files | QDir::Hidden | QDir::System);
    for (const QString &name : names) {
        if (!isTemporaryName(name, target))
            continue;
        const QByteArray file = QFile::encodeName(folder.filePath(name));
        const int handle = ::open(file.constData(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
        if (handle < 0)
            continue;
        // Its writer holds the lock until the rename; a free lock means the writer is gone.
        struct stat st {};
        if (::fstat(handle, &st) == 0 && S_ISREG(st.st_mode) && st.st_uid == ::geteuid() &&
            ::flock(handle, LOCK_EX | LOCK_NB) == 0)
            ::unlink(file.constData());
        ::close(handle);
    }
}

bool DiskFileReplacer::begin(const QString &path)
{
    cancel();
    int error = 0;
    if (!resolveTarget(path, m_target, error))
        return failErrno(error);
    removeLeftovers(m_target);
    // The rename would replace a file that we may not write; the system's answer says so.
    const QByteArray target = QFile::encodeName(m_target);
    if (::access(target.constData(), F_OK) == 0 && ::access(target.constData(), W_OK) != 0)
        return failErrno(errno);
    const QDir folder = QFileInfo(m_target).absoluteDir();
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QString name =
            QFileInfo(m_target).fileName() + kTemporaryMark + randomPart() + kTemporaryEnd;
        const QString candidate = folder.filePath(name);
        m_handle = ::open(QFile::encodeName(candidate).constData(),
                          O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (m_handle >= 0) {
            m_temporary = candidate;
            ::flock(m_handle, LOCK_EX);
            return true;
        }
        if (errno != EEXIST)
            return failErrno(errno);
    }
    return failErrno(EEXIST);
}

bool DiskFileReplacer::write(const QByteArray &bytes)
{
    const char *at = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(m_handle, at, size_t(left));
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return failErrno(errno);
        }
        // A write that takes nothing without a reason would repeat for ever.
        if (written == 0)
            return failErrno(ENOSPC);
        at += written;
        left -= written;
    }
    return true;
}

bool DiskFileReplacer::flush()
{
    if (::fsync(m_handle) == 0)
        return true;
    const int error = errno;
    if (error == EINVAL || error == ENOTSUP || error == EOPNOTSUPP)
        return true;
    return failErrno(error);
}

bool DiskFileReplacer::commit()
{
    const QByteArray target = QFile::encodeName(m_target);
    struct stat old {};
    // The old file's mode; a new file gets what the umask leaves of 0666.
    if (::stat(target.constData(), &old) == 0) {
        if (::fchmod(m_handle, old.st_mode & 0777) != 0)
            return failErrno(errno);
    }
    if (::rename(QFile::encodeName(m_temporary).constData(), target.constData()) != 0)
        return failErrno(errno);
    m_temporary.clear();
    const int handle = m_handle;
    m_handle = -1;
    if (::close(handle) != 0 && errno != EINTR)
        return failErrno(errno);
    return true;
}

void DiskFileReplacer::cancel()
{
    if (!m_temporary.isEmpty())
        ::unlink(QFile::encodeName(m_temporary).constData());
    m_temporary.clear();
    if (m_handle >= 0)
        ::close(m_handle);
    m_handle = -1;
}

#endif

QString DiskFileReplacer::errorString() const
{
    return m_error;
}

bool DiskFileReplacer::fail(const QString &reason)
{
    m_error = reason;
    return false;
}

bool DiskFileReplacer::failErrno(int error)
{
    return fail(errnoText(error));
}
