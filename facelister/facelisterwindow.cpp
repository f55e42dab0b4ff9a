// The main window of Facelister: see facelisterwindow.h.
#include "facelisterwindow.h"

#include "busypointer.h"
#include "clipboardservice.h"
#include "filelocations.h"
#include "fontcatalog.h"
#include "fontlisthtml.h"
#include "helppage.h"
#include "messageservice.h"
#include "named.h"
#include "pendingevents.h"
#include "pleasewaitwindow.h"
#include "previewbuilder.h"
#include "publisher.h"
#include "richtextedit.h"
#include "savefiledialog.h"
#include "shellservice.h"
#include "textfile.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLoggingCategory>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <QVBoxLayout>

Q_LOGGING_CATEGORY(lcFacelister, "kerncraft.facelister")

#ifndef KERNCRAFT_HELP_URL_FACELISTER
#define KERNCRAFT_HELP_URL_FACELISTER ""
#endif

namespace {

const QString kProgramName = QStringLiteral("Facelister");
const QString kRefreshTip =
    QStringLiteral("Refresh the Preview (below) making any changes you have selected.");

} // namespace

FacelisterWindow::FacelisterWindow(const FacelisterServices &services, QWidget *parent)
    : QMainWindow(parent), m_services(services)
{
    setObjectName(QStringLiteral("FormFL"));
    setWindowTitle(kProgramName);
    setupControls();
    setupMenus();
    setupConnections();
}

FacelisterWindow::~FacelisterWindow() = default;

