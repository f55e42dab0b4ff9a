// Benchmarks of Glintwork's Refresh and HTML writer on the in-memory document.
#include "benchrefresh.h"
#include "core/progressstate.h"
#include "core/randomsource.h"
#include "effects/formatter.h"
#include "effects/htmlwriter.h"
#include "effects/recentcolours.h"
#include "richtext/richdocument.h"
#include "widgets/fonts/qtfontcatalog.h"

#include <benchmark/benchmark.h>

namespace {

EffectSettings benchSettings(qsizetype n)
{
    EffectSettings s;
    QStringList fonts;
    for (int i = 0; i < 14; ++i)
        fonts << QStringLiteral("Font Family %1").arg(i);
    s.setFonts(fonts);
    s.fontSelected.fill(true);
    s.text = benchProse(n);
    s.sizeEffect = EffectSettings::SizeRandom;
    s.characterPosition = EffectSettings::PositionRandom;
    s.colouring = EffectSettings::ColourRandom;
    s.randomBoldItalic = 1;
    return s;
}

} // namespace

static void BM_Refresh(benchmark::State &state)
{
    const qsizetype n = state.range(0);
    RandomSource random(7);
    RecentColours recent;
    ProgressState progress;
    NullRefreshHost host;
    Formatter formatter(random, recent, progress);
    for (auto _ : state) {
        EffectSettings s = benchSettings(n);
        RichDocument box;
        benchmark::DoNotOptimize(formatter.refresh(s, OutputMode::Normal, box, host));
    }
}
BENCHMARK(BM_Refresh)->Arg(1512)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

namespace {

// Latin with combining marks, Arabic, Devanagari, Japanese and emoji sequences.
QString mixedScripts(qsizetype n)
{
    static const QString kLine = QString::fromUcs4(
        U"Cafe\u0301 re\u0301sume\u0301 \u0645\u0631\u062D\u0628\u0627 \u0628\u0627\u0644"
        U"\u0639\u0627\u0644\u0645 \u0928\u092E\u0938\u094D\u0924\u0947 \u0926\u0941"
        U"\u0928\u093F\u092F\u093E \u3053\u3093\u306B\u3061\u306F\u4E16\u754C "
        U"\U0001F468\u200D\U0001F469\u200D\U0001F467 \U0001F389 \U0001F1EF\U0001F1F5\r\n");
    QString text;
    while (text.size() < n)
        text += kLine;
    text.truncate(n);
    // A cut through a surrogate pair would leave half a character.
    if (!text.isEmpty() && text.back().isHighSurrogate())
        text.chop(1);
    return text;
}

} // namespace

// Every installed font selected; the catalog keeps its coverage answers for the run, as
// the program's does, so one Refresh before the timing loads the character maps.
static void BM_RefreshMixedScripts(benchmark::State &state)
{
    const QtFontCatalog catalog;
    RandomSource random(7);
    RecentColours recent;
    ProgressState progress;
    NullRefreshHost host;
    Formatter formatter(random, recent, progress);
    formatter.setSymbolFonts(catalog.symbolFontNames());
    formatter.setFontCatalog(&catalog);
    EffectSettings settings = benchSettings(0);
    settings.setFonts(catalog.names());
    settings.fontSelected.fill(true);
    settings.text = mixedScripts(state.range(0));
    {
        EffectSettings s = settings;
        RichDocument box;
        formatter.refresh(s, OutputMode::Normal, box, host);
    }
    for (auto _ : state) {
        EffectSettings s = settings;
        RichDocument box;
        benchmark::DoNotOptimize(formatter.refresh(s, OutputMode::Normal, box, host));
    }
}
BENCHMARK(BM_RefreshMixedScripts)->Arg(20000)->Unit(benchmark::kMillisecond);

static void BM_HtmlBody(benchmark::State &state)
{
    const qsizetype n = state.range(0);
    RandomSource random(7);
    RecentColours recent;
    ProgressState progress;
    NullRefreshHost host;
    Formatter formatter(random, recent, progress);
    EffectSettings s = benchSettings(n);
    RichDocument box;
    formatter.refresh(s, OutputMode::Normal, box, host);
    for (auto _ : state)
        benchmark::DoNotOptimize(HtmlWriter::body(box, &progress));
}
BENCHMARK(BM_HtmlBody)->Arg(100000)->Unit(benchmark::kMillisecond);

static void BM_NewColour(benchmark::State &state)
{
    RandomSource random(7);
    RecentColours recent;
    for (auto _ : state) {
        for (int i = 0; i < state.range(0); ++i)
            benchmark::DoNotOptimize(recent.NewColour(true, true, random));
    }
}
BENCHMARK(BM_NewColour)->Arg(100000)->Unit(benchmark::kMillisecond);
