// RTF reader: see rtfreader.h.
#include "richtext/rtfreader.h"

#include "core/bgrcolour.h"
#include "encoding/cp1252.h"

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
    Character,
    Hidden,
    Caps,
    DocumentCharset,
    AnsiCodePage,
    FontCharset,
    FontCodePage
};

struct KeywordEntry {
    QByteArrayView word;
    Keyword keyword;
    char16_t character = 0; // or the code page of a DocumentCharset word
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
            {"v", Keyword::Hidden},
            {"caps", Keyword::Caps},
            {"ansi", Keyword::DocumentCharset, 1252},
            {"mac", Keyword::DocumentCharset, 10000},
            {"pc", Keyword::DocumentCharset, 437},
            {"pca", Keyword::DocumentCharset, 850},
            {"ansicpg", Keyword::AnsiCodePage},
            {"fcharset", Keyword::FontCharset},
            {"cpg", Keyword::FontCodePage},
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
        italic{"i", Keyword::Italic}, unicode{"u", Keyword::U}, hidden{"v", Keyword::Hidden},
        size{"fs", Keyword::FontSize}, colour{"cf", Keyword::Colour}, up{"up", Keyword::Up},
        down{"dn", Keyword::Down}, par{"par", Keyword::Paragraph};
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
        case 'v':
            return &hidden;
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

// Formats compared cheapest part first: neighbouring runs mostly differ in size or
// colour, and then the faces need no string comparison.
bool sameFormat(const CharFormat &a, const CharFormat &b)
{
    return a.size == b.size && a.colour == b.colour && a.offset == b.offset && a.bold == b.bold &&
           a.italic == b.italic && a.face == b.face;
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
        if (token.type != Type::HexByte && token.type != Type::Text) {
            m_leadByte = -1; // a lead byte cut off from its trail
            m_utf8.clear();
        }
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
            textByte(token.byte, true);
            break;
        case Type::Text:
            for (const char byte : token.word) {
                if (m_skipCount > 0) {
                    --m_skipCount;
                    continue;
                }
                textByte(uchar(byte), false);
            }
            break;
        case Type::End:
            break;
        }
        // The document ends where its outermost group closes.
        if (started && m_stack.isEmpty())
            break;
    }
    if (m_keepLastParagraph && m_pendingBreak)
        addPendingBreak();
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
    m_state.hidden = false;
    m_state.caps = false;
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
        if (keyword == Keyword::FontCharset) {
            if (!m_fontPageFromCpg) {
                const int number = CodePage::forCharset(param);
                m_fontPage = number == 0 ? nullptr : &CodePage::forNumber(number);
            }
            return;
        }
        if (keyword == Keyword::FontCodePage) {
            if (hasParam && param > 0) {
                m_fontPage = &CodePage::forNumber(param);
                m_fontPageFromCpg = true;
            }
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
    case Keyword::DocumentCharset:
        m_documentPage = &CodePage::forNumber(entry->character);
        break;
    case Keyword::AnsiCodePage:
        if (hasParam && param > 0)
            m_documentPage = &CodePage::forNumber(param);
        break;
    case Keyword::Hidden:
        m_state.hidden = on;
        return;
    case Keyword::Caps:
        m_state.caps = on;
        return;
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
        m_fonts.insert(m_fontNumber, FontEntry{name, m_fontPage});
    m_fontName.clear();
    m_fontPage = nullptr;
    m_fontPageFromCpg = false;
}

void RtfReader::refreshFormat()
{
    CharFormat &f = m_current;
    const int font = m_state.font == kDefaultFontIndex ? m_defaultFont : m_state.font;
    const auto entry = m_fonts.constFind(font);
    const bool known = entry != m_fonts.constEnd();
    const QString &face = known ? entry->name : m_defaults.face;
    if (!f.face.isSharedWith(face))
        f.face = face;
    m_page = (known && entry->page) ? entry->page : m_documentPage;
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
    m_formatDirty = false;
}

void RtfReader::flushRun()
{
    if (!m_run.isEmpty())
        m_sink->appendText(m_run, m_runFormat);
    m_run.clear();
}

