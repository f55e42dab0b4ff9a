// The main window of Charboard: see charboardwindow.h.
#include "ui/charboardwindow.h"

#include "core/buildinfo.h"
#include "core/helppage.h"
#include "encoding/cp1252.h"
#include "files/filelocations.h"
#include "fonts/fontcatalog.h"
#include "fonts/sortednames.h"
#include "fonts/symbolequivalents.h"
#include "logic/charcodes.h"
#include "logic/charinfo.h"
#include "logic/fontfitter.h"
#include "logic/unicodecharacter.h"
#include "platform/busypointer.h"
#include "platform/clipboardservice.h"
#include "platform/richcopy.h"
#include "platform/shellservice.h"
#include "ui/glyphpreview.h"
#include "ui/gridfittarget.h"
#include "widgets/controls/defaultbutton.h"
#include "widgets/controls/named.h"
#include "widgets/fonts/fontglyphnames.h"
#include "widgets/fonts/symbolfont.h"
#include "widgets/grid/flexgrid.h"
#include "widgets/richtext/twips.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>

namespace {

constexpr int initialColumnWidth = 600;
// The grid's first size; the window may make it larger, and the font is fitted to it.
constexpr int gridWidthTwips = CharCodes::cols * initialColumnWidth;
constexpr int gridHeightTwips = 8400;
// The smallest cells that still show a glyph.
constexpr int minimumCellPixels = 20;
// The information under the keypad code: the code point, entity and hint, and the note on the
// codes 128 to 159, wrapped.
constexpr int infoLines = 6;
// The name, block, category and the two encodings in a line under the grid, wrapped once when
// the window is narrow.
constexpr int detailLines = 2;

#ifdef Q_OS_LINUX
constexpr bool showInputHint = true;
#else
constexpr bool showInputHint = false;
#endif

QFont dialogFont(double points, bool bold = false)
{
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

} // namespace

CharboardWindow::CharboardWindow(const CharboardServices &services, QWidget *parent)
    : QMainWindow(parent), m_services(services)
{
    setObjectName(QStringLiteral("CharacterMap"));
    setWindowTitle(QStringLiteral("Charboard"));
    setupControls();
    setUpAccessibility();
    setupMenus();
    setupConnections();
    sizeToFirstGrid();
}

void CharboardWindow::setupControls()
{
    auto *central = new QWidget(this);
    setCentralWidget(central);

    m_fontList = named(new QListWidget(central), "Fonts");
    m_fontList->setToolTip(tr("Select a font..."));
    m_fontList->setMinimumWidth(200);

    m_grid = named(new FlexGrid(central), "Grid");
    m_grid->setToolTip(tr("Select a character to preview or copy"));
    // The cells lie on the view's viewport, which shows its own tooltip.
    m_grid->viewport()->setToolTip(m_grid->toolTip());
    m_grid->setRows(CharCodes::rows);
    m_grid->setCols(CharCodes::cols);
    m_grid->setEnterHandled(true);
    for (int c = 0; c < CharCodes::cols; ++c)
        m_grid->setColCentred(c);
    m_grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // The layout gives the grid's place by its stretch alone; the grid takes the part its
    // fitted cells need, centred, so that no empty band lies inside it.
    m_grid->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    m_grid->grid().setAccessibleNames(
        [this](int row, int col) { return cellAccessibleName(row, col); });

    m_preview = named(new GlyphPreview(central), "SampleText");
    m_preview->setFont(dialogFont(96));
    m_preview->setToolTip(tr("Preview of selected character"));
    const int previewWidth = Twips::toPixels(2880, this);
    m_preview->setFixedWidth(previewWidth);
    // The same height whatever font it shows.
    m_preview->setFixedHeight(m_preview->sizeHint().height());

    m_keypadLabel = named(new QLabel(central), "LabelAlt");
    m_keypadLabel->setFont(dialogFont(12, true));
    m_keypadLabel->setAlignment(Qt::AlignCenter);
    m_keypadLabel->setToolTip(CharCodes::initialAltTooltip());

    m_infoLabel = named(new QLabel(central), "LabelInfo");
    m_infoLabel->setWordWrap(true);
    m_infoLabel->setAlignment(Qt::AlignCenter);
    m_infoLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_infoLabel->setFixedWidth(previewWidth);
    // Room for the longest information wrapped in the column (the layout does not ask a
    // wrapping label for its height at a width), so that nothing below it is overlapped.
    m_infoLabel->setMinimumHeight(infoLines * m_infoLabel->fontMetrics().lineSpacing());
    m_infoLabel->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

    m_detailsLabel = named(new QLabel(central), "LabelDetails");
    m_detailsLabel->setWordWrap(true);
    m_detailsLabel->setAlignment(Qt::AlignCenter);
    m_detailsLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_detailsLabel->setFixedHeight(detailLines * m_detailsLabel->fontMetrics().lineSpacing());
    m_detailsLabel->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);

