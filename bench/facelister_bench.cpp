// Benchmarks of Facelister: building the preview and the HTML font list for a long list.
#include "fontlisthtml.h"
#include "previewbuilder.h"
#include "richdocument.h"

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

static void BM_FontListHtml(benchmark::State &state)
{
    RichDocument doc;
    PreviewBuilder::build(doc, syntheticFontNames(int(state.range(0))), 22, true);
    const QString address = QStringLiteral("https://example.org/download");
    for (auto _ : state)
        benchmark::DoNotOptimize(FontListHtml::pageBytes(doc, address));
}
BENCHMARK(BM_FontListHtml)->Arg(3000)->Unit(benchmark::kMillisecond);
