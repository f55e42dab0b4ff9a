// RTF writer: see rtfwriter.h.
#include "rtfwriter.h"

#include "bgrcolour.h"
#include "cp1252.h"
#include "numbers.h"

#include <QHash>
#include <QSet>
#include <string>

namespace {

constexpr char kHeader[] = "{\\rtf1\\ansi\\ansicpg1252\\uc1\\deff0\\deftab720";
constexpr char kFooter[] = "\\par }";

QSet<QString> &symbolFaces()
{
    static QSet<QString> faces;
    return faces;
}

void appendHex(std::string &out, uchar byte)
{
    static const char hex[] = "0123456789abcdef";
    out += "\\'";
    out.push_back(hex[byte >> 4]);
    out.push_back(hex[byte & 15]);
}

void appendNumber(std::string &out, const char *word, qint64 value)
{
    out += word;
    char digits[24];
    int n = 0;
    const bool negative = value < 0;
    quint64 v = negative ? quint64(-value) : quint64(value);
    do {
        digits[n++] = char('0' + v % 10);
        v /= 10;
    } while (v);
    if (negative)
        out.push_back('-');
    while (n)
        out.push_back(digits[--n]);
}

// Text of a font name or document body: ASCII as is with the three metacharacters
// escaped, Windows-1252 as \'hh, everything else (including each half of a surrogate
// pair, and lone halves) as \uN with a "?" for readers that skip it. In a symbol font the
// characters up to U+00FF are the font's byte codes and written as such. In a font name
// a ";" would end it, so it is escaped too.
void appendText(std::string &out, QStringView text, bool &needSpace, bool symbol = false,
                bool fontName = false)
{
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u >= 0x20 && u < 0x80) {
            if (needSpace) {
                out.push_back(' ');
                needSpace = false;
            }
            if (fontName && u == ';') {
                appendHex(out, uchar(u));
                continue;
            }
            if (u == '\\' || u == '{' || u == '}')
                out.push_back('\\');
            out.push_back(char(u));
            continue;
        }
        if (u == u'\t') {
            out += "\\tab";
            needSpace = true;
            continue;
        }
        if (symbol && u >= 0x80 && u <= 0xFF) {
            appendHex(out, uchar(u));
            needSpace = false;
            continue;
        }
        // The code page's five undefined bytes and the C1 range are not written as bytes:
        // readers map them to nothing or to other characters.
        if (!symbol && u >= 0xA0) {
            const std::optional<uchar> byte = Cp1252::fromUnicode(c);
            if (byte && *byte >= 0x80) {
                appendHex(out, *byte);
                needSpace = false;
                continue;
            }
        }
        appendNumber(out, "\\u", qint16(u));
        out.push_back('?');
        needSpace = false;
    }
}

// The fonts or colours of a document in the order of first use. Most documents are the
// formatter's six-character pieces, so a few entries are searched in a list and a hash
// is built only for many.
template <typename T> class IndexTable {
public:
    int indexOf(const T &value) const
    {
        if (m_items.size() <= kLinearLimit) {
            for (qsizetype i = 0; i < m_items.size(); ++i) {
                if (m_items[i] == value)
                    return int(i);
            }
            return -1;
        }
        return m_hash.value(value, -1);
    }
    void add(const T &value)
    {
        if (indexOf(value) >= 0)
            return;
        m_items.append(value);
        if (m_items.size() > kLinearLimit) {
            if (m_hash.isEmpty()) {
                for (qsizetype i = 0; i < m_items.size(); ++i)
                    m_hash.insert(m_items[i], int(i));
            } else {
                m_hash.insert(value, int(m_items.size() - 1));
            }
        }
    }
    const QList<T> &items() const { return m_items; }
    bool isEmpty() const { return m_items.isEmpty(); }

private:
    static constexpr qsizetype kLinearLimit = 8;
    QList<T> m_items;
    QHash<T, int> m_hash;
};

} // namespace

QByteArray RtfWriter::header()
{
    return QByteArray(kHeader);
}

QByteArray RtfWriter::footer()
{
    return QByteArray(kFooter);
}

void RtfWriter::setSymbolFaces(const QStringList &faces)
{
    QSet<QString> &set = symbolFaces();
    set.clear();
    for (const QString &face : faces)
        set.insert(face.toCaseFolded());
}

bool RtfWriter::isSymbolFace(const QString &face)
{
    const QSet<QString> &set = symbolFaces();
    return !set.isEmpty() && set.contains(face.toCaseFolded());
}

