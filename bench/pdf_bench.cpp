// Benchmark of the PDF export: Glintwork's result of a long text, every character in its own
// installed face, size and colour, paginated and written as a PDF file.
#include "benchrefresh.h"
#include "core/progressstate.h"
#include "core/randomsource.h"
#include "effects/formatter.h"
#include "effects/recentcolours.h"
#include "richtext/richdocument.h"
#include "widgets/fonts/qtfontcatalog.h"
#include "widgets/platform/qtprintservice.h"

#include <QDir>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

RichRuns glintworkResult(qsizetype n)
{
    EffectSettings s;
    // Installed faces, so that the file embeds real fonts.
    s.setFonts({QStringLiteral("DejaVu Sans"), QStringLiteral("DejaVu Serif"),
                QStringLiteral("Liberation Sans"), QStringLiteral("Liberation Serif"),
                QStringLiteral("Liberation Mono"), QStringLiteral("Nimbus Roman"),
                QStringLiteral("Nimbus Sans"), QStringLiteral("C059")});
    s.fontSelected.fill(true);
    s.text = benchProse(n);
    RandomSource random(7);
    RecentColours recent;
    ProgressState progress;
    NullRefreshHost host;
    Formatter formatter(random, recent, progress);
    RichDocument box;
    formatter.refresh(s, OutputMode::Normal, box, host);
    return box.runs();
}

} // namespace

static void BM_PdfExport(benchmark::State &state)
{
    const PrintJob job{QStringLiteral("Glintwork"), glintworkResult(state.range(0)), {}};
    QTemporaryDir dir;
    const QString path = QDir(dir.path()).filePath(QStringLiteral("result.pdf"));
    // As the program does: the catalog answers fontconfig's per-font question by file.
    const QtFontCatalog catalog;
    QtPrintService printer;
    for (auto _ : state) {
        if (!printer.writePdf(job, path).ok)
            state.SkipWithError("the PDF file could not be written");
    }
}
BENCHMARK(BM_PdfExport)->Arg(20000)->Unit(benchmark::kMillisecond);
