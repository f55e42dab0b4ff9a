// Facelister's preview: see previewbuilder.h.
#include "logic/previewbuilder.h"

#include "core/numbers.h"
#include "core/progressstate.h"
#include "richtext/richtextbox.h"

#include <QCoreApplication>

#include <limits>

namespace {

const QString kTitle = QStringLiteral("Fonts");
const QString kLineBreak = QStringLiteral("\r\n");
constexpr int kBodyStart = 9; // after "Fonts", CR LF, CR LF

} // namespace

PreviewBuilder::Size PreviewBuilder::normaliseSize(const QString &text)
{
    // Each step reads the text afresh, as the combo box would be read after each change.
    QString current = text;
    double value = Numbers::val(current);
    if (value != Numbers::intPart(value))
        current = Numbers::text(Numbers::intPart(value));
    if (Numbers::val(current) < kMinSize)
        current = QString::number(kMinSize);
    if (Numbers::val(current) > kMaxSize)
        current = QString::number(kMaxSize);
    value = Numbers::val(current);
    return {current, int(qBound<double>(kMinSize, value, kMaxSize))};
}

int PreviewBuilder::sampleRuleSize(const QString &text)
{
    return Numbers::clampToInt32(Numbers::intPart(Numbers::val(text)));
}

QString PreviewBuilder::suffixFor(const QString &entry)
{
    return entry == entry.toUpper() ? QStringLiteral("   BOLD  ITALIC")
                                    : QStringLiteral(" - Bold, Italic");
}

PreviewBuilder::Layout PreviewBuilder::layout(const QStringList &entries, const Options &options)
{
    // A line break or tab in the sample would split or stretch every line.
    QString sample = options.sampleText;
    for (QChar &c : sample) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            c = u' ';
    }
    const QString textTail = sample.isEmpty() ? QString() : kSampleSeparator.toString() + sample;
    const QString symbolTail =
        kSampleSeparator.toString() + (sample.isEmpty() ? kSymbolSample.toString() : sample);

    Layout result;
    result.text = kTitle + kLineBreak + kLineBreak;
    result.lines.reserve(entries.size());
    for (const QString &entry : entries) {
        Line line;
        line.start = int(result.text.size());
        result.text += entry;
        if (options.isSymbolFont && options.isSymbolFont(entry)) {
            line.plainLength = int(entry.size() + kSampleSeparator.size());
            result.text += symbolTail;
        } else {
            result.text += textTail;
        }
        if (options.samples)
            result.text += suffixFor(entry);
        line.length = int(result.text.size()) - line.start;
        result.text += kLineBreak;
        result.lines.append(line);
    }
    return result;
}

PreviewBuilder::Layout PreviewBuilder::build(RichTextBox &box, const QStringList &entries, int size,
                                             bool samples, ProgressState *progress,
                                             const std::function<void(const QString &)> &status)
{
    Options options;
    options.size = size;
    options.samples = samples;
    return build(box, entries, options, progress, status);
}

int PreviewBuilder::progressSteps(qsizetype entries, bool samples)
{
    return int(qMin<qsizetype>(entries * (samples ? 8 : 4), std::numeric_limits<int>::max()));
}

PreviewBuilder::Layout PreviewBuilder::build(RichTextBox &box, const QStringList &entries,
                                             const Options &options, ProgressState *progress,
                                             const std::function<void(const QString &)> &status)
{
    auto advance = [progress](int steps) {
        if (progress)
            progress->setValue(double(progress->value()) + steps);
    };
    return build(box, entries, options, advance, status);
}

PreviewBuilder::Layout PreviewBuilder::build(RichTextBox &box, const QStringList &entries,
                                             const Options &options,
                                             const std::function<void(int steps)> &report,
                                             const std::function<void(const QString &)> &status)
{
    auto advance = [&report](int steps) {
        if (report)
            report(steps);
    };
    const int size = options.size;
    box.setBaseFontSize(size);
    const Layout lines = layout(entries, options);
    // One step per entry, as each line is added: the bar's 25-twip redraw rule sees every
    // step, so it is drawn where a line-by-line assembly would draw it.
    for (qsizetype i = 0; i < entries.size(); ++i)
        advance(1);
    box.setText(lines.text);
    if (status)
        status(QCoreApplication::translate("PreviewBuilder", "Formatting preview..."));

    box.select(0, int(kTitle.size()));
    box.setSelBold(true);
    box.setSelFontName(QStringLiteral("Arial"));
    box.setSelFontSize(Numbers::intPart(1.35 * size));
    box.select(7, 2);
    box.setSelFontSize(Numbers::intPart(0.5 * size));
    box.select(kBodyStart, int(lines.text.size()) - kBodyStart);
    box.setSelFontSize(size);
    box.setSelBold(false);

    // Each line is formatted where it was placed, never found by searching the text: a
    // name that also occurs earlier (inside a longer name, the title or a suffix) would
    // otherwise format the earlier place and leave its own line in the default face.
    for (qsizetype i = 0; i < entries.size(); ++i) {
        const QString &entry = entries.at(i);
        const Line &line = lines.lines.at(i);
        advance(3);
        box.select(line.start + line.plainLength, line.length - line.plainLength);
        if (!entry.isEmpty())
            box.setSelFontName(entry);
        if (options.samples) {
            advance(4);
            const int end = line.start + line.length;
            box.select(end - 12, 5);
            box.setSelBold(true);
            box.select(end - 6, 6);
            box.setSelItalic(true);
        }
    }
    box.select(0, 0);
    return lines;
}
