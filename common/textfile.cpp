// Text files: see textfile.h.
#include "textfile.h"

#include "cp1252.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryFile>

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

std::optional<QStringList> readLines(const QString &path)
{
    auto bytes = readAll(path);
    if (!bytes)
        return std::nullopt;
    const bool utf8 = bytes->startsWith(kUtf8Bom);
    if (utf8)
        bytes->remove(0, kUtf8Bom.size());
    QStringList lines;
    for (const QByteArray &line : splitLines(*bytes))
        lines.append(utf8 ? QString::fromUtf8(line) : Cp1252::decode(line));
    return lines;
}

WriteResult writeAtomically(const QString &path, const QByteArray &bytes)
{
    if (QFileInfo(path).isDir())
        return {false, QStringLiteral("It is a folder.")};
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return {false, file.errorString()};
    if (file.write(bytes) != bytes.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return {false, reason};
    }
    if (!file.commit())
        return {false, file.errorString()};
    return {true, {}};
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
