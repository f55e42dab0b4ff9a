// The main window of Facelister: see facelisterwindow.h.
#include "ui/facelisterwindow.h"

#include "fonts/fontcatalog.h"
#include "logic/previewbuilder.h"
#include "platform/busypointer.h"
#include "platform/messageservice.h"
#include "ui/fontdetailspanel.h"
#include "ui/fontlistpanel.h"
#include "ui/pleasewaitwindow.h"
#include "ui/previewview.h"
#include "ui/settingspanel.h"
#include "widgets/controls/named.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QSplitter>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

namespace {

QString refreshTip()
{
    return FacelisterWindow::tr(
        "Refresh the Preview (below) making any changes you have selected.");
}

} // namespace

FacelisterWindow::FacelisterWindow(const FacelisterServices &services, QWidget *parent)
    : QMainWindow(parent), m_services(services)
{
    setObjectName(QStringLiteral("FormFL"));
    setWindowTitle(programName());
    setupControls();
    setUpAccessibility();
    setupMenus();
    setupConnections();
}

FacelisterWindow::~FacelisterWindow() = default;

void FacelisterWindow::setupControls()
{
    auto *central = new QWidget(this);
    auto *layout = new QVBoxLayout(central);
    m_fontsPanel = new FontListPanel(central);
    // The list keeps its smallest height, six rows or more; the preview takes the rest.
    m_fontsPanel->setFixedHeight(m_fontsPanel->minimumSizeHint().height());
    layout->addWidget(m_fontsPanel);
    m_settingsPanel = new SettingsPanel(central);
    layout->addWidget(m_settingsPanel);
    layout->addLayout(createRefreshRow(central));

    auto *split = named(new QSplitter(Qt::Horizontal, central), "SplitPreview");
    split->setChildrenCollapsible(false);
    m_preview = named(new PreviewView(split), "R");
    // Saved and copied RTF marks the installed symbol fonts as such.
    m_preview->setSymbolFaces(SymbolFaces(m_services.fonts.symbolFontNames()));
    m_preview->setToolTip(tr("This is a Preview of the list of fonts."));
    // However small the window, the title and the first font's line stay in view.
    m_preview->setMinimumHeight(10 * m_preview->fontMetrics().height());
    m_detailsPanel = new FontDetailsPanel(m_services.details, split);
    m_detailsPanel->setVisible(false);
    split->addWidget(m_preview);
    split->addWidget(m_detailsPanel);
    split->setStretchFactor(0, 3);
    split->setStretchFactor(1, 2);
    split->setMinimumHeight(m_preview->minimumHeight());
    layout->addWidget(split, 1);

    m_helpButton = named(new QPushButton(tr("Help..."), central), "CommandHelp");
    m_helpButton->setToolTip(tr("Online Help"));
    auto *helpRow = new QHBoxLayout;
    helpRow->addStretch(1);
    helpRow->addWidget(m_helpButton);
    layout->addLayout(helpRow);

    setCentralWidget(central);
    resize(620, 720);

    m_refreshTimer = named(new QTimer(this), "TimerRefresh");
    m_refreshTimer->setInterval(kRefreshDelayMs);
    m_flashTimer = named(new QTimer(this), "TimerFP");
    m_flashTimer->setInterval(kFlashIntervalMs);
    m_waitWindow = new PleaseWaitWindow(m_progress, this);
}

void FacelisterWindow::setUpAccessibility()
{
    // The search box would be announced by its frame's title; its hint says what it is.
    QLineEdit *search = m_fontsPanel->searchBox();
    search->setAccessibleName(search->placeholderText());
    // A list's name is its own, whatever frame it is in.
    m_fontsPanel->listBox()->setAccessibleName(m_fontsPanel->title());
    m_outOfDateIndicator->setAccessibleName(m_outOfDateIndicator->text());
    m_preview->setAccessibleName(tr("Preview"));
}