void FacelisterWindow::setupControls()
{
    auto *central = new QWidget(this);
    auto *layout = new QVBoxLayout(central);
    layout->addWidget(createFontsFrame(central), 1);
    layout->addWidget(createSettingsFrame(central));
    layout->addLayout(createRefreshRow(central));

    m_preview = named(new RichTextEdit(central), "R");
    m_preview->setToolTip(QStringLiteral("This is a Preview of the list of fonts."));
    // However small the window, the title and the first font's line stay in view.
    m_preview->setMinimumHeight(10 * m_preview->fontMetrics().height());
    layout->addWidget(m_preview, 1);
    // The list and the preview share the height alike, each above its smallest, rather
    // than the preview first taking all it would like.
    for (QWidget *grows :
         {static_cast<QWidget *>(m_fontsFrame), static_cast<QWidget *>(m_preview)}) {
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

QGroupBox *FacelisterWindow::createFontsFrame(QWidget *parent)
{
    m_fontsFrame = named(new QGroupBox(QStringLiteral("Fonts to use"), parent), "Frame1");
    m_searchBox = named(new QLineEdit(m_fontsFrame), "TextSearch");
    m_searchBox->setPlaceholderText(QStringLiteral("Find a font by name"));
    m_searchBox->setClearButtonEnabled(true);
    m_searchBox->setToolTip(QStringLiteral("List only the fonts whose names contain this text."));
    m_fontListBox = named(new QListWidget(m_fontsFrame), "ListFonts");
    m_fontListBox->setSelectionMode(QAbstractItemView::SingleSelection);
    m_fontListBox->setToolTip(QStringLiteral("These fonts will be used in the Preview."));
    // Enough rows to pick from however small the window.
    m_fontListBox->setMinimumHeight(6 * m_fontListBox->fontMetrics().height());
    m_symbolFontsBox =
        named(new QCheckBox(QStringLiteral("Include s&ymbol fonts"), m_fontsFrame), "CheckSF");
    m_systemFontsBox =
        named(new QCheckBox(QStringLiteral("Include sys&tem fonts"), m_fontsFrame), "CheckSYS");
    m_removeButton = named(new QPushButton(QStringLiteral("&Remove selected font"), m_fontsFrame),
                           "CommandRemove");
    m_removeButton->setToolTip(
        QStringLiteral("Remove the selected font from the list so it isn't used in the Preview"));
    m_capitaliseButton =
        named(new QPushButton(QStringLiteral("Make selected font &uppercase"), m_fontsFrame),
              "CommandCap");
    m_capitaliseButton->setToolTip(
        QStringLiteral("If the selected font in the Preview isn't "
                       "displayed correctly, try changing it to UPPERCASE"));
    m_resetListButton =
        named(new QPushButton(QStringLiteral("Reset &list"), m_fontsFrame), "CommandRL");
    m_resetListButton->setToolTip(
        QStringLiteral("Reset the list of fonts making any changes you have selected."));
    m_availableLabel = named(new QLabel(m_fontsFrame), "Label1");
    m_listedLabel = named(new QLabel(m_fontsFrame), "Label2");

    auto *listSide = new QVBoxLayout;
    listSide->addWidget(m_symbolFontsBox);
    listSide->addWidget(m_systemFontsBox);
    listSide->addSpacing(6);
    listSide->addWidget(m_removeButton);
    listSide->addWidget(m_capitaliseButton);
    listSide->addWidget(m_resetListButton);
    listSide->addStretch(1);
    listSide->addWidget(m_availableLabel);
    listSide->addWidget(m_listedLabel);
    auto *listColumn = new QVBoxLayout;
    listColumn->addWidget(m_searchBox);
    listColumn->addWidget(m_fontListBox, 1);
    auto *frameLayout = new QHBoxLayout(m_fontsFrame);
    frameLayout->addLayout(listColumn, 1);
    frameLayout->addLayout(listSide);
    return m_fontsFrame;
}

QGroupBox *FacelisterWindow::createSettingsFrame(QWidget *parent)
{
    m_settingsFrame = named(new QGroupBox(QStringLiteral("Settings"), parent), "Frame2");
    m_sizeLabel = named(new QLabel(QStringLiteral("Select font size:"), m_settingsFrame), "Label3");
    m_sizeBox = named(new QComboBox(m_settingsFrame), "ComboFS");
    m_sizeBox->setEditable(true);
    m_sizeBox->setInsertPolicy(QComboBox::NoInsert);
    // Wide enough for a typed size with a fraction ("22.5"), not only the listed ones.
    m_sizeBox->setMinimumContentsLength(4);
    m_sizeBox->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_sizeBox->addItems({QStringLiteral("10"), QStringLiteral("12"), QStringLiteral("14"),
                         QStringLiteral("16"), QStringLiteral("18"), QStringLiteral("20"),
                         QStringLiteral("22"), QStringLiteral("24"), QStringLiteral("28"),
                         QStringLiteral("32"), QStringLiteral("36")});
    m_sizeBox->setCurrentText(QStringLiteral("22"));
    m_sizeBox->setToolTip(QStringLiteral(
        "Select a font size - you can only preview Bold/Italic using sizes les than 23-point."));
    m_sizeLabel->setBuddy(m_sizeBox);
    m_samplesBox = named(
        new QCheckBox(QStringLiteral("&Include examples of Bold and Italic"), m_settingsFrame),
        "CheckBI");
    m_samplesBox->setChecked(true);
    m_samplesBox->setToolTip(
        QStringLiteral("Inclide a sample of each font in Bold and in Italic."));
    m_sampleLabel = named(new QLabel(QStringLiteral("Sa&mple text:"), m_settingsFrame), "Label4");
    m_sampleBox = named(new QLineEdit(m_settingsFrame), "TextSample");
    m_sampleBox->setClearButtonEnabled(true);
    m_sampleBox->setToolTip(
        QStringLiteral("Text to show after each font's name in the Preview; empty for none."));
    m_sampleLabel->setBuddy(m_sampleBox);
    m_coverageBox =
        named(new QCheckBox(QStringLiteral("Only fonts with every character of the sample"),
                            m_settingsFrame),
              "CheckCover");
    m_coverageBox->setToolTip(QStringLiteral(
        "List only the fonts that have a character of their own for every character of the "
        "sample text."));

    auto *sizeRow = new QHBoxLayout;
    sizeRow->addWidget(m_sizeLabel);
    sizeRow->addWidget(m_sizeBox);
    sizeRow->addSpacing(16);
    sizeRow->addWidget(m_samplesBox);
    sizeRow->addStretch(1);
    auto *sampleRow = new QHBoxLayout;
    sampleRow->addWidget(m_sampleLabel);
    sampleRow->addWidget(m_sampleBox, 1);
    auto *frameLayout = new QVBoxLayout(m_settingsFrame);
    frameLayout->addLayout(sizeRow);
    frameLayout->addLayout(sampleRow);
    frameLayout->addWidget(m_coverageBox);
    return m_settingsFrame;
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
    connect(m_resetListButton, &QPushButton::clicked, this, [this] { CommandRL_Click(); });
    connect(m_removeButton, &QPushButton::clicked, this, [this] { CommandRemove_Click(); });
    connect(m_capitaliseButton, &QPushButton::clicked, this, [this] { CommandCap_Click(); });
    // A click on the entry already selected counts too, as it re-enables the commands.
    connect(m_fontListBox, &QListWidget::itemSelectionChanged, this, [this] { ListFonts_Click(); });
    connect(m_fontListBox, &QListWidget::itemClicked, this, [this] { ListFonts_Click(); });
    connect(m_searchBox, &QLineEdit::textChanged, this, [this] { TextSearch_Change(); });
    connect(m_sampleBox, &QLineEdit::textChanged, this, [this] { TextSample_Change(); });
    connect(m_coverageBox, &QCheckBox::clicked, this, [this] { CheckCover_Click(); });
    connect(m_symbolFontsBox, &QCheckBox::clicked, this, [this] { CheckSF_Click(); });
    connect(m_systemFontsBox, &QCheckBox::clicked, this, [this] { CheckSYS_Click(); });
    connect(m_samplesBox, &QCheckBox::clicked, this, [this] { CheckBI_Click(); });
    // Every change of the samples option, by the user or by the size rule, dates the preview.
    connect(m_samplesBox, &QCheckBox::toggled, this, [this] { FlashPreview(); });
    connect(m_sizeBox, &QComboBox::currentTextChanged, this, [this] { applySampleRule(); });
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
    m_samplesChoice = m_samplesBox->isChecked() ? 1 : 0;
}

void FacelisterWindow::CommandRL_Click()
{
    rebuildList(true);
}

void FacelisterWindow::rebuildList(bool markOutOfDate)
{
    m_services.busy.setBusy(true);
    m_fontListBox->setVisible(false);
    m_list.build(m_services.fonts, m_symbolFontsBox->isChecked(), m_systemFontsBox->isChecked());
    showList();
    // A rebuild made by the refresh itself leaves the indicator alone: the preview that
    // follows is up to date.
    if (markOutOfDate)
        FlashPreview();
    m_services.busy.setBusy(false);
    m_availableLabel->setText(m_list.availableText());
    updateListedCount();
    m_fontListBox->setVisible(true);
}

void FacelisterWindow::showList(bool keepScroll)
{
    const QSignalBlocker blocker(m_fontListBox);
    QScrollBar *scroll = m_fontListBox->verticalScrollBar();
    const int scrolled = scroll->value();
    m_fontListBox->clear();
    m_fontListBox->addItems(m_list.entries());
    // After a change to one entry the rows stay where they were, as in any list; the
    // selection is only brought into view when it left it.
    if (keepScroll)
        scroll->setValue(scrolled);
    showSelection();
}

void FacelisterWindow::showSelection()
{
    const QSignalBlocker blocker(m_fontListBox);
    const int selected = m_list.selected();
    if (selected < 0) {
        m_fontListBox->clearSelection();
        m_fontListBox->setCurrentRow(-1);
    } else {
        m_fontListBox->setCurrentRow(selected, QItemSelectionModel::ClearAndSelect);
        m_fontListBox->scrollToItem(m_fontListBox->item(selected));
    }
}

void FacelisterWindow::updateListedCount()
{
    m_listedLabel->setText(m_list.listedText());
}

void FacelisterWindow::CommandRemove_Click()
{
    if (!m_list.removeSelected())
        return;
    showList(true);
    updateListedCount();
    if (m_list.count() < 2)
        m_removeButton->setEnabled(false);
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
    m_list.setSelected(m_fontListBox->currentRow());
    if (m_fontListBox->selectedItems().isEmpty())
        m_list.setSelected(-1);
    if (m_list.selected() < 0)
        return;
    m_capitaliseButton->setEnabled(true);
    m_removeButton->setEnabled(true);
}

void FacelisterWindow::CheckSF_Click()
{
    if (m_symbolFontsBox->isChecked() != m_list.builtWithSymbol())
        FlashPreview();
}

void FacelisterWindow::CheckSYS_Click()
{
    if (m_systemFontsBox->isChecked() != m_list.builtWithSystem())
        FlashPreview();
}

void FacelisterWindow::TextSearch_Change()
{
    m_list.setSearch(m_searchBox->text());
    showListedFonts();
}

void FacelisterWindow::TextSample_Change()
{
    FlashPreview();
    if (m_coverageBox->isChecked())
        CheckCover_Click();
}

void FacelisterWindow::CheckCover_Click()
{
    // The first filter loads every font's character map, which takes a while.
    m_services.busy.setBusy(true);
    m_list.setRequiredText(m_services.fonts,
                           m_coverageBox->isChecked() ? m_sampleBox->text() : QString());
    m_services.busy.setBusy(false);
    showListedFonts();
}

void FacelisterWindow::showListedFonts()
{
    showList();
    updateListedCount();
    FlashPreview();
}

void FacelisterWindow::mnuCPlainText_Click()
{
    m_services.clipboard.clear();
    m_services.clipboard.setText(m_list.plainText());
}

void FacelisterWindow::setBuildControlsEnabled(bool enabled)
{
    m_outOfDateIndicator->setEnabled(enabled);
    m_refreshButton->setEnabled(enabled);
    m_fontsFrame->setEnabled(enabled);
    m_settingsFrame->setEnabled(enabled);
    m_helpButton->setEnabled(enabled);
}

void FacelisterWindow::openWait()
{
    if (!m_waitWindow->isLoaded())
        m_waitWindow->load();
}

void FacelisterWindow::CommandPreview_Click()
{
    if (!m_outOfDateIndicator->isEnabled())
        return;
    setIndicatorBold(false);
    m_services.busy.setBusy(true);
    setBuildControlsEnabled(false);
    openWait();
    m_waitWindow->setStatus(QStringLiteral("Creating preview..."));
    if (m_list.filtersDiffer(m_symbolFontsBox->isChecked(), m_systemFontsBox->isChecked()))
        rebuildList(false);
    if (m_hasLoaded)
        m_waitWindow->setMessage(QStringLiteral("Please wait while preview is refreshed..."));
    else
        m_hasLoaded = true;
    if (m_progress.value() == 0) {
        m_progress.setMax(double(m_list.count()) * (m_samplesBox->isChecked() ? 8 : 4));
        m_waitWindow->show();
    }
    m_refreshTimer->start();
}

void FacelisterWindow::TimerRefresh_Timer()
{
    m_refreshTimer->stop();
    m_preview->setVisible(false);
    m_services.busy.setBusy(false);
    const PreviewBuilder::Size size = PreviewBuilder::normaliseSize(m_sizeBox->currentText());
    if (size.text != m_sizeBox->currentText())
        m_sizeBox->setCurrentText(size.text);
    PreviewBuilder::Options options;
    options.size = size.points;
    options.samples = m_samplesBox->isChecked();
    options.sampleText = m_sampleBox->text();
    options.isSymbolFont = [this](const QString &entry) { return m_list.isSymbolFont(entry); };
    m_previewEntries = m_list.entries();
    m_previewLines =
        PreviewBuilder::build(*m_preview, m_previewEntries, options, &m_progress,
                              [this](const QString &status) { m_waitWindow->setStatus(status); })
            .lines;
    m_progress.setValue(0);
    m_waitWindow->unload();
    setBuildControlsEnabled(true);
    m_preview->setVisible(true);
    m_services.busy.setBusy(false);
    ++m_buildCount;
}

void FacelisterWindow::setIndicatorBold(bool bold)
{
    QFont font = m_outOfDateIndicator->font();
    font.setBold(bold);
    m_outOfDateIndicator->setFont(font);
}

void FacelisterWindow::FlashPreview()
{
    if (!m_flashTimer->isActive()) {
        m_flashCount = 0;
        TimerFP_Timer();
        m_flashTimer->start();
    }
    setIndicatorBold(true);
}

void FacelisterWindow::TimerFP_Timer()
{
    QPalette palette = m_outOfDateIndicator->palette();
    const bool black = palette.color(QPalette::Text) == QColor(Qt::black);
    palette.setColor(QPalette::Text, black ? QColor(255, 0, 0) : QColor(Qt::black));
    m_outOfDateIndicator->setPalette(palette);
    if (++m_flashCount >= kFlashSteps)
        m_flashTimer->stop();
}

void FacelisterWindow::applySampleRule()
{
    if (PreviewBuilder::sampleRuleSize(m_sizeBox->currentText()) > PreviewBuilder::kMaxSampleSize) {
        if (m_samplesBox->isEnabled()) {
            m_samplesChoice = m_samplesBox->isChecked() ? 1 : 0;
            m_samplesBox->setChecked(false);
            m_samplesBox->setEnabled(false);
        }
        return;
    }
    if (!m_samplesBox->isEnabled())
        m_samplesBox->setEnabled(true);
    if (m_samplesBox->isChecked() != (m_samplesChoice == 1))
        m_samplesBox->setChecked(m_samplesChoice == 1);
}

void FacelisterWindow::CheckBI_Click()
{
    m_samplesChoice = m_samplesBox->isChecked() ? 1 : 0;
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
    m_capitaliseButton->setEnabled(selected);
    m_removeButton->setEnabled(selected);
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

void FacelisterWindow::mnuFile_Click()
{
    const bool hasPreview = FontListHtml::hasContent(m_preview->text());
    m_saveAction->setEnabled(hasPreview);
    m_printAction->setEnabled(hasPreview);
}

void FacelisterWindow::mnuEdit_Click()
{
    m_copyAction->setEnabled(FontListHtml::hasContent(m_preview->text()));
    m_copyPlainTextAction->setEnabled(m_list.count() > 0);
}

void FacelisterWindow::mnuSave_Click()
{
    const QString name = m_services.saveDialog.saveFileName(
        QStringLiteral("Save As"), m_lastSaveName, QStringLiteral("Rich Text format (*.rtf)"));
    // A cancelled dialog writes nothing, whatever name an earlier save left behind.
    if (name.isEmpty())
        return;
    m_lastSaveName = name;
    const WriteResult result =
        TextFile::writeAtomically(name, m_preview->rtf() + QByteArrayLiteral("\r\n"));
    if (!result.ok) {
        // The system's reasons come without a closing full stop.
        QString reason = result.error.trimmed();
        if (!reason.isEmpty() && !reason.endsWith(u'.'))
            reason += u'.';
        m_services.messages.message(
            QStringLiteral("The font list could not be saved as \"%1\".  %2")
                .arg(QDir::toNativeSeparators(name), reason),
            kProgramName, MessageService::Buttons::Ok, MessageService::Icon::Warning);
    }
}

void FacelisterWindow::mnuPrint_Click()
{
    if (!FontListHtml::hasContent(m_preview->text())) {
        m_services.busy.setBusy(false);
        return;
    }
    const auto answer = m_services.messages.message(
        QStringLiteral(
            "This will open the font list in Internet Explorer.  You can then use Print "
            "Preview and Print on the File menu to preview or print the list of fonts.  You "
            "can change margins and headers and footers using Page Setup on the File menu."),
        QStringLiteral("Print font list"), MessageService::Buttons::OkCancel,
        MessageService::Icon::Information);
    if (answer != MessageService::Answer::Ok)
        return;
    m_services.busy.setBusy(true);
    m_preview->setVisible(false);
    const QByteArray page = FontListHtml::pageBytes(*m_preview, downloadAddress());
    m_preview->setVisible(true);
    m_preview->select(0, 0);
    // The program's folder when it can be written, else the user's own data folder;
    // never a temporary folder that other users share.
    const QString folder = m_services.files.dataFolder();
    if (folder.isEmpty()) {
        qCWarning(lcFacelister) << "no writable folder for" << FontListHtml::fileName();
        m_services.busy.setBusy(false);
        return;
    }
    const QString path = QDir(folder).filePath(FontListHtml::fileName());
    const WriteResult result = TextFile::writeAtomically(path, page);
    processPendingEvents();
    if (!result.ok) {
        qCWarning(lcFacelister) << "cannot write" << path << result.error;
        m_services.busy.setBusy(false);
        return;
    }
    if (!m_services.shell.openDocument(path, folder))
        qCWarning(lcFacelister) << "no handler opened" << path;
    m_services.busy.setBusy(false);
}

void FacelisterWindow::closeEvent(QCloseEvent *event)
{
    // A build still waiting for its tick must not run behind a closed window, and the
    // please-wait window must not keep the program alive.
    m_refreshTimer->stop();
    m_flashTimer->stop();
    m_waitWindow->unload();
    QMainWindow::closeEvent(event);
}

void FacelisterWindow::mnuX_Click()
{
    close();
    QCoreApplication::quit();
}

void FacelisterWindow::mnuCopy_Click()
{
    m_services.clipboard.clear();
    // The plain text goes beside the rich text, for editors that take no RTF.
    m_services.clipboard.setRtfAndText(m_preview->rtf(), m_preview->text());
}

QString FacelisterWindow::helpAddress(const QString &programFolder)
{
    return HelpPage::address(QStringLiteral(KERNCRAFT_HELP_URL_FACELISTER), programFolder,
                             QStringLiteral("facelister.html"));
}

void FacelisterWindow::mnuOHelp_Click()
{
    m_services.shell.openAddress(helpAddress(m_services.files.programFolder()));
}

void FacelisterWindow::CommandHelp_Click()
{
    mnuOHelp_Click();
}

QString FacelisterWindow::downloadAddress()
{
    return Publisher::downloadAddress();
}

QString FacelisterWindow::aboutText()
{
    const QString mailbox = Publisher::suggestionsAddress();
    // Qt's message box breaks lines at "\n"; the text is otherwise as it stands.
    return QString() + QStringLiteral("\n") +
           QStringLiteral("Facelister 1.0 lists the fonts on your computer, each name written in "
                          "its own face.") +
           QStringLiteral("\n\n") +
           QStringLiteral(
               "We are always looking for suggestions for how to improve our software and to make "
               "it more user-friendly.  If you have any suggestions, email ") +
           mailbox + QLatin1Char('.');
}

void FacelisterWindow::mnuAbout_Click()
{
    m_services.messages.message(aboutText(), kProgramName, MessageService::Buttons::Ok);
}
