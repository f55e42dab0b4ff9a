// The main window of Charboard: see charactermap.h.
#include "charactermap.h"

#include "buildinfo.h"
#include "busypointer.h"
#include "charcodes.h"
#include "clipboardservice.h"
#include "filelocations.h"
#include "flexgrid.h"
#include "fontcatalog.h"
#include "fontfitter.h"
#include "gridfittarget.h"
#include "helppage.h"
#include "named.h"
#include "shellservice.h"
#include "sortednames.h"
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
// The grid's own size does not change: the font is fitted to it.
constexpr int gridWidthTwips = CharCodes::cols * initialColumnWidth;
constexpr int gridHeightTwips = 8400;

QFont dialogFont(double points, bool bold = false)
{
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

} // namespace

CharacterMap::CharacterMap(const CharacterMapServices &services, QWidget *parent)
    : QMainWindow(parent), m_services(services)
{
    setObjectName(QStringLiteral("CharacterMap"));
    setWindowTitle(QStringLiteral("Charboard"));
    setupControls();
    setupMenus();
    setupConnections();
}

void CharacterMap::setupControls()
{
    auto *central = new QWidget(this);
    setCentralWidget(central);

    m_fonts = named(new QListWidget(central), "Fonts");
    m_fonts->setToolTip(QStringLiteral("Select a font..."));
    m_fonts->setMinimumWidth(200);

    m_grid = named(new FlexGrid(central), "Grid");
    m_grid->setToolTip(QStringLiteral("Select a character to preview or copy"));
    // The cells lie on the view's viewport, which shows its own tooltip.
    m_grid->viewport()->setToolTip(m_grid->toolTip());
    m_grid->setRows(CharCodes::rows);
    m_grid->setCols(CharCodes::cols);
    m_grid->setEnterHandled(true);
    m_grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_grid->setFixedSize(Twips::toPixels(gridWidthTwips, this) + 2 * m_grid->frameWidth(),
                         Twips::toPixels(gridHeightTwips, this) + 2 * m_grid->frameWidth());

    m_sampleText = named(new QLineEdit(central), "SampleText");
    m_sampleText->setReadOnly(true);
    m_sampleText->setAlignment(Qt::AlignCenter);
    m_sampleText->setFont(dialogFont(96));
    m_sampleText->setToolTip(QStringLiteral("Preview of selected character"));
    m_sampleText->setFixedWidth(Twips::toPixels(2880, this));
    m_sampleText->setMinimumHeight(m_sampleText->sizeHint().height());

    m_labelAlt = named(new QLabel(central), "LabelAlt");
    m_labelAlt->setFont(dialogFont(12, true));
    m_labelAlt->setAlignment(Qt::AlignCenter);
    m_labelAlt->setToolTip(CharCodes::initialAltTooltip());

    m_cSelect = named(new QPushButton(QStringLiteral("Select"), central), "CSelect");
    m_cSelect->setToolTip(QStringLiteral("Add this character to the Characters to Copy text box."));
    m_cSelect->setDefault(true);
    m_cSelect->setAutoDefault(true);

    m_textCopy = named(new QLineEdit(central), "TextCopy");
    m_textCopy->setFont(dialogFont(13.5));
    m_textCopy->setToolTip(QStringLiteral("Press Copy to copy these characters to the clipboard"));

    m_cCopy = named(new QPushButton(QStringLiteral("Copy"), central), "CCopy");
    m_cCopy->setToolTip(QStringLiteral("Copy all the characters below to the Clipboard"));
    m_cCopy->setAutoDefault(true);
    m_cCopy->setEnabled(false);

    auto *preview = new QVBoxLayout;
    preview->addWidget(m_sampleText);
    preview->addWidget(m_labelAlt);
    preview->addWidget(m_cSelect);
    preview->addStretch();
    preview->addWidget(m_cCopy);

    // A larger window lengthens the font list and the box of collected characters; the grid
    // and the preview keep their size, so the extra width goes to an empty last column.
    m_fonts->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);
    auto *layout = new QGridLayout(central);
    layout->addWidget(m_fonts, 0, 0, 2, 1);
    layout->addWidget(m_grid, 0, 1, Qt::AlignLeft | Qt::AlignTop);
    layout->addLayout(preview, 0, 2);
    layout->addWidget(m_textCopy, 1, 1, 1, 3);
    layout->setColumnStretch(3, 1);
    layout->setRowStretch(0, 1);
}

void CharacterMap::setupMenus()
{
    m_mnuBl = menuBar()->addAction(QStringLiteral("(Blank)"));
    m_mnuBl->setObjectName(QStringLiteral("mnuBl"));
    m_mnuHelp = menuBar()->addAction(QStringLiteral("Help"));
    m_mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    m_mnuHelp->setShortcut(QKeySequence(Qt::Key_F1));
    m_mnuHelp->setShortcutContext(Qt::WindowShortcut);
}

