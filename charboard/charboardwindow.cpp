// The main window of Charboard: see charboardwindow.h.
#include "charboardwindow.h"

#include "buildinfo.h"
#include "busypointer.h"
#include "charcodes.h"
#include "charinfo.h"
#include "clipboardservice.h"
#include "defaultbutton.h"
#include "filelocations.h"
#include "flexgrid.h"
#include "fontcatalog.h"
#include "fontfitter.h"
#include "glyphpreview.h"
#include "gridfittarget.h"
#include "helppage.h"
#include "named.h"
#include "shellservice.h"
#include "sortednames.h"
#include "symbolequivalents.h"
#include "symbolfont.h"
#include "twips.h"

#include <QAction>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>

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
    setupMenus();
    setupConnections();
    sizeToFirstGrid();
}

void CharboardWindow::setupControls()
{
    auto *central = new QWidget(this);
    setCentralWidget(central);

    m_fontList = named(new QListWidget(central), "Fonts");
    m_fontList->setToolTip(QStringLiteral("Select a font..."));
    m_fontList->setMinimumWidth(200);

    m_grid = named(new FlexGrid(central), "Grid");
    m_grid->setToolTip(QStringLiteral("Select a character to preview or copy"));
    // The cells lie on the view's viewport, which shows its own tooltip.
    m_grid->viewport()->setToolTip(m_grid->toolTip());
    m_grid->setRows(CharCodes::rows);
    m_grid->setCols(CharCodes::cols);
    m_grid->setEnterHandled(true);
    m_grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_grid->setMinimumSize(CharCodes::cols * minimumCellPixels + 2 * m_grid->frameWidth(),
                           CharCodes::rows * minimumCellPixels + 2 * m_grid->frameWidth());
    m_grid->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);

    m_preview = named(new GlyphPreview(central), "SampleText");
    m_preview->setFont(dialogFont(96));
    m_preview->setToolTip(QStringLiteral("Preview of selected character"));
    const int previewWidth = Twips::toPixels(2880, this);
    m_preview->setFixedWidth(previewWidth);
    m_preview->setMinimumHeight(m_preview->sizeHint().height());

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

    m_equivalentLabel = named(new QLabel(central), "LabelUnicode");
    m_equivalentLabel->setAlignment(Qt::AlignCenter);
    m_equivalentLabel->setFixedWidth(previewWidth);
    m_equivalentLabel->setToolTip(
        QStringLiteral("The Unicode character this symbol stands for, in any font"));

    m_selectButton = named(new QPushButton(QStringLiteral("Select"), central), "CSelect");
    m_selectButton->setToolTip(
        QStringLiteral("Add this character to the Characters to Copy text box."));
    m_selectButton->setDefault(true);
    m_selectButton->setAutoDefault(true);

    m_collectedText = named(new QLineEdit(central), "TextCopy");
    m_collectedText->setFont(dialogFont(13.5));
    m_collectedText->setToolTip(
        QStringLiteral("Press Copy to copy these characters to the clipboard"));

    m_copyButton = named(new QPushButton(QStringLiteral("Copy"), central), "CCopy");
    m_copyButton->setToolTip(QStringLiteral("Copy all the characters below to the Clipboard"));
    m_copyButton->setAutoDefault(true);
    m_copyButton->setEnabled(false);

    m_copyUnicodeButton =
        named(new QPushButton(QStringLiteral("Copy as &Unicode"), central), "CCopyUnicode");
    m_copyUnicodeButton->setToolTip(QStringLiteral(
        "Copy the characters below with each symbol replaced by its Unicode equivalent"));
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
    auto *layout = new QGridLayout(central);
    layout->addWidget(m_fontList, 0, 0, 2, 1);
    layout->addWidget(m_grid, 0, 1);
    layout->addLayout(preview, 0, 2);
    layout->addWidget(m_collectedText, 1, 1, 1, 2);
    layout->setColumnStretch(1, 1);
    layout->setRowStretch(0, 1);
}

