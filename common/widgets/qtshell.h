// Addresses and documents handed to the desktop's handlers.
#pragma once

#include "shellservice.h"

class QtShell : public ShellService {
public:
    bool openAddress(const QString &address) override;
    bool openDocument(const QString &path, const QString &workingFolder) override;
};