void RtfReader::addPendingBreak()
{
    m_pendingBreak = false;
    if (!sameFormat(m_breakFormat, m_runFormat)) {
        flushRun();
        m_runFormat = m_breakFormat;
    }
    m_run += u"\r\n";
}

void RtfReader::paragraph()
{
    if (m_state.destination != Destination::Text || m_state.hidden)
        return;
    if (m_formatDirty)
        refreshFormat();
    if (m_pendingBreak)
        addPendingBreak();
    m_pendingBreak = true;
    m_breakFormat = m_current;
}

void RtfReader::textByte(uchar byte, bool escaped)
{
    if (m_state.destination == Destination::Skip ||
        m_state.destination == Destination::ColourTable) {
        if (byte == ';')
            character(QChar(u';'));
        return;
    }
    if (m_state.destination == Destination::FontTable) {
        fontNameByte(byte, escaped);
        return;
    }
    if (m_formatDirty)
        refreshFormat();
    const CodePage &page = *m_page;
    if (page.isUtf8() && (byte >= 0x80 || !m_utf8.isEmpty())) {
        for (const QChar c : takeUtf8(byte))
            character(c);
        return;
    }
    if (m_leadByte >= 0) {
        const uchar lead = uchar(m_leadByte);
        m_leadByte = -1;
        if (const std::optional<QChar> c = page.pair(lead, byte)) {
            character(*c);
            return;
        }
        // A broken pair: the lead byte is lost, the other byte reads on its own.
        character(QChar(QChar::ReplacementCharacter));
    }
    if (page.isLeadByte(byte)) {
        m_leadByte = byte;
        return;
    }
    // Control bytes are not text, apart from the tab and, escaped, the line ends.
    if (byte < 0x20 && byte != '\t' && !(escaped && (byte == '\r' || byte == '\n')))
        return;
    character(page.character(byte));
}

QString RtfReader::takeUtf8(uchar byte)
{
    const auto expected = [](uchar lead) -> qsizetype {
        if (lead >= 0xC2 && lead <= 0xDF)
            return 2;
        if (lead >= 0xE0 && lead <= 0xEF)
            return 3;
        if (lead >= 0xF0 && lead <= 0xF4)
            return 4;
        return 0;
    };
    QString out;
    const bool continuation = (byte & 0xC0) == 0x80;
    if (!m_utf8.isEmpty() && !continuation) {
        // The sequence broke off: it stands for one unreadable character.
        out += QChar(QChar::ReplacementCharacter);
        m_utf8.clear();
    }
    if (m_utf8.isEmpty()) {
        if (byte < 0x80) {
            out += QChar(char16_t(byte));
            return out;
        }
        if (expected(byte) == 0) {
            out += QChar(QChar::ReplacementCharacter);
            return out;
        }
    }
    m_utf8 += char(byte);
    if (m_utf8.size() < expected(uchar(m_utf8[0])))
        return out;
    const QString decoded = QString::fromUtf8(m_utf8);
    m_utf8.clear();
    out += decoded;
    return out;
}

void RtfReader::fontNameByte(uchar byte, bool escaped)
{
    if (byte == ';' && !escaped) {
        finishFontEntry();
        return;
    }
    const CodePage &page = m_fontPage ? *m_fontPage : *m_documentPage;
    if (page.isUtf8() && (byte >= 0x80 || !m_utf8.isEmpty())) {
        m_fontName += takeUtf8(byte);
        return;
    }
    if (m_leadByte >= 0) {
        const uchar lead = uchar(m_leadByte);
        m_leadByte = -1;
        if (const std::optional<QChar> c = page.pair(lead, byte)) {
            m_fontName += *c;
            return;
        }
    }
    if (page.isLeadByte(byte))
        m_leadByte = byte;
    else if (byte >= 0x20)
        m_fontName += page.character(byte);
}

void RtfReader::character(QChar c)
{
    if (m_state.hidden && m_state.destination == Destination::Text)
        return;
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
    if (m_state.caps)
        c = c.toUpper();
    if (m_pendingBreak)
        addPendingBreak();
    if (m_formatDirty)
        refreshFormat();
    if (!sameFormat(m_current, m_runFormat)) {
        flushRun();
        m_runFormat = m_current;
    }
    m_run += c;
}
