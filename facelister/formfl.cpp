// The main window of Facelister: see formfl.h.
#include "formfl.h"

#include "buildinfo.h"
#include "busypointer.h"
#include "clipboardservice.h"
#include "filelocations.h"
#include "fontcatalog.h"
#include "fontlisthtml.h"
#include "frmwait.h"
#include "helppage.h"
#include "messageservice.h"
#include "pendingevents.h"
#include "previewbuilder.h"
#include "publisher.h"
#include "richtextedit.h"
#include "rtfwriter.h"
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
#include <QTimer>
#include <QVBoxLayout>

Q_LOGGING_CATEGORY(lcFacelister, "kerncraft.facelister")

namespace {

const QString kProgramName = QStringLiteral("Facelister");
const QString kRefreshTip =
    QStringLiteral("Refresh the Preview (below) making any changes you have selected.");

} // namespace

FormFL::FormFL(const FacelisterServices &services, QWidget *parent)
    : QMainWindow(parent), m_services(services)
{
    setObjectName(QStringLiteral("FormFL"));
    setWindowTitle(kProgramName);
    setupControls();
    setupMenus();
    setupConnections();
}

FormFL::~FormFL() = default;

void FormFL::setupControls()
{
    auto *central = new QWidget(this);
    auto *layout = new QVBoxLayout(central);

    Frame1 = new QGroupBox(QStringLiteral("Fonts to use"), central);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    ListFonts = new QListWidget(Frame1);
    ListFonts->setObjectName(QStringLiteral("ListFonts"));
    ListFonts->setSelectionMode(QAbstractItemView::SingleSelection);
    ListFonts->setToolTip(QStringLiteral("These fonts will be used in the Preview."));
    CheckSF = new QCheckBox(QStringLiteral("Include s&ymbol fonts"), Frame1);
    CheckSF->setObjectName(QStringLiteral("CheckSF"));
    CheckSYS = new QCheckBox(QStringLiteral("Include sys&tem fonts"), Frame1);
    CheckSYS->setObjectName(QStringLiteral("CheckSYS"));
    CommandRemove = new QPushButton(QStringLiteral("&Remove selected font"), Frame1);
    CommandRemove->setObjectName(QStringLiteral("CommandRemove"));
    CommandRemove->setToolTip(
        QStringLiteral("Remove the selected font from the list so it isn't used in the Preview"));
    CommandCap = new QPushButton(QStringLiteral("Make selected font &uppercase"), Frame1);
    CommandCap->setObjectName(QStringLiteral("CommandCap"));
    CommandCap->setToolTip(QStringLiteral("If the selected font in the Preview isn't displayed "
                                          "correctly, try changing it to UPPERCASE"));
    CommandRL = new QPushButton(QStringLiteral("Reset &list"), Frame1);
    CommandRL->setObjectName(QStringLiteral("CommandRL"));
    CommandRL->setToolTip(
        QStringLiteral("Reset the list of fonts making any changes you have selected."));
    Label1 = new QLabel(Frame1);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label2 = new QLabel(Frame1);
    Label2->setObjectName(QStringLiteral("Label2"));

    auto *listSide = new QVBoxLayout;
    listSide->addWidget(CheckSF);
    listSide->addWidget(CheckSYS);
    listSide->addSpacing(6);
    listSide->addWidget(CommandRemove);
    listSide->addWidget(CommandCap);
    listSide->addWidget(CommandRL);
    listSide->addStretch(1);
    listSide->addWidget(Label1);
    listSide->addWidget(Label2);
    auto *frame1Layout = new QHBoxLayout(Frame1);
    frame1Layout->addWidget(ListFonts, 1);
    frame1Layout->addLayout(listSide);
    layout->addWidget(Frame1, 2);

    Frame2 = new QGroupBox(QStringLiteral("Settings"), central);
    Frame2->setObjectName(QStringLiteral("Frame2"));
    Label3 = new QLabel(QStringLiteral("Select font size:"), Frame2);
    Label3->setObjectName(QStringLiteral("Label3"));
    ComboFS = new QComboBox(Frame2);
    ComboFS->setObjectName(QStringLiteral("ComboFS"));
    ComboFS->setEditable(true);
    ComboFS->setInsertPolicy(QComboBox::NoInsert);
    // Wide enough for a typed size with a fraction ("22.5"), not only the listed ones.
    ComboFS->setMinimumContentsLength(4);
    ComboFS->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    ComboFS->addItems({QStringLiteral("10"), QStringLiteral("12"), QStringLiteral("14"),
                       QStringLiteral("16"), QStringLiteral("18"), QStringLiteral("20"),
                       QStringLiteral("22"), QStringLiteral("24"), QStringLiteral("28"),
                       QStringLiteral("32"), QStringLiteral("36")});
    ComboFS->setCurrentText(QStringLiteral("22"));
    ComboFS->setToolTip(QStringLiteral(
        "Select a font size - you can only preview Bold/Italic using sizes les than 23-point."));
    Label3->setBuddy(ComboFS);
    CheckBI = new QCheckBox(QStringLiteral("&Include examples of Bold and Italic"), Frame2);
    CheckBI->setObjectName(QStringLiteral("CheckBI"));
    CheckBI->setChecked(true);
    CheckBI->setToolTip(QStringLiteral("Inclide a sample of each font in Bold and in Italic."));
    auto *frame2Layout = new QHBoxLayout(Frame2);
    frame2Layout->addWidget(Label3);
    frame2Layout->addWidget(ComboFS);
    frame2Layout->addSpacing(16);
    frame2Layout->addWidget(CheckBI);
    frame2Layout->addStretch(1);
    layout->addWidget(Frame2);

    TextRP = new QLineEdit(QStringLiteral("Refresh Preview"), central);
    TextRP->setObjectName(QStringLiteral("TextRP"));
    TextRP->setReadOnly(true);
    TextRP->setAlignment(Qt::AlignCenter);
    TextRP->setToolTip(kRefreshTip);
    TextRP->setCursor(Qt::PointingHandCursor);
    QPalette indicator = TextRP->palette();
    indicator.setColor(QPalette::Base, indicator.color(QPalette::Button));
    indicator.setColor(QPalette::Text, Qt::black);
    TextRP->setPalette(indicator);
    TextRP->installEventFilter(this);
    CommandPreview = new QPushButton(QStringLiteral("Refresh &Preview"), central);
    CommandPreview->setObjectName(QStringLiteral("CommandPreview"));
    CommandPreview->setToolTip(kRefreshTip);
    auto *refreshRow = new QHBoxLayout;
    refreshRow->addWidget(TextRP, 1);
    refreshRow->addWidget(CommandPreview);
    layout->addLayout(refreshRow);

    R = new RichTextEdit(central);
    R->setObjectName(QStringLiteral("R"));
    R->setToolTip(QStringLiteral("This is a Preview of the list of fonts."));
    // However small the window, the title and the first font's line stay in view.
    R->setMinimumHeight(10 * R->fontMetrics().height());
    layout->addWidget(R, 3);

    CommandHelp = new QPushButton(QStringLiteral("Help..."), central);
    CommandHelp->setObjectName(QStringLiteral("CommandHelp"));
    CommandHelp->setToolTip(QStringLiteral("Online Help"));
    auto *helpRow = new QHBoxLayout;
    helpRow->addStretch(1);
    helpRow->addWidget(CommandHelp);
    layout->addLayout(helpRow);

    setCentralWidget(central);
    resize(620, 720);

    TimerRefresh = new QTimer(this);
    TimerRefresh->setObjectName(QStringLiteral("TimerRefresh"));
    TimerRefresh->setInterval(kRefreshDelayMs);
    TimerFP = new QTimer(this);
    TimerFP->setObjectName(QStringLiteral("TimerFP"));
    TimerFP->setInterval(kFlashIntervalMs);
    m_wait = new FrmWait(m_progress, this);
}

