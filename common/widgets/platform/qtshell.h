// Addresses and documents handed to the desktop's handlers.
#pragma once

#include "platform/shellservice.h"

#include <optional>

class QtShell : public ShellService {
public:
    bool openAddress(const QString &address) override;
    bool openDocument(const QString &path, const QString &workingFolder) override;
    // On Linux the Name of the desktop entry `xdg-settings` gives as the default browser.
    QString webBrowserName() const override;

private:
    mutable std::optional<QString> m_browserName;
};
