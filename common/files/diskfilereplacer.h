// FileReplacer on the real file system: a temporary file beside the target that is renamed
// over it when everything is on the disk.
//
// On POSIX systems the temporary file is named "<target>.kc-XXXXXX.tmp" and locked while it
// is written, so that a later save of the same file can tell a leftover (its writer was
// killed before the rename) from a file another run is still writing, and remove it. Each
// failure names the cause the system gave for the failing call.
#pragma once

#include "files/filereplacer.h"

#include <QSaveFile>
#include <memory>

class DiskFileReplacer : public FileReplacer {
public:
    ~DiskFileReplacer() override;

    bool begin(const QString &path) override;
    bool write(const QByteArray &bytes) override;
    bool flush() override;
    bool commit() override;
    void cancel() override;
    QString errorString() const override;

    // Whether a file name is one of the temporary names this class gives `target`.
    static bool isTemporaryName(const QString &fileName, const QString &target);
    // Removes the temporary files of earlier saves of `path` that nobody writes any more.
    static void removeLeftovers(const QString &path);

private:
    bool fail(const QString &reason);
    bool failErrno(int error);

#ifdef Q_OS_WIN
    std::unique_ptr<QSaveFile> m_file;
#else
    int m_handle = -1;
    QString m_target;
    QString m_temporary;
#endif
    QString m_error;
};
