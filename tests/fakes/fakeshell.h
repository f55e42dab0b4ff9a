// A shell that records what it was asked to open.
#pragma once

#include "platform/shellservice.h"

#include <QStringList>

class FakeShell : public ShellService {
public:
    QStringList addresses;
    QStringList documents;
    QStringList workingFolders;
    bool succeed = true;
    QString browser;

    bool openAddress(const QString &address) override
    {
        addresses.append(address);
        return succeed;
    }
    bool openDocument(const QString &path, const QString &workingFolder) override
    {
        documents.append(path);
        workingFolders.append(workingFolder);
        return succeed;
    }
    QString webBrowserName() const override { return browser; }
};
