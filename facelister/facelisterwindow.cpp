// The main window of Facelister: see facelisterwindow.h.
#include "facelisterwindow.h"

#include "busypointer.h"
#include "fontcatalog.h"
#include "fontlistpanel.h"
#include "named.h"
#include "pleasewaitwindow.h"
#include "previewbuilder.h"
#include "richtextedit.h"
#include "settingspanel.h"

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
#include <QTimer>
#include <QVBoxLayout>

namespace {

const QString kRefreshTip =
    QStringLiteral("Refresh the Preview (below) making any changes you have selected.");

} // namespace

FacelisterWindow::FacelisterWindow(const FacelisterServices &services, QWidget *parent)
    : QMainWindow(parent), m_services(services)
{
    setObjectName(QStringLiteral("FormFL"));
    setWindowTitle(programName());
    setupControls();
    setupMenus();
    setupConnections();
}

FacelisterWindow::~FacelisterWindow() = default;

void FacelisterWindow::setupControls()
{
    auto *central = new QWidget(this);
    auto *layout = new QVBoxLayout(central);
    m_fontsPanel = new FontListPanel(central);
    layout->addWidget(m_fontsPanel, 1);
    m_settingsPanel = new SettingsPanel(central);
    layout->addWidget(m_settingsPanel);
    layout->addLayout(createRefreshRow(central));

    m_preview = named(new RichTextEdit(central), "R");
    m_preview->setShowsManyFaces(true); // a line in each installed face
    m_preview->setToolTip(QStringLiteral("This is a Preview of the list of fonts."));
    // However small the window, the title and the first font's line stay in view.
    m_preview->setMinimumHeight(10 * m_preview->fontMetrics().height());
    layout->addWidget(m_preview, 1);
    // The list and the preview share the height alike, each above its smallest, rather
    // than the preview first taking all it would like.
    for (QWidget *grows :
         {static_cast<QWidget *>(m_fontsPanel), static_cast<QWidget *>(m_preview)}) {
        QSizePolicy policy = grows->sizePolicy();
        policy.setVerticalPolicy(QSizePolicy::Ignored);
        grows->setSizePolicy(policy);
        // An ignored policy would also ignore the layout's smallest height.
        grows->setMinimumHeight(qMax(grows->minimumHeight(), grows->minimumSizeHint().height()));
    }

    m_helpButton = named(new QPushButton(QStringLiteral("Help..."), central), "CommandHelp");
    m_helpButton->setToolTip(QStringLiteral("Online Help"));
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

QHBoxLayout *FacelisterWindow::createRefreshRow(QWidget *parent)
{
    m_outOfDateIndicator =
        named(new QLineEdit(QStringLiteral("Refresh Preview"), parent), "TextRP");
    m_outOfDateIndicator->setReadOnly(true);
    m_outOfDateIndicator->setAlignment(Qt::AlignCenter);
    m_outOfDateIndicator->setToolTip(kRefreshTip);
    m_outOfDateIndicator->setCursor(Qt::PointingHandCursor);
    QPalette indicator = m_outOfDateIndicator->palette();
    indicator.setColor(QPalette::Base, indicator.color(QPalette::Button));
    indicator.setColor(QPalette::Text, Qt::black);
    m_outOfDateIndicator->setPalette(indicator);
    m_outOfDateIndicator->installEventFilter(this);
    m_refreshButton =
        named(new QPushButton(QStringLiteral("Refresh &Preview"), parent), "CommandPreview");
    m_refreshButton->setToolTip(kRefreshTip);
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
    m_fileMenu = menuBar()->addMenu(QStringLiteral("&File"));
    m_fileMenu->setObjectName(QStringLiteral("mnuFile"));
    m_saveAction = makeAction(m_fileMenu, "mnuSave", QStringLiteral("&Save As..."));
    m_printAction = makeAction(m_fileMenu, "mnuPrint", QStringLiteral("&Print..."));
    m_fileMenu->addSeparator();
    m_exitAction = makeAction(m_fileMenu, "mnuX", QStringLiteral("E&xit"));

    m_editMenu = menuBar()->addMenu(QStringLiteral("&Edit"));
    m_editMenu->setObjectName(QStringLiteral("mnuEdit"));
    m_copyAction = makeAction(m_editMenu, "mnuCopy", QStringLiteral("Copy font list"));
    m_copyPlainTextAction =
        makeAction(m_editMenu, "mnuCPlainText", QStringLiteral("Copy plain-text font list"));

    m_helpMenu = menuBar()->addMenu(QStringLiteral("&Help"));
    m_helpMenu->setObjectName(QStringLiteral("mnuHelp"));
    m_onlineHelpAction = makeAction(m_helpMenu, "mnuOHelp", QStringLiteral("&Online help..."));
    m_onlineHelpAction->setShortcut(QKeySequence(Qt::Key_F1));
    m_aboutAction = makeAction(m_helpMenu, "mnuAbout", QStringLiteral("&About..."));
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

    connect(m_fileMenu, &QMenu::aboutToShow, this, [this] { mnuFile_Click(); });
    connect(m_editMenu, &QMenu::aboutToShow, this, [this] { mnuEdit_Click(); });
    connect(m_saveAction, &QAction::triggered, this, [this] { mnuSave_Click(); });
    connect(m_printAction, &QAction::triggered, this, [this] { mnuPrint_Click(); });
    connect(m_exitAction, &QAction::triggered, this, [this] { mnuX_Click(); });
    connect(m_copyAction, &QAction::triggered, this, [this] { mnuCopy_Click(); });
    connect(m_copyPlainTextAction, &QAction::triggered, this, [this] { mnuCPlainText_Click(); });
    connect(m_onlineHelpAction, &QAction::triggered, this, [this] { mnuOHelp_Click(); });
    connect(m_aboutAction, &QAction::triggered, this, [this] { mnuAbout_Click(); });
}

void FacelisterWindow::Form_Load()
{
    openWait();
    const int installed = m_services.fonts.count();
    m_progress.setMax(5.0 * installed);
    m_waitWindow->setStatus(QStringLiteral("Retrieving font names..."));
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
}

void FacelisterWindow::showSelection()
{
    m_fontsPanel->showSelection(m_list.selected());
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
    FlashPreview();
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

QString FacelisterWindow::symbolNameAtSelection() const
{
    const int start = m_preview->selStart();
    const int end = start + m_preview->selLength();
    for (qsizetype i = 0; i < m_previewLines.size(); ++i) {
        const PreviewBuilder::Line &line = m_previewLines.at(i);
        if (line.plainLength > 0 && start >= line.start && end <= line.start + line.plainLength)
            return m_previewEntries.at(i);
    }
    return {};
}

void FacelisterWindow::linkPreviewToList()
{
    // A symbol font's name is written in the default face, which names no entry.
    const QString symbolName = symbolNameAtSelection();
    const QString face = symbolName.isEmpty() ? m_preview->selFontName() : symbolName;
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