QHBoxLayout *FacelisterWindow::createRefreshRow(QWidget *parent)
{
    m_outOfDateIndicator = named(new QLineEdit(tr("Refresh Preview"), parent), "TextRP");
    m_outOfDateIndicator->setReadOnly(true);
    m_outOfDateIndicator->setAlignment(Qt::AlignCenter);
    m_outOfDateIndicator->setToolTip(refreshTip());
    m_outOfDateIndicator->setCursor(Qt::PointingHandCursor);
    QPalette indicator = m_outOfDateIndicator->palette();
    indicator.setColor(QPalette::Base, indicator.color(QPalette::Button));
    indicator.setColor(QPalette::Text, Qt::black);
    m_outOfDateIndicator->setPalette(indicator);
    m_outOfDateIndicator->installEventFilter(this);
    m_refreshButton = named(new QPushButton(tr("Refresh &Preview"), parent), "CommandPreview");
    m_refreshButton->setToolTip(refreshTip());
    auto *row = new QHBoxLayout;
    row->addWidget(m_outOfDateIndicator, 1);
    row->addWidget(m_refreshButton);
    return row;
}

void FacelisterWindow::setupMenus()
{
    auto makeAction = [this](QMenu *menu, const char *name, const QString &caption) {
        QAction *action = menu->addAction(caption);
        action->setObjectName(QString::fromLatin1(name));
        return action;
    };
    m_fileMenu = menuBar()->addMenu(tr("&File"));
    m_fileMenu->setObjectName(QStringLiteral("mnuFile"));
    m_saveAction = makeAction(m_fileMenu, "mnuSave", tr("&Save As..."));
    m_printAction = makeAction(m_fileMenu, "mnuPrint", tr("&Print..."));
    m_previewAction = makeAction(m_fileMenu, "mnuPreview", tr("Print Pre&view..."));
    m_pdfAction = makeAction(m_fileMenu, "mnuPdf", tr("&Export as PDF..."));
    m_fileMenu->addSeparator();
    m_exitAction = makeAction(m_fileMenu, "mnuX", tr("E&xit"));

    m_editMenu = menuBar()->addMenu(tr("&Edit"));
    m_editMenu->setObjectName(QStringLiteral("mnuEdit"));
    m_copyAction = makeAction(m_editMenu, "mnuCopy", tr("&Copy font list"));
    m_copyPlainTextAction =
        makeAction(m_editMenu, "mnuCPlainText", tr("Copy p&lain-text font list"));

    m_viewMenu = menuBar()->addMenu(tr("&View"));
    m_viewMenu->setObjectName(QStringLiteral("mnuView"));
    m_detailsAction = makeAction(m_viewMenu, "mnuDetails", tr("Font &details"));
    m_detailsAction->setCheckable(true);
    m_detailsAction->setShortcut(QKeySequence(Qt::Key_F9));

    m_helpMenu = menuBar()->addMenu(tr("&Help"));
    m_helpMenu->setObjectName(QStringLiteral("mnuHelp"));
    m_onlineHelpAction = makeAction(m_helpMenu, "mnuOHelp", tr("&Online help..."));
    m_onlineHelpAction->setShortcut(QKeySequence(Qt::Key_F1));
    m_aboutAction = makeAction(m_helpMenu, "mnuAbout", tr("&About..."));
}

