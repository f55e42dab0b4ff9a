// Folders inside a temporary folder of the test's own.
#pragma once

#include "files/filelocations.h"

#include <QTemporaryDir>

class FakeFileLocations : public FileLocations {
public:
    FakeFileLocations();
    QString programFolder() const override;
    QString userCacheFolder() const override;
    QString userConfigFolder() const override;

    // Moves the program to another folder below the temporary root (created when missing),
    // for example "usr/bin" beside a created "usr/share/kerncraft" to act as an install.
    void setProgramFolder(const QString &relativePath);

    // Makes the program folder unusable (or usable again). Permissions would not stop
    // root, so an unusable program folder is a path that names a plain file.
    void setProgramFolderWritable(bool writable);
    // Makes the user's folders unusable in the same way: nothing is writable then.
    void setUserFoldersWritable(bool writable);

    // Creates a folder below the temporary root and returns its path.
    QString makeFolder(const QString &relativePath) const;

private:
    QTemporaryDir m_root;
    QString m_program = QStringLiteral("program");
    bool m_programWritable = true;
    bool m_userWritable = true;
};
