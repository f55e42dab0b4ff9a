// Handing an address or a document to the system's handler (the web browser, the
// program registered for HTML files).
#pragma once

#include <QString>

class ShellService {
public:
    virtual ~ShellService() = default;
    virtual bool openAddress(const QString &address) = 0;
    virtual bool openDocument(const QString &path, const QString &workingFolder) = 0;
    // The name of the user's default web browser as the desktop shows it; empty when unknown.
    virtual QString webBrowserName() const { return {}; }
};
