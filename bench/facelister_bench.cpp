// Benchmarks of Facelister: building the preview and the HTML font list for a long list,
// and the start-up of the window, with this machine's fonts and with a generated set of
// thousands of installed fonts.
#include "benchfontset.h"
#include "logic/fontlist.h"
#include "logic/fontlisthtml.h"
#include "logic/previewbuilder.h"
#include "richtext/richdocument.h"
#include "ui/facelisterplatform.h"
#include "ui/facelisterwindow.h"
#include "ui/pleasewaitwindow.h"
#include "ui/previewview.h"
#include "widgets/fonts/qtfontcatalog.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QHash>
#include <QKeyEvent>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>
#include <QWindow>
#include <benchmark/benchmark.h>
#include <cstdio>

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

static void BM_FontListHtml(benchmark::State &state)
{
    RichDocument doc;
    PreviewBuilder::build(doc, syntheticFontNames(int(state.range(0))), 22, true);
    const QString address = QStringLiteral("https://example.org/download");
    for (auto _ : state)
        benchmark::DoNotOptimize(FontListHtml::pageBytes(doc, address));
}
BENCHMARK(BM_FontListHtml)->Arg(3000)->Unit(benchmark::kMillisecond);

// Start-up of the real window with this machine's fonts, until the first preview is built.
// Argument 0 runs the build at once; 1 waits for m_refreshTimer as the program does, so it
// includes the timer's delay that lets the windows paint first.
static void BM_FacelisterStartup(benchmark::State &state)
{
    const bool realTimer = state.range(0) != 0;
    for (auto _ : state) {
        FacelisterPlatform real;
        FacelisterWindow window(real.services());
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

// Notes when the preview first paints with text in it: its first screenful is on screen.
class FirstPaint : public QObject {
public:
    FirstPaint(const QElapsedTimer &clock, PreviewView *preview)
        : m_clock(clock), m_preview(preview)
    {
        preview->viewport()->installEventFilter(this);
    }
    qint64 elapsed() const { return m_elapsed; }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && m_elapsed < 0 && m_preview->length() > 0)
            m_elapsed = m_clock.elapsed();
        return false;
    }

private:
    const QElapsedTimer &m_clock;
    PreviewView *m_preview;
    qint64 m_elapsed = -1;
};

// The longest time the bar in the please-wait window stood still during the build.
class BarStillness : public QObject {
public:
    BarStillness(const QElapsedTimer &clock, QWidget *bar) : m_clock(clock), m_last(clock.elapsed())
    {
        bar->installEventFilter(this);
    }
    qint64 longestAt(qint64 end) const { return std::max(m_longest, end - m_last); }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Resize) {
            const qint64 now = m_clock.elapsed();
            m_longest = std::max(m_longest, now - m_last);
            m_last = now;
        }
        return false;
    }

private:
    const QElapsedTimer &m_clock;
    qint64 m_last;
    qint64 m_longest = 0;
};

// The resident memory of this process, in kilobytes.
long residentKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    }
    return 0;
}

struct Paging {
    qint64 totalMs = 0;
    int pages = 0;
};

// Pages through the whole preview as the user would, with Page Down, painting each screen.
Paging pageThrough(PreviewView *preview)
{
    QElapsedTimer clock;
    clock.start();
    Paging paging;
    preview->setFocus();
    const int last = preview->lineCount() - 1;
    while (preview->currentLine() < last) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_PageDown, Qt::NoModifier);
        QCoreApplication::sendEvent(preview, &press);
        preview->viewport()->repaint();
        ++paging.pages;
    }
    paging.totalMs = clock.elapsed();
    return paging;
}

