// The save-file dialog, behind an interface so that tests can answer it.
#pragma once

#include <QString>

class SaveFileDialog {
public:
    virtual ~SaveFileDialog() = default;
    // The chosen file name, or an empty string when the user cancelled. filter is in the
    // form "Rich Text format (*.rtf)".
    virtual QString saveFileName(const QString &title, const QString &suggestedName,
                                 const QString &filter) = 0;
};
