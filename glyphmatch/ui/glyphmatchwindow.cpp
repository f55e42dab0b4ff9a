// The main window of Glyphmatch: see glyphmatchwindow.h.
#include "ui/glyphmatchwindow.h"

#include "core/buildinfo.h"
#include "core/helppage.h"
#include "core/numbers.h"
#include "core/publisher.h"
#include "encoding/cp1252.h"
#include "files/filelocations.h"
#include "fonts/fontcatalog.h"
#include "fonts/sortednames.h"
#include "fonts/symbolequivalents.h"
#include "logic/glyphpage.h"
#include "logic/keyboardtable.h"
#include "platform/busypointer.h"
#include "platform/messageservice.h"
#include "platform/pendingevents.h"
#include "platform/printcommands.h"
#include "platform/printpageflow.h"
#include "platform/printservice.h"
#include "platform/richcopy.h"
#include "platform/shellservice.h"
#include "widgets/controls/defaultbutton.h"
#include "widgets/controls/named.h"
#include "widgets/fonts/symbolfont.h"
#include "widgets/grid/flexgrid.h"
#include "widgets/richtext/twips.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace {

// Room beside the widest glyph in a character column.
constexpr int cellPaddingPixels = 2;

// Wingdings when installed, else the first installed symbol font, else the first font: two
// columns in the same text font would compare nothing.
QString startingSymbolFont(const QStringList &sortedNames, const QStringList &symbolFonts)
{
    if (sortedNames.contains(QStringLiteral("Wingdings")))
        return QStringLiteral("Wingdings");
    for (const QString &name : sortedNames) {
        if (symbolFonts.contains(name))
            return name;
    }
    return sortedNames.value(0);
}

void selectEntry(QListWidget *list, const QString &name)
{
    const auto found = list->findItems(name, Qt::MatchFixedString | Qt::MatchCaseSensitive);
    if (!found.isEmpty())
        list->setCurrentItem(found.first());
}

} // namespace

GlyphmatchWindow::GlyphmatchWindow(const GlyphmatchServices &services, QWidget *parent)
    : QMainWindow(parent), m_services(services)
{
    setObjectName(QStringLiteral("FormIF"));
    setWindowTitle(QStringLiteral("Glyphmatch"));
    setupControls();
    setUpAccessibility();
    setupMenus();
    setupConnections();
}

