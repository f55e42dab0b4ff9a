// The settings file: see settingsfile.h.
#include "settingsfile.h"

#include "modetables.h"
#include "numbers.h"

#include <QDir>
#include <QRegularExpression>

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

class LineReader {
public:
    explicit LineReader(const QStringList &lines) : m_lines(lines) {}
    bool atEnd() const { return m_next >= m_lines.size(); }
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

QStringList lines(const EffectSettings &s)
{
    QStringList out;
    const int mode = s.outputMode == OutputMode::None ? 0 : int(s.outputMode);
    out << numberLine(mode) << numberLine(s.sizes) << numberLine(s.cap) << numberLine(s.oc)
        << numberLine(s.pos) << numberLine(s.checkBI) << numberLine(s.checkAF) << s.textWL
        << s.textBL << numberLine(s.checkRandom) << numberLine(s.comboPC) << kSeparator << s.text
        << kSeparator << numberLine(s.comboSIndex) << numberLine(s.comboBIndex);
    writeLabels(out, s.cl);
    writeLabels(out, s.cb);
    for (qsizetype i = 0; i < s.fonts.size(); ++i)
        out << numberLine(i < s.fontSelected.size() && s.fontSelected[i] ? -1 : 0);
    out << numberLine(s.label1Col) << numberLine(s.mnuTT ? 1 : 0) << numberLine(s.mnuWW ? 1 : 0)
        << numberLine(s.mnuCW ? 1 : 0);
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
    int *targets[4] = {&r.sizes, &r.cap, &r.oc, &r.pos};
    for (int k = 0; k < 4; ++k) {
        const auto l = line();
        if (!l)
            return std::nullopt;
        const auto index = optionIndex(*l, groups[k]);
        if (!index)
            return std::nullopt;
        *targets[k] = *index;
    }
    for (int *check : {&r.checkBI, &r.checkAF}) {
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
    r.textWL = *wl;
    r.textBL = *bl;
    const auto checkRandom = wholeIn(*random, 0, 1);
    if (!checkRandom)
        return std::nullopt;
    r.checkRandom = *checkRandom;
    r.comboPC = wholeIn(*pc, 0, 13);

    if (!line()) // the first separator, whatever it holds
        return std::nullopt;
    QString text;
    for (;;) {
        const auto l = line();
        if (!l)
            return std::nullopt; // no closing separator
        if (*l == kSeparator)
            break;
        text += *l;
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
    r.comboSIndex = *si;
    r.comboBIndex = *bi;

    if (!readLabels(in, r.cl) || !readLabels(in, r.cb))
        return std::nullopt;

    // From the font block on, a short file leaves the rest as it is.
    const int fonts = fontCount ? qMax(0, fontCount(m)) : 0;
    for (int i = 0; i < fonts && !in.atEnd(); ++i) {
        const auto v = truthValue(*line());
        if (!v)
            return std::nullopt;
        r.fontSelection.append(*v);
    }
    if (!in.atEnd()) {
        const auto c = colourLine(*line());
        if (!c)
            return std::nullopt;
        r.label1Col = *c;
    }
    for (std::optional<bool> *menu : {&r.mnuTT, &r.mnuWW, &r.mnuCW}) {
        if (in.atEnd())
            break;
        const auto v = truthValue(*line());
        if (!v)
            return std::nullopt;
        *menu = *v;
    }
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
    s.sizes = sizes;
    s.cap = cap;
    s.oc = oc;
    s.pos = pos;
    s.checkBI = checkBI;
    s.checkAF = checkAF;
    s.textWL = textWL;
    s.textBL = textBL;
    s.checkRandom = checkRandom;
    if (comboPC)
        s.comboPC = *comboPC;
    s.text = text;
    ModeTables::selectSizeItem(s.comboS, s.comboSIndex, ModeTables::minSizeItems(mode),
                               comboSIndex);
    ModeTables::selectSizeItem(s.comboB, s.comboBIndex, ModeTables::maxSizeItems(mode),
                               comboBIndex);
    s.cl = cl;
    s.cb = cb;
    if (s.fontSelected.size() != s.fonts.size())
        s.fontSelected = QList<bool>(s.fonts.size(), false);
    for (qsizetype i = 0; i < fontSelection.size() && i < s.fontSelected.size(); ++i)
        s.fontSelected[i] = fontSelection[i];
    // The list holds at most 20 selected fonts; the first ones win.
    int selected = 0;
    for (qsizetype i = 0; i < s.fontSelected.size(); ++i) {
        if (s.fontSelected[i] && ++selected > EffectSettings::kMaxSelectedFonts)
            s.fontSelected[i] = false;
    }
    if (label1Col)
        s.label1Col = *label1Col;
    if (mnuTT)
        s.mnuTT = *mnuTT;
    if (mnuWW)
        s.mnuWW = *mnuWW;
    if (mnuCW)
        s.mnuCW = *mnuCW;
}

WriteResult SaveSettings(const QString &folder, const EffectSettings &settings)
{
    return TextFile::writeLines(SettingsFile::path(folder), SettingsFile::lines(settings));
}

std::optional<LoadedSettings> GetSettings(const QString &folder,
                                          const std::function<int(OutputMode)> &fontCount)
{
    const auto bytes = TextFile::readAll(SettingsFile::path(folder));
    if (!bytes)
        return std::nullopt;
    return SettingsFile::parseBytes(*bytes, fontCount);
}
