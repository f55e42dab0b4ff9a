// Publisher addresses: see publisher.h.
#include "publisher.h"

#ifndef KERNCRAFT_DOWNLOAD_URL
#define KERNCRAFT_DOWNLOAD_URL ""
#endif
#ifndef KERNCRAFT_SUGGESTIONS_EMAIL
#define KERNCRAFT_SUGGESTIONS_EMAIL ""
#endif

namespace Publisher {

QString downloadAddress()
{
    const QString configured = QStringLiteral(KERNCRAFT_DOWNLOAD_URL);
    return configured.isEmpty() ? QStringLiteral("https://kerncraft.example.org/download")
                                : configured;
}

QString suggestionsAddress()
{
    const QString configured = QStringLiteral(KERNCRAFT_SUGGESTIONS_EMAIL);
    return configured.isEmpty() ? QStringLiteral("suggestions@kerncraft.example.org") : configured;
}

} // namespace Publisher
