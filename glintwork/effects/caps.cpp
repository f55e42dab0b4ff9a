// Capitalisation: see caps.h.
#include "caps.h"

#include "effectsettings.h"
#include "randomsource.h"

bool isSeparator(QChar c)
{
    switch (c.unicode()) {
    case u' ':
    case u'(':
    case u'\t':
    case u'\r':
    case u'\n':
    case u'!':
    case u'?':
    case u',':
    case u'.':
    case u';':
    case u':':
    case u'-':
    case u')':
    case u'{':
    case u'}':
    case u'[':
    case u']':
    case u'~':
        return true;
    default:
        return false;
    }
}

QString Caps(const QString &text, int cap, RandomSource &random)
{
    QString out = text;
    const qsizetype n = text.size();
    switch (cap) {
    case EffectSettings::CapNone:
        return text;
    case EffectSettings::CapRandom:
        for (qsizetype i = 0; i < n; ++i)
            out[i] = random.next() > 0.5f ? text[i].toUpper() : text[i].toLower();
        return out;
    case EffectSettings::CapUpper:
        // Per character, not QString::toUpper: "ß" must stay one character.
        for (qsizetype i = 0; i < n; ++i)
            out[i] = text[i].toUpper();
        return out;
    case EffectSettings::CapLower:
        for (qsizetype i = 0; i < n; ++i)
            out[i] = text[i].toLower();
        return out;
    case EffectSettings::CapAlternate:
        for (qsizetype i = 0; i < n; ++i)
            out[i] = i % 2 == 0 ? text[i].toUpper() : text[i].toLower();
        return out;
    case EffectSettings::CapFirstLetters:
        for (qsizetype i = 0; i < n; ++i)
            out[i] = (i == 0 || isSeparator(text[i - 1])) ? text[i].toUpper() : text[i].toLower();
        return out;
    default:
        return {};
    }
}
