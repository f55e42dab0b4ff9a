// Units of text: see textunits.h.
#include "effects/textunits.h"

#include <QTextBoundaryFinder>

namespace {

char32_t firstCodePoint(const QString &text, qsizetype at)
{
    const QChar c = text[at];
    if (c.isHighSurrogate() && at + 1 < text.size() && text[at + 1].isLowSurrogate())
        return QChar::surrogateToUcs4(c, text[at + 1]);
    return c.unicode();
}

// Characters that stay inside a joined word without belonging to its script: the
// joiners and the Arabic tatweel, which Unicode files under no script of its own.
bool continuesJoinedWord(char32_t c)
{
    return c == 0x200C || c == 0x200D || c == 0x0640 || QChar::script(c) == QChar::Script_Inherited;
}

} // namespace

bool TextUnits::isJoiningScript(char32_t c)
{
    switch (QChar::script(c)) {
    case QChar::Script_Arabic:
    case QChar::Script_Syriac:
    case QChar::Script_Nko:
    case QChar::Script_Mongolian:
    case QChar::Script_Mandaic:
    case QChar::Script_Thaana:
    case QChar::Script_Devanagari:
    case QChar::Script_Bengali:
    case QChar::Script_Gurmukhi:
    case QChar::Script_Gujarati:
    case QChar::Script_Oriya:
    case QChar::Script_Tamil:
    case QChar::Script_Telugu:
    case QChar::Script_Kannada:
    case QChar::Script_Malayalam:
    case QChar::Script_Sinhala:
    case QChar::Script_Thai:
    case QChar::Script_Lao:
    case QChar::Script_Tibetan:
    case QChar::Script_Myanmar:
    case QChar::Script_Khmer:
    case QChar::Script_Balinese:
    case QChar::Script_Javanese:
    case QChar::Script_TaiTham:
    case QChar::Script_NewTaiLue:
        return true;
    default:
        return false;
    }
}

void TextUnits::forEachCluster(const QString &text, const Visitor &visit)
{
    // Plain ASCII has one cluster per character except CR LF; the common case skips the
    // boundary finder.
    bool ascii = true;
    for (const QChar c : text) {
        if (c.unicode() >= 0x80) {
            ascii = false;
            break;
        }
    }
    if (ascii) {
        for (qsizetype i = 0; i < text.size(); ++i) {
            const bool crlf = text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n';
            visit({i, crlf ? 2 : 1, false});
            i += crlf ? 1 : 0;
        }
        return;
    }
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype end = finder.toNextBoundary();
        if (end <= start)
            end = text.size();
        visit({start, end - start, false});
        start = end;
    }
}

QList<TextUnits::Span> TextUnits::clusters(const QString &text)
{
    QList<Span> out;
    forEachCluster(text, [&out](const Span &span) { out.append(span); });
    return out;
}

void TextUnits::forEachSpan(const QString &text, const Visitor &visit)
{
    // A span is handed over once the next cluster cannot join it.
    Span pending;
    bool havePending = false;
    forEachCluster(text, [&](const Span &part) {
        const char32_t c = firstCodePoint(text, part.start);
        const bool joining = isJoiningScript(c);
        if (havePending && pending.joined && (joining || continuesJoinedWord(c))) {
            pending.length += part.length;
            return;
        }
        if (havePending)
            visit(pending);
        pending = {part.start, part.length, joining};
        havePending = true;
    });
    if (havePending)
        visit(pending);
}

QList<TextUnits::Span> TextUnits::spans(const QString &text)
{
    QList<Span> out;
    forEachSpan(text, [&out](const Span &span) { out.append(span); });
    return out;
}
