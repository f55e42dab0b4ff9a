// RTF writer: see rtfwriter.h.
#include "rtfwriter.h"

#include "cp1252.h"
#include "numbers.h"

#include <QHash>

namespace {

constexpr char kHeader[] = "{\\rtf1\\ansi\\ansicpg1252\\uc1\\deff0\\deftab720";
constexpr char kFooter[] = "\\par }";

void appendNumber(QByteArray &out, const char *word, qint64 value)
{
    out += word;
    out += QByteArray::number(value);
}

// Text of a font name or document body: ASCII as is with the three metacharacters
// escaped, Windows-1252 as \'hh, everything else (including each half of a surrogate
// pair, and lone halves) as \uN with a "?" for readers that skip it.
void appendText(QByteArray &out, QStringView text, bool &needSpace)
{
    static const char hex[] = "0123456789abcdef";
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u >= 0x20 && u < 0x80) {
            if (needSpace) {
                out += ' ';
                needSpace = false;
            }
            if (u == '\\' || u == '{' || u == '}')
                out += '\\';
            out += char(u);
            continue;
        }
        if (u == u'\t') {
            out += "\\tab";
            needSpace = true;
            continue;
        }
        const std::optional<uchar> byte = Cp1252::fromUnicode(c);
        // The code page's five undefined bytes are not written as bytes: readers map them
        // to nothing or to other characters.
        if (u >= 0x80 && byte && !(u >= 0x80 && u < 0xA0)) {
            out += "\\'";
            out += hex[*byte >> 4];
            out += hex[*byte & 15];
            needSpace = false;
            continue;
        }
        appendNumber(out, "\\u", qint16(u));
        out += '?';
        needSpace = false;
    }
}

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

QByteArray RtfWriter::write(const RichRuns &runs)
{
    // Tables in the order of first use; an empty document still names the default face
    // and colour of an empty run so that a reader gets them back.
    QStringList faces;
    QHash<QString, int> faceIndex;
    QList<qint32> colours;
    QHash<qint32, int> colourIndex;
    auto addFormat = [&](const CharFormat &f) {
        if (!faceIndex.contains(f.face)) {
            faceIndex.insert(f.face, int(faces.size()));
            faces.append(f.face);
        }
        const qint32 colour = f.colour & 0xFFFFFF;
        if (!colourIndex.contains(colour)) {
            colourIndex.insert(colour, int(colours.size()) + 1);
            colours.append(colour);
        }
    };
    for (const RichRun &run : runs)
        addFormat(run.format);
    if (faces.isEmpty())
        addFormat(CharFormat{QStringLiteral("Arial")});

    qsizetype textSize = 0;
    for (const RichRun &run : runs)
        textSize += run.text.size();

    QByteArray out;
    out.reserve(256 + faces.size() * 48 + colours.size() * 32 + runs.size() * 24 + textSize * 2);
    out += kHeader;
    out += "{\\fonttbl";
    for (qsizetype i = 0; i < faces.size(); ++i) {
        appendNumber(out, "{\\f", i);
        out += "\\fnil\\fcharset0";
        bool needSpace = true;
        appendText(out, faces[i], needSpace);
        out += ";}";
    }
    out += "}{\\colortbl ;";
    for (const qint32 c : colours) {
        appendNumber(out, "\\red", c & 0xFF);
        appendNumber(out, "\\green", (c >> 8) & 0xFF);
        appendNumber(out, "\\blue", (c >> 16) & 0xFF);
        out += ';';
    }
    out += "}\\pard\\plain";

    bool first = true;
    CharFormat previous;
    int previousHalfPoints = 0;
    int previousSize = 0;
    for (const RichRun &run : runs) {
        const CharFormat &f = run.format;
        const int size = int(Numbers::roundEven(f.size * 2));
        const int half = halfPoints(f.offset);
        if (first || f.face != previous.face)
            appendNumber(out, "\\f", faceIndex.value(f.face));
        if (first || size != previousSize)
            appendNumber(out, "\\fs", size);
        if (first || (f.colour & 0xFFFFFF) != (previous.colour & 0xFFFFFF))
            appendNumber(out, "\\cf", colourIndex.value(f.colour & 0xFFFFFF));
        if ((first && f.bold) || (!first && f.bold != previous.bold))
            out += f.bold ? "\\b" : "\\b0";
        if ((first && f.italic) || (!first && f.italic != previous.italic))
            out += f.italic ? "\\i" : "\\i0";
        if ((first && half != 0) || (!first && half != previousHalfPoints)) {
            if (half >= 0)
                appendNumber(out, "\\up", half);
            else
                appendNumber(out, "\\dn", -qint64(half));
        }
        previous = f;
        previousSize = size;
        previousHalfPoints = half;
        first = false;
        bool needSpace = true;
        const QStringView text(run.text);
        qsizetype from = 0;
        for (qsizetype i = 0; i <= text.size(); ++i) {
            const bool end = i == text.size();
            if (!end && text[i] != u'\r' && text[i] != u'\n')
                continue;
            appendText(out, text.mid(from, i - from), needSpace);
            if (end)
                break;
            if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
                ++i;
            // A text blank after the break would be taken as the delimiter: the space
            // written here is the delimiter, so appendText starts without one.
            out += "\\par ";
            needSpace = false;
            from = i + 1;
        }
    }
    out += kFooter;
    return out;
}
