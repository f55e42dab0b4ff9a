// HTML text: see htmltext.h.
#include "html/htmltext.h"

#include "encoding/cp1252.h"

namespace HtmlText {

namespace {

void appendReference(QString &out, char32_t codePoint)
{
    out += QStringLiteral("&#");
    out += QString::number(quint32(codePoint));
    out += u';';
}

} // namespace

bool isUnwantedControl(char32_t c)
{
    if (c == u'\t' || c == u'\r' || c == u'\n')
        return false;
    return c < 0x20 || (c >= 0x7F && c <= 0x9F);
}

void append(QString &out, const QString &text, qsizetype &i, Quote quote)
{
    const QChar c = text.at(i);
    switch (c.unicode()) {
    case u'&':
        out += QStringLiteral("&amp;");
        return;
    case u'<':
        out += QStringLiteral("&lt;");
        return;
    case u'>':
        out += QStringLiteral("&gt;");
        return;
    case u'"':
        if (quote == Quote::Double) {
            out += QStringLiteral("&quot;");
            return;
        }
        break;
    case u'\'':
        if (quote == Quote::Single) {
            out += QStringLiteral("&#39;");
            return;
        }
        break;
    default:
        break;
    }
    if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
        appendReference(out, QChar::surrogateToUcs4(c, text.at(i + 1)));
        ++i;
    } else if (c.isSurrogate()) {
        appendReference(out, 0xFFFD); // a lone half stands for nothing printable
    } else if (isUnwantedControl(c.unicode())) {
        out += QStringLiteral("&#xFFFD;");
    } else if (Cp1252::fromUnicode(c)) {
        out += c;
    } else {
        appendReference(out, c.unicode());
    }
}

QString escaped(const QString &text, Quote quote)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i)
        append(out, text, i, quote);
    return out;
}

} // namespace HtmlText
