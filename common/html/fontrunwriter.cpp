// Closed font runs: see fontrunwriter.h.
#include "html/fontrunwriter.h"

#include "core/bgrcolour.h"

FontRunWriter::FontRunWriter(QString &out, HtmlText::Quote faceQuote)
    : m_out(out), m_faceQuote(faceQuote)
{}

namespace {

// Six upper-case digits, red first, appended without a temporary string: a long page
// writes one per character.
void appendHex(QString &out, qint32 colour)
{
    static const char16_t kDigits[] = u"0123456789ABCDEF";
    const BgrColour c(colour);
    for (int part : {c.red(), c.green(), c.blue()}) {
        out += QChar(kDigits[part / 16]);
        out += QChar(kDigits[part % 16]);
    }
}

} // namespace

QString FontRunWriter::colourHex(qint32 colour)
{
    QString out;
    appendHex(out, colour);
    return out;
}

void FontRunWriter::setFormat(const Format &format)
{
    if (m_open && format == m_format)
        return;
    const bool sameFont = m_open && format.face == m_format.face &&
                          format.sizeClass == m_format.sizeClass &&
                          format.colour == m_format.colour;
    if (!sameFont) {
        close();
        open(format);
        return;
    }
    // Only bold or italic change: the font stays open, bold outside italic.
    if (format.bold != m_format.bold) {
        if (m_format.italic)
            m_out += QLatin1String("</i>");
        m_out += format.bold ? QLatin1String("<b>") : QLatin1String("</b>");
        if (format.italic)
            m_out += QLatin1String("<i>");
    } else {
        m_out += format.italic ? QLatin1String("<i>") : QLatin1String("</i>");
    }
    m_format = format;
}

void FontRunWriter::lineBreak()
{
    close();
    m_out += QLatin1String("<br>");
}

void FontRunWriter::close()
{
    if (!m_open)
        return;
    if (m_format.italic)
        m_out += QLatin1String("</i>");
    if (m_format.bold)
        m_out += QLatin1String("</b>");
    m_out += QLatin1String("</font>");
    m_open = false;
}

void FontRunWriter::open(const Format &format)
{
    m_out += QLatin1String("<font");
    if (!format.face.isEmpty())
        m_out += faceAttribute(format.face);
    if (format.sizeClass > 0) {
        m_out += QLatin1String(" size=");
        if (format.sizeClass < 10)
            m_out += QChar(u'0' + format.sizeClass);
        else
            m_out += QString::number(format.sizeClass);
    }
    if (format.colour >= 0) {
        m_out += QLatin1String(" color=");
        appendHex(m_out, format.colour);
    }
    m_out += QLatin1Char('>');
    if (format.bold)
        m_out += QLatin1String("<b>");
    if (format.italic)
        m_out += QLatin1String("<i>");
    m_format = format;
    m_open = true;
}

const QString &FontRunWriter::faceAttribute(const QString &face)
{
    // Each face is lower-cased and escaped once, not at every run.
    auto it = m_faceAttributes.constFind(face);
    if (it == m_faceAttributes.cend()) {
        const QChar quote = m_faceQuote == HtmlText::Quote::Single ? u'\'' : u'"';
        it = m_faceAttributes.insert(face, QStringLiteral(" face=") + quote +
                                               HtmlText::escaped(face.toLower(), m_faceQuote) +
                                               quote);
    }
    return *it;
}