void GlyphmatchWindow::setupMenus()
{
    QMenu *file = menuBar()->addMenu(tr("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    QAction *preview = file->addAction(tr("Print Pre&view..."));
    preview->setObjectName(QStringLiteral("mnuPreview"));
    QAction *pdf = file->addAction(tr("&Export as PDF..."));
    pdf->setObjectName(QStringLiteral("mnuPdf"));
    for (QAction *action : {preview, pdf})
        action->setEnabled(m_services.printer != nullptr);
    connect(preview, &QAction::triggered, this, [this] { mnuPreview_Click(); });
    connect(pdf, &QAction::triggered, this, [this] { mnuPdf_Click(); });
}

void GlyphmatchWindow::setupControls()
{
    auto *central = new QWidget(this);
    setCentralWidget(central);

    m_textFontLabel = named(new QLabel(tr("&Compare"), central), "Label1");
    m_textFontBox = named(new QComboBox(central), "FC");
    m_textFontLabel->setBuddy(m_textFontBox);
    m_textFontBox->setToolTip(tr("Select a font"));
    m_textFontBox->setMinimumContentsLength(24);
    // A very long family name is elided in the box instead of widening the window.
    m_textFontBox->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_symbolFontLabel = named(new QLabel(tr("Compare &with:"), central), "Label2");
    m_symbolFontList = named(new QListWidget(central), "FL");
    m_symbolFontLabel->setBuddy(m_symbolFontList);
    m_symbolFontList->setToolTip(tr("Select a font"));
    m_symbolFontList->setMinimumWidth(220);
    m_symbolFontList->setMaximumHeight(110);
    m_sizeLabel = named(new QLabel(tr("&Size:"), central), "Label3");
    m_sizeBox = named(new QComboBox(central), "ComboSize");
    m_sizeLabel->setBuddy(m_sizeBox);
    m_sizeBox->setEditable(true);
    m_sizeBox->setInsertPolicy(QComboBox::NoInsert);
    m_sizeBox->addItems({QStringLiteral("10"), QStringLiteral("12"), QStringLiteral("14"),
                         QStringLiteral("16"), QStringLiteral("18"), QStringLiteral("20"),
                         QStringLiteral("24"), QStringLiteral("28"), QStringLiteral("32"),
                         QStringLiteral("36")});
    m_sizeBox->setEditText(QStringLiteral("24"));
    m_sizeBox->setToolTip(tr("Select a font size"));

    m_refreshButton = named(new QPushButton(tr("&Refresh"), central), "CommandGo");
    m_refreshButton->setToolTip(tr("Refresh the preview (below) using the fonts you have chosen."));
    m_refreshButton->setDefault(true);
    m_printButton = named(new QPushButton(tr("&Print"), central), "CommandPrint");
    m_printButton->setToolTip(tr("Print these fonts"));
    m_helpButton = named(new QPushButton(tr("&Help"), central), "CommandHelp");
    m_helpButton->setToolTip(tr("Online Help"));
    for (QPushButton *button : {m_refreshButton, m_printButton, m_helpButton})
        button->setAutoDefault(true);

    m_table = named(new FlexGrid(central), "Grid");
    m_table->setSelectionMode(QAbstractItemView::NoSelection);
    m_table->setRows(KeyboardTable::gridRows);
    m_table->setCols(KeyboardTable::gridCols);
    m_table->hide();

    auto *controls = new QGridLayout;
    controls->addWidget(m_textFontLabel, 0, 0);
    controls->addWidget(m_textFontBox, 0, 1);
    controls->addWidget(m_sizeLabel, 0, 2, Qt::AlignRight);
    controls->addWidget(m_sizeBox, 0, 3);
    controls->addWidget(m_symbolFontLabel, 1, 0, Qt::AlignTop);
    controls->addWidget(m_symbolFontList, 1, 1, 3, 1);
    auto *buttons = new QVBoxLayout;
    buttons->addWidget(m_refreshButton);
    buttons->addWidget(m_printButton);
    buttons->addWidget(m_helpButton);
    buttons->addStretch();
    controls->addLayout(buttons, 0, 4, 4, 1);
    controls->setColumnStretch(5, 1);

    auto *layout = new QVBoxLayout(central);
    layout->addLayout(controls);
    // The grid is as large as its cells (smaller only with scroll bars): no empty cell area
    // below or beside the table in a large window.
    layout->addWidget(m_table, 1, Qt::AlignLeft | Qt::AlignTop);
}

void GlyphmatchWindow::setUpAccessibility()
{
    m_textFontLabel->setBuddy(m_textFontBox);
    m_symbolFontLabel->setBuddy(m_symbolFontList);
    m_sizeLabel->setBuddy(m_sizeBox);
    // A list's name is its own, whatever labels it.
    m_symbolFontList->setAccessibleName(m_symbolFontLabel->text());
    m_table->setAccessibleName(tr("Characters"));
    // Tab reads the rows as shown: the text font and the size, the symbol fonts, the buttons.
    setTabOrder(m_textFontBox, m_sizeBox);
    setTabOrder(m_sizeBox, m_symbolFontList);
    setTabOrder(m_symbolFontList, m_refreshButton);
    setTabOrder(m_refreshButton, m_printButton);
    setTabOrder(m_printButton, m_helpButton);
    setTabOrder(m_helpButton, m_table);
    // Copy on a symbol copies its equivalent, as a double-click does (Enter stays Refresh).
    auto *copy = new QAction(m_table);
    copy->setShortcut(QKeySequence::Copy);
    copy->setShortcutContext(Qt::WidgetShortcut);
    m_table->addAction(copy);
    connect(copy, &QAction::triggered, this,
            [this] { Grid_DblClick(m_table->row(), m_table->col()); });
}

void GlyphmatchWindow::setupConnections()
{
    connect(m_refreshButton, &QPushButton::clicked, this, [this] { CommandGo_Click(); });
    connect(m_printButton, &QPushButton::clicked, this, [this] { CommandPrint_Click(); });
    connect(m_helpButton, &QPushButton::clicked, this, [this] { CommandHelp_Click(); });
    connect(m_table, &QAbstractItemView::doubleClicked, this,
            [this](const QModelIndex &index) { Grid_DblClick(index.row(), index.column()); });
}

void GlyphmatchWindow::Form_Load()
{
    m_textFontBox->hide();
    m_symbolFontList->hide();
    m_table->hide();
    setEnabled(false);
    show();
    m_services.busy.setBusy(true);
    processPendingEvents();

    const QStringList names = SortedNames::sorted(m_services.fonts.names());
    {
        const QSignalBlocker blockTextFonts(m_textFontBox);
        const QSignalBlocker blockSymbolFonts(m_symbolFontList);
        m_textFontBox->clear();
        m_symbolFontList->clear();
        m_textFontBox->addItems(names);
        m_symbolFontList->addItems(names);
        m_symbolFontList->show();
        m_textFontBox->show();
        m_textFontBox->setCurrentIndex(names.isEmpty() ? -1 : 0);
        if (!names.isEmpty())
            m_symbolFontList->setCurrentRow(0);
        const int arial = m_textFontBox->findText(QStringLiteral("Arial"),
                                                  Qt::MatchFixedString | Qt::MatchCaseSensitive);
        if (arial >= 0)
            m_textFontBox->setCurrentIndex(arial);
        selectEntry(m_symbolFontList,
                    startingSymbolFont(names, m_services.fonts.symbolFontNames()));
    }

    RefreshCells();
    m_services.busy.setBusy(false);
    setEnabled(true);
}

QString GlyphmatchWindow::textFontName() const
{
    return m_textFontBox->currentText();
}

QString GlyphmatchWindow::symbolFontName() const
{
    const QListWidgetItem *item = m_symbolFontList->currentItem();
    return item ? item->text() : QString();
}

void GlyphmatchWindow::RefreshCells()
{
    m_services.busy.setBusy(true);
    m_sizeBox->setEditText(KeyboardTable::normaliseSizeText(m_sizeBox->currentText()));
    const double size = Numbers::val(m_sizeBox->currentText());

    m_table->setFontSize(size);
    m_table->hide();
    if (!textFontName().isEmpty())
        m_table->setFontName(textFontName());
    const QString symbolFont = symbolFontName();
    const int columnWidth = characterColumnWidth(size);
    m_equivalents = SymbolFont::equivalents(symbolFont);
    const QStringList &equivalents = m_equivalents;
    for (int g = 0; g < KeyboardTable::groups; ++g) {
        const int text = 3 * g;
        const int symbol = text + 1;
        const int spacer = text + 2;
        m_table->setColWidth(text, columnWidth);
        m_table->setColWidth(symbol, columnWidth);
        m_table->setColCentred(text);
        m_table->setColCentred(symbol);
        if (g < KeyboardTable::groups - 1) {
            m_table->setColWidth(spacer, KeyboardTable::spacerWidth);
            m_table->setColCentred(spacer);
        }
        for (int r = 0; r < KeyboardTable::rowsPerGroup; ++r) {
            const QString c(KeyboardTable::character(g, r));
            m_table->setText(r, text, c);
            m_table->setText(r, symbol, c);
            m_table->grid().setCellFace(r, symbol, symbolFont);
            m_table->grid().setCellToolTip(r, symbol, symbolCellTitle(c.at(0), equivalents));
        }
    }
    m_table->updateGeometry();
    m_table->show();
    fitToScreen();
    m_services.busy.setBusy(false);
}

int GlyphmatchWindow::characterColumnWidth(double size) const
{
    // The written width, or more where the widest glyph of either font would be clipped.
    const QString characters = KeyboardTable::sequence();
    QFont text = m_table->gridFont();
    QFont symbol = text;
    symbol.setFamilies({symbolFontName()});
    const qreal widest = std::max(SymbolFont::widestGlyph(text, characters),
                                  SymbolFont::widestGlyph(symbol, characters));
    const int fitted = Twips::fromPixels(std::ceil(widest) + 2 * cellPaddingPixels, this);
    return std::max(KeyboardTable::characterColumnWidth(size), fitted);
}

QString GlyphmatchWindow::symbolCellTitle(QChar character, const QStringList &equivalents) const
{
    if (!SymbolFont::hasGlyph(symbolFontName(), character))
        return tr("not in this font");
    const auto code = Cp1252::fromUnicode(character);
    return SymbolEquivalents::caption(code ? equivalents.value(*code) : QString());
}

void GlyphmatchWindow::fitToScreen()
{
    // Until the user sizes the window it follows the table; it never reaches past the
    // screen's free area, frame included, and the grid scrolls in what room there is.
    if (QLayout *layout = centralWidget()->layout())
        layout->activate();
    const bool userSized = m_fittedSize.isValid() && size() != m_fittedSize;
    const QScreen *shown = screen();
    QSize wanted = userSized ? size() : sizeHint();
    QRect area;
    QSize frame;
    if (shown) {
        area = shown->availableGeometry();
        frame = frameGeometry().size() - size();
        wanted = wanted.boundedTo(area.size() - frame).expandedTo(minimumSizeHint());
    }
    if (wanted != size())
        resize(wanted);
    // The size asked for: the window system may apply it only later.
    if (!userSized)
        m_fittedSize = wanted;
    if (!shown)
        return;
    // Then the whole frame within the area, moved up or left only as far as needed.
    const QRect placed(frameGeometry().topLeft(), wanted + frame);
    const int x = std::max(area.left(), std::min(placed.left(), area.right() - placed.width() + 1));
    const int y = std::max(area.top(), std::min(placed.top(), area.bottom() - placed.height() + 1));
    if (x != placed.left() || y != placed.top())
        move(x, y);
}

void GlyphmatchWindow::CommandGo_Click()
{
    RefreshCells();
}

QString GlyphmatchWindow::pagePath() const
{
    const QString folder = m_services.locations.dataFolder();
    if (folder.isEmpty())
        return {};
    return QDir(folder).filePath(QLatin1StringView(GlyphPage::fileName));
}

void GlyphmatchWindow::CommandPrint_Click()
{
    CommandGo_Click();
    PrintPageFlow::Page page;
    page.what = PrintPageFlow::What::KeyboardTable;
    page.title = tr("Print keyboard table");
    page.programName = QStringLiteral("Glyphmatch");
    page.fileName = QLatin1StringView(GlyphPage::fileName);
    page.bytes = [this] { return GlyphPage::fileBytes(GlyphPage::html(pageInput())); };
    page.workingFolder = [this](const QString &folder) {
        return GlyphPage::workingFolder(m_services.locations.programFolder(), folder);
    };
    PrintPageFlow(m_services.messages, m_services.shell, m_services.busy)
        .run(page, m_services.locations.dataFolder());
}

GlyphPageInput GlyphmatchWindow::pageInput()
{
    GlyphPageInput input;
    input.textFont = textFontName();
    input.symbolFont = symbolFontName();
    input.sizeText = m_sizeBox->currentText();
    input.downloadAddress = Publisher::downloadAddress();
    input.twipsPerPixelX = Twips::perPixel(this);
    input.twipsPerPixelY = Twips::perPixel(this);
    m_table->hide();
    const FlexGridModel &grid = m_table->grid();
    // The page keeps its written column widths; the screen's may be wider for wide glyphs.
    const int pageColumnWidth =
        KeyboardTable::characterColumnWidth(Numbers::val(m_sizeBox->currentText()));
    for (int r = 0; r < grid.rows(); ++r) {
        QList<GlyphPageCell> row;
        for (int c = 0; c < grid.cols(); ++c) {
            const QString face = grid.cellFace(r, c);
            const int width = c % 3 == 2 ? KeyboardTable::spacerWidth : pageColumnWidth;
            row.append({grid.text(r, c), face.isEmpty() ? input.textFont : face, width,
                        m_table->rowHeight(r), grid.cellToolTip(r, c)});
        }
        input.rows.append(row);
    }
    m_table->show();
    return input;
}

PrintJob GlyphmatchWindow::printJob()
{
    // The table of the last Refresh, as the printed page has it.
    const GlyphPageInput input = pageInput();
    return {KeyboardTable::pageTitle(input.textFont, input.symbolFont), {}, GlyphPage::html(input)};
}

void GlyphmatchWindow::mnuPreview_Click()
{
    if (!m_services.printer)
        return;
    PrintCommands(*m_services.printer, m_services.messages, windowTitle()).preview([this] {
        return printJob();
    });
}

void GlyphmatchWindow::mnuPdf_Click()
{
    if (!m_services.printer)
        return;
    PrintCommands(*m_services.printer, m_services.messages, windowTitle())
        .exportPdf([this] { return printJob(); }, QStringLiteral("Glyphmatch.pdf"));
}

void GlyphmatchWindow::Grid_DblClick(int row, int col)
{
    if (!m_services.clipboard || col % 3 != 1)
        return;
    const QString text = m_table->grid().text(row, col);
    const auto code = text.size() == 1 ? Cp1252::fromUnicode(text.at(0)) : std::nullopt;
    const QString equivalent = code ? m_equivalents.value(*code) : QString();
    if (equivalent.isEmpty() || !SymbolFont::hasGlyph(symbolFontName(), text.at(0))) {
        m_services.messages.beep();
        return;
    }
    // The equivalent is a Unicode character: it goes in the text font, not the symbol font.
    CharFormat format;
    format.face = textFontName();
    format.size = Numbers::val(m_sizeBox->currentText());
    RichCopy::put(*m_services.clipboard, {{equivalent, format}});
}

void GlyphmatchWindow::CommandHelp_Click()
{
    m_services.shell.openAddress(HelpPage::address(BuildInfo::kGlyphmatchHelpUrl,
                                                   m_services.locations.programFolder(),
                                                   QStringLiteral("glyphmatch.html")));
}

void GlyphmatchWindow::keyPressEvent(QKeyEvent *event)
{
    if (DefaultButton::pressOnEnter(event, m_refreshButton))
        return;
    QMainWindow::keyPressEvent(event);
}
