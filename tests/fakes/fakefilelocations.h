// Folders inside a temporary folder of the test's own.
#pragma once

#include "filelocations.h"

#include <QTemporaryDir>

class FakeFileLocations : public FileLocations {
public:
    FakeFileLocations();
    QString programFolder() const override;
    QString userDataFolder() const override;
    QString userConfigFolder() const override;

    // Makes the program folder unusable (or usable again). Permissions would not stop
    // root, so an unusable program folder is a path that names a plain file.
    void setProgramFolderWritable(bool writable);

private:
    QTemporaryDir m_root;
    bool m_programWritable = true;
};