void FormFL::setupMenus()
{
    auto makeAction = [this](QMenu *menu, const char *name, const QString &caption) {
        QAction *action = menu->addAction(caption);
        action->setObjectName(QString::fromLatin1(name));
        return action;
    };
    mnuFile = menuBar()->addMenu(QStringLiteral("&File"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    mnuSave = makeAction(mnuFile, "mnuSave", QStringLiteral("&Save As..."));
    mnuPrint = makeAction(mnuFile, "mnuPrint", QStringLiteral("&Print..."));
    mnuFile->addSeparator();
    mnuX = makeAction(mnuFile, "mnuX", QStringLiteral("E&xit"));

    mnuEdit = menuBar()->addMenu(QStringLiteral("&Edit"));
    mnuEdit->setObjectName(QStringLiteral("mnuEdit"));
    mnuCopy = makeAction(mnuEdit, "mnuCopy", QStringLiteral("Copy font list"));
    mnuCPlainText =
        makeAction(mnuEdit, "mnuCPlainText", QStringLiteral("Copy plain-text font list"));

    mnuHelp = menuBar()->addMenu(QStringLiteral("&Help"));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    mnuOHelp = makeAction(mnuHelp, "mnuOHelp", QStringLiteral("&Online help..."));
    mnuOHelp->setShortcut(QKeySequence(Qt::Key_F1));
    mnuAbout = makeAction(mnuHelp, "mnuAbout", QStringLiteral("&About..."));
}

void FormFL::setupConnections()
{
    connect(CommandRL, &QPushButton::clicked, this, [this] { CommandRL_Click(); });
    connect(CommandRemove, &QPushButton::clicked, this, [this] { CommandRemove_Click(); });
    connect(CommandCap, &QPushButton::clicked, this, [this] { CommandCap_Click(); });
    // A click on the entry already selected counts too, as it re-enables the commands.
    connect(ListFonts, &QListWidget::itemSelectionChanged, this, [this] { ListFonts_Click(); });
    connect(ListFonts, &QListWidget::itemClicked, this, [this] { ListFonts_Click(); });
    connect(CheckSF, &QCheckBox::clicked, this, [this] { CheckSF_Click(); });
    connect(CheckSYS, &QCheckBox::clicked, this, [this] { CheckSYS_Click(); });
    connect(CheckBI, &QCheckBox::clicked, this, [this] { CheckBI_Click(); });
    // Every change of the samples option, by the user or by the size rule, dates the preview.
    connect(CheckBI, &QCheckBox::toggled, this, [this] { FlashPreview(); });
    connect(ComboFS, &QComboBox::currentTextChanged, this, [this] { applySampleRule(); });
    connect(CommandPreview, &QPushButton::clicked, this, [this] { CommandPreview_Click(); });
    connect(CommandHelp, &QPushButton::clicked, this, [this] { CommandHelp_Click(); });
    connect(TimerRefresh, &QTimer::timeout, this, [this] { TimerRefresh_Timer(); });
    connect(TimerFP, &QTimer::timeout, this, [this] { TimerFP_Timer(); });

    R->onClick = [this] { R_Click(); };
    R->onMouseUp = [this](int) { R_MouseUp(); };
    R->onKeyUp = [this](int) { R_KeyUp(); };

    connect(mnuFile, &QMenu::aboutToShow, this, [this] { mnuFile_Click(); });
    connect(mnuEdit, &QMenu::aboutToShow, this, [this] { mnuEdit_Click(); });
    connect(mnuSave, &QAction::triggered, this, [this] { mnuSave_Click(); });
    connect(mnuPrint, &QAction::triggered, this, [this] { mnuPrint_Click(); });
    connect(mnuX, &QAction::triggered, this, [this] { mnuX_Click(); });
    connect(mnuCopy, &QAction::triggered, this, [this] { mnuCopy_Click(); });
    connect(mnuCPlainText, &QAction::triggered, this, [this] { mnuCPlainText_Click(); });
    connect(mnuOHelp, &QAction::triggered, this, [this] { mnuOHelp_Click(); });
    connect(mnuAbout, &QAction::triggered, this, [this] { mnuAbout_Click(); });
}

void FormFL::Form_Load()
{
    openWait();
    const int installed = m_services.fonts.count();
    m_progress.setMax(5.0 * installed);
    m_wait->setStatus(QStringLiteral("Retrieving font names..."));
    CommandRL_Click();
    m_progress.setValue(installed);
    m_services.busy.setBusy(false);
    if (m_list.count() > 0) {
        m_list.setSelected(0);
        showSelection();
        ListFonts_Click();
    }
    CommandPreview_Click();
    m_biRemembered = CheckBI->isChecked() ? 1 : 0;
}

void FormFL::CommandRL_Click()
{
    rebuildList(true);
}

void FormFL::rebuildList(bool markOutOfDate)
{
    m_services.busy.setBusy(true);
    ListFonts->setVisible(false);
    m_list.build(m_services.fonts, CheckSF->isChecked(), CheckSYS->isChecked());
    showList();
    // A rebuild made by the refresh itself leaves the indicator alone: the preview that
    // follows is up to date.
    if (markOutOfDate)
        FlashPreview();
    m_services.busy.setBusy(false);
    Label1->setText(m_list.availableText());
    updateListedCount();
    ListFonts->setVisible(true);
}

void FormFL::showList()
{
    const QSignalBlocker blocker(ListFonts);
    ListFonts->clear();
    ListFonts->addItems(m_list.entries());
    showSelection();
}

void FormFL::showSelection()
{
    const QSignalBlocker blocker(ListFonts);
    const int selected = m_list.selected();
    if (selected < 0) {
        ListFonts->clearSelection();
        ListFonts->setCurrentRow(-1);
    } else {
        ListFonts->setCurrentRow(selected, QItemSelectionModel::ClearAndSelect);
        ListFonts->scrollToItem(ListFonts->item(selected));
    }
}

void FormFL::updateListedCount()
{
    Label2->setText(m_list.listedText());
}

void FormFL::CommandRemove_Click()
{
    if (!m_list.removeSelected())
        return;
    showList();
    updateListedCount();
    if (m_list.count() < 2)
        CommandRemove->setEnabled(false);
    FlashPreview();
}

void FormFL::CommandCap_Click()
{
    if (m_list.selected() < 0)
        return;
    m_services.busy.setBusy(true);
    m_list.capitaliseSelected();
    showList();
    m_services.busy.setBusy(false);
    FlashPreview();
}

void FormFL::ListFonts_Click()
{
    m_list.setSelected(ListFonts->currentRow());
    if (ListFonts->selectedItems().isEmpty())
        m_list.setSelected(-1);
    if (m_list.selected() < 0)
        return;
    CommandCap->setEnabled(true);
    CommandRemove->setEnabled(true);
}

void FormFL::CheckSF_Click()
{
    if (CheckSF->isChecked() != m_list.builtWithSymbol())
        FlashPreview();
}

void FormFL::CheckSYS_Click()
{
    if (CheckSYS->isChecked() != m_list.builtWithSystem())
        FlashPreview();
}

void FormFL::mnuCPlainText_Click()
{
    m_services.clipboard.clear();
    m_services.clipboard.setText(m_list.plainText());
}

void FormFL::setBuildControlsEnabled(bool enabled)
{
    TextRP->setEnabled(enabled);
    CommandPreview->setEnabled(enabled);
    Frame1->setEnabled(enabled);
    Frame2->setEnabled(enabled);
    CommandHelp->setEnabled(enabled);
}

void FormFL::openWait()
{
    if (!m_wait->isLoaded())
        m_wait->load();
}

void FormFL::CommandPreview_Click()
{
    if (!TextRP->isEnabled())
        return;
    setIndicatorBold(false);
    m_services.busy.setBusy(true);
    setBuildControlsEnabled(false);
    openWait();
    m_wait->setStatus(QStringLiteral("Creating preview..."));
    if (m_list.filtersDiffer(CheckSF->isChecked(), CheckSYS->isChecked()))
        rebuildList(false);
    if (m_hasLoaded)
        m_wait->setMessage(QStringLiteral("Please wait while preview is refreshed..."));
    else
        m_hasLoaded = true;
    if (m_progress.value() == 0) {
        m_progress.setMax(double(m_list.count()) * (CheckBI->isChecked() ? 8 : 4));
        m_wait->show();
    }
    TimerRefresh->start();
}

void FormFL::TimerRefresh_Timer()
{
    TimerRefresh->stop();
    R->setVisible(false);
    m_services.busy.setBusy(false);
    const PreviewBuilder::Size size = PreviewBuilder::normaliseSize(ComboFS->currentText());
    if (size.text != ComboFS->currentText())
        ComboFS->setCurrentText(size.text);
    PreviewBuilder::build(*R, m_list.entries(), size.points, CheckBI->isChecked(), &m_progress,
                          [this](const QString &status) { m_wait->setStatus(status); });
    m_progress.setValue(0);
    m_wait->unload();
    setBuildControlsEnabled(true);
    R->setVisible(true);
    m_services.busy.setBusy(false);
    ++m_buildCount;
}

void FormFL::setIndicatorBold(bool bold)
{
    QFont font = TextRP->font();
    font.setBold(bold);
    TextRP->setFont(font);
}

void FormFL::FlashPreview()
{
    if (!TimerFP->isActive()) {
        m_flashCount = 0;
        TimerFP_Timer();
        TimerFP->start();
    }
    setIndicatorBold(true);
}

void FormFL::TimerFP_Timer()
{
    QPalette palette = TextRP->palette();
    const bool black = palette.color(QPalette::Text) == QColor(Qt::black);
    palette.setColor(QPalette::Text, black ? QColor(255, 0, 0) : QColor(Qt::black));
    TextRP->setPalette(palette);
    if (++m_flashCount >= kFlashSteps)
        TimerFP->stop();
}

void FormFL::applySampleRule()
{
    if (PreviewBuilder::sampleRuleSize(ComboFS->currentText()) > PreviewBuilder::kMaxSampleSize) {
        if (CheckBI->isEnabled()) {
            m_biRemembered = CheckBI->isChecked() ? 1 : 0;
            CheckBI->setChecked(false);
            CheckBI->setEnabled(false);
        }
        return;
    }
    if (!CheckBI->isEnabled())
        CheckBI->setEnabled(true);
    if (CheckBI->isChecked() != (m_biRemembered == 1))
        CheckBI->setChecked(m_biRemembered == 1);
}

void FormFL::CheckBI_Click()
{
    m_biRemembered = CheckBI->isChecked() ? 1 : 0;
}

void FormFL::linkPreviewToList()
{
    const QString face = R->selFontName();
    m_list.setSelected(face.size() > 1 ? m_list.indexOf(face) : -1);
    showSelection();
}

void FormFL::enableListCommandsBySelection()
{
    const bool selected = m_list.selected() >= 0;
    CommandCap->setEnabled(selected);
    CommandRemove->setEnabled(selected);
}

void FormFL::R_Click()
{
    enableListCommandsBySelection();
}

void FormFL::R_MouseUp()
{
    linkPreviewToList();
}

void FormFL::R_KeyUp()
{
    linkPreviewToList();
    enableListCommandsBySelection();
}

bool FormFL::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == TextRP) {
        if (event->type() == QEvent::MouseButtonPress) {
            CommandPreview_Click();
            return true;
        }
        if (event->type() == QEvent::FocusIn && CommandPreview->isEnabled())
            CommandPreview->setFocus(Qt::OtherFocusReason);
    }
    return QMainWindow::eventFilter(watched, event);
}

