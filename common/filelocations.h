// Where the programs keep their files: beside the program file when that folder is
// writable (a build tree, a portable install), otherwise in the user's own folders.
#pragma once

#include <QString>

class FileLocations {
public:
    virtual ~FileLocations() = default;
    virtual QString programFolder() const = 0;
    virtual QString userDataFolder() const = 0;
    virtual QString userConfigFolder() const = 0;

    // The program folder when a file can be created there, else the user's data or
    // configuration folder (created when missing).
    QString dataFolder() const;
    QString configFolder() const;
};

// The real folders of the running program.
class SystemFileLocations : public FileLocations {
public:
    QString programFolder() const override;
    QString userDataFolder() const override;
    QString userConfigFolder() const override;
};
