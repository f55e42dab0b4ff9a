// Benchmarks of Facelister: building the preview and the HTML font list for a long list,
// and the start-up of the window.
#include "facelisterwindow.h"
#include "filelocations.h"
#include "fontlist.h"
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
#include <QHash>

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

// 40 characters, Latin and Cyrillic.
const QString kSample = QStringLiteral("Quick brown fox Съешь же ещё этих мягких");

class SpreadCatalog : public FontCatalog {
public:
    explicit SpreadCatalog(QStringList names) : m_names(std::move(names))
    {
        for (int i = 0; i < m_names.size(); ++i)
            m_index.insert(m_names.at(i).toCaseFolded(), i);
    }
    int count() const override { return int(m_names.size()); }
    QString name(int index) const override { return m_names.value(index); }
    bool hasGlyphsFor(const QString &family, const QList<char32_t> &characters) const override
    {
        const int installed = m_index.value(family.toCaseFolded()) % qMax(1, m_installed.count());
        return m_installed.hasGlyphsFor(m_installed.name(installed), characters);
    }

private:
    QStringList m_names;
    QHash<QString, int> m_index;
    QtFontCatalog m_installed;
};

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

// The preview with a sample of the user's after every name, every fiftieth line a symbol
// font's.
static void BM_FontPreviewSample(benchmark::State &state)
{
    const QStringList names = syntheticFontNames(int(state.range(0)));
    PreviewBuilder::Options options;
    options.sampleText = kSample;
    options.isSymbolFont = [](const QString &entry) { return entry.endsWith(QLatin1String("0")); };
    for (auto _ : state) {
        RichDocument doc;
        PreviewBuilder::build(doc, names, options);
        benchmark::DoNotOptimize(doc.length());
    }
}
BENCHMARK(BM_FontPreviewSample)->Arg(3000)->Unit(benchmark::kMillisecond);

// The filter for fonts with every character of a 40-character sample, once every font's
// answers are cached. The machine has a few dozen fonts: each of the synthetic names
// answers with the character map of one installed font, in turn.
static void BM_GlyphCoverage(benchmark::State &state)
{
    SpreadCatalog catalog(syntheticFontNames(int(state.range(0))));
    FontList list;
    list.build(catalog, true, true);
    list.setRequiredText(catalog, kSample); // the first run, which loads the fonts
    for (auto _ : state) {
        list.setRequiredText(catalog, QString());
        list.setRequiredText(catalog, kSample);
        benchmark::DoNotOptimize(list.count());
    }
    state.counters["listed"] = list.count();
}
BENCHMARK(BM_GlyphCoverage)->Arg(3000)->Unit(benchmark::kMillisecond);

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
