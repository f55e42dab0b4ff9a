// Text files: see textfile.h.
#include "files/textfile.h"

#include "encoding/cp1252.h"
#include "files/diskfilereplacer.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <QTemporaryFile>
#include <algorithm>
#include <cerrno>

#include <fcntl.h>
#ifdef Q_OS_WIN
#include <io.h>
#else
#include <unistd.h>
#endif

namespace TextFile {

namespace {

const QByteArray kUtf8Bom("\xEF\xBB\xBF");

} // namespace

std::optional<QByteArray> readAll(const QString &path)
{
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return file.readAll();
}

ReadResult readBounded(int handle, qint64 limit)
{
    constexpr qint64 kChunk = 1 << 16;
    QByteArray bytes;
    qint64 size = 0;
    for (;;) {
        if (bytes.size() - size < kChunk && bytes.size() <= limit)
            bytes.resize(std::min<qint64>(std::max<qint64>(2 * bytes.size(), kChunk), limit + 1));
        const qint64 room = std::min<qint64>(kChunk, bytes.size() - size);
#ifdef Q_OS_WIN
        const qint64 got = ::_read(handle, bytes.data() + size, unsigned(room));
#else
        const qint64 got = ::read(handle, bytes.data() + size, size_t(room));
#endif
        if (got < 0) {
            if (errno == EINTR)
                continue;
            return {std::nullopt, sentence(qt_error_string(errno)), false};
        }
        if (got == 0)
            break;
        size += got;
        if (size > limit)
            return {std::nullopt,
                    QCoreApplication::translate("TextFile", "It is longer than the limit."), true};
    }
    bytes.truncate(size);
    bytes.squeeze();
    return {std::move(bytes), {}, false};
}

ReadResult readBounded(const QString &path, qint64 limit)
{
    const QFileInfo info(path);
    if (info.isDir())
        return {std::nullopt, QCoreApplication::translate("TextFile", "It is a folder."), false};
#ifdef Q_OS_WIN
    const int handle =
        ::_wopen(reinterpret_cast<const wchar_t *>(path.utf16()), _O_RDONLY | _O_BINARY);
#else
    const int handle = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
#endif
    if (handle < 0)
        return {std::nullopt, sentence(qt_error_string(errno)), false};
    ReadResult result = readBounded(handle, limit);
#ifdef Q_OS_WIN
    ::_close(handle);
#else
    ::close(handle);
#endif
    return result;
}

QList<QByteArray> splitLines(const QByteArray &bytes)
{
    QList<QByteArray> lines;
    qsizetype start = 0;
    const qsizetype n = bytes.size();
    for (qsizetype i = 0; i < n; ++i) {
        if (bytes[i] != '\n')
            continue;
        qsizetype end = i;
        if (end > start && bytes[end - 1] == '\r')
            --end;
        lines.append(bytes.mid(start, end - start));
        start = i + 1;
    }
    if (start < n) {
        QByteArray last = bytes.mid(start);
        if (last.endsWith('\r'))
            last.chop(1);
        lines.append(last);
    }
    return lines;
}

std::optional<QStringList> decodeLines(const QByteArray &bytes)
{
    if (!bytes.startsWith(kUtf8Bom)) {
        QStringList lines;
        for (const QByteArray &line : splitLines(bytes))
            lines.append(Cp1252::decode(line));
        return lines;
    }
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8.decode(QByteArrayView(bytes).sliced(kUtf8Bom.size()));
    if (utf8.hasError())
        return std::nullopt;
    QStringList lines;
    for (const QByteArray &line : splitLines(text.toUtf8()))
        lines.append(QString::fromUtf8(line));
    return lines;
}

std::optional<QStringList> readLines(const QString &path)
{
    const auto bytes = readAll(path);
    if (!bytes)
        return std::nullopt;
    return decodeLines(*bytes);
}

WriteResult writeAtomically(const QString &path, const QByteArray &bytes)
{
    DiskFileReplacer disk;
    return writeAtomically(path, bytes, disk);
}

WriteResult writeAtomically(const QString &path, const QByteArray &bytes, FileReplacer &steps)
{
    return writeAtomically(
        path, [&bytes](const PartWriter &write) { return write(bytes); }, steps);
}

WriteResult writeAtomically(const QString &path, const PartProducer &produce)
{
    DiskFileReplacer disk;
    return writeAtomically(path, produce, disk);
}

WriteResult writeAtomically(const QString &path, const PartProducer &produce, FileReplacer &steps)
{
    const QFileInfo target(path);
    if (target.isDir())
        return {false, QCoreApplication::translate("TextFile", "It is a folder.")};
    // A device, a pipe or a socket would be replaced by a plain file, or block the program.
    if (target.exists() && !target.isFile())
        return {false, QCoreApplication::translate("TextFile", "It is not an ordinary file.")};
    if (!steps.begin(path))
        return {false, sentence(steps.errorString())};
    const PartWriter write = [&steps](const QByteArray &part) { return steps.write(part); };
    if (produce(write) && steps.flush() && steps.commit())
        return {true, {}};
    const QString reason = sentence(steps.errorString());
    steps.cancel();
    return {false, reason};
}

QString sentence(const QString &reason)
{
    QString text = reason.trimmed();
    if (text.isEmpty())
        return QCoreApplication::translate("TextFile", "The file system reported an error.");
    if (!text.endsWith(u'.') && !text.endsWith(u'!') && !text.endsWith(u'?'))
        text += u'.';
    return text;
}

QByteArray encodeLines(const QStringList &lines)
{
    QString joined;
    for (const QString &line : lines) {
        joined += line;
        joined += QStringLiteral("\r\n");
    }
    if (auto bytes = Cp1252::encode(joined))
        return *bytes;
    return kUtf8Bom + joined.toUtf8();
}

WriteResult writeLines(const QString &path, const QStringList &lines)
{
    return writeAtomically(path, encodeLines(lines));
}

QString firstWritableFolder(const QStringList &folders)
{
    for (const QString &folder : folders) {
        if (folder.isEmpty() || !QDir().mkpath(folder))
            continue;
        QTemporaryFile probe(QDir(folder).filePath(QStringLiteral("probe-XXXXXX")));
        if (probe.open())
            return QDir(folder).absolutePath();
    }
    return {};
}

} // namespace TextFile
