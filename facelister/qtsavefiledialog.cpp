// Save-file dialog: see qtsavefiledialog.h.
#include "qtsavefiledialog.h"

#include <QFileDialog>

QString QtSaveFileDialog::saveFileName(const QString &title, const QString &suggestedName,
                                       const QString &filter)
{
    QString selectedFilter = filter;
    QString name =
        QFileDialog::getSaveFileName(m_parent, title, suggestedName, filter, &selectedFilter);
    // The filter names one type: give a bare name that type's extension.
    if (!name.isEmpty() && QFileInfo(name).suffix().isEmpty()) {
        const qsizetype star = filter.indexOf(QStringLiteral("*."));
        const qsizetype close = filter.indexOf(u')', star);
        if (star >= 0 && close > star)
            name += filter.mid(star + 1, close - star - 1);
    }
    return name;
}