void CharboardWindow::sizeToFirstGrid()
{
    // The window opens with the grid at its first size: the room beyond each minimum goes to
    // the grid's column and row.
    const QSize first(Twips::toPixels(gridWidthTwips, this) + 2 * m_grid->frameWidth(),
                      Twips::toPixels(gridHeightTwips, this) + 2 * m_grid->frameWidth());
    const QSize extra = (first - m_grid->minimumSize()).expandedTo(QSize(0, 0));
    resize(minimumSizeHint() + extra);
}

void CharboardWindow::setupMenus()
{
    m_blankMenu = menuBar()->addAction(QStringLiteral("(Blank)"));
    m_blankMenu->setObjectName(QStringLiteral("mnuBl"));
    m_helpAction = menuBar()->addAction(QStringLiteral("Help"));
    m_helpAction->setObjectName(QStringLiteral("mnuHelp"));
    m_helpAction->setShortcut(QKeySequence(Qt::Key_F1));
    m_helpAction->setShortcutContext(Qt::WindowShortcut);
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
}

void CharboardWindow::Form_Load()
{
    m_services.busy.setBusy(true);
    const QStringList names = SortedNames::sorted(m_services.fonts.names());
    {
        const QSignalBlocker block(m_fontList);
        m_fontList->clear();
        m_fontList->addItems(names);
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
    for (int r = 0; r < CharCodes::rows; ++r) {
        for (int c = 0; c < CharCodes::cols; ++c)
            m_grid->setText(r, c, CharCodes::character(CharCodes::codeAt(r, c)));
    }
    Fonts_KeyUp(0);
    m_grid->setCurrentCell(0, 0);
    Grid_EnterCell();
    m_services.busy.setBusy(false);
}

QString CharboardWindow::selectedFontName() const
{
    const QListWidgetItem *item = m_fontList->currentItem();
    return item && item->isSelected() ? item->text() : QString();
}

void CharboardWindow::Fonts_KeyUp(int key)
{
    // F1 itself opens help through the menu's shortcut, once; the release only re-fits.
    Q_UNUSED(key);
    const QString name = selectedFontName();
    if (!name.isEmpty())
        m_grid->setFontName(name);
    m_grid->setFontBold(false);
    m_grid->setFontItalic(false);
    fitGridFont();
    setWindowTitle(QStringLiteral("Charboard - ") + name);
    if (!name.isEmpty()) {
        QFont sample = m_preview->font();
        sample.setFamilies({name});
        // The preview may still carry the symbol drawing of the previous font.
        sample.setStyleStrategy(QFont::PreferDefault);
        m_preview->setFont(SymbolFont::drawingFont(sample));
    }
    Grid_EnterCell();
}

void CharboardWindow::fitGridFont()
{
    GridFitTarget target(*m_grid);
    m_lastFitSteps = FontFitter::fit(target, CharCodes::rows, CharCodes::cols).steps;
}

void CharboardWindow::Grid_EnterCell()
{
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
    if (!symbol || m_preview->isMissing())
        m_equivalentLabel->clear();
    else if (equivalent.isEmpty())
        m_equivalentLabel->setText(QStringLiteral("No Unicode equivalent"));
    else
        m_equivalentLabel->setText(QStringLiteral("Unicode: ") + equivalent);
}

void CharboardWindow::appendCurrentCharacter()
{
    m_collectedText->setText(CharCodes::appended(m_collectedText->text(), m_grid->text()));
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
    m_copyButton->setEnabled(!m_collectedText->text().isEmpty());
    m_copyUnicodeButton->setEnabled(!m_collectedText->text().isEmpty());
}

void CharboardWindow::CCopy_Click()
{
    m_services.clipboard.clear();
    m_services.clipboard.setText(m_collectedText->text());
}

void CharboardWindow::CCopyUnicode_Click()
{
    const QStringList equivalents = SymbolFont::equivalents(m_preview->font().family());
    m_services.clipboard.clear();
    m_services.clipboard.setText(
        SymbolEquivalents::unicodeText(m_collectedText->text(), equivalents));
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
    } else if (watched == m_grid && event->type() == QEvent::Resize) {
        fitGridFont();
    }
    return QMainWindow::eventFilter(watched, event);
}

void CharboardWindow::keyPressEvent(QKeyEvent *event)
{
    if (DefaultButton::pressOnEnter(event, m_selectButton))
        return;
    QMainWindow::keyPressEvent(event);
}
