// In-memory rich-text box: see richdocument.h.
#include "richtext/richdocument.h"

#include "core/numbers.h"

#include "richtext/rtfreader.h"
#include "richtext/rtfwriter.h"

#include <algorithm>
#include <cmath>

RichDocument::RichDocument()
{
    faceIndex(QString::fromLatin1(kDefaultFace));
}

bool RichDocument::isValidSize(double points)
{
    return std::isfinite(points) && points >= kMinFontSize && points <= kMaxFontSize;
}

QString RichDocument::normaliseLineBreaks(QStringView text)
{
    QString out;
    out.reserve(text.size() + 16);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'\r') {
            out += u"\r\n";
            if (i + 1 < text.size() && text[i + 1] == u'\n')
                ++i;
        } else if (c == u'\n' || c == QChar::ParagraphSeparator) {
            out += u"\r\n";
        } else if (c.unicode() == 0xFDD0 || c.unicode() == 0xFDD1) {
            // Qt's frame markers: never text.
            out += QChar(QChar::ReplacementCharacter);
        } else {
            out += c;
        }
    }
    return out;
}

int RichDocument::faceIndex(const QString &face)
{
    const auto it = m_faceIndex.constFind(face);
    if (it != m_faceIndex.constEnd())
        return it.value();
    const int index = int(m_faces.size());
    m_faces.append(face);
    m_faceIndex.insert(face, index);
    return index;
}

RichDocument::Attr RichDocument::attrFor(const CharFormat &format)
{
    Attr attr{};
    attr.face = format.face.isEmpty() ? 0 : faceIndex(format.face);
    attr.size = isValidSize(format.size) ? format.size : 0.0;
    attr.colour = format.colour & 0xFFFFFF;
    attr.offset = format.offset;
    attr.bold = format.bold;
    attr.italic = format.italic;
    return attr;
}

CharFormat RichDocument::formatOf(const Attr &attr) const
{
    CharFormat format;
    format.face = m_faces.at(attr.face);
    format.size = attr.size > 0 ? attr.size : m_baseSize;
    format.colour = attr.colour;
    format.bold = attr.bold;
    format.italic = attr.italic;
    format.offset = attr.offset;
    return format;
}

CharFormat RichDocument::defaultFormat() const
{
    return formatOf(Attr{0.0, 0, m_defaultColour, 0, false, false});
}

CharFormat RichDocument::formatAt(int position) const
{
    if (position < 0 || position >= length())
        return defaultFormat();
    return formatOf(m_attrs[size_t(position)]);
}

void RichDocument::setBaseFontSize(double points)
{
    if (isValidSize(points))
        m_baseSize = points;
}

void RichDocument::setText(const QString &text)
{
    m_text = normaliseLineBreaks(text);
    m_attrs.assign(size_t(m_text.size()), Attr{0.0, 0, m_defaultColour, 0, false, false});
    m_selStart = 0;
    m_selLength = 0;
}

void RichDocument::setRuns(const RichRuns &runs)
{
    m_text.clear();
    m_attrs.clear();
    m_selStart = 0;
    m_selLength = 0;
    insertRuns(Span{0, 0}, runs);
    m_selStart = 0;
    m_selLength = 0;
}

// Receives what the RTF reader reads: the reader gives CR LF for every line break and no
// other CR or LF, so the text goes in as it comes.
class RichDocument::Builder : public RtfSink {
public:
    explicit Builder(RichDocument &doc) : m_doc(doc) {}

    void appendText(QStringView text, const CharFormat &format) override
    {
        if (!m_haveFormat || !(format == m_format)) {
            m_attr = m_doc.attrFor(format);
            m_format = format;
            m_haveFormat = true;
        }
        m_text += text;
        m_attrs.insert(m_attrs.end(), size_t(text.size()), m_attr);
    }

    QString m_text;
    std::vector<Attr> m_attrs;

private:
    RichDocument &m_doc;
    CharFormat m_format;
    Attr m_attr{};
    bool m_haveFormat = false;
};

void RichDocument::readRtf(const QByteArray &rtf, const Span &span, bool pasting)
{
    const CharFormat defaults{QString(), 0.0, m_defaultColour};
    if (!RtfReader::isRtf(rtf)) {
        insertRuns(span, rtf.isEmpty() ? RichRuns()
                                       : RichRuns{RichRun{RtfReader::plainText(rtf), defaults}});
        return;
    }
    Builder builder(*this);
    RtfReader reader(defaults);
    // Pasted text keeps its last paragraph mark, except in our own documents, where the
    // footer's mark only ends the document: copying and pasting here changes nothing.
    reader.setKeepsLastParagraph(pasting && !rtf.startsWith(RtfWriter::header()));
    reader.read(rtf, builder);
    replaceRange(span, builder.m_text, builder.m_attrs);
}

