// The steps of replacing a file on disk, behind an interface so that tests can make any
// one of them fail. TextFile::writeAtomically drives them in order and gives up at the
// first step that fails; until commit() succeeds the file named by begin() is untouched.
#pragma once

#include <QByteArray>
#include <QString>

class FileReplacer {
public:
    virtual ~FileReplacer() = default;
    // Opens a new, empty file beside the one to replace.
    virtual bool begin(const QString &path) = 0;
    // Writes all the bytes, or fails.
    virtual bool write(const QByteArray &bytes) = 0;
    // Moves what was written to the disk itself, so that commit() never publishes bytes
    // that the file system could still refuse.
    virtual bool flush() = 0;
    // Puts the new file in the old one's place with the old one's permissions.
    virtual bool commit() = 0;
    // Throws the new file away; the old one stays as it was.
    virtual void cancel() = 0;
    // The reason of the last failure.
    virtual QString errorString() const = 0;
};
