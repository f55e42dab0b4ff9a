// The main window of Glintwork: see glintworkwindow.h. This file builds the window and its
// command table, maps the controls to the settings record, runs the enabling rules and
// holds the small reactions and the help commands.
#include "ui/glintworkwindow.h"

#include "core/buildinfo.h"
#include "core/helppage.h"
#include "core/publisher.h"
#include "effects/colours.h"
#include "files/filelocations.h"
#include "fonts/fontcatalog.h"
#include "platform/clipboardservice.h"
#include "platform/messageservice.h"
#include "platform/shellservice.h"
#include "ui/effectspanel.h"
#include "ui/outputpane.h"
#include "widgets/richtext/richtextedit.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QShortcutEvent>
#include <QVBoxLayout>

namespace {

const QString kHelpPage = QStringLiteral("glintwork.html");
using G = GlintworkWindow;

} // namespace

GlintworkWindow::GlintworkWindow(const GlintworkServices &services, QWidget *parent)
    : QMainWindow(parent), m_services(services), m_modes(*services.fonts, m_progress),
      m_formatter(*services.random, m_recent, m_progress)
{
    m_formatter.setSymbolFonts(services.fonts->symbolFontNames());
    m_formatter.setFontCatalog(services.fonts);
    setObjectName(QStringLiteral("FormGW"));
    setWindowTitle(kTitle);

    m_central = new QWidget(this);
    m_central->setObjectName(QStringLiteral("central"));
    setCentralWidget(m_central);
    m_panel = new EffectsPanel(m_central);
    m_outputPane = new OutputPane(m_progress, m_central);
    // Saved and copied RTF marks the installed symbol fonts as such.
    m_outputPane->edit()->setSymbolFaces(SymbolFaces(services.fonts->symbolFontNames()));
    m_centralLayout = new QVBoxLayout(m_central);
    m_centralLayout->setContentsMargins(8, 6, 8, 6);
    m_centralLayout->setSpacing(7);
    m_centralLayout->addWidget(m_panel);
    m_centralLayout->addWidget(m_outputPane, 1);

    // The design's 792 x 527 client area, grown to what the fonts of this screen need and
    // with room for the output; never larger than the screen.
    QSize size = QSize(792, 680).expandedTo(minimumSizeHint());
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        size = size.boundedTo(screen->availableGeometry().size());
    resize(size);

    m_commands = std::make_unique<CommandTable>(menuBar(), commandMenus());
    connectPanel();
    installShortcutFilter();
    // Until the settings are read the tooltips are off; the loader switches them on.
    applyToolTips(false);
    applyEnabling();
    connect(qApp, &QCoreApplication::aboutToQuit, this, [this] { saveSettingsOnce(); });
}

GlintworkWindow::~GlintworkWindow() = default;

std::function<void()> GlintworkWindow::handler(void (GlintworkWindow::*method)())
{
    return [this, method] { (this->*method)(); };
}

QList<CommandMenu> GlintworkWindow::commandMenus()
{
    return {fileMenu(), editMenu(), settingsMenu(), toolsMenu(), helpMenu()};
}

CommandMenu GlintworkWindow::fileMenu()
{
    auto hasOutput = [](const EnabledState &e) { return e.hasOutput; };
    return {
        QStringLiteral("mnufile"),
        tr("&File"),
        {
            Command(QStringLiteral("mnuSave"), tr("&Save As..."), handler(&G::mnuSave_Click))
                .keys(Qt::CTRL | Qt::Key_S)
                .enabledWhen(hasOutput),
            Command(QStringLiteral("mnuPrint"), tr("&Print..."), handler(&G::mnuPrint_Click))
                .keys(Qt::CTRL | Qt::Key_P)
                .enabledWhen(hasOutput),
            Command(QStringLiteral("mnuPreview"), tr("Print Pre&view..."),
                    handler(&G::mnuPreview_Click))
                .enabledWhen(hasOutput),
            Command(QStringLiteral("mnuPdf"), tr("&Export as PDF..."), handler(&G::mnuPdf_Click))
                .enabledWhen(hasOutput),
            Command(QStringLiteral("mnuX"), tr("E&xit"), handler(&G::mnuX_Click)).afterSeparator(),
        }};
}

