// The main window of Glyphmatch: see formif.h.
#include "formif.h"

#include "buildinfo.h"
#include "busypointer.h"
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

namespace {

void selectEntry(QListWidget *list, const QString &name)
{
    const auto found = list->findItems(name, Qt::MatchFixedString | Qt::MatchCaseSensitive);
    if (!found.isEmpty())
        list->setCurrentItem(found.first());
}

} // namespace

FormIF::FormIF(const FormIFServices &services, QWidget *parent)
    : QMainWindow(parent), m_services(services)
{
    setObjectName(QStringLiteral("FormIF"));
    setWindowTitle(QStringLiteral("Glyphmatch"));
    setupControls();
    setupConnections();
}

void FormIF::setupControls()
{
    auto *central = new QWidget(this);
    setCentralWidget(central);

    m_label1 = named(new QLabel(QStringLiteral("Compare"), central), "Label1");
    m_fc = named(new QComboBox(central), "FC");
    m_fc->setToolTip(QStringLiteral("Select a font"));
    m_fc->setMinimumContentsLength(24);
    m_label2 = named(new QLabel(QStringLiteral("Compare with:"), central), "Label2");
    m_fl = named(new QListWidget(central), "FL");
    m_fl->setToolTip(QStringLiteral("Select a font"));
    m_fl->setMinimumWidth(220);
    m_fl->setMaximumHeight(110);
    m_label3 = named(new QLabel(QStringLiteral("Size:"), central), "Label3");
    m_comboSize = named(new QComboBox(central), "ComboSize");
    m_comboSize->setEditable(true);
    m_comboSize->setInsertPolicy(QComboBox::NoInsert);
    m_comboSize->addItems({QStringLiteral("10"), QStringLiteral("12"), QStringLiteral("14"),
                           QStringLiteral("16"), QStringLiteral("18"), QStringLiteral("20"),
                           QStringLiteral("24"), QStringLiteral("28"), QStringLiteral("32"),
                           QStringLiteral("36")});
    m_comboSize->setEditText(QStringLiteral("24"));
    m_comboSize->setToolTip(QStringLiteral("Select a font size"));

    m_commandGo = named(new QPushButton(QStringLiteral("Refresh"), central), "CommandGo");
    m_commandGo->setToolTip(
        QStringLiteral("Refresh the preview (below) using the fonts you have chosen."));
    m_commandGo->setDefault(true);
    m_commandPrint = named(new QPushButton(QStringLiteral("Print"), central), "CommandPrint");
    m_commandPrint->setToolTip(QStringLiteral("Print these fonts"));
    m_commandHelp = named(new QPushButton(QStringLiteral("Help"), central), "CommandHelp");
    m_commandHelp->setToolTip(QStringLiteral("Online Help"));
    for (QPushButton *button : {m_commandGo, m_commandPrint, m_commandHelp})
        button->setAutoDefault(true);

    m_grid = named(new FlexGrid(central), "Grid");
    m_grid->setSelectionMode(QAbstractItemView::NoSelection);
    m_grid->setRows(KeyboardTable::gridRows);
    m_grid->setCols(KeyboardTable::gridCols);
    m_grid->hide();

    auto *controls = new QGridLayout;
    controls->addWidget(m_label1, 0, 0);
    controls->addWidget(m_fc, 0, 1);
    controls->addWidget(m_label3, 0, 2, Qt::AlignRight);
    controls->addWidget(m_comboSize, 0, 3);
    controls->addWidget(m_label2, 1, 0, Qt::AlignTop);
    controls->addWidget(m_fl, 1, 1, 3, 1);
    auto *buttons = new QVBoxLayout;
    buttons->addWidget(m_commandGo);
    buttons->addWidget(m_commandPrint);
    buttons->addWidget(m_commandHelp);
    buttons->addStretch();
    controls->addLayout(buttons, 0, 4, 4, 1);
    controls->setColumnStretch(5, 1);

    auto *layout = new QVBoxLayout(central);
    layout->addLayout(controls);
    // The grid is as large as its cells (smaller only with scroll bars): no empty cell area
    // below or beside the table in a large window.
    layout->addWidget(m_grid, 1, Qt::AlignLeft | Qt::AlignTop);
}

void FormIF::setupConnections()
{
    connect(m_commandGo, &QPushButton::clicked, this, [this] { CommandGo_Click(); });
    connect(m_commandPrint, &QPushButton::clicked, this, [this] { CommandPrint_Click(); });
    connect(m_commandHelp, &QPushButton::clicked, this, [this] { CommandHelp_Click(); });
}

