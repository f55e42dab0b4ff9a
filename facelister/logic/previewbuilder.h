// Facelister's preview: the title "Fonts", an empty line, and every list entry on its own
// line in its own face, followed by the user's sample text when there is one, and with a
// bold and an italic sample when samples are on. A symbol font's name cannot be read in
// its own face: its line starts with the name in the box's default face, and the font
// shows its glyphs in the sample (the user's, or "ABC abc 123") that follows.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>

class ProgressState;
class RichTextBox;

class PreviewBuilder {
public:
    static constexpr int kMinSize = 8;
    static constexpr int kMaxSize = 48;
    static constexpr int kSuffixLength = 15;
    // The largest size at which the bold and italic samples may be shown.
    static constexpr int kMaxSampleSize = 22;

    struct Size {
        QString text; // the size text as the combo box should show it
        int points = kMinSize;
    };

    // The size text brought into 8 to 48: a fractional value becomes its whole part, a
    // text without a number reads as 0 and so becomes "8".
    static Size normaliseSize(const QString &text);
    // Whole part of the value at the start of the text, as the sample rule reads it.
    static int sampleRuleSize(const QString &text);

    // " - Bold, Italic", or "   BOLD  ITALIC" for an entry written all in capitals.
    static QString suffixFor(const QString &entry);

    static constexpr QStringView kSampleSeparator = u": ";
    static constexpr QStringView kSymbolSample = u"ABC abc 123";

    struct Options {
        int size = 22;
        bool samples = true; // the bold and italic samples
        QString sampleText;  // written after each name; empty for none
        // Which entries are symbol fonts; none when not given.
        std::function<bool(const QString &entry)> isSymbolFont;
    };

    // One entry's line: where it starts, how many characters at its start stay in the
    // default face (a symbol font's name), and its length without the line break.
    struct Line {
        int start = 0;
        int plainLength = 0;
        int length = 0;
    };
    // The plain text of the preview and where each entry's line lies in it.
    struct Layout {
        QString text;
        QList<Line> lines;
    };
    static Layout layout(const QStringList &entries, const Options &options);

    // Replaces the box's content with the formatted preview and collapses the selection
    // to the start. The progress goes up by 1 per entry while the text is assembled, by 3
    // per entry while it is formatted and by 4 more with samples; status is told when
    // formatting begins.
    static Layout build(RichTextBox &box, const QStringList &entries, const Options &options,
                        ProgressState *progress = nullptr,
                        const std::function<void(const QString &)> &status = {});
    static Layout build(RichTextBox &box, const QStringList &entries, int size, bool samples,
                        ProgressState *progress = nullptr,
                        const std::function<void(const QString &)> &status = {});
    // The same, telling `advance` each number of steps instead of raising a bar itself.
    static Layout build(RichTextBox &box, const QStringList &entries, const Options &options,
                        const std::function<void(int steps)> &advance,
                        const std::function<void(const QString &)> &status = {});
    // The steps that a build reports in all.
    static int progressSteps(qsizetype entries, bool samples);
};
