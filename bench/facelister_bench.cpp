// Benchmarks of Facelister: building the preview and the HTML font list for a long list,
// and the start-up of the window.
#include "facelisterwindow.h"
#include "filelocations.h"
#include "fontlisthtml.h"
#include "previewbuilder.h"
#include "qtbusypointer.h"
#include "qtclipboard.h"
#include "qtfontcatalog.h"
#include "qtmessageservice.h"
#include "qtsavefiledialog.h"
#include "qtshell.h"
#include "richdocument.h"
#include "richtextedit.h"

#include <QCoreApplication>

#include <QStringList>
#include <benchmark/benchmark.h>

namespace {

// Names shaped like real families: a few words, some of them repeated prefixes of others,
// every tenth in capitals as a caps-only entry would be.
QStringList syntheticFontNames(int count)
{
    static const char *const words[] = {"Sans",    "Serif", "Mono", "Condensed",
                                        "Display", "Text",  "Book", "Pro"};
    QStringList names;
    names.reserve(count);
    for (int i = 0; i < count; ++i) {
        QString name =
            QStringLiteral("Family %1 %2 %3")
                .arg(i, 4, 10, QLatin1Char('0'))
                .arg(QString::fromLatin1(words[i % 8]), QString::fromLatin1(words[(i / 8) % 8]));
        names.append(i % 10 == 0 ? name.toUpper() : name);
    }
    return names;
}

} // namespace

static void BM_FontPreview(benchmark::State &state)
{
    const QStringList names = syntheticFontNames(int(state.range(0)));
    for (auto _ : state) {
        RichDocument doc;
        PreviewBuilder::build(doc, names, 22, true);
        benchmark::DoNotOptimize(doc.length());
    }
}
BENCHMARK(BM_FontPreview)->Arg(3000)->Unit(benchmark::kMillisecond);

// The same preview built in the on-screen editor the window uses, laid out at the end.
static void BM_FontPreviewEditor(benchmark::State &state)
{
    const QStringList names = syntheticFontNames(int(state.range(0)));
    for (auto _ : state) {
        RichTextEdit edit;
        PreviewBuilder::build(edit, names, 22, true);
        edit.ensureLayout();
        benchmark::DoNotOptimize(edit.length());
    }
}
BENCHMARK(BM_FontPreviewEditor)->Arg(3000)->Unit(benchmark::kMillisecond);

static void BM_FontListHtml(benchmark::State &state)
{
    RichDocument doc;
    PreviewBuilder::build(doc, syntheticFontNames(int(state.range(0))), 22, true);
    const QString address = QStringLiteral("https://example.org/download");
    for (auto _ : state)
        benchmark::DoNotOptimize(FontListHtml::pageBytes(doc, address));
}
BENCHMARK(BM_FontListHtml)->Arg(3000)->Unit(benchmark::kMillisecond);

// The HTML font list read from the on-screen editor, as the print command reads it.
static void BM_FontListHtmlEditor(benchmark::State &state)
{
    RichTextEdit edit;
    PreviewBuilder::build(edit, syntheticFontNames(int(state.range(0))), 22, true);
    const QString address = QStringLiteral("https://example.org/download");
    for (auto _ : state)
        benchmark::DoNotOptimize(FontListHtml::pageBytes(edit, address));
}
BENCHMARK(BM_FontListHtmlEditor)->Arg(3000)->Unit(benchmark::kMillisecond);

// Start-up of the real window with this machine's fonts, until the first preview is built.
// Argument 0 runs the build at once; 1 waits for m_refreshTimer as the program does, so it
// includes the timer's delay that lets the windows paint first.
static void BM_FacelisterStartup(benchmark::State &state)
{
    const bool realTimer = state.range(0) != 0;
    for (auto _ : state) {
        QtFontCatalog fonts;
        QtClipboard clipboard;
        QtMessageService messages;
        QtShell shell;
        QtBusyPointer busy;
        SystemFileLocations files;
        QtSaveFileDialog saveDialog;
        FacelisterWindow window({fonts, clipboard, messages, shell, busy, files, saveDialog});
        window.show();
        window.Form_Load();
        if (realTimer) {
            while (window.buildCount() == 0)
                QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
        } else {
            window.TimerRefresh_Timer();
        }
        benchmark::DoNotOptimize(window.fontList().count());
    }
}
BENCHMARK(BM_FacelisterStartup)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(5);