    m_equivalentLabel = named(new QLabel(central), "LabelUnicode");
    m_equivalentLabel->setAlignment(Qt::AlignCenter);
    m_equivalentLabel->setFixedWidth(previewWidth);
    m_equivalentLabel->setToolTip(tr("The Unicode character this symbol stands for, in any font"));

    m_selectButton = named(new QPushButton(tr("&Select"), central), "CSelect");
    m_selectButton->setToolTip(tr("Add this character to the Characters to Copy text box."));
    m_selectButton->setDefault(true);
    m_selectButton->setAutoDefault(true);

    m_collectedText = named(new QLineEdit(central), "TextCopy");
    m_collectedText->setFont(dialogFont(13.5));
    m_collectedText->setToolTip(tr("Press Copy to copy these characters to the clipboard"));

    m_copyButton = named(new QPushButton(tr("&Copy"), central), "CCopy");
    m_copyButton->setToolTip(tr("Copy all the characters below to the Clipboard"));
    m_copyButton->setAutoDefault(true);
    m_copyButton->setEnabled(false);

    m_copyUnicodeButton = named(new QPushButton(tr("Copy as &Unicode"), central), "CCopyUnicode");
    m_copyUnicodeButton->setToolTip(
        tr("Copy the characters below with each symbol replaced by its Unicode equivalent"));
    m_copyUnicodeButton->setAutoDefault(true);
    m_copyUnicodeButton->setEnabled(false);

    auto *preview = new QVBoxLayout;
    preview->addWidget(m_preview);
    preview->addWidget(m_keypadLabel);
    preview->addWidget(m_infoLabel);
    preview->addWidget(m_equivalentLabel);
    preview->addWidget(m_selectButton);
    preview->addStretch();
    preview->addWidget(m_copyButton);
    preview->addWidget(m_copyUnicodeButton);

    // A larger window gives its room to the grid (whose font is fitted again), the font list
    // and the box of collected characters; the preview column keeps its width.
    m_fontList->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);
    setupFinding();
    auto *finding = new QHBoxLayout;
    finding->addWidget(m_choices, 1);
    finding->addWidget(m_find, 1);
    m_layout = new QGridLayout(central);
    m_layout->addWidget(m_fontList, 0, 0, 5, 1);
    m_layout->addLayout(finding, 0, 1);
    m_layout->addWidget(m_grid, 1, 1, Qt::AlignCenter);
    m_layout->addWidget(m_detailsLabel, 2, 1);
    m_layout->addLayout(preview, 0, 2, 4, 1);
    m_layout->addWidget(m_recentGrid, 3, 1);
    m_layout->addWidget(m_collectedText, 4, 1, 1, 2);
    m_layout->setColumnStretch(1, 1);
    m_layout->setRowStretch(1, 1);
    // The smallest room for the grid; the grid itself takes only what its cells need.
    m_layout->setColumnMinimumWidth(1, CharCodes::cols * minimumCellPixels +
                                           2 * m_grid->frameWidth() +
                                           m_grid->verticalScrollBar()->sizeHint().width());
    m_layout->setRowMinimumHeight(1,
                                  CharCodes::rows * minimumCellPixels + 2 * m_grid->frameWidth());
}

