// The HTML font list: see fontlisthtml.h.
#include "logic/fontlisthtml.h"

#include "encoding/cp1252.h"
#include "html/fontrunwriter.h"
#include "html/htmlsizeclass.h"
#include "html/htmltext.h"
#include "richtext/charformat.h"
#include "richtext/richtextbox.h"

namespace {

const QString kCrLf = QStringLiteral("\r\n");

void appendReference(QString &out, char32_t codePoint)
{
    out += QStringLiteral("&#") + QString::number(quint32(codePoint)) + QLatin1Char(';');
}

// Appends the character at i as it is when the code page has it, otherwise as a numeric
// reference; a surrogate pair is one reference, and i then skips its low half.
void appendInCodePage(QString &out, const QString &text, qsizetype &i)
{
    const QChar c = text.at(i);
    if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
        appendReference(out, QChar::surrogateToUcs4(c, text.at(i + 1)));
        ++i;
    } else if (c.isSurrogate()) {
        appendReference(out, 0xFFFD);
    } else if (Cp1252::fromUnicode(c)) {
        out += c;
    } else {
        appendReference(out, c.unicode());
    }
}

// Text inside a comment is not decoded, so it stays as it is, except that "--" (which
// would end the comment early) is dropped and characters the code page lacks become
// references rather than making the page unencodable.
QString commentText(QString value)
{
    while (value.contains(QStringLiteral("--")))
        value.replace(QStringLiteral("--"), QStringLiteral("-"));
    QString out;
    for (qsizetype i = 0; i < value.size(); ++i)
        appendInCodePage(out, value, i);
    return out;
}

} // namespace

bool FontListHtml::hasContent(const QString &previewText)
{
    // Only blanks are left out: line breaks and tabs count as content.
    qsizetype first = 0;
    qsizetype last = previewText.size();
    while (first < last && previewText.at(first) == u' ')
        ++first;
    while (last > first && previewText.at(last - 1) == u' ')
        --last;
    return last - first >= 2;
}

QString FontListHtml::page(const RichTextBox &box, const QString &downloadAddress)
{
    const QString comment =
        QStringLiteral("<!--List all the fonts on your computer with Facelister - download from ") +
        commentText(downloadAddress) + QStringLiteral("-->");
    QString out = comment + kCrLf;
    for (const char *piece :
         {"<html>", "<head>",
          "<meta http-equiv='Content-Type' content='text/html; charset=windows-1252'>",
          "<meta name='generator' content='Facelister v1.0 from Quillbright'>",
          "<title>Fonts</title>", "</head>", "<body>"})
        out += QLatin1String(piece) + kCrLf;

    const QString text = box.text();
    out.reserve(out.size() + text.size() * 3);
    FontRunWriter runs(out);
    for (qsizetype i = 0; i < text.size(); ++i) {
        // A line break is written in its own format, so that an empty line keeps its height;
        // its line feed passes through.
        const CharFormat format = box.formatAt(int(i));
        runs.setFormat({format.face, htmlSizeClass(format.size), -1, format.bold, format.italic});
        if (text.at(i) == u'\r')
            out += QStringLiteral("<br>");
        else
            HtmlText::append(out, text, i);
    }
    runs.close();
    out += kCrLf;
    out += QStringLiteral("</body>") + kCrLf;
    out += QStringLiteral("</html>") + kCrLf;
    out += comment + kCrLf;
    out.replace(QStringLiteral("<br><br>"), QStringLiteral("<br>"));
    return out + kCrLf;
}

QByteArray FontListHtml::pageBytes(const RichTextBox &box, const QString &downloadAddress)
{
    // Everything outside the code page was escaped above, so the encoding cannot fail;
    // the fallback keeps the text rather than losing it.
    const QString html = page(box, downloadAddress);
    return Cp1252::encode(html).value_or(html.toUtf8());
}
