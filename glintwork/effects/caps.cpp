// Capitalisation: see caps.h.
#include "effects/caps.h"

#include "core/randomsource.h"
#include "effects/textunits.h"
#include "settings/effectsettings.h"

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

namespace {

// One user-perceived character in upper or lower case. A change that would alter its
// length ("ß" to "SS") is made character by character instead, so the text keeps its
// length; the cluster as a whole reaches letters outside the first plane.
void changeCase(QString &out, const QString &text, const TextUnits::Span &span, bool upper)
{
    const QString part = text.mid(span.start, span.length);
    QString changed = upper ? part.toUpper() : part.toLower();
    if (changed.size() != part.size()) {
        changed = part;
        for (QChar &c : changed)
            c = upper ? c.toUpper() : c.toLower();
    }
    out.replace(span.start, span.length, changed);
}

} // namespace

QString capitalise(const QString &text, int cap, RandomSource &random)
{
    if (cap == EffectSettings::CaseNone)
        return text;
    if (cap < EffectSettings::CaseNone || cap > EffectSettings::CaseAlternate)
        return {};
    QString out = text;
    qsizetype k = 0;
    TextUnits::forEachCluster(text, [&](const TextUnits::Span &span) {
        bool upper = false;
        switch (cap) {
        case EffectSettings::CaseRandom:
            upper = random.next() > 0.5f;
            break;
        case EffectSettings::CaseUpper:
            upper = true;
            break;
        case EffectSettings::CaseAlternate:
            upper = k % 2 == 0;
            break;
        case EffectSettings::CaseFirstLetters:
            upper = span.start == 0 || isSeparator(text[span.start - 1]);
            break;
        default:
            break;
        }
        changeCase(out, text, span, upper);
        ++k;
    });
    return out;
}