void CharacterMap::setupConnections()
{
    m_fonts->installEventFilter(this);
    m_fonts->viewport()->installEventFilter(this);
    connect(m_grid, &FlexGrid::cellEntered, this, [this] { Grid_EnterCell(); });
    connect(m_grid, &FlexGrid::dblClicked, this, [this] { Grid_DblClick(); });
    connect(m_grid, &FlexGrid::keyPressed, this, [this](QChar c) { Grid_KeyPress(c); });
    connect(m_cSelect, &QPushButton::clicked, this, [this] { CSelect_Click(); });
    connect(m_textCopy, &QLineEdit::textChanged, this, [this] { TextCopy_Change(); });
    connect(m_cCopy, &QPushButton::clicked, this, [this] { CCopy_Click(); });
    connect(m_mnuHelp, &QAction::triggered, this, [this] { mnuHelp_Click(); });
}

void CharacterMap::Form_Load()
{
    m_services.busy.setBusy(true);
    const QStringList names = SortedNames::sorted(m_services.fonts.names());
    {
        const QSignalBlocker block(m_fonts);
        m_fonts->clear();
        m_fonts->addItems(names);
        // Without Arial the first font is shown rather than an empty choice.
        const auto arial = m_fonts->findItems(QStringLiteral("Arial"),
                                              Qt::MatchFixedString | Qt::MatchCaseSensitive);
        if (!arial.isEmpty())
            m_fonts->setCurrentItem(arial.first());
        else if (!names.isEmpty())
            m_fonts->setCurrentRow(0);
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

QString CharacterMap::selectedFontName() const
{
    const QListWidgetItem *item = m_fonts->currentItem();
    return item && item->isSelected() ? item->text() : QString();
}

void CharacterMap::Fonts_KeyUp(int key)
{
    // F1 itself opens help through the menu's shortcut, once; the release only re-fits.
    Q_UNUSED(key);
    const QString name = selectedFontName();
    if (!name.isEmpty())
        m_grid->setFontName(name);
    m_grid->setFontBold(false);
    m_grid->setFontItalic(false);
    GridFitTarget target(*m_grid);
    m_lastFitSteps = FontFitter::fit(target, CharCodes::rows).steps;
    setWindowTitle(QStringLiteral("Charboard - ") + name);
    if (!name.isEmpty()) {
        QFont sample = m_sampleText->font();
        sample.setFamilies({name});
        // The preview may still carry the symbol drawing of the previous font.
        sample.setStyleStrategy(QFont::PreferDefault);
        m_sampleText->setFont(SymbolFont::drawingFont(sample));
    }
    Grid_EnterCell();
}

void CharacterMap::Grid_EnterCell()
{
    const int code = CharCodes::codeAt(m_grid->row(), m_grid->col());
    if (code < 0)
        return;
    m_sampleText->setText(
        SymbolFont::displayText(m_sampleText->font().family(), CharCodes::character(code)));
    m_labelAlt->setText(CharCodes::altCaption(code));
    m_labelAlt->setToolTip(CharCodes::altTooltip(code));
}

void CharacterMap::appendCurrentCharacter()
{
    m_textCopy->setText(CharCodes::appended(m_textCopy->text(), m_grid->text()));
}

void CharacterMap::Grid_DblClick()
{
    appendCurrentCharacter();
}

void CharacterMap::Grid_KeyPress(QChar character)
{
    if (character == u'\r')
        appendCurrentCharacter();
}

void CharacterMap::CSelect_Click()
{
    appendCurrentCharacter();
}

void CharacterMap::TextCopy_Change()
{
    m_cCopy->setEnabled(!m_textCopy->text().isEmpty());
}

void CharacterMap::CCopy_Click()
{
    m_services.clipboard.clear();
    m_services.clipboard.setText(m_textCopy->text());
}

void CharacterMap::mnuHelp_Click()
{
    m_services.shell.openAddress(HelpPage::address(BuildInfo::kCharboardHelpUrl,
                                                   m_services.locations.programFolder(),
                                                   QStringLiteral("charboard.html")));
}

bool CharacterMap::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_fonts && event->type() == QEvent::KeyRelease) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (!key->isAutoRepeat())
            Fonts_KeyUp(key->key());
    } else if (watched == m_fonts->viewport() && event->type() == QEvent::MouseButtonRelease) {
        Fonts_MouseUp();
    }
    return QMainWindow::eventFilter(watched, event);
}

void CharacterMap::keyPressEvent(QKeyEvent *event)
{
    // Enter that no control kept for itself presses the default button, as in a dialog.
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        m_cSelect->isEnabled()) {
        m_cSelect->click();
        event->accept();
        return;
    }
    QMainWindow::keyPressEvent(event);
}
