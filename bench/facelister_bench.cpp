// Benchmarks of Facelister: building the preview and the HTML font list for a long list,
// and the start-up of the window, with this machine's fonts and with a generated set of
// thousands of installed fonts.
#include "benchfontset.h"
#include "facelisterplatform.h"
#include "facelisterwindow.h"
#include "fontlist.h"
#include "fontlisthtml.h"
#include "pleasewaitwindow.h"
#include "previewbuilder.h"
#include "qtfontcatalog.h"
#include "richdocument.h"
#include "richtextedit.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QHash>
#include <QProcess>
#include <QProcessEnvironment>
#include <QScrollBar>
#include <QStringList>
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
    FirstPaint(const QElapsedTimer &clock, RichTextEdit *preview)
        : m_clock(clock), m_preview(preview)
    {
        preview->viewport()->installEventFilter(this);
    }
    qint64 elapsed() const { return m_elapsed; }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && m_elapsed < 0 &&
            m_preview->document()->characterCount() > 1)
            m_elapsed = m_clock.elapsed();
        return false;
    }

private:
    const QElapsedTimer &m_clock;
    RichTextEdit *m_preview;
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

// Pages through the whole preview as the user would, painting each screen; milliseconds.
qint64 scrollThrough(RichTextEdit *preview)
{
    QElapsedTimer clock;
    clock.start();
    QScrollBar *bar = preview->verticalScrollBar();
    for (int position = 0; position <= bar->maximum(); position += bar->pageStep()) {
        bar->setValue(position);
        preview->viewport()->repaint();
    }
    return clock.elapsed();
}

// The start-up of a program that sees the generated fonts: as in BM_FacelisterStartup/0,
// from the font catalog's first look at the installed fonts until the whole preview is in
// the box and laid out, which is when the build ends; the preview's first paint with text
// is noted on the way. Run in a process of its own (see below); prints the time to the end
// and to the first paint, the font count, the longest the bar stood still and the time to
// page through the finished preview, in milliseconds.
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
    window.preview()->ensureLayout();
    window.repaint();
    const qint64 total = clock.elapsed();
    std::printf("%lld %lld %d %lld %lld\n", static_cast<long long>(total),
                static_cast<long long>(firstPaint.elapsed()), real.fonts.count(),
                static_cast<long long>(still.longestAt(built)),
                static_cast<long long>(scrollThrough(window.preview())));
    return 0;
}

// Qt reads the installed fonts once per process, so every run starts a process of its own
// with FONTCONFIG_FILE pointing at the generated set; the first run, not timed, fills the
// set's fontconfig cache as fc-cache would have done on a real machine.
static void BM_FacelisterStartupFonts(benchmark::State &state)
{
    BenchFontSet *set = BenchFontSet::shared();
    if (!set) {
        state.SkipWithError(BenchFontSet::error().toStdString().c_str());
        return;
    }
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("FONTCONFIG_FILE"), set->configFor(int(state.range(0))));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    int fontCount = 0;
    double firstScreen = 0;
    double longestStill = 0;
    double scroll = 0;
    auto runChild = [&environment, &fontCount, &firstScreen, &longestStill, &scroll]() -> double {
        QProcess child;
        child.setProcessEnvironment(environment);
        child.start(QCoreApplication::applicationFilePath(),
                    {QStringLiteral("--facelister-startup-child")});
        if (!child.waitForFinished(600000) || child.exitCode() != 0)
            return -1;
        const QList<QByteArray> fields = child.readAllStandardOutput().trimmed().split(' ');
        firstScreen = fields.value(1).toDouble();
        fontCount = fields.value(2).toInt();
        longestStill = std::max(longestStill, fields.value(3).toDouble());
        scroll = fields.value(4).toDouble();
        return fields.value(0).toDouble() / 1000.0;
    };
    if (runChild() < 0) {
        state.SkipWithError("the start-up process failed");
        return;
    }
    longestStill = 0;
    for (auto _ : state) {
        const double seconds = runChild();
        if (seconds < 0) {
            state.SkipWithError("the start-up process failed");
            return;
        }
        state.SetIterationTime(seconds);
    }
    state.counters["fonts"] = fontCount;
    // Milliseconds until the first screenful of the preview was shown (the last run).
    state.counters["first_screen_ms"] = firstScreen;
    // The longest the please-wait window's bar stood still during a build (any run).
    state.counters["longest_still_ms"] = longestStill;
    // Paging through the whole preview afterwards, screen by screen (the last run; not
    // part of the time).
    state.counters["scroll_through_ms"] = scroll;
}
BENCHMARK(BM_FacelisterStartupFonts)
    ->Arg(500)
    ->Arg(2000)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);
