// Benchmarks through the real Glintwork window (offscreen): the Refresh, where the engine
// formats on the in-memory document and the window shows the result once, and the start-up.
#include "benchservices.h"
#include "core/randomsource.h"
#include "files/filelocations.h"
#include "files/textfile.h"
#include "fonts/fontcatalog.h"
#include "platform/messageservice.h"
#include "richtext/richtextbox.h"
#include "settings/settingsfile.h"
#include "ui/glintworkwindow.h"

#include <QCoreApplication>
#include <QListWidget>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

// Services that answer at once: every warning is accepted, nothing is shown.
class BenchFonts : public FontCatalog {
public:
    int count() const override { return int(m_names.size()); }
    QString name(int index) const override { return m_names.value(index); }

private:
    QStringList m_names = {
        QStringLiteral("C059"),
        QStringLiteral("DejaVu Sans"),
        QStringLiteral("DejaVu Sans Mono"),
        QStringLiteral("DejaVu Serif"),
        QStringLiteral("Liberation Mono"),
        QStringLiteral("Liberation Sans"),
        QStringLiteral("Liberation Serif"),
        QStringLiteral("Nimbus Mono PS"),
        QStringLiteral("Nimbus Roman"),
        QStringLiteral("Nimbus Sans"),
        QStringLiteral("Nimbus Sans Narrow"),
        QStringLiteral("P052"),
        QStringLiteral("URW Bookman"),
        QStringLiteral("URW Gothic"),
        QStringLiteral("Z003"),
    };
};

class BenchMessages : public MessageService {
public:
    Answer message(const QString &, const QString &, Buttons buttons, Icon) override
    {
        return buttons == Buttons::YesNo ? Answer::Yes : Answer::Ok;
    }
    std::optional<QString> input(const QString &, const QString &, const QString &d) override
    {
        return d;
    }
    void beep() override {}
};

class BenchFolders : public FileLocations {
public:
    QString programFolder() const override { return m_dir.path(); }
    QString userCacheFolder() const override { return m_dir.path(); }
    QString userConfigFolder() const override { return m_dir.path(); }

private:
    QTemporaryDir m_dir;
};

// Ordinary prose with a line break after every sentence or so.
QString prose(qsizetype n)
{
    static const QString kLine = QStringLiteral(
        "The quick brown fox jumps over the lazy dog, and then it rests in the warm sun.\r\n");
    QString text;
    while (text.size() < n)
        text += kLine;
    text.truncate(n);
    // Never end between CR and LF.
    if (text.endsWith(QLatin1Char('\r')))
        text.chop(1);
    return text;
}

// The fakes a benchmark's window runs with, random numbers from a fixed seed.
struct BenchWorld {
    BenchFonts fonts;
    BenchMessages messages;
    NullClipboard clipboard;
    NullShell shell;
    NullBusy busy;
    BenchFolders folders;
    RandomSource random{1234};

    GlintworkServices services()
    {
        return {&fonts, &messages, &clipboard, &shell, &busy, &folders, nullptr, &random};
    }
};

} // namespace

static void BM_WindowRefresh(benchmark::State &state)
{
    BenchWorld world;
    GlintworkWindow window(world.services());
    window.show();
    window.Form_Load();
    // Character mode, Random sizes, positions and colours, bold/italic: the defaults,
    // with 14 fonts selected.
    auto *list = window.findChild<QListWidget *>(QStringLiteral("ListFonts"));
    for (int i = 0; i < 14 && list && i < list->count(); ++i)
        list->item(i)->setSelected(true);
    window.setInputText(prose(state.range(0)));
    for (auto _ : state) {
        window.cmdP_Click();
        benchmark::DoNotOptimize(window.output().text().size());
    }
    state.counters["chars"] = double(window.output().text().size());
}
BENCHMARK(BM_WindowRefresh)->Arg(1512)->Arg(20000)->Unit(benchmark::kMillisecond);

// Start-up with a settings file whose text is one line of n characters without a blank:
// the window is built, loads the file and draws once.
static void BM_LoadSettingsLongLine(benchmark::State &state)
{
    BenchWorld world;
    const GlintworkServices services = world.services();
    const QString file = SettingsFile::path(world.folders.configFolder());
    {
        GlintworkWindow first(services);
        first.Form_Load(); // the reset writes the defaults
    }
    QStringList lines = TextFile::readLines(file).value_or(QStringList());
    const qsizetype textLine = lines.indexOf(SettingsFile::kSeparator) + 1;
    if (textLine <= 0) {
        state.SkipWithError("no settings file");
        return;
    }
    lines[textLine] = QString(state.range(0), u'x');
    if (!TextFile::writeLines(file, lines).ok) {
        state.SkipWithError("the settings file could not be written");
        return;
    }
    for (auto _ : state) {
        GlintworkWindow window(services);
        window.show();
        window.Form_Load();
        QCoreApplication::processEvents();
        benchmark::DoNotOptimize(window.inputText().size());
    }
}
BENCHMARK(BM_LoadSettingsLongLine)->Arg(131072)->Arg(1000000)->Unit(benchmark::kMillisecond);
