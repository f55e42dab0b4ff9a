// Benchmarks of Charboard beyond the designed page: a font of tens of thousands of characters
// shown whole (from the choice to a drawn first screen), one further screen while scrolling,
// and the search by name (one keystroke, and building the index of names once).
#include "benchservices.h"
#include "files/filelocations.h"
#include "fonts/fontcatalog.h"
#include "logic/charactersearch.h"
#include "logic/nameindex.h"
#include "ui/charboardwindow.h"
#include "widgets/grid/flexgrid.h"

#include <QComboBox>
#include <QImage>
#include <QScrollBar>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

class OneFont : public FontCatalog {
public:
    explicit OneFont(QString name) : m_name(std::move(name)) {}
    int count() const override { return 1; }
    QString name(int index) const override { return index == 0 ? m_name : QString(); }

private:
    QString m_name;
};

class TemporaryLocations : public FileLocations {
public:
    QString programFolder() const override { return m_folder.path(); }
    QString userCacheFolder() const override { return m_folder.path(); }
    QString userConfigFolder() const override { return m_folder.path(); }

private:
    QTemporaryDir m_folder;
};

// Charboard on one font, started as the program starts it.
struct Board {
    explicit Board(const QString &font)
        : fonts(font), window({fonts, clipboard, shell, busy, locations})
    {
        window.resize(1100, 800);
        window.show();
        window.Form_Load();
        grid = window.findChild<FlexGrid *>(QStringLiteral("Grid"));
        choices = window.findChild<QComboBox *>(QStringLiteral("ComboChars"));
    }
    void choose(const QString &label)
    {
        choices->setCurrentIndex(choices->findText(label));
        window.ComboChars_Click();
    }
    // Paints what the grid shows now, as a repaint of the screen would.
    void draw()
    {
        QImage image(grid->viewport()->size(), QImage::Format_ARGB32_Premultiplied);
        grid->viewport()->render(&image);
        benchmark::DoNotOptimize(image.constBits());
    }

    OneFont fonts;
    NullClipboard clipboard;
    NullShell shell;
    NullBusy busy;
    TemporaryLocations locations;
    CharboardWindow window;
    FlexGrid *grid = nullptr;
    QComboBox *choices = nullptr;
};

} // namespace

static void BM_CharboardWholeFont(benchmark::State &state)
{
    Board board(QStringLiteral("Unifont"));
    if (board.choices->findText(QStringLiteral("All characters in this font")) < 0) {
        state.SkipWithError("Unifont is not installed");
        return;
    }
    for (auto _ : state) {
        state.PauseTiming();
        board.choose(QStringLiteral("Windows-1252 (32\u2013255)"));
        state.ResumeTiming();
        board.choose(QStringLiteral("All characters in this font"));
        board.draw();
    }
    state.counters["characters"] = double(board.grid->rows() * board.grid->cols());
}
BENCHMARK(BM_CharboardWholeFont)->Unit(benchmark::kMillisecond);

static void BM_CharboardPage(benchmark::State &state)
{
    Board board(QStringLiteral("Unifont"));
    if (board.choices->findText(QStringLiteral("All characters in this font")) < 0) {
        state.SkipWithError("Unifont is not installed");
        return;
    }
    board.choose(QStringLiteral("All characters in this font"));
    board.draw();
    QScrollBar *bar = board.grid->verticalScrollBar();
    // Scrolling is by rows: one screen is the 14 rows the grid shows.
    const int screen = 14;
    for (auto _ : state) {
        const int next = bar->value() + screen;
        bar->setValue(next > bar->maximum() ? 0 : next);
        board.draw();
    }
}
BENCHMARK(BM_CharboardPage)->Unit(benchmark::kMillisecond);

static void BM_CharacterNameSearch(benchmark::State &state)
{
    const NameIndex &index = NameIndex::shared();
    const QString query = QStringLiteral("right arrow");
    qsizetype found = 0;
    for (auto _ : state) {
        found = CharacterSearch::find(query, index).size();
        benchmark::DoNotOptimize(found);
    }
    state.counters["names"] = double(index.size());
    state.counters["found"] = double(found);
}
BENCHMARK(BM_CharacterNameSearch)->Unit(benchmark::kMillisecond);

static void BM_CharacterNameIndex(benchmark::State &state)
{
    qsizetype bytes = 0;
    for (auto _ : state) {
        const NameIndex index;
        bytes = index.memoryBytes();
        benchmark::DoNotOptimize(bytes);
    }
    state.counters["MB"] = double(bytes) / (1024 * 1024);
}
BENCHMARK(BM_CharacterNameIndex)->Unit(benchmark::kMillisecond);