void FacelisterWindow::setupConnections()
{
    connect(m_fontsPanel->resetListButton(), &QPushButton::clicked, this,
            [this] { CommandRL_Click(); });
    connect(m_fontsPanel->removeButton(), &QPushButton::clicked, this,
            [this] { CommandRemove_Click(); });
    connect(m_fontsPanel->capitaliseButton(), &QPushButton::clicked, this,
            [this] { CommandCap_Click(); });
    // A click on the entry already selected counts too, as it re-enables the commands.
    connect(m_fontsPanel->listBox(), &QListWidget::itemSelectionChanged, this,
            [this] { ListFonts_Click(); });
    connect(m_fontsPanel->listBox(), &QListWidget::itemClicked, this,
            [this] { ListFonts_Click(); });
    connect(m_fontsPanel->searchBox(), &QLineEdit::textChanged, this,
            [this] { TextSearch_Change(); });
    connect(m_settingsPanel->sampleBox(), &QLineEdit::textChanged, this,
            [this] { TextSample_Change(); });
    connect(m_settingsPanel->coverageBox(), &QCheckBox::clicked, this,
            [this] { CheckCover_Click(); });
    connect(m_fontsPanel->symbolFontsBox(), &QCheckBox::clicked, this, [this] { CheckSF_Click(); });
    connect(m_fontsPanel->systemFontsBox(), &QCheckBox::clicked, this,
            [this] { CheckSYS_Click(); });
    connect(m_settingsPanel->samplesBox(), &QCheckBox::clicked, this, [this] { CheckBI_Click(); });
    // Every change of the samples option, by the user or by the size rule, dates the preview.
    connect(m_settingsPanel->samplesBox(), &QCheckBox::toggled, this, [this] { FlashPreview(); });
    connect(m_settingsPanel->sizeBox(), &QComboBox::currentTextChanged, this,
            [this] { applySampleRule(); });
    connect(m_refreshButton, &QPushButton::clicked, this, [this] { CommandPreview_Click(); });
    connect(m_helpButton, &QPushButton::clicked, this, [this] { CommandHelp_Click(); });
    connect(m_refreshTimer, &QTimer::timeout, this, [this] { TimerRefresh_Timer(); });
    connect(m_flashTimer, &QTimer::timeout, this, [this] { TimerFP_Timer(); });

    m_preview->onClick = [this] { R_Click(); };
    m_preview->onMouseUp = [this](int) { R_MouseUp(); };
    m_preview->onKeyUp = [this](int) { R_KeyUp(); };
    m_preview->onCopy = [this] { mnuCopy_Click(); };

    connect(m_fileMenu, &QMenu::aboutToShow, this, [this] { mnuFile_Click(); });
    connect(m_editMenu, &QMenu::aboutToShow, this, [this] { mnuEdit_Click(); });
    connect(m_saveAction, &QAction::triggered, this, [this] { mnuSave_Click(); });
    connect(m_printAction, &QAction::triggered, this, [this] { mnuPrint_Click(); });
    connect(m_previewAction, &QAction::triggered, this, [this] { mnuPreview_Click(); });
    connect(m_pdfAction, &QAction::triggered, this, [this] { mnuPdf_Click(); });
    connect(m_exitAction, &QAction::triggered, this, [this] { mnuX_Click(); });
    connect(m_copyAction, &QAction::triggered, this, [this] { mnuCopy_Click(); });
    connect(m_copyPlainTextAction, &QAction::triggered, this, [this] { mnuCPlainText_Click(); });
    connect(m_onlineHelpAction, &QAction::triggered, this, [this] { mnuOHelp_Click(); });
    connect(m_aboutAction, &QAction::triggered, this, [this] { mnuAbout_Click(); });
    connect(m_detailsAction, &QAction::triggered, this, [this] { mnuDetails_Click(); });
}

void FacelisterWindow::Form_Load()
{
    openWait();
    const int installed = m_services.fonts.count();
    m_progress.setMax(5.0 * installed);
    m_waitWindow->setStatus(tr("Retrieving font names..."));
    CommandRL_Click();
    m_progress.setValue(installed);
    m_services.busy.setBusy(false);
    if (m_list.count() > 0) {
        m_list.setSelected(0);
        showSelection();
        ListFonts_Click();
    }
    CommandPreview_Click();
    m_samplesChoice = m_settingsPanel->samplesBox()->isChecked() ? 1 : 0;
}

void FacelisterWindow::CommandRL_Click()
{
    // The one command that forgets the user's pruning; every other rebuild keeps it.
    m_list.forgetPruning();
    rebuildList(true);
}