void CharboardWindow::setupFinding()
{
    QWidget *central = centralWidget();
    m_choices = named(new QComboBox(central), "ComboChars");
    m_choices->setToolTip(tr("Which characters the grid shows"));
    m_choices->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_choices->setMinimumContentsLength(12);

    m_find = named(new QLineEdit(central), "TextFind");
    m_find->setPlaceholderText(tr("Find by name, U+code or character"));
    m_find->setToolTip(
        tr("Type words of a character's name, its code (U+2701), or paste the character"));
    m_find->setClearButtonEnabled(true);

    m_recentGrid = named(new FlexGrid(central), "GridRecent");
    m_recentGrid->setToolTip(tr("Recently used characters: click one to collect it"));
    m_recentGrid->viewport()->setToolTip(m_recentGrid->toolTip());
    m_recentGrid->setSelectionMode(QAbstractItemView::NoSelection);
    m_recentGrid->setRows(1);
    m_recentGrid->setCols(RecentCharacters::capacity);
    m_recentGrid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_recentGrid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_recentGrid->setEnterHandled(true);
    for (int c = 0; c < RecentCharacters::capacity; ++c) {
        m_recentGrid->setColCentred(c);
        m_recentGrid->setColWidth(c, 480);
    }
    m_recentGrid->setFontSize(14);
    m_recentGrid->setFixedHeight(m_recentGrid->sizeHint().height());
    m_recentGrid->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
}

void CharboardWindow::sizeToFirstGrid()
{
    // The window opens with the grid's room at its first size: from the smallest window, the
    // room still missing goes to the grid's row and column.
    const QSize first(Twips::toPixels(gridWidthTwips, this) + 2 * m_grid->frameWidth(),
                      Twips::toPixels(gridHeightTwips, this) + 2 * m_grid->frameWidth());
    // Laid out at its smallest before the window is shown, to see the grid's room there.
    m_layout->setGeometry(QRect(QPoint(0, 0), m_layout->minimumSize()));
    const QSize extra = (first - m_layout->cellRect(1, 1).size()).expandedTo(QSize(0, 0));
    resize(minimumSizeHint() + extra);
}

void CharboardWindow::setupMenus()
{
    // The design's blank entry only keeps Help in its place: a gap before it that takes no
    // focus and no click, not a command that does nothing.
    // The menu bar sizes a corner widget by its size hint: an empty label with margins.
    auto *gap = new QLabel(menuBar());
    gap->setObjectName(QStringLiteral("mnuBl"));
    const int width = menuBar()->fontMetrics().horizontalAdvance(QStringLiteral("(Blank)")) + 16;
    gap->setContentsMargins(width / 2, 0, width - width / 2, 0);
    gap->setFocusPolicy(Qt::NoFocus);
    gap->setAttribute(Qt::WA_TransparentForMouseEvents);
    menuBar()->setCornerWidget(gap, Qt::TopLeftCorner);
    m_blankMenu = gap;
    m_helpAction = menuBar()->addAction(tr("&Help"));
    m_helpAction->setObjectName(QStringLiteral("mnuHelp"));
    m_helpAction->setShortcut(QKeySequence(Qt::Key_F1));
    m_helpAction->setShortcutContext(Qt::WindowShortcut);
}

void CharboardWindow::setUpAccessibility()
{
    m_fontList->setAccessibleName(tr("Fonts"));
    m_grid->setAccessibleName(tr("Characters"));
    m_recentGrid->setAccessibleName(tr("Recently used characters"));
    m_collectedText->setAccessibleName(tr("Characters to Copy"));
    // What the box and the chooser already say to everyone names them too.
    m_find->setAccessibleName(m_find->placeholderText());
    m_choices->setAccessibleName(m_choices->toolTip());
    m_preview->setAccessibleName(m_preview->toolTip());
    m_recentGrid->grid().setAccessibleNames(
        [this](int row, int col) { return recentAccessibleName(row, col); });
    // The columns as shown, left to right, each top to bottom; the collected text below them.
    const QList<QWidget *> order{m_fontList,          m_choices,      m_find,         m_grid,
                                 m_recentGrid,        m_preview,      m_selectButton, m_copyButton,
                                 m_copyUnicodeButton, m_collectedText};
    for (int i = 0; i + 1 < order.size(); ++i)
        setTabOrder(order[i], order[i + 1]);
}