QByteArray RichDocument::rtf() const
{
    return RtfWriter::write(
        [this](const RtfWriter::RunVisitor &visit) { forEachRun(0, length(), true, visit); },
        m_symbolFaces);
}

void RichDocument::setRtf(const QByteArray &rtf)
{
    readRtf(rtf, Span{0, length()}, false);
    m_selStart = 0;
    m_selLength = 0;
}

void RichDocument::appendRtf(const QByteArray &rtf)
{
    readRtf(rtf, Span{length(), length()}, false);
}

namespace {

// Characters the writer and the reader carry through unchanged whatever the font: no
// control characters but the tab and CR LF, no C1 controls, no surrogates, no line or
// paragraph separators and none of the reader's own substitutes.
bool plainCharacter(char16_t u)
{
    if (u < 0x20)
        return u == u'\t';
    if (u >= 0x7F && u < 0xA0)
        return false;
    if (u >= 0xD800 && u < 0xE000)
        return false;
    return u != 0x2028 && u != 0x2029 && u != 0xFDD0 && u != 0xFDD1 && u < 0xFFF0 && u != 0xFEFF;
}

bool plainFace(const QString &face)
{
    if (face != face.trimmed())
        return false;
    for (const QChar c : face) {
        const char16_t u = c.unicode();
        if (u < 0x20 || u >= 0x7F || u == u';' || u == u'\\' || u == u'{' || u == u'}')
            return false;
    }
    return true;
}

} // namespace

bool RichDocument::readsBackAsItIs() const
{
    for (const QString &face : m_faces) {
        if (!plainFace(face))
            return false;
    }
    const qsizetype n = m_text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t u = m_text[i].unicode();
        if (u == u'\r' && i + 1 < n && m_text[i + 1] == u'\n') {
            ++i;
            continue;
        }
        if (!plainCharacter(u))
            return false;
    }
    return true;
}

void RichDocument::appendAsRtf(const RichDocument &other)
{
    if (!other.readsBackAsItIs()) {
        appendRtf(other.rtf());
        return;
    }
    std::vector<int> faces;
    faces.reserve(other.m_faces.size());
    for (const QString &face : other.m_faces)
        faces.push_back(face.isEmpty() ? 0 : faceIndex(face));
    m_text += other.m_text;
    for (const Attr &from : other.m_attrs) {
        // What the writer puts down and the reader takes back: \fs in half points,
        // \up / \dn in half points, the colour without its top byte.
        const int halfPoints =
            int(Numbers::roundEven((from.size > 0 ? from.size : other.m_baseSize) * 2));
        const double size = (halfPoints >= 2 && halfPoints <= 3276) ? halfPoints / 2.0 : 0.0;
        const qint64 offset = qint64(RtfWriter::halfPoints(from.offset)) * 10;
        m_attrs.push_back(
            Attr{isValidSize(size) ? size : 0.0, faces[size_t(from.face)], from.colour & 0xFFFFFF,
                 int(std::clamp<qint64>(offset, -1000000, 1000000)), from.bold, from.italic});
    }
    m_selStart = length();
    m_selLength = 0;
}

void RichDocument::reserve(int length)
{
    m_text.reserve(length);
    m_attrs.reserve(size_t(std::max(length, 0)));
}

void RichDocument::setSelStart(int start)
{
    m_selStart = std::clamp(start, 0, length());
    m_selLength = 0;
}

void RichDocument::setSelLength(int length)
{
    m_selLength = std::clamp(length, 0, this->length() - m_selStart);
}

RichDocument::Span RichDocument::editSpan() const
{
    auto midBreak = [this](int p) {
        return p > 0 && p < length() && m_text[p - 1] == u'\r' && m_text[p] == u'\n';
    };
    Span range{m_selStart, m_selStart + m_selLength};
    if (midBreak(range.start))
        --range.start;
    if (m_selLength == 0)
        range.end = range.start;
    else if (midBreak(range.end))
        ++range.end;
    return range;
}

QString RichDocument::selText() const
{
    return m_text.mid(m_selStart, m_selLength);
}

RichDocument::Attr RichDocument::insertionAttr(const Span &range) const
{
    // New text takes the format of what it replaces, or of the character before it, as
    // typing does.
    if (range.end > range.start)
        return m_attrs[size_t(range.start)];
    if (range.start > 0)
        return m_attrs[size_t(range.start - 1)];
    if (!m_attrs.empty())
        return m_attrs.front();
    return Attr{0.0, 0, m_defaultColour, 0, false, false};
}

void RichDocument::replaceRange(const Span &range, const QString &text,
                                const std::vector<Attr> &attrs)
{
    m_text.replace(range.start, range.end - range.start, text);
    m_attrs.erase(m_attrs.begin() + range.start, m_attrs.begin() + range.end);
    m_attrs.insert(m_attrs.begin() + range.start, attrs.begin(), attrs.end());
    m_selStart = range.start + int(text.size());
    m_selLength = 0;
}

