// Publisher addresses: see publisher.h.
#include "core/publisher.h"

#include "core/buildinfo.h"

#include <QCoreApplication>
#include <QStringList>

namespace Publisher {

namespace {

QString orPlaceholder(const QString &configured, const char *placeholder)
{
    return configured.isEmpty() ? QString::fromLatin1(placeholder) : configured;
}

} // namespace

QString downloadAddress()
{
    return orPlaceholder(BuildInfo::kDownloadUrl, "https://kerncraft.example.org/download");
}

QString homePageAddress()
{
    return orPlaceholder(BuildInfo::kHomePageUrl, "https://kerncraft.example.org/");
}

QString suggestionsAddress()
{
    return orPlaceholder(BuildInfo::kSuggestionsEmail, "suggestions@kerncraft.example.org");
}

QString version()
{
    return BuildInfo::kVersion;
}

QString aboutText(const QString &programLine)
{
    const QStringList lines = {
        QString(),
        programLine,
        QString(),
        QCoreApplication::translate(
            "Publisher",
            "We are always looking for suggestions for how to improve our software and to make it "
            "more user-friendly.  If you have any suggestions, email %1.")
            .arg(suggestionsAddress()),
    };
    return lines.join(QLatin1Char('\n'));
}

} // namespace Publisher