void FormIF::Form_Load()
{
    m_fc->hide();
    m_fl->hide();
    m_grid->hide();
    setEnabled(false);
    show();
    m_services.busy.setBusy(true);
    processPendingEvents();

    const QStringList names = SortedNames::sorted(m_services.fonts.names());
    {
        const QSignalBlocker blockFc(m_fc);
        const QSignalBlocker blockFl(m_fl);
        m_fc->clear();
        m_fl->clear();
        m_fc->addItems(names);
        m_fl->addItems(names);
        m_fl->show();
        m_fc->show();
        m_fc->setCurrentIndex(names.isEmpty() ? -1 : 0);
        if (!names.isEmpty())
            m_fl->setCurrentRow(0);
        const int arial =
            m_fc->findText(QStringLiteral("Arial"), Qt::MatchFixedString | Qt::MatchCaseSensitive);
        if (arial >= 0)
            m_fc->setCurrentIndex(arial);
        selectEntry(m_fl, QStringLiteral("Wingdings"));
    }

    RefreshCells();
    m_services.busy.setBusy(false);
    setEnabled(true);
}

QString FormIF::textFontName() const
{
    return m_fc->currentText();
}

QString FormIF::symbolFontName() const
{
    const QListWidgetItem *item = m_fl->currentItem();
    return item ? item->text() : QString();
}

void FormIF::RefreshCells()
{
    m_services.busy.setBusy(true);
    m_comboSize->setEditText(KeyboardTable::normaliseSizeText(m_comboSize->currentText()));
    const double size = Numbers::val(m_comboSize->currentText());

    m_grid->setFontSize(size);
    m_grid->hide();
    if (!textFontName().isEmpty())
        m_grid->setFontName(textFontName());
    const QString symbolFont = symbolFontName();
    for (int g = 0; g < KeyboardTable::groups; ++g) {
        const int text = 3 * g;
        const int symbol = text + 1;
        const int spacer = text + 2;
        m_grid->setColWidth(text, KeyboardTable::characterColumnWidth(size));
        m_grid->setColWidth(symbol, KeyboardTable::characterColumnWidth(size));
        m_grid->setColCentred(text);
        m_grid->setColCentred(symbol);
        if (g < KeyboardTable::groups - 1) {
            m_grid->setColWidth(spacer, KeyboardTable::spacerWidth);
            m_grid->setColCentred(spacer);
        }
        for (int r = 0; r < KeyboardTable::rowsPerGroup; ++r) {
            const QString c(KeyboardTable::character(g, r));
            m_grid->setText(r, text, c);
            m_grid->setText(r, symbol, c);
            m_grid->grid().setCellFace(r, symbol, symbolFont);
        }
    }
    m_grid->updateGeometry();
    m_grid->show();
    growToShowTheGrid();
    m_services.busy.setBusy(false);
}

void FormIF::growToShowTheGrid()
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

void FormIF::CommandGo_Click()
{
    RefreshCells();
}

QString FormIF::pagePath() const
{
    const QString folder = m_services.locations.dataFolder();
    if (folder.isEmpty())
        return {};
    return QDir(folder).filePath(QLatin1StringView(GlyphPage::fileName));
}

void FormIF::CommandPrint_Click()
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
    input.sizeText = m_comboSize->currentText();
    input.downloadAddress = Publisher::downloadAddress();
    input.twipsPerPixelX = Twips::perPixel(this);
    input.twipsPerPixelY = Twips::perPixel(this);
    m_grid->hide();
    const FlexGridModel &grid = m_grid->grid();
    for (int r = 0; r < grid.rows(); ++r) {
        QList<GlyphPageCell> row;
        for (int c = 0; c < grid.cols(); ++c) {
            const QString face = grid.cellFace(r, c);
            row.append({grid.text(r, c), face.isEmpty() ? input.textFont : face,
                        grid.columnWidth(c), m_grid->rowHeight(r)});
        }
        input.rows.append(row);
    }
    m_grid->show();

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

void FormIF::CommandHelp_Click()
{
    m_services.shell.openAddress(HelpPage::address(BuildInfo::kGlyphmatchHelpUrl,
                                                   m_services.locations.programFolder(),
                                                   QStringLiteral("glyphmatch.html")));
}

void FormIF::keyPressEvent(QKeyEvent *event)
{
    // Enter that no control kept for itself presses the default button, as in a dialog.
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        m_commandGo->isEnabled()) {
        m_commandGo->click();
        event->accept();
        return;
    }
    QMainWindow::keyPressEvent(event);
}
