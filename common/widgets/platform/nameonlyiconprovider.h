// Icons and type names for the file dialogs, taken from a file's kind and name alone. The
// platform's provider guesses types by reading files, and reading a special file (a pipe,
// "/proc/kmsg") can block the program for good.
#pragma once

#include <QFileIconProvider>

class NameOnlyIconProvider : public QFileIconProvider {
public:
    using QFileIconProvider::icon;
    QIcon icon(const QFileInfo &info) const override;
    QString type(const QFileInfo &info) const override;
};
