// The symbol-font test: see isnormal.h.
#include "isnormal.h"

#include <array>

bool IsNormal(const QString &fontName)
{
    static const std::array<QString, 20> kWords = {
        QStringLiteral("SYMBOL"),        QStringLiteral("CHARACTER"),
        QStringLiteral("REFERENCE"),     QStringLiteral("DINGBATS"),
        QStringLiteral("WINGDINGS"),     QStringLiteral("LOTUS"),
        QStringLiteral("NWC"),           QStringLiteral("WEBDINGS"),
        QStringLiteral("OPUS"),          QStringLiteral("MARLETT"),
        QStringLiteral("MATH"),          QStringLiteral("OUTLOOK"),
        QStringLiteral("PERGOLESI"),     QStringLiteral("SCARLATTI"),
        QStringLiteral("PHONETIC"),      QStringLiteral("MT EXTRA"),
        QStringLiteral("SPECIAL"),       QStringLiteral("FIXED"),
        QStringLiteral("SUPERMATTBATZ"), QStringLiteral("COME TO FONTY")};
    const QString upper = fontName.toUpper();
    for (const QString &word : kWords) {
        if (upper.contains(word))
            return false;
    }
    return true;
}
