// Save-file dialog: see qtsavefiledialog.h.
#include "ui/qtsavefiledialog.h"

#include "widgets/platform/savedialog.h"

QString QtSaveFileDialog::saveFileName(const QString &title, const QString &suggestedName,
                                       const QString &filter)
{
    SaveDialog dialog(m_parent, title, suggestedName, filter);
    // The filter names one type: a bare name gets that type's extension inside the dialog,
    // so that the dialog asks before it lets the extended name replace an existing file.
    const qsizetype star = filter.indexOf(QStringLiteral("*."));
    const qsizetype close = filter.indexOf(u')', star);
    if (star >= 0 && close > star)
        dialog.setDefaultSuffix(filter.mid(star + 2, close - star - 2));
    return dialog.run();
}
