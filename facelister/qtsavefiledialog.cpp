// Save-file dialog: see qtsavefiledialog.h.
#include "qtsavefiledialog.h"

#include <QFileDialog>

QString QtSaveFileDialog::saveFileName(const QString &title, const QString &suggestedName,
                                       const QString &filter)
{
    QFileDialog dialog(m_parent, title, suggestedName, filter);
    dialog.setObjectName(QStringLiteral("SaveDialog"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    // The filter names one type: a bare name gets that type's extension inside the dialog,
    // so that the dialog asks before it lets the extended name replace an existing file.
    const qsizetype star = filter.indexOf(QStringLiteral("*."));
    const qsizetype close = filter.indexOf(u')', star);
    if (star >= 0 && close > star)
        dialog.setDefaultSuffix(filter.mid(star + 2, close - star - 2));
    if (dialog.exec() != QDialog::Accepted)
        return {};
    const QStringList files = dialog.selectedFiles();
    return files.isEmpty() ? QString() : files.first();
}
