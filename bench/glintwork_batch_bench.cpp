// Benchmark of Glintwork's batch run: settings file in, RTF file out, without the process
// start (the fonts come from a fixed list rather than the platform).
#include "batch/batchrun.h"
#include "fonts/fontcatalog.h"
#include "settings/effectsettings.h"
#include "settings/settingsfile.h"

#include <QDir>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

class ListedFonts : public FontCatalog {
public:
    explicit ListedFonts(QStringList names) : m_names(std::move(names)) {}
    int count() const override { return int(m_names.size()); }
    QString name(int index) const override { return m_names.value(index); }

private:
    QStringList m_names;
};

QByteArray proseBytes(qsizetype n)
{
    static const QByteArray kLine(
        "The quick brown fox jumps over the lazy dog, and then it rests a while.\r\n");
    QByteArray text;
    while (text.size() < n)
        text += kLine;
    text.truncate(n);
    return text;
}

} // namespace

static void BM_BatchRefresh(benchmark::State &state)
{
    QTemporaryDir dir;
    QStringList names;
    for (int i = 0; i < 14; ++i)
        names << QStringLiteral("Font Family %1").arg(i);
    ListedFonts fonts(names);
    EffectSettings s; // the defaults: random sizes, colours, positions, bold and italic
    s.setFonts(names);
    s.fontSelected.fill(true);
    if (!SettingsFile::save(dir.path(), s).ok) {
        state.SkipWithError("the settings file could not be written");
        return;
    }
    const BatchJob job{SettingsFile::path(dir.path()),
                       proseBytes(state.range(0)),
                       QDir(dir.path()).filePath(QStringLiteral("out.rtf")),
                       7,
                       {},
                       {}};
    const BatchRun batch(fonts);
    for (auto _ : state) {
        const BatchResult result = batch.run(job);
        if (!result.ok())
            state.SkipWithError(result.error.toStdString().c_str());
    }
}
BENCHMARK(BM_BatchRefresh)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
