// Closed font runs: see fontrunwriter.h.
#include "html/fontrunwriter.h"

#include "core/bgrcolour.h"

#include <algorithm>

FontRunWriter::FontRunWriter(QString &out, HtmlText::Quote faceQuote)
    : m_out(out), m_faceQuote(faceQuote)
{}

namespace {

// The markup between two characters, gathered and put into the page in one append: a
// long page has a run per character, and an append per tag and attribute was most of
// its time.
class Markup {
public:
    explicit Markup(QString &out) : m_out(out) {}
    ~Markup() { flush(); }
    Markup(const Markup &) = delete;
    Markup &operator=(const Markup &) = delete;

    void put(QStringView text)
    {
        if (m_size + text.size() > kCapacity) {
            flush();
            if (text.size() > kCapacity) {
                m_out.append(text.data(), text.size());
                return;
            }
        }
        std::copy(text.begin(), text.end(), m_chars + m_size);
        m_size += text.size();
    }
    void put(QChar c) { put(QStringView(&c, 1)); }

private:
    void flush()
    {
        m_out.append(m_chars, m_size);
        m_size = 0;
    }

    static constexpr qsizetype kCapacity = 160;
    QString &m_out;
    QChar m_chars[kCapacity];
    qsizetype m_size = 0;
};

// Six upper-case digits, red first.
void putHex(Markup &markup, qint32 colour)
{
    static const char16_t kDigits[] = u"0123456789ABCDEF";
    const BgrColour c(colour);
    for (const int part : {c.red(), c.green(), c.blue()}) {
        markup.put(QChar(kDigits[part / 16]));
        markup.put(QChar(kDigits[part % 16]));
    }
}

void putClose(Markup &markup, const FontRunWriter::Format &format)
{
    if (format.italic)
        markup.put(u"</i>");
    if (format.bold)
        markup.put(u"</b>");
    markup.put(u"</font>");
}

void putOpen(Markup &markup, const FontRunWriter::Format &format, QStringView faceAttribute)
{
    markup.put(u"<font");
    markup.put(faceAttribute);
    if (format.sizeClass > 0) {
        markup.put(u" size=");
        if (format.sizeClass < 10)
            markup.put(QChar(u'0' + format.sizeClass));
        else
            markup.put(QString::number(format.sizeClass));
    }
    if (format.colour >= 0) {
        markup.put(u" color=");
        putHex(markup, format.colour);
    }
    markup.put(u">");
    if (format.bold)
        markup.put(u"<b>");
    if (format.italic)
        markup.put(u"<i>");
}

} // namespace

QString FontRunWriter::colourHex(qint32 colour)
{
    QString out;
    {
        Markup markup(out);
        putHex(markup, colour);
    }
    return out;
}

void FontRunWriter::setFormat(const Format &format)
{
    // Random effects change the size or colour at nearly every character: those are
    // compared before the face.
    const bool sameFont = m_open && format.sizeClass == m_format.sizeClass &&
                          format.colour == m_format.colour && format.face == m_format.face;
    if (sameFont && format.bold == m_format.bold && format.italic == m_format.italic)
        return;
    Markup markup(m_out);
    if (!sameFont) {
        if (m_open)
            putClose(markup, m_format);
        putOpen(markup, format,
                format.face.isEmpty() ? QStringView() : QStringView(faceAttribute(format.face)));
        m_format = format;
        m_open = true;
        return;
    }
    // Only bold or italic change: the font stays open, bold outside italic.
    if (format.bold != m_format.bold) {
        if (m_format.italic)
            markup.put(u"</i>");
        markup.put(format.bold ? QStringView(u"<b>") : QStringView(u"</b>"));
        if (format.italic)
            markup.put(u"<i>");
    } else {
        markup.put(format.italic ? QStringView(u"<i>") : QStringView(u"</i>"));
    }
    m_format = format;
}

void FontRunWriter::lineBreak()
{
    Markup markup(m_out);
    if (m_open)
        putClose(markup, m_format);
    m_open = false;
    markup.put(u"<br>");
}

void FontRunWriter::close()
{
    if (!m_open)
        return;
    Markup markup(m_out);
    putClose(markup, m_format);
    m_open = false;
}

const QString &FontRunWriter::faceAttribute(const QString &face)
{
    // A document's faces are copies of a few strings: the same characters in memory are
    // the same face, found without hashing.
    for (const auto &[known, attribute] : m_recentFaces) {
        if (known.constData() == face.constData() && known.size() == face.size())
            return attribute;
    }
    // Each face is lower-cased and escaped once, not at every run.
    auto it = m_faceAttributes.constFind(face);
    if (it == m_faceAttributes.cend()) {
        const QChar quote = m_faceQuote == HtmlText::Quote::Single ? u'\'' : u'"';
        it = m_faceAttributes.insert(face, QStringLiteral(" face=") + quote +
                                               HtmlText::escaped(face.toLower(), m_faceQuote) +
                                               quote);
    }
    if (m_recentFaces.size() < kRecentFaces)
        m_recentFaces.append({face, *it});
    return *it;
}
