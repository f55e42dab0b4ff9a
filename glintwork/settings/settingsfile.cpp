// The settings file: see settingsfile.h.
#include "settings/settingsfile.h"

#include "core/numbers.h"
#include "settings/modetables.h"

#include <QDir>
#include <QHash>
#include <QRegularExpression>

Q_LOGGING_CATEGORY(lcSettingsFile, "kerncraft.glintwork.settings")

namespace SettingsFile {

namespace {

// A whole line that is one decimal number (blanks around it allowed), as a conversion
// to a whole number requires; the value is rounded halves to even.
std::optional<double> wholeNumber(const QString &line)
{
    static const QRegularExpression kNumber(
        QStringLiteral("^\\s*[+-]?(\\d+\\.?\\d*|\\.\\d+)([eE][+-]?\\d+)?\\s*$"));
    if (line.size() > 400 || !kNumber.match(line).hasMatch())
        return std::nullopt;
    return Numbers::roundEven(Numbers::val(line));
}

std::optional<int> wholeIn(const QString &line, int low, int high)
{
    const auto v = wholeNumber(line);
    if (!v || *v < low || *v > high)
        return std::nullopt;
    return int(*v);
}

std::optional<bool> truthValue(const QString &line)
{
    const QString t = line.trimmed();
    if (t.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
        return true;
    if (t.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0)
        return false;
    const auto v = wholeNumber(line);
    if (!v)
        return std::nullopt;
    return *v != 0;
}

// Option indices take the number at the start of the line, so text selects option 0.
std::optional<int> optionIndex(const QString &line, int count)
{
    const double v = Numbers::roundEven(Numbers::val(line));
    if (v < 0 || v >= count)
        return std::nullopt;
    return int(v);
}

std::optional<qint32> colourLine(const QString &line)
{
    const auto v = wholeNumber(line);
    if (!v || *v < 0 || *v > 0xFFFFFF)
        return std::nullopt;
    return qint32(*v);
}

// A flag as the writer writes it: 0 or 1 (or a truth word).
std::optional<bool> writtenFlag(const QString &line)
{
    const auto v = truthValue(line);
    const auto n = wholeNumber(line);
    if (!v || (n && *n != 0 && *n != 1))
        return std::nullopt;
    return v;
}

// A font line as the writer writes it: -1 or 0 (or a truth word).
bool writtenFontLine(const QString &line)
{
    const auto n = wholeNumber(line);
    return truthValue(line) && (!n || *n == 0 || *n == -1);
}

struct Tail {
    std::optional<qint32> singleColour;
    std::array<std::optional<bool>, 3> menus;
};

// The lines after the font block as the writer writes them: the colour, then up to
// three flags, and nothing after.
std::optional<Tail> writtenTail(const QStringList &lines)
{
    if (lines.size() > 4)
        return std::nullopt;
    Tail tail;
    if (!lines.isEmpty()) {
        tail.singleColour = colourLine(lines[0]);
        if (!tail.singleColour)
            return std::nullopt;
    }
    for (qsizetype i = 1; i < lines.size(); ++i) {
        tail.menus[size_t(i - 1)] = writtenFlag(lines[i]);
        if (!tail.menus[size_t(i - 1)])
            return std::nullopt;
    }
    return tail;
}

void applyTail(const Tail &tail, LoadedSettings &r)
{
    r.singleColour = tail.singleColour;
    r.toolTips = tail.menus[0];
    r.formatWordByWord = tail.menus[1];
    r.colourWordByWord = tail.menus[2];
}

// The marker's index when the lines from `blockStart` on end in a whole trailer: the
// block, four fixed lines, the marker and one name per block line. Block and fixed lines
// are numbers, so the first marker line after `blockStart` is the trailer's.
std::optional<qsizetype> trailerAt(const QStringList &lines, qsizetype blockStart)
{
    const qsizetype marker = lines.indexOf(SettingsFile::kFontTrailer, blockStart);
    if (marker < 0)
        return std::nullopt;
    const qsizetype count = marker - blockStart - 4;
    if (count < 0 || lines.size() - marker - 1 != count)
        return std::nullopt;
    return marker;
}

// The font block and what follows it in a file with the trailer; false on damage.
bool readNamedFonts(const QStringList &lines, qsizetype blockStart, qsizetype marker,
                    LoadedSettings &r)
{
    const qsizetype count = marker - blockStart - 4;
    for (qsizetype i = 0; i < count; ++i) {
        const auto v = truthValue(lines[blockStart + i]);
        if (!v)
            return false;
        r.fontSelection.append(*v);
    }
    r.singleColour = colourLine(lines[blockStart + count]);
    if (!r.singleColour)
        return false;
    std::optional<bool> *menus[3] = {&r.toolTips, &r.formatWordByWord, &r.colourWordByWord};
    for (int k = 0; k < 3; ++k) {
        *menus[k] = truthValue(lines[blockStart + count + 1 + k]);
        if (!*menus[k])
            return false;
    }
    r.fontNames = lines.mid(marker + 1);
    return true;
}

// The font block of a file without the trailer, by position over today's `fonts` entries.
// A line that is no truth value is damage (false). When the lines do not line up with
// today's list, the selection is dropped and the fixed values come from the file's last
// four lines, where an older writer always put them.
bool readPositionalFonts(const QStringList &lines, qsizetype blockStart, int fonts,
                         LoadedSettings &r)
{
    const qsizetype blockEnd = qMin(lines.size(), blockStart + fonts);
    bool lined = true;
    for (qsizetype i = blockStart; i < blockEnd; ++i) {
        const auto v = truthValue(lines[i]);
        if (!v)
            return false;
        lined = lined && writtenFontLine(lines[i]);
        r.fontSelection.append(*v);
    }
    const auto tail = lined ? writtenTail(lines.mid(blockEnd)) : std::nullopt;
    if (tail) {
        applyTail(*tail, r);
        return true;
    }
    r.fontSelection.clear();
    if (lines.size() - blockStart >= 4) {
        if (const auto last = writtenTail(lines.mid(lines.size() - 4)))
            applyTail(*last, r);
    }
    return true;
}

class LineReader {
public:
    explicit LineReader(const QStringList &lines) : m_lines(lines) {}
    bool atEnd() const { return m_next >= m_lines.size(); }
    qsizetype position() const { return m_next; }
    std::optional<QString> next()
    {
        if (atEnd())
            return std::nullopt;
        return m_lines[m_next++];
    }

private:
    const QStringList &m_lines;
    qsizetype m_next = 0;
};

template <size_t N> bool readLabels(LineReader &in, std::array<ColourLabel, N> &row)
{
    for (ColourLabel &label : row) {
        const auto colour = in.next();
        const auto tag = in.next();
        const auto mark = in.next();
        if (!colour || !tag || !mark)
            return false;
        const auto c = colourLine(*colour);
        if (!c)
            return false;
        label = {*c, *tag, *mark};
    }
    return true;
}

template <size_t N> void writeLabels(QStringList &out, const std::array<ColourLabel, N> &row)
{
    for (const ColourLabel &label : row) {
        out.append(numberLine(label.colour));
        out.append(label.tag);
        out.append(label.mark);
    }
}

} // namespace

QString path(const QString &folder)
{
    return QDir(folder).filePath(kFileName);
}

QString numberLine(qint64 value)
{
    return (value < 0 ? QString() : QStringLiteral(" ")) + QString::number(value) +
           QLatin1Char(' ');
}

bool isSeparatorLike(QStringView line)
{
    if (!line.endsWith(kSeparator))
        return false;
    for (const QChar c : line.chopped(kSeparator.size())) {
        if (c != kSeparator.front())
            return false;
    }
    return true;
}

QString storedText(const QString &text)
{
    if (!text.contains(kSeparator))
        return text;
    // Each line as the reader will see it: split at LF, one CR before it dropped. The last
    // part is followed by the writer's own CR LF, so all of it is a line.
    QStringList parts = text.split(QLatin1Char('\n'));
    for (qsizetype i = 0; i < parts.size(); ++i) {
        QString &part = parts[i];
        QStringView line(part);
        if (i + 1 < parts.size() && line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        if (isSeparatorLike(line))
            part.prepend(kSeparator.front());
    }
    return parts.join(QLatin1Char('\n'));
}

QString storedFontName(const QString &name)
{
    QString stored = name;
    for (QChar &c : stored) {
        if (c == u'\r' || c == u'\n' || c == QChar::LineSeparator || c == QChar::ParagraphSeparator)
            c = QChar::ReplacementCharacter;
    }
    return stored;
}

QStringList lines(const EffectSettings &s)
{
    QStringList out;
    const int mode = s.outputMode == OutputMode::None ? 0 : int(s.outputMode);
    out << numberLine(mode) << numberLine(s.sizeEffect) << numberLine(s.capitalisation)
        << numberLine(s.colouring) << numberLine(s.characterPosition)
        << numberLine(s.randomBoldItalic) << numberLine(s.alternateSelectedFonts)
        << EffectSettings::numberText(s.wavelength) << EffectSettings::numberText(s.blendLength)
        << numberLine(s.randomAlternateColours) << numberLine(s.predefinedScheme) << kSeparator
        << storedText(s.text) << kSeparator << numberLine(s.minimumSizeIndex)
        << numberLine(s.maximumSizeIndex);
    writeLabels(out, s.alternateColours);
    writeLabels(out, s.blendColours);
    for (qsizetype i = 0; i < s.fonts.size(); ++i)
        out << numberLine(i < s.fontSelected.size() && s.fontSelected[i] ? -1 : 0);
    out << numberLine(s.singleColour) << numberLine(s.toolTips ? 1 : 0)
        << numberLine(s.formatWordByWord ? 1 : 0) << numberLine(s.colourWordByWord ? 1 : 0);
    out << kFontTrailer;
    for (const QString &name : s.fonts)
        out << storedFontName(name);
    return out;
}

std::optional<LoadedSettings> parse(const QStringList &lines,
                                    const std::function<int(OutputMode)> &fontCount)
{
    LineReader in(lines);
    LoadedSettings r;
    auto line = [&in] { return in.next(); };

    auto modeLine = line();
    if (!modeLine)
        return std::nullopt;
    const auto mode = wholeIn(*modeLine, 0, 2);
    if (!mode)
        return std::nullopt;
    r.mode = OutputMode(*mode);

    const int groups[4] = {7, 6, 5, 3};
    int *targets[4] = {&r.sizeEffect, &r.capitalisation, &r.colouring, &r.characterPosition};
    for (int k = 0; k < 4; ++k) {
        const auto l = line();
        if (!l)
            return std::nullopt;
        const auto index = optionIndex(*l, groups[k]);
        if (!index)
            return std::nullopt;
        *targets[k] = *index;
    }
    for (int *check : {&r.randomBoldItalic, &r.alternateSelectedFonts}) {
        const auto l = line();
        const auto v = l ? wholeIn(*l, 0, 1) : std::nullopt;
        if (!v)
            return std::nullopt;
        *check = *v;
    }
    const auto wl = line();
    const auto bl = line();
    const auto random = line();
    const auto pc = line();
    if (!wl || !bl || !random || !pc)
        return std::nullopt;
    r.wavelength = EffectSettings::number(*wl);
    r.blendLength = EffectSettings::number(*bl);
    const auto randomAlternateColours = wholeIn(*random, 0, 1);
    if (!randomAlternateColours)
        return std::nullopt;
    r.randomAlternateColours = *randomAlternateColours;
    r.predefinedScheme = wholeIn(*pc, 0, 13);

    if (!line()) // the first separator, whatever it holds
        return std::nullopt;
    QString text;
    for (;;) {
        const auto l = line();
        if (!l)
            return std::nullopt; // no closing separator
        if (*l == kSeparator)
            break;
        text += isSeparatorLike(*l) ? QStringView(*l).sliced(1) : QStringView(*l);
        text += QStringLiteral("\r\n");
    }
    while (!text.isEmpty() &&
           (text.endsWith(QLatin1Char('\r')) || text.endsWith(QLatin1Char('\n'))))
        text.chop(1);
    r.text = text;

    const auto sIndex = line();
    const auto bIndex = line();
    if (!sIndex || !bIndex)
        return std::nullopt;
    const OutputMode m = r.mode;
    const auto si = wholeIn(*sIndex, -1, int(ModeTables::minSizeItems(m).size()) - 1);
    const auto bi = wholeIn(*bIndex, -1, int(ModeTables::maxSizeItems(m).size()) - 1);
    if (!si || !bi)
        return std::nullopt;
    r.minimumSizeIndex = *si;
    r.maximumSizeIndex = *bi;

    if (!readLabels(in, r.alternateColours) || !readLabels(in, r.blendColours))
        return std::nullopt;

    // From the font block on, a short file leaves the rest as it is.
    const qsizetype blockStart = in.position();
    const bool read = [&] {
        if (const auto marker = trailerAt(lines, blockStart))
            return readNamedFonts(lines, blockStart, *marker, r);
        const int fonts = fontCount ? qMax(0, fontCount(m)) : 0;
        return readPositionalFonts(lines, blockStart, fonts, r);
    }();
    if (!read)
        return std::nullopt;
    return r;
}

std::optional<LoadedSettings> parseBytes(const QByteArray &bytes,
                                         const std::function<int(OutputMode)> &fontCount)
{
    const auto lines = TextFile::decodeLines(bytes);
    if (!lines)
        return std::nullopt;
    return parse(*lines, fontCount);
}

} // namespace SettingsFile

void LoadedSettings::applyTo(EffectSettings &s) const
{
    s.outputMode = mode;
    s.sizeEffect = sizeEffect;
    s.capitalisation = capitalisation;
    s.colouring = colouring;
    s.characterPosition = characterPosition;
    s.randomBoldItalic = randomBoldItalic;
    s.alternateSelectedFonts = alternateSelectedFonts;
    s.wavelength = wavelength;
    s.blendLength = blendLength;
    s.randomAlternateColours = randomAlternateColours;
    if (predefinedScheme)
        s.predefinedScheme = *predefinedScheme;
    s.text = text;
    ModeTables::selectSizeItem(s.minimumSize, s.minimumSizeIndex, ModeTables::minSizeItems(mode),
                               minimumSizeIndex);
    ModeTables::selectSizeItem(s.maximumSize, s.maximumSizeIndex, ModeTables::maxSizeItems(mode),
                               maximumSizeIndex);
    s.alternateColours = alternateColours;
    s.blendColours = blendColours;
    if (s.fontSelected.size() != s.fonts.size())
        s.fontSelected = QList<bool>(s.fonts.size(), false);
    if (fontNames) {
        // A name listed twice counts as selected when any of its entries was.
        QHash<QString, bool> stored;
        for (qsizetype i = 0; i < fontNames->size() && i < fontSelection.size(); ++i)
            stored[fontNames->at(i)] = stored.value(fontNames->at(i)) || fontSelection[i];
        for (qsizetype i = 0; i < s.fonts.size(); ++i) {
            const auto hit = stored.constFind(SettingsFile::storedFontName(s.fonts[i]));
            if (hit != stored.cend())
                s.fontSelected[i] = *hit;
        }
    } else {
        for (qsizetype i = 0; i < fontSelection.size() && i < s.fontSelected.size(); ++i)
            s.fontSelected[i] = fontSelection[i];
    }
    // The list holds at most 20 selected fonts; the first ones win.
    int selected = 0;
    for (qsizetype i = 0; i < s.fontSelected.size(); ++i) {
        if (s.fontSelected[i] && ++selected > EffectSettings::kMaxSelectedFonts)
            s.fontSelected[i] = false;
    }
    if (singleColour)
        s.singleColour = *singleColour;
    if (toolTips)
        s.toolTips = *toolTips;
    if (formatWordByWord)
        s.formatWordByWord = *formatWordByWord;
    if (colourWordByWord)
        s.colourWordByWord = *colourWordByWord;
}

WriteResult SettingsFile::save(const QString &folder, const EffectSettings &settings)
{
    return TextFile::writeLines(SettingsFile::path(folder), SettingsFile::lines(settings));
}

bool SettingsFile::saveQuietly(const QString &folder, const EffectSettings &settings)
{
    const WriteResult result = save(folder, settings);
    if (!result.ok)
        qCWarning(lcSettingsFile).noquote()
            << "the settings were not saved to" << path(folder) << "-" << result.error;
    return result.ok;
}

std::optional<LoadedSettings> SettingsFile::load(const QString &folder,
                                                 const std::function<int(OutputMode)> &fontCount,
                                                 bool *tooLong)
{
    const ReadResult read = TextFile::readBounded(SettingsFile::path(folder), kMaxFileBytes);
    if (tooLong)
        *tooLong = read.tooLong;
    if (!read.bytes)
        return std::nullopt;
    auto loaded = SettingsFile::parseBytes(*read.bytes, fontCount);
    if (loaded && loaded->text.size() > EffectSettings::kMaxTextLength) {
        if (tooLong)
            *tooLong = true;
        return std::nullopt;
    }
    return loaded;
}