void FormFL::mnuFile_Click()
{
    const bool hasPreview = FontListHtml::hasContent(R->text());
    mnuSave->setEnabled(hasPreview);
    mnuPrint->setEnabled(hasPreview);
}

void FormFL::mnuEdit_Click()
{
    mnuCopy->setEnabled(FontListHtml::hasContent(R->text()));
    mnuCPlainText->setEnabled(m_list.count() > 0);
}

void FormFL::mnuSave_Click()
{
    const QString name = m_services.saveDialog.saveFileName(
        QStringLiteral("Save As"), m_lastSaveName, QStringLiteral("Rich Text format (*.rtf)"));
    // A cancelled dialog writes nothing, whatever name an earlier save left behind.
    if (name.isEmpty())
        return;
    m_lastSaveName = name;
    const WriteResult result = TextFile::writeAtomically(name, RtfWriter::fileBytes(R->rtf()));
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

void FormFL::mnuPrint_Click()
{
    if (!FontListHtml::hasContent(R->text())) {
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
    R->setVisible(false);
    const QByteArray page = FontListHtml::pageBytes(*R, downloadAddress());
    R->setVisible(true);
    R->select(0, 0);
    // Beside a program run from its build, else the user's own cache folder;
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

void FormFL::closeEvent(QCloseEvent *event)
{
    // A build still waiting for its tick must not run behind a closed window, and the
    // please-wait window must not keep the program alive.
    TimerRefresh->stop();
    TimerFP->stop();
    m_wait->unload();
    QMainWindow::closeEvent(event);
}

void FormFL::mnuX_Click()
{
    close();
    QCoreApplication::quit();
}

void FormFL::mnuCopy_Click()
{
    m_services.clipboard.clear();
    m_services.clipboard.setRtf(R->rtf());
}

QString FormFL::helpAddress(const QString &programFolder)
{
    return HelpPage::address(BuildInfo::kFacelisterHelpUrl, programFolder,
                             QStringLiteral("facelister.html"));
}

void FormFL::mnuOHelp_Click()
{
    m_services.shell.openAddress(helpAddress(m_services.files.programFolder()));
}

void FormFL::CommandHelp_Click()
{
    mnuOHelp_Click();
}

QString FormFL::downloadAddress()
{
    return Publisher::downloadAddress();
}

QString FormFL::aboutText()
{
    return Publisher::aboutText(
        QStringLiteral("Facelister %1 lists the fonts on your computer, each name written in its "
                       "own face.")
            .arg(Publisher::version()));
}

void FormFL::mnuAbout_Click()
{
    m_services.messages.message(aboutText(), kProgramName, MessageService::Buttons::Ok);
}