void RichDocument::setSelText(const QString &text)
{
    const Span range = editSpan();
    const QString clean = normaliseLineBreaks(text);
    replaceRange(range, clean, std::vector<Attr>(size_t(clean.size()), insertionAttr(range)));
}

void RichDocument::insertRuns(const Span &range, const RichRuns &runs)
{
    QString text;
    std::vector<Attr> attrs;
    for (const RichRun &run : runs) {
        const QString clean = normaliseLineBreaks(run.text);
        const Attr attr = attrFor(run.format);
        text += clean;
        attrs.insert(attrs.end(), size_t(clean.size()), attr);
    }
    replaceRange(range, text, attrs);
}

QByteArray RichDocument::selRtf() const
{
    return RtfWriter::write(
        [this](const RtfWriter::RunVisitor &visit) {
            forEachRun(m_selStart, m_selLength, true, visit);
        },
        m_symbolFaces);
}

void RichDocument::setSelRtf(const QByteArray &rtf)
{
    readRtf(rtf, editSpan(), true);
}

RichRuns RichDocument::runs(int start, int length) const
{
    return collectRuns(start, length, true);
}

RichRuns RichDocument::rawRuns(int start, int length) const
{
    return collectRuns(start, length, false);
}

void RichDocument::replaceSpan(int start, int end, const RichRuns &runs)
{
    start = std::clamp(start, 0, length());
    end = std::clamp(end, start, length());
    insertRuns(Span{start, end}, runs);
}

RichRuns RichDocument::collectRuns(int start, int length, bool resolveSizes) const
{
    RichRuns out;
    forEachRun(start, length, resolveSizes, [&out](QStringView text, const CharFormat &format) {
        out.append(RichRun{text.toString(), format});
    });
    return out;
}

void RichDocument::forEachRun(
    int start, int length, bool resolveSizes,
    const std::function<void(QStringView, const CharFormat &)> &visit) const
{
    start = std::clamp(start, 0, this->length());
    const int end = start + std::clamp(length, 0, this->length() - start);
    const QStringView text(m_text);
    int runStart = start;
    for (int i = start + 1; i <= end; ++i) {
        if (i < end && m_attrs[size_t(i)] == m_attrs[size_t(runStart)])
            continue;
        const Attr &attr = m_attrs[size_t(runStart)];
        CharFormat format = formatOf(attr);
        if (!resolveSizes && attr.size <= 0)
            format.size = 0;
        visit(text.mid(runStart, i - runStart), format);
        runStart = i;
    }
}

template <typename T, typename Get> std::optional<T> RichDocument::shared(Get get) const
{
    const Span range = editSpan();
    if (range.end == range.start)
        return get(insertionAttr(range));
    const T first = get(m_attrs[size_t(range.start)]);
    for (int i = range.start + 1; i < range.end; ++i) {
        if (!(get(m_attrs[size_t(i)]) == first))
            return std::nullopt;
    }
    return first;
}

QString RichDocument::selFontName() const
{
    const auto face = shared<int>([](const Attr &a) { return a.face; });
    return face ? m_faces.at(*face) : QString();
}

std::optional<double> RichDocument::selFontSize() const
{
    return shared<double>([this](const Attr &a) { return a.size > 0 ? a.size : m_baseSize; });
}

std::optional<qint32> RichDocument::selColour() const
{
    return shared<qint32>([](const Attr &a) { return a.colour; });
}

std::optional<bool> RichDocument::selBold() const
{
    return shared<bool>([](const Attr &a) { return a.bold; });
}

std::optional<bool> RichDocument::selItalic() const
{
    return shared<bool>([](const Attr &a) { return a.italic; });
}

std::optional<int> RichDocument::selCharOffset() const
{
    return shared<int>([](const Attr &a) { return a.offset; });
}

template <typename Set> void RichDocument::applyToSelection(Set set)
{
    const Span range = editSpan();
    for (int i = range.start; i < range.end; ++i)
        set(m_attrs[size_t(i)]);
}

void RichDocument::setSelFontName(const QString &face)
{
    if (face.isEmpty())
        return;
    const int index = faceIndex(face);
    applyToSelection([index](Attr &a) { a.face = index; });
}

void RichDocument::setSelFontSize(double points)
{
    if (!isValidSize(points))
        return;
    applyToSelection([points](Attr &a) { a.size = points; });
}

void RichDocument::setSelColour(qint32 colour)
{
    const qint32 value = colour & 0xFFFFFF;
    applyToSelection([value](Attr &a) { a.colour = value; });
}

void RichDocument::setSelBold(bool bold)
{
    applyToSelection([bold](Attr &a) { a.bold = bold; });
}

void RichDocument::setSelItalic(bool italic)
{
    applyToSelection([italic](Attr &a) { a.italic = italic; });
}

void RichDocument::setSelCharOffset(int twips)
{
    applyToSelection([twips](Attr &a) { a.offset = twips; });
}
