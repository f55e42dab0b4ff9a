// Where the programs keep their files. An installed program (its folder is a `bin` folder
// with `../share/kerncraft` beside it) keeps them in the user's own folders, so that it never
// writes into a shared install; a program run from a build tree or an unpacked folder keeps
// them beside itself when that folder is writable, else in the user's own folders.
#pragma once

#include <QString>
#include <QStringList>

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
    // Neither is ever the current folder or the root folder.
    QString dataFolder() const;
    QString configFolder() const;

    // The folder whose file of that name is read: the writable configuration folder when
    // the file is there, else the first usable folder that holds one, even one that cannot
    // be written; else the writable folder (empty when there is none).
    QString configFileFolder(const QString &fileName) const;

    // The user's home: $HOME when it is a folder, else the account's home from the
    // password database; empty when neither is a folder other than the root folder.
    static QString homeFolder(const QString &environmentHome, const QString &accountHome);

private:
    QString chooseFolder(const QString &userFolder) const;
    QStringList candidates(const QString &userFolder) const;
};

// The real folders of the running program. The user's folders follow the XDG variables
// below the home of homeFolder(); without a home there are none.
class SystemFileLocations : public FileLocations {
public:
    QString programFolder() const override;
    QString userCacheFolder() const override;
    QString userConfigFolder() const override;

private:
    static QString userFolder(const char *variable, const QString &underHome);
};
