// RTF reader: see rtfreader.h.
#include "rtfreader.h"

#include "cp1252.h"

#include <QSet>
#include <QStringDecoder>
#include <algorithm>

namespace {

// Destinations whose content is not document text.
bool isSkippedDestination(QByteArrayView word)
{
    static const QSet<QByteArray> words = {"stylesheet",   "info",         "pict",
                                           "header",       "headerl",      "headerr",
                                           "headerf",      "footer",       "footerl",
                                           "footerr",      "footerf",      "footnote",
                                           "annotation",   "listtable",    "listoverridetable",
                                           "revtbl",       "rsidtbl",      "generator",
                                           "xmlnstbl",     "themedata",    "colorschememapping",
                                           "latentstyles", "datastore",    "object",
                                           "objdata",      "filetbl",      "pntext",
                                           "pntxta",       "pntxtb",       "nonshppict",
                                           "shp",          "shpinst",      "shppict",
                                           "fldinst",      "bkmkstart",    "bkmkend",
                                           "comment",      "author",       "operator",
                                           "title",        "subject",      "keywords",
                                           "doccomm",      "company",      "creatim",
                                           "revtim",       "printim",      "buptim",
                                           "template",     "userprops",    "txe",
                                           "xe",           "tc",           "atnid",
                                           "atnauthor",    "atrfstart",    "atrfend",
                                           "background",   "docvar",       "listtext",
                                           "ftnsep",       "ftnsepc",      "ftncn",
                                           "aftnsep",      "aftnsepc",     "aftncn",
                                           "fchars",       "lchars",       "panose",
                                           "falt",         "fontemb",      "fontfile",
                                           "pgdsctbl",     "passwordhash", "pnseclvl",
                                           "mmathPr",      "wgrffmtfilter"};
    return words.contains(word.toByteArray());
}

// Control words that stand for one character.
QChar specialCharacter(QByteArrayView word)
{
    struct Entry {
        const char *word;
        char16_t c;
    };
    static constexpr Entry entries[] = {
        {"tab", u'\t'},      {"cell", u'\t'},     {"emdash", 0x2014},    {"endash", 0x2013},
        {"emspace", 0x2003}, {"enspace", 0x2002}, {"qmspace", 0x2005},   {"bullet", 0x2022},
        {"lquote", 0x2018},  {"rquote", 0x2019},  {"ldblquote", 0x201C}, {"rdblquote", 0x201D},
        {"zwj", 0x200D},     {"zwnj", 0x200C},    {"ltrmark", 0x200E},   {"rtlmark", 0x200F},
        {"zwbo", 0x200B},
    };
    for (const Entry &e : entries) {
        if (word == e.word)
            return QChar(e.c);
    }
    return QChar();
}

class RunCollector : public RtfSink {
public:
    void appendText(QStringView text, const CharFormat &format) override
    {
        if (!runs.isEmpty() && runs.last().format == format)
            runs.last().text += text;
        else
            runs.append(RichRun{text.toString(), format});
    }
    RichRuns runs;
};

} // namespace

bool RtfReader::isRtf(QByteArrayView data)
{
    qsizetype i = 0;
    while (i < data.size() &&
           (data[i] == ' ' || data[i] == '\t' || data[i] == '\r' || data[i] == '\n'))
        ++i;
    return data.sliced(i).startsWith("{\\rtf");
}

QString RtfReader::plainText(QByteArrayView data)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(data);
    if (!utf8.hasError())
        return text;
    return Cp1252::decode(data.toByteArray());
}

RichRuns RtfReader::readRuns(QByteArrayView data, const CharFormat &defaults)
{
    RunCollector collector;
    if (data.isEmpty())
        return {};
    if (!isRtf(data)) {
        collector.appendText(plainText(data), defaults);
        return collector.runs;
    }
    RtfReader reader(defaults);
    reader.read(data, collector);
    return collector.runs;
}