int RtfWriter::halfPoints(int twips)
{
    return int(Numbers::roundEven(twips / 10.0));
}

QByteArray RtfWriter::write(const RichRuns &runs)
{
    return write([&runs](const RunVisitor &visit) {
        for (const RichRun &run : runs)
            visit(run.text, run.format);
    });
}

QByteArray RtfWriter::write(const RunSource &source)
{
    // Tables in the order of first use; an empty document still names a face and a colour
    // so that the tables are never empty.
    IndexTable<QString> faces;
    IndexTable<qint32> colours;
    qsizetype textSize = 0;
    qsizetype runCount = 0;
    source([&](QStringView text, const CharFormat &f) {
        faces.add(f.face);
        colours.add(f.colour & 0xFFFFFF);
        textSize += text.size();
        ++runCount;
    });
    if (faces.isEmpty()) {
        faces.add(QStringLiteral("Arial"));
        colours.add(0);
    }

    std::string out;
    out.reserve(size_t(256 + faces.items().size() * 48 + colours.items().size() * 32 +
                       runCount * 40 + textSize * 2));
    out += kHeader;
    QList<bool> symbolFont;
    symbolFont.reserve(faces.items().size());
    out += "{\\fonttbl";
    for (qsizetype i = 0; i < faces.items().size(); ++i) {
        const bool symbol = isSymbolFace(faces.items()[i]);
        symbolFont.append(symbol);
        appendNumber(out, "{\\f", i);
        out += symbol ? "\\fnil\\fcharset2" : "\\fnil\\fcharset0";
        bool needSpace = true;
        appendText(out, faces.items()[i], needSpace, symbol, true);
        out += ";}";
    }
    out += "}{\\colortbl ;";
    for (const qint32 packed : colours.items()) {
        const BgrColour c(packed);
        appendNumber(out, "\\red", c.red());
        appendNumber(out, "\\green", c.green());
        appendNumber(out, "\\blue", c.blue());
        out.push_back(';');
    }
    out += "}\\pard\\plain";

    // Each run writes only what differs from the run before it; the first writes face,
    // size and colour, and whatever differs from \plain.
    bool first = true;
    QString previousFace;
    int previousFont = -1;
    int previousSize = 0;
    qint32 previousColour = -1;
    bool previousBold = false;
    bool previousItalic = false;
    int previousHalfPoints = 0;
    // Whether the output ends in a control word, which text must be kept apart from by a
    // blank. Runs can differ in what the document holds yet write no control word (sizes
    // or offsets that round to the same half-point), and then no blank may be written.
    bool needSpace = true;
    source([&](QStringView text, const CharFormat &f) {
        const size_t before = out.size();
        const int font = (!first && f.face == previousFace) ? previousFont : faces.indexOf(f.face);
        const int size = int(Numbers::roundEven(f.size * 2));
        const qint32 colour = f.colour & 0xFFFFFF;
        const int half = halfPoints(f.offset);
        if (first || font != previousFont)
            appendNumber(out, "\\f", font);
        if (first || size != previousSize)
            appendNumber(out, "\\fs", size);
        if (first || colour != previousColour)
            appendNumber(out, "\\cf", colours.indexOf(colour) + 1);
        if (f.bold != previousBold)
            out += f.bold ? "\\b" : "\\b0";
        if (f.italic != previousItalic)
            out += f.italic ? "\\i" : "\\i0";
        if (half != previousHalfPoints) {
            if (half >= 0)
                appendNumber(out, "\\up", half);
            else
                appendNumber(out, "\\dn", -qint64(half));
        }
        if (first || font != previousFont)
            previousFace = f.face;
        previousFont = font;
        previousSize = size;
        previousColour = colour;
        previousBold = f.bold;
        previousItalic = f.italic;
        previousHalfPoints = half;
        first = false;
        if (out.size() != before)
            needSpace = true;

        qsizetype from = 0;
        for (qsizetype i = 0; i <= text.size(); ++i) {
            const bool end = i == text.size();
            if (!end && text[i] != u'\r' && text[i] != u'\n')
                continue;
            appendText(out, text.mid(from, i - from), needSpace, symbolFont[font]);
            if (end)
                break;
            if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
                ++i;
            // The blank is the delimiter, so a text blank after the break stays text.
            out += "\\par ";
            needSpace = false;
            from = i + 1;
        }
    });
    out += kFooter;
    return QByteArray(out.data(), qsizetype(out.size()));
}

QByteArray RtfWriter::fileBytes(const QByteArray &document)
{
    return document + QByteArrayLiteral("\r\n");
}
