// Benchmarks of the common library's hot helpers.
#include "core/progressstate.h"
#include "encoding/cp1252.h"

#include <QString>
#include <benchmark/benchmark.h>

static void BM_ProgressSteps(benchmark::State &state)
{
    const int n = int(state.range(0));
    for (auto _ : state) {
        ProgressState progress;
        progress.setMax(n);
        for (int i = 1; i <= n; ++i)
            progress.setValue(i);
        benchmark::DoNotOptimize(progress.redrawCount());
    }
}
BENCHMARK(BM_ProgressSteps)->Arg(100000);

static void BM_Cp1252Encode(benchmark::State &state)
{
    const QString text = QString(QStringLiteral("Caf\u00e9 \u20ac ")).repeated(state.range(0) / 7);
    for (auto _ : state)
        benchmark::DoNotOptimize(Cp1252::encode(text));
}
BENCHMARK(BM_Cp1252Encode)->Arg(100000);