void RtfReader::read(QByteArrayView data, RtfSink &sink)
{
    m_sink = &sink;
    RtfTokenizer tokenizer(data);
    bool started = false;
    for (;;) {
        const RtfTokenizer::Token token = tokenizer.next();
        using Type = RtfTokenizer::Type;
        if (token.type == Type::End)
            break;
        switch (token.type) {
        case Type::GroupStart:
            m_skipCount = 0;
            m_stack.append(m_state);
            started = true;
            break;
        case Type::GroupEnd:
            m_skipCount = 0;
            if (m_state.destination == Destination::FontTable)
                finishFontEntry();
            if (m_stack.isEmpty())
                break; // an unbalanced brace
            m_state = m_stack.takeLast();
            m_formatDirty = true;
            break;
        case Type::ControlWord:
            if (m_skipCount > 0 && token.word != "bin") {
                --m_skipCount;
                break;
            }
            controlWord(token.word, token.hasParam, token.param, tokenizer);
            break;
        case Type::ControlSymbol:
            if (m_skipCount > 0) {
                --m_skipCount;
                break;
            }
            controlSymbol(token.symbol);
            break;
        case Type::HexByte:
            if (m_skipCount > 0) {
                --m_skipCount;
                break;
            }
            character(Cp1252::toUnicode(token.byte));
            break;
        case Type::Text:
            for (const char byte : token.word) {
                if (m_skipCount > 0) {
                    --m_skipCount;
                    continue;
                }
                const uchar b = uchar(byte);
                if (b < 0x20 && b != '\t')
                    continue;
                character(Cp1252::toUnicode(b));
            }
            break;
        case Type::End:
            break;
        }
        // The document ends where its outermost group closes.
        if (started && m_stack.isEmpty())
            break;
    }
    // The last paragraph mark ends the document and adds no line break.
    m_pendingBreak = false;
    flushRun();
    m_sink = nullptr;
}

void RtfReader::resetCharacter()
{
    m_state.font = -1;
    m_state.halfPoints = 0;
    m_state.colour = 0;
    m_state.offset = 0;
    m_state.superSub = 0;
    m_state.bold = false;
    m_state.italic = false;
    m_formatDirty = true;
}

void RtfReader::controlWord(QByteArrayView word, bool hasParam, qint32 param,
                            RtfTokenizer &tokenizer)
{
    if (word == "bin") {
        if (hasParam && param > 0)
            tokenizer.skipBytes(param);
        return;
    }
    if (m_state.destination == Destination::Skip)
        return;
    if (word == "uc") {
        m_state.unicodeSkip = hasParam ? std::clamp(param, 0, 64) : 1;
        return;
    }
    if (word == "u") {
        if (!hasParam)
            return;
        // Writers give values above 0x7FFF either as they are or as negative 16-bit numbers.
        if (param >= -32768 && param <= 65535)
            character(QChar(char16_t(param < 0 ? param + 65536 : param)));
        else
            character(QChar(QChar::ReplacementCharacter));
        m_skipCount = m_state.unicodeSkip;
        return;
    }
    const bool on = !hasParam || param != 0;
    switch (m_state.destination) {
    case Destination::FontTable:
        if (word == "f") {
            finishFontEntry();
            m_fontNumber = param;
        }
        return;
    case Destination::ColourTable:
        if (word == "red")
            m_red = std::clamp(param, 0, 255);
        else if (word == "green")
            m_green = std::clamp(param, 0, 255);
        else if (word == "blue")
            m_blue = std::clamp(param, 0, 255);
        else
            return;
        m_colourGiven = true;
        return;
    case Destination::Skip:
        return;
    case Destination::Text:
        break;
    }

    if (word == "fonttbl") {
        // A later font table redefines the indices for the text after it.
        m_state.destination = Destination::FontTable;
        m_fonts.clear();
        m_fontName.clear();
        m_fontNumber = 0;
        m_formatDirty = true;
    } else if (word == "colortbl") {
        m_state.destination = Destination::ColourTable;
        m_colours.clear();
        m_red = m_green = m_blue = 0;
        m_colourGiven = false;
        m_formatDirty = true;
    } else if (isSkippedDestination(word)) {
        m_state.destination = Destination::Skip;
    } else if (word == "par" || word == "line" || word == "sect" || word == "page" ||
               word == "row") {
        paragraph();
    } else if (word == "plain") {
        resetCharacter();
    } else if (word == "deff") {
        m_defaultFont = param;
        m_formatDirty = true;
    } else if (word == "f") {
        m_state.font = param;
        m_formatDirty = true;
    } else if (word == "fs") {
        m_state.halfPoints = hasParam ? param : 24;
        m_formatDirty = true;
    } else if (word == "cf") {
        m_state.colour = param;
        m_formatDirty = true;
    } else if (word == "b") {
        m_state.bold = on;
        m_formatDirty = true;
    } else if (word == "i") {
        m_state.italic = on;
        m_formatDirty = true;
    } else if (word == "up") {
        m_state.offset =
            int(std::clamp<qint64>(qint64(hasParam ? param : 6) * 10, -1000000, 1000000));
        m_formatDirty = true;
    } else if (word == "dn") {
        m_state.offset =
            int(std::clamp<qint64>(-qint64(hasParam ? param : 6) * 10, -1000000, 1000000));
        m_formatDirty = true;
    } else if (word == "super") {
        m_state.superSub = 1;
        m_formatDirty = true;
    } else if (word == "sub") {
        m_state.superSub = -1;
        m_formatDirty = true;
    } else if (word == "nosupersub") {
        m_state.superSub = 0;
        m_formatDirty = true;
    } else {
        const QChar c = specialCharacter(word);
        if (!c.isNull())
            character(c);
    }
}

