// Glyphmatch's HTML page: see glyphpage.h.
#include "logic/glyphpage.h"

#include "core/numbers.h"
#include "encoding/cp1252.h"
#include "html/htmlsizeclass.h"
#include "html/htmltext.h"
#include "logic/keyboardtable.h"

namespace GlyphPage {

namespace {

const QString crlf = QStringLiteral("\r\n");

// A symbol font's glyph may draw far outside its advance; on the printed page it stays
// inside its own cell, as on the screen, rather than over its neighbours.
const QString kCellClip = QStringLiteral(
    "<style>table{table-layout:fixed}td{overflow:hidden;white-space:nowrap}</style>");

QString escapeText(const QString &text)
{
    return HtmlText::escaped(text);
}

// For a value inside single quotes.
QString escapeAttribute(const QString &text)
{
    return HtmlText::escaped(text, HtmlText::Quote::Single);
}

int pixels(int twips, double twipsPerPixel)
{
    const double perPixel = twipsPerPixel > 0 ? twipsPerPixel : 15.0;
    return Numbers::clampToInt32(Numbers::intPart(twips / perPixel + 1.5));
}

} // namespace

QString html(const GlyphPageInput &input)
{
    const int sizeClass = htmlSizeClass(Numbers::val(input.sizeText));
    const QString title = escapeText(KeyboardTable::pageTitle(input.textFont, input.symbolFont));
    const QString comment =
        QStringLiteral("<!--Created by the Glyphmatch tool from Kerncraft v1.0 - download from ") +
        input.downloadAddress + QStringLiteral("-->");

    QString page;
    page += comment + crlf;
    page += QStringLiteral("<html>") + crlf + QStringLiteral("<head>") + crlf;
    page += QStringLiteral(
                "<meta http-equiv='Content-Type' content='text/html; charset=windows-1252'>") +
            crlf;
    page +=
        QStringLiteral("<meta name='generator' content='Kerncraft v1.0 from Quillbright'>") + crlf;
    page += QStringLiteral("<title>") + title + QStringLiteral("</title>") + crlf;
    page += kCellClip + crlf;
    page += QStringLiteral("</head>") + crlf + QStringLiteral("<body>") + crlf;
    page += QStringLiteral("<font face='") + escapeAttribute(input.textFont) +
            QStringLiteral("' size=5><b>") + title + QStringLiteral("</b></font></p>") + crlf;
    page += QStringLiteral("<font size=5>") + crlf;
    page +=
        QStringLiteral("<table border=1 cellspacing=0 cellpadding=0 bordercolor=000000>") + crlf;
    const QString sizeText = QString::number(sizeClass);
    for (const QList<GlyphPageCell> &row : input.rows) {
        page += QStringLiteral("<tr>") + crlf;
        for (const GlyphPageCell &cell : row) {
            const QString title = cell.title.isEmpty() ? QString()
                                                       : QStringLiteral(" title='") +
                                                             escapeAttribute(cell.title) + u'\'';
            page += QStringLiteral("<td") + title + QStringLiteral(" width=") +
                    QString::number(pixels(cell.widthTwips, input.twipsPerPixelX)) +
                    QStringLiteral(" align=center height=") +
                    QString::number(pixels(cell.heightTwips, input.twipsPerPixelY)) +
                    QStringLiteral("><font face='") + escapeAttribute(cell.face) +
                    QStringLiteral("' size=") + sizeText + u'>' + escapeText(cell.text) +
                    QStringLiteral("</font></td>") + crlf;
        }
        page += QStringLiteral("</tr>") + crlf;
    }
    page += QStringLiteral("</table>") + crlf + QStringLiteral("</font>") +
            QStringLiteral("</body>") + crlf + QStringLiteral("</html>") + crlf;
    page += comment;
    return page;
}

QByteArray fileBytes(const QString &page)
{
    const QString text = page + crlf;
    QByteArray bytes;
    bytes.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (const auto byte = Cp1252::fromUnicode(c)) {
            bytes.append(char(*byte));
            continue;
        }
        char32_t code = c.unicode();
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            code = QChar::surrogateToUcs4(c, text.at(++i));
        bytes.append("&#" + QByteArray::number(quint32(code)) + ';');
    }
    return bytes;
}

QString workingFolder(const QString &programFolder, const QString &pageFolder)
{
    const QString drive = programFolder.left(3).toUpper();
    if (drive.size() == 3 && drive.at(0).isLetter() && drive.at(1) == u':' &&
        (drive.at(2) == u'\\' || drive.at(2) == u'/'))
        return drive;
    return pageFolder;
}

} // namespace GlyphPage
