// The rich-text component's speed: RTF writing and reading, formatting one character at a
// time, and loading the editor widget. Every character differs from its neighbours in
// face (14 faces), size, colour, bold, italic and offset: the formatter's worst case.
#include "richtext/richdocument.h"
#include "widgets/richtext/richtextedit.h"

#include <benchmark/benchmark.h>

namespace {

const QStringList kFaces{"DejaVu Sans",
                         "DejaVu Serif",
                         "DejaVu Sans Mono",
                         "Liberation Sans",
                         "Liberation Serif",
                         "Liberation Mono",
                         "Nimbus Sans",
                         "Nimbus Roman",
                         "C059",
                         "P052",
                         "URW Bookman",
                         "URW Gothic",
                         "Z003",
                         "Standard Symbols PS"};

CharFormat formatOf(int i)
{
    CharFormat f;
    f.face = kFaces[i % 14];
    f.size = 8 + (i % 5) * 2.5;
    f.colour = qint32((quint32(i) * 2654435761u) & 0xFFFFFF) ^ (i & 1);
    f.bold = i % 2 == 0;
    f.italic = i % 2 == 1;
    f.offset = (i % 3 - 1) * 40;
    return f;
}

QChar characterOf(int i)
{
    static const QString letters = QStringLiteral("abcdefghij klmnopqrstuvwxyz{}\\\u00e9\u4e2d");
    return letters[i % letters.size()];
}

RichRuns mixedRuns(int n)
{
    RichRuns runs;
    runs.reserve(n);
    for (int i = 0; i < n; ++i)
        runs.append(RichRun{QString(characterOf(i)), formatOf(i)});
    return runs;
}

void BM_RtfWrite(benchmark::State &state)
{
    RichDocument doc;
    doc.setRuns(mixedRuns(int(state.range(0))));
    for (auto _ : state)
        benchmark::DoNotOptimize(doc.rtf());
}
BENCHMARK(BM_RtfWrite)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_RtfRead(benchmark::State &state)
{
    RichDocument source;
    source.setRuns(mixedRuns(int(state.range(0))));
    const QByteArray rtf = source.rtf();
    RichDocument doc;
    for (auto _ : state) {
        doc.setRtf(rtf);
        benchmark::DoNotOptimize(doc.length());
    }
}
BENCHMARK(BM_RtfRead)->Arg(100000)->Unit(benchmark::kMillisecond);

// Cyrillic text as older word processors write it: every letter a \'hh escape in the
// document's code page, words of seven letters, a paragraph every 80 characters.
void BM_RtfReadCodePage(benchmark::State &state)
{
    const int n = int(state.range(0));
    QByteArray rtf = "{\\rtf1\\ansi\\ansicpg1251\\deff0{\\fonttbl{\\f0\\fnil\\fcharset0 "
                     "Arial;}}\\pard\\plain\\f0\\fs24 ";
    static const char hex[] = "0123456789abcdef";
    for (int i = 0; i < n; ++i) {
        if (i % 80 == 79) {
            rtf += "\\par ";
        } else if (i % 8 == 7) {
            rtf += ' ';
        } else {
            const int byte = 0xC0 + (i * 7) % 64;
            rtf += "\\'";
            rtf += hex[byte >> 4];
            rtf += hex[byte & 15];
        }
    }
    rtf += "\\par }";
    RichDocument doc;
    for (auto _ : state) {
        doc.setRtf(rtf);
        benchmark::DoNotOptimize(doc.length());
    }
}
BENCHMARK(BM_RtfReadCodePage)->Arg(100000)->Unit(benchmark::kMillisecond);

template <typename Box> void formatEveryCharacter(Box &box, int n)
{
    for (int i = 0; i < n; ++i) {
        const CharFormat f = formatOf(i);
        box.select(i, 1);
        box.setSelFontName(f.face);
        box.setSelFontSize(f.size);
        box.setSelCharOffset(f.offset);
        box.setSelBold(f.bold);
        box.setSelItalic(f.italic);
        box.setSelColour(f.colour);
    }
}

void BM_SelectionFormat(benchmark::State &state)
{
    const int n = int(state.range(0));
    QString text;
    for (int i = 0; i < n; ++i)
        text += characterOf(i);
    RichDocument doc;
    for (auto _ : state) {
        doc.setText(text);
        formatEveryCharacter(doc, n);
    }
}
BENCHMARK(BM_SelectionFormat)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_EditorLoad(benchmark::State &state)
{
    RichDocument source;
    source.setRuns(mixedRuns(int(state.range(0))));
    const QByteArray rtf = source.rtf();
    RichTextEdit edit;
    edit.resize(800, 600);
    edit.show();
    for (auto _ : state) {
        edit.setRtf(rtf);
        edit.ensureLayout();
    }
}
BENCHMARK(BM_EditorLoad)->Arg(20000)->Unit(benchmark::kMillisecond);

// The window's size steps: one character at a time in the hidden editor.
void BM_EditorSelectionFormat(benchmark::State &state)
{
    const int n = int(state.range(0));
    QString text;
    for (int i = 0; i < n; ++i)
        text += characterOf(i);
    RichTextEdit edit;
    edit.resize(800, 600);
    for (auto _ : state) {
        edit.setText(text);
        formatEveryCharacter(edit, n);
        edit.ensureLayout();
    }
}
BENCHMARK(BM_EditorSelectionFormat)->Arg(20000)->Unit(benchmark::kMillisecond);

} // namespace