void FacelisterWindow::rebuildList(bool markOutOfDate)
{
    m_services.busy.setBusy(true);
    m_fontsPanel->listBox()->setVisible(false);
    m_list.build(m_services.fonts, m_fontsPanel->symbolFontsBox()->isChecked(),
                 m_fontsPanel->systemFontsBox()->isChecked());
    showList();
    // A rebuild made by the refresh itself leaves the indicator alone: the preview that
    // follows is up to date.
    if (markOutOfDate)
        FlashPreview();
    m_services.busy.setBusy(false);
    m_fontsPanel->availableLabel()->setText(m_list.availableText());
    updateListedCount();
    m_fontsPanel->listBox()->setVisible(true);
}

void FacelisterWindow::showList(bool keepScroll)
{
    m_fontsPanel->showEntries(m_list.entries(), m_list.selected(), keepScroll);
    updateDetails();
}

void FacelisterWindow::showSelection()
{
    m_fontsPanel->showSelection(m_list.selected());
    updateDetails();
}

void FacelisterWindow::mnuDetails_Click()
{
    m_detailsPanel->setVisible(m_detailsAction->isChecked());
    updateDetails();
}

void FacelisterWindow::updateDetails()
{
    if (m_detailsPanel->isHidden())
        return;
    const int selected = m_list.selected();
    m_detailsPanel->showFont(selected >= 0 ? m_list.entries().at(selected) : QString(),
                             m_settingsPanel->sampleBox()->text());
}

void FacelisterWindow::updateListedCount()
{
    m_fontsPanel->listedLabel()->setText(m_list.listedText());
}

void FacelisterWindow::CommandRemove_Click()
{
    if (!m_list.removeSelected())
        return;
    showList(true);
    updateListedCount();
    if (m_list.count() < 2)
        m_fontsPanel->removeButton()->setEnabled(false);
    FlashPreview();
}

void FacelisterWindow::CommandCap_Click()
{
    if (m_list.selected() < 0)
        return;
    m_services.busy.setBusy(true);
    m_list.capitaliseSelected();
    showList(true);
    m_services.busy.setBusy(false);
    FlashPreview();
}

void FacelisterWindow::ListFonts_Click()
{
    m_list.setSelected(m_fontsPanel->listBox()->currentRow());
    if (m_fontsPanel->listBox()->selectedItems().isEmpty())
        m_list.setSelected(-1);
    updateDetails();
    if (m_list.selected() < 0)
        return;
    m_fontsPanel->capitaliseButton()->setEnabled(true);
    m_fontsPanel->removeButton()->setEnabled(true);
}

void FacelisterWindow::CheckSF_Click()
{
    if (m_fontsPanel->symbolFontsBox()->isChecked() != m_list.builtWithSymbol())
        FlashPreview();
}

void FacelisterWindow::CheckSYS_Click()
{
    if (m_fontsPanel->systemFontsBox()->isChecked() != m_list.builtWithSystem())
        FlashPreview();
}

void FacelisterWindow::TextSearch_Change()
{
    m_list.setSearch(m_fontsPanel->searchBox()->text());
    showListedFonts();
}

void FacelisterWindow::TextSample_Change()
{
    // The box keeps no more than its limit and cuts a longer paste in silence: say so, once
    // each time the sample reaches the limit.
    const QLineEdit *sample = m_settingsPanel->sampleBox();
    const bool full = sample->text().size() >= sample->maxLength();
    if (full && !m_sampleFullTold)
        m_services.messages.message(
            tr("The sample text holds at most %1 characters; the rest was left out.")
                .arg(sample->maxLength()),
            programName(), MessageService::Buttons::Ok, MessageService::Icon::Information);
    m_sampleFullTold = full;
    FlashPreview();
    updateDetails();
    // Without a sample the filter has nothing to ask for.
    m_settingsPanel->coverageBox()->setEnabled(!m_settingsPanel->sampleBox()->text().isEmpty());
    if (m_settingsPanel->coverageBox()->isChecked())
        CheckCover_Click();
}

