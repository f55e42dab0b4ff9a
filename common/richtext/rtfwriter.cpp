// RTF writer: see rtfwriter.h.
#include "richtext/rtfwriter.h"

#include "core/bgrcolour.h"
#include "core/numbers.h"
#include "encoding/cp1252.h"

#include <QHash>
#include <QSet>
#include <algorithm>
#include <bit>
#include <vector>

namespace {

constexpr char kHeader[] = "{\\rtf1\\ansi\\ansicpg1252\\uc1\\deff0\\deftab720";
constexpr char kFooter[] = "\\par }";

// The bytes of one run, gathered and added to the document in one append: a long
// document has a run per character, and an append per control word and digit was a good
// share of its time.
class RunBytes {
public:
    explicit RunBytes(QByteArray &out) : m_out(out) {}
    ~RunBytes() { flush(); }
    RunBytes(const RunBytes &) = delete;
    RunBytes &operator=(const RunBytes &) = delete;

    void push_back(char c)
    {
        if (m_size == kCapacity)
            flush();
        m_bytes[m_size++] = c;
    }
    RunBytes &operator+=(const char *text)
    {
        while (*text)
            push_back(*text++);
        return *this;
    }
    // The bytes gathered since the run began.
    qsizetype size() const { return m_flushed + m_size; }

private:
    void flush()
    {
        m_out.append(m_bytes, m_size);
        m_flushed += m_size;
        m_size = 0;
    }

