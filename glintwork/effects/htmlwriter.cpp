// The HTML writer: see htmlwriter.h.
#include "effects/htmlwriter.h"

#include "core/progressstate.h"
#include "encoding/cp1252.h"
#include "html/fontrunwriter.h"
#include "html/htmlsizeclass.h"
#include "html/htmltext.h"
#include "richtext/richtextbox.h"

#include <QCoreApplication>
#include <algorithm>
#include <limits>
#include <type_traits>

namespace HtmlWriter {

namespace {

const QString kCrLf = QStringLiteral("\r\n");

QString comment(const QString &lead, const QString &address)
{
    return lead + address + QStringLiteral("-->");
}

// Appends the body to `out`, handing `out` to `flush` (which takes it and empties it) once
// it holds `partChars` characters; `nullptr` as `flush` writes the body whole. It hands it
// on only before a character, never before a line break: "<br>" is the only markup that
// can start there, so "<br><br>" never spans two parts and collapsing each part alone
// collapses the page.
template <typename Flush>
bool writeBody(const RichTextBox &box, QString &out, qsizetype partChars, Flush &&flush,
               ProgressState *progress)
{
    const QString text = box.text();
    const qsizetype n = text.size();
    FontRunWriter runs(out);
    // The bar moves a stretch of positions at a time: a call per position took a tenth of
    // the time, and the bar is redrawn only every few hundred anyway.
    constexpr qsizetype kProgressStep = 256;
    const double progressStart = progress ? double(progress->value()) : 0;
    for (qsizetype p = 0; p < n; ++p) {
        if (progress && p % kProgressStep == 0)
            progress->setValue(progressStart + double(p + 1));
        const QChar c = text[p];
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            runs.lineBreak();
            continue;
        }
        // The second half of a pair was written with the first.
        if (c.isLowSurrogate() && p > 0 && text[p - 1].isHighSurrogate())
            continue;
        if constexpr (std::is_invocable_v<Flush &, QString &>) {
            if (out.size() >= partChars && !flush(out))
                return false;
        }
        const CharFormat f = box.formatAt(int(p));
        runs.setFormat({f.face, htmlSizeClass(f.size), f.colour, f.bold, f.italic});
        qsizetype at = p; // the loop visits a pair's low half too, for the progress
        HtmlText::append(out, text, at);
    }
    runs.close();
    if (progress && n > 0)
        progress->setValue(progressStart + double(n));
    return true;
}

// The page's characters in Windows-1252. Everything but the address of the build setting
// is escaped already; a character of the address the code page lacks becomes a reference.
QByteArray pageBytes(const QString &page)
{
    if (auto bytes = Cp1252::encode(page))
        return *bytes;
    QString safe;
    for (qsizetype i = 0; i < page.size();) {
        const QChar ch = page[i];
        if (Cp1252::fromUnicode(ch)) {
            safe += ch;
            ++i;
        } else {
            const QString one = escaped(page.mid(i, ch.isHighSurrogate() ? 2 : 1));
            safe += one;
            i += ch.isHighSurrogate() && i + 1 < page.size() ? 2 : 1;
        }
    }
    return Cp1252::encode(safe).value_or(QByteArray());
}

} // namespace

QString escaped(const QString &text, bool quotes)
{
    return HtmlText::escaped(text, quotes ? HtmlText::Quote::Double : HtmlText::Quote::None);
}

QString body(const RichTextBox &box, ProgressState *progress)
{
    QString out;
    // A run per character is the common case with random effects.
    out.reserve(box.text().size() * 64);
    (void)writeBody(box, out, 0, nullptr, progress);
    return out;
}

QString collapseBreaks(QString html)
{
    return html.replace(QStringLiteral("<br><br>"), QStringLiteral("<br>"));
}

QString clipboardText(const RichTextBox &box, const QString &address, ProgressState *progress)
{
    if (progress) {
        progress->setMax(double(box.text().size()));
        progress->setValue(0);
    }
    const QString c =
        comment(QStringLiteral("<!--Shimmer FX created by Kerncraft - download from "), address);
    QString out = c;
    out += body(box, progress);
    out += c;
    out += kCrLf;
    return collapseBreaks(out);
}

QByteArray fileBytes(const RichTextBox &box, const QString &title, const QString &address,
                     ProgressState *progress)
{
    QByteArray bytes;
    // One part: the page is made whole, as it always was.
    (void)writeFile(
        box, title, address,
        [&bytes](const QByteArray &part) {
            bytes += part;
            return true;
        },
        std::numeric_limits<qsizetype>::max(), progress);
    return bytes;
}

bool writeFile(const RichTextBox &box, const QString &title, const QString &address,
               const TextFile::PartWriter &write, qsizetype partChars, ProgressState *progress)
{
    const qsizetype n = box.text().size();
    if (progress) {
        progress->setMax(double(n));
        progress->setValue(0);
    }
    const QString c = comment(
        QStringLiteral(
            "<!--Shimmer FX created by Glintwork (part of Kerncraft v1.0) - download from "),
        address);
    QString out;
    out.reserve(std::min(partChars, n * 64) + 1024);
    out += c;
    out += QStringLiteral("<html>") + kCrLf + QStringLiteral("<head>") + kCrLf;
    out += QStringLiteral(
               "<meta http-equiv='Content-Type' content='text/html; charset=windows-1252'>") +
           kCrLf;
    out += QStringLiteral("<meta name='generator' content='Glintwork from Quillbright'>") + kCrLf;
    out += QStringLiteral("<title>") + escaped(title) + QStringLiteral("</title>") + kCrLf;
    out += QStringLiteral("</head>") + kCrLf + QStringLiteral("<body>") + kCrLf;
    // The header ends and the trailer starts with CR LF, so no "<br><br>" spans them and
    // the body either: each part is collapsed alone.
    const auto flush = [&write](QString &page) {
        page = collapseBreaks(std::move(page));
        const bool ok = write(pageBytes(page));
        page.resize(0); // keeps the room for the next part
        return ok;
    };
    if (!writeBody(box, out, partChars, flush, progress))
        return false;
    out +=
        kCrLf + QStringLiteral("</body>") + kCrLf + QStringLiteral("</html>") + kCrLf + c + kCrLf;
    return flush(out);
}

QString saveFilter(bool htmlFirst)
{
    const QString rtf = QCoreApplication::translate("HtmlWriter", "RTF (any word processor)") +
                        QStringLiteral("|*.rtf");
    const QString html =
        QCoreApplication::translate("HtmlWriter", "HTML (web page)") + QStringLiteral("|*.htm");
    return htmlFirst ? html + u'|' + rtf : rtf + u'|' + html;
}

QString wrongTypeMessage()
{
    return QCoreApplication::translate(
        "HtmlWriter",
        "Please save files in RTF format (will open in most word processors, e.g. MS Word or MS "
        "Works) or as HTML (will open in Internet Explorer or can be used as a web page).");
}

QString titlePrompt()
{
    return QCoreApplication::translate("HtmlWriter", "Please enter a title:");
}

SaveKind saveKind(const QString &fileName)
{
    const QString lower = fileName.toLower();
    if (lower.endsWith(QLatin1String(".rtf")))
        return SaveKind::Rtf;
    if (lower.endsWith(QLatin1String(".htm")) || lower.endsWith(QLatin1String(".html")))
        return SaveKind::Html;
    return SaveKind::Other;
}

} // namespace HtmlWriter
