// Benchmarks of Glyphmatch's page and Charboard's font fitting (the work behind a Print and
// behind every key release in the font list), and the Unicode equivalents of a symbol font.
#include "fonts/symbolequivalents.h"
#include "logic/fontfitter.h"
#include "logic/glyphpage.h"
#include "logic/keyboardtable.h"
#include "ui/gridfittarget.h"
#include "widgets/fonts/fontglyphnames.h"
#include "widgets/grid/flexgrid.h"

#include <QFontDatabase>

#include <benchmark/benchmark.h>

static void BM_GlyphmatchPage(benchmark::State &state)
{
    GlyphPageInput input;
    input.textFont = QStringLiteral("Verdana");
    input.symbolFont = QStringLiteral("Wingdings");
    input.sizeText = QStringLiteral("24");
    for (int r = 0; r < KeyboardTable::gridRows; ++r) {
        QList<GlyphPageCell> row;
        for (int c = 0; c < KeyboardTable::gridCols; ++c)
            row.append({QString(KeyboardTable::character(c / 3, r)), input.textFont, 544, 555});
        input.rows.append(row);
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(GlyphPage::fileBytes(GlyphPage::html(input)));
}
BENCHMARK(BM_GlyphmatchPage);

static void BM_CharboardFitFont(benchmark::State &state)
{
    FlexGrid grid;
    grid.setRows(14);
    grid.setCols(16);
    grid.setFixedSize(644, 564);
    grid.setFontName(QStringLiteral("DejaVu Sans"));
    GridFitTarget target(grid);
    for (auto _ : state)
        benchmark::DoNotOptimize(FontFitter::fit(target, 14, 16).steps);
}
BENCHMARK(BM_CharboardFitFont);

// Reading the glyph names of the 224 codes from the font file and mapping them; the folders
// are indexed once before, as the program does on its first symbol font.
static void BM_SymbolEquivalents(benchmark::State &state)
{
    const FontGlyphNames::Face face = FontGlyphNames::faceOf(QStringLiteral("D050000L"));
    if (!face.isValid()) {
        state.SkipWithError("D050000L is not installed");
        return;
    }
    for (auto _ : state) {
        const QStringList equivalents =
            SymbolEquivalents::fromGlyphNames(FontGlyphNames::namesByCode(face));
        benchmark::DoNotOptimize(equivalents.size());
    }
}
BENCHMARK(BM_SymbolEquivalents)->Unit(benchmark::kMicrosecond);

// What deciding whether a font is symbol-encoded costs per installed family (the answer is kept
// for the run): its file found, its character maps and glyph names read and weighed.
static void BM_SymbolFontByGlyphNames(benchmark::State &state)
{
    const QStringList families = QFontDatabase::families();
    for (auto _ : state) {
        int symbols = 0;
        for (const QString &family : families) {
            const FontGlyphNames::SymbolClues clues =
                FontGlyphNames::symbolClues(FontGlyphNames::faceOf(family));
            symbols += clues.symbolMap || SymbolEquivalents::namesSaySymbol(clues.names) ? 1 : 0;
        }
        benchmark::DoNotOptimize(symbols);
    }
    state.counters["families"] = double(families.size());
    state.counters["perFamily"] =
        benchmark::Counter(double(families.size()), benchmark::Counter::kIsIterationInvariantRate |
                                                        benchmark::Counter::kInvert);
}
BENCHMARK(BM_SymbolFontByGlyphNames)->Unit(benchmark::kMillisecond);
