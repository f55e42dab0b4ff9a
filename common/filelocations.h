// Where the programs keep their files. An installed program (its folder is a `bin` folder
// with `../share/kerncraft` beside it) keeps them in the user's own folders, so that it never
// writes into a shared install; a program run from a build tree or an unpacked folder keeps
// them beside itself when that folder is writable, else in the user's own folders.
#pragma once

#include <QString>

class FileLocations {
public:
    virtual ~FileLocations() = default;
    virtual QString programFolder() const = 0;
    virtual QString userCacheFolder() const = 0;
    virtual QString userConfigFolder() const = 0;

    // True when the program folder is the `bin` folder of an installed layout.
    bool isInstalled() const;

    // Where generated pages (the HTML a program writes for the browser) go, and where the
    // settings file lives; created when missing, empty when no folder can be written.
    QString dataFolder() const;
    QString configFolder() const;

private:
    QString chooseFolder(const QString &userFolder) const;
};

// The real folders of the running program.
class SystemFileLocations : public FileLocations {
public:
    QString programFolder() const override;
    QString userCacheFolder() const override;
    QString userConfigFolder() const override;
};
