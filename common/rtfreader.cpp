// RTF reader: see rtfreader.h.
#include "rtfreader.h"

#include "bgrcolour.h"
#include "cp1252.h"

#include <QStringDecoder>
#include <algorithm>
#include <vector>

namespace {

enum class Keyword {
    Unknown,
    Bin,
    Uc,
    U,
    Font,
    FontSize,
    Colour,
    Bold,
    Italic,
    Up,
    Down,
    Super,
    Sub,
    NoSuperSub,
    Plain,
    DefaultFont,
    FontTable,
    ColourTable,
    Red,
    Green,
    Blue,
    Paragraph,
    Skip,
    Character
};

struct KeywordEntry {
    QByteArrayView word;
    Keyword keyword;
    char16_t character = 0;
};

// Every control word the reader acts on, sorted for a binary search: one lookup per
// control word, without allocating.
const std::vector<KeywordEntry> &keywords()
{
    static const std::vector<KeywordEntry> table = [] {
        std::vector<KeywordEntry> t = {
            {"bin", Keyword::Bin},
            {"uc", Keyword::Uc},
            {"u", Keyword::U},
            {"f", Keyword::Font},
            {"fs", Keyword::FontSize},
            {"cf", Keyword::Colour},
            {"b", Keyword::Bold},
            {"i", Keyword::Italic},
            {"up", Keyword::Up},
            {"dn", Keyword::Down},
            {"super", Keyword::Super},
            {"sub", Keyword::Sub},
            {"nosupersub", Keyword::NoSuperSub},
            {"plain", Keyword::Plain},
            {"deff", Keyword::DefaultFont},
            {"fonttbl", Keyword::FontTable},
            {"colortbl", Keyword::ColourTable},
            {"red", Keyword::Red},
            {"green", Keyword::Green},
            {"blue", Keyword::Blue},
            {"par", Keyword::Paragraph},
            {"line", Keyword::Paragraph},
            {"sect", Keyword::Paragraph},
            {"page", Keyword::Paragraph},
            {"row", Keyword::Paragraph},
            {"tab", Keyword::Character, u'\t'},
            {"cell", Keyword::Character, u'\t'},
            {"emdash", Keyword::Character, 0x2014},
            {"endash", Keyword::Character, 0x2013},
            {"emspace", Keyword::Character, 0x2003},
            {"enspace", Keyword::Character, 0x2002},
            {"qmspace", Keyword::Character, 0x2005},
            {"bullet", Keyword::Character, 0x2022},
            {"lquote", Keyword::Character, 0x2018},
            {"rquote", Keyword::Character, 0x2019},
            {"ldblquote", Keyword::Character, 0x201C},
            {"rdblquote", Keyword::Character, 0x201D},
            {"zwj", Keyword::Character, 0x200D},
            {"zwnj", Keyword::Character, 0x200C},
            {"ltrmark", Keyword::Character, 0x200E},
            {"rtlmark", Keyword::Character, 0x200F},
            {"zwbo", Keyword::Character, 0x200B},
        };
        // Destinations whose content is not document text.
        for (const char *word : {"stylesheet",   "info",         "pict",
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
                                 "mmathPr",      "wgrffmtfilter"})
            t.push_back({QByteArrayView(word), Keyword::Skip});
        std::sort(t.begin(), t.end(), [](const KeywordEntry &a, const KeywordEntry &b) {
            return a.word.compare(b.word) < 0;
        });
        return t;
    }();
    return table;
}

const KeywordEntry *findKeyword(QByteArrayView word)
{
    // The words of every character's formatting first, without a search.
    static const KeywordEntry font{"f", Keyword::Font}, bold{"b", Keyword::Bold},
        italic{"i", Keyword::Italic}, unicode{"u", Keyword::U}, size{"fs", Keyword::FontSize},
        colour{"cf", Keyword::Colour}, up{"up", Keyword::Up}, down{"dn", Keyword::Down},
        par{"par", Keyword::Paragraph};
    const char *w = word.data();
    switch (word.size()) {
    case 1:
        switch (w[0]) {
        case 'f':
            return &font;
        case 'b':
            return &bold;
        case 'i':
            return &italic;
        case 'u':
            return &unicode;
        default:
            return nullptr;
        }
    case 2:
        if (w[0] == 'f' && w[1] == 's')
            return &size;
        if (w[0] == 'c' && w[1] == 'f')
            return &colour;
        if (w[0] == 'u' && w[1] == 'p')
            return &up;
        if (w[0] == 'd' && w[1] == 'n')
            return &down;
        break;
    case 3:
        if (w[0] == 'p' && w[1] == 'a' && w[2] == 'r')
            return &par;
        break;
    default:
        break;
    }
    const auto &table = keywords();
    const auto it = std::lower_bound(
        table.begin(), table.end(), word,
        [](const KeywordEntry &e, QByteArrayView w) { return e.word.compare(w) < 0; });
    return (it != table.end() && it->word == word) ? &*it : nullptr;
}

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
            // Control bytes are not text, apart from the tab and the line ends.
            if (token.byte >= 0x20 || token.byte == '\t' || token.byte == '\r' ||
                token.byte == '\n')
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
    m_state.font = kDefaultFontIndex;
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
    const KeywordEntry *entry = findKeyword(word);
    if (!entry)
        return; // unknown control words are ignored
    const Keyword keyword = entry->keyword;
    if (keyword == Keyword::Bin) {
        // Binary data is skipped whatever destination it is in.
        if (hasParam && param > 0)
            tokenizer.skipBytes(param);
        return;
    }
    switch (m_state.destination) {
    case Destination::Skip:
        return;
    case Destination::FontTable:
        if (keyword == Keyword::Font) {
            finishFontEntry();
            m_fontNumber = param;
            return;
        }
        break;
    case Destination::ColourTable:
        if (keyword == Keyword::Red)
            m_red = std::clamp(param, 0, 255);
        else if (keyword == Keyword::Green)
            m_green = std::clamp(param, 0, 255);
        else if (keyword == Keyword::Blue)
            m_blue = std::clamp(param, 0, 255);
        if (keyword == Keyword::Red || keyword == Keyword::Green || keyword == Keyword::Blue) {
            m_colourGiven = true;
            return;
        }
        break;
    case Destination::Text:
        break;
    }

