// Reading and writing the suite's text files: lines end in CR LF (a lone LF is accepted
// on reading), and writing is atomic, so that a failure never leaves a half-written file
// and never destroys the previous one.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

struct WriteResult {
    bool ok = false;
    QString error; // the reason, for a message, when !ok
};

namespace TextFile {

std::optional<QByteArray> readAll(const QString &path);

// Lines of the bytes, without their CR LF or LF. A final line without an ending counts;
// an ending at the very end does not start another line.
QList<QByteArray> splitLines(const QByteArray &bytes);

// Lines of a file, decoded as UTF-8 when it starts with the UTF-8 byte-order mark,
// otherwise as Windows-1252.
std::optional<QStringList> readLines(const QString &path);

// Replaces the file with the bytes: written to a temporary file beside it, then renamed.
WriteResult writeAtomically(const QString &path, const QByteArray &bytes);

// Each line followed by CR LF, in Windows-1252 when every character fits, otherwise
// in UTF-8 with a byte-order mark.
QByteArray encodeLines(const QStringList &lines);
WriteResult writeLines(const QString &path, const QStringList &lines);

// The first folder of the list in which a file can be created (tried for real), or an
// empty string. The folder is created when missing.
QString firstWritableFolder(const QStringList &folders);

} // namespace TextFile
