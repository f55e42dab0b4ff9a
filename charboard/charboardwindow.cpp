// The main window of Charboard: see charboardwindow.h.
#include "charboardwindow.h"

#include "busypointer.h"
#include "charcodes.h"
#include "clipboardservice.h"
#include "defaultbutton.h"
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

#ifndef CHARBOARD_HELP_URL
#define CHARBOARD_HELP_URL ""
#endif

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

CharboardWindow::CharboardWindow(const CharboardServices &services, QWidget *parent)
    : QMainWindow(parent), m_services(services)
{
    setObjectName(QStringLiteral("CharacterMap"));
    setWindowTitle(QStringLiteral("Charboard"));
    setupControls();
    setupMenus();
    setupConnections();
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
    m_grid->setFixedSize(Twips::toPixels(gridWidthTwips, this) + 2 * m_grid->frameWidth(),
                         Twips::toPixels(gridHeightTwips, this) + 2 * m_grid->frameWidth());

    m_preview = named(new QLineEdit(central), "SampleText");
    m_preview->setReadOnly(true);
    m_preview->setAlignment(Qt::AlignCenter);
    m_preview->setFont(dialogFont(96));
    m_preview->setToolTip(QStringLiteral("Preview of selected character"));
    m_preview->setFixedWidth(Twips::toPixels(2880, this));
    m_preview->setMinimumHeight(m_preview->sizeHint().height());

    m_keypadLabel = named(new QLabel(central), "LabelAlt");
    m_keypadLabel->setFont(dialogFont(12, true));
    m_keypadLabel->setAlignment(Qt::AlignCenter);
    m_keypadLabel->setToolTip(CharCodes::initialAltTooltip());

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

    auto *preview = new QVBoxLayout;
    preview->addWidget(m_preview);
    preview->addWidget(m_keypadLabel);
    preview->addWidget(m_selectButton);
    preview->addStretch();
    preview->addWidget(m_copyButton);

    // A larger window lengthens the font list and the box of collected characters; the grid
    // and the preview keep their size, so the extra width goes to an empty last column.
    m_fontList->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);
    auto *layout = new QGridLayout(central);
    layout->addWidget(m_fontList, 0, 0, 2, 1);
    layout->addWidget(m_grid, 0, 1, Qt::AlignLeft | Qt::AlignTop);
    layout->addLayout(preview, 0, 2);
    layout->addWidget(m_collectedText, 1, 1, 1, 3);
    layout->setColumnStretch(3, 1);
    layout->setRowStretch(0, 1);
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
    m_fontList->viewport()->installEventFilter(this);
    connect(m_grid, &FlexGrid::cellEntered, this, [this] { Grid_EnterCell(); });
    connect(m_grid, &FlexGrid::dblClicked, this, [this] { Grid_DblClick(); });
    connect(m_grid, &FlexGrid::keyPressed, this, [this](QChar c) { Grid_KeyPress(c); });
    connect(m_selectButton, &QPushButton::clicked, this, [this] { CSelect_Click(); });
    connect(m_collectedText, &QLineEdit::textChanged, this, [this] { TextCopy_Change(); });
    connect(m_copyButton, &QPushButton::clicked, this, [this] { CCopy_Click(); });
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
    GridFitTarget target(*m_grid);
    m_lastFitSteps = FontFitter::fit(target, CharCodes::rows).steps;
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

void CharboardWindow::Grid_EnterCell()
{
    const int code = CharCodes::codeAt(m_grid->row(), m_grid->col());
    if (code < 0)
        return;
    m_preview->setText(
        SymbolFont::displayText(m_preview->font().family(), CharCodes::character(code)));
    m_keypadLabel->setText(CharCodes::altCaption(code));
    m_keypadLabel->setToolTip(CharCodes::altTooltip(code));
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
}

void CharboardWindow::CCopy_Click()
{
    m_services.clipboard.clear();
    m_services.clipboard.setText(m_collectedText->text());
}

void CharboardWindow::mnuHelp_Click()
{
    m_services.shell.openAddress(HelpPage::address(QStringLiteral(CHARBOARD_HELP_URL),
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
    }
    return QMainWindow::eventFilter(watched, event);
}

void CharboardWindow::keyPressEvent(QKeyEvent *event)
{
    if (DefaultButton::pressOnEnter(event, m_selectButton))
        return;
    QMainWindow::keyPressEvent(event);
}
