// FileReplacer on the real file system: a temporary file beside the target that is renamed
// over it when everything is on the disk.
#pragma once

#include "filereplacer.h"

#include <QSaveFile>
#include <memory>

class DiskFileReplacer : public FileReplacer {
public:
    bool begin(const QString &path) override;
    bool write(const QByteArray &bytes) override;
    bool flush() override;
    bool commit() override;
    void cancel() override;
    QString errorString() const override;

private:
    bool fail(const QString &reason);

    std::unique_ptr<QSaveFile> m_file;
    QString m_error;
};