void CharboardWindow::setupConnections()
{
    m_fontList->installEventFilter(this);
    m_grid->installEventFilter(this);
    m_fontList->viewport()->installEventFilter(this);
    connect(m_grid, &FlexGrid::cellEntered, this, [this] { Grid_EnterCell(); });
    connect(m_grid, &FlexGrid::dblClicked, this, [this] { Grid_DblClick(); });
    connect(m_grid, &FlexGrid::keyPressed, this, [this](QChar c) { Grid_KeyPress(c); });
    connect(m_selectButton, &QPushButton::clicked, this, [this] { CSelect_Click(); });
    connect(m_collectedText, &QLineEdit::textChanged, this, [this] { TextCopy_Change(); });
    connect(m_copyButton, &QPushButton::clicked, this, [this] { CCopy_Click(); });
    connect(m_copyUnicodeButton, &QPushButton::clicked, this, [this] { CCopyUnicode_Click(); });
    connect(m_helpAction, &QAction::triggered, this, [this] { mnuHelp_Click(); });
    centralWidget()->installEventFilter(this);
    connect(m_choices, &QComboBox::activated, this, [this] { ComboChars_Click(); });
    connect(m_find, &QLineEdit::textChanged, this, [this] { TextFind_Change(); });
    connect(m_recentGrid, &QAbstractItemView::clicked, this,
            [this](const QModelIndex &index) { GridRecent_Click(index.column()); });
    connect(m_recentGrid, &FlexGrid::keyPressed, this, [this](QChar c) {
        if (c == u'\r')
            GridRecent_Click(m_recentGrid->col());
    });
}

void CharboardWindow::Form_Load()
{
    m_services.busy.setBusy(true);
    const QStringList names = SortedNames::sorted(m_services.fonts.names());
    {
        const QSignalBlocker block(m_fontList);
        m_fontList->clear();
        for (const QString &name : names) {
            // One row per family: a line break in a name is shown, not obeyed.
            QString row = name;
            for (QChar &c : row) {
                if (c == u'\r' || c == u'\n' || c == QChar::LineSeparator ||
                    c == QChar::ParagraphSeparator)
                    c = QChar(0x21B5);
            }
            auto *item = new QListWidgetItem(row, m_fontList);
            item->setData(Qt::UserRole, name);
        }
        // Without Arial the first font is shown rather than an empty choice.
        const auto arial = m_fontList->findItems(QStringLiteral("Arial"),
                                                 Qt::MatchFixedString | Qt::MatchCaseSensitive);
        if (!arial.isEmpty())
            m_fontList->setCurrentItem(arial.first());
        else if (!names.isEmpty())
            m_fontList->setCurrentRow(0);
    }
    for (int c = 0; c < CharCodes::cols; ++c)
        m_grid->setColWidth(c, initialColumnWidth);
    showDesignedPage();
    m_recent.load(recentFile());
    Fonts_KeyUp(0);
    m_grid->setCurrentCell(0, 0);
    Grid_EnterCell();
    m_services.busy.setBusy(false);
}

QString CharboardWindow::selectedFontName() const
{
    const QListWidgetItem *item = m_fontList->currentItem();
    return item && item->isSelected() ? item->data(Qt::UserRole).toString() : QString();
}

bool CharboardWindow::dropLostFont()
{
    const QString family = m_grid->gridFont().family();
    if (!FontGlyphNames::fileShrank(FontGlyphNames::faceOf(family)))
        return false;
    // The font's file was cut short while it was in use: Qt would read the missing part of its
    // mapping and the program would die of SIGBUS. The grid and the preview go on in the
    // program's own font instead, which has no symbol codes.
    qWarning("Charboard: the file of %s was cut short; showing another font", qPrintable(family));
    const QString fallback = QApplication::font().family();
    m_grid->setFontName(fallback);
    m_recentGrid->setFontName(fallback);
    QFont sample = m_preview->font();
    sample.setFamilies({fallback});
    sample.setStyleStrategy(QFont::PreferDefault);
    m_preview->setFont(sample);
    m_coverage.remove(family);
    return true;
}

void CharboardWindow::Fonts_KeyUp(int key)
{
    // F1 itself opens help through the menu's shortcut, once; the release only re-fits.
    Q_UNUSED(key);
    const QString name = selectedFontName();
    if (FontGlyphNames::fileShrank(FontGlyphNames::faceOf(name))) {
        dropLostFont();
        return;
    }
    if (!name.isEmpty())
        m_grid->setFontName(name);
    m_grid->setFontBold(false);
    m_grid->setFontItalic(false);
    fitGridFont();
    setWindowTitle(tr("Charboard - %1").arg(name));
    if (!name.isEmpty()) {
        QFont sample = m_preview->font();
        sample.setFamilies({name});
        // The preview may still carry the symbol drawing of the previous font.
        sample.setStyleStrategy(QFont::PreferDefault);
        m_preview->setFont(SymbolFont::drawingFont(sample));
    }
    m_recentGrid->setFontName(name.isEmpty() ? m_grid->gridFont().family() : name);
    showRecent();
    refreshChoices();
    Grid_EnterCell();
}

