// The main window of Glyphmatch: see glyphmatchwindow.h.
#include "glyphmatchwindow.h"

#include "buildinfo.h"
#include "busypointer.h"
#include "cp1252.h"
#include "defaultbutton.h"
#include "filelocations.h"
#include "flexgrid.h"
#include "fontcatalog.h"
#include "glyphpage.h"
#include "helppage.h"
#include "keyboardtable.h"
#include "messageservice.h"
#include "named.h"
#include "numbers.h"
#include "pendingevents.h"
#include "publisher.h"
#include "shellservice.h"
#include "sortednames.h"
#include "symbolequivalents.h"
#include "symbolfont.h"
#include "textfile.h"
#include "twips.h"

#include <QComboBox>
#include <QDir>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace {

// Room beside the widest glyph in a character column.
constexpr int cellPaddingPixels = 2;

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
    setupConnections();
}

void GlyphmatchWindow::setupControls()
{
    auto *central = new QWidget(this);
    setCentralWidget(central);

    m_textFontLabel = named(new QLabel(QStringLiteral("Compare"), central), "Label1");
    m_textFontBox = named(new QComboBox(central), "FC");
    m_textFontBox->setToolTip(QStringLiteral("Select a font"));
    m_textFontBox->setMinimumContentsLength(24);
    m_symbolFontLabel = named(new QLabel(QStringLiteral("Compare with:"), central), "Label2");
    m_symbolFontList = named(new QListWidget(central), "FL");
    m_symbolFontList->setToolTip(QStringLiteral("Select a font"));
    m_symbolFontList->setMinimumWidth(220);
    m_symbolFontList->setMaximumHeight(110);
    m_sizeLabel = named(new QLabel(QStringLiteral("Size:"), central), "Label3");
    m_sizeBox = named(new QComboBox(central), "ComboSize");
    m_sizeBox->setEditable(true);
    m_sizeBox->setInsertPolicy(QComboBox::NoInsert);
    m_sizeBox->addItems({QStringLiteral("10"), QStringLiteral("12"), QStringLiteral("14"),
                         QStringLiteral("16"), QStringLiteral("18"), QStringLiteral("20"),
                         QStringLiteral("24"), QStringLiteral("28"), QStringLiteral("32"),
                         QStringLiteral("36")});
    m_sizeBox->setEditText(QStringLiteral("24"));
    m_sizeBox->setToolTip(QStringLiteral("Select a font size"));

    m_refreshButton = named(new QPushButton(QStringLiteral("Refresh"), central), "CommandGo");
    m_refreshButton->setToolTip(
        QStringLiteral("Refresh the preview (below) using the fonts you have chosen."));
    m_refreshButton->setDefault(true);
    m_printButton = named(new QPushButton(QStringLiteral("Print"), central), "CommandPrint");
    m_printButton->setToolTip(QStringLiteral("Print these fonts"));
    m_helpButton = named(new QPushButton(QStringLiteral("Help"), central), "CommandHelp");
    m_helpButton->setToolTip(QStringLiteral("Online Help"));
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

void GlyphmatchWindow::setupConnections()
{
    connect(m_refreshButton, &QPushButton::clicked, this, [this] { CommandGo_Click(); });
    connect(m_printButton, &QPushButton::clicked, this, [this] { CommandPrint_Click(); });
    connect(m_helpButton, &QPushButton::clicked, this, [this] { CommandHelp_Click(); });
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
        selectEntry(m_symbolFontList, QStringLiteral("Wingdings"));
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
    const QStringList equivalents = SymbolFont::equivalents(symbolFont);
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
    growToShowTheGrid();
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
        return QStringLiteral("not in this font");
    const auto code = Cp1252::fromUnicode(character);
    return SymbolEquivalents::caption(code ? equivalents.value(*code) : QString());
}

void GlyphmatchWindow::growToShowTheGrid()
{
    // The window grows (never shrinks) with the size, as far as the screen allows.
    if (QLayout *layout = centralWidget()->layout())
        layout->activate();
    QSize wanted = sizeHint().expandedTo(size());
    if (const QScreen *shown = screen())
        wanted = wanted.boundedTo(shown->availableSize());
    if (wanted != size())
        resize(wanted);
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
    const auto answer = m_services.messages.message(
        QStringLiteral("This will open the font list in Internet Explorer.  You can then use Print "
                       "Preview and Print on the File menu to preview or print the list of fonts. "
                       " You can change margins and headers and footers using Page Setup on the "
                       "File menu."),
        QStringLiteral("Print font list"), MessageService::Buttons::OkCancel,
        MessageService::Icon::Information);
    if (answer != MessageService::Answer::Ok)
        return;

    m_services.busy.setBusy(true);
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

    const QString path = pagePath();
    const bool written =
        !path.isEmpty() &&
        TextFile::writeAtomically(path, GlyphPage::fileBytes(GlyphPage::html(input))).ok;
    if (written) {
        processPendingEvents();
        const QString folder = QFileInfo(path).absolutePath();
        m_services.shell.openDocument(
            path, GlyphPage::workingFolder(m_services.locations.programFolder(), folder));
    }
    m_services.busy.setBusy(false);
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