// The start-up of a program that sees the generated fonts: from the font catalog's first
// look at the installed fonts until the window is usable, its first screen of the preview
// drawn, which is when the build ends and the window has painted. Run in a process of its
// own (see below); prints the time to that point and to the preview's first paint, the font
// count, the longest the bar stood still, then the time to page through the whole preview,
// the pages, and the resident memory before and after paging (kilobytes).
int runFacelisterStartupChild()
{
    QElapsedTimer clock;
    clock.start();
    FacelisterPlatform real;
    FacelisterWindow window(real.services());
    FirstPaint firstPaint(clock, window.preview());
    window.show();
    window.Form_Load();
    BarStillness still(clock, window.waitWindow()->findChild<QWidget *>(QStringLiteral("ShapePB")));
    window.TimerRefresh_Timer();
    const qint64 built = clock.elapsed();
    // The window paints once the platform says it is on screen, which comes as an event.
    while (!window.windowHandle()->isExposed() && clock.elapsed() < built + 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    // The splitter lays the preview out again after the build showed it, as an event.
    QCoreApplication::processEvents();
    window.repaint();
    const qint64 total = clock.elapsed();
    const long before = residentKb();
    const Paging paging = pageThrough(window.preview());
    const long after = residentKb();
    std::printf("%lld %lld %d %lld %lld %d %ld %ld\n", static_cast<long long>(total),
                static_cast<long long>(firstPaint.elapsed()), real.fonts.count(),
                static_cast<long long>(still.longestAt(built)),
                static_cast<long long>(paging.totalMs), paging.pages, before, after);
    return 0;
}

namespace {

// One start-up in a process of its own that sees `fonts` generated fonts; the fields it
// printed, or none when it failed.
QList<double> runStartupChild(int fonts)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("FONTCONFIG_FILE"), BenchFontSet::shared()->configFor(fonts));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    QProcess child;
    child.setProcessEnvironment(environment);
    child.start(QCoreApplication::applicationFilePath(),
                {QStringLiteral("--facelister-startup-child")});
    if (!child.waitForFinished(600000) || child.exitCode() != 0)
        return {};
    QList<double> fields;
    for (const QByteArray &field : child.readAllStandardOutput().trimmed().split(' '))
        fields.append(field.toDouble());
    return fields.size() == 8 ? fields : QList<double>{};
}

// Whether the generated set exists and one untimed start-up has filled its fontconfig cache,
// as fc-cache would have done on a real machine; otherwise the case is skipped with the reason.
bool startupChildIsReady(benchmark::State &state, int fonts)
{
    if (!BenchFontSet::shared()) {
        state.SkipWithError(BenchFontSet::error().toStdString().c_str());
        return false;
    }
    if (runStartupChild(fonts).isEmpty()) {
        state.SkipWithError("the start-up process failed");
        return false;
    }
    return true;
}

} // namespace

// Qt reads the installed fonts once per process, so every run starts a process of its own
// with FONTCONFIG_FILE pointing at the generated set.
static void BM_FacelisterStartupFonts(benchmark::State &state)
{
    const int fonts = int(state.range(0));
    if (!startupChildIsReady(state, fonts))
        return;
    QList<double> fields;
    double longestStill = 0;
    for (auto _ : state) {
        fields = runStartupChild(fonts);
        if (fields.isEmpty()) {
            state.SkipWithError("the start-up process failed");
            return;
        }
        longestStill = std::max(longestStill, fields.at(3));
        state.SetIterationTime(fields.at(0) / 1000.0);
    }
    state.counters["fonts"] = fields.at(2);
    // Milliseconds until the preview first painted its first screen (the last run).
    state.counters["first_screen_ms"] = fields.at(1);
    // The longest the please-wait window's bar stood still during a build (any run).
    state.counters["longest_still_ms"] = longestStill;
}
BENCHMARK(BM_FacelisterStartupFonts)
    ->Arg(500)
    ->Arg(2000)
    ->Arg(5000)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

// Paging through the whole preview with Page Down after start-up, each screen painted: the
// time is the mean per screen; the counters give the screens and how much the resident
// memory grew meanwhile.
static void BM_FacelisterPageDown(benchmark::State &state)
{
    const int fonts = int(state.range(0));
    if (!startupChildIsReady(state, fonts))
        return;
    QList<double> fields;
    double growth = 0;
    for (auto _ : state) {
        fields = runStartupChild(fonts);
        if (fields.isEmpty() || fields.at(5) <= 0) {
            state.SkipWithError("the paging process failed");
            return;
        }
        growth = std::max(growth, (fields.at(7) - fields.at(6)) / 1024.0);
        state.SetIterationTime(fields.at(4) / fields.at(5) / 1000.0);
    }
    state.counters["fonts"] = fields.at(2);
    state.counters["pages"] = fields.at(5);
    // Megabytes the resident memory grew while paging through all of it (largest of the runs).
    state.counters["rss_growth_mb"] = growth;
}
BENCHMARK(BM_FacelisterPageDown)
    ->Arg(5000)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);
