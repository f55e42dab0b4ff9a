// The HTML writer: see htmlwriter.h.
#include "htmlwriter.h"

#include "colours.h"
#include "cp1252.h"
#include "htmlsizeclass.h"
#include "progressstate.h"
#include "richtextbox.h"

#include <QHash>

namespace HtmlWriter {

namespace {

const QString kCrLf = QStringLiteral("\r\n");

void appendReference(QString &out, char32_t codePoint)
{
    out += QStringLiteral("&#");
    out += QString::number(quint32(codePoint));
    out += QLatin1Char(';');
}

// Appends one character (or a surrogate pair starting at i) escaped; returns how many
// code units it took.
qsizetype appendEscaped(QString &out, const QString &text, qsizetype i, bool quotes)
{
    const QChar c = text[i];
    switch (c.unicode()) {
    case u'&':
        out += QStringLiteral("&amp;");
        return 1;
    case u'<':
        out += QStringLiteral("&lt;");
        return 1;
    case u'>':
        out += QStringLiteral("&gt;");
        return 1;
    case u'"':
        if (quotes) {
            out += QStringLiteral("&quot;");
            return 1;
        }
        break;
    default:
        break;
    }
    if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
        appendReference(out, QChar::surrogateToUcs4(c, text[i + 1]));
        return 2;
    }
    if (c.isSurrogate()) {
        appendReference(out, 0xFFFD); // a lone half stands for nothing printable
        return 1;
    }
    if (Cp1252::fromUnicode(c))
        out += c;
    else
        appendReference(out, c.unicode());
    return 1;
}

// hexColour without a temporary string.
void appendHex(QString &out, qint32 colour)
{
    static const char16_t kDigits[] = u"0123456789ABCDEF";
    const int parts[3] = {Colours::red(colour), Colours::green(colour), Colours::blue(colour)};
    for (int part : parts) {
        out += QChar(kDigits[part / 16]);
        out += QChar(kDigits[part % 16]);
    }
}

QString comment(const QString &lead, const QString &address)
{
    return lead + address + QStringLiteral("-->");
}

} // namespace

QString escaped(const QString &text, bool quotes)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size();)
        i += appendEscaped(out, text, i, quotes);
    return out;
}

QString body(const RichTextBox &box, ProgressState *progress)
{
    const QString text = box.text();
    const qsizetype n = text.size();
    QString out;
    // A tag per character is the common case with random effects.
    out.reserve(n * 48);
    // Each face is lower-cased and escaped once, not at every tag.
    QHash<QString, QString> faceAttributes;
    QString prevFace;
    int prevSize = 0;
    qint32 prevColour = -1;
    bool prevBold = false;
    bool prevItalic = false;
    for (qsizetype p = 0; p < n; ++p) {
        if (progress)
            progress->setValue(double(progress->value()) + 1);
        const QChar c = text[p];
        // Line-break positions write "<br>" and leave the previous values alone, so that
        // every visible character is compared with the last visible one.
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            out += QStringLiteral("<br>");
            continue;
        }
        // The second half of a pair was written with the first.
        if (c.isLowSurrogate() && p > 0 && text[p - 1].isHighSurrogate())
            continue;
        const CharFormat f = box.formatAt(int(p));
        const int h = htmlSizeClass(f.size);
        const qsizetype tagStart = out.size();
        out += QStringLiteral("<font");
        bool changed = false;
        if (f.face != prevFace) {
            auto it = faceAttributes.constFind(f.face);
            if (it == faceAttributes.cend()) {
                it = faceAttributes.insert(f.face, QStringLiteral(" face=\"") +
                                                       escaped(f.face.toLower(), true) +
                                                       QLatin1Char('"'));
            }
            out += *it;
            changed = true;
        }
        if (h != prevSize) {
            out += QStringLiteral(" size=");
            out += QChar(u'0' + h); // 1 .. 7
            changed = true;
        }
        if (f.colour != prevColour) {
            out += QStringLiteral(" color=");
            appendHex(out, f.colour);
            changed = true;
        }
        if (changed)
            out += QLatin1Char('>');
        else
            out.truncate(tagStart);
        if (prevBold != f.bold)
            out += f.bold ? QStringLiteral("<b>") : QStringLiteral("</b>");
        if (prevItalic != f.italic)
            out += f.italic ? QStringLiteral("<i>") : QStringLiteral("</i>");
        appendEscaped(out, text, p, false);
        prevFace = f.face;
        prevSize = h;
        prevColour = f.colour;
        prevBold = f.bold;
        prevItalic = f.italic;
    }
    if (prevBold)
        out += QStringLiteral("</b>");
    if (prevItalic)
        out += QStringLiteral("</i>");
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
    out += QStringLiteral("</font>");
    out += c;
    out += kCrLf;
    return collapseBreaks(out);
}

QByteArray fileBytes(const RichTextBox &box, const QString &title, const QString &address,
                     ProgressState *progress)
{
    if (progress) {
        progress->setMax(double(box.text().size()));
        progress->setValue(0);
    }
    const QString c = comment(
        QStringLiteral(
            "<!--Shimmer FX created by Glintwork (part of Kerncraft v1.0) - download from "),
        address);
    QString out = c;
    out += QStringLiteral("<html>") + kCrLf + QStringLiteral("<head>") + kCrLf;
    out += QStringLiteral(
               "<meta http-equiv='Content-Type' content='text/html; charset=windows-1252'>") +
           kCrLf;
    out += QStringLiteral("<meta name='generator' content='Glintwork from Quillbright'>") + kCrLf;
    out += QStringLiteral("<title>") + escaped(title) + QStringLiteral("</title>") + kCrLf;
    out += QStringLiteral("</head>") + kCrLf + QStringLiteral("<body>") + kCrLf;
    out += body(box, progress);
    out += QStringLiteral("</font>") + kCrLf + c;
    out = collapseBreaks(out);
    out += kCrLf;
    if (auto bytes = Cp1252::encode(out))
        return *bytes;
    // Only the address of the build setting can still hold such a character.
    QString safe;
    for (qsizetype i = 0; i < out.size();) {
        const QChar ch = out[i];
        if (Cp1252::fromUnicode(ch)) {
            safe += ch;
            ++i;
        } else {
            const QString one = escaped(out.mid(i, ch.isHighSurrogate() ? 2 : 1));
            safe += one;
            i += ch.isHighSurrogate() && i + 1 < out.size() ? 2 : 1;
        }
    }
    return Cp1252::encode(safe).value_or(QByteArray());
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