    static constexpr qsizetype kCapacity = 256;
    QByteArray &m_out;
    char m_bytes[kCapacity];
    qsizetype m_size = 0;
    qsizetype m_flushed = 0;
};

template <typename Out> void appendHex(Out &out, uchar byte)
{
    static const char hex[] = "0123456789abcdef";
    out += "\\'";
    out.push_back(hex[byte >> 4]);
    out.push_back(hex[byte & 15]);
}

// Scripts that word processors draw with a run's associated font (\af), not its \f:
// the right-to-left and the complex scripts. Without \rtlch\af the office suite draws
// them in its own default font, whatever the run names.
bool needsAssociatedFont(QStringView text)
{
    for (const QChar c : text) {
        const ushort u = c.unicode();
        if ((u >= 0x0590 && u <= 0x08FF) || (u >= 0x0900 && u <= 0x0DFF) ||
            (u >= 0x0E00 && u <= 0x0FFF) || (u >= 0x1000 && u <= 0x109F) ||
            (u >= 0x1780 && u <= 0x18AF) || (u >= 0xFB1D && u <= 0xFDFF) ||
            (u >= 0xFE70 && u <= 0xFEFF))
            return true;
    }
    return false;
}

template <typename Out> void appendNumber(Out &out, const char *word, qint64 value)
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
template <typename Out>
void appendText(Out &out, QStringView text, bool &needSpace, bool symbol = false,
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

// The colours of a document in the order of first use. A document of random colours can
// use millions: they are kept as a list and a bit per possible colour says which were
// seen. The runs ask for their colours' indexes in the order they added them, and a run
// that brought a new colour takes the next index without a look-up (a bit per run says
// which did). Any other finds its index in three reads: its rank among the seen colours
// (a running count per 64 colours and the bits of its own word) and the list's index of
// that rank. A search through millions of sorted colours for every run took a third of a
// long document's time.
class ColourTable {
public:
    void add(qint32 colour)
    {
        bool added = false;
        if (m_items.size() < kLinearLimit) {
            added = std::find(m_items.begin(), m_items.end(), colour) == m_items.end();
        } else {
            if (m_seen.empty()) {
                m_seen.assign(kWords, 0);
                for (const qint32 c : m_items)
                    mark(c);
            }
            added = mark(colour);
        }
        if (added)
            m_items.push_back(colour);
        m_added.push_back(added);
    }
    // Called once every colour has been added, before indexOf().
    void complete()
    {
        if (m_seen.empty())
            return;
        m_ranks.resize(kWords);
        quint32 count = 0;
        for (size_t w = 0; w < kWords; ++w) {
            m_ranks[w] = count;
            count += quint32(std::popcount(m_seen[w]));
        }
        m_order.resize(m_items.size());
        for (size_t i = 0; i < m_items.size(); ++i)
            m_order[rank(size_t(m_items[i]))] = int(i);
    }
    // Moves on to the next run, in the order of add(), and gives its colour's index; -1
    // for a colour seen before that the caller does not want (a new one always counts).
    int nextIndex(qint32 colour, bool wanted)
    {
        const bool added = m_next < m_added.size() && m_added[m_next];
        ++m_next;
        if (added)
            return m_nextNew++;
        return wanted ? indexOf(colour) : -1;
    }
    int indexOf(qint32 colour) const
    {
        if (m_seen.empty()) {
            const auto at = std::find(m_items.begin(), m_items.end(), colour);
            return at == m_items.end() ? -1 : int(at - m_items.begin());
        }
        const size_t c = size_t(colour);
        if (colour < 0 || c >= kColours || !(m_seen[c / 64] & (quint64(1) << (c % 64))))
            return -1;
        return m_order[rank(c)];
    }
    const std::vector<qint32> &items() const { return m_items; }
    bool isEmpty() const { return m_items.empty(); }

private:
    static constexpr size_t kLinearLimit = 16;
    static constexpr size_t kColours = size_t(1) << 24;
    static constexpr size_t kWords = kColours / 64;

    // True when the colour was not seen before.
    bool mark(qint32 colour)
    {
        const size_t c = size_t(colour) & (kColours - 1);
        const quint64 bit = quint64(1) << (c % 64);
        if (m_seen[c / 64] & bit)
            return false;
        m_seen[c / 64] |= bit;
        return true;
    }
    // How many seen colours are below this one.
    size_t rank(size_t c) const
    {
        const quint64 below = (quint64(1) << (c % 64)) - 1;
        return m_ranks[c / 64] + size_t(std::popcount(m_seen[c / 64] & below));
    }

    std::vector<qint32> m_items;
    std::vector<quint64> m_seen;
    std::vector<quint32> m_ranks; // seen colours before each word of m_seen
    std::vector<int> m_order;     // the list's index of each rank
    std::vector<bool> m_added;    // whether each add() brought a new colour
    size_t m_next = 0;            // the run nextIndex() answers next
    int m_nextNew = 0;            // the index of the next new colour
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

int RtfWriter::halfPoints(int twips)
{
    return int(Numbers::roundEven(twips / 10.0));
}

QByteArray RtfWriter::write(const RichRuns &runs, const SymbolFaces &symbols)
{
    return write(
        [&runs](const RunVisitor &visit) {
            for (const RichRun &run : runs)
                visit(run.text, run.format);
        },
        symbols);
}

QByteArray RtfWriter::write(const RunSource &source, const SymbolFaces &symbols)
{
    QByteArray whole;
    write(
        source,
        [&whole](const QByteArray &part) {
            whole = part;
            return true;
        },
        -1, symbols);
    return whole;
}

bool RtfWriter::write(const RunSource &source, const PartSink &sink, qsizetype partSize,
                      const SymbolFaces &symbols)
{
    // Tables in the order of first use; an empty document still names a face and a colour
    // so that the tables are never empty.
    IndexTable<QString> faces;
    ColourTable colours;
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
    colours.complete();

    // Written straight into the result (or into one part after another): a long document
    // is never held twice. Room for the usual run, so that growing never copies it.
    QByteArray out;
    const qsizetype estimate = 256 + faces.items().size() * 48 +
                               qsizetype(colours.items().size()) * 32 + runCount * 48 +
                               textSize * 8;
    out.reserve(partSize < 0 ? estimate : std::min(estimate, partSize + (1 << 16)));
    bool taken = true;
    // Hands a full part to the sink; the tables of a document of many colours are long too.
    const auto spill = [&] {
        if (partSize >= 0 && out.size() >= partSize && taken) {
            taken = sink(out);
            out.resize(0); // keeps the room
        }
    };
    out += kHeader;
    QList<bool> symbolFont;
    symbolFont.reserve(faces.items().size());
    out += "{\\fonttbl";
    for (qsizetype i = 0; i < faces.items().size(); ++i) {
        const bool symbol = symbols.contains(faces.items()[i]);
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
        spill();
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
        spill();
        RunBytes run(out);
        const int font = (!first && f.face == previousFace) ? previousFont : faces.indexOf(f.face);
        const int size = int(Numbers::roundEven(f.size * 2));
        const qint32 colour = f.colour & 0xFFFFFF;
        const int half = halfPoints(f.offset);
        const bool associated = needsAssociatedFont(text);
        if (associated) {
            appendNumber(run, "\\rtlch\\af", font);
            appendNumber(run, "\\afs", size);
            run += "\\ltrch";
        }
        if (first || font != previousFont || associated)
            appendNumber(run, "\\f", font);
        if (first || size != previousSize || associated)
            appendNumber(run, "\\fs", size);
        const bool colourChanges = first || colour != previousColour;
        const int colourIndex = colours.nextIndex(colour, colourChanges);
        if (colourChanges)
            appendNumber(run, "\\cf", colourIndex + 1);
        if (f.bold != previousBold)
            run += f.bold ? "\\b" : "\\b0";
        if (f.italic != previousItalic)
            run += f.italic ? "\\i" : "\\i0";
        if (half != previousHalfPoints) {
            if (half >= 0)
                appendNumber(run, "\\up", half);
            else
                appendNumber(run, "\\dn", -qint64(half));
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
        if (run.size() != 0)
            needSpace = true;

        qsizetype from = 0;
        for (qsizetype i = 0; i <= text.size(); ++i) {
            const bool end = i == text.size();
            if (!end && text[i] != u'\r' && text[i] != u'\n')
                continue;
            appendText(run, text.mid(from, i - from), needSpace, symbolFont[font]);
            if (end)
                break;
            if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
                ++i;
            // The blank is the delimiter, so a text blank after the break stays text.
            run += "\\par ";
            needSpace = false;
            from = i + 1;
        }
    });
    out += kFooter;
    if (partSize < 0)
        out.squeeze();
    return taken && sink(out);
}

QByteArray RtfWriter::fileBytes(const QByteArray &document)
{
    return document + QByteArrayLiteral("\r\n");
}