    const bool on = !hasParam || param != 0;
    switch (keyword) {
    case Keyword::Uc:
        m_state.unicodeSkip = hasParam ? std::clamp(param, 0, 64) : 1;
        return;
    case Keyword::U:
        if (!hasParam)
            return;
        // Writers give values above 0x7FFF either as they are or as negative 16-bit numbers.
        if (param >= -32768 && param <= 65535)
            character(QChar(char16_t(param < 0 ? param + 65536 : param)));
        else
            character(QChar(QChar::ReplacementCharacter));
        m_skipCount = m_state.unicodeSkip;
        return;
    case Keyword::Character:
        character(QChar(entry->character));
        return;
    case Keyword::Unknown:
    case Keyword::Bin:
    case Keyword::Red:
    case Keyword::Green:
    case Keyword::Blue:
        return;
    default:
        break;
    }
    if (m_state.destination != Destination::Text)
        return;

    switch (keyword) {
    case Keyword::FontTable:
        // A later font table redefines the indices for the text after it.
        m_state.destination = Destination::FontTable;
        m_fonts.clear();
        m_fontName.clear();
        m_fontNumber = 0;
        break;
    case Keyword::ColourTable:
        m_state.destination = Destination::ColourTable;
        m_colours.clear();
        m_red = m_green = m_blue = 0;
        m_colourGiven = false;
        break;
    case Keyword::Skip:
        m_state.destination = Destination::Skip;
        return;
    case Keyword::Paragraph:
        paragraph();
        return;
    case Keyword::Plain:
        resetCharacter();
        break;
    case Keyword::DefaultFont:
        m_defaultFont = param;
        break;
    case Keyword::Font:
        m_state.font = param;
        break;
    case Keyword::FontSize:
        m_state.halfPoints = hasParam ? param : 24;
        break;
    case Keyword::Colour:
        m_state.colour = param;
        break;
    case Keyword::Bold:
        m_state.bold = on;
        break;
    case Keyword::Italic:
        m_state.italic = on;
        break;
    case Keyword::Up:
        m_state.offset =
            int(std::clamp<qint64>(qint64(hasParam ? param : 6) * 10, -1000000, 1000000));
        break;
    case Keyword::Down:
        m_state.offset =
            int(std::clamp<qint64>(-qint64(hasParam ? param : 6) * 10, -1000000, 1000000));
        break;
    case Keyword::Super:
        m_state.superSub = 1;
        break;
    case Keyword::Sub:
        m_state.superSub = -1;
        break;
    case Keyword::NoSuperSub:
        m_state.superSub = 0;
        break;
    default:
        return;
    }
    m_formatDirty = true;
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
    const int font = m_state.font == kDefaultFontIndex ? m_defaultFont : m_state.font;
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
            m_colours.append(m_colourGiven ? BgrColour::fromRgb(m_red, m_green, m_blue).packed()
                                           : -1);
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
