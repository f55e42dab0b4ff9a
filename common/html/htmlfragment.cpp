// HTML fragment of rich text: see htmlfragment.h.
#include "html/htmlfragment.h"

#include <QStringList>

namespace HtmlFragment {

namespace {

bool containsAny(const QString &lower, const QStringList &words)
{
    for (const QString &word : words) {
        if (lower.contains(word))
            return true;
    }
    return false;
}

QString attributeEscaped(const QString &text)
{
    QString out = text;
    out.replace(QLatin1Char('&'), QLatin1String("&amp;"));
    out.replace(QLatin1Char('<'), QLatin1String("&lt;"));
    out.replace(QLatin1Char('>'), QLatin1String("&gt;"));
    out.replace(QLatin1Char('"'), QLatin1String("&quot;"));
    return out;
}

// A face as a quoted CSS string.
QString cssString(const QString &face)
{
    QString out = face;
    out.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    out.replace(QLatin1Char('\''), QLatin1String("\\'"));
    return QLatin1Char('\'') + out + QLatin1Char('\'');
}

QString colourHex(qint32 colour)
{
    // Colours are 0x00BBGGRR.
    const int r = colour & 0xFF;
    const int g = (colour >> 8) & 0xFF;
    const int b = (colour >> 16) & 0xFF;
    return QStringLiteral("#%1%2%3")
        .arg(r, 2, 16, QLatin1Char('0'))
        .arg(g, 2, 16, QLatin1Char('0'))
        .arg(b, 2, 16, QLatin1Char('0'));
}

QString style(const CharFormat &f)
{
    QString family = genericFamily(f.face);
    if (!f.face.isEmpty())
        family = cssString(f.face) + QLatin1Char(',') + family;
    QString out = QStringLiteral("font-family:%1;font-size:%2pt;color:%3;font-weight:%4;"
                                 "font-style:%5")
                      .arg(family, QString::number(f.size, 'g', 6), colourHex(f.colour),
                           f.bold ? QStringLiteral("bold") : QStringLiteral("normal"),
                           f.italic ? QStringLiteral("italic") : QStringLiteral("normal"));
    // Offsets are twips, positive raises; a length in vertical-align raises by that much.
    if (f.offset != 0)
        out += QStringLiteral(";vertical-align:%1pt").arg(QString::number(f.offset / 20.0, 'g', 6));
    return out;
}

// The run's text as HTML. A blank at the start of a line or after another blank would
// collapse, so it goes as a no-break space entity; `lastBlank` carries across runs.
QString textHtml(const QString &text, bool &lastBlank)
{
    QString out;
    out.reserve(text.size() + 16);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == QLatin1Char('\r') && i + 1 < text.size() && text[i + 1] == QLatin1Char('\n'))
            continue; // the LF of the pair writes the break
        bool blank = false;
        switch (c.unicode()) {
        case '&':
            out += QLatin1String("&amp;");
            break;
        case '<':
            out += QLatin1String("&lt;");
            break;
        case '>':
            out += QLatin1String("&gt;");
            break;
        case '"':
            out += QLatin1String("&quot;");
            break;
        case '\r':
        case '\n':
            out += QLatin1String("<br>");
            blank = true;
            break;
        case ' ':
            out += lastBlank ? QLatin1String("&nbsp;") : QLatin1String(" ");
            blank = true;
            break;
        default:
            out += c;
        }
        lastBlank = blank;
    }
    return out;
}

} // namespace

QString fromRuns(const RichRuns &runs)
{
    QString out = QStringLiteral("<meta charset=\"utf-8\">");
    bool lastBlank = true; // a blank at the very start would collapse too
    for (const RichRun &run : runs) {
        if (run.text.isEmpty())
            continue;
        out += QStringLiteral("<span style=\"%1\">").arg(attributeEscaped(style(run.format)));
        out += textHtml(run.text, lastBlank);
        out += QLatin1String("</span>");
    }
    return out;
}

QString genericFamily(const QString &face)
{
    const QString lower = face.toLower();
    if (containsAny(lower,
                    {QStringLiteral("mono"), QStringLiteral("courier"), QStringLiteral("consol"),
                     QStringLiteral("typewriter"), QStringLiteral("fixed")}))
        return QStringLiteral("monospace");
    if (containsAny(lower,
                    {QStringLiteral("script"), QStringLiteral("hand"), QStringLiteral("brush"),
                     QStringLiteral("comic"), QStringLiteral("chancery")}))
        return QStringLiteral("cursive");
    if (lower.contains(QLatin1String("sans")))
        return QStringLiteral("sans-serif");
    if (containsAny(lower,
                    {QStringLiteral("serif"), QStringLiteral("times"), QStringLiteral("georgia"),
                     QStringLiteral("garamond"), QStringLiteral("roman"),
                     QStringLiteral("palatino"), QStringLiteral("cambria"),
                     QStringLiteral("baskerville"), QStringLiteral("bodoni"),
                     QStringLiteral("century"), QStringLiteral("antiqua")}))
        return QStringLiteral("serif");
    return QStringLiteral("sans-serif");
}

} // namespace HtmlFragment