CommandMenu GlintworkWindow::editMenu()
{
    auto canPaste = [](const EnabledState &e) { return e.canPaste; };
    return {
        QStringLiteral("mnuEdit"),
        tr("&Edit"),
        {
            Command(QStringLiteral("mnuFont"), tr("&Font and style..."), handler(&G::mnuFont_Click))
                .keys(Qt::CTRL | Qt::Key_F),
            Command(QStringLiteral("mnuColour"), tr("C&olour..."), handler(&G::mnuColour_Click))
                .keys(Qt::CTRL | Qt::Key_O),
            Command(QStringLiteral("mnuCut"), tr("C&ut"), handler(&G::mnuCut_Click))
                .boxKeys(QKeySequence::Cut)
                .afterSeparator(),
            Command(QStringLiteral("mnuCopy"), tr("&Copy"), handler(&G::mnuCopy_Click))
                .boxKeys(QKeySequence::Copy),
            Command(QStringLiteral("mnuHTML"), tr("Copy &HTML"), handler(&G::mnuHTML_Click))
                .shownWhen([](const EnabledState &e) { return e.copyHtmlVisible; }),
            Command(QStringLiteral("mnuPRTF"), tr("Paste for&matted text"),
                    handler(&G::mnuPRTF_Click))
                .boxKeys(QKeySequence::Paste)
                .enabledWhen(canPaste),
            Command(QStringLiteral("mnuPaste"), tr("&Paste text"), handler(&G::mnuPaste_Click))
                .enabledWhen(canPaste),
            Command(QStringLiteral("mnuClear"), tr("C&lear"), handler(&G::mnuClear_Click))
                .boxKeys(QKeySequence::Delete),
        }};
}

CommandMenu GlintworkWindow::settingsMenu()
{
    // "Word by word" and the modes: the check mark is the setting itself.
    CommandMenu menu{
        QStringLiteral("mnuDefaults"),
        tr("&Settings"),
        {
            Command(QStringLiteral("mnuDS"), tr("&Reset all settings"), handler(&G::mnuDS_Click)),
            Command(QStringLiteral("mnuWW"),
                    tr("&Format word by word (rather than letter by letter)"))
                .checkable()
                .afterSeparator(),
            Command(QStringLiteral("mnuCW"),
                    tr("&Color word by word (rather than letter by letter)"))
                .checkable(),
        }};
    const QStringList modes = {tr("&Normal"), tr("&HTML"),
                               tr("&Word Processor compatible (16 colors)")};
    for (int i = 0; i < modes.size(); ++i)
        menu.commands.append(
            Command(QStringLiteral("mnuMode_%1").arg(i), modes[i], [this, i] { mnuMode_Click(i); })
                .checkable()
                .afterSeparator(i == 0));
    return menu;
}

CommandMenu GlintworkWindow::toolsMenu()
{
    CommandMenu menu{QStringLiteral("mnuTools"), tr("&Tools"), {}};
    const QStringList steps = {tr("&Increase font size 1pt"), tr("&Decrease font size 1pt"),
                               tr("I&ncrease font size 5pt"), tr("D&ecrease font size 5pt")};
    const QList<QKeySequence> stepKeys = {
        {}, {}, QKeySequence(Qt::CTRL | Qt::Key_U), QKeySequence(Qt::CTRL | Qt::Key_D)};
    for (int i = 0; i < steps.size(); ++i)
        menu.commands.append(
            Command(QStringLiteral("mnuFS_%1").arg(i), steps[i], [this, i] { mnuFS_Click(i); })
                .keys(stepKeys[i])
                .enabledWhen(
                    [](const EnabledState &e) { return e.hasOutput && e.fontSizeCommands; }));
    menu.commands.append(Command(QStringLiteral("mnuDoubleS"), tr("Double-&space paragraphs"),
                                 handler(&G::mnuDoubleS_Click))
                             .enabledWhen([](const EnabledState &e) { return e.doubleSpace; }));
    return menu;
}

CommandMenu GlintworkWindow::helpMenu()
{
    return {QStringLiteral("mnuHelp"),
            tr("&Help!"),
            {
                Command(QStringLiteral("mnuOH"), tr("&Online Help..."), handler(&G::mnuOH_Click))
                    .keys(Qt::Key_F1),
                Command(QStringLiteral("mnuTT"), tr("&ToolTips"),
                        [this] { applyToolTips(command(QStringLiteral("mnuTT"))->isChecked()); })
                    .checkable(),
                Command(QStringLiteral("mnuDLFonts"), tr("Where can I download more &fonts?"),
                        handler(&G::mnuDLFonts_Click)),
                Command(QStringLiteral("mnuAbout"), tr("&About..."), handler(&G::mnuAbout_Click)),
            }};
}

