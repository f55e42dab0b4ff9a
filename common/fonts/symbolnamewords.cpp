// Symbol-font name words: see symbolnamewords.h.
#include "fonts/symbolnamewords.h"

namespace SymbolNameWords {

const QStringList &randomFontExclusions()
{
    static const QStringList words = {
        QStringLiteral("SYMBOL"),        QStringLiteral("CHARACTER"),
        QStringLiteral("REFERENCE"),     QStringLiteral("DINGBATS"),
        QStringLiteral("WINGDINGS"),     QStringLiteral("LOTUS"),
        QStringLiteral("NWC"),           QStringLiteral("WEBDINGS"),
        QStringLiteral("OPUS"),          QStringLiteral("MARLETT"),
        QStringLiteral("MATH"),          QStringLiteral("OUTLOOK"),
        QStringLiteral("PERGOLESI"),     QStringLiteral("SCARLATTI"),
        QStringLiteral("PHONETIC"),      QStringLiteral("MT EXTRA"),
        QStringLiteral("SPECIAL"),       QStringLiteral("FIXED"),
        QStringLiteral("SUPERMATTBATZ"), QStringLiteral("COME TO FONTY"),
    };
    return words;
}

const QStringList &fontListFilter()
{
    static const QStringList words = {
        QStringLiteral("SYMBOL"),        QStringLiteral("ANDALE MONO IPA"),
        QStringLiteral("FIXED"),         QStringLiteral("CHARACTER"),
        QStringLiteral("REFERENCE"),     QStringLiteral("DINGBATS"),
        QStringLiteral("WINGDINGS"),     QStringLiteral("LOTUS"),
        QStringLiteral("NWC"),           QStringLiteral("WEBDINGS"),
        QStringLiteral("OPUS"),          QStringLiteral("MARLETT"),
        QStringLiteral("MATH"),          QStringLiteral("OUTLOOK"),
        QStringLiteral("PERGOLESI"),     QStringLiteral("SCARLATTI"),
        QStringLiteral("PHONETIC"),      QStringLiteral("MT EXTRA"),
        QStringLiteral("SPECIAL"),       QStringLiteral("SUPERMATTBATZ"),
        QStringLiteral("COME TO FONTY"), QStringLiteral("MAESTRO"),
    };
    return words;
}

bool named(const QString &fontName, const QStringList &words)
{
    const QString upper = fontName.toUpper();
    for (const QString &word : words) {
        if (upper.contains(word))
            return true;
    }
    return false;
}

} // namespace SymbolNameWords
