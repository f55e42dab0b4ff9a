// Benchmarks of Glintwork's Refresh and HTML writer on the in-memory document.
#include "formatter.h"
#include "htmlwriter.h"
#include "progressstate.h"
#include "randomsource.h"
#include "recentcolours.h"
#include "richdocument.h"

#include <benchmark/benchmark.h>

namespace {

// Does nothing the window would do; the document is the working box.
class NullRefreshHost : public RefreshHost {
public:
    bool confirmWarning(const QString &) override { return true; }
    void setBusy(bool) override {}
    void showFontList(bool) override {}
    void enableRefresh(bool) override {}
    void showOutput(bool) override {}
    bool outputShowsFirstToolTip() const override { return false; }
    void setOutputToolTip(const QString &) override {}
    void selectFont(int) override {}
    void clearFontSelection() override {}
    void outputReady(const RichDocument &) override {}
};

QString prose(qsizetype n)
{
    static const QString kLine = QStringLiteral(
        "The quick brown fox jumps over the lazy dog, and then it rests a while.\r\n");
    QString text;
    text.reserve(n + kLine.size());
    while (text.size() < n)
        text += kLine;
    text.truncate(n);
    return text;
}

EffectSettings benchSettings(qsizetype n)
{
    EffectSettings s;
    QStringList fonts;
    for (int i = 0; i < 14; ++i)
        fonts << QStringLiteral("Font Family %1").arg(i);
    s.setFonts(fonts);
    s.fontSelected.fill(true);
    s.text = prose(n);
    s.sizes = EffectSettings::SizesRandom;
    s.pos = EffectSettings::PosRandom;
    s.oc = EffectSettings::OCRandom;
    s.checkBI = 1;
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