void GlintworkWindow::connectPanel()
{
    connect(m_panel, &EffectsPanel::refreshClicked, this, &G::cmdP_Click);
    connect(m_panel, &EffectsPanel::fontSelectionChanged, this, &G::ListFonts_Click);
    connect(m_panel, &EffectsPanel::clearSelectionClicked, this, &G::CommandCA_Click);
    connect(m_panel, &EffectsPanel::inputChanged, this, &G::Text_Change);
    connect(m_panel, &EffectsPanel::sizeOptionClicked, this, &G::Sizes_Click);
    connect(m_panel, &EffectsPanel::colourOptionClicked, this, &G::OC_Click);
    connect(m_panel, &EffectsPanel::alternateSwatchPressed, this, &G::CL_MouseDown);
    connect(m_panel, &EffectsPanel::blendSwatchPressed, this, &G::CB_MouseDown);
    connect(m_panel, &EffectsPanel::singleColourClicked, this, &G::Label1Col_Click);
    connect(m_outputPane, &OutputPane::mouseDown, this, &G::R_MouseDown);
    connect(m_outputPane, &OutputPane::emptinessChanged, this, &G::updateMenuRules);
    connect(m_commands->menu(QStringLiteral("mnufile")), &QMenu::aboutToShow, this,
            &G::mnufile_Open);
    connect(m_commands->menu(QStringLiteral("mnuEdit")), &QMenu::aboutToShow, this,
            &G::mnuEdit_Open);
    connect(m_commands->menu(QStringLiteral("mnuTools")), &QMenu::aboutToShow, this,
            &G::mnuTools_Open);
}

void GlintworkWindow::installShortcutFilter()
{
    // Menu shortcuts must win over the text boxes' own key bindings (Ctrl+U clears a line
    // edit on X11).
    QList<QWidget *> boxes = m_panel->keyBoxes();
    boxes.append(m_outputPane->edit());
    boxes.append(m_outputPane->edit()->findChildren<QWidget *>());
    for (QWidget *widget : std::as_const(boxes))
        if (widget)
            widget->installEventFilter(this);
    // The controls with an access letter, which the menu titles' letters must win over.
    for (QWidget *widget : m_panel->findChildren<QWidget *>())
        if (qobject_cast<QAbstractButton *>(widget) || qobject_cast<QGroupBox *>(widget) ||
            qobject_cast<QLabel *>(widget))
            widget->installEventFilter(this);
}

QAction *GlintworkWindow::menuTitleFor(QEvent *event) const
{
    if (event->type() != QEvent::Shortcut)
        return nullptr;
    const QKeySequence key = static_cast<QShortcutEvent *>(event)->key();
    for (QAction *title : menuBar()->actions())
        if (title->menu() && QKeySequence::mnemonic(title->text()) == key)
            return title;
    return nullptr;
}