void CharboardWindow::fitGridFont()
{
    m_fitPending = false;
    dropLostFont();
    // Fitted to the room the layout gives the grid, less a scroll bar when the characters
    // take more than the 14 rows; the grid then takes what its cells need.
    const QRect room = m_layout->cellRect(1, 1);
    const bool scrolls = m_grid->rows() > CharCodes::rows;
    const int scrollBar = scrolls ? m_grid->verticalScrollBar()->sizeHint().width() : 0;
    m_grid->setVerticalScrollBarPolicy(scrolls ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    GridFitTarget target(*m_grid, room.isValid() ? room.size() : m_grid->size(), scrollBar);
    m_lastFitSteps = FontFitter::fit(target, CharCodes::rows, CharCodes::cols).steps;
    placeGrid();
}

void CharboardWindow::placeGrid()
{
    const QRect room = m_layout->cellRect(1, 1);
    const int frame = 2 * m_grid->frameWidth();
    const bool scrolls = m_grid->verticalScrollBarPolicy() == Qt::ScrollBarAlwaysOn;
    const int scrollBar = scrolls ? m_grid->verticalScrollBar()->sizeHint().width() : 0;
    // The fitted font steps by whole points, so its square cells leave part of the room; the
    // cells grow (still square) to take it, so that no empty band stays inside the grid. One
    // pixel is kept below the rows, as the fitting asked for room to spare.
    int cell = m_grid->verticalHeader()->defaultSectionSize();
    if (room.isValid()) {
        cell = std::max(cell, std::min((room.width() - frame - scrollBar) / CharCodes::cols,
                                       (room.height() - frame - 1) / CharCodes::rows));
    }
    m_grid->setRowHeightPixels(cell);
    for (int c = 0; c < m_grid->cols(); ++c)
        m_grid->setColWidth(c, Twips::fromPixels(cell, m_grid));
    // Always the 14 rows' height, so that the grid keeps its place whatever it holds.
    int height = frame + CharCodes::rows * cell + 1;
    if (scrolls && room.isValid())
        height = std::max(height, room.height());
    m_grid->setSizeHint(QSize(frame + CharCodes::cols * cell + scrollBar, height));
    // Placed now, so that whoever reads the grid next sees it at its new size.
    m_layout->activate();
}

void CharboardWindow::scheduleFit()
{
    // The layout has placed everything only once the resize is handled.
    if (m_fitPending)
        return;
    m_fitPending = true;
    QTimer::singleShot(0, this, [this] {
        if (m_fitPending)
            fitGridFont();
    });
}

void CharboardWindow::Grid_EnterCell()
{
    dropLostFont();
    if (!m_designedPage) {
        const int c = codePointAt(m_grid->row(), m_grid->col());
        if (c < 0)
            return;
        const char32_t code = char32_t(c);
        const QString character = QString::fromUcs4(&code, 1);
        const QString family = m_preview->font().family();
        m_preview->setText(character);
        m_preview->setMissing(!SymbolFont::hasGlyph(family, code));
        // The keypad types only the characters of the code page.
        const auto byte =
            code <= 0xFFFF ? Cp1252::fromUnicode(QChar(char16_t(code))) : std::optional<uchar>();
        const bool keypad = byte && *byte >= CharCodes::firstCode;
        m_keypadLabel->setText(keypad ? CharCodes::altCaption(*byte) : QString());
        m_keypadLabel->setToolTip(keypad ? CharCodes::altTooltip(*byte) : QString());
        m_infoLabel->setText(CharInfo::line(character, showInputHint, QStringLiteral("\n")));
        m_equivalentLabel->clear();
        showDetails(character);
        return;
    }
    const int code = CharCodes::codeAt(m_grid->row(), m_grid->col());
    if (code < 0)
        return;
    const QString family = m_preview->font().family();
    const QString character = CharCodes::character(code);
    m_preview->setText(SymbolFont::displayText(family, character));
    m_preview->setMissing(!SymbolFont::hasGlyph(family, character.at(0)));
    m_keypadLabel->setText(CharCodes::altCaption(code));
    m_keypadLabel->setToolTip(CharCodes::altTooltip(code));
    showCharacterInfo(code);
}

void CharboardWindow::showCharacterInfo(int code)
{
    // A symbol's information is that of its Unicode equivalent, which other fonts can show.
    const QString family = m_preview->font().family();
    const bool symbol = SymbolFont::isSymbolEncoded(family);
    const QString equivalent = SymbolFont::equivalents(family).value(code);
    const QString described = symbol ? equivalent : CharCodes::character(code);
    QStringList info;
    if (!m_preview->isMissing() && !described.isEmpty())
        info.append(CharInfo::line(described, showInputHint, QStringLiteral("\n")));
    if (!symbol && !CharInfo::codePageNote(code).isEmpty())
        info.append(CharInfo::codePageNote(code));
    m_infoLabel->setText(info.join(u'\n'));
    showDetails(m_preview->isMissing() ? QString() : described);
    if (!symbol || m_preview->isMissing())
        m_equivalentLabel->clear();
    else if (equivalent.isEmpty())
        m_equivalentLabel->setText(tr("No Unicode equivalent"));
    else
        m_equivalentLabel->setText(tr("Unicode: %1").arg(equivalent));
}

void CharboardWindow::showDetails(const QString &character)
{
    const QList<uint> codes = character.toUcs4();
    if (codes.size() != 1) {
        m_detailsLabel->clear();
        return;
    }
    const char32_t c = codes.first();
    m_detailsLabel->setText(
        QStringList{UnicodeCharacter::name(c), UnicodeCharacter::blockName(c),
                    UnicodeCharacter::categoryName(c),
                    QStringLiteral("UTF-8: ") + UnicodeCharacter::utf8Bytes(c),
                    QStringLiteral("UTF-16: ") + UnicodeCharacter::utf16Units(c)}
            .join(QStringLiteral("   ")));
}

void CharboardWindow::appendCurrentCharacter()
{
    appendCharacter(m_grid->text());
}

void CharboardWindow::appendCharacter(const QString &character)
{
    if (character.isEmpty())
        return;
    const QString collected = CharCodes::appended(m_collectedText->text(), character);
    m_collected.follow(collected, m_preview->font().family());
    m_collectedText->setText(collected);
    m_recent.add(character);
    // Kept at once, so that a run that ends any way still remembers them.
    if (!m_recent.save(recentFile()))
        qWarning("Charboard could not keep the recently used characters in %s",
                 qPrintable(recentFile()));
    showRecent();
}

void CharboardWindow::Grid_DblClick()
{
    appendCurrentCharacter();
}

void CharboardWindow::Grid_KeyPress(QChar character)
{
    if (character == u'\r')
        appendCurrentCharacter();
}

void CharboardWindow::CSelect_Click()
{
    appendCurrentCharacter();
}

void CharboardWindow::TextCopy_Change()
{
    m_collected.follow(m_collectedText->text());
    m_copyButton->setEnabled(!m_collectedText->text().isEmpty());
    m_copyUnicodeButton->setEnabled(!m_collectedText->text().isEmpty());
}

void CharboardWindow::CCopy_Click()
{
    // In the chosen font, so that a word processor or a web editor shows the same glyphs;
    // the plain text beside it holds the same codes.
    copyRich(m_collectedText->text(), m_preview->font().family());
}

void CharboardWindow::CCopyUnicode_Click()
{
    // Each character is converted with the font it was collected in; Unicode characters
    // need no symbol font: they go in the box's own text font.
    copyRich(m_collected.unicodeText(SymbolFont::equivalents), m_collectedText->font().family());
}

void CharboardWindow::copyRich(const QString &text, const QString &face)
{
    CharFormat format;
    format.face = face;
    format.size = kCopiedSize;
    RichCopy::put(m_services.clipboard, {{text, format}});
}

void CharboardWindow::mnuHelp_Click()
{
    m_services.shell.openAddress(HelpPage::address(BuildInfo::kCharboardHelpUrl,
                                                   m_services.locations.programFolder(),
                                                   QStringLiteral("charboard.html")));
}

bool CharboardWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_fontList && event->type() == QEvent::KeyRelease) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (!key->isAutoRepeat())
            Fonts_KeyUp(key->key());
    } else if (watched == m_fontList->viewport() && event->type() == QEvent::MouseButtonRelease) {
        Fonts_MouseUp();
    } else if (watched == centralWidget() && event->type() == QEvent::Resize) {
        // Before anything is drawn at the new size.
        dropLostFont();
        scheduleFit();
    }
    return QMainWindow::eventFilter(watched, event);
}

void CharboardWindow::keyPressEvent(QKeyEvent *event)
{
    if (DefaultButton::pressOnEnter(event, m_selectButton))
        return;
    QMainWindow::keyPressEvent(event);
}
