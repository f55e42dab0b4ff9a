// Help addresses: see helppage.h.
#include "core/helppage.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>
#include <QUrl>

namespace HelpPage {

QString address(const QString &configured, const QString &programFolder, const QString &page)
{
    if (!configured.trimmed().isEmpty())
        return configured.trimmed();
    const QStringList places = {
        programFolder + QStringLiteral("/../help/"),
        programFolder + QStringLiteral("/help/"),
        programFolder + QStringLiteral("/../share/kerncraft/help/"),
    };
    for (const QString &place : places) {
        const QString path = QDir::cleanPath(place + page);
        if (QFileInfo(path).isFile())
            return QUrl::fromLocalFile(path).toString();
    }
    return QUrl::fromLocalFile(QDir::cleanPath(places.first() + page)).toString();
}

} // namespace HelpPage