bool GlintworkWindow::eventFilter(QObject *watched, QEvent *event)
{
    // A control whose access letter is also a menu title's (possible in a translation) would
    // take the first press: the menu wins.
    if (QAction *title = menuTitleFor(event)) {
        menuBar()->setActiveAction(title);
        return true;
    }
    if (event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        const QKeySequence pressed(key->keyCombination());
        const QList<QAction *> actions = findChildren<QAction *>();
        for (QAction *a : actions) {
            if (a->shortcut().isEmpty() || a->shortcut() != pressed ||
                a->shortcutContext() == Qt::WidgetShortcut)
                continue;
            // Left unaccepted, the override lets the shortcut run instead of the box's own
            // binding. A key press only arrives when the command is disabled: it then does
            // nothing at all.
            event->ignore();
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

QAction *GlintworkWindow::command(const QString &name) const
{
    return m_commands->action(name);
}

QStringList GlintworkWindow::schemeNames()
{
    const auto &names = Colours::SchemeNames();
    return QStringList(names.begin(), names.end());
}

RichTextBox &GlintworkWindow::output() const
{
    return m_outputPane->box();
}

QWidget *GlintworkWindow::outputWidget() const
{
    return m_outputPane->edit();
}

QString GlintworkWindow::inputText() const
{
    return m_panel->inputText();
}

void GlintworkWindow::setInputText(const QString &crlfText)
{
    m_panel->setInputText(crlfText);
}

EffectSettings GlintworkWindow::currentSettings() const
{
    EffectSettings s;
    m_panel->readInto(s);
    s.formatWordByWord = command(QStringLiteral("mnuWW"))->isChecked();
    s.colourWordByWord = command(QStringLiteral("mnuCW"))->isChecked();
    s.outputMode = m_outputMode;
    s.toolTips = command(QStringLiteral("mnuTT"))->isChecked();
    return s;
}

void GlintworkWindow::showSettings(const EffectSettings &s)
{
    if (s.outputMode == OutputMode::Html)
        m_panel->setFontStandIns(m_modes.webFontStandIns());
    m_panel->showSettings(s);
    ListFonts_Click();
    command(QStringLiteral("mnuWW"))->setChecked(s.formatWordByWord);
    command(QStringLiteral("mnuCW"))->setChecked(s.colourWordByWord);
    QAction *toolTips = command(QStringLiteral("mnuTT"));
    if (toolTips->isChecked() != s.toolTips) {
        toolTips->setChecked(s.toolTips);
        applyToolTips(s.toolTips);
    }
    applyEnabling();
    if (m_wordProcessorNoticePending) {
        m_wordProcessorNoticePending = false;
        m_services.messages->message(ModeSwitch::wordProcessorMessage(), kTitle,
                                     MessageService::Buttons::Ok,
                                     MessageService::Icon::Information);
    }
}

EnabledState GlintworkWindow::enabledState() const
{
    // The clipboard is asked only as the Edit menu opens: it may belong to another program.
    return EnablingRules::evaluate(currentSettings(), m_outputMode,
                                   {.hasOutput = !output().text().isEmpty()});
}

void GlintworkWindow::applyEnabling()
{
    const EnabledState e = enabledState();
    m_panel->applyEnabling(e, m_busy);
    applyMenuRules(e);
}

void GlintworkWindow::applyMenuRules(const EnabledState &e)
{
    // The paste commands' rule asks the clipboard, which only the Edit menu does.
    m_commands->applyRules(QStringLiteral("mnufile"), e);
    m_commands->applyRules(QStringLiteral("mnuTools"), e);
    command(QStringLiteral("mnuHTML"))->setVisible(e.copyHtmlVisible);
}

void GlintworkWindow::applyToolTips(bool on)
{
    m_panel->setToolTipsShown(on);
    m_outputPane->setToolTipsShown(on);
}

void GlintworkWindow::ListFonts_Click()
{
    if (m_panel->limitFontSelection())
        m_services.messages->beep();
    m_panel->showFontSelection();
}

void GlintworkWindow::CommandCA_Click()
{
    m_panel->clearFontSelection();
    ListFonts_Click();
    if (m_panel->fontListHidden())
        m_panel->showFontList(true);
}

void GlintworkWindow::Text_Change()
{
    if (inputText().size() > m_maxInputLength && !m_refusingInput) {
        refuseLongInput();
        return;
    }
    m_panel->enableRefresh(!inputText().isEmpty() && !m_busy);
    m_panel->tintInput();
}

// A text beyond the limit could be neither formatted nor saved: the change that made it so
// (a paste, most likely) is taken back, and the user is told why.
void GlintworkWindow::refuseLongInput()
{
    m_refusingInput = true;
    if (!m_panel->undoInput())
        m_panel->setInputText(inputText().left(m_maxInputLength));
    m_refusingInput = false;
    m_services.messages->message(
        tr("The text would be longer than %1 characters (a line break counts two), "
           "more than Glintwork can format and save.  The change was not made.")
            .arg(m_maxInputLength),
        kTitle, MessageService::Buttons::Ok, MessageService::Icon::Information);
    Text_Change();
}

void GlintworkWindow::Sizes_Click(int)
{
    EffectSettings s = currentSettings();
    if (EnablingRules::afterSizesChange(s, m_outputMode))
        m_panel->selectPositionOption(s.characterPosition);
    applyEnabling();
}

void GlintworkWindow::OC_Click(int)
{
    applyEnabling();
}

void GlintworkWindow::mnuTT_Click()
{
    command(QStringLiteral("mnuTT"))->trigger();
}

QString GlintworkWindow::helpAddress() const
{
    return HelpPage::address(BuildInfo::kGlintworkHelpUrl, m_services.files->programFolder(),
                             kHelpPage);
}

QString GlintworkWindow::commentAddress()
{
    // The comment travels with the user's page: a configured fonts page, else the public
    // download page, never the local path of the bundled help.
    return BuildInfo::kFontsUrl.isEmpty() ? Publisher::downloadAddress() : BuildInfo::kFontsUrl;
}

QString GlintworkWindow::suggestionsAddress()
{
    return Publisher::suggestionsAddress();
}

void GlintworkWindow::mnuOH_Click()
{
    const QString address = helpAddress();
    if (!address.isEmpty())
        m_services.shell->openAddress(address);
}

void GlintworkWindow::mnuDLFonts_Click()
{
    m_services.messages->message(
        tr("Check out sites in the Download section of the Top Links on your home page, %1.")
            .arg(Publisher::homePageAddress()),
        tr("Sites with cool fonts to download"), MessageService::Buttons::Ok,
        MessageService::Icon::Information);
}

void GlintworkWindow::mnuAbout_Click()
{
    const QString programLine =
        tr("Glintwork %1, part of the Kerncraft font tools.").arg(Publisher::version());
    m_services.messages->message(Publisher::aboutText(programLine), kTitle,
                                 MessageService::Buttons::Ok, MessageService::Icon::None);
}

void GlintworkWindow::closeEvent(QCloseEvent *event)
{
    saveSettingsOnce();
    event->accept();
}
