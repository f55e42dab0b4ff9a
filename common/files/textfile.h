// Reading and writing the suite's text files: lines end in CR LF (a lone LF is accepted
// on reading), and writing is atomic, so that a failure never leaves a half-written file
// and never destroys the previous one.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

class FileReplacer;

// Never dropped: a failed write reaches the user, or the log where the design keeps quiet.
struct [[nodiscard]] WriteResult {
    bool ok = false;
    QString error; // the reason, one sentence with its full stop, when !ok
};

// What a bounded read found: the bytes, or why there are none.
struct ReadResult {
    std::optional<QByteArray> bytes;
    QString error;        // the reason, one sentence, when there are no bytes
    bool tooLong = false; // more than the limit was there; nothing beyond it was kept
};

namespace TextFile {

std::optional<QByteArray> readAll(const QString &path);

// Reads from the handle until its end, or refuses once more than `limit` bytes came: an
// endless device or a huge file costs at most the limit. Never allocates beyond it.
ReadResult readBounded(int handle, qint64 limit);
// readBounded of a file that exists and is an ordinary file, a pipe or a device (a
// folder is refused with its own reason).
ReadResult readBounded(const QString &path, qint64 limit);

// Lines of the bytes, without their CR LF or LF. A final line without an ending counts;
// an ending at the very end does not start another line.
QList<QByteArray> splitLines(const QByteArray &bytes);

// Lines of the bytes, decoded as UTF-8 when they start with the UTF-8 byte-order mark,
// otherwise as Windows-1252. nullopt when the mark is followed by bytes that are not
// UTF-8: such a file is damaged, and reading it as text would lose its bytes.
std::optional<QStringList> decodeLines(const QByteArray &bytes);
// decodeLines of a file; nullopt also when it cannot be read.
std::optional<QStringList> readLines(const QString &path);

// Replaces the file with the bytes: written to a temporary file beside it, pushed to the
// disk, then renamed over it with its permissions. Any failing step leaves the old file
// (or no file) as it was. A path that exists and is not a regular file is refused.
WriteResult writeAtomically(const QString &path, const QByteArray &bytes);
WriteResult writeAtomically(const QString &path, const QByteArray &bytes, FileReplacer &steps);
// The same for bytes made a part at a time: `produce` hands each part to the writer it is
// given and stops when that answers false; it answers whether every part was written.
using PartWriter = std::function<bool(const QByteArray &part)>;
using PartProducer = std::function<bool(const PartWriter &write)>;
WriteResult writeAtomically(const QString &path, const PartProducer &produce);
WriteResult writeAtomically(const QString &path, const PartProducer &produce, FileReplacer &steps);

// The reason as one sentence: trimmed, with a closing full stop.
QString sentence(const QString &reason);

// Each line followed by CR LF, in Windows-1252 when every character fits, otherwise
// in UTF-8 with a byte-order mark.
QByteArray encodeLines(const QStringList &lines);
WriteResult writeLines(const QString &path, const QStringList &lines);

// The first folder of the list in which a file can be created (tried for real), or an
// empty string. The folder is created when missing.
QString firstWritableFolder(const QStringList &folders);

} // namespace TextFile