void RtfReader::controlSymbol(char symbol)
{
    if (m_state.destination == Destination::Skip)
        return;
    switch (symbol) {
    case '*':
        // An ignorable destination: nothing in it is one we read.
        m_state.destination = Destination::Skip;
        break;
    case '\\':
    case '{':
    case '}':
        character(QChar(char16_t(symbol)));
        break;
    case '~':
        character(QChar(0x00A0));
        break;
    case '_':
        character(QChar(0x2011));
        break;
    case '\r':
    case '\n':
        if (m_state.destination == Destination::Text)
            paragraph();
        break;
    default:
        break; // \- optional hyphen, \: index entry, \| formula and others
    }
}

void RtfReader::finishFontEntry()
{
    const QString name = m_fontName.trimmed();
    if (!name.isEmpty())
        m_fonts.insert(m_fontNumber, name);
    m_fontName.clear();
}

CharFormat RtfReader::currentFormat() const
{
    CharFormat f;
    const int font = m_state.font < 0 ? m_defaultFont : m_state.font;
    f.face = m_fonts.value(font, m_defaults.face);
    const int halfPoints = m_state.halfPoints;
    f.size = (halfPoints >= 2 && halfPoints <= 3276) ? halfPoints / 2.0 : 0.0;
    f.colour = m_defaults.colour;
    if (m_state.colour > 0 && m_state.colour < m_colours.size() && m_colours[m_state.colour] >= 0)
        f.colour = m_colours[m_state.colour];
    f.bold = m_state.bold;
    f.italic = m_state.italic;
    f.offset = m_state.offset;
    if (m_state.superSub != 0) {
        // Superscript and subscript raise or lower by a third of the size.
        const double size = f.size > 0 ? f.size : 12.0;
        f.offset = m_state.superSub * int(size * 20 / 3);
    }
    return f;
}

void RtfReader::flushRun()
{
    if (!m_run.isEmpty())
        m_sink->appendText(m_run, m_runFormat);
    m_run.clear();
}

void RtfReader::paragraph()
{
    if (m_state.destination != Destination::Text)
        return;
    if (m_formatDirty) {
        m_current = currentFormat();
        m_formatDirty = false;
    }
    if (m_pendingBreak) {
        if (!(m_breakFormat == m_runFormat)) {
            flushRun();
            m_runFormat = m_breakFormat;
        }
        m_run += u"\r\n";
    }
    m_pendingBreak = true;
    m_breakFormat = m_current;
}

void RtfReader::character(QChar c)
{
    switch (m_state.destination) {
    case Destination::Skip:
        return;
    case Destination::FontTable:
        if (c == u';')
            finishFontEntry();
        else
            m_fontName += c;
        return;
    case Destination::ColourTable:
        if (c == u';') {
            m_colours.append(m_colourGiven ? (m_red | (m_green << 8) | (m_blue << 16)) : -1);
            m_red = m_green = m_blue = 0;
            m_colourGiven = false;
        }
        return;
    case Destination::Text:
        break;
    }
    // Line breaks written as characters are line breaks; Qt's frame markers are not text.
    if (c == u'\r' || c == u'\n' || c == QChar::ParagraphSeparator) {
        paragraph();
        return;
    }
    if (c.unicode() == 0xFDD0 || c.unicode() == 0xFDD1)
        c = QChar(QChar::ReplacementCharacter);
    if (m_pendingBreak) {
        m_pendingBreak = false;
        if (!(m_breakFormat == m_runFormat)) {
            flushRun();
            m_runFormat = m_breakFormat;
        }
        m_run += u"\r\n";
    }
    if (m_formatDirty) {
        m_current = currentFormat();
        m_formatDirty = false;
    }
    if (!(m_current == m_runFormat)) {
        flushRun();
        m_runFormat = m_current;
    }
    m_run += c;
}