void FacelisterWindow::CheckCover_Click()
{
    // The first filter loads every font's character map, which takes a while.
    m_services.busy.setBusy(true);
    m_list.setRequiredText(m_services.fonts, m_settingsPanel->coverageBox()->isChecked()
                                                 ? m_settingsPanel->sampleBox()->text()
                                                 : QString());
    m_services.busy.setBusy(false);
    showListedFonts();
}

void FacelisterWindow::showListedFonts()
{
    showList();
    updateListedCount();
    FlashPreview();
}

void FacelisterWindow::setBuildControlsEnabled(bool enabled)
{
    m_outOfDateIndicator->setEnabled(enabled);
    m_refreshButton->setEnabled(enabled);
    m_fontsPanel->setEnabled(enabled);
    m_settingsPanel->setEnabled(enabled);
    m_helpButton->setEnabled(enabled);
}

void FacelisterWindow::openWait()
{
    if (!m_waitWindow->isLoaded())
        m_waitWindow->load();
}

void FacelisterWindow::applySampleRule()
{
    if (PreviewBuilder::sampleRuleSize(m_settingsPanel->sizeBox()->currentText()) >
        PreviewBuilder::kMaxSampleSize) {
        if (m_settingsPanel->samplesBox()->isEnabled()) {
            m_samplesChoice = m_settingsPanel->samplesBox()->isChecked() ? 1 : 0;
            m_settingsPanel->samplesBox()->setChecked(false);
            m_settingsPanel->samplesBox()->setEnabled(false);
        }
        return;
    }
    if (!m_settingsPanel->samplesBox()->isEnabled())
        m_settingsPanel->samplesBox()->setEnabled(true);
    if (m_settingsPanel->samplesBox()->isChecked() != (m_samplesChoice == 1))
        m_settingsPanel->samplesBox()->setChecked(m_samplesChoice == 1);
}

void FacelisterWindow::CheckBI_Click()
{
    m_samplesChoice = m_settingsPanel->samplesBox()->isChecked() ? 1 : 0;
}

int FacelisterWindow::entryLineAt(int position) const
{
    const auto after =
        std::upper_bound(m_previewLines.cbegin(), m_previewLines.cend(), position,
                         [](int at, const PreviewBuilder::Line &line) { return at < line.start; });
    if (after == m_previewLines.cbegin())
        return -1;
    const int index = int(after - m_previewLines.cbegin()) - 1;
    const PreviewBuilder::Line &line = m_previewLines.at(index);
    return position <= line.start + line.length ? index : -1;
}

QString FacelisterWindow::entryAtSelection() const
{
    // A selection within one entry's line names that entry: a click leaves an insertion
    // point on the line, and a symbol font's name is written in the default face, which
    // names no entry.
    const int start = m_preview->selStart();
    const int line = entryLineAt(start);
    if (line < 0 || line != entryLineAt(start + m_preview->selLength()))
        return {};
    return m_previewEntries.at(line);
}

void FacelisterWindow::linkPreviewToList()
{
    const QString entry = entryAtSelection();
    const QString face = entry.isEmpty() ? m_preview->selFontName() : entry;
    m_list.setSelected(face.size() > 1 ? m_list.indexOf(face) : -1);
    showSelection();
}

void FacelisterWindow::enableListCommandsBySelection()
{
    const bool selected = m_list.selected() >= 0;
    m_fontsPanel->capitaliseButton()->setEnabled(selected);
    m_fontsPanel->removeButton()->setEnabled(selected);
}

void FacelisterWindow::R_Click()
{
    enableListCommandsBySelection();
}

void FacelisterWindow::R_MouseUp()
{
    linkPreviewToList();
}

void FacelisterWindow::R_KeyUp()
{
    linkPreviewToList();
    enableListCommandsBySelection();
}

bool FacelisterWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_outOfDateIndicator) {
        if (event->type() == QEvent::MouseButtonPress) {
            CommandPreview_Click();
            return true;
        }
        if (event->type() == QEvent::FocusIn && m_refreshButton->isEnabled())
            m_refreshButton->setFocus(Qt::OtherFocusReason);
    }
    return QMainWindow::eventFilter(watched, event);
}
